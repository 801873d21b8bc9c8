#include "framework/Framework.h"
#include "ui/frames/SECMDIChildWnd.h"
#include "ui/frames/SECDockContext.h"
#include "ui/frames/FrameRules.h"
#include "ui/frames/SECMDIFrameWnd.h"

IMPLEMENT_DYNCREATE(SECMDIChildWnd, CMDIChildWnd)

BEGIN_MESSAGE_MAP(SECMDIChildWnd, CMDIChildWnd)
    ON_WM_MDIACTIVATE()
    ON_WM_SIZE()
    ON_WM_MOUSEACTIVATE()
    ON_WM_CHILDACTIVATE()
END_MESSAGE_MAP()

SECMDIFrameWnd* SECMDIChildWnd::SECFrame() const
{
    return dynamic_cast<SECMDIFrameWnd*>(GetMDIFrame());
}

SECMDIFrameWnd* SECMDIChildWnd::MenuBarFrame() const
{
    SECMDIFrameWnd* pFrame = SECFrame();
    return pFrame != nullptr && pFrame->GetMenuBar() != nullptr ? pFrame : nullptr;
}

BOOL SECMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    dwDefaultStyle |= WS_CHILD;
    auto* pMain = dynamic_cast<SECMDIFrameWnd*>(AfxGetMainWnd());
    const BOOL bMenuBar = pMain != nullptr && pMain->GetMenuBar() != nullptr;
    auto* pTemplate = pContext != nullptr ? dynamic_cast<CMultiDocTemplate*>(pContext->m_pNewDocTemplate) : nullptr;
    if (pTemplate != nullptr) {
        m_hAccelTable = pTemplate->m_hAccelTable;
        if (bMenuBar) {
            m_nMenuBarId = pTemplate->m_nIDResource;
            m_bUsesMenuBar = TRUE;
        } else {
            m_hMenuShared = pTemplate->m_hMenuShared;
        }
    } else if (nIDResource != 0 && bMenuBar) {
        m_nMenuBarId = nIDResource;
        m_bUsesMenuBar = TRUE;
    }
    CString strFull, strTitle;
    if (strFull.LoadString(nIDResource))
        AfxExtractSubString(strTitle, strFull, 0);
    LPCTSTR lpszClass = GetIconWndClass(dwDefaultStyle, nIDResource);
    return Create(lpszClass, strTitle, dwDefaultStyle, rectDefault, dynamic_cast<CMDIFrameWnd*>(pParentWnd), pContext);
}

void SECMDIChildWnd::OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt)
{
    m_hLastAltMenu = hMenuAlt;
    CMDIChildWnd::OnUpdateFrameMenu(bActivate, pActivateWnd, hMenuAlt);
    SECMDIFrameWnd* pFrame = MenuBarFrame();
    if (pFrame == nullptr)
        return;
    // The menu bar shows the menus: the window keeps none.
    if (bActivate && hMenuAlt == nullptr && ::GetMenu(pFrame->m_hWnd) != nullptr) {
        ::SetMenu(pFrame->m_hWnd, nullptr);
        pFrame->DrawMenuBar();
    }
    pFrame->RefreshWindowMenu();
}

void SECMDIChildWnd::RefreshFrameMenu(CWnd* pActivateWnd)
{
    OnUpdateFrameMenu(TRUE, pActivateWnd, m_hLastAltMenu);
}

void SECMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd)
{
    CMDIChildWnd::OnMDIActivate(bActivate, pActivateWnd, pDeactivateWnd);
    SECMDIFrameWnd* pFrame = MenuBarFrame();
    if (pFrame == nullptr)
        return;
    const UINT nID = MenuBarIdOnMDIActivate(bActivate != FALSE, pActivateWnd != nullptr, m_nMenuBarId);
    if (nID != 0)
        pFrame->SetMenuBarMenu(nID);
}

void SECMDIChildWnd::OnSize(UINT nType, int cx, int cy)
{
    if (nType == SIZE_RESTORED || nType == SIZE_MINIMIZED || nType == SIZE_MAXIMIZED) {
        if (SECMDIFrameWnd* pFrame = MenuBarFrame())
            pFrame->RefreshMDIButtons();
    }
    CMDIChildWnd::OnSize(nType, cx, cy);
}

int SECMDIChildWnd::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    SECMDIFrameWnd* pFrame = SECFrame();
    if (pFrame != nullptr)
        pFrame->DeactivateEmbeddedFrame(FALSE);
    int nResult = CMDIChildWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    if (pFrame != nullptr)
        pFrame->SetMenuBarMenu(m_nMenuBarId);
    return nResult;
}

void SECMDIChildWnd::OnChildActivate()
{
    if (SECMDIFrameWnd* pFrame = SECFrame())
        pFrame->DeactivateEmbeddedFrame(FALSE);
    CMDIChildWnd::OnChildActivate();
}

// SECControlBarMDIChildWnd ---

IMPLEMENT_DYNCREATE(SECControlBarMDIChildWnd, SECMDIChildWnd)

BEGIN_MESSAGE_MAP(SECControlBarMDIChildWnd, SECMDIChildWnd)
    ON_WM_SIZE()
    ON_WM_CLOSE()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_SHOWWINDOW()
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

// The Window menu lists the child by its bar's title once it shows.
void SECControlBarMDIChildWnd::OnShowWindow(BOOL bShow, UINT nStatus)
{
    SECMDIChildWnd::OnShowWindow(bShow, nStatus);
    if (CMDIFrameWnd* pFrame = GetMDIFrame())
        ::PostMessageA(pFrame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
}
