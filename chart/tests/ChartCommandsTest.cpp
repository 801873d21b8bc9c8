#include "framework/Portable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/ChartBarLayout.h"
#include "chart/ChartCommands.h"
#include "chart/ChartPartGrid.h"
#include "chart/ChartPrintLayout.h"
#include "chart/ChartTexts.h"
#include "chart/VikaChartModel.h"
#include "chart/tests/ChartTestFiles.h"
#include "design/ElectrodeLayout.h"
#include "design/VikaAddressMap.h"

namespace {

const DWORD kOrgOn = kSectionOrg | kStateEnabled;

TEST(ChartPartGridTest, QueryAndHit) {
  ChartPartGrid grid(10);
  grid.Insert(0, RECT{0, 0, 100, 5});  // a wide row crossing many cells
  grid.Insert(1, RECT{20, 20, 26, 26});
  grid.Insert(2, RECT{22, 22, 28, 28});  // overlaps 1
  grid.Insert(3, RECT{-40, -40, -34, -34});
  std::vector<int> ids;
  grid.Query(RECT{0, 0, 1000, 1000}, ids);
  EXPECT_EQ((std::vector<int>{0, 1, 2}), ids);
  grid.Query(RECT{26, 26, 30, 30}, ids);  // 1's right edge is outside
  EXPECT_EQ((std::vector<int>{2}), ids);
  grid.Query(RECT{-50, -50, -30, -30}, ids);
  EXPECT_EQ((std::vector<int>{3}), ids);
  grid.Query(RECT{200, 200, 300, 300}, ids);
  EXPECT_TRUE(ids.empty());

  const struct {
    POINT pt;
    int id;
  } hits[] = {{{23, 23}, 1}, {{27, 27}, 2},  {{26, 20}, -1},
              {{99, 4}, 0},  {{100, 4}, -1}, {{-35, -35}, 3}};
  for (const auto& hit : hits)
    EXPECT_EQ(hit.id, grid.FindAt(hit.pt)) << hit.pt.x << "," << hit.pt.y;
}

// Boxes a billion pixels apart, one box as wide as that and an area of
// that size: every call visits no more cells than there are boxes.
TEST(ChartPartGridTest, FarApartBoxesAndHugeAreas) {
  ChartPartGrid grid(32);
  grid.Insert(0, RECT{0, 55, 6, 61});
  grid.Insert(1, RECT{999999997, 848000, 1000000003, 848006});
  grid.Insert(2, RECT{-1000000000, 0, 1000000000, 10});  // spans them all
  grid.Insert(3, RECT{40, 60, 46, 66});
  std::vector<int> ids;
  grid.Query(RECT{-2000000000, -2000000000, 2000000000, 2000000000}, ids);
  EXPECT_EQ((std::vector<int>{0, 1, 2, 3}), ids);
  grid.Query(RECT{0, 0, 1000, 700}, ids);
  EXPECT_EQ((std::vector<int>{0, 2, 3}), ids);
  grid.Query(RECT{999999990, 847990, 1000000010, 848010}, ids);
  EXPECT_EQ((std::vector<int>{1}), ids);
  EXPECT_EQ(1, grid.FindAt(POINT{1000000000, 848003}));
  EXPECT_EQ(2, grid.FindAt(POINT{500000, 5}));
  EXPECT_EQ(0, grid.FindAt(POINT{3, 58}));
  EXPECT_EQ(-1, grid.FindAt(POINT{500000, 500}));
}

// Wenner A on 16 electrodes, cables of 8: items in ORG and UP.
class ChartCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    model.Attach(CreateElectrodeLayout(1),
                 charttest::MakeAddressMap(8, 1, 8, 16));
  }
  CVikaChartItem* Add(int x, int a, DWORD state, double px, double depth) {
    CVikaChartItem* item =
        model.AddItem({x, x + 3 * a, x + a, x + 2 * a, 1, ++line}, state);
    item->m_dX = px;
    item->m_dDepth = depth;
    return item;
  }
  std::vector<int> Enabled() {
    std::vector<int> lines;
    for (int i = 0; i < model.GetItems().GetSize(); ++i) {
      if (model.GetItems()[i]->IsEnabled())
        lines.push_back(model.GetItems()[i]->m_nLine);
    }
    return lines;
  }
  std::vector<int> Order() {
    std::vector<int> lines;
    for (int i = 0; i < model.GetItems().GetSize(); ++i)
      lines.push_back(model.GetItems()[i]->m_nLine);
    return lines;
  }
  CVikaCableItem* Takeout(DWORD section, int electrode) {
    CVikaCableItemArray& takeouts = model.GetTakeouts();
    for (int i = 0; i < takeouts.GetSize(); ++i) {
      if (takeouts[i]->GetSection() == section &&
          takeouts[i]->m_nElectrode == electrode)
        return takeouts[i];
    }
    return NULL;
  }
  CVikaChartModel model;
  int line = 0;
};

