#include "framework/Portable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/HostServices.h"
#include "framework/MemoryProfileStore.h"
#include "chart/VikaChartModel.h"
#include "chart/tests/ChartTestFiles.h"
#include "design/ElectrodeLayout.h"
#include "design/VikaAddressMap.h"

namespace {

CVikaChartItem* NewItem(int a, int b, int line, DWORD state, double depth = 0) {
  CVikaChartItem* item = new CVikaChartItem;
  item->m_nA = a;
  item->m_nB = b;
  item->m_nLine = line;
  item->m_dwState = state;
  item->m_dDepth = depth;
  return item;
}

std::vector<int> Lines(CVikaChartModel& model) {
  std::vector<int> lines;
  for (int i = 0; i < model.GetItems().GetSize(); ++i)
    lines.push_back(model.GetItems()[i]->m_nLine);
  return lines;
}

const DWORD kOrgOn = kSectionOrg | kStateEnabled;

TEST(ChartSortTest, HeapSortOrderOfEqualItems) {
  // C1 of items 1..5 is 3, 1, 2, 1, 3. Worked through by hand, the heap
  // sort leaves 2, 4, 3, 5, 1: the two 1s keep their order, the two 3s
  // swap theirs.
  CVikaChartModel model;
  const int c1[] = {3, 1, 2, 1, 3};
  for (int i = 0; i < 5; ++i)
    model.GetItems().Add(NewItem(c1[i], 0, i + 1, kOrgOn));
  const SortSpec byC1 = {1, {SortSpec::kC1, 0, 0}};
  model.Sort(&byC1);
  EXPECT_EQ((std::vector<int>{2, 4, 3, 5, 1}), Lines(model));

  // Nothing moves with an empty spec, or by default keys without a layout.
  const SortSpec empty = {0, {SortSpec::kC1, 0, 0}};
  model.Sort(&empty);
  model.Sort();
  EXPECT_EQ((std::vector<int>{2, 4, 3, 5, 1}), Lines(model));
}

TEST(ChartSortTest, SingleItemAndDefaultKeys) {
  CVikaChartModel model;
  model.GetItems().Add(NewItem(1, 0, 9, kOrgOn));
  const SortSpec byC1 = {1, {SortSpec::kC1, 0, 0}};
  model.Sort(&byC1);
  EXPECT_EQ((std::vector<int>{9}), Lines(model));

  SortSpec spec;
  EXPECT_FALSE(CVikaChartModel::GetDefaultSortSpec(0, spec));
  EXPECT_FALSE(CVikaChartModel::GetDefaultSortSpec(15, spec));
  ASSERT_TRUE(CVikaChartModel::GetDefaultSortSpec(5, spec));
  EXPECT_EQ(3, spec.nCount);
  EXPECT_EQ(SortSpec::kSection, spec.dwKeys[0]);
  EXPECT_EQ(SortSpec::kC1, spec.dwKeys[1]);
  EXPECT_EQ(SortSpec::kDepth | SortSpec::kDescending, spec.dwKeys[2]);
}

TEST(ChartRenumberTest, EnabledFirstPerSection) {
  CVikaChartModel model;
  const DWORD states[] = {kOrgOn, kSectionOrg, kOrgOn,
                          kSectionUp | kStateEnabled, kSectionOrg, kSectionDwn};
  for (DWORD state : states)
    model.GetItems().Add(NewItem(1, 2, 0, state));
  model.Renumber(TRUE);
  EXPECT_EQ((std::vector<int>{1, 3, 2, 1, 4, 1}), Lines(model));
  model.Renumber(FALSE);
  EXPECT_EQ((std::vector<int>{1, 2, 3, 1, 4, 1}), Lines(model));
}

TEST(ChartOptimizeTest, ChainsWithinTheLeadingRunOfEqualDepth) {
  CVikaChartModel model;
  struct Row {
    int a, b;
    DWORD section;
    double depth;
  } rows[] = {
      {1, 2, kSectionOrg, 2}, {5, 6, kSectionOrg, 2}, {2, 3, kSectionOrg, 2},
      {3, 4, kSectionOrg, 2}, {4, 9, kSectionOrg, 1}, {7, 8, kSectionOrg, 1},
      {1, 2, kSectionUp, 1},
  };
  for (int i = 0; i < 7; ++i)
    model.GetItems().Add(NewItem(rows[i].a, rows[i].b, 100 + i,
                                 rows[i].section | kStateEnabled, rows[i].depth));
  model.Optimize();
  std::vector<int> order;
  for (int i = 0; i < model.GetItems().GetSize(); ++i)
    order.push_back(model.GetItems()[i]->m_nA);
  // 1-2 chains to 2-3 and 3-4; 4-9 is not reached, since the run of
  // depth 2 ends before it.
  EXPECT_EQ((std::vector<int>{1, 2, 3, 5, 4, 7, 1}), order);
  EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5, 6, 1}), Lines(model));

  // Different depths throughout keep their order.
  CVikaChartModel flat;
  for (int i = 0; i < 4; ++i)
    flat.GetItems().Add(NewItem(i + 1, i + 2, i, kOrgOn, 10.0 - i));
  flat.Optimize();
  EXPECT_EQ((std::vector<int>{1, 2, 3, 4}), Lines(flat));
}

