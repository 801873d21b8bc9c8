// CArray<TYPE, ARG_TYPE>: a growable array with the classic growth rule.
//
// Growth: a nGrowBy other than -1 given to SetSize replaces the step; new
// size 0 frees the storage; the first block is max(new size, step) (exactly
// the new size when the step is 0); within capacity nothing moves and
// shrinking keeps the capacity; otherwise the step is m_nGrowBy or, when 0,
// m_nSize / 8 but at least 4 up to 8,192 elements and m_nSize / 2 past
// them, and the new capacity is max(new size, old capacity + step). The
// automatic step has no upper cap: a fixed step makes adding one by one
// quadratic in large arrays, and the steeper step past 8,192 keeps the
// copies per element few once the array no longer fits in the caches. New elements are zero-filled, then default-built.
//
// An index out of range asserts in debug builds; in release builds reads
// give a default element, writes are dropped.
#pragma once

#include "framework/CollectionHelpers.h"
#include "framework/Exception.h"

#include <climits>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject {
public:
  CArray() = default;
  ~CArray() override { RemoveAll(); }

  int GetSize() const { return m_nSize; }
  int GetCount() const { return m_nSize; }
  int GetUpperBound() const { return m_nSize - 1; }
  BOOL IsEmpty() const { return m_nSize == 0; }
  void SetSize(int nNewSize, int nGrowBy = -1);

  void FreeExtra();
  void RemoveAll() { SetSize(0, -1); }

  const TYPE& GetAt(int nIndex) const;
  void SetAt(int nIndex, ARG_TYPE newElement);
  TYPE& ElementAt(int nIndex);
  const TYPE& ElementAt(int nIndex) const { return GetAt(nIndex); }
  const TYPE* GetData() const { return m_pData; }
  TYPE* GetData() { return m_pData; }

  void SetAtGrow(int nIndex, ARG_TYPE newElement);
  int Add(ARG_TYPE newElement);
  int Append(const CArray& src);
  void Copy(const CArray& src);

  const TYPE& operator[](int nIndex) const { return GetAt(nIndex); }
  TYPE& operator[](int nIndex) { return ElementAt(nIndex); }

  void InsertAt(int nIndex, ARG_TYPE newElement, int nCount = 1);
  void RemoveAt(int nIndex, int nCount = 1);
  void InsertAt(int nStartIndex, CArray* pNewArray);

  void Serialize(CArchive& ar) override;

protected:
  TYPE* m_pData = NULL;
  int m_nSize = 0;
  int m_nMaxSize = 0;
  int m_nGrowBy = 0;

private:
  static TYPE* Allocate(int nCount);
  static void ConstructElements(TYPE* pElements, int nCount);
  static void DestroyElements(TYPE* pElements, int nCount);
  static void MoveElements(TYPE* pDest, TYPE* pSrc, int nCount);
  bool IsValidIndex(int nIndex) const { return nIndex >= 0 && nIndex < m_nSize; }
  // Where out-of-range reads and writes go in release builds.
  static TYPE& Scratch();
};

inline int ArrayAutomaticStep(int nSize) {
  if (nSize > 8192)
    return nSize / 2;
  return nSize / 8 < 4 ? 4 : nSize / 8;
}

template <class TYPE, class ARG_TYPE>
TYPE& CArray<TYPE, ARG_TYPE>::Scratch() {
  static TYPE s_scratch;
  s_scratch = TYPE();
  return s_scratch;
}

