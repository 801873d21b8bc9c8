#include "framework/Portable.h"
#include "framework/BarLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Bars are written as letters, row ends as '|', placeholders as digits.
void* Bar(char c) { return (void*)(UINT_PTR)(0x10000 + (unsigned char)c); }

void Parse(const std::string& s, CPtrArray& arr)
{
    arr.RemoveAll();
    for (char c : s) {
        if (c == '|')
            arr.Add(nullptr);
        else if (c >= '0' && c <= '9')
            arr.Add(DockArray::Placeholder((UINT)(c - '0' + 1)));
        else
            arr.Add(Bar(c));
    }
}

std::string Show(const CPtrArray& arr)
{
    std::string s;
    for (int i = 0; i < arr.GetSize(); i++) {
        void* p = arr[i];
        if (p == nullptr)
            s += '|';
        else if (DockArray::IsPlaceholder(p))
            s += (char)('0' + (UINT_PTR)p - 1);
        else
            s += (char)((UINT_PTR)p - 0x10000);
    }
    return s;
}

} // namespace

TEST(BarLayoutTest, BarTakesTheStripOfItsSide)
{
    struct Case
    {
        DWORD dwStyle;
        CRect rcBar, rcFreeAfter;
        CSize sizeTotal;
    } cases[] = {
        {CBRS_ALIGN_TOP, CRect(0, 0, 300, 20), CRect(0, 20, 400, 300), CSize(300, 20)},
        {CBRS_ALIGN_BOTTOM, CRect(0, 280, 300, 300), CRect(0, 0, 400, 280), CSize(300, 20)},
        {CBRS_ALIGN_LEFT, CRect(0, 0, 300, 20), CRect(300, 0, 400, 300), CSize(300, 20)},
        {CBRS_ALIGN_RIGHT, CRect(100, 0, 400, 20), CRect(0, 0, 100, 300), CSize(300, 20)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dwStyle);
        RECT rcFree = {0, 0, 400, 300};
        SIZE total = {0, 0};
        EXPECT_EQ(c.rcBar, TakeBarStrip(rcFree, total, c.dwStyle, CSize(300, 20)));
        EXPECT_EQ(c.rcFreeAfter, CRect(rcFree));
        EXPECT_EQ(c.sizeTotal, CSize(total));
    }
    // A bar asking for more than is free gets what is free; no side, nothing.
    RECT rcFree = {0, 0, 400, 10};
    SIZE total = {0, 0};
    EXPECT_EQ(CRect(0, 0, 400, 10), TakeBarStrip(rcFree, total, CBRS_TOP, CSize(32767, 25)));
    EXPECT_EQ(CRect(0, 10, 400, 10), CRect(rcFree));
    EXPECT_TRUE(TakeBarStrip(rcFree, total, 0, CSize(5, 5)).IsRectNull());
}

TEST(BarLayoutTest, RemovingBarsKeepsPlaceholdersAndDropsEmptyRows)
{
    struct Case
    {
        const char* before;
        char bar;
        UINT nPlaceholder;
        const char* after;
    } cases[] = {
        {"|ab|c|", 'a', 0, "|b|c|"},
        {"|ab|c|", 'c', 0, "|ab|"},         // the last row goes
        {"|a|c|", 'a', 0, "|c|"},           // the first row goes
        {"|ab|c|", 'c', 3, "|ab|2|"},       // the place stays for bar 3
        {"|a|", 'a', 0, ""},                // nothing left at all
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        CPtrArray arr;
        Parse(c.before, arr);
        DockArray::RemoveAt(arr, DockArray::Find(arr, Bar(c.bar)), c.nPlaceholder);
        EXPECT_EQ(c.after, Show(arr));
    }
}

TEST(BarLayoutTest, InsertingOpensRowsAtRowStarts)
{
    CPtrArray arr;
    Parse("|ab|c|", arr);
    DockArray::InsertRow(arr, 4, Bar('x'));    // before row "c"
    EXPECT_EQ("|ab|x|c|", Show(arr));
    DockArray::InsertRow(arr, 2, Bar('y'));    // inside a row: after it
    EXPECT_EQ("|ab|y|x|c|", Show(arr));
    DockArray::InsertInRow(arr, 2, Bar('z'));
    EXPECT_EQ("|azb|y|x|c|", Show(arr));
    CPtrArray empty;
    DockArray::InsertRow(empty, 0, Bar('q'));
    EXPECT_EQ("|q|", Show(empty));
    EXPECT_EQ(1, DockArray::RowStart(arr, 3));
    EXPECT_EQ(4, DockArray::RowEnd(arr, 2));
    EXPECT_EQ(6, DockArray::CountBars(arr));
}

