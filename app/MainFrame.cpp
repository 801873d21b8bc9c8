#include "framework/Framework.h"
#include "app/MainFrame.h"
#include "app/ComPortSettingsDlg.h"
#include "app/ApplicationHostServices.h"
#include "app/G7KCommandLineInfo.h"
#include "app/PropertiesSheet.h"
#include "app/project/DeleteCommands.h"
#include "app/project/FolderSettings.h"
#include "conversion/ConversionDoc.h"
#include "conversion/ConversionViewport.h"
#include "framework/HostServices.h"
#include "framework/OsFile.h"
#include "instrument/ImportDataDlg.h"
#include "instrument/InstrumentCommands.h"
#include "res/resource.h"
#include "res/ToolBarsRes.h"
#include "ui/frames/SECCustomToolBar.h"
#include "ui/frames/SECToolBarSheet.h"

#include <direct.h>

IMPLEMENT_DYNAMIC(CMainFrame, SECMDIFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, SECMDIFrameWnd)
    ON_WM_CREATE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_COMMAND(ID_IMPORT_DATA, OnImportData)
    ON_COMMAND(ID_COM_PORT_SETTINGS, OnComPortSettings)
    ON_COMMAND(ID_INSTALL_MODULES, OnInstallModules)
    ON_COMMAND(ID_REMOVE_MODULES, OnRemoveModules)
    ON_COMMAND(ID_CALIBRATION, OnCalibration)
    ON_COMMAND(ID_INSTALL_XYZ, OnInstallXyz)
    ON_COMMAND(ID_PROPERTIES, OnProperties)
    ON_COMMAND(ID_CUSTOMIZE, OnCustomize)
    ON_COMMAND(ID_VIEW_TOOLBAR, OnViewToolbar)
    ON_COMMAND(ID_DELETE_DROPDOWN, OnDeleteDropDown)
    ON_COMMAND(ID_HELP_FINDER, CMDIFrameWnd::OnHelpFinder)
    ON_COMMAND(ID_HELP, CMDIFrameWnd::OnHelp)
    ON_COMMAND(ID_CONTEXT_HELP, CMDIFrameWnd::OnContextHelp)
    ON_COMMAND(ID_DEFAULT_HELP, CMDIFrameWnd::OnHelpFinder)
    ON_COMMAND_RANGE(ID_DELETE_CONVERSION_PROJECT, ID_DELETE_VIKA_PROJECTS, OnDeleteCommand)
    ON_COMMAND_RANGE(ID_DELETE_VIKA_PROTOCOLS, ID_DELETE_VIKA_PROTOCOLS, OnDeleteCommand)
    ON_COMMAND_RANGE(ID_DELETE_VIKA_ADDRESS_FILES, ID_DELETE_POLYVECT_GEOMETRY, OnDeleteCommand)
    ON_UPDATE_COMMAND_UI(ID_APP_EXIT, OnUpdateTransferCommand)
    ON_UPDATE_COMMAND_UI(ID_IMPORT_DATA, OnUpdateTransferCommand)
    ON_UPDATE_COMMAND_UI(ID_INSTALL_MODULES, OnUpdateTransferCommand)
    ON_UPDATE_COMMAND_UI(ID_REMOVE_MODULES, OnUpdateTransferCommand)
    ON_UPDATE_COMMAND_UI(ID_COM_PORT_SETTINGS, OnUpdateTransferCommand)
    ON_UPDATE_COMMAND_UI(ID_CALIBRATION, OnUpdateTransferCommand)
    ON_UPDATE_COMMAND_UI(ID_INSTALL_XYZ, OnUpdateTransferCommand)
    ON_UPDATE_COMMAND_UI_RANGE(ID_DELETE_CONVERSION_PROJECT, ID_DELETE_VIKA_PROJECTS, OnUpdateDeleteCommand)
    ON_UPDATE_COMMAND_UI_RANGE(ID_DELETE_VIKA_PROTOCOLS, ID_DELETE_VIKA_PROTOCOLS, OnUpdateDeleteCommand)
    ON_UPDATE_COMMAND_UI_RANGE(ID_DELETE_VIKA_ADDRESS_FILES, ID_DELETE_POLYVECT_GEOMETRY, OnUpdateDeleteCommand)
END_MESSAGE_MAP()

