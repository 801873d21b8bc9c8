// SECListBaseC: creation, items, columns, styles and notifications. Drawing
// and scrolling are in ListBaseCPaint.cpp, input in ListBaseCInput.cpp.
#include "ui/lists/ListBaseC.h"

#include "ui/lists/ListEdit.h"
#include "ui/lists/ListTip.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNCREATE(SECListBaseC, CWnd)

namespace {

const DWORD kListStyleBits = 0x0000F3FF;
const DWORD kListStyleExBits = 0x1FF00000;

}  // namespace

SECListBaseC::SECListBaseC() {
  m_bTrackSysColors = TRUE;
  LoadColors();
  m_bTrackSysColors = FALSE;
  m_pTip = std::make_unique<SECListTip>(this);
  m_pEdit = std::make_unique<SECListEdit>(this);
}

SECListBaseC::~SECListBaseC() {
  if (m_hWnd != nullptr)
    DestroyWindow();
}

void SECListBaseC::LoadColors() {
  if (!m_bTrackSysColors)
    return;
  const int system[kColorCount] = {COLOR_WINDOW,   COLOR_WINDOWTEXT, COLOR_WINDOW, COLOR_HIGHLIGHTTEXT, COLOR_HIGHLIGHT,
                                   COLOR_GRAYTEXT, COLOR_WINDOW,     COLOR_WINDOW, COLOR_INFOBK,        COLOR_INFOTEXT};
  for (int i = 0; i < kColorCount; ++i)
    m_colors[i] = ::GetSysColor(system[i]);
}

BOOL SECListBaseC::SetColor(Color slot, COLORREF cr) {
  m_colors[slot] = cr;
  return TRUE;
}

BOOL SECListBaseC::SetBkColor(COLORREF cr) {
  SetColor(kBk, cr);
  return SetColor(kTextBk, cr);
}

COLORREF SECListBaseC::GetBkColor() const {
  if (m_hWnd != nullptr && !IsWindowEnabled())
    return ::GetSysColor(COLOR_MENU);
  return m_colors[kBk];
}

HFONT SECListBaseC::GetHeaderFont() const {
  if (m_pHeaderFont != nullptr && m_pHeaderFont->m_hObject != nullptr)
    return static_cast<HFONT>(m_pHeaderFont->m_hObject);
  return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

HFONT SECListBaseC::GetListFont() const {
  if (m_pListFont != nullptr && m_pListFont->m_hObject != nullptr)
    return static_cast<HFONT>(m_pListFont->m_hObject);
  return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

// Creation ---------------------------------------------------------------

BOOL SECListBaseC::Create(LPCTSTR, LPCTSTR, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                          CCreateContext* pContext) {
  return Create(dwStyle, 0, rect, pParentWnd, nID, pContext);
}

BOOL SECListBaseC::Create(DWORD dwStyle, DWORD dwExStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                          CCreateContext*) {
  LPCTSTR cls = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW));
  return CreateEx(dwExStyle, cls, "", dwStyle, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                  AfxGetSafeHwnd(pParentWnd), nID);
}

BOOL SECListBaseC::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, CCreateContext* pContext) {
  return Create(dwStyle, 0, rect, pParentWnd, nID, pContext);
}

BOOL SECListBaseC::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                            int nWidth, int nHeight, HWND hWndParent, UINT nID, LPVOID lpParam) {
  CREATESTRUCT cs{};
  cs.dwExStyle = dwExStyle;
  cs.lpszClass = lpszClassName;
  cs.lpszName = lpszWindowName;
  cs.style = dwStyle;
  cs.x = x;
  cs.y = y;
  cs.cx = nWidth;
  cs.cy = nHeight;
  cs.hwndParent = hWndParent;
  cs.hMenu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID));
  cs.lpCreateParams = lpParam;
  if (!PreCreateWindow(cs)) {
    PostNcDestroy();
    return FALSE;
  }
  SplitCreateStyles(cs);
  if (!CWnd::CreateEx(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy, cs.hwndParent,
                      cs.hMenu, cs.lpCreateParams)) {
    PostNcDestroy();
    return FALSE;
  }
  return TRUE;
}

void SECListBaseC::SplitCreateStyles(CREATESTRUCT& cs) {
  m_dwStyle = cs.style & kListStyleBits;
  m_dwStyleEx = cs.dwExStyle & kListStyleExBits;
  cs.style &= ~kListStyleBits;
  cs.dwExStyle &= ~kListStyleExBits;
}

BOOL SECListBaseC::ReplaceControl(UINT nID, CWnd* pParent) {
  HWND hOld = ::GetDlgItem(AfxGetSafeHwnd(pParent), nID);
  if (hOld == nullptr)
    return FALSE;
  DWORD dwStyle = static_cast<DWORD>(::GetWindowLongPtrA(hOld, GWL_STYLE)) | WS_BORDER;
  DWORD dwExStyle = static_cast<DWORD>(::GetWindowLongPtrA(hOld, GWL_EXSTYLE));
  CRect rc;
  ::GetWindowRect(hOld, &rc);
  pParent->ScreenToClient(&rc);
  ::DestroyWindow(hOld);
  return Create(dwStyle, dwExStyle, rc, pParent, nID);
}

