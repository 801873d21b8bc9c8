#include "framework/Portable.h"
#include "design/VikaProtocolGenerator.h"

#include <gtest/gtest.h>

#include <memory>

#include "design/ElectrodeLayout.h"
#include "design/VikaAddressMap.h"
#include "design/VikaProtocolFile.h"
#include "design/VikaProtocolSkipList.h"
#include "design/tests/TestFiles.h"

namespace {

// Two cables of ten takeouts, electrodes 1-20; a roll-along moves one cable.
class ProtocolGeneratorTest : public testing::Test {
 protected:
  int Run(int code, int section, CVikaCommandArray& out,
          const CVikaAddressMap* redundancy = nullptr) {
    layout_ = CreateElectrodeLayout(code);
    generator_.SetArrayCode(code);
    return generator_.Generate(out, map_, redundancy, *layout_, section);
  }

  static CVikaCommand At(const CVikaCommandArray& out, int i) {
    return out.GetAt(i);
  }

  CVikaAddressMap map_ = MakeMap(2, 10, 10, 20);
  CVikaProtocolGenerator generator_;
  std::unique_ptr<ElectrodeLayout> layout_;
};

// Counts worked out by hand: a command is kept in ".UP" when one electrode
// is above 10 and in ".DWN" when one is at most 10.
TEST_F(ProtocolGeneratorTest, SectionsOfEachArray) {
  struct Case {
    int code, aMin, aMax, nMin, nMax, section, count;
    CVikaCommand first;
  } cases[] = {
      {ArrayWennerA, 1, 2, 1, 3, 0, 31, CVikaCommand(1, 7, 3, 5)},
      {ArrayWennerA, 1, 2, 1, 3, 1, 20, CVikaCommand(5, 11, 7, 9)},
      {ArrayWennerA, 1, 2, 1, 3, 2, 20, CVikaCommand(1, 7, 3, 5)},
      {ArrayDipoleDipole, 1, 1, 1, 2, 0, 33, CVikaCommand(1, 2, 5, 4)},
      {ArrayDipoleDipole, 1, 1, 1, 2, 1, 20, CVikaCommand(7, 8, 11, 10)},
      {ArrayDipoleDipole, 1, 1, 1, 2, 2, 20, CVikaCommand(1, 2, 5, 4)},
      {ArraySchlumberger, 1, 1, 1, 2, 0, 32, CVikaCommand(1, 6, 3, 4)},
      {ArraySchlumberger, 1, 1, 1, 2, 1, 20, CVikaCommand(6, 11, 8, 9)},
      {ArraySchlumberger, 1, 1, 1, 2, 2, 20, CVikaCommand(1, 6, 3, 4)},
      {ArrayPoleDipole, 1, 1, 1, 2, 0, 35, CVikaCommand(1, 0, 3, 4)},
      {ArrayPoleDipole, 1, 1, 1, 2, 1, 20, CVikaCommand(8, 0, 10, 11)},
      {ArrayPoleDipole, 1, 1, 1, 2, 2, 20, CVikaCommand(1, 0, 3, 4)},
      {ArrayPolePole, 1, 3, 1, 1, 0, 54, CVikaCommand(1, 0, 4, 0)},
      {ArrayPolePole, 1, 3, 1, 1, 1, 30, CVikaCommand(8, 0, 11, 0)},
      {ArrayPolePole, 1, 3, 1, 1, 2, 30, CVikaCommand(1, 0, 4, 0)},
      {ArrayPotential, 1, 1, 1, 1, 2, 10, CVikaCommand(0, 0, 1, 2)},
      {ArraySurface, 1, 3, 1, 3, 0, 0, CVikaCommand()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << ArrayTypeName(c.code) << " section "
                                    << c.section);
    generator_.SetSpacingRange(c.aMax, c.aMin);
    generator_.SetLevelRange(c.nMin, c.nMax);
    CVikaCommandArray out;
    EXPECT_EQ(c.count, Run(c.code, c.section, out));
    EXPECT_GE(out.GetSize(), 200);
    if (c.count > 0) {
      EXPECT_TRUE(At(out, 0) == c.first) << At(out, 0).m_nC1 << " "
                                         << At(out, 0).m_nC2;
    }
    EXPECT_FALSE(At(out, c.count).m_bValid);
  }
}

TEST_F(ProtocolGeneratorTest, OrderIsSpacingThenLevelDescendingThenX) {
  generator_.SetSpacingRange(1, 2);
  generator_.SetLevelRange(1, 2);
  CVikaCommandArray out;
  ASSERT_EQ(12 + 14 + 16 + 17, Run(ArrayDipoleDipole, 0, out));
  EXPECT_TRUE(At(out, 0) == CVikaCommand(1, 3, 9, 7));     // a 2, n 2
  EXPECT_TRUE(At(out, 12) == CVikaCommand(1, 3, 7, 5));    // a 2, n 1
  EXPECT_TRUE(At(out, 26) == CVikaCommand(1, 2, 5, 4));    // a 1, n 2
  EXPECT_TRUE(At(out, 58) == CVikaCommand(17, 18, 20, 19));
}

// Types without a level make each command once, not once per level.
TEST_F(ProtocolGeneratorTest, DefaultRangesMakeEachWennerCommandOnce) {
  map_ = MakeMap(1, 41, 0, 41);
  CVikaCommandArray out;
  const int count = Run(ArrayWennerA, 0, out);
  EXPECT_EQ(260, count);  // a = 1..13, 41 - 3a start electrodes each
  for (int i = 1; i < count; ++i)
    EXPECT_FALSE(At(out, i) == At(out, i - 1)) << i;
}

TEST_F(ProtocolGeneratorTest, SkipListDropsOnlyItsPairs) {
  CVikaProtocolSkipList skip;
  skip.Add(1, 2);
  generator_.SetSkipList(&skip);
  generator_.SetSpacingRange(1, 1);
  generator_.SetLevelRange(1, 2);
  CVikaCommandArray out;
  EXPECT_EQ(17, Run(ArrayDipoleDipole, 0, out));
  EXPECT_TRUE(At(out, 0) == CVikaCommand(1, 2, 4, 3));

  skip.RemoveAll();
  skip.Add(2, 1);  // Wenner commands are made with n = 1
  generator_.SetSpacingRange(1, 2);
  EXPECT_EQ(17, Run(ArrayWennerA, 0, out));
}

TEST_F(ProtocolGeneratorTest, RedundancyLeavesOutCoveredCommands) {
  CVikaCommandArray out;
  generator_.SetSpacingRange(1, 2);
  const CVikaAddressMap same = MakeMap(2, 10, 10, 20);
  EXPECT_EQ(0, Run(ArrayWennerA, 0, out, &same));

  // One cable, centred on the two: shift (2 - 1) / 2 = 0, so the
  // commands entirely on cable 1 are covered.
  const CVikaAddressMap oneCable = MakeMap(1, 10, 0, 10);
  EXPECT_EQ(20, Run(ArrayWennerA, 0, out, &oneCable));
  EXPECT_TRUE(At(out, 0) == CVikaCommand(5, 11, 7, 9));

  const CVikaAddressMap empty;
  EXPECT_EQ(31, Run(ArrayWennerA, 0, out, &empty));
}

TEST_F(ProtocolGeneratorTest, MergesChannels) {
  generator_.SetSpacingRange(1, 1);
  generator_.SetLevelRange(1, 3);
  generator_.SetChannels(2);
  CVikaCommandArray out;
  // 15 start electrodes have three levels, merged into two commands (the
  // middle level shares an electrode with the first); 16 and 17 stay apart.
  EXPECT_EQ(33, Run(ArrayDipoleDipole, 0, out));
  const int p1[] = {6, 4}, p2[] = {5, 3};
  EXPECT_TRUE(At(out, 0) == CVikaCommand(1, 2, p1, p2, 2));
  const int q1[] = {5, 0}, q2[] = {4, 0};
  EXPECT_TRUE(At(out, 1) == CVikaCommand(1, 2, q1, q2, 2));
  EXPECT_GE(out.GetSize(), 100);
  EXPECT_FALSE(At(out, 33).m_bValid);
}

TEST_F(ProtocolGeneratorTest, PoleMergePutsThreePolesOnOneSelector) {
  generator_.SetSpacingRange(1, 3);
  generator_.SetChannels(3);
  generator_.SetPoleMerge(TRUE);
  CVikaCommandArray out;
  EXPECT_EQ(19, Run(ArrayPolePole, 0, out));
  EXPECT_TRUE(At(out, 0) == CVikaCommand(1, 4, 3, 2));
  EXPECT_TRUE(At(out, 17) == CVikaCommand(18, 20, 19, 0));
  EXPECT_TRUE(At(out, 18) == CVikaCommand(19, 20, 0, 0));
}

TEST_F(ProtocolGeneratorTest, OneChannelDoesNotMerge) {
  CVikaCommandArray commands;
  CVikaCommand command(1, 0, 2, 0);
  commands.Add(command);
  EXPECT_EQ(0, generator_.MergeChannels(commands));
  EXPECT_EQ(1, commands.GetSize());
}

TEST_F(ProtocolGeneratorTest, OutsideAfterShift) {
  map_ = MakeMap(1, 41, 20, 41);
  const CVikaCommand wenner(1, 2, 3, 4);
  EXPECT_TRUE(generator_.IsOutsideAfterShift(wenner, map_, -1));
  EXPECT_FALSE(generator_.IsOutsideAfterShift(wenner, map_, +1));
  EXPECT_FALSE(generator_.IsOutsideAfterShift(wenner, map_, 2));
  // A pole's missing electrodes are not tested.
  const CVikaCommand potential(0, 0, 30, 31);
  EXPECT_FALSE(generator_.IsOutsideAfterShift(potential, map_, -1));
  EXPECT_TRUE(generator_.IsOutsideAfterShift(potential, map_, +1));
}

TEST_F(ProtocolGeneratorTest, WritesTheSectionFile) {
  TempDir dir;
  RecordingUi ui;
  generator_.SetWriteFiles(TRUE);
  generator_.SetSilent(FALSE);
  generator_.SetName("P1");
  generator_.SetFolder(dir.Folder().c_str());
  generator_.SetAddressPath("C:\\SITE\\LINE.1.ADR");
  generator_.SetGeometryName("GEO");
  generator_.SetSpacingRange(1, 1);
  CVikaCommandArray out;
  ASSERT_EQ(17, Run(ArrayWennerB, 0, out));

  CVikaProtocolFile file;
  ASSERT_TRUE(file.Read(dir.Path("P1.ORG").c_str())) << file.GetErrorText();
  EXPECT_EQ(ArrayWennerB, file.m_nArrayCode);
  EXPECT_STREQ("LINE.1", file.m_strAddress);
  EXPECT_STREQ("GEO", file.m_strGeometry);
  ASSERT_EQ(17, file.m_commands.GetSize());
  EXPECT_TRUE(file.m_commands[16] == CVikaCommand(17, 18, 19, 20));

  EXPECT_EQ(1, ui.waits);
  EXPECT_EQ(0, ui.waitDepth);
  ASSERT_EQ(1u, ui.progressRanges.size());
  EXPECT_EQ(20 * 1 * 1, ui.progressRanges[0].second);
  EXPECT_EQ(0, ui.openProgress);
  EXPECT_EQ("Creating P1.ORG command #17   ", ui.progressTexts.back());
  EXPECT_TRUE(ui.errors.empty());

  // An empty section is written with its header lines only.
  const CVikaAddressMap same = MakeMap(2, 10, 10, 20);
  EXPECT_EQ(0, Run(ArrayWennerB, 0, out, &same));
  EXPECT_EQ("2\r\nLINE.1\tGEO.XYZ\r\n", ReadFile(dir.Path("P1.ORG")));
}

TEST_F(ProtocolGeneratorTest, FailuresAreReported) {
  RecordingUi ui;
  CVikaCommandArray out;
  generator_.SetWriteFiles(TRUE);
  generator_.SetFolder("/no/such/folder/");
  generator_.SetName("P");
  EXPECT_EQ(CVikaProtocolGenerator::WriteFailed, Run(ArrayWennerA, 0, out));
  ASSERT_EQ(1u, ui.errors.size());
  EXPECT_EQ("File Write Error!\n\nCould not open file. It may be read-only.",
            ui.errors[0]);

  map_ = CVikaAddressMap();
  EXPECT_EQ(0, Run(ArrayWennerA, 0, out));
  EXPECT_EQ("Address file is invalid.", ui.errors.back());
  map_ = MakeMap(2, 10, 10, 20);
  generator_.SetWriteFiles(FALSE);
  EXPECT_EQ(0, Run(ArrayWennerA, 3, out));
}

TEST(VikaProtocolSkipList, FindAndNearDuplicates) {
  CVikaProtocolSkipList list;
  EXPECT_EQ(nullptr, list.Find(1, 1));
  list.Add(1, 1);
  list.Add(1, 1);
  EXPECT_EQ(2, list.GetCount());
  EXPECT_NE(nullptr, list.Find(1, 1));
  EXPECT_EQ(nullptr, list.Find(1, 2));
  EXPECT_EQ((2u << 16) + 3u, CVikaProtocolSkipList::Pack(2, 3));

  std::unique_ptr<ElectrodeLayout> dipole = CreateElectrodeLayout(ArrayDipoleDipole);
  // Depths a(n + 1): (2, 2) gives 6, (3, 1) gives 6, (1, 4) gives 5.
  CVikaProtocolSkipList pairs;
  pairs.Add(3, 1);
  EXPECT_TRUE(pairs.IsNearDuplicate(2, 2, *dipole, 0.05));
  EXPECT_FALSE(pairs.IsNearDuplicate(3, 2, *dipole, 0.05));  // same a
  CVikaProtocolSkipList distant;
  distant.Add(1, 4);
  EXPECT_FALSE(distant.IsNearDuplicate(2, 2, *dipole, 0.05));
  EXPECT_TRUE(distant.IsNearDuplicate(2, 2, *dipole, 0.2));
  // A zero depth has no near duplicates (and no division by zero).
  std::unique_ptr<ElectrodeLayout> surface = CreateElectrodeLayout(ArraySurface);
  EXPECT_FALSE(distant.IsNearDuplicate(2, 2, *surface, 0.05));
}

}  // namespace

