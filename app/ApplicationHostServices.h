// The application's host services, the only real ones: the portable cores'
// messages, wait cursor, progress and settings reach the application's
// message boxes, cursor, status bar and profile through it. The application
// object installs it once its profile key is chosen.
#pragma once

#include "framework/Framework.h"
#include "framework/HostServices.h"
#include "framework/ProgressThrottle.h"

// The main frame's status bar, whose progress pane shows the long loops;
// set when the main frame has one, NULL before (the progress is skipped).
extern IProgressPane* g_pMainStatusBar;

class CApplicationHostServices : public IHostServices
{
public:
    void ReportError(LPCTSTR pszText, HostIcon icon) override;

    // The bar follows the loop at most 20 times a second: a loop steps
    // once per item, and each repaint of the bar costs far more than one.
    BOOL BeginProgress(LPCTSTR pszText, int nLower, int nUpper, int nStep) override;
    void SetProgressPos(int nPos) override;
    // The status bar has no line for it.
    void SetProgressText(LPCTSTR) override {}
    void StepProgress() override;
    void EndProgress() override;
    // Escape pressed since the progress began, as seen at the bar's last
    // update.
    BOOL IsProgressCancelled() override { return m_bCancelled; }

    void BeginWaitCursor() override;
    void EndWaitCursor() override;

    // The application object's profile (nothing kept without one).
    CProfileStore& Profile() override;

    void SetTickSource(DWORD (*pfnTickCount)()) { m_pfnTickCount = pfnTickCount; }

private:
    CNullProfileStore m_noProfile;
    void ShowProgress(int nPos);

    ProgressThrottle m_throttle;
    BOOL m_bCancelled = FALSE;
    DWORD (*m_pfnTickCount)() = &::GetTickCount;
};
