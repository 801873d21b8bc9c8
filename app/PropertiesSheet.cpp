#include "framework/Framework.h"
#include "app/PropertiesSheet.h"
#include "app/MainFrame.h"
#include "app/SerialSettings.h"
#include "app/dialogs/PortSettingsText.h"
#include "app/G7KCommandLineInfo.h"
#include "framework/HostServices.h"
#include "instrument/AdministratorPage.h"
#include "res/resource.h"

#include <direct.h>

BEGIN_MESSAGE_MAP(CDirectoriesPage, CPropertyPage)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CCommunicationPage, CPropertyPage)
END_MESSAGE_MAP()

const FolderSetting FOLDER_SETTINGS[6] = {
    {CFolderSettings::WorkingDir, &CDirectoriesPage::m_strWorkingDir},
    {CFolderSettings::ImportData, &CDirectoriesPage::m_strImportData},
    {CFolderSettings::ConversionOutput, &CDirectoriesPage::m_strConversionOutput},
    {CFolderSettings::Install, &CDirectoriesPage::m_strInstall},
    {CFolderSettings::VikaProtocols, &CDirectoriesPage::m_strVikaProtocols},
    {CFolderSettings::PolyvectProtocols, &CDirectoriesPage::m_strPolyvectProtocols},
};

const char* const CCommunicationPage::PORTS[] = {"COM1:", "COM2:", "COM3:", "COM4:", nullptr};
const char* const CCommunicationPage::BAUD_RATES[] = {"300", "600", "1200", "2400", "4800", "9600",
                                                      "19200", "38400", "57600", "115200", nullptr};

CDirectoriesPage::CDirectoriesPage()
    : CPropertyPage(IDD_FOLDERS_PAGE)
{
}

BOOL CDirectoriesPage::OnInitDialog()
{
    const BOOL bResult = CPropertyPage::OnInitDialog();
    static const UINT s_folderIds[6] = {IDC_WORKING_FOLDER, IDC_IMPORT_FOLDER, IDC_CONVERSION_FOLDER,
                                        IDC_INSTALL_FOLDER, IDC_VIKA_FOLDER, IDC_POLYVECT_FOLDER};
    for (int i = 0; i < 6; ++i) {
        m_browse[i].Initialize(s_folderIds[i], this);
        m_browse[i].SetDirSelectStyle(2);
    }
    return bResult;
}

void CDirectoriesPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_IMPORT_FOLDER, m_strImportData);
    DDX_Text(pDX, IDC_CONVERSION_FOLDER, m_strConversionOutput);
    DDX_Text(pDX, IDC_INSTALL_FOLDER, m_strInstall);
    DDX_Text(pDX, IDC_VIKA_FOLDER, m_strVikaProtocols);
    DDX_Text(pDX, IDC_POLYVECT_FOLDER, m_strPolyvectProtocols);
    DDX_Text(pDX, IDC_WORKING_FOLDER, m_strWorkingDir);
}

CCommunicationPage::CCommunicationPage()
    : CPropertyPage(IDD_COMMUNICATION_PAGE)
{
}

// A stored value the list lacks is added, so it shows and survives OK.
void FillSettingsCombo(CComboBox* pCombo, const char* const* ppszItems, const CString& strCurrent)
{
    if (!pCombo)
        return;
    pCombo->ResetContent();
    for (; *ppszItems; ++ppszItems)
        pCombo->AddString(*ppszItems);
    if (!strCurrent.IsEmpty() && pCombo->FindStringExact(-1, strCurrent) < 0)
        pCombo->AddString(strCurrent);
}

BOOL CCommunicationPage::OnInitDialog()
{
    FillSettingsCombo(static_cast<CComboBox*>(GetDlgItem(IDC_PORT)), PORTS, m_strPort);
    FillSettingsCombo(static_cast<CComboBox*>(GetDlgItem(IDC_BAUDRATE)), BAUD_RATES, m_strBaudRate);
    return CPropertyPage::OnInitDialog();
}

void CCommunicationPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_CBString(pDX, IDC_BAUDRATE, m_strBaudRate);
    DDX_CBString(pDX, IDC_PORT, m_strPort);
}

CPropertiesSheet::CPropertiesSheet(CWnd* pParent)
    : CPropertySheet("Properties", pParent, 0)
{
}

int RunPropertiesSheet(CMainFrame* pFrame)
{
    CProfileStore& profile = GetHostServices().Profile();
    CFolderSettings settings;
    settings.Load(profile);
    CPropertiesSheet sheet(pFrame);
    CDirectoriesPage folders;
    CCommunicationPage communication;
    for (const FolderSetting& setting : FOLDER_SETTINGS)
        folders.*setting.pField = settings[setting.folder];
    communication.m_strPort = PortText(GetSerialPortIndex());
    communication.m_strBaudRate = BaudRateText(GetSerialBaudRate());
    sheet.AddPage(&folders);
    sheet.AddPage(&communication);
    CAdministratorPage administrator;
    if (g_bAdministratorMode)
        sheet.AddPage(&administrator);

    const int nResult = static_cast<int>(sheet.DoModal());
    if (nResult != IDOK)
        return nResult;

    for (const FolderSetting& setting : FOLDER_SETTINGS)
        settings[setting.folder] = folders.*setting.pField;
    settings.Save(profile);
    // A text that names no port or rate keeps what was stored.
    const UINT nNewPort = PortIndexFromText(communication.m_strPort, GetSerialPortIndex());
    const UINT nNewBaud = BaudRateFromText(communication.m_strBaudRate, GetSerialBaudRate());
    SetSerialSettings(nNewPort, nNewBaud);
    ApplySerialBaudRate();
    if (pFrame)
        pFrame->UpdatePortPane(nNewPort, nNewBaud);
    if (!folders.m_strWorkingDir.IsEmpty())
        _chdir(folders.m_strWorkingDir);
    if (g_bAdministratorMode) {
        administrator.ApplyAll();
    }
    return nResult;
}
