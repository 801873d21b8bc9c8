// Decisions the library's MDI and SDI frames take without a window: the
// layout mode a bar is docked with, the style of a bar's floating frame,
// where a frame looks for the menu of a resource id, and which menu the
// menu bar shows when an MDI child comes or goes.
#pragma once

#include "framework/Portable.h"
#include "ui/frames/MenuTable.h"

// Menu-bar ids with a meaning of their own: the frame's own menu.
constexpr UINT kOwnMenuId = (UINT)-1;

// The mode (LM_* bits, committed) a bar docked into dock bar nDockBarID of
// an MDI frame is sized with: horizontal along the top and bottom, vertical
// at the sides, its last horizontal size otherwise.
DWORD DockLayoutModeForDockBar(UINT nDockBarID);
// The same for an SDI frame, decided by the bar's own style.
DWORD DockLayoutModeForBarStyle(DWORD dwBarStyle);

// The style of the floating frame a bar floats in: a dynamic-size bar keeps
// that bit, and a left or right alignment becomes top alignment.
DWORD FloatingFrameStyle(DWORD dwRequested, DWORD dwBarStyle);

// Where a frame finds the menu of a resource id, in the order asked.
enum class MenuLookup
{
    None,
    MenuBarMenu,   // the frame's own menu-bar menu
    Template,      // the shared menu of a multi-document template
    Extra,         // a menu added by AddMenus
};
struct MenuLookupFacts
{
    bool bHasMenuBarMenu = false;
    bool bIsOwnKey = false;
    bool bTemplateHasMenu = false;
    bool bExtraHasMenu = false;
};
MenuLookup ChooseMenuLookup(const MenuLookupFacts& facts);

// The menu the menu bar switches to when an MDI child with menu-bar id
// nChildMenuId is activated or deactivated: its own on activation, the
// frame's own (kOwnMenuId) when it goes and no other child comes, 0 (no
// change) otherwise.
UINT MenuBarIdOnMDIActivate(bool bActivate, bool bOtherChildActivated, UINT nChildMenuId);

// The position of the MDI "Window" popup in a menu of nItems popups when it
// cannot be found by its commands: the one before the last; -1 for none.
int DefaultWindowMenuPosition(int nItems);
