// SECListBaseC: window life, hit testing, the selection engine's window
// side, keyboard, type-ahead, mouse, column resize and reorder, and the
// in-place label editor.
#include "ui/lists/ListBaseC.h"

#include "ui/lists/ListEdit.h"
#include "ui/lists/ListGeometry.h"
#include "ui/lists/ListSelection.h"
#include "ui/lists/ListTip.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

const int kDividerSlop = 4;
const int kItemDragDistance = 4;
const int kHeaderDragDistance = 2;
const int kMinDragWidth = 10;

BOOL KeyDown(int vk) {
  return (::GetKeyState(vk) & 0x8000) != 0;
}

// The window's side of the selection engine: its primitives and hooks.
class SelectionHost : public IListSelectionHost {
 public:
  explicit SelectionHost(SECListBaseC& list) : m_list(list) {}
  BOOL IsMultiSelect() const override { return m_list.IsMultiSelect(); }
  int GetFocusItem() const override { return m_list.GetFocusItem(); }
  int GetAnchorItem() const override { return m_list.GetModel().GetAnchor(); }
  void SetAnchorItem(int nItem) override { m_list.GetModel().SetAnchor(nItem); }
  BOOL IsItemSelected(int nItem) const override { return m_list.IsSelected(nItem); }
  int GetSelectedCount() const override { return m_list.GetSelectedCount(); }
  void SetFocusItem(int nItem, BOOL bSelect) override { m_list.SetFocusItem(nItem, bSelect); }
  void SetCaretItem(int nItem) override { m_list.SetCaretItem(nItem); }
  void DeselectAllExcept(int nItem) override { m_list.DeselectAllExcept(nItem); }
  void SelectRange(int nFirst, int nLast, BOOL bSelect) override { m_list.SelectRange(nFirst, nLast, bSelect); }
  int OnSelChanging(int nItem, int nOld, BOOL bMouse) override { return m_list.OnSelChanging(nItem, nOld, bMouse); }
  void OnSelChanged(int nItem, int nOld, BOOL bMouse) override { m_list.OnSelChanged(nItem, nOld, bMouse); }
  void HideTip() override {
    if (m_list.GetTip() != nullptr)
      m_list.GetTip()->Hide();
  }
  void InvalidateItemRange(int nFirst, int nLast) override { m_list.InvalidateItemRange(nFirst, nLast); }

 private:
  SECListBaseC& m_list;
};

// Drags a column divider: a line follows the mouse, never nearer than the
// minimum to the column's left edge.
class CColumnResizeLoop : public CCaptureLoop {
 public:
  CColumnResizeLoop(HWND hWnd, int nLeft, int nStart, int nTop, int nBottom)
      : CCaptureLoop(hWnd), m_nLeft(nLeft), m_nX(nStart), m_nTop(nTop), m_nBottom(nBottom) {}
  int GetX() const { return m_nX; }
  void Show() { Invert(); }

 protected:
  void OnMove(CPoint pt) override { MoveTo(pt.x); }
  void OnEnd(CPoint pt) override {
    MoveTo(pt.x);
    Invert();
  }
  void OnCancel() override {
    Invert();
    m_bCancelled = true;
  }

 private:
  void MoveTo(int x) {
    x = std::max(x, m_nLeft + kMinDragWidth);
    if (x == m_nX)
      return;
    Invert();
    m_nX = x;
    Invert();
  }
  void Invert() {
    CClientDC dc(CWnd::FromHandle(GetWindow()));
    dc.PatBlt(m_nX - 1, m_nTop, 2, m_nBottom - m_nTop, DSTINVERT);
  }

  int m_nLeft;
  int m_nX;
  int m_nTop;
  int m_nBottom;
  bool m_bCancelled = false;
};

}  // namespace

// Window life ----------------------------------------------------------------

int SECListBaseC::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CWnd::OnCreate(lpCreateStruct) == -1)
    return -1;
  m_hResizeCursor = ::LoadCursor(::GetModuleHandleA(nullptr), MAKEINTRESOURCE(kResizeCursorId));
  if (m_hResizeCursor == nullptr)
    m_hResizeCursor = ::LoadCursor(nullptr, IDC_SIZEWE);
  try {
    CreateScrollBar(SB_HORZ);
    CreateScrollBar(SB_VERT);
  } catch (CResourceException* e) {
    e->Delete();
    return -1;
  }
  if ((m_dwStyle & LVS_TYPEMASK) != LVS_REPORT) {
    m_dwStyle |= LVS_NOCOLUMNHEADER;
    if (GetColumnCount() == 0)
      InsertColumn(0, "", LVCFMT_LEFT, 20, 0, -1, FALSE);
  }
  return 0;
}

