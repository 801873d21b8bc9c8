// The nodes of the tree control and the walks over them. SECTreeNode holds
// the four links; _Node adds the item's attributes and its flags, and its
// address is the item's handle. A node owns its subtree: deleting a node
// deletes every node below it, deepest first leaf by leaf (no recursion, so
// a deep branch cannot overflow the stack).
#pragma once

#include "ui/lists/TreeTypes.h"

class SECTreeNode {
 public:
  SECTreeNode() = default;
  SECTreeNode(const SECTreeNode&) = delete;
  SECTreeNode& operator=(const SECTreeNode&) = delete;
  virtual ~SECTreeNode();

  virtual SECTreeNode* GetParent() const { return m_pParent; }
  virtual SECTreeNode* GetNextSibling() const { return m_pNext; }
  virtual SECTreeNode* GetPrevSibling() const { return m_pPrev; }
  virtual SECTreeNode* GetFirstChild() const { return m_pFirstChild; }
  virtual BOOL IsExpanded() const { return FALSE; }
  virtual void SetExpanded(BOOL) {}

  SECTreeNode* m_pParent = nullptr;
  SECTreeNode* m_pNext = nullptr;
  SECTreeNode* m_pPrev = nullptr;
  SECTreeNode* m_pFirstChild = nullptr;
  // Kept by the link functions so that appending to a long chain of
  // children does not walk it.
  SECTreeNode* m_pLastChild = nullptr;
};

class SECTreeNodeX : public SECTreeNode {};

class _Node : public SECTreeNodeX {
 public:
  static constexpr DWORD kExpanded = 0x20;
  static constexpr DWORD kDisabled = SEC_TVIS_DISABLED;
  static constexpr DWORD kHidden = SEC_TVIS_HIDDEN;

  _Node();
  ~_Node() override;

  BOOL IsExpanded() const override { return (m_dwFlags & kExpanded) != 0; }
  void SetExpanded(BOOL bExpanded) override;

  HTREEITEM GetHandle() const { return reinterpret_cast<HTREEITEM>(const_cast<_Node*>(this)); }
  static _Node* FromHandle(HTREEITEM hItem) { return reinterpret_cast<_Node*>(hItem); }
  _Node* Parent() const { return static_cast<_Node*>(m_pParent); }
  _Node* Next() const { return static_cast<_Node*>(m_pNext); }
  _Node* Prev() const { return static_cast<_Node*>(m_pPrev); }
  _Node* FirstChild() const { return static_cast<_Node*>(m_pFirstChild); }

  BOOL IsTextCallback() const { return m_item.pszText == LPSTR_TEXTCALLBACK; }
  // The label, "" for none or a callback.
  LPCTSTR GetText() const;
  // Copies the text (the old one freed); LPSTR_TEXTCALLBACK makes it a callback.
  void SetText(LPCTSTR pszText);
  BOOL HasFlag(DWORD flag) const { return (m_dwFlags & flag) != 0; }
  void SetFlag(DWORD flag, BOOL bOn);

  TVITEM m_item;
  DWORD m_dwFlags = 0;
  // The row the node had when last looked up; rows move, so this is where
  // the search starts, never the answer.
  int m_nRowHint = 0;
};

// Walks and links (plain functions of the structure).
// where: kLinkFirst (0), kLinkLast (1 or 2) or the child to follow; FALSE,
// nothing linked, when that child is not among the parent's children.
BOOL LinkChild(SECTreeNode* parent, SECTreeNode* node, SECTreeNode* where);
inline SECTreeNode* const kLinkFirst = nullptr;
inline SECTreeNode* const kLinkLast = reinterpret_cast<SECTreeNode*>(1);
void Unlink(SECTreeNode* node);
SECTreeNode* GetFirstLeaf(SECTreeNode* node);
SECTreeNode* GetLastChild(SECTreeNode* node);
SECTreeNode* GetLastDescendant(SECTreeNode* node);
SECTreeNode* GetNextPreorder(SECTreeNode* node);
SECTreeNode* GetPrevPreorder(SECTreeNode* node);
BOOL IsDescendant(const SECTreeNode* ancestor, const SECTreeNode* node);
int GetDepth(const SECTreeNode* node);
void MoveBefore(SECTreeNode* node);

// Takes the deepest first descendant of top, again and again, until top has
// no children: removeLeaf must unlink (and may delete) the leaf it is given.
// Each step starts below the parent of the last leaf, so a whole branch
// costs time in proportion to its size, however deep it is.
template <typename RemoveLeaf>
void RemoveBranchLeafFirst(SECTreeNode* top, RemoveLeaf removeLeaf) {
  SECTreeNode* leaf = GetFirstLeaf(top);
  while (leaf != nullptr) {
    SECTreeNode* parent = leaf->m_pParent;
    removeLeaf(leaf);
    if (parent->m_pFirstChild != nullptr) {
      SECTreeNode* below = GetFirstLeaf(parent->m_pFirstChild);
      leaf = below != nullptr ? below : parent->m_pFirstChild;
    } else {
      leaf = parent == top ? nullptr : parent;
    }
  }
}
