// The menu bar: a control bar whose buttons are the top-level popups of one
// or more menu resources, so that the frame's menu docks and floats like a
// bar. Switching the active menu hides every button of the other menus.
// Its model (table, masks, mnemonics, moves) is SECMenuTable; the tracking
// of its popups is SECMenuBarFeature's.
// Not yet: built on the custom toolbar (customising, the toolbar manager's
// button store), the MDI child's icon and caption buttons, full width.
#pragma once

#include "ui/frames/MenuDropRequest.h"
#include "ui/frames/MenuTable.h"
#include "ui/frames/SECControlBar.h"

#include <functional>
#include <vector>

class SECMenuBar : public SECControlBar
{
    DECLARE_DYNAMIC(SECMenuBar)

public:
    SECMenuBar();
    ~SECMenuBar() override;

    // Hide-while-in-place is always added.
    BOOL Create(CWnd* pParentWnd, LPCTSTR lpszWindowName, DWORD dwStyle, DWORD dwExStyle, UINT nID,
                CCreateContext* pContext = nullptr) override;

    // Builds the buttons from the menu resources' top-level popups; FALSE
    // when no menu yields a popup.
    BOOL SetMenuInfo(const std::vector<UINT>& menuIds);
    // The menu nIDResource shows; FALSE and no change for an unknown menu.
    BOOL SwapMenu(UINT nIDResource);
    virtual void SetMenuMask(DWORD mask, BOOL bRedraw);
    virtual int FindMnemonic(char ch) const;
    DWORD GetMenuMask() const { return m_dwCurrentMask; }
    UINT GetCurrentMenuId() const { return m_nCurrentMenuId; }
    const SECMenuTable& GetTable() const { return m_table; }
    int GetButtonCount() const { return (int)m_buttons.size(); }
    const MenuBarButton& GetButton(int nIndex) const { return m_buttons[nIndex]; }
    CRect GetButtonRect(int nIndex) const;
    // The popup of button nIndex: its menu resource id and popup index.
    MenuDropRequest RequestFor(int nIndex) const;

    // Menu mode: a button is highlighted and the keyboard moves between them.
    void EnterMenuMode(int nIndex);
    void EnterMenuModeAt(CPoint point);
    void ExitMenuMode();
    BOOL IsInMenuMode() const { return m_bMenuMode; }
    int GetCurrentIndex() const { return m_nCurrent; }
    int FirstMenuButton() const { return NextMenuButton(m_buttons, -1, true); }
    int NextNavButton(int nFrom, BOOL bNext) const { return NextMenuButton(m_buttons, nFrom, bNext != FALSE); }
    // Presses button nIndex: its popup is asked for through the drop-down handler.
    void OpenNavButton(int nIndex);
    void CancelMenuMode();
    // Shown pressed while its popup is tracked; -1 for none.
    void SetPressedButton(int nIndex);
    BOOL FilterMenuModeMouse(UINT message);
    int HitTest(CPoint point) const;

    // Who drops popups down and hears of menu mode (the menu-bar feature).
    std::function<void(const MenuDropRequest&)> m_onDropDown;
    std::function<void(BOOL bEnter)> m_onMenuMode;

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
    void DoPaint(CDC* pDC) override;

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    DECLARE_MESSAGE_MAP()

private:
    void CreateMenuFont();
    void LayoutButtons();
    void Redraw();
    int TextWidth(const CString& str) const;

    SECMenuTable m_table;
    std::vector<MenuBarButton> m_buttons;
    std::vector<CRect> m_rects;
    CFont m_font;
    DWORD m_dwCurrentMask = 0xFFFFFFFF;
    UINT m_nCurrentMenuId = 0;
    BOOL m_bMenuMode = FALSE;
    int m_nCurrent = -1;
    int m_nPressed = -1;
};
