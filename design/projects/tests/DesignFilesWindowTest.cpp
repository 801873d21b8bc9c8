// The files of the protocol design windows under Wine, driven as a user
// drives them: each editor opened from its command, saved unchanged and
// compared byte for byte; bad protocol files opened as charts; compiles
// that fail; and the journeys through a Vika and a Polyvect project.
#include "framework/Framework.h"
#include "app/G7KWinApp.h"
#include "app/MainFrame.h"
#include "app/project/ProtocolListCtrl.h"
#include "app/tests/WindowScript.h"
#include "chart/VikaChartDoc.h"
#include "chart/VikaChartFrame.h"
#include "chart/VikaChartView.h"
#include "design/ElectrodeLayout.h"
#include "design/VikaAddressMap.h"
#include "design/VikaProtocolGenerator.h"
#include "design/projects/DesignDialogHooks.h"
#include "design/projects/PolyvectDoc.h"
#include "design/projects/PolyvectViewport.h"
#include "design/projects/VikaDoc.h"
#include "design/projects/VikaModel.h"
#include "design/projects/VikaViewport.h"
#include "res/ChartRes.h"
#include "res/SharedDialogsRes.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace windowscript;

namespace {

class CTestApp : public CG7KWinApp
{
public:
    int DoMessageBox(LPCTSTR lpszPrompt, UINT, UINT) override
    {
        messages.emplace_back(lpszPrompt);
        auto* pMain = dynamic_cast<CMainFrame*>(m_pMainWnd);
        progressAtMessage.push_back(pMain && pMain->GetStatusBar().IsProgressShown());
        return nAnswer;
    }
    std::vector<std::string> messages;
    // Whether the status bar showed progress when each message came.
    std::vector<bool> progressAtMessage;
    int nAnswer = IDOK;

protected:
    LPCTSTR GetRegistryKeyName() const override { return "G7K Design File Tests"; }
};

CTestApp theApp;

// 24 electrodes on two cables of 12, rolling along by 12.
std::string AddressText()
{
    std::string strText = "2\t12\t\r\n1\t12\t0\t\r\n24\t\r\n";
    for (int e = 1; e <= 24; ++e)
        strText += std::to_string(e) + "\t" + std::to_string(e) + "\t" + std::to_string(1 + (e - 1) / 12) + "-" +
                   std::to_string(1 + (e - 1) % 12) + "\t\r\n";
    return strText;
}

// The three sections of a protocol as the create dialog writes them.
void GenerateProtocol(const std::string& strFolder, const char* pszName, int nCode, int nChannels)
{
    const CString strAddress = (strFolder + "ADR1.ADR").c_str();
    CVikaAddressMap map(strAddress);
    std::unique_ptr<ElectrodeLayout> layout = CreateElectrodeLayout(nCode);
    CVikaProtocolGenerator generator;
    generator.SetWriteFiles(TRUE);
    generator.SetFolder(strFolder.c_str());
    generator.SetName(pszName);
    generator.SetAddressPath(strAddress);
    generator.SetGeometryName("GEO1");
    generator.SetArrayCode(nCode);
    generator.SetChannels(nChannels);
    generator.SetSpacingRange(1, 2);
    generator.SetLevelRange(1, 3);
    CVikaCommandArray commands;
    for (int nSection = 0; nSection < 3; ++nSection)
        generator.Generate(commands, map, nullptr, *layout, nSection);
}

class DesignFiles : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPTSTR>(""), SW_SHOW));
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\G7K Design File Tests");
        s_bStarted = theApp.InitInstance();
        theApp.GetSplashWindow().Close();
    }
    static void TearDownTestSuite()
    {
        if (theApp.m_pMainWnd)
            theApp.m_pMainWnd->DestroyWindow();
        theApp.ExitInstance();
    }
    void SetUp() override
    {
        ASSERT_TRUE(s_bStarted);
        theApp.messages.clear();
        theApp.progressAtMessage.clear();
        ResetDesignDialogHooks();
    }
    void TearDown() override
    {
        ResetDesignDialogHooks();
        theApp.nAnswer = IDOK;
    }

    // A Vika project over the folder listing the protocols, shown with the
    // row of the first one selected.
    CVikaViewport* OpenVikaProject(const std::string& strFolder, const std::vector<const char*>& protocols)
    {
        auto* pDoc = dynamic_cast<CVikaDoc*>(theApp.GetTemplate(TEMPLATE_VIKA)->OpenDocumentFile(nullptr));
        if (!pDoc)
            return nullptr;
        CProtocolModel* pModel = pDoc->GetModel();
        pModel->SetSourceFolder(strFolder.c_str());
        for (const char* pszName : protocols)
            pModel->AddByFileName(pszName);
        POSITION pos = pDoc->GetFirstViewPosition();
        auto* pView = dynamic_cast<CVikaViewport*>(pDoc->GetNextView(pos));
        if (!pView)
            return nullptr;
        pView->RefreshList();
        pView->UpdateData(FALSE);
        pView->GetParentFrame()->ActivateFrame();
        SelectRow(pView, 0);
        return pView;
    }
    static void SelectRow(CVikaViewport* pView, int nRow)
    {
        CListCtrl& list = pView->GetListCtrl();
        for (int i = 0; i < list.GetItemCount(); ++i)
            list.SetItemState(i, i == nRow ? LVIS_SELECTED | LVIS_FOCUSED : 0, LVIS_SELECTED | LVIS_FOCUSED);
        PumpMessages();
    }

    bool Said(const char* pszText) const
    {
        for (const std::string& strMessage : theApp.messages)
            if (strMessage.find(pszText) != std::string::npos)
                return true;
        return false;
    }

    static BOOL s_bStarted;
};

