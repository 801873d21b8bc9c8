// Edits one Polyvect command row: four electrodes or a cable command.
#pragma once

#include "framework/Framework.h"
#include "design/projects/ItemRows.h"

class CEditPolyvectCommandDlg : public CDialog
{
public:
    CEditPolyvectCommandDlg(CString& strRow, int nLine, CWnd* pParent);

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

    CString& m_strRow;
    PolyvectCommandRow m_row;
};
