#include "ui/frames/FrameRules.h"

#include "framework/BarStyles.h"

namespace {

constexpr DWORD kHorzDockMode = LM_HORZ | LM_HORZDOCK | LM_LENGTHY;
constexpr DWORD kVertDockMode = LM_VERTDOCK;
constexpr DWORD kMruMode = LM_HORZ | LM_MRUWIDTH | LM_LENGTHY;

} // namespace

DWORD DockLayoutModeForDockBar(UINT nDockBarID)
{
    switch (nDockBarID) {
    case AFX_IDW_DOCKBAR_TOP:
    case AFX_IDW_DOCKBAR_BOTTOM:
        return kHorzDockMode | LM_COMMIT;
    case AFX_IDW_DOCKBAR_LEFT:
    case AFX_IDW_DOCKBAR_RIGHT:
        return kVertDockMode | LM_COMMIT;
    default:
        return kMruMode | LM_COMMIT;
    }
}

DWORD DockLayoutModeForBarStyle(DWORD dwBarStyle)
{
    if ((dwBarStyle & (CBRS_SIZE_DYNAMIC | CBRS_FLOATING)) == (CBRS_SIZE_DYNAMIC | CBRS_FLOATING))
        return kMruMode | LM_COMMIT;
    if (dwBarStyle & CBRS_ORIENT_HORZ)
        return kHorzDockMode | LM_COMMIT;
    return kVertDockMode | LM_COMMIT;
}

DWORD FloatingFrameStyle(DWORD dwRequested, DWORD dwBarStyle)
{
    DWORD dwStyle = dwRequested | (dwBarStyle & CBRS_SIZE_DYNAMIC);
    if (dwStyle & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT))
        dwStyle = (dwStyle & ~(DWORD)(CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) | CBRS_ALIGN_TOP;
    return dwStyle;
}

MenuLookup ChooseMenuLookup(const MenuLookupFacts& facts)
{
    if (facts.bHasMenuBarMenu && facts.bIsOwnKey)
        return MenuLookup::MenuBarMenu;
    if (facts.bTemplateHasMenu)
        return MenuLookup::Template;
    if (facts.bExtraHasMenu)
        return MenuLookup::Extra;
    return MenuLookup::None;
}

UINT MenuBarIdOnMDIActivate(bool bActivate, bool bOtherChildActivated, UINT nChildMenuId)
{
    if (nChildMenuId == 0)
        return 0;
    if (bActivate)
        return nChildMenuId;
    return bOtherChildActivated ? 0 : kOwnMenuId;
}

int DefaultWindowMenuPosition(int nItems)
{
    return nItems >= 2 ? nItems - 2 : -1;
}
