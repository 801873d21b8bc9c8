#include "framework/Framework.h"
#include "app/project/ProtocolListCtrl.h"
#include "app/project/ProtocolItem.h"

BEGIN_MESSAGE_MAP(CProtocolListCtrl, CListCtrl)
    ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, OnColumnClick)
    ON_NOTIFY_REFLECT(LVN_DELETEITEM, OnDeleteItem)
    ON_NOTIFY_REFLECT(NM_DBLCLK, OnDoubleClick)
    ON_NOTIFY(HDN_ITEMCHANGEDA, 0, OnHeaderItemChanged)
    ON_NOTIFY(HDN_ITEMCHANGEDW, 0, OnHeaderItemChanged)
    ON_NOTIFY(NM_CUSTOMDRAW, 0, OnHeaderCustomDraw)
    ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

CProtocolListCtrl::CProtocolListCtrl(UINT nContextMenu)
    : m_nContextMenu(nContextMenu)
{
}

CProtocolListCtrl::~CProtocolListCtrl()
{
    // The rows' items go while this list still handles their deletion.
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL CProtocolListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CListCtrl::Create(dwStyle, rect, pParentWnd, nID) && SetUpViewport();
}

BOOL CProtocolListCtrl::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    return CListCtrl::SubclassDlgItem(nID, pParent) && SetUpViewport();
}

// The viewport covers the list's client area, so mouse input inside it
// reaches a controller.
BOOL CProtocolListCtrl::SetUpViewport()
{
    // A click anywhere in a row selects it, as users expect of a file list.
    SetExtendedStyle(GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    CRect client;
    GetClientRect(&client);
    SetSize(client.Width(), client.Height());
    MvcViewport::Create(this, nullptr);
    return !GetController() || GetController()->IsPlugged();
}

void CProtocolListCtrl::SetModel(MvcModel* pModel)
{
    MvcViewport::SetModel(pModel);
    if (GetSafeHwnd())
        OnInitialUpdate();
}

CProtocolModel* CProtocolListCtrl::GetModel() const
{
    return dynamic_cast<CProtocolModel*>(MvcViewport::GetModel());
}

void CProtocolListCtrl::OnInitialUpdate()
{
    MvcViewport::OnInitialUpdate();
    if (!m_images.GetSafeHandle()) {
        m_images.Create(GetSystemMetrics(SM_CXICON) / 2, GetSystemMetrics(SM_CYICON) / 2,
                        ILC_COLOR4 | ILC_MASK, 20, 3);
    }
    Rebuild();
}

BOOL CProtocolListCtrl::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_SIZE)
        SetSize(LOWORD(lParam), HIWORD(lParam));
    if (MvcViewport::OnWndMsg(message, wParam, lParam, pResult))
        return TRUE;
    return CListCtrl::OnWndMsg(message, wParam, lParam, pResult);
}