// Wenner A on 16 electrodes: items with hand-set places.
class ChartDuplicatesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    model.Attach(CreateElectrodeLayout(1), charttest::MakeAddressMap(8, 1, 8, 16));
  }
  // A Wenner A item of spacing a starting at electrode x, put at (px, 1).
  void Add(int x, int a, DWORD state, double px) {
    CVikaChartItem* item =
        model.AddItem({x, x + 3 * a, x + a, x + 2 * a, 1, ++line}, state);
    item->m_dX = px;
    item->m_dDepth = 1.0;
  }
  CVikaChartModel model;
  int line = 0;
};

TEST_F(ChartDuplicatesTest, ValidateAndRemove) {
  Add(1, 1, kOrgOn, 5);          // 1: spacing 1
  Add(1, 2, kOrgOn, 5.1);        // 2: spacing 2
  Add(1, 3, kOrgOn, 5);          // 3: spacing 3 survives
  Add(1, 3, kSectionUp | kStateEnabled, 20);  // 4: later section goes
  Add(1, 1, kOrgOn, 20);         // 5
  Add(1, 3, kSectionOrg, 30);    // 6: disabled goes
  Add(1, 1, kOrgOn, 30);         // 7
  Add(2, 2, kOrgOn, 40);         // 8: tie, the earlier goes
  Add(3, 2, kOrgOn, 40);         // 9
  Add(4, 1, kOrgOn, 40.1001);    // 10: just too far

  EXPECT_EQ(6, model.Validate());
  EXPECT_EQ(9, model.CountItemsWithDuplicates());
  const CVikaChartItemArray* links = model.GetItems()[1]->GetDuplicates();
  ASSERT_NE(nullptr, links);
  ASSERT_EQ(2, links->GetSize());
  EXPECT_EQ(model.GetItems()[0], links->GetAt(0));
  EXPECT_EQ(model.GetItems()[2], links->GetAt(1));

  model.RemoveDuplicates();
  EXPECT_EQ((std::vector<int>{3, 5, 7, 9, 10}), Lines(model));
  EXPECT_EQ(0, model.CountItemsWithDuplicates());
  EXPECT_EQ(5, model.GetCount(0));
  EXPECT_EQ(5, model.GetCount(3));
}

