#include "framework/Framework.h"
#include "framework/HelpViewer.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

CWinApp* g_pApp = nullptr;
HINSTANCE g_hInstResource = nullptr;
AFX_MESSAGEBOX_HOOK g_pfnMessageBoxHook = nullptr;

LPCTSTR DupString(LPCTSTR psz) { return psz != nullptr ? _strdup(psz) : nullptr; }

void FreeString(LPCTSTR& psz)
{
    free(const_cast<LPTSTR>(psz));
    psz = nullptr;
}

// Exceptions reported by the portable classes use the library's message box.
int ReportThroughMessageBox(LPCTSTR lpszText, UINT nType, UINT)
{
    return AfxMessageBox(lpszText, nType == 0 ? MB_OK | MB_ICONEXCLAMATION : nType);
}

} // namespace

// Command line -----------------------------------------------------------------

void CCommandLineInfo::ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast)
{
    if (bFlag)
        ParseParamFlag(pszParam);
    else
        ParseParamNotFlag(pszParam);
    ParseLast(bLast);
}

void CCommandLineInfo::ParseParamFlag(const char* pszParam)
{
    if (lstrcmpiA(pszParam, "pt") == 0)
        m_nShellCommand = FilePrintTo;
    else if (lstrcmpiA(pszParam, "p") == 0)
        m_nShellCommand = FilePrint;
    else if (lstrcmpiA(pszParam, "dde") == 0)
        m_nShellCommand = FileDDE;
    else if (lstrcmpiA(pszParam, "Embedding") == 0)
        m_bRunEmbedded = TRUE, m_bShowSplash = FALSE;
    else if (lstrcmpiA(pszParam, "Automation") == 0)
        m_bRunAutomated = TRUE, m_bShowSplash = FALSE;
    else if (lstrcmpiA(pszParam, "nologo") == 0)
        m_bShowSplash = FALSE;
}

void CCommandLineInfo::ParseParamNotFlag(const char* pszParam)
{
    if (m_strFileName.IsEmpty())
        m_strFileName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strPrinterName.IsEmpty())
        m_strPrinterName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strDriverName.IsEmpty())
        m_strDriverName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strPortName.IsEmpty())
        m_strPortName = pszParam;
}

void CCommandLineInfo::ParseLast(BOOL bLast)
{
    if (bLast && m_nShellCommand == FileNew && !m_strFileName.IsEmpty())
        m_nShellCommand = FileOpen;
}

// Recent files: the application's profile and the menu -------------------------

void CRecentFileList::ReadList()
{
    ReadList(AfxGetApp()->GetProfileStore());
}

void CRecentFileList::WriteList()
{
    WriteList(AfxGetApp()->GetProfileStore());
}

void CRecentFileList::UpdateMenu(CCmdUI* pCmdUI)
{
    CMenu* pMenu = pCmdUI->m_pMenu;
    if (pMenu == nullptr)
        return;
    if (m_strOriginal.IsEmpty())
        pMenu->GetMenuString(pCmdUI->m_nID, m_strOriginal, MF_BYCOMMAND);
    for (int i = 0; i < m_nSize; ++i)
        pMenu->DeleteMenu(pCmdUI->m_nID + i, MF_BYCOMMAND);

    if (m_arrNames.empty()) {
        pMenu->InsertMenu(pCmdUI->m_nIndex, MF_BYPOSITION | MF_STRING | MF_GRAYED, pCmdUI->m_nID,
                          m_strOriginal.IsEmpty() ? "Recent File" : (LPCTSTR)m_strOriginal);
        pCmdUI->m_bEnableChanged = TRUE;
        return;
    }
    for (int i = 0; i < (int)m_arrNames.size(); ++i) {
        CString text;
        text.Format("&%d %s", (i + 1) % 10, (LPCTSTR)m_arrNames[i]);
        pMenu->InsertMenu(pCmdUI->m_nIndex + i, MF_BYPOSITION | MF_STRING, pCmdUI->m_nID + i, text);
    }
    // The loop over the popup goes on after the inserted items.
    pCmdUI->m_nIndex += (UINT)m_arrNames.size() - 1;
    pCmdUI->m_nIndexMax = pMenu->GetMenuItemCount();
    pCmdUI->m_bEnableChanged = TRUE;
}

// The application ------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
    ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, OnOpenRecentFile)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, OnUpdateRecentFileMenu)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
END_MESSAGE_MAP()

CWinApp* AfxGetApp() { return g_pApp; }

