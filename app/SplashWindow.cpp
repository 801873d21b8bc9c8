#include "framework/Framework.h"
#include "app/SplashWindow.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CSplashWindow, CDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CSplashWindow::CSplashWindow(CWnd* pParent)
    : CDialog(IDD_SPLASH, pParent)
{
}

BOOL CSplashWindow::Show()
{
    if (!Create(IDD_SPLASH, nullptr))
        return FALSE;
    ShowWindow(SW_SHOW);
    UpdateWindow();
    SetTimer(1, SHOW_MS, nullptr);
    return TRUE;
}

void CSplashWindow::Close()
{
    if (!Exists())
        return;
    DestroyWindow();
    if (CWnd* pMain = AfxGetMainWnd())
        pMain->UpdateWindow();
}

void CSplashWindow::OnTimer(UINT_PTR)
{
    Close();
}
