#include "framework/Framework.h"
#include "app/project/ProtocolListBoxEditor.h"

#include <memory>

CDialog* CProtocolListBoxEditor::EditItem(CListBox*, int)
{
    return nullptr;
}

int CProtocolListBoxEditor::RunEditDialog(int nIndex)
{
    std::unique_ptr<CDialog> pDialog(EditItem(GetListBoxCtrl(), nIndex));
    if (!pDialog)
        return NO_DIALOG;
    return static_cast<int>(pDialog->DoModal());
}