CWnd* AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr ? pThread->GetMainWnd() : nullptr;
}

LPCTSTR AfxGetAppName() { return g_pApp != nullptr && g_pApp->m_pszAppName != nullptr ? g_pApp->m_pszAppName : ""; }

HINSTANCE AfxGetInstanceHandle()
{
    if (g_pApp != nullptr && g_pApp->m_hInstance != nullptr)
        return g_pApp->m_hInstance;
    return ::GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle() { return g_hInstResource != nullptr ? g_hInstResource : AfxGetInstanceHandle(); }

void AfxSetResourceHandle(HINSTANCE hInstResource) { g_hInstResource = hInstResource; }

HINSTANCE AfxFindResourceHandle(LPCTSTR, LPCTSTR) { return AfxGetResourceHandle(); }

CWinApp::CWinApp(LPCTSTR lpszAppName)
{
    if (g_pApp == nullptr)
        g_pApp = this;
    m_hInstance = ::GetModuleHandleA(nullptr);

    char exePath[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, exePath, MAX_PATH);
    CString exeName = exePath;
    int nSlash = exeName.ReverseFind('\\');
    if (nSlash >= 0)
        exeName = exeName.Mid(nSlash + 1);
    int nDot = exeName.ReverseFind('.');
    if (nDot > 0)
        exeName = exeName.Left(nDot);
    m_pszExeName = DupString(exeName);
    // The help file sits beside the program, under its name.
    CString helpPath = exePath;
    const int nPathDot = helpPath.ReverseFind('.');
    if (nPathDot > helpPath.ReverseFind('\\'))
        helpPath = helpPath.Left(nPathDot);
    m_pszHelpFilePath = DupString(helpPath + ".HLP");

    if (lpszAppName != nullptr) {
        m_pszAppName = DupString(lpszAppName);
    } else {
        char title[256] = {};
        if (::LoadStringA(m_hInstance, AFX_IDS_APP_TITLE, title, sizeof title) > 0)
            m_pszAppName = DupString(title);
        else
            m_pszAppName = DupString(exeName);
    }
    AfxSetReportErrorProc(ReportThroughMessageBox);
}

CWinApp::~CWinApp()
{
    delete m_pDocManager;
    m_pDocManager = nullptr;
    delete m_pRecentFileList;
    m_pRecentFileList = nullptr;
    if (m_hDevMode != nullptr)
        ::GlobalFree(m_hDevMode);
    if (m_hDevNames != nullptr)
        ::GlobalFree(m_hDevNames);
    FreeString(m_pszAppName);
    FreeString(m_pszRegistryKey);
    FreeString(m_pszProfileName);
    FreeString(m_pszExeName);
    FreeString(m_pszHelpFilePath);
    if (g_pApp == this)
        g_pApp = nullptr;
}

BOOL CWinApp::InitApplication() { return TRUE; }
BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance()
{
    SaveStdProfileSettings();
    return (int)m_msgCur.wParam;
}

int CWinApp::Run()
{
    if (m_pMainWnd == nullptr)
        ::PostQuitMessage(0);   // nothing to run for
    return CWinThread::Run();
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    if (lCount <= 0)
        CWinThread::OnIdle(lCount);
    else if (lCount == 1)
        CWinThread::OnIdle(lCount);
    return lCount < 1;
}

BOOL CWinApp::PreTranslateMessage(MSG* pMsg) { return CWinThread::PreTranslateMessage(pMsg); }

// Profile -------------------------------------------------------------------------

namespace {

// The settings in an .ini file beside the program: numbers are kept as text.
class CIniProfileStore : public CProfileStore
{
public:
    explicit CIniProfileStore(const CString& strPath) : m_strPath(strPath) {}

    CString GetString(LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszDefault) override
    {
        char buffer[4096];
        ::GetPrivateProfileStringA(pszSection, pszKey, pszDefault != nullptr ? pszDefault : "", buffer, sizeof buffer,
                                   m_strPath);
        return buffer;
    }
    BOOL WriteString(LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszValue) override
    {
        return ::WritePrivateProfileStringA(pszSection, pszKey, pszValue, m_strPath);
    }
    UINT GetInt(LPCTSTR pszSection, LPCTSTR pszKey, int nDefault) override
    {
        return ::GetPrivateProfileIntA(pszSection, pszKey, nDefault, m_strPath);
    }
    BOOL WriteInt(LPCTSTR pszSection, LPCTSTR pszKey, int nValue) override
    {
        CString text;
        text.Format("%d", nValue);
        return WriteString(pszSection, pszKey, text);
    }

private:
    CString m_strPath;
};

CString IniPath(LPCTSTR lpszProfileName)
{
    CString name = lpszProfileName != nullptr ? lpszProfileName : "";
    if (name.Find('.') < 0)
        name += ".INI";
    return name;
}

CNullProfileStore g_noProfile;

} // namespace

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    FreeString(m_pszRegistryKey);
    m_pszRegistryKey = DupString(lpszRegistryKey);
    FreeString(m_pszProfileName);
    m_pszProfileName = DupString(m_pszAppName);
    m_pRegistryProfile.reset();
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString key;
    key.LoadString(nIDRegistryKey);
    SetRegistryKey(key);
}

