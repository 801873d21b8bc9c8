// The splash window shown while the program starts. It closes itself after
// five seconds by a timer, or earlier at the first key or mouse press (the
// application tells it).
#pragma once

#include "framework/Framework.h"

class CSplashWindow : public CDialog
{
public:
    static constexpr UINT SHOW_MS = 5000;

    explicit CSplashWindow(CWnd* pParent = nullptr);

    // Creates and shows the window and starts its closing timer.
    BOOL Show();
    BOOL Exists() const { return GetSafeHwnd() != nullptr; }
    // Closes the window and repaints the main window under it.
    void Close();

protected:
    void OnTimer(UINT_PTR nIDEvent);

    DECLARE_MESSAGE_MAP()
};