void SECListBaseC::OnDestroy() {
  StopAutoScrollTimer();
  CancelEditTimer();
  if (m_pEdit && m_pEdit->m_hWnd != nullptr)
    m_pEdit->DestroyWindow();
  if (m_pTip && m_pTip->m_hWnd != nullptr)
    m_pTip->DestroyWindow();
  m_model.DeleteAllItems();
  m_model.DeleteAllColumns();
  m_pHorzBar.reset();
  m_pVertBar.reset();
  for (CImageList*& pList : m_imageLists) {
    if (!IsStyleSet(LVS_SHAREIMAGELISTS))
      pList = nullptr;
  }
  m_ownedImageLists.clear();
  m_dwScrollFlags = 0;
  CWnd::OnDestroy();
}

UINT SECListBaseC::OnGetDlgCode() {
  return DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_WANTCHARS;
}

void SECListBaseC::HideTip() {
  if (m_pTip)
    m_pTip->Hide();
}

void SECListBaseC::SetCapture(BOOL bCapture) {
  if (bCapture)
    CWnd::SetCapture();
  else if (::GetCapture() == m_hWnd)
    ::ReleaseCapture();
}

// Hit testing ----------------------------------------------------------------

int SECListBaseC::HitTest(int x, int y, UINT* pFlags, int* pColumn) {
  UINT flags = 0;
  int nResult = -1;
  int nColumn = -1;
  CRect client;
  GetInsideRect(&client);
  CRect area;
  GetItemAreaRect(&area);
  CPoint pt(x, y);
  if (!client.PtInRect(pt)) {
    if (y < client.top)
      flags |= SEC_LVHT_ABOVE;
    if (y >= client.bottom)
      flags |= SEC_LVHT_BELOW;
    if (x < client.left)
      flags |= SEC_LVHT_TOLEFT;
    if (x >= client.right)
      flags |= SEC_LVHT_TORIGHT;
  } else if (y < area.top) {
    for (int c = 0; c < GetColumnCount(); ++c) {
      int right = GetColumnRight(c);
      if (std::abs(x - right) <= kDividerSlop) {
        flags |= SEC_LVHT_ONDIVIDER;
        nResult = nColumn = c;
        break;
      }
      if (x >= GetColumnLeft(c) && x < right) {
        flags |= SEC_LVHT_ONHEADER;
        nResult = nColumn = c;
        break;
      }
    }
  } else if (area.PtInRect(pt)) {
    for (int c = 0; c < GetColumnCount(); ++c) {
      if (x >= GetColumnLeft(c) && x < GetColumnRight(c))
        nColumn = c;
    }
    if (GetColumnCount() < 2)
      nColumn = 0;
    CListRowGeometry rows(GetItemCount(), [this](int i) { return GetRowPitch(i); });
    int nItem = rows.RowAtY(m_nTopIndex, y - area.top);
    if (nItem >= 0) {
      nResult = nItem;
      flags |= SEC_LVHT_ONROW;
      if (GetColumnSubItem(nColumn) == 0) {
        CPoint rel(x - GetColumnLeft(nColumn), y - area.top - GetRowTop(nItem));
        SECListItem* pItem = GetItemAt(nItem);
        if (CRect(pItem->m_rcText).PtInRect(rel))
          flags |= SEC_LVHT_ONITEMLABEL;
        else if (CRect(pItem->m_rcIcon).PtInRect(rel))
          flags |= SEC_LVHT_ONITEMICON;
        else if (CRect(pItem->m_rcStateIcon).PtInRect(rel))
          flags |= SEC_LVHT_ONITEMSTATEICON;
        else if (rel.x < pItem->m_rcText.left)
          flags |= SEC_LVHT_ONROWLEFT;
        else
          flags |= SEC_LVHT_ONROWRIGHT;
      }
    }
  }
  if (flags == 0)
    flags = SEC_LVHT_NOWHERE;
  if (pFlags != nullptr)
    *pFlags = flags;
  if (pColumn != nullptr)
    *pColumn = nColumn;
  return nResult;
}

BOOL SECListBaseC::IsClickOnItem(CPoint pt, int nItem, UINT nHitFlags, BOOL* pArm, BOOL* pSelect) {
  BOOL bArm = FALSE;
  BOOL bSelect = FALSE;
  if (nHitFlags & (SEC_LVHT_ONITEMICON | SEC_LVHT_ONITEMLABEL)) {
    bArm = bSelect = TRUE;
  } else if ((nHitFlags & SEC_LVHT_ONHEADER) && IsStyleExSet(LVXS_HEADERDRAGDROP) && nItem > 0) {
    bArm = TRUE;
  } else if ((nHitFlags & SEC_LVHT_ONROW) && !(nHitFlags & SEC_LVHT_ONITEMSTATEICON)) {
    if (FullRowSelect()) {
      bSelect = TRUE;
    } else if (SECListItem* pItem = GetItemAt(nItem)) {
      int nLabel = std::max(m_model.FindColumnOfSubItem(0), 0);
      int iconRight = GetColumnLeft(nLabel) + pItem->m_rcIcon.right;
      bSelect = (nHitFlags & SEC_LVHT_ONROWRIGHT) ? FALSE : pt.x >= iconRight;
      if ((nHitFlags & SEC_LVHT_ONROWLEFT) == 0)
        bSelect = FALSE;
    }
    bArm = bSelect;
  }
  if (pArm != nullptr)
    *pArm = bArm;
  if (pSelect != nullptr)
    *pSelect = bSelect;
  return bArm || bSelect;
}

