#include "framework/Framework.h"
#include "app/ComPortSettingsDlg.h"
#include "app/MainFrame.h"
#include "app/PropertiesSheet.h"
#include "app/SerialSettings.h"
#include "app/dialogs/PortSettingsText.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CComPortSettingsDlg, CDialog)
END_MESSAGE_MAP()

CComPortSettingsDlg::CComPortSettingsDlg(CWnd* pParent)
    : CDialog(IDD, pParent)
    , m_strPort(PortText(GetSerialPortIndex()))
    , m_strBaudRate(BaudRateText(GetSerialBaudRate()))
{
}

BOOL CComPortSettingsDlg::OnInitDialog()
{
    FillSettingsCombo(static_cast<CComboBox*>(GetDlgItem(IDC_PORT)), CCommunicationPage::PORTS, m_strPort);
    FillSettingsCombo(static_cast<CComboBox*>(GetDlgItem(IDC_BAUDRATE)), CCommunicationPage::BAUD_RATES,
                      m_strBaudRate);
    return CDialog::OnInitDialog();
}

void CComPortSettingsDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_CBString(pDX, IDC_PORT, m_strPort);
    DDX_CBString(pDX, IDC_BAUDRATE, m_strBaudRate);
}

void CComPortSettingsDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    const UINT nPort = PortIndexFromText(m_strPort, GetSerialPortIndex());
    const UINT nBaud = BaudRateFromText(m_strBaudRate, GetSerialBaudRate());
    SetSerialSettings(nPort, nBaud);
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(m_pParentWnd);
    if (!pFrame)
        pFrame = dynamic_cast<CMainFrame*>(AfxGetMainWnd());
    if (pFrame)
        pFrame->UpdatePortPane(nPort, nBaud);
    ApplySerialBaudRate();
    EndDialog(IDOK);
}

int RunComPortSettingsDialog(CMainFrame* pFrame)
{
    CComPortSettingsDlg dlg(pFrame);
    return dlg.DoModal();
}