CScrollBar* SECListBaseC::GetScrollBarCtrl(int nBar) const {
  return nBar == SB_HORZ ? m_pHorzBar.get() : m_pVertBar.get();
}

void SECListBaseC::StartAutoScrollTimer(UINT nMilliseconds) {
  StopAutoScrollTimer();
  m_nAutoScrollTimer = SetTimer(kAutoScrollTimer, nMilliseconds);
}

void SECListBaseC::StopAutoScrollTimer() {
  if (m_nAutoScrollTimer != 0 && m_hWnd != nullptr)
    KillTimer(kAutoScrollTimer);
  m_nAutoScrollTimer = 0;
}

// Columns ----------------------------------------------------------------

BOOL SECListBaseC::DeleteColumn(LPCTSTR lpszHeading) {
  int nIndex = m_model.FindColumn(lpszHeading);
  return nIndex >= 0 && DeleteColumn(nIndex);
}

BOOL SECListBaseC::DeleteColumn(int nColumn) {
  EndLabelEdit(TRUE);
  HideTip();
  if (!m_model.DeleteColumn(nColumn, IsStyleExSet(LVXS_KEEPLABELWIDTH)))
    return FALSE;
  if (m_hWnd != nullptr) {
    RecalcLayout();
    Invalidate();
  }
  return TRUE;
}

void SECListBaseC::DeleteAllColumns() {
  EndLabelEdit(TRUE);
  HideTip();
  m_model.DeleteAllColumns();
}

int SECListBaseC::AddColumn(const LVCOLUMN* pColumn, BOOL bRedraw) {
  return InsertColumn(GetColumnCount(), pColumn, bRedraw);
}

int SECListBaseC::AddColumn(LPCTSTR lpszHeading, int nFormat, int nWidth, int nSubItem, int nImage) {
  return InsertColumn(GetColumnCount(), lpszHeading, nFormat, nWidth, nSubItem, nImage, TRUE);
}

int SECListBaseC::AddColumn(const SECListColumn& column) {
  return InsertColumn(GetColumnCount(), column, TRUE);
}

int SECListBaseC::InsertColumn(int nIndex, const LVCOLUMN* pColumn, BOOL bRedraw) {
  if (pColumn == nullptr)
    return -1;
  SECListColumn column;
  column.fmt = (pColumn->mask & LVCF_FMT) ? pColumn->fmt : LVCFMT_LEFT;
  column.cx = (pColumn->mask & LVCF_WIDTH) ? pColumn->cx : -1;
  if ((pColumn->mask & LVCF_TEXT) && pColumn->pszText != nullptr && pColumn->pszText != LPSTR_TEXTCALLBACK)
    column.heading = pColumn->pszText;
  column.iSubItem = (pColumn->mask & LVCF_SUBITEM) ? pColumn->iSubItem : -1;
  column.iImage = (pColumn->mask & LVCF_IMAGE) ? pColumn->iImage : -1;
  return InsertColumn(nIndex, column, bRedraw);
}

int SECListBaseC::InsertColumn(int nIndex, LPCTSTR lpszHeading, int nFormat, int nWidth, int nSubItem, int nImage,
                               BOOL bRedraw) {
  SECListColumn column;
  column.fmt = nFormat;
  column.cx = nWidth;
  column.heading = lpszHeading != nullptr ? lpszHeading : "";
  column.iSubItem = nSubItem;
  column.iImage = nImage;
  return InsertColumn(nIndex, column, bRedraw);
}

int SECListBaseC::InsertColumn(int nIndex, const SECListColumn& column, BOOL bRedraw) {
  EndLabelEdit(TRUE);
  HideTip();
  int nAt = m_model.InsertColumn(nIndex, column);
  if (bRedraw && m_bAutoUpdate && m_hWnd != nullptr) {
    if (IsStyleExSet(LVXS_FITCOLUMNS))
      FitColumns();
    RecalcLayout();
    Invalidate();
  }
  return nAt;
}

BOOL SECListBaseC::MoveColumn(int nFrom, int nTo, BOOL bRedraw) {
  int nFromSubItem = 0;
  int nToSubItem = 0;
  if (!m_model.MoveColumn(nFrom, nTo, &nFromSubItem, &nToSubItem))
    return FALSE;
  OnColumnMoved(nFromSubItem, nToSubItem);
  if (bRedraw && m_hWnd != nullptr) {
    RecalcLayout();
    Invalidate();
  }
  return TRUE;
}

