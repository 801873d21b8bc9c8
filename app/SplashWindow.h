// The splash window shown while the program starts. It stays above the main
// frame, which is shown after it; the application closes it on the first
// idle pass after five seconds, or at the first key or mouse press.
#pragma once

#include "framework/Framework.h"

class CSplashWindow : public CDialog
{
public:
    static constexpr UINT SHOW_MS = 5000;
    // A timer of this period keeps idle passes coming while it waits.
    static constexpr UINT WAKE_MS = 500;

    explicit CSplashWindow(CWnd* pParent = nullptr);

    // Creates and shows the window and starts its waking timer.
    BOOL Show();
    // Puts it above every other window again, on the screen too (the
    // application does so once the main frame is up).
    void Raise();
    BOOL Exists() const { return GetSafeHwnd() != nullptr; }
    // Closes the window and repaints the main window under it.
    void Close();
};
