// The Vika and Polyvect projects under Wine: an address file, a geometry
// file and a protocol made in their dialogs, the protocol edited and the
// project compiled through the stand-in compiler with its log shown; a
// Polyvect project likewise; screenshots.
#include "framework/Framework.h"
#include "app/G7KWinApp.h"
#include "app/MainFrame.h"
#include "app/project/ProtocolListCtrl.h"
#include "app/tests/Screenshot.h"
#include "app/tests/ScrollBarInput.h"
#include "design/projects/DesignDialogHooks.h"
#include "design/projects/GeometryFileDlg.h"
#include "design/projects/EditAdrItemDlg.h"
#include "design/projects/VikaChildFrame.h"
#include "design/projects/EditPolyvectCommandDlg.h"
#include "design/projects/EditVikaCommandDlg.h"
#include "design/projects/PolyvectChildFrame.h"
#include "design/projects/PolyvectDoc.h"
#include "design/projects/PolyvectModel.h"
#include "design/projects/PolyvectProtocolDlg.h"
#include "design/projects/PolyvectProtocolInfo.h"
#include "design/projects/PolyvectViewport.h"
#include "design/projects/VikaAddressDlg.h"
#include "design/projects/VikaCreateProtocolDlg.h"
#include "design/projects/VikaDoc.h"
#include "design/projects/VikaModel.h"
#include "design/projects/VikaProtocolDlg.h"
#include "design/projects/VikaProtocolInfo.h"
#include "design/projects/VikaViewport.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace {

class CTestApp : public CG7KWinApp
{
public:
    int DoMessageBox(LPCTSTR lpszPrompt, UINT, UINT) override
    {
        messages.emplace_back(lpszPrompt);
        return nAnswer;
    }
    std::vector<std::string> messages;
    int nAnswer = IDOK;

protected:
    LPCTSTR GetRegistryKeyName() const override { return "G7K Design Tests"; }
};

CTestApp theApp;

std::string TempFolder()
{
    char szTemp[MAX_PATH] = "";
    GetTempPathA(sizeof szTemp, szTemp);
    std::string strFolder = std::string(szTemp) + "g7k_design_test\\";
    CreateDirectoryA(strFolder.c_str(), nullptr);
    return strFolder;
}

std::string ReadFile(const std::string& strPath)
{
    std::ifstream in(strPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Exists(const std::string& strPath)
{
    return GetFileAttributesA(strPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

int CountLines(const std::string& strText)
{
    int n = 0;
    for (char ch : strText)
        n += ch == '\n';
    return n;
}

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (theApp.PreTranslateMessage(&msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    theApp.OnIdle(0);
}

// A modal dialog is driven by a script once it shows: the script finds the
// visible dialog window whose caption begins with the text it waits for.
struct Script
{
    std::string strCaption;
    std::function<void(HWND)> run;
    bool bRan = false;
};
std::vector<Script*> g_scripts;

BOOL CALLBACK FindCaption(HWND hWnd, LPARAM lParam)
{
    auto* pScript = reinterpret_cast<Script*>(lParam);
    char szTitle[256] = "";
    GetWindowTextA(hWnd, szTitle, sizeof szTitle);
    if (IsWindowVisible(hWnd) && IsWindowEnabled(hWnd) &&
        std::string(szTitle).rfind(pScript->strCaption, 0) == 0) {
        pScript->bRan = true;
        pScript->run(hWnd);
        return FALSE;
    }
    return TRUE;
}

void CALLBACK RunScripts(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_scripts.empty())
        return;
    Script* pScript = g_scripts.back();
    if (pScript->bRan)
        return;
    EnumThreadWindows(GetCurrentThreadId(), FindCaption, reinterpret_cast<LPARAM>(pScript));
    if (pScript->bRan)
        g_scripts.pop_back();
}

// Runs open() with the script waiting for its dialog; the script's result
// shows in whatever the dialog did. bMustShow: the dialog is expected.
int Drive(const char* pszCaption, std::function<void(HWND)> run, std::function<int()> open, bool bMustShow = true)
{
    Script script{pszCaption, std::move(run)};
    g_scripts.push_back(&script);
    const UINT_PTR nTimer = SetTimer(nullptr, 0, 100, RunScripts);
    const int nResult = open();
    KillTimer(nullptr, nTimer);
    if (!script.bRan)
        g_scripts.erase(std::remove(g_scripts.begin(), g_scripts.end(), &script), g_scripts.end());
    EXPECT_TRUE(script.bRan || !bMustShow) << pszCaption;
    EXPECT_FALSE(script.bRan && !bMustShow) << pszCaption << " should not have shown";
    return nResult;
}

void Click(HWND hDialog, int nId)
{
    SendMessageA(hDialog, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(hDialog, nId)));
}

std::string ItemText(HWND hDialog, int nId)
{
    char szText[64] = "";
    GetDlgItemTextA(hDialog, nId, szText, sizeof szText);
    return szText;
}

LPARAM RowPoint(HWND hList, int nRow, int nBelow = 0)
{
    RECT rc = {};
    SendMessageA(hList, LB_GETITEMRECT, nRow, reinterpret_cast<LPARAM>(&rc));
    return MAKELPARAM(rc.left + 5, (rc.top + rc.bottom) / 2 + nBelow);
}

std::vector<std::string> ListTexts(HWND hList)
{
    std::vector<std::string> texts;
    const int nCount = static_cast<int>(SendMessageA(hList, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < nCount; ++i) {
        char szRow[256] = "";
        SendMessageA(hList, LB_GETTEXT, i, reinterpret_cast<LPARAM>(szRow));
        texts.emplace_back(szRow);
    }
    return texts;
}

void SelectComboText(HWND hDialog, int nId, const char* pszText)
{
    HWND hCombo = GetDlgItem(hDialog, nId);
    const LRESULT nIndex =
        SendMessageA(hCombo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(pszText));
    SendMessageA(hCombo, CB_SETCURSEL, nIndex, 0);
    SendMessageA(hDialog, WM_COMMAND, MAKEWPARAM(nId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(hCombo));
}

void SaveShot(HWND hWnd, const char* pszName)
{
    for (int i = 0; i < 10; ++i) {
        RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpMessages();
        Sleep(50);
    }
    const char* pszBinary = getenv("G7K_BINARY_DIR");
    const std::string strShot =
        (pszBinary && *pszBinary == '/' ? "Z:" + std::string(pszBinary) : std::string(".")) + "/" + pszName;
    EXPECT_TRUE(SaveWindowBitmap(hWnd, strShot.c_str())) << pszName;
}

// The project's window in front, sized as a user would have it.
void ShowProject(CProtocolViewport* pView)
{
    pView->UpdateData(FALSE);
    CFrameWnd* pChild = pView->GetParentFrame();
    pChild->ActivateFrame();
    pChild->SetWindowPos(nullptr, 0, 0, 760, 420, SWP_NOMOVE | SWP_NOZORDER);
    PumpMessages();
}

std::string OrdaFolder()
{
    const char* pszBinary = getenv("G7K_BINARY_DIR");
    return std::string("Z:") + (pszBinary ? pszBinary : "") + "\\tools\\orda";
}

class DesignWindows : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPTSTR>(""), SW_SHOW));
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\G7K Design Tests");
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
        ResetDesignDialogHooks();
        GetDesignDialogHooks().showCompileLog = [this](LPCTSTR pszDatabase, LPCTSTR pszLog) {
            strShownDatabase = pszDatabase;
            strShownLog = pszLog;
            return IDOK;
        };
    }
    void TearDown() override { ResetDesignDialogHooks(); }

    template <class View> View* FirstView(CDocument* pDocument)
    {
        POSITION pos = pDocument->GetFirstViewPosition();
        return dynamic_cast<View*>(pDocument->GetNextView(pos));
    }

    bool Said(const char* pszText) const
    {
        for (const std::string& strMessage : theApp.messages)
            if (strMessage.find(pszText) != std::string::npos)
                return true;
        return false;
    }

    static BOOL s_bStarted;
    std::string strShownDatabase;
    std::string strShownLog;
};

BOOL DesignWindows::s_bStarted = FALSE;

const char* const kAddressName = "ADR1";

} // namespace