BOOL SECListBaseC::GetColumn(int nColumn, LVCOLUMN* pColumn) const {
  const SECListColumn* pRecord = m_model.GetColumn(nColumn);
  if (pRecord == nullptr || pColumn == nullptr)
    return FALSE;
  if (pColumn->mask & LVCF_FMT)
    pColumn->fmt = pRecord->fmt;
  if (pColumn->mask & LVCF_WIDTH)
    pColumn->cx = pRecord->cx;
  if ((pColumn->mask & LVCF_TEXT) && pColumn->pszText != nullptr && pColumn->cchTextMax > 0) {
    size_t n = std::min(pRecord->heading.size(), static_cast<size_t>(pColumn->cchTextMax - 1));
    std::memcpy(pColumn->pszText, pRecord->heading.data(), n);
    pColumn->pszText[n] = '\0';
  }
  if (pColumn->mask & LVCF_SUBITEM)
    pColumn->iSubItem = pRecord->iSubItem;
  if (pColumn->mask & LVCF_IMAGE)
    pColumn->iImage = pRecord->iImage;
  return TRUE;
}

BOOL SECListBaseC::SetColumn(int nColumn, const LVCOLUMN* pColumn, BOOL bRedraw) {
  SECListColumn* pRecord = m_model.GetColumn(nColumn);
  if (pRecord == nullptr || pColumn == nullptr)
    return FALSE;
  if (pColumn->mask & LVCF_FMT)
    pRecord->fmt = nColumn == 0 ? LVCFMT_LEFT : pColumn->fmt;
  if (pColumn->mask & LVCF_WIDTH)
    SetColumnWidth(nColumn, pColumn->cx);
  if ((pColumn->mask & LVCF_TEXT) && pColumn->pszText != nullptr && pColumn->pszText != LPSTR_TEXTCALLBACK)
    pRecord->heading = pColumn->pszText;
  if ((pColumn->mask & LVCF_SUBITEM) && nColumn > 0 && pColumn->iSubItem >= 0 && pColumn->iSubItem <= GetSubItemCount())
    pRecord->iSubItem = pColumn->iSubItem;
  if (bRedraw && m_hWnd != nullptr) {
    RecalcLayout();
    Invalidate();
  }
  return TRUE;
}

int SECListBaseC::GetColumnLeft(int nColumn) const {
  int x = -m_nHorzOffset;
  for (int i = 0; i < nColumn && i < GetColumnCount(); ++i)
    x += m_model.GetColumn(i)->cx;
  return x;
}

int SECListBaseC::GetColumnRight(int nColumn) const {
  return GetColumnLeft(nColumn) + GetColumnWidth(nColumn);
}

BOOL SECListBaseC::SetColumnWidth(int nColumn, int nWidth) {
  SECListColumn* pColumn = m_model.GetColumn(nColumn);
  if (pColumn == nullptr)
    return FALSE;
  pColumn->cx = std::max(nWidth, 0);
  if (IsLabelWrap()) {
    for (int i = 0; i < GetItemCount(); ++i)
      InvalidateItemHeight(i);
  }
  return TRUE;
}

int SECListBaseC::GetColumnWidth(int nColumn) const {
  if (GetColumnCount() == 0) {
    CRect rc;
    GetInsideRect(&rc);
    return rc.Width();
  }
  const SECListColumn* pColumn = m_model.GetColumn(nColumn);
  return pColumn != nullptr ? pColumn->cx : 0;
}

BOOL SECListBaseC::SetColumnFormat(int nColumn, int nFormat) {
  SECListColumn* pColumn = m_model.GetColumn(nColumn);
  if (pColumn == nullptr)
    return FALSE;
  pColumn->fmt = nColumn == 0 ? LVCFMT_LEFT : nFormat;
  return TRUE;
}

int SECListBaseC::GetColumnFormat(int nColumn) const {
  const SECListColumn* pColumn = m_model.GetColumn(nColumn);
  return pColumn != nullptr ? pColumn->fmt : -1;
}

BOOL SECListBaseC::SetColumnHeading(int nColumn, LPCTSTR lpszHeading) {
  SECListColumn* pColumn = m_model.GetColumn(nColumn);
  if (pColumn == nullptr)
    return FALSE;
  pColumn->heading = lpszHeading != nullptr ? lpszHeading : "";
  return TRUE;
}

CString SECListBaseC::GetColumnHeading(int nColumn) const {
  const SECListColumn* pColumn = m_model.GetColumn(nColumn);
  return pColumn != nullptr ? CString(pColumn->heading.c_str()) : CString();
}

BOOL SECListBaseC::HasColumn(LPCTSTR lpszHeading) const {
  return m_model.FindColumn(lpszHeading) >= 0;
}

BOOL SECListBaseC::FindColumn(LPCTSTR lpszHeading, int* pIndex, int* pSubItem) const {
  int nIndex = m_model.FindColumn(lpszHeading, pSubItem);
  if (pIndex != nullptr)
    *pIndex = nIndex;
  return nIndex >= 0;
}

int SECListBaseC::GetColumnSubItem(int nColumn) const {
  const SECListColumn* pColumn = m_model.GetColumn(nColumn);
  return pColumn != nullptr ? pColumn->iSubItem : -1;
}