TEST_F(ChartDuplicatesTest, TakeoutsInUse) {
  model.AddItem({1, 4, 2, 3, 1, 1}, kOrgOn);
  model.AddItem({5, 8, 6, 7, 1, 2}, kOrgOn);
  model.AddItem({9, 12, 10, 11, 1, 1}, kSectionUp);  // disabled items count too
  model.ScanProtocolData();
  CVikaCableItemArray& takeouts = model.GetTakeouts();
  ASSERT_EQ(48, takeouts.GetSize());  // ORG, UP, DWN rows of 16
  std::string rows;
  for (int i = 0; i < takeouts.GetSize(); ++i) {
    if (i % 16 == 0)
      rows += "|";
    rows += takeouts[i]->IsEnabled() ? "x" : ".";
  }
  EXPECT_EQ("|xxxxxxxx........|........xxxx....|................", rows);

  // Switching off the takeout of electrode 4 in ORG switches off the item
  // that uses it, and no other.
  takeouts[3]->SetEnabled(0);
  model.ApplyTakeoutStates();
  EXPECT_FALSE(model.GetItems()[0]->IsEnabled());
  EXPECT_TRUE(model.GetItems()[1]->IsEnabled());
  takeouts[3]->SetEnabled(1);
  model.ApplyTakeoutStates();
  EXPECT_FALSE(model.GetItems()[0]->IsEnabled());
}

TEST(ChartGenerateTest, MissingMeasurementsAreAddedDisabled) {
  // Wenner A on one cable of 8, roll-along 4: ORG has a = 1 at x 1..5 and
  // a = 2 at x 1..2; UP and DWN keep the six that leave the cable.
  const std::string folder = charttest::FreshFolder("generate");
  charttest::WriteFile(folder + "LINE.ADR", charttest::AddressFileText(8, 1, 4, 8));
  charttest::WriteFile(folder + "G.ORG", "1\nLINE.ADR\n1 4 2 3\n2 5 3 4\n");
  for (BOOL plain : {FALSE, TRUE}) {
    CVikaChartModel model;
    model.SetPlainScan(plain);
    ASSERT_TRUE(model.OpenProtocolFiles((folder + "G.ORG").c_str()));
    const int expected[6] = {2, 0, 0, 7, 6, 6};
    for (int i = 0; i < 6; ++i)
      EXPECT_EQ(expected[i], model.GetCount(i)) << i;
    ASSERT_EQ(19, model.GetItems().GetSize());
    int enabled = 0;
    for (int i = 0; i < 19; ++i)
      enabled += model.GetItems()[i]->IsEnabled() ? 1 : 0;
    EXPECT_EQ(2, enabled);
    // Enabled first, then the added ones.
    EXPECT_EQ(3, model.GetItems()[2]->m_nLine);
  }
}

// A two-channel pole-pole protocol: the added measurements are made one
// channel at a time, so none has an empty potential pair far off the chart.
TEST(ChartGenerateTest, MultiChannelProtocolAddsOnlyRealMeasurements) {
  const std::string folder = charttest::FreshFolder("generate_channels");
  charttest::WriteFile(folder + "LINE.ADR", charttest::AddressFileText(8, 1, 4, 8));
  charttest::WriteFile(folder + "P.ORG", "4\nLINE.ADR\n1 0 2 0 3 0\n");
  CVikaChartModel model;
  ASSERT_TRUE(model.OpenProtocolFiles((folder + "P.ORG").c_str()));
  ASSERT_EQ(2, model.GetChannels());
  // Spacings 1..7 at x 1..8-a: 28 in ORG, two of them from the file.
  EXPECT_EQ(28, model.GetCount(3));
  for (int i = 0; i < model.GetItems().GetSize(); ++i) {
    const CVikaChartItem* item = model.GetItems()[i];
    EXPECT_GT(item->m_nM, 0) << i;
    EXPECT_LT(item->GetX(), 100.0) << i;
  }
}

TEST(ChartGenerateTest, OneElectrodeMakesNothingPlaced) {
  // Spacings 0..1 and levels -2..1: the only commands stand on one
  // electrode and have no pseudo-depth.
  CVikaChartModel model;
  model.Attach(CreateElectrodeLayout(5), charttest::MakeAddressMap(8, 1, 4, 1));
  model.GenerateProtocol("dir/P.ORG");
  EXPECT_EQ(0, model.GetItems().GetSize());
  EXPECT_EQ(0, model.GetCount(3));
}

