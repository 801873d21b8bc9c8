#include "framework/Framework.h"
#include "app/dialogs/StatusMessage.h"

BEGIN_MESSAGE_MAP(CStatusMessage, CDialog)
END_MESSAGE_MAP()

CStatusMessage::CStatusMessage(CWnd* pParent)
    : CDialog(IDD, pParent)
{
}

CStatusMessage::~CStatusMessage()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL CStatusMessage::Create()
{
    return CDialog::Create(IDD, m_pParentWnd);
}

BOOL CStatusMessage::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (CEdit* pEdit = GetEdit()) {
        pEdit->SetLimitText(0);
        pEdit->SetWindowText(m_strText);
    }
    return TRUE;
}

CEdit* CStatusMessage::GetEdit() const
{
    return static_cast<CEdit*>(GetDlgItem(IDC_STATUS_TEXT));
}

// Only the new text goes to the edit, so a long log costs no more to extend
// than a short one.
void CStatusMessage::AppendText(const CString& strText)
{
    m_strText += strText;
    CEdit* pEdit = GetSafeHwnd() ? GetEdit() : nullptr;
    if (!pEdit)
        return;
    const int nEnd = pEdit->GetWindowTextLength();
    pEdit->SetSel(nEnd, nEnd, TRUE);
    pEdit->ReplaceSel(strText);
    ScrollToEnd();
    ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
}

void CStatusMessage::SetText(const CString& strText)
{
    m_strText = strText;
    CEdit* pEdit = GetSafeHwnd() ? GetEdit() : nullptr;
    if (!pEdit)
        return;
    pEdit->SetWindowText(m_strText);
    ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
}

void CStatusMessage::ScrollToEnd()
{
    CEdit* pEdit = GetEdit();
    pEdit->LineScroll(pEdit->GetLineCount());
}