TEST_F(ChartCommandsTest, TakeoutEnablingFollowsTheMeasurements) {
  Add(1, 1, kOrgOn, 2.5, 1);  // electrodes 1..4
  Add(5, 1, kOrgOn, 6.5, 1);  // 5..8
  model.ScanProtocolData();
  CVikaCableItem* used = Takeout(kSectionOrg, 2);
  ASSERT_NE(nullptr, used);
  EXPECT_EQ(1, ChartCommands::EnableTakeout(model, *used, FALSE));
  EXPECT_EQ((std::vector<int>{2}), Enabled());
  EXPECT_FALSE(used->IsEnabled());
  EXPECT_EQ(1, ChartCommands::EnableTakeout(model, *used, TRUE));
  EXPECT_EQ((std::vector<int>{1, 2}), Enabled());
  EXPECT_TRUE(used->IsEnabled());

  // No UP measurement uses the UP takeout: nothing changes.
  CVikaCableItem* unused = Takeout(kSectionUp, 2);
  ASSERT_NE(nullptr, unused);
  const BOOL before = unused->IsEnabled();
  EXPECT_EQ(0, ChartCommands::EnableTakeout(model, *unused, !before));
  EXPECT_EQ(before, unused->IsEnabled());
  EXPECT_EQ((std::vector<int>{1, 2}), Enabled());
}

TEST_F(ChartCommandsTest, ItemStatesAlongADepthLevel) {
  // Seven items at depth 1 given out of midpoint order, one at depth 2.
  const double xs[] = {7, 1, 3, 2, 5, 4, 6};
  std::vector<CVikaChartItem*> level;
  for (double x : xs) level.push_back(Add(1, 1, kOrgOn, x, 1));
  CVikaChartItem* deeper = Add(1, 2, kOrgOn, 4, 2);
  const std::vector<int> order = Order();

  // Clicked the item at x = 4 (4th by midpoint); skip 2 = step 3 gives
  // x = 1, 4 and 7, counted both ways from it.
  EXPECT_EQ(3, ChartCommands::SetItemStates(model, *level[5], TRUE, TRUE, TRUE,
                                            TRUE, 3, FALSE));
  EXPECT_EQ((std::vector<int>{3, 4, 5, 7, 8}), Enabled());
  EXPECT_EQ(order, Order()) << "the user's order is kept";
  EXPECT_TRUE(model.IsModified());

  // Step 1 changes every listed item; the other level is left alone.
  EXPECT_EQ(7, ChartCommands::SetItemStates(model, *level[0], TRUE, FALSE, TRUE,
                                            FALSE, 1, FALSE));
  EXPECT_EQ((std::vector<int>{8}), Enabled());
  EXPECT_TRUE(deeper->IsEnabled());

  // The clicked item's section not chosen: nothing changes.
  EXPECT_EQ(0, ChartCommands::SetItemStates(model, *level[0], TRUE, TRUE, FALSE,
                                            TRUE, 1, TRUE));
  EXPECT_EQ((std::vector<int>{8}), Enabled());
}

