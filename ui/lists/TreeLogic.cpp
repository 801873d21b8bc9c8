#include "ui/lists/TreeLogic.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

int CompareNoCase(LPCTSTR p1, LPCTSTR p2) {
  for (;; ++p1, ++p2) {
    int c1 = std::tolower(static_cast<unsigned char>(*p1));
    int c2 = std::tolower(static_cast<unsigned char>(*p2));
    if (c1 != c2)
      return c1 < c2 ? -1 : 1;
    if (c1 == 0)
      return 0;
  }
}

void CopyCut(LPTSTR pszBuffer, int cchBuffer, LPCTSTR pszText) {
  if (pszBuffer == nullptr || pszBuffer == LPSTR_TEXTCALLBACK || cchBuffer < 1)
    return;
  size_t length = std::strlen(pszText);
  if (length > static_cast<size_t>(cchBuffer - 1))
    length = static_cast<size_t>(cchBuffer - 1);
  std::memmove(pszBuffer, pszText, length);
  pszBuffer[length] = '\0';
}

bool IsCollapseCode(UINT code) {
  return (code & TVE_COLLAPSERESET) != 0 || (code & 0xF) == TVE_COLLAPSE;
}

// The next node after node in depth-first order that is not below it,
// staying inside top's branch.
_Node* NextSkippingChildren(_Node* node, _Node* top) {
  for (; node != nullptr && node != top; node = node->Parent()) {
    if (node->Next() != nullptr)
      return node->Next();
  }
  return nullptr;
}

}  // namespace

TreeLogic::TreeLogic() : m_pRoot(std::make_unique<_Node>()) {
  m_pRoot->SetExpanded(TRUE);
}

TreeLogic::~TreeLogic() = default;

// Handles ---------------------------------------------------------------

_Node* TreeLogic::Node(HTREEITEM hItem) const {
  const _Node* node = _Node::FromHandle(hItem);
  if (hItem == nullptr || m_live.count(node) == 0)
    return nullptr;
  return const_cast<_Node*>(node);
}

_Node* TreeLogic::NodeOrRoot(HTREEITEM hItem) const {
  if (hItem == nullptr || hItem == TVI_ROOT)
    return m_pRoot.get();
  return Node(hItem);
}

_Node* TreeLogic::NewNode() {
  _Node* node = CreateNode();
  m_live.insert(node);
  return node;
}

void TreeLogic::DeleteNode(_Node* node) {
  Unlink(node);
  OnDeleteNode(node);
  if (m_pStorage)
    m_pStorage->RemoveItem(node->GetHandle());
  m_live.erase(node);
  delete node;
}

// Items -----------------------------------------------------------------

BOOL TreeLogic::SetItem(const TVITEM& item, ItemChange* change) {
  _Node* node = Node(item.hItem);
  if (node == nullptr)
    return FALSE;
  TVITEM& own = node->m_item;
  const UINT oldState = own.state;
  const int oldImage = own.iImage;
  const int oldSelected = own.iSelectedImage;
  UINT callbacks = 0;
  if (item.mask & TVIF_CHILDREN) {
    if (own.cChildren == I_CHILDRENCALLBACK)
      callbacks |= TVIF_CHILDREN;
    else
      own.cChildren = item.cChildren;
  }
  if (item.mask & TVIF_IMAGE) {
    if (own.iImage == I_IMAGECALLBACK)
      callbacks |= TVIF_IMAGE;
    else
      own.iImage = item.iImage;
  }
  if (item.mask & TVIF_SELECTEDIMAGE) {
    if (own.iSelectedImage == I_IMAGECALLBACK)
      callbacks |= TVIF_SELECTEDIMAGE;
    else
      own.iSelectedImage = item.iSelectedImage;
  }
  if (item.mask & TVIF_TEXT) {
    if (node->IsTextCallback())
      callbacks |= TVIF_TEXT;
    else
      node->SetText(item.pszText);
  }
  if (item.mask & TVIF_PARAM)
    own.lParam = item.lParam;
  if (item.mask & TVIF_STATE)
    own.state = (own.state & ~item.stateMask) | (item.state & item.stateMask);
  if (callbacks != 0)
    OnSetDispInfo(node, callbacks);
  if (!IsItem(item.hItem))
    return FALSE;  // the owner deleted it while told
  ItemChange local;
  ItemChange& result = change != nullptr ? *change : local;
  result.bDropHilite = ((oldState ^ own.state) & TVIS_DROPHILITED) != 0;
  result.bLooks = ((oldState ^ own.state) & (TVIS_OVERLAYMASK | TVIS_STATEIMAGEMASK)) != 0 || oldImage != own.iImage ||
                  oldSelected != own.iSelectedImage;
  MirrorOnRow(node, item, &result);
  return TRUE;
}

