#include "framework/Framework.h"
#include "app/project/ProtocolListCtrl.h"
#include "app/project/ProtocolItem.h"

BEGIN_MESSAGE_MAP(CProtocolListCtrl, CListCtrl)
    ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, OnColumnClick)
    ON_NOTIFY_REFLECT(LVN_DELETEITEM, OnDeleteItem)
    ON_NOTIFY_REFLECT(NM_DBLCLK, OnDoubleClick)
    ON_NOTIFY(HDN_ITEMCHANGEDA, 0, OnHeaderItemChanged)
    ON_NOTIFY(HDN_ITEMCHANGEDW, 0, OnHeaderItemChanged)
    ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

CProtocolListCtrl::CProtocolListCtrl(UINT nContextMenu)
    : m_nContextMenu(nContextMenu)
{
}

CProtocolListCtrl::~CProtocolListCtrl()
{
    if (m_pModel)
        m_pModel->RemoveObserver(this);
}

rw::HResult CProtocolListCtrl::QueryInterface(const rw::Guid& iid, void** ppv)
{
    if (!ppv)
        return rw::kNoInterface;
    if (iid == rw::IID_IObserver || iid == rw::IID_IUnknown) {
        *ppv = static_cast<rw::IObserver*>(this);
        return rw::kOk;
    }
    *ppv = nullptr;
    return rw::kNoInterface;
}

void CProtocolListCtrl::OnUpdate(rw::ISubject*, rw::Hint)
{
    Rebuild();
}

void CProtocolListCtrl::OnSubjectDestroyed(rw::ISubject* pSubject)
{
    if (m_pModel && m_pModel->GetSubject() == pSubject)
        m_pModel = nullptr;
}

void CProtocolListCtrl::SetModel(CProtocolModel* pModel)
{
    if (m_pModel == pModel)
        return;
    if (m_pModel)
        m_pModel->RemoveObserver(this);
    m_pModel = pModel;
    if (m_pModel)
        m_pModel->AddObserver(this);
    if (!m_images.GetSafeHandle()) {
        m_images.Create(GetSystemMetrics(SM_CXICON) / 2, GetSystemMetrics(SM_CYICON) / 2,
                        ILC_COLOR4 | ILC_MASK, 20, 3);
    }
    Rebuild();
}

void CProtocolListCtrl::Rebuild()
{
    if (!m_pModel || !GetSafeHwnd())
        return;
    CWaitCursor wait;
    CRect rect;
    GetWindowRect(&rect);
    CColumnMap& columns = m_pModel->GetColumnMap();

    while (DeleteColumn(0)) {
    }
    const int nColumns = static_cast<int>(columns.GetCount());
    for (int p = 0; p < nColumns; ++p) {
        CColumnProperty prop;
        if (!columns.Lookup(static_cast<UINT>(p), prop))
            continue;
        const int nWidth = prop.GetWidth() >= 1 ? prop.GetWidth() : rect.Width() / nColumns;
        InsertColumn(p, prop.GetHeading(), prop.GetAlignment(), nWidth, p);
    }

    DeleteAllItems();
    int nRow = 0;
    CProtocolInfoList& infos = m_pModel->GetInfoList();
    for (POSITION pos = infos.GetHeadPosition(); pos != nullptr; ++nRow) {
        CProtocolInfo* pInfo = infos.GetNext(pos);
        const int nIndex = InsertItem(nRow, pInfo->GetName(), pInfo->GetStatusIcon());
        CProtocolItem* pItem = m_pModel->CreateItem();
        if (!pItem)
            continue;
        pItem->AddRef();
        pItem->Attach(this, nIndex, pInfo, &columns);
        SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pItem));
        pItem->Refresh();
    }
    SortItems();
    if (GetItemCount() > 0)
        SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

int CProtocolListCtrl::SetIcons(const UINT* pIds, int nCount)
{
    if (!pIds || nCount <= 0 || !m_images.GetSafeHandle())
        return 0;
    for (int i = 0; i < nCount; ++i) {
        HICON hIcon = AfxGetApp()->LoadIcon(pIds[i]);
        if (hIcon)
            m_images.Add(hIcon);
    }
    if (m_images.GetImageCount() > 0)
        SetImageList(&m_images, LVSIL_SMALL);
    return m_images.GetImageCount();
}

