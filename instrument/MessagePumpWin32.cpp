#include "instrument/MessagePump.h"

BOOL PumpWaitingMessages(BOOL dispatch, BOOL wait)
{
    if (wait)
        ::WaitMessage();
    BOOL closing = FALSE;
    BOOL quit = FALSE;
    WPARAM quitCode = 0;
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            quit = TRUE;
            quitCode = msg.wParam;
            closing = TRUE;
            continue;
        }
        if (msg.message == WM_CLOSE)
            closing = TRUE;
        if (!dispatch)
            continue;
        CWinApp* app = AfxGetApp();
        if (app && app->PreTranslateMessage(&msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
    if (quit)
        ::PostQuitMessage(static_cast<int>(quitCode));
    return closing;
}
