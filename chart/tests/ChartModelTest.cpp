#include "framework/Portable.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "chart/VikaChartModel.h"
#include "chart/tests/ChartTestFiles.h"
#include "framework/HostServices.h"
#include "design/ElectrodeLayout.h"
#include "design/VikaAddressMap.h"
#include "design/VikaProtocolGenerator.h"

using charttest::DataLines;
using charttest::ReadFile;
using charttest::WriteFile;

namespace {

// A folder with the address file LINE.ADR: 16 electrodes on two cables of
// 8 takeouts, spacing factor 1, roll-along 8 electrodes.
class ChartModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder = charttest::FreshFolder(std::string("model_") + info->name());
    WriteFile(folder + "LINE.ADR", charttest::AddressFileText(8, 1, 8, 16));
    model.GetProperties().m_bAutoSort = 0;
  }
  std::string Path(const char* name) const { return folder + name; }
  BOOL Open(const char* name) { return model.OpenProtocolFiles(Path(name).c_str()); }
  // A saved file's text with "\n" for its line ends, each of which must be
  // CR LF like every other protocol file's.
  std::string Saved(const char* name) const {
    const std::string text = ReadFile(Path(name));
    std::string lines;
    for (size_t i = 0; i < text.size(); ++i) {
      const bool crlf = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
      EXPECT_FALSE(text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) << name << ": LF without CR";
      if (!crlf)
        lines += text[i];
    }
    return lines;
  }
  // The names in the folder: a save leaves no temporary or backup file.
  std::set<std::string> Names() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
      names.insert(entry.path().filename().string());
    return names;
  }

  std::string folder;
  CVikaChartModel model;
};

