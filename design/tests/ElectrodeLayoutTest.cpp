#include "framework/Portable.h"
#include "design/ElectrodeLayout.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <memory>

#include "design/VikaAddressMap.h"
#include "design/tests/TestFiles.h"

namespace {

const double r2 = std::sqrt(2.0);

std::unique_ptr<ElectrodeLayout> Make(int code) {
  return CreateElectrodeLayout(code);
}

TEST(ElectrodeLayout, Names) {
  struct Case {
    int code;
    const char* name;
  } cases[] = {{0, "Resistance"},   {3, "Wenner (G)"},
               {5, "Dipole Dipole"}, {13, "Equatorial Dipole Dipole"},
               {14, "Potential"},    {15, "-"},
               {1001, "Logging"},    {-1, "-"},
               {16, "-"}};
  for (const Case& c : cases)
    EXPECT_STREQ(c.name, ArrayTypeName(c.code)) << c.code;
}

TEST(ElectrodeLayout, FactoryMakesEveryCodeAndRejectsOthers) {
  RecordingUi ui;
  for (int code = 0; code <= 15; ++code) {
    auto layout = Make(code);
    ASSERT_TRUE(layout) << code;
    EXPECT_EQ(code, layout->GetCode());
    EXPECT_EQ(ArrayTypeName(code), layout->GetName());
  }
  // The caller reports the failure: the factory shows nothing.
  for (int code : {16, -1}) {
    CString error;
    EXPECT_FALSE(CreateElectrodeLayout(code, &error)) << code;
    EXPECT_STREQ("Unknown array code!", error) << code;
  }
  EXPECT_FALSE(Make(16));
  EXPECT_TRUE(ui.errors.empty());
}

TEST(ElectrodeLayout, SetElectrodesSortsAndMarksAbsent) {
  auto layout = Make(ArrayWennerA);
  layout->SetElectrodes(5, 0, 3, -2);
  EXPECT_EQ(3, layout->GetPosition(0));
  EXPECT_EQ(5, layout->GetPosition(1));
  EXPECT_EQ(DBL_MAX, layout->GetPosition(2));
  EXPECT_EQ(DBL_MAX, layout->GetPosition(3));
  EXPECT_EQ(2, layout->GetLength());
  layout->SetElectrodes(0, 0, 0, 0);
  EXPECT_EQ(0, layout->GetLength());
}

// Values by the formulas of each type, worked out by hand.
TEST(ElectrodeLayout, PositionsGiveXDepthSpacingAndLevel) {
  struct Case {
    int code;
    int e[4];
    double x, pseudo, a, n;
    int depthA, depthN;
    double depth;
  } cases[] = {
      {ArrayWennerA, {1, 4, 2, 3}, 2.5, 1 / r2, 1, 1, 2, 5, 2 / r2},
      {ArrayWennerB, {1, 2, 3, 4}, 2.5, 1 / r2, 1, 1, 3, 1, 3 / r2},
      {ArrayWennerG, {1, 3, 2, 4}, 2.5, 1 / r2, 1, 1, 1, 1, 1 / r2},
      {ArrayPolePole, {3, 0, 5, 0}, 4, 2 / r2, 2, 1, 2, 1, 2 / r2},
      {ArrayDipoleDipole, {1, 2, 5, 4}, 3, 3 / r2, 1, 2, 1, 2, 3 / r2},
      {ArrayPoleDipole, {1, 0, 7, 9}, 4, 8 / r2, 2, 3, 2, 3, 7 / r2},
      {ArraySchlumberger, {1, 6, 3, 4}, 3.5, 2.5 / r2, 1, 2, 1, 2, 2.5 / r2},
      {ArrayGradient, {1, 8, 3, 4}, 2, 1 / r2, 0, 0, 2, 2, 0},
      {ArrayResistance, {1, 2, 3, 4}, 0, 198, 0, 0, 2, 2, 1},
      {ArraySquareB, {1, 2, 3, 4}, 0, 198, 0, 0, 2, 1, 2 / r2},
      {ArrayEquatorialDipoleDipole, {1, 2, 3, 4}, 0, 198, 0, 0, 2, 3, 6 / r2},
      {ArraySurface, {1, 2, 3, 4}, 592, 198, 0, 0, 2, 3, 0},
      {ArrayPotential, {2, 1, 4, 3}, 592, 198, 0, 0, 1, 1, 0},
  };
  for (const Case& c : cases) {
    auto layout = Make(c.code);
    layout->SetElectrodes(c.e[0], c.e[1], c.e[2], c.e[3]);
    SCOPED_TRACE(ArrayTypeName(c.code));
    EXPECT_DOUBLE_EQ(c.x, layout->GetX());
    EXPECT_DOUBLE_EQ(c.pseudo, layout->GetPseudoDepth());
    EXPECT_DOUBLE_EQ(c.a, layout->GetSpacing());
    EXPECT_DOUBLE_EQ(c.n, layout->GetLevel());
    EXPECT_DOUBLE_EQ(c.depth, layout->GetDepth(c.depthA, c.depthN));
  }
}

TEST(ElectrodeLayout, PlotPointTruncatesAndClampsAbsentElectrodes) {
  auto wenner = Make(ArrayWennerB);
  POINT p = wenner->PlotPoint(1, 2, 3, 4);
  EXPECT_EQ(2500, p.x);
  EXPECT_EQ(707, p.y);

  // Absent electrodes are huge or infinite; the plot point stays in range.
  auto surface = Make(ArraySurface);
  p = surface->PlotPoint(0, 0, 0, 0);
  EXPECT_EQ(INT_MAX, p.x);
  EXPECT_EQ(INT_MAX, p.y);
  p = wenner->PlotPoint(1, 2, 3, 0);
  EXPECT_EQ(INT_MAX, p.x);

  // Coincident electrodes have no spacing: the level is 0, not infinite.
  auto dipole = Make(ArrayDipoleDipole);
  p = dipole->PlotPoint(2, 2, 2, 2);
  EXPECT_EQ(0, dipole->GetLevel());
  EXPECT_EQ(0, p.y);
}

TEST(ElectrodeLayout, MakeCommand) {
  const CVikaAddressMap map = MakeMap(1, 10, 0, 10);
  struct Case {
    int code, x, n, a;
    BOOL reverse;
    bool valid;
    int c1 = 0, c2 = 0, p1 = 0, p2 = 0;
  } cases[] = {
      {ArrayWennerA, 1, 3, 2, FALSE, true, 1, 7, 3, 5},
      {ArrayWennerA, 4, 1, 2, FALSE, true, 4, 10, 6, 8},
      {ArrayWennerA, 5, 1, 2, FALSE, false},
      {ArrayWennerA, 0, 1, 1, FALSE, false},
      {ArrayWennerB, 1, 1, 1, FALSE, true, 1, 2, 3, 4},
      {ArrayWennerB, 1, 1, 1, TRUE, true, 3, 4, 1, 2},
      {ArrayWennerG, 1, 1, 1, FALSE, true, 1, 3, 2, 4},
      {ArrayWennerG, 1, 1, 1, TRUE, true, 2, 4, 1, 3},
      {ArrayPolePole, 1, 1, 2, FALSE, true, 1, 0, 3, 0},
      {ArrayPolePole, 8, 1, 2, TRUE, true, 10, 0, 8, 0},
      {ArrayPolePole, 9, 1, 2, FALSE, false},
      {ArrayDipoleDipole, 1, 2, 1, FALSE, true, 1, 2, 5, 4},
      {ArrayDipoleDipole, 6, 2, 1, FALSE, true, 6, 7, 10, 9},
      {ArrayDipoleDipole, 7, 2, 1, FALSE, false},
      {ArrayDipoleDipole, 1, 1, 2, TRUE, true, 7, 5, 1, 3},
      {ArrayPoleDipole, 1, 3, 2, FALSE, true, 1, 0, 7, 9},
      {ArrayPoleDipole, 1, 3, 2, TRUE, true, 7, 9, 1, 0},
      {ArrayPoleDipole, 2, 3, 2, FALSE, true, 2, 0, 8, 10},
      {ArrayPoleDipole, 3, 3, 2, FALSE, false},
      {ArraySchlumberger, 1, 2, 1, FALSE, true, 1, 6, 3, 4},
      {ArraySchlumberger, 5, 2, 1, FALSE, true, 5, 10, 7, 8},
      {ArraySchlumberger, 6, 2, 1, FALSE, false},
      {ArrayPotential, 3, 1, 2, FALSE, true, 0, 0, 3, 5},
      {ArrayPotential, 3, 1, 2, TRUE, true, 0, 0, 5, 3},
      {ArrayPotential, 9, 1, 2, FALSE, false},
      {ArrayResistance, 1, 1, 1, FALSE, false},
      {ArraySquareA, 1, 1, 1, FALSE, false},
      {ArraySurface, 1, 1, 1, FALSE, false},
      {ArrayTomography, 1, 1, 1, FALSE, false},
      {ArrayEquatorialDipoleDipole, 1, 1, 1, FALSE, false},
      {ArrayGradient, 1, 1, 1, FALSE, false},
  };
  for (const Case& c : cases) {
    auto layout = Make(c.code);
    const CVikaCommand command =
        layout->MakeCommand(map, c.x, c.n, c.a, c.reverse);
    SCOPED_TRACE(testing::Message() << ArrayTypeName(c.code) << " x=" << c.x
                                    << " n=" << c.n << " a=" << c.a);
    EXPECT_EQ(c.valid, command.m_bValid != FALSE);
    EXPECT_EQ(1, command.m_nChannels);
    if (c.valid) {
      EXPECT_TRUE(command == CVikaCommand(c.c1, c.c2, c.p1, c.p2))
          << command.m_nC1 << " " << command.m_nC2 << " " << command.m_nP1[0]
          << " " << command.m_nP2[0];
    }
  }
}

TEST(ElectrodeLayout, ElectrodeWithoutAddressGivesInvalidCommand) {
  CVikaAddressMap map = MakeMap(1, 10, 0, 10);
  CVikaAddressMap holes;
  holes.m_nElectrodes = 10;
  for (const auto& [electrode, item] : map.GetEntries())
    if (electrode != 5)
      holes.SetAt(electrode, item);
  auto layout = Make(ArrayWennerA);
  EXPECT_FALSE(layout->MakeCommand(holes, 1, 1, 2, FALSE).m_bValid);
  EXPECT_TRUE(layout->MakeCommand(holes, 2, 1, 2, FALSE).m_bValid);
}

// An address file may list more entries than its electrode count; the
// dipole-dipole's farthest electrode must still lie within the count.
TEST(ElectrodeLayout, DipoleDipoleBoundIsTheFarthestElectrode) {
  const CVikaAddressMap map = MakeMap(1, 12, 0, 11, 10);
  auto layout = Make(ArrayDipoleDipole);
  EXPECT_FALSE(layout->MakeCommand(map, 7, 2, 1, FALSE).m_bValid);
  EXPECT_TRUE(layout->MakeCommand(map, 6, 2, 1, FALSE).m_bValid);
}

TEST(ElectrodeLayout, HugeSpacingDoesNotOverflow) {
  const CVikaAddressMap map = MakeMap(1, 10, 0, 10);
  for (int code : {ArrayWennerA, ArrayDipoleDipole, ArraySchlumberger,
                   ArrayPoleDipole, ArrayPolePole, ArrayPotential}) {
    auto layout = Make(code);
    EXPECT_FALSE(layout->MakeCommand(map, 1, INT_MAX, INT_MAX, FALSE).m_bValid);
    EXPECT_FALSE(layout->MakeCommand(map, INT_MAX, 1, INT_MAX, FALSE).m_bValid);
  }
}

// The reciprocal test holds for each type's reversed command and not for
// its normal one.
TEST(ElectrodeLayout, ComparePairsRecognisesReversedCommands) {
  const CVikaAddressMap map = MakeMap(1, 20, 0, 20);
  for (int code : {ArrayWennerA, ArrayWennerB, ArrayWennerG, ArrayPolePole,
                   ArrayDipoleDipole, ArrayPoleDipole, ArraySchlumberger}) {
    auto layout = Make(code);
    SCOPED_TRACE(ArrayTypeName(code));
    const CVikaCommand normal = layout->MakeCommand(map, 2, 2, 2, FALSE);
    const CVikaCommand reversed = layout->MakeCommand(map, 2, 2, 2, TRUE);
    ASSERT_TRUE(normal.m_bValid && reversed.m_bValid);
    EXPECT_FALSE(layout->ComparePairs(normal.m_nC1, normal.m_nC2,
                                      normal.m_nP1[0], normal.m_nP2[0]));
    EXPECT_TRUE(layout->ComparePairs(reversed.m_nC1, reversed.m_nC2,
                                     reversed.m_nP1[0], reversed.m_nP2[0]));
  }
  EXPECT_FALSE(Make(ArraySurface)->ComparePairs(5, 6, 1, 2));
}

}  // namespace
