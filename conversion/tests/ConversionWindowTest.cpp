// A data conversion project under Wine: made from its template, data files
// added, converted by the stand-in converter with stamped outputs and logs,
// a failing converter reported, files renamed and removed, the options
// dialog's live command line, and a picture of the project window.
#include "framework/Framework.h"
#include "app/G7KWinApp.h"
#include "app/MainFrame.h"
#include "app/dialogs/ListPropertiesDlg.h"
#include "conversion/ConversionChildFrame.h"
#include "conversion/ConversionColumns.h"
#include "conversion/ConversionController.h"
#include "conversion/ConversionDialogHooks.h"
#include "conversion/ConversionDoc.h"
#include "conversion/ConversionOptionDlg.h"
#include "conversion/ConversionReplaceDlg.h"
#include "conversion/ConversionViewport.h"
#include "conversion/G7kHeader.h"
#include "res/ConversionRes.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

namespace {

class CTestApp : public CG7KWinApp
{
public:
    int DoMessageBox(LPCTSTR lpszPrompt, UINT, UINT) override
    {
        messages.push_back(lpszPrompt);
        return IDOK;
    }
    std::vector<std::string> messages;

protected:
    LPCTSTR GetRegistryKeyName() const override { return "G7K Conversion Tests"; }
};

CTestApp theApp;

// What the window asked of its dialogs.
struct DialogLog
{
    std::vector<std::string> boxes;
    std::vector<std::string> files;
    CString strRenameTo;
    std::vector<std::string> logStems;
    std::string strDialogTitle;
    std::string strDialogLine;
} g_log;

int RecordBox(CWnd*, LPCTSTR pszText, LPCTSTR, UINT)
{
    g_log.boxes.push_back(pszText);
    return IDYES;
}

bool GiveFiles(CWnd*, const CString&, CString& strEndFolder, CStringList& paths)
{
    for (const std::string& file : g_log.files)
        paths.AddTail(file.c_str());
    strEndFolder = "C:\\g7kc\\data\\";
    return true;
}

bool RenameTo(CWnd*, CString& strTitle)
{
    strTitle = g_log.strRenameTo;
    return true;
}

void RecordLogs(CWnd*, const CString& strStem, const CString&) { g_log.logStems.push_back(static_cast<LPCTSTR>(strStem)); }

// The real options dialog, made modeless and confirmed at once.
class CModelessPrompt : public IConversionOptionsPrompt
{
public:
    ~CModelessPrompt() override
    {
        if (m_pDialog && m_pDialog->GetSafeHwnd())
            m_pDialog->DestroyWindow();
    }
    bool Confirm(const CString& strOutputFolder) override
    {
        m_pDialog = std::make_unique<CConversionOptionDlg>(strOutputFolder, AfxGetMainWnd());
        if (!m_pDialog->Create(IDD_CONVERSION_OPTIONS, AfxGetMainWnd()))
            return false;
        CString strTitle, strLine;
        m_pDialog->GetWindowText(strTitle);
        m_pDialog->GetDlgItemText(IDC_CONV_COMMAND_LINE, strLine);
        g_log.strDialogTitle = static_cast<LPCTSTR>(strTitle);
        g_log.strDialogLine = static_cast<LPCTSTR>(strLine);
        m_pDialog->SendMessage(WM_COMMAND, IDOK, 0);
        return m_pDialog->m_nModalResult == IDOK;
    }
    CString BuildCommandLine(const CString& strListFile) override { return m_pDialog->BuildCommandLine(strListFile); }
    CString GetOutputExtension() override { return m_pDialog->GetOutputExtension(); }
    BOOL GetTimeStampOption() override { return m_pDialog->GetTimeStampOption(); }

private:
    std::unique_ptr<CConversionOptionDlg> m_pDialog;
};

std::unique_ptr<IConversionOptionsPrompt> MakePrompt(CWnd*) { return std::make_unique<CModelessPrompt>(); }

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

class CRecordingCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn = TRUE) override { nEnabled = bOn ? 1 : 0; m_bEnableChanged = TRUE; }
    int nEnabled = -1;
};

int CommandEnabled(CCmdTarget* pTarget, UINT nId)
{
    CRecordingCmdUI ui;
    ui.m_nID = nId;
    ui.DoUpdate(pTarget, FALSE);
    return ui.nEnabled;
}

