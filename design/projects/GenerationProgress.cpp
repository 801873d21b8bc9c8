#include "framework/Framework.h"
#include "design/projects/GenerationProgress.h"
#include "res/resource.h"

namespace {

// Often enough that the window follows the pointer and Cancel, seldom
// enough that the generator is not slowed by it.
constexpr DWORD kPumpIntervalMs = 50;

} // namespace

CGenerationProgress::CGenerationProgress(CWnd* pOwner) : m_previous(GetHostServices())
{
    m_hOwner = pOwner ? pOwner->GetSafeHwnd() : nullptr;
    m_hWnd = CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDD_DESIGN_PROGRESS), m_hOwner,
                                DialogProc, reinterpret_cast<LPARAM>(this));
    if (m_hOwner) {
        m_bOwnerWasEnabled = !::EnableWindow(m_hOwner, FALSE);
    }
    if (m_hWnd)
        ::ShowWindow(m_hWnd, SW_SHOW);
    m_pInstalledBefore = InstallHostServices(this);
}

CGenerationProgress::~CGenerationProgress()
{
    InstallHostServices(m_pInstalledBefore);
    if (m_hOwner && m_bOwnerWasEnabled)
        ::EnableWindow(m_hOwner, TRUE);
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
    if (m_hOwner)
        ::SetActiveWindow(m_hOwner);
}

INT_PTR CALLBACK CGenerationProgress::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        ::SetWindowLongPtrA(hWnd, DWLP_USER, lParam);
        return TRUE;
    }
    auto* pThis = reinterpret_cast<CGenerationProgress*>(::GetWindowLongPtrA(hWnd, DWLP_USER));
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL && pThis) {
        pThis->m_bCancelled = true;
        return TRUE;
    }
    return FALSE;
}

void CGenerationProgress::PumpMessages(bool bForce)
{
    const DWORD dwNow = ::GetTickCount();
    if (!bForce && dwNow - m_dwLastPump < kPumpIntervalMs)
        return;
    m_dwLastPump = dwNow;
    if (m_hWnd && !m_strPendingText.IsEmpty()) {
        ::SetDlgItemTextA(m_hWnd, IDC_DESIGN_PROGRESS_TEXT, m_strPendingText);
        m_strPendingText.Empty();
    }
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            m_bCancelled = true;
            return;
        }
        if (m_hWnd && ::IsDialogMessageA(m_hWnd, &msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

bool CGenerationProgress::IsCancelled()
{
    PumpMessages(false);
    return m_bCancelled;
}

BOOL CGenerationProgress::BeginProgress(LPCTSTR pszText, int nLower, int nUpper, int)
{
    if (!m_hWnd)
        return FALSE;
    ::SendDlgItemMessageA(m_hWnd, IDC_DESIGN_PROGRESS_BAR, PBM_SETRANGE32, nLower, nUpper);
    ::SendDlgItemMessageA(m_hWnd, IDC_DESIGN_PROGRESS_BAR, PBM_SETPOS, nLower, 0);
    if (pszText)
        ::SetDlgItemTextA(m_hWnd, IDC_DESIGN_PROGRESS_TEXT, pszText);
    PumpMessages(true);
    return TRUE;
}

void CGenerationProgress::SetProgressPos(int nPos)
{
    const DWORD dwNow = ::GetTickCount();
    if (m_hWnd && dwNow - m_dwLastPump >= kPumpIntervalMs)
        ::SendDlgItemMessageA(m_hWnd, IDC_DESIGN_PROGRESS_BAR, PBM_SETPOS, nPos, 0);
    PumpMessages(false);
}

void CGenerationProgress::SetProgressText(LPCTSTR pszText)
{
    m_strPendingText = pszText;
}
