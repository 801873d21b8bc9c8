// The "Replace File" question: a file of that name is already there; "Yes"
// replaces it (IDYES), "No" keeps it (IDNO). Escape and the close box are
// "No" too, and so is Enter: the answer that changes nothing.
#pragma once

#include "framework/Framework.h"

class CConversionReplaceDlg : public CDialog
{
public:
    CConversionReplaceDlg(const CString& strFileName, const CString& strReplacePath, const CString& strWithPath,
                          CWnd* pParent = nullptr);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnYes();
    void OnNo();

    CString m_strFileName;
    CString m_strReplacePath;
    CString m_strWithPath;

    DECLARE_MESSAGE_MAP()
};