// The window as the screen shows it, with the list drawn in by the list
// itself: under Xvfb the screen copy misses the rows of a list view.
bool SavePicture(CWnd* pWindow, CWnd* pList, const char* pszPath)
{
    CRect window, client;
    pWindow->GetWindowRect(&window);
    pList->GetClientRect(&client);
    pList->ClientToScreen(&client);
    HDC hScreen = ::GetDC(nullptr);
    HDC hMemory = CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = CreateCompatibleBitmap(hScreen, window.Width(), window.Height());
    HGDIOBJ hOld = SelectObject(hMemory, hBitmap);
    BitBlt(hMemory, 0, 0, window.Width(), window.Height(), hScreen, window.left, window.top, SRCCOPY);
    SetViewportOrgEx(hMemory, client.left - window.left, client.top - window.top, nullptr);
    IntersectClipRect(hMemory, 0, 0, client.Width(), client.Height());
    pList->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(hMemory), PRF_CLIENT | PRF_ERASEBKGND);
    if (HWND hHeader = reinterpret_cast<HWND>(pList->SendMessage(LVM_GETHEADER))) {
        CRect header;
        ::GetWindowRect(hHeader, &header);
        SelectClipRgn(hMemory, nullptr);
        SetViewportOrgEx(hMemory, header.left - window.left, header.top - window.top, nullptr);
        ::SendMessageA(hHeader, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(hMemory), PRF_CLIENT | PRF_ERASEBKGND);
    }
    SelectObject(hMemory, hOld);
    ::ReleaseDC(nullptr, hScreen);

    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = window.Width();
    info.biHeight = window.Height();
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const int nStride = ((window.Width() * 3 + 3) / 4) * 4;
    std::vector<BYTE> pixels(static_cast<size_t>(nStride) * window.Height());
    GetDIBits(hMemory, hBitmap, 0, window.Height(), pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);
    DeleteObject(hBitmap);
    DeleteDC(hMemory);
    BITMAPFILEHEADER header = {};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof header + sizeof info;
    header.bfSize = header.bfOffBits + static_cast<DWORD>(pixels.size());
    std::ofstream file(pszPath, std::ios::binary);
    file.write(reinterpret_cast<const char*>(&header), sizeof header);
    file.write(reinterpret_cast<const char*>(&info), sizeof info);
    file.write(reinterpret_cast<const char*>(pixels.data()), pixels.size());
    return file.good();
}

const char kRoot[] = "C:\\g7kc\\";

std::vector<std::string> FilesOf(const std::string& strFolder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA find;
    HANDLE hFind = FindFirstFileA((strFolder + "*").c_str(), &find);
    if (hFind == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(find.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(find.cFileName);
    } while (FindNextFileA(hFind, &find));
    FindClose(hFind);
    std::sort(names.begin(), names.end());
    return names;
}

std::string WindowText(CWnd* pWnd)
{
    CString strText;
    pWnd->GetWindowText(strText);
    return static_cast<LPCTSTR>(strText);
}

int RowImage(CListCtrl& list, int nRow)
{
    LVITEMA item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = nRow;
    list.SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return item.iImage;
}

// The pixels of each image of the list's small-icon list.
std::vector<std::string> IconPictures(CListCtrl& list)
{
    std::vector<std::string> pictures;
    HIMAGELIST hImages = reinterpret_cast<HIMAGELIST>(list.SendMessage(LVM_GETIMAGELIST, LVSIL_SMALL));
    int cx = 0, cy = 0;
    if (!hImages || !ImageList_GetIconSize(hImages, &cx, &cy))
        return pictures;
    HDC hScreen = ::GetDC(nullptr);
    HDC hMemory = CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = CreateCompatibleBitmap(hScreen, cx, cy);
    HGDIOBJ hOld = SelectObject(hMemory, hBitmap);
    for (int i = 0; i < ImageList_GetImageCount(hImages); ++i) {
        PatBlt(hMemory, 0, 0, cx, cy, WHITENESS);
        ImageList_Draw(hImages, i, hMemory, 0, 0, ILD_NORMAL);
        std::string picture;
        for (int y = 0; y < cy; ++y)
            for (int x = 0; x < cx; ++x)
                picture += std::to_string(GetPixel(hMemory, x, y)) + ",";
        pictures.push_back(picture);
    }
    SelectObject(hMemory, hOld);
    DeleteObject(hBitmap);
    DeleteDC(hMemory);
    ::ReleaseDC(nullptr, hScreen);
    return pictures;
}

// A left click in the middle of a cell, as the mouse gives it.
void ClickCell(CListCtrl& list, int nRow, int nColumn)
{
    CRect cell(LVIR_BOUNDS, nColumn, 0, 0);
    list.SendMessage(LVM_GETSUBITEMRECT, nRow, reinterpret_cast<LPARAM>(&cell));
    const LPARAM at = MAKELPARAM(cell.CenterPoint().x, cell.CenterPoint().y);
    // The release waits in the queue: the list may track the mouse until it comes.
    list.PostMessage(WM_LBUTTONUP, 0, at);
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    PumpMessages();
}

// The sort arrow a column's header shows: "up", "down" or none.
std::string SortArrow(CListCtrl& list, int nColumn)
{
    HDITEMA item = {};
    item.mask = HDI_FORMAT;
    list.GetHeaderCtrl()->GetItem(nColumn, &item);
    return (item.fmt & HDF_SORTUP) ? "up" : (item.fmt & HDF_SORTDOWN) ? "down" : "";
}

void WriteDataFile(const std::string& path, WORD nVersion, DWORD dwRecords)
{
    G7kHeader header;
    header.nVersion = nVersion;
    header.dwRawTime = 3124166400u;
    header.nDataType = 2;
    header.nElectrodeSystem = 1;
    header.nArrayCode = 3;
    header.nChannels = 4;
    header.dwRecords = dwRecords;
    const std::vector<BYTE> bytes = MakeG7kFile(header, "1234567 0", 1, 2, 256);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

void EmptyFolder(const std::string& strFolder)
{
    for (const std::string& name : FilesOf(strFolder))
        DeleteFileA((strFolder + name).c_str());
}

class ConversionWindow : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPTSTR>(""), SW_SHOW));
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\G7K Conversion Tests");
        s_bStarted = theApp.InitInstance();
        theApp.m_pMainWnd->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        theApp.m_pMainWnd->SetActiveWindow();
        // Short paths keep the converter's line within its 127 characters.
        for (const char* pszFolder : {"", "data", "out", "temp"})
            CreateDirectoryA((std::string(kRoot) + pszFolder).c_str(), nullptr);
        SetEnvironmentVariableA("TMP", "C:\\g7kc\\temp");
        SetEnvironmentVariableA("TEMP", "C:\\g7kc\\temp");
        CopyStandInBesideTheTest();
    }
    static void TearDownTestSuite()
    {
        GetConversionDialogHooks() = DefaultConversionDialogHooks();
        if (theApp.m_pMainWnd)
            theApp.m_pMainWnd->DestroyWindow();
        theApp.ExitInstance();
    }
    // The program is found beside the program that starts it.
    static void CopyStandInBesideTheTest()
    {
        const char* pszBinary = getenv("G7K_BINARY_DIR");
        ASSERT_NE(nullptr, pszBinary);
        char szExe[MAX_PATH] = "";
        GetModuleFileNameA(nullptr, szExe, sizeof szExe);
        std::string strTarget = szExe;
        strTarget = strTarget.substr(0, strTarget.find_last_of('\\') + 1) + "D7IZUVI.exe";
        const std::string strSource = std::string("Z:") + pszBinary + "\\app\\D7IZUVI.exe";
        ASSERT_TRUE(CopyFileA(strSource.c_str(), strTarget.c_str(), FALSE)) << strSource;
    }
    void SetUp() override
    {
        ASSERT_TRUE(s_bStarted);
        g_log = DialogLog();
        theApp.messages.clear();
        ConversionDialogHooks& hooks = GetConversionDialogHooks();
        hooks.pfnMessageBox = RecordBox;
        hooks.pfnChooseDataFiles = GiveFiles;
        hooks.pfnRename = RenameTo;
        hooks.pfnViewLogs = RecordLogs;
        hooks.pfnMakeOptionsPrompt = MakePrompt;
        for (const char* pszFolder : {"", "data\\", "out\\", "temp\\"})
            EmptyFolder(std::string(kRoot) + pszFolder);
    }

    static BOOL s_bStarted;
};

