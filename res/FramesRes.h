// Resource ids of the frames, bars and docking (ui/frames): strings 20655-20658
// and the bar context menu's 43042.
#pragma once

#define IDS_SEC_HIDE_DOCKED        20655
#define IDS_SEC_EXPAND_DOCKED      20657
#define IDS_SEC_CONTRACT_DOCKED    20658
#define IDS_SEC_FLOAT_IN_MAIN_WND  43042

#ifndef AFX_IDS_HIDE
#define AFX_IDS_HIDE               0xF011
#endif
