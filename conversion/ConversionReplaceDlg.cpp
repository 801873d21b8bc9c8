#include "framework/Framework.h"
#include "conversion/ConversionReplaceDlg.h"
#include "conversion/ConversionReplace.h"
#include "res/ConversionRes.h"

BEGIN_MESSAGE_MAP(CConversionReplaceDlg, CDialog)
    ON_BN_CLICKED(IDYES, OnYes)
    ON_BN_CLICKED(IDNO, OnNo)
END_MESSAGE_MAP()

CConversionReplaceDlg::CConversionReplaceDlg(const CString& strFileName, const CString& strReplacePath,
                                             const CString& strWithPath, CWnd* pParent)
    : CDialog(IDD_CONVERSION_REPLACE, pParent)
    , m_strFileName(strFileName)
    , m_strReplacePath(strReplacePath)
    , m_strWithPath(strWithPath)
{
}

// The resource's texts are the patterns.
BOOL CConversionReplaceDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CConversionReplaceTexts patterns;
    GetDlgItemText(IDC_CONV_REPLACE_EXISTS, patterns.strExists);
    GetDlgItemText(IDC_CONV_REPLACE_OLD, patterns.strReplace);
    GetDlgItemText(IDC_CONV_REPLACE_NEW, patterns.strWith);
    const CConversionReplaceTexts texts = FillReplaceTexts(patterns, m_strFileName, m_strReplacePath, m_strWithPath);
    SetDlgItemText(IDC_CONV_REPLACE_EXISTS, texts.strExists);
    SetDlgItemText(IDC_CONV_REPLACE_OLD, texts.strReplace);
    SetDlgItemText(IDC_CONV_REPLACE_NEW, texts.strWith);
    return TRUE;
}

void CConversionReplaceDlg::OnYes() { EndDialog(IDYES); }
void CConversionReplaceDlg::OnNo() { EndDialog(IDNO); }
void CConversionReplaceDlg::OnOK() { OnNo(); }
void CConversionReplaceDlg::OnCancel() { OnNo(); }
