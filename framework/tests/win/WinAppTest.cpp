// The application object: message loop and idle phase, profile, recent
// files, command line.
#include "framework/tests/win/TestApp.h"

#include "framework/HelpViewer.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <utility>

namespace {

class CLoopWnd : public CWnd
{
public:
    size_t m_nIdleCallsBeforeTimer = 0;
    void OnTimer(UINT_PTR)
    {
        KillTimer(1);
        m_nIdleCallsBeforeTimer = theApp.m_idleCounts.size();
        DestroyWindow();   // the main window goes: the loop ends
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLoopWnd, CWnd)
    ON_WM_TIMER()
END_MESSAGE_MAP()

TEST(MessageLoop, IdlePhaseStopsWhenOnIdleSaysSoAndTheLoopSleeps)
{
    PumpMessages();
    CLoopWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "loop", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr));
    CWnd* pOldMain = theApp.m_pMainWnd;
    theApp.m_pMainWnd = &wnd;
    wnd.SetTimer(1, 300, nullptr);
    theApp.m_idleCounts.clear();
    theApp.m_bRecordIdle = true;
    DWORD start = ::GetTickCount();
    theApp.Run();
    theApp.m_bRecordIdle = false;
    theApp.m_pMainWnd = pOldMain;

    EXPECT_GE(::GetTickCount() - start, 250u);
    // Each idle phase is counts 0 and 1, then the loop sleeps: while it
    // waits 300 ms for the timer only a stray message of the system can
    // start another phase, never a spin.
    ASSERT_GE(theApp.m_idleCounts.size(), 2u);
    EXPECT_LE(wnd.m_nIdleCallsBeforeTimer, 8u);
    EXPECT_EQ(theApp.m_idleCounts[0], 0);
    EXPECT_EQ(theApp.m_idleCounts[1], 1);
    for (LONG nCount : theApp.m_idleCounts)
        EXPECT_LE(nCount, 1);   // FALSE at count 1 ends the phase
}

std::vector<std::pair<std::string, UINT>> g_helpOpened;
BOOL RecordHelpViewer(HWND, LPCTSTR lpszPath, UINT nCmd, DWORD_PTR)
{
    g_helpOpened.emplace_back(lpszPath, nCmd);
    return TRUE;
}

// Help Topics (F1) and Help on the main frame: the help file beside the
// program, or a message that says there is none.
TEST(Help, TheHelpCommandsOpenTheHelpFileOrSayThereIsNone)
{
    const AfxHelpViewer previous = AfxSetHelpViewer(RecordHelpViewer);
    g_helpOpened.clear();
    const std::string path = theApp.m_pszHelpFilePath;
    ASSERT_GT(path.size(), 4u);
    EXPECT_EQ(path.substr(path.size() - 4), ".HLP");
    ::DeleteFileA(path.c_str());
    CMainFrame* pFrame = MainFrame();
    {
        MessageBoxRecorder boxes;
        for (UINT nId : {ID_HELP_FINDER, ID_HELP})
            pFrame->SendMessage(WM_COMMAND, nId);
        ASSERT_EQ(boxes.texts.size(), 2u);
        for (const std::string& text : boxes.texts) {
            EXPECT_NE(text.find("No help is installed"), std::string::npos) << text;
            EXPECT_NE(text.find(path), std::string::npos) << text;
        }
    }
    EXPECT_TRUE(g_helpOpened.empty());

    { std::ofstream(path) << "help"; }
    MessageBoxRecorder boxes;
    pFrame->SendMessage(WM_COMMAND, ID_HELP_FINDER);
    ::DeleteFileA(path.c_str());
    AfxSetHelpViewer(previous);
    EXPECT_TRUE(boxes.texts.empty());
    ASSERT_EQ(g_helpOpened.size(), 1u);
    EXPECT_EQ(g_helpOpened[0], std::make_pair(path, static_cast<UINT>(HELP_FINDER)));
}

class Profile : public ::testing::Test
{
protected:
    void TearDown() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\G7K Framework Tests"); }
};

TEST_F(Profile, ValuesRoundTripUnderTheCompanyKeyAndMissingOnesGiveTheDefault)
{
    EXPECT_TRUE(theApp.WriteProfileInt("Section", "Number", -5));
    EXPECT_TRUE(theApp.WriteProfileString("Section", "Text", "hello"));
    BYTE data[] = { 0, 1, 2, 250 };
    EXPECT_TRUE(theApp.WriteProfileBinary("Section", "Blob", data, sizeof data));

    EXPECT_EQ((int)theApp.GetProfileInt("Section", "Number", 7), -5);
    EXPECT_EQ(theApp.GetProfileString("Section", "Text"), "hello");
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    ASSERT_TRUE(theApp.GetProfileBinary("Section", "Blob", &pData, &nBytes));
    EXPECT_EQ(std::vector<BYTE>(pData, pData + nBytes), std::vector<BYTE>(data, data + sizeof data));
    delete[] pData;

    EXPECT_EQ(theApp.GetProfileInt("Section", "Missing", 7), 7u);
    EXPECT_EQ(theApp.GetProfileString("Section", "Missing", "dflt"), "dflt");
    EXPECT_EQ(theApp.GetProfileString("Section", "Missing"), "");
    EXPECT_EQ(theApp.GetProfileInt("Section", "Text", 9), 9u);   // wrong type: default
    EXPECT_FALSE(theApp.GetProfileBinary("Section", "Missing", &pData, &nBytes));

    HKEY hKey = nullptr;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\G7K Framework Tests\\Framework Test\\Section", 0,
                              KEY_READ, &hKey), ERROR_SUCCESS);
    ::RegCloseKey(hKey);

    EXPECT_TRUE(theApp.WriteProfileString("Section", "Text", nullptr));   // deletes the value
    EXPECT_EQ(theApp.GetProfileString("Section", "Text", "gone"), "gone");
}

