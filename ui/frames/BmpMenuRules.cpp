#include "ui/frames/BmpMenuRules.h"

#include <algorithm>

bool IsSystemCommandId(UINT nID)
{
    return nID >= 0xF000 && nID < 0xFF00;
}

bool ShouldOwnerDraw(const MenuItemFacts& item)
{
    return !item.bBitmap && !item.bOwnerDraw && !item.bSeparator && !IsSystemCommandId(item.nID) && !item.bForeign;
}

CSize MeasureBmpMenuItem(const CRect& rcText, CSize image, int cyMenuBar)
{
    int cyLeast = std::max(cyMenuBar, (int)image.cy + 4);
    int cyText = rcText.Height();
    return CSize(2 * image.cx - rcText.left + rcText.right, cyText > cyLeast ? cyText : cyLeast);
}

MenuItemText SplitMenuItemText(const CString& strText)
{
    MenuItemText text;
    int nTab = strText.Find('\t');
    if (nTab < 0) {
        text.strLabel = strText;
        return text;
    }
    text.strLabel = strText.Left(nTab);
    text.strAccelerator = strText.Mid(nTab + 1);
    return text;
}