TEST_F(ChartModelTest, HeaderLines) {
  struct Case {
    const char* line1;
    const char* line2;
    int code;
    const char* address;
    const char* geometry;
  } cases[] = {
      {"1", "LINE.ADR\tGEO.XYZ", 1, "LINE", "GEO"},
      {" 1\tWenner (A)", "line.adr\tgeo.xyz", 1, "LINE", "GEO"},
      {"5", "  LINE\t//Address File  ", 5, "LINE", ""},
      {"6\t", "Line.ADR geo2.XYZ more", 6, "LINE", "GEO2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line2);
    WriteFile(Path("P.ORG"), std::string(c.line1) + "\n" + c.line2 + "\n");
    ASSERT_TRUE(Open("P.ORG"));
    EXPECT_EQ(c.code, model.GetLayout()->GetCode());
    EXPECT_STREQ(c.address, model.GetAddressFile());
    EXPECT_STREQ(c.geometry, model.GetGeometry());
    EXPECT_EQ(48, model.GetTakeouts().GetSize());
  }
}

// File names are not case-sensitive: a protocol naming its files in lower
// case keeps its geometry file through an open and a save.
TEST_F(ChartModelTest, LowerCaseNamesSurviveOpenAndSave) {
  WriteFile(Path("P.ORG"), "1\nline.adr\tgeo.xyz\n1 4 2 3\n");
  ASSERT_TRUE(Open("P.ORG"));
  ASSERT_TRUE(model.SaveProtocolFiles(Path("P.ORG").c_str()));
  EXPECT_EQ("1\nLINE.ADR\tGEO.XYZ\n1\t4\t2\t3\n", Saved("P.ORG"));
}

TEST_F(ChartModelTest, HandWrittenFilesRoundTrip) {
  WriteFile(Path("P.ORG"),
            "1\tWenner (A)\r\nLINE.ADR\tGEO.XYZ\r\n"
            "1\t4\t2\t3\r\n\r\n , ,\r\n2 5 3 4 // comment\r\n3,6,4,5\r\n");
  WriteFile(Path("P.UP"), "1\nLINE.ADR\n\n9 12 10 11\n");
  ASSERT_TRUE(Open("P.ORG"));
  EXPECT_EQ(3, model.GetCount(0));
  EXPECT_EQ(1, model.GetCount(1));
  EXPECT_EQ(0, model.GetCount(2));
  EXPECT_EQ(-1, model.GetCount(6));
  EXPECT_EQ(-1, model.GetCount(-1));
  EXPECT_EQ(1, model.GetChannels());

  ASSERT_TRUE(model.SaveProtocolFiles(Path("P.ORG").c_str()));
  const std::string org = Saved("P.ORG");
  EXPECT_EQ("1\nLINE.ADR\tGEO.XYZ\n1\t4\t2\t3\n2\t5\t3\t4\n3\t6\t4\t5\n", org);
  EXPECT_EQ("1\nLINE.ADR\tGEO.XYZ\n9\t12\t10\t11\n", Saved("P.UP"));
  EXPECT_EQ("1\nLINE.ADR\tGEO.XYZ\n", Saved("P.DWN"));
  EXPECT_EQ((std::set<std::string>{"LINE.ADR", "P.DWN", "P.ORG", "P.UP"}),
            Names());

  // The written files read back to the same measurements.
  CVikaChartModel again;
  ASSERT_TRUE(again.OpenProtocolFiles(Path("P.ORG").c_str()));
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(model.GetCount(i), again.GetCount(i)) << i;
  EXPECT_STREQ("LINE", again.GetAddressFile());
  EXPECT_STREQ("GEO", again.GetGeometry());
}

TEST_F(ChartModelTest, ChannelsPerLine) {
  struct Case {
    const char* name;
    int code;
    const char* lines;
    int items;
    int channels;
    const char* written;  // data lines of the saved ".ORG"
  } cases[] = {
      {"two channels", 5, "1 2 4 3 6 5\n", 2, 2, "1\t2\t4\t3\t6\t5\n"},
      {"one after two", 5, "1 2 4 3 6 5\n2 3 5 4\n", 3, 2,
       "1\t2\t4\t3\t6\t5\n2\t3\t5\t4\t0\t0\n"},
      {"four channels", 5, "1 2 4 3 6 5 8 7 10 9\n", 4, 4,
       "1\t2\t4\t3\t6\t5\t8\t7\t10\t9\n"},
      {"pole-pole", 4, "5 0 6 0\n5 0 7 0\n", 2, 1, "5\t0\t6\t0\n5\t0\t7\t0\n"},
      {"too many values", 4, "1 0 2 3 4 5 6 7 8 9 10 11\n", 4, 4,
       "1\t0\t2\t3\t4\t5\t6\t7\t8\t9\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string header = std::to_string(c.code) + "\nLINE.ADR\t//Address File\n";
    WriteFile(Path("C.ORG"), header + c.lines);
    ASSERT_TRUE(Open("C.ORG"));
    EXPECT_EQ(c.items, model.GetCount(0));
    EXPECT_EQ(c.channels, model.GetChannels());
    ASSERT_TRUE(model.SaveProtocolFiles(Path("C.ORG").c_str()));
    EXPECT_EQ(std::to_string(c.code) + "\nLINE.ADR\t\n" + c.written,
              Saved("C.ORG"));
  }
}

TEST_F(ChartModelTest, CountChannels) {
  struct Case {
    const char* line;
    int code;
    int channels;
  } cases[] = {
      {"12 15 13 14", 1, 1},     {"1 4 2 3 6 7", 5, 2},
      {"5 0 6 0", 4, 1},         {"  1,4,2,3", 1, 1},
      {"1 4 2 3 x 6 7", 5, 1},   {"5 0 6 0 7 0", 4, 2},
      {"", 1, 0},                {"1 2 4 3 0 0", 5, 1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.channels, CVikaChartModel::CountChannels(c.line, c.code)) << c.line;
}

TEST_F(ChartModelTest, ReciprocalPropertyFollowsLastFileRead) {
  // Wenner A lines in reciprocal order have C1 > P1 and C2 < P2.
  WriteFile(Path("R.ORG"), "1\nLINE.ADR\n3 1 2 4\n");
  ASSERT_TRUE(Open("R.ORG"));
  EXPECT_EQ(1, model.GetProperties().m_bReciprocalLayout);
  WriteFile(Path("R.UP"), "1\nLINE.ADR\n9 12 10 11\n");
  ASSERT_TRUE(Open("R.ORG"));
  EXPECT_EQ(0, model.GetProperties().m_bReciprocalLayout);
}

// The messages the design core reports while the chart reads.
class ErrorRecorder : public CSilentHostServices {
 public:
  ErrorRecorder() : previous_(InstallHostServices(this)) {}
  ~ErrorRecorder() override { InstallHostServices(previous_); }
  void ReportError(LPCTSTR text, HostIcon) override { errors.emplace_back(text); }
  std::vector<std::string> errors;

 private:
  IHostServices* previous_;
};

TEST_F(ChartModelTest, ArrayCodeWithoutLayoutIsRefused) {
  const std::string text = "99\nLINE.ADR\n1 4 2 3\n";
  WriteFile(Path("X.ORG"), text);
  WriteFile(Path("X.UP"), text);
  ErrorRecorder ui;
  EXPECT_FALSE(Open("X.ORG"));
  EXPECT_TRUE(ui.errors.empty()) << "the caller reports it once";
  EXPECT_EQ(Path("X.ORG") + ":\nLine 1 holds the array code 99, which is not known.",
            std::string(model.GetOpenError()));
  EXPECT_EQ(0, model.GetItems().GetSize());
  EXPECT_EQ(0, model.GetTakeouts().GetSize());
  EXPECT_FALSE(model.SaveProtocolFiles(Path("X.ORG").c_str()));
  EXPECT_EQ(text, ReadFile(Path("X.ORG")));
  EXPECT_EQ(text, ReadFile(Path("X.UP")));
  EXPECT_FALSE(charttest::FileExists(Path("X.DWN")));

  // Through the archive the reason is reported, then the refusal is a
  // silent user exception.
  CFile file;
  ASSERT_TRUE(file.Open(Path("X.ORG").c_str(), CFile::modeRead));
  CArchive ar(&file, CArchive::load);
  bool refused = false;
  try {
    model.Serialize(ar);
  } catch (const CUserException&) {
    refused = true;
  }
  EXPECT_TRUE(refused);
  ASSERT_EQ(1u, ui.errors.size());
  EXPECT_NE(std::string::npos, ui.errors[0].find("array code 99"));
}

// A protocol that is no chart is refused with one reason naming what is
// wrong, and nothing is reported while it is read; the model stays empty.
TEST_F(ChartModelTest, BadProtocolsAreRefusedWithTheirReason) {
  WriteFile(Path("EMPTY.ADR"), "2 8\n1 8 0\n0\n");
  struct Case {
    const char* name;
    const char* org;
    const char* up;
    const char* file;  // the file the reason names
    const char* reason;
  } cases[] = {
      {"garbage", "\x01\xfe~?S..ADR\nzz\n", "", "P.ORG",
       "Line 1 holds no array code."},
      {"truncated", "1\n", "", "P.ORG",
       "Line 2, which names the address file, is missing."},
      {"empty", "", "", "P.ORG", "The file is empty."},
      {"no address name", "1\n  \n1 4 2 3\n", "", "P.ORG",
       "Line 2 names no address file."},
      {"missing address file", "1\nNONE.ADR\n1 4 2 3\n", "", "P.ORG",
       "The address file NONE.ADR named on line 2 is missing."},
      {"bad address file", "1\nEMPTY\n1 4 2 3\n", "", "P.ORG",
       "The address file EMPTY.ADR named on line 2 is not valid: it gives no "
       "electrodes."},
      {"electrode beyond the layout", "1\nLINE.ADR\n1 4 2 3\n\n99999 -5 3 4\n",
       "", "P.ORG",
       "Line 5 names electrode 99999, but the address file LINE.ADR has "
       "electrodes 1 to 16 only."},
      {"in the up section", "1\nLINE.ADR\n1 4 2 3\n", "1\nLINE.ADR\n1 4 2 17\n",
       "P.UP",
       "Line 3 names electrode 17, but the address file LINE.ADR has "
       "electrodes 1 to 16 only."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteFile(Path("P.ORG"), c.org);
    WriteFile(Path("P.UP"), c.up);
    ErrorRecorder ui;
    EXPECT_FALSE(Open("P.ORG"));
    EXPECT_EQ(Path(c.file) + ":\n" + c.reason,
              std::string(model.GetOpenError()));
    EXPECT_TRUE(ui.errors.empty());
    EXPECT_EQ(0, model.GetItems().GetSize());
    EXPECT_EQ(0, model.GetTakeouts().GetSize());
    EXPECT_EQ(nullptr, model.GetLayout());
  }
  WriteFile(Path("P.ORG"), "1\nLINE.ADR\n1 4 2 3\n16 0 -1 15\n");
  WriteFile(Path("P.UP"), "");
  EXPECT_TRUE(Open("P.ORG")) << "0 and negative numbers are no electrode";
  EXPECT_EQ("", std::string(model.GetOpenError()));
  const int items = model.GetItems().GetSize();

  // An address file claiming far more electrodes than it has entries for
  // opens as quickly as its entries allow, with the same chart.
  std::string address = ReadFile(Path("LINE.ADR"));
  address.replace(address.find("\n16\r\n"), 5, "\n4000000000\r\n");
  WriteFile(Path("LINE.ADR"), address);
  EXPECT_TRUE(Open("P.ORG"));
  EXPECT_EQ(items, model.GetItems().GetSize());
  EXPECT_EQ(48, model.GetTakeouts().GetSize());
}

// The three files are one set: when the last one cannot be replaced, the
// first two keep their old text as well.
TEST_F(ChartModelTest, FailedSaveLeavesTheOldFiles) {
  const std::string org = "1\nLINE.ADR\n1 4 2 3\n";
  const std::string up = "1\nLINE.ADR\n9 12 10 11\n";
  WriteFile(Path("S.ORG"), org);
  WriteFile(Path("S.UP"), up);
  ASSERT_TRUE(Open("S.ORG"));
  model.GetItems()[0]->SetEnabled(FALSE);
  // A folder stands where the ".DWN" file goes.
  std::filesystem::create_directory(Path("S.DWN"));
  EXPECT_FALSE(model.SaveProtocolFiles(Path("S.ORG").c_str()));
  EXPECT_EQ(org, ReadFile(Path("S.ORG")));
  EXPECT_EQ(up, ReadFile(Path("S.UP")));
  EXPECT_TRUE(std::filesystem::is_directory(Path("S.DWN")));
  EXPECT_EQ((std::set<std::string>{"LINE.ADR", "S.DWN", "S.ORG", "S.UP"}),
            Names());

  std::filesystem::remove(Path("S.DWN"));
  ASSERT_TRUE(model.SaveProtocolFiles(Path("S.ORG").c_str()));
  EXPECT_EQ("1\nLINE.ADR\t\n", Saved("S.ORG"));
  EXPECT_EQ("1\nLINE.ADR\t\n9\t12\t10\t11\n", Saved("S.UP"));
  EXPECT_EQ("1\nLINE.ADR\t\n", Saved("S.DWN"));
}

TEST_F(ChartModelTest, ArchiveLoadsButDoesNotStore) {
  WriteFile(Path("A.ORG"), "1\r\nLINE.ADR\r\n1 4 2 3\r\n2 5 3 4\r\n");
  {
    CFile file;
    ASSERT_TRUE(file.Open(Path("A.ORG").c_str(), CFile::modeRead));
    CArchive ar(&file, CArchive::load);
    model.Serialize(ar);
  }
  EXPECT_EQ(2, model.GetCount(0));
  const std::string path(static_cast<LPCTSTR>(model.GetProtocolPath()));
  EXPECT_EQ("A.ORG", path.substr(path.size() - 5));

  // Storing through an archive is refused and writes nothing: on a
  // framework save the archive's file is a temporary one, and ".UP" and
  // ".DWN" written beside it would carry its name.
  CFile file;
  ASSERT_TRUE(file.Open(Path("sav1.tmp").c_str(),
                        CFile::modeCreate | CFile::modeWrite));
  bool refused = false;
  try {
    CArchive ar(&file, CArchive::store);
    model.Serialize(ar);
  } catch (const CNotSupportedException&) {
    refused = true;
  }
  EXPECT_TRUE(refused);
  file.Close();
  EXPECT_EQ("", ReadFile(Path("sav1.tmp")));
  EXPECT_FALSE(charttest::FileExists(Path("sav1.UP")));
  EXPECT_FALSE(charttest::FileExists(Path("sav1.DWN")));
}

class FakeDocument : public IVikaChartDocument {
 public:
  CString GetTitle() const override { return title; }
  void SetTitle(LPCTSTR text) override {
    title = text;
    ++titles;
  }
  CString GetPathName() const override { return path; }
  CString title = "P.ORG";
  CString path;
  int titles = 0;
};

TEST_F(ChartModelTest, ModifiedMarkerInTheTitle) {
  FakeDocument document;
  model.SetDocument(&document);
  model.SetModified(TRUE);
  model.SetModified(TRUE);
  EXPECT_STREQ("P.ORG   <<< Modified >>> ", document.title);
  EXPECT_EQ(1, document.titles);
  EXPECT_TRUE(model.IsModified());
  model.SetModified(FALSE);
  EXPECT_STREQ("P.ORG", document.title);
  EXPECT_FALSE(model.IsModified());
}

TEST_F(ChartModelTest, ReloadReadsTheFilesAgain) {
  WriteFile(Path("L.ORG"), "1\nLINE.ADR\n1 4 2 3\n");
  ASSERT_TRUE(Open("L.ORG"));
  const int items = model.GetItems().GetSize();
  model.GetItems()[0]->SetEnabled(FALSE);
  FakeDocument document;
  document.path = Path("L.ORG").c_str();
  model.Reload(NULL);
  EXPECT_EQ(items, model.GetItems().GetSize());
  model.Reload(&document);
  EXPECT_EQ(items, model.GetItems().GetSize());
  EXPECT_EQ(1, model.GetCount(0));
  EXPECT_EQ(48, model.GetTakeouts().GetSize());
}

TEST_F(ChartModelTest, BoundsOfItemsLeftOfZero) {
  model.Attach(CreateElectrodeLayout(1), charttest::MakeAddressMap(8, 1, 8, 16));
  model.AddItem({1, 4, 2, 3, 1, 1}, kSectionDwn | kStateEnabled);
  model.AddItem({2, 5, 3, 4, 1, 2}, kSectionDwn | kStateEnabled);
  EXPECT_EQ(2, model.RecalcExtents());
  double minX, maxX, minDepth, maxDepth;
  model.GetBounds(minX, maxX, minDepth, maxDepth);
  EXPECT_DOUBLE_EQ(-6.5, minX);
  EXPECT_DOUBLE_EQ(-5.5, maxX);
}

TEST(ChartPropertiesTest, ProfileText) {
  ChartProperties properties;
  EXPECT_STREQ("2.0,0.0,1,12,12,1,0", properties.ToProfileString());
  properties.FromProfileString("3.5,1.0,0,20");
  EXPECT_DOUBLE_EQ(3.5, properties.m_dTakeoutSeparation);
  EXPECT_EQ(0, properties.m_bAutoSort);
  EXPECT_DOUBLE_EQ(20.0, properties.m_dGridX);
  EXPECT_DOUBLE_EQ(12.0, properties.m_dGridY);
  EXPECT_EQ(1, properties.m_bShowIndex);
  EXPECT_STREQ("3.5,1.0,0,20,12,1,0", properties.ToProfileString());
}

// Protocols written by the generator open with nothing missing and are
// written back line for line.
TEST_F(ChartModelTest, GeneratedProtocolsRoundTrip) {
  struct Case {
    int code;
    int levelLow, levelHigh;
  } cases[] = {{1, 1, 1}, {4, 1, 1}, {5, 1, 13}, {6, 1, 14}, {10, 1, 7}};
  std::unique_ptr<CVikaAddressMap> map(
      new CVikaAddressMap(CString((folder + "LINE.ADR").c_str())));
  ASSERT_EQ(16u, map->m_nElectrodes);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    std::unique_ptr<ElectrodeLayout> layout = CreateElectrodeLayout(c.code);
    CVikaProtocolGenerator generator;
    generator.SetSpacingRange(1, 15);
    generator.SetLevelRange(c.levelLow, c.levelHigh);
    generator.SetArrayCode(c.code);
    generator.SetWriteFiles(TRUE);
    generator.SetFolder(folder.c_str());
    generator.SetName("GEN");
    generator.SetAddressPath((folder + "LINE.ADR").c_str());
    int generated[3];
    for (int s = 0; s < 3; ++s) {
      CVikaCommandArray commands;
      generated[s] = generator.Generate(commands, *map, NULL, *layout, s);
    }
    const char* extensions[3] = {"GEN.ORG", "GEN.UP", "GEN.DWN"};
    std::vector<std::string> before[3];
    for (int s = 0; s < 3; ++s)
      before[s] = DataLines(ReadFile(Path(extensions[s])));

    ASSERT_TRUE(Open("GEN.ORG"));
    for (int s = 0; s < 3; ++s) {
      EXPECT_EQ(generated[s], model.GetCount(s)) << s;
      EXPECT_EQ(generated[s], model.GetCount(3 + s)) << s;
    }
    ASSERT_TRUE(model.SaveProtocolFiles(Path("GEN.ORG").c_str()));
    for (int s = 0; s < 3; ++s)
      EXPECT_EQ(before[s], DataLines(ReadFile(Path(extensions[s])))) << s;
  }
}

}  // namespace