TEST_F(ChartCommandsTest, LayoutToggledTwiceIsTheOriginal) {
  CVikaChartItem* item = Add(1, 1, kOrgOn, 2.5, 1);  // A=1 B=4 M=2 N=3
  EXPECT_FALSE(model.GetProperties().m_bReciprocalLayout);
  EXPECT_TRUE(ChartCommands::ToggleLayout(model));
  EXPECT_EQ((std::vector<int>{2, 3, 1, 4}),
            (std::vector<int>{item->m_nA, item->m_nB, item->m_nM, item->m_nN}));
  EXPECT_TRUE(model.GetProperties().m_bReciprocalLayout);
  EXPECT_TRUE(ChartCommands::ToggleLayout(model));
  EXPECT_EQ((std::vector<int>{1, 4, 2, 3}),
            (std::vector<int>{item->m_nA, item->m_nB, item->m_nM, item->m_nN}));

  // Already in the wanted orientation, or no items: only the setting flips.
  std::swap(item->m_nA, item->m_nM);
  std::swap(item->m_nB, item->m_nN);
  EXPECT_FALSE(ChartCommands::ToggleLayout(model));
  EXPECT_EQ(2, item->m_nA);
  CVikaChartModel empty;
  EXPECT_FALSE(ChartCommands::ToggleLayout(empty));
  EXPECT_TRUE(empty.GetProperties().m_bReciprocalLayout);
  empty.GetProperties().m_bReciprocalLayout = 0;  // the profile keeps it
}

TEST(ChartSortSpecTest, BoxesAreCompacted) {
  const struct {
    int sel[3];
    int dir[3];
    SortSpec want;
  } cases[] = {
      {{6, 0, 0},
       {1, 0, 0},
       {1, {SortSpec::kDepth | SortSpec::kDescending, 0, 0}}},
      {{1, 0, 5},
       {0, 0, 1},
       {2, {SortSpec::kC1, SortSpec::kMidpoint | SortSpec::kDescending, 0}}},
      {{0, 0, 0}, {1, 1, 1}, {0, {0, 0, 0}}},
      {{8, 7, 3},
       {0, 1, 0},
       {3,
        {SortSpec::kLevel, SortSpec::kSpacing | SortSpec::kDescending,
         SortSpec::kP1}}},
  };
  for (const auto& c : cases) {
    const SortSpec spec = ChartCommands::MakeSortSpec(c.sel, c.dir);
    EXPECT_EQ(c.want.nCount, spec.nCount);
    for (int k = 0; k < 3; ++k)
      EXPECT_EQ(c.want.dwKeys[k], spec.dwKeys[k]) << k;
  }
}

TEST(ChartZoomTest, FactorsAndCentre) {
  float fx = 0, fy = 0;
  ChartCommands::ZoomFactors(ChartCommands::kZoomIn, SIZE{0, 0}, fx, fy);
  EXPECT_FLOAT_EQ(0.75f, fx);
  ChartCommands::ZoomFactors(ChartCommands::kZoomOut, SIZE{0, 0}, fx, fy);
  EXPECT_FLOAT_EQ(1.3333334f, fy);
  ChartCommands::ZoomFactors(ChartCommands::kZoomReset, SIZE{750, 1500}, fx,
                             fy);
  EXPECT_FLOAT_EQ(0.75f, fx);
  EXPECT_FLOAT_EQ(1.5f, fy);
  const POINT centre = ChartCommands::Centre(RECT{100, 300, 50, 100});
  EXPECT_EQ(75, centre.x);
  EXPECT_EQ(200, centre.y);
}

TEST(ChartTextsTest, BarFields) {
  EXPECT_STREQ(
      "No. of entries\nOrg:\t   10 (   12)\nUp:\t    0 (    3)\nDwn:\t    0 (  "
      "  0)",
      ChartTexts::Counts(10, 0, 0, 12, 3, 0));
  EXPECT_STREQ("2.00", ChartTexts::Separation(2));
  EXPECT_DOUBLE_EQ(1.5, ChartTexts::ParseDouble("1.5"));
  EXPECT_DOUBLE_EQ(0.0, ChartTexts::ParseDouble("abc"));
  EXPECT_STREQ("X: 15", ChartTexts::Grid('X', 15));
  EXPECT_EQ(15, ChartTexts::ParseGrid(ChartTexts::Grid('X', 15)));
  EXPECT_EQ(0, ChartTexts::ParseGrid("X"));
  EXPECT_STREQ("Layout: Reciprocal", ChartTexts::Layout(TRUE));
}

