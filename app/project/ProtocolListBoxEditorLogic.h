// The row rules of the editable lists whose rows are edited in a dialog of
// the family's own instead of in place (address, command and coordinate
// lists). The template puts them over either the plain row rules (tests) or
// the list-box window (CProtocolListBoxEditor).
#pragma once

#include "framework/Framework.h"
#include "mvc/controls/ListBoxEditorLogic.h"

template <class Base>
class CProtocolListBoxEditorT : public Base
{
public:
    // What RunEditDialog answers when the family has no dialog.
    static constexpr int NO_DIALOG = -1;
    static constexpr int DIALOG_OK = 1;

    // No selection change is posted when an edit begins.
    void NotifySelChange() override {}
    // The dialog has finished the edit when these return.
    BOOL NewItem() override
    {
        const BOOL bResult = Base::NewItem();
        this->m_bEditing = FALSE;
        this->m_bNewItem = FALSE;
        return bResult;
    }
    BOOL EditCurrentItem(UINT nChar) override
    {
        const BOOL bResult = Base::EditCurrentItem(nChar);
        this->m_bEditing = FALSE;
        return bResult;
    }

    virtual int Reserved() { return 0; }

    // Where the family's dialog leaves the row's new text on OK.
    CString m_strEditedText;

protected:
    BOOL BeginEdit(int nIndex, BOOL, LPCTSTR) override
    {
        NotifySelChange();
        // Each edit starts from nothing, so a dialog that leaves no text
        // does not paste the previous row's.
        m_strEditedText.Empty();
        const int nEnd = RunEditDialog(nIndex);
        if (nEnd == DIALOG_OK)
            ReplaceRowText(nIndex, m_strEditedText);
        RemoveEmptyRows();
        // The empty row for the next new item stays at the end; a family
        // without its dialog edits nothing, so it gets none.
        if (nEnd != NO_DIALOG)
            this->EnsureTrailingRow();
        this->EnsureSelection();
        return TRUE;
    }

    // Runs the family's dialog for the row; its end code or NO_DIALOG.
    virtual int RunEditDialog(int nIndex) { return NO_DIALOG; }

    void ReplaceRowText(int nIndex, const CString& strText)
    {
        IListBoxRows* pRows = this->m_pRows;
        if (nIndex < 0 || nIndex >= pRows->GetCount())
            return;
        pRows->SetRedraw(FALSE);
        const DWORD_PTR dwData = pRows->GetItemData(nIndex);
        pRows->InsertString(nIndex, strText);
        pRows->SetItemData(nIndex, dwData);
        pRows->DeleteString(nIndex + 1);
        if (pRows->IsMultipleSelection())
            pRows->SetSel(nIndex, TRUE);
        else
            pRows->SetCurrent(nIndex);
        pRows->SetRedraw(TRUE);
    }

    void RemoveEmptyRows()
    {
        IListBoxRows* pRows = this->m_pRows;
        for (int i = 0; i < pRows->GetCount();) {
            if (pRows->GetText(i).IsEmpty())
                pRows->DeleteString(i);
            else
                ++i;
        }
    }
};

// The rules on their own, as the native tests drive them.
typedef CProtocolListBoxEditorT<ListBoxEditorLogic> CProtocolListBoxEditorLogic;
