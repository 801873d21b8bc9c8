#include "framework/Portable.h"
#include "design/GeometryFile.h"

#include <gtest/gtest.h>

#include <string>

#include "design/tests/TestFiles.h"

namespace {

TEST(Coordinate, ParsesWithOrWithoutIndex) {
  struct Case {
    const char* line;
    double x, y, z;
  } cases[] = {
      {"1\t1.50\t0.00\t-2.25", 1.5, 0, -2.25},
      {"3 4 5", 3, 4, 5},      // no index: the fallback form
      {"1 2.5", 1, 2.5, 0},    // missing fields are 0
      {"", 0, 0, 0},
      {"7 1e2 2E-1 +3", 100, 0.2, 3},
      {"7 nan inf 1", 7, 0, 0},
  };
  for (const Case& c : cases) {
    const Coordinate point{CString(c.line)};
    EXPECT_DOUBLE_EQ(c.x, point.x) << c.line;
    EXPECT_DOUBLE_EQ(c.y, point.y) << c.line;
    EXPECT_DOUBLE_EQ(c.z, point.z) << c.line;
  }
  EXPECT_STREQ("    3.00\t    0.00\t    0.13",
               Coordinate(3, 0, 0.126).Format(8, 2));
  EXPECT_STREQ("-1.5\t2.0\t0.0", Coordinate(-1.5, 2, 0).Format(1, 1));
}

// Archived pointers are re-created through the run-time class; the
// coordinate itself stores no fields.
TEST(Coordinate, ArchivedPointerIsRecreated) {
  CMemFile memory;
  Coordinate stored(1, 2, 3);
  {
    CArchive out(&memory, CArchive::store);
    out << &stored << &stored;
  }
  memory.SeekToBegin();
  CArchive in(&memory, CArchive::load);
  Coordinate* first = nullptr;
  Coordinate* second = nullptr;
  in >> first >> second;
  ASSERT_TRUE(first);
  EXPECT_TRUE(first->IsKindOf(RUNTIME_CLASS(Coordinate)));
  EXPECT_EQ(0, first->x);
  EXPECT_EQ(first, second);
  delete first;
}

TEST(GeometryFile, SetNameLines) {
  struct Case {
    const char* line;
    BOOL name;
  } cases[] = {{"Line A", TRUE},      {"east", FALSE},   {"1 2 3 4", FALSE},
               {"1 2 3 4 5", TRUE},   {".5 1 2", TRUE},  {"", FALSE},
               {"-1 +2 e3", FALSE},   {"north", TRUE}};
  for (const Case& c : cases)
    EXPECT_EQ(c.name, CGeometryFile::IsSetNameLine(c.line)) << c.line;
}

TEST(GeometryFile, WritesTwoDecimalsAndReadsBack) {
  TempDir dir;
  CGeometryFile file;
  CoordinateSet& first = file.AddSet("Line 1");
  for (Coordinate point : {Coordinate(0, 0, 0), Coordinate(1.5, 0, 0),
                           Coordinate(3, 0, 0.126)})
    first.Add(point);
  CoordinateSet& second = file.AddSet("Cross line");
  Coordinate point(-10.004, 2.5, 1);
  second.Add(point);
  ASSERT_TRUE(file.Write(dir.Path("G.XYZ").c_str()));
  EXPECT_EQ(
      "2\r\n"
      "Line 1\r\n"
      "1\t    0.00\t    0.00\t    0.00\r\n"
      "2\t    1.50\t    0.00\t    0.00\r\n"
      "3\t    3.00\t    0.00\t    0.13\r\n"
      "Cross line\r\n"
      "1\t  -10.00\t    2.50\t    1.00\r\n",
      ReadFile(dir.Path("G.XYZ")));

  CGeometryFile again;
  ASSERT_TRUE(again.Read(dir.Path("G.XYZ").c_str())) << again.GetErrorText();
  ASSERT_EQ(2u, again.m_names.size());
  EXPECT_STREQ("Line 1", again.m_names[0]);
  EXPECT_STREQ("Cross line", again.m_names[1]);
  CoordinateSet* set = again.GetSet("Line 1");
  ASSERT_TRUE(set);
  ASSERT_EQ(4, set->GetSize());
  EXPECT_DOUBLE_EQ(0.13, set->GetAt(3).z);
  EXPECT_DOUBLE_EQ(-10.0, again.GetSet("Cross line")->GetAt(1).x);
}

TEST(GeometryFile, ReadsLfAndFallbackLines) {
  TempDir dir;
  WriteFile(dir.Path("g.xyz"), "1\n  west  \n0 0 0\n\n2.5 0 1\n");
  CGeometryFile file;
  ASSERT_TRUE(file.Read(dir.Path("g.xyz").c_str())) << file.GetErrorText();
  CoordinateSet* set = file.GetSet("west");
  ASSERT_TRUE(set);
  ASSERT_EQ(3, set->GetSize());  // the blank line is no point
  EXPECT_DOUBLE_EQ(2.5, set->GetAt(2).x);
  EXPECT_DOUBLE_EQ(1, set->GetAt(2).z);
}

TEST(GeometryFile, MalformedFilesGiveAClearErrorAndLoadNothing) {
  TempDir dir;
  struct Case {
    const char* text;
    const char* error;
  } cases[] = {
      {"", "Line 1: expected the number of coordinate sets."},
      {"0\nA\n1 0 0 0\n", "Line 1: expected the number of coordinate sets."},
      {"sets\nA\n", "Line 1: expected the number of coordinate sets."},
      {"2\nA\n1 0 0 0\nA\n1 1 1 1\n",
       "Line 4: the coordinate set A appears twice."},
  };
  for (const Case& c : cases) {
    WriteFile(dir.Path("bad.xyz"), c.text);
    CGeometryFile file;
    file.AddSet("old");
    EXPECT_FALSE(file.Read(dir.Path("bad.xyz").c_str())) << c.text;
    EXPECT_STREQ(c.error, file.GetErrorText());
    EXPECT_TRUE(file.m_names.empty());
    EXPECT_EQ(0, file.m_sets.GetCount());
  }
  CGeometryFile file;
  EXPECT_FALSE(file.Read(dir.Path("none.xyz").c_str()));
  EXPECT_FALSE(file.Write(dir.Path("no/such/folder.xyz").c_str()));
}

// Files edited by hand still open when their set count and their sets
// disagree: the count bounds the sets read, the end of the file ends the
// last set, and the caller gets a warning to show.
TEST(GeometryFile, CountAndSetsDisagree) {
  TempDir dir;
  struct Case {
    const char* text;
    const char* sets;  // name:points of each set read
    const char* warning;
  } cases[] = {
      {"2\nA\n1 0 0 0\nB\n1 1 1 1\n", "A:1 B:1 ", ""},
      {"3\nA\n1 0 0 0\nB\n1 1 1 1\n2 2 2 2\n", "A:1 B:2 ",
       "The file announces 3 coordinate sets but holds 2."},
      {"2\nA\n", "A:0 ", "The file announces 2 coordinate sets but holds 1."},
      // A set named east reads as a point of the set before it.
      {"2\nA\n1 0 0 0\neast\n1 1 1 1\n", "A:3 ",
       "The file announces 2 coordinate sets but holds 1."},
      {"1\nA\n1 0 0 0\nB\n1 1 1 1\nC\n", "A:1 ",
       "The file announces 1 coordinate sets but holds 3: only the first 1 "
       "are read."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    WriteFile(dir.Path("hand.xyz"), c.text);
    CGeometryFile file;
    ASSERT_TRUE(file.Read(dir.Path("hand.xyz").c_str())) << file.GetErrorText();
    std::string sets;
    for (const CString& name : file.m_names)
      sets += std::string(static_cast<LPCTSTR>(name)) + ":" +
              std::to_string(file.GetSet(name)->GetSize() - 1) + " ";
    EXPECT_EQ(c.sets, sets);
    EXPECT_STREQ(c.warning, file.GetWarningText());
  }
}

// The map owns its sets: replacing and removing free them (the leak
// checker of the sanitizer build watches this test).
TEST(CoordinateSetMap, OwnsItsSets) {
  CoordinateSetMap map;
  map.SetAt("A", new CoordinateSet);
  map.SetAt("A", new CoordinateSet);
  CoordinateSet* same = nullptr;
  ASSERT_TRUE(map.Lookup("A", same));
  map.SetAt("A", same);
  map.SetAt("B", new CoordinateSet);
  EXPECT_EQ(2, map.GetCount());
  EXPECT_TRUE(map.RemoveKey("B"));
  EXPECT_FALSE(map.RemoveKey("B"));
  EXPECT_EQ(1, map.GetCount());
}

}  // namespace