namespace {

// Offers the data files an import brought to the conversion project open in
// the active child window, if there is one and the user wants them.
void OfferImportedFiles(CWnd* pFrame, const std::vector<std::string>& files, BOOL bAsk, BOOL bAutoAdd)
{
    auto* pMain = static_cast<CMainFrame*>(pFrame);
    CMDIChildWnd* pChild = pMain ? pMain->MDIGetActive() : nullptr;
    if (!pChild || !bAutoAdd || files.empty())
        return;
    CDocument* pDoc = pChild->GetActiveDocument();
    if (!pDoc || !pDoc->IsKindOf(RUNTIME_CLASS(CConversionDoc)))
        return;
    if (!bAsk || AfxMessageBox("Add imported files to current conversion project?", MB_YESNO | MB_ICONQUESTION) == IDYES) {
        CStringList paths;
        for (const std::string& file : files)
            paths.AddTail(CString(file.c_str()));
        static_cast<CConversionDoc*>(pDoc)->GetConversionModel()->AddFiles(&paths);
    }
    CView* pView = pChild->GetActiveView();
    if (pView && pView->IsKindOf(RUNTIME_CLASS(CConversionViewport)))
        static_cast<CConversionViewport*>(pView)->RefreshList();
}

} // namespace

CMainFrame::CMainFrame() : m_pToolBarMgr(std::make_unique<SECToolBarManager>(this))
{
    SetControlBarManager(m_pToolBarMgr.get());
}
CMainFrame::~CMainFrame() = default;

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (SECMDIFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    EnableCustomCaption(TRUE, TRUE);
    SetCaptionTextAlign(1, TRUE);
    if (!CreateStatusBar())
        return -1;
    g_pMainStatusBar = &m_wndStatusBar;
    EnableDocking(CBRS_ALIGN_ANY, 0);
    CreateToolBars();
    // The instrument dialogs' "&Settings" runs the port settings dialog.
    SetInstrumentServiceMode(g_bAdministratorMode);
    SetComPortSettingsHook([](CWnd*) { RunComPortSettingsDialog(static_cast<CMainFrame*>(AfxGetMainWnd())); });
    SetImportedFilesHook(OfferImportedFiles);
    return 0;
}

namespace {

const UINT kFileButtons[] = {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_DELETE_DROPDOWN, 0,
                             57608, 0, ID_PROPERTIES, 0, ID_APP_ABOUT};
const UINT kTransferButtons[] = {ID_IMPORT_DATA, ID_INSTALL_MODULES, ID_REMOVE_MODULES, 0, ID_CALIBRATION};

// The "Delete" button drops the delete menu, centred under it.
const SECBtnMapEntry kButtonMap[] = {
    {&SECStdBtn::classSECStdBtn, ID_FILE_NEW, 0, {0, 0, 0, 0, 0}},
    {&SECStdBtn::classSECStdBtn, ID_FILE_OPEN, 0, {0, 0, 0, 0, 0}},
    {&SECStdBtn::classSECStdBtn, ID_FILE_SAVE, 0, {0, 0, 0, 0, 0}},
    {&SECStdBtn::classSECStdBtn, 57608, 0, {0, 0, 0, 0, 0}},
    {&SECStdBtn::classSECStdBtn, ID_PROPERTIES, 0, {0, 0, 0, 0, 0}},
    {&SECStdBtn::classSECStdBtn, ID_APP_ABOUT, 0, {0, 0, 0, 0, 0}},
    {&SECStdMenuBtn::classSECStdMenuBtn, ID_DELETE_DROPDOWN, 0, {IDR_DELETE_MENU, 0, TPM_CENTERALIGN, 0, 0}},
    {nullptr, 0, 0, {0, 0, 0, 0, 0}},
};

} // namespace

// "File" and "Transfer" on the first start; afterwards the saved layout
// brings back the bars as the user left them.
void CMainFrame::CreateToolBars()
{
    SECToolBarManager& manager = *m_pToolBarMgr;
    manager.LoadToolBarResource(IDR_FILE_TOOLBAR, IDR_FILE_TOOLBAR);
    manager.LoadToolBarResource(IDR_TRANSFER_TOOLBAR, IDR_TRANSFER_TOOLBAR);
    manager.NoOpTrue();
    manager.DefineDefaultToolBar(AFX_IDW_TOOLBAR, "File", (UINT)(sizeof kFileButtons / sizeof kFileButtons[0]),
                                 kFileButtons, CBRS_ALIGN_ANY, AFX_IDW_DOCKBAR_TOP, 0, TRUE, TRUE);
    manager.DefineDefaultToolBar(AFX_IDW_TOOLBAR + 6, "Transfer",
                                 (UINT)(sizeof kTransferButtons / sizeof kTransferButtons[0]), kTransferButtons,
                                 CBRS_ALIGN_ANY, AFX_IDW_DOCKBAR_TOP, AFX_IDW_TOOLBAR, TRUE, TRUE);
    manager.SetButtonMap(kButtonMap);
    manager.EnableCoolLook(TRUE, 0x300);
    LoadBarState("CustomToolBars");
    manager.LoadState("CustomToolBars");
}

