#include "framework/Framework.h"

IMPLEMENT_DYNAMIC(CFormView, CScrollView)

BEGIN_MESSAGE_MAP(CFormView, CScrollView)
    ON_WM_CREATE()
    ON_WM_SETFOCUS()
END_MESSAGE_MAP()

namespace {
// The create context of the form being created: a dialog's WM_CREATE does not
// carry it.
CCreateContext* g_pFormContext = nullptr;
}

CFormView::CFormView(UINT nIDTemplate) : m_lpszTemplateName(MAKEINTRESOURCE(nIDTemplate)) {}

CFormView::CFormView(LPCTSTR lpszTemplateName) : m_lpszTemplateName(lpszTemplateName) {}

BOOL CFormView::Create(LPCTSTR, LPCTSTR, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                       CCreateContext* pContext)
{
    CCreateContext* pSaved = g_pFormContext;
    g_pFormContext = pContext;
    BOOL bCreated = CreateDlg(m_lpszTemplateName, pParentWnd);
    g_pFormContext = pSaved;
    if (!bCreated)
        return FALSE;

    SetDlgCtrlID((int)nID);
    // The template's size is the scrollable area.
    CRect rectTemplate;
    GetWindowRect(&rectTemplate);
    SetScrollSizes(MM_TEXT, rectTemplate.Size());
    if (dwStyle & WS_BORDER)
        ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
    SetWindowPos(nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (dwStyle & WS_VISIBLE)
        ShowWindow(SW_NORMAL);
    return TRUE;
}

int CFormView::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    if (g_pFormContext != nullptr && g_pFormContext->m_pCurrentDoc != nullptr)
        g_pFormContext->m_pCurrentDoc->AddView(this);
    return 0;
}

void CFormView::OnInitialUpdate()
{
    UpdateData(FALSE);
    CScrollView::OnInitialUpdate();
}

void CFormView::OnDraw(CDC*) {}

BOOL CFormView::PreTranslateMessage(MSG* pMsg)
{
    if (CScrollView::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    // The frames' accelerators come before dialog navigation eats the keys.
    for (CFrameWnd* pFrame = GetParentFrame(); pFrame != nullptr; pFrame = pFrame->GetParentFrame()) {
        if (pFrame->PreTranslateMessage(pMsg))
            return TRUE;
    }
    if (::GetWindow(m_hWnd, GW_CHILD) == nullptr)
        return FALSE;
    if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd))
        return FALSE;
    return ::IsDialogMessageA(m_hWnd, pMsg);
}

void CFormView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView)
{
    if (!bActivate) {
        HWND hWndFocus = ::GetFocus();
        if (hWndFocus != nullptr && ::IsChild(m_hWnd, hWndFocus))
            m_hWndFocus = hWndFocus;
    }
    CScrollView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

void CFormView::OnSetFocus(CWnd* pOldWnd)
{
    if (m_hWndFocus != nullptr && ::IsWindow(m_hWndFocus) && ::IsChild(m_hWnd, m_hWndFocus)) {
        ::SetFocus(m_hWndFocus);
        return;
    }
    CWnd::OnSetFocus(pOldWnd);
}