template <class TYPE, class ARG_TYPE>
TYPE* CArray<TYPE, ARG_TYPE>::Allocate(int nCount) {
  if (nCount < 0 || (size_t)nCount > (size_t)0x7FFFFFFF / sizeof(TYPE))
    AfxThrowMemoryException();
  void* p = ::operator new(sizeof(TYPE) * (size_t)nCount, std::nothrow);
  if (p == NULL)
    AfxThrowMemoryException();
  return static_cast<TYPE*>(p);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::ConstructElements(TYPE* pElements, int nCount) {
  if (nCount <= 0)
    return;
  std::memset(static_cast<void*>(pElements), 0, (size_t)nCount * sizeof(TYPE));
  for (int i = 0; i < nCount; ++i)
    ::new (static_cast<void*>(pElements + i)) TYPE;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::DestroyElements(TYPE* pElements, int nCount) {
  for (int i = 0; i < nCount; ++i)
    pElements[i].~TYPE();
}

// Moves elements into raw storage; the sources are left destroyed.
template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::MoveElements(TYPE* pDest, TYPE* pSrc, int nCount) {
  if (nCount <= 0)
    return;
  if constexpr (std::is_trivially_copyable<TYPE>::value) {
    std::memmove(static_cast<void*>(pDest), static_cast<const void*>(pSrc), (size_t)nCount * sizeof(TYPE));
  } else {
    for (int i = 0; i < nCount; ++i) {
      ::new (static_cast<void*>(pDest + i)) TYPE(std::move(pSrc[i]));
      pSrc[i].~TYPE();
    }
  }
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetSize(int nNewSize, int nGrowBy) {
  ASSERT(nNewSize >= 0);
  if (nNewSize < 0)
    nNewSize = 0;
  if (nGrowBy >= 0)
    m_nGrowBy = nGrowBy;

  if (nNewSize == 0) {
    if (m_pData != NULL) {
      DestroyElements(m_pData, m_nSize);
      ::operator delete(static_cast<void*>(m_pData));
      m_pData = NULL;
    }
    m_nSize = m_nMaxSize = 0;
    return;
  }

  if (m_pData == NULL) {
    int nAllocSize = nNewSize > m_nGrowBy ? nNewSize : m_nGrowBy;
    m_pData = Allocate(nAllocSize);
    ConstructElements(m_pData, nNewSize);
    m_nSize = nNewSize;
    m_nMaxSize = nAllocSize;
    return;
  }

  if (nNewSize <= m_nMaxSize) {
    if (nNewSize > m_nSize)
      ConstructElements(m_pData + m_nSize, nNewSize - m_nSize);
    else if (m_nSize > nNewSize)
      DestroyElements(m_pData + nNewSize, m_nSize - nNewSize);
    m_nSize = nNewSize;
    return;
  }

  int nStep = m_nGrowBy;
  if (nStep == 0)
    nStep = ArrayAutomaticStep(m_nSize);
  long long nGrown = (long long)m_nMaxSize + nStep;
  int nNewMax = nNewSize > nGrown ? nNewSize : (int)(nGrown > 0x7FFFFFFF ? 0x7FFFFFFF : nGrown);
  TYPE* pNewData = Allocate(nNewMax);
  MoveElements(pNewData, m_pData, m_nSize);
  ConstructElements(pNewData + m_nSize, nNewSize - m_nSize);
  ::operator delete(static_cast<void*>(m_pData));
  m_pData = pNewData;
  m_nSize = nNewSize;
  m_nMaxSize = nNewMax;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::FreeExtra() {
  if (m_nSize == m_nMaxSize)
    return;
  TYPE* pNewData = NULL;
  if (m_nSize != 0) {
    pNewData = Allocate(m_nSize);
    MoveElements(pNewData, m_pData, m_nSize);
  }
  ::operator delete(static_cast<void*>(m_pData));
  m_pData = pNewData;
  m_nMaxSize = m_nSize;
}

template <class TYPE, class ARG_TYPE>
const TYPE& CArray<TYPE, ARG_TYPE>::GetAt(int nIndex) const {
  ASSERT(IsValidIndex(nIndex));
  if (!IsValidIndex(nIndex))
    return Scratch();
  return m_pData[nIndex];
}

template <class TYPE, class ARG_TYPE>
TYPE& CArray<TYPE, ARG_TYPE>::ElementAt(int nIndex) {
  ASSERT(IsValidIndex(nIndex));
  if (!IsValidIndex(nIndex))
    return Scratch();
  return m_pData[nIndex];
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAt(int nIndex, ARG_TYPE newElement) {
  ASSERT(IsValidIndex(nIndex));
  if (!IsValidIndex(nIndex))
    return;
  m_pData[nIndex] = newElement;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAtGrow(int nIndex, ARG_TYPE newElement) {
  ASSERT(nIndex >= 0);
  if (nIndex < 0)
    return;
  if (nIndex >= m_nSize) {
    if (nIndex == INT_MAX)
      AfxThrowMemoryException();  // no size holds that index
    // The argument may refer into this array, which growing can move.
    TYPE copy(newElement);
    SetSize(nIndex + 1, -1);
    m_pData[nIndex] = std::move(copy);
    return;
  }
  m_pData[nIndex] = newElement;
}

template <class TYPE, class ARG_TYPE>
int CArray<TYPE, ARG_TYPE>::Add(ARG_TYPE newElement) {
  int nIndex = m_nSize;
  SetAtGrow(nIndex, newElement);
  return nIndex;
}

template <class TYPE, class ARG_TYPE>
int CArray<TYPE, ARG_TYPE>::Append(const CArray& src) {
  ASSERT(this != &src);
  int nOldSize = m_nSize;
  if (this == &src)
    return nOldSize;
  if ((long long)m_nSize + src.m_nSize > INT_MAX)
    AfxThrowMemoryException();
  SetSize(m_nSize + src.m_nSize);
  for (int i = 0; i < src.m_nSize; ++i)
    m_pData[nOldSize + i] = src.m_pData[i];
  return nOldSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Copy(const CArray& src) {
  if (this == &src)
    return;
  SetSize(src.m_nSize);
  for (int i = 0; i < src.m_nSize; ++i)
    m_pData[i] = src.m_pData[i];
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(int nIndex, ARG_TYPE newElement, int nCount) {
  ASSERT(nIndex >= 0 && nCount > 0);
  if (nIndex < 0 || nCount <= 0)
    return;
  if ((long long)(nIndex > m_nSize ? nIndex : m_nSize) + nCount > INT_MAX)
    AfxThrowMemoryException();  // the new size would not fit an int
  TYPE copy(newElement);
  if (nIndex >= m_nSize) {
    // Inserting past the end grows the array.
    SetSize(nIndex + nCount, -1);
  } else {
    int nOldSize = m_nSize;
    SetSize(m_nSize + nCount, -1);
    // Shift the tail up by nCount.
    for (int i = nOldSize - 1; i >= nIndex; --i)
      m_pData[i + nCount] = std::move(m_pData[i]);
  }
  for (int i = 0; i < nCount; ++i)
    m_pData[nIndex + i] = copy;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(int nStartIndex, CArray* pNewArray) {
  ASSERT(pNewArray != NULL && pNewArray != this && nStartIndex >= 0);
  if (pNewArray == NULL || pNewArray == this || nStartIndex < 0 || pNewArray->GetSize() == 0)
    return;
  InsertAt(nStartIndex, pNewArray->ElementAt(0), pNewArray->GetSize());
  for (int i = 0; i < pNewArray->GetSize(); ++i)
    SetAt(nStartIndex + i, pNewArray->ElementAt(i));
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAt(int nIndex, int nCount) {
  ASSERT(nIndex >= 0 && nCount >= 0 && nIndex + (long long)nCount <= m_nSize);
  if (nIndex < 0 || nCount <= 0 || nIndex >= m_nSize)
    return;
  if (nCount > m_nSize - nIndex)
    nCount = m_nSize - nIndex;
  for (int i = nIndex; i + nCount < m_nSize; ++i)
    m_pData[i] = std::move(m_pData[i + nCount]);
  DestroyElements(m_pData + m_nSize - nCount, nCount);
  m_nSize -= nCount;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Serialize(CArchive& ar) {
  CObject::Serialize(ar);
  if (ar.IsStoring()) {
    ar.WriteCount((DWORD)m_nSize);
  } else {
    DWORD nCount = ar.ReadCount();
    ar.CheckCount(nCount, AfxMinArchivedSize<TYPE>());
    if (nCount > 0x7FFFFFFF)
      AfxThrowArchiveException(CArchiveException::badIndex);
    SetSize((int)nCount, -1);
  }
  SerializeElements<TYPE>(ar, m_pData, m_nSize);
}