void TreeLogic::MirrorOnRow(_Node* node, const TVITEM& item, ItemChange* change) {
  change->row = RowOf(node);
  if (change->row < 0 || (item.mask & TVIF_STATE) == 0)
    return;
  UINT mask = item.stateMask & kRowStates;
  if (mask != 0)
    m_pRows->SetRowState(change->row, item.state & mask, mask);
}

BOOL TreeLogic::GetNodeItem(TVITEM& item, BOOL bCopyText, BOOL bNotify) {
  _Node* node = Node(item.hItem);
  if (node == nullptr)
    return FALSE;
  const TVITEM& own = node->m_item;
  UINT callbacks = 0;
  if (item.mask & TVIF_TEXT) {
    if (node->IsTextCallback())
      callbacks |= TVIF_TEXT;
    else if (bCopyText)
      CopyCut(item.pszText, item.cchTextMax, node->GetText());
    else
      item.pszText = const_cast<LPTSTR>(node->GetText());
  }
  if (item.mask & TVIF_IMAGE) {
    item.iImage = own.iImage;
    if (own.iImage == I_IMAGECALLBACK)
      callbacks |= TVIF_IMAGE;
  }
  if (item.mask & TVIF_SELECTEDIMAGE) {
    item.iSelectedImage = own.iSelectedImage;
    if (own.iSelectedImage == I_IMAGECALLBACK)
      callbacks |= TVIF_SELECTEDIMAGE;
  }
  if (item.mask & TVIF_CHILDREN) {
    item.cChildren = own.cChildren;
    if (own.cChildren == I_CHILDRENCALLBACK)
      callbacks |= TVIF_CHILDREN;
  }
  if (item.mask & TVIF_STATE) {
    UINT state = own.state & ~(kRowStates | TVIS_EXPANDED);
    int row = ShownRowOf(node);
    state |= row >= 0 ? m_pRows->GetRowState(row) & kRowStates : own.state & kRowStates;
    if (node->IsExpanded())
      state |= TVIS_EXPANDED;
    item.state = state & item.stateMask;
  }
  if (item.mask & TVIF_PARAM)
    item.lParam = own.lParam;
  if (callbacks == 0)
    return TRUE;
  if (!bNotify) {
    if (callbacks & TVIF_TEXT)
      item.pszText = LPSTR_TEXTCALLBACK;
    return TRUE;
  }
  TVITEM asked = item;
  asked.mask = callbacks;
  asked.lParam = own.lParam;
  if ((callbacks & TVIF_TEXT) && bCopyText)
    CopyCut(asked.pszText, asked.cchTextMax, "");
  OnGetDispInfo(asked);
  if (callbacks & TVIF_TEXT) {
    if (bCopyText && asked.pszText != item.pszText)
      CopyCut(item.pszText, item.cchTextMax, asked.pszText != nullptr ? asked.pszText : "");
    else if (!bCopyText)
      item.pszText = asked.pszText;
  }
  if (callbacks & TVIF_IMAGE)
    item.iImage = asked.iImage;
  if (callbacks & TVIF_SELECTEDIMAGE)
    item.iSelectedImage = asked.iSelectedImage;
  if (callbacks & TVIF_CHILDREN)
    item.cChildren = asked.cChildren;
  return TRUE;
}

CString TreeLogic::GetItemText(HTREEITEM hItem, int nCol) {
  if (nCol > 0) {
    char buffer[2048];
    if (m_pStorage == nullptr || Node(hItem) == nullptr)
      return CString();
    m_pStorage->GetSubItemText(hItem, nCol, buffer, sizeof buffer);
    return CString(buffer);
  }
  char buffer[2048] = "";
  TVITEM item = {};
  item.mask = TVIF_TEXT | TVIF_HANDLE;
  item.hItem = hItem;
  item.pszText = buffer;
  item.cchTextMax = sizeof buffer;
  if (!GetNodeItem(item, TRUE, TRUE))
    return CString();
  return CString(buffer);
}

BOOL TreeLogic::SetItemText(HTREEITEM hItem, int nCol, LPCTSTR pszText) {
  if (Node(hItem) == nullptr)
    return FALSE;
  if (nCol > 0)
    return m_pStorage != nullptr && m_pStorage->SetSubItemText(hItem, nCol, pszText);
  TVITEM item = {};
  item.mask = TVIF_HANDLE | TVIF_TEXT;
  item.hItem = hItem;
  item.pszText = const_cast<LPTSTR>(pszText);
  return SetItem(item);
}