CRegistryProfileStore* CWinApp::RegistryProfile()
{
    if (m_pszRegistryKey == nullptr || m_pszProfileName == nullptr)
        return nullptr;
    if (!m_pRegistryProfile) {
        CString path;
        path.Format("Software\\%s\\%s", m_pszRegistryKey, m_pszProfileName);
        m_pRegistryProfile = std::make_unique<CRegistryProfileStore>(HKEY_CURRENT_USER, path);
    }
    return m_pRegistryProfile.get();
}

CProfileStore& CWinApp::GetProfileStore()
{
    if (m_pszRegistryKey != nullptr) {
        CRegistryProfileStore* pRegistry = RegistryProfile();
        return pRegistry != nullptr ? static_cast<CProfileStore&>(*pRegistry) : g_noProfile;
    }
    if (!m_pIniProfile)
        m_pIniProfile = std::make_unique<CIniProfileStore>(IniPath(m_pszProfileName ? m_pszProfileName : m_pszExeName));
    return *m_pIniProfile;
}

HKEY CWinApp::GetAppRegistryKey()
{
    CRegistryProfileStore* pRegistry = RegistryProfile();
    CRegKey key;
    if (pRegistry == nullptr || pRegistry->CreateAppKey(key) != ERROR_SUCCESS)
        return nullptr;
    return key.Detach();
}

HKEY CWinApp::GetSectionKey(LPCTSTR lpszSection)
{
    CRegistryProfileStore* pRegistry = RegistryProfile();
    CRegKey key;
    if (pRegistry == nullptr || pRegistry->CreateSectionKey(lpszSection, key) != ERROR_SUCCESS)
        return nullptr;
    return key.Detach();
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    return GetProfileStore().GetInt(lpszSection, lpszEntry, nDefault);
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    return GetProfileStore().WriteInt(lpszSection, lpszEntry, nValue);
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    return GetProfileStore().GetString(lpszSection, lpszEntry, lpszDefault);
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    return GetProfileStore().WriteString(lpszSection, lpszEntry, lpszValue);
}

BOOL CWinApp::GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, BYTE** ppData, UINT* pBytes)
{
    *ppData = nullptr;
    *pBytes = 0;
    std::vector<BYTE> data;
    if (m_pszRegistryKey == nullptr) {
        // Each byte is two letters 'A'+nibble, low nibble first.
        CString text = GetProfileString(lpszSection, lpszEntry);
        if (text.IsEmpty() || text.GetLength() % 2 != 0)
            return FALSE;
        for (int i = 0; i + 1 < text.GetLength(); i += 2)
            data.push_back((BYTE)(((text[i + 1] - 'A') << 4) | (text[i] - 'A')));
    } else {
        CRegistryProfileStore* pRegistry = RegistryProfile();
        if (pRegistry == nullptr || !pRegistry->GetBinary(lpszSection, lpszEntry, data))
            return FALSE;
    }
    *ppData = new BYTE[data.empty() ? 1 : data.size()];
    std::copy(data.begin(), data.end(), *ppData);
    *pBytes = (UINT)data.size();
    return TRUE;
}

BOOL CWinApp::WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    if (m_pszRegistryKey == nullptr) {
        CString text;
        for (UINT i = 0; i < nBytes; ++i) {
            text += (char)('A' + (pData[i] & 0x0F));
            text += (char)('A' + ((pData[i] >> 4) & 0x0F));
        }
        return WriteProfileString(lpszSection, lpszEntry, text);
    }
    CRegistryProfileStore* pRegistry = RegistryProfile();
    return pRegistry != nullptr && pRegistry->WriteBinary(lpszSection, lpszEntry, pData, nBytes);
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    if (nMaxMRU > 16)
        nMaxMRU = 16;
    delete m_pRecentFileList;
    m_pRecentFileList = nullptr;
    if (nMaxMRU != 0) {
        m_pRecentFileList = new CRecentFileList(0, "Recent File List", "File%d", (int)nMaxMRU);
        m_pRecentFileList->ReadList();
    }
    m_nNumPreviewPages = GetProfileInt("Settings", "PreviewPages", 0);
}