TEST_F(DesignWindows, VikaProjectMakesItsFilesCreatesEditsAndCompilesAProtocol)
{
    const std::string strFolder = TempFolder() + "vika\\";
    const std::string strTarget = TempFolder() + "vika out";
    CreateDirectoryA(strFolder.c_str(), nullptr);
    CreateDirectoryA(strTarget.c_str(), nullptr);
    for (const char* pszFile : {"ADR1.ADR", "GEO1.XYZ", "P1.ORG", "P1.UP", "P1.DWN", "Line.vkp", "Line.Log"})
        DeleteFileA((strFolder + pszFile).c_str());
    DeleteFileA((strTarget + "\\PROTOCOL.BIN").c_str());

    auto* pDoc = dynamic_cast<CVikaDoc*>(theApp.GetTemplate(TEMPLATE_VIKA)->OpenDocumentFile(nullptr));
    ASSERT_NE(nullptr, pDoc);
    CProtocolModel* pModel = pDoc->GetModel();
    ASSERT_NE(nullptr, dynamic_cast<CVikaModel*>(pModel));
    pModel->SetSourceFolder(strFolder.c_str());
    pModel->SetTargetFolder(strTarget.c_str());
    auto* pView = FirstView<CVikaViewport>(pDoc);
    ASSERT_NE(nullptr, pView);
    ShowProject(pView);

    // The "Vika Tools" bar: 12 buttons and 3 separators across the window's top.
    auto* pFrame = dynamic_cast<CVikaChildFrame*>(pView->GetParentFrame());
    ASSERT_NE(nullptr, pFrame);
    SECCustomToolBar& toolBar = pFrame->GetToolBar();
    ASSERT_EQ(15, toolBar.GetButtonCount());
    EXPECT_EQ(32875u, toolBar.GetItemID(0));
    EXPECT_EQ(32876u, toolBar.GetItemID(14));
    CRect rcBar, rcFrameClient;
    toolBar.GetWindowRect(&rcBar);
    pFrame->GetClientRect(&rcFrameClient);
    EXPECT_EQ(rcFrameClient.Width(), rcBar.Width());
    EXPECT_GE(rcBar.Height(), 22);
    SaveShot(pFrame->m_hWnd, "design_vika_window.bmp");

    // An address file: a name, the generated map of the default layout, Save.
    const CString strSource = pModel->GetSourceFolder();
    CVikaAddressDlg address(nullptr, &strSource, nullptr);
    const int nAddress = Drive(
        "Vika Address File: <New>",
        [](HWND hDialog) {
            SetDlgItemTextA(hDialog, IDC_ADR_NAME, kAddressName);
            Script generate{"Generate Address Map Entries", [](HWND hMap) { Click(hMap, IDOK); }};
            g_scripts.push_back(&generate);
            Click(hDialog, IDC_GENERATE);
            Click(hDialog, IDOK);
        },
        [&] { return static_cast<int>(address.DoModal()); });
    EXPECT_EQ(IDOK, nAddress);
    const std::string strAddress = ReadFile(strFolder + "ADR1.ADR");
    EXPECT_EQ(3 + 41, CountLines(strAddress)) << strAddress;
    EXPECT_NE(std::string::npos, strAddress.find("22\t22\t2-2"));

    // A geometry file with one set of two points.
    CGeometryFileDlg geometry((strFolder + "GEO1.XYZ").c_str(), nullptr);
    Drive(
        "Edit Geometry File:",
        [](HWND hDialog) {
            auto* pDialog = dynamic_cast<CGeometryFileDlg*>(CWnd::FromHandlePermanent(hDialog));
            ASSERT_NE(nullptr, pDialog);
            pDialog->GetFile().AddSet("LINE1");
            HWND hNames = GetDlgItem(hDialog, IDC_SET_NAMES);
            SendMessageA(hNames, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("LINE1"));
            SendMessageA(hNames, LB_SETCURSEL, 0, 0);
            pDialog->ShowCurrentSet();
            HWND hPoints = GetDlgItem(hDialog, IDC_COORDINATES);
            SendMessageA(hPoints, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("   1:\t0.00\t0.00\t0.00"));
            SendMessageA(hPoints, LB_INSERTSTRING, 1, reinterpret_cast<LPARAM>("   2:\t5.00\t0.00\t1.00"));
            Click(hDialog, IDOK);
        },
        [&] { return static_cast<int>(geometry.DoModal()); });
    EXPECT_EQ("1\r\nLINE1\r\n1\t    0.00\t    0.00\t    0.00\r\n2\t    5.00\t    0.00\t    1.00\r\n",
              ReadFile(strFolder + "GEO1.XYZ"));

    // A protocol: ID, Wenner (A), the address file, the geometry, Create.
    CVikaCreateProtocolDlg create(pModel, nullptr);
    const int nCreate = Drive(
        "Create Vika Protocol",
        [](HWND hDialog) {
            SetDlgItemTextA(hDialog, IDC_PROTOCOL_ID, "P1");
            SelectComboText(hDialog, IDC_ARRAY_TYPE, "Wenner (A)");
            SelectComboText(hDialog, IDC_ADDRESS_FILE, kAddressName);
            SelectComboText(hDialog, IDC_GEOMETRY_FILE_CREATE, "GEO1");
            SetDlgItemTextA(hDialog, IDC_A_SMALLEST, "1");
            SetDlgItemTextA(hDialog, IDC_A_LARGEST, "3");
            Click(hDialog, IDOK);
        },
        [&] { return static_cast<int>(create.DoModal()); });
    EXPECT_EQ(IDOK, nCreate);
    EXPECT_TRUE(Said("P1.ORG: ")) << "the summary of the sections";
    ASSERT_EQ(1, pModel->GetInfoCount());
    auto* pInfo = dynamic_cast<CVikaProtocolInfo*>(pModel->FindInfo("P1"));
    ASSERT_NE(nullptr, pInfo);
    EXPECT_GT(pInfo->GetOrgCount(), 0u);
    EXPECT_STREQ("ADR1", pInfo->GetAddressFile());
    EXPECT_STREQ("GEO1", pInfo->GetGeometryFile());
    pView->RefreshList();
    PumpMessages();
    EXPECT_EQ(1, pView->GetListCtrl().GetItemCount());

    // The protocol editor keeps the file as it is when nothing changed.
    const std::string strOrg = ReadFile(strFolder + "P1.ORG");
    CVikaProtocolDlg editor(pInfo, ".ORG", nullptr);
    EXPECT_EQ(IDOK, Drive(
                        "Edit Vika Protocol: P1.ORG", [](HWND hDialog) { Click(hDialog, IDOK); },
                        [&] { return static_cast<int>(editor.DoModal()); }));
    EXPECT_EQ(CountLines(strOrg), CountLines(ReadFile(strFolder + "P1.ORG")));
    EXPECT_NE(std::string::npos, ReadFile(strFolder + "P1.UP").find("ADR1\tGEO1.XYZ"));
    // Compiling an unsaved project is refused; a saved one runs the stand-in
    // compiler and shows its log.
    theApp.WriteProfileString("Folders", "Main", OrdaFolder().c_str());
    pView->SendMessage(WM_COMMAND, ID_PROJECT_COMPILE);
    EXPECT_TRUE(Said("You must save the project first"));
    ASSERT_TRUE(pDoc->OnSaveDocument((strFolder + "Line.vkp").c_str()));
    pDoc->SetPathName((strFolder + "Line.vkp").c_str(), FALSE);
    pView->SendMessage(WM_COMMAND, ID_PROJECT_COMPILE);
    EXPECT_TRUE(Exists(strTarget + "\\PROTOCOL.BIN"));
    EXPECT_EQ("PROTOCOL.BIN", strShownDatabase);
    EXPECT_NE(std::string::npos, strShownLog.find("Line.Log")) << strShownLog;
    EXPECT_NE(std::string::npos, ReadFile(strFolder + "Line.Log").find("Compiling P1.ORG"));

    // The log in the compile-log viewer.
    ResetDesignDialogHooks();
    std::string strErrors;
    Drive(
        "Compilation successful - Log file:",
        [&](HWND hDialog) {
            char szErrors[32] = "";
            GetDlgItemTextA(hDialog, IDC_LOG_ERRORS, szErrors, sizeof szErrors);
            strErrors = szErrors;
            SaveShot(hDialog, "design_compile_log.bmp");
            Click(hDialog, IDOK);
        },
        [&] { return static_cast<int>(pView->SendMessage(WM_COMMAND, ID_PROJECT_VIEW_LOG)); });
    EXPECT_EQ("0", strErrors);
    GetDesignDialogHooks().showCompileLog = [this](LPCTSTR pszDatabase, LPCTSTR pszLog) {
        strShownDatabase = pszDatabase;
        strShownLog = pszLog;
        return IDOK;
    };

    // A compiler that gives up: the failure is reported, no log is shown.
    strShownLog.clear();
    SetEnvironmentVariableA("ORDA_FAIL", "test failure");
    pView->SendMessage(WM_COMMAND, ID_PROJECT_COMPILE);
    SetEnvironmentVariableA("ORDA_FAIL", nullptr);
    EXPECT_TRUE(Said("Fatal error! Protocol database compile aborted!"));
    EXPECT_TRUE(strShownLog.empty());

    theApp.WriteProfileString("Folders", "Main", "");
    ASSERT_TRUE(pDoc->OnSaveDocument((strFolder + "Line.vkp").c_str()));
    pDoc->OnCloseDocument();

    // Reopened, the project reads its protocol's files again.
    auto* pReopened = dynamic_cast<CVikaDoc*>(theApp.OpenDocumentFile((strFolder + "Line.vkp").c_str()));
    ASSERT_NE(nullptr, pReopened);
    ASSERT_EQ(1, pReopened->GetModel()->GetInfoCount());
    auto* pReread = dynamic_cast<CVikaProtocolInfo*>(pReopened->GetModel()->FindInfo("P1"));
    ASSERT_NE(nullptr, pReread);
    EXPECT_GT(pReread->GetOrgCount(), 0u);
    auto* pReopenedView = FirstView<CVikaViewport>(pReopened);
    ASSERT_NE(nullptr, pReopenedView);
    pReopenedView->GetListCtrl().SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    ShowProject(pReopenedView);
    SaveShot(theApp.m_pMainWnd->GetSafeHwnd(), "design_vika_project.bmp");
    pReopened->OnCloseDocument();
}