int TreeLogic::CompareItems(_Node* node1, _Node* node2) {
  if (!node1->IsTextCallback() && !node2->IsTextCallback())
    return CompareNoCase(node1->GetText(), node2->GetText());
  return CompareNoCase(GetItemText(node1->GetHandle()), GetItemText(node2->GetHandle()));
}

// Insertion --------------------------------------------------------------

// The sibling the new node follows: kLinkFirst, kLinkLast or a child of
// parent. FALSE when the handle names no child of parent.
BOOL TreeLogic::ResolveInsertAfter(_Node* parent, HTREEITEM hInsertAfter, _Node* node, SECTreeNode** where) {
  *where = kLinkLast;
  if (hInsertAfter == nullptr || hInsertAfter == TVI_ROOT || hInsertAfter == TVI_LAST)
    return TRUE;
  if (hInsertAfter == TVI_FIRST) {
    *where = kLinkFirst;
    return TRUE;
  }
  if (hInsertAfter == TVI_SORT || hInsertAfter == SEC_TVI_SORTDESCENDING) {
    // The last child that sorts before or with the new one; walked from the
    // end, so that adding in order costs one comparison.
    const bool descending = hInsertAfter == SEC_TVI_SORTDESCENDING;
    *where = kLinkFirst;
    for (_Node* child = static_cast<_Node*>(GetLastChild(parent)); child != nullptr; child = child->Prev()) {
      if (child == node)
        continue;
      int order = CompareItems(child, node);
      if (descending ? order >= 0 : order <= 0) {
        *where = child;
        return TRUE;
      }
    }
    return TRUE;
  }
  if (parent->FirstChild() == nullptr)
    return TRUE;
  _Node* after = Node(hInsertAfter);
  if (after == nullptr || after->Parent() != parent)
    return FALSE;
  *where = after;
  return TRUE;
}

HTREEITEM TreeLogic::InsertItem(const TVINSERTSTRUCT& insert) {
  _Node* parent = NodeOrRoot(insert.hParent);
  if (parent == nullptr)
    return nullptr;
  _Node* node = NewNode();
  TVITEM item = insert.item;
  item.mask |= TVIF_HANDLE;
  item.hItem = node->GetHandle();
  SetItem(item);
  SECTreeNode* where = nullptr;
  if (!ResolveInsertAfter(parent, insert.hInsertAfter, node, &where) || !LinkChild(parent, node, where)) {
    DeleteNode(node);
    return nullptr;
  }
  const UINT expanded = item.state & item.stateMask & TVIS_EXPANDED;
  node->SetExpanded((item.mask & TVIF_STATE) != 0 && expanded != 0);
  InsertRowFor(node);
  return node->GetHandle();
}

BOOL TreeLogic::InsertItems(const TVINSERTSTRUCT* const* items, HTREEITEM hParent, int count) {
  if (items == nullptr || count < 1 || NodeOrRoot(hParent) == nullptr)
    return FALSE;
  for (int i = 0; i < count; ++i) {
    if (items[i] == nullptr)
      continue;
    TVINSERTSTRUCT insert = *items[i];
    insert.hParent = hParent;
    insert.hInsertAfter = TVI_LAST;
    if (InsertItem(insert) == nullptr)
      return FALSE;
  }
  return TRUE;
}

// Deletion --------------------------------------------------------------

BOOL TreeLogic::DeleteItem(HTREEITEM hItem) {
  _Node* target = hItem == TVI_ROOT ? m_pRoot.get() : Node(hItem);
  if (target == nullptr)
    return FALSE;
  // The branch's rows go in one step; deleting them row by row from the top
  // would move the rows below once per node.
  const bool root = target == m_pRoot.get();
  int row = root ? 0 : RowOf(target);
  if (m_pRows != nullptr && row >= 0) {
    int count = root ? m_pRows->GetRowCount() : 1 + CountVisibleBranch(target);
    if (count > 0)
      m_pRows->DeleteRows(row, count);
  }
  RemoveBranchLeafFirst(target, [this](SECTreeNode* leaf) { DeleteNode(static_cast<_Node*>(leaf)); });
  if (!root)
    DeleteNode(target);
  return TRUE;
}

// Walks -----------------------------------------------------------------

HTREEITEM TreeLogic::GetRootItem(HTREEITEM hItem) const {
  if (hItem != nullptr && hItem != TVI_ROOT && Node(hItem) == nullptr)
    return nullptr;
  _Node* first = m_pRoot->FirstChild();
  return first != nullptr ? first->GetHandle() : nullptr;
}

namespace {
HTREEITEM Handle(const _Node* node) {
  return node != nullptr ? node->GetHandle() : nullptr;
}
}  // namespace

