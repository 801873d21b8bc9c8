#include <windows.h>
#include <gtest/gtest.h>
#include "app/SmallestWindow.h"

TEST(SmallestWindow, OpensAndAnswersAMessage)
{
    HWND wnd = g7k::CreateSmallestWindow(GetModuleHandleA(nullptr), "Smallest");
    ASSERT_NE(wnd, nullptr);
    EXPECT_TRUE(IsWindowVisible(wnd));
    EXPECT_EQ(SendMessageA(wnd, g7k::WM_SMALLEST_DOUBLE, 21, 0), 42);

    char title[32] = {};
    GetWindowTextA(wnd, title, sizeof title);
    EXPECT_STREQ(title, "Smallest");
    EXPECT_TRUE(DestroyWindow(wnd));
    EXPECT_FALSE(IsWindow(wnd));
}
