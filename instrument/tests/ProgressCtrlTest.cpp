// The owner-drawn progress bar: percentages, texts, rectangles and pixels.
#include "mvc/controls/ProgressCtrl.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

struct PercentCase { int lower, upper; DWORD pos; float percent; const char* text; };

const PercentCase kPercents[] = {
    {0, 100, 50, 50.0f, "50 %"},
    {10, 10, 10, 0.0f, "0 %"},       // equal bounds divide by 1
    {0, 100, 150, 100.0f, "100 %"},  // beyond the upper bound
    {20, 100, 5, 0.0f, "0 %"},       // below the lower bound
    {0, 1000, 996, 99.6f, "100 %"},
    {0, 1000, 994, 99.4f, "99 %"},
    {0, 200000, 150000, 75.0f, "75 %"},
};

TEST(ProgressCtrl, PercentAndText)
{
    for (const PercentCase& c : kPercents) {
        SECProgressCtrl bar;
        bar.SetRange(c.lower, c.upper);
        bar.SetPos(c.pos);
        EXPECT_NEAR(bar.GetPercent(), c.percent, 0.01) << c.pos;
        EXPECT_STREQ(bar.GetBarText(bar.GetPercent()), c.text) << c.pos;
    }
}

TEST(ProgressCtrl, CustomTextOnlyWithoutPercentage)
{
    SECProgressCtrl bar;
    bar.SetText("copying");
    bar.SetBarStyle(SEC_PROGRESS_CUSTOM_TEXT);
    EXPECT_STREQ(bar.GetBarText(10), "copying");
    bar.SetText("");
    EXPECT_STREQ(bar.GetBarText(10), "");
    bar.SetBarStyle(SEC_PROGRESS_CUSTOM_TEXT | SEC_PROGRESS_PERCENT);
    EXPECT_STREQ(bar.GetBarText(10), "10 %");
}

class ProgressWindow : public testing::Test {
protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
        ::InitCommonControlsEx(&controls);
        m_parent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 300, 100, nullptr, nullptr,
                                     ::GetModuleHandleA(nullptr), nullptr);
    }
    void TearDown() override { ::DestroyWindow(m_parent); }

    // Draws the bar into a bitmap and reads pixels of it.
    COLORREF PixelAt(SECProgressCtrl& bar, int x, int y)
    {
        CClientDC screen(&bar);
        CDC memory;
        memory.CreateCompatibleDC(&screen);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&screen, 200, 20);
        CBitmap* old = memory.SelectObject(&bitmap);
        bar.Draw(memory);
        COLORREF color = ::GetPixel(memory.GetSafeHdc(), x, y);
        memory.SelectObject(old);
        return color;
    }

    HWND m_parent = nullptr;
};

TEST_F(ProgressWindow, DrawsBarAndBackgroundInTheirColours)
{
    SECProgressCtrl bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 20), CWnd::FromHandle(m_parent), 1,
                           SEC_PROGRESS_CUSTOM_TEXT));
    bar.SetRange(0, 100);
    bar.SetPos(50);
    EXPECT_EQ(PixelAt(bar, 10, 10), 0x800000u);
    EXPECT_EQ(PixelAt(bar, 190, 10), 0xFFFFFFu);

    CRect filled, rest;
    bar.SetBarStyle(SEC_PROGRESS_VERTICAL | SEC_PROGRESS_FROM_TOP);
    bar.CalcRects(25.0f, filled, rest);
    EXPECT_EQ(filled, CRect(0, 0, 200, 5));
    EXPECT_EQ(rest, CRect(0, 5, 200, 20));
    bar.SetBarStyle(SEC_PROGRESS_FROM_RIGHT);
    bar.CalcRects(25.0f, filled, rest);
    EXPECT_EQ(filled, CRect(150, 0, 200, 20));
    EXPECT_EQ(rest, CRect(0, 0, 150, 20));
}

TEST_F(ProgressWindow, LargeRangesReachThePlatformControl)
{
    SECProgressCtrl bar;
    ASSERT_TRUE(bar.Create(WS_CHILD, CRect(0, 0, 200, 20), CWnd::FromHandle(m_parent), 1));
    bar.SetRange(0, 3000000);
    EXPECT_EQ(::SendMessageA(bar.m_hWnd, PBM_GETRANGE, FALSE, 0), 3000000);
}

TEST_F(ProgressWindow, TimerStopsAtTheUpperBound)
{
    SECProgressCtrl bar;
    ASSERT_TRUE(bar.Create(WS_CHILD, CRect(0, 0, 200, 20), CWnd::FromHandle(m_parent), 1));
    bar.SetPos(100);
    EXPECT_FALSE(bar.StartTimer(500));
    bar.SetPos(90);
    EXPECT_TRUE(bar.StartTimer(10));
    for (int i = 0; i < 100 && bar.GetPos() < 100; ++i) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        ::Sleep(10);
    }
    EXPECT_EQ(bar.GetPos(), 100u);
}

} // namespace