BOOL SECListBaseC::SelectItemEx(int nItem, UINT, UINT nKeyFlags, BOOL bMouse) {
  if (GetItemAt(nItem) == nullptr)
    return FALSE;
  m_nPressedItem = -1;
  SelectionHost host(*this);
  return SelectListItem(host, nItem, nKeyFlags, bMouse, m_bSelectionVetoed);
}

// Keyboard ---------------------------------------------------------------

void SECListBaseC::SelectByKey(int nItem, BOOL bShift, BOOL bCtrl) {
  UINT keys = (bShift ? kListKeyShift : 0) | (bCtrl ? kListKeyControl : 0);
  if (!SelectItemEx(nItem, 0, keys, FALSE))
    return;
  OnFocusMoved(nItem, FALSE);
  EnsureVisible(nItem, FALSE);
}

void SECListBaseC::OnKeyUp(int nItem, int, BOOL bShift, BOOL bCtrl, UINT, UINT) {
  if (nItem > 0)
    SelectByKey(nItem - 1, bShift, bCtrl);
  else if (nItem < 0 && GetItemCount() > 0)
    SelectByKey(0, bShift, bCtrl);
}

void SECListBaseC::OnKeyDown(int nItem, int, BOOL bShift, BOOL bCtrl, UINT, UINT) {
  if (nItem + 1 < GetItemCount())
    SelectByKey(nItem + 1, bShift, bCtrl);
}

void SECListBaseC::OnKeyF2(int nItem, int, BOOL, BOOL, UINT, UINT) {
  if (IsStyleSet(LVS_EDITLABELS) && nItem >= 0)
    EditLabel(nItem, m_nCurrentColumn);
}

void SECListBaseC::OnKeyReturn(int, int, BOOL, BOOL, UINT, UINT) {
  NotifyParent(NM_RETURN);
}

void SECListBaseC::OnKeyHome(int, int, BOOL bShift, BOOL bCtrl, UINT, UINT) {
  if (GetItemCount() == 0)
    return;
  if (m_dwScrollFlags & kVertBarShown)
    OnVScroll(SB_TOP, 0, nullptr);
  if (SelectItemEx(0, 0, (bShift ? kListKeyShift : 0) | (bCtrl ? kListKeyControl : 0), FALSE))
    OnFocusMoved(0, FALSE);
  Invalidate(FALSE);
}

void SECListBaseC::OnKeyEnd(int, int, BOOL bShift, BOOL bCtrl, UINT, UINT) {
  int nLast = GetItemCount() - 1;
  if (nLast < 0)
    return;
  if (m_dwScrollFlags & kVertBarShown)
    OnVScroll(SB_BOTTOM, 0, nullptr);
  if (SelectItemEx(nLast, 0, (bShift ? kListKeyShift : 0) | (bCtrl ? kListKeyControl : 0), FALSE))
    OnFocusMoved(nLast, FALSE);
  EnsureVisible(nLast, FALSE);
  Invalidate(FALSE);
}

void SECListBaseC::OnKeyPrior(int nItem, int nSubItem, BOOL bShift, BOOL bCtrl, UINT nRepeat, UINT nFlags) {
  if (!(m_dwScrollFlags & kVertBarShown)) {
    OnKeyHome(nItem, nSubItem, bShift, bCtrl, nRepeat, nFlags);
    return;
  }
  if (nItem == m_nTopIndex)
    OnVScroll(SB_PAGEUP, 0, nullptr);
  SelectByKey(m_nTopIndex, bShift, bCtrl);
}

void SECListBaseC::OnKeyNext(int nItem, int nSubItem, BOOL bShift, BOOL bCtrl, UINT nRepeat, UINT nFlags) {
  if (!(m_dwScrollFlags & kVertBarShown)) {
    OnKeyEnd(nItem, nSubItem, bShift, bCtrl, nRepeat, nFlags);
    return;
  }
  if (nItem == GetLastVisibleIndex())
    OnVScroll(SB_PAGEDOWN, 0, nullptr);
  SelectByKey(GetLastVisibleIndex(), bShift, bCtrl);
}

