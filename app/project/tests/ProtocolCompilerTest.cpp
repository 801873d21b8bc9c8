#include "framework/Portable.h"
#include "framework/HostServices.h"
#include "framework/MemoryProfileStore.h"
#include "framework/PathNames.h"
#include "app/project/ProtocolCompiler.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

struct Row { const char* pszName; bool bSelected; };

class CFakeRows : public CProtocolRowSource
{
public:
    explicit CFakeRows(std::vector<Row> rows)
    {
        for (const Row& row : rows) {
            auto* pInfo = new CProtocolInfo;
            pInfo->SetName(row.pszName);
            m_model.AddInfo(pInfo);
            m_rows.push_back({pInfo, row.bSelected});
        }
    }
    int GetRowCount() override { return static_cast<int>(m_rows.size()); }
    BOOL IsRowSelected(int nRow) override { return m_rows[nRow].second; }
    CProtocolInfo* GetRowInfo(int nRow) override { return m_rows[nRow].first; }
    CProtocolModel& Model() { return m_model; }

private:
    CProtocolModel m_model;
    std::vector<std::pair<CProtocolInfo*, bool>> m_rows;
};

// Records the command line and what the list file held, then plays ORDA.
class CFakeRunner : public CProcessRunner
{
public:
    int Run(const CString& strCommandLine) override
    {
        strCommand = static_cast<LPCTSTR>(strCommandLine);
        const size_t i = strCommand.find(" -i=\"") + 5;
        std::ifstream list(strCommand.substr(i, strCommand.find('"', i) - i));
        std::stringstream text;
        text << list.rdbuf();
        strList = text.str();
        if (!strWriteLog.empty())
            std::ofstream(strWriteLog) << "log";
        if (!strWriteDatabase.empty())
            std::ofstream(strWriteDatabase) << "new";
        return nExit;
    }
    std::string strCommand, strList, strWriteLog, strWriteDatabase;
    int nExit = 0;
};

class TempFolder
{
public:
    TempFolder()
    {
        char szTemplate[] = "/tmp/g7k_compilerXXXXXX";
        m_strPath = mkdtemp(szTemplate);
    }
    ~TempFolder() { std::filesystem::remove_all(m_strPath); }
    std::string Path(const std::string& strName = "") const { return m_strPath + "/" + strName; }

private:
    std::string m_strPath;
};

std::string Cwd()
{
    char sz[4096];
    return getcwd(sz, sizeof sz) ? sz : "";
}

} // namespace

