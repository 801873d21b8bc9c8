// The rules of the tree control apart from any window: items as nodes,
// insert positions, expand and collapse, visibility, walks by the TVGN_
// codes, sorting, moving and deleting. The list engine under the tree keeps
// exactly one row per visible node, in depth-first order; every operation
// here leaves the rows in that state through ITreeRows. SECTreeBaseC puts a
// window around the rules and answers the hooks with notifications.
#pragma once

#include "ui/lists/SubItemTextStorage.h"
#include "ui/lists/TreeNode.h"

#include <memory>
#include <unordered_set>
#include <vector>

// What the rules need of the list rows.
class ITreeRows {
 public:
  virtual ~ITreeRows() = default;
  virtual int GetRowCount() const = 0;
  virtual _Node* GetRowNode(int row) const = 0;
  // Inserts one row per node, the first at row.
  virtual void InsertRows(int row, const std::vector<_Node*>& nodes) = 0;
  virtual void DeleteRows(int row, int count) = 0;
  // The row's selected (0x2), cut (0x4) and drop-highlight (0x8) bits.
  virtual UINT GetRowState(int row) const = 0;
  virtual void SetRowState(int row, UINT state, UINT mask) = 0;
  virtual void DeselectAll() = 0;
  // -1 for none.
  virtual int GetFocusRow() const = 0;
  // Gives the row the focus and selects it.
  virtual void SetFocusRow(int row) = 0;
  virtual int GetDropRow() const = 0;
  virtual int GetTopRow() const = 0;
  virtual void SetTopRow(int row) = 0;
};

class TreeLogic {
 public:
  // Row states the rows carry for their nodes.
  static constexpr UINT kRowStates = TVIS_SELECTED | TVIS_CUT | TVIS_DROPHILITED;
  // What SetItem changed that the window must re-measure or redraw.
  struct ItemChange {
    int row = -1;  // the node's row, -1 when it has none
    BOOL bDropHilite = FALSE;
    BOOL bLooks = FALSE;  // overlay, state image or image
  };

  TreeLogic();
  TreeLogic(const TreeLogic&) = delete;
  TreeLogic& operator=(const TreeLogic&) = delete;
  virtual ~TreeLogic();

  void AttachRows(ITreeRows* rows) { m_pRows = rows; }
  ITreeRows* GetRows() const { return m_pRows; }
  _Node* GetRoot() const { return m_pRoot.get(); }

  // Handles: the item's node, nullptr for NULL, TVI_ROOT or an unknown
  // handle (which is never dereferenced). NodeOrRoot takes NULL and
  // TVI_ROOT as the root.
  _Node* Node(HTREEITEM hItem) const;
  _Node* NodeOrRoot(HTREEITEM hItem) const;
  BOOL IsItem(HTREEITEM hItem) const { return Node(hItem) != nullptr; }
  int GetNodeCount() const { return static_cast<int>(m_live.size()); }

  // Items.
  HTREEITEM InsertItem(const TVINSERTSTRUCT& insert);
  BOOL InsertItems(const TVINSERTSTRUCT* const* items, HTREEITEM hParent, int count);
  // Applies the masked fields; fields the node holds as callbacks are
  // collected and passed to OnSetDispInfo. FALSE for an unknown item.
  BOOL SetItem(const TVITEM& item, ItemChange* change = nullptr);
  // Fills the masked fields from the node; callbacks are asked of
  // OnGetDispInfo when bNotify. The text is copied when bCopyText.
  BOOL GetNodeItem(TVITEM& item, BOOL bCopyText, BOOL bNotify);
  BOOL DeleteItem(HTREEITEM hItem);
  BOOL DeleteAllItems() { return DeleteItem(TVI_ROOT); }
  CString GetItemText(HTREEITEM hItem, int nCol = 0);
  BOOL SetItemText(HTREEITEM hItem, int nCol, LPCTSTR pszText);

