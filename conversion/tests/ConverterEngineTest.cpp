#include "framework/Portable.h"
#include "conversion/ConversionOptions.h"
#include "conversion/ConverterEngine.h"
#include "conversion/tests/TestFolder.h"
#include "framework/HostServices.h"
#include "framework/MemoryProfileStore.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

namespace {

class CRecordingHost : public CSilentHostServices
{
public:
    CRecordingHost() : CSilentHostServices(&profile) {}
    void ReportError(LPCTSTR pszText, HostIcon) override { messages.push_back(pszText); }
    BOOL BeginProgress(LPCTSTR pszText, int nLower, int nUpper, int) override
    {
        progress.push_back(std::string(pszText) + " " + std::to_string(nLower) + ".." + std::to_string(nUpper));
        return TRUE;
    }
    void SetProgressPos(int nPos) override { progress.push_back(std::to_string(nPos)); }
    void EndProgress() override { progress.push_back("end"); }
    CMemoryProfileStore profile;
    std::vector<std::string> messages;
    std::vector<std::string> progress;
};

class CRows : public CProtocolRowSource
{
public:
    int GetRowCount() override { return static_cast<int>(rows.size()); }
    BOOL IsRowSelected(int nRow) override { return rows[nRow].second; }
    CProtocolInfo* GetRowInfo(int nRow) override { return rows[nRow].first; }
    std::vector<std::pair<CProtocolInfo*, bool>> rows;
};

class CPrompt : public IConversionOptionsPrompt
{
public:
    bool Confirm(const CString& strOutputFolder) override
    {
        strFolder = strOutputFolder;
        return bConfirm;
    }
    CString BuildCommandLine(const CString& strListFile) override
    {
        return options.BuildCommandLine(strListFile, strOutput);
    }
    CString GetOutputExtension() override { return options.GetOutputExtension(); }
    BOOL GetTimeStampOption() override { return options.bTimeStamp; }

    bool bConfirm = true;
    CConversionOptions options;
    CString strOutput = "OUT";
    CString strFolder;
};

// Plays the converter: reads the list, writes an output per input and the log.
class CFakeConverter : public CProcessRunner
{
public:
    int Run(const CString& strCommandLine) override
    {
        strCommand = static_cast<LPCTSTR>(strCommandLine);
        const size_t at = strCommand.find('@');
        std::string list = strCommand.substr(at + 1, strCommand.find(' ', at) - at - 1);
        std::ifstream in(list);
        std::string line;
        while (std::getline(in, line)) {
            inputs.push_back(line);
            const std::string name = line.substr(line.find_last_of("/\\") + 1);
            if (!strOutputFolder.empty())
                std::ofstream(strOutputFolder + name.substr(0, name.find('.')) + ".NMP") << "out";
            if (m_pOnWait)
                (*m_pOnWait)();
        }
        const size_t log = strCommand.find(" -V:");
        if (log != std::string::npos)
            std::ofstream(strCommand.substr(log + 4)) << "log";
        return nExit;
    }
    int RunWatching(const CString& strCommandLine, const std::function<void()>& onWait) override
    {
        m_pOnWait = &onWait;
        const int nResult = Run(strCommandLine);
        m_pOnWait = nullptr;
        return nResult;
    }
    const std::function<void()>* m_pOnWait = nullptr;
    int nExit = 0;
    std::string strCommand;
    std::string strOutputFolder;
    std::vector<std::string> inputs;
};

CTime FixedNow() { return CTime(static_cast<time_t>(1700000000)); }

class ConverterEngineTest : public testing::Test
{
protected:
    void SetUp() override
    {
        model.SetTargetFolder(output.Path().c_str());
        for (const char* pszName : {"A.G7K", "B.G7K", "C.G7K"}) {
            const std::string path = data.Write(pszName, MakeG7kFile(SampleHeader(14), "1", 0, 0, 0));
            model.AddByFileName(path.c_str());
        }
        for (POSITION pos = model.GetInfoList().GetHeadPosition(); pos;)
            rows.rows.push_back({model.GetInfoList().GetNext(pos), true});
        rows.rows[1].second = false;
        converter.strOutputFolder = output.Path();
    }

    int Convert(const CString& strDocument)
    {
        CConverterEngine engine(&model, &rows, strDocument, &prompt);
        engine.SetRunner(&converter);
        engine.SetTempFolder(temp.Path().c_str());
        engine.SetClock(&FixedNow);
        return engine.Convert();
    }

    CRecordingHost host;
    CHostServicesScope scope{host};
    TestFolder data, output, project, temp;
    CConversionModel model;
    CRows rows;
    CPrompt prompt;
    CFakeConverter converter;
};

} // namespace

