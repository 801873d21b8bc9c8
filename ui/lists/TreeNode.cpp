#include "ui/lists/TreeNode.h"

#include <cstring>

SECTreeNode::~SECTreeNode() {
  RemoveBranchLeafFirst(this, [](SECTreeNode* leaf) {
    Unlink(leaf);
    delete leaf;
  });
}

_Node::_Node() {
  std::memset(&m_item, 0, sizeof(m_item));
  m_item.hItem = GetHandle();
  m_item.iImage = TREE_NO_IMAGE;
  m_item.iSelectedImage = TREE_NO_IMAGE;
}

_Node::~_Node() {
  SetText(nullptr);
}

void _Node::SetExpanded(BOOL bExpanded) {
  SetFlag(kExpanded, bExpanded);
}

LPCTSTR _Node::GetText() const {
  if (m_item.pszText == nullptr || IsTextCallback())
    return "";
  return m_item.pszText;
}

void _Node::SetText(LPCTSTR pszText) {
  if (m_item.pszText != nullptr && !IsTextCallback())
    delete[] m_item.pszText;
  m_item.pszText = nullptr;
  if (pszText == LPSTR_TEXTCALLBACK) {
    m_item.pszText = LPSTR_TEXTCALLBACK;
    return;
  }
  if (pszText == nullptr)
    return;
  size_t length = std::strlen(pszText);
  m_item.pszText = new char[length + 1];
  std::memcpy(m_item.pszText, pszText, length + 1);
}

void _Node::SetFlag(DWORD flag, BOOL bOn) {
  if (bOn)
    m_dwFlags |= flag;
  else
    m_dwFlags &= ~flag;
}

namespace {

void LinkAfter(SECTreeNode* parent, SECTreeNode* node, SECTreeNode* after) {
  node->m_pParent = parent;
  node->m_pPrev = after;
  if (after == nullptr) {
    node->m_pNext = parent->m_pFirstChild;
    parent->m_pFirstChild = node;
  } else {
    node->m_pNext = after->m_pNext;
    after->m_pNext = node;
  }
  if (node->m_pNext != nullptr)
    node->m_pNext->m_pPrev = node;
  else
    parent->m_pLastChild = node;
}

bool IsLastCode(const SECTreeNode* where) {
  uintptr_t code = reinterpret_cast<uintptr_t>(where);
  return code == 1 || code == 2;
}

}  // namespace

BOOL LinkChild(SECTreeNode* parent, SECTreeNode* node, SECTreeNode* where) {
  if (where == kLinkFirst) {
    LinkAfter(parent, node, nullptr);
    return TRUE;
  }
  if (IsLastCode(where)) {
    LinkAfter(parent, node, GetLastChild(parent));
    return TRUE;
  }
  if (where->m_pParent != parent)
    return FALSE;
  LinkAfter(parent, node, where);
  return TRUE;
}

void Unlink(SECTreeNode* node) {
  if (node->m_pPrev != nullptr)
    node->m_pPrev->m_pNext = node->m_pNext;
  else if (node->m_pParent != nullptr)
    node->m_pParent->m_pFirstChild = node->m_pNext;
  if (node->m_pNext != nullptr)
    node->m_pNext->m_pPrev = node->m_pPrev;
  else if (node->m_pParent != nullptr)
    node->m_pParent->m_pLastChild = node->m_pPrev;
  node->m_pParent = nullptr;
  node->m_pNext = nullptr;
  node->m_pPrev = nullptr;
}

SECTreeNode* GetFirstLeaf(SECTreeNode* node) {
  if (node->m_pFirstChild == nullptr)
    return nullptr;
  while (node->m_pFirstChild != nullptr)
    node = node->m_pFirstChild;
  return node;
}

SECTreeNode* GetLastChild(SECTreeNode* node) {
  return node->m_pLastChild;
}

SECTreeNode* GetLastDescendant(SECTreeNode* node) {
  while (SECTreeNode* last = GetLastChild(node))
    node = last;
  return node;
}

SECTreeNode* GetNextPreorder(SECTreeNode* node) {
  if (node->m_pFirstChild != nullptr)
    return node->m_pFirstChild;
  for (; node != nullptr; node = node->m_pParent) {
    if (node->m_pNext != nullptr)
      return node->m_pNext;
  }
  return nullptr;
}

SECTreeNode* GetPrevPreorder(SECTreeNode* node) {
  if (node->m_pPrev != nullptr)
    return GetLastDescendant(node->m_pPrev);
  return node->m_pParent;
}

BOOL IsDescendant(const SECTreeNode* ancestor, const SECTreeNode* node) {
  for (const SECTreeNode* p = node->m_pParent; p != nullptr; p = p->m_pParent) {
    if (p == ancestor)
      return TRUE;
  }
  return FALSE;
}

int GetDepth(const SECTreeNode* node) {
  int depth = 0;
  for (const SECTreeNode* p = node->m_pParent; p != nullptr; p = p->m_pParent)
    ++depth;
  return depth;
}

void MoveBefore(SECTreeNode* node) {
  SECTreeNode* prev = node->m_pPrev;
  if (prev == nullptr)
    return;
  SECTreeNode* parent = node->m_pParent;
  Unlink(node);
  LinkAfter(parent, node, prev->m_pPrev);
}
