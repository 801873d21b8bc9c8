// The application's host services, the only real ones: the portable cores'
// messages, wait cursor, progress and settings reach the application's
// message boxes, cursor, status bar and profile through it. The application
// object installs it once its profile key is chosen.
#pragma once

#include "framework/Framework.h"
#include "framework/HostServices.h"

// The main frame's status bar, whose progress pane shows the long loops;
// set when the main frame has one, NULL before (the progress is skipped).
extern IProgressPane* g_pMainStatusBar;

class CApplicationHostServices : public IHostServices
{
public:
    void ReportError(LPCTSTR pszText, HostIcon icon) override;

    BOOL BeginProgress(LPCTSTR pszText, int nLower, int nUpper, int nStep) override;
    void SetProgressPos(int nPos) override;
    // The status bar has no line for it.
    void SetProgressText(LPCTSTR) override {}
    void StepProgress() override;
    void EndProgress() override;

    void BeginWaitCursor() override;
    void EndWaitCursor() override;

    // The application object's profile (nothing kept without one).
    CProfileStore& Profile() override;

private:
    CNullProfileStore m_noProfile;
};
