// The application under Wine: start-up, templates, a project's life, the
// routing of a family's controller, the busy flag, the delete commands, the
// settings sheet, the seams of the portable cores, and a screenshot.
#include "framework/Framework.h"
#include "app/G7KCommandLineInfo.h"
#include "app/ApplicationHostServices.h"
#include "app/G7KWinApp.h"
#include "app/MainFrame.h"
#include "app/PropertiesSheet.h"
#include "app/SerialSettings.h"
#include "app/project/ChildFrame.h"
#include "app/project/DeleteCommands.h"
#include "app/project/ProtocolCompiler.h"
#include "app/project/ProtocolController.h"
#include "app/project/ProtocolDoc.h"
#include "app/project/ProtocolItem.h"
#include "app/project/ProtocolListBoxEditor.h"
#include "app/project/ProtocolListCtrl.h"
#include "app/project/ProtocolViewport.h"
#include "app/tests/Screenshot.h"
#include "app/dialogs/StatusMessage.h"
#include "instrument/TransferStatusDlg.h"
#include "ui/frames/SECCustomToolBar.h"
#include "framework/HostServices.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

class CRecordingCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn = TRUE) override { nEnabled = bOn ? 1 : 0; m_bEnableChanged = TRUE; }
    int nEnabled = -1;
};

// Whether the frame would enable a command now.
int CommandEnabled(CFrameWnd* pFrame, UINT nId)
{
    CRecordingCmdUI ui;
    ui.m_nID = nId;
    ui.DoUpdate(pFrame, FALSE);
    return ui.nEnabled;
}

class CTestFrame : public CMainFrame
{
public:
    int RunInstrumentDialog(UINT nCommand) override
    {
        ++nDialogs;
        char szDirectory[MAX_PATH] = "";
        GetCurrentDirectoryA(sizeof szDirectory, szDirectory);
        strDirectoryInDialog = szDirectory;
        bBusyInDialog = IsBusy();
        nInstallEnabledInDialog = CommandEnabled(this, ID_INSTALL_MODULES);
        nExitEnabledInDialog = CommandEnabled(this, ID_APP_EXIT);
        // A second instrument command and a close request while busy.
        SendMessage(WM_COMMAND, ID_REMOVE_MODULES, 0);
        SendMessage(WM_CLOSE, 0, 0);
        bAliveAfterClose = IsWindow(GetSafeHwnd());
        return IDOK;
    }
    int AskUser(const CString& strQuestion, UINT) override
    {
        strAsked = strQuestion;
        return IDYES;
    }
    std::vector<CString> ChooseFilesToDelete(const DeleteCommand&) override { return toDelete; }

    int nDialogs = 0;
    BOOL bBusyInDialog = FALSE;
    BOOL bAliveAfterClose = FALSE;
    int nInstallEnabledInDialog = -1;
    int nExitEnabledInDialog = -1;
    CString strAsked;
    CString strDirectoryInDialog;
    std::vector<CString> toDelete;
};

// A main frame that cannot be created; counts its destructions.
class CFailingFrame : public CTestFrame
{
public:
    ~CFailingFrame() override { ++s_nDestroyed; }
    BOOL PreCreateWindow(CREATESTRUCT&) override { return FALSE; }
    static int s_nDestroyed;
};
int CFailingFrame::s_nDestroyed = 0;

class CTestApp : public CG7KWinApp
{
public:
    using CG7KWinApp::LoadMainFrame;
    using CG7KWinApp::ShowSplash;
    bool bFailingFrame = false;
    // Message boxes are recorded, not shown.
    int DoMessageBox(LPCTSTR lpszPrompt, UINT, UINT) override
    {
        strLastMessage = lpszPrompt;
        return IDOK;
    }
    CString strLastMessage;

protected:
    LPCTSTR GetRegistryKeyName() const override { return "G7K Tests"; }
    CMainFrame* CreateMainFrame() override
    {
        if (bFailingFrame)
            return new CFailingFrame;
        return new CTestFrame;
    }
};

CTestApp theApp;

std::string TempFolder()
{
    char szTemp[MAX_PATH] = "";
    GetTempPathA(sizeof szTemp, szTemp);
    std::string strFolder = std::string(szTemp) + "g7k_shell_test\\";
    CreateDirectoryA(strFolder.c_str(), nullptr);
    return strFolder;
}

std::string CurrentDirectory()
{
    char sz[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof sz, sz);
    return sz;
}

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!theApp.PreTranslateMessage(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    theApp.OnIdle(0);
}

CTestFrame* Frame() { return static_cast<CTestFrame*>(theApp.m_pMainWnd); }

// Starts the application once for all tests, with a working folder stored.
class Shell : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPTSTR>(""), SW_SHOW));
        s_strWorkingDir = TempFolder() + "work";
        CreateDirectoryA(s_strWorkingDir.c_str(), nullptr);
        // Settings of an earlier run do not count.
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\G7K Tests");
        const std::string strKey = std::string("Software\\G7K Tests\\") + theApp.m_pszAppName + "\\Folders";
        HKEY hKey = nullptr;
        RegCreateKeyA(HKEY_CURRENT_USER, strKey.c_str(), &hKey);
        RegSetValueExA(hKey, "WorkingDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(s_strWorkingDir.c_str()),
                       static_cast<DWORD>(s_strWorkingDir.size() + 1));
        RegCloseKey(hKey);
        s_bStarted = theApp.InitInstance();
    }
    static void TearDownTestSuite()
    {
        if (theApp.m_pMainWnd)
            theApp.m_pMainWnd->DestroyWindow();
        theApp.ExitInstance();
    }
    void SetUp() override { ASSERT_TRUE(s_bStarted); }

    static BOOL s_bStarted;
    static std::string s_strWorkingDir;
};

BOOL Shell::s_bStarted = FALSE;
std::string Shell::s_strWorkingDir;

} // namespace

TEST_F(Shell, StartsInOrderAndShowsItsMainFrame)
{
    EXPECT_STREQ("G7K Tests", theApp.m_pszRegistryKey);
    CMainFrame* pFrame = Frame();
    ASSERT_NE(nullptr, pFrame);
    EXPECT_TRUE(pFrame->IsWindowVisible());
    EXPECT_STREQ("Port=COM1: Baudrate=38400", pFrame->GetPortPaneText());
    // The status bar: message pane, port pane wide enough for any port text, key indicators.
    SECCustomStatusBar& bar = pFrame->GetStatusBar();
    ASSERT_NE(nullptr, bar.GetSafeHwnd());
    EXPECT_EQ(AFX_IDW_STATUS_BAR, bar.GetDlgCtrlID());
    EXPECT_EQ(5, bar.GetPaneCount());
    EXPECT_STREQ("Port=COM1: Baudrate=38400", bar.GetPaneText(1));
    EXPECT_EQ(ID_INDICATOR_SCRL, bar.GetItemID(4));
    EXPECT_EQ(static_cast<IProgressPane*>(&bar), g_pMainStatusBar);
    EXPECT_TRUE(theApp.GetSplashWindow().Exists());
    EXPECT_EQ(0, theApp.GetOpenDocumentCount()) << "no empty document at start";
    EXPECT_STRCASEEQ(s_strWorkingDir.c_str(), CurrentDirectory().c_str());

    // The first key press closes the splash window.
    MSG msg = {pFrame->GetSafeHwnd(), WM_KEYDOWN, VK_SHIFT, 0, 0, {0, 0}};
    theApp.PreTranslateMessage(&msg);
    EXPECT_FALSE(theApp.GetSplashWindow().Exists());
}

TEST_F(Shell, MainFrameThatCannotLoadIsDeletedOnce)
{
    CFailingFrame::s_nDestroyed = 0;
    theApp.bFailingFrame = true;
    EXPECT_EQ(nullptr, theApp.LoadMainFrame());
    theApp.bFailingFrame = false;
    EXPECT_EQ(1, CFailingFrame::s_nDestroyed);
}

