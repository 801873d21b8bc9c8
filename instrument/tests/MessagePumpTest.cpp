// The waits' message pump must not swallow the program's quit request.
#include "instrument/MessagePump.h"

#include <gtest/gtest.h>

TEST(MessagePump, QuitRequestSurvivesAWait)
{
    ::PostQuitMessage(3);
    EXPECT_TRUE(PumpWaitingMessages(TRUE, FALSE));
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
}

TEST(MessagePump, WaitingReturnsOnceAMessageArrives)
{
    HWND window = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    ::GetModuleHandleA(nullptr), nullptr);
    ::PostMessageA(window, WM_NULL, 0, 0);
    EXPECT_FALSE(PumpWaitingMessages(TRUE, TRUE));
    ::PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(PumpWaitingMessages(FALSE, TRUE));  // dropped, not handled
    EXPECT_TRUE(::IsWindow(window));
    ::DestroyWindow(window);
}
