#include "framework/Portable.h"
#include "ui/frames/StatusPaneLayout.h"

#include <gtest/gtest.h>

TEST(StatusPaneLayoutTest, FreeSpaceGoesToTheStretchPanes)
{
    // Three stretch panes of 0 text and 10 pixels free: 3, 3 and 4.
    std::vector<PaneSpec> panes(3, PaneSpec{0, SBPS_STRETCH});
    int nInside = 3 * kPaneTextMargin + 10;
    EXPECT_EQ((std::vector<int>{6 + 3, 6 + 3 + 6 + 3, 6 + 3 + 6 + 3 + 6 + 4}), LayoutPaneRights(panes, 0, nInside, 0));

    // Without stretch panes the rest stays unused; spacing between panes.
    std::vector<PaneSpec> fixed = {{50, 0}, {20, 0}};
    EXPECT_EQ((std::vector<int>{2 + 56, 2 + 56 + 4 + 26}), LayoutPaneRights(fixed, 2, 500, 4));

    // No room: the panes keep their widths.
    std::vector<PaneSpec> squeezed = {{100, SBPS_STRETCH}, {50, 0}};
    EXPECT_EQ((std::vector<int>{106, 162}), LayoutPaneRights(squeezed, 0, 80, 0));
}

TEST(StatusPaneLayoutTest, PaneRectangleFromThePartEdges)
{
    StatusBorders borders;
    borders.nHorz = 0;
    borders.nVert = 2;
    borders.nSpacing = 2;
    std::vector<int> parts = {100, 180, -1};
    CRect client(0, 0, 400, 20);
    EXPECT_EQ(CRect(0, 2, 100, 19), PaneRectFromParts(parts, 0, borders, client));
    EXPECT_EQ(CRect(102, 2, 180, 19), PaneRectFromParts(parts, 1, borders, client));
    EXPECT_EQ(CRect(182, 2, 400, 19), PaneRectFromParts(parts, 2, borders, client));
    EXPECT_TRUE(PaneRectFromParts(parts, 3, borders, client).IsRectNull());
    EXPECT_EQ(0, PaneRectFromParts(parts, 0, borders, CRect(0, 0, 400, 0)).bottom) << "never negative";
}

TEST(StatusPaneLayoutTest, GetTextCountsWhatItCopiesWithoutTheTerminator)
{
    char buffer[8];
    EXPECT_EQ(5, CopyPaneText("Ready", buffer, sizeof buffer));
    EXPECT_STREQ("Ready", buffer);
    EXPECT_EQ(7, CopyPaneText("Reading protocol:", buffer, sizeof buffer));
    EXPECT_STREQ("Reading", buffer);
    EXPECT_EQ(0, CopyPaneText("Ready", buffer, 0));
    EXPECT_EQ(0, CopyPaneText("", buffer, sizeof buffer));
    EXPECT_STREQ("", buffer);
}

TEST(StatusPaneLayoutTest, ProgressStartsAfterTheCaption)
{
    StatusBorders borders;
    borders.nHorz = 3;
    borders.nSpacing = 2;
    EXPECT_EQ(0 + 80 + 2 * (3 + 2) + 1, ProgressLeft(0, 80, borders));
}
