#include "ui/lists/ListModel.h"

#include <algorithm>
#include <cstring>

namespace {

const UINT kListOwnStates = LVIS_FOCUSED | LVIS_SELECTED | LVIS_DROPHILITED;

void CopyText(const std::string& text, LVITEM& lvi) {
  if (lvi.pszText == nullptr || lvi.pszText == LPSTR_TEXTCALLBACK || lvi.cchTextMax <= 0)
    return;
  size_t n = std::min(text.size(), static_cast<size_t>(lvi.cchTextMax - 1));
  std::memcpy(lvi.pszText, text.data(), n);
  lvi.pszText[n] = '\0';
}

}  // namespace

SECListItem* CListModel::GetItem(int nItem) const {
  if (nItem < 0 || nItem >= GetItemCount())
    return nullptr;
  return m_items[nItem].get();
}

int CListModel::FindItem(const SECListItem* pItem) const {
  for (int i = 0; i < GetItemCount(); ++i) {
    if (m_items[i].get() == pItem)
      return i;
  }
  return -1;
}

void CListModel::AddSubItems(SECListItem& item) const {
  while (static_cast<int>(item.m_subItems.size()) < m_nSubItems)
    item.m_subItems.push_back(std::make_unique<SECListSubItem>());
}

void CListModel::ShiftForInsert(int nIndex, int nCount) {
  if (m_nFocus >= nIndex)
    m_nFocus += nCount;
  if (m_nDrop >= nIndex)
    m_nDrop += nCount;
  if (m_nAnchor >= nIndex)
    m_nAnchor += nCount;
  auto first = std::lower_bound(m_selection.begin(), m_selection.end(), nIndex);
  for (auto it = first; it != m_selection.end(); ++it)
    *it += nCount;
}

int CListModel::InsertItem(int nIndex, std::unique_ptr<SECListItem> pItem) {
  std::vector<std::unique_ptr<SECListItem>> one;
  one.push_back(std::move(pItem));
  return InsertItems(nIndex, std::move(one));
}

int CListModel::InsertItems(int nIndex, std::vector<std::unique_ptr<SECListItem>> items) {
  nIndex = std::clamp(nIndex, 0, GetItemCount());
  if (items.empty())
    return nIndex;
  for (auto& item : items)
    AddSubItems(*item);
  int nCount = static_cast<int>(items.size());
  m_items.insert(m_items.begin() + nIndex, std::make_move_iterator(items.begin()),
                 std::make_move_iterator(items.end()));
  ShiftForInsert(nIndex, nCount);
  return nIndex;
}

// A focus (or drop) index after the deleted range moves down; one inside it
// goes to the row before the range, except that the row that followed the
// range takes over when the first deleted row's index is still valid.
int CListModel::AdjustAfterDelete(int nIndex, int nFirst, int nCount, int nNewCount) {
  if (nIndex < nFirst)
    return nIndex;
  if (nIndex == nFirst && nIndex < nNewCount)
    return nIndex;
  if (nIndex < nFirst + nCount)
    return nFirst - 1;
  return nIndex - nCount;
}

BOOL CListModel::DeleteItems(int nIndex, int nCount) {
  if (nIndex < 0 || nIndex >= GetItemCount() || nCount < 1)
    return FALSE;
  nCount = std::min(nCount, GetItemCount() - nIndex);
  m_items.erase(m_items.begin() + nIndex, m_items.begin() + nIndex + nCount);
  int nNewCount = GetItemCount();
  m_nFocus = AdjustAfterDelete(m_nFocus, nIndex, nCount, nNewCount);
  if (m_nDrop > nIndex || m_nDrop >= nNewCount)
    m_nDrop = AdjustAfterDelete(m_nDrop, nIndex, nCount, nNewCount);
  if (m_nAnchor >= nNewCount || (m_nAnchor > nIndex && m_nAnchor < nIndex + nCount))
    m_nAnchor = -1;
  else if (m_nAnchor >= nIndex + nCount)
    m_nAnchor -= nCount;
  auto first = std::lower_bound(m_selection.begin(), m_selection.end(), nIndex);
  auto last = std::lower_bound(first, m_selection.end(), nIndex + nCount);
  for (auto it = last; it != m_selection.end(); ++it)
    *it -= nCount;
  m_selection.erase(first, last);
  if (m_selection.empty() && m_nFocus >= 0 && m_nFocus < nNewCount)
    m_selection.push_back(m_nFocus);
  return TRUE;
}

