#include "framework/Framework.h"
#include "app/AboutDlg.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg(CWnd* pParent)
    : CDialog(IDD_ABOUTBOX, pParent)
{
}

void CAboutDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_ABOUT_TEXT, m_strText);
}
