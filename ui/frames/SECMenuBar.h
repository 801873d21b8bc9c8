// The menu bar: a custom toolbar whose buttons are text menu buttons, one
// per top-level popup of one or more menu resources, so that the frame's
// menu docks, floats and is customised like a toolbar. Switching the active
// menu hides every button of the other menus. Its model (table, masks,
// mnemonics, moves) is SECMenuTable; the table is also the bar's second
// button map, so every button is made as a SECTBMenuBtn with its caption,
// popup and mask. The tracking of its popups is SECMenuBarFeature's.
// Full width (not docked): as wide as the desktop, a caption button at the
// desktop's right edge, and a press off the buttons drags the bar. A
// floating menu bar has no close box. SECMDIMenuBar adds the maximised MDI
// child's buttons.
#pragma once

#include "ui/frames/MenuDropRequest.h"
#include "ui/frames/MenuTable.h"
#include "ui/frames/SECCustomToolBar.h"

#include <functional>
#include <vector>

class SECTBMenuBtn;

class SECMenuBar : public SECCustomToolBar
{
    DECLARE_DYNAMIC(SECMenuBar)

public:
    SECMenuBar();
    ~SECMenuBar() override;

    using SECCustomToolBar::Create;
    // Stretching and hide-while-in-place are always added.
    BOOL Create(CWnd* pParentWnd, LPCTSTR lpszWindowName, DWORD dwStyle, DWORD dwExStyle, UINT nID,
                CCreateContext* pContext = nullptr) override;
    BOOL CreateEx(DWORD dwExStyle, CWnd* pParentWnd, DWORD dwStyle, UINT nID, LPCTSTR lpszTitle = nullptr) override;
    using SECCustomToolBar::CreateEx;

    // Builds the buttons from the menu resources' top-level popups; FALSE
    // when no menu yields a popup.
    BOOL SetMenuInfo(const std::vector<UINT>& menuIds);
    // The menu nIDResource shows; FALSE and no change for an unknown menu.
    BOOL SwapMenu(UINT nIDResource);
    // Replaces the {menu resource id, mask} pairs SwapMenu looks up.
    void SetMenuMasks(const std::vector<std::pair<UINT, DWORD>>& masks) { m_table.SetMasks(masks); }
    virtual void SetMenuMask(DWORD mask, BOOL bRedraw);
    virtual int FindMnemonic(char ch) const;
    // Deletes every button and makes them again: the manager's list for
    // this bar when there is one, else the table's.
    virtual void ResetMenuButtons(BOOL bNoRecalc);
    DWORD GetMenuMask() const { return m_dwCurrentMask; }
    UINT GetCurrentMenuId() const { return m_nCurrentMenuId; }
    const SECMenuTable& GetTable() const { return m_table; }
    // The button map the table makes (closed by an empty entry).
    const SECBtnMapEntry* GetMenuButtonMap() const { return m_map.empty() ? nullptr : m_map.data(); }
    CRect GetButtonRect(int nIndex) const;
    // The popup of button nIndex: its menu resource id and popup index.
    MenuDropRequest RequestFor(int nIndex) const;

    // Who drops popups down and hears of menu mode (the menu-bar feature).
    std::function<void(const MenuDropRequest&)> m_onDropDown;
    std::function<void(BOOL bEnter)> m_onMenuMode;

    void DropDownButton(SECStdBtn* pButton, UINT_PTR nParam1, UINT_PTR nParam2) override;
    void InsertButton(int nIndex, UINT nID, BOOL bSeparator = FALSE, BOOL bNoRecalc = FALSE) override;
    BOOL IsCoolLook() const override { return TRUE; }
    HFONT GetMenuFont() const override { return (HFONT)m_font.m_hObject; }
    int GetButtonHeight() const override;
    void DelayShow(BOOL bShow) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    CSize CalcLayout(int nLength, DWORD dwMode) override;
    void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Full width while not docked (see above).
    BOOL m_bFullWidth = FALSE;

    // When 1, the next request to hide the bar is ignored once.
    BOOL m_bIgnoreHide = FALSE;

protected:
    // The feature hears of menu mode when it listens; else the owner does.
    void OnMenuModeChange(BOOL bEnter) override;
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint pt);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint pt);
    DECLARE_MESSAGE_MAP()

private:
    void CreateMenuFont();
    BOOL IsFullWidthNow() const;
    void StripSystemMenu();
    void MakeButtonMap();
    void Redraw();
    std::vector<MenuBarButton> ButtonsView() const;
    const SECTBMenuBtn* MenuButton(int nIndex) const;

    SECMenuTable m_table;
    std::vector<SECBtnMapEntry> m_map;
    CFont m_font;
    DWORD m_dwCurrentMask = 0xFFFFFFFF;
    UINT m_nCurrentMenuId = 0;
    // Set when the bar floats: its mini frame loses the close box.
    BOOL m_bStripSysMenu = FALSE;
};