HTREEITEM TreeLogic::GetNextItem(HTREEITEM hItem, UINT nCode) const {
  switch (nCode) {
    case TVGN_ROOT: return GetRootItem(hItem);
    case TVGN_CHILD: {
      _Node* node = NodeOrRoot(hItem);
      return node != nullptr ? Handle(node->FirstChild()) : nullptr;
    }
    case TVGN_NEXT:
    case TVGN_PREVIOUS:
    case TVGN_PARENT: {
      _Node* node = Node(hItem);
      if (node == nullptr)
        return nullptr;
      if (nCode == TVGN_NEXT)
        return Handle(node->Next());
      if (nCode == TVGN_PREVIOUS)
        return Handle(node->Prev());
      return node->Parent() == m_pRoot.get() ? nullptr : Handle(node->Parent());
    }
    case TVGN_FIRSTVISIBLE: return m_pRows != nullptr ? Handle(NodeAt(m_pRows->GetTopRow())) : nullptr;
    case TVGN_NEXTVISIBLE:
    case TVGN_PREVIOUSVISIBLE: {
      _Node* node = Node(hItem);
      if (node == nullptr)
        return nullptr;
      int row = RowOf(node);
      if (row >= 0)
        return Handle(NodeAt(nCode == TVGN_NEXTVISIBLE ? row + 1 : row - 1));
      if (nCode == TVGN_NEXTVISIBLE)
        return Handle(NextVisibleInOrder(node));
      for (SECTreeNode* p = GetPrevPreorder(node); p != nullptr && p != m_pRoot.get(); p = GetPrevPreorder(p)) {
        if (IsVisible(static_cast<_Node*>(p)))
          return Handle(static_cast<_Node*>(p));
      }
      return nullptr;
    }
    case TVGN_DROPHILITE: return m_pRows != nullptr ? Handle(NodeAt(m_pRows->GetDropRow())) : nullptr;
    case TVGN_CARET: return m_pRows != nullptr ? Handle(NodeAt(m_pRows->GetFocusRow())) : nullptr;
    case SEC_TVGN_FIRSTSELECTED: return SelectedFrom(-1, 1);
    case SEC_TVGN_NEXTSELECTED:
    case SEC_TVGN_PREVSELECTED: {
      _Node* node = Node(hItem);
      if (node == nullptr || m_pRows == nullptr)
        return nullptr;
      const bool next = nCode == SEC_TVGN_NEXTSELECTED;
      int row = RowOf(node);
      if (row < 0) {
        // Start from the nearest visible node before (next) or after it.
        HTREEITEM nearest = GetNextItem(hItem, next ? TVGN_PREVIOUSVISIBLE : TVGN_NEXTVISIBLE);
        row = nearest != nullptr ? RowOf(Node(nearest)) : (next ? -1 : m_pRows->GetRowCount());
      }
      return SelectedFrom(row, next ? 1 : -1);
    }
    default: return nullptr;
  }
}

HTREEITEM TreeLogic::SelectedFrom(int row, int step) const {
  if (m_pRows == nullptr)
    return nullptr;
  const int count = m_pRows->GetRowCount();
  for (int r = row + step; r >= 0 && r < count; r += step) {
    if (m_pRows->GetRowState(r) & TVIS_SELECTED)
      return Handle(NodeAt(r));
  }
  return nullptr;
}

int TreeLogic::GetCount(HTREEITEM hItem, BOOL bRecursive, BOOL bExpandedOnly) const {
  _Node* parent = NodeOrRoot(hItem);
  if (parent == nullptr)
    return 0;
  int count = 0;
  for (_Node* child = parent->FirstChild(); child != nullptr; child = child->Next()) {
    ++count;
    // Below the direct children every level counts, expanded or not.
    if (bRecursive && (!bExpandedOnly || child->IsExpanded()))
      count += CountDescendants(child);
  }
  return count;
}

int TreeLogic::CountDescendants(_Node* node) {
  int count = 0;
  for (_Node* d = node->FirstChild(); d != nullptr;
       d = d->FirstChild() != nullptr ? d->FirstChild() : NextSkippingChildren(d, node))
    ++count;
  return count;
}

BOOL TreeLogic::ItemHasChildren(HTREEITEM hItem) const {
  _Node* node = Node(hItem);
  return node != nullptr && node->FirstChild() != nullptr;
}

// Visibility and rows ------------------------------------------------------

BOOL TreeLogic::HasInheritedFlag(const _Node* node, DWORD flag) {
  for (const SECTreeNode* p = node; p != nullptr; p = p->m_pParent) {
    if (static_cast<const _Node*>(p)->HasFlag(flag))
      return TRUE;
  }
  return FALSE;
}

