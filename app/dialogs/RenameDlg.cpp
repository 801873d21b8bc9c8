#include "framework/Framework.h"
#include "app/dialogs/RenameDlg.h"
#include "app/dialogs/FileTitleExchange.h"

BEGIN_MESSAGE_MAP(CRenameDlg, CDialog)
END_MESSAGE_MAP()

CRenameDlg::CRenameDlg(const CString& strName, CWnd* pParent)
    : CDialog(IDD, pParent)
    , m_strOldName(strName)
    , m_strNewName(strName)
{
}

void CRenameDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_OLD_NAME, m_strOldName);
    DDX_Text(pDX, IDC_NEW_NAME, m_strNewName);
    DDV_MaxChars(pDX, m_strNewName, MAX_NAME);
    DDV_FileTitle(pDX, m_strNewName);
}
