// The state of one user-interface item (menu item, bar button, control)
// while it asks the command targets whether it is enabled, checked or named.
#pragma once

#include "framework/CmdTarget.h"

class CMenu;

class CCmdUI
{
public:
    CCmdUI() = default;
    virtual ~CCmdUI() = default;

    UINT m_nID = 0;
    UINT m_nIndex = 0;          // position in the menu or bar
    CMenu* m_pMenu = nullptr;   // the menu holding the item, if a menu item
    CMenu* m_pSubMenu = nullptr;// the item's popup, if it opens one
    CMenu* m_pParentMenu = nullptr;
    CWnd* m_pOther = nullptr;   // the control, if a window
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;
    UINT m_nIndexMax = 0;

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCTSTR lpszText);

    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Asks pTarget for the item's state. Without an update handler the item is
    // disabled when bDisableIfNoHndler is set and no command handler exists.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
};