namespace {

// The same layout without its reach, so the generator tries every start as
// it did before starts were narrowed.
class WithoutReach : public ElectrodeLayout {
 public:
  explicit WithoutReach(int code)
      : ElectrodeLayout(code), inner_(CreateElectrodeLayout(code)) {}
  CVikaCommand MakeCommand(const CVikaAddressMap& map, int x, int n, int a,
                           BOOL reverse) const override {
    return inner_->MakeCommand(map, x, n, a, reverse);
  }
  BOOL UsesLevel() const override { return inner_->UsesLevel(); }

 private:
  std::unique_ptr<ElectrodeLayout> inner_;
};

// Electrodes 1-20 on cables of 5, every 7th missing, every 6th wired to
// relay 0, and entries numbered 0 and past the count.
CVikaAddressMap GappedMap(int xMove) {
  CVikaAddressMap map = MakeMap(4, 5, xMove, 20);
  CVikaAddressMap gapped;
  gapped.m_nCables = map.m_nCables;
  gapped.m_nTakeouts = map.m_nTakeouts;
  gapped.m_nFactor = 1;
  gapped.m_nXMove = map.m_nXMove;
  gapped.m_nElectrodes = map.m_nElectrodes;
  for (const auto& [electrode, entry] : map.GetEntries()) {
    if (electrode % 7 == 0)
      continue;
    MapItem item = entry;
    if (electrode % 6 == 0)
      item.nAddress = 0;
    gapped.SetAt(electrode, item);
  }
  gapped.SetAt(0, MapItem{1, 1, 1});
  gapped.SetAt(23, MapItem{3, 4, 5});
  return gapped;
}

std::string Describe(const CVikaCommandArray& out, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    const CVikaCommand& c = out.GetAt(i);
    text += std::to_string(c.m_bValid) + ":" + std::to_string(c.m_nC1) + "," +
            std::to_string(c.m_nC2);
    for (int k = 0; k < CVikaCommand::MaxChannels; ++k)
      text += "," + std::to_string(c.m_nP1[k]) + "/" + std::to_string(c.m_nP2[k]);
    text += " ";
  }
  return text;
}

}  // namespace