TEST_F(DesignWindows, CreatingAProtocolShowsProgressAndCanBeCancelled)
{
    const std::string strFolder = TempFolder() + "big\\";
    CreateDirectoryA(strFolder.c_str(), nullptr);
    DeleteFileA((strFolder + "BIG.ORG").c_str());
    // 256 electrodes on one cable.
    std::string strAddress = "1\t256\r\n1\t32\t0\r\n256\r\n";
    for (int e = 1; e <= 256; ++e)
        strAddress += std::to_string(e) + "\t" + std::to_string(e) + "\t1-" + std::to_string(e) + "\r\n";
    std::ofstream(strFolder + "ADR256.ADR", std::ios::binary) << strAddress;
    theApp.WriteProfileString("Folders", "VikaProtocols", strFolder.c_str());

    CVikaCreateProtocolDlg create(nullptr, nullptr);
    bool bProgressSeen = false;
    const int nResult = Drive(
        "Create Vika Protocol",
        [&](HWND hDialog) {
            SetDlgItemTextA(hDialog, IDC_PROTOCOL_ID, "BIG");
            SelectComboText(hDialog, IDC_ARRAY_TYPE, "Dipole-Dipole");
            SelectComboText(hDialog, IDC_ADDRESS_FILE, "ADR256");
            SetDlgItemTextA(hDialog, IDC_A_SMALLEST, "1");
            SetDlgItemTextA(hDialog, IDC_A_LARGEST, "64");
            SetDlgItemTextA(hDialog, IDC_N_SMALLEST, "1");
            SetDlgItemTextA(hDialog, IDC_N_LARGEST, "64");
            SetDlgItemTextA(hDialog, IDC_CHANNELS, "4");
            Script cancel{"Creating Protocol", [&](HWND hProgress) {
                              bProgressSeen = true;
                              SaveShot(hProgress, "design_create_progress.bmp");
                              Click(hProgress, IDCANCEL);
                          }};
            g_scripts.push_back(&cancel);
            // The progress window is looked for at once: generating is quick.
            const UINT_PTR nFast = SetTimer(nullptr, 0, 1, RunScripts);
            Click(hDialog, IDOK);
            KillTimer(nullptr, nFast);
            Click(hDialog, IDCANCEL);
        },
        [&] { return static_cast<int>(create.DoModal()); });
    EXPECT_EQ(IDCANCEL, nResult) << "no chart opens";
    EXPECT_TRUE(bProgressSeen);
    EXPECT_EQ(ProtocolCreationResult::Cancelled, create.GetResult().outcome);
    EXPECT_FALSE(Exists(strFolder + "BIG.ORG"));
    theApp.WriteProfileString("Folders", "VikaProtocols", "");
}

