// The bookkeeping of SECBmpMgr apart from bitmaps: which loaded strip and
// which image in it belong to a command id (the first strip that names an
// id keeps it), and the colour table rewrite that makes toolbar images
// follow the system colours.
#pragma once

#include "framework/Types.h"

#include <unordered_map>
#include <vector>

class CBmpImageMap
{
public:
    struct Item
    {
        int nBitmap = 0;
        int nImage = 0;
    };

    // Enters the ids (separators, 0, take no image) for a new strip; returns its index.
    int AddBitmap(const UINT* pIDs, int nCount);
    // FALSE when the id has no image.
    BOOL Lookup(UINT nID, Item& item) const;
    int GetBitmapCount() const { return m_nBitmaps; }
    void RemoveAll();

private:
    std::unordered_map<UINT, Item> m_items;
    int m_nBitmaps = 0;
};

// The four system colours toolbar images are drawn in.
struct ToolBarSysColours
{
    DWORD crText;       // COLOR_BTNTEXT
    DWORD crShadow;     // COLOR_BTNSHADOW
    DWORD crFace;       // COLOR_BTNFACE
    DWORD crHighlight;  // COLOR_BTNHIGHLIGHT
};

// Rewrites a DIB colour table (RGBQUAD order: blue, green, red, reserved in
// the low to high bytes): black, dark grey, light grey and white become the
// given colours (COLORREF: red in the low byte). Returns the entries changed.
int MapToolBarColourTable(DWORD* pTable, int nEntries, const ToolBarSysColours& colours);
