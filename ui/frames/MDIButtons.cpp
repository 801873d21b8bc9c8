#include "ui/frames/MDIButtons.h"

#include <algorithm>

bool MDIButtons::WantsButtons(bool bHide, const MDIChildView& child)
{
    return !bHide && child.bPresent && child.bZoomed && (child.dwStyle & kMDIStyleSysMenu) != 0;
}

bool MDIButtons::Update(MDIButtonsView& view, bool bHide, const MDIChildView& child)
{
    if (!WantsButtons(bHide, child)) {
        if (view.bCaptionHidden)
            return false;
        view.bIconHidden = view.bCaptionHidden = true;
        return true;
    }
    bool bChanged = child.bIconChanged;
    if (view.bIconHidden) {
        view.bIconHidden = false;
        bChanged = true;
    }
    const DWORD dwStyle = child.dwStyle & kMDIStyleMask;
    if (view.bCaptionHidden || view.dwCaptionStyle != dwStyle) {
        view.bCaptionHidden = false;
        view.dwCaptionStyle = dwStyle;
        bChanged = true;
    }
    return bChanged;
}

CRect MDIButtons::PartRect(int nPart, CPoint ptOrigin, int cxPart, int cyPart)
{
    if (nPart < kMinimize || nPart > kClose)
        return CRect(0, 0, 0, 0);
    const int x = ptOrigin.x + nPart * cxPart + (nPart == kClose ? 2 : 0);
    return CRect(x, ptOrigin.y, x + cxPart, ptOrigin.y + cyPart);
}

bool MDIButtons::PartReacts(int nPart, DWORD dwStyle)
{
    if (!(dwStyle & kMDIStyleSysMenu))
        return false;
    if (nPart == kClose)
        return true;
    return (nPart == kMinimize || nPart == kRestore) && (dwStyle & kMDIStyleMinimizeBox) != 0;
}

int MDIButtons::HitTestPart(CPoint pt, int cxPart, int cyPart, DWORD dwStyle)
{
    for (int nPart = kMinimize; nPart <= kClose; ++nPart) {
        const CRect rc = PartRect(nPart, CPoint(0, 0), cxPart, cyPart);
        if (pt.x >= rc.left && pt.x < rc.right && pt.y >= rc.top && pt.y < rc.bottom)
            return PartReacts(nPart, dwStyle) ? nPart : kNoPart;
    }
    return kNoPart;
}

UINT MDIButtons::SysCommand(int nPart)
{
    switch (nPart) {
    case kMinimize: return 0xF020;   // SC_MINIMIZE
    case kRestore: return 0xF120;    // SC_RESTORE
    case kClose: return 0xF060;      // SC_CLOSE
    default: return 0;
    }
}

int MDIButtons::ToolId(int nPart)
{
    switch (nPart) {
    case kMinimize: return 8;
    case kRestore: return 9;
    case kClose: return 20;
    default: return -1;
    }
}

int MDIButtons::EndPlacement(int nStart, int nExtent, int nEnd)
{
    return std::max(nStart, nEnd - 2 - nExtent);
}
