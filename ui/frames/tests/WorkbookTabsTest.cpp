#include "framework/Portable.h"
#include "ui/frames/WorkbookTabs.h"

#include <gtest/gtest.h>

TEST(WorkbookTabsTest, TabWidthIsSharedButNeverWiderThanTheLargest)
{
    EXPECT_EQ(60, WorkbookTabWidth(600, 10, 90));
    EXPECT_EQ(90, WorkbookTabWidth(600, 2, 90));
    EXPECT_EQ(90, WorkbookTabWidth(600, 0, 90)) << "no sheets: no division";
    EXPECT_EQ(0, WorkbookTabWidth(-5, 3, 90));
}

TEST(WorkbookTabsTest, TabOutline)
{
    WorkbookTabMetrics m;
    m.nTabWidth = 60;
    TabPolygon p = WorkbookTabPolygon(m, 2, false, 10, 304);
    EXPECT_EQ(CPoint(130, 304), p[0]);
    EXPECT_EQ(CPoint(130, 325), p[1]);
    EXPECT_EQ(CPoint(132, 327), p[2]);
    EXPECT_EQ(CPoint(188, 327), p[3]);
    EXPECT_EQ(CPoint(190, 325), p[4]);
    EXPECT_EQ(CPoint(190, 304), p[5]);
    EXPECT_EQ(p[0], p[6]);

    TabPolygon active = WorkbookTabPolygon(m, 2, true, 10, 304);
    EXPECT_EQ(CPoint(128, 304), active[0]) << "wider by half the widening on the left";
    EXPECT_EQ(CPoint(130, 329), active[2]) << "and deeper";
    EXPECT_EQ(CPoint(190, 329), active[3]);

    EXPECT_EQ(CRect(132 + 16 + 3, 304, 188, 327), WorkbookTabTextRect(p, 16));
    EXPECT_TRUE(PointInTab(p, CPoint(160, 315)));
    EXPECT_FALSE(PointInTab(p, CPoint(129, 315)));
    EXPECT_FALSE(PointInTab(p, CPoint(131, 327))) << "the cut corner";
    EXPECT_EQ(CRect(128, 304, 192, 331), WorkbookTabInvalidRect(m, 2, 10, 304, false, 0));
    EXPECT_EQ(CRect(128, 304, 500, 331), WorkbookTabInvalidRect(m, 2, 10, 304, true, 500));
}

TEST(WorkbookTabsTest, LongNamesAreShortenedWithAnEllipsis)
{
    auto fitsIn = [](int nChars) { return [nChars](const CString& s) { return s.GetLength() <= nChars; }; };
    CString strLong = "Survey line 14 west, roll 3 of";
    EXPECT_STREQ("Survey l...", ShortenTabText(strLong, fitsIn(11)));
    EXPECT_STREQ("Survey", ShortenTabText("Survey", fitsIn(11)));
    EXPECT_STREQ("...", ShortenTabText(strLong, fitsIn(0))) << "stops below four characters";
    EXPECT_STREQ("abc", ShortenTabText("abc", fitsIn(0)));
}
