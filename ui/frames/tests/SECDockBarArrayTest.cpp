// The dock bar's array: placing bars at rows and columns, by a dropped
// rectangle, removing them behind placeholders, and their positions.
#include "ui/frames/SECDockBarArray.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

namespace {

struct FakeBar
{
    char chName;
    UINT nID;
    bool bVisible = true;
    bool bStretch = false;
    CRect rect;
};

class Entries : public IDockBarEntries
{
public:
    bool IsBarVisible(void* p) const override { return Bar(p).bVisible; }
    UINT GetBarId(void* p) const override { return Bar(p).nID; }
    bool IsStretchBar(void* p) const override { return Bar(p).bStretch; }
    CRect GetBarRect(void* p) const override { return Bar(p).rect; }
    int GetNaturalThickness(void* p) const override { return Bar(p).rect.Height(); }

    static const FakeBar& Bar(void* p) { return *static_cast<FakeBar*>(p); }
};

class SECDockBarArrayTest : public ::testing::Test
{
protected:
    FakeBar* Make(char chName, UINT nID = 0)
    {
        m_bars.push_back(std::make_unique<FakeBar>(FakeBar{chName, nID}));
        return m_bars.back().get();
    }
    // The array as text: '|' for NULL, a bar's letter, '#id' for a placeholder.
    std::string Text() const
    {
        std::string text;
        for (int i = 0; i < m_arr.GetSize(); ++i) {
            void* p = m_arr[i];
            if (!p)
                text += '|';
            else if (SECDockBarArray::IsBar(p))
                text += Entries::Bar(p).chName;
            else
                text += "#" + std::to_string((UINT_PTR)p);
        }
        return text;
    }
    void Set(std::initializer_list<void*> entries)
    {
        m_arr.RemoveAll();
        for (void* p : entries)
            m_arr.Add(p);
    }