void SECListBaseC::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  NotifyKeyDown(nChar);
  if (m_hWnd == nullptr)
    return;
  BOOL bShift = KeyDown(VK_SHIFT);
  BOOL bCtrl = KeyDown(VK_CONTROL);
  int nFocus = GetFocusItem();
  int nSub = GetColumnSubItem(m_nCurrentColumn);
  switch (nChar) {
    case VK_UP: OnKeyUp(nFocus, nSub, bShift, bCtrl, nRepCnt, nFlags); break;
    case VK_DOWN: OnKeyDown(nFocus, nSub, bShift, bCtrl, nRepCnt, nFlags); break;
    case VK_PRIOR: OnKeyPrior(nFocus, nSub, bShift, bCtrl, nRepCnt, nFlags); break;
    case VK_NEXT: OnKeyNext(nFocus, nSub, bShift, bCtrl, nRepCnt, nFlags); break;
    case VK_HOME: OnKeyHome(nFocus, nSub, bShift, bCtrl, nRepCnt, nFlags); break;
    case VK_END: OnKeyEnd(nFocus, nSub, bShift, bCtrl, nRepCnt, nFlags); break;
    case VK_SPACE:
      if (nFocus >= 0)
        SetFocusItem(nFocus, !IsSelected(nFocus));
      break;
    case VK_F2: OnKeyF2(nFocus, nSub, bShift, bCtrl, nRepCnt, nFlags); break;
    case VK_RETURN: OnKeyReturn(nFocus, nSub, bShift, bCtrl, nRepCnt, nFlags); break;
    case VK_TAB:
      if (CWnd* pParent = GetParent())
        pParent->PostMessage(WM_NEXTDLGCTL, bShift, 0);
      break;
    case VK_ESCAPE:
      if (CWnd* pParent = GetParent())
        pParent->PostMessage(WM_COMMAND, IDCANCEL, 0);
      break;
    case VK_RIGHT:
    case VK_ADD:
    case VK_OEM_PLUS: OnKeyRight(nFocus, nSub, bShift, bCtrl, nRepCnt, nFlags); break;
    case VK_LEFT:
    case VK_SUBTRACT:
    case VK_OEM_MINUS: OnKeyLeft(nFocus, nSub, bShift, bCtrl, nRepCnt, nFlags); break;
    case VK_MULTIPLY: OnKeyMultiply(nFocus, nSub, bShift, bCtrl, nRepCnt, nFlags); break;
    case VK_BACK: OnKeyBack(nFocus, nSub, bShift, bCtrl, nRepCnt, nFlags); break;
    default: break;
  }
  Default();
}

void SECListBaseC::OnSysKeyDown(UINT nChar, UINT, UINT) {
  NotifyKeyDown(nChar);
  if (m_hWnd != nullptr)
    Default();
}

void SECListBaseC::OnChar(UINT nChar, UINT, UINT) {
  if (nChar == VK_ESCAPE || nChar == VK_RETURN || nChar == VK_SPACE || GetItemCount() == 0 ||
      (m_typeAhead.GetFlags() & CListTypeAhead::kOff)) {
    Default();
    return;
  }
  auto labelOf = [this](int i) {
    CString text;
    GetItemText(text, i, 0);
    return std::string(static_cast<LPCTSTR>(text));
  };
  CListTypeAhead::Result result = m_typeAhead.OnChar(static_cast<char>(nChar), GetFocusItem(), GetItemCount(), labelOf);
  if (result.bStartTimer)
    m_nTypeAheadTimer = SetTimer(kTypeAheadTimer, m_nTypeAheadPeriod);
  if (result.action == CListTypeAhead::Action::kBeep) {
    ::MessageBeep(0xFFFFFFFF);
  } else if (result.action == CListTypeAhead::Action::kMatch) {
    if (SelectItemEx(result.nItem, 0, 0, FALSE)) {
      OnFocusMoved(result.nItem, FALSE);
      EnsureVisible(result.nItem, FALSE);
    }
  }
}

// Timers -------------------------------------------------------------------

void SECListBaseC::OnTimer(UINT_PTR nIDEvent) {
  switch (nIDEvent) {
    case kEditTimer: OnEditTimer(); break;
    case kAutoScrollTimer: DoAutoScroll(); break;
    case kTypeAheadTimer: OnTypeAheadTimer(); break;
    default: break;
  }
  if (m_hWnd != nullptr)
    Default();
}

void SECListBaseC::OnEditTimer() {
  CancelEditTimer();
  if (GetFocusItem() >= 0 && GetFocusItem() == m_nPendingEditItem)
    EditLabel(m_nPendingEditItem, m_nCurrentColumn);
}

void SECListBaseC::OnTypeAheadTimer() {
  if (m_typeAhead.OnTick()) {
    KillTimer(kTypeAheadTimer);
    m_nTypeAheadTimer = 0;
  }
}

void SECListBaseC::CancelEditTimer() {
  if (m_nEditTimer != 0 && m_hWnd != nullptr)
    KillTimer(kEditTimer);
  m_nEditTimer = 0;
}