void CWinApp::SaveStdProfileSettings()
{
    if (m_pRecentFileList != nullptr)
        m_pRecentFileList->WriteList();
    if (m_nNumPreviewPages != 0)
        WriteProfileInt("Settings", "PreviewPages", (int)m_nNumPreviewPages);
}

void CWinApp::AddToRecentFileList(LPCTSTR lpszPathName)
{
    if (m_pRecentFileList != nullptr)
        m_pRecentFileList->Add(lpszPathName);
}

BOOL CWinApp::OnOpenRecentFile(UINT nID)
{
    if (m_pRecentFileList == nullptr)
        return FALSE;
    int nIndex = (int)(nID - ID_FILE_MRU_FILE1);
    if (nIndex < 0 || nIndex >= m_pRecentFileList->GetCount())
        return FALSE;
    CString path = (*m_pRecentFileList)[nIndex];
    if (OpenDocumentFile(path) == nullptr)
        m_pRecentFileList->Remove(nIndex);   // gone: keep it off the list
    return TRUE;
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI)
{
    if (m_pRecentFileList == nullptr) {
        pCmdUI->Enable(FALSE);
        return;
    }
    m_pRecentFileList->UpdateMenu(pCmdUI);
}

// Documents --------------------------------------------------------------------

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (m_pDocManager == nullptr)
        m_pDocManager = new CDocManager;
    m_pDocManager->AddDocTemplate(pTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const
{
    return m_pDocManager != nullptr ? m_pDocManager->GetFirstDocTemplatePosition() : nullptr;
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& pos) const { return m_pDocManager->GetNextDocTemplate(pos); }

int CWinApp::GetOpenDocumentCount() { return m_pDocManager != nullptr ? m_pDocManager->GetOpenDocumentCount() : 0; }

CDocument* CWinApp::OpenDocumentFile(LPCTSTR lpszFileName)
{
    return m_pDocManager != nullptr ? m_pDocManager->OpenDocumentFile(lpszFileName) : nullptr;
}

BOOL CWinApp::SaveAllModified() { return m_pDocManager == nullptr || m_pDocManager->SaveAllModified(); }

void CWinApp::CloseAllDocuments(BOOL bEndSession)
{
    if (m_pDocManager != nullptr)
        m_pDocManager->CloseAllDocuments(bEndSession);
}

BOOL CWinApp::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                               CDocTemplate* pTemplate)
{
    if (m_pDocManager == nullptr)
        m_pDocManager = new CDocManager;
    return m_pDocManager->DoPromptFileName(fileName, nIDSTitle, lFlags, bOpenFileDialog, pTemplate);
}

void CWinApp::OnFileNew()
{
    if (m_pDocManager != nullptr)
        m_pDocManager->OnFileNew();
}

void CWinApp::OnFileOpen()
{
    if (m_pDocManager != nullptr)
        m_pDocManager->OnFileOpen();
}

void CWinApp::OnFilePrintSetup()
{
    CPrintDialog dlg(TRUE);
    dlg.DoModal();
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd != nullptr)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

namespace {

BOOL SystemHelpViewer(HWND hWnd, LPCTSTR lpszPath, UINT nCmd, DWORD_PTR dwData)
{
    return ::WinHelpA(hWnd, lpszPath, nCmd, dwData);
}

AfxHelpViewer g_helpViewer = SystemHelpViewer;

} // namespace

AfxHelpViewer AfxSetHelpViewer(AfxHelpViewer viewer)
{
    AfxHelpViewer previous = g_helpViewer;
    g_helpViewer = viewer != nullptr ? viewer : SystemHelpViewer;
    return previous;
}