void CListModel::DeleteAllItems() {
  m_items.clear();
  m_selection.clear();
  m_nFocus = m_nAnchor = m_nDrop = -1;
}

BOOL CListModel::IsSelected(int nItem) const {
  return std::binary_search(m_selection.begin(), m_selection.end(), nItem);
}

void CListModel::SetSelected(int nItem, BOOL bSelect) {
  auto it = std::lower_bound(m_selection.begin(), m_selection.end(), nItem);
  bool bPresent = it != m_selection.end() && *it == nItem;
  if (bSelect && !bPresent)
    m_selection.insert(it, nItem);
  else if (!bSelect && bPresent)
    m_selection.erase(it);
}

UINT CListModel::GetItemState(int nItem, UINT nMask) const {
  const SECListItem* pItem = GetItem(nItem);
  if (pItem == nullptr)
    return 0;
  UINT state = pItem->m_state & ~kListOwnStates;
  if (IsSelected(nItem))
    state |= LVIS_SELECTED;
  if (m_nFocus == nItem)
    state |= LVIS_FOCUSED;
  if (m_nDrop == nItem)
    state |= LVIS_DROPHILITED;
  return state & nMask;
}

BOOL CListModel::SetItemState(int nItem, UINT nState, UINT nMask, BOOL* pDropChanged) {
  SECListItem* pItem = GetItem(nItem);
  if (pItem == nullptr)
    return FALSE;
  UINT before = GetItemState(nItem, ~0u);
  if (nMask & LVIS_SELECTED)
    SetSelected(nItem, (nState & LVIS_SELECTED) != 0);
  if (nMask & LVIS_FOCUSED) {
    if (nState & LVIS_FOCUSED)
      m_nFocus = nItem;
    else if (m_nFocus == nItem)
      m_nFocus = -1;
  }
  if (nMask & LVIS_DROPHILITED) {
    if (nState & LVIS_DROPHILITED)
      m_nDrop = nItem;
    else if (m_nDrop == nItem)
      m_nDrop = -1;
  }
  UINT own = nMask & ~kListOwnStates;
  pItem->m_state = (pItem->m_state & ~own) | (nState & own);
  UINT after = GetItemState(nItem, ~0u);
  if (pDropChanged != nullptr)
    *pDropChanged = ((before ^ after) & LVIS_DROPHILITED) != 0;
  return before != after;
}

SECListText* CListModel::TextOf(SECListItem& item, int nSubItem) const {
  if (nSubItem == 0)
    return &item.m_text;
  SECListSubItem* pSub = item.GetSubItem(nSubItem);
  return pSub != nullptr ? &pSub->m_text : nullptr;
}

