#include "framework/Framework.h"
#include "app/dialogs/NumericProgressDlg.h"

BEGIN_MESSAGE_MAP(CNumericProgressDlg, CDialog)
END_MESSAGE_MAP()

CNumericProgressDlg::CNumericProgressDlg(CWnd* pParent)
    : CDialog(IDD, pParent)
{
}

CNumericProgressDlg::~CNumericProgressDlg()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL CNumericProgressDlg::Create()
{
    return CDialog::Create(IDD, m_pParentWnd);
}

BOOL CNumericProgressDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_progress.SubclassDlgItem(IDC_NUMERIC_PROGRESS, this);
    m_progress.SetBarStyle((m_progress.GetBarStyle() & ~SEC_PROGRESS_PERCENT) | SEC_PROGRESS_CUSTOM_TEXT);
    return TRUE;
}

void CNumericProgressDlg::SetPos(int nPos, const CString& strText)
{
    if (!strText.IsEmpty())
        m_progress.SetText(strText);
    m_progress.SetPos(static_cast<DWORD>(nPos), TRUE);
}