// Every help command opens the program's help file at its contents.
void CWinApp::OnHelp() { WinHelp(0, HELP_FINDER); }
void CWinApp::OnHelpFinder() { WinHelp(0, HELP_FINDER); }
void CWinApp::OnHelpIndex() { WinHelp(0, HELP_FINDER); }
void CWinApp::OnContextHelp() {}

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    const CString path = m_pszHelpFilePath != nullptr ? m_pszHelpFilePath : "";
    CString message;
    const DWORD attributes = path.IsEmpty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        // Silence would look like a broken command.
        message.Format("No help is installed with this program.\n\nThe help file was not found:\n%s",
                       static_cast<LPCTSTR>(path));
        AfxMessageBox(message, MB_OK | MB_ICONINFORMATION);
        return;
    }
    HWND hWnd = m_pMainWnd != nullptr ? m_pMainWnd->GetSafeHwnd() : nullptr;
    if (g_helpViewer(hWnd, path, nCmd, dwData))
        return;
    message.Format("The help file could not be opened:\n%s", static_cast<LPCTSTR>(path));
    AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
}



BOOL CWinApp::GetPrinterDeviceDefaults(PRINTDLG* pPrintDlg)
{
    if (m_hDevNames == nullptr) {
        PRINTDLG pd = {};
        pd.lStructSize = sizeof pd;
        pd.Flags = PD_RETURNDEFAULT;
        if (!::PrintDlgA(&pd))
            return FALSE;
        m_hDevMode = pd.hDevMode;
        m_hDevNames = pd.hDevNames;
    }
    pPrintDlg->hDevMode = m_hDevMode;
    pPrintDlg->hDevNames = m_hDevNames;
    return TRUE;
}

// Shell ----------------------------------------------------------------------------

void CWinApp::EnableShellOpen() { m_bShellOpen = TRUE; }

static void SetClassesValue(LPCTSTR lpszKey, LPCTSTR lpszValueName, LPCTSTR lpszValue)
{
    CString path;
    path.Format("Software\\Classes\\%s", lpszKey);
    CRegKey key;
    if (key.Create(HKEY_CURRENT_USER, path, KEY_WRITE) == ERROR_SUCCESS)
        key.SetValue(lpszValueName, lpszValue);
}

void CWinApp::RegisterShellFileTypes(BOOL bCompat)
{
    // Per-user registration: it needs no administrator rights.
    char exePath[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, exePath, MAX_PATH);
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr) {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        CString ext, typeId, typeName;
        if (!pTemplate->GetDocString(typeId, CDocTemplate::regFileTypeId) || typeId.IsEmpty())
            continue;
        pTemplate->GetDocString(typeName, CDocTemplate::regFileTypeName);
        pTemplate->GetDocString(ext, CDocTemplate::filterExt);
        SetClassesValue(typeId, nullptr, typeName);
        CString command;
        command.Format("\"%s\" \"%%1\"", exePath);
        SetClassesValue(typeId + "\\shell\\open\\command", nullptr, command);
        CString icon;
        icon.Format("\"%s\",0", exePath);
        SetClassesValue(typeId + "\\DefaultIcon", nullptr, icon);
        if (bCompat) {
            command.Format("\"%s\" /p \"%%1\"", exePath);
            SetClassesValue(typeId + "\\shell\\print\\command", nullptr, command);
            command.Format("\"%s\" /pt \"%%1\" \"%%2\" \"%%3\" \"%%4\"", exePath);
            SetClassesValue(typeId + "\\shell\\printto\\command", nullptr, command);
        }
        if (!ext.IsEmpty() && ext[0] == '.')
            SetClassesValue(ext, nullptr, typeId);
    }
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    for (int i = 1; i < __argc; i++) {
        const char* pszParam = __argv[i];
        BOOL bFlag = FALSE;
        BOOL bLast = (i + 1 == __argc);
        if (pszParam[0] == '-' || pszParam[0] == '/') {
            bFlag = TRUE;
            ++pszParam;
        }
        rCmdInfo.ParseParam(pszParam, bFlag, bLast);
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    switch (rCmdInfo.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        if (!OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr, nullptr))
            OnFileNew();
        return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo: {
        if (OpenDocumentFile(rCmdInfo.m_strFileName) == nullptr)
            return FALSE;
        if (m_pMainWnd != nullptr)
            m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
        return FALSE;   // printed: the program ends
    }
    case CCommandLineInfo::FileDDE:
    case CCommandLineInfo::AppUnregister:
    case CCommandLineInfo::FileNothing:
    default:
        return TRUE;
    }
}

HICON CWinApp::LoadIcon(LPCTSTR lpszResourceName) const
{
    return ::LoadIconA(AfxFindResourceHandle(lpszResourceName, RT_GROUP_ICON), lpszResourceName);
}

HCURSOR CWinApp::LoadCursor(LPCTSTR lpszResourceName) const
{
    return ::LoadCursorA(AfxFindResourceHandle(lpszResourceName, RT_GROUP_CURSOR), lpszResourceName);
}

