// Element helpers shared by the collection templates: how elements are
// compared, hashed and archived. Each may be specialised for a type.
#pragma once

#include "framework/Types.h"
#include "framework/Object.h"
#include "framework/String.h"
#include "framework/Archive.h"

#include <type_traits>

// Archives nCount elements. Plain data is written as its raw bytes; objects
// derived from CObject through their Serialize; anything else through the
// archive's << and >> operators.
template <class TYPE>
void SerializeElements(CArchive& ar, TYPE* pElements, int nCount) {
  if (nCount <= 0)
    return;
  if constexpr (std::is_trivially_copyable<TYPE>::value) {
    UINT nBytes = (UINT)(sizeof(TYPE) * (size_t)nCount);
    if (ar.IsStoring())
      ar.Write(pElements, nBytes);
    else
      ar.EnsureRead(pElements, nBytes);
  } else if constexpr (std::is_base_of<CObject, TYPE>::value) {
    for (int i = 0; i < nCount; ++i)
      pElements[i].Serialize(ar);
  } else {
    for (int i = 0; i < nCount; ++i) {
      if (ar.IsStoring())
        ar << pElements[i];
      else
        ar >> pElements[i];
    }
  }
}

// The fewest bytes one archived element takes, for checking counts read
// from a stream before anything is allocated.
template <class TYPE>
constexpr UINT AfxMinArchivedSize() {
  if constexpr (std::is_trivially_copyable<TYPE>::value)
    return (UINT)sizeof(TYPE);
  else
    return 1;
}

template <class TYPE, class ARG_TYPE>
BOOL CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2) {
  return *pElement1 == *pElement2;
}

// Hash of a map key: the key's value shifted right by 4 (strings below).
template <class ARG_KEY>
inline UINT HashKey(ARG_KEY key) {
  return ((UINT)(DWORD_PTR)key) >> 4;
}

inline UINT AfxHashString(LPCTSTR key) {
  UINT nHash = 0;
  if (key != NULL) {
    while (*key != '\0')
      nHash = (nHash << 5) + nHash + (UINT)(int)*key++;
  }
  return nHash;
}

template <>
inline UINT HashKey<LPCTSTR>(LPCTSTR key) {
  return AfxHashString(key);
}

template <>
inline UINT HashKey<const CString&>(const CString& key) {
  return AfxHashString(key);
}

template <>
inline UINT HashKey<CString>(CString key) {
  return AfxHashString(key);
}