namespace {
DWORD g_dwTestTick = 0;
DWORD TestTick() { return g_dwTestTick; }
} // namespace

TEST_F(Shell, SplashWindowShowsAboveTheMainFrameAndClosesOnTheFirstIdlePassAfterFiveSeconds)
{
    CSplashWindow& splash = theApp.GetSplashWindow();
    theApp.SetTickSource(&TestTick);
    g_dwTestTick = 0xFFFFF000u;  // the counter wraps in the middle
    theApp.ShowSplash();
    ASSERT_TRUE(splash.Exists());
    Frame()->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    Frame()->SetActiveWindow();
    CRect rect;
    splash.GetWindowRect(&rect);
    const HWND hTop = WindowFromPoint(rect.CenterPoint());
    EXPECT_TRUE(hTop == splash.GetSafeHwnd() || IsChild(splash.GetSafeHwnd(), hTop)) << "hidden by the main frame";

    const struct { DWORD dwElapsed; bool bShown; } cases[] = {{0, true}, {4999, true}, {5000, true}, {5001, false}};
    for (const auto& c : cases) {
        g_dwTestTick = 0xFFFFF000u + c.dwElapsed;
        theApp.OnIdle(0);
        EXPECT_EQ(c.bShown, !!splash.Exists()) << c.dwElapsed << " ms";
    }
    theApp.SetTickSource(&GetTickCount);
}

TEST_F(Shell, RegistersTheFourTemplatesAtTheirIndices)
{
    const struct { G7KTemplate nIndex; const char* pszExt; const char* pszName; } cases[] = {
        {TEMPLATE_CONVERSION, ".dcv", "Data Conversion Project"},
        {TEMPLATE_VIKA, ".vkp", "Vika Protocol Project"},
        {TEMPLATE_CHART, ".org", "Vika Protocol"},
        {TEMPLATE_POLYVECT, ".pvp", "Polyvect Protocol Project"},
    };
    int nRegistered = 0;
    for (POSITION pos = theApp.GetFirstDocTemplatePosition(); pos != nullptr; theApp.GetNextDocTemplate(pos))
        ++nRegistered;
    EXPECT_EQ(4, nRegistered);
    for (const auto& c : cases) {
        CMultiDocTemplate* pTemplate = theApp.GetTemplate(c.nIndex);
        ASSERT_NE(nullptr, pTemplate) << c.pszExt;
        CString strExt, strName;
        pTemplate->GetDocString(strExt, CDocTemplate::filterExt);
        pTemplate->GetDocString(strName, CDocTemplate::fileNewName);
        EXPECT_STREQ(c.pszExt, strExt);
        EXPECT_STREQ(c.pszName, strName);
    }
}

TEST_F(Shell, ParsesTheAccessParameterOnlyAsAFlag)
{
    const struct { const char* pszParam; BOOL bFlag; bool bAdmin; } cases[] = {
        {"U=530827", FALSE, false},
        {"U=530827", TRUE, true},
        {"xxU=530827yy", TRUE, true},
        {"u=530827", TRUE, false},
        {"U=53082", TRUE, false},
    };
    for (const auto& c : cases) {
        g_bAdministratorMode = false;
        CG7KCommandLineInfo info;
        info.ParseParam(c.pszParam, c.bFlag, TRUE);
        EXPECT_EQ(c.bAdmin, g_bAdministratorMode) << c.pszParam << " flag " << c.bFlag;
        if (!c.bFlag) {
            EXPECT_STREQ(c.pszParam, info.m_strFileName);
        }
    }
    g_bAdministratorMode = false;
}

TEST_F(Shell, ProjectIsCreatedSavedClosedAndReopened)
{
    const std::string strPath = TempFolder() + "Line1.vkp";
    std::remove(strPath.c_str());

    CDocument* pDocument = theApp.GetTemplate(TEMPLATE_VIKA)->OpenDocumentFile(nullptr);
    auto* pProject = dynamic_cast<CProtocolDoc*>(pDocument);
    ASSERT_NE(nullptr, pProject);
    pProject->GetModel()->SetSourceFolder(TempFolder().c_str());
    pProject->GetModel()->AddByFileName("A.ORG");
    pProject->GetModel()->AddByFileName("B.ORG");
    EXPECT_TRUE(pProject->IsModified());
    EXPECT_EQ(0, CommandEnabled(Frame(), ID_DELETE_VIKA_PROJECTS)) << "Vika deletes are off while one is open";
    EXPECT_EQ(1, CommandEnabled(Frame(), ID_DELETE_POLYVECT_PROJECTS));
    ASSERT_TRUE(pProject->OnSaveDocument(strPath.c_str()));
    EXPECT_FALSE(pProject->IsModified());
    pProject->OnCloseDocument();
    EXPECT_EQ(0, theApp.GetOpenDocumentCount());
    EXPECT_EQ(1, CommandEnabled(Frame(), ID_DELETE_VIKA_PROJECTS));

    auto* pReopened = dynamic_cast<CProtocolDoc*>(theApp.OpenDocumentFile(strPath.c_str()));
    ASSERT_NE(nullptr, pReopened);
    EXPECT_EQ(2, pReopened->GetModel()->GetInfoCount());
    EXPECT_FALSE(pReopened->IsModified()) << "opening is no change";
    PumpMessages();
    POSITION pos = pReopened->GetFirstViewPosition();
    auto* pView = dynamic_cast<CProtocolViewport*>(pReopened->GetNextView(pos));
    ASSERT_NE(nullptr, pView);
    EXPECT_EQ(2, pView->GetListCtrl().GetItemCount());
    EXPECT_STREQ("A.ORG", pView->GetListCtrl().GetItemText(0, 0));

    theApp.GetSplashWindow().Close();  // it stays on top of the picture
    for (int i = 0; i < 10; ++i) {
        Frame()->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpMessages();
        Sleep(50);
    }
    // The build tree is a host folder: Wine shows it on drive Z:.
    const char* pszBinary = getenv("G7K_BINARY_DIR");
    const std::string strShot = (pszBinary && *pszBinary == '/' ? "Z:" + std::string(pszBinary) : std::string("."))
                                + "/app_shell_main_frame.bmp";
    EXPECT_TRUE(SaveWindowBitmap(Frame()->GetSafeHwnd(), strShot.c_str()));
    EXPECT_FALSE(pReopened->IsModified()) << "showing and painting the project is no change";
    pReopened->OnCloseDocument();
}

TEST_F(Shell, FolderFieldsFollowExistingFoldersAndReportMissingOnesOnLeaving)
{
    auto* pProject = dynamic_cast<CProtocolDoc*>(theApp.GetTemplate(TEMPLATE_POLYVECT)->OpenDocumentFile(nullptr));
    ASSERT_NE(nullptr, pProject);
    POSITION pos = pProject->GetFirstViewPosition();
    CView* pView = pProject->GetNextView(pos);
    ASSERT_NE(nullptr, pView);
    CWnd* pTarget = pView->GetDlgItem(IDC_TARGET_FOLDER);
    ASSERT_NE(nullptr, pTarget);
    const std::string strExisting = TempFolder();
    const auto leaveField = [&] {
        pView->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TARGET_FOLDER, EN_KILLFOCUS),
                           reinterpret_cast<LPARAM>(pTarget->GetSafeHwnd()));
    };

    pTarget->SetWindowText(strExisting.c_str());
    EXPECT_STREQ(strExisting.c_str(), pProject->GetModel()->GetTargetFolder());
    EXPECT_TRUE(pProject->IsModified());

    theApp.strLastMessage.Empty();
    pTarget->SetWindowText("C:\\no such folder");
    EXPECT_STREQ(strExisting.c_str(), pProject->GetModel()->GetTargetFolder()) << "the model keeps its folder";
    leaveField();
    EXPECT_STREQ("Target folder 'C:\\no such folder' does not exist!", theApp.strLastMessage);
    theApp.strLastMessage.Empty();
    leaveField();
    EXPECT_TRUE(theApp.strLastMessage.IsEmpty()) << "reported once, when the value was committed";

    pProject->SetModifiedFlag(FALSE);
    pProject->GetModel()->SetModifiedFlag(FALSE);
    pProject->OnCloseDocument();
}

