// Edits one coordinate row ("%4d:\tx\ty\tz") in three fields.
#pragma once

#include "framework/Framework.h"

class CCoordinateItemDlg : public CDialog
{
public:
    CCoordinateItemDlg(CString& strRow, CWnd* pParent);
    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

    CString& m_strRow;
    int m_nIndex = 0;
    double m_x = 0, m_y = 0, m_z = 0;
};
