// The decisions of the bitmap menus apart from the window: which items they
// draw themselves, how large an item is, and the text and accelerator.
#pragma once

#include "framework/Geometry.h"
#include "framework/String.h"

// System commands (0xF000-0xFEFF) stay plain strings.
bool IsSystemCommandId(UINT nID);

struct MenuItemFacts
{
    UINT nID = 0;            // 0 for a popup item
    bool bBitmap = false;
    bool bOwnerDraw = false;
    bool bSeparator = false;
    bool bForeign = false;   // owner-drawn by other code
};

// A string item the bitmap menus take over.
bool ShouldOwnerDraw(const MenuItemFacts& item);

// The item's size from its measured text rectangle and the image size.
CSize MeasureBmpMenuItem(const CRect& rcText, CSize image, int cyMenuBar);

// "&Open\tCtrl+O" -> "&Open" and "Ctrl+O".
struct MenuItemText
{
    CString strLabel;
    CString strAccelerator;
};
MenuItemText SplitMenuItemText(const CString& strText);
