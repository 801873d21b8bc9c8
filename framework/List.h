// CList<TYPE, ARG_TYPE>: a doubly linked list walked with POSITION.
#pragma once

#include "framework/CollectionHelpers.h"
#include "framework/Exception.h"

#include <utility>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject {
protected:
  struct CNode {
    CNode* pNext;
    CNode* pPrev;
    TYPE data;
  };

public:
  // The block size is kept for the interface; nodes are allocated singly.
  explicit CList(int nBlockSize = 10) : m_nBlockSize(nBlockSize) {}
  ~CList() override { RemoveAll(); }

  int GetCount() const { return m_nCount; }
  int GetSize() const { return m_nCount; }
  BOOL IsEmpty() const { return m_nCount == 0; }

  TYPE& GetHead();
  const TYPE& GetHead() const;
  TYPE& GetTail();
  const TYPE& GetTail() const;

  TYPE RemoveHead();
  TYPE RemoveTail();
  POSITION AddHead(ARG_TYPE newElement);
  POSITION AddTail(ARG_TYPE newElement);
  void AddHead(CList* pNewList);
  void AddTail(CList* pNewList);
  void RemoveAll();

  POSITION GetHeadPosition() const { return ToPosition(m_pNodeHead); }
  POSITION GetTailPosition() const { return ToPosition(m_pNodeTail); }
  TYPE& GetNext(POSITION& rPosition);
  const TYPE& GetNext(POSITION& rPosition) const;
  TYPE& GetPrev(POSITION& rPosition);
  const TYPE& GetPrev(POSITION& rPosition) const;

  TYPE& GetAt(POSITION position);
  const TYPE& GetAt(POSITION position) const;
  void SetAt(POSITION pos, ARG_TYPE newElement);
  void RemoveAt(POSITION position);

  POSITION InsertBefore(POSITION position, ARG_TYPE newElement);
  POSITION InsertAfter(POSITION position, ARG_TYPE newElement);

  // The first equal element after startAfter (from the head when NULL).
  POSITION Find(ARG_TYPE searchValue, POSITION startAfter = NULL) const;
  // NULL when nIndex is out of range.
  POSITION FindIndex(int nIndex) const;

  void Serialize(CArchive& ar) override;

protected:
  static POSITION ToPosition(CNode* pNode) { return reinterpret_cast<POSITION>(pNode); }
  static CNode* ToNode(POSITION pos) { return reinterpret_cast<CNode*>(pos); }
  CNode* NewNode(CNode* pPrev, CNode* pNext, ARG_TYPE newElement);
  void FreeNode(CNode* pNode);
  static TYPE& Scratch();

  CNode* m_pNodeHead = NULL;
  CNode* m_pNodeTail = NULL;
  int m_nCount = 0;
  int m_nBlockSize;
};

template <class TYPE, class ARG_TYPE>
TYPE& CList<TYPE, ARG_TYPE>::Scratch() {
  static TYPE s_scratch;
  s_scratch = TYPE();
  return s_scratch;
}

