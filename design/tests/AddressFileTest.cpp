#include "framework/Portable.h"
#include "design/VikaAddressFile.h"
#include "design/VikaAddressMap.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <string>

#include "design/tests/TestFiles.h"

namespace {

const char kLayout[] =
    "2 4 cables of four\r\n"
    "1\t20\t0\r\n"
    "5\r\n"
    "1\t1\t1-1\r\n"
    "2\t2\t1-2\tspare\r\n"
    "3\t0\t1-3\r\n"
    "4\t4\t1-4\r\n"
    "5\t5\t2-1\r\n";

std::string WithLf(std::string text) {
  std::string out;
  for (char c : text)
    if (c != '\r')
      out += c;
  return out;
}

TEST(VikaAddressMap, ReadsHeaderAndEntriesWithEitherLineEnd) {
  for (const std::string& text : {std::string(kLayout), WithLf(kLayout)}) {
    TempDir dir;
    WriteFile(dir.Path("line1.ADR"), text);
    const CVikaAddressMap map(dir.Path("line1").c_str());
    EXPECT_EQ(2u, map.m_nCables);
    EXPECT_EQ(4u, map.m_nTakeouts);
    EXPECT_EQ(1u, map.m_nFactor);
    EXPECT_EQ(20u, map.m_nXMove);
    EXPECT_FALSE(map.m_bYRoll);
    EXPECT_EQ(5u, map.m_nElectrodes);
    EXPECT_STREQ("LINE1.ADR", map.m_strFileName);
    EXPECT_EQ(4, map.GetCount());
    MapItem item;
    ASSERT_TRUE(map.Lookup(5, item));
    EXPECT_EQ(5, item.nAddress);
    EXPECT_EQ(2, item.nCable);
    EXPECT_EQ(1, item.nTakeout);
    // A relay address of 0 is an unconnected placeholder.
    EXPECT_FALSE(map.Lookup(3, item));
    EXPECT_FALSE(map.HasAddress(3));
    EXPECT_TRUE(map.HasAddress(2));
    int minCable, maxCable, minTakeout, maxTakeout;
    map.GetRanges(minCable, maxCable, minTakeout, maxTakeout);
    EXPECT_EQ(1, minCable);
    EXPECT_EQ(2, maxCable);
    EXPECT_EQ(1, minTakeout);
    EXPECT_EQ(4, maxTakeout);
  }
}

// Small electrode numbers are looked up in a table, others in the map; both
// must answer alike, also for numbers never set.
TEST(VikaAddressMap, LookupAnswersAlikeForSmallAndLargeNumbers) {
  CVikaAddressMap map;
  map.SetAt(0, MapItem{7, 1, 1});
  map.SetAt(5, MapItem{0, 1, 5});
  map.SetAt(70000, MapItem{9, 3, 2});
  map.SetAt(-3, MapItem{4, 2, 2});
  map.SetAt(5, MapItem{6, 1, 6});  // replaces
  const struct {
    int electrode;
    bool found;
    int address;
  } cases[] = {{0, true, 7},     {5, true, 6},       {70000, true, 9},
               {-3, true, 4},    {4, false, 0},      {6, false, 0},
               {65535, false, 0}, {70001, false, 0}, {INT_MIN, false, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.electrode);
    MapItem item;
    EXPECT_EQ(c.found, map.Lookup(c.electrode, item) != FALSE);
    EXPECT_EQ(c.found && c.address != 0, map.HasAddress(c.electrode) != FALSE);
    if (c.found)
      EXPECT_EQ(c.address, item.nAddress);
  }
  CVikaAddressMap copy = map;
  EXPECT_TRUE(copy.HasAddress(70000) && copy.HasAddress(0));
  EXPECT_EQ(4, copy.GetCount());
}

TEST(VikaAddressMap, YMoveRollsInY) {
  TempDir dir;
  WriteFile(dir.Path("y.adr"), "1 8\n1 20 5\n0\n");
  const CVikaAddressMap map(dir.Path("y.adr").c_str());
  EXPECT_TRUE(map.m_bYRoll);
  EXPECT_EQ(0u, map.m_nXMove);
  EXPECT_EQ(5u, map.m_nYMove);
  EXPECT_STREQ("Y.ADR", map.m_strFileName);
}

// ".ADR" in a folder name is no extension: the suffix decides.
TEST(VikaAddressMap, ExtensionIsTheSuffix) {
  TempDir dir;
  std::filesystem::create_directories(dir.Path("sites.adr"));
  WriteFile(dir.Path("sites.adr/line1.ADR"), kLayout);
  const CVikaAddressMap map(dir.Path("sites.adr/line1").c_str());
  EXPECT_EQ(5u, map.m_nElectrodes);
  EXPECT_STREQ("LINE1.ADR", map.m_strFileName);
}

TEST(VikaAddressMap, MissingOrGarbledFilesGiveNoElectrodes) {
  TempDir dir;
  struct Case {
    const char* text;
    UINT electrodes;
    int entries;
  } cases[] = {
      {"", 0, 0},
      {"2 4\n", 0, 0},
      {"x y\nz\nq\n1 1 1-1\n", 0, 1},
      {"2 4\n1 0 0\n-3\n1 1 1-1\n", 0, 1},
      {"2 4\n1 0 0\n3\n1 1 1-1\n2 2 1 2\n3 3\n\n4 4 1-4 x\n", 3, 2},
      {"2 4\n1 0 0\n3\n1 1 1-1\n1 7 1-7\n", 3, 1},
  };
  for (const Case& c : cases) {
    WriteFile(dir.Path("bad.ADR"), c.text);
    const CVikaAddressMap map(dir.Path("bad").c_str());
    EXPECT_EQ(c.electrodes, map.m_nElectrodes) << c.text;
    EXPECT_EQ(c.entries, map.GetCount()) << c.text;
  }
  const CVikaAddressMap missing(dir.Path("none").c_str());
  EXPECT_EQ(0u, missing.m_nElectrodes);
  int minCable, maxCable, minTakeout, maxTakeout;
  missing.GetRanges(minCable, maxCable, minTakeout, maxTakeout);
  EXPECT_EQ(INT_MAX, minCable);
  EXPECT_EQ(INT_MIN, maxTakeout);
}

TEST(VikaAddressFile, RoundTripKeepsCommentsAndPlaceholders) {
  TempDir dir;
  WriteFile(dir.Path("a.ADR"), WithLf(kLayout));
  CVikaAddressFile file;
  ASSERT_TRUE(file.Read(dir.Path("a.ADR").c_str())) << file.GetErrorText();
  EXPECT_EQ(5u, file.m_rows.size());
  EXPECT_STREQ("3\t0\t1-3", file.m_rows[2]);
  EXPECT_STREQ("cables of four", file.GetComment(1));
  EXPECT_STREQ("spare", file.GetComment(5));
  EXPECT_TRUE(file.GetComment(2).IsEmpty());

  ASSERT_TRUE(file.Write(dir.Path("b.ADR").c_str()));
  EXPECT_EQ(
      "2\t4\tcables of four\r\n"
      "1\t20\t0\t\r\n"
      "5\t\r\n"
      "1\t1\t1-1\t\r\n"
      "2\t2\t1-2\tspare\r\n"
      "3\t0\t1-3\t\r\n"
      "4\t4\t1-4\t\r\n"
      "5\t5\t2-1\t\r\n",
      ReadFile(dir.Path("b.ADR")));
}

TEST(VikaAddressFile, YRollWritesOnlyTheYMove) {
  TempDir dir;
  WriteFile(dir.Path("y.ADR"), "4 21\n1 20 5 roll\n0\n");
  CVikaAddressFile file;
  ASSERT_TRUE(file.Read(dir.Path("y.ADR").c_str()));
  EXPECT_TRUE(file.m_bYRoll);
  ASSERT_TRUE(file.Write(dir.Path("y.ADR").c_str()));
  EXPECT_EQ("4\t21\t\r\n1\t0\t5\troll\r\n0\t\r\n", ReadFile(dir.Path("y.ADR")));
}

// Saving after a row was deleted writes a count that matches the rows, and
// a file whose count differs from its rows still reads.
TEST(VikaAddressFile, CountFollowsTheRows) {
  TempDir dir;
  WriteFile(dir.Path("a.ADR"), kLayout);
  CVikaAddressFile file;
  ASSERT_TRUE(file.Read(dir.Path("a.ADR").c_str()));
  file.m_rows.pop_back();
  ASSERT_TRUE(file.Write(dir.Path("a.ADR").c_str()));
  EXPECT_EQ(4u, file.m_nElectrodes);

  CVikaAddressFile again;
  ASSERT_TRUE(again.Read(dir.Path("a.ADR").c_str())) << again.GetErrorText();
  EXPECT_EQ(4u, again.m_nElectrodes);
  EXPECT_EQ(4u, again.m_rows.size());

  WriteFile(dir.Path("short.ADR"), "1 4\n1 0 0\n4\n1 1 1-1\n2 2 1-2\n");
  ASSERT_TRUE(again.Read(dir.Path("short.ADR").c_str()));
  EXPECT_EQ(4u, again.m_nElectrodes);
  EXPECT_EQ(2u, again.m_rows.size());

  // More entries than announced are all read; notes after them end the
  // table.
  WriteFile(dir.Path("long.ADR"),
            "1 4\n1 0 0\n1\n1 1 1-1\n2 2 1-2\n\nwired 2024\n");
  ASSERT_TRUE(again.Read(dir.Path("long.ADR").c_str())) << again.GetErrorText();
  EXPECT_EQ(2u, again.m_rows.size());
}

TEST(VikaAddressFile, MalformedFilesGiveAClearError) {
  TempDir dir;
  struct Case {
    const char* text;
    const char* error;
  } cases[] = {
      {"", "Line 1: the address file header is incomplete."},
      {"2 4\n1 0 0\n", "Line 3: the address file header is incomplete."},
      {"two 4\n1 0 0\n1\n", "Line 1: expected the number of cables and takeouts."},
      {"2 4\n1 0\n1\n", "Line 2: expected the spacing factor, X-move and Y-move."},
      {"2 4\n1 0 0\n-1\n", "Line 3: expected the number of electrodes."},
      {"2 4\n1 0 0\n2\n1 1 1-1\n2 2 1 2\n",
       "Line 5: expected electrode, relay address and cable-takeout."},
      {"2 4\n1 0 0\n2\n1 1 1-1\n\n2 2 1-2\n",
       "Line 5: expected electrode, relay address and cable-takeout."},
  };
  for (const Case& c : cases) {
    WriteFile(dir.Path("bad.ADR"), c.text);
    CVikaAddressFile file;
    EXPECT_FALSE(file.Read(dir.Path("bad.ADR").c_str())) << c.text;
    EXPECT_STREQ(c.error, file.GetErrorText());
  }
  CVikaAddressFile file;
  EXPECT_FALSE(file.Read(dir.Path("missing.ADR").c_str()));
  EXPECT_STREQ("The address file could not be opened.", file.GetErrorText());
  EXPECT_FALSE(file.Write(dir.Path("no/such/folder.ADR").c_str()));
}

// One row grammar, two policies: the editor takes unsigned values only and
// keeps placeholders; the map takes signed values within int range and
// leaves placeholders out.
TEST(AddressFormat, EditorAndMapReadTheSameRows) {
  TempDir dir;
  struct Case {
    const char* row;
    bool editor;
    bool map;
  } cases[] = {
      {"3 3 1-3", true, true},          {"-3 3 1-3", false, true},
      {"3 3 1--3", false, true},        {"3 0 1-3", true, false},
      {"3 -3 1-3", false, false},       {"4294967295 3 1-3", true, false},
      {"3 3 1 3", false, false},        {"3 3 1-3 note", true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    AddressEntry entry;
    EXPECT_EQ(c.editor, CVikaAddressFile::ParseRow(c.row, entry) != FALSE);
    WriteFile(dir.Path("row.ADR"), std::string("1 8\n1 0 0\n1\n") + c.row + "\n");
    const CVikaAddressMap map(dir.Path("row").c_str());
    EXPECT_EQ(c.map ? 1 : 0, map.GetCount());
  }
}

TEST(VikaAddressFile, RowsAndComments) {
  AddressEntry entry;
  CString comment;
  ASSERT_TRUE(CVikaAddressFile::ParseRow("12\t12\t1-12 end of line", entry,
                                         &comment));
  EXPECT_EQ(12u, entry.nElectrode);
  EXPECT_EQ(1u, entry.nCable);
  EXPECT_STREQ("12\t12\t1-12", CVikaAddressFile::FormatRow(entry));
  EXPECT_STREQ("end of line", comment);
  EXPECT_FALSE(CVikaAddressFile::ParseRow("12 12", entry));
  EXPECT_TRUE(CVikaAddressFile::LineComment("4 21").IsEmpty());
}

}  // namespace