TEST_F(Shell, ListBoxEditorWithoutAnEditDialogEditsNothing)
{
    const int nListId = 4321;
    HWND hList = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | LBS_NOTIFY, 0, 0, 200, 100, Frame()->GetSafeHwnd(),
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(nListId)), GetModuleHandleA(nullptr),
                                 nullptr);
    ASSERT_NE(nullptr, hList);
    for (const char* pszText : {"a", "b"})
        SendMessageA(hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pszText));
    CProtocolListBoxEditor editor;
    ASSERT_TRUE(editor.Initialize(Frame(), nListId, 0xF3E));
    SendMessageA(hList, LB_SETCURSEL, 1, 0);
    EXPECT_TRUE(editor.EditCurrentItem(0));
    std::string strRows;
    const int nCount = static_cast<int>(SendMessageA(hList, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < nCount; ++i) {
        char szText[64] = "";
        SendMessageA(hList, LB_GETTEXT, i, reinterpret_cast<LPARAM>(szText));
        strRows += std::string("[") + szText + "]";
    }
    EXPECT_EQ("[a][b]", strRows);
    editor.DestroyWindow();
    DestroyWindow(hList);
}

TEST_F(Shell, DamagedProjectIsRefusedWithItsReason)
{
    const std::string strPath = TempFolder() + "Damaged.vkp";
    const struct { const char* pszCase; std::string strBytes; const char* pszReason; } cases[] = {
        {"other version", std::string("\x00\x02\x00\x00\x00\x00\x00\x00\x00\x00", 10), "version word 512"},
        {"cut short", std::string("\x00\x01\x00\x00\x05" "C:\\", 8), "ends in the middle"},
    };
    for (const auto& c : cases) {
        std::ofstream(strPath, std::ios::binary) << c.strBytes;
        theApp.strLastMessage.Empty();
        EXPECT_EQ(nullptr, theApp.OpenDocumentFile(strPath.c_str())) << c.pszCase;
        EXPECT_NE(-1, theApp.strLastMessage.Find("Damaged.vkp")) << theApp.strLastMessage;
        EXPECT_NE(-1, theApp.strLastMessage.Find(c.pszReason)) << theApp.strLastMessage;
        EXPECT_EQ(0, theApp.GetOpenDocumentCount()) << c.pszCase;
    }
}

TEST_F(Shell, BusyFlagTurnsAwayInstrumentCommandsAndClosing)
{
    CTestFrame* pFrame = Frame();
    pFrame->nDialogs = 0;
    EXPECT_EQ(1, CommandEnabled(pFrame, ID_INSTALL_MODULES));
    pFrame->SendMessage(WM_COMMAND, ID_IMPORT_DATA, 0);
    EXPECT_EQ(1, pFrame->nDialogs) << "the command sent while busy was ignored";
    EXPECT_TRUE(pFrame->bBusyInDialog);
    EXPECT_EQ(0, pFrame->nInstallEnabledInDialog);
    EXPECT_EQ(0, pFrame->nExitEnabledInDialog);
    EXPECT_TRUE(pFrame->bAliveAfterClose);
    EXPECT_FALSE(pFrame->IsBusy());
    EXPECT_EQ(1, CommandEnabled(pFrame, ID_APP_EXIT));
}

TEST_F(Shell, InstallXyzRunsInTheProtocolFolderAndComesBack)
{
    std::string strFolder = TempFolder();
    strFolder.pop_back();
    theApp.WriteProfileString("Folders", "VikaProtocols", strFolder.c_str());
    const std::string strBefore = CurrentDirectory();
    Frame()->SendMessage(WM_COMMAND, ID_INSTALL_XYZ, 0);
    EXPECT_STRCASEEQ(strFolder.c_str(), Frame()->strDirectoryInDialog);
    EXPECT_EQ(strBefore, CurrentDirectory()) << "the current directory comes back";
}