TEST(ChartGenerateTest, PathWithoutFileNameAddsNothing) {
  CVikaChartModel model;
  model.Attach(CreateElectrodeLayout(1), charttest::MakeAddressMap(8, 1, 4, 8));
  model.GenerateProtocol("NOFOLDER.ORG");
  model.GenerateProtocol("dir/");
  EXPECT_EQ(0, model.GetItems().GetSize());
  model.GenerateProtocol("dir/P.ORG");
  EXPECT_EQ(19, model.GetItems().GetSize());
}

}  // namespace

namespace {

// Records what the model shows through the host; the settings live in
// memory.
class RecordingHost : public CSilentHostServices {
 public:
  RecordingHost() : CSilentHostServices(&profile) {}
  BOOL BeginProgress(LPCTSTR text, int lower, int upper, int) override {
    log += std::string("begin ") + text + " " + std::to_string(lower) + ".." +
           std::to_string(upper) + ";";
    return TRUE;
  }
  void SetProgressPos(int pos) override { log += "pos " + std::to_string(pos) + ";"; }
  void StepProgress() override { ++steps; }
  void EndProgress() override { log += "end;"; }
  CMemoryProfileStore profile;
  std::string log;
  int steps = 0;
};

class ChartHostTest : public ChartDuplicatesTest {
 protected:
  void SetUp() override {
    previous = InstallHostServices(&host);
    ChartDuplicatesTest::SetUp();
  }
  void TearDown() override { InstallHostServices(previous); }
  RecordingHost host;
  IHostServices* previous = NULL;
};

TEST_F(ChartHostTest, RemovingDuplicatesReportsProgress) {
  Add(1, 1, kOrgOn, 5);
  Add(1, 2, kOrgOn, 5);
  Add(1, 3, kOrgOn, 5);
  Add(1, 3, kSectionUp | kStateEnabled, 20);
  Add(1, 1, kOrgOn, 20);
  Add(1, 3, kSectionOrg, 30);
  Add(1, 1, kOrgOn, 30);
  Add(2, 2, kOrgOn, 40);
  Add(3, 2, kOrgOn, 40);
  model.Validate();
  EXPECT_EQ(8, host.steps);
  host.log.clear();
  model.RemoveDuplicates();
  EXPECT_EQ("begin Removing duplicates: 0..9;pos 0;pos 1;pos 3;pos 5;pos 7;end;",
            host.log);
}

TEST_F(ChartHostTest, PropertiesComeFromTheProfile) {
  host.profile.WriteString("VikaChartModel", "Properties", "3.5,1.0,0,20,24,0,1");
  {
    CVikaChartModel other;
    ChartProperties& properties = other.GetProperties();
    EXPECT_DOUBLE_EQ(3.5, properties.m_dTakeoutSeparation);
    EXPECT_DOUBLE_EQ(24.0, properties.m_dGridY);
    EXPECT_EQ(1, properties.m_bReciprocalLayout);
    properties.m_bShowIndex = 1;
  }
  EXPECT_EQ("VikaChartModel/Properties=3.5,1.0,0,20,24,1,1\n", host.profile.Dump());
}

TEST_F(ChartHostTest, LoadingReportsProgress) {
  const std::string folder = charttest::FreshFolder("host_load");
  charttest::WriteFile(folder + "LINE.ADR", charttest::AddressFileText(8, 1, 4, 8));
  charttest::WriteFile(folder + "H.ORG", "1\nLINE.ADR\n1 4 2 3\n");
  charttest::WriteFile(folder + "H.DWN", "1\nLINE.ADR\n");
  CVikaChartModel loaded;
  ASSERT_TRUE(loaded.OpenProtocolFiles((folder + "H.ORG").c_str()));
  EXPECT_EQ("begin Reading protocol: 0..6;begin Scanning protocol data: 0..19;end;end;",
            host.log);
  // Two files read, three sections generated, one scan step per item.
  EXPECT_EQ(2 + 3 + 19, host.steps);
}

}  // namespace