BOOL ConversionWindow::s_bStarted = FALSE;

} // namespace

// A saved project opens with its files read again; the picture of it.
TEST_F(ConversionWindow, ASavedProjectOpensWithItsFiles)
{
    const std::string data = std::string(kRoot) + "data\\";
    WriteDataFile(data + "LINE1.G7K", 14, 120);
    WriteDataFile(data + "LINE2.G7K", 16, 80);
    WriteDataFile(data + "LINE3.G7K", 5, 60);
    std::ofstream(data + "CUT.G7K", std::ios::binary) << "xx";
    const std::string project = std::string(kRoot) + "Season.dcv";
    {
        CConversionModel model;
        model.SetTargetFolder("C:\\g7kc\\out");
        for (const char* pszName : {"LINE1.G7K", "LINE2.G7K", "LINE3.G7K", "CUT.G7K", "GONE.G7K"})
            model.AddByFileName((data + pszName).c_str());
        CFile file(project.c_str(), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store);
        model.Serialize(ar);
    }
    auto* pDoc = dynamic_cast<CConversionDoc*>(theApp.OpenDocumentFile(project.c_str()));
    ASSERT_NE(nullptr, pDoc);
    POSITION pos = pDoc->GetFirstViewPosition();
    auto* pView = dynamic_cast<CConversionViewport*>(pDoc->GetNextView(pos));
    ASSERT_NE(nullptr, pView);
    CProtocolListCtrl& list = pView->GetListCtrl();
    EXPECT_EQ(5, list.GetItemCount());
    EXPECT_STREQ("5", pView->GetFileCountText());
    EXPECT_FALSE(pDoc->IsModified());
    // Said once, naming the files that cannot be read.
    ASSERT_EQ(1u, theApp.messages.size());
    EXPECT_NE(std::string::npos, theApp.messages[0].find(data + "CUT.G7K: empty or not a data file"))
        << theApp.messages[0];
    EXPECT_NE(std::string::npos, theApp.messages[0].find(data + "GONE.G7K: missing or cannot be opened"));
    EXPECT_EQ(std::string::npos, theApp.messages[0].find("LINE"));

    // Each row shows its own status icon, and the three icons differ.
    for (int i = 0; i < list.GetItemCount(); ++i) {
        const std::string strTitle = static_cast<LPCTSTR>(list.GetItemText(i, 0));
        EXPECT_EQ(strTitle == "GONE" ? 1 : strTitle == "CUT" ? 2 : 0, RowImage(list, i)) << strTitle;
    }
    const std::vector<std::string> icons = IconPictures(list);
    ASSERT_EQ(3u, icons.size());
    EXPECT_NE(icons[0], icons[1]);
    EXPECT_NE(icons[0], icons[2]);
    EXPECT_NE(icons[1], icons[2]);

    // A click in any cell of a row selects the row.
    ClickCell(list, 3, 4);
    EXPECT_EQ(1u, list.GetSelectedCount());
    EXPECT_EQ(3, list.GetNextItem(-1, LVNI_SELECTED));

    // A click on "No of Data" sorts by the shown product, a second one turns it.
    auto titles = [&] {
        std::string order;
        for (int i = 0; i < list.GetItemCount(); ++i)
            order += std::string(list.GetItemText(i, 0)) + " ";
        return order;
    };
    NMLISTVIEW click = {};
    click.hdr = {list.GetSafeHwnd(), IDC_PROJECT_LIST, static_cast<UINT>(LVN_COLUMNCLICK)};
    click.iItem = -1;
    click.iSubItem = 6;
    pView->SendMessage(WM_NOTIFY, IDC_PROJECT_LIST, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ("CUT GONE LINE3 LINE2 LINE1 ", titles());
    EXPECT_EQ("up", SortArrow(list, 6));
    EXPECT_EQ("", SortArrow(list, 0)) << "one arrow, on the sort column";
    pView->SendMessage(WM_NOTIFY, IDC_PROJECT_LIST, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ("LINE1 LINE2 LINE3 CUT GONE ", titles());
    EXPECT_EQ("down", SortArrow(list, 6));

    // The picture: status icons, the selected row across, the sort arrow.
    theApp.GetSplashWindow().Close();
    for (int i = 0; i < 10; ++i) {
        theApp.m_pMainWnd->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpMessages();
        Sleep(30);
    }
    const char* pszBinary = getenv("G7K_BINARY_DIR");
    const std::string strShot = (pszBinary && *pszBinary == '/' ? "Z:" + std::string(pszBinary) : std::string("."))
                                + "/conversion_window.bmp";
    EXPECT_TRUE(SavePicture(theApp.m_pMainWnd, &list, strShot.c_str()));
    pDoc->OnCloseDocument();
}

TEST_F(ConversionWindow, AProjectIsFilledConvertedRenamedAndRemoved)
{
    const std::string data = std::string(kRoot) + "data\\";
    WriteDataFile(data + "LINE1.G7K", 14, 120);
    WriteDataFile(data + "LINE2.G7K", 16, 80);
    WriteDataFile(data + "LINE3.G7K", 5, 60);
    std::ofstream(data + "BROKEN.G7K", std::ios::binary) << "xx";
    g_log.files = {data + "LINE1.G7K", data + "LINE2.G7K", data + "LINE3.G7K", data + "BROKEN.G7K", ""};

    auto* pDoc = dynamic_cast<CConversionDoc*>(theApp.GetTemplate(TEMPLATE_CONVERSION)->OpenDocumentFile(nullptr));
    ASSERT_NE(nullptr, pDoc);
    POSITION pos = pDoc->GetFirstViewPosition();
    auto* pView = dynamic_cast<CConversionViewport*>(pDoc->GetNextView(pos));
    ASSERT_NE(nullptr, pView);
    EXPECT_NE(nullptr, dynamic_cast<CConversionChildFrame*>(pView->GetParentFrame()));
    auto* pController = dynamic_cast<CConversionController*>(pView->GetController());
    ASSERT_NE(nullptr, pController);
    CConversionModel* pModel = pDoc->GetConversionModel();
    pModel->SetTargetFolder("C:\\g7kc\\out");
    EXPECT_EQ(1, CommandEnabled(pController, ID_CONV_ADD_FILES));
    EXPECT_EQ(0, CommandEnabled(theApp.m_pMainWnd, ID_DELETE_CONVERSION_PROJECT)) << "off while a project is open";
    EXPECT_EQ(0, CommandEnabled(pController, ID_CONV_SELECT_ALL)) << "an empty list";

    pView->SendMessage(WM_COMMAND, ID_CONV_ADD_FILES, 0);
    ASSERT_EQ(1u, theApp.messages.size());
    EXPECT_EQ("4 files added.\n0 files rejected.\n0 files replaced.\n\n1 data file(s) cannot be read; the list "
              "marks them:\n\nC:\\g7kc\\data\\BROKEN.G7K: empty or not a data file\n",
              theApp.messages[0]);
    CProtocolListCtrl& list = pView->GetListCtrl();
    ASSERT_EQ(4, list.GetItemCount());
    EXPECT_STREQ("4", pView->GetFileCountText());
    CString strCount;
    pView->GetDlgItemText(IDC_CONV_FILE_COUNT, strCount);
    EXPECT_STREQ("4", strCount);
    char szHeading[64] = "";
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT;
    column.pszText = szHeading;
    column.cchTextMax = sizeof szHeading;
    list.SendMessage(LVM_GETCOLUMNA, 5, reinterpret_cast<LPARAM>(&column));
    // The header shows "Date & Time": a single "&" would be taken as a mnemonic.
    EXPECT_STREQ("Date && Time", szHeading);
    EXPECT_TRUE(pDoc->IsModified());
    // The unsaved project is marked in its title; saved, the mark goes.
    CFrameWnd* pFrame = pView->GetParentFrame();
    PumpMessages();
    EXPECT_EQ(std::string(pDoc->GetTitle()) + " *", WindowText(pFrame));

    const std::string project = std::string(kRoot) + "Season.dcv";
    ASSERT_TRUE(pDoc->OnSaveDocument(project.c_str()));
    pDoc->SetPathName(project.c_str(), FALSE);
    PumpMessages();
    EXPECT_EQ(std::string(pDoc->GetTitle()), WindowText(pFrame));
    EXPECT_EQ(0, CommandEnabled(pController, ID_CONV_VIEW_LOG)) << "no log yet";

    // Convert everything: the options dialog shows its line, the stand-in
    // converts, the outputs and the project's log get the run's stamp.
    pView->SendMessage(WM_COMMAND, ID_CONV_SELECT_ALL, 0);
    EXPECT_EQ(4u, list.GetSelectedCount());
    // The unreadable file stays out: the converter would fail the run.
    for (int i = 0; i < list.GetItemCount(); ++i)
        if (pView->GetRowInfo(i)->GetStatusIcon() != 0)
            list.SetItemState(i, 0, LVIS_SELECTED);
    EXPECT_EQ(3u, list.GetSelectedCount());
    EXPECT_EQ(1, CommandEnabled(pController, ID_CONV_CONVERT));
    pView->SendMessage(WM_COMMAND, ID_CONV_CONVERT, 0);
    EXPECT_EQ("Data Conversion Dialog [Output to: C:\\g7kc\\out]", g_log.strDialogTitle);
    EXPECT_EQ("D7IZUVI -F:a -n  C:\\g7kc\\out", g_log.strDialogLine);
    const std::vector<std::string> outputs = FilesOf(std::string(kRoot) + "out\\");
    ASSERT_EQ(1u, theApp.messages.size()) << (theApp.messages.size() > 1 ? theApp.messages[1] : "");
    ASSERT_EQ(3u, outputs.size());
    EXPECT_EQ(0u, outputs[0].find("LINE1.20")) << outputs[0];
    EXPECT_EQ(".NMP", outputs[0].substr(outputs[0].size() - 4));
    std::vector<std::string> logs;
    for (const std::string& name : FilesOf(kRoot))
        if (name.find(".LOG") != std::string::npos)
            logs.push_back(name);
    ASSERT_EQ(1u, logs.size());
    EXPECT_EQ(0u, logs[0].find("Season.20"));
    ASSERT_EQ(1u, g_log.logStems.size()) << "the log viewer opens by itself";
    EXPECT_EQ(std::string(kRoot) + "Season", g_log.logStems[0]);
    EXPECT_EQ(1, CommandEnabled(pController, ID_CONV_VIEW_LOG));
    std::ofstream(std::string(kRoot) + "Season2.Log") << "another project's log";
    {
        CProjectLogViewerDlg viewer(g_log.logStems[0].c_str(), "View Log-file", pView);
        ASSERT_TRUE(viewer.Create(CTextViewerDlg::IDD, pView));
        ASSERT_EQ(1, viewer.GetFileList().GetCount()) << "this project's logs only";
        CString strShown;
        viewer.GetFileList().GetLBText(0, strShown);
        EXPECT_STREQ(logs[0].c_str(), strShown);
        EXPECT_GT(viewer.GetLineList()->GetCount(), 3) << "the log's lines";
        viewer.DestroyWindow();
    }
    DeleteFileA((std::string(kRoot) + "Season2.Log").c_str());
    EXPECT_TRUE(FilesOf(std::string(kRoot) + "temp\\").empty()) << "the list file is gone";

    // A converter that fails is reported with its status; nothing is stamped.
    SetEnvironmentVariableA("D7IZUVI_FAIL", "3");
    pView->SendMessage(WM_COMMAND, ID_CONV_CONVERT, 0);
    SetEnvironmentVariableA("D7IZUVI_FAIL", nullptr);
    ASSERT_EQ(2u, theApp.messages.size());
    EXPECT_NE(std::string::npos, theApp.messages[1].find("exit status 3")) << theApp.messages[1];
    EXPECT_EQ(1u, g_log.logStems.size());

    // Rename: a title the project holds is refused before anything moves.
    for (int i = 0; i < list.GetItemCount(); ++i)
        list.SetItemState(i, 0, LVIS_SELECTED);
    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    const CString strFirst = pView->GetRowInfo(0)->GetName();
    g_log.strRenameTo = strFirst == "LINE2" ? "LINE3" : "LINE2";
    EXPECT_EQ(1, CommandEnabled(pController, ID_CONV_RENAME_FILE));
    pView->SendMessage(WM_COMMAND, ID_CONV_RENAME_FILE, 0);
    ASSERT_EQ(1u, g_log.boxes.size());
    EXPECT_NE(std::string::npos, g_log.boxes[0].find("already holds")) << g_log.boxes[0];
    EXPECT_EQ(4u, FilesOf(data).size());

    g_log.strRenameTo = "PROFILE9";
    pView->SendMessage(WM_COMMAND, ID_CONV_RENAME_FILE, 0);
    EXPECT_EQ(1u, g_log.boxes.size());
    EXPECT_TRUE(GetFileAttributesA((data + "PROFILE9.G7K").c_str()) != INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(pModel->Contains("PROFILE9"));
    EXPECT_FALSE(pDoc->IsModified()) << "saved at once";

    // Remove the selected rows after the question.
    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    pView->SendMessage(WM_COMMAND, ID_CONV_REMOVE_FILES, 0);
    ASSERT_EQ(2u, g_log.boxes.size());
    EXPECT_EQ("Remove selected file(s)?", g_log.boxes[1]);
    EXPECT_EQ(2, list.GetItemCount());
    EXPECT_STREQ("2", pView->GetFileCountText());
    EXPECT_EQ(0, pModel->GetRemovedCount()) << "rows rebuilt, records gone";

    pDoc->OnCloseDocument();
}

// The dialog's controls follow the format; Cancel puts back every format.
TEST_F(ConversionWindow, OptionsDialogFollowsTheFormatAndCancelKeepsTheProfile)
{
    CConversionOptionDlg dialog("C:\\g7kc\\out\\", AfxGetMainWnd());
    ASSERT_TRUE(dialog.Create(IDD_CONVERSION_OPTIONS, AfxGetMainWnd()));
    auto* pFormat = static_cast<CComboBox*>(dialog.GetDlgItem(IDC_CONV_FORMAT));
    ASSERT_EQ(7, pFormat->GetCount());
    EXPECT_TRUE(dialog.GetDlgItem(IDC_CONV_IP_ALL)->IsWindowEnabled());
    EXPECT_FALSE(dialog.GetDlgItem(IDC_CONV_IP_NONE)->IsWindowEnabled());

    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CONV_FORMAT, CBN_SETFOCUS), (LPARAM)pFormat->GetSafeHwnd());
    pFormat->SetCurSel(3);
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CONV_FORMAT, CBN_SELCHANGE), (LPARAM)pFormat->GetSafeHwnd());
    for (UINT nId : {IDC_CONV_IP_NONE, IDC_CONV_IP_ALL, IDC_CONV_IP_SINGLE, IDC_CONV_IP_SUM})
        EXPECT_FALSE(dialog.GetDlgItem(nId)->IsWindowEnabled()) << nId;
    EXPECT_EQ(BST_CHECKED, dialog.IsDlgButtonChecked(IDC_CONV_IP_NONE));
    EXPECT_STREQ("D7IZUVI -F:x -n -R  C:\\g7kc\\out", dialog.GetCommandLineText());

    dialog.CheckDlgButton(IDC_CONV_UNCONDITIONAL, BST_CHECKED);
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CONV_UNCONDITIONAL, BN_CLICKED), 0);
    EXPECT_FALSE(dialog.GetDlgItem(IDC_CONV_CHANNEL2)->IsWindowEnabled());
    EXPECT_STREQ("D7IZUVI -F:x -u -R  C:\\g7kc\\out", dialog.GetCommandLineText());

    dialog.SendMessage(WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(IDCANCEL, dialog.m_nModalResult);
    CConversionOptions back;
    back.LoadProfile(GetHostServices().Profile(), true);
    EXPECT_EQ(0, back.nFormat) << "the format left through the combo is not kept after Cancel";
    dialog.DestroyWindow();
}

