#include "framework/Framework.h"

IMPLEMENT_DYNAMIC(CPrintDialog, CDialog)

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd)
{
    m_pParentWnd = pParentWnd;
    memset(&m_pd, 0, sizeof m_pd);
    m_pd.lStructSize = sizeof m_pd;
    m_pd.Flags = dwFlags | (bPrintSetupOnly ? PD_PRINTSETUP : PD_RETURNDC);
    m_pd.nMinPage = 1;
    m_pd.nMaxPage = 0xFFFF;
    m_pd.nFromPage = 1;
    m_pd.nToPage = 0xFFFF;
    m_pd.nCopies = 1;
}

CPrintDialog::~CPrintDialog()
{
    if (m_pd.hDC != nullptr)
        ::DeleteDC(m_pd.hDC);
}

int CPrintDialog::DoModal()
{
    // The printer chosen last time (kept by the application) is the start.
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && m_pd.hDevMode == nullptr)
        pApp->GetPrinterDeviceDefaults(&m_pd);
    HWND hWndOwner = AfxGetSafeHwnd(m_pParentWnd);
    if (hWndOwner == nullptr)
        hWndOwner = AfxGetSafeHwnd(AfxGetMainWnd());
    m_pd.hwndOwner = hWndOwner;
    if (!::PrintDlgA(&m_pd))
        return IDCANCEL;
    if (pApp != nullptr) {
        pApp->m_hDevMode = m_pd.hDevMode;
        pApp->m_hDevNames = m_pd.hDevNames;
    }
    return IDOK;
}

BOOL CPrintDialog::GetDefaults()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->GetPrinterDeviceDefaults(&m_pd))
        return CreatePrinterDC() != nullptr;
    PRINTDLGA pd = {};
    pd.lStructSize = sizeof pd;
    pd.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
    if (!::PrintDlgA(&pd))
        return FALSE;
    m_pd.hDC = pd.hDC;
    m_pd.hDevMode = pd.hDevMode;
    m_pd.hDevNames = pd.hDevNames;
    return m_pd.hDC != nullptr;
}

HDC CPrintDialog::CreatePrinterDC()
{
    if (m_pd.hDevNames == nullptr)
        return nullptr;
    auto* pNames = (LPDEVNAMES)::GlobalLock(m_pd.hDevNames);
    auto* pMode = m_pd.hDevMode != nullptr ? (DEVMODEA*)::GlobalLock(m_pd.hDevMode) : nullptr;
    if (pNames != nullptr) {
        if (m_pd.hDC != nullptr)
            ::DeleteDC(m_pd.hDC);
        m_pd.hDC = ::CreateDCA((LPCSTR)pNames + pNames->wDriverOffset, (LPCSTR)pNames + pNames->wDeviceOffset,
                               (LPCSTR)pNames + pNames->wOutputOffset, pMode);
        ::GlobalUnlock(m_pd.hDevNames);
    }
    if (pMode != nullptr)
        ::GlobalUnlock(m_pd.hDevMode);
    return m_pd.hDC;
}

CString CPrintDialog::GetDeviceName() const
{
    if (m_pd.hDevNames == nullptr)
        return "";
    auto* pNames = (LPDEVNAMES)::GlobalLock(m_pd.hDevNames);
    CString name = (LPCSTR)pNames + pNames->wDeviceOffset;
    ::GlobalUnlock(m_pd.hDevNames);
    return name;
}

CPrintInfo::CPrintInfo() : m_pPD(new CPrintDialog(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOSELECTION))
{
    SetMinPage(1);
    SetMaxPage(0xFFFF);
    m_pPD->m_pd.nFromPage = 1;
    m_pPD->m_pd.nToPage = 0xFFFF;
}

CPrintInfo::~CPrintInfo() { delete m_pPD; }
