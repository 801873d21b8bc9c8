// The document child frames' base, and the MDI child in which a control
// bar floats inside the main window ("Float In Main Window").
#pragma once

#include "framework/Framework.h"
#include "ui/frames/SECDockBar.h"

class SECMDIFrameWnd;

// Under a main frame with a menu bar the child switches the bar to its
// template's menu while it is active.
class SECMDIChildWnd : public CMDIChildWnd
{
    DECLARE_DYNCREATE(SECMDIChildWnd)

public:
    SECMDIChildWnd() = default;

    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
    void OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt) override;
    using CMDIChildWnd::OnUpdateFrameMenu;
    // The frame menu again, with the alternate menu last given.
    virtual void RefreshFrameMenu(CWnd* pActivateWnd);

    // The menu the menu bar shows while this child is active; 0 for none.
    UINT GetMenuBarId() const { return m_nMenuBarId; }
    BOOL UsesMenuBar() const { return m_bUsesMenuBar; }

    void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
    void OnSize(UINT nType, int cx, int cy);
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    void OnChildActivate();

protected:
    // The main frame when it carries a menu bar, else NULL.
    SECMDIFrameWnd* MenuBarFrame() const;
    SECMDIFrameWnd* SECFrame() const;

    UINT m_nMenuBarId = 0;
    BOOL m_bUsesMenuBar = FALSE;
    HMENU m_hLastAltMenu = nullptr;

    DECLARE_MESSAGE_MAP()
};

// Its only content is one control bar, held by an embedded floating dock
// bar. Closing it hides the bar; the child goes when its bar docks
// elsewhere (the dock bar left empty closes it).
class SECControlBarMDIChildWnd : public SECMDIChildWnd
{
    DECLARE_DYNCREATE(SECControlBarMDIChildWnd)

public:
    SECControlBarMDIChildWnd();

    // The bar in the dock bar when it holds exactly one, else null.
    CControlBar* GetSingleBar() const;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void RecalcLayout(BOOL bNotify = TRUE) override;
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;

    void OnSize(UINT nType, int cx, int cy);
    void OnClose();
    void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    void OnShowWindow(BOOL bShow, UINT nStatus);

    SECDockBar m_wndDockBar;

private:
    BOOL m_bInRecalc = FALSE;

protected:
    DECLARE_MESSAGE_MAP()
};