namespace {

// The options dialog with its message boxes recorded.
class CCheckedOptionDlg : public CConversionOptionDlg
{
public:
    using CConversionOptionDlg::CConversionOptionDlg;
    int ShowMessage(LPCTSTR pszText, LPCTSTR pszCaption, UINT) override
    {
        shown.push_back(std::string(pszCaption ? pszCaption : "") + "|" + pszText);
        return nAnswer;
    }
    std::vector<std::string> shown;
    int nAnswer = IDNO;
};

} // namespace

// OK checks what is enabled, asks before options that change the data, and
// keeps the dialog open for a refused value.
TEST_F(ConversionWindow, OptionsDialogChecksBeforeItCloses)
{
    CCheckedOptionDlg dialog("C:\\g7kc\\out", AfxGetMainWnd());
    ASSERT_TRUE(dialog.Create(IDD_CONVERSION_OPTIONS, AfxGetMainWnd()));
    // A wrong range that is switched off passes.
    dialog.SetDlgItemText(IDC_CONV_SAMPLE_FROM, "900");
    dialog.SetDlgItemText(IDC_CONV_SAMPLE_TO, "20");
    dialog.CheckDlgButton(IDC_CONV_REVERSE_SIGN, BST_CHECKED);
    dialog.SendMessage(WM_COMMAND, IDOK, 0);
    ASSERT_EQ(1u, dialog.shown.size());
    EXPECT_EQ("|\n1) All data will be multplied by -1.\n\nContinue?", dialog.shown[0]);
    EXPECT_NE(IDOK, dialog.m_nModalResult) << "No keeps the dialog open";

    dialog.nAnswer = IDYES;
    dialog.CheckDlgButton(IDC_CONV_SAMPLE_RANGE_ON, BST_CHECKED);
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CONV_SAMPLE_RANGE_ON, BN_CLICKED), 0);
    EXPECT_TRUE(dialog.GetDlgItem(IDC_CONV_SAMPLE_FROM)->IsWindowEnabled());
    dialog.SendMessage(WM_COMMAND, IDOK, 0);
    ASSERT_EQ(3u, dialog.shown.size());
    EXPECT_EQ("Validation Error!|Invalid sample range: [900,20]!", dialog.shown[2]);
    EXPECT_NE(IDOK, dialog.m_nModalResult);

    dialog.SetDlgItemText(IDC_CONV_SAMPLE_TO, "2000");
    dialog.SendMessage(WM_COMMAND, IDOK, 0);
    EXPECT_EQ(IDOK, dialog.m_nModalResult);
    EXPECT_STREQ("D7IZUVI -F:a -N -n -k:900,2000  C:\\g7kc\\out", dialog.BuildCommandLine(""));
    dialog.DestroyWindow();
}

