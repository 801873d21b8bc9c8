// SECBmpMgr: the button images of the toolbars, shared by reference count
// between the toolbar manager and its bars. It loads the image strips of
// toolbar resources (a small set and optionally a large one, else the large
// strip is stretched from the small), keeps only the strips of the image
// size in use, and answers which strip and which image belong to a command.
// Images are drawn in the system colours (black, greys and white mapped).
//
// Beside it the system colour cache every drawing of the toolbars reads.
#pragma once

#include "framework/Framework.h"
#include "ui/frames/BmpImageMap.h"

#include <memory>
#include <vector>

// The colours and measures the toolbars draw with; refreshed on a system
// colour change.
struct SECSysColorCache
{
    int cxBorder2 = 2, cyBorder2 = 2;
    COLORREF clrBtnFace = 0, clrBtnShadow = 0, clrBtnHilite = 0, clrWindowFrame = 0;
    COLORREF clr3DLight = 0, clr3DDkShadow = 0, clrWindowText = 0, clrWindow = 0;
    COLORREF clrHighlight = 0, clrHighlightText = 0;
    HCURSOR hcurArrow = nullptr;

    void RefreshSysColors();
};
SECSysColorCache& SECGetSysColors();

class SECBmpMgr : public CObject
{
public:
    struct BmpInfo
    {
        UINT nIDSmall = 0;
        UINT nIDLarge = 0;
        CBitmap bmpSmall;
        CBitmap bmpLarge;
        int nCount = 0;
        BOOL bMapColours = TRUE;
    };

    SECBmpMgr();
    ~SECBmpMgr() override;

    void AddRef() { ++m_nRefCount; }
    void Release();

    BOOL LoadToolBar(UINT nIDToolBar, UINT nIDLargeToolBar = 0, BOOL bMapColours = TRUE);
    BOOL AddBitmap(UINT nIDSmall, UINT nIDLarge, const UINT* pIDs, int nCount, BOOL bMapColours);
    BOOL GetBitmap(UINT nID, HBITMAP* phBitmap, int* pnIndex, BOOL bSmallOnly = FALSE) const;
    BOOL ReloadAll(BOOL bReload);
    void SetSmallImages(BOOL bSmall);
    void SetKeepSmall(BOOL bKeep);
    BOOL IsSmallImages() const { return m_bSmallImages; }
    CSize GetImageSize() const
    {
        return m_bSmallImages ? CSize(m_cxSmall, m_cySmall) : CSize(m_cxLarge, m_cyLarge);
    }

    // The command ids of a toolbar resource (RT_TOOLBAR) and its image size.
    static BOOL ReadToolBarResource(UINT nID, std::vector<UINT>& ids, UINT* pWidth, UINT* pHeight,
                                    BOOL bKeepSeparators);

    virtual BOOL LoadBitmaps(BmpInfo* pInfo, BOOL bReload);
    virtual BOOL LoadSmallBitmap(BmpInfo* pInfo);
    virtual BOOL LoadLargeBitmap(BmpInfo* pInfo);

    // A bitmap resource with its colour table mapped to the system colours.
    static HBITMAP LoadSysColorBitmap(UINT nID, BOOL bMapColours);

private:
    CBmpImageMap m_map;
    std::vector<std::unique_ptr<BmpInfo>> m_bitmaps;
    int m_cxSmall = 16, m_cySmall = 15;
    int m_cxLarge = 22, m_cyLarge = 24;
    BOOL m_bSmallImages = TRUE;
    BOOL m_bKeepSmall = FALSE;
    int m_nRefCount = 1;
};
