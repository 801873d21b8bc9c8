#include "framework/Framework.h"
#include "conversion/ConversionChildFrame.h"
#include "res/ToolBarsRes.h"

IMPLEMENT_DYNCREATE(CConversionChildFrame, SECMDIChildWnd)

BEGIN_MESSAGE_MAP(CConversionChildFrame, SECMDIChildWnd)
    ON_WM_SIZE()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

BOOL CConversionChildFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    return SECMDIChildWnd::PreCreateWindow(cs);
}

// Flat, hot-tracking, no gripper; without the bar the window is not made.
BOOL CConversionChildFrame::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext)
{
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM | CBRS_TOOLTIPS | CBRS_SIZE_DYNAMIC;
    if (!m_wndToolBar.CreateEx(EXSTYLE_FLAT_BORDERS, this, dwStyle, 0xFFFF, "Conversion Tools") ||
        !m_wndToolBar.LoadToolBar(IDR_CONVERSION_TOOLBAR))
        return FALSE;
    return SECMDIChildWnd::OnCreateClient(lpcs, pContext);
}

void CConversionChildFrame::OnSize(UINT nType, int cx, int cy)
{
    SECMDIChildWnd::OnSize(nType, cx, cy);
    if (m_wndToolBar.m_hWnd != nullptr)
        m_wndToolBar.StretchToParent();
}

void CConversionChildFrame::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    SECMDIChildWnd::OnUpdateFrameTitle(bAddToTitle);
    ShowModifiedMark();
}

// Any change of the project (files, folders, columns) shows at the next idle.
LRESULT CConversionChildFrame::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = SECMDIChildWnd::OnIdleUpdateCmdUI(wParam, lParam);
    ShowModifiedMark();
    return lResult;
}

void CConversionChildFrame::ShowModifiedMark()
{
    CDocument* pDocument = GetActiveDocument();
    if (pDocument == nullptr || (GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    const CString strTitle = pDocument->GetTitle() + (pDocument->IsModified() ? " *" : "");
    CString strShown;
    GetWindowText(strShown);
    if (strShown == strTitle)
        return;
    SetWindowText(strTitle);
    // The Window menu lists the children by their titles.
    if (CMDIFrameWnd* pFrame = GetMDIFrame())
        ::SendMessageA(pFrame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
}
