// A day's data from the instrument to the interpretation formats, as a user
// does it under Wine against the instrument simulator (run-wine-e2e.sh):
// a conversion project open, Transfer > Import Data..., "Import All", the
// imported files added to the project, converted by the stand-in converter,
// and the converter's log shown.
#include "framework/Framework.h"
#include "app/G7KWinApp.h"
#include "conversion/ConversionDialogHooks.h"
#include "conversion/ConversionDoc.h"
#include "conversion/ConversionOptions.h"
#include "conversion/ConversionViewport.h"
#include "conversion/G7kHeader.h"
#include "instrument/SerialInterfaceInfo.h"
#include "res/ConversionRes.h"
#include "res/InstrumentRes.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// The user at the message boxes: keeps a running transfer going and says
// Yes to every question.
class CJourneyApp : public CG7KWinApp
{
public:
    int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT) override
    {
        messages.push_back(lpszPrompt);
        if (std::string(lpszPrompt) == "Abort job?")
            return IDNO;
        return (nType & MB_TYPEMASK) == MB_YESNO || (nType & MB_TYPEMASK) == MB_YESNOCANCEL ? IDYES : IDOK;
    }
    bool Shown(const std::string& strText) const
    {
        for (const std::string& message : messages)
            if (message == strText)
                return true;
        return false;
    }
    std::vector<std::string> messages;

protected:
    LPCTSTR GetRegistryKeyName() const override { return "G7K Conversion Journey"; }
};

CJourneyApp theApp;

std::string Env(const char* pszName)
{
    const char* pszValue = std::getenv(pszName);
    return pszValue ? pszValue : "";
}