// Narrowing the starts by each type's reach and by the electrodes that roll
// off must keep exactly the commands, in the order, of trying every start.
TEST(ProtocolGeneratorSameness, NarrowedStartsGiveTheSameCommands) {
  const CVikaAddressMap redundancy = MakeMap(2, 5, 5, 10);
  for (int code = 0; code <= 15; ++code) {
    std::unique_ptr<ElectrodeLayout> layout(CreateElectrodeLayout(code));
    WithoutReach reference(code);
    for (int xMove : {0, 5, 16, 100}) {
      const CVikaAddressMap map = GappedMap(xMove);
      for (int channels : {1, 3, 4}) {
        for (BOOL reverse : {FALSE, TRUE}) {
          for (int section = 0; section < 3; ++section) {
            SCOPED_TRACE(testing::Message()
                         << ArrayTypeName(code) << " move " << xMove
                         << " channels " << channels << " reverse " << reverse
                         << " section " << section);
            CVikaProtocolGenerator generator;
            generator.SetArrayCode(code);
            generator.SetSpacingRange(1, 20);
            generator.SetLevelRange(1, 8);
            generator.SetChannels(channels);
            generator.SetReverse(reverse);
            const CVikaAddressMap* other = reverse ? &redundancy : nullptr;
            CVikaCommandArray fast, slow;
            const int kept = generator.Generate(fast, map, other, *layout, section);
            const int expected =
                generator.Generate(slow, map, other, reference, section);
            ASSERT_EQ(expected, kept);
            EXPECT_EQ(Describe(slow, std::max(expected, 0)),
                      Describe(fast, std::max(kept, 0)));
          }
        }
      }
    }
  }
}