// Items ------------------------------------------------------------------

LPARAM SECListBaseC::GetItemData(const SECListItem* pItem) const {
  return pItem != nullptr ? pItem->m_lParam : 0;
}

BOOL SECListBaseC::SetItem(const LVITEM* pItem, BOOL bRedraw) {
  if (pItem == nullptr)
    return FALSE;
  CListModel::SetResult result = m_model.SetItem(*pItem);
  if (!result.bValid)
    return FALSE;
  if (result.nCallbackMask != 0) {
    LVITEM reported = *pItem;
    reported.mask = result.nCallbackMask;
    OnSetDispInfo(&reported);
  }
  if (bRedraw && result.bChanged && pItem->iItem != m_nEditingItem && m_hWnd != nullptr)
    RedrawItems(pItem->iItem, FALSE, TRUE, FALSE, result.bDropChanged);
  return TRUE;
}

BOOL SECListBaseC::SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszText, int nImage, UINT nState,
                           UINT nStateMask, LPARAM lParam) {
  LVITEM lvi{};
  lvi.mask = nMask;
  lvi.iItem = nItem;
  lvi.iSubItem = nSubItem;
  lvi.pszText = const_cast<LPSTR>(lpszText);
  lvi.iImage = nImage;
  lvi.state = nState;
  lvi.stateMask = nStateMask;
  lvi.lParam = lParam;
  return SetItem(&lvi, TRUE);
}

BOOL SECListBaseC::SetItemStateEx(const LVITEM* pItem, const SECListStateExChange* pChange) {
  SECListItem* pRecord = pItem != nullptr ? GetItemAt(pItem->iItem) : nullptr;
  if (pRecord == nullptr || pChange == nullptr || !(pChange->mask & 1))
    return FALSE;
  DWORD dwNew = (pRecord->m_dwStateEx & ~pChange->stateMask) | (pChange->state & pChange->stateMask);
  if (dwNew == pRecord->m_dwStateEx)
    return TRUE;
  pRecord->m_dwStateEx = dwNew;
  InvalidateItemHeight(pItem->iItem);
  if (pItem->iItem != m_nEditingItem && m_hWnd != nullptr)
    RedrawItems(pItem->iItem, TRUE);
  return TRUE;
}

BOOL SECListBaseC::GetItemStateEx(LVITEM* pItem, SECListStateExChange* pChange, BOOL bNotify) {
  SECListItem* pRecord = pItem != nullptr ? GetItemAt(pItem->iItem) : nullptr;
  if (pRecord == nullptr || pChange == nullptr)
    return FALSE;
  if (m_bStateExCallback) {
    if (bNotify)
      OnGetStateExDispInfo(pChange);
    return TRUE;
  }
  pChange->state = pRecord->m_dwStateEx;
  pChange->mask |= 1;
  return TRUE;
}

BOOL SECListBaseC::GetItem(LVITEM* pItem, BOOL bCopyText, BOOL bNotify) {
  if (pItem == nullptr)
    return FALSE;
  UINT reported = 0;
  LPSTR pszCallerText = pItem->pszText;
  if (!m_model.GetItem(*pItem, bCopyText, bNotify, m_bStateCallback, &reported))
    return FALSE;
  if (!bNotify || reported == 0)
    return TRUE;
  LVITEM ask = *pItem;
  ask.mask = reported;
  if (reported & LVIF_TEXT) {
    if (pszCallerText == nullptr || pszCallerText == LPSTR_TEXTCALLBACK || pItem->cchTextMax <= 0) {
      m_szTextBuffer[0] = '\0';
      ask.pszText = m_szTextBuffer;
      ask.cchTextMax = sizeof(m_szTextBuffer);
    } else {
      pszCallerText[0] = '\0';
      ask.pszText = pszCallerText;
    }
  }
  NotifyGetDispInfo(&ask);
  if (reported & LVIF_TEXT) {
    if (ask.pszText != pszCallerText && pszCallerText != nullptr && pszCallerText != LPSTR_TEXTCALLBACK &&
        pItem->cchTextMax > 0 && ask.pszText != nullptr && ask.pszText != LPSTR_TEXTCALLBACK) {
      size_t n = std::min(std::strlen(ask.pszText), static_cast<size_t>(pItem->cchTextMax - 1));
      std::memmove(pszCallerText, ask.pszText, n);
      pszCallerText[n] = '\0';
    } else {
      pItem->pszText = ask.pszText;
    }
  }
  if (reported & LVIF_IMAGE)
    pItem->iImage = ask.iImage;
  if (reported & LVIF_STATE)
    pItem->state = ask.state;
  if (ask.mask & LVIF_DI_SETITEM)
    pItem->mask |= LVIF_DI_SETITEM;
  return TRUE;
}

