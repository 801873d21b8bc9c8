#include "ui/lists/TreeBaseC.h"

#include "ui/lists/ListEdit.h"
#include "ui/lists/ListTip.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNCREATE(SECTreeBaseC, SECListCtrl)

UINT SECTreeEndLabelEditMessage() {
  static const UINT message = ::RegisterWindowMessageA("SECTreeCtrlNotifyEndLabelEditRegMsg");
  return message;
}

namespace {

HTREEITEM Handle(const _Node* node) {
  return node != nullptr ? node->GetHandle() : nullptr;
}

// The list engine's selection reason as the tree's action.
int ActionOf(BOOL bMouse) {
  return bMouse == 1 ? TVC_BYMOUSE : bMouse == 0 ? TVC_BYKEYBOARD : TVC_UNKNOWN;
}

void CopyItem(TVITEM& to, _Node* node, TreeLogic& logic) {
  to = TVITEM{};
  if (node == nullptr)
    return;
  to.mask = TVIF_HANDLE | TVIF_PARAM | TVIF_STATE | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN;
  to.hItem = node->GetHandle();
  to.stateMask = 0xFFFF;
  logic.GetNodeItem(to, FALSE, FALSE);
  to.mask |= TVIF_TEXT;
  to.pszText = node->IsTextCallback() ? LPSTR_TEXTCALLBACK : const_cast<LPTSTR>(node->GetText());
}

}  // namespace

// The rules, answered with notifications -------------------------------------

class SECTreeBaseC::Logic : public TreeLogic {
 public:
  explicit Logic(SECTreeBaseC& tree) : m_tree(tree) {}

 protected:
  LRESULT OnItemExpanding(_Node* node, UINT action) override {
    return m_tree.SendItemExpanding(node->GetHandle(), action);
  }
  void OnItemExpanded(_Node* node, UINT action) override { m_tree.SendItemExpanded(node->GetHandle(), action); }
  LRESULT OnSelChanging(_Node* oldNode, _Node* newNode, int action) override {
    return m_tree.SendSelChange(TVN_SELCHANGINGA, oldNode, newNode, action);
  }
  void OnSelChanged(_Node* oldNode, _Node* newNode, int action) override {
    m_tree.SendSelChange(TVN_SELCHANGEDA, oldNode, newNode, action);
  }
  void OnDeleteNode(_Node* node) override { m_tree.OnNodeDeleted(node); }
  void OnSetDispInfo(_Node* node, UINT mask) override {
    TVITEM item{};
    item.mask = mask | TVIF_HANDLE;
    item.hItem = node->GetHandle();
    item.lParam = node->m_item.lParam;
    m_tree.SendSetDispInfo(&item);
  }
  void OnGetDispInfo(TVITEM& item) override { m_tree.SendGetDispInfo(&item); }

 private:
  SECTreeBaseC& m_tree;
};

// The list rows, one per visible node; each row's data is its node.
class SECTreeBaseC::Rows : public ITreeRows {
 public:
  explicit Rows(SECTreeBaseC& tree) : m_tree(tree) {}

  int GetRowCount() const override { return m_tree.GetItemCount(); }
  _Node* GetRowNode(int row) const override { return m_tree.NodeOfRow(row); }
  void InsertRows(int row, const std::vector<_Node*>& nodes) override {
    size_t first = 0;
    // Animated: the first few rows appear one by one, the rest at once.
    for (; m_bAnimate && first < nodes.size() && m_tree.m_nAnimationCount < m_tree.m_nAnimationStep; ++first) {
      ++m_tree.m_nAnimationCount;
      Insert(row + static_cast<int>(first), nodes.begin() + first, nodes.begin() + first + 1);
      m_tree.UpdateScrollBars();
      m_tree.Invalidate();
      m_tree.UpdateWindow();
    }
    Insert(row + static_cast<int>(first), nodes.begin() + first, nodes.end());
  }
  void DeleteRows(int row, int count) override {
    if (!m_bAnimate) {
      m_tree.SECListBaseC::DeleteItem(row, count);
      return;
    }
    // Animated: five steps from the bottom up, each shown.
    const int step = std::max(count / 5, 1);
    for (int left = count; left > 0; left -= step) {
      const int now = std::min(step, left);
      m_tree.SECListBaseC::DeleteItem(row + left - now, now);
      m_tree.UpdateWindow();
    }
  }
  void SetAnimate(BOOL bAnimate) { m_bAnimate = bAnimate; }
  UINT GetRowState(int row) const override { return m_tree.GetModel().GetItemState(row, TreeLogic::kRowStates); }
  void SetRowState(int row, UINT state, UINT mask) override { m_tree.SECListBaseC::SetItemState(row, state, mask); }
  void DeselectAll() override { m_tree.DeselectAllExcept(-1); }
  int GetFocusRow() const override { return m_tree.GetFocusItem(); }
  void SetFocusRow(int row) override { m_tree.SetFocusItem(row, TRUE); }
  int GetDropRow() const override { return m_tree.GetDropHilite(); }
  int GetTopRow() const override { return m_tree.GetTopIndex(); }
  void SetTopRow(int row) override { m_tree.SetTopIndex(row); }

 private:
  void Insert(int row, std::vector<_Node*>::const_iterator first, std::vector<_Node*>::const_iterator last) {
    if (first == last)
      return;
    std::vector<std::unique_ptr<SECListItem>> items;
    items.reserve(last - first);
    for (auto it = first; it != last; ++it) {
      std::unique_ptr<SECListItem> item = m_tree.CreateItem();
      item->m_lParam = reinterpret_cast<LPARAM>(*it);
      item->m_text.SetCallback();
      items.push_back(std::move(item));
    }
    m_tree.InsertItemsAt(row, std::move(items));
  }

  SECTreeBaseC& m_tree;
  BOOL m_bAnimate = FALSE;
};

// Construction and creation ---------------------------------------------------

SECTreeBaseC::SECTreeBaseC() : m_pRows(std::make_unique<Rows>(*this)), m_pLogic(std::make_unique<Logic>(*this)) {
  m_pLogic->AttachRows(m_pRows.get());
  m_dwStyle |= LVS_REPORT | LVS_SHAREIMAGELISTS;
  SECTreeEndLabelEditMessage();
}

SECTreeBaseC::~SECTreeBaseC() {
  // The window goes while the tree is whole, so that its owner hears of
  // every item; then the rows go with the list without the nodes' help.
  if (m_hWnd != nullptr) {
    m_pLogic->DeleteAllItems();
    DestroyWindow();
  }
  m_pLogic->AttachRows(nullptr);
}