void SECListBaseC::DoAutoScroll() {
  if (!m_bItemDrag || GetItemCount() < 3)
    return;
  CPoint pt;
  ::GetCursorPos(&pt);
  ScreenToClient(&pt);
  int nItem = IndexFromPoint(pt);
  CRect area;
  GetItemAreaRect(&area);
  if (nItem < 0 && pt.y < area.bottom)
    return;
  if (nItem == m_nTopIndex && m_nTopIndex > 0) {
    SetDropHilite(-1);
    ScrollRows(-1);
    UpdateScrollBars();
  } else if ((nItem < 0 || nItem >= GetLastVisibleIndex()) && GetLastVisibleIndex() < GetItemCount() - 1) {
    SetDropHilite(-1);
    ScrollRows(1);
    UpdateScrollBars();
  }
}

// Mouse ----------------------------------------------------------------------

void SECListBaseC::ResetMouseState() {
  m_bItemDrag = m_bHeaderDrag = FALSE;
  m_nPressedItem = -1;
}

void SECListBaseC::OnLButtonDown(UINT nFlags, CPoint point) {
  SetFocus();
  UINT hit = 0;
  int nColumn = -1;
  int nItem = HitTest(point.x, point.y, &hit, &nColumn);
  m_nCurrentColumn = std::max(nColumn, 0);
  m_bClickArmed = FALSE;
  if ((hit & SEC_LVHT_ONDIVIDER) && nItem >= 0 && nItem < GetColumnCount() - 1) {
    ResizeColumnByDrag(nItem, TrackColumnResize(point.x, point.y, nItem));
  } else {
    BOOL bArm = FALSE;
    BOOL bSelect = FALSE;
    IsClickOnItem(point, nItem, hit, &bArm, &bSelect);
    m_bClickArmed = bArm;
    if (!IsStyleSet(LVS_NOSORTHEADER) && (hit & SEC_LVHT_ONHEADER)) {
      m_bClickArmed = TRUE;
      DrawHeaderButton(nItem, TRUE);
      CWnd::SetCapture();
    }
    if (bSelect && nItem >= 0) {
      SelectItemEx(nItem, hit, nFlags & (MK_RBUTTON | MK_SHIFT | MK_CONTROL), TRUE);
      OnFocusMoved(nItem, TRUE);
    }
  }
  m_ptMouseDown = point;
  if (m_pTip)
    m_pTip->Refresh();
  m_bItemDrag = m_bHeaderDrag = FALSE;
  m_nPressedItem = -1;
}

int SECListBaseC::TrackColumnResize(int x, int y, int nColumn) {
  if (::GetCapture() != nullptr)
    return 0;
  CRect client;
  GetInsideRect(&client);
  int nStart = GetColumnRight(nColumn);
  CColumnResizeLoop loop(m_hWnd, GetColumnLeft(nColumn), nStart, client.top, client.bottom);
  loop.Show();
  if (!loop.Run())
    return 0;
  return std::max(loop.GetX(), GetColumnLeft(nColumn) + kMinDragWidth) - nStart;
}

void SECListBaseC::ResizeColumnByDrag(int nColumn, int nDelta) {
  if (nDelta == 0)
    return;
  CRect area;
  GetItemAreaRect(&area);
  std::vector<int> widths;
  for (int c = 0; c < GetColumnCount(); ++c)
    widths.push_back(GetColumnWidth(c));
  widths = ResizeColumnWidths(widths, nColumn, nDelta, IsStyleExSet(LVXS_FITCOLUMNS) != FALSE, area.Width());
  for (int c = 0; c < GetColumnCount(); ++c)
    GetColumnAt(c)->cx = widths[c];
  if (IsLabelWrap()) {
    for (int i = 0; i < GetItemCount(); ++i)
      InvalidateItemHeight(i);
  }
  RecalcLayout();
  Invalidate(FALSE);
}

namespace {

// Image-list drag positions are relative to the window's top-left corner,
// not the client area's.
CPoint ClientToWindowOffset(const CWnd& wnd) {
  CPoint origin(0, 0);
  wnd.ClientToScreen(&origin);
  CRect rc;
  wnd.GetWindowRect(&rc);
  return origin - rc.TopLeft();
}

}  // namespace

void SECListBaseC::BeginHeaderDrag(CPoint point) {
  m_bHeaderDrag = TRUE;
  m_nHeaderDropTarget = -1;
  m_pHeaderDragImage.reset(CreateHeaderDragImage(m_nPressedHeader));
  if (!m_pHeaderDragImage)
    return;
  CPoint offset = ClientToWindowOffset(*this);
  CRect client;
  GetInsideRect(&client);
  ::ImageList_BeginDrag(m_pHeaderDragImage->GetSafeHandle(), 0, point.x - GetColumnLeft(m_nPressedHeader), 0);
  ::ImageList_DragEnter(m_hWnd, point.x + offset.x, client.top + offset.y);
}