    CPtrArray m_arr;
    Entries m_entries;
    SECDockBarArray m_array{m_arr, m_entries, false, false};
    std::vector<std::unique_ptr<FakeBar>> m_bars;
};

TEST_F(SECDockBarArrayTest, InsertBarAtTable)
{
    const struct
    {
        const char* pszWhy;
        SECDockPos pos;
        const char* pszAfter;
        int nIndex;
    } cases[] = {
        {"column 1", {0, 1, 0}, "|AXB|", 2},
        {"past the row's end", {0, 5, 0}, "|ABX|", 3},
        {"before the last bar from the end", {0, 0, DOCKPOS_FROM_ROW_END}, "|AXB|", 2},
        {"last from the end", {0, 1, DOCKPOS_FROM_ROW_END}, "|ABX|", 3},
        {"own row before row 0", {0, 0, DOCKPOS_OWN_ROW}, "|X|AB|", 1},
        {"front of the first row", {-1, 0, 0}, "|XAB|", 1},
        {"new row before the first", {-2, 0, 0}, "|X|AB|", 1},
        {"an empty row, then a new last row", {2, 0, DOCKPOS_FROM_LAST_ROW}, "|AB||X|", 5},
        {"forward past the last row", {1, 0, 0}, "|AB|X|", 4},
        {"backward past the first row", {-1, 0, DOCKPOS_FROM_LAST_ROW}, "|X|AB|", 1},
        {"the last row counted back", {0, 0, DOCKPOS_FROM_LAST_ROW}, "|XAB|", 1},
    };
    for (const auto& c : cases) {
        FakeBar* a = Make('A', 1);
        FakeBar* b = Make('B', 2);
        FakeBar* x = Make('X', 3);
        Set({nullptr, a, b, nullptr});
        std::vector<void*> redraw;
        EXPECT_EQ(c.nIndex, m_array.InsertBarAt(x, c.pos, &redraw)) << c.pszWhy;
        EXPECT_EQ(c.pszAfter, Text()) << c.pszWhy;
        ASSERT_FALSE(redraw.empty());
        EXPECT_EQ(x, redraw[0]);
    }

    Set({nullptr});
    EXPECT_EQ(1, m_array.InsertBarAt(Make('X'), SECDockPos{}));
    EXPECT_EQ("|X|", Text());
}

TEST_F(SECDockBarArrayTest, ColumnsCountVisibleBarsOnly)
{
    FakeBar* a = Make('A');
    FakeBar* h = Make('H');
    h->bVisible = false;
    FakeBar* b = Make('B');
    Set({nullptr, a, h, SECDockBarArray::Placeholder(7), b, nullptr});
    m_array.InsertBarAt(Make('X'), SECDockPos{0, 1, 0});
    EXPECT_EQ("|AH#7XB|", Text());
}

TEST_F(SECDockBarArrayTest, StretchBarsGetARowOfTheirOwn)
{
    FakeBar* a = Make('A');
    FakeBar* b = Make('B');
    FakeBar* s = Make('S');
    s->bStretch = true;
    Set({nullptr, a, b, nullptr});
    EXPECT_EQ(3, m_array.InsertInRow(2, s));
    EXPECT_EQ("|A|S|B|", Text());

    FakeBar* x = Make('X');
    EXPECT_EQ(5, m_array.InsertInRow(4, x));
    EXPECT_EQ("|A|S|X|B|", Text());
    EXPECT_EQ(-1, m_array.InsertAsFirstRow(nullptr));
    EXPECT_EQ(1, m_array.InsertAsFirstRow(Make('F')));
    EXPECT_EQ("|F|A|S|X|B|", Text());
}

TEST_F(SECDockBarArrayTest, DroppedBarsGoWhereTheyFall)
{
    // Two rows on a top dock bar: A B at y 0..26, C at y 30..56.
    FakeBar* a = Make('A', 1);
    a->rect = CRect(0, 0, 100, 26);
    FakeBar* b = Make('B', 2);
    b->rect = CRect(100, 0, 200, 26);
    FakeBar* c = Make('C', 3);
    c->rect = CRect(0, 30, 100, 56);
    const struct
    {
        const char* pszWhy;
        CRect rect;
        const char* pszAfter;
        bool bQuiet;
    } cases[] = {
        {"left of B in the first row", CRect(60, 0, 90, 26), "|AXB|C|#9|", false},
        {"after the last bar of a row", CRect(150, 30, 180, 56), "|AB|CX|#9|", false},
        {"above every row", CRect(0, -40, 50, -20), "|X|AB|C|#9|", false},
        {"between two rows: a new row there", CRect(0, 15, 50, 41), "|AB|X|C|#9|", false},
        {"below every row", CRect(0, 70, 50, 90), "|AB|C|X||", true},
    };
    for (const auto& c_ : cases) {
        Set({nullptr, a, b, nullptr, c, nullptr, SECDockBarArray::Placeholder(9), nullptr});
        FakeBar* x = Make('X', 4);
        std::vector<void*> redraw;
        bool bQuiet = false;
        const CPoint ptMid = c_.rect.CenterPoint();
        const int k = m_array.Insert(x, c_.rect, ptMid, redraw, bQuiet);
        EXPECT_EQ(c_.pszAfter, Text()) << c_.pszWhy;
        EXPECT_EQ(x, m_arr[k]) << c_.pszWhy;
        EXPECT_EQ(c_.bQuiet, bQuiet) << c_.pszWhy;
    }
}

TEST_F(SECDockBarArrayTest, RemovalLeavesOnePlaceholderPerId)
{
    FakeBar* a = Make('A', 5);
    FakeBar* b = Make('B', 0);
    FakeBar* c = Make('C', 7);
    Set({nullptr, a, b, nullptr, c, nullptr});
    std::vector<void*> redraw;
    bool bAlone = true;
    EXPECT_EQ(1, m_array.Remove(a, -1, redraw, bAlone));
    EXPECT_FALSE(bAlone);
    EXPECT_EQ("|#5B|C|", Text());
    EXPECT_EQ(2, m_array.Remove(b, -1, redraw, bAlone));
    EXPECT_EQ("|#5|C|", Text());
    // The id stands already: the entry goes, and with it the empty row.
    Set({nullptr, SECDockBarArray::Placeholder(7), nullptr, c, nullptr});
    EXPECT_EQ(3, m_array.Remove(c, -1, redraw, bAlone));
    EXPECT_TRUE(bAlone);
    EXPECT_EQ("|#7|", Text());
    EXPECT_EQ(-1, m_array.Remove(c, -1, redraw, bAlone));
}

TEST_F(SECDockBarArrayTest, PositionsAndRowQueries)
{
    FakeBar* a = Make('A');
    a->rect = CRect(0, 0, 10, 20);
    FakeBar* h = Make('H');
    h->bVisible = false;
    h->rect = CRect(0, 0, 10, 40);
    FakeBar* b = Make('B');
    b->rect = CRect(0, 0, 10, 30);
    FakeBar* c = Make('C');
    c->rect = CRect(0, 0, 10, 25);
    Set({nullptr, nullptr, a, SECDockBarArray::Placeholder(3), h, b, nullptr, c, nullptr});
    int nRow = -1, nCol = -1, nThickness = -1;
    ASSERT_TRUE(m_array.GetBarPosition(b, &nRow, &nCol, &nThickness));
    EXPECT_EQ(0, nRow);
    EXPECT_EQ(2, nCol);
    EXPECT_EQ(30, nThickness);
    ASSERT_TRUE(m_array.GetBarPosition(c, &nRow, &nCol, &nThickness));
    EXPECT_EQ(1, nRow);
    EXPECT_EQ(0, nCol);
    EXPECT_FALSE(m_array.GetBarPosition(h, &nRow, &nCol, &nThickness));
    EXPECT_FALSE(m_array.GetBarPosition(nullptr, &nRow, &nCol, &nThickness));

    EXPECT_EQ(h, m_array.GetNextBarInRow(3));
    EXPECT_EQ(b, m_array.GetNextVisibleBarInRow(3));
    EXPECT_EQ(a, m_array.GetPrevBarInRow(4));
    EXPECT_EQ(nullptr, m_array.GetNextBarInRow(5));
    EXPECT_EQ(nullptr, m_array.GetFirstBar());
    EXPECT_EQ(1, m_array.FindRowSeparator(1));
    EXPECT_EQ(6, m_array.FindRowSeparator(2));
    EXPECT_EQ(8, m_array.FindRowSeparator(9));
    EXPECT_EQ((std::vector<void*>{a, h, b}), m_array.GetRowBars(h));
}

} // namespace
