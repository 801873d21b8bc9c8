#include "framework/Portable.h"
#include "design/VikaProtocolFile.h"

#include <gtest/gtest.h>

#include "design/tests/TestFiles.h"

namespace {

TEST(VikaProtocolFile, WritesHeaderAndCommands) {
  TempDir dir;
  CVikaProtocolFile file;
  file.m_nArrayCode = 6;
  file.m_strAddress = CVikaProtocolFile::AddressBaseName("D:\\P\\ABC.ADR");
  file.m_strGeometry = "GEO2";
  const int p1[] = {2, 3, 4}, p2[] = {0, 0, 0};
  CVikaCommand three(1, 0, p1, p2, 3);
  CVikaCommand one(5, 6, 7, 8);
  CVikaCommand stop;
  CVikaCommand after(9, 9, 9, 9);
  file.m_commands.Add(three);
  file.m_commands.Add(one);
  file.m_commands.Add(stop);
  file.m_commands.Add(after);
  ASSERT_TRUE(file.Write(dir.Path("P.ORG").c_str()));
  EXPECT_EQ("6\r\nABC\tGEO2.XYZ\r\n1\t0\t2\t0\t3\t0\t4\t0\r\n5\t6\t7\t8\r\n",
            ReadFile(dir.Path("P.ORG")));

  ASSERT_TRUE(file.Write(dir.Path("E.ORG").c_str(), TRUE));
  EXPECT_EQ("6\r\nABC\tGEO2.XYZ\r\n", ReadFile(dir.Path("E.ORG")));
}

TEST(VikaProtocolFile, HeaderForms) {
  TempDir dir;
  struct Case {
    int code;
    const char* geometry;
    const char* text;
  } cases[] = {
      {6, "", "6\r\nABC\t//Address File\r\n"},
      {6, "<none>", "6\r\nABC\t//Address File\r\n"},
      {-1, "G", "-1\r\nABC\tG.XYZ\r\n"},  // an unset code stays -1
  };
  for (const Case& c : cases) {
    CVikaProtocolFile file;
    file.m_nArrayCode = c.code;
    file.m_strAddress = "ABC";
    file.m_strGeometry = c.geometry;
    ASSERT_TRUE(file.Write(dir.Path("H.UP").c_str()));
    EXPECT_EQ(c.text, ReadFile(dir.Path("H.UP")));
  }
}

TEST(VikaProtocolFile, AddressBaseName) {
  struct Case {
    const char* path;
    const char* base;
  } cases[] = {
      {"C:\\GVX7000\\KS808\\LINE1.ADR", "LINE1"},
      {"D:\\P\\X.Y.ADR", "X.Y"},  // cut at the last dot
      {"LINE2", "LINE2"},
      {"C:\\A.B\\LINE3", "LINE3"},
  };
  for (const Case& c : cases)
    EXPECT_STREQ(c.base, CVikaProtocolFile::AddressBaseName(c.path)) << c.path;
}

TEST(VikaProtocolFile, ReadsEveryWritersHeader) {
  TempDir dir;
  struct Case {
    const char* text;
    int code;
    const char* address;
    const char* geometry;
    const char* comment1;
    const char* comment2;
  } cases[] = {
      {"6\nABC\tGEO2.XYZ\n", 6, "ABC", "GEO2", "", ""},
      {"  3\r\nADR1\t//Address File\r\n", 3, "ADR1", "", "", "//Address File"},
      {"5\tedited\nADR1.ADR\tGEO1.XYZ\tsite A\n", 5, "ADR1", "GEO1", "edited",
       "site A"},
      {"1\nabc.adr\tgeo.xyz\n", 1, "abc", "geo", "", ""},
      {"4294967295\nA\n", -1, "A", "", "", ""},
  };
  for (const Case& c : cases) {
    WriteFile(dir.Path("R.ORG"), c.text);
    CVikaProtocolFile file;
    ASSERT_TRUE(file.Read(dir.Path("R.ORG").c_str()))
        << c.text << file.GetErrorText();
    EXPECT_EQ(c.code, file.m_nArrayCode);
    EXPECT_STREQ(c.address, file.m_strAddress);
    EXPECT_STREQ(c.geometry, file.m_strGeometry);
    EXPECT_STREQ(c.comment1, file.GetComment(1));
    EXPECT_STREQ(c.comment2, file.GetComment(2));
    EXPECT_EQ(0, file.m_commands.GetSize());
  }
}

TEST(VikaProtocolFile, RoundTripKeepsCommandsAndComments) {
  TempDir dir;
  WriteFile(dir.Path("C.DWN"),
            "5\tsecond try\n"
            "LINE1\tGEO.XYZ\tsite A\n"
            "  1 2  3 4 // first\n"
            "2,3,4,5\n"
            "12 7 8 9 10 11x\n"
            "\n"
            "3\t0\t4\t0\t5\t0\t6\t0\tpole\n");
  CVikaProtocolFile file;
  ASSERT_TRUE(file.Read(dir.Path("C.DWN").c_str())) << file.GetErrorText();
  ASSERT_EQ(4, file.m_commands.GetSize());
  EXPECT_TRUE(file.m_commands[0] == CVikaCommand(1, 2, 3, 4));
  EXPECT_TRUE(file.m_commands[1] == CVikaCommand(2, 3, 4, 5));
  EXPECT_EQ(2, file.m_commands[2].m_nChannels);
  EXPECT_EQ(10, file.m_commands[2].m_nP1[1]);
  EXPECT_EQ(3, file.m_commands[3].m_nChannels);
  EXPECT_STREQ("// first", file.GetComment(3));
  EXPECT_STREQ("x", file.GetComment(5));
  // The empty line is not written back; the comment stays with its
  // command, on the line that command is written on.
  EXPECT_STREQ("pole", file.GetComment(6));

  ASSERT_TRUE(file.Write(dir.Path("C.DWN").c_str()));
  EXPECT_EQ(
      "5\tsecond try\r\n"
      "LINE1\tGEO.XYZ\tsite A\r\n"
      "1\t2\t3\t4\t// first\r\n"
      "2\t3\t4\t5\r\n"
      "12\t7\t8\t9\t10\t11\tx\r\n"
      "3\t0\t4\t0\t5\t0\t6\t0\tpole\r\n",
      ReadFile(dir.Path("C.DWN")));
}

TEST(VikaProtocolFile, MalformedFilesGiveAClearError) {
  TempDir dir;
  struct Case {
    const char* text;
    const char* error;
  } cases[] = {
      {"", "Line 1: the protocol file header is incomplete."},
      {"6\n", "Line 2: the protocol file header is incomplete."},
      {"six\nA\n", "Line 1: expected the array code."},
      {"6\nA\n1 2 3\n",
       "Line 3: expected C1, C2 and one to four pairs of P1 and P2."},
      {"6\nA\n1 2 3 4\n1 2 3 4 5 6 7 8 9 10 11 12\n",
       "Line 4: expected C1, C2 and one to four pairs of P1 and P2."},
      {"6\nA\n1 - 2 3 4\n",
       "Line 3: expected C1, C2 and one to four pairs of P1 and P2."},
      {"6\nA\n1 2 3 99999999999\n",
       "Line 3: expected C1, C2 and one to four pairs of P1 and P2."},
  };
  for (const Case& c : cases) {
    WriteFile(dir.Path("M.ORG"), c.text);
    CVikaProtocolFile file;
    EXPECT_FALSE(file.Read(dir.Path("M.ORG").c_str())) << c.text;
    EXPECT_STREQ(c.error, file.GetErrorText());
  }
  CVikaProtocolFile file;
  EXPECT_FALSE(file.Read(dir.Path("none.ORG").c_str()));
  EXPECT_STREQ("The protocol file could not be opened.", file.GetErrorText());
}

TEST(VikaProtocolFile, CommentStart) {
  struct Case {
    const char* line;
    int start;
  } cases[] = {{"", -1},
               {"1 2 3 4", -1},
               {"12 7 8 9x", -1},  // a comment on the last character is not split
               {"1 2 3 4 // c", 8},
               {"1 2 3 4\tspare", 8}};
  for (const Case& c : cases)
    EXPECT_EQ(c.start, CVikaProtocolFile::FindCommentStart(c.line)) << c.line;
}

}  // namespace
