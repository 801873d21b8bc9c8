#include "framework/Framework.h"
#include "app/SplashWindow.h"
#include "res/resource.h"

CSplashWindow::CSplashWindow(CWnd* pParent)
    : CDialog(IDD_SPLASH, pParent)
{
}

BOOL CSplashWindow::Show()
{
    if (!Create(IDD_SPLASH, nullptr))
        return FALSE;
    // Owned by the main frame, which is shown and activated next; topmost
    // as well, so that nothing else covers it meanwhile.
    ::SetWindowPos(GetSafeHwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    UpdateWindow();
    SetTimer(1, WAKE_MS, nullptr);
    return TRUE;
}

// Wine without a window manager leaves the main frame above it on the screen
// all the same; mapping it again puts it on top there too.
void CSplashWindow::Raise()
{
    if (!Exists())
        return;
    ::SetWindowPos(GetSafeHwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    ::SetWindowPos(GetSafeHwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void CSplashWindow::Close()
{
    if (!Exists())
        return;
    DestroyWindow();
    if (CWnd* pMain = AfxGetMainWnd())
        pMain->UpdateWindow();
}