// Setting a cell's text stores it even over a callback: a new cell asks the
// parent only until its text is set.
BOOL SECListBaseC::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText) {
  return SetItem(nItem, nSubItem, LVIF_TEXT | LVIF_DI_SETITEM, lpszText, 0, 0, 0, 0);
}

int SECListBaseC::GetItemText(int nItem, int nSubItem, LPTSTR lpszBuffer, int cchBuffer) {
  if (lpszBuffer == nullptr || cchBuffer <= 0)
    return 0;
  lpszBuffer[0] = '\0';
  LVITEM lvi{};
  lvi.mask = LVIF_TEXT;
  lvi.iItem = nItem;
  lvi.iSubItem = nSubItem;
  lvi.pszText = lpszBuffer;
  lvi.cchTextMax = cchBuffer;
  if (!GetItem(&lvi, TRUE, TRUE))
    return 0;
  if (lvi.pszText != lpszBuffer && lvi.pszText != nullptr && lvi.pszText != LPSTR_TEXTCALLBACK) {
    size_t n = std::min(std::strlen(lvi.pszText), static_cast<size_t>(cchBuffer - 1));
    std::memmove(lpszBuffer, lvi.pszText, n);
    lpszBuffer[n] = '\0';
  }
  return static_cast<int>(std::strlen(lpszBuffer));
}

BOOL SECListBaseC::GetItemText(CString& text, int nItem, int nSubItem) {
  char buffer[kListTextMax + 1];
  int n = GetItemText(nItem, nSubItem, buffer, sizeof(buffer));
  text = buffer;
  return n > 0;
}

BOOL SECListBaseC::DeleteItem(SECListItem* pItem) {
  int nIndex = m_model.FindItem(pItem);
  return nIndex >= 0 && DeleteItem(nIndex, 1);
}

BOOL SECListBaseC::DeleteItem(int nItem, int nCount) {
  if (GetItemAt(nItem) == nullptr || nCount < 1)
    return FALSE;
  nCount = std::min(nCount, GetItemCount() - nItem);
  if (m_hWnd != nullptr)
    RedrawItems(std::max(nItem - 1, 0), FALSE, TRUE, TRUE);
  // One notice per deleted item, each naming the item as it is numbered
  // when the notice goes out (all are still there).
  for (int i = 0; i < nCount; ++i)
    NotifyDeleteItem(nItem + i);
  if (m_nEditingItem >= nItem)
    EndLabelEdit(FALSE);
  m_model.DeleteItems(nItem, nCount);
  m_nTopIndex = std::min(m_nTopIndex, std::max(GetItemCount() - 1, 0));
  if (m_hWnd != nullptr) {
    UpdateScrollBars();
    Invalidate();
  }
  return TRUE;
}

BOOL SECListBaseC::DeleteAllItems() {
  CancelEditTimer();
  EndLabelEdit(FALSE);
  HideTip();
  m_model.DeleteAllItems();
  m_nTopIndex = 0;
  m_nContentWidthCache = 0;
  if (m_hWnd != nullptr) {
    UpdateScrollBars();
    Invalidate();
  }
  return TRUE;
}

BOOL SECListBaseC::GetLabelColumnRect(int nItem, RECT* pRect, int nCode) {
  int nColumn = m_model.FindColumnOfSubItem(0);
  return GetSubItemRect(nItem, std::max(nColumn, 0), pRect, nCode);
}

int SECListBaseC::InsertItemAt(int nIndex, SECListItem* pItem) {
  std::vector<std::unique_ptr<SECListItem>> items;
  items.emplace_back(pItem);
  return InsertItemsAt(nIndex, std::move(items));
}

int SECListBaseC::InsertItemsAt(int nIndex, std::vector<std::unique_ptr<SECListItem>> items) {
  int nAt = m_model.InsertItems(nIndex, std::move(items));
  if (m_model.GetFocus() < 0 && GetItemCount() > 0)
    SetFocusItem(0, TRUE);
  return nAt;
}

int SECListBaseC::InitItemRecord(SECListItem& item) {
  AddSubItems(item);
  return 0;
}

std::unique_ptr<SECListItem> SECListBaseC::CreateItem() {
  auto pItem = std::make_unique<SECListItem>();
  InitItemRecord(*pItem);
  return pItem;
}

int SECListBaseC::InsertItem(const LVITEM* pItem) {
  if (pItem == nullptr || pItem->iItem < 0)
    return -1;
  int nAt = InsertItemAt(pItem->iItem, CreateItem().release());
  LVITEM apply = *pItem;
  apply.iItem = nAt;
  apply.iSubItem = 0;
  apply.mask |= LVIF_DI_SETITEM;
  SetItem(&apply, m_bAutoUpdate);
  if (m_bAutoUpdate && m_hWnd != nullptr)
    UpdateScrollBars();
  return nAt;
}