TEST_F(Profile, RegKeyClosesItsOwnKeyAndReadsOnlyTheTypeAsked)
{
    CRegKey key;
    ASSERT_EQ(key.Create(HKEY_CURRENT_USER, "Software\\G7K Framework Tests\\Keys"), ERROR_SUCCESS);
    EXPECT_EQ(key.SetValue("Text", "abc"), ERROR_SUCCESS);
    EXPECT_EQ(key.SetValue("Number", DWORD(42)), ERROR_SUCCESS);
    CString strValue = "kept";
    DWORD dwValue = 7;
    EXPECT_EQ(key.QueryString("Number", strValue), ERROR_INVALID_DATATYPE);
    EXPECT_EQ(key.QueryDWORD("Text", dwValue), ERROR_INVALID_DATATYPE);
    EXPECT_EQ(strValue, "kept");
    EXPECT_EQ(dwValue, 7u);
    EXPECT_EQ(key.QueryString("Text", strValue), ERROR_SUCCESS);
    EXPECT_EQ(strValue, "abc");
    EXPECT_EQ(key.QueryDWORD("Number", dwValue), ERROR_SUCCESS);
    EXPECT_EQ(dwValue, 42u);

    // A failed open keeps the key that is open; a move hands it over.
    EXPECT_NE(key.Open(HKEY_CURRENT_USER, "Software\\G7K Framework Tests\\Missing"), ERROR_SUCCESS);
    ASSERT_TRUE(key.IsOpen());
    CRegKey moved(std::move(key));
    EXPECT_FALSE(key.IsOpen());
    EXPECT_EQ(moved.QueryDWORD("Number", dwValue), ERROR_SUCCESS);
    moved.Close();
    EXPECT_FALSE(moved.IsOpen());
}

TEST_F(Profile, RecentFilesKeepTheNewestFirstAndSurviveARestart)
{
    theApp.LoadStdProfileSettings(3);
    for (const char* path : { "C:\\a.note", "C:\\b.note", "C:\\c.note", "C:\\d.note", "c:\\B.NOTE" })
        theApp.AddToRecentFileList(path);
    CRecentFileList* pList = theApp.m_pRecentFileList;
    ASSERT_EQ(pList->GetCount(), 3);
    EXPECT_EQ((*pList)[0], "c:\\B.NOTE");
    EXPECT_EQ((*pList)[1], "C:\\d.note");
    EXPECT_EQ((*pList)[2], "C:\\c.note");

    theApp.SaveStdProfileSettings();
    theApp.LoadStdProfileSettings(3);
    ASSERT_EQ(theApp.m_pRecentFileList->GetCount(), 3);
    EXPECT_EQ((*theApp.m_pRecentFileList)[0], "c:\\B.NOTE");
    EXPECT_EQ(theApp.GetProfileString("Recent File List", "File2"), "C:\\d.note");
}

TEST(CommandLine, ParametersGiveTheShellCommand)
{
    struct Case {
        std::vector<std::pair<const char*, bool>> params;   // text, flag
        int command;
        const char* file;
        const char* printer;
    } cases[] = {
        { {}, CCommandLineInfo::FileNew, "", "" },
        { { { "x.note", false } }, CCommandLineInfo::FileOpen, "x.note", "" },
        { { { "p", true }, { "x.note", false } }, CCommandLineInfo::FilePrint, "x.note", "" },
        { { { "pt", true }, { "x.note", false }, { "Printer", false }, { "drv", false }, { "lpt1", false } },
          CCommandLineInfo::FilePrintTo, "x.note", "Printer" },
        { { { "nologo", true } }, CCommandLineInfo::FileNew, "", "" },
    };
    for (const Case& c : cases) {
        CCommandLineInfo info;
        for (size_t i = 0; i < c.params.size(); ++i)
            info.ParseParam(c.params[i].first, c.params[i].second, i + 1 == c.params.size());
        EXPECT_EQ((int)info.m_nShellCommand, c.command);
        EXPECT_EQ(info.m_strFileName, c.file);
        EXPECT_EQ(info.m_strPrinterName, c.printer);
    }
}

TEST(MessageBoxes, CaptionIsTheApplicationTitleAndWaitCursorComesBack)
{
    struct Seen { std::string caption; UINT type = 0; } seen;
    static Seen* s_pSeen = nullptr;
    s_pSeen = &seen;
    AFX_MESSAGEBOX_HOOK pOld = AfxSetMessageBoxHook([](HWND, LPCTSTR, LPCTSTR lpszCaption, UINT nType) {
        s_pSeen->caption = lpszCaption;
        s_pSeen->type = nType;
        ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
        return IDYES;
    });
    {
        CWaitCursor wait;
        EXPECT_EQ(AfxMessageBox("Continue?", MB_YESNO), IDYES);
        EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, IDC_WAIT));
    }
    AfxSetMessageBoxHook(pOld);
    EXPECT_EQ(seen.caption, "Framework Test");
    EXPECT_EQ(seen.type & MB_ICONMASK, (UINT)MB_ICONQUESTION);
    EXPECT_EQ(theApp.m_nWaitCursorCount, 0);
}

} // namespace
