#include "framework/Framework.h"
#include "app/project/ProtocolListBoxEditorLogic.h"

BOOL CProtocolListBoxEditorLogic::NewItem()
{
    const BOOL bResult = ListBoxEditorLogic::NewItem();
    m_bEditing = FALSE;
    m_bNewItem = FALSE;
    return bResult;
}

BOOL CProtocolListBoxEditorLogic::EditCurrentItem(UINT nChar)
{
    const BOOL bResult = ListBoxEditorLogic::EditCurrentItem(nChar);
    m_bEditing = FALSE;
    return bResult;
}

BOOL CProtocolListBoxEditorLogic::BeginEdit(int nIndex, BOOL, LPCTSTR)
{
    NotifySelChange();
    // Each edit starts from nothing, so a dialog that leaves no text does
    // not paste the previous row's.
    m_strEditedText.Empty();
    if (RunEditDialog(nIndex) == DIALOG_OK)
        ReplaceRowText(nIndex, m_strEditedText);
    RemoveEmptyRows();
    EnsureSelection();
    return TRUE;
}

void CProtocolListBoxEditorLogic::ReplaceRowText(int nIndex, const CString& strText)
{
    if (nIndex < 0 || nIndex >= m_pRows->GetCount())
        return;
    m_pRows->SetRedraw(FALSE);
    const DWORD_PTR dwData = m_pRows->GetItemData(nIndex);
    m_pRows->InsertString(nIndex, strText);
    m_pRows->SetItemData(nIndex, dwData);
    m_pRows->DeleteString(nIndex + 1);
    if (m_pRows->IsMultipleSelection())
        m_pRows->SetSel(nIndex, TRUE);
    else
        m_pRows->SetCurrent(nIndex);
    m_pRows->SetRedraw(TRUE);
}

void CProtocolListBoxEditorLogic::RemoveEmptyRows()
{
    for (int i = 0; i < m_pRows->GetCount();) {
        if (m_pRows->GetText(i).IsEmpty())
            m_pRows->DeleteString(i);
        else
            ++i;
    }
}