TEST_F(ConverterEngineTest, SelectedFilesAreConvertedAndStampedWithTheLog)
{
    const std::string document = project.Path() + "Season.1.dcv";
    project.WriteText("Season.1.Log", "old log");
    ASSERT_EQ(CConverterEngine::CONVERT_OK, Convert(document.c_str()));
    EXPECT_EQ((std::vector<std::string>{data.Path() + "A.G7K", data.Path() + "C.G7K"}), converter.inputs);
    EXPECT_STREQ(model.GetTargetFolder(), prompt.strFolder);
    EXPECT_EQ(0u, converter.strCommand.find("D7IZUVI -F:a -n  @"));
    EXPECT_NE(std::string::npos, converter.strCommand.find(" -V:" + project.Path() + "Season.1.Log"))
        << converter.strCommand;

    const std::string stamp = static_cast<LPCTSTR>(CConverterEngine::MakeTimeStamp(FixedNow()));
    EXPECT_EQ((std::vector<std::string>{"A." + stamp + ".NMP", "C." + stamp + ".NMP"}), output.Names());
    EXPECT_EQ((std::vector<std::string>{"Season.1." + stamp + ".LOG"}), project.Names())
        << "the log beside the project, the earlier one replaced by the run";
    EXPECT_TRUE(temp.Names().empty()) << "the list file is gone";
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ConverterEngineTest, WithoutTimeStampsOutputsKeepTheConvertersNames)
{
    prompt.options.bTimeStamp = FALSE;
    ASSERT_EQ(CConverterEngine::CONVERT_OK, Convert((project.Path() + "P.dcv").c_str()));
    EXPECT_EQ((std::vector<std::string>{"A.NMP", "C.NMP"}), output.Names());
    EXPECT_EQ((std::vector<std::string>{"P.Log"}), project.Names());
}

TEST_F(ConverterEngineTest, AnUnsavedProjectHasNoLogSwitch)
{
    ASSERT_EQ(CConverterEngine::CONVERT_OK, Convert(""));
    EXPECT_EQ(std::string::npos, converter.strCommand.find("-V:"));
}

TEST_F(ConverterEngineTest, FailuresAreReportedWithTheirCause)
{
    converter.nExit = 3;
    EXPECT_EQ(CConverterEngine::CONVERT_FAILED, Convert((project.Path() + "P.dcv").c_str()));
    ASSERT_EQ(1u, host.messages.size());
    EXPECT_NE(std::string::npos, host.messages[0].find("exit status 3")) << host.messages[0];
    EXPECT_EQ((std::vector<std::string>{"A.NMP", "C.NMP"}), output.Names()) << "nothing stamped";

    converter.nExit = CProcessRunner::NOT_STARTED;
    EXPECT_EQ(CConverterEngine::CONVERT_FAILED, Convert(""));
    EXPECT_EQ(0u, host.messages[1].find("Could not find D7IZUVI.EXE!"));

    prompt.bConfirm = false;
    EXPECT_EQ(CConverterEngine::CONVERT_CANCELLED, Convert(""));
    for (auto& row : rows.rows)
        row.second = false;
    EXPECT_EQ(CConverterEngine::CONVERT_NOTHING_RUN, Convert(""));
    EXPECT_EQ(2u, host.messages.size());
    EXPECT_TRUE(temp.Names().empty());
}

// A line of exactly 127 characters runs, one more does not; the program
// folder is put in front only while the line stays within the limit.
TEST_F(ConverterEngineTest, TheCommandLineLimit)
{
    const int nFixed = static_cast<int>(prompt.BuildCommandLine("").GetLength());
    const CString strList = prompt.BuildCommandLine((temp.Path() + "ZEZ00000").c_str());
    const int nListPart = strList.GetLength() - nFixed;
    struct Case { int nLength; const char* pszMain; int nResult; bool bPrefixed; } cases[] = {
        {127, "", CConverterEngine::CONVERT_OK, false},
        {128, "", CConverterEngine::CONVERT_NOTHING_RUN, false},
        {120, "C:\\P", CConverterEngine::CONVERT_OK, true},      // 120 + "C:\P\" = 125
        {122, "C:\\P", CConverterEngine::CONVERT_OK, true},      // exactly 127 with the folder
        {124, "C:\\P", CConverterEngine::CONVERT_OK, false},     // 129 with the folder
    };
    for (const Case& c : cases) {
        host.messages.clear();
        host.profile.WriteString("Folders", "Main", c.pszMain);
        prompt.strOutput = CString('O', c.nLength - nFixed - nListPart + 3);
        converter.strCommand.clear();
        EXPECT_EQ(c.nResult, Convert("")) << c.nLength;
        if (c.nResult == CConverterEngine::CONVERT_OK) {
            EXPECT_EQ(c.bPrefixed, converter.strCommand.rfind("C:\\P\\D7IZUVI ", 0) == 0) << converter.strCommand;
            EXPECT_EQ(c.nLength + (c.bPrefixed ? 5 : 0), static_cast<int>(converter.strCommand.size()));
        } else {
            ASSERT_EQ(1u, host.messages.size());
            EXPECT_EQ(0u, host.messages[0].find("Command-line too long!"));
        }
    }
}

TEST(ConverterEngineNames, TheLogIsTheProjectPathWithItsExtensionReplaced)
{
    EXPECT_STREQ("C:\\Data.2024\\Season.Log", CConverterEngine::MakeConverterLogName("C:\\Data.2024\\Season.dcv"));
    EXPECT_STREQ("C:\\P\\Season.1.Log", CConverterEngine::MakeConverterLogName("C:\\P\\Season.1.dcv"));
    EXPECT_EQ(19, CConverterEngine::MakeTimeStamp(CTime(static_cast<time_t>(1700000000))).GetLength());
}

// The progress shows the outputs the converter has written so far; an
// output of an earlier run that it has not rewritten yet does not count.
TEST_F(ConverterEngineTest, ProgressFollowsTheOutputsWritten)
{
    std::ofstream(output.Path() + "C.NMP") << "an older output";
    ASSERT_EQ(CConverterEngine::CONVERT_OK, Convert(""));
    EXPECT_EQ((std::vector<std::string>{"Converting files: 0..2", "1", "2", "end"}), host.progress);
}
