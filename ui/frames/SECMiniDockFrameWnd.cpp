#include "framework/Framework.h"
#include "ui/frames/SECMiniDockFrameWnd.h"

IMPLEMENT_DYNCREATE(SECMiniDockFrameWnd, CMiniDockFrameWnd)

SECMiniDockFrameWnd::SECMiniDockFrameWnd()
{
    m_wndSECDockBar.m_bFloating = TRUE;
    m_wndSECDockBar.m_bAutoDelete = FALSE;
}

void SECMiniDockFrameWnd::RecalcLayout(BOOL bNotify)
{
    if (m_bInRecalc)
        return;
    m_bInRecalc = TRUE;
    CMiniDockFrameWnd::RecalcLayout(bNotify);
    if (m_wndSECDockBar.m_hWnd) {
        CString strTitle;
        m_wndSECDockBar.GetWindowText(strTitle);
        SetWindowText(strTitle);
    }
    m_bInRecalc = FALSE;
}

void SECMiniDockFrameWnd::RecalcLayoutAt(int x, int y, UINT /*nFlags*/)
{
    if (m_bInRecalc)
        return;
    RecalcLayout(TRUE);
    SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