namespace {

int g_nPromptsAsked = 0;

// An options dialog the user cancels.
class CCancelledPrompt : public IConversionOptionsPrompt
{
public:
    bool Confirm(const CString&) override
    {
        ++g_nPromptsAsked;
        return false;
    }
    CString BuildCommandLine(const CString&) override { return CString(); }
    CString GetOutputExtension() override { return CString(); }
    BOOL GetTimeStampOption() override { return FALSE; }
};

std::unique_ptr<IConversionOptionsPrompt> MakeCancelledPrompt(CWnd*) { return std::make_unique<CCancelledPrompt>(); }

bool PressKey(HWND hWnd, UINT nKey)
{
    MSG msg = {hWnd, WM_KEYDOWN, nKey, 1, 0, {0, 0}};
    return theApp.PreTranslateMessage(&msg) != FALSE;
}

} // namespace

// Ctrl+A and F8 reach the project's commands from its list.
TEST_F(ConversionWindow, AcceleratorsSelectAllAndConvert)
{
    const std::string data = std::string(kRoot) + "data\\";
    WriteDataFile(data + "LINE1.G7K", 14, 120);
    WriteDataFile(data + "LINE2.G7K", 14, 80);
    g_log.files = {data + "LINE1.G7K", data + "LINE2.G7K"};
    GetConversionDialogHooks().pfnMakeOptionsPrompt = MakeCancelledPrompt;
    auto* pDoc = dynamic_cast<CConversionDoc*>(theApp.GetTemplate(TEMPLATE_CONVERSION)->OpenDocumentFile(nullptr));
    ASSERT_NE(nullptr, pDoc);
    POSITION pos = pDoc->GetFirstViewPosition();
    auto* pView = dynamic_cast<CConversionViewport*>(pDoc->GetNextView(pos));
    pView->SendMessage(WM_COMMAND, ID_CONV_ADD_FILES, 0);
    CProtocolListCtrl& list = pView->GetListCtrl();
    ASSERT_EQ(2, list.GetItemCount());
    list.SetFocus();

    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    EXPECT_TRUE(PressKey(list.GetSafeHwnd(), 'A'));
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(2u, list.GetSelectedCount());

    g_nPromptsAsked = 0;
    EXPECT_TRUE(PressKey(list.GetSafeHwnd(), VK_F8));
    EXPECT_EQ(1, g_nPromptsAsked);
    pDoc->SetModifiedFlag(FALSE);
    pDoc->GetModel()->SetModifiedFlag(FALSE);
    pDoc->OnCloseDocument();
}