// No help file ships yet: Help Topics and F1 say so instead of nothing.
TEST_F(Shell, HelpTopicsAndF1SayThatNoHelpFileIsInstalled)
{
    theApp.strLastMessage.Empty();
    Frame()->SendMessage(WM_COMMAND, ID_HELP_FINDER, 0);
    EXPECT_NE(-1, theApp.strLastMessage.Find("No help is installed")) << static_cast<LPCTSTR>(theApp.strLastMessage);
    EXPECT_NE(-1, theApp.strLastMessage.Find(".HLP")) << "the file it looked for";
    theApp.strLastMessage.Empty();
    MSG msg = {Frame()->GetSafeHwnd(), WM_KEYDOWN, VK_F1, 0, 0, {0, 0}};
    if (!theApp.PreTranslateMessage(&msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    EXPECT_NE(-1, theApp.strLastMessage.Find("No help is installed")) << "F1";
}

TEST_F(Shell, DeleteCommandAsksAndDeletesTheProtocolWithItsSections)
{
    const std::string strFolder = TempFolder();
    for (const char* pszName : {"P.org", "P.UP", "P.DWN", "P2.org"})
        std::ofstream(strFolder + pszName) << "x";
    CTestFrame* pFrame = Frame();
    pFrame->toDelete = {CString((strFolder + "P.org").c_str())};
    const std::string strBefore = CurrentDirectory();
    pFrame->SendMessage(WM_COMMAND, ID_DELETE_VIKA_PROTOCOLS, 0);
    EXPECT_STREQ("Delete 1 Vika protocol", pFrame->strAsked);
    EXPECT_EQ(strBefore, CurrentDirectory()) << "the current directory comes back";
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((strFolder + "P.UP").c_str()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((strFolder + "P.DWN").c_str()));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((strFolder + "P2.org").c_str()));
}

namespace {

// Plays the user of the settings sheet from a timer inside its modal loop.
struct SheetScript
{
    bool bOk = true;
    const char* pszWorkingDir = nullptr;
    const char* pszPort = nullptr;
    const char* pszBaud = nullptr;
    bool bDone = false;
    RECT rcSheet = {};
    int nBrowseButtons = 0;
};
SheetScript* g_pScript = nullptr;

BOOL CALLBACK FindSheet(HWND hWnd, LPARAM lParam)
{
    char szTitle[64] = "";
    GetWindowTextA(hWnd, szTitle, sizeof szTitle);
    if (std::string(szTitle) == "Properties" && IsWindowVisible(hWnd)) {
        *reinterpret_cast<HWND*>(lParam) = hWnd;
        return FALSE;
    }
    return TRUE;
}

bool HasVisibleButtonRightOf(HWND hParent, HWND hEdit)
{
    RECT rcEdit;
    GetWindowRect(hEdit, &rcEdit);
    for (HWND hChild = GetWindow(hParent, GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT)) {
        char szClass[16] = "";
        GetClassNameA(hChild, szClass, sizeof szClass);
        RECT rc;
        GetWindowRect(hChild, &rc);
        if (lstrcmpiA(szClass, "Button") == 0 && (GetWindowLongA(hChild, GWL_STYLE) & WS_VISIBLE)
            && rc.top == rcEdit.top && rc.left >= rcEdit.right)
            return true;
    }
    return false;
}

HWND FindDescendant(HWND hParent, int nId)
{
    for (HWND hChild = GetWindow(hParent, GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(hChild) == nId)
            return hChild;
        if (HWND hFound = FindDescendant(hChild, nId))
            return hFound;
    }
    return nullptr;
}

void SelectCombo(HWND hSheet, int nId, const char* pszText)
{
    HWND hCombo = FindDescendant(hSheet, nId);
    if (!hCombo)
        return;
    SendMessageA(hCombo, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(pszText));
    SendMessageA(GetParent(hCombo), WM_COMMAND, MAKEWPARAM(nId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(hCombo));
}

void CALLBACK DriveSheet(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    HWND hSheet = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindSheet, reinterpret_cast<LPARAM>(&hSheet));
    if (!hSheet || !g_pScript || g_pScript->bDone)
        return;
    KillTimer(nullptr, nTimer);
    g_pScript->bDone = true;
    GetWindowRect(hSheet, &g_pScript->rcSheet);
    for (int nId : {IDC_WORKING_FOLDER, IDC_IMPORT_FOLDER, IDC_POLYVECT_FOLDER}) {
        HWND hEdit = FindDescendant(hSheet, nId);
        g_pScript->nBrowseButtons += hEdit && HasVisibleButtonRightOf(GetParent(hEdit), hEdit) ? 1 : 0;
    }
    if (g_pScript->pszWorkingDir)
        SetWindowTextA(FindDescendant(hSheet, IDC_WORKING_FOLDER), g_pScript->pszWorkingDir);
    SendMessageA(hSheet, PSM_SETCURSEL, 1, 0);
    if (g_pScript->pszPort)
        SelectCombo(hSheet, IDC_PORT, g_pScript->pszPort);
    if (g_pScript->pszBaud)
        SelectCombo(hSheet, IDC_BAUDRATE, g_pScript->pszBaud);
    SendMessageA(hSheet, PSM_PRESSBUTTON, g_pScript->bOk ? PSBTN_OK : PSBTN_CANCEL, 0);
}

int RunScriptedSheet(SheetScript& script)
{
    g_pScript = &script;
    SetTimer(nullptr, 0, 200, DriveSheet);
    const int nResult = RunPropertiesSheet(Frame());
    g_pScript = nullptr;
    return nResult;
}

} // namespace

TEST_F(Shell, SettingsSheetAppliesFoldersAndPortSettings)
{
    const std::string strFolder = TempFolder() + "projects";
    CreateDirectoryA(strFolder.c_str(), nullptr);
    SetSerialSettings(0, 38400);

    SheetScript cancel;
    cancel.bOk = false;
    cancel.pszWorkingDir = strFolder.c_str();
    cancel.pszPort = "COM3:";
    const std::string strBefore = CurrentDirectory();
    EXPECT_EQ(IDCANCEL, RunScriptedSheet(cancel));
    EXPECT_TRUE(cancel.bDone);
    CRect rcFrame;
    Frame()->GetWindowRect(&rcFrame);
    const CPoint ptCentre = CRect(cancel.rcSheet).CenterPoint();
    EXPECT_LE(abs(ptCentre.x - rcFrame.CenterPoint().x), 1) << "centred on the main window";
    EXPECT_LE(abs(ptCentre.y - rcFrame.CenterPoint().y), 1) << "centred on the main window";
    EXPECT_EQ(3, cancel.nBrowseButtons) << "folder fields have their browse buttons";
    EXPECT_EQ(0u, GetSerialPortIndex()) << "Cancel changes nothing";
    EXPECT_EQ(strBefore, CurrentDirectory());

    SheetScript ok;
    ok.pszWorkingDir = strFolder.c_str();
    ok.pszPort = "COM3:";
    ok.pszBaud = "57600";
    EXPECT_EQ(IDOK, RunScriptedSheet(ok));
    EXPECT_EQ(2u, GetSerialPortIndex());
    EXPECT_EQ(57600u, GetSerialBaudRate());
    EXPECT_STREQ("Port=COM3: Baudrate=57600", Frame()->GetPortPaneText());
    EXPECT_STREQ("Port=COM3: Baudrate=57600", Frame()->GetStatusBar().GetPaneText(1));
    EXPECT_STREQ(strFolder.c_str(), theApp.GetProfileString("Folders", "WorkingDir"));
    EXPECT_STRCASEEQ(strFolder.c_str(), CurrentDirectory().c_str());

    // A stored port that is not in the list stays as it is.
    SetSerialSettings(7, 230400);
    SheetScript keep;
    EXPECT_EQ(IDOK, RunScriptedSheet(keep));
    EXPECT_EQ(7u, GetSerialPortIndex());
    EXPECT_EQ(230400u, GetSerialBaudRate());
}

namespace {

class CFolderRows : public CProtocolRowSource
{
public:
    explicit CFolderRows(CProtocolModel& model) : m_model(model) {}
    int GetRowCount() override { return m_model.GetInfoCount(); }
    BOOL IsRowSelected(int) override { return TRUE; }
    CProtocolInfo* GetRowInfo(int nRow) override
    {
        POSITION pos = m_model.GetInfoList().FindIndex(nRow);
        return pos ? m_model.GetInfoList().GetAt(pos) : nullptr;
    }

private:
    CProtocolModel& m_model;
};

std::string ReadFile(const std::string& strPath)
{
    std::ifstream in(strPath);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

TEST_F(Shell, CompilerRunsTheStandInOrdaAndReportsItsFailures)
{
    const char* pszBinary = getenv("G7K_BINARY_DIR");
    ASSERT_NE(nullptr, pszBinary);
    const std::string strOrdaFolder = std::string("Z:") + pszBinary + "\\tools\\orda";
    const std::string strSource = TempFolder() + "protocols dir\\";
    const std::string strTarget = TempFolder() + "out dir";
    CreateDirectoryA(strSource.c_str(), nullptr);
    CreateDirectoryA(strTarget.c_str(), nullptr);
    std::ofstream(strSource + "A.ORG") << "x";
    const std::string strDocument = TempFolder() + "Line.1.vkp";
    const std::string strLog = TempFolder() + "Line.1.Log";
    const std::string strDatabase = strTarget + "\\PROTOCOL.BIN";

    const struct { const char* pszCase; const char* pszMain; const char* pszExtra; int nResult; bool bDatabase; } cases[] = {
        {"compiles", strOrdaFolder.c_str(), nullptr, CProtocolCompiler::COMPILE_OK, true},
        {"missing input", strOrdaFolder.c_str(), "MISSING.ORG", 1, false},
        {"no program", "C:\\no such folder", nullptr, CProtocolCompiler::COMPILE_NOT_STARTED, false},
    };
    for (const auto& c : cases) {
        DeleteFileA(strDatabase.c_str());
        DeleteFileA(strLog.c_str());
        theApp.WriteProfileString("Folders", "Main", c.pszMain);
        CGenericProjectModel model;
        model.SetSourceFolder(strSource.c_str());
        model.SetTargetFolder(strTarget.c_str());
        model.AddByFileName("A.ORG");
        if (c.pszExtra)
            model.AddByFileName(c.pszExtra);
        CFolderRows rows(model);
        CProtocolCompiler compiler(&model, &rows, ".ORG");
        const std::string strBefore = CurrentDirectory();
        EXPECT_EQ(c.nResult, compiler.Compile("VIKA", strDocument.c_str())) << c.pszCase;
        EXPECT_EQ(strBefore, CurrentDirectory()) << c.pszCase;
        EXPECT_EQ(c.bDatabase, GetFileAttributesA(strDatabase.c_str()) != INVALID_FILE_ATTRIBUTES) << c.pszCase;
        if (c.nResult >= 0) {
            EXPECT_NE(std::string::npos, ReadFile(strLog).find("Compiling A.ORG")) << c.pszCase;
        }
    }
    theApp.WriteProfileString("Folders", "Main", "");
}

namespace {

// A family that sorts its rows by name in the column's direction.
class CSortedModel : public CGenericProjectModel
{
public:
    PFNPROTOCOLCOMPARE GetCompareFunc() override { return &Compare; }

private:
    static int CALLBACK Compare(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
    {
        auto* pModel = reinterpret_cast<CProtocolModel*>(lParamSort);
        auto* pItem1 = reinterpret_cast<CProtocolItem*>(lParam1);
        auto* pItem2 = reinterpret_cast<CProtocolItem*>(lParam2);
        const int nOrder = pItem1->GetSubject()->GetName().Compare(pItem2->GetSubject()->GetName());
        return nOrder * pModel->GetSortDirection(static_cast<UINT>(pModel->GetSortColumn()));
    }
};

std::string Rows(CListCtrl& list)
{
    std::string strRows;
    for (int i = 0; i < list.GetItemCount(); ++i)
        strRows += static_cast<LPCTSTR>(list.GetItemText(i, 0));
    return strRows;
}

} // namespace

TEST_F(Shell, ListSortsByHeaderClicksAndKeepsDraggedWidths)
{
    CSortedModel model;
    for (const char* pszName : {"b", "a", "c"})
        model.AddByFileName(pszName);
    model.SetModifiedFlag(FALSE);

    CProtocolListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 200), Frame(), 1228));
    list.SetModel(&model);
    EXPECT_EQ("abc", Rows(list));

    const auto clickHeader = [&](int nColumn) {
        NMLISTVIEW notify = {};
        notify.hdr.hwndFrom = list.GetSafeHwnd();
        notify.hdr.idFrom = 1228;
        notify.hdr.code = LVN_COLUMNCLICK;
        notify.iItem = -1;
        notify.iSubItem = nColumn;
        Frame()->SendMessage(WM_NOTIFY, 1228, reinterpret_cast<LPARAM>(&notify));
    };
    clickHeader(0);
    EXPECT_EQ("cba", Rows(list)) << "a click on the sort column reverses it";
    EXPECT_TRUE(model.IsModified());
    clickHeader(0);
    EXPECT_EQ("abc", Rows(list));
    EXPECT_EQ(1, model.GetSortDirection(0));

    // The header's change notice stores a new width without marking a change.
    model.SetModifiedFlag(FALSE);
    list.SetColumnWidth(0, 123);
    EXPECT_EQ(123, model.GetColumnWidth(0));
    EXPECT_FALSE(model.IsModified());
    EXPECT_EQ(123, list.GetColumnWidth(0)) << "the list itself still follows its header";
    // A width the model missed is caught up before the next notification.
    model.SetColumnWidth(0, 50);
    NMHDR click = {list.GetSafeHwnd(), 1228, static_cast<UINT>(NM_CLICK)};
    Frame()->SendMessage(WM_NOTIFY, 1228, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(123, model.GetColumnWidth(0));
    EXPECT_TRUE(model.IsModified());

    model.RemoveAll();
    EXPECT_EQ(nullptr, reinterpret_cast<CProtocolItem*>(list.GetItemData(0))->GetSubject());
    list.DestroyWindow();
}

namespace {

std::string g_strControllerLog;

// A family's controller: takes the open command and key presses; a size
// handler in its map is never asked, sizes are the view's.
class CRecordingController : public CProtocolController
{
protected:
    void OnOpenRecord() { g_strControllerLog += "open;"; }
    void OnKeyDown(UINT, UINT, UINT) { g_strControllerLog += "key;"; }
    void OnSize(UINT, int, int) { g_strControllerLog += "size;"; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecordingController, CProtocolController)
    ON_COMMAND(146, OnOpenRecord)
    ON_WM_KEYDOWN()
    ON_WM_SIZE()
END_MESSAGE_MAP()

class CRecordingList : public CProtocolListCtrl
{
public:
    BOOL CreateController() override
    {
        SetController(new CRecordingController, TRUE);
        return TRUE;
    }
};

} // namespace

class CRecordingViewport : public CProtocolViewport
{
    DECLARE_DYNCREATE(CRecordingViewport)

public:
    CRecordingViewport() : CProtocolViewport(IDD_VIKA_FORM, nullptr, 0) {}
    BOOL CreateController() override
    {
        SetController(new CRecordingController, TRUE);
        return TRUE;
    }
};

IMPLEMENT_DYNCREATE(CRecordingViewport, CProtocolViewport)

TEST_F(Shell, FamilyControllerSeesTheViewsInputFirstAndLeavesTheRestToTheView)
{
    CMultiDocTemplate family(IDR_VIKA_PROJECT_TYPE, RUNTIME_CLASS(CProtocolDoc), RUNTIME_CLASS(CChildFrame),
                             RUNTIME_CLASS(CRecordingViewport));
    auto* pProject = dynamic_cast<CProtocolDoc*>(family.OpenDocumentFile(nullptr));
    ASSERT_NE(nullptr, pProject);
    pProject->GetModel()->AddByFileName("A.ORG");
    POSITION pos = pProject->GetFirstViewPosition();
    auto* pView = dynamic_cast<CRecordingViewport*>(pProject->GetNextView(pos));
    ASSERT_NE(nullptr, pView);
    pView->RefreshList();
    auto* pController = dynamic_cast<CProtocolController*>(pView->GetController());
    ASSERT_NE(nullptr, pController);
    EXPECT_EQ(pView, pController->GetViewport());
    EXPECT_EQ(pProject->GetModel(), pController->GetModel());
    EXPECT_EQ(pView->GetSafeHwnd(), pController->GetSafeHwnd()) << "plugged into the view";

    // A double click on the one selected row posts the open command to the
    // view; the controller takes it.
    g_strControllerLog.clear();
    CProtocolListCtrl& list = pView->GetListCtrl();
    NMHDR dblclk = {list.GetSafeHwnd(), IDC_PROJECT_LIST, static_cast<UINT>(NM_DBLCLK)};
    pView->SendMessage(WM_NOTIFY, IDC_PROJECT_LIST, reinterpret_cast<LPARAM>(&dblclk));
    PumpMessages();
    pView->SendMessage(WM_KEYDOWN, VK_F5, 0);
    EXPECT_EQ("open;key;", g_strControllerLog);

    // What the controller leaves goes to the view: its size, and a folder
    // field's change notice.
    pView->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(321, 123));
    EXPECT_EQ("open;key;", g_strControllerLog);
    EXPECT_EQ(CSize(321, 123), pView->MvcViewport::GetSize());
    const std::string strFolder = TempFolder();
    pView->GetDlgItem(IDC_TARGET_FOLDER)->SetWindowText(strFolder.c_str());
    EXPECT_STREQ(strFolder.c_str(), pProject->GetModel()->GetTargetFolder());

    // The list is a viewport of its own: its controller first, the list
    // control for the rest.
    CRecordingList recording;
    ASSERT_TRUE(recording.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 200, 100), Frame(), 1228));
    recording.SetModel(pProject->GetModel());
    g_strControllerLog.clear();
    recording.SendMessage(WM_KEYDOWN, VK_F5, 0);
    EXPECT_EQ("key;", g_strControllerLog);
    EXPECT_EQ(1, static_cast<int>(recording.SendMessage(LVM_GETITEMCOUNT, 0, 0)));
    recording.DestroyWindow();

    pProject->SetModifiedFlag(FALSE);
    pProject->GetModel()->SetModifiedFlag(FALSE);
    pProject->OnCloseDocument();
}

