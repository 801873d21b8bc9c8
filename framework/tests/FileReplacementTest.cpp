#include "framework/Portable.h"
#include "framework/FileReplacement.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace {

// Each test works in a fresh folder below the test's working directory.
class FileReplacementTest : public ::testing::Test {
protected:
  enum State { kMissing, kFile, kFolder };

  void SetUp() override {
    std::filesystem::remove_all(kDir);
    std::filesystem::create_directories(kDir);
  }
  void TearDown() override { std::filesystem::remove_all(kDir); }

  static CString PathOf(const std::string& name) { return CString(kDir) + "\\" + name.c_str(); }

  static void Write(const CString& path, const std::string& text) {
    CFile file(path, CFile::modeCreate | CFile::modeWrite);
    file.Write(text.data(), (UINT)text.size());
  }
  static std::string Read(const CString& path) {
    CFile file;
    if (!file.Open(path, CFile::modeRead))
      return "<missing>";
    std::string text((size_t)file.GetLength(), '\0');
    file.Read(text.data(), (UINT)text.size());
    return text;
  }
  static void Make(const std::string& name, State state) {
    if (state == kFile)
      Write(PathOf(name), "old " + name);
    else if (state == kFolder)
      std::filesystem::create_directory(std::string(kDir) + "/" + name);
  }
  // What a target holds: its text, "<missing>" or "<folder>".
  static std::string Look(const std::string& name) {
    if (std::filesystem::is_directory(std::string(kDir) + "/" + name))
      return "<folder>";
    return Read(PathOf(name));
  }
  static std::set<std::string> Names() {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(kDir))
      names.insert(entry.path().filename().string());
    return names;
  }

  static constexpr const char* kDir = "replacetest_dir";
};

} // namespace

// Every target gets its new file, or (when a step fails) every target is as
// it was; either way no temporary or backup file is left behind.
TEST_F(FileReplacementTest, SetIsReplacedWholeOrNotAtAll) {
  struct Case {
    const char* name;
    std::vector<State> targets;
    bool ok;
  };
  const Case cases[] = {
    {"one file", {kFile}, true},
    {"one new file", {kMissing}, true},
    {"one folder in the way", {kFolder}, false},
    {"three files", {kFile, kFile, kFile}, true},
    {"three new files", {kMissing, kMissing, kMissing}, true},
    {"old and new mixed", {kFile, kMissing, kFile}, true},
    {"second is a folder", {kFile, kFolder, kFile}, false},
    {"third is a folder", {kFile, kMissing, kFolder}, false},
    {"third is a folder after new files", {kMissing, kFile, kFolder}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    std::vector<std::string> names;
    for (size_t i = 0; i < c.targets.size(); ++i) {
      names.push_back("t" + std::to_string(i) + ".ORG");
      Make(names[i], c.targets[i]);
    }
    std::vector<std::string> before;
    for (const std::string& name : names)
      before.push_back(Look(name));

    CFileReplacement replacement;
    OsFile::Error error;
    for (size_t i = 0; i < names.size(); ++i) {
      ASSERT_TRUE(replacement.Add(PathOf(names[i]), error));
      Write(replacement.GetTempPath((int)i), "new " + names[i]);
    }
    EXPECT_EQ(c.ok, replacement.Commit(error));
    for (size_t i = 0; i < names.size(); ++i)
      EXPECT_EQ(c.ok ? "new " + names[i] : before[i], Look(names[i])) << names[i];
    std::set<std::string> expected;
    for (size_t i = 0; i < names.size(); ++i)
      if (c.ok || c.targets[i] != kMissing)
        expected.insert(names[i]);
    EXPECT_EQ(expected, Names());
  }
}

TEST_F(FileReplacementTest, TemporaryNamesAreFreshSiblings) {
  const CString target = PathOf("data.txt");
  CFileReplacement first;
  OsFile::Error error;
  ASSERT_TRUE(first.Add(target, error));
  const CString temp = first.GetTempPath(0);
  EXPECT_EQ(0, temp.Find(CString(kDir) + "\\~data.txt."));
  EXPECT_EQ(temp.GetLength() - 8, temp.Find(".g7k-tmp"));

  // Files that hold the next names, whoever made them, are skipped and kept.
  unsigned nNumber = 0;
  const CString strStem = temp.Left(temp.GetLength() - 8);
  const CString strNumber = strStem.Mid(strStem.ReverseFind('-') + 1);
  ASSERT_EQ(1, sscanf(strNumber, "%u", &nNumber));
  for (unsigned n = nNumber + 1; n <= nNumber + 3; ++n)
    Write(SiblingFileName(target, OsFile::ProcessId(), n, "g7k-tmp"), "someone's");
  CFileReplacement second;
  ASSERT_TRUE(second.Add(target, error));
  EXPECT_EQ(SiblingFileName(target, OsFile::ProcessId(), nNumber + 4, "g7k-tmp"), second.GetTempPath(0));
  for (unsigned n = nNumber + 1; n <= nNumber + 3; ++n)
    EXPECT_EQ("someone's", Read(SiblingFileName(target, OsFile::ProcessId(), n, "g7k-tmp")));
}

TEST_F(FileReplacementTest, UncommittedTemporariesAreRemoved) {
  Write(PathOf("keep.txt"), "old");
  {
    CFileReplacement replacement;
    OsFile::Error error;
    ASSERT_TRUE(replacement.Add(PathOf("keep.txt"), error));
    Write(replacement.GetTempPath(0), "new");
  }
  EXPECT_EQ("old", Read(PathOf("keep.txt")));
  EXPECT_EQ(std::set<std::string>{"keep.txt"}, Names());
}

TEST_F(FileReplacementTest, NoTemporaryInAMissingFolder) {
  CFileReplacement replacement;
  OsFile::Error error;
  EXPECT_FALSE(replacement.Add(PathOf("no such folder\\x.txt"), error));
  EXPECT_EQ(0, replacement.GetCount());
}
