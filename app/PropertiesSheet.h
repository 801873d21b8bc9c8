// The settings sheet: the working folders and the serial-port settings.
#pragma once

#include "framework/Framework.h"
#include "app/project/FolderSettings.h"
#include "mvc/controls/BrowseEdit.h"

class CMainFrame;

class CDirectoriesPage : public CPropertyPage
{
public:
    CDirectoriesPage();

    CString m_strImportData;
    CString m_strConversionOutput;
    CString m_strInstall;
    CString m_strVikaProtocols;
    CString m_strPolyvectProtocols;
    CString m_strWorkingDir;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    SECBrowseDirEdit m_browse[6];

    DECLARE_MESSAGE_MAP()
};

class CCommunicationPage : public CPropertyPage
{
public:
    CCommunicationPage();

    CString m_strBaudRate;
    CString m_strPort;

    static const char* const PORTS[];
    static const char* const BAUD_RATES[];

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};

class CPropertiesSheet : public CPropertySheet
{
public:
    explicit CPropertiesSheet(CWnd* pParent);
};

// The six folders of the page and the folder settings they show.
struct FolderSetting { CFolderSettings::Folder folder; CString CDirectoriesPage::*pField; };
extern const FolderSetting FOLDER_SETTINGS[6];

// Fills a port or baud list; a stored value the list lacks is added, so it
// shows and survives OK.
void FillSettingsCombo(CComboBox* pCombo, const char* const* ppszItems, const CString& strCurrent);

// The Properties command: fills the pages from the profile and the serial
// settings, runs the sheet and on OK stores and applies what was chosen.
// Returns the sheet's end code.
int RunPropertiesSheet(CMainFrame* pFrame);