BOOL TreeLogic::IsVisible(const _Node* node) const {
  if (node == nullptr || node == m_pRoot.get() || node->m_pParent == nullptr)
    return FALSE;
  for (const _Node* p = node; p != m_pRoot.get(); p = p->Parent()) {
    if (p == nullptr || p->HasFlag(_Node::kHidden))
      return FALSE;
    if (p != node && !p->IsExpanded())
      return FALSE;
  }
  return TRUE;
}

BOOL TreeLogic::DisableItem(HTREEITEM hItem, BOOL bDisable) {
  _Node* node = Node(hItem);
  if (node == nullptr)
    return FALSE;
  node->SetFlag(_Node::kDisabled, bDisable);
  return TRUE;
}

BOOL TreeLogic::HideItem(HTREEITEM hItem, BOOL bHide) {
  _Node* node = Node(hItem);
  if (node == nullptr)
    return FALSE;
  if (node->HasFlag(_Node::kHidden) == bHide)
    return TRUE;
  node->SetFlag(_Node::kHidden, bHide);
  SyncRows();
  return TRUE;
}

_Node* TreeLogic::NodeAt(int row) const {
  FlushDeferredRows();
  if (m_pRows == nullptr || row < 0 || row >= m_pRows->GetRowCount())
    return nullptr;
  return m_pRows->GetRowNode(row);
}

int TreeLogic::RowOf(_Node* node) const {
  FlushDeferredRows();
  if (m_pRows == nullptr || !IsVisible(node))
    return -1;
  return FindRowFrom(node, node->m_nRowHint);
}

int TreeLogic::ShownRowOf(_Node* node) const {
  if (!m_defer.dirty)
    return RowOf(node);
  // Bringing waiting rows up to date here would rebuild the whole branch
  // once per node that a branch expansion tells its owner of.
  if (m_pRows == nullptr || m_pRows->GetRowCount() == 0)
    return -1;
  return FindRowFrom(node, node->m_nRowHint);
}

int TreeLogic::FindRowFrom(_Node* node, int hint) const {
  const int count = m_pRows->GetRowCount();
  hint = std::min(std::max(hint, 0), count - 1);
  // Rows above the node come and go, so it is near where it was last seen.
  for (int distance = 0; hint + distance < count || hint - distance >= 0; ++distance) {
    for (int row : {hint + distance, hint - distance}) {
      if (row >= 0 && row < count && m_pRows->GetRowNode(row) == node) {
        node->m_nRowHint = row;
        return row;
      }
    }
  }
  return -1;
}

_Node* TreeLogic::LastVisibleInBranch(_Node* node) const {
  for (;;) {
    if (!node->IsExpanded())
      return node;
    _Node* child = static_cast<_Node*>(GetLastChild(node));
    while (child != nullptr && child->HasFlag(_Node::kHidden))
      child = child->Prev();
    if (child == nullptr)
      return node;
    node = child;
  }
}

_Node* TreeLogic::PrevVisible(_Node* node) const {
  for (_Node* sibling = node->Prev(); sibling != nullptr; sibling = sibling->Prev()) {
    if (!sibling->HasFlag(_Node::kHidden))
      return LastVisibleInBranch(sibling);
  }
  _Node* parent = node->Parent();
  return parent == m_pRoot.get() ? nullptr : parent;
}

_Node* TreeLogic::NextVisibleInOrder(_Node* node) const {
  for (SECTreeNode* p = GetNextPreorder(node); p != nullptr; p = GetNextPreorder(p)) {
    if (IsVisible(static_cast<_Node*>(p)))
      return static_cast<_Node*>(p);
  }
  return nullptr;
}

void TreeLogic::AppendVisibleBranch(_Node* node, std::vector<_Node*>& out) const {
  if (!node->IsExpanded())
    return;  // a collapsed node shows none of its branch
  _Node* child = node->FirstChild();
  while (child != nullptr) {
    if (!child->HasFlag(_Node::kHidden)) {
      out.push_back(child);
      if (child->IsExpanded() && child->FirstChild() != nullptr) {
        child = child->FirstChild();
        continue;
      }
    }
    child = NextSkippingChildren(child, node);
  }
}

int TreeLogic::CountVisibleBranch(_Node* node) const {
  std::vector<_Node*> branch;
  AppendVisibleBranch(node, branch);
  return static_cast<int>(branch.size());
}

void TreeLogic::InsertRowFor(_Node* node) {
  if (m_pRows == nullptr || !IsVisible(node))
    return;
  _Node* prev = PrevVisible(node);
  int row = prev != nullptr ? RowOf(prev) + 1 : 0;
  std::vector<_Node*> rows{node};
  if (node->IsExpanded())
    AppendVisibleBranch(node, rows);
  m_pRows->InsertRows(row, rows);
  for (_Node* inserted : rows)
    inserted->m_nRowHint = row++;
}

