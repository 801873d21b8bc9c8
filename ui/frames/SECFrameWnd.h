// The single-document twin of SECMDIFrameWnd: the library's dock bars and
// floating frames, the bar layout in the profile, the gradient caption, the
// menu bar or bitmap menus and the command plug-in, on a frame without an
// MDI client. Inside an MDI frame it can be the active embedded frame.
#pragma once

#include "framework/Framework.h"
#include "ui/frames/SECControlBarManager.h"
#include "ui/frames/SECFrameFeatures.h"

class SECMenuBar;

class SECFrameWnd : public CFrameWnd, public ISECFrameHost
{
    DECLARE_DYNCREATE(SECFrameWnd)

public:
    SECFrameWnd();
    ~SECFrameWnd() override;

    // Caption.
    BOOL EnableCustomCaption(BOOL bEnable, BOOL bRedraw = TRUE);
    void SetCaptionTextAlign(int nAlign, BOOL bRedraw = TRUE);
    BOOL CreateCaptionAppFont(CFont& font) override;
    BOOL CreateCaptionDocFont(CFont& font) override;
    virtual void DrawCaption();

    // Before LoadFrame: the menu bar (not owned) and bitmap menus.
    void SetMenuBar(SECMenuBar* pBar) { m_features.SetMenuBar(pBar); }
    SECMenuBar* GetMenuBar() const { return m_features.GetMenuBar(); }
    void EnableBmpMenus(BOOL bEnable) { m_features.EnableBmpMenus(bEnable); }

    // A missing menu resource makes a frame without a menu.
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
    // Only the frame's own menu-bar menu.
    HMENU GetMenuForResource(UINT nIDResource) override;
    virtual HMENU GetMenuBarMenu();
    // Called by an MDI frame while this frame is its active embedded frame.
    virtual void OnUpdateFrameMenu(BOOL bActive, CWnd* pActivateWnd, HMENU hMenuAlt);
    using CFrameWnd::OnUpdateFrameMenu;

    // Docking.
    void EnableDocking(DWORD dwDockStyle, DWORD dwDockBarOption = 0);
    virtual CDockBar* CreateDockBar();
    virtual void DockControlBarEx(CControlBar* pBar, UINT nDockBarID, int nCol, int nRow, float fPctWidth = 1.0f,
                                  int nLength = 0);
    void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP) override;
    void RecalcLayout(BOOL bNotify = TRUE) override;
    CRect GetLayoutRect() const { return m_rcLayout; }
    void LoadBarState(LPCTSTR pszSection) override;
    void SaveBarState(LPCTSTR pszSection) const override;

    virtual void SetControlBarManager(SECControlBarManager* pManager) { m_features.SetControlBarManager(pManager); }
    virtual SECControlBarManager* GetControlBarManager() const { return m_features.GetControlBarManager(); }
    virtual SECWndPlugIn* CreateCommandPlugIn(CRuntimeClass* pClass);
    void AddOwnedObject(std::unique_ptr<CObject> pObject) { m_features.AddOwnedObject(std::move(pObject)); }
    SECFrameFeatures& GetFeatures() { return m_features; }
    BOOL IsClosing() const { return m_bClosing; }

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Not a message map: the plug-ins see every message before and after it.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL DestroyWindow() override;

    virtual void OnEnterIdleLayout(UINT nWhy, CWnd* pWho);

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnClose();
    void OnEnterIdle(UINT nWhy, CWnd* pWho);

protected:
    SECFrameFeatures m_features{*this, *this};
    BOOL m_bClosing = FALSE;
    CRect m_rcLayout;
    UINT m_nResourceId = 0;

    DECLARE_MESSAGE_MAP()
};