template <class TYPE, class ARG_TYPE>
typename CList<TYPE, ARG_TYPE>::CNode* CList<TYPE, ARG_TYPE>::NewNode(CNode* pPrev, CNode* pNext,
                                                                     ARG_TYPE newElement) {
  CNode* pNode = new (std::nothrow) CNode{pNext, pPrev, TYPE()};
  if (pNode == NULL)
    AfxThrowMemoryException();
  pNode->data = newElement;
  ++m_nCount;
  return pNode;
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::FreeNode(CNode* pNode) {
  delete pNode;
  --m_nCount;
}

template <class TYPE, class ARG_TYPE>
TYPE& CList<TYPE, ARG_TYPE>::GetHead() {
  ASSERT(m_pNodeHead != NULL);
  return m_pNodeHead != NULL ? m_pNodeHead->data : Scratch();
}

template <class TYPE, class ARG_TYPE>
const TYPE& CList<TYPE, ARG_TYPE>::GetHead() const {
  ASSERT(m_pNodeHead != NULL);
  return m_pNodeHead != NULL ? m_pNodeHead->data : Scratch();
}

template <class TYPE, class ARG_TYPE>
TYPE& CList<TYPE, ARG_TYPE>::GetTail() {
  ASSERT(m_pNodeTail != NULL);
  return m_pNodeTail != NULL ? m_pNodeTail->data : Scratch();
}

template <class TYPE, class ARG_TYPE>
const TYPE& CList<TYPE, ARG_TYPE>::GetTail() const {
  ASSERT(m_pNodeTail != NULL);
  return m_pNodeTail != NULL ? m_pNodeTail->data : Scratch();
}

template <class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveHead() {
  ASSERT(m_pNodeHead != NULL);
  if (m_pNodeHead == NULL)
    return TYPE();
  TYPE value = std::move(m_pNodeHead->data);
  RemoveAt(ToPosition(m_pNodeHead));
  return value;
}

template <class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveTail() {
  ASSERT(m_pNodeTail != NULL);
  if (m_pNodeTail == NULL)
    return TYPE();
  TYPE value = std::move(m_pNodeTail->data);
  RemoveAt(ToPosition(m_pNodeTail));
  return value;
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::AddHead(ARG_TYPE newElement) {
  CNode* pNode = NewNode(NULL, m_pNodeHead, newElement);
  if (m_pNodeHead != NULL)
    m_pNodeHead->pPrev = pNode;
  else
    m_pNodeTail = pNode;
  m_pNodeHead = pNode;
  return ToPosition(pNode);
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::AddTail(ARG_TYPE newElement) {
  CNode* pNode = NewNode(m_pNodeTail, NULL, newElement);
  if (m_pNodeTail != NULL)
    m_pNodeTail->pNext = pNode;
  else
    m_pNodeHead = pNode;
  m_pNodeTail = pNode;
  return ToPosition(pNode);
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddHead(CList* pNewList) {
  ASSERT(pNewList != NULL && pNewList != this);
  if (pNewList == NULL || pNewList == this)
    return;
  POSITION pos = pNewList->GetTailPosition();
  while (pos != NULL)
    AddHead(pNewList->GetPrev(pos));
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddTail(CList* pNewList) {
  ASSERT(pNewList != NULL && pNewList != this);
  if (pNewList == NULL || pNewList == this)
    return;
  POSITION pos = pNewList->GetHeadPosition();
  while (pos != NULL)
    AddTail(pNewList->GetNext(pos));
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAll() {
  CNode* pNode = m_pNodeHead;
  while (pNode != NULL) {
    CNode* pNext = pNode->pNext;
    delete pNode;
    pNode = pNext;
  }
  m_pNodeHead = m_pNodeTail = NULL;
  m_nCount = 0;
}

template <class TYPE, class ARG_TYPE>
TYPE& CList<TYPE, ARG_TYPE>::GetNext(POSITION& rPosition) {
  CNode* pNode = ToNode(rPosition);
  ASSERT(pNode != NULL);
  if (pNode == NULL)
    return Scratch();
  rPosition = ToPosition(pNode->pNext);
  return pNode->data;
}

template <class TYPE, class ARG_TYPE>
const TYPE& CList<TYPE, ARG_TYPE>::GetNext(POSITION& rPosition) const {
  return const_cast<CList*>(this)->GetNext(rPosition);
}

template <class TYPE, class ARG_TYPE>
TYPE& CList<TYPE, ARG_TYPE>::GetPrev(POSITION& rPosition) {
  CNode* pNode = ToNode(rPosition);
  ASSERT(pNode != NULL);
  if (pNode == NULL)
    return Scratch();
  rPosition = ToPosition(pNode->pPrev);
  return pNode->data;
}

template <class TYPE, class ARG_TYPE>
const TYPE& CList<TYPE, ARG_TYPE>::GetPrev(POSITION& rPosition) const {
  return const_cast<CList*>(this)->GetPrev(rPosition);
}

template <class TYPE, class ARG_TYPE>
TYPE& CList<TYPE, ARG_TYPE>::GetAt(POSITION position) {
  CNode* pNode = ToNode(position);
  ASSERT(pNode != NULL);
  return pNode != NULL ? pNode->data : Scratch();
}

template <class TYPE, class ARG_TYPE>
const TYPE& CList<TYPE, ARG_TYPE>::GetAt(POSITION position) const {
  return const_cast<CList*>(this)->GetAt(position);
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::SetAt(POSITION pos, ARG_TYPE newElement) {
  CNode* pNode = ToNode(pos);
  ASSERT(pNode != NULL);
  if (pNode != NULL)
    pNode->data = newElement;
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAt(POSITION position) {
  CNode* pOldNode = ToNode(position);
  ASSERT(pOldNode != NULL);
  if (pOldNode == NULL)
    return;
  if (pOldNode == m_pNodeHead)
    m_pNodeHead = pOldNode->pNext;
  else
    pOldNode->pPrev->pNext = pOldNode->pNext;
  if (pOldNode == m_pNodeTail)
    m_pNodeTail = pOldNode->pPrev;
  else
    pOldNode->pNext->pPrev = pOldNode->pPrev;
  FreeNode(pOldNode);
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertBefore(POSITION position, ARG_TYPE newElement) {
  if (position == NULL)
    return AddHead(newElement);
  CNode* pOldNode = ToNode(position);
  CNode* pNewNode = NewNode(pOldNode->pPrev, pOldNode, newElement);
  if (pOldNode->pPrev != NULL)
    pOldNode->pPrev->pNext = pNewNode;
  else
    m_pNodeHead = pNewNode;
  pOldNode->pPrev = pNewNode;
  return ToPosition(pNewNode);
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertAfter(POSITION position, ARG_TYPE newElement) {
  if (position == NULL)
    return AddTail(newElement);
  CNode* pOldNode = ToNode(position);
  CNode* pNewNode = NewNode(pOldNode, pOldNode->pNext, newElement);
  if (pOldNode->pNext != NULL)
    pOldNode->pNext->pPrev = pNewNode;
  else
    m_pNodeTail = pNewNode;
  pOldNode->pNext = pNewNode;
  return ToPosition(pNewNode);
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::Find(ARG_TYPE searchValue, POSITION startAfter) const {
  CNode* pNode = startAfter == NULL ? m_pNodeHead : ToNode(startAfter)->pNext;
  for (; pNode != NULL; pNode = pNode->pNext) {
    if (CompareElements<TYPE>(&pNode->data, &searchValue))
      return ToPosition(pNode);
  }
  return NULL;
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::FindIndex(int nIndex) const {
  if (nIndex < 0 || nIndex >= m_nCount)
    return NULL;
  CNode* pNode = m_pNodeHead;
  while (nIndex-- > 0)
    pNode = pNode->pNext;
  return ToPosition(pNode);
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::Serialize(CArchive& ar) {
  CObject::Serialize(ar);
  if (ar.IsStoring()) {
    ar.WriteCount((DWORD)m_nCount);
    for (CNode* pNode = m_pNodeHead; pNode != NULL; pNode = pNode->pNext)
      SerializeElements<TYPE>(ar, &pNode->data, 1);
    return;
  }
  DWORD nNewCount = ar.ReadCount();
  ar.CheckCount(nNewCount, AfxMinArchivedSize<TYPE>());
  while (nNewCount-- > 0) {
    TYPE newData = TYPE();
    SerializeElements<TYPE>(ar, &newData, 1);
    AddTail(newData);
  }
}
