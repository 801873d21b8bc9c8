#include "framework/Collections.h"
#include "framework/MapStringToOb.h"
#include "framework/ObArray.h"
#include "framework/ObList.h"
#include "framework/StringArray.h"
#include "framework/StringList.h"

IMPLEMENT_DYNAMIC(CPtrArray, CObject)
IMPLEMENT_SERIAL(CDWordArray, CObject, 0)
IMPLEMENT_DYNAMIC(CUIntArray, CObject)
IMPLEMENT_SERIAL(CWordArray, CObject, 0)
IMPLEMENT_SERIAL(CByteArray, CObject, 0)
IMPLEMENT_DYNAMIC(CPtrList, CObject)
IMPLEMENT_DYNAMIC(CMapStringToPtr, CObject)
IMPLEMENT_SERIAL(CMapStringToString, CObject, 0)
IMPLEMENT_DYNAMIC(CMapWordToPtr, CObject)
IMPLEMENT_DYNAMIC(CMapPtrToPtr, CObject)
IMPLEMENT_DYNAMIC(CMapPtrToWord, CObject)
IMPLEMENT_SERIAL(CStringArray, CObject, 0)
IMPLEMENT_SERIAL(CStringList, CObject, 0)
IMPLEMENT_SERIAL(CObArray, CObject, 0)
IMPLEMENT_SERIAL(CObList, CObject, 0)
IMPLEMENT_SERIAL(CMapStringToOb, CObject, 0)

namespace {
// An object reference takes at least its two-byte tag.
const UINT nMinObjectSize = 2;
}

void CObArray::Serialize(CArchive& ar) {
  CObject::Serialize(ar);
  if (ar.IsStoring()) {
    ar.WriteCount((DWORD)m_nSize);
    for (int i = 0; i < m_nSize; ++i)
      ar << m_pData[i];
    return;
  }
  DWORD nCount = ar.ReadCount();
  ar.CheckCount(nCount, nMinObjectSize);
  SetSize((int)nCount);
  for (int i = 0; i < m_nSize; ++i)
    ar >> m_pData[i];
}

void CObList::Serialize(CArchive& ar) {
  CObject::Serialize(ar);
  if (ar.IsStoring()) {
    ar.WriteCount((DWORD)m_nCount);
    for (CNode* pNode = m_pNodeHead; pNode != NULL; pNode = pNode->pNext)
      ar << pNode->data;
    return;
  }
  DWORD nCount = ar.ReadCount();
  ar.CheckCount(nCount, nMinObjectSize);
  while (nCount-- > 0) {
    CObject* pOb = NULL;
    ar >> pOb;
    AddTail(pOb);
  }
}

void CMapStringToOb::Serialize(CArchive& ar) {
  CObject::Serialize(ar);
  if (ar.IsStoring()) {
    ar.WriteCount((DWORD)m_nCount);
    for (CAssoc* pHead : m_buckets) {
      for (CAssoc* pAssoc = pHead; pAssoc != NULL; pAssoc = pAssoc->pNext) {
        ar << pAssoc->key;
        ar << pAssoc->value;
      }
    }
    return;
  }
  DWORD nCount = ar.ReadCount();
  ar.CheckCount(nCount, 1 + nMinObjectSize);
  while (nCount-- > 0) {
    CString strKey;
    CObject* pOb = NULL;
    ar >> strKey;
    ar >> pOb;
    SetAt(strKey, pOb);
  }
}