  // Walks.
  HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) const;
  HTREEITEM GetRootItem(HTREEITEM hItem = nullptr) const;
  int GetCount(HTREEITEM hItem, BOOL bRecursive, BOOL bExpandedOnly) const;
  BOOL ItemHasChildren(HTREEITEM hItem) const;

  // Visibility and rows.
  BOOL IsVisible(const _Node* node) const;
  BOOL IsItemDisabled(HTREEITEM hItem) const { return HasInheritedFlag(Node(hItem), _Node::kDisabled); }
  BOOL IsItemHidden(HTREEITEM hItem) const { return HasInheritedFlag(Node(hItem), _Node::kHidden); }
  BOOL DisableItem(HTREEITEM hItem, BOOL bDisable);
  // The hidden flag: the item and its branch lose their rows.
  BOOL HideItem(HTREEITEM hItem, BOOL bHide);
  // The node's row, -1 when it is not visible.
  int RowOf(_Node* node) const;
  _Node* NodeAt(int row) const;
  // Adds rows for nodes that became visible and removes those of nodes
  // that became hidden, keeping the rest (and their selection).
  void SyncRows();

  // Expand and collapse. Expand answers FALSE when vetoed or when there is
  // nothing to expand.
  BOOL Expand(HTREEITEM hItem, UINT nCode, BOOL bForce = FALSE);
  void ExpandBranch(HTREEITEM hItem);
  void CollapseBranch(HTREEITEM hItem);
  // Expands the collapsed ancestors so that the item has a row.
  BOOL MakeVisible(HTREEITEM hItem);

  // Moving the caret; FALSE when vetoed.
  BOOL SelectCaret(HTREEITEM hItem, int action);

  BOOL SortChildren(HTREEITEM hParent, BOOL bRecursive, BOOL bAscending);
  BOOL SortChildrenCB(const TVSORTCB& sort, BOOL bRecursive);
  BOOL MoveItem(HTREEITEM hItem, HTREEITEM hNewParent, HTREEITEM hInsertAfter);

  // Sub-item texts (columns 1..n).
  void EnableSubItemTextStorage(BOOL bEnable);
  BOOL HasSubItemTextStorage() const { return m_pStorage != nullptr; }
  SECSubItemTextStorage* GetStorage() const { return m_pStorage.get(); }
  // After a column moved: every node's texts move with it.
  void MoveColumnTexts(int nFrom, int nTo);

  int GetIndent() const { return m_nIndent; }
  void SetIndent(int nIndent) { m_nIndent = nIndent + (nIndent & 1); }

 protected:
  // Hooks the window answers with notifications. Replies: 1 vetoes.
  virtual LRESULT OnItemExpanding(_Node* node, UINT action) { return 0; }
  virtual void OnItemExpanded(_Node* node, UINT action) {}
  virtual LRESULT OnSelChanging(_Node* oldNode, _Node* newNode, int action) { return 0; }
  virtual void OnSelChanged(_Node* oldNode, _Node* newNode, int action) {}
  // A node is about to be deleted (unlinked, its row gone).
  virtual void OnDeleteNode(_Node* node) {}
  virtual void OnSetDispInfo(_Node* node, UINT mask) {}
  // Fills the callback fields of item.mask.
  virtual void OnGetDispInfo(TVITEM& item) {}
  // Sort order of two items: the labels, case-insensitive.
  virtual int CompareItems(_Node* node1, _Node* node2);
  virtual _Node* CreateNode() { return new _Node; }

  static BOOL HasInheritedFlag(const _Node* node, DWORD flag);
  // The children count, asked of the owner when it is a callback.
  int GetChildrenCount(_Node* node, BOOL bNotify);

 private:
  template <typename Less>
  void SortChain(_Node* parent, BOOL bRecursive, Less less);
  _Node* NewNode();
  void DeleteNode(_Node* node);
  BOOL ResolveInsertAfter(_Node* parent, HTREEITEM hInsertAfter, _Node* node, SECTreeNode** where);
  static int CountDescendants(_Node* node);
  void InsertRowFor(_Node* node);
  _Node* PrevVisible(_Node* node) const;
  _Node* NextVisibleInOrder(_Node* node) const;
  _Node* LastVisibleInBranch(_Node* node) const;
  void AppendVisibleBranch(_Node* node, std::vector<_Node*>& out) const;
  int CountVisibleBranch(_Node* node) const;
  BOOL ExpandNode(_Node* node);
  void CollapseNode(_Node* node, UINT nCode);
  // The caret inside node's branch moves to node, with both notices.
  void MoveCaretOutOf(_Node* node);
  void RebuildBranchRows(_Node* node);
  // A branch-wide expand or collapse changes the rows of the branch once, at
  // the end, instead of once per node: each change in the middle of the
  // rows moves every row below it.
  void BeginDeferRows(_Node* top);
  void EndDeferRows();
  void FlushDeferredRows() const;
  // Row changes of nodes outside the deferred branch are made at once.
  bool IsDeferred(const _Node* node) const;
  int FindRowFrom(_Node* node, int hint) const;
  // The node's row among the rows as they stand, changes waiting or not.
  int ShownRowOf(_Node* node) const;
  void MirrorOnRow(_Node* node, const TVITEM& item, ItemChange* change);
  HTREEITEM SelectedFrom(int row, int step) const;

  ITreeRows* m_pRows = nullptr;
  std::unique_ptr<_Node> m_pRoot;
  std::unordered_set<const _Node*> m_live;
  std::unique_ptr<SECSubItemTextStorage> m_pStorage;
  int m_nIndent = 20;
  struct DeferredRows {
    _Node* top = nullptr;
    int depth = 0;
    bool dirty = false;
  };
  mutable DeferredRows m_defer;
};
