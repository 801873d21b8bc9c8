// The about box: program name, version and icon.
#pragma once

#include "framework/Framework.h"

class CAboutDlg : public CDialog
{
public:
    explicit CAboutDlg(CWnd* pParent = nullptr);

    CString m_strText;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};
