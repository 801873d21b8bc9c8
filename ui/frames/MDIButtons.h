// What the MDI menu bar decides about a maximised child's buttons apart
// from its windows: whether the icon and caption buttons show for the
// active child, the three parts of the caption button (minimise, restore,
// close) with their sizes, hit testing and system commands, and where a
// caption button at the end of a stretched bar goes.
#pragma once

#include "framework/Geometry.h"
#include "framework/Types.h"

// The child's style bits the caption button follows: system menu,
// minimise box, maximise box.
constexpr DWORD kMDIStyleSysMenu = 0x80000;
constexpr DWORD kMDIStyleMinimizeBox = 0x20000;
constexpr DWORD kMDIStyleMask = 0xB0000;
// The command id of both embedded buttons (never sent).
constexpr UINT kMDIButtonId = 0x80000000;

// The active MDI child as the bar sees it.
struct MDIChildView
{
    bool bPresent = false;
    bool bZoomed = false;
    DWORD dwStyle = 0;
    bool bIconChanged = false;
};

// The embedded buttons' state.
struct MDIButtonsView
{
    bool bIconHidden = true;
    bool bCaptionHidden = true;
    DWORD dwCaptionStyle = kMDIStyleMask;
};

class MDIButtons
{
public:
    enum Part : int { kNoPart = -1, kMinimize = 0, kRestore = 1, kClose = 2 };

    // The buttons show for an active child that is maximised and has a
    // system menu, unless told to hide.
    static bool WantsButtons(bool bHide, const MDIChildView& child);
    // Shows, restyles or hides the buttons; true when anything changed
    // (the caller re-lays out the frame).
    static bool Update(MDIButtonsView& view, bool bHide, const MDIChildView& child);

    // The caption button of parts cxPart x cyPart: minimise and restore
    // side by side, close 2 pixels further.
    static CSize CaptionSize(int cxPart, int cyPart) { return CSize(3 * cxPart + 2, cyPart); }
    static CRect PartRect(int nPart, CPoint ptOrigin, int cxPart, int cyPart);
    // Whether a part reacts for the child's style: none without a system
    // menu; minimise and restore need the minimise box as well.
    static bool PartReacts(int nPart, DWORD dwStyle);
    // The reacting part under pt (button coordinates), or kNoPart.
    static int HitTestPart(CPoint pt, int cxPart, int cyPart, DWORD dwStyle);
    // SC_MINIMIZE, SC_RESTORE, SC_CLOSE; 0 for no part.
    static UINT SysCommand(int nPart);
    // The id of the part's tooltip: 8, 9, 20; -1 for no part.
    static int ToolId(int nPart);

    // Where a caption button at the end of a stretched bar starts so that
    // it ends 2 pixels before nEnd; it only ever moves towards the end.
    static int EndPlacement(int nStart, int nExtent, int nEnd);
};