TEST_F(DesignWindows, PolyvectProjectEditsAndCompilesItsProtocols)
{
    const std::string strFolder = TempFolder() + "pv\\";
    const std::string strTarget = TempFolder() + "pv out";
    CreateDirectoryA(strFolder.c_str(), nullptr);
    CreateDirectoryA(strTarget.c_str(), nullptr);
    DeleteFileA((strTarget + "\\POLYVECT.BIN").c_str());
    std::ofstream(strFolder + "A.PV", std::ios::binary)
        << "5\r\nGEO1.XYZ\r\n  1  2 3\t4\r\nSwitch Cable 1\r\n";
    std::ofstream(strFolder + "GEO1.XYZ", std::ios::binary) << "0\r\n";

    auto* pDoc =
        dynamic_cast<CPolyvectDoc*>(theApp.GetTemplate(TEMPLATE_POLYVECT)->OpenDocumentFile(nullptr));
    ASSERT_NE(nullptr, pDoc);
    CProtocolModel* pModel = pDoc->GetModel();
    pModel->SetSourceFolder(strFolder.c_str());
    pModel->SetTargetFolder(strTarget.c_str());
    auto* pView = FirstView<CPolyvectViewport>(pDoc);
    ASSERT_NE(nullptr, pView);

    Drive(
        "Manage Items Dialog",
        [](HWND hDialog) {
            Click(hDialog, IDC_ADD_ALL_PROTOCOLS);
            Click(hDialog, IDOK);
        },
        [&] { return static_cast<int>(pView->SendMessage(WM_COMMAND, ID_PROJECT_MANAGE)); });
    ASSERT_EQ(1, pModel->GetInfoCount());
    auto* pInfo = dynamic_cast<CPolyvectProtocolInfo*>(pModel->GetInfoList().GetHead());
    ASSERT_NE(nullptr, pInfo);
    EXPECT_EQ(2, pInfo->GetItemCount());

    CPolyvectProtocolDlg editor(pInfo, nullptr);
    EXPECT_EQ(IDOK, Drive(
                        " A",
                        [](HWND hDialog) {
                            HWND hList = GetDlgItem(hDialog, IDC_COMMANDS);
                            SendMessageA(hList, LB_INSERTSTRING, 2,
                                         reinterpret_cast<LPARAM>("   5:\tReset Cable 1"));
                            Click(hDialog, IDOK);
                        },
                        [&] { return static_cast<int>(editor.DoModal()); }));
    EXPECT_EQ("5\r\nGEO1.XYZ\r\n1\t2\t3\t4\r\nSwitch Cable 1\r\nReset Cable 1\r\n",
              ReadFile(strFolder + "A.PV"));
    pInfo->ReadHeader();
    EXPECT_EQ(3, pInfo->GetItemCount());

    theApp.WriteProfileString("Folders", "Main", OrdaFolder().c_str());
    ASSERT_TRUE(pDoc->OnSaveDocument((strFolder + "Lines.pvp").c_str()));
    pDoc->SetPathName((strFolder + "Lines.pvp").c_str(), FALSE);
    pView->SendMessage(WM_COMMAND, ID_PROJECT_COMPILE);
    EXPECT_TRUE(Exists(strTarget + "\\POLYVECT.BIN"));
    EXPECT_EQ("Polyvect.BIN", strShownDatabase);
    theApp.WriteProfileString("Folders", "Main", "");
    pView->RefreshList();
    ShowProject(pView);

    // The "Polyvect Tools" bar: the window's 6 commands and 2 separators across its top.
    auto* pFrame = dynamic_cast<CPolyvectChildFrame*>(pView->GetParentFrame());
    ASSERT_NE(nullptr, pFrame);
    SECCustomToolBar& toolBar = pFrame->GetToolBar();
    ASSERT_EQ(8, toolBar.GetButtonCount());
    EXPECT_EQ(32875u, toolBar.GetItemID(0));
    EXPECT_EQ(32877u, toolBar.GetItemID(1));
    EXPECT_EQ(0u, toolBar.GetItemID(2));
    EXPECT_EQ(32876u, toolBar.GetItemID(7));
    CString strTitle;
    toolBar.GetWindowText(strTitle);
    EXPECT_STREQ("Polyvect Tools", strTitle);
    CRect rcBar, rcFrameClient;
    toolBar.GetWindowRect(&rcBar);
    pFrame->GetClientRect(&rcFrameClient);
    EXPECT_EQ(rcFrameClient.Width(), rcBar.Width());
    EXPECT_GE(rcBar.Height(), 22);
    SaveShot(pFrame->m_hWnd, "design_polyvect_window.bmp");
    SaveShot(theApp.m_pMainWnd->GetSafeHwnd(), "design_polyvect_project.bmp");
    pDoc->OnCloseDocument();
}

