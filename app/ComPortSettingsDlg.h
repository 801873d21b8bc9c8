// "Com Port Settings": the serial port and baud rate, picked from the same
// lists as the settings sheet's. OK stores them in the serial settings,
// shows them in the main frame's port pane and applies the rate to an open
// connection; the profile is written at program end.
#pragma once

#include "framework/Framework.h"
#include "res/SharedDialogsRes.h"

class CMainFrame;

class CComPortSettingsDlg : public CDialog
{
public:
    enum { IDD = IDD_COM_PORT_SETTINGS };

    // Starts from the stored serial settings.
    explicit CComPortSettingsDlg(CWnd* pParent = nullptr);

    CString m_strPort;
    CString m_strBaudRate;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

    DECLARE_MESSAGE_MAP()
};

// The main frame's COM-port settings command.
int RunComPortSettingsDialog(CMainFrame* pFrame);