BOOL SECTreeBaseC::Create(DWORD dwStyle, DWORD dwExStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                          CCreateContext* pContext) {
  if (GetColumnCount() == 0)
    InsertColumn(0, "", LVCFMT_LEFT, rect.right - rect.left, 0, -1, FALSE);
  return SECListCtrl::Create(dwStyle, dwExStyle, rect, pParentWnd, nID, pContext);
}

BOOL SECTreeBaseC::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, CCreateContext* pContext) {
  return Create(dwStyle, 0, rect, pParentWnd, nID, pContext);
}

BOOL SECTreeBaseC::ReplaceDlgItem(UINT nID, CWnd* pParent) {
  HWND hOld = ::GetDlgItem(AfxGetSafeHwnd(pParent), nID);
  if (hOld == nullptr)
    return FALSE;
  DWORD dwStyle = static_cast<DWORD>(::GetWindowLongPtrA(hOld, GWL_STYLE));
  DWORD dwExStyle = static_cast<DWORD>(::GetWindowLongPtrA(hOld, GWL_EXSTYLE));
  CRect rect;
  ::GetWindowRect(hOld, &rect);
  pParent->ScreenToClient(&rect);
  HWND hBefore = ::GetWindow(hOld, GW_HWNDPREV);
  ::DestroyWindow(hOld);
  if (!Create(dwStyle, dwExStyle | kFlyByTips, rect, pParent, nID))
    return FALSE;
  ::SetWindowPos(m_hWnd, hBefore != nullptr ? hBefore : HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
  return TRUE;
}

void SECTreeBaseC::SplitCreateStyles(CREATESTRUCT& cs) {
  m_dwTreeStyle = cs.style & kTreeStyleBits;
  const DWORD listFromTree =
      ((cs.style & TVS_EDITLABELS) ? LVS_EDITLABELS : 0) | ((cs.style & TVS_SHOWSELALWAYS) ? LVS_SHOWSELALWAYS : 0);
  m_dwTreeStyleEx = cs.dwExStyle & kCreateStyleExBits;
  cs.style &= ~kCreateStyleBits;
  cs.dwExStyle &= ~kCreateStyleExBits;
  SECListCtrl::SplitCreateStyles(cs);
  m_dwStyle |= LVS_REPORT | LVS_SHAREIMAGELISTS | listFromTree;
  ApplyTreeStyleEx();
}

// Items -----------------------------------------------------------------------

_Node* SECTreeBaseC::NodeOfRow(int nRow) const {
  SECListItem* row = GetItemAt(nRow);
  return row != nullptr ? reinterpret_cast<_Node*>(row->m_lParam) : nullptr;
}

int SECTreeBaseC::RowOfItem(HTREEITEM hItem) const {
  return m_pLogic->RowOf(m_pLogic->Node(hItem));
}

void SECTreeBaseC::AfterChange(BOOL bRedraw) {
  if (!bRedraw || m_hWnd == nullptr)
    return;
  RecalcLayout();
  Invalidate();
}

HTREEITEM SECTreeBaseC::InsertItem(LPTVINSERTSTRUCT lpInsertStruct) {
  if (lpInsertStruct == nullptr)
    return nullptr;
  HTREEITEM hItem = m_pLogic->InsertItem(*lpInsertStruct);
  if (hItem == nullptr || m_hWnd == nullptr || RowOfItem(hItem) < 0)
    return hItem;
  // Laying out after every insert would cost a pass per item; the layout
  // follows with auto-update, an expansion or the next size change.
  if (GetAutoUpdate())
    RecalcLayout();
  Invalidate();
  return hItem;
}

HTREEITEM SECTreeBaseC::InsertItem(UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                                   UINT nStateMask, LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter) {
  TVINSERTSTRUCT insert{};
  insert.hParent = hParent;
  insert.hInsertAfter = hInsertAfter;
  insert.item.mask = nMask;
  insert.item.pszText = const_cast<LPTSTR>(lpszItem);
  if (lpszItem != nullptr && lpszItem != LPSTR_TEXTCALLBACK)
    insert.item.cchTextMax = static_cast<int>(std::strlen(lpszItem)) + 1;
  insert.item.iImage = nImage;
  insert.item.iSelectedImage = nSelectedImage;
  insert.item.state = nState;
  insert.item.stateMask = nStateMask;
  insert.item.lParam = lParam;
  return InsertItem(&insert);
}

HTREEITEM SECTreeBaseC::InsertItem(LPCTSTR lpszItem, HTREEITEM hParent, HTREEITEM hInsertAfter) {
  return InsertItem(TVIF_TEXT, lpszItem, 0, 0, 0, 0, 0, hParent, hInsertAfter);
}

HTREEITEM SECTreeBaseC::InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent,
                                   HTREEITEM hInsertAfter) {
  return InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, lpszItem, nImage, nSelectedImage, 0, 0, 0, hParent,
                    hInsertAfter);
}

BOOL SECTreeBaseC::InsertItems(LPTVINSERTSTRUCT* ppItems, HTREEITEM hParent, int nCount, BOOL bRedraw) {
  BOOL bOk = m_pLogic->InsertItems(ppItems, hParent, nCount);
  AfterChange(bOk && bRedraw);
  return bOk;
}

BOOL SECTreeBaseC::DeleteItem(HTREEITEM hItem) {
  if (!m_pLogic->DeleteItem(hItem))
    return FALSE;
  AfterChange(TRUE);
  return TRUE;
}

BOOL SECTreeBaseC::DeleteAllItems() {
  return DeleteItem(TVI_ROOT);
}

void SECTreeBaseC::OnNodeDeleted(_Node* pNode) {
  if (m_hWnd == nullptr)
    return;
  NMTREEVIEWA nm{};
  nm.itemOld.mask = TVIF_HANDLE | TVIF_PARAM;
  nm.itemOld.hItem = pNode->GetHandle();
  nm.itemOld.lParam = pNode->m_item.lParam;
  SendNotify(nm.hdr, TVN_DELETEITEMA);
}

BOOL SECTreeBaseC::GetItem(TVITEM* pItem) {
  return pItem != nullptr && m_pLogic->GetNodeItem(*pItem, TRUE, TRUE);
}