TEST_F(DesignWindows, ItemDialogsWriteTheirRowsBackAndRememberTheirValues)
{
    const int layout[7] = {0, 0, 0, 0, 0, 4, 21};
    CString strRow = "12\t12\t1-12\tspare";
    CEditAdrItemDlg address(strRow, layout, nullptr);
    EXPECT_EQ(IDOK, Drive(
                        "Edit Address Map Item", [](HWND hDialog) { Click(hDialog, IDOK); },
                        [&] { return static_cast<int>(address.DoModal()); }));
    EXPECT_STREQ("12\t12\t1-12\tspare", strRow);
    EXPECT_STREQ("12,1,12", theApp.GetProfileString("EditAdrItemDlg", "Members"));

    CEditAdrItemDlg refused(strRow, layout, nullptr);
    EXPECT_EQ(IDCANCEL, Drive(
                            "Edit Address Map Item",
                            [](HWND hDialog) {
                                SetDlgItemTextA(hDialog, IDC_ADR_RELAY, "300");
                                Click(hDialog, IDOK);
                                Click(hDialog, IDCANCEL);
                            },
                            [&] { return static_cast<int>(refused.DoModal()); }));
    EXPECT_FALSE(theApp.messages.empty()) << "the range is reported";
    EXPECT_STREQ("12\t12\t1-12\tspare", strRow);

    CString strCommand = "   7:\t1\t2\t3\t4";
    CEditVikaCommandDlg command(strCommand, 1, 999, 0, nullptr);
    EXPECT_EQ(IDOK, Drive(
                        "Edit Vika Command: #7",
                        [](HWND hDialog) {
                            SetDlgItemTextA(hDialog, 1190, "9");
                            Click(hDialog, IDOK);
                        },
                        [&] { return static_cast<int>(command.DoModal()); }));
    EXPECT_STREQ("   7:\t1\t2\t3\t4", strCommand) << "the row keeps its four values";

    CString strNew;
    CEditVikaCommandDlg newRow(strNew, 2, 999, 5, nullptr);
    EXPECT_EQ(IDOK, Drive(
                        "Edit Vika Command: #5", [](HWND hDialog) { Click(hDialog, IDOK); },
                        [&] { return static_cast<int>(newRow.DoModal()); }));
    EXPECT_STREQ("   5:\t1\t2\t3\t4\t9\t0", strNew) << "C1, C2 and two pairs from the remembered values";

    CString strPolyvect = "   3:\tSwitch Cable 2";
    CEditPolyvectCommandDlg polyvect(strPolyvect, 0, nullptr);
    int nCommand = -1;
    EXPECT_EQ(IDOK, Drive(
                        "Edit Polyvect Command: #3",
                        [&](HWND hDialog) {
                            nCommand = static_cast<int>(
                                SendDlgItemMessageA(hDialog, IDC_POLYVECT_COMMAND, CB_GETCURSEL, 0, 0));
                            Click(hDialog, IDOK);
                        },
                        [&] { return static_cast<int>(polyvect.DoModal()); }));
    EXPECT_EQ(3, nCommand);
    EXPECT_STREQ("   3:\tSwitch Cable 2", strPolyvect);
}

TEST_F(DesignWindows, CreateGeometryKeepsTheOldFileUntilTheNewOneIsSaved)
{
    const std::string strFolder = TempFolder() + "geo\\";
    CreateDirectoryA(strFolder.c_str(), nullptr);
    const std::string strOld = "1\r\nOLD\r\n1\t    1.00\t    2.00\t    3.00\r\n";
    std::ofstream(strFolder + "G.XYZ", std::ios::binary) << strOld;
    auto* pDoc = dynamic_cast<CVikaDoc*>(theApp.GetTemplate(TEMPLATE_VIKA)->OpenDocumentFile(nullptr));
    ASSERT_NE(nullptr, pDoc);
    pDoc->GetModel()->SetSourceFolder(strFolder.c_str());
    auto* pView = FirstView<CVikaViewport>(pDoc);
    ASSERT_NE(nullptr, pView);
    GetDesignDialogHooks().askName = [](LPCTSTR, CString& strName) {
        strName = "G";
        return IDOK;
    };
    theApp.nAnswer = IDYES;
    Drive(
        "Edit Geometry File:",
        [](HWND hDialog) {
            EXPECT_EQ(1, SendDlgItemMessageA(hDialog, IDC_SET_NAMES, LB_GETCOUNT, 0, 0))
                << "an empty geometry";
            Click(hDialog, IDCANCEL);
        },
        [&] { return static_cast<int>(pView->SendMessage(WM_COMMAND, ID_PROJECT_CREATE_GEOMETRY)); });
    theApp.nAnswer = IDOK;
    EXPECT_TRUE(Said("already exists"));
    EXPECT_EQ(strOld, ReadFile(strFolder + "G.XYZ")) << "cancelled: the old file stays";
    pDoc->OnCloseDocument();
}

TEST_F(DesignWindows, EditorsKeepTheUsersWorkWhenAFileCannotBeReadOrWritten)
{
    const std::string strFolder = TempFolder() + "faults\\";
    CreateDirectoryA(strFolder.c_str(), nullptr);
    std::ofstream(strFolder + "BAD.ADR", std::ios::binary) << "2 21\r\nnot a header line\r\n";
    const std::string strOrg = "1\r\nBAD\r\n1 2 3 4\r\n";
    std::ofstream(strFolder + "R.ORG", std::ios::binary) << strOrg;
    CVikaProtocolInfo info;
    info.SetFolder(strFolder.c_str());
    info.SetName("R");
    info.ReadHeader();
    ASSERT_STREQ("BAD", info.GetAddressFile());

    // A damaged address file is reported, not opened as a new one.
    CVikaAddressDlg address(&info, nullptr, nullptr);
    EXPECT_EQ(IDCANCEL, address.DoModal());
    EXPECT_TRUE(Said("cannot be read"));
    EXPECT_EQ("2 21\r\nnot a header line\r\n", ReadFile(strFolder + "BAD.ADR"));

    // A section that cannot be written (another program holds it) keeps the
    // dialog open.
    theApp.messages.clear();
    HANDLE hHeld = INVALID_HANDLE_VALUE;
    CVikaProtocolDlg editor(&info, ".ORG", nullptr);
    bool bStillOpen = false;
    EXPECT_EQ(IDCANCEL, Drive(
                            "Edit Vika Protocol: R.ORG",
                            [&](HWND hDialog) {
                                hHeld = CreateFileA((strFolder + "R.ORG").c_str(), GENERIC_READ, 0, nullptr,
                                                    OPEN_EXISTING, 0, nullptr);
                                Click(hDialog, IDOK);
                                bStillOpen = IsWindowVisible(hDialog) != FALSE;
                                Click(hDialog, IDCANCEL);
                            },
                            [&] { return static_cast<int>(editor.DoModal()); }));
    CloseHandle(hHeld);
    EXPECT_TRUE(Said("Could not open file. It may be read-only."));
    EXPECT_TRUE(bStillOpen);
    EXPECT_EQ(strOrg, ReadFile(strFolder + "R.ORG"));
}

TEST_F(DesignWindows, AGeometryFileThatCannotBeReadIsReportedAndReplacedOnlyWhenTheUserSaysSo)
{
    const std::string strFolder = TempFolder() + "garbage\\";
    CreateDirectoryA(strFolder.c_str(), nullptr);
    const std::string strPath = strFolder + "JUNK.XYZ";
    std::string strGarbage;
    unsigned nSeed = 7;
    for (int i = 0; i < 1500; ++i) {
        nSeed = nSeed * 1103515245u + 12345u;
        strGarbage += i % 61 == 60 ? '\n' : static_cast<char>('!' + (nSeed >> 16) % 90);
    }
    strGarbage[0] = '#';
    std::ofstream(strPath, std::ios::binary) << strGarbage;

    auto* pDoc = dynamic_cast<CVikaDoc*>(theApp.GetTemplate(TEMPLATE_VIKA)->OpenDocumentFile(nullptr));
    ASSERT_NE(nullptr, pDoc);
    pDoc->GetModel()->SetSourceFolder(strFolder.c_str());
    auto* pView = FirstView<CVikaViewport>(pDoc);
    ASSERT_NE(nullptr, pView);
    GetDesignDialogHooks().chooseFile = [&](LPCTSTR, LPCTSTR, DWORD, LPCTSTR, CString& strChosen) {
        strChosen = strPath.c_str();
        return IDOK;
    };
    const auto editAndPressOk = [&](bool bShows) {
        Drive(
            "Edit Geometry File:", [](HWND hDialog) { Click(hDialog, IDOK); },
            [&] { return static_cast<int>(pView->SendMessage(WM_COMMAND, ID_PROJECT_EDIT_GEOMETRY)); }, bShows);
    };

    theApp.nAnswer = IDNO;
    editAndPressOk(false);
    EXPECT_TRUE(Said("JUNK.XYZ cannot be read")) << "the file is named";
    EXPECT_EQ(strGarbage, ReadFile(strPath)) << "kept when the user declines";

    theApp.messages.clear();
    theApp.nAnswer = IDYES;
    editAndPressOk(true);
    theApp.nAnswer = IDOK;
    EXPECT_TRUE(Said("cannot be read"));
    EXPECT_EQ("0\r\n", ReadFile(strPath)) << "replaced by the empty file the user chose to start";
    pDoc->OnCloseDocument();
}