TEST_F(ChartCommandsTest, InfoTexts) {
  CVikaChartItem* item = Add(1, 1, kOrgOn, 2.5, 1);
  item->m_dDepth = 0.5;
  const ChartTexts::InfoLines lines = ChartTexts::ForItem(*item, 2.0, 10.0);
  EXPECT_STREQ("Link: ORG", lines[0]);
  EXPECT_STREQ("C1: 1 \t(Cable:  1, Takeout:  1, Relay:  1)", lines[1]);
  EXPECT_STREQ("Item: #1", lines[5]);
  EXPECT_STREQ("Midpoint:\t15.00 m", lines[6]);
  EXPECT_STREQ("Depth:\t\t1.00 m", lines[7]);
  item->m_nB = 0;
  EXPECT_STREQ("C2: -", ChartTexts::ForItem(*item, 1, 0)[2]);

  model.ScanProtocolData();
  const ChartTexts::InfoLines takeout =
      ChartTexts::ForTakeout(*model.GetTakeouts()[0], 1.0, 0.0);
  EXPECT_EQ(0, CString(takeout[0]).Find("Link: "));
  EXPECT_TRUE(takeout[4].IsEmpty());
  EXPECT_EQ(0, CString(takeout[6]).Find("X-location:\t"));
}

TEST_F(ChartCommandsTest, DuplicateLines) {
  CVikaChartItem* first = Add(1, 1, kOrgOn, 2.5, 1);
  EXPECT_EQ((std::vector<CString>{" --- NO DUPLICATES FOUND! ---"}),
            ChartTexts::DuplicateLines(first, 1.0, 0.0));
  CVikaChartItem* second = Add(2, 1, kOrgOn, 2.5, 1);
  first->AddDuplicate(second);
  // In metres, as the status bar: separation 2, ORG at x = 10.
  const std::vector<CString> lines =
      ChartTexts::DuplicateLines(first, 2.0, 10.0);
  ASSERT_EQ(2u, lines.size());
  EXPECT_STREQ(
      "Link: ORG \tItem:    1 \tC1=  1 \tC2=  4 \tP1=  2 \tP2=  3 \tX=15.00 m "
      "\tD=2.00 m",
      lines[0]);
  EXPECT_EQ(0, CString(lines[1]).Find("Link: ORG \tItem:    2 \tC1=  2"));
}

TEST(ChartPrintLayoutTest, FitToPage) {
  const struct {
    SIZE chart;
    int pw, ph;
    ChartPrintLayout::Fit fit;
  } cases[] = {
      {{1500 * 10 / 11, 100}, 1000, 1000, {true, 1499, 1000}},  // wide
      {{100, 2000}, 1000, 1000, {true, 2860, 1000}},            // tall
      {{2000, 2000}, 1000, 1000, {true, 2860, 1000}},           // larger ratio
      {{500, 500}, 1000, 1000, {false, 1, 1}},                  // fits
  };
  for (const auto& c : cases) {
    const ChartPrintLayout::Fit fit =
        ChartPrintLayout::FitToPage(c.chart, c.pw, c.ph);
    EXPECT_EQ(c.fit.bScale, fit.bScale);
    EXPECT_EQ(c.fit.num, fit.num);
    EXPECT_EQ(c.fit.den, fit.den);
  }
  EXPECT_STREQ("PROTO",
               ChartPrintLayout::ProtocolName("proto.org   <<< Modified >>> "));
  EXPECT_STREQ("NODOT",
               ChartPrintLayout::ProtocolName("nodot   <<< Modified >>> "));
}

