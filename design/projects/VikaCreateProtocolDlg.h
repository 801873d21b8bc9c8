// Collects what a new Vika protocol needs (ID, array type, address,
// redundancy and geometry files, channels, the a and n ranges, layout and
// sections) and generates its section files, with progress and Cancel.
#pragma once

#include "framework/Framework.h"
#include "design/projects/ProtocolCreation.h"
#include "design/VikaProtocolSkipList.h"

class CProtocolModel;

class CVikaCreateProtocolDlg : public CDialog
{
public:
    CVikaCreateProtocolDlg(CProtocolModel* pModel, CWnd* pParent);

    BOOL OnInitDialog() override;
    const CString& GetTargetFolder() const { return m_strFolder; }
    const CVikaProtocolCreation& GetSettings() const { return m_settings; }
    CVikaProtocolSkipList& GetSkipList() { return m_skipList; }
    const ProtocolCreationResult& GetResult() const { return m_result; }

    // The group caption of a with the number of excluded pairs.
    static CString SpacingCaption(const CString& strCaption, int nExcluded);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnArrayTypeChanged();
    void UpdatePolePoleBox();
    void OnPolePoleClicked();
    void OnCustomize();
    BOOL CheckInput();
    void ReportResult();

    CProtocolModel* m_pModel;
    CString m_strFolder;
    CVikaProtocolCreation m_settings;
    CVikaProtocolSkipList m_skipList;
    CString m_strSpacingCaption;
    CString m_strLevelCaption;
    ProtocolCreationResult m_result;
    CComboBox m_cbArrayType;
    CComboBox m_cbAddress;
    CComboBox m_cbRedundancy;
    CComboBox m_cbGeometry;
    BOOL m_bInitialized = FALSE;

    DECLARE_MESSAGE_MAP()
};
