// CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>: a hash map with the classic layout.
//
// The bucket of a key is HashKey(key) % table size (17 unless
// InitHashTable says otherwise). Iteration goes through the buckets in
// order and, within a bucket, from the most recently added entry; files are
// written in this order. SetAt on an existing key replaces the value in
// place.
#pragma once

#include "framework/CollectionHelpers.h"
#include "framework/Exception.h"

#include <cstring>
#include <new>
#include <vector>

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject {
protected:
  struct CAssoc {
    CAssoc* pNext;
    UINT nHashValue;   // the full hash, before the modulo
    KEY key;
    VALUE value;
  };

public:
  typedef KEY BASE_KEY;
  typedef ARG_KEY BASE_ARG_KEY;
  typedef VALUE BASE_VALUE;
  typedef ARG_VALUE BASE_ARG_VALUE;

  explicit CMap(int nBlockSize = 10) : m_nBlockSize(nBlockSize) {}
  ~CMap() override { RemoveAll(); }

  int GetCount() const { return m_nCount; }
  int GetSize() const { return m_nCount; }
  BOOL IsEmpty() const { return m_nCount == 0; }

  BOOL Lookup(ARG_KEY key, VALUE& rValue) const;
  // The value of key, added (zero-filled, default-built) when missing.
  VALUE& operator[](ARG_KEY key);
  void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
  BOOL RemoveKey(ARG_KEY key);
  void RemoveAll();

  POSITION GetStartPosition() const;
  void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const;

  UINT GetHashTableSize() const { return m_nHashTableSize; }
  // Only while the map is empty.
  void InitHashTable(UINT nHashSize, BOOL bAllocNow = TRUE);

  void Serialize(CArchive& ar) override;

protected:
  CAssoc* GetAssocAt(ARG_KEY key, UINT& nBucket, UINT& nHash) const;
  CAssoc* NewAssoc(ARG_KEY key, UINT nHash);
  static POSITION ToPosition(CAssoc* pAssoc) { return reinterpret_cast<POSITION>(pAssoc); }
  static CAssoc* ToAssoc(POSITION pos) { return reinterpret_cast<CAssoc*>(pos); }

  std::vector<CAssoc*> m_buckets;
  UINT m_nHashTableSize = 17;
  int m_nCount = 0;
  int m_nBlockSize;
};

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::InitHashTable(UINT nHashSize, BOOL bAllocNow) {
  ASSERT(m_nCount == 0 && nHashSize > 0);
  if (m_nCount != 0 || nHashSize == 0)
    return;
  m_buckets.clear();
  m_nHashTableSize = nHashSize;
  if (bAllocNow)
    m_buckets.assign(nHashSize, NULL);
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc*
CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetAssocAt(ARG_KEY key, UINT& nBucket, UINT& nHash) const {
  nHash = HashKey<ARG_KEY>(key);
  nBucket = nHash % m_nHashTableSize;
  if (m_buckets.empty())
    return NULL;
  for (CAssoc* pAssoc = m_buckets[nBucket]; pAssoc != NULL; pAssoc = pAssoc->pNext) {
    if (pAssoc->nHashValue == nHash && CompareElements(&pAssoc->key, &key))
      return pAssoc;
  }
  return NULL;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc*
CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::NewAssoc(ARG_KEY key, UINT nHash) {
  void* p = ::operator new(sizeof(CAssoc), std::nothrow);
  if (p == NULL)
    AfxThrowMemoryException();
  std::memset(p, 0, sizeof(CAssoc));
  CAssoc* pAssoc = ::new (p) CAssoc;
  pAssoc->key = key;
  pAssoc->nHashValue = nHash;
  return pAssoc;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Lookup(ARG_KEY key, VALUE& rValue) const {
  UINT nBucket, nHash;
  CAssoc* pAssoc = GetAssocAt(key, nBucket, nHash);
  if (pAssoc == NULL)
    return FALSE;
  rValue = pAssoc->value;
  return TRUE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
VALUE& CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::operator[](ARG_KEY key) {
  UINT nBucket, nHash;
  CAssoc* pAssoc = GetAssocAt(key, nBucket, nHash);
  if (pAssoc != NULL)
    return pAssoc->value;
  if (m_buckets.empty())
    m_buckets.assign(m_nHashTableSize, NULL);
  pAssoc = NewAssoc(key, nHash);
  pAssoc->pNext = m_buckets[nBucket];
  m_buckets[nBucket] = pAssoc;
  ++m_nCount;
  return pAssoc->value;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveKey(ARG_KEY key) {
  if (m_buckets.empty())
    return FALSE;
  UINT nHash = HashKey<ARG_KEY>(key);
  CAssoc** ppAssocPrev = &m_buckets[nHash % m_nHashTableSize];
  for (CAssoc* pAssoc = *ppAssocPrev; pAssoc != NULL; pAssoc = pAssoc->pNext) {
    if (pAssoc->nHashValue == nHash && CompareElements(&pAssoc->key, &key)) {
      *ppAssocPrev = pAssoc->pNext;
      pAssoc->~CAssoc();
      ::operator delete(static_cast<void*>(pAssoc));
      --m_nCount;
      return TRUE;
    }
    ppAssocPrev = &pAssoc->pNext;
  }
  return FALSE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveAll() {
  for (CAssoc* pHead : m_buckets) {
    CAssoc* pAssoc = pHead;
    while (pAssoc != NULL) {
      CAssoc* pNext = pAssoc->pNext;
      pAssoc->~CAssoc();
      ::operator delete(static_cast<void*>(pAssoc));
      pAssoc = pNext;
    }
  }
  m_buckets.clear();
  m_nCount = 0;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
POSITION CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetStartPosition() const {
  for (CAssoc* pHead : m_buckets) {
    if (pHead != NULL)
      return ToPosition(pHead);
  }
  return NULL;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetNextAssoc(POSITION& rNextPosition, KEY& rKey,
                                                        VALUE& rValue) const {
  CAssoc* pAssoc = ToAssoc(rNextPosition);
  ASSERT(pAssoc != NULL);
  if (pAssoc == NULL)
    return;
  rKey = pAssoc->key;
  rValue = pAssoc->value;
  CAssoc* pNext = pAssoc->pNext;
  if (pNext == NULL) {
    for (UINT nBucket = pAssoc->nHashValue % m_nHashTableSize + 1; nBucket < m_buckets.size(); ++nBucket) {
      if (m_buckets[nBucket] != NULL) {
        pNext = m_buckets[nBucket];
        break;
      }
    }
  }
  rNextPosition = ToPosition(pNext);
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Serialize(CArchive& ar) {
  CObject::Serialize(ar);
  if (ar.IsStoring()) {
    ar.WriteCount((DWORD)m_nCount);
    for (CAssoc* pHead : m_buckets) {
      for (CAssoc* pAssoc = pHead; pAssoc != NULL; pAssoc = pAssoc->pNext) {
        SerializeElements<KEY>(ar, &pAssoc->key, 1);
        SerializeElements<VALUE>(ar, &pAssoc->value, 1);
      }
    }
    return;
  }
  DWORD nNewCount = ar.ReadCount();
  ar.CheckCount(nNewCount, AfxMinArchivedSize<KEY>() + AfxMinArchivedSize<VALUE>());
  while (nNewCount-- > 0) {
    KEY newKey = KEY();
    VALUE newValue = VALUE();
    SerializeElements<KEY>(ar, &newKey, 1);
    SerializeElements<VALUE>(ar, &newValue, 1);
    SetAt(newKey, newValue);
  }
}