int SECListBaseC::InsertItem(UINT nMask, int nItem, LPCTSTR lpszText, UINT nState, UINT nStateMask, int nImage,
                             LPARAM lParam) {
  LVITEM lvi{};
  lvi.mask = nMask;
  lvi.iItem = nItem;
  lvi.pszText = const_cast<LPSTR>(lpszText);
  lvi.state = nState;
  lvi.stateMask = nStateMask;
  lvi.iImage = nImage;
  lvi.lParam = lParam;
  return InsertItem(&lvi);
}

int SECListBaseC::InsertItem(int nItem, LPCTSTR lpszText, int nImage) {
  return InsertItem(LVIF_TEXT | LVIF_IMAGE, nItem, lpszText, 0, 0, nImage, 0);
}

int SECListBaseC::InsertItem(int nItem, LPCTSTR lpszText) {
  return InsertItem(LVIF_TEXT, nItem, lpszText, 0, 0, 0, 0);
}

int SECListBaseC::InsertItemAfter(const SECListItem* pRecord, LVITEM* pItem) {
  if (pItem == nullptr)
    return -1;
  pItem->iItem = pRecord == nullptr ? 0 : m_model.FindItem(pRecord) + 1;
  return pItem->iItem < 0 ? -1 : InsertItem(pItem);
}

// The new item takes the reference item's place, so it comes just before it.
int SECListBaseC::InsertItemBefore(const SECListItem* pRecord, LVITEM* pItem) {
  if (pItem == nullptr)
    return -1;
  pItem->iItem = pRecord == nullptr ? 0 : m_model.FindItem(pRecord);
  return pItem->iItem < 0 ? -1 : InsertItem(pItem);
}

// Selection primitives: all through SetItemState, which redraws the rows.

void SECListBaseC::SetFocusItem(int nItem, BOOL bSelect) {
  if (!IsMultiSelect())
    DeselectAllExcept(nItem);
  int nOld = GetFocusItem();
  if (nOld >= 0 && nOld != nItem)
    SetItemState(nOld, 0, LVIS_FOCUSED);
  SetItemState(nItem, LVIS_FOCUSED | (bSelect ? LVIS_SELECTED : 0), LVIS_FOCUSED | LVIS_SELECTED);
  m_model.SetAnchor(GetFocusItem());
}

void SECListBaseC::SetCaretItem(int nItem) {
  int nOld = GetFocusItem();
  if (nOld >= 0 && nOld != nItem)
    SetItemState(nOld, 0, LVIS_FOCUSED);
  SetItemState(nItem, LVIS_FOCUSED, LVIS_FOCUSED);
  m_model.SetAnchor(GetFocusItem());
}

void SECListBaseC::DeselectAllExcept(int nItem) {
  std::vector<int> selected = m_model.GetSelection();
  for (auto it = selected.rbegin(); it != selected.rend(); ++it) {
    if (*it != nItem)
      SetItemState(*it, 0, LVIS_SELECTED);
  }
}

