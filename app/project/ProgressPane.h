// The progress display of the main frame's status bar, as the project loader
// and other long loops drive it. The pointer stays NULL until a status bar
// with a progress pane exists; callers skip the display then.
#pragma once

#include "framework/Framework.h"

class CProgressPane
{
public:
    virtual ~CProgressPane() = default;
    virtual BOOL BeginProgress(LPCTSTR pszText, int nLower, int nUpper, BOOL bSetPos,
                               DWORD dwBarStyle, int nStep) = 0;
    virtual void SetProgressPos(int nPos) = 0;
    virtual void StepProgress() = 0;
    virtual void EndProgress() = 0;
};

extern CProgressPane* g_pMainStatusBar;
