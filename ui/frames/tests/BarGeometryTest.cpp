#include "framework/Portable.h"
#include "ui/frames/BarGeometry.h"

#include <gtest/gtest.h>

TEST(BarGeometryTest, DynamicLayoutCommitsTheSizeTheModeNames)
{
    struct Case
    {
        int nLength;
        DWORD dwMode;
        float fPct;
        CSize szHorz, szVert, szFloat;
        CSize result;
    } cases[] = {
        // The row's share of the free length.
        {400, LM_COMMIT | LM_STRETCH | LM_HORZDOCK | LM_HORZ, 0.5f, {200, 180}, {300, 180}, {300, 180}, {200, 180}},
        {400, LM_COMMIT | LM_HORZDOCK | LM_HORZ, 0.5f, {400, 180}, {300, 180}, {300, 180}, {400, 180}},
        {90, LM_COMMIT | LM_LENGTHY | LM_VERTDOCK, 1.0f, {300, 180}, {300, 90}, {300, 180}, {300, 90}},
        {250, LM_COMMIT | LM_HORZ, 1.0f, {300, 180}, {300, 180}, {250, 180}, {250, 180}},
        // Asking only.
        {-1, LM_HORZDOCK | LM_HORZ, 1.0f, {300, 180}, {300, 180}, {300, 180}, {300, 180}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nLength << " mode " << c.dwMode);
        BarSizes sizes{CSize(300, 180), CSize(300, 180), CSize(300, 180), 32767};
        EXPECT_EQ(c.result, CalcBarDynamicLayout(sizes, c.nLength, c.dwMode, c.fPct));
        EXPECT_EQ(c.szHorz, sizes.szHorz);
        EXPECT_EQ(c.szVert, sizes.szVert);
        EXPECT_EQ(c.szFloat, sizes.szFloat);
    }
    BarSizes sizes{CSize(300, 180), CSize(300, 180), CSize(300, 180), 32767};
    CalcBarDynamicLayout(sizes, 250, LM_COMMIT | LM_HORZ, 1.0f);
    EXPECT_EQ(250, sizes.nMRUWidth) << "the floating width is the most recent width";
}

TEST(BarGeometryTest, ChildrenGetTheAreaBesideTheGripperOrInsideTheMargins)
{
    struct Case
    {
        DWORD dwExStyle;
        bool bDocked, bHorz;
        CRect area;
    } cases[] = {
        {EXSTYLE_GRIPPER, true, true, CRect(17, 3, 197, 97)},
        {EXSTYLE_GRIPPER, true, false, CRect(3, 17, 197, 97)},
        {EXSTYLE_GRIPPER, false, true, CRect(0, 0, 200, 100)},   // floating: no gripper
        {EXSTYLE_BORDER_SPACE, true, true, CRect(10, 10, 190, 90)},
        {0, true, true, CRect(0, 0, 200, 100)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dwExStyle << c.bDocked << c.bHorz);
        ChildAreaInput in;
        in.sizeClient = CSize(200, 100);
        in.dwExStyle = c.dwExStyle;
        in.bDocked = c.bDocked;
        in.bHorz = c.bHorz;
        EXPECT_EQ(c.area, CalcChildArea(in));
    }
    ChildAreaInput tiny;
    tiny.sizeClient = CSize(10, 4);
    tiny.dwExStyle = EXSTYLE_GRIPPER;
    EXPECT_EQ(CSize(0, 0), CalcChildArea(tiny).Size()) << "never negative";
}

TEST(BarGeometryTest, ScaledChildrenKeepTheirProportions)
{
    EXPECT_EQ(CRect(20, 10, 120, 60), ScaleChildRect(CRect(10, 10, 60, 60), CSize(100, 100), CSize(200, 100), CPoint(0, 0)));
    EXPECT_EQ(CRect(37, 13, 137, 63), ScaleChildRect(CRect(10, 10, 60, 60), CSize(100, 100), CSize(200, 100), CPoint(17, 3)));
    // A bar recorded before it had a size: the children only move.
    EXPECT_EQ(CRect(15, 12, 65, 62), ScaleChildRect(CRect(10, 10, 60, 60), CSize(0, 0), CSize(200, 100), CPoint(5, 2)));
}
