#include "framework/Framework.h"
#include "design/projects/DesignListBoxes.h"
#include "design/projects/ItemEditDialogs.h"

CString RowText(CListBox* pListBox, int nIndex)
{
    CString strText;
    if (pListBox && nIndex >= 0 && nIndex < pListBox->GetCount())
        pListBox->GetText(nIndex, strText);
    return strText;
}

CDialog* CVikaCmdListBox::EditItem(CListBox* pListBox, int nIndex)
{
    m_strEditedText = RowText(pListBox, nIndex);
    return new CEditVikaCommandDlg(m_strEditedText, m_nChannels, m_nMaxElectrode, nIndex + 1, nullptr);
}

CDialog* CPolyvectCmdListBox::EditItem(CListBox* pListBox, int nIndex)
{
    m_strEditedText = RowText(pListBox, nIndex);
    return new CEditPolyvectCommandDlg(m_strEditedText, nIndex + 3, nullptr);
}

CDialog* CVikaAdrListBox::EditItem(CListBox* pListBox, int nIndex)
{
    m_strEditedText = RowText(pListBox, nIndex);
    const int nRows = pListBox ? pListBox->GetCount() : 0;
    // A new entry proposes the next electrode, the rest as last entered.
    AdrItemRow remembered;
    CEditAdrItemDlg::LoadMembers(remembered);
    const int layout[7] = {nRows > 0 ? nRows : 1, remembered.nAddress, remembered.nCable, remembered.nTakeout, 0,
                           m_nCables, m_nTakeouts};
    std::copy(layout, layout + 7, m_layout);
    return new CEditAdrItemDlg(m_strEditedText, m_layout, nullptr);
}
