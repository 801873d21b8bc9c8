#include "framework/Framework.h"

#include <gtest/gtest.h>

namespace {

struct Posted
{
    UINT message;
    WPARAM wParam;
    CPoint pt;
};

class CLimitedTracker : public CRectTracker
{
public:
    using CRectTracker::CRectTracker;
    // Never wider than 120.
    void AdjustRect(int, LPRECT lpRect) override
    {
        if (lpRect->right - lpRect->left > 120)
            lpRect->right = lpRect->left + 120;
    }
    void OnChangedRect(const CRect& rectOld) override { m_rectOld = rectOld; }
    CRect m_rectOld;
};

} // namespace

TEST(RectTracker, MovesResizesAndCancels)
{
    struct Case
    {
        const char* name;
        CPoint ptStart;
        Posted posted[3];
        BOOL bChanged;
        CRect rect;
    } cases[] = {
        {"move", CPoint(50, 40), {{WM_MOUSEMOVE, 0, CPoint(60, 45)}, {WM_LBUTTONUP, 0, CPoint(70, 50)}}, TRUE,
         CRect(40, 30, 100, 80)},
        {"bottom-right handle", CPoint(80, 70), {{WM_MOUSEMOVE, 0, CPoint(90, 75)}, {WM_LBUTTONUP, 0, CPoint(100, 90)}},
         TRUE, CRect(20, 20, 100, 90)},
        {"limited by AdjustRect", CPoint(80, 70), {{WM_LBUTTONUP, 0, CPoint(300, 70)}}, TRUE, CRect(20, 20, 140, 70)},
        {"escape puts it back", CPoint(50, 40), {{WM_MOUSEMOVE, 0, CPoint(90, 90)}, {WM_KEYDOWN, VK_ESCAPE, CPoint()}},
         FALSE, CRect(20, 20, 80, 70)},
        {"right button puts it back", CPoint(50, 40), {{WM_MOUSEMOVE, 0, CPoint(90, 90)}, {WM_RBUTTONDOWN, 0, CPoint()}},
         FALSE, CRect(20, 20, 80, 70)},
        {"released where it began", CPoint(50, 40), {{WM_LBUTTONUP, 0, CPoint(50, 40)}}, FALSE, CRect(20, 20, 80, 70)},
    };
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "Tracker", WS_POPUP | WS_VISIBLE, CRect(10, 10, 250, 200),
                             nullptr, 0));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const Posted& p : c.posted) {
            if (p.message != 0)
                ::PostMessageA(wnd.m_hWnd, p.message, p.wParam, MAKELPARAM(p.pt.x, p.pt.y));
        }
        CLimitedTracker tracker(CRect(20, 20, 80, 70), CRectTracker::hatchedBorder);
        EXPECT_EQ(c.bChanged, tracker.Track(&wnd, c.ptStart));
        EXPECT_EQ(c.rect, tracker.m_rect);
        if (c.bChanged) {
            EXPECT_EQ(CRect(20, 20, 80, 70), tracker.m_rectOld);
        }
        EXPECT_NE(::GetCapture(), wnd.m_hWnd);
    }

    // A rubber band from a point; outside the rectangle Track does nothing.
    ::PostMessageA(wnd.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(30, 40));
    ::PostMessageA(wnd.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(60, 50));
    CRectTracker band;
    EXPECT_TRUE(band.TrackRubberBand(&wnd, CPoint(10, 10)));
    EXPECT_EQ(CRect(10, 10, 60, 50), band.m_rect);
    EXPECT_EQ(CRectTracker::hitNothing, band.HitTest(CPoint(200, 150)));
    EXPECT_FALSE(band.Track(&wnd, CPoint(200, 150)));
    wnd.DestroyWindow();
}
