#include "framework/Framework.h"
#include "design/projects/PolyvectChildFrame.h"
#include "res/ToolBarsRes.h"

IMPLEMENT_DYNCREATE(CPolyvectChildFrame, CChildFrame)

BEGIN_MESSAGE_MAP(CPolyvectChildFrame, CChildFrame)
    ON_WM_SIZE()
END_MESSAGE_MAP()

// Flat, hot-tracking, no gripper; without the bar the window is not made.
BOOL CPolyvectChildFrame::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext)
{
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM | CBRS_TOOLTIPS | CBRS_SIZE_DYNAMIC;
    if (!m_wndToolBar.CreateEx(EXSTYLE_FLAT_BORDERS, this, dwStyle, 0xFFFF, "Polyvect Tools") ||
        !m_wndToolBar.LoadToolBar(IDR_POLYVECT_TOOLBAR))
        return FALSE;
    return CChildFrame::OnCreateClient(lpcs, pContext);
}

void CPolyvectChildFrame::OnSize(UINT nType, int cx, int cy)
{
    CChildFrame::OnSize(nType, cx, cy);
    if (m_wndToolBar.m_hWnd != nullptr)
        m_wndToolBar.StretchToParent();
}
