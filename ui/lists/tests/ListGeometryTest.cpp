#include "ui/lists/ListGeometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Rows of the given heights; counts how many pitches were asked, to show
// that walks stay near the visible rows.
struct Rows {
  explicit Rows(std::vector<int> h) : heights(std::move(h)) {}
  CListRowGeometry Geometry() {
    return CListRowGeometry(static_cast<int>(heights.size()), [this](int i) {
      ++asked;
      return heights[i];
    });
  }
  std::vector<int> heights;
  int asked = 0;
};

TEST(ListGeometry, PagesOfEqualRows) {
  Rows rows(std::vector<int>(10, 20));
  CListRowGeometry g = rows.Geometry();
  EXPECT_EQ(5, g.CountPerPage(0, 100));
  EXPECT_EQ(5, g.CountPerPage(2, 110));
  EXPECT_EQ(7, g.CountPerPage(8, 140));  // the list ends first: rows above count too
  EXPECT_EQ(5, g.LastPageTop(100));
  EXPECT_EQ(4, g.LastVisibleIndex(0, 100));
  EXPECT_EQ(4, g.LastVisibleIndex(0, 110));  // the half row does not count
  EXPECT_EQ(6, g.FirstHiddenIndex(0, 110));
  EXPECT_EQ(2, g.PageUpIndex(7, 100));
  EXPECT_EQ(0, g.PageUpIndex(3, 100));
  EXPECT_EQ(3, g.RowAtY(2, 25));
  EXPECT_EQ(-1, g.RowAtY(8, 40));
  EXPECT_EQ(60, g.RangeHeight(2, 5, FALSE));
  EXPECT_EQ(-80, g.RangeHeight(5, 2, TRUE));
  EXPECT_EQ(3, g.CountRowsInHeight(50, 4, TRUE));
  EXPECT_EQ(2, g.CountRowsInHeight(50, 1, FALSE));
}

TEST(ListGeometry, RowsOfDifferentHeights) {
  Rows rows({10, 50, 10, 10, 30, 10});
  CListRowGeometry g = rows.Geometry();
  EXPECT_EQ(2, g.CountPerPage(0, 60));
  EXPECT_EQ(3, g.LastPageTop(50));  // 10 + 30 + 10 fill it exactly
  EXPECT_EQ(1, g.RowAtY(0, 59));
  EXPECT_EQ(2, g.RowAtY(0, 60));
  EXPECT_EQ(1, g.LastPageTop(1000) + 1);  // all fit: the top stays 0
}

TEST(ListGeometry, RangeVisibilityScrollsAsLittleAsNeeded) {
  Rows rows(std::vector<int>(20, 10));
  CListRowGeometry g = rows.Geometry();
  EXPECT_EQ(3, g.TopToShowRange(3, 50, 4, 6));     // already visible
  EXPECT_EQ(8, g.TopToShowRange(3, 50, 12, 12));   // below: it becomes the last row
  EXPECT_EQ(1, g.TopToShowRange(3, 50, 1, 2));     // above
  EXPECT_EQ(10, g.TopToShowRange(0, 50, 10, 19));  // too long: it starts at the top
}

TEST(ListGeometry, WalksStayNearTheVisibleRows) {
  Rows rows(std::vector<int>(100000, 16));
  CListRowGeometry g = rows.Geometry();
  g.CountPerPage(50000, 400);
  g.LastPageTop(400);
  g.LastVisibleIndex(70000, 400);
  g.TopToShowRange(50000, 400, 50100, 50100);
  EXPECT_LT(rows.asked, 200);
}

TEST(ListGeometry, ColumnResizeKeepsTheMinimum) {
  struct Case {
    const char* name;
    std::vector<int> widths;
    int column, delta;
    bool fit;
    int area;
    std::vector<int> want;
  } cases[] = {
      {"plain widening", {100, 50}, 1, 30, false, 100, {100, 80}},
      {"narrowing stops at the minimum", {100, 50}, 1, -80, false, 300, {100, 5}},
      {"fit: the next column gives", {100, 50, 50}, 1, 20, true, 200, {100, 70, 30}},
      {"fit: excess comes from column 0, not below the minimum", {20, 50, 50}, 1, 200, true, 120, {5, 110, 5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.want, ResizeColumnWidths(c.widths, c.column, c.delta, c.fit, c.area));
  }
  EXPECT_EQ((std::vector<int>{5, 60, 40}), FitColumnWidths({90, 60, 40}, 0, 90));
  EXPECT_EQ((std::vector<int>{200, 60}), FitColumnWidths({90, 60}, 0, 260));
}

}  // namespace