// The status bar's progress pane as the host drives it.
class CRecordingPane : public IProgressPane
{
public:
    BOOL BeginProgress(LPCTSTR pszText, int nLower, int nUpper, BOOL bSetPos, DWORD dwStyle, int nStep) override
    {
        log += std::string("begin ") + pszText + " " + std::to_string(nLower) + ".." + std::to_string(nUpper) + " "
               + std::to_string(bSetPos) + " " + std::to_string(dwStyle) + " " + std::to_string(nStep) + ";";
        return TRUE;
    }
    void SetProgressPos(int nPos) override { log += "pos " + std::to_string(nPos) + ";"; }
    void StepProgress() override { log += "step;"; }
    void EndProgress() override { log += "end;"; }
    std::string log;
};

TEST_F(Shell, PortableCoresReachTheApplicationThroughTheirSeams)
{
    IHostServices& host = GetHostServices();
    EXPECT_TRUE(host.Profile().WriteString("Chart", "Seam", "1.5,2"));
    EXPECT_STREQ("1.5,2", theApp.GetProfileString("Chart", "Seam"));
    EXPECT_STREQ("1.5,2", host.Profile().GetString("Chart", "Seam", ""));
    // The main frame's status bar shows it.
    IProgressPane* pMainStatusBar = g_pMainStatusBar;
    ASSERT_NE(nullptr, pMainStatusBar);
    EXPECT_TRUE(host.BeginProgress("Reading protocol:", 0, 6, 1));
    host.EndProgress();

    // The bar follows the loop at most once in 50 ms.
    auto* pAppHost = dynamic_cast<CApplicationHostServices*>(&host);
    ASSERT_NE(nullptr, pAppHost);
    static DWORD s_dwNow = 0;
    pAppHost->SetTickSource([] { return s_dwNow; });
    CRecordingPane pane;
    g_pMainStatusBar = &pane;
    {
        ProgressScope progress("Reading protocol:", 0, 6);
        progress.Step();
        progress.SetPos(3);
        s_dwNow = 50;
        progress.Step();
        progress.Step();
    }
    g_pMainStatusBar = pMainStatusBar;
    pAppHost->SetTickSource(&::GetTickCount);
    EXPECT_EQ("begin Reading protocol: 0..6 1 16640 1;pos 4;end;", pane.log);

    {
        WaitCursorScope wait;
        EXPECT_EQ(1, theApp.m_nWaitCursorCount);
    }
    EXPECT_EQ(0, theApp.m_nWaitCursorCount);

    theApp.strLastMessage.Empty();
    host.ReportError("Bad spacing", HostIcon::Stop);
    EXPECT_STREQ("Bad spacing", theApp.strLastMessage);
}