TEST_F(DesignWindows, NewCoordinatesAreNumberedAndPlacedAfterTheRowsAbove)
{
    const std::string strFolder = TempFolder() + "coords\\";
    CreateDirectoryA(strFolder.c_str(), nullptr);
    const std::string strPath = strFolder + "LINE.XYZ";
    std::ofstream(strPath, std::ios::binary) << "1\r\nLINE1\r\n";

    // Each coordinate dialog the user sees: its caption and proposal, then
    // the values typed and OK.
    struct Seen { std::string strCaption, strX, strY, strZ; };
    std::vector<Seen> seen;
    const auto answer = [&](const char* pszX, const char* pszY, const char* pszZ) {
        auto* pScript = new Script{"Coordinate #", [&seen, pszX, pszY, pszZ](HWND hItem) {
                                       char szCaption[64] = "";
                                       GetWindowTextA(hItem, szCaption, sizeof szCaption);
                                       seen.push_back({szCaption, ItemText(hItem, IDC_COORD_X),
                                                       ItemText(hItem, IDC_COORD_Y), ItemText(hItem, IDC_COORD_Z)});
                                       SetDlgItemTextA(hItem, IDC_COORD_X, pszX);
                                       SetDlgItemTextA(hItem, IDC_COORD_Y, pszY);
                                       SetDlgItemTextA(hItem, IDC_COORD_Z, pszZ);
                                       Click(hItem, IDOK);
                                   }};
        g_scripts.push_back(pScript);
        return std::unique_ptr<Script>(pScript);
    };
    std::vector<std::string> rowsAfterFirst;
    CGeometryFileDlg geometry(strPath.c_str(), nullptr);
    Drive(
        "Edit Geometry File:",
        [&](HWND hDialog) {
            HWND hPoints = GetDlgItem(hDialog, IDC_COORDINATES);
            // The first coordinate into the empty row.
            SendMessageA(hPoints, LB_SETCURSEL, 0, 0);
            auto first = answer("0", "0", "0");
            SendMessageA(hPoints, WM_LBUTTONDBLCLK, MK_LBUTTON, RowPoint(hPoints, 0));
            rowsAfterFirst = ListTexts(hPoints);
            // A double-click below the last row, with row 1 selected.
            SendMessageA(hPoints, LB_SETCURSEL, 0, 0);
            auto second = answer("5", "0", "1");
            SendMessageA(hPoints, WM_LBUTTONDBLCLK, MK_LBUTTON, RowPoint(hPoints, 1, 40));
            // Insert, then the header's New button.
            auto third = answer("10", "0", "2");
            SendMessageA(hPoints, WM_KEYDOWN, VK_INSERT, 0);
            HWND hHeader = FindWindowExA(hDialog, nullptr, nullptr, "Coordinate set");
            auto* pHeader = dynamic_cast<SECListBoxEditor*>(CWnd::FromHandlePermanent(hHeader));
            ASSERT_NE(nullptr, pHeader);
            const CPoint ptNew = pHeader->GetButtonRect(SECListBoxEditor::kNew).CenterPoint();
            auto fourth = answer("15", "0", "3");
            SendMessageA(hHeader, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptNew.x, ptNew.y));
            SendMessageA(hHeader, WM_LBUTTONUP, 0, MAKELPARAM(ptNew.x, ptNew.y));
            for (auto* pScript : {first.get(), second.get(), third.get(), fourth.get()})
                g_scripts.erase(std::remove(g_scripts.begin(), g_scripts.end(), pScript), g_scripts.end());
            Click(hDialog, IDOK);
        },
        [&] { return static_cast<int>(geometry.DoModal()); });

    ASSERT_EQ(2u, rowsAfterFirst.size());
    EXPECT_EQ("", rowsAfterFirst[1]) << "an empty row for the next coordinate";
    ASSERT_EQ(4u, seen.size());
    EXPECT_EQ("Coordinate #1", seen[0].strCaption);
    EXPECT_EQ("Coordinate #2", seen[1].strCaption) << "below the rows is a new row, not row 1";
    EXPECT_EQ("Coordinate #3", seen[2].strCaption);
    EXPECT_EQ(10.0, atof(seen[2].strX.c_str())) << "in line with the two rows before";
    EXPECT_EQ(2.0, atof(seen[2].strZ.c_str()));
    EXPECT_EQ("Coordinate #4", seen[3].strCaption);
    EXPECT_EQ(15.0, atof(seen[3].strX.c_str()));
    EXPECT_EQ("1\r\nLINE1\r\n1\t    0.00\t    0.00\t    0.00\r\n2\t    5.00\t    0.00\t    1.00\r\n"
              "3\t   10.00\t    0.00\t    2.00\r\n4\t   15.00\t    0.00\t    3.00\r\n",
              ReadFile(strPath));
}

namespace {

// Drops the list down as a user does: how many of its entries show at once.
int EntriesShownDropped(HWND hCombo)
{
    SendMessageA(hCombo, CB_SHOWDROPDOWN, TRUE, 0);
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    GetComboBoxInfo(hCombo, &info);
    RECT rcList = {};
    GetClientRect(info.hwndList, &rcList);
    const int nItem = static_cast<int>(SendMessageA(info.hwndList, LB_GETITEMHEIGHT, 0, 0));
    SendMessageA(hCombo, CB_SHOWDROPDOWN, FALSE, 0);
    return nItem > 0 ? rcList.bottom / nItem : 0;
}

} // namespace