namespace {

// What the "Replace File" question showed, and the answer given to it.
struct ReplaceRun
{
    int nAnswer = IDYES;   // a button, or IDCANCEL for Escape
    bool bFound = false;
    std::string strExists, strReplace, strWith;
} g_replace;

void CALLBACK AnswerReplace(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    HWND hDlg = ::FindWindowA("#32770", "Replace File");
    if (hDlg == nullptr)
        return;   // not open yet: the timer comes again
    ::KillTimer(nullptr, nIDEvent);
    auto text = [hDlg](int nID) {
        char sz[512] = "";
        ::GetDlgItemTextA(hDlg, nID, sz, sizeof sz);
        return std::string(sz);
    };
    g_replace.bFound = true;
    g_replace.strExists = text(IDC_CONV_REPLACE_EXISTS);
    g_replace.strReplace = text(IDC_CONV_REPLACE_OLD);
    g_replace.strWith = text(IDC_CONV_REPLACE_NEW);
    if (g_replace.nAnswer == IDCANCEL)
        ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
    else
        ::SendMessageA(::GetDlgItem(hDlg, g_replace.nAnswer), BM_CLICK, 0, 0);
}

} // namespace

// The question names the file and both paths in upper case; Yes and No
// answer it, Escape is No.
TEST_F(ConversionWindow, ReplaceQuestionShowsTheFileAndAnswersYesOrNo)
{
    for (int nAnswer : {IDYES, IDNO, IDCANCEL}) {
        g_replace = ReplaceRun();
        g_replace.nAnswer = nAnswer;
        CConversionReplaceDlg dialog("Line1.g7k", "c:\\g7kc\\data\\Line1.g7k", "c:\\g7kc\\new & old\\line1.G7K",
                                     AfxGetMainWnd());
        const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 100, AnswerReplace);
        const INT_PTR nResult = dialog.DoModal();
        ::KillTimer(nullptr, nTimer);
        ASSERT_TRUE(g_replace.bFound) << nAnswer;
        EXPECT_EQ(nAnswer == IDYES ? IDYES : IDNO, nResult) << nAnswer;
    }
    EXPECT_EQ("File 'Line1.g7k' already exists.", g_replace.strExists);
    EXPECT_EQ("Replace:\tC:\\G7KC\\DATA\\LINE1.G7K", g_replace.strReplace);
    EXPECT_EQ("With:\t\tC:\\G7KC\\NEW & OLD\\LINE1.G7K", g_replace.strWith);
}

