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
    return g_pMainStatusBar
        && g_pMainStatusBar->BeginProgress(pszText, nLower, nUpper, TRUE, kPercentProgressStyle, nStep);
}

void CApplicationHostServices::SetProgressPos(int nPos)
{
    if (g_pMainStatusBar)
        g_pMainStatusBar->SetProgressPos(nPos);
}

void CApplicationHostServices::StepProgress()
{
    if (g_pMainStatusBar)
        g_pMainStatusBar->StepProgress();
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