void TreeLogic::SyncRows() {
  if (m_pRows == nullptr)
    return;
  std::vector<_Node*> wanted;
  AppendVisibleBranch(m_pRoot.get(), wanted);
  std::unordered_set<const _Node*> wantedSet(wanted.begin(), wanted.end());
  int row = 0;
  size_t next = 0;
  for (;;) {
    int count = m_pRows->GetRowCount();
    int unwanted = 0;
    while (row + unwanted < count && wantedSet.count(m_pRows->GetRowNode(row + unwanted)) == 0)
      ++unwanted;
    if (unwanted > 0) {
      m_pRows->DeleteRows(row, unwanted);
      continue;
    }
    if (next == wanted.size())
      return;
    _Node* present = row < count ? m_pRows->GetRowNode(row) : nullptr;
    if (present == wanted[next]) {
      present->m_nRowHint = row++;
      ++next;
      continue;
    }
    std::vector<_Node*> run;
    while (next < wanted.size() && wanted[next] != present)
      run.push_back(wanted[next++]);
    m_pRows->InsertRows(row, run);
    for (_Node* inserted : run)
      inserted->m_nRowHint = row++;
  }
}

// Expand and collapse ------------------------------------------------------

int TreeLogic::GetChildrenCount(_Node* node, BOOL bNotify) {
  if (node->m_item.cChildren != I_CHILDRENCALLBACK || !bNotify)
    return node->m_item.cChildren;
  TVITEM item = {};
  item.mask = TVIF_CHILDREN;
  item.hItem = node->GetHandle();
  item.lParam = node->m_item.lParam;
  OnGetDispInfo(item);
  return item.cChildren;
}

BOOL TreeLogic::Expand(HTREEITEM hItem, UINT nCode, BOOL bForce) {
  _Node* node = Node(hItem);
  if (node == nullptr)
    return FALSE;
  if (!bForce && node->FirstChild() == nullptr && GetChildrenCount(node, TRUE) <= 0)
    return TRUE;
  UINT action = nCode;
  if ((nCode & 0xF) == TVE_TOGGLE)
    action = node->IsExpanded() ? TVE_COLLAPSE : TVE_EXPAND;
  const bool collapse = IsCollapseCode(action);
  if (!collapse && (action & 0xF) != TVE_EXPAND)
    return FALSE;
  if (OnItemExpanding(node, action) == 1 || !IsItem(hItem))
    return FALSE;
  if (collapse) {
    CollapseNode(node, action);
  } else {
    if (node->IsExpanded())
      return TRUE;
    if (!ExpandNode(node))
      return FALSE;
  }
  OnItemExpanded(node, action);
  return TRUE;
}

BOOL TreeLogic::ExpandNode(_Node* node) {
  if (node->FirstChild() == nullptr)
    return FALSE;
  node->SetExpanded(TRUE);
  if (IsDeferred(node)) {
    m_defer.dirty = true;
    return TRUE;
  }
  int row = RowOf(node);
  if (row < 0)
    return TRUE;
  std::vector<_Node*> rows;
  AppendVisibleBranch(node, rows);
  m_pRows->InsertRows(row + 1, rows);
  for (_Node* inserted : rows)
    inserted->m_nRowHint = ++row;
  return TRUE;
}

void TreeLogic::MoveCaretOutOf(_Node* node) {
  if (m_pRows == nullptr)
    return;
  // The rows hold only live nodes even while their changes wait, so the
  // caret's node can be read without bringing the rows up to date first.
  const int focus = m_pRows->GetFocusRow();
  if (focus < 0 || focus >= m_pRows->GetRowCount())
    return;
  _Node* caret = m_pRows->GetRowNode(focus);
  if (!IsDescendant(node, caret))
    return;
  int row = RowOf(node);
  if (row < 0)
    return;
  OnSelChanging(caret, node, TVC_BYMOUSE);
  m_pRows->SetFocusRow(row);
  OnSelChanged(caret, node, TVC_BYMOUSE);
}

void TreeLogic::CollapseNode(_Node* node, UINT nCode) {
  if (node->IsExpanded()) {
    MoveCaretOutOf(node);
    if (IsDeferred(node)) {
      node->SetExpanded(FALSE);
      m_defer.dirty = true;
    } else {
      int row = RowOf(node);
      int count = row >= 0 ? CountVisibleBranch(node) : 0;
      node->SetExpanded(FALSE);
      if (count > 0)
        m_pRows->DeleteRows(row + 1, count);
    }
  }
  if ((nCode & TVE_COLLAPSERESET) == 0)
    return;
  while (_Node* child = node->FirstChild())
    DeleteItem(child->GetHandle());
}

