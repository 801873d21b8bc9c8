// Creates or edits one Vika address file: the layout header and the
// electrode entries, with a hint for the focused field and the selector
// pins of the chosen entry's relay address.
#pragma once

#include "framework/Framework.h"
#include "design/projects/VikaAdrListBox.h"
#include "design/VikaAddressFile.h"

class CVikaProtocolInfo;

class CVikaAddressDlg : public CDialog
{
public:
    CVikaAddressDlg(CVikaProtocolInfo* pInfo, const CString* pFolder, CWnd* pParent);

    BOOL OnInitDialog() override;
    const CString& GetPath() const { return m_strPath; }
    BOOL IsNewFile() const { return m_bNewFile; }
    CVikaAdrListBox& GetEntryList() { return m_lbEntries; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void UpdateMoveFields();
    void ShowHint(LPCTSTR pszHint);
    void OnCablesHint();
    void OnTakeoutsHint();
    void OnFactorHint();
    void OnXMoveHint();
    void OnYMoveHint();
    void OnElectrodesHint();
    void OnEntriesHint();
    void OnSelChangeEntries();
    void OnNameChanged();
    void OnLayoutUpdate();
    void OnGenerate();
    void OnGenerateDoubleClick() {}
    void CopyLayoutToList();
    AddressHeader CurrentLayout() const;

    CString m_strName;
    int m_nCables = 4;
    int m_nTakeouts = 21;
    int m_nFactor = 1;
    int m_nRollDirection = 0;
    int m_nXMove = 20;
    int m_nYMove = 0;
    int m_nElectrodes = 41;
    CString m_strHint;
    CString m_strFolder;
    CString m_strPath;
    BOOL m_bNewFile = FALSE;
    BOOL m_bInitialized = FALSE;
    CVikaProtocolInfo* m_pInfo;
    CVikaAddressFile m_file;
    CVikaAdrListBox m_lbEntries;

    DECLARE_MESSAGE_MAP()
};