BOOL SECTreeBaseC::SetItem(TVITEM* pItem) {
  if (pItem == nullptr)
    return FALSE;
  TreeLogic::ItemChange change;
  if (!m_pLogic->SetItem(*pItem, &change))
    return FALSE;
  if (change.row < 0 || change.row == GetEditingItem() || m_hWnd == nullptr)
    return TRUE;
  if (change.bDropHilite || change.bLooks || (pItem->mask & TVIF_TEXT)) {
    InvalidateItemHeight(change.row);
    UpdateScrollBars();
    RedrawItems(change.row, FALSE, change.bDropHilite);
  } else if (pItem->mask & TVIF_STATE) {
    RedrawItems(change.row, FALSE, FALSE);
  }
  return TRUE;
}

BOOL SECTreeBaseC::SetItem(HTREEITEM hItem, UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                           UINT nStateMask, LPARAM lParam) {
  TVITEM item{};
  item.mask = nMask | TVIF_HANDLE;
  item.hItem = hItem;
  item.pszText = const_cast<LPTSTR>(lpszItem);
  item.iImage = nImage;
  item.iSelectedImage = nSelectedImage;
  item.state = nState;
  item.stateMask = nStateMask;
  item.lParam = lParam;
  return SetItem(&item);
}

BOOL SECTreeBaseC::SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage) {
  return SetItem(hItem, TVIF_IMAGE | TVIF_SELECTEDIMAGE, nullptr, nImage, nSelectedImage, 0, 0, 0);
}

BOOL SECTreeBaseC::SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask) {
  return SetItem(hItem, TVIF_STATE, nullptr, 0, 0, nState, nStateMask, 0);
}

BOOL SECTreeBaseC::SetItemData(HTREEITEM hItem, DWORD_PTR dwData) {
  return SetItem(hItem, TVIF_PARAM, nullptr, 0, 0, 0, 0, static_cast<LPARAM>(dwData));
}

BOOL SECTreeBaseC::GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) {
  TVITEM item{};
  item.mask = TVIF_HANDLE | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  item.hItem = hItem;
  if (!GetItem(&item))
    return FALSE;
  nImage = item.iImage;
  nSelectedImage = item.iSelectedImage;
  return TRUE;
}

UINT SECTreeBaseC::GetItemState(HTREEITEM hItem, UINT nStateMask) {
  TVITEM item{};
  item.mask = TVIF_HANDLE | TVIF_STATE;
  item.hItem = hItem;
  item.stateMask = nStateMask;
  return GetItem(&item) ? item.state & nStateMask : 0;
}

DWORD_PTR SECTreeBaseC::GetItemData(HTREEITEM hItem) {
  _Node* node = m_pLogic->Node(hItem);
  return node != nullptr ? static_cast<DWORD_PTR>(node->m_item.lParam) : 0;
}

CString SECTreeBaseC::GetItemText(HTREEITEM hItem, int nCol) {
  if (nCol == 0 || HasSubItemTextStorage())
    return m_pLogic->GetItemText(hItem, nCol);
  int row = RowOfItem(hItem);
  CString text;
  if (row >= 0)
    SECListBaseC::GetItemText(text, row, GetColumnSubItem(nCol));
  return text;
}

BOOL SECTreeBaseC::SetItemText(HTREEITEM hItem, int nCol, LPCTSTR lpszText) {
  if (nCol == 0)
    return SetItem(hItem, TVIF_TEXT, lpszText, 0, 0, 0, 0, 0);
  if (!m_pLogic->IsItem(hItem))
    return FALSE;
  const int row = RowOfItem(hItem);
  if (!HasSubItemTextStorage() || nCol > GetColumnCount())
    return row >= 0 && SECListBaseC::SetItemText(row, GetColumnSubItem(nCol), lpszText);
  if (!m_pLogic->SetItemText(hItem, nCol, lpszText))
    return FALSE;
  if (row >= 0 && m_hWnd != nullptr) {
    InvalidateItemHeight(row);
    RedrawItems(row);
  }
  return TRUE;
}

BOOL SECTreeBaseC::SetItemText(HTREEITEM hItem, LPCTSTR lpszText) {
  return SetItem(hItem, TVIF_HANDLE | TVIF_TEXT, lpszText, 0, 0, 0, 0, 0);
}

void SECTreeBaseC::RedrawItem(HTREEITEM hItem) {
  int row = RowOfItem(hItem);
  if (row >= 0 && m_hWnd != nullptr)
    RedrawItems(row);
}

BOOL SECTreeBaseC::SetItemStateEx(TVITEM* pItem, SECListStateExChange* pChange) {
  if (pItem == nullptr || pChange == nullptr || !m_pLogic->IsItem(pItem->hItem))
    return FALSE;
  if ((pChange->mask & 1) == 0)
    return TRUE;
  const DWORD mask = pChange->stateMask;
  if (mask & SEC_TVIS_DISABLED)
    m_pLogic->DisableItem(pItem->hItem, (pChange->state & SEC_TVIS_DISABLED) != 0);
  if (mask & SEC_TVIS_HIDDEN)
    m_pLogic->HideItem(pItem->hItem, (pChange->state & SEC_TVIS_HIDDEN) != 0);
  AfterChange(TRUE);
  return TRUE;
}

BOOL SECTreeBaseC::DisableItem(HTREEITEM hItem, BOOL bDisable) {
  if (!m_pLogic->DisableItem(hItem, bDisable))
    return FALSE;
  if (m_hWnd != nullptr)
    Invalidate();
  return TRUE;
}

// Expand and collapse -----------------------------------------------------------

BOOL SECTreeBaseC::Expand(HTREEITEM hItem, UINT nCode, BOOL bRedraw, BOOL bForce) {
  const BOOL bWasExpanded = m_pLogic->Node(hItem) != nullptr && m_pLogic->Node(hItem)->IsExpanded();
  const BOOL bAnimate = bRedraw && (m_dwTreeStyleEx & kAnimate) && m_hWnd != nullptr && IsWindowVisible();
  m_nAnimationCount = 0;
  m_pRows->SetAnimate(bAnimate);
  const BOOL bDone = m_pLogic->Expand(hItem, nCode, bForce);
  m_pRows->SetAnimate(FALSE);
  if (!bDone)
    return FALSE;
  _Node* node = m_pLogic->Node(hItem);
  if (!bRedraw || m_hWnd == nullptr || node == nullptr)
    return TRUE;
  if (!bWasExpanded && node->IsExpanded() && m_bScrollOnExpand && node->FirstChild() != nullptr) {
    // The new children come into view; the item itself stays in view too.
    EnsureVisible(Handle(static_cast<_Node*>(GetLastChild(node))), TRUE);
    const int row = m_pLogic->RowOf(node);
    if (row >= 0 && row < GetTopIndex()) {
      SetTopIndex(row);
      SetFocusItem(row, TRUE);
    }
  }
  AfterChange(TRUE);
  return TRUE;
}

