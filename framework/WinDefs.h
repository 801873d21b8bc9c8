// Identifiers, private messages and style bits shared by the window classes
// and by the code built on them. The numbers are the conventional ones so
// that resource scripts and saved state written against them keep working.
#pragma once

#include "framework/Types.h"

// Command notification codes passed to OnCmdMsg.
#define CN_COMMAND            0
#define CN_UPDATE_COMMAND_UI  ((UINT)(-1))

// Messages private to the library.
#define WM_SIZEPARENT         0x0361
#define WM_SETMESSAGESTRING   0x0362
#define WM_IDLEUPDATECMDUI    0x0363
#define WM_INITIALUPDATE      0x0364
#define WM_COMMANDHELP        0x0365
#define WM_HELPHITTEST        0x0366
#define WM_EXITHELPMODE       0x0367
#define WM_RECALCPARENT       0x0368
#define WM_SIZECHILD          0x0369
#define WM_KICKIDLE           0x036A
#define WM_QUERYCENTERWND     0x036B
#define WM_DISABLEMODAL       0x036C
#define WM_FLOATSTATUS        0x036D
#define WM_ACTIVATETOPLEVEL   0x036E
#define WM_POPMESSAGESTRING   0x0375

// Messages a parent reflects back to the child control that sent them.
#define WM_REFLECT_BASE       0xBC00

// WM_FLOATSTATUS flags.
#define FS_SHOW        0x01
#define FS_HIDE        0x02
#define FS_ACTIVATE    0x04
#define FS_DEACTIVATE  0x08
#define FS_ENABLE      0x10
#define FS_DISABLE     0x20
#define FS_SYNCACTIVE  0x40

// Frame styles (kept in the low, class-specific word of the window style).
#define FWS_ADDTOTITLE   0x00008000L
#define FWS_PREFIXTITLE  0x00004000L
#define FWS_SNAPTOBARS   0x00002000L

// Mini-frame styles.
#define MFS_SYNCACTIVE   0x00000100L
#define MFS_4THICKFRAME  0x00000200L
#define MFS_THICKFRAME   0x00000400L
#define MFS_MOVEFRAME    0x00000800L
#define MFS_BLOCKSYSMENU 0x00001000L

// Splitter style.
#define SPLS_DYNAMIC_SPLIT 0x0001

// Check-list box notification (sent with WM_COMMAND to the parent).
#define CLBN_CHKCHANGE   40

// Window ids.
#define AFX_IDW_TOOLBAR          0xE800
#define AFX_IDW_STATUS_BAR       0xE801
#define AFX_IDW_PREVIEW_BAR      0xE802
#define AFX_IDW_RESIZE_BAR       0xE803
#define AFX_IDW_DOCKBAR_TOP      0xE81B
#define AFX_IDW_DOCKBAR_LEFT     0xE81C
#define AFX_IDW_DOCKBAR_RIGHT    0xE81D
#define AFX_IDW_DOCKBAR_BOTTOM   0xE81E
#define AFX_IDW_DOCKBAR_FLOAT    0xE81F
#define AFX_IDW_PANE_FIRST       0xE900
#define AFX_IDW_PANE_LAST        0xE9FF
#define AFX_IDW_HSCROLL_FIRST    0xEA00
#define AFX_IDW_VSCROLL_FIRST    0xEA10
#define AFX_IDW_SIZE_BOX         0xEA20
#define AFX_IDW_PANE_SAVE        0xEA21

// Standard commands.
#define ID_FILE_NEW              0xE100
#define ID_FILE_OPEN             0xE101
#define ID_FILE_CLOSE            0xE102
#define ID_FILE_SAVE             0xE103
#define ID_FILE_SAVE_AS          0xE104
#define ID_FILE_PAGE_SETUP       0xE105
#define ID_FILE_PRINT_SETUP      0xE106
#define ID_FILE_PRINT            0xE107
#define ID_FILE_PRINT_DIRECT     0xE108
#define ID_FILE_PRINT_PREVIEW    0xE109
#define ID_FILE_MRU_FILE1        0xE110
#define ID_FILE_MRU_FILE16       0xE11F
#define ID_EDIT_CLEAR            0xE120
#define ID_EDIT_COPY             0xE122
#define ID_EDIT_CUT              0xE123
#define ID_EDIT_PASTE            0xE125
#define ID_EDIT_SELECT_ALL       0xE12A
#define ID_EDIT_UNDO             0xE12B
#define ID_WINDOW_NEW            0xE130
#define ID_WINDOW_ARRANGE        0xE131
#define ID_WINDOW_CASCADE        0xE132
#define ID_WINDOW_TILE_HORZ      0xE133
#define ID_WINDOW_TILE_VERT      0xE134
#define ID_WINDOW_SPLIT          0xE135
#define ID_APP_ABOUT             0xE140
#define ID_APP_EXIT              0xE141
#define ID_HELP_INDEX            0xE142
#define ID_HELP_FINDER           0xE143
#define ID_HELP_USING            0xE144
#define ID_CONTEXT_HELP          0xE145
#define ID_HELP                  0xE146
#define ID_DEFAULT_HELP          0xE147
#define ID_NEXT_PANE             0xE150
#define ID_PREV_PANE             0xE151
#define ID_VIEW_TOOLBAR          0xE800
#define ID_VIEW_STATUS_BAR       0xE801
#define ID_INDICATOR_EXT         0xE700
#define ID_INDICATOR_CAPS        0xE701
#define ID_INDICATOR_NUM         0xE702
#define ID_INDICATOR_SCRL        0xE703
#define ID_INDICATOR_OVR         0xE704
#define ID_INDICATOR_REC         0xE705
#define ID_SEPARATOR             0

// Standard strings (an application's string table supplies the texts).
#define AFX_IDS_APP_TITLE        0xE000
#define AFX_IDS_IDLEMESSAGE      0xE001
#define AFX_IDS_HELPMODEMESSAGE  0xE002
#define AFX_IDS_HIDE             0xF011

// Per-window flags kept in CWnd::m_nFlags.
#define WF_TOOLTIPS       0x0001
#define WF_TEMPHIDE       0x0002
#define WF_STAYDISABLED   0x0004
#define WF_MODALLOOP      0x0008
#define WF_CONTINUEMODAL  0x0010
#define WF_STAYACTIVE     0x0020

// Default view style.
#define AFX_WS_DEFAULT_VIEW (WS_CHILD | WS_VISIBLE | WS_BORDER)

// Layout of control bars inside a frame.
struct AFX_SIZEPARENTPARAMS
{
    HDWP hDWP;
    RECT rect;
    SIZE sizeTotal;
    BOOL bStretch;
};

// Control bar alignment bits; the bars themselves live with the docking code.
#define CBRS_ALIGN_LEFT    0x1000L
#define CBRS_ALIGN_TOP     0x2000L
#define CBRS_ALIGN_RIGHT   0x4000L
#define CBRS_ALIGN_BOTTOM  0x8000L
#define CBRS_ALIGN_ANY     0xF000L