bool TreeLogic::IsDeferred(const _Node* node) const {
  const _Node* top = m_defer.top;
  return top != nullptr && (top == m_pRoot.get() || node == top || IsDescendant(top, node));
}

void TreeLogic::BeginDeferRows(_Node* top) {
  if (m_defer.depth++ == 0 && m_pRows != nullptr)
    m_defer.top = top;
}

void TreeLogic::EndDeferRows() {
  if (--m_defer.depth > 0)
    return;
  FlushDeferredRows();
  m_defer.top = nullptr;
}

void TreeLogic::FlushDeferredRows() const {
  if (!m_defer.dirty)
    return;
  m_defer.dirty = false;
  _Node* top = m_defer.top;
  const bool root = top == m_pRoot.get();
  if (!root && m_live.count(top) == 0)
    return;  // the owner deleted the branch while told of it
  // The branch's own row is untouched by changes below it.
  int first = 0;
  if (!root) {
    if (!IsVisible(top))
      return;
    first = FindRowFrom(top, top->m_nRowHint) + 1;
    if (first == 0)
      return;
  }
  const int count = m_pRows->GetRowCount();
  int end = first;
  while (end < count && (root || IsDescendant(top, m_pRows->GetRowNode(end))))
    ++end;
  const int focus = m_pRows->GetFocusRow();
  _Node* caret = focus >= 0 && focus < count ? m_pRows->GetRowNode(focus) : nullptr;
  std::vector<_Node*> rows;
  if (root || top->IsExpanded())
    AppendVisibleBranch(top, rows);
  if (end > first)
    m_pRows->DeleteRows(first, end - first);
  m_pRows->InsertRows(first, rows);
  int row = first;
  for (_Node* inserted : rows)
    inserted->m_nRowHint = row++;
  if (caret != nullptr && IsVisible(caret)) {
    int caretRow = FindRowFrom(caret, caret->m_nRowHint);
    if (caretRow >= 0 && caretRow != m_pRows->GetFocusRow())
      m_pRows->SetFocusRow(caretRow);
  }
}

void TreeLogic::ExpandBranch(HTREEITEM hItem) {
  _Node* top = NodeOrRoot(hItem);
  if (top == nullptr)
    return;
  BeginDeferRows(top);
  if (top != m_pRoot.get() && !Expand(hItem, TVE_EXPAND)) {
    EndDeferRows();
    return;
  }
  _Node* node = top->FirstChild();
  while (node != nullptr) {
    BOOL expanded = Expand(node->GetHandle(), TVE_EXPAND);
    if (expanded && node->FirstChild() != nullptr)
      node = node->FirstChild();
    else
      node = NextSkippingChildren(node, top);
  }
  EndDeferRows();
}

void TreeLogic::CollapseBranch(HTREEITEM hItem) {
  _Node* top = Node(hItem);
  if (top == nullptr || top->FirstChild() == nullptr || !top->IsExpanded())
    return;
  std::vector<HTREEITEM> expanded;
  for (SECTreeNode* p = GetNextPreorder(top); p != nullptr && IsDescendant(top, p); p = GetNextPreorder(p)) {
    if (p->IsExpanded())
      expanded.push_back(static_cast<_Node*>(p)->GetHandle());
  }
  // Deepest first: every node comes after its descendants in reverse order.
  BeginDeferRows(top);
  for (auto it = expanded.rbegin(); it != expanded.rend(); ++it)
    Expand(*it, TVE_COLLAPSE);
  Expand(hItem, TVE_COLLAPSE);
  EndDeferRows();
}

BOOL TreeLogic::MakeVisible(HTREEITEM hItem) {
  _Node* node = Node(hItem);
  if (node == nullptr)
    return FALSE;
  if (RowOf(node) >= 0)
    return TRUE;
  for (_Node* p = node->Parent(); p != nullptr && p != m_pRoot.get(); p = p->Parent()) {
    if (!p->IsExpanded() && !Expand(p->GetHandle(), TVE_EXPAND))
      return FALSE;
  }
  if (RowOf(node) < 0)
    SyncRows();
  return RowOf(node) >= 0;
}

BOOL TreeLogic::SelectCaret(HTREEITEM hItem, int action) {
  _Node* node = Node(hItem);
  if (node == nullptr || m_pRows == nullptr || !MakeVisible(hItem))
    return FALSE;
  _Node* old = NodeAt(m_pRows->GetFocusRow());
  if (OnSelChanging(old, node, action) == 1 || !IsItem(hItem))
    return FALSE;
  m_pRows->SetFocusRow(RowOf(node));
  OnSelChanged(old, node, action);
  return TRUE;
}

// Sorting and moving --------------------------------------------------------