void SECTreeBaseC::ExpandBranch(HTREEITEM hItem, BOOL bRedraw) {
  m_pLogic->ExpandBranch(hItem);
  AfterChange(bRedraw);
}

void SECTreeBaseC::CollapseBranch(HTREEITEM hItem, BOOL bRedraw) {
  m_pLogic->CollapseBranch(hItem);
  AfterChange(bRedraw);
}

// Selection and visibility -------------------------------------------------------

LRESULT SECTreeBaseC::SendSelChange(int nCode, _Node* pOld, _Node* pNew, int nAction) {
  NMTREEVIEWA nm{};
  nm.action = static_cast<UINT>(nAction);
  CopyItem(nm.itemOld, pOld, *m_pLogic);
  CopyItem(nm.itemNew, pNew, *m_pLogic);
  return SendNotify(nm.hdr, nCode);
}

BOOL SECTreeBaseC::EnsureVisible(HTREEITEM hItem, BOOL bWithChildren) {
  _Node* node = m_pLogic->Node(hItem);
  if (node == nullptr)
    return FALSE;
  const BOOL bHadRow = m_pLogic->RowOf(node) >= 0;
  if (!m_pLogic->MakeVisible(hItem))
    return FALSE;
  if (!bHadRow)
    AfterChange(TRUE);
  int row = m_pLogic->RowOf(node);
  if (m_hWnd == nullptr)
    return TRUE;
  // With bWithChildren the parent's row and every row down to the item's.
  const int parentRow = m_pLogic->RowOf(node->Parent());
  if (bWithChildren && parentRow >= 0)
    return EnsureRangeVisible(parentRow, row);
  return SECListBaseC::EnsureVisible(row, FALSE);
}

BOOL SECTreeBaseC::Select(HTREEITEM hItem, UINT nCode) {
  if (nCode == TVGN_DROPHILITE && hItem == nullptr) {
    SetDropHilite(-1);
    if (m_nHoverTimer != 0)
      KillTimer(kHoverExpandTimer);
    m_nHoverTimer = 0;
    return TRUE;
  }
  if (!EnsureVisible(hItem))
    return FALSE;
  const int row = RowOfItem(hItem);
  switch (nCode) {
    case TVGN_CARET: return CaretTo(m_pLogic->Node(hItem), TVC_UNKNOWN);
    case TVGN_DROPHILITE: {
      const BOOL bMoved = GetDropHilite() != row;
      SetDropHilite(row);
      if ((m_dwTreeStyleEx & kHoverExpand) && bMoved && m_hWnd != nullptr)
        m_nHoverTimer = SetTimer(kHoverExpandTimer, m_nHoverDelay);
      return TRUE;
    }
    case TVGN_FIRSTVISIBLE:
      SetTopIndex(row);
      if (m_hWnd != nullptr) {
        UpdateScrollBars();
        Invalidate();
      }
      return TRUE;
    default: return FALSE;
  }
}

BOOL SECTreeBaseC::SelectItem(HTREEITEM hItem) {
  if (!EnsureVisible(hItem))
    return FALSE;
  int row = RowOfItem(hItem);
  _Node* old = NodeOfRow(GetFocusItem());
  if (SendSelChange(TVN_SELCHANGINGA, old, m_pLogic->Node(hItem), TVC_UNKNOWN) == 1)
    return FALSE;
  if (SECListBaseC::SelectItem(row, TRUE))
    SendSelChange(TVN_SELCHANGEDA, old, m_pLogic->Node(hItem), TVC_UNKNOWN);
  if (!(m_dwTreeStyleEx & kMultiSelect))
    Select(hItem, TVGN_CARET);
  return TRUE;
}

BOOL SECTreeBaseC::CaretTo(_Node* pNode, int nAction) {
  if (pNode == nullptr || !m_pLogic->SelectCaret(pNode->GetHandle(), nAction))
    return FALSE;
  int row = m_pLogic->RowOf(pNode);
  if (m_hWnd != nullptr && row >= 0) {
    SECListBaseC::EnsureVisible(row, FALSE);
    Invalidate();
  }
  return TRUE;
}

int SECTreeBaseC::OnSelChanging(int nItem, int nOld, BOOL bMouse) {
  return static_cast<int>(SendSelChange(TVN_SELCHANGINGA, NodeOfRow(nOld), NodeOfRow(nItem), ActionOf(bMouse)));
}

void SECTreeBaseC::OnSelChanged(int nItem, int nOld, BOOL bMouse) {
  SendSelChange(TVN_SELCHANGEDA, NodeOfRow(nOld), NodeOfRow(nItem), ActionOf(bMouse));
}

// Hit testing -------------------------------------------------------------------------

HTREEITEM SECTreeBaseC::HitTest(TVHITTESTINFO* pInfo) {
  if (pInfo == nullptr)
    return nullptr;
  UINT list = 0;
  int row = SECListBaseC::HitTest(pInfo->pt.x, pInfo->pt.y, &list);
  pInfo->hItem = nullptr;
  if (row >= 0 && (list & SEC_LVHT_ONROW)) {
    _Node* node = NodeOfRow(row);
    UINT flags = 0;
    if (list & SEC_LVHT_ONITEMLABEL)
      flags = TVHT_ONITEMLABEL;
    else if (list & SEC_LVHT_ONITEMICON)
      flags = TVHT_ONITEMICON;
    else if (list & SEC_LVHT_ONROWRIGHT)
      flags = TVHT_ONITEMRIGHT;
    else if (list & SEC_LVHT_ONITEMSTATEICON)
      flags = TVHT_ONITEMSTATEICON;
    else if (list & SEC_LVHT_ONROWLEFT) {
      CRect button;
      GetButtonRect(&button, row, node);
      flags = (m_dwTreeStyle & TVS_HASBUTTONS) && button.PtInRect(pInfo->pt) ? TVHT_ONITEMBUTTON : TVHT_ONITEMINDENT;
    }
    pInfo->flags = flags;
    if (flags != 0 || FullRowSelect())
      pInfo->hItem = Handle(node);
    return pInfo->hItem;
  }
  static const struct {
    UINT list, tree;
  } kOffRows[] = {{SEC_LVHT_ABOVE, TVHT_ABOVE},     {SEC_LVHT_BELOW, TVHT_BELOW}, {SEC_LVHT_TOLEFT, TVHT_TOLEFT},
                  {SEC_LVHT_TORIGHT, TVHT_TORIGHT}, {SEC_LVHT_ONDIVIDER, 0x1000}, {SEC_LVHT_ONHEADER, 0x2000},
                  {SEC_LVHT_NOWHERE, TVHT_NOWHERE}};
  pInfo->flags = TVHT_NOWHERE;
  for (const auto& off : kOffRows) {
    if (list & off.list) {
      pInfo->flags = off.tree;
      break;
    }
  }
  return nullptr;
}

