// The COM-port settings dialog: it shows the stored settings, stores and
// shows what is picked on OK, and opens from the main frame's command.
#include "framework/Framework.h"
#include "app/ComPortSettingsDlg.h"
#include "app/MainFrame.h"
#include "app/SerialSettings.h"
#include "app/dialogs/tests/ScriptedDialog.h"
#include "res/resource.h"

#include <gtest/gtest.h>

namespace {

void Choose(CDialog& dlg, int nId, const char* pszText)
{
    auto* pCombo = static_cast<CComboBox*>(dlg.GetDlgItem(nId));
    pCombo->SelectString(-1, pszText);
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(nId, CBN_SELCHANGE), (LPARAM)pCombo->GetSafeHwnd());
}

} // namespace

TEST(ComPortSettingsDlg, ShowsTheStoredSettingsAndStoresTheChoiceOnOk)
{
    CMainFrame frame;
    SetSerialSettings(2, 38400);
    CScripted<CComPortSettingsDlg> dlg(&frame);
    CString strPort, strBaud;
    int nPorts = 0;
    dlg.m_script = [&](CScripted<CComPortSettingsDlg>& d) {
        strPort = d.Text(IDC_PORT);
        strBaud = d.Text(IDC_BAUDRATE);
        nPorts = static_cast<CComboBox*>(d.GetDlgItem(IDC_PORT))->GetCount();
        Choose(d, IDC_PORT, "COM1:");
        Choose(d, IDC_BAUDRATE, "115200");
        d.Click(IDOK);
    };
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("COM3:", strPort);
    EXPECT_STREQ("38400", strBaud);
    EXPECT_EQ(4, nPorts);
    EXPECT_EQ(0u, GetSerialPortIndex());
    EXPECT_EQ(115200u, GetSerialBaudRate());
    EXPECT_STREQ("Port=COM1: Baudrate=115200", frame.GetPortPaneText());
}

TEST(ComPortSettingsDlg, ASettingOutsideTheListsSurvivesOkAndCancelChangesNothing)
{
    CMainFrame frame;
    SetSerialSettings(7, 230400);
    for (int nButton : {IDOK, IDCANCEL}) {
        CScripted<CComPortSettingsDlg> dlg(&frame);
        CString strPort;
        dlg.m_script = [&](CScripted<CComPortSettingsDlg>& d) {
            strPort = d.Text(IDC_PORT);
            if (nButton == IDCANCEL)
                Choose(d, IDC_PORT, "COM2:");
            d.Click(nButton);
        };
        EXPECT_EQ(nButton, dlg.DoModal());
        EXPECT_STREQ("COM8:", strPort);
        EXPECT_EQ(7u, GetSerialPortIndex());
        EXPECT_EQ(230400u, GetSerialBaudRate());
    }
}

namespace {

int g_nClosed = 0;

void CALLBACK CancelPortDialog(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    HWND hDialog = ::FindWindowA(nullptr, "Com Port Settings");
    if (!hDialog)
        return;
    ::KillTimer(nullptr, nTimer);
    ++g_nClosed;
    ::PostMessageA(hDialog, WM_COMMAND, IDCANCEL, 0);
}

} // namespace

TEST(ComPortSettingsDlg, OpensFromTheFramesCommand)
{
    CMainFrame frame;
    ::SetTimer(nullptr, 0, 50, CancelPortDialog);
    EXPECT_EQ(IDCANCEL, frame.RunInstrumentDialog(ID_COM_PORT_SETTINGS));
    EXPECT_EQ(1, g_nClosed);
}