CListModel::SetResult CListModel::SetItem(const LVITEM& lvi) {
  SetResult result;
  SECListItem* pItem = GetItem(lvi.iItem);
  if (pItem == nullptr)
    return result;
  result.bValid = TRUE;
  BOOL bSetItem = (lvi.mask & LVIF_DI_SETITEM) != 0;
  if (lvi.mask & LVIF_TEXT) {
    SECListText* pText = TextOf(*pItem, lvi.iSubItem);
    if (pText == nullptr)
      return SetResult{};
    if (lvi.pszText != LPSTR_TEXTCALLBACK && pText->IsCallback() && !bSetItem) {
      result.nCallbackMask |= LVIF_TEXT;
    } else {
      pText->Set(lvi.pszText);
      result.bChanged = TRUE;
    }
  }
  if ((lvi.mask & LVIF_IMAGE) && lvi.iSubItem == 0) {
    if (lvi.iImage != I_IMAGECALLBACK && pItem->m_iImage == I_IMAGECALLBACK && !bSetItem) {
      result.nCallbackMask |= LVIF_IMAGE;
    } else {
      result.bChanged |= pItem->m_iImage != lvi.iImage;
      pItem->m_iImage = lvi.iImage;
    }
  }
  if (lvi.mask & LVIF_STATE)
    result.bChanged |= SetItemState(lvi.iItem, lvi.state, lvi.stateMask, &result.bDropChanged);
  if (lvi.mask & LVIF_PARAM) {
    result.bChanged |= pItem->m_lParam != lvi.lParam;
    pItem->m_lParam = lvi.lParam;
  }
  if (lvi.mask & (LVIF_TEXT | LVIF_STATE))
    pItem->m_bNeedsMeasure = TRUE;
  return result;
}

BOOL CListModel::GetItem(LVITEM& lvi, BOOL bCopyText, BOOL bNotify, BOOL bStateCallback, UINT* pReported) {
  UINT reported = 0;
  SECListItem* pItem = GetItem(lvi.iItem);
  SECListText* pText = pItem != nullptr ? TextOf(*pItem, lvi.iSubItem) : nullptr;
  if (pText == nullptr)
    return FALSE;
  if (lvi.mask & LVIF_TEXT) {
    if (pText->IsCallback()) {
      reported |= LVIF_TEXT;
      if (!bNotify)
        lvi.pszText = LPSTR_TEXTCALLBACK;
    } else if (bCopyText) {
      CopyText(pText->Get(), lvi);
    } else {
      lvi.pszText = pText->Pointer();
    }
  }
  if (lvi.mask & LVIF_IMAGE) {
    lvi.iImage = pItem->m_iImage;
    if (lvi.iImage == I_IMAGECALLBACK)
      reported |= LVIF_IMAGE;
  }
  if (lvi.mask & LVIF_STATE) {
    lvi.state = GetItemState(lvi.iItem, lvi.stateMask);
    if (bStateCallback)
      reported |= LVIF_STATE;
  }
  if (reported != 0 || (lvi.mask & LVIF_PARAM))
    lvi.lParam = pItem->m_lParam;
  if (pReported != nullptr)
    *pReported = reported;
  return TRUE;
}

int CListModel::GetNextItem(int nItem, UINT nFlags) const {
  const UINT kStates = LVNI_FOCUSED | LVNI_SELECTED | LVNI_CUT | LVNI_DROPHILITED;
  const UINT kDirections = 0xFF00;
  UINT direction = nFlags & kDirections;
  int nStep = 1;
  if (direction == LVNI_ABOVE || direction == LVNI_TOLEFT)
    nStep = -1;
  else if (direction != 0)
    return -1;
  UINT wanted = nFlags & kStates;
  for (int i = nItem + nStep; i >= 0 && i < GetItemCount(); i += nStep) {
    if (wanted == 0 || (GetItemState(i, ~0u) & wanted) != 0)
      return i;
  }
  return -1;
}

SECListColumn* CListModel::GetColumn(int nColumn) const {
  if (nColumn < 0 || nColumn >= GetColumnCount())
    return nullptr;
  return m_columns[nColumn].get();
}

int CListModel::GetColumnSubItem(int nColumn) const {
  const SECListColumn* pColumn = GetColumn(nColumn);
  return pColumn != nullptr ? pColumn->iSubItem : 0;
}

int CListModel::FindColumnOfSubItem(int nSubItem) const {
  for (int i = 0; i < GetColumnCount(); ++i) {
    if (m_columns[i]->iSubItem == nSubItem)
      return i;
  }
  return -1;
}

