// The row rules of the editable lists whose rows are edited in a dialog of
// the family's own instead of in place (address, command and coordinate
// lists). The window class puts the list box and the dialog around them.
#pragma once

#include "framework/Framework.h"
#include "mvc/controls/ListBoxEditorLogic.h"

class CProtocolListBoxEditorLogic : public ListBoxEditorLogic
{
public:
    // What RunEditDialog answers when the family has no dialog.
    static constexpr int NO_DIALOG = -1;
    static constexpr int DIALOG_OK = 1;

    // No selection change is posted when an edit begins.
    void NotifySelChange() override {}
    // The dialog has finished the edit when these return.
    BOOL NewItem() override;
    BOOL EditCurrentItem(UINT nChar) override;

    virtual int Reserved() { return 0; }

    // Where the family's dialog leaves the row's new text on OK.
    CString m_strEditedText;

protected:
    BOOL BeginEdit(int nIndex, BOOL bNewItem, LPCTSTR pszInitialText) override;
    // Runs the family's dialog for the row; its end code or NO_DIALOG.
    virtual int RunEditDialog(int nIndex) { return NO_DIALOG; }

    void ReplaceRowText(int nIndex, const CString& strText);
    void RemoveEmptyRows();
};