namespace {

// The text of the last item of the frame's "Window" menu.
std::string LastWindowMenuItem(CFrameWnd* pFrame)
{
    HMENU hBar = ::GetMenu(pFrame->GetSafeHwnd());
    for (int i = 0; hBar && i < GetMenuItemCount(hBar); ++i) {
        char szText[64] = "";
        GetMenuStringA(hBar, i, szText, sizeof szText, MF_BYPOSITION);
        if (std::string(szText) != "&Window")
            continue;
        HMENU hPopup = GetSubMenu(hBar, i);
        const int nLast = GetMenuItemCount(hPopup) - 1;
        GetMenuStringA(hPopup, nLast, szText, sizeof szText, MF_BYPOSITION);
        return szText;
    }
    return std::string();
}

} // namespace

// What a user meets on opening a new project: the browse buttons, no
// question on closing it untouched, its title in the Window menu.
TEST_F(Shell, NewProjectWindowHasBrowseButtonsItsMenuTitleAndNoChange)
{
    CDocument* pDocument = theApp.GetTemplate(TEMPLATE_VIKA)->OpenDocumentFile(nullptr);
    ASSERT_NE(nullptr, pDocument);
    PumpMessages();
    POSITION pos = pDocument->GetFirstViewPosition();
    CView* pView = pDocument->GetNextView(pos);
    ASSERT_NE(nullptr, pView);
    for (int nId : {IDC_SOURCE_FOLDER, IDC_TARGET_FOLDER})
        EXPECT_TRUE(HasVisibleButtonRightOf(pView->GetSafeHwnd(), pView->GetDlgItem(nId)->GetSafeHwnd())) << nId;
    EXPECT_NE(std::string::npos, LastWindowMenuItem(Frame()).find(static_cast<LPCTSTR>(pDocument->GetTitle())))
        << LastWindowMenuItem(Frame());
    Frame()->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessages();
    EXPECT_FALSE(pDocument->IsModified()) << "opening a window is no change";
    pDocument->OnCloseDocument();
}

// Wine draws the caption buttons with Marlett; without it they show letters.
TEST_F(Shell, CaptionButtonFontIsInstalled)
{
    HFONT hFont = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, SYMBOL_CHARSET, 0, 0, 0, 0, "Marlett");
    HDC hdc = GetDC(nullptr);
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    std::vector<char> metrics(GetOutlineTextMetricsA(hdc, 0, nullptr) + 1);
    auto* pMetrics = reinterpret_cast<OUTLINETEXTMETRICA*>(metrics.data());
    const bool bMetrics = metrics.size() > sizeof(OUTLINETEXTMETRICA)
                          && GetOutlineTextMetricsA(hdc, static_cast<UINT>(metrics.size()), pMetrics);
    const std::string strFamily = bMetrics ? metrics.data() + reinterpret_cast<INT_PTR>(pMetrics->otmpFamilyName) : "";
    SelectObject(hdc, hOld);
    ReleaseDC(nullptr, hdc);
    DeleteObject(hFont);
    EXPECT_EQ("Marlett", strFamily) << "another font stands in for it";
}

namespace {

// The gap between the list's bottom-right corner and the view's.
CSize ListGap(CProtocolViewport* pView)
{
    CRect client, list;
    pView->GetClientRect(&client);
    pView->GetListCtrl().GetWindowRect(&list);
    pView->ScreenToClient(&list);
    return CSize(client.right - list.right, client.bottom - list.bottom);
}

} // namespace