int CListModel::FindColumn(const char* pszHeading, int* pSubItem) const {
  for (int i = 0; i < GetColumnCount(); ++i) {
    if (pszHeading != nullptr && m_columns[i]->heading == pszHeading) {
      if (pSubItem != nullptr)
        *pSubItem = m_columns[i]->iSubItem;
      return i;
    }
  }
  return -1;
}

int CListModel::InsertColumn(int nIndex, const SECListColumn& column) {
  nIndex = std::clamp(nIndex, 0, GetColumnCount());
  auto pColumn = std::make_unique<SECListColumn>(column);
  if (nIndex == 0) {
    pColumn->fmt = LVCFMT_LEFT;
    pColumn->iSubItem = 0;
  }
  if (pColumn->iSubItem < 0 || pColumn->iSubItem > m_nSubItems) {
    pColumn->iSubItem = ++m_nSubItems;
    if (pColumn->cx == -1 || pColumn->cx == -2)
      pColumn->cx = 10;
    for (auto& item : m_items)
      AddSubItems(*item);
  }
  m_columns.insert(m_columns.begin() + nIndex, std::move(pColumn));
  return nIndex;
}

BOOL CListModel::DeleteColumn(int nColumn, BOOL bKeepLabelWidth) {
  SECListColumn* pColumn = GetColumn(nColumn);
  if (pColumn == nullptr)
    return FALSE;
  int nSubItem = pColumn->iSubItem;
  int cx = pColumn->cx;
  m_columns.erase(m_columns.begin() + nColumn);
  if (!bKeepLabelWidth) {
    int nLabel = FindColumnOfSubItem(0);
    if (nLabel >= 0)
      m_columns[nLabel]->cx += cx;
  }
  if (nSubItem < 1 || nSubItem > m_nSubItems)
    return TRUE;
  for (auto& item : m_items) {
    if (nSubItem <= static_cast<int>(item->m_subItems.size()))
      item->m_subItems.erase(item->m_subItems.begin() + (nSubItem - 1));
  }
  --m_nSubItems;
  for (auto& other : m_columns) {
    if (other->iSubItem > nSubItem)
      --other->iSubItem;
  }
  return TRUE;
}

void CListModel::DeleteAllColumns() {
  while (GetColumnCount() > 0)
    DeleteColumn(GetColumnCount() - 1, TRUE);
}

BOOL CListModel::MoveColumn(int nFrom, int nTo, int* pFromSubItem, int* pToSubItem) {
  if (nFrom < 1 || nTo < 1 || nFrom >= GetColumnCount())
    return FALSE;
  nTo = std::min(nTo, GetColumnCount());
  if (nTo > nFrom)
    --nTo;
  int nOldSubItem = m_columns[nFrom]->iSubItem;
  auto pColumn = std::move(m_columns[nFrom]);
  m_columns.erase(m_columns.begin() + nFrom);
  m_columns.insert(m_columns.begin() + nTo, std::move(pColumn));
  // The new sub-item order: position p shows what column p showed before.
  std::vector<int> order;
  for (int p = 1; p < GetColumnCount(); ++p) {
    int s = m_columns[p]->iSubItem;
    if (s >= 1 && s <= m_nSubItems && std::find(order.begin(), order.end(), s) == order.end())
      order.push_back(s);
  }
  for (int s = 1; s <= m_nSubItems; ++s) {
    if (std::find(order.begin(), order.end(), s) == order.end())
      order.push_back(s);
  }
  for (auto& item : m_items) {
    std::vector<std::unique_ptr<SECListSubItem>> moved;
    for (int s : order)
      moved.push_back(std::move(item->m_subItems[s - 1]));
    item->m_subItems = std::move(moved);
  }
  for (int p = 1; p < GetColumnCount(); ++p)
    m_columns[p]->iSubItem = std::min(p, m_nSubItems);
  if (pFromSubItem != nullptr)
    *pFromSubItem = nOldSubItem;
  if (pToSubItem != nullptr)
    *pToSubItem = m_columns[nTo]->iSubItem;
  return TRUE;
}
