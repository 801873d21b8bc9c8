#include "framework/Framework.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)
IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

namespace {

CPropertySheet* g_pSheetInit = nullptr;

UINT CALLBACK PageCallback(HWND, UINT uMsg, LPPROPSHEETPAGEA ppsp)
{
    // The page's dialog is created right after this: bind it to its object.
    if (uMsg == PSPCB_CREATE)
        AfxHookWindowCreate((CPropertyPage*)ppsp->lParam);
    return TRUE;
}

} // namespace

// Pages ----------------------------------------------------------------------------

CPropertyPage::CPropertyPage() { Construct(nullptr, 0); }

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption) : CDialog(nIDTemplate)
{
    Construct(MAKEINTRESOURCE(nIDTemplate), nIDCaption);
}

CPropertyPage::CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption) : CDialog(lpszTemplateName)
{
    Construct(lpszTemplateName, nIDCaption);
}

void CPropertyPage::Construct(LPCTSTR lpszTemplateName, UINT nIDCaption)
{
    m_lpszTemplateName = lpszTemplateName;
    memset(&m_psp, 0, sizeof m_psp);
    m_psp.dwSize = sizeof m_psp;
    m_psp.dwFlags = PSP_USECALLBACK;
    m_psp.hInstance = AfxGetResourceHandle();
    m_psp.pszTemplate = lpszTemplateName;
    m_psp.pfnDlgProc = AfxGetDlgProc();
    m_psp.pfnCallback = PageCallback;
    m_psp.lParam = (LPARAM)this;
    if (nIDCaption != 0 && m_strCaption.LoadString(nIDCaption)) {
        m_psp.dwFlags |= PSP_USETITLE;
        m_psp.pszTitle = m_strCaption;
    }
}

BOOL CPropertyPage::OnSetActive()
{
    if (m_bFirstSetActive)
        m_bFirstSetActive = FALSE;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }

void CPropertyPage::OnOK() {}
void CPropertyPage::OnCancel() {}
void CPropertyPage::OnReset() {}

BOOL CPropertyPage::OnApply()
{
    OnOK();
    return TRUE;
}

BOOL CPropertyPage::OnQueryCancel() { return TRUE; }

void CPropertyPage::SetModified(BOOL bChanged)
{
    HWND hWndSheet = ::GetParent(m_hWnd);
    if (hWndSheet != nullptr)
        ::SendMessageA(hWndSheet, bChanged ? PSM_CHANGED : PSM_UNCHANGED, (WPARAM)m_hWnd, 0);
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (CDialog::OnNotify(wParam, lParam, pResult))
        return TRUE;
    auto* pNMHDR = (NMHDR*)lParam;
    if (pNMHDR->hwndFrom != m_hWnd && pNMHDR->hwndFrom != ::GetParent(m_hWnd))
        return FALSE;
    LRESULT lResult = 0;
    switch (pNMHDR->code) {
    case PSN_SETACTIVE:
        lResult = OnSetActive() ? 0 : -1;
        break;
    case PSN_KILLACTIVE:
        lResult = OnKillActive() ? FALSE : TRUE;   // TRUE keeps the page
        break;
    case PSN_APPLY:
        if (OnApply()) {
            lResult = PSNRET_NOERROR;
            if (m_pSheet != nullptr)
                m_pSheet->m_bApplied = TRUE;
        } else {
            lResult = PSNRET_INVALID_NOCHANGEPAGE;
        }
        break;
    case PSN_RESET:
        OnCancel();
        OnReset();
        break;
    case PSN_QUERYCANCEL:
        lResult = OnQueryCancel() ? FALSE : TRUE;
        break;
    default:
        return FALSE;
    }
    ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, lResult);
    *pResult = lResult;
    return TRUE;
}

// Sheets ----------------------------------------------------------------------------

CPropertySheet::CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_pParentWnd(pParentWnd), m_strCaption(pszCaption != nullptr ? pszCaption : "")
{
    memset(&m_psh, 0, sizeof m_psh);
    m_psh.dwSize = sizeof m_psh;
    m_psh.nStartPage = iSelectPage;
}

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet((LPCTSTR) nullptr, pParentWnd, iSelectPage)
{
    m_strCaption.LoadString(nIDCaption);
}

CPropertySheet::~CPropertySheet()
{
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    pPage->m_pSheet = this;
    m_pages.push_back(pPage);
    if (m_hWnd != nullptr) {
        HPROPSHEETPAGE hPage = ::CreatePropertySheetPageA(&pPage->m_psp);
        ::SendMessageA(m_hWnd, PSM_ADDPAGE, 0, (LPARAM)hPage);
    }
}