TEST(ProtocolCompiler, LogNamesReplaceTheFileNamesExtension)
{
    const struct { const char* pszDocument; const char* pszLog; } cases[] = {
        {"C:\\Proj\\Line1.vkp", "C:\\Proj\\Line1.Log"},
        {"C:\\My.Projects\\Line1.vkp", "C:\\My.Projects\\Line1.Log"},
        {"C:\\Proj\\Line1.old.vkp", "C:\\Proj\\Line1.old.Log"},
        {"C:\\Proj.d\\Line1", "C:\\Proj.d\\Line1.Log"},
        {"Line1.pvp", "Line1.Log"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.pszLog, CProtocolCompiler::MakeLogName(c.pszDocument)) << c.pszDocument;
}

TEST(ProtocolCompiler, NormalizePathDropsDoubledDriveParts)
{
    const struct { const char* pszIn; const char* pszOut; } cases[] = {
        {"C:\\:\\Out\\.", "C\\Out\\."},
        {"C\\:\\Out\\.", "COut\\."},
        {"C:\\Out\\.", "C:\\Out\\."},
        {":\\:\\x", ":x"},
    };
    for (const auto& c : cases) {
        CString str = c.pszIn;
        CProtocolCompiler::NormalizePath(str);
        EXPECT_STREQ(c.pszOut, str) << c.pszIn;
    }
}

TEST(ProtocolCompiler, CommandLineQuotesItsPaths)
{
    EXPECT_STREQ("ORDA -t=VIKA -i=\"C:\\Temp\\ZEZ1\" -v=\"C:\\My Proj\\a.Log\" -o=\"C:\\Out Dir\\.\"",
                 CProtocolCompiler::BuildCommandLine("", "VIKA", "C:\\Temp\\ZEZ1", "C:\\My Proj\\a.Log",
                                                     "C:\\Out Dir\\."));
    EXPECT_STREQ("\"C:\\Program Files\\G7K\\ORDA\" -t=PV -i=\"l\" -v=\"g\" -o=\"o\"",
                 CProtocolCompiler::BuildCommandLine("C:\\Program Files\\G7K", "PV", "l", "g", "o"));
}

TEST(ProtocolCompiler, InputListHoldsTheChosenRowsWithDefaultExtensions)
{
    TempFolder temp;
    CFakeRows rows({{"C:\\P\\one.org", true}, {"two", false}, {"three", true}});
    CProtocolCompiler compiler(&rows.Model(), &rows, ".ORG");
    compiler.SetTempFolder(temp.Path().c_str());

    const struct { BOOL bSelected; BOOL bKeepPath; int nCount; const char* pszText; } cases[] = {
        {TRUE, FALSE, 2, "one.org\nthree.ORG\n"},
        {FALSE, FALSE, 3, "one.org\ntwo.ORG\nthree.ORG\n"},
        {TRUE, TRUE, 2, "C:\\P\\one.org\nthree.ORG\n"},
    };
    for (const auto& c : cases) {
        CString strList;
        ASSERT_EQ(c.nCount, compiler.WriteInputList(strList, c.bSelected, c.bKeepPath));
        EXPECT_EQ(0, FileNamePart(strList).Find("ZEZ"));
        std::ifstream in(static_cast<LPCTSTR>(strList));
        std::stringstream text;
        text << in.rdbuf();
        EXPECT_EQ(c.pszText, text.str());
        std::remove(strList);
    }

    // Both separators end the folder part of a name.
    CFakeRows slashed({{"D:/Q/four.org", true}, {"E:\\R/S\\five", true}});
    CProtocolCompiler fromSlashed(&slashed.Model(), &slashed, ".ORG");
    fromSlashed.SetTempFolder(temp.Path().c_str());
    CString strSlashedList;
    ASSERT_EQ(2, fromSlashed.WriteInputList(strSlashedList, TRUE, FALSE));
    std::ifstream slashedIn(static_cast<LPCTSTR>(strSlashedList));
    std::stringstream slashedText;
    slashedText << slashedIn.rdbuf();
    EXPECT_EQ("four.org\nfive.ORG\n", slashedText.str());
    std::remove(strSlashedList);

    CFakeRows none({{"a", false}});
    CProtocolCompiler empty(&none.Model(), &none, ".ORG");
    empty.SetTempFolder(temp.Path().c_str());
    CString strList = "unchanged";
    EXPECT_EQ(0, empty.WriteInputList(strList, TRUE, FALSE));
    EXPECT_STREQ("unchanged", strList);
    EXPECT_TRUE(std::filesystem::is_empty(temp.Path())) << "the empty list file is removed";
}

TEST(ProtocolCompiler, CompileReportsEveryWayOfFailing)
{
    TempFolder temp;
    CMemoryProfileStore profile;
    CSilentHostServices host(&profile);
    CHostServicesScope installed(host);
    const std::string strLog = temp.Path("Line1.Log");

    const struct { const char* pszCase; int nExit; bool bWritesLog; int nResult; } cases[] = {
        {"success", 0, true, CProtocolCompiler::COMPILE_OK},
        {"cannot start", CProcessRunner::NOT_STARTED, false, CProtocolCompiler::COMPILE_NOT_STARTED},
        {"exits non-zero", 3, true, 3},
        {"writes no log", 0, false, CProtocolCompiler::COMPILE_NO_OUTPUT},
    };
    for (const auto& c : cases) {
        CFakeRows rows({{"a.org", true}, {"b", true}});
        rows.Model().SetSourceFolder(temp.Path().c_str());
        rows.Model().SetTargetFolder("C:\\Out");
        CProtocolCompiler compiler(&rows.Model(), &rows, ".ORG");
        compiler.SetTempFolder(temp.Path().c_str());
        CFakeRunner runner;
        runner.nExit = c.nExit;
        runner.strWriteLog = c.bWritesLog ? strLog : "";
        compiler.SetRunner(&runner);
        std::ofstream(strLog) << "stale log";

        const std::string strCwd = Cwd();
        EXPECT_EQ(c.nResult, compiler.Compile("VIKA", temp.Path("Line1.vkp").c_str())) << c.pszCase;
        EXPECT_EQ(strCwd, Cwd()) << c.pszCase << ": the current directory comes back";
        EXPECT_EQ(0u, runner.strCommand.find("ORDA -t=VIKA -i=\"" + temp.Path("ZEZ"))) << runner.strCommand;
        EXPECT_NE(std::string::npos, runner.strCommand.find(" -v=\"" + strLog + "\" -o=\"C:\\Out\\.\""))
            << runner.strCommand;
        EXPECT_EQ("a.org\nb.ORG\n", runner.strList);
        EXPECT_EQ(c.bWritesLog, std::filesystem::exists(strLog)) << c.pszCase << ": the old log is deleted first";
        std::filesystem::remove(strLog);
        EXPECT_TRUE(std::filesystem::is_empty(temp.Path())) << c.pszCase << ": the list file is removed";
    }
}

// After a failed compile no database of an earlier one is left under the
// database's name: it is kept as ".BAK" until a compile succeeds.
TEST(ProtocolCompiler, FailedCompileLeavesNoOldDatabase)
{
    TempFolder temp;
    CMemoryProfileStore profile;
    CSilentHostServices host(&profile);
    CHostServicesScope installed(host);
    const std::string strDatabase = temp.Path("out/PROTOCOL.BIN");
    const std::string strBackup = temp.Path("out/PROTOCOL.BAK");
    std::filesystem::create_directory(temp.Path("out"));
    const struct { const char* pszCase; int nExit; bool bWritesDatabase; bool bDatabase; bool bBackup; } cases[] = {
        {"fails", 3, false, false, true},
        {"fails again", 1, false, false, true},
        {"succeeds", 0, true, true, false},
    };
    std::ofstream(strDatabase) << "old";
    for (const auto& c : cases) {
        CFakeRows rows({{"a.org", true}});
        rows.Model().SetSourceFolder(temp.Path().c_str());
        rows.Model().SetTargetFolder(temp.Path("out").c_str());
        CProtocolCompiler compiler(&rows.Model(), &rows, ".ORG");
        compiler.SetTempFolder(temp.Path().c_str());
        compiler.SetDatabaseName("PROTOCOL.BIN");
        EXPECT_STREQ(strDatabase.c_str(), compiler.GetDatabasePath());
        CFakeRunner runner;
        runner.nExit = c.nExit;
        runner.strWriteLog = temp.Path("Line1.Log");
        compiler.SetRunner(&runner);
        if (c.bWritesDatabase)
            runner.strWriteDatabase = strDatabase;
        compiler.Compile("KS808", temp.Path("Line1.vkp").c_str());
        EXPECT_EQ(c.bDatabase, std::filesystem::exists(strDatabase)) << c.pszCase;
        EXPECT_EQ(c.bBackup, std::filesystem::exists(strBackup)) << c.pszCase;
    }
    std::ifstream written(strDatabase);
    std::string strText;
    written >> strText;
    EXPECT_EQ("new", strText);
}

TEST(ProtocolCompiler, MainFolderIsPutBeforeTheProgram)
{
    TempFolder temp;
    CMemoryProfileStore profile;
    profile.WriteString("Folders", "Main", "C:\\G7K\\");
    CSilentHostServices host(&profile);
    CHostServicesScope installed(host);
    CFakeRows rows({{"a.org", true}});
    CProtocolCompiler compiler(&rows.Model(), &rows, ".ORG");
    compiler.SetTempFolder(temp.Path().c_str());
    CFakeRunner runner;
    compiler.SetRunner(&runner);
    compiler.Compile("PV", "x.pvp");
    EXPECT_EQ(0u, runner.strCommand.find("\"C:\\G7K\\ORDA\" -t=PV ")) << runner.strCommand;

    CFakeRows none({});
    CProtocolCompiler nothing(&none.Model(), &none, ".ORG");
    nothing.SetTempFolder(temp.Path().c_str());
    CFakeRunner unused;
    nothing.SetRunner(&unused);
    EXPECT_EQ(CProtocolCompiler::COMPILE_NO_INPUT, nothing.Compile("PV", "x.pvp"));
    EXPECT_TRUE(unused.strCommand.empty());
}