class RecordingCanvas : public IChartPrintCanvas {
 public:
  void Text(int x, int y, const CString& text) override {
    texts.push_back(std::to_string(x) + "," + std::to_string(y) + " " +
                    static_cast<LPCTSTR>(text));
  }
  void Line(int x1, int y1, int x2, int y2) override {
    lines.push_back({x1, y1, x2, y2});
  }
  void Circle(const RECT& rc, COLORREF fill, bool grey) override {
    circles.push_back({rc.left, rc.top, static_cast<int>(fill), grey});
  }
  std::vector<std::string> texts;
  std::vector<std::vector<int>> lines;
  std::vector<std::vector<int>> circles;
};

TEST(ChartPrintLayoutTest, HeaderRowsAndLegend) {
  ChartPrintFacts facts = {
      "PROTO",           "A.ADR",      "Wenner",  {1, 2, 3, 4, 5, 6},
      "G7KWin Ver 3.25", "2026-12-11", "01:02:03"};
  RecordingCanvas canvas;
  RECT rect = {1, 1, 999, 1999};
  ChartPrintLayout::DrawHeader(canvas, facts, 4, 10, rect);
  // Rows at 5, 20, 35; rule at 50; rows at 55, 70, 85; rule at 100.
  EXPECT_EQ("4,5 Protocol:", canvas.texts[0]);
  EXPECT_EQ("292,5 ORG=1, UP=2, DWN=3", canvas.texts[3]);
  EXPECT_EQ("292,20 ORG=4, UP=5, DWN=6", canvas.texts[7]);
  EXPECT_EQ("60,35 Wenner", canvas.texts[9]);
  EXPECT_EQ("60,70 2026-12-11", canvas.texts[15]);
  ASSERT_EQ(3u, canvas.lines.size());
  EXPECT_EQ((std::vector<int>{0, 50, 999, 50}), canvas.lines[0]);
  EXPECT_EQ((std::vector<int>{200, 1, 200, 100}), canvas.lines[2]);
  ASSERT_EQ(4u, canvas.circles.size());
  EXPECT_EQ((std::vector<int>{204, 55, static_cast<int>(RGB(0, 160, 0)), 0}),
            canvas.circles[0]);
  EXPECT_EQ(
      (std::vector<int>{336, 55, static_cast<int>(RGB(255, 255, 255)), 1}),
      canvas.circles[1]);
  EXPECT_EQ(1 + 100 + 20, rect.top);
}

}  // namespace

TEST(ChartBarLayoutTest, GroupsThatDoNotFitMoveIntoFurtherRows) {
  // A label with its field, a text, a group box with a button in it.
  const std::vector<CRect> controls = {
      {4, 4, 104, 12}, {104, 2, 144, 14}, {150, 2, 230, 40},
      {234, 0, 296, 56}, {240, 9, 290, 22}};
  const struct {
    const char* name;
    int width;
    int rows;
    std::vector<POINT> topLefts;
  } cases[] = {
      {"all fit", 400, 1, {{4, 4}, {104, 2}, {150, 2}, {234, 0}, {240, 9}}},
      {"the box wraps", 240, 2,
       {{4, 4}, {104, 2}, {150, 2}, {4, 58}, {10, 67}}},
      {"one group a row", 100, 3,
       {{4, 4}, {104, 2}, {4, 60}, {4, 116}, {10, 125}}},
  };
  for (const auto& c : cases) {
    const ChartBarPlaces places = ChartBarLayout::Wrap(controls, c.width, 58);
    EXPECT_EQ(c.rows, places.rows) << c.name;
    ASSERT_EQ(controls.size(), places.controls.size()) << c.name;
    for (size_t i = 0; i < controls.size(); ++i) {
      EXPECT_EQ(c.topLefts[i].x, places.controls[i].left) << c.name << " " << i;
      EXPECT_EQ(c.topLefts[i].y, places.controls[i].top) << c.name << " " << i;
      EXPECT_EQ(controls[i].Width(), places.controls[i].Width()) << c.name;
    }
  }
}
