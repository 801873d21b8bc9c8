#include "framework/Framework.h"
#include "design/projects/CoordinateSetListBoxEditor.h"
#include "design/projects/CoordinateEditing.h"
#include "design/projects/CoordinateItemDlg.h"
#include "design/projects/DesignControls.h"

CDialog* CCoordinateSetListBoxEditor::EditItem(CListBox* pListBox, int nIndex)
{
    m_strEditedText = RowText(pListBox, nIndex);
    if (m_strEditedText.IsEmpty()) {
        // The rows up to the new one: a new row is numbered and placed after
        // the rows above it, whatever empty rows follow.
        std::vector<CString> rows;
        for (int i = 0; pListBox && i <= nIndex && i < pListBox->GetCount(); ++i)
            rows.push_back(RowText(pListBox, i));
        m_strEditedText = ProposeCoordinate(rows).Format();
    }
    return new CCoordinateItemDlg(m_strEditedText, nullptr);
}