void CPropertySheet::RemovePage(int nPage)
{
    if (nPage < 0 || nPage >= (int)m_pages.size())
        return;
    if (m_hWnd != nullptr)
        ::SendMessageA(m_hWnd, PSM_REMOVEPAGE, nPage, 0);
    m_pages.erase(m_pages.begin() + nPage);
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    if (m_hWnd == nullptr) {
        int n = (int)m_psh.nStartPage;
        return n >= 0 && n < (int)m_pages.size() ? m_pages[n] : nullptr;
    }
    HWND hWndPage = (HWND)::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0);
    return dynamic_cast<CPropertyPage*>(FromHandlePermanent(hWndPage));
}

int CPropertySheet::GetActiveIndex() const
{
    CPropertyPage* pPage = GetActivePage();
    for (int i = 0; i < (int)m_pages.size(); ++i) {
        if (m_pages[i] == pPage)
            return i;
    }
    return -1;
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (m_hWnd == nullptr) {
        m_psh.nStartPage = nPage;
        return TRUE;
    }
    return (BOOL)::SendMessageA(m_hWnd, PSM_SETCURSEL, nPage, 0);
}

void CPropertySheet::SetTitle(LPCTSTR lpszText, UINT nStyle)
{
    m_strCaption = lpszText;
    if (m_hWnd != nullptr)
        ::SendMessageA(m_hWnd, PSM_SETTITLEA, nStyle, (LPARAM)lpszText);
}

int CALLBACK CPropertySheet::SheetCallback(HWND hWnd, UINT message, LPARAM)
{
    if (message == PSCB_INITIALIZED && g_pSheetInit != nullptr) {
        g_pSheetInit->SubclassWindow(hWnd);
        g_pSheetInit = nullptr;
    }
    return 0;
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd))
        return FALSE;
    return (BOOL)::SendMessageA(m_hWnd, PSM_ISDIALOGMESSAGE, 0, (LPARAM)pMsg);
}

void CPropertySheet::EndDialog(int nEndID)
{
    m_nModalResult = nEndID;
    if (m_hWnd != nullptr)
        ::SendMessageA(m_hWnd, PSM_PRESSBUTTON, nEndID == IDOK ? PSBTN_OK : PSBTN_CANCEL, 0);
}

int CPropertySheet::DoModal()
{
    std::vector<PROPSHEETPAGEA> pages;
    for (CPropertyPage* pPage : m_pages) {
        pPage->m_pSheet = this;
        pages.push_back(pPage->m_psp);
    }
    HWND hWndOwner = AfxGetSafeHwnd(m_pParentWnd);
    if (hWndOwner == nullptr)
        hWndOwner = AfxGetSafeHwnd(AfxGetMainWnd());
    while (hWndOwner != nullptr && (::GetWindowLongPtrA(hWndOwner, GWL_STYLE) & WS_CHILD))
        hWndOwner = ::GetParent(hWndOwner);

    m_psh.dwFlags |= PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_USECALLBACK | PSH_NOAPPLYNOW;
    m_psh.hwndParent = hWndOwner;
    m_psh.hInstance = AfxGetResourceHandle();
    m_psh.pszCaption = m_strCaption;
    m_psh.nPages = (UINT)pages.size();
    m_psh.ppsp = pages.data();
    m_psh.pfnCallback = SheetCallback;

    bool bDisabledOwner = false;
    if (hWndOwner != nullptr && ::IsWindowEnabled(hWndOwner)) {
        ::EnableWindow(hWndOwner, FALSE);
        bDisabledOwner = true;
    }
    m_bApplied = FALSE;
    m_nModalResult = IDCANCEL;
    g_pSheetInit = this;
    HWND hWnd = (HWND)::PropertySheetA(&m_psh);
    g_pSheetInit = nullptr;
    if (hWnd != nullptr && m_hWnd == nullptr)
        SubclassWindow(hWnd);
    // Over its owner, as a modal dialog opens; its size is known only now,
    // and nothing is painted yet.
    if (hWnd != nullptr && hWndOwner != nullptr)
        CenterWindow();

    if (hWnd != nullptr) {
        // The sheet is done when it has no current page.
        MSG msg;
        while (::SendMessageA(hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) != 0) {
            if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
                SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, 0);
                ::WaitMessage();
                continue;
            }
            if (!AfxPumpMessage()) {
                ::PostQuitMessage(0);
                break;
            }
            if (!::IsWindow(hWnd))
                break;
        }
        LRESULT lResult = ::IsWindow(hWnd) ? ::SendMessageA(hWnd, PSM_GETRESULT, 0, 0) : 0;
        m_nModalResult = (lResult > 0 || m_bApplied) ? IDOK : IDCANCEL;
    }
    if (bDisabledOwner)
        ::EnableWindow(hWndOwner, TRUE);
    if (hWndOwner != nullptr)
        ::SetActiveWindow(hWndOwner);
    if (m_hWnd != nullptr)
        DestroyWindow();
    for (CPropertyPage* pPage : m_pages) {
        if (pPage->m_hWnd != nullptr)
            pPage->Detach();
    }
    return hWnd != nullptr ? m_nModalResult : -1;
}