BOOL CProtocolListCtrl::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (MvcViewport::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CListCtrl::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CProtocolListCtrl::Rebuild()
{
    CProtocolModel* pModel = GetModel();
    if (!pModel || !GetSafeHwnd())
        return;
    CWaitCursor wait;
    CRect rect;
    GetClientRect(&rect);
    CColumnMap& columns = pModel->GetColumnMap();

    while (DeleteColumn(0)) {
    }
    const int nColumns = static_cast<int>(columns.GetCount());
    for (int p = 0; p < nColumns; ++p) {
        CColumnProperty prop;
        if (!columns.Lookup(static_cast<UINT>(p), prop))
            continue;
        // A column without a width shares the client area; the model learns
        // that width unmodified, so it is no change the user made.
        const int nWidth = prop.GetWidth() >= 1 ? prop.GetWidth() : rect.Width() / nColumns;
        if (prop.GetWidth() < 1)
            pModel->SetColumnWidth(static_cast<UINT>(p), nWidth);
        InsertColumn(p, HeadingText(prop.GetHeading()), prop.GetAlignment(), nWidth, p);
    }

    // Drawn once at the end: a list that redraws lays out its scroll bars
    // and repaints at every row inserted and every text set.
    SetRedraw(FALSE);
    m_bRebuilding = TRUE;
    DeleteAllItems();
    int nRow = 0;
    CProtocolInfoList& infos = pModel->GetInfoList();
    for (POSITION pos = infos.GetHeadPosition(); pos != nullptr; ++nRow) {
        CProtocolInfo* pInfo = infos.GetNext(pos);
        const int nIndex = InsertItem(nRow, pInfo->GetName(), pInfo->GetStatusIcon());
        if (nIndex < 0)
            continue;
        CProtocolItem* pItem = pModel->CreateItem();
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
    m_bRebuilding = FALSE;
    SetRedraw(TRUE);
    CWnd::Invalidate();
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
    CProtocolModel* pModel = GetModel();
    if (!pModel)
        return;
    CWaitCursor wait;
    PFNPROTOCOLCOMPARE pfnCompare = pModel->GetCompareFunc();
    if (!pfnCompare)
        return;
    CListCtrl::SortItems(reinterpret_cast<PFNLVCOMPARE>(pfnCompare), reinterpret_cast<DWORD_PTR>(pModel));
    RenumberItems();
    ShowSortArrow();
}

// The header takes a single "&" as a mnemonic and hides it.
CString CProtocolListCtrl::HeadingText(const CString& strHeading)
{
    CString strText = strHeading;
    strText.Replace("&", "&&");
    return strText;
}

// The sort column's header carries the sort flag of its direction; the
// arrow itself is drawn here (see OnHeaderCustomDraw), as not every header
// draws one for the flag.
void CProtocolListCtrl::ShowSortArrow()
{
    CProtocolModel* pModel = GetModel();
    CHeaderCtrl* pHeader = GetSafeHwnd() ? GetHeaderCtrl() : nullptr;
    if (!pModel || !pHeader)
        return;
    const int nSortColumn = pModel->GetSortColumn();
    for (int p = 0; p < pHeader->GetItemCount(); ++p) {
        HDITEM item = {};
        item.mask = HDI_FORMAT;
        if (!pHeader->GetItem(p, &item))
            continue;
        const int nArrow = p != nSortColumn                                        ? 0
                           : pModel->GetSortDirection(static_cast<UINT>(p)) < 0 ? HDF_SORTDOWN
                                                                                 : HDF_SORTUP;
        const int nFormat = (item.fmt & ~(HDF_SORTUP | HDF_SORTDOWN)) | nArrow;
        if (nFormat == item.fmt)
            continue;
        item.fmt = nFormat;
        pHeader->SetItem(p, &item);
    }
    pHeader->Invalidate();
}

// The arrow goes on after the header has drawn everything: not every
// header tells of each item afterwards.
void CProtocolListCtrl::OnHeaderCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
{
    auto* pDraw = reinterpret_cast<NMCUSTOMDRAW*>(pNMHDR);
    *pResult = CDRF_DODEFAULT;
    if (pDraw->dwDrawStage == CDDS_PREPAINT) {
        *pResult = CDRF_NOTIFYPOSTPAINT;
        return;
    }
    CProtocolModel* pModel = GetModel();
    CHeaderCtrl* pHeader = GetHeaderCtrl();
    if (pDraw->dwDrawStage != CDDS_POSTPAINT || !pModel || !pHeader)
        return;
    const int nColumn = pModel->GetSortColumn();
    HDITEM item = {};
    item.mask = HDI_FORMAT;
    CRect rcItem;
    if (pHeader->GetItem(nColumn, &item) && (item.fmt & (HDF_SORTUP | HDF_SORTDOWN))
        && pHeader->GetItemRect(nColumn, &rcItem))
        DrawSortArrow(pDraw->hdc, rcItem, (item.fmt & HDF_SORTUP) != 0);
}

// A small triangle at the right of the header item, in the shadow colour.
void CProtocolListCtrl::DrawSortArrow(HDC hDC, const RECT& rcItem, bool bUp)
{
    const int nRight = rcItem.right - 6;
    const int nMiddle = (rcItem.top + rcItem.bottom) / 2;
    const POINT up[] = {{nRight - 4, nMiddle - 2}, {nRight, nMiddle + 2}, {nRight - 8, nMiddle + 2}};
    const POINT down[] = {{nRight - 8, nMiddle - 2}, {nRight, nMiddle - 2}, {nRight - 4, nMiddle + 2}};
    HBRUSH hBrush = ::CreateSolidBrush(::GetSysColor(COLOR_BTNSHADOW));
    HPEN hPen = ::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
    HGDIOBJ hOldBrush = ::SelectObject(hDC, hBrush);
    HGDIOBJ hOldPen = ::SelectObject(hDC, hPen);
    ::Polygon(hDC, bUp ? up : down, 3);
    ::SelectObject(hDC, hOldPen);
    ::SelectObject(hDC, hOldBrush);
    ::DeleteObject(hPen);
    ::DeleteObject(hBrush);
}

// Widths the user dragged are kept in the model before any reflected
// notification is handled.
BOOL CProtocolListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (!m_bRebuilding)
        SyncColumnWidths();
    return CListCtrl::OnChildNotify(message, wParam, lParam, pResult);
}

void CProtocolListCtrl::SyncColumnWidths()
{
    CProtocolModel* pModel = GetModel();
    if (!pModel || !GetSafeHwnd())
        return;
    CHeaderCtrl* pHeader = GetHeaderCtrl();
    const int nColumns = pHeader ? pHeader->GetItemCount() : 0;
    for (int p = 0; p < nColumns; ++p) {
        const int nWidth = GetColumnWidth(p);
        if (nWidth != pModel->GetColumnWidth(static_cast<UINT>(p))) {
            pModel->SetColumnWidth(static_cast<UINT>(p), nWidth);
            pModel->SetModifiedFlag(TRUE);
        }
    }
}

void CProtocolListCtrl::OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    CProtocolModel* pModel = GetModel();
    if (!pModel)
        return;
    CWaitCursor wait;
    const int nColumn = reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iSubItem;
    if (nColumn == pModel->GetSortColumn()) {
        pModel->ToggleSortDirection(static_cast<UINT>(nColumn));
        pModel->SetModifiedFlag(TRUE);
    }
    pModel->SetSortColumn(nColumn);
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
    CProtocolModel* pModel = GetModel();
    if (!pModel || !pHeader->pitem || !(pHeader->pitem->mask & HDI_WIDTH))
        return;
    pModel->SetColumnWidth(static_cast<UINT>(pHeader->iItem), pHeader->pitem->cxy);
    CWnd::Invalidate();
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
