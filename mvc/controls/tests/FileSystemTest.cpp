#include "mvc/controls/FileSystem.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

TEST(FileSystemPaths, SplittingAndJoining) {
  struct Case {
    const char* path;
    const char* name;
    const char* dir;
    const char* dirNoDrive;
  } cases[] = {
      {"a/b\\c.txt", "c.txt", "a/b\\", "a/b\\"},
      {"C:\\x\\y.txt", "y.txt", "C:\\x\\", "\\x\\"},
      {"y.txt", "y.txt", "", ""},
      {"C:\\Data\\", "", "C:\\Data\\", "\\Data\\"},
      {"C:/x/", "", "C:/x/", "/x/"},
  };
  for (const Case& c : cases) {
    EXPECT_STREQ(c.name, SECFileSystem::GetFileName(c.path)) << c.path;
    EXPECT_STREQ(c.dir, SECFileSystem::GetPath(c.path)) << c.path;
    EXPECT_STREQ(c.dirNoDrive, SECFileSystem::GetPath(c.path, FALSE)) << c.path;
  }
  struct Join {
    const char* path;
    const char* name;
    const char* joined;
  } joins[] = {{"", "a", "a"}, {"C:\\x", "a", "C:\\x\\a"}, {"C:/x/", "a", "C:/x/a"}, {"C:\\x\\", "a", "C:\\x\\a"}};
  for (const Join& j : joins)
    EXPECT_STREQ(j.joined, SECFileSystem::AppendPaths(j.path, j.name));
}

TEST(FileSystemPaths, AttributeFilter) {
  struct Case {
    DWORD attributes, mask;
    BOOL passes;
  } cases[] = {
      {0x20, 0x80, TRUE},   {0x21, 0x80, TRUE},   {0x01, 0, TRUE},      {0x80, 0x80, TRUE},
      {0x22, 0x80, FALSE},  {0x24, 0x80, FALSE},  {0x10, 0x80, FALSE},  {0x10, 0x10, TRUE},
      {0x20, 0x10, FALSE},  {0x16, 0xFFFFFFFF, TRUE}, {0x02, 0, FALSE}, {0x02, 0x02, TRUE},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.passes, SECFileSystem::PassesFilter(c.attributes, c.mask)) << std::hex << c.attributes << "/" << c.mask;
}

// A temporary folder P with files a.Log, b.txt, .h.Log (hidden), sub\b.Log.
struct FileSystemTest : ::testing::Test {
  void SetUp() override {
    root = fs::temp_directory_path() / ("mvcfs" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root);
    fs::create_directories(root / "sub");
    Touch("a.Log");
    Touch("b.txt");
    Touch(".h.Log");
    Touch("sub/b.Log");
#ifdef _WIN32
    ::SetFileAttributesA(Path(".h.Log"), FILE_ATTRIBUTE_HIDDEN);
#endif
  }
  void TearDown() override {
#ifdef _WIN32
    ::SetFileAttributesA(Path(".h.Log"), FILE_ATTRIBUTE_NORMAL);
#endif
    fs::remove_all(root);
  }
  void Touch(const std::string& name) { std::ofstream(root / name) << "x"; }
  CString Dir() const { return CString((root.string() + std::string(1, Separator())).c_str()); }
  CString Path(const char* name) const { return Dir() + name; }
  static char Separator() {
#ifdef _WIN32
    return '\\';
#else
    return '/';
#endif
  }
  static std::vector<std::string> Listed(CStringList* list) {
    std::vector<std::string> names;
    for (POSITION pos = list->GetHeadPosition(); pos;)
      names.push_back(static_cast<LPCTSTR>(SECFileSystem::GetFileName(list->GetNext(pos))));
    delete list;
    return names;
  }
  fs::path root;
  SECFileSystem fsys;
};

TEST_F(FileSystemTest, ExistenceTests) {
  CString dir = Dir().Left(Dir().GetLength() - 1);
  EXPECT_TRUE(fsys.FileExists(dir));
  EXPECT_FALSE(fsys.FileExists(Dir()));  // a trailing separator finds nothing
  EXPECT_TRUE(fsys.DirectoryExists(Dir()));
  EXPECT_TRUE(fsys.DirectoryExists(dir));
  EXPECT_FALSE(fsys.DirectoryExists(Path("a.Log")));
  EXPECT_TRUE(fsys.FileExists(Path("*.Log")));
  EXPECT_TRUE(fsys.FileExists(Path("A.LOG")));  // names match without regard to case
  EXPECT_FALSE(fsys.FileExists(Path("*.dat")));
  EXPECT_FALSE(fsys.FileExists(Path("missing")));
  BYTE attribute = 0;
  ASSERT_TRUE(fsys.GetFileAttribute(dir, attribute));
  EXPECT_TRUE(attribute & SECFileSystem::kDirectory);
  LONG size = -1;
  EXPECT_TRUE(fsys.GetFileSize(Path("a.Log"), size));
  EXPECT_EQ(1, size);
  EXPECT_FALSE(fsys.GetFileSize(Path("missing"), size));
  EXPECT_EQ(1, size);
  CTime time;
  EXPECT_TRUE(fsys.GetFileModifyTime(Path("a.Log"), time));
  EXPECT_GT(time.GetTime(), 0);
}

