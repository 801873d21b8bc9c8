// The grid search must give exactly what comparing every pair gives.
#include "framework/Portable.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <random>
#include <string>
#include <vector>

#include "chart/VikaChartModel.h"
#include "chart/tests/ChartTestFiles.h"
#include "design/ElectrodeLayout.h"
#include "design/VikaAddressMap.h"
#include "design/VikaProtocolGenerator.h"

namespace {

// Places on a 0.05 grid, so that many pairs lie exactly 0.1 apart, plus a
// few far out where absent electrodes put them.
double RandomPlace(std::mt19937& random) {
  const int pick = std::uniform_int_distribution<int>(0, 99)(random);
  if (pick == 0)
    return DBL_MAX;
  if (pick == 1)
    return -DBL_MAX;
  if (pick == 2)
    return 1e13;
  const double grid = std::uniform_int_distribution<int>(-60, 60)(random) * 0.05;
  return pick < 50 ? grid : grid + 1e-12 * pick;
}

// Each item's duplicates as item indices.
std::vector<std::vector<int>> Links(CVikaChartModel& model) {
  CVikaChartItemArray& items = model.GetItems();
  std::vector<std::vector<int>> links(items.GetSize());
  for (int i = 0; i < items.GetSize(); ++i) {
    const CVikaChartItemArray* list = items[i]->GetDuplicates();
    for (int k = 0; list && k < list->GetSize(); ++k) {
      for (int j = 0; j < items.GetSize(); ++j) {
        if (items[j] == list->GetAt(k))
          links[i].push_back(j);
      }
    }
  }
  return links;
}

TEST(ChartPlaceIndexTest, ValidateMatchesThePlainScan) {
  std::mt19937 random(20261210);
  for (int round = 0; round < 20; ++round) {
    CVikaChartModel plain, indexed;
    plain.SetPlainScan(TRUE);
    const int n = std::uniform_int_distribution<int>(0, 400)(random);
    for (int i = 0; i < n; ++i) {
      const double x = RandomPlace(random), depth = RandomPlace(random);
      for (CVikaChartModel* model : {&plain, &indexed}) {
        CVikaChartItem* item = new CVikaChartItem;
        item->m_dX = x;
        item->m_dDepth = depth;
        item->m_dwState = kSectionOrg | kStateEnabled;
        model->GetItems().Add(item);
      }
    }
    SCOPED_TRACE(round);
    EXPECT_EQ(plain.Validate(), indexed.Validate());
    EXPECT_EQ(Links(plain), Links(indexed));
  }
}

std::string ItemsText(CVikaChartModel& model) {
  std::string text;
  CVikaChartItemArray& items = model.GetItems();
  for (int i = 0; i < items.GetSize(); ++i) {
    const CVikaChartItem* item = items[i];
    text += std::to_string(item->m_nA) + "," + std::to_string(item->m_nB) + "," +
            std::to_string(item->m_nM) + "," + std::to_string(item->m_nN) + "," +
            std::to_string(item->m_dwState) + "," + std::to_string(item->m_nLine) +
            "," + std::to_string(item->m_nChannel) + ";";
  }
  return text;
}

TEST(ChartPlaceIndexTest, GenerationMatchesThePlainScan) {
  // Random parts of full dipole-dipole and Schlumberger protocols (which
  // hold different measurements at one place) are completed both ways.
  const std::string folder = charttest::FreshFolder("index_generate");
  charttest::WriteFile(folder + "LINE.ADR", charttest::AddressFileText(10, 1, 10, 20));
  std::unique_ptr<CVikaAddressMap> map(
      new CVikaAddressMap(CString((folder + "LINE.ADR").c_str())));
  std::mt19937 random(7);
  const char* extensions[3] = {".ORG", ".UP", ".DWN"};
  for (int code : {5, 10}) {
    std::unique_ptr<ElectrodeLayout> layout = CreateElectrodeLayout(code);
    CVikaProtocolGenerator generator;
    generator.SetSpacingRange(1, 19);
    generator.SetLevelRange(1, code == 5 ? 17 : 9);
    std::vector<std::string> lines[3];
    for (int s = 0; s < 3; ++s) {
      CVikaCommandArray commands;
      const int made = generator.Generate(commands, *map, NULL, *layout, s);
      for (int c = 0; c < made; ++c) {
        const CVikaCommand& command = commands[c];
        lines[s].push_back(std::to_string(command.m_nC1) + " " +
                           std::to_string(command.m_nC2) + " " +
                           std::to_string(command.m_nP1[0]) + " " +
                           std::to_string(command.m_nP2[0]) + "\n");
      }
    }
    for (int round = 0; round < 4; ++round) {
      SCOPED_TRACE(code * 100 + round);
      for (int s = 0; s < 3; ++s) {
        std::string text = std::to_string(code) + "\nLINE.ADR\n";
        std::shuffle(lines[s].begin(), lines[s].end(), random);
        const size_t keep = lines[s].size() * round / 4;
        for (size_t i = 0; i < keep; ++i)
          text += lines[s][i];
        charttest::WriteFile(folder + "P" + extensions[s], text);
      }
      CVikaChartModel plain, indexed;
      plain.SetPlainScan(TRUE);
      ASSERT_TRUE(plain.OpenProtocolFiles((folder + "P.ORG").c_str()));
      ASSERT_TRUE(indexed.OpenProtocolFiles((folder + "P.ORG").c_str()));
      EXPECT_GT(plain.GetItems().GetSize(), 0);
      EXPECT_EQ(ItemsText(plain), ItemsText(indexed));
      for (int i = 0; i < 6; ++i)
        EXPECT_EQ(plain.GetCount(i), indexed.GetCount(i));
      EXPECT_EQ(plain.Validate(), indexed.Validate());
    }
  }
}

}  // namespace