// The drop target follows the mouse: right of a column's middle is after it.
void SECListBaseC::ShowDropMarker(int x, int, int nColumn) {
  if (nColumn < 0)
    nColumn = GetColumnCount() - 1;
  // Nothing goes before the label column.
  BOOL bNowhere = nColumn == 0 && x < GetColumnLeft(0) + GetColumnWidth(0) / 2;
  if (nColumn == 0)
    nColumn = 1;
  int left = GetColumnLeft(nColumn);
  int mid = left + GetColumnWidth(nColumn) / 2;
  int nTarget = bNowhere ? -1 : (x >= mid ? nColumn + 1 : nColumn);
  if (nTarget == m_nHeaderDropTarget)
    return;
  m_nHeaderDropTarget = nTarget;
  CClientDC dc(this);
  CRect client;
  GetInsideRect(&client);
  InvalidateRect(CRect(client.left, client.top, client.right, client.top + m_nHeaderHeight), FALSE);
  UpdateWindow();
  if (nTarget < 0)
    return;
  int lineX = nTarget > nColumn ? GetColumnRight(nColumn) - 1 : left;
  if (m_pHeaderDragImage)
    ::ImageList_DragShowNolock(FALSE);
  dc.FillSolidRect(lineX, client.top, 1, m_nHeaderHeight, RGB(0, 0, 255));
  if (m_pHeaderDragImage)
    ::ImageList_DragShowNolock(TRUE);
}

void SECListBaseC::TrackHeaderDrag(CPoint point) {
  CRect client;
  GetInsideRect(&client);
  BOOL bInside = point.y <= client.top + m_nHeaderHeight + 30;
  if (m_pHeaderDragImage) {
    CPoint offset = ClientToWindowOffset(*this);
    ::ImageList_DragShowNolock(bInside);
    ::ImageList_DragMove(point.x + offset.x, client.top + offset.y);
  }
  if (!bInside) {
    if (m_nHeaderDropTarget >= 0) {
      m_nHeaderDropTarget = -1;
      InvalidateRect(CRect(client.left, client.top, client.right, client.top + m_nHeaderHeight), FALSE);
    }
    return;
  }
  int nColumn = -1;
  for (int c = 0; c < GetColumnCount(); ++c) {
    if (point.x >= GetColumnLeft(c) && point.x < GetColumnRight(c))
      nColumn = c;
  }
  ShowDropMarker(point.x, point.y, nColumn);
}

void SECListBaseC::EndHeaderDrag() {
  int nSource = m_nPressedHeader;
  int nTarget = m_nHeaderDropTarget;
  if (m_pHeaderDragImage) {
    ::ImageList_DragLeave(m_hWnd);
    ::ImageList_EndDrag();
    m_pHeaderDragImage.reset();
  }
  m_bHeaderDrag = FALSE;
  m_nHeaderDropTarget = -1;
  SetCapture(FALSE);
  DrawHeaderButton(nSource, FALSE);
  if (nTarget >= 1 && nTarget != nSource && nTarget != nSource + 1)
    MoveColumn(nSource, nTarget, TRUE);
  Invalidate(FALSE);
}

void SECListBaseC::OnMouseMove(UINT nFlags, CPoint point) {
  if (m_bItemDrag)
    return;
  UINT hit = 0;
  int nColumn = -1;
  int nItem = HitTest(point.x, point.y, &hit, &nColumn);
  m_bOnDivider = (hit & SEC_LVHT_ONDIVIDER) != 0;
  if (m_nPressedHeader >= 0 && !m_bHeaderDrag && !(hit & SEC_LVHT_ONHEADER && nItem == m_nPressedHeader)) {
    BOOL bMayDrag = m_nPressedHeader > 0 && IsStyleExSet(LVXS_HEADERDRAGDROP) && (nFlags & MK_LBUTTON);
    if (!bMayDrag) {
      SetCapture(FALSE);
      DrawHeaderButton(m_nPressedHeader, FALSE);
      m_bClickArmed = FALSE;
      m_nPressedHeader = -1;
    }
  }
  int dx = std::abs(point.x - m_ptMouseDown.x);
  int dy = std::abs(point.y - m_ptMouseDown.y);
  CRect area;
  GetItemAreaRect(&area);
  if (GetFocusItem() >= 0 && m_bClickArmed && (nFlags & (MK_LBUTTON | MK_RBUTTON)) && m_nPressedHeader < 0 &&
      point.y >= area.top && std::max(dx, dy) >= kItemDragDistance) {
    m_bItemDrag = TRUE;
    HideTip();
    if (nFlags & MK_LBUTTON)
      OnBeginDrag(GetFocusItem(), m_ptMouseDown.x, m_ptMouseDown.y);
    else
      OnBeginRDrag(GetFocusItem(), m_ptMouseDown.x, m_ptMouseDown.y);
    return;
  }
  if (m_nPressedHeader > 0 && m_bClickArmed && (nFlags & MK_LBUTTON) && IsStyleExSet(LVXS_HEADERDRAGDROP) &&
      !m_bHeaderDrag && dx >= kHeaderDragDistance)
    BeginHeaderDrag(point);
  if (m_bHeaderDrag) {
    TrackHeaderDrag(point);
    return;
  }
  if (GetFlyByTips() && !IsLabelWrap() && m_pTip) {
    if (nItem == m_nEditingItem && nColumn == m_nCurrentColumn)
      HideTip();
    else
      m_pTip->Show(hit, nItem, nColumn, point.x, point.y);
  }
}