TEST_F(DesignWindows, ArrayTypeListsShowEveryEntryWhenDropped)
{
    const std::string strFolder = TempFolder() + "lists\\";
    CreateDirectoryA(strFolder.c_str(), nullptr);
    std::ofstream(strFolder + "L.PV", std::ios::binary) << "5\r\nGEO1.XYZ\r\n1\t2\t3\t4\r\n";
    CPolyvectProtocolInfo info;
    info.SetFolder(strFolder.c_str());
    info.SetName("L");
    info.ReadHeader();
    CVikaCreateProtocolDlg create(nullptr, nullptr);
    CPolyvectProtocolDlg polyvect(&info, nullptr);
    const struct { const char* pszCaption; CDialog* pDialog; } dialogs[] = {
        {"Create Vika Protocol", &create},
        {" L", &polyvect},
    };
    for (const auto& d : dialogs) {
        int nCount = 0, nShown = 0;
        Drive(
            d.pszCaption,
            [&](HWND hDialog) {
                HWND hCombo = GetDlgItem(hDialog, IDC_ARRAY_TYPE);
                nCount = static_cast<int>(SendMessageA(hCombo, CB_GETCOUNT, 0, 0));
                nShown = EntriesShownDropped(hCombo);
                Click(hDialog, IDCANCEL);
            },
            [&] { return static_cast<int>(d.pDialog->DoModal()); });
        EXPECT_GT(nCount, 1) << d.pszCaption;
        EXPECT_GE(nShown, nCount) << d.pszCaption;
    }
}

TEST_F(DesignWindows, ANewChartWithNoProjectOpenOffersNoProjectToAddItTo)
{
    int nChecked = -1;
    BOOL bEnabled = TRUE;
    Drive(
        "Create Vika Protocol",
        [&](HWND hDialog) {
            nChecked = static_cast<int>(IsDlgButtonChecked(hDialog, IDC_ADD_TO_PROJECT));
            bEnabled = IsWindowEnabled(GetDlgItem(hDialog, IDC_ADD_TO_PROJECT));
            Click(hDialog, IDCANCEL);
        },
        [&] { return theApp.GetTemplate(TEMPLATE_CHART)->OpenDocumentFile(nullptr) ? IDOK : IDCANCEL; });
    EXPECT_EQ(BST_UNCHECKED, nChecked);
    EXPECT_FALSE(bEnabled);
}

