// Row shares, expand and contract, and splitter limits and moves.
#include "ui/frames/SECDockRows.h"

#include <gtest/gtest.h>

namespace {

std::vector<SECRowShare> Row(std::initializer_list<float> shares)
{
    std::vector<SECRowShare> row;
    for (float f : shares)
        row.push_back(SECRowShare{f, true, false});
    return row;
}

TEST(SECDockRows, MinimumShareFollowsTheRowLength)
{
    EXPECT_FLOAT_EQ(0.05f, SECDockRows::MinShare(360));
    EXPECT_FLOAT_EQ(1.0f, SECDockRows::MinShare(10));
    EXPECT_FLOAT_EQ(0.05f, SECDockRows::MinShare(0));
    EXPECT_FLOAT_EQ(0.1f, SECDockRows::MinShare(180));
}

TEST(SECDockRows, NormalizingTable)
{
    const float kMin = 0.05f;
    const struct
    {
        const char* pszWhy;
        std::vector<float> before;
        int nNew;
        std::vector<float> after;
    } cases[] = {
        {"a new bar keeps its share, the others share the rest", {0.5f, 0.5f, 0.3f}, 2, {0.35f, 0.35f, 0.3f}},
        {"no new bar: shares scaled to add up to one", {1.0f, 1.0f}, -1, {0.5f, 0.5f}},
        {"a new share above 0.95 is not new", {1.0f, 0.0f, 0.0f}, 0, {1.0f, kMin, kMin}},
        {"a tiny new share is raised to the minimum", {1.0f, 0.0f}, 1, {0.95f, kMin}},
        {"others that add up to less than the new share keep a positive factor", {0.1f, 0.1f, 0.6f}, 2,
         {0.2f, 0.2f, 0.6f}},
        {"the only bar", {0.3f}, 0, {1.0f}},
    };
    for (const auto& c : cases) {
        std::vector<SECRowShare> row;
        for (float f : c.before)
            row.push_back(SECRowShare{f, true, false});
        SECDockRows::NormalizeShares(row, c.nNew, kMin);
        for (size_t i = 0; i < row.size(); ++i) {
            EXPECT_GT(row[i].fShare, 0.0f) << c.pszWhy;
            EXPECT_NEAR(c.after[i], row[i].fShare, 1e-5) << c.pszWhy << ", bar " << i;
        }
    }
}

TEST(SECDockRows, FixedAndHiddenBarsTakeNoShare)
{
    std::vector<SECRowShare> row = {{0.5f, true, false}, {0.7f, true, true}, {0.9f, false, false}, {0.5f, true, false}};
    int nShared = 0, nFixed = 0;
    SECDockRows::NormalizeShares(row, -1, 0.05f, &nShared, &nFixed);
    EXPECT_EQ(2, nShared);
    EXPECT_EQ(1, nFixed);
    EXPECT_FLOAT_EQ(0.5f, row[0].fShare);
    EXPECT_FLOAT_EQ(0.7f, row[1].fShare);
    EXPECT_FLOAT_EQ(0.9f, row[2].fShare);
}

TEST(SECDockRows, ExpandAndContract)
{
    const float kMin = 0.05f;
    auto three = Row({0.3f, 0.3f, 0.4f});
    SECDockRows::ExpandBar(three, 1, 1, kMin);
    EXPECT_FLOAT_EQ(kMin, three[0].fShare);
    EXPECT_FLOAT_EQ(1.0f, three[1].fShare);
    EXPECT_FLOAT_EQ(kMin, three[2].fShare);
    EXPECT_TRUE(SECDockRows::IsBarExpanded(three, 1, kMin));
    EXPECT_FALSE(SECDockRows::IsBarExpanded(three, 0, kMin));

    SECDockRows::ExpandBar(three, 1, 2, kMin);
    EXPECT_FLOAT_EQ(0.25f, three[0].fShare);
    EXPECT_FLOAT_EQ(0.5f, three[1].fShare);
    EXPECT_FLOAT_EQ(0.25f, three[2].fShare);
    EXPECT_FALSE(SECDockRows::IsBarExpanded(three, 1, kMin));

    auto two = Row({0.8f, 0.2f});
    SECDockRows::ExpandBar(two, 0, 2, kMin);
    EXPECT_FLOAT_EQ(0.5f, two[0].fShare);
    EXPECT_FLOAT_EQ(0.5f, two[1].fShare);

    auto alone = Row({1.0f, 0.5f});
    alone[1].bVisible = false;
    EXPECT_TRUE(SECDockRows::IsBarAloneInRow(alone, 0));
    EXPECT_FALSE(SECDockRows::IsBarAloneInRow(two, 0));
}

TEST(SECDockRows, BarSplitterLimitsLeaveEachBar24Pixels)
{
    int nMin = 0, nMax = 0;
    SECDockRows::BarSplitterLimits({30, 30}, 0, 0, nMin, nMax);
    EXPECT_EQ(24, nMin);
    EXPECT_EQ(36, nMax);

    SECDockRows::BarSplitterLimits({100, 50, 80}, 1, 10, nMin, nMax);
    EXPECT_EQ(10 + 24 + 6 + 24, nMin);
    EXPECT_EQ(10 + 100 + 6 + 50 + 6 + 80 - 24 - 6, nMax);

    SECDockRows::RowSplitterLimits(0, 40, 300, true, nMin, nMax);
    EXPECT_EQ(19, nMin);
    EXPECT_EQ(281, nMax);
    EXPECT_EQ(50, SECDockRows::RowThicknessAfterMove(40, 10, true));
    EXPECT_EQ(30, SECDockRows::RowThicknessAfterMove(40, 10, false));
}

TEST(SECDockRows, SplitterMovesTakeRoomNearestFirst)
{
    const float kMin = 0.01f;
    // 40 pixels right: the next bar gives 12 (down to 18), the one after 28.
    SECRowResize right = SECDockRows::MoveBarSplitter({100, 30, 200}, 0, 40, 342, kMin);
    EXPECT_EQ((std::vector<int>{140, 18, 172}), right.lengths);
    EXPECT_NEAR(140.0f / 342, right.shares[0], 1e-6);

    // Left: the bar after grows, the bars before give the room.
    SECRowResize left = SECDockRows::MoveBarSplitter({30, 100, 60}, 1, -90, 202, kMin);
    EXPECT_EQ((std::vector<int>{22, 18, 150}), left.lengths);

    SECRowResize none = SECDockRows::MoveBarSplitter({30, 30}, 0, 0, 66, kMin);
    EXPECT_EQ((std::vector<int>{30, 30}), none.lengths);

    // A share under the minimum is raised, and the length with it.
    int nLength = 0;
    float fShare = 0.0f;
    EXPECT_EQ(100 - 50 - 90, SECDockRows::ResizeBarInRow(100, -90, 1000, 0.05f, nLength, fShare));
    EXPECT_EQ(50, nLength);
    EXPECT_FLOAT_EQ(0.05f, fShare);
}

TEST(SECDockRows, OutlineKeepsTheCursorInPlace)
{
    const CRect rect(100, 10, 200, 30);
    const CRect fitted = SECDockRows::FitOutline(rect, CPoint(150, 20), 50, 40, CAxis::Horizontal());
    EXPECT_EQ(CRect(125, 0, 175, 40), fitted);
    const CRect vertical = SECDockRows::FitOutline(CRect(0, 0, 20, 100), CPoint(0, 0), 40, 30, CAxis::Vertical());
    EXPECT_EQ(CRect(0, 0, 30, 40), vertical);
}

} // namespace
