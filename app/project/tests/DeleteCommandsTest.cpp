#include "framework/Portable.h"
#include "app/project/DeleteCommands.h"
#include "app/project/FileNames.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include <stdlib.h>

TEST(DeleteCommands, ProjectLogsAreTheStemsOwnLogsOnly)
{
    const struct { const char* pszName; bool bLog; } cases[] = {
        {"Line1.Log", true},
        {"LINE1.LOG", true},
        {"Line1.2024.03.01.12.30.05.LOG", true},
        {"Line10.Log", false},
        {"Line1x.Log", false},
        {"Line1.old.Log", false},
        {"Line1.2024.03.01.12.30.Log", false},
        {"Line1.dcv", false},
        {"Line1.Log.bak", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.bLog, IsProjectLog("Line1", c.pszName)) << c.pszName;
}

TEST(DeleteCommands, StemIsCutAtTheLastDotOfTheFileName)
{
    const struct { const char* pszPath; const char* pszStem; } cases[] = {
        {"C:\\P\\Line1.org", "C:\\P\\Line1"},
        {"C:\\P.Q\\Line1.a.org", "C:\\P.Q\\Line1.a"},
        {"C:\\P.Q\\Line1", "C:\\P.Q\\Line1"},
        {"/tmp/a.b/c.dcv", "/tmp/a.b/c"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.pszStem, FileStem(c.pszPath)) << c.pszPath;
}

TEST(DeleteCommands, QuestionsCountTheFiles)
{
    const struct { UINT nId; int nFiles; const char* pszQuestion; } cases[] = {
        {32834, 1, "Delete 1 Vika protocol"},
        {32834, 2, "Delete 2 Vika protocols"},
        {32832, 2, "Delete 2 Vika Projects"},
        {32885, 1, "Delete 1 Polyvect Projects"},
        {32886, 3, "Delete 3 Geometry files"},
        {32831, 1, "Delete data conversion project: C:\\P\\a.dcv"},
    };
    for (const auto& c : cases) {
        const DeleteCommand* pCommand = FindDeleteCommand(c.nId);
        ASSERT_NE(nullptr, pCommand);
        std::vector<CString> paths(c.nFiles, CString("C:\\P\\a.dcv"));
        EXPECT_STREQ(c.pszQuestion, DeleteQuestion(*pCommand, paths)) << c.nId;
    }
    EXPECT_EQ(nullptr, FindDeleteCommand(32866));
    EXPECT_EQ(8u, GetDeleteCommands().size());
}

TEST(DeleteCommands, DeleteOnlyTheNamedFilesAndTheirCompanions)
{
    char szTemplate[] = "/tmp/g7k_deleteXXXXXX";
    const std::string strFolder = std::string(mkdtemp(szTemplate)) + "/";
    const char* files[] = {"Line1.dcv", "Line1.Log", "Line1.2024.03.01.12.30.05.Log", "Line10.dcv",
                           "Line10.Log", "Line1x.Log", "P.org", "P.UP", "P.DWN", "P2.org", "P2.UP"};
    for (const char* pszName : files)
        std::ofstream(strFolder + pszName) << "x";

    const DeleteCommand& project = *FindDeleteCommand(32831);
    EXPECT_TRUE(DeleteFilesWithCompanions(project, {CString((strFolder + "Line1.dcv").c_str())}).empty());
    const DeleteCommand& protocol = *FindDeleteCommand(32834);
    EXPECT_TRUE(DeleteFilesWithCompanions(protocol, {CString((strFolder + "P.org").c_str()), CString()}).empty());

    std::set<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(strFolder))
        left.insert(entry.path().filename().string());
    EXPECT_EQ((std::set<std::string>{"Line10.dcv", "Line10.Log", "Line1x.Log", "P2.org", "P2.UP"}), left);

    // A file that stays is reported.
    std::filesystem::create_directory(strFolder + "Stuck.adr");
    std::ofstream(strFolder + "Stuck.adr/inside") << "x";
    const auto failed = DeleteFilesWithCompanions(*FindDeleteCommand(32883), {CString((strFolder + "Stuck.adr").c_str())});
    ASSERT_EQ(1u, failed.size());
    EXPECT_STREQ((strFolder + "Stuck.adr").c_str(), failed.front());
    std::filesystem::remove_all(strFolder);
}