namespace {

// The room a text has in its control, and whether it may wrap.
bool TextRoom(HWND hControl, CRect& room, UINT& nFormat)
{
    char szClass[32] = "";
    GetClassNameA(hControl, szClass, sizeof szClass);
    const LONG nStyle = GetWindowLongA(hControl, GWL_STYLE);
    GetClientRect(hControl, &room);
    if (auto* pHeader = dynamic_cast<SECListBoxEditor*>(CWnd::FromHandlePermanent(hControl))) {
        for (int i = 0; i < SECListBoxEditor::kButtonCount; ++i) {
            const CRect rcButton = pHeader->GetButtonRect(i);
            if (!rcButton.IsRectEmpty() && rcButton.left < room.right)
                room.right = rcButton.left;
        }
        nFormat = DT_WORDBREAK;
        return true;
    }
    if (lstrcmpiA(szClass, "Static") == 0) {
        const LONG nType = nStyle & SS_TYPEMASK;
        if (nType != SS_LEFT && nType != SS_CENTER && nType != SS_RIGHT && nType != SS_LEFTNOWORDWRAP)
            return false;
        nFormat = nType == SS_LEFTNOWORDWRAP ? DT_SINGLELINE : DT_WORDBREAK;
        return true;
    }
    if (lstrcmpiA(szClass, "Button") != 0)
        return false;
    const LONG nType = nStyle & BS_TYPEMASK;
    if (nType == BS_GROUPBOX) {
        room.DeflateRect(8, 0);
    } else if (nType == BS_CHECKBOX || nType == BS_AUTOCHECKBOX || nType == BS_RADIOBUTTON ||
               nType == BS_AUTORADIOBUTTON || nType == BS_3STATE || nType == BS_AUTO3STATE) {
        room.left += GetSystemMetrics(SM_CXMENUCHECK) + 4;
    } else {
        room.DeflateRect(4, 0);
    }
    nFormat = (nStyle & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
    return true;
}

// The texts of the window's labels, buttons and list headings that do not
// fit their controls.
std::vector<std::string> CutOffTexts(HWND hWindow)
{
    std::vector<std::string> cut;
    for (HWND hChild = GetWindow(hWindow, GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT)) {
        char szText[256] = "";
        GetWindowTextA(hChild, szText, sizeof szText);
        CRect room;
        UINT nFormat = 0;
        if (!*szText || !IsWindowVisible(hChild) || !TextRoom(hChild, room, nFormat))
            continue;
        HDC hDC = GetDC(hChild);
        HGDIOBJ hOld = SelectObject(hDC, reinterpret_cast<HFONT>(SendMessageA(hChild, WM_GETFONT, 0, 0)));
        CRect needed(0, 0, room.Width(), 0);
        DrawTextA(hDC, szText, -1, &needed, DT_CALCRECT | nFormat);
        SelectObject(hDC, hOld);
        ReleaseDC(hChild, hDC);
        if (needed.Width() > room.Width() || needed.Height() > room.Height())
            cut.emplace_back(szText);
    }
    return cut;
}

} // namespace

TEST_F(DesignWindows, DesignDialogsShowTheirTextsWhole)
{
    const std::string strFolder = TempFolder() + "texts\\";
    CreateDirectoryA(strFolder.c_str(), nullptr);
    std::ofstream(strFolder + "T.PV", std::ios::binary) << "5\r\nGEO1.XYZ\r\n1\t2\t3\t4\r\n";
    std::ofstream(strFolder + "T.ORG", std::ios::binary) << "1\r\nADR1\t//Address File\r\n1\t4\t2\t3\r\n";
    CPolyvectProtocolInfo polyvectInfo;
    polyvectInfo.SetFolder(strFolder.c_str());
    polyvectInfo.SetName("T");
    polyvectInfo.ReadHeader();
    CVikaProtocolInfo vikaInfo;
    vikaInfo.SetFolder(strFolder.c_str());
    vikaInfo.SetName("T");
    vikaInfo.ReadHeader();
    const CString strSource = strFolder.c_str();

    CVikaCreateProtocolDlg create(nullptr, nullptr);
    CVikaAddressDlg address(nullptr, &strSource, nullptr);
    CGeometryFileDlg geometry((strFolder + "T.XYZ").c_str(), nullptr);
    CPolyvectProtocolDlg polyvect(&polyvectInfo, nullptr);
    CVikaProtocolDlg vika(&vikaInfo, ".ORG", nullptr);
    const struct { const char* pszCaption; CDialog* pDialog; } dialogs[] = {
        {"Create Vika Protocol", &create}, {"Vika Address File", &address},
        {"Edit Geometry File", &geometry}, {" T", &polyvect},
        {"Edit Vika Protocol", &vika},
    };
    for (const auto& d : dialogs) {
        std::vector<std::string> cut;
        Drive(
            d.pszCaption,
            [&](HWND hDialog) {
                cut = CutOffTexts(hDialog);
                if (d.pDialog == &create) {
                    // The spacing customisation it opens.
                    SelectComboText(hDialog, IDC_ARRAY_TYPE, "Wenner (A)");
                    Script customize{"Select Spacing Combinations", [&cut](HWND hCustomize) {
                                         for (const std::string& strText : CutOffTexts(hCustomize))
                                             cut.push_back(strText);
                                         Click(hCustomize, IDCANCEL);
                                     }};
                    g_scripts.push_back(&customize);
                    Click(hDialog, IDC_CUSTOMIZE);
                    EXPECT_TRUE(customize.bRan);
                }
                Click(hDialog, IDCANCEL);
            },
            [&] { return static_cast<int>(d.pDialog->DoModal()); });
        std::string strCut;
        for (const std::string& strText : cut)
            strCut += "\"" + strText + "\" ";
        EXPECT_TRUE(cut.empty()) << d.pszCaption << ": " << strCut;
    }
}

TEST_F(DesignWindows, TheRollAlongMovesAreLabelledBeforeTheirFields)
{
    const CString strSource = TempFolder().c_str();
    CVikaAddressDlg address(nullptr, &strSource, nullptr);
    Drive(
        "Vika Address File",
        [](HWND hDialog) {
            for (const auto& field : {std::make_pair("X-move:", IDC_XMOVE), std::make_pair("Y-move:", IDC_YMOVE)}) {
                HWND hLabel = FindWindowExA(hDialog, nullptr, "Static", field.first);
                ASSERT_NE(nullptr, hLabel) << field.first;
                RECT rcLabel = {}, rcField = {};
                GetWindowRect(hLabel, &rcLabel);
                GetWindowRect(GetDlgItem(hDialog, field.second), &rcField);
                EXPECT_LE(rcLabel.right, rcField.left) << field.first;
                EXPECT_LT(rcLabel.top, rcField.bottom) << field.first << " on the field's line";
                EXPECT_GT(rcLabel.bottom, rcField.top) << field.first << " on the field's line";
            }
            Click(hDialog, IDCANCEL);
        },
        [&] { return static_cast<int>(address.DoModal()); });
}

TEST_F(DesignWindows, TheProjectFormScrollsWhenSmallerThanItsFieldsAndNotOtherwise)
{
    auto* pDoc = dynamic_cast<CVikaDoc*>(theApp.GetTemplate(TEMPLATE_VIKA)->OpenDocumentFile(nullptr));
    ASSERT_NE(nullptr, pDoc);
    auto* pView = FirstView<CVikaViewport>(pDoc);
    ASSERT_NE(nullptr, pView);
    ShowProject(pView);
    CFrameWnd* pFrame = pView->GetParentFrame();
    for (int nBar : {SB_HORZ, SB_VERT}) {
        CScrollBar* pBar = pView->GetScrollBarCtrl(nBar);
        ASSERT_NE(nullptr, pBar);
        SCROLLBARINFO info = {};
        info.cbSize = sizeof info;
        GetScrollBarInfo(pBar->m_hWnd, OBJID_CLIENT, &info);
        EXPECT_TRUE(pBar->GetScrollLimit() == 0 || !pBar->IsWindowVisible())
            << nBar << ": nothing to scroll in a large window";
        EXPECT_TRUE((info.rgstate[0] & (STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_INVISIBLE)) != 0)
            << nBar << ": a bar with nothing to scroll is greyed or gone";
    }

    pFrame->SetWindowPos(nullptr, 0, 0, 220, 140, SWP_NOMOVE | SWP_NOZORDER);
    PumpMessages();
    const struct { int nBar; ScrollBarPart part; } presses[] = {
        {SB_HORZ, ScrollBarPart::ArrowOn}, {SB_HORZ, ScrollBarPart::TroughOn},
        {SB_VERT, ScrollBarPart::ArrowOn}, {SB_VERT, ScrollBarPart::Thumb},
    };
    int nPressed = 0;
    for (const auto& press : presses) {
        CScrollBar* pBar = pView->GetScrollBarCtrl(press.nBar);
        ASSERT_NE(nullptr, pBar);
        if (pBar->GetScrollLimit() <= pBar->GetScrollPos())
            continue;
        ++nPressed;
        CRect before, after;
        pView->GetListCtrl().GetWindowRect(&before);
        PressOnScrollBar(pBar->m_hWnd, press.part);
        PumpMessages();
        pView->GetListCtrl().GetWindowRect(&after);
        EXPECT_NE(press.nBar == SB_HORZ ? before.left : before.top, press.nBar == SB_HORZ ? after.left : after.top)
            << press.nBar << ": the form moves under its bar";
        EXPECT_EQ(pBar->GetScrollPos(), pView->GetDeviceScrollPosition().x * (press.nBar == SB_HORZ) +
                                            pView->GetDeviceScrollPosition().y * (press.nBar == SB_VERT));
    }
    EXPECT_GE(nPressed, 2) << "a small window has its form to scroll both ways";
    pDoc->OnCloseDocument();
}

TEST_F(DesignWindows, ProjectListHeadingsShowWhole)
{
    for (G7KTemplate nTemplate : {TEMPLATE_VIKA, TEMPLATE_POLYVECT}) {
        CDocument* pDoc = theApp.GetTemplate(nTemplate)->OpenDocumentFile(nullptr);
        ASSERT_NE(nullptr, pDoc);
        auto* pView = FirstView<CProtocolViewport>(pDoc);
        ASSERT_NE(nullptr, pView);
        ShowProject(pView);
        HWND hList = pView->GetListCtrl().m_hWnd;
        HWND hHeader = reinterpret_cast<HWND>(SendMessageA(hList, LVM_GETHEADER, 0, 0));
        HDC hDC = GetDC(hHeader);
        HGDIOBJ hOld = SelectObject(hDC, reinterpret_cast<HFONT>(SendMessageA(hHeader, WM_GETFONT, 0, 0)));
        const int nColumns = static_cast<int>(SendMessageA(hHeader, HDM_GETITEMCOUNT, 0, 0));
        for (int nColumn = 0; nColumn < nColumns; ++nColumn) {
            char szText[64] = "";
            LVCOLUMNA column = {};
            column.mask = LVCF_TEXT | LVCF_WIDTH;
            column.pszText = szText;
            column.cchTextMax = sizeof szText;
            SendMessageA(hList, LVM_GETCOLUMNA, nColumn, reinterpret_cast<LPARAM>(&column));
            SIZE extent = {};
            GetTextExtentPoint32A(hDC, szText, lstrlenA(szText), &extent);
            // The heading's margins: 6 pixels before it, 6 after.
            EXPECT_GE(column.cx, extent.cx + 12) << szText;
        }
        SelectObject(hDC, hOld);
        ReleaseDC(hHeader, hDC);
        pDoc->OnCloseDocument();
    }
}
