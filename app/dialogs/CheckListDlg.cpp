#include "framework/Framework.h"
#include "app/dialogs/CheckListDlg.h"
#include "framework/HostServices.h"

namespace {

const int kMaxPromptLength = 512;

} // namespace

BEGIN_MESSAGE_MAP(CCheckListDlg, CDialog)
    ON_BN_CLICKED(IDC_SET_ALL, OnSetAll)
    ON_BN_CLICKED(IDC_CLEAR_ALL, OnClearAll)
END_MESSAGE_MAP()

CCheckListDlg::CCheckListDlg(UINT nCount, BOOL* pChecks, const CString* pTexts, const CString& strPrompt,
                             const CString& strOkText, CWnd* pParent)
    : CDialog(IDD, pParent)
    , m_nCount(pChecks && pTexts ? nCount : 0)
    , m_pChecks(pChecks)
    , m_pTexts(pTexts)
    , m_strPrompt(strPrompt.Left(kMaxPromptLength))
    , m_strOkText(strOkText)
{
}

void CCheckListDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CHECK_LIST, m_list);
    DDX_Text(pDX, IDC_CHECK_PROMPT, m_strPrompt);
}

BOOL CCheckListDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_strOkText.IsEmpty())
        SetDlgItemText(IDOK, m_strOkText);
    {
        WaitCursorScope waitCursor;
        m_list.ResetContent();
        for (UINT i = 0; i < m_nCount; ++i) {
            const int nRow = m_list.AddString(m_pTexts[i]);
            m_list.SetCheck(nRow, m_pChecks[i] ? 1 : 0);
        }
    }
    m_list.SetTopIndex(0);
    return TRUE;
}

void CCheckListDlg::CheckAll(int nCheck)
{
    for (int i = 0; i < m_list.GetCount(); ++i)
        m_list.SetCheck(i, nCheck);
    m_list.Invalidate();
}

void CCheckListDlg::OnSetAll() { CheckAll(1); }
void CCheckListDlg::OnClearAll() { CheckAll(0); }

void CCheckListDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    for (UINT i = 0; i < m_nCount && static_cast<int>(i) < m_list.GetCount(); ++i)
        m_pChecks[i] = m_list.GetCheck(static_cast<int>(i)) != 0 ? TRUE : FALSE;
    EndDialog(IDOK);
}
