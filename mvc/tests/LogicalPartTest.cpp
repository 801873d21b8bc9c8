#include "mvc/MvcLogicalPart.h"

#include <gtest/gtest.h>

namespace {

TEST(VisualComponent, MoveScaleAndOrigins) {
  MvcVisualComponent v;
  v.SetSize(100, 50);
  EXPECT_EQ(CPoint(0, 0), v.Move(10, 0));
  EXPECT_EQ(CRect(10, 0, 100, 50), v.GetBounds());  // right and bottom stay
  v.SetOrigin(0, 0);
  EXPECT_EQ(CPoint(10, 0), v.OffsetOrigin(10, 0));
  EXPECT_EQ(CRect(10, 0, 110, 50), v.GetBounds());
  EXPECT_EQ(CSize(100, 50), v.Scale(1, 2, 1, 2, TRUE));
  EXPECT_EQ(CRect(35, 12, 85, 37), v.GetBounds());
  EXPECT_TRUE(v.PtInBounds(CPoint(35, 12)));
  EXPECT_FALSE(v.PtInBounds(CPoint(85, 20)));
  EXPECT_TRUE(v.IntersectsRect(CRect(80, 30, 90, 40)));
  EXPECT_FALSE(v.IntersectsRect(CRect(85, 30, 90, 40)));
}

TEST(LogicalPart, ZoomPercentReadsBackAsSet) {
  for (int percent : {300, 200, 160, 150, 120, 100, 75, 33, 7, 1000}) {
    MvcLogicalPart part;
    part.SetZoomPercent(percent, percent);
    EXPECT_EQ(CSize(percent, percent), part.GetZoomPercent()) << percent;
  }
}

TEST(LogicalPart, ZoomScalesTheWindowExtentKeepingItsSign) {
  struct Case {
    int percent;
    CSize window, zoomed;
  } cases[] = {
      {200, {1000, 1000}, {500, 500}},
      {100, {1000, -1000}, {1000, -1000}},
      {200, {-1000, -3}, {-500, -1}},  // never 0
      {1000, {1, 1}, {1, 1}},
  };
  for (const Case& c : cases) {
    MvcLogicalPart part;
    part.SetZoomPercent(c.percent, c.percent);
    CSize window = c.window, viewport(1, 1);
    part.Zoom(window, viewport);
    EXPECT_EQ(c.zoomed, window);
  }
}

TEST(LogicalPart, ZoomingOutNeverReachesAZeroOrNegativeScale) {
  MvcLogicalPart part;
  part.ZoomOut(150, 250);
  EXPECT_GT(part.GetScaleX(), 0.0f);
  EXPECT_EQ(CSize(MvcLogicalPart::kMinZoomPercent, MvcLogicalPart::kMinZoomPercent), part.GetZoomPercent());
  part.ZoomIn(49, 9);
  EXPECT_EQ(CSize(50, 10), part.GetZoomPercent());
  part.SetScale(0.0f, -1.0f);  // refused
  EXPECT_EQ(CSize(50, 10), part.GetZoomPercent());
  part.MultiplyScale(0.5f, 1.0f);
  EXPECT_EQ(CSize(100, 10), part.GetZoomPercent());
}

TEST(LogicalPart, LineAndPageScrolling) {
  MvcLogicalPart part;
  part.SetSize(900, 500);
  EXPECT_EQ(CSize(900, 500), part.GetLogicalSize());
  // Default limits are the view itself: nothing to scroll.
  EXPECT_EQ(CRect(0, 0, 900, 500), part.LineScrollForward(0));
  EXPECT_EQ(CPoint(0, 0), part.GetLogicalOrigin());
}

class BigPart : public MvcLogicalPart {
 public:
  CSize GetScrollLimitSize() const override { return m_limit; }
  CSize m_limit{2000, 1000};
};

TEST(LogicalPart, ScrollingIsClampedToTheLimits) {
  BigPart part;
  part.SetSize(900, 500);
  struct Case {
    int which;  // 0 line back, 1 line forward, 2 page back, 3 page forward
    int axis;
    CPoint origin;
  } cases[] = {
      {1, 0, {20, 0}}, {1, 1, {20, 20}}, {3, 0, {920, 20}}, {3, 0, {1100, 20}},
      {3, 1, {1100, 500}}, {0, 1, {1100, 480}}, {2, 0, {200, 480}}, {2, 0, {0, 480}},
  };
  for (const Case& c : cases) {
    switch (c.which) {
      case 0: part.LineScrollBack(c.axis); break;
      case 1: part.LineScrollForward(c.axis); break;
      case 2: part.PageScrollBack(c.axis); break;
      default: part.PageScrollForward(c.axis); break;
    }
    EXPECT_EQ(c.origin, part.GetLogicalOrigin());
  }
  part.CenterOn(1000, 500);
  EXPECT_EQ(CPoint(550, 250), part.GetLogicalOrigin());
  part.m_limit = CSize(500, 200);  // view wider than the limits: left edge wins
  part.ScrollBy(10, 10);
  EXPECT_EQ(CPoint(0, 0), part.GetLogicalOrigin());
}

TEST(LogicalPart, AScrollStepIsNeverZero) {
  BigPart part;
  part.SetSize(30, 10);  // 30/45 and 10/25 truncate to 0
  part.LineScrollForward(0);
  part.LineScrollForward(1);
  EXPECT_EQ(CPoint(1, 1), part.GetLogicalOrigin());
}

TEST(LogicalPart, FixedMapModes) {
  MvcLogicalPart part;
  part.SetSize(100, 80);
  EXPECT_FALSE(part.HasFixedExtents());
  EXPECT_EQ(CSize(1, 1), part.SetWindowExtent(10, 20));
  EXPECT_EQ(CSize(10, 20), part.GetWindowExtent());
  part.SetMapMode(MvcLogicalPart::kMapLoMetric);
  EXPECT_TRUE(part.HasFixedExtents());
  part.SetWindowExtent(5, 5);  // ignored
  EXPECT_EQ(CSize(10, 20), part.GetWindowExtent());
  EXPECT_EQ(-1, part.GetYOrientation());
  EXPECT_LT(part.GetLogicalSize().cy, 0);
}

TEST(LogicalPart, YOrientationFollowsTheExtentSigns) {
  struct Case {
    int window, viewport, orientation;
  } cases[] = {{1, 1, 1}, {-1, 1, -1}, {1, -1, -1}, {-1, -1, 1}};
  for (const Case& c : cases) {
    MvcLogicalPart part;
    part.SetExtents(1, c.window, c.viewport);
    EXPECT_EQ(c.orientation, part.GetYOrientation());
  }
}

TEST(LogicalPart, ConversionsWithoutADeviceContext) {
  MvcLogicalPart part;
  part.SetZoomPercent(200, 200);
  part.SetWindowExtent(1000, 1000);
  part.SetViewportExtent(1000, 1000);
  part.SetLogicalOrigin(100, 50);
  EXPECT_EQ(CPoint(105, 55), part.DPtoLPNoDC(CPoint(10, 10)));
  EXPECT_EQ(CPoint(10, 10), part.LPtoDPNoDC(CPoint(105, 55)));
  part.SetSize(200, 100);
  EXPECT_EQ(CSize(100, 50), part.GetLogicalSize());
  EXPECT_EQ(CSize(100, 50), part.SetLogicalSize(50, 20));
  EXPECT_EQ(CSize(100, 40), part.GetSize());
}

TEST(LogicalPart, PrepareDCExtents) {
  MvcLogicalPart part;
  CSize window, viewport;
  part.ComputeDCExtents(CSize(1, 1), CSize(1, 1), CSize(96, 96), CSize(96, 96), window, viewport);
  EXPECT_EQ(CSize(1, 1), window);
  EXPECT_EQ(CSize(1, 1), viewport);
  part.SetWindowExtent(1000, 1000);
  part.SetViewportExtent(960, 960);
  part.SetZoomPercent(200, 200);
  part.ComputeDCExtents(CSize(1, 1), CSize(1, 1), CSize(96, 96), CSize(600, 600), window, viewport);
  EXPECT_EQ(CSize(500, 500), window);
  EXPECT_EQ(CSize(6000, 6000), viewport);  // 960 * 600 / 96
  EXPECT_EQ(CSize(100, 62), MvcLogicalPart::CorrectForDevice(CSize(16, 10), CSize(96, 96), CSize(600, 600)));
  part.SetMapMode(MvcLogicalPart::kMapLoMetric);  // fixed modes keep the DC's extents uncorrected
  part.ComputeDCExtents(CSize(254, -254), CSize(96, 96), CSize(96, 96), CSize(600, 600), window, viewport);
  EXPECT_EQ(CSize(127, -127), window);
  EXPECT_EQ(CSize(96, 96), viewport);
}

class ParentRecorder : public MvcVisualPart {
 public:
  void InvalidateRect(const CRect& rect, BOOL, BOOL) override { m_rect = rect; }
  CRect m_rect{0, 0, 0, 0};
};

TEST(LogicalPart, InvalidationReachesTheParentInDeviceUnits) {
  ParentRecorder parent;
  MvcLogicalPart part(&parent);
  part.SetSize(300, 200);
  part.SetZoomPercent(50, 50);
  part.SetLogicalOrigin(10, 10);
  part.InvalidateRect(CRect(10, 10, 30, 50));
  EXPECT_EQ(CRect(0, 0, 10, 20), parent.m_rect);
  part.Invalidate();  // its own logical bounds
  EXPECT_EQ(CRect(0, 0, 300, 200), parent.m_rect);
}

}  // namespace