HTREEITEM SECTreeBaseC::HitTest(CPoint point, UINT* pFlags) {
  TVHITTESTINFO info{};
  info.pt = point;
  HTREEITEM hItem = HitTest(&info);
  if (pFlags != nullptr)
    *pFlags = info.flags;
  return hItem;
}

// Moving, sorting, editing ---------------------------------------------------------------

BOOL SECTreeBaseC::MoveItem(HTREEITEM hItem, HTREEITEM hNewParent, BOOL bRedraw, HTREEITEM hInsertAfter) {
  if (!m_pLogic->MoveItem(hItem, hNewParent, hInsertAfter))
    return FALSE;
  AfterChange(bRedraw);
  return TRUE;
}

BOOL SECTreeBaseC::SortChildren(HTREEITEM hParent, BOOL bRecursive, BOOL bAscending) {
  if (!m_pLogic->SortChildren(hParent, bRecursive, bAscending))
    return FALSE;
  AfterChange(TRUE);
  return TRUE;
}

BOOL SECTreeBaseC::SortChildrenCB(LPTVSORTCB pSort, BOOL bRecursive) {
  if (pSort == nullptr || !m_pLogic->SortChildrenCB(*pSort, bRecursive))
    return FALSE;
  AfterChange(TRUE);
  return TRUE;
}

SECListEdit* SECTreeBaseC::EditLabel(HTREEITEM hItem) {
  if (!EnsureVisible(hItem))
    return nullptr;
  return SECListBaseC::EditLabel(RowOfItem(hItem), 0);
}

void SECTreeBaseC::OnColumnMoved(int nFrom, int nTo) {
  m_pLogic->MoveColumnTexts(nFrom, nTo);
}

// The list engine's item interface, answered from the nodes ----------------------------

// A text for the list engine: copied into the caller's buffer, or else
// handed over in the list's own text buffer.
void SECTreeBaseC::PutText(LVITEM* pItem, LPCTSTR pszText, BOOL bCopyText) {
  LPSTR target = pItem->pszText;
  int size = pItem->cchTextMax;
  if (!bCopyText || target == nullptr || target == LPSTR_TEXTCALLBACK || size <= 0) {
    target = m_szTextBuffer;
    size = sizeof m_szTextBuffer;
    pItem->pszText = target;
  }
  std::strncpy(target, pszText, size - 1);
  target[size - 1] = '\0';
}

BOOL SECTreeBaseC::GetItem(LVITEM* pItem, BOOL bCopyText, BOOL bNotify) {
  if (pItem == nullptr)
    return FALSE;
  _Node* node = NodeOfRow(pItem->iItem);
  if (node == nullptr)
    return FALSE;
  if (pItem->iSubItem == 0)
    return GetRowLabel(node, pItem, bCopyText, bNotify);
  if (!HasSubItemTextStorage() || !(pItem->mask & LVIF_TEXT))
    return SECListBaseC::GetItem(pItem, bCopyText, bNotify);
  // The column's text is the storage's; the rest is the row's.
  if (pItem->mask & ~LVIF_TEXT) {
    LVITEM other = *pItem;
    other.mask &= ~LVIF_TEXT;
    SECListBaseC::GetItem(&other, bCopyText, bNotify);
    pItem->state = other.state;
    pItem->lParam = other.lParam;
  }
  char buffer[kTextMax + 1];
  m_pLogic->GetStorage()->GetSubItemText(node->GetHandle(), pItem->iSubItem, buffer, sizeof buffer);
  PutText(pItem, buffer, bCopyText);
  return TRUE;
}

BOOL SECTreeBaseC::GetRowLabel(_Node* pNode, LVITEM* pItem, BOOL bCopyText, BOOL bNotify) {
  const UINT listState = GetModel().GetItemState(pItem->iItem, 0xFFFF);
  TVITEM tvi{};
  tvi.mask = TVIF_HANDLE | TVIF_STATE | TVIF_IMAGE | TVIF_SELECTEDIMAGE | ((pItem->mask & LVIF_TEXT) ? TVIF_TEXT : 0);
  tvi.hItem = pNode->GetHandle();
  tvi.stateMask = 0xFFFF;
  char buffer[kTextMax + 1] = "";
  tvi.pszText = buffer;
  tvi.cchTextMax = sizeof buffer;
  m_pLogic->GetNodeItem(tvi, TRUE, bNotify);
  if (pItem->mask & LVIF_TEXT)
    PutText(pItem, buffer, bCopyText);
  if (pItem->mask & LVIF_IMAGE) {
    const int image = (listState & LVIS_SELECTED) ? tvi.iSelectedImage : tvi.iImage;
    pItem->iImage = image == TREE_NO_IMAGE ? -1 : image;
  }
  if (pItem->mask & LVIF_STATE) {
    const UINT own = tvi.state & (TVIS_OVERLAYMASK | TVIS_STATEIMAGEMASK | TVIS_BOLD);
    const UINT row = listState & (LVIS_FOCUSED | LVIS_SELECTED | LVIS_CUT | LVIS_DROPHILITED);
    pItem->state = (row | own) & pItem->stateMask;
  }
  if (pItem->mask & LVIF_PARAM)
    pItem->lParam = pNode->m_item.lParam;
  return TRUE;
}

