#include "framework/Framework.h"
#include "ui/frames/SECMDIChildWnd.h"
#include "ui/frames/SECDockContext.h"

IMPLEMENT_DYNCREATE(SECMDIChildWnd, CMDIChildWnd)

// SECControlBarMDIChildWnd ---

IMPLEMENT_DYNCREATE(SECControlBarMDIChildWnd, SECMDIChildWnd)

BEGIN_MESSAGE_MAP(SECControlBarMDIChildWnd, SECMDIChildWnd)
    ON_WM_SIZE()
    ON_WM_CLOSE()
    ON_WM_WINDOWPOSCHANGED()
END_MESSAGE_MAP()

SECControlBarMDIChildWnd::SECControlBarMDIChildWnd() : m_wndDockBar(this)
{
    m_wndDockBar.m_bFloating = TRUE;
    m_wndDockBar.m_bAutoDelete = FALSE;
}

CControlBar* SECControlBarMDIChildWnd::GetSingleBar() const
{
    if (m_wndDockBar.m_hWnd == nullptr || (m_wndDockBar.m_dwStyle & CBRS_FLOAT_MULTI) ||
        m_wndDockBar.GetDockedCount() != 1)
        return nullptr;
    for (int i = 0; i < m_wndDockBar.m_arrBars.GetSize(); i++)
        if (CControlBar* pBar = m_wndDockBar.GetDockedControlBar(i))
            return pBar;
    return nullptr;
}

BOOL SECControlBarMDIChildWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!SECMDIChildWnd::PreCreateWindow(cs))
        return FALSE;
    cs.style &= ~WS_MAXIMIZEBOX;   // the child is as large as its bar
    return TRUE;
}

BOOL SECControlBarMDIChildWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext*)
{
    if (!m_wndDockBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT, 0, AFX_IDW_DOCKBAR_FLOAT))
        return FALSE;
    // As a floating frame's: the dock bar is in the main frame's bar list,
    // so the saved layout finds it.
    if (CMDIFrameWnd* pFrame = GetMDIFrame()) {
        RemoveControlBar(&m_wndDockBar);
        m_wndDockBar.m_pDockSite = pFrame;
        pFrame->AddControlBar(&m_wndDockBar);
        m_wndDockBar.SetOwner(pFrame);
    }
    return TRUE;
}

void SECControlBarMDIChildWnd::RecalcLayout(BOOL bNotify)
{
    if (m_bInRecalc)
        return;
    m_bInRecalc = TRUE;
    SECMDIChildWnd::RecalcLayout(bNotify);
    if (m_wndDockBar.m_hWnd) {
        CString strTitle;
        m_wndDockBar.GetWindowText(strTitle);
        SetWindowText(strTitle);
    }
    m_bInRecalc = FALSE;
}

// The title is the bar's, not the document's.
void SECControlBarMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    CString strTitle;
    GetWindowText(strTitle);
    SECMDIChildWnd::OnUpdateFrameTitle(bAddToTitle);
    SetWindowText(strTitle);
}

void SECControlBarMDIChildWnd::OnSize(UINT nType, int cx, int cy)
{
    CControlBar* pBar = GetSingleBar();
    if (pBar != nullptr && (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) && nType != SIZE_MINIMIZED) {
        pBar->CalcDynamicLayout(cx + 2 * ::GetSystemMetrics(SM_CXBORDER), LM_MRUWIDTH | LM_COMMIT);
        pBar->CalcDynamicLayout(cy + 2 * ::GetSystemMetrics(SM_CYBORDER), LM_MRUWIDTH | LM_LENGTHY | LM_COMMIT);
    }
    SECMDIChildWnd::OnSize(nType, cx, cy);
}

// Destroying the child would destroy the bar with it: the bar and the child
// are hidden instead, and showing the bar again shows the child.
void SECControlBarMDIChildWnd::OnClose()
{
    CControlBar* pBar = GetSingleBar();
    if (pBar == nullptr) {
        SECMDIChildWnd::OnClose();
        return;
    }
    ShowWindow(SW_HIDE);
    if (CFrameWnd* pFrame = pBar->GetDockingFrame())
        pFrame->ShowControlBar(pBar, FALSE, FALSE);
}

// Where the child stands is where the bar floats next time.
void SECControlBarMDIChildWnd::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CControlBar* pBar = GetSingleBar();
    if (pBar != nullptr && pBar->m_pDockContext != nullptr && IsWindowVisible()) {
        CRect rect;
        GetWindowRect(&rect);
        pBar->m_pDockContext->m_ptMRUFloatPos = rect.TopLeft();
    }
    SECMDIChildWnd::OnWindowPosChanged(lpwndpos);
}
