#include "framework/Framework.h"
#include "design/projects/PolyvectCmdListBox.h"
#include "design/projects/EditPolyvectCommandDlg.h"
#include "design/projects/DesignControls.h"

#include <algorithm>

CDialog* CPolyvectCmdListBox::EditItem(CListBox* pListBox, int nIndex)
{
    m_strEditedText = RowText(pListBox, nIndex);
    return new CEditPolyvectCommandDlg(m_strEditedText, nIndex + 3, nullptr);
}