BOOL SECTreeBaseC::SetItem(const LVITEM* pItem, BOOL bRedraw) {
  if (pItem == nullptr)
    return FALSE;
  _Node* node = NodeOfRow(pItem->iItem);
  if (node == nullptr)
    return FALSE;
  if (pItem->iSubItem != 0) {
    if (HasSubItemTextStorage() && (pItem->mask & LVIF_TEXT) && pItem->pszText != LPSTR_TEXTCALLBACK)
      return m_pLogic->SetItemText(node->GetHandle(), pItem->iSubItem, pItem->pszText);
    return SECListBaseC::SetItem(pItem, bRedraw);
  }
  // The row keeps only selection, focus, cut and drop highlight; the rest
  // belongs to the node.
  LVITEM rowPart = *pItem;
  rowPart.mask &= LVIF_STATE;
  rowPart.stateMask &= LVIS_FOCUSED | LVIS_SELECTED | LVIS_CUT | LVIS_DROPHILITED;
  if (rowPart.mask != 0 && rowPart.stateMask != 0)
    SECListBaseC::SetItem(&rowPart, bRedraw);
  TVITEM tvi{};
  tvi.hItem = node->GetHandle();
  tvi.mask = TVIF_HANDLE;
  if (pItem->mask & LVIF_TEXT) {
    tvi.mask |= TVIF_TEXT;
    tvi.pszText = pItem->pszText;
  }
  if (pItem->mask & LVIF_PARAM) {
    tvi.mask |= TVIF_PARAM;
    tvi.lParam = pItem->lParam;
  }
  if ((pItem->mask & LVIF_STATE) && (pItem->stateMask & (TVIS_OVERLAYMASK | TVIS_STATEIMAGEMASK | TVIS_BOLD))) {
    tvi.mask |= TVIF_STATE;
    tvi.state = pItem->state;
    tvi.stateMask = pItem->stateMask & (TVIS_OVERLAYMASK | TVIS_STATEIMAGEMASK | TVIS_BOLD);
  }
  if (tvi.mask == TVIF_HANDLE)
    return TRUE;
  return SetItem(&tvi);
}

BOOL SECTreeBaseC::GetItemStateEx(LVITEM* pItem, SECListStateExChange* pChange, BOOL bNotify) {
  if (pItem == nullptr || pChange == nullptr)
    return FALSE;
  _Node* node = NodeOfRow(pItem->iItem);
  if (node == nullptr)
    return FALSE;
  if (GetStateExCallback())
    return SECListBaseC::GetItemStateEx(pItem, pChange, bNotify);
  pChange->mask = 1;
  pChange->state = (m_pLogic->IsItemDisabled(node->GetHandle()) ? SEC_LVIS_EX_DISABLED : 0) |
                   (m_pLogic->IsItemHidden(node->GetHandle()) ? SEC_LVIS_EX_HIDDEN : 0);
  pChange->stateMask = SEC_LVIS_EX_DISABLED | SEC_LVIS_EX_HIDDEN;
  return TRUE;
}

BOOL SECTreeBaseC::NeedsDispInfo(int nItem) {
  _Node* node = NodeOfRow(nItem);
  if (node == nullptr)
    return FALSE;
  return node->IsTextCallback() || node->m_item.iImage == I_IMAGECALLBACK ||
         node->m_item.iSelectedImage == I_IMAGECALLBACK || node->m_item.cChildren == I_CHILDRENCALLBACK;
}

LRESULT SECTreeBaseC::NotifyGetDispInfo(LVITEM* pItem) {
  // Column texts the storage keeps never reach the owner.
  if (pItem != nullptr && pItem->iSubItem != 0 && HasSubItemTextStorage())
    return GetItem(pItem, TRUE, FALSE);
  return SECListBaseC::NotifyGetDispInfo(pItem);
}

LRESULT SECTreeBaseC::NotifyDeleteItem(int) {
  // Rows come and go with expansion; the owner hears of deleted nodes only.
  return 0;
}

// Notifications ------------------------------------------------------------------------------

LRESULT SECTreeBaseC::SendGetDispInfo(TVITEM* pItem) {
  NMTVDISPINFOA nm{};
  nm.item = *pItem;
  LRESULT result = SendNotify(nm.hdr, TVN_GETDISPINFOA);
  const UINT mask = pItem->mask;
  if (mask & TVIF_TEXT)
    pItem->pszText = nm.item.pszText;
  if (mask & TVIF_IMAGE)
    pItem->iImage = nm.item.iImage;
  if (mask & TVIF_SELECTEDIMAGE)
    pItem->iSelectedImage = nm.item.iSelectedImage;
  if (mask & TVIF_CHILDREN)
    pItem->cChildren = nm.item.cChildren;
  return result;
}

void SECTreeBaseC::SendSetDispInfo(TVITEM* pItem) {
  NMTVDISPINFOA nm{};
  nm.item = *pItem;
  SendNotify(nm.hdr, TVN_SETDISPINFOA);
}

LRESULT SECTreeBaseC::SendItemExpanding(HTREEITEM hItem, UINT nAction) {
  NMTREEVIEWA nm{};
  nm.action = nAction;
  CopyItem(nm.itemNew, m_pLogic->Node(hItem), *m_pLogic);
  return SendNotify(nm.hdr, TVN_ITEMEXPANDINGA);
}

void SECTreeBaseC::SendItemExpanded(HTREEITEM hItem, UINT nAction) {
  NMTREEVIEWA nm{};
  nm.action = nAction;
  CopyItem(nm.itemNew, m_pLogic->Node(hItem), *m_pLogic);
  SendNotify(nm.hdr, TVN_ITEMEXPANDEDA);
}

LRESULT SECTreeBaseC::NotifyKeyDown(UINT nVKey) {
  NMTVKEYDOWN nm{};
  nm.wVKey = static_cast<WORD>(nVKey);
  return SendNotify(nm.hdr, TVN_KEYDOWN);
}

LRESULT SECTreeBaseC::NotifyBeginLabelEdit(int nItem, int nSubItem) {
  if (nSubItem != 0)
    return SECListBaseC::NotifyBeginLabelEdit(nItem, nSubItem);
  NMTVDISPINFOA nm{};
  CopyItem(nm.item, NodeOfRow(nItem), *m_pLogic);
  return SendNotify(nm.hdr, TVN_BEGINLABELEDITA);
}

