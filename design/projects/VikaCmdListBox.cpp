#include "framework/Framework.h"
#include "design/projects/VikaCmdListBox.h"
#include "design/projects/EditVikaCommandDlg.h"
#include "design/projects/DesignControls.h"

#include <algorithm>

CDialog* CVikaCmdListBox::EditItem(CListBox* pListBox, int nIndex)
{
    m_strEditedText = RowText(pListBox, nIndex);
    return new CEditVikaCommandDlg(m_strEditedText, m_nChannels, m_nMaxElectrode, nIndex + 1, nullptr);
}