template <typename Less>
void TreeLogic::SortChain(_Node* parent, BOOL bRecursive, Less less) {
  std::vector<_Node*> children;
  for (_Node* child = parent->FirstChild(); child != nullptr; child = child->Next())
    children.push_back(child);
  // A stable sort: equal items keep their order, as the sibling swaps of a
  // bubble sort would leave them, without its square cost.
  std::stable_sort(children.begin(), children.end(), less);
  for (_Node* child : children)
    Unlink(child);
  for (_Node* child : children)
    LinkChild(parent, child, kLinkLast);
  if (!bRecursive)
    return;
  for (_Node* child : children) {
    if (child->FirstChild() != nullptr)
      SortChain(child, bRecursive, less);
  }
}

void TreeLogic::RebuildBranchRows(_Node* node) {
  if (m_pRows == nullptr)
    return;
  const bool root = node == m_pRoot.get();
  int row = root ? 0 : RowOf(node) + 1;
  if (!root && (row == 0 || !node->IsExpanded()))
    return;
  _Node* caret = NodeAt(m_pRows->GetFocusRow());
  std::vector<_Node*> rows;
  AppendVisibleBranch(node, rows);
  if (rows.empty())
    return;
  m_pRows->DeleteRows(row, static_cast<int>(rows.size()));
  m_pRows->InsertRows(row, rows);
  for (_Node* inserted : rows)
    inserted->m_nRowHint = row++;
  int caretRow = caret != nullptr ? RowOf(caret) : -1;
  if (caretRow >= 0 && caretRow != m_pRows->GetFocusRow())
    m_pRows->SetFocusRow(caretRow);
}

BOOL TreeLogic::SortChildren(HTREEITEM hParent, BOOL bRecursive, BOOL bAscending) {
  _Node* parent = NodeOrRoot(hParent);
  if (parent == nullptr)
    return FALSE;
  SortChain(parent, bRecursive, [this, bAscending](_Node* a, _Node* b) {
    int order = CompareItems(a, b);
    return bAscending ? order < 0 : order > 0;
  });
  RebuildBranchRows(parent);
  return TRUE;
}

BOOL TreeLogic::SortChildrenCB(const TVSORTCB& sort, BOOL bRecursive) {
  _Node* parent = NodeOrRoot(sort.hParent);
  if (parent == nullptr || sort.lpfnCompare == nullptr)
    return FALSE;
  SortChain(parent, bRecursive, [&sort](_Node* a, _Node* b) {
    return sort.lpfnCompare(a->m_item.lParam, b->m_item.lParam, sort.lParam) < 0;
  });
  RebuildBranchRows(parent);
  return TRUE;
}

BOOL TreeLogic::MoveItem(HTREEITEM hItem, HTREEITEM hNewParent, HTREEITEM hInsertAfter) {
  _Node* node = Node(hItem);
  _Node* parent = NodeOrRoot(hNewParent);
  if (node == nullptr || parent == nullptr || parent == node || IsDescendant(node, parent))
    return FALSE;
  // Checked before anything moves, so that a refused move changes nothing.
  SECTreeNode* where = nullptr;
  if (!ResolveInsertAfter(parent, hInsertAfter, node, &where))
    return FALSE;
  if (where == node)
    where = node->Prev() != nullptr ? node->Prev() : kLinkFirst;
  _Node* caret = m_pRows != nullptr ? NodeAt(m_pRows->GetFocusRow()) : nullptr;
  node->m_item.state &= ~TVIS_SELECTED;
  if (m_pRows != nullptr)
    m_pRows->DeselectAll();
  int row = RowOf(node);
  if (row >= 0)
    m_pRows->DeleteRows(row, 1 + CountVisibleBranch(node));
  Unlink(node);
  LinkChild(parent, node, where);
  InsertRowFor(node);
  if (m_pRows == nullptr)
    return TRUE;
  m_pRows->DeselectAll();
  if (caret == nullptr || RowOf(caret) < 0)
    caret = m_pRoot->FirstChild();
  if (caret != nullptr && MakeVisible(caret->GetHandle()))
    m_pRows->SetFocusRow(RowOf(caret));
  return TRUE;
}

// Sub-item texts --------------------------------------------------------------

void TreeLogic::EnableSubItemTextStorage(BOOL bEnable) {
  if (!bEnable)
    m_pStorage.reset();
  else if (!m_pStorage)
    m_pStorage = std::make_unique<SECSubItemTextStorage>();
}

void TreeLogic::MoveColumnTexts(int nFrom, int nTo) {
  if (!m_pStorage)
    return;
  for (SECTreeNode* p = GetNextPreorder(m_pRoot.get()); p != nullptr; p = GetNextPreorder(p))
    m_pStorage->MoveSubItemText(static_cast<_Node*>(p)->GetHandle(), nFrom, nTo);
}
