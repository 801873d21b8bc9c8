// The host seam (silent by default, one host at a time, scopes that end
// what they begin) and the memory settings store's registry rules.
#include "framework/Portable.h"
#include "framework/HostServices.h"
#include "framework/MemoryProfileStore.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

class RecordingHost : public CSilentHostServices {
public:
  BOOL BeginProgress(LPCTSTR pszText, int nLower, int nUpper, int nStep) override {
    log += std::string("begin ") + (pszText ? pszText : "-") + " " + std::to_string(nLower) + ".." +
           std::to_string(nUpper) + "/" + std::to_string(nStep) + ";";
    return TRUE;
  }
  void SetProgressPos(int nPos) override { log += "pos " + std::to_string(nPos) + ";"; }
  void SetProgressText(LPCTSTR pszText) override { log += std::string("text ") + pszText + ";"; }
  void StepProgress() override { log += "step;"; }
  void EndProgress() override { log += "end;"; }
  void BeginWaitCursor() override { log += "wait;"; }
  void EndWaitCursor() override { log += "arrow;"; }
  std::string log;
};

TEST(HostServicesTest, SilentUntilInstalledAndBackAfterTheScope) {
  EXPECT_FALSE(GetHostServices().BeginProgress("x", 0, 1, 1));
  EXPECT_EQ("d", GetHostServices().Profile().GetString("S", "K", "d"));
  EXPECT_FALSE(GetHostServices().Profile().WriteString("S", "K", "v")) << "nothing is kept";

  RecordingHost outer, inner;
  {
    CHostServicesScope outerScope(outer);
    {
      CHostServicesScope innerScope(inner);
      EXPECT_EQ(&inner, &GetHostServices());
    }
    EXPECT_EQ(&outer, &GetHostServices());
  }
  EXPECT_EQ(nullptr, InstallHostServices(nullptr)) << "the silent host is back";
}

TEST(HostServicesTest, ScopesEndWhatTheyBeginWhenTheLoopThrows) {
  RecordingHost host;
  CHostServicesScope installed(host);
  try {
    WaitCursorScope wait;
    ProgressScope progress("Scanning files:", 0, 3, 10);
    progress.SetPos(1);
    progress.SetText("line");
    progress.Step();
    throw std::runtime_error("unreadable");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ("wait;begin Scanning files: 0..3/10;pos 1;text line;step;end;arrow;", host.log);
}

TEST(HostServicesTest, SilentHostKeepsSettingsInAGivenStore) {
  CMemoryProfileStore store;
  CSilentHostServices host(&store);
  CHostServicesScope installed(host);
  EXPECT_TRUE(GetHostServices().Profile().WriteInt("S", "N", 4));
  EXPECT_EQ("S/N=#4\n", store.Dump());
}

TEST(MemoryProfileStoreTest, KeepsTheRegistryRules) {
  CMemoryProfileStore store;
  ASSERT_TRUE(store.WriteString("Folders", "Main", "C:\\A"));
  ASSERT_TRUE(store.WriteInt("ComPortSettings", "ComPort", -5));
  ASSERT_TRUE(store.WriteString("Folders", "Gone", "x"));
  ASSERT_TRUE(store.WriteString("Folders", "Gone", nullptr));

  struct Case {
    const char* section;
    const char* key;
    const char* expectedText;  // GetString with default "dflt"
    int expectedInt;           // GetInt with default 7
  };
  const Case cases[] = {
      {"Folders", "Main", "C:\\A", 7},             // a string is no number
      {"FOLDERS", "main", "C:\\A", 7},             // names without regard to case
      {"ComPortSettings", "ComPort", "dflt", -5},  // a number is no string
      {"Folders", "Gone", "dflt", 7},              // a null value removes the key
      {"Folders", "Missing", "dflt", 7},
      {"Missing", "Main", "dflt", 7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.section) + "/" + c.key);
    EXPECT_EQ(c.expectedText, store.GetString(c.section, c.key, "dflt"));
    EXPECT_EQ(c.expectedInt, static_cast<int>(store.GetInt(c.section, c.key, 7)));
  }
  EXPECT_EQ("", store.GetString("Missing", "Main", nullptr));

  EXPECT_EQ("ComPortSettings/ComPort=#-5\nFolders/Main=C:\\A\n", store.Dump());
  ASSERT_TRUE(store.WriteString("folders", nullptr, nullptr)) << "a null key removes the section";
  EXPECT_EQ("ComPortSettings/ComPort=#-5\n", store.Dump());
}

}  // namespace
