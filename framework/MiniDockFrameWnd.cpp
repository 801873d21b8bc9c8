#include "framework/Framework.h"
#include "framework/MiniDockFrameWnd.h"
#include "framework/DockContext.h"

IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CMiniFrameWnd)

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CMiniFrameWnd)
    ON_WM_CLOSE()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_MOUSEACTIVATE()
    ON_WM_GETMINMAXINFO()
END_MESSAGE_MAP()

CMiniDockFrameWnd::CMiniDockFrameWnd() : m_wndDockBar(TRUE) { m_wndDockBar.m_bAutoDelete = FALSE; }

BOOL CMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle)
{
    DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | MFS_MOVEFRAME | MFS_4THICKFRAME | MFS_SYNCACTIVE |
                    MFS_BLOCKSYSMENU | FWS_SNAPTOBARS;
    // Bars that size themselves get a sizing border.
    if (dwBarStyle & CBRS_SIZE_DYNAMIC)
        dwStyle = (dwStyle & ~MFS_MOVEFRAME) | MFS_THICKFRAME;
    CRect rect(0, 0, 0, 0);
    if (!CMiniFrameWnd::CreateEx(0, nullptr, "", dwStyle, rect, pParent))
        return FALSE;

    CDockBar* pDockBar = GetDockBar();
    DWORD dwDockStyle = (dwBarStyle & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) ? CBRS_ALIGN_LEFT : CBRS_ALIGN_TOP;
    if (!pDockBar->Create(this, WS_CHILD | WS_VISIBLE | dwDockStyle | (dwBarStyle & CBRS_FLOAT_MULTI),
                          AFX_IDW_DOCKBAR_FLOAT))
        return FALSE;
    // The floating dock bar belongs to the docking frame's bar list, so the
    // frame's saved layout finds it.
    auto* pDockSite = dynamic_cast<CFrameWnd*>(pParent);
    RemoveControlBar(pDockBar);
    if (pDockSite != nullptr) {
        pDockBar->m_pDockSite = pDockSite;
        pDockSite->AddControlBar(pDockBar);
    }
    pDockBar->SetOwner(pParent);

    if (CMenu* pSysMenu = GetSystemMenu(FALSE)) {
        pSysMenu->DeleteMenu(SC_SIZE, MF_BYCOMMAND);
        pSysMenu->DeleteMenu(SC_MINIMIZE, MF_BYCOMMAND);
        pSysMenu->DeleteMenu(SC_MAXIMIZE, MF_BYCOMMAND);
        pSysMenu->DeleteMenu(SC_RESTORE, MF_BYCOMMAND);
        CString strHide;
        if (strHide.LoadString(AFX_IDS_HIDE))
            pSysMenu->ModifyMenu(SC_CLOSE, MF_BYCOMMAND | MF_STRING, SC_CLOSE, strHide);
    }
    return TRUE;
}

CControlBar* CMiniDockFrameWnd::GetFirstBar()
{
    CDockBar* pDockBar = GetDockBar();
    for (int i = 0; i < pDockBar->m_arrBars.GetSize(); i++) {
        if (CControlBar* pBar = pDockBar->GetDockedControlBar(i))
            return pBar;
    }
    return nullptr;
}

// The frame fits its bars and takes the first bar's text as its title.
void CMiniDockFrameWnd::RecalcLayout(BOOL)
{
    if (m_bInRecalcLayout)
        return;
    m_bInRecalcLayout = TRUE;
    CDockBar* pDockBar = GetDockBar();
    pDockBar->m_bLayoutQuery = FALSE;
    CSize size = pDockBar->CalcFixedLayout(FALSE, pDockBar->IsHorz());
    pDockBar->SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    CRect rect(0, 0, size.cx, size.cy);
    ::AdjustWindowRectEx(&rect, GetStyle(), FALSE, GetExStyle());
    SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (CControlBar* pBar = GetFirstBar()) {
        CString strTitle;
        pBar->GetWindowText(strTitle);
        SetWindowText(strTitle);
    }
    m_bInRecalcLayout = FALSE;
}

// Closing hides the bars; a frame that lost its last bar goes for good.
void CMiniDockFrameWnd::OnClose()
{
    CDockBar* pDockBar = GetDockBar();
    if (pDockBar->GetDockedCount() == 0) {
        DestroyWindow();
        return;
    }
    CFrameWnd* pDockSite = pDockBar->m_pDockSite;
    for (int i = 0; i < pDockBar->m_arrBars.GetSize(); i++) {
        CControlBar* pBar = pDockBar->GetDockedControlBar(i);
        if (pBar == nullptr)
            continue;
        if (pDockSite != nullptr)
            pDockSite->ShowControlBar(pBar, FALSE, FALSE);
        else
            pBar->ShowWindow(SW_HIDE);
    }
    ShowWindow(SW_HIDE);
}

void CMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint pt)
{
    BringWindowToTop();
    CControlBar* pBar = GetFirstBar();
    bool bSingle = !(GetDockBar()->m_dwStyle & CBRS_FLOAT_MULTI);
    if (pBar != nullptr && pBar->m_pDockContext != nullptr) {
        if (nHitTest == HTCAPTION && bSingle) {
            pBar->m_pDockContext->StartDrag(pt);
            return;
        }
        if (nHitTest >= HTSIZEFIRST && nHitTest <= HTSIZELAST) {
            pBar->m_pDockContext->StartResize((int)nHitTest, pt);
            return;
        }
    }
    CMiniFrameWnd::OnNcLButtonDown(nHitTest, pt);
}

void CMiniDockFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint pt)
{
    CControlBar* pBar = GetFirstBar();
    if (nHitTest == HTCAPTION && pBar != nullptr && pBar->m_pDockContext != nullptr &&
        !(GetDockBar()->m_dwStyle & CBRS_FLOAT_MULTI)) {
        pBar->m_pDockContext->ToggleDocking();
        return;
    }
    CMiniFrameWnd::OnNcLButtonDblClk(nHitTest, pt);
}

int CMiniDockFrameWnd::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    BringWindowToTop();
    return CMiniFrameWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
}

void CMiniDockFrameWnd::OnGetMinMaxInfo(MINMAXINFO* pMMI)
{
    CMiniFrameWnd::OnGetMinMaxInfo(pMMI);
    pMMI->ptMinTrackSize = CPoint(0, 0);   // the frame fits its bars
}