void CWinApp::DoWaitCursor(int nCode)
{
    m_nWaitCursorCount += nCode;
    if (m_nWaitCursorCount > 0) {
        HCURSOR hcurPrev = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
        if (nCode > 0 && m_nWaitCursorCount == 1)
            m_hcurWaitCursorRestore = hcurPrev;
    } else {
        m_nWaitCursorCount = 0;
        ::SetCursor(m_hcurWaitCursorRestore);
    }
}

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT)
{
    HWND hWndOwner = nullptr;
    if (CWnd* pMainWnd = AfxGetMainWnd()) {
        if (pMainWnd->m_hWnd != nullptr)
            hWndOwner = ::GetLastActivePopup(pMainWnd->m_hWnd);
    }
    if (hWndOwner == nullptr)
        hWndOwner = ::GetActiveWindow();
    if ((nType & MB_ICONMASK) == 0) {
        UINT nButtons = nType & MB_TYPEMASK;
        if (nButtons == MB_OK || nButtons == MB_OKCANCEL)
            nType |= MB_ICONEXCLAMATION;
        else if (nButtons == MB_YESNO || nButtons == MB_YESNOCANCEL)
            nType |= MB_ICONQUESTION;
    }
    int nResult = AfxShowMessageBox(hWndOwner, lpszPrompt, m_pszAppName, nType);
    if (m_nWaitCursorCount > 0)
        DoWaitCursor(0);   // the box changed the cursor: put the wait cursor back
    return nResult;
}

// Free functions --------------------------------------------------------------------

AFX_MESSAGEBOX_HOOK AfxSetMessageBoxHook(AFX_MESSAGEBOX_HOOK pfnHook)
{
    AFX_MESSAGEBOX_HOOK pfnOld = g_pfnMessageBoxHook;
    g_pfnMessageBoxHook = pfnHook;
    return pfnOld;
}

int AfxShowMessageBox(HWND hWndOwner, LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)
{
    if (g_pfnMessageBoxHook != nullptr)
        return g_pfnMessageBoxHook(hWndOwner, lpszText, lpszCaption, nType);
    return ::MessageBoxA(hWndOwner, lpszText, lpszCaption, nType);
}

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    if (CWinApp* pApp = AfxGetApp())
        return pApp->DoMessageBox(lpszText, nType, nIDHelp);
    return AfxShowMessageBox(::GetActiveWindow(), lpszText, "", nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString text;
    text.LoadString(nIDPrompt);
    return AfxMessageBox(text, nType, nIDHelp == (UINT)-1 ? nIDPrompt : nIDHelp);
}

static CString ReplaceArgs(CString text, LPCTSTR lpsz1, LPCTSTR lpsz2)
{
    CString result;
    for (int i = 0; i < text.GetLength(); ++i) {
        if (text[i] == '%' && i + 1 < text.GetLength() && (text[i + 1] == '1' || text[i + 1] == '2')) {
            LPCTSTR arg = text[i + 1] == '1' ? lpsz1 : lpsz2;
            result += arg != nullptr ? arg : "";
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

void AfxFormatString1(CString& rString, UINT nIDS, LPCTSTR lpsz1)
{
    CString text;
    text.LoadString(nIDS);
    rString = ReplaceArgs(text, lpsz1, nullptr);
}

void AfxFormatString2(CString& rString, UINT nIDS, LPCTSTR lpsz1, LPCTSTR lpsz2)
{
    CString text;
    text.LoadString(nIDS);
    rString = ReplaceArgs(text, lpsz1, lpsz2);
}

BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE, LPTSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr) {
        pApp->m_hInstance = hInstance;
        pApp->m_lpCmdLine = lpCmdLine;
        pApp->m_nCmdShow = nCmdShow;
    }
    INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES };
    ::InitCommonControlsEx(&icc);
    return TRUE;
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || !AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow))
        return -1;
    if (!pApp->InitApplication() || !pApp->InitInstance()) {
        // Leave at once: no message loop.
        if (pApp->m_pMainWnd != nullptr && pApp->m_pMainWnd->m_hWnd != nullptr)
            pApp->m_pMainWnd->DestroyWindow();
        return pApp->ExitInstance();
    }
    return pApp->Run();
}

BOOL AfxSocketInit(WSADATA* lpwsaData)
{
    WSADATA data;
    if (::WSAStartup(MAKEWORD(1, 1), lpwsaData != nullptr ? lpwsaData : &data) != 0)
        return FALSE;
    return TRUE;
}
