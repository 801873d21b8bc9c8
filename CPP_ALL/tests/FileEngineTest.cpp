// The file engine of the platform (GFFileNative).
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>

#include "CPP_ALL/GFErrors.h"
#include "CPP_ALL/GFFileEngine.h"

namespace fs = std::filesystem;

namespace {

class FileEngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("gf_engine_" + std::to_string(std::random_device()()) + "_" +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    engine = GFMakeFileEngine();
  }
  void TearDown() override {
    engine.reset();
    fs::remove_all(dir);
  }
  std::string Path(const std::string& name) { return (dir / name).string(); }
  void Make(const std::string& name, const std::string& content) {
    fs::create_directories((dir / name).parent_path());
    std::ofstream(dir / name, std::ios::binary) << content;
  }
  std::set<std::string> List(const std::string& spec, int recurse) {
    std::set<std::string> names;
    engine->SetFileList(spec.c_str(), recurse);
    while (engine->NextFile()) names.insert(fs::path(engine->GetName()).filename().string());
    return names;
  }

  fs::path dir;
  std::unique_ptr<GFFileEngine> engine;
};

TEST_F(FileEngineTest, ReadingNeverCreatesAFile) {
  EXPECT_EQ(engine->Open(Path("missing.dat").c_str(), "rb"), GF_FE_OPEN_REFUSED);
  EXPECT_FALSE(fs::exists(dir / "missing.dat"));
  EXPECT_EQ(engine->Close(), GF_FE_NOT_OPEN);
  EXPECT_EQ(engine->Seek(0, 0), GF_FE_NOT_OPEN);
}

TEST_F(FileEngineTest, WriteAppendAndReadBack) {
  ASSERT_EQ(engine->Open(Path("f.bin").c_str(), "wb"), 0);
  EXPECT_EQ(engine->Open(Path("f.bin").c_str(), "wb"), GF_FE_ALREADY_OPEN);
  EXPECT_EQ(engine->Write("hello", 5), 5);
  EXPECT_EQ(engine->Close(), 0);
  ASSERT_EQ(engine->Open(Path("f.bin").c_str(), "ab"), 0);
  EXPECT_EQ(engine->Tell(), 5);
  EXPECT_EQ(engine->PutChar('!'), 1);
  EXPECT_EQ(engine->Close(), 0);
  ASSERT_EQ(engine->Open(Path("f.bin").c_str(), "rb"), 0);
  EXPECT_EQ(engine->GetSize(), 6);
  EXPECT_EQ(engine->Seek(1, 0), 1);
  char buffer[8] = {};
  EXPECT_EQ(engine->Read(buffer, 8), 5);
  EXPECT_STREQ(buffer, "ello!");
  EXPECT_EQ(engine->Close(), 0);
  ASSERT_EQ(engine->Open(Path("f.bin").c_str(), "wb"), 0);  // "w" truncates
  EXPECT_EQ(engine->GetSize(), 0);
  engine->Close();
}

TEST_F(FileEngineTest, SpecificationsKeepBlanksInNames) {
  Make("my file.dat", "1");
  Make("other file.dat", "2");
  Make("plain.txt", "3");
  Make("sub/deep.dat", "4");
  EXPECT_EQ(List(Path("my file.dat") + ";" + Path("other file.dat"), 0),
            (std::set<std::string>{"my file.dat", "other file.dat"}));
  EXPECT_EQ(List(" " + Path("plain.txt") + " , " + Path("nothing.txt"), 0), (std::set<std::string>{"plain.txt"}));
  EXPECT_EQ(List(Path("*.dat"), 0), (std::set<std::string>{"my file.dat", "other file.dat"}));
  EXPECT_EQ(List(Path("*.dat"), 1), (std::set<std::string>{"my file.dat", "other file.dat", "deep.dat"}));
  EXPECT_EQ(List("\"" + Path("my file.dat") + "\"", 0), (std::set<std::string>{"my file.dat"}));
}

TEST_F(FileEngineTest, QueryOnlyTestsExistence) {
  Make("here.dat", "x");
  engine->SetQueryOnly(true);
  engine->SetFileList(Path("here.dat").c_str(), 0);
  EXPECT_TRUE(engine->NextFile());
  engine->SetFileList(Path("gone.dat").c_str(), 0);
  EXPECT_FALSE(engine->NextFile());
  EXPECT_FALSE(fs::exists(dir / "gone.dat"));
}

TEST_F(FileEngineTest, FileTimeRoundTripsThroughUtcSeconds) {
  Make("t.dat", "x");
  const long utc = 1688212800;  // 2023-07-01 12:00:00 UTC
  ASSERT_EQ(engine->Open(Path("t.dat").c_str(), "ab"), 0);
  engine->FromUnixSeconds(utc);
  EXPECT_EQ(engine->ToUnixSeconds(), utc);
  EXPECT_EQ(engine->SetTime(), 0);
  engine->Close();
  engine->SetDateTime(2000, 1, 1, 0, 0, 0);
  engine->SetQueryOnly(true);
  engine->SetFileList(Path("t.dat").c_str(), 0);
  ASSERT_TRUE(engine->NextFile());
  ASSERT_EQ(engine->GetTime(), 0);
  EXPECT_EQ(engine->ToUnixSeconds(), utc);
}

TEST_F(FileEngineTest, JulianDays) {
  struct {
    int y, m, d;
    long jd;
  } cases[] = {{1970, 1, 1, 2440588}, {2000, 1, 1, 2451545}, {1900, 3, 1, 2415080}, {2024, 2, 29, 2460370}};
  for (auto& c : cases) {
    engine->SetDateTime(c.y, c.m, c.d, 0, 0, 0);
    EXPECT_EQ(engine->GetJulianDay(), c.jd) << c.y;
    engine->SetDateTime(1, 1, 1, 0, 0, 0);
    engine->SetJulianDay(c.jd);
    int y, mo, d, h, mi, s;
    engine->GetDateTime(y, mo, d, h, mi, s);
    EXPECT_EQ(y * 10000 + mo * 100 + d, c.y * 10000 + c.m * 100 + c.d);
  }
}

#ifndef _WIN32
// The zone rules of each date apply: summer and winter differ.
TEST_F(FileEngineTest, LocalTimeFollowsTheZoneRulesOfTheDate) {
  std::string old = std::getenv("TZ") ? std::getenv("TZ") : "";
  setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
  tzset();
  struct {
    long utc;
    int hour;
  } cases[] = {{1688212800, 14}, {1672574400, 13}};  // July, January at 12:00 UTC
  for (auto& c : cases) {
    engine->FromUnixSeconds(c.utc);
    int y, mo, d, h, mi, s;
    engine->GetDateTime(y, mo, d, h, mi, s);
    EXPECT_EQ(h, c.hour);
    EXPECT_EQ(engine->ToUnixSeconds(), c.utc);
  }
  setenv("TZ", "UTC0", 1);
  tzset();
  engine->SetDateTime(1969, 12, 31, 23, 59, 59);
  EXPECT_EQ(engine->ToUnixSeconds(), 0);
  if (old.empty()) unsetenv("TZ");
  else setenv("TZ", old.c_str(), 1);
  tzset();
}
#endif

}  // namespace