LRESULT SECTreeBaseC::NotifyEndLabelEdit(int nItem, int nSubItem, LPSTR pszText, BOOL bAccept) {
  if (nSubItem != 0)
    return SECListBaseC::NotifyEndLabelEdit(nItem, nSubItem, pszText, bAccept);
  _Node* node = NodeOfRow(nItem);
  if (node == nullptr)
    return 0;
  // The owner may change the text in the copy it is given; it is bounded.
  char copy[kTextMax + 1] = "";
  if (pszText != nullptr) {
    std::strncpy(copy, pszText, kTextMax);
    copy[kTextMax] = '\0';
  }
  NMTVDISPINFOA nm{};
  CopyItem(nm.item, node, *m_pLogic);
  nm.item.pszText = bAccept ? copy : nullptr;
  nm.item.cchTextMax = sizeof copy;
  const LRESULT result = SendNotify(nm.hdr, TVN_ENDLABELEDITA);
  if (result != 0 && bAccept && pszText != nullptr) {
    copy[kTextMax] = '\0';
    std::strcpy(pszText, copy);  // the list engine stores it as the label
  }
  return result;
}

BOOL SECTreeBaseC::EndLabelEdit(BOOL bSave) {
  _Node* node = GetEditingItem() >= 0 && GetCurrentColumn() == 0 ? NodeOfRow(GetEditingItem()) : nullptr;
  const HTREEITEM hItem = node != nullptr ? node->GetHandle() : nullptr;
  if (!SECListCtrl::EndLabelEdit(bSave))
    return FALSE;
  if (hItem != nullptr && m_hWnd != nullptr) {
    if (CWnd* pTarget = GetNotifyTarget())
      pTarget->SendMessage(SECTreeEndLabelEditMessage(), GetDlgCtrlID(), reinterpret_cast<LPARAM>(hItem));
  }
  return TRUE;
}

void SECTreeBaseC::OnBeginDrag(int nItem, int x, int y) {
  if (m_dwTreeStyle & TVS_DISABLEDRAGDROP)
    return;
  NMTREEVIEWA nm{};
  CopyItem(nm.itemNew, NodeOfRow(nItem), *m_pLogic);
  nm.ptDrag = POINT{x, y};
  SendNotify(nm.hdr, TVN_BEGINDRAGA);
}

void SECTreeBaseC::OnBeginRDrag(int nItem, int x, int y) {
  if (m_dwTreeStyle & TVS_DISABLEDRAGDROP)
    return;
  NMTREEVIEWA nm{};
  CopyItem(nm.itemNew, NodeOfRow(nItem), *m_pLogic);
  nm.ptDrag = POINT{x, y};
  SendNotify(nm.hdr, TVN_BEGINRDRAGA);
}

// Keys and mouse -------------------------------------------------------------------------------

void SECTreeBaseC::OnKeyReturn(int, int, BOOL, BOOL, UINT, UINT) {
  NotifyParent(NM_RETURN);
}

void SECTreeBaseC::OnKeyLeft(int nItem, int, BOOL, BOOL, UINT, UINT) {
  _Node* node = NodeOfRow(nItem);
  if (node == nullptr)
    return;
  if (node->IsExpanded() && node->FirstChild() != nullptr) {
    Expand(node->GetHandle(), TVE_COLLAPSE);
    return;
  }
  if (node->Parent() != m_pLogic->GetRoot())
    CaretTo(node->Parent(), TVC_UNKNOWN);
}

void SECTreeBaseC::OnKeyBack(int nItem, int nSubItem, BOOL bShift, BOOL bCtrl, UINT nRepeat, UINT nFlags) {
  OnKeyLeft(nItem, nSubItem, bShift, bCtrl, nRepeat, nFlags);
}

void SECTreeBaseC::OnKeyRight(int nItem, int, BOOL, BOOL, UINT, UINT) {
  _Node* node = NodeOfRow(nItem);
  if (node == nullptr)
    return;
  if (!node->IsExpanded()) {
    if (node->FirstChild() != nullptr || node->m_item.cChildren > 0)
      Expand(node->GetHandle(), TVE_EXPAND);
    return;
  }
  CaretTo(node->FirstChild(), TVC_UNKNOWN);
}

void SECTreeBaseC::OnKeyMultiply(int nItem, int, BOOL, BOOL, UINT, UINT) {
  if (_Node* node = NodeOfRow(nItem))
    ExpandBranch(node->GetHandle(), TRUE);
}

void SECTreeBaseC::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
  // The expand and collapse keys arrive as characters too.
  if (nChar == '-' || nChar == '_' || nChar == '=' || nChar == '+')
    return;
  SECListBaseC::OnChar(nChar, nRepCnt, nFlags);
}

void SECTreeBaseC::OnLButtonDown(UINT nFlags, CPoint point) {
  if (GetTip() != nullptr && GetTip()->IsShown())
    SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(m_hWnd), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
  SetFocus();
  UINT flags = 0;
  HTREEITEM hHit = HitTest(point, &flags);
  _Node* caret = NodeOfRow(GetFocusItem());
  if ((m_dwTreeStyle & TVS_SINGLEEXPAND) && caret != nullptr && hHit != nullptr) {
    SECListBaseC::OnLButtonDown(nFlags, point);
    if (m_hWnd == nullptr)
      return;
    _Node* now = NodeOfRow(GetFocusItem());
    if (now == nullptr || now->GetHandle() != hHit)
      return;
    if (now == caret) {
      Expand(hHit, TVE_TOGGLE);
      return;
    }
    if (m_pLogic->IsItem(caret->GetHandle()) && !IsDescendant(caret, now) && caret != now)
      Expand(caret->GetHandle(), TVE_COLLAPSE);
    Expand(hHit, TVE_EXPAND);
    return;
  }
  if (hHit != nullptr && (flags & TVHT_ONITEMBUTTON)) {
    Expand(hHit, TVE_TOGGLE);
    return;
  }
  SECListBaseC::OnLButtonDown(nFlags, point);
}

void SECTreeBaseC::OnLButtonDblClk(UINT nFlags, CPoint point) {
  SECListBaseC::OnLButtonDblClk(nFlags, point);
  if (m_hWnd == nullptr || GetEditingItem() >= 0 || (nFlags & (MK_SHIFT | MK_CONTROL)))
    return;
  UINT flags = 0;
  HTREEITEM hHit = HitTest(point, &flags);
  if (hHit != nullptr && (flags & (TVHT_ONITEMBUTTON | TVHT_ONITEMICON | TVHT_ONITEMLABEL)))
    Expand(hHit, TVE_TOGGLE);
}

void SECTreeBaseC::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent == kHoverExpandTimer) {
    KillTimer(kHoverExpandTimer);
    m_nHoverTimer = 0;
    _Node* drop = NodeOfRow(GetDropHilite());
    if ((m_dwTreeStyleEx & kHoverExpand) && drop != nullptr && !drop->IsExpanded()) {
      Expand(drop->GetHandle(), TVE_EXPAND);
      UpdateWindow();
    }
    return;
  }
  SECListBaseC::OnTimer(nIDEvent);
}