BOOL SECListBaseC::SelectItem(int nItem, BOOL bSelect) {
  if (GetItemAt(nItem) == nullptr)
    return FALSE;
  if (bSelect && !IsMultiSelect())
    DeselectAllExcept(nItem);
  return SetItemState(nItem, bSelect ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

void SECListBaseC::SelectRange(int nFirst, int nLast, BOOL bSelect) {
  if (nFirst > nLast)
    std::swap(nFirst, nLast);
  for (int i = std::max(nFirst, 0); i <= nLast && i < GetItemCount(); ++i)
    SelectItem(i, bSelect);
}

BOOL SECListBaseC::SetItemState(int nItem, UINT nState, UINT nMask) {
  return SetItem(nItem, 0, LVIF_STATE, nullptr, 0, nState, nMask, 0);
}

UINT SECListBaseC::GetItemState(int nItem, UINT nMask) {
  LVITEM lvi{};
  lvi.mask = LVIF_STATE;
  lvi.iItem = nItem;
  lvi.stateMask = nMask;
  return GetItem(&lvi, FALSE, TRUE) ? (lvi.state & nMask) : 0;
}

BOOL SECListBaseC::SetItemData(int nItem, LPARAM lParam) {
  return SetItem(nItem, 0, LVIF_PARAM, nullptr, 0, 0, 0, lParam);
}

LPARAM SECListBaseC::GetItemData(int nItem) {
  LVITEM lvi{};
  lvi.mask = LVIF_PARAM;
  lvi.iItem = nItem;
  return GetItem(&lvi, FALSE, FALSE) ? lvi.lParam : 0;
}

void SECListBaseC::SetDropHilite(int nItem) {
  int nOld = GetDropHilite();
  if (nOld == nItem)
    return;
  if (nOld >= 0)
    SetItemState(nOld, 0, LVIS_DROPHILITED);
  if (nItem >= 0)
    SetItemState(nItem, LVIS_DROPHILITED, LVIS_DROPHILITED);
}

BOOL SECListBaseC::NeedsDispInfo(int nItem) {
  SECListItem* pItem = GetItemAt(nItem);
  if (pItem == nullptr)
    return FALSE;
  if (pItem->m_text.IsCallback() || pItem->m_iImage == I_IMAGECALLBACK || m_bStateCallback || m_bStateExCallback)
    return TRUE;
  for (int c = 0; c < GetColumnCount(); ++c) {
    SECListSubItem* pSub = pItem->GetSubItem(GetColumnSubItem(c));
    if (pSub != nullptr && pSub->m_text.IsCallback())
      return TRUE;
  }
  return FALSE;
}

CImageList* SECListBaseC::GetImageList(int nType) const {
  return nType >= 0 && nType < 4 ? m_imageLists[nType] : nullptr;
}

CImageList* SECListBaseC::SetImageList(CImageList* pImageList, int nType) {
  if (nType < 0 || nType >= 4)
    return nullptr;
  CImageList* pOld = m_imageLists[nType];
  CImageList* pNew = pImageList;
  if (pImageList != nullptr && !IsStyleSet(LVS_SHAREIMAGELISTS) && !CopyImageList(pImageList, pNew))
    return pOld;
  m_imageLists[nType] = pNew;
  InvalidateAllHeights();
  return pOld;
}

// The copy belongs to the list and goes with its window.
BOOL SECListBaseC::CopyImageList(CImageList* pSource, CImageList*& pCopy) {
  pCopy = nullptr;
  if (pSource == nullptr || pSource->GetSafeHandle() == nullptr)
    return FALSE;
  HIMAGELIST hCopy = ::ImageList_Duplicate(pSource->GetSafeHandle());
  if (hCopy == nullptr)
    return FALSE;
  auto pOwned = std::make_unique<CImageList>();
  pOwned->Attach(hCopy);
  pCopy = pOwned.get();
  m_ownedImageLists.push_back(std::move(pOwned));
  return TRUE;
}

// Styles -----------------------------------------------------------------

void SECListBaseC::GetListCtrlStyles(DWORD* pStyle, DWORD* pStyleEx) const {
  if (pStyle != nullptr)
    *pStyle = m_dwStyle;
  if (pStyleEx != nullptr)
    *pStyleEx = m_dwStyleEx;
}

BOOL SECListBaseC::SetListCtrlStyles(DWORD dwStyle, DWORD dwStyleEx, BOOL bRedraw) {
  SetListCtrlStyle(dwStyle, FALSE);
  return SetListCtrlStyleEx(dwStyleEx, bRedraw);
}

BOOL SECListBaseC::SetListCtrlStyle(DWORD dwStyle, BOOL bRedraw) {
  DWORD dwOld = m_dwStyle;
  m_dwStyle = dwStyle;
  EndLabelEdit(TRUE);
  CancelEditTimer();
  HideTip();
  if ((dwOld ^ dwStyle) & LVS_NOLABELWRAP) {
    for (int i = 0; i < GetItemCount(); ++i)
      InvalidateItemHeight(i);
  }
  if (!IsMultiSelect() && GetSelectedCount() > 1)
    DeselectAllExcept(GetFocusItem());
  if (bRedraw && m_hWnd != nullptr) {
    RecalcLayout();
    Invalidate();
  }
  return TRUE;
}

BOOL SECListBaseC::SetListCtrlStyleEx(DWORD dwStyleEx, BOOL bRedraw) {
  EndLabelEdit(TRUE);
  HideTip();
  BOOL bFitNow = (dwStyleEx & LVXS_FITCOLUMNS) && !(m_dwStyleEx & LVXS_FITCOLUMNS);
  m_dwStyleEx = dwStyleEx;
  if (bFitNow && m_hWnd != nullptr)
    FitColumns();
  if (bRedraw && m_hWnd != nullptr) {
    RecalcLayout();
    Invalidate();
  }
  return TRUE;
}

BOOL SECListBaseC::ModifyListCtrlStyle(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw) {
  return SetListCtrlStyle((m_dwStyle & ~dwRemove) | dwAdd, bRedraw);
}

BOOL SECListBaseC::ModifyListCtrlStyleEx(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw) {
  return SetListCtrlStyleEx((m_dwStyleEx & ~dwRemove) | dwAdd, bRedraw);
}

BOOL SECListBaseC::ModifyListCtrlStyles(DWORD dwRemove, DWORD dwAdd, DWORD dwRemoveEx, DWORD dwAddEx, BOOL bRedraw) {
  return SetListCtrlStyles((m_dwStyle & ~dwRemove) | dwAdd, (m_dwStyleEx & ~dwRemoveEx) | dwAddEx, bRedraw);
}

void SECListBaseC::SetLabelWrap(BOOL bWrap) {
  ModifyListCtrlStyle(bWrap ? LVS_NOLABELWRAP : 0, bWrap ? 0 : LVS_NOLABELWRAP);
}

void SECListBaseC::SetFlyByTips(BOOL bTips) {
  ModifyListCtrlStyleEx(bTips ? 0 : LVXS_FLYBYTIPS, bTips ? LVXS_FLYBYTIPS : 0);
}

void SECListBaseC::SetMultiSelect(BOOL bMulti) {
  ModifyListCtrlStyle(bMulti ? LVS_SINGLESEL : 0, bMulti ? 0 : LVS_SINGLESEL);
}

BOOL SECListBaseC::GetFlyByTips() const {
  return IsStyleExSet(LVXS_FLYBYTIPS);
}

BOOL SECListBaseC::HasHeader() const {
  return !(m_dwStyle & LVS_NOCOLUMNHEADER);
}

void SECListBaseC::ShowHeader(BOOL bShow, BOOL bButtons) {
  if (bShow)
    ModifyListCtrlStyle(LVS_NOCOLUMNHEADER | (bButtons ? LVS_NOSORTHEADER : 0), 0);
  else
    ModifyListCtrlStyle(0, LVS_NOCOLUMNHEADER | LVS_NOSORTHEADER);
}

void SECListBaseC::ReMeasureAndRedraw() {
  for (int i = 0; i < GetItemCount(); ++i)
    InvalidateItemHeight(i);
  m_nContentWidthCache = 0;
  if (m_hWnd == nullptr)
    return;
  RecalcLayout();
  Invalidate();
}

// Notifications ----------------------------------------------------------

CWnd* SECListBaseC::GetNotifyTarget() const {
  return m_pNotifyWnd != nullptr ? m_pNotifyWnd : GetParent();
}

LRESULT SECListBaseC::SendNotify(NMHDR& hdr, int nCode) {
  CWnd* pTarget = GetNotifyTarget();
  if (pTarget == nullptr || m_hWnd == nullptr)
    return 0;
  hdr.hwndFrom = m_hWnd;
  hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
  hdr.code = static_cast<UINT>(nCode);
  return pTarget->SendMessage(WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr));
}

LRESULT SECListBaseC::NotifyParent(int nCode) {
  NMHDR hdr{};
  m_nLastNotifyResult = static_cast<int>(SendNotify(hdr, nCode));
  return m_nLastNotifyResult;
}

LRESULT SECListBaseC::NotifyInsertItem(int nItem) {
  NMLISTVIEW nm{};
  nm.iItem = nItem;
  return SendNotify(nm.hdr, LVN_INSERTITEM);
}

LRESULT SECListBaseC::NotifyDeleteItem(int nItem) {
  NMLISTVIEW nm{};
  nm.iItem = nItem;
  nm.lParam = GetItemAt(nItem) != nullptr ? GetItemAt(nItem)->m_lParam : 0;
  return SendNotify(nm.hdr, LVN_DELETEITEM);
}

LRESULT SECListBaseC::NotifyBeginLabelEdit(int nItem, int nSubItem) {
  NMLVDISPINFOA nm{};
  nm.item.mask = LVIF_TEXT;
  nm.item.iItem = nItem;
  nm.item.iSubItem = nSubItem;
  nm.item.lParam = GetItemAt(nItem) != nullptr ? GetItemAt(nItem)->m_lParam : 0;
  return SendNotify(nm.hdr, LVN_BEGINLABELEDITA);
}

LRESULT SECListBaseC::NotifyEndLabelEdit(int nItem, int nSubItem, LPSTR pszText, BOOL bAccept) {
  char copy[kListTextMax + 1] = {};
  if (pszText != nullptr)
    std::strncpy(copy, pszText, kListTextMax);
  NMLVDISPINFOA nm{};
  nm.item.mask = LVIF_TEXT;
  nm.item.iItem = nItem;
  nm.item.iSubItem = nSubItem;
  nm.item.lParam = GetItemAt(nItem) != nullptr ? GetItemAt(nItem)->m_lParam : 0;
  nm.item.pszText = bAccept ? copy : nullptr;
  nm.item.cchTextMax = sizeof(copy);
  LRESULT result = SendNotify(nm.hdr, LVN_ENDLABELEDITA);
  copy[kListTextMax] = '\0';
  if (bAccept && result != 0 && pszText != nullptr)
    std::strcpy(pszText, copy);
  return result;
}

LRESULT SECListBaseC::NotifyColumnClick(int nColumn) {
  NMLISTVIEW nm{};
  nm.iItem = -1;
  nm.iSubItem = nColumn;
  return SendNotify(nm.hdr, LVN_COLUMNCLICK);
}

LRESULT SECListBaseC::NotifyGetDispInfo(LVITEM* pItem) {
  NMLVDISPINFOA nm{};
  nm.item = *pItem;
  LRESULT result = SendNotify(nm.hdr, LVN_GETDISPINFOA);
  *pItem = nm.item;
  return result;
}

LRESULT SECListBaseC::NotifyKeyDown(UINT nVKey) {
  NMLVKEYDOWN nm{};
  nm.wVKey = static_cast<WORD>(nVKey);
  nm.flags = 0;
  return SendNotify(nm.hdr, LVN_KEYDOWN);
}