void SECListBaseC::OnLButtonUp(UINT nFlags, CPoint point) {
  m_bClickArmed = FALSE;
  if (m_bItemDrag) {
    m_bItemDrag = FALSE;
    return;
  }
  if (m_bHeaderDrag) {
    EndHeaderDrag();
    m_nPressedHeader = -1;
    return;
  }
  if (m_nPressedHeader >= 0) {
    int nColumn = m_nPressedHeader;
    SetCapture(FALSE);
    DrawHeaderButton(nColumn, FALSE);
    m_nPressedHeader = -1;
    NotifyColumnClick(nColumn);
    if (m_hWnd == nullptr)
      return;
  }
  UINT hit = 0;
  int nColumn = -1;
  int nItem = HitTest(point.x, point.y, &hit, &nColumn);
  BOOL bKeys = (nFlags & (MK_SHIFT | MK_CONTROL)) != 0;
  if (nItem >= 0 && (hit & SEC_LVHT_ONROW) && IsSelected(nItem) && GetSelectedCount() > 1 && !bKeys) {
    DeselectAllExcept(-1);
    SelectItemEx(nItem, hit, 0, TRUE);
  }
  BOOL bOnLabel =
      (hit & (SEC_LVHT_ONITEMICON | SEC_LVHT_ONITEMLABEL)) != 0 || ((hit & SEC_LVHT_ONROW) && FullRowSelect());
  if (bOnLabel && nItem >= 0 && nItem == m_nPendingEditItem)
    m_nEditTimer = SetTimer(kEditTimer, kEditDelay);
  BOOL bArm = IsStyleSet(LVS_EDITLABELS) && nItem >= 0 && IsSelected(nItem) &&
              ((hit & SEC_LVHT_ONITEMLABEL) ||
               (FullRowSelect() && (hit & SEC_LVHT_ONROW) && m_nCurrentColumn > 0 && nColumn > 0));
  m_nPendingEditItem = bArm ? nItem : -1;
  NotifyParent(NM_CLICK);
}

void SECListBaseC::OnLButtonDblClk(UINT, CPoint) {
  m_nPendingEditItem = -1;
  CancelEditTimer();
  NotifyParent(NM_DBLCLK);
}

void SECListBaseC::OnRButtonDown(UINT nFlags, CPoint point) {
  if (m_pTip && m_pTip->IsShown()) {
    CWnd* pMain = GetTopLevelParent();
    SendMessage(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(AfxGetSafeHwnd(pMain)), MAKELPARAM(HTCLIENT, WM_RBUTTONDOWN));
  }
  SetFocus();
  UINT hit = 0;
  int nItem = HitTest(point.x, point.y, &hit, nullptr);
  if (!(hit & SEC_LVHT_ONDIVIDER)) {
    BOOL bArm = FALSE;
    BOOL bSelect = FALSE;
    IsClickOnItem(point, nItem, hit, &bArm, &bSelect);
    m_bClickArmed = bArm;
    if (bSelect && nItem >= 0) {
      SelectItemEx(nItem, hit, (nFlags & (MK_SHIFT | MK_CONTROL)) | MK_RBUTTON, TRUE);
      OnFocusMoved(nItem, TRUE);
    }
  }
  m_ptMouseDown = point;
  if (m_pTip)
    m_pTip->Refresh();
  m_bItemDrag = FALSE;
}

void SECListBaseC::OnRButtonUp(UINT, CPoint) {
  m_bClickArmed = FALSE;
  if (m_bItemDrag) {
    m_bItemDrag = FALSE;
    return;
  }
  NotifyParent(NM_RCLICK);
}

BOOL SECListBaseC::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
  if (pWnd == this && nHitTest == HTCLIENT && m_bOnDivider && m_hResizeCursor != nullptr) {
    ::SetCursor(m_hResizeCursor);
    return FALSE;
  }
  return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

void SECListBaseC::OnCancelMode() {
  HideTip();
}

void SECListBaseC::OnSetFocus(CWnd* pOldWnd) {
  Invalidate(FALSE);
  NotifyParent(NM_SETFOCUS);
}

void SECListBaseC::OnKillFocus(CWnd* pNewWnd) {
  if (pNewWnd != nullptr && m_pEdit && pNewWnd->m_hWnd == m_pEdit->m_hWnd)
    return;
  EndLabelEdit(TRUE);
  if (m_hWnd == nullptr)
    return;
  Invalidate(FALSE);
  NotifyParent(NM_KILLFOCUS);
}

// In-place label editing ---------------------------------------------------

