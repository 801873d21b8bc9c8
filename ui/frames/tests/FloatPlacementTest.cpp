#include "framework/Portable.h"
#include "ui/frames/FloatPlacement.h"

#include <gtest/gtest.h>

TEST(FloatPlacementTest, CascadeAdvancesAndWrapsPerCoordinate)
{
    CPoint cascade(kCascadeStart, kCascadeStart);
    CSize client(200, 100);
    EXPECT_EQ(CPoint(30, 30), NextCascadePosition(cascade, client));
    EXPECT_EQ(CPoint(50, 53), NextCascadePosition(cascade, client));
    EXPECT_EQ(CPoint(70, 30), NextCascadePosition(cascade, client)) << "76 passes 100 - 30";
    EXPECT_EQ(CPoint(90, 53), cascade);
}

TEST(FloatPlacementTest, Clamping)
{
    CRect work(0, 0, 1024, 768);
    EXPECT_EQ(CPoint(1014, 758), ClampIntoWorkArea(CPoint(2000, 900), work));
    EXPECT_EQ(CPoint(0, 0), ClampIntoWorkArea(CPoint(-50, -1), work));
    EXPECT_EQ(CPoint(300, 200), ClampIntoWorkArea(CPoint(300, 200), work));

    EXPECT_EQ(CPoint(400, 370), ClampIntoMDIClient(CPoint(900, 900), CSize(600, 400), CSize(200, 100)));
    EXPECT_EQ(CPoint(0, 0), ClampIntoMDIClient(CPoint(-5, -5), CSize(600, 400), CSize(200, 100)));
    EXPECT_EQ(CPoint(0, 0), ClampIntoMDIClient(CPoint(50, 50), CSize(100, 20), CSize(200, 100)))
        << "a window wider than the client sits at the left";
}