// Every column the chooser offers is readable whole in its list.
TEST_F(ConversionWindow, ColumnChooserShowsEveryDescriptionWhole)
{
    CConversionModel model;
    CListPropertiesDlg dialog(GetConversionColumnTable(), &model.GetColumnMap(), AfxGetMainWnd());
    ASSERT_TRUE(dialog.Create(IDD_LIST_PROPERTIES, AfxGetMainWnd()));
    int nShown = 0;
    for (int nId : {IDC_AVAILABLE_COLUMNS, IDC_SHOWN_COLUMNS}) {
        auto* pList = static_cast<CListBox*>(dialog.GetDlgItem(nId));
        CRect client;
        pList->GetClientRect(&client);
        CClientDC dc(pList);
        CFont* pOld = dc.SelectObject(pList->GetFont());
        for (int i = 0; i < pList->GetCount(); ++i, ++nShown) {
            CString strText;
            pList->GetText(i, strText);
            EXPECT_LE(dc.GetTextExtent(strText).cx, client.Width()) << strText;
        }
        dc.SelectObject(pOld);
    }
    EXPECT_EQ(kConversionColumnCount, nShown);
    dialog.DestroyWindow();
}

namespace {

// The folder the "Save As" dialog opened in; the dialog is cancelled.
std::string g_strSaveAsFolder;

void CALLBACK ReadSaveAsFolder(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    HWND hDlg = ::FindWindowA("#32770", "Save As");
    if (hDlg == nullptr)
        return;
    ::KillTimer(nullptr, nIDEvent);
    char szFolder[MAX_PATH] = "";
    ::SendMessageA(hDlg, CDM_GETFOLDERPATH, sizeof szFolder, reinterpret_cast<LPARAM>(szFolder));
    g_strSaveAsFolder = szFolder;
    ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
}

} // namespace