SECListEdit* SECListBaseC::EditLabel(int nItem, int nColumn) {
  if (m_pEdit->m_hWnd != nullptr || GetItemAt(nItem) == nullptr)
    return nullptr;
  HideTip();
  int nSubItem = std::max(GetColumnSubItem(nColumn), 0);
  m_nPendingEditItem = -1;
  m_nCurrentColumn = nColumn;
  m_nEditingItem = nItem;
  EnsureVisible(nItem, FALSE);
  CRect rc;
  if (!GetSubItemRect(nItem, nColumn, &rc, 2))
    rc.SetRectEmpty();
  CRect area;
  GetItemAreaRect(&area);
  rc.InflateRect(4, 1, 10, 1);
  if (rc.left < 0)
    rc.OffsetRect(-rc.left, 0);
  rc.right = std::min(rc.right, area.right);
  DWORD dwStyle = IsLabelWrap() ? 0x40800044 : 0x40801084;
  if (!m_pEdit->Create(dwStyle, rc, this, kEditId)) {
    m_nEditingItem = -1;
    return nullptr;
  }
  m_pEdit->SendMessage(EM_SETTABSTOPS, 0, 0);
  m_pEdit->SetLimitText(kListTextMax);
  CString text;
  GetItemText(text, nItem, nSubItem);
  m_pEdit->SetWindowText(text);
  m_pEdit->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(GetListFont()), TRUE);
  m_pEdit->SetSel(0, -1);
  m_pEdit->SendMessage(EM_SCROLLCARET);
  if (NotifyBeginLabelEdit(nItem, nSubItem) == 1) {
    if (m_pEdit->m_hWnd != nullptr)
      m_pEdit->DestroyWindow();
    m_nEditingItem = m_nPendingEditItem = -1;
    return nullptr;
  }
  if (m_hWnd == nullptr || m_pEdit->m_hWnd == nullptr)
    return nullptr;
  m_pEdit->ShowWindow(SW_SHOW);
  m_pEdit->SetFocus();
  m_strSavedLabel = text;
  RedrawItems(nItem);
  m_bEndingEdit = FALSE;
  return m_pEdit.get();
}

BOOL SECListBaseC::EndLabelEdit(BOOL bSave) {
  if (!m_pEdit || m_pEdit->m_hWnd == nullptr || m_bEndingEdit)
    return FALSE;
  m_bEndingEdit = TRUE;
  char text[kListTextMax + 1] = {};
  m_pEdit->GetWindowText(text, sizeof(text));
  int nSubItem = std::max(GetColumnSubItem(m_nCurrentColumn), 0);
  int nItem = m_nEditingItem;
  m_nEditingItem = -1;
  LRESULT accepted = NotifyEndLabelEdit(nItem, nSubItem, text, bSave);
  if (m_hWnd == nullptr)
    return TRUE;
  if (bSave && accepted != 0) {
    SetItemText(nItem, nSubItem, text);
    OnEndLabelEdit(nItem, nSubItem);
  } else {
    SetItemText(nItem, nSubItem, m_strSavedLabel);
  }
  BOOL bHadFocus = ::GetFocus() == m_pEdit->m_hWnd;
  if (m_pEdit->m_hWnd != nullptr)
    m_pEdit->DestroyWindow();
  if (bHadFocus)
    SetFocus();
  InvalidateItemHeight(nItem);
  RecalcLayout();
  Invalidate(FALSE);
  return TRUE;
}

void SECListBaseC::OnEditKillFocus() {
  CWnd* pFocus = CWnd::GetFocus();
  if (pFocus != nullptr && pFocus->m_hWnd == m_hWnd)
    return;
  EndLabelEdit(TRUE);
}

void SECListBaseC::OnEditUpdate() {
  if (m_nEditingItem < 0 || m_pEdit->m_hWnd == nullptr)
    return;
  char text[kListTextMax + 1] = {};
  m_pEdit->GetWindowText(text, sizeof(text));
  int nItem = m_nEditingItem;
  int nSubItem = std::max(GetColumnSubItem(m_nCurrentColumn), 0);
  int nOldHeight = GetItemAt(nItem)->m_nHeight;
  m_model.SetItem([&] {
    LVITEM lvi{};
    lvi.mask = LVIF_TEXT | LVIF_DI_SETITEM;
    lvi.iItem = nItem;
    lvi.iSubItem = nSubItem;
    lvi.pszText = text;
    return lvi;
  }());
  InvalidateItemHeight(nItem);
  MeasureItem(nItem);
  if (GetItemAt(nItem)->m_nHeight != nOldHeight) {
    RecalcLayout();
    RedrawItems(nItem, FALSE, TRUE, TRUE);
  }
  CRect rc;
  if (!GetSubItemRect(nItem, m_nCurrentColumn, &rc, 2))
    return;
  CRect area;
  GetItemAreaRect(&area);
  int left = std::max(static_cast<int>(rc.left) - 4, 0);
  int right = rc.right + 14;
  right = std::min(right, GetColumnCount() > 1 ? GetColumnRight(m_nCurrentColumn) : static_cast<int>(area.right));
  m_pEdit->SetWindowPos(nullptr, 0, 0, right - left, rc.Height() + 2, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
}
