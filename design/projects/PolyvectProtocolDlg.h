// Edits one Polyvect protocol file: array type, geometry file and the
// command list. A failed save keeps the dialog open with the edits.
#pragma once

#include "framework/Framework.h"
#include "design/projects/PolyvectCmdListBox.h"

class CPolyvectProtocolInfo;

class CPolyvectProtocolDlg : public CDialog
{
public:
    CPolyvectProtocolDlg(CPolyvectProtocolInfo* pInfo, CWnd* pParent);

    BOOL OnInitDialog() override;
    CString GetFilePath() const;

protected:
    void OnOK() override;

    CComboBox m_cbGeometry;
    CComboBox m_cbArrayType;
    int m_nArrayType = -1;
    CString m_strGeometry;
    CPolyvectCmdListBox m_lbCommands;
    CPolyvectProtocolInfo* m_pInfo;
};
