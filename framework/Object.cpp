#include "framework/Object.h"

#include "framework/Archive.h"
#include "framework/ArchiveException.h"

#include <cstring>

namespace {

// Zero-initialised before any constructor runs, so registration during
// static initialisation works in any order.
CRuntimeClass* g_pFirstClass = nullptr;

const UINT nMaxClassNameLength = 64;

} // namespace

CRuntimeClass CObject::classCObject = {"CObject", (int)sizeof(CObject), 0xFFFF, NULL, NULL, NULL};
static const AFX_CLASSINIT _init_CObject(&CObject::classCObject);

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* pNewClass) {
  pNewClass->m_pNextClass = g_pFirstClass;
  g_pFirstClass = pNewClass;
}

CRuntimeClass* AfxGetFirstRuntimeClass() { return g_pFirstClass; }

CObject* CRuntimeClass::CreateObject() {
  if (m_pfnCreateObject == NULL)
    return NULL;
  return (*m_pfnCreateObject)();
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const {
  for (const CRuntimeClass* pClass = this; pClass != NULL; pClass = pClass->m_pBaseClass) {
    if (pClass == pBaseClass)
      return TRUE;
  }
  return FALSE;
}

CRuntimeClass* PASCAL CRuntimeClass::FromName(LPCSTR lpszClassName) {
  if (lpszClassName == NULL)
    return NULL;
  for (CRuntimeClass* pClass = g_pFirstClass; pClass != NULL; pClass = pClass->m_pNextClass) {
    if (std::strcmp(pClass->m_lpszClassName, lpszClassName) == 0)
      return pClass;
  }
  return NULL;
}

CObject* PASCAL CRuntimeClass::CreateObject(LPCSTR lpszClassName) {
  CRuntimeClass* pClass = FromName(lpszClassName);
  return pClass != NULL ? pClass->CreateObject() : NULL;
}

void CRuntimeClass::Store(CArchive& ar) const {
  WORD nLen = (WORD)std::strlen(m_lpszClassName);
  ar << (WORD)m_wSchema << nLen;
  ar.Write(m_lpszClassName, nLen);
}

CRuntimeClass* PASCAL CRuntimeClass::Load(CArchive& ar, UINT* pwSchemaNum) {
  WORD wSchema = 0;
  WORD nLen = 0;
  ar >> wSchema >> nLen;
  if (nLen >= nMaxClassNameLength)
    AfxThrowArchiveException(CArchiveException::badClass);
  char szClassName[nMaxClassNameLength];
  if (ar.Read(szClassName, nLen) != nLen)
    AfxThrowArchiveException(CArchiveException::endOfFile);
  szClassName[nLen] = '\0';
  if (pwSchemaNum != NULL)
    *pwSchemaNum = wSchema;
  return FromName(szClassName);
}

CObject* AfxDynamicDownCast(const CRuntimeClass* pClass, CObject* pObject) {
  return (pObject != NULL && pObject->IsKindOf(pClass)) ? pObject : NULL;
}

CRuntimeClass* CObject::GetRuntimeClass() const { return RUNTIME_CLASS(CObject); }

void CObject::Serialize(CArchive&) {}

void CObject::AssertValid() const {}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const {
  return GetRuntimeClass()->IsDerivedFrom(pClass);
}

BOOL CObject::IsSerializable() const { return GetRuntimeClass()->IsSerializable(); }
