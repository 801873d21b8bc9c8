// The project and chart child frames' base, and the MDI child in which a
// control bar floats inside the main window ("Float In Main Window").
#pragma once

#include "framework/Framework.h"
#include "ui/frames/SECDockBar.h"

class SECMDIChildWnd : public CMDIChildWnd
{
    DECLARE_DYNCREATE(SECMDIChildWnd)

public:
    SECMDIChildWnd() = default;
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

    SECDockBar m_wndDockBar;

private:
    BOOL m_bInRecalc = FALSE;

protected:
    DECLARE_MESSAGE_MAP()
};
