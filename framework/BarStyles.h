// The control-bar vocabulary: bar style bits, layout-mode bits, status-pane
// styles and the bar and dock-bar ids. The numbers are the conventional ones
// because saved bar layouts and resource scripts hold them.
#pragma once

#include "framework/Types.h"

// Bar styles (CControlBar::m_dwStyle; CBRS_ALL is what a bar keeps).
#define CBRS_FLOATING        0x00000001L
#define CBRS_SIZE_FIXED      0x00000002L
#define CBRS_SIZE_DYNAMIC    0x00000004L
#define CBRS_HIDE_INPLACE    0x00000008L
#define CBRS_TOOLTIPS        0x00000010L
#define CBRS_FLYBY           0x00000020L
#define CBRS_FLOAT_MULTI     0x00000040L
#define CBRS_BORDER_3D       0x00000080L
#define CBRS_BORDER_LEFT     0x00000100L
#define CBRS_BORDER_TOP      0x00000200L
#define CBRS_BORDER_RIGHT    0x00000400L
#define CBRS_BORDER_BOTTOM   0x00000800L
#define CBRS_BORDER_ANY      0x00000F00L
#define CBRS_ALIGN_LEFT      0x1000L
#define CBRS_ALIGN_TOP       0x2000L
#define CBRS_ALIGN_RIGHT     0x4000L
#define CBRS_ALIGN_BOTTOM    0x8000L
#define CBRS_ALIGN_ANY       0xF000L
#define CBRS_ORIENT_HORZ     (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT     (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_ORIENT_ANY      (CBRS_ORIENT_HORZ | CBRS_ORIENT_VERT)
#define CBRS_LEFT            (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP             (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT           (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM          (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)
#define CBRS_NOALIGN         0x00000000L
#define CBRS_GRIPPER         0x00400000L
#define CBRS_ALL             0x0040FFFFL

// Layout-mode bits of CalcDynamicLayout.
#define LM_STRETCH    0x01
#define LM_HORZ       0x02
#define LM_MRUWIDTH   0x04
#define LM_HORZDOCK   0x08
#define LM_VERTDOCK   0x10
#define LM_LENGTHY    0x20
#define LM_COMMIT     0x40

// Status pane styles and flags.
#define SBPS_NORMAL     0x0000
#define SBPS_NOBORDERS  0x0100
#define SBPS_POPOUT     0x0200
#define SBPS_OWNERDRAW  0x1000
#define SBPS_DISABLED   0x04000000
#define SBPS_STRETCH    0x08000000
#define SBPF_UPDATE     0x0001

// Bar ids and the dock bars' ids.
#ifndef AFX_IDW_TOOLBAR
#define AFX_IDW_TOOLBAR          0xE800
#define AFX_IDW_STATUS_BAR       0xE801
#define AFX_IDW_DOCKBAR_TOP      0xE81B
#define AFX_IDW_DOCKBAR_LEFT     0xE81C
#define AFX_IDW_DOCKBAR_RIGHT    0xE81D
#define AFX_IDW_DOCKBAR_BOTTOM   0xE81E
#define AFX_IDW_DOCKBAR_FLOAT    0xE81F
#endif

// A bar whose style docks it at the top or bottom lies horizontally.
inline bool IsHorzBarStyle(DWORD dwStyle) { return (dwStyle & CBRS_ORIENT_HORZ) != 0; }