BOOL DesignFiles::s_bStarted = FALSE;

// What the editor shows of a protocol: its rows, and the fields of the
// command dialog that a double click on the first row opens.
struct EditorView
{
    std::vector<std::string> rows;
    std::vector<std::string> fields;
};

// Opens the editor with open(), reads it, then saves without a change.
EditorView ReadEditorAndSave(const char* pszCaption, const std::function<void()>& open)
{
    EditorView view;
    Drive(
        pszCaption,
        [&](HWND hDialog) {
            HWND hList = GetDlgItem(hDialog, IDC_COMMANDS);
            view.rows = ListBoxRows(hList);
            SendMessageA(hList, LB_SETCURSEL, 0, 0);
            RECT rcRow = {};
            SendMessageA(hList, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rcRow));
            // Save is pressed once the command dialog has gone.
            Expect("Edit Vika Command: #1", [&view, hDialog](HWND hCommand) {
                for (int nId = 1186; nId <= 1195; ++nId)
                    view.fields.push_back(ItemText(hCommand, nId));
                PostClick(hCommand, IDCANCEL);
                PostClick(hDialog, IDOK);
            });
            PostMessageA(hList, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(rcRow.left + 5, rcRow.top + 2));
        },
        [&] {
            open();
            return 0;
        });
    return view;
}

// "   1:\t1\t2\t3\t4" -> {1, 2, 3, 4}
std::vector<std::string> RowValues(const std::string& strRow)
{
    std::vector<std::string> values;
    size_t nStart = strRow.find(":\t");
    if (nStart == std::string::npos)
        return values;
    nStart += 2;
    while (nStart <= strRow.size()) {
        const size_t nTab = strRow.find('\t', nStart);
        values.push_back(strRow.substr(nStart, nTab == std::string::npos ? std::string::npos : nTab - nStart));
        if (nTab == std::string::npos)
            break;
        nStart = nTab + 1;
    }
    return values;
}

// The command lines of a section file: every line after the header.
std::vector<std::string> CommandLines(const std::string& strText)
{
    std::vector<std::string> lines;
    size_t nStart = 0;
    for (int nLine = 1; nStart < strText.size(); ++nLine) {
        size_t nEnd = strText.find("\r\n", nStart);
        if (nEnd == std::string::npos)
            nEnd = strText.size();
        if (nLine > 2)
            lines.push_back(strText.substr(nStart, nEnd - nStart));
        nStart = nEnd + 2;
    }
    return lines;
}

std::vector<std::string> Split(const std::string& strLine)
{
    return RowValues("1:\t" + strLine);
}

} // namespace