void SECTreeBaseC::OnDestroy() {
  // The owner hears of every item while the window still exists.
  m_pLogic->DeleteAllItems();
  SECListBaseC::OnDestroy();
}

// Styles ------------------------------------------------------------------------------------------

BOOL SECTreeBaseC::LinesAtRoot() const {
  return (m_dwTreeStyle & TVS_LINESATROOT) && (m_dwTreeStyle & (TVS_HASBUTTONS | TVS_HASLINES));
}

DWORD SECTreeBaseC::GetTreeStyle() const {
  return m_dwTreeStyle | (IsStyleSet(LVS_EDITLABELS) ? TVS_EDITLABELS : 0) |
         (IsStyleSet(LVS_SHOWSELALWAYS) ? TVS_SHOWSELALWAYS : 0);
}

void SECTreeBaseC::SetTreeStyle(DWORD dwStyle, BOOL bRedraw) {
  m_dwTreeStyle = dwStyle & kTreeStyleBits;
  const DWORD add =
      ((dwStyle & TVS_EDITLABELS) ? LVS_EDITLABELS : 0) | ((dwStyle & TVS_SHOWSELALWAYS) ? LVS_SHOWSELALWAYS : 0);
  ModifyListCtrlStyle(LVS_EDITLABELS | LVS_SHOWSELALWAYS, add, bRedraw);
}

void SECTreeBaseC::ApplyTreeStyleEx() {
  const DWORD ex = m_dwTreeStyleEx;
  DWORD style = m_dwStyle & ~(LVS_SINGLESEL | LVS_NOLABELWRAP | LVS_NOCOLUMNHEADER | LVS_NOSORTHEADER);
  style |= (ex & kMultiSelect) ? 0 : LVS_SINGLESEL;
  style |= (ex & kLabelWrap) ? 0 : LVS_NOLABELWRAP;
  style |= (ex & kHeader) ? 0 : LVS_NOCOLUMNHEADER;
  style |= ((ex & kHeader) && (ex & kHeaderButtons)) ? 0 : LVS_NOSORTHEADER;
  DWORD styleEx = m_dwStyleEx & ~(LVXS_FLYBYTIPS | LVXS_HEADERDRAGDROP);
  styleEx |= (ex & kFlyByTips) ? LVXS_FLYBYTIPS : 0;
  styleEx |= ((ex & kColumnReorder) && (ex & kHeaderButtons)) ? LVXS_HEADERDRAGDROP : 0;
  m_dwStyle = style;
  m_dwStyleEx = styleEx;
}

void SECTreeBaseC::SetTreeStyleEx(DWORD dwStyleEx, BOOL bRedraw) {
  m_dwTreeStyleEx = dwStyleEx;
  const DWORD oldStyle = m_dwStyle;
  const DWORD oldStyleEx = m_dwStyleEx;
  ApplyTreeStyleEx();
  const DWORD style = m_dwStyle;
  const DWORD styleEx = m_dwStyleEx;
  m_dwStyle = oldStyle;
  m_dwStyleEx = oldStyleEx;
  SetListCtrlStyles(style, styleEx, bRedraw);
}

void SECTreeBaseC::ModifyTreeStyle(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw) {
  SetTreeStyle((GetTreeStyle() & ~dwRemove) | dwAdd, bRedraw);
}

void SECTreeBaseC::ModifyTreeStyleEx(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw) {
  SetTreeStyleEx((m_dwTreeStyleEx & ~dwRemove) | dwAdd, bRedraw);
}

void SECTreeBaseC::GetStyles(DWORD* pStyle, DWORD* pStyleEx) const {
  if (pStyle != nullptr)
    *pStyle = GetTreeStyle();
  if (pStyleEx != nullptr)
    *pStyleEx = m_dwTreeStyleEx;
}

void SECTreeBaseC::SetStyles(DWORD dwStyle, DWORD dwStyleEx, BOOL bRedraw) {
  SetTreeStyle(dwStyle, FALSE);
  SetTreeStyleEx(dwStyleEx, bRedraw);
}

void SECTreeBaseC::ModifyStyles(DWORD dwRemove, DWORD dwAdd, DWORD dwRemoveEx, DWORD dwAddEx, BOOL bRedraw) {
  SetStyles((GetTreeStyle() & ~dwRemove) | dwAdd, (m_dwTreeStyleEx & ~dwRemoveEx) | dwAddEx, bRedraw);
}

void SECTreeBaseC::SetLabelWrap(BOOL bWrap) {
  m_dwTreeStyleEx = bWrap ? (m_dwTreeStyleEx | kLabelWrap) : (m_dwTreeStyleEx & ~kLabelWrap);
  SECListCtrl::SetLabelWrap(bWrap);
}

void SECTreeBaseC::SetFlyByTips(BOOL bTips) {
  m_dwTreeStyleEx = bTips ? (m_dwTreeStyleEx | kFlyByTips) : (m_dwTreeStyleEx & ~kFlyByTips);
  SECListCtrl::SetFlyByTips(bTips);
}

void SECTreeBaseC::SetMultiSelect(BOOL bMulti) {
  m_dwTreeStyleEx = bMulti ? (m_dwTreeStyleEx | kMultiSelect) : (m_dwTreeStyleEx & ~kMultiSelect);
  SECListCtrl::SetMultiSelect(bMulti);
}

void SECTreeBaseC::ShowHeader(BOOL bShow, BOOL bButtons) {
  m_dwTreeStyleEx = bShow ? (m_dwTreeStyleEx | kHeader) : (m_dwTreeStyleEx & ~kHeader);
  m_dwTreeStyleEx = bButtons ? (m_dwTreeStyleEx | kHeaderButtons) : (m_dwTreeStyleEx & ~kHeaderButtons);
  SECListCtrl::ShowHeader(bShow, bButtons);
}

CImageList* SECTreeBaseC::SetImageList(CImageList* pImageList, int nType) {
  CImageList* pOld = SECListCtrl::SetImageList(pImageList, nType);
  if (nType == TVSIL_NORMAL && pImageList != nullptr && pImageList->GetSafeHandle() != nullptr) {
    int cx = 0;
    int cy = 0;
    ::ImageList_GetIconSize(pImageList->GetSafeHandle(), &cx, &cy);
    if (cx > GetIndent())
      SetIndent(cx);
  }
  return pOld;
}