// The list fills its view at every size, comes back after the window was
// small, and fills each pane of a split.
TEST_F(Shell, ProjectListFollowsItsWindowAndPanes)
{
    CDocument* pDocument = theApp.GetTemplate(TEMPLATE_VIKA)->OpenDocumentFile(nullptr);
    ASSERT_NE(nullptr, pDocument);
    POSITION pos = pDocument->GetFirstViewPosition();
    auto* pView = dynamic_cast<CProtocolViewport*>(pDocument->GetNextView(pos));
    ASSERT_NE(nullptr, pView);
    CFrameWnd* pChild = pView->GetParentFrame();
    const struct { int cx, cy; bool bFits; } sizes[] = {{800, 600, true}, {250, 150, false}, {800, 600, true}};
    for (const auto& s : sizes) {
        pChild->SetWindowPos(nullptr, 0, 0, s.cx, s.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        PumpMessages();
        if (!s.bFits)
            continue;
        const CSize gap = ListGap(pView);
        EXPECT_TRUE(gap.cx >= 0 && gap.cx < 20 && gap.cy >= 0 && gap.cy < 20) << gap.cx << "," << gap.cy;
    }

    auto* pSplitter = dynamic_cast<CSplitterWnd*>(pView->GetParent());
    ASSERT_NE(nullptr, pSplitter);
    CRect rcSplitter;
    pSplitter->GetClientRect(&rcSplitter);
    ASSERT_TRUE(pSplitter->SplitRow(rcSplitter.Height() / 2));
    PumpMessages();
    for (int nRow = 0; nRow < 2; ++nRow) {
        auto* pPane = dynamic_cast<CProtocolViewport*>(pSplitter->GetPane(nRow, 0));
        ASSERT_NE(nullptr, pPane) << nRow;
        const CSize gap = ListGap(pPane);
        EXPECT_TRUE(gap.cx >= 0 && gap.cx < 20 && gap.cy >= 0 && gap.cy < 20) << nRow << ": " << gap.cx << "," << gap.cy;
    }
    pDocument->OnCloseDocument();
}

namespace {

// The pixels the screen shows in a rectangle (screen coordinates).
std::vector<BYTE> ScreenPixels(const CRect& rect)
{
    HDC hScreen = GetDC(nullptr);
    HDC hMemory = CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = CreateCompatibleBitmap(hScreen, rect.Width(), rect.Height());
    HGDIOBJ hOld = SelectObject(hMemory, hBitmap);
    BitBlt(hMemory, 0, 0, rect.Width(), rect.Height(), hScreen, rect.left, rect.top, SRCCOPY);
    SelectObject(hMemory, hOld);
    BITMAPINFOHEADER info = {sizeof info, rect.Width(), rect.Height(), 1, 32, BI_RGB};
    std::vector<BYTE> pixels(static_cast<size_t>(rect.Width()) * rect.Height() * 4);
    GetDIBits(hMemory, hBitmap, 0, rect.Height(), pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(hBitmap);
    DeleteDC(hMemory);
    ReleaseDC(nullptr, hScreen);
    return pixels;
}

} // namespace

// Closing a maximised child maximises the next one, which moves: what it
// shows then is what it paints, not bits left from before.
TEST_F(Shell, NextChildAfterClosingAMaximisedOneIsPaintedWhole)
{
    theApp.GetSplashWindow().Close();
    CDocument* pNext = theApp.GetTemplate(TEMPLATE_VIKA)->OpenDocumentFile(nullptr);
    CDocument* pMaximised = theApp.GetTemplate(TEMPLATE_VIKA)->OpenDocumentFile(nullptr);
    ASSERT_TRUE(pNext && pMaximised);
    PumpMessages();
    POSITION pos = pMaximised->GetFirstViewPosition();
    static_cast<CMDIChildWnd*>(pMaximised->GetNextView(pos)->GetParentFrame())->MDIMaximize();
    PumpMessages();
    pMaximised->OnCloseDocument();
    PumpMessages();
    pos = pNext->GetFirstViewPosition();
    CView* pView = pNext->GetNextView(pos);
    CRect rect;
    pView->GetWindowRect(&rect);
    rect.right = rect.left + 40;  // the labels' side, away from any caret
    const std::vector<BYTE> shown = ScreenPixels(rect);
    Frame()->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_TRUE(shown == ScreenPixels(rect)) << "stale bits at the left edge";
    pNext->OnCloseDocument();
}

namespace {

COLORREF CaptionPixel(HWND hWnd, int x, int y)
{
    HDC hDC = GetWindowDC(hWnd);
    const COLORREF cr = GetPixel(hDC, x, y);
    ReleaseDC(hWnd, hDC);
    return cr;
}

int ColourDistance(COLORREF a, COLORREF b)
{
    return abs(GetRValue(a) - GetRValue(b)) + abs(GetGValue(a) - GetGValue(b)) + abs(GetBValue(a) - GetBValue(b));
}

std::string BinaryPath(const char* pszName)
{
    const char* pszBinary = getenv("G7K_BINARY_DIR");
    return (pszBinary && *pszBinary == '/' ? "Z:" + std::string(pszBinary) : std::string(".")) + "/" + pszName;
}

} // namespace

TEST_F(Shell, MainFramePaintsItsCentredGradientCaption)
{
    theApp.GetSplashWindow().Close();
    CMainFrame* pFrame = Frame();
    EXPECT_TRUE(pFrame->GetCaption().IsCustomCaption());
    EXPECT_EQ(1, pFrame->GetCaption().GetCaptionTextAlign());
    EXPECT_EQ(nullptr, pFrame->GetMenuBar()) << "the application keeps the window's own menu";
    EXPECT_NE(nullptr, GetMenu(pFrame->GetSafeHwnd()));
    LOGFONTA lf = {};
    CFont font;
    ASSERT_TRUE(pFrame->CreateCaptionAppFont(font));
    ASSERT_TRUE(GetObjectA(font.m_hObject, sizeof lf, &lf));
    EXPECT_FALSE(lf.lfItalic) << "the application's name stands upright";

    pFrame->SetForegroundWindow();
    PumpMessages();
    pFrame->SendMessage(WM_NCACTIVATE, TRUE);
    ASSERT_TRUE(pFrame->GetCaption().IsCaptionActive());
    CRect rcWindow;
    pFrame->GetWindowRect(&rcWindow);
    const int cxFrame = GetSystemMetrics(SM_CXFRAME), cyFrame = GetSystemMetrics(SM_CYFRAME);
    const int cxButton = GetSystemMetrics(SM_CXSIZE);
    const COLORREF crLeft = CaptionPixel(pFrame->GetSafeHwnd(), cxFrame + cxButton + 4, cyFrame + 1);
    const COLORREF crRight = CaptionPixel(pFrame->GetSafeHwnd(), rcWindow.Width() - cxFrame - 4 * cxButton - 4, cyFrame + 1);
    EXPECT_LT(ColourDistance(crLeft, RGB(0, 0, 0)), 40) << "the gradient starts black";
    EXPECT_LT(ColourDistance(crRight, GetSysColor(COLOR_ACTIVECAPTION)), 40) << "and ends in the active caption colour";
    EXPECT_TRUE(SaveWindowBitmap(pFrame->GetSafeHwnd(), BinaryPath("app_shell_caption.bmp").c_str(), false));
}

// "Transfer" floats in an MDI child of the main window, "File" stays
// docked; a main frame made afterwards reads the saved layout and shows
// the same.
TEST_F(Shell, MainFrameBarsFloatInsideItAndComeBackAfterARestart)
{
    theApp.GetSplashWindow().Close();
    CMainFrame* pFrame = Frame();
    SECToolBarManager& manager = pFrame->GetToolBarManager();
    auto* pTransfer = dynamic_cast<SECControlBar*>(manager.ToolBarFromID(AFX_IDW_TOOLBAR + 6));
    auto* pFile = dynamic_cast<SECControlBar*>(manager.ToolBarFromID(AFX_IDW_TOOLBAR));
    ASSERT_TRUE(pTransfer && pFile);
    EXPECT_FALSE(pTransfer->IsFloating());
    pFrame->FloatControlBarInMDIChild(pTransfer, CPoint(-1, -1), CBRS_ALIGN_TOP);
    PumpMessages();
    ASSERT_NE(nullptr, pTransfer->GetMDIFloatingFrame());
    EXPECT_TRUE(pTransfer->IsWindowVisible());
    EXPECT_EQ(pFrame->m_hWndMDIClient, GetParent(pTransfer->GetMDIFloatingFrame()->GetSafeHwnd()));
    EXPECT_FALSE(pFile->IsFloating());
    EXPECT_FALSE(pFrame->GetLayoutRect().IsRectEmpty()) << "the layout rectangle is kept";
    pFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessages();
    EXPECT_TRUE(SaveWindowBitmap(pFrame->GetSafeHwnd(), BinaryPath("app_shell_bar_in_main_window.bmp").c_str()));
    pFrame->SaveBarState("CustomToolBars");
    manager.SaveState("CustomToolBars");

    // The restart: a second main frame from the same settings.
    CMainFrame* pRestarted = theApp.LoadMainFrame();
    ASSERT_NE(nullptr, pRestarted);
    pRestarted->ShowWindow(SW_SHOW);
    PumpMessages();
    auto* pTransferAgain = dynamic_cast<SECControlBar*>(pRestarted->GetToolBarManager().ToolBarFromID(AFX_IDW_TOOLBAR + 6));
    auto* pFileAgain = dynamic_cast<SECControlBar*>(pRestarted->GetToolBarManager().ToolBarFromID(AFX_IDW_TOOLBAR));
    ASSERT_TRUE(pTransferAgain && pFileAgain);
    ASSERT_NE(nullptr, pTransferAgain->GetMDIFloatingFrame()) << "floats in the main window again";
    EXPECT_EQ(pRestarted->m_hWndMDIClient, GetParent(pTransferAgain->GetMDIFloatingFrame()->GetSafeHwnd()));
    EXPECT_FALSE(pFileAgain->IsFloating());
    EXPECT_TRUE(pRestarted->GetCaption().IsCustomCaption());
    pRestarted->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessages();
    EXPECT_TRUE(SaveWindowBitmap(pRestarted->GetSafeHwnd(), BinaryPath("app_shell_restarted.bmp").c_str()));
    pRestarted->DestroyWindow();
    g_pMainStatusBar = &pFrame->GetStatusBar();

    // Back to the dock row for the tests that follow.
    pFrame->DockControlBar(pTransfer, AFX_IDW_DOCKBAR_TOP);
    PumpMessages();
    EXPECT_EQ(nullptr, pTransfer->GetMDIFloatingFrame());
    pFrame->SaveBarState("CustomToolBars");
    manager.SaveState("CustomToolBars");
}

namespace {

void PumpFor(int nMilliseconds)
{
    const DWORD dwEnd = GetTickCount() + (DWORD)nMilliseconds;
    do {
        PumpMessages();
        Sleep(10);
    } while ((LONG)(GetTickCount() - dwEnd) < 0);
}

CPoint WindowCentre(HWND hWnd)
{
    CRect rect;
    GetWindowRect(hWnd, &rect);
    return rect.CenterPoint();
}

// Owned by the main frame, shown, and in the frame's middle.
void ExpectOwnedAndCentred(HWND hWnd, CFrameWnd* pFrame)
{
    EXPECT_EQ(pFrame->GetSafeHwnd(), GetWindow(hWnd, GW_OWNER));
    EXPECT_TRUE(IsWindowVisible(hWnd));
    const CPoint ptFrame = WindowCentre(pFrame->GetSafeHwnd());
    EXPECT_NEAR(ptFrame.x, WindowCentre(hWnd).x, 1);
    EXPECT_NEAR(ptFrame.y, WindowCentre(hWnd).y, 1);
}

// The frame somewhere away from the screen's top-left corner.
void PlaceFrameAwayFromTheCorner(CFrameWnd* pFrame)
{
    pFrame->ShowWindow(SW_RESTORE);
    pFrame->SetWindowPos(&CWnd::wndTop, 90, 70, 820, 600, SWP_SHOWWINDOW);
    pFrame->SetForegroundWindow();
    PumpMessages();
}

struct ModalSeen
{
    const char* pszCaption = nullptr;
    HWND hOwner = nullptr;
    CPoint ptCentre;
    bool bFound = false;
} g_modalSeen;

// Runs in the modal loop of the dialog named in g_modalSeen: notes where
// it is, then closes it.
void CALLBACK NoteAndCloseModal(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    KillTimer(nullptr, nTimer);
    HWND hDlg = FindWindowA("#32770", g_modalSeen.pszCaption);
    if (hDlg == nullptr)
        return;
    g_modalSeen.bFound = true;
    g_modalSeen.hOwner = GetWindow(hDlg, GW_OWNER);
    g_modalSeen.ptCentre = WindowCentre(hDlg);
    PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
}

} // namespace

// The about box, as the application's other dialogs, opens in the middle
// of the main frame, which owns it.
TEST_F(Shell, DialogsOpenCentredOnTheMainFrame)
{
    theApp.GetSplashWindow().Close();
    CMainFrame* pFrame = Frame();
    PlaceFrameAwayFromTheCorner(pFrame);
    g_modalSeen = ModalSeen();
    g_modalSeen.pszCaption = "About G7KWin";
    SetTimer(nullptr, 0, 300, NoteAndCloseModal);
    pFrame->SendMessage(WM_COMMAND, ID_APP_ABOUT);
    ASSERT_TRUE(g_modalSeen.bFound);
    EXPECT_EQ(pFrame->GetSafeHwnd(), g_modalSeen.hOwner);
    const CPoint ptFrame = WindowCentre(pFrame->GetSafeHwnd());
    EXPECT_NEAR(ptFrame.x, g_modalSeen.ptCentre.x, 1);
    EXPECT_NEAR(ptFrame.y, g_modalSeen.ptCentre.y, 1);
}

// The transfer status window of "Install files" and the status window of
// the calibration, made without a parent, belong to the main frame.
TEST_F(Shell, StatusWindowsBelongToTheMainFrameAndOpenInItsMiddle)
{
    theApp.GetSplashWindow().Close();
    CMainFrame* pFrame = Frame();
    PlaceFrameAwayFromTheCorner(pFrame);
    CTransferStatusDlg transfer("Install files (S/N: 000123)", nullptr);
    ASSERT_TRUE(transfer.Create(CTransferStatusDlg::IDD, nullptr));
    transfer.ShowWindow(SW_SHOW);
    pFrame->SetForegroundWindow();
    PumpFor(100);
    ExpectOwnedAndCentred(transfer.GetSafeHwnd(), pFrame);
    transfer.DestroyWindow();

    CStatusMessage status;
    ASSERT_TRUE(status.Create());
    status.ShowWindow(SW_SHOW);
    pFrame->SetForegroundWindow();
    PumpFor(100);
    ExpectOwnedAndCentred(status.GetSafeHwnd(), pFrame);
    status.DestroyWindow();
}

namespace {

// Whether the frame's menu holds the caption button a maximised child puts
// at its end.
bool MenuHasButton(CFrameWnd* pFrame, UINT nCommand)
{
    HMENU hMenu = GetMenu(pFrame->GetSafeHwnd());
    for (int i = 0; i < GetMenuItemCount(hMenu); ++i)
        if (GetMenuItemID(hMenu, i) == nCommand)
            return true;
    return false;
}

} // namespace

// Minimise, Restore and Close at the right end of the menu bar act on the
// maximised child, and the program goes on.
TEST_F(Shell, MaximisedChildsCaptionButtonsActOnTheChild)
{
    theApp.GetSplashWindow().Close();
    CMainFrame* pFrame = Frame();
    PlaceFrameAwayFromTheCorner(pFrame);
    CDocument* pDocument = theApp.GetTemplate(TEMPLATE_VIKA)->OpenDocumentFile(nullptr);
    ASSERT_NE(nullptr, pDocument);
    POSITION pos = pDocument->GetFirstViewPosition();
    auto* pChild = static_cast<CMDIChildWnd*>(pDocument->GetNextView(pos)->GetParentFrame());
    const auto maximise = [&] {
        pChild->MDIMaximize();
        pFrame->SetForegroundWindow();
        PumpFor(100);
        ASSERT_TRUE(pChild->IsZoomed());
    };

    const struct { UINT nButton; const char* pszName; } buttons[] = {{SC_RESTORE, "Restore"}, {SC_MINIMIZE, "Minimise"}};
    for (const auto& button : buttons) {
        SCOPED_TRACE(button.pszName);
        maximise();
        ASSERT_TRUE(MenuHasButton(pFrame, button.nButton));
        // What the menu sends when the button is clicked.
        pFrame->SendMessage(WM_COMMAND, button.nButton);
        PumpFor(200);
        EXPECT_FALSE(pFrame->IsIconic());
        EXPECT_FALSE(pChild->IsZoomed());
        EXPECT_EQ(button.nButton == SC_MINIMIZE, !!pChild->IsIconic());
    }

    maximise();
    ASSERT_TRUE(MenuHasButton(pFrame, SC_CLOSE));
    pFrame->SendMessage(WM_COMMAND, SC_CLOSE);
    PumpFor(200);
    EXPECT_TRUE(IsWindow(pFrame->GetSafeHwnd()));
    EXPECT_FALSE(pFrame->IsIconic());
    EXPECT_EQ(0, theApp.GetOpenDocumentCount()) << "the child's document is closed";
    EXPECT_EQ(nullptr, pFrame->MDIGetActive());
}
