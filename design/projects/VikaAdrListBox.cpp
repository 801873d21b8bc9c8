#include "framework/Framework.h"
#include "design/projects/VikaAdrListBox.h"
#include "design/projects/EditAdrItemDlg.h"
#include "design/projects/DesignControls.h"

#include <algorithm>

CDialog* CVikaAdrListBox::EditItem(CListBox* pListBox, int nIndex)
{
    m_strEditedText = RowText(pListBox, nIndex);
    const int nRows = pListBox ? pListBox->GetCount() : 0;
    // A new entry proposes the next electrode, the rest as last entered.
    AdrItemRow remembered;
    CEditAdrItemDlg::LoadMembers(remembered);
    const int layout[7] = {nRows > 0 ? nRows : 1,
                           remembered.nAddress,
                           remembered.nCable,
                           remembered.nTakeout,
                           0,
                           m_nCables,
                           m_nTakeouts};
    std::copy(layout, layout + 7, m_layout);
    return new CEditAdrItemDlg(m_strEditedText, m_layout, nullptr);
}