// Message pane, port pane, then the key indicators; the port pane is as
// wide as the longest text it shows.
BOOL CMainFrame::CreateStatusBar()
{
    static const UINT indicators[] = {ID_SEPARATOR, ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM,
                                      ID_INDICATOR_SCRL};
    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(indicators, (int)(sizeof indicators / sizeof indicators[0])))
        return FALSE;
    CClientDC dc(&m_wndStatusBar);
    CFont* pFont = m_wndStatusBar.GetFont();
    CFont* pOldFont = pFont != nullptr ? dc.SelectObject(pFont) : nullptr;
    CSize size = dc.GetTextExtent("Port=COM1: Baudrate=115200");
    if (pOldFont != nullptr)
        dc.SelectObject(pOldFont);
    UINT nID, nStyle;
    int cxWidth;
    m_wndStatusBar.GetPaneInfo(1, nID, nStyle, cxWidth);
    m_wndStatusBar.SetPaneInfo(1, nID, nStyle, size.cx);
    if (!m_strPortPane.IsEmpty())
        m_wndStatusBar.SetPaneText(1, m_strPortPane);
    return TRUE;
}

// Nothing may report progress to a status bar that is gone.
void CMainFrame::OnDestroy()
{
    if (g_pMainStatusBar == &m_wndStatusBar)
        g_pMainStatusBar = nullptr;
    SECMDIFrameWnd::OnDestroy();
}

void CMainFrame::OnClose()
{
    if (m_bBusy)
        return;
    SaveBarState("CustomToolBars");
    m_pToolBarMgr->SaveState("CustomToolBars");
    SECMDIFrameWnd::OnClose();
}

BOOL CMainFrame::CreateCaptionAppFont(CFont& font)
{
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return FALSE;
    metrics.lfCaptionFont.lfItalic = FALSE;
    return font.CreateFontIndirect(&metrics.lfCaptionFont);
}

// The text is kept for a status bar that does not exist yet.
void CMainFrame::UpdatePortPane(UINT nPortIndex, UINT nBaud)
{
    m_strPortPane.Format("Port=COM%u: Baudrate=%u", nPortIndex + 1, nBaud);
    if (m_wndStatusBar.m_hWnd != nullptr && m_wndStatusBar.GetPaneCount() > 1)
        m_wndStatusBar.SetPaneText(1, m_strPortPane, TRUE);
}

// The "Transfer" buttons follow the busy flag at once, not at the next idle time.
void CMainFrame::SetTransferToolbarState()
{
    if (m_hWnd == nullptr)
        return;
    for (SECCustomToolBar* pBar : m_pToolBarMgr->GetToolBars()) {
        pBar->OnUpdateCmdUI(this, TRUE);
        pBar->UpdateWindow();
    }
}

int CMainFrame::RunInstrumentDialog(UINT nCommand)
{
    if (nCommand == ID_COM_PORT_SETTINGS)
        return RunComPortSettingsDialog(this);
    const int nResult = RunInstrumentOperation(nCommand, this);
    if (nResult != -1)
        return nResult;
    AfxMessageBox("This instrument command is not available in this version.", MB_OK | MB_ICONINFORMATION);
    return IDCANCEL;
}

int CMainFrame::AskUser(const CString& strQuestion, UINT nType)
{
    return AfxMessageBox(strQuestion, nType);
}

void CMainFrame::RunInstrumentCommand(UINT nCommand, BOOL bTouchToolbar)
{
    if (!m_bBusy) {
        m_bBusy = TRUE;
        if (bTouchToolbar)
            SetTransferToolbarState();
        RunInstrumentDialog(nCommand);
        m_bBusy = FALSE;
    }
    if (bTouchToolbar)
        SetTransferToolbarState();
}

void CMainFrame::OnImportData() { RunInstrumentCommand(ID_IMPORT_DATA, TRUE); }
void CMainFrame::OnComPortSettings() { RunInstrumentCommand(ID_COM_PORT_SETTINGS, FALSE); }
void CMainFrame::OnInstallModules() { RunInstrumentCommand(ID_INSTALL_MODULES, TRUE); }
void CMainFrame::OnRemoveModules() { RunInstrumentCommand(ID_REMOVE_MODULES, TRUE); }
void CMainFrame::OnCalibration() { RunInstrumentCommand(ID_CALIBRATION, TRUE); }

