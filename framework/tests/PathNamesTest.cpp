#include "framework/Portable.h"
#include "framework/PathNames.h"

#include <gtest/gtest.h>

TEST(PathNames, PartsOfAPath) {
  struct Case {
    const char* path;
    const char* folder;
    const char* name;
    const char* stem;
  };
  const Case cases[] = {
    {"", "", "", ""},
    {"name.ext", "", "name.ext", "name"},
    {"c:\\data\\line.ORG", "c:\\data\\", "line.ORG", "c:\\data\\line"},
    {"/data/line.tar.gz", "/data/", "line.tar.gz", "/data/line.tar"},
    {"c:\\data/mixed\\a.b", "c:\\data/mixed\\", "a.b", "c:\\data/mixed\\a"},
    {"c:\\dotted.dir\\plain", "c:\\dotted.dir\\", "plain", "c:\\dotted.dir\\plain"},
    {"folder\\", "folder\\", "", "folder\\"},
    {".hidden", "", ".hidden", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_STREQ(c.folder, FolderPart(c.path));
    EXPECT_STREQ(c.name, FileNamePart(c.path));
    EXPECT_STREQ(c.stem, FileStem(c.path));
    EXPECT_EQ((int)strlen(c.folder), FileNameStart(c.path));
  }
  EXPECT_STREQ("c:\\a.b\\line.Log", WithExtension("c:\\a.b\\line.ORG", ".Log"));
  EXPECT_STREQ("c:\\a.b\\line.Log", WithExtension("c:\\a.b\\line", ".Log"));
}

TEST(PathNames, FolderEndings) {
  EXPECT_STREQ("", WithTrailingBackslash(""));
  EXPECT_STREQ("c:\\x\\", WithTrailingBackslash("c:\\x"));
  EXPECT_STREQ("c:\\x\\", WithTrailingBackslash("c:\\x\\"));
  EXPECT_STREQ("/x/\\", WithTrailingBackslash("/x/"));
  EXPECT_STREQ("", WithSeparator(""));
  EXPECT_STREQ("/x/", WithSeparator("/x/"));
  EXPECT_STREQ("c:\\x\\", WithSeparator("c:\\x\\"));
  EXPECT_STREQ(CString("x") + OsFile::PathSeparator(), WithSeparator("x"));
}

TEST(PathNames, FileTimesAndUnixTimes) {
  struct Case {
    ULONGLONG fileTime;
    LONGLONG unixTime;
  };
  const Case cases[] = {
    {116444736000000000ULL, 0},                  // 1970-01-01
    {0, -11644473600LL},                          // 1601-01-01
    {132223104000000000ULL, 1577836800LL},       // 2020-01-01
    {116444736000000000ULL - 10000000ULL, -1},   // a second before 1970
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.unixTime, FileTimeToUnix(c.fileTime)) << c.fileTime;
    EXPECT_EQ(c.fileTime, UnixToFileTime(c.unixTime)) << c.unixTime;
  }
  EXPECT_EQ(1577836800LL, FileTimeToUnix(132223104000000000ULL + 9999999ULL));  // whole seconds
  EXPECT_EQ(0u, UnixToFileTime(-11644473601LL));
}
