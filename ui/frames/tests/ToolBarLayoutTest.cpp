// Wrapping a toolbar's buttons into rows for widths and heights, balancing
// the rows, placing the buttons and hitting them with the mouse.
#include "ui/frames/ToolBarLayout.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// "B" a 23 x 22 button, "|" an 8-pixel separator, "T" a tall 23 x 30 button.
class Bar
{
public:
    explicit Bar(const std::string& spec)
    {
        for (char c : spec) {
            auto p = std::make_unique<SECBtnGeometry>();
            if (c == '|') {
                p->m_nStyle = TBBS_SEPARATOR_BIT;
                p->m_cx = 8;
            }
            if (c == 'T')
                p->m_cy = 30;
            m_owned.push_back(std::move(p));
            m_list.push_back(m_owned.back().get());
        }
    }
    const SECBtnList& List() const { return m_list; }
    // The buttons with "/" after each wrapped one.
    std::string Rows() const
    {
        std::string s;
        for (const SECBtnGeometry* p : m_list) {
            s += p->IsSeparator() ? '|' : 'B';
            if (p->IsWrapped())
                s += '/';
        }
        return s;
    }

private:
    std::vector<std::unique_ptr<SECBtnGeometry>> m_owned;
    SECBtnList m_list;
};

const ToolBarMetrics kMetrics;

TEST(ToolBarLayout, WrapsForWidthsAndHeights)
{
    struct Case
    {
        const char* bar;
        int nLength;
        bool bHeight;
        const char* rows;
        CSize size;
    } cases[] = {
        {"BBBBB|BBBBB", 32767, false, "BBBBB|BBBBB", CSize(238, 22)},
        // Holds seven buttons: breaks at the separator, 5 pixels between rows.
        {"BBBBB|BBBBB", 7 * 23, false, "BBBBB|/BBBBB", CSize(115, 49)},
        // No separator: breaks before the button that does not fit.
        {"BBBBB", 2 * 23, false, "BB/BB/B", CSize(46, 66)},
        // A length below the widest button still fits one button per row.
        {"BBB", 0, false, "B/B/B", CSize(23, 66)},
        // Two button heights: the narrowest width that keeps two rows.
        {"BBBBBB", 44, true, "BBB/BBB", CSize(69, 44)},
        {"BBBB", 22, true, "BBBB", CSize(92, 22)},
        // Zero as a height: one row.
        {"BBB", 0, true, "BBB", CSize(69, 22)},
        {"", 100, false, "", CSize(0, 0)},
    };
    for (const Case& c : cases) {
        Bar bar(c.bar);
        const CSize size = CToolBarLayout::CalcWrappedSize(bar.List(), c.nLength, c.bHeight, kMetrics);
        EXPECT_EQ(c.rows, bar.Rows()) << c.bar << " at " << c.nLength;
        EXPECT_EQ(c.size, size) << c.bar << " at " << c.nLength;
    }
}

TEST(ToolBarLayout, BalancingMovesTrailingGroupsDown)
{
    // The first row ends at a separator; its trailing group "B|" moves
    // down because the second row stays narrower than the first was.
    Bar bar("BBBB|B|B");
    std::vector<SECTBRow> rows;
    ASSERT_EQ(2, CToolBarLayout::WrapButtons(bar.List(), 140, rows));
    EXPECT_EQ(6, rows[0].nLastIndex);
    CToolBarLayout::BalanceRows(bar.List(), rows);
    ASSERT_EQ(2u, rows.size());
    EXPECT_EQ(4, rows[0].nLastIndex);
    EXPECT_TRUE(rows[0].bSeparatorEnd);
    EXPECT_EQ(92, rows[0].cx);
    EXPECT_EQ(54, rows[1].cx);

    // A row without a separator has no group to pass on.
    Bar plain("BBBBB");
    CToolBarLayout::CalcWrappedSize(plain.List(), 3 * 23, false, kMetrics);
    EXPECT_EQ("BBB/BB", plain.Rows());
}

TEST(ToolBarLayout, PlacesRowsAndCentresMarkedButtons)
{
    Bar bar("TB|B");
    bar.List()[1]->m_nStyle |= TBBS_VCENTER_BIT;
    bar.List()[2]->m_nStyle |= TBBS_WRAPPED_BIT;
    CToolBarLayout::PlaceButtons(bar.List(), CPoint(2, 3), kMetrics);
    EXPECT_EQ(CRect(2, 3, 25, 33), bar.List()[0]->GetRect());
    EXPECT_EQ(CRect(25, 7, 48, 29), bar.List()[1]->GetRect());   // (30 - 22) / 2 lower
    EXPECT_EQ(CPoint(2, 3 + 30 + 5), CPoint(bar.List()[3]->m_x, bar.List()[3]->m_y));

    // One button a row: the separator's row is only the gap, so the buttons
    // end where the wrapped size does.
    Bar column("B|B");
    const CSize size = CToolBarLayout::CalcWrappedSize(column.List(), 0, false, kMetrics);
    CToolBarLayout::PlaceButtons(column.List(), CPoint(0, 0), kMetrics);
    ASSERT_EQ("B/|/B", column.Rows());
    EXPECT_EQ(CRect(0, 27, 23, 49), column.List()[2]->GetRect());
    EXPECT_EQ(size.cy, column.List()[2]->GetRect().bottom);
}

TEST(ToolBarLayout, PlacementComesBackAfterALayoutForAnotherDocking)
{
    Bar bar("BB|B");
    CToolBarLayout::CalcWrappedSize(bar.List(), 32767, false, kMetrics);
    CToolBarLayout::PlaceButtons(bar.List(), CPoint(2, 2), kMetrics);
    const std::string rows = bar.Rows();
    const CRect rcLast = bar.List()[3]->GetRect();
    const CToolBarLayout::Placement kept = CToolBarLayout::SavePlacement(bar.List());
    CToolBarLayout::CalcWrappedSize(bar.List(), 0, false, kMetrics);
    CToolBarLayout::PlaceButtons(bar.List(), CPoint(0, 9), kMetrics);
    ASSERT_NE(rows, bar.Rows());
    CToolBarLayout::RestorePlacement(bar.List(), kept);
    EXPECT_EQ(rows, bar.Rows());
    EXPECT_EQ(rcLast, bar.List()[3]->GetRect());
}

TEST(ToolBarLayout, HitTestFindsButtonsNotSeparators)
{
    Bar bar("BB|BB");
    CToolBarLayout::CalcWrappedSize(bar.List(), 3 * 23, false, kMetrics);
    CToolBarLayout::PlaceButtons(bar.List(), CPoint(0, 0), kMetrics);
    ASSERT_EQ("BB|/BB", bar.Rows());
    CRect rc;
    EXPECT_EQ(1, CToolBarLayout::HitTest(bar.List(), CPoint(30, 5), &rc));
    EXPECT_EQ(CRect(23, 0, 46, 22), rc);
    EXPECT_EQ(-1, CToolBarLayout::HitTest(bar.List(), CPoint(50, 5)));     // separator
    EXPECT_EQ(4, CToolBarLayout::HitTest(bar.List(), CPoint(30, 30)));     // second row
    EXPECT_EQ(-1, CToolBarLayout::HitTest(bar.List(), CPoint(60, 30)));    // beside the second row
    EXPECT_EQ(-1, CToolBarLayout::HitTest(bar.List(), CPoint(5, 100)));    // below
}

} // namespace
