// The toolbar manager's portable records: the frame-wide options
// (ToolTips, CoolLook, LargeButtons) in the profile section
// "<name>-ToolBarManager" or the settings node "ToolBarMgr", the default
// toolbar definitions, and the control ids of user toolbars.
#pragma once

#include "framework/String.h"
#include "framework/Types.h"

#include <vector>

class CProfileStore;
class SECPersistentTreeNode;

// User toolbars take the ids 59424..59646; 59647 is the menu bar's.
constexpr UINT kFirstUserToolBarID = 59424;
constexpr UINT kLastUserToolBarID = 59646;
constexpr UINT kMenuBarID = 59647;

inline bool IsUserToolBarID(UINT nID) { return nID >= kFirstUserToolBarID && nID <= kLastUserToolBarID; }
// The first free user id, or 0 when all are taken.
UINT NextUserToolBarID(const std::vector<UINT>& usedIDs);

struct ToolBarOptions
{
    BOOL bToolTips = TRUE;
    BOOL bCoolLook = FALSE;
    BOOL bLargeButtons = FALSE;

    // Missing keys keep the current values.
    void Load(CProfileStore& store, LPCTSTR lpszProfileName);
    BOOL Save(CProfileStore& store, LPCTSTR lpszProfileName) const;
    // Without a "ToolBarMgr" child: ToolTips and CoolLook on, LargeButtons off.
    void Load(SECPersistentTreeNode* pParent);
    BOOL Save(SECPersistentTreeNode* pParent) const;
};

// One toolbar the frame gets when no saved layout holds any.
struct SECDefaultToolBar
{
    UINT nID = 0;
    CString strTitle;
    std::vector<UINT> buttons;   // 0 = separator
    DWORD dwAlignment = 0;
    UINT nDockBarID = 0;
    UINT nDockNextToID = 0;
    BOOL bDocked = TRUE;
    BOOL bVisible = TRUE;
};
