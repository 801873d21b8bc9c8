// Edits one Vika command row ("%4d:" and C1, C2 and the pairs it holds);
// a new row holds C1, C2 and a pair per channel from the remembered values.
#pragma once

#include "framework/Framework.h"
#include "design/projects/ItemRows.h"

class CEditVikaCommandDlg : public CDialog
{
public:
    CEditVikaCommandDlg(CString& strRow, int nChannels, int nMaxElectrode, int nLine, CWnd* pParent);

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

    CString& m_strRow;
    int m_nMaxElectrode;
    VikaCommandRow m_row;
};