// The Vika protocol editor, from the project's Edit ORG command and from the
// chart's .ORG button, on one- and two-channel protocols: every row shows
// every value of its command line, the command dialog shows them all, and
// saving without a change keeps every command line byte for byte (the
// editor writes its header lines with their comment field, so a second
// save changes nothing at all).
TEST_F(DesignFiles, VikaEditorShowsEveryCommandAndSavesItUnchanged)
{
    const std::string strFolder = FreshFolder("g7k_vika_editor");
    WriteFile(strFolder + "ADR1.ADR", AddressText());
    GenerateProtocol(strFolder, "ONE", 1, 1);
    GenerateProtocol(strFolder, "TWO", 5, 2);

    CVikaViewport* pView = OpenVikaProject(strFolder, {"ONE", "TWO"});
    ASSERT_NE(nullptr, pView);
    struct Case
    {
        const char* pszName;
        const char* pszCaption;
        std::function<void()> open;
    };
    CVikaChartDoc* pChart = nullptr;
    const Case cases[] = {
        {"ONE", "Edit Vika Protocol: ONE.ORG",
         [&] {
             SelectRow(pView, 0);
             pView->SendMessage(WM_COMMAND, ID_VIKA_EDIT_ORG);
         }},
        {"TWO", "Edit Vika Protocol: TWO.ORG",
         [&] {
             SelectRow(pView, 1);
             pView->SendMessage(WM_COMMAND, ID_VIKA_EDIT_ORG);
         }},
        {"TWO", "Edit Vika Protocol: TWO.ORG",
         [&] {
             pChart = dynamic_cast<CVikaChartDoc*>(theApp.OpenDocumentFile((strFolder + "TWO.ORG").c_str()));
             ASSERT_NE(nullptr, pChart);
             POSITION pos = pChart->GetFirstViewPosition();
             CView* pChartView = pChart->GetNextView(pos);
             pChartView->GetParentFrame()->ActivateFrame();
             pChartView->SendMessage(WM_COMMAND, ID_CHART_EDIT_ORG);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszCaption);
        const std::string strPath = strFolder + c.pszName + ".ORG";
        const std::string strBefore = ReadFile(strPath);
        const std::vector<std::string> commands = CommandLines(strBefore);
        ASSERT_GT(commands.size(), 3u);

        const EditorView view = ReadEditorAndSave(c.pszCaption, c.open);
        ASSERT_EQ(commands.size(), view.rows.size() - 1) << "a row per command and the new-item row";
        for (size_t i = 0; i < commands.size(); ++i)
            EXPECT_EQ(Split(commands[i]), RowValues(view.rows[i])) << view.rows[i];
        std::vector<std::string> first = Split(commands[0]);
        first.resize(10, "0");
        EXPECT_EQ(first, view.fields);

        const std::string strSaved = ReadFile(strPath);
        EXPECT_EQ(commands, CommandLines(strSaved));
        ReadEditorAndSave(c.pszCaption, c.open);
        EXPECT_EQ(strSaved, ReadFile(strPath)) << "a second save changes nothing";
    }
    if (pChart)
        pChart->OnCloseDocument();
    pView->GetDocument()->OnCloseDocument();
}

namespace {

int OpenChartCount()
{
    int nCount = 0;
    CDocTemplate* pTemplate = theApp.GetTemplate(TEMPLATE_CHART);
    for (POSITION pos = pTemplate->GetFirstDocPosition(); pos;) {
        pTemplate->GetNextDoc(pos);
        ++nCount;
    }
    return nCount;
}

} // namespace

// Protocols that are no chart: each is refused with one message naming the
// file and what is wrong, given after the progress bar has gone, and no
// chart window opens.
TEST_F(DesignFiles, BadProtocolsGiveOneMessageAndNoChart)
{
    const std::string strFolder = FreshFolder("g7k_bad_protocols");
    WriteFile(strFolder + "ADR1.ADR", AddressText());
    WriteFile(strFolder + "BADADR.ADR", "garbage\r\n");
    struct Case
    {
        const char* pszFile;
        std::string strText;
        const char* pszReason;
    };
    std::string strGarbage;
    for (int i = 0; i < 1500; ++i)
        strGarbage += static_cast<char>((i * 7919) % 251 + 1);
    const Case cases[] = {
        {"GARBAGE.ORG", strGarbage, "Line 1 holds no array code."},
        {"TRUNC.ORG", "1\r\n", "Line 2, which names the address file, is missing."},
        {"NOFILES.ORG", "1\r\nNONE\tNOGEO.XYZ\r\n1\t4\t2\t3\r\n", "The address file NONE.ADR named on line 2 is missing."},
        {"BADADR.ORG", "1\r\nBADADR\t//Address File\r\n1\t4\t2\t3\r\n", "The address file BADADR.ADR named on line 2 is not valid"},
        {"BADLINE.ORG", "1\r\nADR1\t//Address File\r\n1\t4\t2\t3\r\n99999 -5 3 4\r\n",
         "Line 4 names electrode 99999, but the address file ADR1.ADR has electrodes 1 to 24 only."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszFile);
        const std::string strPath = strFolder + c.pszFile;
        WriteFile(strPath, c.strText);
        theApp.messages.clear();
        theApp.progressAtMessage.clear();
        EXPECT_EQ(nullptr, theApp.OpenDocumentFile(strPath.c_str()));
        PumpMessages();
        ASSERT_EQ(1u, theApp.messages.size());
        const std::string& strMessage = theApp.messages[0];
        EXPECT_NE(std::string::npos, strMessage.find(c.pszFile)) << strMessage;
        EXPECT_NE(std::string::npos, strMessage.find(c.pszReason)) << strMessage;
        EXPECT_FALSE(theApp.progressAtMessage[0]) << "the progress bar has gone";
        EXPECT_EQ(0, OpenChartCount());
        EXPECT_EQ(c.strText, ReadFile(strPath));
    }

    // A chart whose protocol the editor gave a bad address file: one
    // message, and the chart window goes.
    GenerateProtocol(strFolder, "GOOD", 1, 1);
    auto* pChart = dynamic_cast<CVikaChartDoc*>(theApp.OpenDocumentFile((strFolder + "GOOD.ORG").c_str()));
    ASSERT_NE(nullptr, pChart);
    POSITION pos = pChart->GetFirstViewPosition();
    CView* pChartView = pChart->GetNextView(pos);
    theApp.messages.clear();
    Drive(
        "Edit Vika Protocol: GOOD.ORG",
        [](HWND hDialog) {
            SelectComboText(hDialog, IDC_ADDRESS_FILE, "BADADR");
            Click(hDialog, IDOK);
        },
        [&] { return static_cast<int>(pChartView->SendMessage(WM_COMMAND, ID_CHART_EDIT_ORG)); });
    PumpMessages();
    ASSERT_EQ(1u, theApp.messages.size());
    EXPECT_NE(std::string::npos, theApp.messages[0].find("GOOD.ORG")) << theApp.messages[0];
    EXPECT_NE(std::string::npos, theApp.messages[0].find("BADADR.ADR named on line 2 is not valid"));
    EXPECT_EQ(0, OpenChartCount());
}

// Charts whose measurements lie far off, as a pole array's missing
// electrodes place them: opened while another chart is maximised, then
// maximised themselves and drawn, the program goes on.
TEST_F(DesignFiles, FarOffMeasurementsDrawInAMaximisedChart)
{
    const std::string strFolder = FreshFolder("g7k_far_charts");
    WriteFile(strFolder + "ADR1.ADR", AddressText());
    GenerateProtocol(strFolder, "POT", 14, 1);
    WriteFile(strFolder + "MISSING.ORG", "1\r\nADR1\t//Address File\r\n1\t0\t2\t3\r\n1\t4\t2\t3\r\n");
    GenerateProtocol(strFolder, "FIRST", 5, 1);

    auto* pFirst = dynamic_cast<CVikaChartDoc*>(theApp.OpenDocumentFile((strFolder + "FIRST.ORG").c_str()));
    ASSERT_NE(nullptr, pFirst);
    auto* pMain = dynamic_cast<CMDIFrameWnd*>(theApp.m_pMainWnd);
    ASSERT_NE(nullptr, pMain);
    BOOL bMaximized = FALSE;
    pMain->MDIMaximize(pMain->MDIGetActive(&bMaximized));
    PumpMessages();
    for (const char* pszName : {"POT.ORG", "MISSING.ORG"}) {
        SCOPED_TRACE(pszName);
        auto* pChart = dynamic_cast<CVikaChartDoc*>(theApp.OpenDocumentFile((strFolder + pszName).c_str()));
        ASSERT_NE(nullptr, pChart);
        POSITION pos = pChart->GetFirstViewPosition();
        auto* pView = dynamic_cast<CVikaChartView*>(pChart->GetNextView(pos));
        ASSERT_NE(nullptr, pView);
        CMDIChildWnd* pChild = pMain->MDIGetActive(&bMaximized);
        EXPECT_TRUE(bMaximized);
        pMain->MDIRestore(pChild);
        PumpMessages();
        pMain->MDIMaximize(pChild);
        pView->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpMessages();
        EXPECT_TRUE(pView->IsDrawn());
        pView->SendMessage(WM_HSCROLL, SB_PAGERIGHT);
        pView->SendMessage(WM_VSCROLL, SB_PAGEDOWN);
        pView->SendMessage(WM_HSCROLL, SB_RIGHT);
        pView->SendMessage(WM_VSCROLL, SB_BOTTOM);
        pView->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpMessages();
        pChart->OnCloseDocument();
    }
    pFirst->OnCloseDocument();
    PumpMessages();
}

namespace {

// The Manage Protocols command, listing every protocol of the folder.
void AddAllProtocols(CView* pView)
{
    Drive(
        "Manage Items Dialog",
        [](HWND hDialog) {
            Click(hDialog, IDC_ADD_ALL_PROTOCOLS);
            Click(hDialog, IDOK);
        },
        [&] { return static_cast<int>(pView->SendMessage(WM_COMMAND, ID_PROJECT_MANAGE)); });
}

std::string OrdaFolder()
{
    const char* pszBinary = getenv("G7K_BINARY_DIR");
    return std::string("Z:") + (pszBinary ? pszBinary : "") + "\\tools\\orda";
}

// What the compile-log viewer shows: its caption, the database's label and
// its size.
struct LogView
{
    std::string strCaption;
    std::string strLabel;
    std::string strSize;
};

// Runs the project's command nId, reading the log viewer it shows.
LogView ShowLog(CView* pView, UINT nId, const char* pszCaption)
{
    LogView log;
    Drive(
        pszCaption,
        [&](HWND hDialog) {
            char szCaption[512] = "";
            GetWindowTextA(hDialog, szCaption, sizeof szCaption);
            log.strCaption = szCaption;
            log.strLabel = ItemText(hDialog, IDC_LOG_DATABASE_LABEL);
            log.strSize = ItemText(hDialog, IDC_LOG_DATABASE_SIZE);
            Click(hDialog, IDOK);
        },
        [&] { return static_cast<int>(pView->SendMessage(WM_COMMAND, nId)); });
    return log;
}

LogView ViewLog(CView* pView, const char* pszCaption)
{
    return ShowLog(pView, ID_PROJECT_VIEW_LOG, pszCaption);
}

// Saves the project as strPath and compiles it with the stand-in compiler;
// what the log viewer then shows.
LogView SaveAndCompile(CDocument* pDoc, CView* pView, const std::string& strPath)
{
    EXPECT_TRUE(pDoc->OnSaveDocument(strPath.c_str()));
    pDoc->SetPathName(strPath.c_str(), FALSE);
    AfxGetApp()->WriteProfileString("Folders", "Main", OrdaFolder().c_str());
    const LogView log = ShowLog(pView, ID_PROJECT_COMPILE, "Compilation successful - Log file:");
    AfxGetApp()->WriteProfileString("Folders", "Main", "");
    return log;
}

// The lines of two texts that differ, by number from 1.
std::vector<int> ChangedLines(const std::string& strOld, const std::string& strNew)
{
    auto lines = [](const std::string& strText) {
        std::vector<std::string> result;
        size_t nStart = 0;
        while (nStart < strText.size()) {
            size_t nEnd = strText.find('\n', nStart);
            if (nEnd == std::string::npos)
                nEnd = strText.size();
            result.push_back(strText.substr(nStart, nEnd - nStart));
            nStart = nEnd + 1;
        }
        return result;
    };
    const std::vector<std::string> before = lines(strOld), after = lines(strNew);
    std::vector<int> changed;
    for (size_t i = 0; i < std::max(before.size(), after.size()); ++i)
        if (i >= before.size() || i >= after.size() || before[i] != after[i])
            changed.push_back(static_cast<int>(i + 1));
    return changed;
}

} // namespace

// A compile that fails after a good one: the old database does not stay as
// if it were the new one's, and the log says there is none. Polyvect logs
// name the Polyvect database.
TEST_F(DesignFiles, FailedCompileLeavesNoDatabaseThatLooksNew)
{
    const std::string strFolder = FreshFolder("g7k_compile_fail");
    const std::string strTarget = FreshFolder("g7k_compile_fail_out");
    WriteFile(strFolder + "ADR1.ADR", AddressText());
    GenerateProtocol(strFolder, "P1", 1, 1);
    CVikaViewport* pView = OpenVikaProject(strFolder, {"P1"});
    ASSERT_NE(nullptr, pView);
    CDocument* pDoc = pView->GetDocument();
    auto* pVika = dynamic_cast<CVikaDoc*>(pDoc);
    pVika->GetModel()->SetTargetFolder(strTarget.c_str());
    const LogView good = SaveAndCompile(pDoc, pView, strFolder + "Line.vkp");
    ASSERT_TRUE(Exists(strTarget + "PROTOCOL.BIN"));
    EXPECT_EQ("Size of PROTOCOL.BIN:", good.strLabel);
    EXPECT_NE(std::string::npos, good.strSize.find("kilobytes")) << good.strSize;

    theApp.WriteProfileString("Folders", "Main", OrdaFolder().c_str());
    SetEnvironmentVariableA("ORDA_FAIL", "test failure");
    pView->SendMessage(WM_COMMAND, ID_PROJECT_COMPILE);
    SetEnvironmentVariableA("ORDA_FAIL", nullptr);
    EXPECT_TRUE(Said("Fatal error! Protocol database compile aborted!"));
    EXPECT_FALSE(Exists(strTarget + "PROTOCOL.BIN")) << "no database beside the failed compile's log";
    EXPECT_TRUE(Exists(strTarget + "PROTOCOL.BAK")) << "the earlier one is kept aside";
    const LogView failed = ViewLog(pView, "Compilation failed - Log file:");
    EXPECT_EQ("N/A", failed.strSize);

    SaveAndCompile(pDoc, pView, strFolder + "Line.vkp");
    EXPECT_TRUE(Exists(strTarget + "PROTOCOL.BIN"));
    EXPECT_FALSE(Exists(strTarget + "PROTOCOL.BAK"));
    pDoc->OnCloseDocument();

    // A Polyvect project's log names its own database.
    theApp.messages.clear();
    WriteFile(strFolder + "A.PV", "5\r\nGEO1.XYZ\r\n1\t2\t3\t4\r\n");
    auto* pPolyvect =
        dynamic_cast<CPolyvectDoc*>(theApp.GetTemplate(TEMPLATE_POLYVECT)->OpenDocumentFile(nullptr));
    ASSERT_NE(nullptr, pPolyvect);
    pPolyvect->GetModel()->SetSourceFolder(strFolder.c_str());
    pPolyvect->GetModel()->SetTargetFolder(strTarget.c_str());
    POSITION pos = pPolyvect->GetFirstViewPosition();
    CView* pPolyvectView = pPolyvect->GetNextView(pos);
    AddAllProtocols(pPolyvectView);
    ASSERT_EQ(1, pPolyvect->GetModel()->GetInfoCount());
    const LogView polyvect = SaveAndCompile(pPolyvect, pPolyvectView, strFolder + "Lines.pvp");
    EXPECT_EQ("Size of Polyvect.BIN:", polyvect.strLabel);
    EXPECT_EQ(std::vector<std::string>(), theApp.messages);
    EXPECT_NE(std::string::npos, polyvect.strSize.find("kilobytes")) << polyvect.strSize;
    pPolyvect->OnCloseDocument();
}

namespace {

// Double-clicks a row of the editor's command list; the command dialog's
// script runs in its modal loop, then the editor is saved.
void EditRowAndSave(HWND hDialog, int nRow, const char* pszCaption, std::function<void(HWND)> edit)
{
    HWND hList = GetDlgItem(hDialog, IDC_COMMANDS);
    SendMessageA(hList, LB_SETCURSEL, nRow, 0);
    RECT rcRow = {};
    SendMessageA(hList, LB_GETITEMRECT, nRow, reinterpret_cast<LPARAM>(&rcRow));
    Expect(pszCaption, [=](HWND hCommand) {
        edit(hCommand);
        PostClick(hDialog, IDOK);
    });
    PostMessageA(hList, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(rcRow.left + 5, rcRow.top + 2));
}

// Opens the protocol editor with the project's command nId, gives the
// third command the C1 electrode pszC1 in the command dialog and saves.
void SetThirdCommandsC1(CView* pView, UINT nId, const char* pszEditor, const char* pszCommand, const char* pszC1)
{
    Drive(
        pszEditor,
        [=](HWND hDialog) {
            EditRowAndSave(hDialog, 2, pszCommand, [=](HWND hCommand) {
                SetDlgItemTextA(hCommand, 1186, pszC1);
                PostClick(hCommand, IDOK);
            });
        },
        [&] { return static_cast<int>(pView->SendMessage(WM_COMMAND, nId)); });
}

// Creates a protocol in the create dialog the project's command opens.
void CreateProtocol(CView* pView, const char* pszName, const char* pszArray, const char* pszChannels)
{
    Drive(
        "Create Vika Protocol",
        [=](HWND hDialog) {
            SetDlgItemTextA(hDialog, IDC_PROTOCOL_ID, pszName);
            SelectComboText(hDialog, IDC_ARRAY_TYPE, pszArray);
            SelectComboText(hDialog, IDC_ADDRESS_FILE, "LINE1");
            SetDlgItemTextA(hDialog, IDC_A_SMALLEST, "1");
            SetDlgItemTextA(hDialog, IDC_A_LARGEST, "3");
            SetDlgItemTextA(hDialog, IDC_N_SMALLEST, "1");
            SetDlgItemTextA(hDialog, IDC_N_LARGEST, "2");
            SetDlgItemTextA(hDialog, IDC_CHANNELS, pszChannels);
            Click(hDialog, IDOK);
        },
        [&] { return static_cast<int>(pView->SendMessage(WM_COMMAND, ID_VIKA_NEW_PROTOCOL)); });
}

} // namespace

// A user's way through a Vika project: a new project and address map, two
// protocols of two array types, one opened in the editor and saved
// unchanged, then a command edited and saved, the project compiled and the
// log shown, the protocol opened as a chart, a measurement toggled, the
// chart validated, saved and opened again.
TEST_F(DesignFiles, VikaJourney)
{
    const std::string strFolder = FreshFolder("g7k_vika_journey");
    const std::string strTarget = FreshFolder("g7k_vika_journey_out");
    auto* pDoc = dynamic_cast<CVikaDoc*>(theApp.GetTemplate(TEMPLATE_VIKA)->OpenDocumentFile(nullptr));
    ASSERT_NE(nullptr, pDoc);
    pDoc->GetModel()->SetSourceFolder(strFolder.c_str());
    pDoc->GetModel()->SetTargetFolder(strTarget.c_str());
    POSITION pos = pDoc->GetFirstViewPosition();
    auto* pView = dynamic_cast<CVikaViewport*>(pDoc->GetNextView(pos));
    ASSERT_NE(nullptr, pView);
    pView->UpdateData(FALSE);

    // The address map of the default layout.
    Drive(
        "Vika Address File: <New>",
        [](HWND hDialog) {
            SetDlgItemTextA(hDialog, IDC_ADR_NAME, "LINE1");
            Expect("Generate Address Map Entries", [](HWND hMap) { Click(hMap, IDOK); });
            Click(hDialog, IDC_GENERATE);
            Click(hDialog, IDOK);
        },
        [&] { return static_cast<int>(pView->SendMessage(WM_COMMAND, ID_VIKA_NEW_ADR)); });
    ASSERT_TRUE(Exists(strFolder + "LINE1.ADR"));

    CreateProtocol(pView, "WEN", "Wenner (A)", "1");
    CreateProtocol(pView, "DD", "Dipole-Dipole", "2");
    ASSERT_EQ(2, pDoc->GetModel()->GetInfoCount());
    SelectRow(pView, 0);
    ASSERT_TRUE(pView->GetListCtrl().GetItemText(0, 0) == "DD" || pView->GetListCtrl().GetItemText(0, 0) == "WEN");
    const std::string strName = static_cast<LPCTSTR>(pView->GetListCtrl().GetItemText(0, 0));
    const std::string strOrg = strFolder + strName + ".ORG";

    // Saved unchanged: the editor's header form, then no byte changes.
    const std::string strCreated = ReadFile(strOrg);
    const std::string strCaption = "Edit Vika Protocol: " + strName + ".ORG";
    auto saveUnchanged = [&] {
        Drive(strCaption.c_str(), [](HWND hDialog) { Click(hDialog, IDOK); },
              [&] { return static_cast<int>(pView->SendMessage(WM_COMMAND, ID_VIKA_EDIT_ORG)); });
    };
    saveUnchanged();
    EXPECT_EQ(std::vector<int>{1}, ChangedLines(strCreated, ReadFile(strOrg)))
        << "only the array code line gains its comment field";
    const std::string strNormalised = ReadFile(strOrg);
    saveUnchanged();
    EXPECT_EQ(strNormalised, ReadFile(strOrg));

    // One command edited: that line alone changes.
    SetThirdCommandsC1(pView, ID_VIKA_EDIT_ORG, strCaption.c_str(), "Edit Vika Command: #3", "9");
    const std::string strEdited = ReadFile(strOrg);
    EXPECT_EQ(std::vector<int>{5}, ChangedLines(strNormalised, strEdited));
    EXPECT_EQ("9", Split(CommandLines(strEdited)[2])[0]);

    // Compiled through the stand-in compiler; its log shown.
    const LogView log = SaveAndCompile(pDoc, pView, strFolder + "Line.vkp");
    EXPECT_TRUE(Exists(strTarget + "PROTOCOL.BIN"));
    EXPECT_NE(std::string::npos, log.strSize.find("kilobytes")) << log.strSize;

    // Opened as a chart; a measurement toggled off, validated, saved.
    pView->SendMessage(WM_COMMAND, ID_VIKA_OPEN_PROTOCOL);
    PumpMessages();
    CDocTemplate* pCharts = theApp.GetTemplate(TEMPLATE_CHART);
    POSITION posChart = pCharts->GetFirstDocPosition();
    auto* pChart = posChart ? dynamic_cast<CVikaChartDoc*>(pCharts->GetNextDoc(posChart)) : nullptr;
    ASSERT_NE(nullptr, pChart);
    POSITION posView = pChart->GetFirstViewPosition();
    auto* pChartView = dynamic_cast<CVikaChartView*>(pChart->GetNextView(posView));
    ASSERT_NE(nullptr, pChartView);
    pChartView->GetParentFrame()->ActivateFrame();
    pChartView->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    PumpMessages();
    CVikaChartModel* pModel = pChart->GetModel();
    const int nEnabled = pModel->GetCount(0);
    CVikaChartItem* pItem = nullptr;
    for (int i = 0; i < pModel->GetItems().GetSize() && !pItem; ++i)
        if (pModel->GetItems()[i]->IsEnabled() && pModel->GetItems()[i]->GetSection() == kSectionOrg)
            pItem = pModel->GetItems()[i];
    ASSERT_NE(nullptr, pItem);
    CPoint point(pItem->m_rcBox.left + 3, pItem->m_rcBox.top + 3);
    pChartView->LPtoDP(&point);
    pChartView->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
    pChartView->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    pChartView->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    ASSERT_FALSE(pItem->IsEnabled());
    // Whether the check reports finding nothing is the chart's own matter.
    DriveIfShown("Protocol Validation", [](HWND hBox) { PostClick(hBox, IDOK); },
                 [&] { return static_cast<int>(pChartView->SendMessage(WM_COMMAND, ID_CHART_VALIDATE)); });
    EXPECT_EQ(0, pModel->CountItemsWithDuplicates());
    ASSERT_TRUE(pChart->DoFileSave());
    EXPECT_FALSE(pChart->IsModified());
    pChart->OnCloseDocument();

    // Opened again: the measurement stays off.
    auto* pReopened = dynamic_cast<CVikaChartDoc*>(theApp.OpenDocumentFile(strOrg.c_str()));
    ASSERT_NE(nullptr, pReopened);
    EXPECT_EQ(nEnabled - 1, pReopened->GetModel()->GetCount(0));
    pReopened->OnCloseDocument();
    pDoc->OnCloseDocument();
    EXPECT_TRUE(theApp.messages.size() <= 2u) << "the creation summaries only";
}

// A user's way through a Polyvect project: the protocols listed, one
// opened in the editor and saved unchanged, a command edited and saved,
// the project compiled, saved and opened again.
TEST_F(DesignFiles, PolyvectJourney)
{
    const std::string strFolder = FreshFolder("g7k_polyvect_journey");
    const std::string strTarget = FreshFolder("g7k_polyvect_journey_out");
    const std::string strPv = strFolder + "A.PV";
    WriteFile(strPv, "5\r\nGEO1.XYZ\r\n1\t2\t3\t4\r\nSwitch Cable 1\r\n2\t3\t4\t5\r\nReset Cable 1\r\n");
    WriteFile(strFolder + "GEO1.XYZ", "1\r\nLINE1\r\n1\t    0.00\t    0.00\t    0.00\r\n");
    auto* pDoc = dynamic_cast<CPolyvectDoc*>(theApp.GetTemplate(TEMPLATE_POLYVECT)->OpenDocumentFile(nullptr));
    ASSERT_NE(nullptr, pDoc);
    pDoc->GetModel()->SetSourceFolder(strFolder.c_str());
    pDoc->GetModel()->SetTargetFolder(strTarget.c_str());
    POSITION pos = pDoc->GetFirstViewPosition();
    auto* pView = dynamic_cast<CPolyvectViewport*>(pDoc->GetNextView(pos));
    ASSERT_NE(nullptr, pView);
    AddAllProtocols(pView);
    ASSERT_EQ(1, pDoc->GetModel()->GetInfoCount());
    pView->GetListCtrl().SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    PumpMessages();

    const std::string strBefore = ReadFile(strPv);
    Drive(" A", [](HWND hDialog) { Click(hDialog, IDOK); },
          [&] { return static_cast<int>(pView->SendMessage(WM_COMMAND, ID_POLYVECT_EDIT_PROTOCOL)); });
    EXPECT_EQ(strBefore, ReadFile(strPv)) << "saved unchanged";

    SetThirdCommandsC1(pView, ID_POLYVECT_EDIT_PROTOCOL, " A", "Edit Polyvect Command: #5", "7");
    const std::string strEdited = ReadFile(strPv);
    EXPECT_EQ(std::vector<int>{5}, ChangedLines(strBefore, strEdited));
    EXPECT_NE(std::string::npos, strEdited.find("\r\n7\t3\t4\t5\r\n")) << strEdited;

    const LogView log = SaveAndCompile(pDoc, pView, strFolder + "Lines.pvp");
    EXPECT_TRUE(Exists(strTarget + "POLYVECT.BIN"));
    EXPECT_EQ("Size of Polyvect.BIN:", log.strLabel);
    ASSERT_TRUE(pDoc->OnSaveDocument((strFolder + "Lines.pvp").c_str()));
    pDoc->OnCloseDocument();

    auto* pReopened = dynamic_cast<CPolyvectDoc*>(theApp.OpenDocumentFile((strFolder + "Lines.pvp").c_str()));
    ASSERT_NE(nullptr, pReopened);
    ASSERT_EQ(1, pReopened->GetModel()->GetInfoCount());
    EXPECT_EQ(4, pReopened->GetModel()->GetInfoList().GetHead()->GetItemCount());
    pReopened->OnCloseDocument();
}

// Every file the design windows write, as they write it, opened in its
// editor from the command a user takes and saved without a change: not a
// byte changes.
TEST_F(DesignFiles, EveryDesignFileSurvivesOpenAndSaveUnchanged)
{
    const std::string strFolder = FreshFolder("g7k_round_trip");
    const std::string strSection = "1\t\r\nADR1\tGEO1.XYZ\t\r\n1\t4\t2\t3\r\n2\t5\t3\t4\t// hand note\r\n3\t0\t4\t0\r\n";
    WriteFile(strFolder + "P1.ORG", strSection);
    WriteFile(strFolder + "P1.UP", "1\t\r\nADR1\tGEO1.XYZ\t\r\n13\t16\t14\t15\r\n");
    WriteFile(strFolder + "P1.DWN", "1\t\r\nADR1\tGEO1.XYZ\t\r\n");
    WriteFile(strFolder + "ADR1.ADR", AddressText());
    WriteFile(strFolder + "GEO1.XYZ", "2\r\nLINE1\r\n1\t    0.00\t    0.00\t    0.00\r\n2\t    5.00\t    0.00\t"
                                      "    1.00\r\nLINE2\r\n1\t   -1.25\t  100.50\t    0.13\r\n");
    WriteFile(strFolder + "A.PV", "5\r\nGEO1.XYZ\r\n1\t2\t3\t4\r\nSwitch Cable 1\r\n2\t3\t4\t5\r\n");

    CVikaViewport* pView = OpenVikaProject(strFolder, {"P1"});
    ASSERT_NE(nullptr, pView);
    auto* pVika = dynamic_cast<CVikaDoc*>(pView->GetDocument());
    ASSERT_TRUE(pVika->OnSaveDocument((strFolder + "Line.vkp").c_str()));
    auto* pPolyvect =
        dynamic_cast<CPolyvectDoc*>(theApp.GetTemplate(TEMPLATE_POLYVECT)->OpenDocumentFile(nullptr));
    ASSERT_NE(nullptr, pPolyvect);
    pPolyvect->GetModel()->SetSourceFolder(strFolder.c_str());
    POSITION pos = pPolyvect->GetFirstViewPosition();
    auto* pPolyvectView = dynamic_cast<CPolyvectViewport*>(pPolyvect->GetNextView(pos));
    ASSERT_NE(nullptr, pPolyvectView);
    AddAllProtocols(pPolyvectView);
    ASSERT_EQ(1, pPolyvect->GetModel()->GetInfoCount());
    ASSERT_TRUE(pPolyvect->OnSaveDocument((strFolder + "Lines.pvp").c_str()));
    pPolyvectView->GetListCtrl().SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);

    auto pressSave = [](HWND hDialog) { Click(hDialog, IDOK); };
    auto command = [](CView* pOn, UINT nId) {
        return [pOn, nId] {
            if (auto* pVikaView = dynamic_cast<CVikaViewport*>(pOn))
                SelectRow(pVikaView, 0);
            return static_cast<int>(pOn->SendMessage(WM_COMMAND, nId));
        };
    };
    // The chart writes its protocol's three files as one set. Unchanged
    // means without its automatic sort on saving, which orders the lines.
    GenerateProtocol(strFolder, "C", 5, 2);
    auto saveChart = [&] {
        auto* pChart = dynamic_cast<CVikaChartDoc*>(theApp.OpenDocumentFile((strFolder + "C.ORG").c_str()));
        if (!pChart)
            return 0;
        ChartProperties& properties = pChart->GetModel()->GetProperties();
        const int nAutoSort = properties.m_bAutoSort;
        properties.m_bAutoSort = 0;
        const BOOL bSaved = pChart->DoFileSave();
        properties.m_bAutoSort = nAutoSort;
        pChart->OnCloseDocument();
        return bSaved ? 1 : 0;
    };
    ASSERT_EQ(1, saveChart());
    auto reopenAndSave = [](const std::string& strPath) {
        return [strPath] {
            CDocument* pProject = theApp.OpenDocumentFile(strPath.c_str());
            if (!pProject)
                return 0;
            const BOOL bSaved = pProject->OnSaveDocument(strPath.c_str());
            pProject->OnCloseDocument();
            return bSaved ? 1 : 0;
        };
    };
    GetDesignDialogHooks().chooseFile = [&](LPCTSTR, LPCTSTR, DWORD, LPCTSTR, CString& strPath) {
        strPath = (strFolder + "GEO1.XYZ").c_str();
        return IDOK;
    };
    struct Case
    {
        const char* pszFile;
        const char* pszCaption; // empty: no window, the document itself
        std::function<int()> open;
    };
    const Case cases[] = {
        {"P1.ORG", "Edit Vika Protocol: P1.ORG", command(pView, ID_VIKA_EDIT_ORG)},
        {"P1.UP", "Edit Vika Protocol: P1.UP", command(pView, ID_VIKA_EDIT_UP)},
        {"P1.DWN", "Edit Vika Protocol: P1.DWN", command(pView, ID_VIKA_EDIT_DWN)},
        {"ADR1.ADR", "Edit Vika Address File - ", command(pView, ID_VIKA_EDIT_ADR)},
        {"GEO1.XYZ", "Edit Geometry File:", command(pView, ID_PROJECT_EDIT_GEOMETRY)},
        {"A.PV", " A", command(pPolyvectView, ID_POLYVECT_EDIT_PROTOCOL)},
        {"C.ORG", "", saveChart},
        {"C.UP", "", saveChart},
        {"Line.vkp", "", reopenAndSave(strFolder + "Line.vkp")},
        {"Lines.pvp", "", reopenAndSave(strFolder + "Lines.pvp")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszFile);
        const std::string strPath = strFolder + c.pszFile;
        const std::string strBefore = ReadFile(strPath);
        ASSERT_FALSE(strBefore.empty());
        if (*c.pszCaption)
            Drive(c.pszCaption, pressSave, c.open);
        else
            EXPECT_EQ(1, c.open());
        EXPECT_EQ(strBefore, ReadFile(strPath));
        EXPECT_EQ(std::vector<std::string>(), theApp.messages);
    }
    pView->GetDocument()->OnCloseDocument();
    pPolyvect->OnCloseDocument();
}