void CProtocolListCtrl::SetContextMenu(UINT nMenuId) { m_nContextMenu = nMenuId; }

void CProtocolListCtrl::RenumberItems()
{
    for (int nRow = 0; nRow < GetItemCount(); ++nRow)
        if (auto* pItem = reinterpret_cast<CProtocolItem*>(GetItemData(nRow)))
            pItem->SetIndex(nRow);
}

CProtocolItem* CProtocolListCtrl::GetSelectedItem()
{
    if (GetSelectedCount() != 1)
        return nullptr;
    const int nRow = GetNextItem(-1, LVNI_SELECTED);
    return nRow < 0 ? nullptr : reinterpret_cast<CProtocolItem*>(GetItemData(nRow));
}

void CProtocolListCtrl::SortItems()
{
    if (!m_pModel)
        return;
    CWaitCursor wait;
    PFNPROTOCOLCOMPARE pfnCompare = m_pModel->GetCompareFunc();
    if (!pfnCompare)
        return;
    CListCtrl::SortItems(reinterpret_cast<PFNLVCOMPARE>(pfnCompare), reinterpret_cast<DWORD_PTR>(m_pModel));
    RenumberItems();
}

// Widths the user dragged are kept in the model before any reflected
// notification is handled.
BOOL CProtocolListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    SyncColumnWidths();
    return CListCtrl::OnChildNotify(message, wParam, lParam, pResult);
}

void CProtocolListCtrl::SyncColumnWidths()
{
    if (!m_pModel || !GetSafeHwnd())
        return;
    CHeaderCtrl* pHeader = GetHeaderCtrl();
    const int nColumns = pHeader ? pHeader->GetItemCount() : 0;
    for (int p = 0; p < nColumns; ++p) {
        const int nWidth = GetColumnWidth(p);
        if (nWidth != m_pModel->GetColumnWidth(static_cast<UINT>(p))) {
            m_pModel->SetColumnWidth(static_cast<UINT>(p), nWidth);
            m_pModel->SetModifiedFlag(TRUE);
        }
    }
}

void CProtocolListCtrl::OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    if (!m_pModel)
        return;
    CWaitCursor wait;
    const int nColumn = reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iSubItem;
    if (nColumn == m_pModel->GetSortColumn()) {
        m_pModel->ToggleSortDirection(static_cast<UINT>(nColumn));
        m_pModel->SetModifiedFlag(TRUE);
    }
    m_pModel->SetSortColumn(nColumn);
    SortItems();
}

void CProtocolListCtrl::OnDeleteItem(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const int nRow = reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iItem;
    if (auto* pItem = reinterpret_cast<CProtocolItem*>(GetItemData(nRow))) {
        SetItemData(nRow, 0);
        pItem->Release();
    }
}

void CProtocolListCtrl::OnDoubleClick(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    if (GetSelectedCount() == 1 && GetParent())
        GetParent()->PostMessage(WM_COMMAND, 146, 0);
}

void CProtocolListCtrl::OnHeaderItemChanged(NMHDR* pNMHDR, LRESULT* pResult)
{
    // The list lays its columns out from this notice too.
    *pResult = Default();
    // The width sits at the same place in the narrow and the wide form.
    auto* pHeader = reinterpret_cast<NMHEADERA*>(pNMHDR);
    if (!m_pModel || !pHeader->pitem || !(pHeader->pitem->mask & HDI_WIDTH))
        return;
    m_pModel->SetColumnWidth(static_cast<UINT>(pHeader->iItem), pHeader->pitem->cxy);
    Invalidate();
}

void CProtocolListCtrl::OnContextMenu(CWnd*, CPoint point)
{
    if (m_nContextMenu == 0)
        return;
    if (point.x == -1 && point.y == -1) {
        point = CPoint(5, 5);
        ClientToScreen(&point);
    }
    CMenu menu;
    if (!menu.LoadMenu(m_nContextMenu))
        return;
    CMenu* pPopup = menu.GetSubMenu(0);
    if (!pPopup)
        return;
    CWnd* pOwner = this;
    while (pOwner && (pOwner->GetStyle() & WS_CHILD))
        pOwner = pOwner->GetParent();
    pPopup->TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, pOwner ? pOwner : this);
}
