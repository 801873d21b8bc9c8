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

namespace {

ULONGLONG ThreadCpuMs()
{
    FILETIME created, exited, kernel, user;
    ::GetThreadTimes(::GetCurrentThread(), &created, &exited, &kernel, &user);
    auto ticks = [](const FILETIME& t) { return (ULONGLONG(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return (ticks(kernel) + ticks(user)) / 10000;
}

} // namespace

TEST(MessagePump, WaitingSleepsInsteadOfSpinning)
{
    UINT_PTR timer = ::SetTimer(nullptr, 0, 400, nullptr);
    ULONGLONG cpu = ThreadCpuMs();
    DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < 380)  // the timer ends it; stray messages may come first
        PumpWaitingMessages(FALSE, TRUE);
    ::KillTimer(nullptr, timer);
    EXPECT_LT(ThreadCpuMs() - cpu, 50u);  // a busy loop burns most of the wait
}
