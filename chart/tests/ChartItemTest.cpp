#include "framework/Portable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "chart/VikaCableItem.h"
#include "chart/VikaChartItem.h"
#include "chart/tests/ChartTestFiles.h"
#include "design/ElectrodeLayout.h"
#include "design/VikaAddressMap.h"

namespace {

const double kRoot2 = std::sqrt(2.0);

class ChartItemTest : public ::testing::Test {
 protected:
  // Wenner A, spacing factor 2, roll-along 8 electrodes, 16 electrodes on
  // cables of 8 takeouts.
  std::unique_ptr<ElectrodeLayout> layout = CreateElectrodeLayout(1);
  std::unique_ptr<CVikaAddressMap> map{charttest::MakeAddressMap(8, 2, 8, 16)};

  CVikaChartItem Make(DWORD state, int a = 1, int b = 4, int m = 2, int n = 3) {
    const ChartItemSource src = {a, b, m, n, 1, 7};
    return CVikaChartItem(layout.get(), map.get(), src, state, 12.0, 12.0);
  }
};

TEST_F(ChartItemTest, PlacementBySection) {
  struct Case {
    DWORD section;
    double x;
    RECT box;
  } cases[] = {
      {kSectionOrg, 3.0, {249, 60, 255, 66}},
      {kSectionUp, 19.0, {441, 60, 447, 66}},
      {kSectionDwn, -13.0, {57, 60, 63, 66}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.section);
    CVikaChartItem item = Make(c.section | kStateEnabled);
    EXPECT_DOUBLE_EQ(c.x, item.GetX());
    EXPECT_DOUBLE_EQ(2.0 / kRoot2, item.GetDepth());
    EXPECT_DOUBLE_EQ(6.0, item.GetSpan());
    EXPECT_EQ(c.box.left, item.m_rcBox.left);
    EXPECT_EQ(c.box.top, item.m_rcBox.top);
    EXPECT_EQ(c.box.right, item.m_rcBox.right);
    EXPECT_EQ(c.box.bottom, item.m_rcBox.bottom);
    EXPECT_TRUE(item.m_bPlaced);
    EXPECT_EQ(7, item.m_nLine);
    EXPECT_DOUBLE_EQ(1.0, item.GetSpacing());
  }
}

TEST_F(ChartItemTest, ItemWithoutDepthIsNotPlaced) {
  // All four electrodes absent: no pseudo-depth.
  CVikaChartItem item = Make(kSectionDwn, 0, 0, 0, 0);
  EXPECT_FALSE(item.m_bPlaced);
}

TEST_F(ChartItemTest, StateTexts) {
  const char* texts[] = {"(Undefined)", "ORG", "UP", "ORG+UP", "DWN",
                         "ORG+DWN", "(Undefined)", "ALL"};
  for (DWORD state = 0; state < 8; ++state) {
    CVikaChartItem item;
    item.m_dwState = state | kStateEnabled;
    CString text;
    EXPECT_STREQ(texts[state], item.GetStateText(text)) << state;
  }
}

TEST_F(ChartItemTest, MapQueriesForAbsentElectrodes) {
  CVikaChartItem item = Make(kSectionOrg);
  EXPECT_EQ(10, item.GetRelayAddress(10));
  EXPECT_EQ(2, item.GetCable(10));
  EXPECT_EQ(2, item.GetTakeout(10));
  for (int electrode : {0, -1, 17}) {
    EXPECT_EQ(-1, item.GetRelayAddress(electrode));
    EXPECT_EQ(-1, item.GetCable(electrode));
    EXPECT_EQ(-1, item.GetTakeout(electrode));
  }
}

TEST_F(ChartItemTest, SamePlaceWithinTolerance) {
  struct Case {
    double dx, dDepth;
    bool same;
  } cases[] = {{0.1, 0.0, true},     {0.1001, 0.0, false}, {0.0, 0.1, true},
               {-0.1, -0.1, true},   {0.0, -0.1001, false}};
  for (const Case& c : cases) {
    CVikaChartItem a, b;
    b.m_dX = c.dx;
    b.m_dDepth = c.dDepth;
    EXPECT_EQ(c.same, a.IsSamePlace(&b) != FALSE) << c.dx << " " << c.dDepth;
    EXPECT_EQ(c.same, b.IsSamePlace(&a) != FALSE);
  }
}

TEST_F(ChartItemTest, DuplicateLinksAreKeptInPairs) {
  CVikaChartItem a, b, c;
  a.AddDuplicate(&b);
  b.AddDuplicate(&a);
  a.AddDuplicate(&c);
  c.AddDuplicate(&a);
  EXPECT_EQ(NULL, b.RemoveDuplicate(&c));
  EXPECT_EQ(&b, a.RemoveDuplicate(&b));
  EXPECT_EQ(NULL, b.GetDuplicates());
  ASSERT_NE(nullptr, a.GetDuplicates());
  EXPECT_EQ(1, a.GetDuplicates()->GetSize());
  {
    CVikaChartItem d;
    d.AddDuplicate(&a);
    a.AddDuplicate(&d);
  }  // d's destruction unlinks it from a
  EXPECT_EQ(1, a.GetDuplicates()->GetSize());
  a.ClearDuplicates();
  EXPECT_EQ(NULL, a.GetDuplicates());
  EXPECT_EQ(NULL, c.GetDuplicates());
}

TEST_F(ChartItemTest, CopiesEveryFieldButTheLinks) {
  CVikaChartItem source = Make(kSectionUp | kStateEnabled);
  CVikaChartItem other;
  source.AddDuplicate(&other);
  other.AddDuplicate(&source);

  CVikaChartItem copy(source);
  EXPECT_TRUE(copy == source);
  EXPECT_DOUBLE_EQ(source.GetSpan(), copy.GetSpan());
  EXPECT_DOUBLE_EQ(source.GetX(), copy.GetX());
  EXPECT_DOUBLE_EQ(source.GetDepth(), copy.GetDepth());
  EXPECT_EQ(source.m_bPlaced, copy.m_bPlaced);
  EXPECT_EQ(source.m_nChannel, copy.m_nChannel);
  EXPECT_EQ(source.m_nLine, copy.m_nLine);
  EXPECT_EQ(source.m_dwState, copy.m_dwState);
  EXPECT_EQ(source.m_rcBox.left, copy.m_rcBox.left);
  EXPECT_EQ(NULL, copy.GetDuplicates());

  // Equality ignores the enabled bit, channel and line, not the section.
  copy.m_dwState &= ~kStateEnabled;
  copy.m_nChannel = 3;
  EXPECT_TRUE(copy == source);
  copy.m_dwState = kSectionOrg;
  EXPECT_FALSE(copy == source);
}

TEST_F(ChartItemTest, CompareByKeys) {
  CVikaChartItem low = Make(kSectionOrg, 1, 4, 2, 3);
  CVikaChartItem high = Make(kSectionUp, 2, 8, 4, 6);  // spacing 2
  struct Case {
    DWORD key;
    int expected;
  } cases[] = {
      {SortSpec::kC1, -1},
      {SortSpec::kC1 | SortSpec::kDescending, 1},
      {SortSpec::kSpacing, -1},
      {SortSpec::kSection, -1},
      {SortSpec::kLevel, 0},
      {SortSpec::kDescending, 0},  // no code: equal
      {SortSpec::kC1 | SortSpec::kSection, -1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.expected, low.CompareBy(&high, c.key)) << c.key;
  const SortSpec empty = {0, {SortSpec::kC1, 0, 0}};
  EXPECT_EQ(0, low.Compare(&high, &empty));
  const SortSpec second = {2, {SortSpec::kLevel, SortSpec::kP2, 0}};
  EXPECT_EQ(-1, low.Compare(&high, &second));
}

TEST_F(ChartItemTest, TakeoutPlacementBySection) {
  struct Case {
    DWORD section;
    double x;
    RECT box;
  } cases[] = {
      {kSectionOrg, 4.0, {252, 33, 276, 40}},
      {kSectionUp, 20.0, {444, 43, 468, 50}},
      {kSectionDwn, -12.0, {60, 23, 84, 30}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.section);
    CVikaCableItem takeout(map.get(), 3, 1, 3, c.section, 12.0, 12.0);
    EXPECT_TRUE(takeout.IsEnabled());
    EXPECT_DOUBLE_EQ(c.x, takeout.GetX());
    EXPECT_EQ(c.box.left, takeout.m_rcBox.left);
    EXPECT_EQ(c.box.top, takeout.m_rcBox.top);
    EXPECT_EQ(c.box.right, takeout.m_rcBox.right);
    EXPECT_EQ(c.box.bottom, takeout.m_rcBox.bottom);
    takeout.SetEnabled(2);
    EXPECT_FALSE(takeout.IsEnabled());
    CVikaCableItem copy(takeout);
    EXPECT_TRUE(copy == takeout);
  }
}

// An address file may hold any roll-along: products that leave the int
// range neither overflow nor wrap the box round to the other side.
TEST_F(ChartItemTest, TakeoutOfAHugeRollAlong) {
  map->m_nFactor = 3;
  map->m_nXMove = 2000000000u;
  CVikaCableItem up(map.get(), 1, 1, 1, kSectionUp, 12.0, 12.0);
  EXPECT_DOUBLE_EQ(6e9, up.GetX());
  EXPECT_GT(up.m_rcBox.left, 0);
  EXPECT_LE(up.m_rcBox.left, up.m_rcBox.right);
  CVikaCableItem dwn(map.get(), 1, 1, 1, kSectionDwn, 12.0, 12.0);
  EXPECT_DOUBLE_EQ(-6e9, dwn.GetX());
}

}  // namespace
