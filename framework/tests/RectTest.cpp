#include "framework/Portable.h"

#include <gtest/gtest.h>

TEST(RectTest, SizesCornersAndCentre) {
  CRect r(10, 20, 110, 70);
  EXPECT_EQ(100, r.Width());
  EXPECT_EQ(50, r.Height());
  EXPECT_EQ(CSize(100, 50), r.Size());
  EXPECT_EQ(CPoint(10, 20), r.TopLeft());
  EXPECT_EQ(CPoint(110, 70), r.BottomRight());
  EXPECT_EQ(CPoint(60, 45), r.CenterPoint());
  r.TopLeft() = CPoint(0, 0);
  EXPECT_EQ(CRect(0, 0, 110, 70), r);
  EXPECT_EQ(CRect(5, 6, 8, 10), CRect(CPoint(5, 6), CSize(3, 4)));
}

TEST(RectTest, EmptyNullAndHitTesting) {
  EXPECT_TRUE(CRect().IsRectNull());
  EXPECT_TRUE(CRect().IsRectEmpty());
  EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
  EXPECT_TRUE(CRect(9, 0, 5, 9).IsRectEmpty());
  EXPECT_FALSE(CRect(5, 5, 5, 9).IsRectNull());
  CRect r(0, 0, 10, 10);
  EXPECT_TRUE(r.PtInRect(CPoint(0, 0)));
  EXPECT_TRUE(r.PtInRect(CPoint(9, 9)));
  EXPECT_FALSE(r.PtInRect(CPoint(10, 5)));   // right edge excluded
  EXPECT_FALSE(r.PtInRect(CPoint(5, 10)));   // bottom edge excluded
}

TEST(RectTest, InflateDeflateOffsetNormalize) {
  CRect r(10, 10, 20, 20);
  r.InflateRect(2, 3);
  EXPECT_EQ(CRect(8, 7, 22, 23), r);
  r.DeflateRect(2, 3);
  EXPECT_EQ(CRect(10, 10, 20, 20), r);
  r.InflateRect(1, 2, 3, 4);
  EXPECT_EQ(CRect(9, 8, 23, 24), r);
  r.OffsetRect(-9, -8);
  EXPECT_EQ(CRect(0, 0, 14, 16), r);
  CRect flipped(30, 40, 10, 20);
  flipped.NormalizeRect();
  EXPECT_EQ(CRect(10, 20, 30, 40), flipped);
  EXPECT_EQ(CRect(1, 2, 15, 18), r + CPoint(1, 2));
  EXPECT_EQ(CRect(-1, -2, 13, 14), r - CSize(1, 2));
}

TEST(RectTest, IntersectAndUnion) {
  CRect a(0, 0, 10, 10);
  CRect b(5, 5, 15, 15);
  CRect c;
  EXPECT_TRUE(c.IntersectRect(a, b));
  EXPECT_EQ(CRect(5, 5, 10, 10), c);
  EXPECT_FALSE(c.IntersectRect(a, CRect(10, 0, 20, 10)));   // touching only
  EXPECT_TRUE(c.IsRectNull());
  EXPECT_TRUE(c.UnionRect(a, b));
  EXPECT_EQ(CRect(0, 0, 15, 15), c);
  EXPECT_TRUE(c.UnionRect(a, CRect()));
  EXPECT_EQ(a, c);
  EXPECT_EQ(CRect(5, 5, 10, 10), a & b);
  EXPECT_EQ(CRect(0, 0, 15, 15), a | b);
  CRect d = a;
  d &= b;
  EXPECT_EQ(CRect(5, 5, 10, 10), d);
  d |= CRect(0, 0, 1, 1);
  EXPECT_EQ(CRect(0, 0, 10, 10), d);
  LPCRECT p = d;
  EXPECT_EQ(10, p->right);
}

TEST(RectTest, PointAndSizeArithmetic) {
  CPoint p(3, 4);
  p.Offset(1, 1);
  EXPECT_EQ(CPoint(4, 5), p);
  EXPECT_EQ(CPoint(6, 8), p + CSize(2, 3));
  EXPECT_EQ(CSize(1, 2), CPoint(4, 5) - CPoint(3, 3));
  EXPECT_EQ(CPoint(-4, -5), -p);
  // From a message's lParam: signed 16-bit words.
  EXPECT_EQ(CPoint(-1, 2), CPoint((DWORD)MAKELONG(0xFFFF, 2)));
  EXPECT_EQ(CSize(5, 7), CSize(2, 3) + CSize(3, 4));
  EXPECT_EQ(CSize(-1, -1), CSize(2, 3) - CSize(3, 4));
  EXPECT_TRUE(CSize(1, 1) != CSize(1, 2));
}

// One table for both orientations: what each axis reads from the same
// rect, point and size, and what it builds back.
TEST(AxisTest, ReadsAndBuildsAlongAndAcross) {
  const CRect rc(10, 20, 110, 70);
  const CPoint pt(3, 4);
  const CSize size(30, 40);
  struct Row {
    CAxis axis;
    int majorStart, majorEnd, minorStart, minorEnd, majorExtent, minorExtent;
    int ptMajor, ptMinor, sizeMajor, sizeMinor;
    CRect transposed;
  };
  const Row rows[] = {
      {CAxis::Horizontal(), 10, 110, 20, 70, 100, 50, 3, 4, 30, 40, CRect(10, 20, 110, 70)},
      {CAxis::Vertical(), 20, 70, 10, 110, 50, 100, 4, 3, 40, 30, CRect(20, 10, 70, 110)},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.axis.IsVertical() ? "vertical" : "horizontal");
    const CAxis& a = row.axis;
    EXPECT_EQ(row.majorStart, a.MajorStart(rc));
    EXPECT_EQ(row.majorEnd, a.MajorEnd(rc));
    EXPECT_EQ(row.minorStart, a.MinorStart(rc));
    EXPECT_EQ(row.minorEnd, a.MinorEnd(rc));
    EXPECT_EQ(row.majorExtent, a.MajorExtent(rc));
    EXPECT_EQ(row.minorExtent, a.MinorExtent(rc));
    EXPECT_EQ(row.ptMajor, a.Major(pt));
    EXPECT_EQ(row.ptMinor, a.Minor(pt));
    EXPECT_EQ(row.sizeMajor, a.Major(size));
    EXPECT_EQ(row.sizeMinor, a.Minor(size));
    // Building from the parts read gives the original back.
    EXPECT_EQ(rc, a.MakeRect(a.MajorStart(rc), a.MinorStart(rc), a.MajorEnd(rc), a.MinorEnd(rc)));
    EXPECT_EQ(pt, a.MakePoint(a.Major(pt), a.Minor(pt)));
    EXPECT_EQ(size, a.MakeSize(a.Major(size), a.Minor(size)));
    EXPECT_EQ(row.transposed, a.Transpose(rc));
    EXPECT_EQ(rc, a.Transpose(a.Transpose(rc)));
    EXPECT_EQ(pt, a.Transpose(a.Transpose(pt)));
    // Across swaps the roles.
    EXPECT_EQ(a.MinorExtent(rc), a.Across().MajorExtent(rc));
    EXPECT_EQ(a.Major(pt), a.Across().Minor(pt));
  }
}
