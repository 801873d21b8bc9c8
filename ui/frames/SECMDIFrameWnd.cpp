#include "framework/Framework.h"
#include "ui/frames/SECMDIFrameWnd.h"
#include "framework/HostServices.h"
#include "ui/frames/SECDockBar.h"
#include "ui/frames/SECDockState.h"
#include "ui/frames/SECMiniDockFrameWnd.h"

IMPLEMENT_DYNAMIC(SECMDIFrameWnd, CMDIFrameWnd)

BOOL SECMDIFrameWnd::CreateCaptionAppFont(CFont& font)
{
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return FALSE;
    return font.CreateFontIndirect(&metrics.lfCaptionFont);
}

void SECMDIFrameWnd::EnableDocking(DWORD dwDockStyle, DWORD dwDockBarOption)
{
    m_pFloatingFrameClass = RUNTIME_CLASS(SECMiniDockFrameWnd);
    for (const auto& entry : dwDockBarMap) {
        if (!(entry[1] & dwDockStyle & CBRS_ALIGN_ANY) || GetControlBar(entry[0]) != nullptr)
            continue;
        auto* pDock = new SECDockBar; // deletes itself with its window
        pDock->m_bAutoDelete = TRUE;
        if (!pDock->Create(this, WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CHILD | WS_VISIBLE | entry[1], dwDockBarOption,
                           entry[0])) {
            delete pDock;
            AfxThrowResourceException();
        }
    }
}

namespace {

// The application's settings; the host's when there is no application.
CProfileStore& BarStateStore()
{
    CWinApp* pApp = AfxGetApp();
    return pApp ? pApp->GetProfileStore() : GetHostServices().Profile();
}

} // namespace

void SECMDIFrameWnd::LoadBarState(LPCTSTR pszSection)
{
    SECDockState state(m_pControlBarManager);
    state.LoadState(BarStateStore(), pszSection);
    state.SetDockState(this);
}

void SECMDIFrameWnd::SaveBarState(LPCTSTR pszSection) const
{
    SECDockState state(m_pControlBarManager);
    state.GetDockState(const_cast<SECMDIFrameWnd*>(this));
    state.CleanUpBarIds();
    state.SaveState(BarStateStore(), pszSection);
}