std::string ReadBytes(const std::string& strPath)
{
    std::ifstream in(strPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string WriteDataFile(const std::string& strPath, WORD nDataType, WORD nChannels, DWORD dwRecords)
{
    G7kHeader header;
    header.nVersion = 16;
    header.dwRawTime = 3124166400u;
    header.nDataType = nDataType;
    header.nElectrodeSystem = 1;
    header.nArrayCode = 3;
    header.nChannels = nChannels;
    header.dwRecords = dwRecords;
    const std::vector<BYTE> bytes = MakeG7kFile(header, "1234567 0", 2, 3, 8 * nChannels * dwRecords);
    std::ofstream(strPath, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return std::string(bytes.begin(), bytes.end());
}

// The user in the import dialog: "Import All", "&Ok" of the finished
// transfer window, then "Close".
struct ImportUser
{
    enum Step { OPEN_DIALOG, TRANSFERRING, CLOSE } step = OPEN_DIALOG;
    bool bSawTransfer = false;
} g_user;

void CALLBACK DriveImport(HWND, UINT, UINT_PTR, DWORD)
{
    HWND hDialog = ::FindWindowA(nullptr, "Import data from Geovolt GVX7000/GVX2000 <S/N: 1234567>");
    HWND hTransfer = ::FindWindowA(nullptr, "Import Data (S/N: 1234567)");
    switch (g_user.step) {
    case ImportUser::OPEN_DIALOG:
        if (hDialog == nullptr)
            return;
        ::PostMessageA(hDialog, WM_COMMAND, MAKEWPARAM(IDC_IMPORT_ALL, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(hDialog, IDC_IMPORT_ALL)));
        g_user.step = ImportUser::TRANSFERRING;
        return;
    case ImportUser::TRANSFERRING:
        if (hTransfer != nullptr) {
            g_user.bSawTransfer = true;
            ::PostMessageA(hTransfer, WM_COMMAND, IDCANCEL, 0);  // "Abort job?" No, or "&Ok" at the end
            return;
        }
        if (g_user.bSawTransfer && hDialog != nullptr && ::IsWindowEnabled(::GetDlgItem(hDialog, IDC_IMPORT_ALL)))
            g_user.step = ImportUser::CLOSE;
        return;
    case ImportUser::CLOSE:
        if (hDialog != nullptr)
            ::PostMessageA(hDialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
}

// The options dialog accepted as it stands: the profile's options.
class CAcceptedOptions : public IConversionOptionsPrompt
{
public:
    bool Confirm(const CString& strOutputFolder) override
    {
        m_strFolder = strOutputFolder;
        m_options.LoadProfile(GetHostServices().Profile(), true);
        return true;
    }
    CString BuildCommandLine(const CString& strListFile) override
    {
        return m_options.BuildCommandLine(strListFile, m_strFolder);
    }
    CString GetOutputExtension() override { return m_options.GetOutputExtension(); }
    BOOL GetTimeStampOption() override { return FALSE; }

private:
    CConversionOptions m_options;
    CString m_strFolder;
};

std::unique_ptr<IConversionOptionsPrompt> AcceptOptions(CWnd*) { return std::make_unique<CAcceptedOptions>(); }

std::vector<std::string> g_shownLogs;
void RecordLogs(CWnd*, const CString& strStem, const CString&) { g_shownLogs.push_back(static_cast<LPCTSTR>(strStem)); }

class ConversionJourney : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (Env("G7K_SIM_PORT").empty())
            GTEST_SKIP() << "run through run-wine-e2e.sh";
        drive = Env("G7K_SIM_DRIVE") + "\\";
        pc = Env("G7K_SIM_PC") + "\\";
        ASSERT_TRUE(AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPTSTR>(""), SW_SHOW));
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\G7K Conversion Journey");
        ASSERT_TRUE(theApp.InitInstance());
        theApp.GetSplashWindow().Close();
        g_serialInterfaceInfo.SetPortIndex(std::atoi(Env("G7K_SIM_PORT").c_str()));
        g_serialInterfaceInfo.SetBaudRate(38400);
        for (const char* pszFolder : {"import", "out", "temp"})
            CreateDirectoryA((pc + pszFolder).c_str(), nullptr);
        SetEnvironmentVariableA("TMP", (pc + "temp").c_str());
        SetEnvironmentVariableA("TEMP", (pc + "temp").c_str());
        theApp.WriteProfileString("Folders", "ImportData", (pc + "import").c_str());
        theApp.WriteProfileInt("ImportData", "AutoAdd", 1);
        CopyConverterBesideTheTest();
        ConversionDialogHooks& hooks = GetConversionDialogHooks();
        hooks.pfnMakeOptionsPrompt = AcceptOptions;
        hooks.pfnViewLogs = RecordLogs;
    }
    void TearDown() override
    {
        GetConversionDialogHooks() = DefaultConversionDialogHooks();
        if (theApp.m_pMainWnd)
            theApp.m_pMainWnd->DestroyWindow();
        theApp.ExitInstance();
    }
    // The program finds the converter beside itself.
    static void CopyConverterBesideTheTest()
    {
        char szExe[MAX_PATH] = "";
        GetModuleFileNameA(nullptr, szExe, sizeof szExe);
        std::string strTarget = szExe;
        strTarget = strTarget.substr(0, strTarget.find_last_of('\\') + 1) + "D7IZUVI.exe";
        const std::string strSource = "Z:" + Env("G7K_BINARY_DIR") + "\\app\\D7IZUVI.exe";
        ASSERT_TRUE(CopyFileA(strSource.c_str(), strTarget.c_str(), FALSE)) << strSource;
    }

    std::string drive, pc;
};

} // namespace

TEST_F(ConversionJourney, ImportAllIntoTheOpenProjectThenConvertAndShowTheLog)
{
    CreateDirectoryA((drive + "DATA").c_str(), nullptr);
    for (const char* pszFolder : {"DATA\\SP", "DATA\\RES"})
        CreateDirectoryA((drive + pszFolder).c_str(), nullptr);
    const struct {
        const char* pszName;
        std::string strBytes;
    } files[] = {
        {"S001.G7K", WriteDataFile(drive + "DATA\\SP\\S001.G7K", 1, 1, 40)},
        {"R001.G7K", WriteDataFile(drive + "DATA\\RES\\R001.G7K", 2, 4, 120)},
        {"R002.G7K", WriteDataFile(drive + "DATA\\RES\\R002.G7K", 2, 2, 75)},
    };

    // A new conversion project, saved, open in front.
    auto* pDoc = dynamic_cast<CConversionDoc*>(theApp.GetTemplate(TEMPLATE_CONVERSION)->OpenDocumentFile(nullptr));
    ASSERT_NE(nullptr, pDoc);
    POSITION pos = pDoc->GetFirstViewPosition();
    auto* pView = dynamic_cast<CConversionViewport*>(pDoc->GetNextView(pos));
    ASSERT_NE(nullptr, pView);
    pDoc->GetConversionModel()->SetTargetFolder((pc + "out").c_str());
    const std::string project = pc + "Journey.dcv";
    ASSERT_TRUE(pDoc->OnSaveDocument(project.c_str()));
    pDoc->SetPathName(project.c_str(), FALSE);

    // Transfer > Import Data..., "Import All".
    g_user = ImportUser();
    const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 150, DriveImport);
    theApp.m_pMainWnd->SendMessage(WM_COMMAND, ID_IMPORT_DATA, 0);
    ::KillTimer(nullptr, nTimer);
    ASSERT_TRUE(g_user.bSawTransfer);
    for (const auto& file : files)
        EXPECT_TRUE(ReadBytes(pc + "import\\" + file.pszName) == file.strBytes) << file.pszName << " arrived whole";
    EXPECT_TRUE(theApp.Shown("Add imported files to current conversion project?"));
    EXPECT_TRUE(theApp.Shown("3 files added.\n0 files rejected.\n0 files replaced."));
    CProtocolListCtrl& list = pView->GetListCtrl();
    ASSERT_EQ(3, list.GetItemCount());
    for (int i = 0; i < list.GetItemCount(); ++i)
        EXPECT_EQ(0, pView->GetRowInfo(i)->GetStatusIcon()) << list.GetItemText(i, 0);

    // Select All, Convert: the stand-in converts each file; its log is shown.
    pView->SendMessage(WM_COMMAND, ID_CONV_SELECT_ALL, 0);
    g_shownLogs.clear();
    pView->SendMessage(WM_COMMAND, ID_CONV_CONVERT, 0);
    for (const char* pszTitle : {"S001", "R001", "R002"})
        EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((pc + "out\\" + pszTitle + ".NMP").c_str())) << pszTitle;
    ASSERT_EQ(1u, g_shownLogs.size()) << "the log viewer opens by itself";
    CProjectLogViewerDlg viewer(g_shownLogs[0].c_str(), "View Log-file", pView);
    ASSERT_TRUE(viewer.Create(CTextViewerDlg::IDD, pView));
    EXPECT_EQ(1, viewer.GetFileList().GetCount());
    EXPECT_GT(viewer.GetLineList()->GetCount(), 3) << "the log's lines";
    viewer.DestroyWindow();
    pDoc->OnCloseDocument();
}
