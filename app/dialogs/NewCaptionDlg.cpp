#include "framework/Framework.h"
#include "app/dialogs/NewCaptionDlg.h"
#include "app/dialogs/FileTitleExchange.h"

BEGIN_MESSAGE_MAP(CNewCaptionDlg, CDialog)
END_MESSAGE_MAP()

CNewCaptionDlg::CNewCaptionDlg(const CString& strTitle, CWnd* pParent)
    : CDialog(IDD, pParent)
    , m_strTitle(strTitle)
{
}

BOOL CNewCaptionDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(m_strTitle);
    return TRUE;
}

void CNewCaptionDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_CAPTION_TEXT, m_strCaption);
    DDV_MaxChars(pDX, m_strCaption, MAX_CAPTION);
    DDV_FileTitle(pDX, m_strCaption);
}
