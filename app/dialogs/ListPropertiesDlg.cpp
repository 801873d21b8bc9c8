#include "framework/Framework.h"
#include "app/dialogs/ListPropertiesDlg.h"

#include <algorithm>

namespace {

const CColumnMap& NoColumns()
{
    static const CColumnMap s_empty;
    return s_empty;
}

} // namespace

BEGIN_MESSAGE_MAP(CListPropertiesDlg, CDialog)
    ON_BN_CLICKED(IDC_ADD_COLUMN, OnAdd)
    ON_BN_CLICKED(IDC_REMOVE_COLUMN, OnRemove)
    ON_BN_CLICKED(IDC_DEFAULT_COLUMNS, OnDefault)
    ON_LBN_DBLCLK(IDC_AVAILABLE_COLUMNS, OnAvailableDoubleClick)
    ON_LBN_DBLCLK(IDC_SHOWN_COLUMNS, OnShownDoubleClick)
END_MESSAGE_MAP()

CListPropertiesDlg::CListPropertiesDlg(const CColumnProperty* pAllColumns, CColumnMap* pColumnMap, CWnd* pParent)
    : CDialog(IDD, pParent)
    , m_chooser(pAllColumns, pColumnMap ? *pColumnMap : NoColumns())
    , m_pColumnMap(pColumnMap)
{
}

BOOL CListPropertiesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    FillLists();
    return TRUE;
}

// Each row carries the index of its column in the chooser's table.
void CListPropertiesDlg::FillLists()
{
    const struct {
        int nId;
        const std::vector<int>& columns;
    } lists[] = {{IDC_AVAILABLE_COLUMNS, m_chooser.Available()}, {IDC_SHOWN_COLUMNS, m_chooser.Shown()}};
    for (const auto& list : lists) {
        CListBox* pList = List(list.nId);
        if (!pList)
            continue;
        pList->ResetContent();
        CClientDC dc(pList);
        CFont* pOldFont = dc.SelectObject(pList->GetFont());
        int nWidest = 0;
        for (int nIndex : list.columns) {
            const CString& strText = m_chooser.GetColumn(nIndex).GetDescription();
            const int nRow = pList->AddString(strText);
            pList->SetItemData(nRow, static_cast<DWORD_PTR>(nIndex));
            nWidest = std::max(nWidest, static_cast<int>(dc.GetTextExtent(strText).cx));
        }
        dc.SelectObject(pOldFont);
        // A longer description than the list is wide scrolls instead of being cut.
        pList->SetHorizontalExtent(nWidest + 2 * GetSystemMetrics(SM_CXEDGE));
    }
}

std::vector<int> CListPropertiesDlg::SelectedRows(const CListBox* pList)
{
    std::vector<int> rows;
    if (!pList)
        return rows;
    const int nCount = pList->GetSelCount();
    if (nCount <= 0)
        return rows;
    rows.resize(nCount);
    rows.resize(std::max(0, pList->GetSelItems(nCount, rows.data())));
    return rows;
}

void CListPropertiesDlg::OnAdd()
{
    m_chooser.Add(SelectedRows(List(IDC_AVAILABLE_COLUMNS)));
    FillLists();
}

void CListPropertiesDlg::OnRemove()
{
    Remove(SelectedRows(List(IDC_SHOWN_COLUMNS)));
}

void CListPropertiesDlg::Remove(const std::vector<int>& rows)
{
    const int nRefused = m_chooser.Remove(rows);
    FillLists();
    for (int i = 0; i < nRefused; ++i)
        AfxMessageBox("The first column cannot be removed!", MB_OK | MB_ICONSTOP);
}

void CListPropertiesDlg::OnAvailableDoubleClick()
{
    const int nRow = List(IDC_AVAILABLE_COLUMNS)->GetCaretIndex();
    if (nRow < 0)
        return;
    m_chooser.Add({nRow});
    FillLists();
}

void CListPropertiesDlg::OnShownDoubleClick()
{
    const int nRow = List(IDC_SHOWN_COLUMNS)->GetCaretIndex();
    if (nRow >= 0)
        Remove({nRow});
}

void CListPropertiesDlg::OnDefault()
{
    EndDialog(IDC_DEFAULT_COLUMNS);
}

void CListPropertiesDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (m_pColumnMap)
        m_chooser.Store(*m_pColumnMap);
    EndDialog(IDOK);
}
