#include "framework/Framework.h"
#include "app/ApplicationHostServices.h"

IProgressPane* g_pMainStatusBar = nullptr;

namespace {

UINT IconStyle(HostIcon icon)
{
    switch (icon) {
    case HostIcon::Stop:
        return MB_ICONSTOP;
    case HostIcon::Information:
        return MB_ICONINFORMATION;
    case HostIcon::Exclamation:
        break;
    }
    return MB_ICONEXCLAMATION;
}

} // namespace

void CApplicationHostServices::ReportError(LPCTSTR pszText, HostIcon icon)
{
    AfxMessageBox(pszText, MB_OK | IconStyle(icon));
}

BOOL CApplicationHostServices::BeginProgress(LPCTSTR pszText, int nLower, int nUpper, int nStep)
{
    m_throttle.Begin(nLower, nStep, m_pfnTickCount());
    m_bCancelled = FALSE;
    return g_pMainStatusBar
        && g_pMainStatusBar->BeginProgress(pszText, nLower, nUpper, TRUE, kPercentProgressStyle, nStep);
}

void CApplicationHostServices::SetProgressPos(int nPos)
{
    if (m_throttle.SetPos(nPos, m_pfnTickCount()))
        ShowProgress(nPos);
}

void CApplicationHostServices::StepProgress()
{
    if (m_throttle.Step(m_pfnTickCount()))
        ShowProgress(m_throttle.GetPos());
}

// The bar's update also repaints what waits for it and looks for Escape.
void CApplicationHostServices::ShowProgress(int nPos)
{
    if (g_pMainStatusBar)
        g_pMainStatusBar->SetProgressPos(nPos);
    MSG msg;
    if (::PeekMessage(&msg, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE) && msg.wParam == VK_ESCAPE) {
        ::PeekMessage(&msg, msg.hwnd, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE);
        m_bCancelled = TRUE;
    }
}

void CApplicationHostServices::EndProgress()
{
    if (g_pMainStatusBar)
        g_pMainStatusBar->EndProgress();
}

void CApplicationHostServices::BeginWaitCursor()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->DoWaitCursor(1);
}

void CApplicationHostServices::EndWaitCursor()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->DoWaitCursor(-1);
}

CProfileStore& CApplicationHostServices::Profile()
{
    CWinApp* pApp = AfxGetApp();
    return pApp ? pApp->GetProfileStore() : m_noProfile;
}
