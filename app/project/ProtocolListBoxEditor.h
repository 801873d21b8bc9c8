// The editable list whose rows the family edits in a dialog of its own: the
// base of the address, command and coordinate lists.
#pragma once

#include "framework/Framework.h"
#include "app/project/ProtocolListBoxEditorLogic.h"
#include "mvc/controls/ListBoxEditor.h"

class CProtocolListBoxEditor : public CProtocolListBoxEditorT<SECListBoxEditor>
{
public:
    CProtocolListBoxEditor() = default;

    // The family's edit dialog for the row, owned by the caller; on OK it has
    // put the row's new text into m_strEditedText. None here.
    virtual CDialog* EditItem(CListBox* pListBox, int nIndex);

protected:
    int RunEditDialog(int nIndex) override;
};
