// The "Customize" sheet: a "Toolbars" page (the list and options of the
// "Toolbars" dialog) and a "Commands" page whose palettes offer buttons to
// drag onto the toolbars (button palettes, or lists of menu buttons whose
// items drag as text buttons). While a page is active the manager
// customises and the rest of the frame is disabled; Cancel puts the
// options back.
#pragma once

#include "framework/Framework.h"
#include "ui/frames/SECCustomToolBar.h"
#include "ui/frames/SECToolBarsDlg.h"

#include <memory>
#include <vector>

class SECToolBarManager;

// A palette: always in customise mode, copies what is dragged out of it
// and takes nothing in.
class SECCustomizeToolBar : public SECCustomToolBar
{
public:
    SECCustomizeToolBar() { m_bCustomize = TRUE; }

    void BalanceRows(int, std::vector<SECTBRow>&) override {}
    BOOL IsCopyKeyDown() const override { return TRUE; }
    BOOL AcceptsButtons() const override { return FALSE; }
    virtual void LayoutToRect(LPCRECT lpRect);
};

// One category of the "Commands" page.
class SECBtnGroup
{
public:
    SECBtnGroup(LPCTSTR lpszTitle, UINT nBtnCount, const UINT* lpBtnIDs)
        : m_strTitle(lpszTitle), m_nBtnCount(nBtnCount), m_pBtnIDs(lpBtnIDs) {}
    virtual ~SECBtnGroup() = default;
    SECBtnGroup(const SECBtnGroup&) = delete;
    SECBtnGroup& operator=(const SECBtnGroup&) = delete;

    virtual BOOL Create(CWnd* pParent, SECToolBarManager* pManager, UINT nID) = 0;
    virtual void SetGroupRect(LPCRECT lpRect) = 0;
    virtual void Activate(BOOL bActivate) = 0;
    virtual CWnd* GetWnd() = 0;

    CString m_strTitle;
    UINT m_nBtnCount;
    const UINT* m_pBtnIDs;   // the caller's, not copied
};

class SECTBBtnGroup : public SECBtnGroup
{
public:
    using SECBtnGroup::SECBtnGroup;

    BOOL Create(CWnd* pParent, SECToolBarManager* pManager, UINT nID) override;
    void SetGroupRect(LPCRECT lpRect) override;
    void Activate(BOOL bActivate) override { m_palette.SetCustomizeMode(bActivate); }
    CWnd* GetWnd() override { return &m_palette; }

    SECCustomizeToolBar m_palette;
};

class SECToolBarCmdPage;

// The list of a menu group: a click drags a temporary button of the item's
// command, always as a copy.
class SECMenuListBox : public CListBox
{
public:
    SECToolBarManager* m_pManager = nullptr;
    SECToolBarCmdPage* m_pPage = nullptr;

protected:
    void OnLButtonDown(UINT nFlags, CPoint pt);
    DECLARE_MESSAGE_MAP()
};

// A category of menu buttons: the captions of the ids whose button-map
// entry is a text menu button.
class SECMenuBtnGroup : public SECBtnGroup
{
public:
    using SECBtnGroup::SECBtnGroup;

    BOOL Create(CWnd* pParent, SECToolBarManager* pManager, UINT nID) override;
    void SetGroupRect(LPCRECT lpRect) override;
    void Activate(BOOL) override {}
    CWnd* GetWnd() override { return &m_list; }

    SECMenuListBox m_list;
};

class SECToolBarsPage : public CPropertyPage, public SECToolBarsBase
{
public:
    SECToolBarsPage();

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;
    void OnReset() override;
    void OnOK() override { ReadOptions(); ApplyCurrent(); }
    void OnCancel() override { RestoreInitial(); }

protected:
    void OnNew() { NewToolBar(); }
    void OnResetBar() { ResetSelected(); }
    void OnSelChange() { UpdateControls(); }
    void OnListCheck() { OnCheckChange(); }
    void OnNameKillFocus() { RenameSelected(); }
    void OnToolTips();
    void OnCoolLook() { OnStyleOption(2); }
    void OnLargeButtons() { OnStyleOption(1); }
    void OnStyleOption(WPARAM nChange);
    void OnDestroy();
    LRESULT OnBarNotifyMessage(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};

class SECToolBarCmdPage : public CPropertyPage
{
public:
    SECToolBarCmdPage();
    SECToolBarCmdPage(UINT nIDTemplate, UINT nIDCaption);

    void SetManager(SECToolBarManager* pManager) { m_pManager = pManager; }
    void DefineBtnGroup(LPCTSTR lpszTitle, UINT nBtnCount, const UINT* lpBtnIDs);
    void DefineMenuGroup(LPCTSTR lpszTitle, UINT nCount, const UINT* lpIDs);
    // A menu group of the main window's menu bar buttons of the menu shown.
    void DefineMenuBarGroup(LPCTSTR lpszTitle);
    void SetDescription(int nID);
    SECCustomToolBar* FindBar(UINT nBarID);
    int GetGroupCount() const { return (int)m_groups.size(); }
    SECBtnGroup* GetGroup(int nIndex) const { return m_groups[nIndex].get(); }
    int GetActiveGroup() const { return m_nActiveGroup; }

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;
    void OnReset() override;

protected:
    CRect PaletteArea();
    void ShowGroup(int nIndex);
    void OnCategoryChange();
    void OnDestroy();
    LRESULT OnBarNotifyMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnStyleChanging(WPARAM wParam, LPARAM lParam);

    std::vector<std::unique_ptr<SECBtnGroup>> m_groups;
    std::vector<std::vector<UINT>> m_menuIds;   // the menu bar groups' ids
    SECToolBarManager* m_pManager = nullptr;
    int m_nActiveGroup = -1;

    DECLARE_MESSAGE_MAP()
};

// The sheet with both pages attached to the manager; the caller adds the
// palettes to m_cmdPage before DoModal.
class SECToolBarSheet : public CPropertySheet
{
public:
    SECToolBarSheet(SECToolBarManager* pManager, CWnd* pParent);

    SECToolBarsPage m_toolBarsPage;
    SECToolBarCmdPage m_cmdPage;

protected:
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    LRESULT OnFloatStatus(WPARAM wParam, LPARAM) { return OnCustomizeFloatStatus(this, wParam); }

    SECToolBarManager* m_pManager;

    DECLARE_MESSAGE_MAP()
};

// "WM_TOOLBARSTYLECHANGING": wParam 1 large buttons, 2 cool look changed.
UINT GetToolBarStyleChangingMessage();