// Save As of a new project opens in the project folder, wherever another
// file dialog left the current directory.
TEST_F(ConversionWindow, SaveAsOfANewProjectStartsInTheProjectFolder)
{
    const std::string projects = std::string(kRoot) + "projects";
    CreateDirectoryA(projects.c_str(), nullptr);
    theApp.WriteProfileString("Folders", "WorkingDir", projects.c_str());
    SetCurrentDirectoryA((std::string(kRoot) + "data").c_str());
    auto* pDoc = dynamic_cast<CConversionDoc*>(theApp.GetTemplate(TEMPLATE_CONVERSION)->OpenDocumentFile(nullptr));
    ASSERT_NE(nullptr, pDoc);
    POSITION pos = pDoc->GetFirstViewPosition();
    CView* pView = pDoc->GetNextView(pos);
    g_strSaveAsFolder.clear();
    const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 100, ReadSaveAsFolder);
    pView->GetParentFrame()->SendMessage(WM_COMMAND, ID_FILE_SAVE_AS, 0);
    ::KillTimer(nullptr, nTimer);
    EXPECT_EQ(0, _stricmp(projects.c_str(), g_strSaveAsFolder.c_str())) << g_strSaveAsFolder;
    EXPECT_TRUE(pDoc->GetPathName().IsEmpty()) << "cancelled";
    pDoc->OnCloseDocument();
    theApp.WriteProfileString("Folders", "WorkingDir", nullptr);
}