namespace {

// Two rows of a top dock bar, 20 pixels each: "a" and "b" in the first,
// "c" in the second.
std::vector<DockItem> TwoRows()
{
    std::vector<DockItem> items(7);
    items[0].bRowEnd = true;
    items[1] = {false, true, CRect(0, 0, 100, 20), CSize(100, 20)};
    items[2] = {false, true, CRect(100, 0, 200, 20), CSize(100, 20)};
    items[3].bRowEnd = true;
    items[4] = {false, true, CRect(0, 20, 100, 40), CSize(100, 20)};
    items[5].bRowEnd = true;
    items[6].bRowEnd = true;
    return items;
}

} // namespace

TEST(BarLayoutTest, DropPlaceFollowsThePoint)
{
    struct Case
    {
        CPoint pt;
        int nIndex;
        bool bNewRow;
    } cases[] = {
        {CPoint(50, -5), 1, true},     // above the first row
        {CPoint(50, 2), 1, true},      // its top quarter: a row above it
        {CPoint(50, 10), 2, false},    // in row 1, before "b"
        {CPoint(150, 10), 3, false},   // in row 1, after "b"
        {CPoint(50, 18), 4, true},     // between the rows: a new row there
        {CPoint(50, 22), 4, true},     // the same boundary from below
        {CPoint(150, 30), 5, false},   // row 2, after "c"
        {CPoint(50, 60), 6, true},     // below everything
    };
    std::vector<DockItem> items = TwoRows();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pt.x << "," << c.pt.y);
        DropPlace place = FindDropPlace(items, CAxis::Horizontal(), c.pt);
        EXPECT_EQ(c.nIndex, place.nIndex);
        EXPECT_EQ(c.bNewRow, place.bNewRow);
    }
}

TEST(BarLayoutTest, RowsStackAndBarsKeepTheirPlaceInTheRow)
{
    std::vector<DockItem> items = TwoRows();
    items[2].rect = CRect(150, 0, 250, 20);    // dropped further right
    items[4].size = CSize(80, 30);             // a thicker row
    CSize used = LayoutDockRows(items, CAxis::Horizontal(), 300);
    EXPECT_EQ(CRect(0, 0, 100, 20), items[1].rect);
    EXPECT_EQ(CRect(150, 0, 250, 20), items[2].rect);
    EXPECT_EQ(CRect(0, 20, 80, 50), items[4].rect);
    EXPECT_EQ(CSize(250, 50), used);

    // A bar past the end comes back, but not over its neighbour.
    items = TwoRows();
    items[2].rect = CRect(280, 0, 380, 20);
    LayoutDockRows(items, CAxis::Horizontal(), 300);
    EXPECT_EQ(CRect(200, 0, 300, 20), items[2].rect);
    LayoutDockRows(items, CAxis::Horizontal(), 150);
    EXPECT_EQ(CRect(100, 0, 200, 20), items[2].rect);

    // A left dock bar: the rows are columns.
    items = TwoRows();
    for (DockItem& item : items)
        item.rect = CAxis::TransposeRect(item.rect), item.size = CSize(item.size.cy, item.size.cx);
    used = LayoutDockRows(items, CAxis::Vertical(), 300);
    EXPECT_EQ(CRect(0, 100, 20, 200), items[2].rect);
    EXPECT_EQ(CRect(20, 0, 40, 100), items[4].rect);
    EXPECT_EQ(CSize(40, 200), used);
}

TEST(BarLayoutTest, HiddenBarsAndEmptyRowsTakeNoSpace)
{
    std::vector<DockItem> items = TwoRows();
    items[1].bVisible = items[2].bVisible = false;
    CSize used = LayoutDockRows(items, CAxis::Horizontal(), 300);
    EXPECT_EQ(CRect(0, 0, 100, 20), items[4].rect);
    EXPECT_EQ(CSize(100, 20), used);
    DropPlace place = FindDropPlace(items, CAxis::Horizontal(), CPoint(10, 10));
    EXPECT_EQ(5, place.nIndex);
    EXPECT_FALSE(place.bNewRow);
}