TEST_F(FileSystemTest, ListingsFilterAndRecurseDepthFirst) {
  using Names = std::vector<std::string>;
  Names logs = Listed(fsys.GetFileList(Path("*.Log"), SECFileSystem::kNormal));
  EXPECT_EQ(Names{"a.Log"}, logs);
  Names all = Listed(fsys.GetFileList(Path("*.*"), SECFileSystem::kAll));
  std::sort(all.begin(), all.end());
  EXPECT_EQ((Names{".h.Log", "a.Log", "b.txt", "sub"}), all);  // "." and ".." skipped
  EXPECT_EQ(Names{"sub"}, Listed(fsys.GetSubdirList(Dir(), FALSE)));
  EXPECT_EQ((Names{"a.Log", "b.Log"}), Listed(fsys.GetDirectory(Path("*.Log"), SECFileSystem::kNormal, TRUE)));
  CStringList* list = fsys.GetDirectory(Path("*.Log"), SECFileSystem::kNormal, TRUE);
  EXPECT_STREQ(Path("sub") + "\\b.Log", list->GetTail());  // joining inserts "\"
  delete list;
  EXPECT_TRUE(Listed(fsys.GetFileList(Path("*.dat"), 0)).empty());
}

TEST_F(FileSystemTest, SearchesRestartAndEnd) {
  SECFileSystem fsys;  // its open search ends with it, before the folder goes
  CString* first = fsys.GetNextMatch(Path("*.Log"), SECFileSystem::kNormal);
  ASSERT_NE(nullptr, first);
  EXPECT_STREQ("a.Log", *first);
  delete first;
  EXPECT_EQ(nullptr, fsys.GetNextMatch("", SECFileSystem::kNormal));  // hidden one filtered out
  CString* again = fsys.GetNextMatch(Path("b.*"), SECFileSystem::kNormal);  // a new search
  ASSERT_NE(nullptr, again);
  EXPECT_STREQ("b.txt", *again);
  delete again;
  CString name;
  SECFileSystem fresh;
  EXPECT_FALSE(fresh.GetNextFileName(name, "", 0));  // nothing open yet
}

TEST_F(FileSystemTest, DeleteFilesSkipsHiddenMatches) {
  EXPECT_TRUE(fsys.DeleteFiles(Path("*.Log"), SECFileSystem::kNormal));
  EXPECT_FALSE(fsys.FileExists(Path("a.Log")));
  EXPECT_TRUE(fsys.FileExists(Path(".h.Log")));
  EXPECT_TRUE(fsys.FileExists(Path("sub")));
  EXPECT_TRUE(fsys.DeleteFiles(Path("*.dat")));  // nothing matched
  EXPECT_FALSE(fsys.DeleteFile(Path("a.Log")));
}

TEST_F(FileSystemTest, Rename) {
  EXPECT_TRUE(fsys.RenameFile(Path("nothing"), Path("nothing")));
  EXPECT_FALSE(fsys.RenameFile(Path("a.Log"), Path("b.txt")));  // target taken
  EXPECT_TRUE(fsys.FileExists(Path("a.Log")));
  EXPECT_FALSE(fsys.RenameFile(Path("missing"), Path("c.txt")));
  EXPECT_TRUE(fsys.RenameFile(Path("a.Log"), Path("c.txt")));
  EXPECT_FALSE(fsys.FileExists(Path("a.Log")));
  EXPECT_TRUE(fsys.FileExists(Path("c.txt")));
}

TEST_F(FileSystemTest, DirectoriesAndSpace) {
  EXPECT_TRUE(fsys.MakeDirectory(Path("new")));
  EXPECT_FALSE(fsys.MakeDirectory(Path("new")));
  EXPECT_FALSE(fsys.MakeDirectory(Path("no\\such\\parent")));
  CString before = fsys.GetCurrentDirectory();
  ASSERT_FALSE(before.IsEmpty());
  EXPECT_TRUE(fsys.ChangeDirectory(Path("sub")));
  EXPECT_TRUE(fsys.FileExists("b.Log"));
  EXPECT_TRUE(fsys.ChangeDirectory(before));
  EXPECT_EQ(0, fsys.GetCurrentDirectory(Path("sub")).CompareNoCase(Path("sub")));
  EXPECT_STREQ(before, fsys.GetCurrentDirectory());  // the query came back
  EXPECT_FALSE(fsys.ChangeDirectory(Path("missing")));
  EXPECT_NE(~0ull, fsys.GetTotalSpace64(Dir()));
  EXPECT_NE(0xFFFFFFFFu, fsys.GetFreeSpace(Dir()));
  EXPECT_EQ(0xFFFFFFFFu, fsys.GetFreeSpace(Path("missing")));
}

#ifndef _WIN32
TEST_F(FileSystemTest, SizesBeyondFourGigabytes) {
  const std::uint64_t big = 5ull << 30;
  fs::resize_file(root / "a.Log", big);  // sparse
  ULONGLONG size = 0;
  EXPECT_TRUE(fsys.GetFileSize(Path("a.Log"), size));
  EXPECT_EQ(big, size);
  LONG small = 7;
  EXPECT_FALSE(fsys.GetFileSize(Path("a.Log"), small));  // does not fit
  EXPECT_EQ(7, small);
}
#endif

}  // namespace
