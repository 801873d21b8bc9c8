#include "framework/Framework.h"
#include "app/G7KWinApp.h"
#include "app/AboutDlg.h"
#include "app/G7KCommandLineInfo.h"
#include "app/MainFrame.h"
#include "app/SerialSettings.h"
#include "app/project/ChildFrame.h"
#include "app/project/FolderSettings.h"
#include "app/project/ProtocolDoc.h"
#include "app/project/ProtocolViewport.h"
#include "chart/VikaChartDoc.h"
#include "chart/VikaChartFrame.h"
#include "chart/VikaChartView.h"
#include "conversion/ConversionChildFrame.h"
#include "conversion/ConversionDoc.h"
#include "conversion/ConversionViewport.h"
#include "design/projects/PolyvectChildFrame.h"
#include "design/projects/PolyvectDoc.h"
#include "design/projects/PolyvectViewport.h"
#include "design/projects/VikaChildFrame.h"
#include "design/projects/VikaDoc.h"
#include "design/projects/VikaViewport.h"
#include "framework/OsFile.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CG7KWinApp, CWinApp)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
    ON_COMMAND(ID_FILE_NEW, CWinApp::OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, CWinApp::OnFileOpen)
END_MESSAGE_MAP()

CString LoadResString(UINT nId)
{
    CString str;
    if (!str.LoadString(nId))
        str.Empty();
    return str;
}

CG7KWinApp* GetG7KApp()
{
    return static_cast<CG7KWinApp*>(AfxGetApp());
}

CG7KWinApp::CG7KWinApp() = default;

namespace {

// The families whose own classes are not built yet (no classes given) use
// the project framework's generic document, frame and view with their own
// strings.
struct TemplateEntry {
    UINT nResource;
    G7KTemplate nIndex;
    CRuntimeClass* pDocClass;
    CRuntimeClass* pFrameClass;
    CRuntimeClass* pViewClass;
};
const TemplateEntry kTemplates[] = {
    {IDR_CONVERSION_TYPE, TEMPLATE_CONVERSION, RUNTIME_CLASS(CConversionDoc), RUNTIME_CLASS(CConversionChildFrame),
     RUNTIME_CLASS(CConversionViewport)},
    {IDR_VIKA_PROJECT_TYPE, TEMPLATE_VIKA, RUNTIME_CLASS(CVikaDoc), RUNTIME_CLASS(CVikaChildFrame),
     RUNTIME_CLASS(CVikaViewport)},
    {IDR_POLYVECT_PROJECT_TYPE, TEMPLATE_POLYVECT, RUNTIME_CLASS(CPolyvectDoc), RUNTIME_CLASS(CPolyvectChildFrame),
     RUNTIME_CLASS(CPolyvectViewport)},
    {IDR_VIKA_PROTOCOL_TYPE, TEMPLATE_CHART, RUNTIME_CLASS(CVikaChartDoc), RUNTIME_CLASS(CVikaChartFrame),
     RUNTIME_CLASS(CVikaChartView)},
};

} // namespace

CMainFrame* CG7KWinApp::CreateMainFrame()
{
    return new CMainFrame;
}

CMainFrame* CG7KWinApp::LoadMainFrame()
{
    CMainFrame* pMainFrame = CreateMainFrame();
    // A frame that fails to load has already deleted itself.
    if (!pMainFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE))
        return nullptr;
    return pMainFrame;
}

BOOL CG7KWinApp::InitInstance()
{
    if (!AfxSocketInit()) {
        AfxMessageBox(IDS_SOCKETS_INIT_FAILED);
        return FALSE;
    }
    Enable3dControlsStatic();

    SetRegistryKey(GetRegistryKeyName());
    InstallHostServices(&m_hostServices);
    LoadStdProfileSettings(10);
    LoadSerialSettings();

    for (const TemplateEntry& entry : kTemplates) {
        auto* pTemplate = new CMultiDocTemplate(
            entry.nResource, entry.pDocClass ? entry.pDocClass : RUNTIME_CLASS(CProtocolDoc),
            entry.pFrameClass ? entry.pFrameClass : RUNTIME_CLASS(CChildFrame),
            entry.pViewClass ? entry.pViewClass : RUNTIME_CLASS(CProtocolViewport));
        AddDocTemplate(pTemplate);
        m_pTemplates[entry.nIndex] = pTemplate;
    }

    CMainFrame* pMainFrame = LoadMainFrame();
    if (!pMainFrame)
        return FALSE;
    m_pMainWnd = pMainFrame;
    pMainFrame->UpdatePortPane(GetSerialPortIndex(), GetSerialBaudRate());
    pMainFrame->DragAcceptFiles();
    EnableShellOpen();
    RegisterShellFileTypes(TRUE);

    ShowSplash();

    CG7KCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (cmdInfo.m_nShellCommand == CCommandLineInfo::FileNew)
        cmdInfo.m_nShellCommand = CCommandLineInfo::FileNothing;
    if (!ProcessShellCommand(cmdInfo))
        return FALSE;

    pMainFrame->ShowWindow(m_nCmdShow);
    pMainFrame->UpdateWindow();

    const CString strWorkingDir = CFolderSettings::Read(GetProfileStore(), "WorkingDir", nullptr);
    if (!strWorkingDir.IsEmpty())
        OsFile::ChangeDirectory(strWorkingDir);
    return TRUE;
}

int CG7KWinApp::ExitInstance()
{
    SaveSerialSettings();
    InstallHostServices(nullptr);
    return CWinApp::ExitInstance();
}

void CG7KWinApp::ShowSplash()
{
    m_splash.Show();
    m_bSplashRaised = FALSE;
    m_dwStartTick = m_pfnTickCount();
}

// The splash's timer brings an idle pass every half second, so idle
// processing need not spin while the splash waits.
BOOL CG7KWinApp::OnIdle(LONG lCount)
{
    const BOOL bResult = CWinApp::OnIdle(lCount);
    if (!m_splash.Exists())
        return bResult;
    if (m_pfnTickCount() - m_dwStartTick > CSplashWindow::SHOW_MS) {
        m_splash.Close();
    } else if (!m_bSplashRaised) {
        // The main frame came up after it.
        m_splash.Raise();
        m_bSplashRaised = TRUE;
    }
    return bResult;
}

BOOL CG7KWinApp::PreTranslateMessage(MSG* pMsg)
{
    const BOOL bResult = CWinApp::PreTranslateMessage(pMsg);
    if (m_splash.Exists()) {
        switch (pMsg->message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
        case WM_NCMBUTTONDOWN:
            m_splash.Close();
            break;
        default:
            break;
        }
    }
    return bResult;
}

void CG7KWinApp::OnAppAbout()
{
    CAboutDlg dlg;
    dlg.DoModal();
}
