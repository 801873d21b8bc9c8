#include "framework/Portable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace {

// Each test works in a fresh folder below the test's working directory,
// and names files with Windows separators.
class FileTest : public ::testing::Test {
protected:
  void SetUp() override {
    std::filesystem::remove_all(kDir);
    std::filesystem::create_directories(kDir);
  }
  void TearDown() override { std::filesystem::remove_all(kDir); }

  static CString PathOf(const char* name) { return CString(kDir) + "\\" + name; }
  static std::string NativeOf(const char* name) { return std::string(kDir) + "/" + name; }

  static void WriteRaw(const char* name, const std::string& bytes) {
    std::ofstream out(NativeOf(name), std::ios::binary);
    out << bytes;
  }
  static std::string ReadRaw(const char* name) {
    std::ifstream in(NativeOf(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  static constexpr const char* kDir = "filetest_dir";
};

} // namespace

TEST_F(FileTest, BinaryFileReadWriteSeek) {
  CFile file;
  ASSERT_TRUE(file.Open(PathOf("data.bin"), CFile::modeCreate | CFile::modeReadWrite | CFile::typeBinary));
  file.Write("0123456789", 10);
  EXPECT_EQ(10u, file.GetLength());
  EXPECT_EQ(4u, file.Seek(4, CFile::begin));
  char buffer[8] = {};
  EXPECT_EQ(3u, file.Read(buffer, 3));
  EXPECT_STREQ("456", buffer);
  EXPECT_EQ(7u, file.GetPosition());
  EXPECT_EQ(5u, file.Seek(-2, CFile::current));
  EXPECT_EQ(10u, file.SeekToEnd());
  EXPECT_EQ(0u, file.Read(buffer, 3));
  file.SetLength(6);
  EXPECT_EQ(6u, file.GetLength());
  EXPECT_EQ("data.bin", file.GetFileName());
  EXPECT_EQ("data", file.GetFileTitle());
  CString strPath = file.GetFilePath();
  EXPECT_EQ(strPath.GetLength() - 8, strPath.Find("data.bin"));
  file.Close();
  EXPECT_FALSE(file.IsOpen());
  EXPECT_EQ("012345", ReadRaw("data.bin"));
}

TEST_F(FileTest, OpenFailuresReportTheCause) {
  CFile file;
  CFileException error;
  EXPECT_FALSE(file.Open(PathOf("missing.bin"), CFile::modeRead, &error));
  EXPECT_EQ(CFileException::fileNotFound, error.m_cause);
  EXPECT_NE(-1, error.m_strFileName.Find("missing.bin"));
  try {
    CFile thrower(PathOf("missing.bin"), CFile::modeRead);
    FAIL();
  } catch (CFileException& e) {
    EXPECT_EQ(CFileException::fileNotFound, e.m_cause);
  }
}

TEST_F(FileTest, TextModeWritesCrLfAndReadsBothLineEnds) {
  {
    CStdioFile out(PathOf("out.txt"), CFile::modeCreate | CFile::modeWrite | CFile::typeText);
    out.WriteString("one\n");
    out.WriteString("two\r\n");
    out.WriteString("three\r");
    out.WriteString("\nfour");
  }
  EXPECT_EQ("one\r\ntwo\r\nthree\r\nfour", ReadRaw("out.txt"));

  WriteRaw("in.txt", "a\r\nb\n\nc\r\n");
  CStdioFile in(PathOf("in.txt"), CFile::modeRead | CFile::typeText);
  CString line;
  std::vector<std::string> lines;
  while (in.ReadString(line))
    lines.push_back(line.GetString());
  EXPECT_EQ((std::vector<std::string>{"a", "b", "", "c"}), lines);
  EXPECT_FALSE(in.ReadString(line));
  EXPECT_TRUE(line.IsEmpty());

  in.SeekToBegin();
  char buffer[8];
  EXPECT_STREQ("a\n", in.ReadString(buffer, sizeof buffer));
  EXPECT_EQ(3u, in.GetPosition());
}

TEST_F(FileTest, BinaryStdioFileKeepsBytes) {
  {
    CStdioFile out(PathOf("raw.txt"), CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
    out.WriteString("x\ny\r\n");
  }
  EXPECT_EQ("x\ny\r\n", ReadRaw("raw.txt"));
  CStdioFile in(PathOf("raw.txt"), CFile::modeRead | CFile::typeBinary);
  CString line;
  EXPECT_TRUE(in.ReadString(line));
  EXPECT_EQ("x", line);
  EXPECT_TRUE(in.ReadString(line));
  EXPECT_EQ("y", line);
  EXPECT_FALSE(in.ReadString(line));
}

TEST(FileMaskTest, WildcardsIgnoreCase) {
  struct Case {
    const char* mask;
    const char* name;
    bool matches;
  };
  const Case cases[] = {
      {"*.*", "noext", true},      {"*.*", "x.log", true},      {"*.LOG", "x.log", true},
      {"*.log", "X.LOG", true},    {"*.LOG", "x.log.bak", false}, {"*.LOG", "xlog", false},
      {"*", "anything.at.all", true}, {"?.txt", "a.txt", true},  {"?.txt", "ab.txt", false},
      {"name.*", "NAME", true},    {"*.", "noext", true},        {"*.", "x.y", false},
      {"a*b*c", "aXXbYYc", true},  {"a*b*c", "aXXbYY", false},  {"DATA01.G7K", "data01.g7k", true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.matches, AfxMatchFileMask(c.mask, c.name) != FALSE) << c.mask << " vs " << c.name;
}

TEST_F(FileTest, FindFileMatchesWithoutCase) {
  for (const char* name : {"x.log", "A.LOG", "noext", "y.txt"})
    WriteRaw(name, "12345");
  std::filesystem::create_directories(NativeOf("sub"));

  auto find = [](const CString& pattern) {
    std::set<std::string> names;
    CFileFind finder;
    BOOL bWorking = finder.FindFile(pattern);
    while (bWorking) {
      bWorking = finder.FindNextFile();
      if (!finder.IsDots())
        names.insert(finder.GetFileName().GetString());
    }
    return names;
  };
  EXPECT_EQ((std::set<std::string>{"A.LOG", "x.log"}), find(PathOf("*.LOG")));
  EXPECT_EQ((std::set<std::string>{"A.LOG", "noext", "sub", "x.log", "y.txt"}), find(PathOf("*.*")));
  EXPECT_EQ((std::set<std::string>{"y.txt"}), find(PathOf("Y.TXT")));
  EXPECT_TRUE(find(PathOf("*.none")).empty());

  CFileFind finder;
  ASSERT_TRUE(finder.FindFile(PathOf("y.txt")));
  EXPECT_FALSE(finder.FindNextFile());   // the only match
  EXPECT_EQ("y.txt", finder.GetFileName());
  EXPECT_EQ("y", finder.GetFileTitle());
  EXPECT_EQ(5u, finder.GetLength());
  EXPECT_FALSE(finder.IsDirectory());
  CString strPath = finder.GetFilePath();
  EXPECT_EQ(strPath.GetLength() - 5, strPath.Find("y.txt"));
  EXPECT_EQ(finder.GetRoot().GetLength(), strPath.GetLength() - 6);
  CTime written;
  EXPECT_TRUE(finder.GetLastWriteTime(written));
  EXPECT_GT(written.GetTime(), 0);
  ASSERT_TRUE(finder.FindFile(PathOf("sub")));
  finder.FindNextFile();
  EXPECT_TRUE(finder.IsDirectory());
}

TEST_F(FileTest, GetStatusLooksThePathUpAsGiven) {
  WriteRaw("status.dat", std::string(1234, 'z'));
  CFileStatus status;
  ASSERT_TRUE(CFile::GetStatus(PathOf("status.dat"), status));
  EXPECT_EQ(1234, status.m_size);
  EXPECT_EQ(0, status.m_attribute & CFile::directory);
  CString strFull(status.m_szFullName);
  EXPECT_EQ(strFull.GetLength() - 10, strFull.Find("status.dat"));
  EXPECT_NE(strFull, PathOf("status.dat"));   // made absolute
  EXPECT_GT(status.m_mtime.GetTime(), 0);
  EXPECT_NE(0, status.m_ctime.GetTime());
  EXPECT_NE(0, status.m_atime.GetTime());

  EXPECT_FALSE(CFile::GetStatus(PathOf("nothing.dat"), status));
  EXPECT_TRUE(CFile::GetStatus(kDir, status));
  EXPECT_NE(0, status.m_attribute & CFile::directory);
  EXPECT_FALSE(CFile::GetStatus(CString(kDir) + "\\", status));
#ifdef _WIN32
  EXPECT_FALSE(CFile::GetStatus("C:\\", status));   // a bare drive root
#else
  EXPECT_FALSE(CFile::GetStatus("/", status));
#endif
}

TEST_F(FileTest, RenameAndRemoveThrowOnFailure) {
  WriteRaw("a.txt", "a");
  WriteRaw("b.txt", "b");
  CFile::Rename(PathOf("a.txt"), PathOf("c.txt"));
  EXPECT_EQ("a", ReadRaw("c.txt"));
  EXPECT_THROW(CFile::Rename(PathOf("c.txt"), PathOf("b.txt")), CFileException);
  EXPECT_THROW(CFile::Rename(PathOf("a.txt"), PathOf("d.txt")), CFileException);
  CFile::Remove(PathOf("c.txt"));
  try {
    CFile::Remove(PathOf("c.txt"));
    FAIL();
  } catch (CFileException& e) {
    EXPECT_EQ(CFileException::fileNotFound, e.m_cause);
  }
  EXPECT_EQ("b", ReadRaw("b.txt"));
}

TEST_F(FileTest, ArchiveOverARealFile) {
  {
    CFile file(PathOf("doc.bin"), CFile::modeCreate | CFile::modeWrite);
    CArchive ar(&file, CArchive::store);
    ar << CString("header") << (DWORD)42;
    ar.Close();
  }
  CFile file(PathOf("doc.bin"), CFile::modeRead);
  CArchive ar(&file, CArchive::load);
  EXPECT_EQ(file.GetFilePath(), ar.GetFile()->GetFilePath());
  CString header;
  DWORD n = 0;
  ar >> header >> n;
  EXPECT_EQ("header", header);
  EXPECT_EQ(42u, n);
  BYTE extra;
  EXPECT_THROW(ar >> extra, CArchiveException);
}

TEST(MemFileTest, GrowsAndSeeks) {
  CMemFile file(16);
  file.Write("abcdef", 6);
  file.SeekToBegin();
  char buffer[4] = {};
  EXPECT_EQ(3u, file.Read(buffer, 3));
  EXPECT_STREQ("abc", buffer);
  file.Seek(10, CFile::begin);
  file.Write("z", 1);
  EXPECT_EQ(11u, file.GetLength());
  EXPECT_THROW(file.Seek(-1, CFile::begin), CFileException);
}
