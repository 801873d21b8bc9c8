// The main frame's base: an MDI frame whose bars dock in the library's dock
// bars (SECDockBar, with row shares and splitters), float in the library's
// floating frames or as MDI children of the frame ("Float In Main Window"),
// and keep their layout in the profile through SECDockState. It paints the
// gradient caption when asked, can carry a menu bar that shows the active
// document's menu (or bitmap menus drawn with the toolbar images), and lets
// a command plug-in see commands first. An embedded frame that is no MDI
// child can stand in for the active child.
#pragma once

#include "framework/Framework.h"
#include "ui/frames/SECControlBarManager.h"
#include "ui/frames/SECFrameFeatures.h"

#include <map>

class SECMenuBar;

class SECMDIFrameWnd : public CMDIFrameWnd, public ISECFrameHost
{
    DECLARE_DYNAMIC(SECMDIFrameWnd)

public:
    SECMDIFrameWnd();
    ~SECMDIFrameWnd() override;

    // Caption.
    BOOL EnableCustomCaption(BOOL bEnable, BOOL bRedraw = TRUE);
    void SetCaptionTextAlign(int nAlign, BOOL bRedraw = TRUE);
    BOOL CreateCaptionAppFont(CFont& font) override;
    BOOL CreateCaptionDocFont(CFont& font) override;
    virtual void DrawCaption();
    const SECGradientCaption& GetCaption() { return m_features.Caption(); }

    // Before LoadFrame: the menu bar the frame's menus go into (not owned),
    // and owner-drawn menus with the toolbar images.
    void SetMenuBar(SECMenuBar* pBar) { m_features.SetMenuBar(pBar); }
    virtual SECMenuBar* GetMenuBar() const { return m_features.GetMenuBar(); }
    void EnableBmpMenus(BOOL bEnable) { m_features.EnableBmpMenus(bEnable); }

    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;

    // Menus per document type (with a menu bar).
    HMENU GetMenuForResource(UINT nIDResource) override;
    // Loads the menu resources (count, then the ids); FALSE at the first
    // that does not load.
    BOOL AddMenus(int nCount, ...);
    // 0 or -1: the frame's own menu.
    virtual void SetMenuBarMenu(UINT nIDResource);
    virtual HMENU GetMenuBarMenu();
    virtual void RefreshWindowMenu();
    virtual void RefreshMDIButtons();
    void OnUpdateFrameMenu(HMENU hMenuAlt) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;

    // A frame inside this one that is not an MDI child, active instead of
    // the MDI child.
    virtual void SetActiveEmbeddedFrame(CFrameWnd* pFrame, BOOL bForce = FALSE);
    virtual void DeactivateEmbeddedFrame(BOOL bReactivateMDIChild);
    CFrameWnd* GetActiveEmbeddedFrame() const { return m_pActiveEmbeddedFrame; }
    CFrameWnd* GetActiveFrame() override;
    virtual void OnActivateFrame(UINT nState, CWnd* pWndOther, BOOL bMinimized);

    // Docking.
    // A SECDockBar on each side asked for; dwDockBarOption is the dock
    // bars' extended style.
    void EnableDocking(DWORD dwDockStyle, DWORD dwDockBarOption = 0);
    virtual CDockBar* CreateDockBar();
    virtual void DockControlBarEx(CControlBar* pBar, const SECDockPos& pos, UINT nDockBarID, const SECDockSize& size);
    virtual void DockControlBarEx(CControlBar* pBar, UINT nDockBarID, int nCol, int nRow, float fPctWidth = 1.0f,
                                  int nLength = 0);
    // Clamped into the work area; a bar alone in its floating frame only
    // moves the frame.
    void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP) override;
    // Always a new floating frame at point, as a drag that ends outside the
    // dock bars wants it.
    virtual void FloatControlBarAt(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP);
    // The bar alone in a control-bar MDI child at pt (screen coordinates;
    // a negative coordinate takes the next cascade place).
    virtual void FloatControlBarInMDIChild(CControlBar* pBar, CPoint pt, DWORD dwStyle = CBRS_ALIGN_TOP);
    virtual CMDIChildWnd* CreateControlBarMDIChild();
    // A bar floating in an MDI child shows and hides with the child.
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay) override;
    void RecalcLayout(BOOL bNotify = TRUE) override;
    // An empty border (an in-place frame giving its room back) must not
    // hide the menu bar: its next hide request is ignored.
    BOOL NegotiateBorderSpace(UINT nBorderCmd, LPRECT lpRectBorder) override;
    // The client area the bars left after the last layout.
    CRect GetLayoutRect() const { return m_rcLayout; }
    // Set while a bar moves into or out of an MDI child.
    BOOL IsTogglingMDIFloat() const { return m_bTogglingMDIFloat; }
    BOOL m_bTogglingMDIFloat = FALSE;

    // The bar layout of the profile sections "<name>-Summary" and
    // "<name>-Bar<n>".
    void LoadBarState(LPCTSTR pszSection) override;
    void SaveBarState(LPCTSTR pszSection) const override;

    // The bar context menu's extension (wParam the bar, lParam the CMenu*).
    LRESULT OnExtendContextMenu(WPARAM wParam, LPARAM lParam);

    // The manager that saves and re-makes the frame's toolbars with the
    // layout; the frame does not own it.
    virtual void SetControlBarManager(SECControlBarManager* pManager) { m_features.SetControlBarManager(pManager); }
    virtual SECControlBarManager* GetControlBarManager() const { return m_features.GetControlBarManager(); }

    // A window plug-in of class pClass that gets the frame's commands first.
    virtual SECWndPlugIn* CreateCommandPlugIn(CRuntimeClass* pClass);
    // Deleted with the frame.
    void AddOwnedObject(std::unique_ptr<CObject> pObject) { m_features.AddOwnedObject(std::move(pObject)); }
    SECFrameFeatures& GetFeatures() { return m_features; }

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Not a message map: the plug-ins see every message before and after it.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL DestroyWindow() override;

    // While customising, a dialog's idle time lays out a pending layout.
    virtual void OnEnterIdleLayout(UINT nWhy, CWnd* pWho);
    // While set, a menu switch marks the layout pending instead of laying
    // out at once.
    BOOL m_bDeferLayout = FALSE;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnEnterIdle(UINT nWhy, CWnd* pWho);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    void OnWorkspaceCommand(UINT nID);
    void OnUpdateWorkspaceCommand(CCmdUI* pCmdUI);

protected:
    // The menu the frame shows now: the menu bar's, else the window's.
    HMENU CurrentMenu();
    CMiniDockFrameWnd* NewFloatingFrame(CControlBar* pBar, CPoint point, DWORD dwStyle);
    // A SECMDIMenuBar's caption buttons follow the active child; the bar's
    // frame lays out again when they change.
    void UpdateMDIButtons(BOOL bHide);

    SECFrameFeatures m_features{*this, *this};
    CRuntimeClass* m_pDockBarClass = nullptr;
    CRuntimeClass* m_pControlBarChildClass = nullptr;
    CPoint m_ptCascade{30, 30};
    CRect m_rcLayout;
    CFrameWnd* m_pActiveEmbeddedFrame = nullptr;
    UINT m_nDefaultMenuKey = 0;
    std::map<UINT, OwnedMenu> m_extraMenus;

    DECLARE_MESSAGE_MAP()
};