void CMainFrame::OnInstallXyz()
{
    // The geometry files are picked from the Vika protocols folder; the
    // current directory comes back afterwards.
    OsFile::CurrentDirectoryScope keepDirectory;
    const CString strFolder =
        CFolderSettings::Read(GetHostServices().Profile(), "VikaProtocols",
                              CFolderSettings::Default(CFolderSettings::VikaProtocols));
    SetCurrentDirectoryA(strFolder);
    RunInstrumentCommand(ID_INSTALL_XYZ, TRUE);
}

void CMainFrame::OnProperties()
{
    RunPropertiesSheet(this);
}

// The "Customize" sheet offers the buttons of the default toolbars.
void CMainFrame::OnCustomize()
{
    SECToolBarSheet sheet(m_pToolBarMgr.get(), this);
    sheet.m_cmdPage.DefineBtnGroup("File", (UINT)(sizeof kFileButtons / sizeof kFileButtons[0]), kFileButtons);
    sheet.m_cmdPage.DefineBtnGroup("Transfer", (UINT)(sizeof kTransferButtons / sizeof kTransferButtons[0]),
                                   kTransferButtons);
    sheet.DoModal();
}

void CMainFrame::OnViewToolbar()
{
    if (m_pToolBarMgr->ExecViewToolBarsDlg() == IDC_SEC_CUSTOMIZE)
        OnCustomize();
}

void CMainFrame::OnDeleteDropDown() {}

void CMainFrame::OnUpdateTransferCommand(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_bBusy);
}

std::vector<CString> CMainFrame::ChooseFilesToDelete(const DeleteCommand& command)
{
    DWORD dwFlags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_FILEMUSTEXIST;
    if (command.bMultiple)
        dwFlags |= OFN_ALLOWMULTISELECT | OFN_EXPLORER;
    CFileDialog dlg(TRUE, command.pszDefaultExt, nullptr, dwFlags, command.pszFilter, this);
    std::vector<CString> paths;
    if (dlg.DoModal() != IDOK)
        return paths;
    if (!command.bMultiple) {
        paths.push_back(dlg.GetPathName());
        return paths;
    }
    for (POSITION pos = dlg.GetStartPosition(); pos != nullptr;) {
        CString strPath = dlg.GetNextPathName(pos);
        if (!strPath.IsEmpty())
            paths.push_back(strPath);
    }
    return paths;
}

void CMainFrame::OnDeleteCommand(UINT nId)
{
    const DeleteCommand* pCommand = FindDeleteCommand(nId);
    if (!pCommand)
        return;
    OsFile::CurrentDirectoryScope keepDirectory;
    if (pCommand->pszFolderKey) {
        const CString strFolder = CFolderSettings::Read(GetHostServices().Profile(), pCommand->pszFolderKey,
                                                        pCommand->pszDefaultFolder);
        SetCurrentDirectoryA(strFolder);
    }
    std::vector<CString> paths = ChooseFilesToDelete(*pCommand);
    if (paths.empty())
        return;
    if (AskUser(DeleteQuestion(*pCommand, paths), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    const std::vector<CString> failed = DeleteFilesWithCompanions(*pCommand, paths);
    if (!failed.empty()) {
        CString strMessage = "These files could not be deleted:\n";
        for (const CString& strPath : failed)
            strMessage += "\n" + strPath;
        AfxMessageBox(strMessage, MB_OK | MB_ICONEXCLAMATION);
    }
}

// A kind of file cannot be deleted from here while a document of that kind
// is open.
BOOL CMainFrame::IsDocumentKindOpen(LPCTSTR pszExtension) const
{
    CWinApp* pApp = AfxGetApp();
    for (POSITION posTemplate = pApp->GetFirstDocTemplatePosition(); posTemplate != nullptr;) {
        CDocTemplate* pTemplate = pApp->GetNextDocTemplate(posTemplate);
        CString strExtension;
        if (!pTemplate->GetDocString(strExtension, CDocTemplate::filterExt)
            || strExtension.CompareNoCase(pszExtension) != 0)
            continue;
        if (pTemplate->GetFirstDocPosition() != nullptr)
            return TRUE;
    }
    return FALSE;
}

void CMainFrame::OnUpdateDeleteCommand(CCmdUI* pCmdUI)
{
    LPCTSTR pszKind = ".vkp";
    switch (pCmdUI->m_nID) {
    case ID_DELETE_CONVERSION_PROJECT:
        pszKind = ".dcv";
        break;
    case ID_DELETE_POLYVECT_PROTOCOLS:
    case ID_DELETE_POLYVECT_PROJECTS:
    case ID_DELETE_POLYVECT_GEOMETRY:
        pszKind = ".pvp";
        break;
    default:
        break;
    }
    pCmdUI->Enable(!IsDocumentKindOpen(pszKind));
}
