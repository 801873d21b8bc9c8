// The arithmetic of SECControlBar apart from its window: the remembered
// sizes a dynamic layout request reads and commits, the area its children
// get, and the proportional scaling of recorded child rectangles.
#pragma once

#include "framework/BarStyles.h"
#include "framework/Geometry.h"

// Extended bar styles (SECControlBar::m_dwExStyle).
enum : DWORD {
    EXSTYLE_CONTEXT_MENU = 0x0001,
    EXSTYLE_SCALE_CHILDREN = 0x0002,
    EXSTYLE_FIXED_SIZE = 0x0004,
    EXSTYLE_DARK_BORDERS = 0x0008,
    EXSTYLE_BORDER_SPACE = 0x0010,
    EXSTYLE_MDI_FLOAT = 0x0020,
    EXSTYLE_FILL_CHILD = 0x0040,
    EXSTYLE_FLAT_BORDERS = 0x0100,
    EXSTYLE_GRIPPER = 0x0200,
    EXSTYLE_HIDE_BUTTON = 0x0400,
    EXSTYLE_EXPAND_BUTTON = 0x0800,
};

// The gripper's parts, lead to tail: 4, 3, 1, 3, 6; inset 3 from the long edges.
constexpr int kGripperLead = 4;
constexpr int kGripperBar = 3;
constexpr int kGripperGap = 1;
constexpr int kGripperTail = 6;
constexpr int kGripperSize = kGripperLead + kGripperBar + kGripperGap + kGripperBar + kGripperTail;   // 17
constexpr int kGripperInset = 3;

// A bar's remembered sizes: docked top or bottom, docked left or right, floating.
struct BarSizes
{
    CSize szHorz;
    CSize szVert;
    CSize szFloat;
    int nMRUWidth = 32767;
};

// CalcDynamicLayout: LM_COMMIT stores nLength (times the row share with
// LM_STRETCH) into the size the mode names; the result is that size.
CSize CalcBarDynamicLayout(BarSizes& sizes, int nLength, DWORD dwMode, float fPctWidth);

// The part of a bar's client area its children may use.
struct ChildAreaInput
{
    CSize sizeClient;
    DWORD dwExStyle = 0;
    bool bDocked = true;
    bool bHorz = true;
    CRect rcBorder{10, 10, 10, 10};   // margins with EXSTYLE_BORDER_SPACE
};
CRect CalcChildArea(const ChildAreaInput& in);

// A child rectangle recorded when the bar's client was sizeRecorded, for a
// client of sizeNow, moved to the area's origin. A recorded size of zero
// scales nothing: the rectangle only moves.
CRect ScaleChildRect(const CRect& rcRecorded, CSize sizeRecorded, CSize sizeNow, CPoint ptOrigin);
