// CObject and its run-time class records.
//
// Every class that uses the DECLARE_/IMPLEMENT_ macros gets a static
// CRuntimeClass naming it, its size, schema and base class, and is linked into
// one class list that can be walked (AfxGetFirstRuntimeClass) or searched by
// name (CRuntimeClass::FromName).
#pragma once

#include "framework/Types.h"
#include "framework/Debug.h"

class CObject;
class CArchive;

// Schema flag of records that read every version of themselves.
#define VERSIONABLE_SCHEMA (0x80000000)

struct CRuntimeClass {
  LPCSTR m_lpszClassName;
  int m_nObjectSize;
  UINT m_wSchema;                  // 0xFFFF: not serialisable
  CObject* (PASCAL* m_pfnCreateObject)();
  CRuntimeClass* m_pBaseClass;
  CRuntimeClass* m_pNextClass;     // the class list, filled at start-up

  // NULL when the class cannot create objects.
  CObject* CreateObject();
  BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
  BOOL IsSerializable() const { return m_wSchema != 0xFFFF; }

  // Exact, case-sensitive lookup in the class list.
  static CRuntimeClass* PASCAL FromName(LPCSTR lpszClassName);
  static CObject* PASCAL CreateObject(LPCSTR lpszClassName);

  // The class record of the archive's object form.
  void Store(CArchive& ar) const;
  static CRuntimeClass* PASCAL Load(CArchive& ar, UINT* pwSchemaNum);
};

// Head of the class list (follow m_pNextClass).
CRuntimeClass* AfxGetFirstRuntimeClass();

// Links a class record into the class list during static initialisation.
struct AFX_CLASSINIT {
  explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
};

class CObject {
public:
  virtual CRuntimeClass* GetRuntimeClass() const;
  virtual ~CObject() = default;
  // Stores and loads nothing; records that add no fields rely on that.
  virtual void Serialize(CArchive& ar);
  virtual void AssertValid() const;

  BOOL IsKindOf(const CRuntimeClass* pClass) const;
  BOOL IsSerializable() const;

  static CRuntimeClass classCObject;

protected:
  CObject() = default;

private:
  // Classes copied by value declare their own copy operations.
  CObject(const CObject&) = delete;
  CObject& operator=(const CObject&) = delete;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

// The object when it is of the class (or derived from it), else NULL.
CObject* AfxDynamicDownCast(const CRuntimeClass* pClass, CObject* pObject);
#define DYNAMIC_DOWNCAST(class_name, object) \
  static_cast<class_name*>(AfxDynamicDownCast(RUNTIME_CLASS(class_name), object))
#define STATIC_DOWNCAST(class_name, object) static_cast<class_name*>(object)
#define ASSERT_KINDOF(class_name, object) ASSERT((object)->IsKindOf(RUNTIME_CLASS(class_name)))

#define DECLARE_DYNAMIC(class_name)            \
public:                                        \
  static CRuntimeClass class##class_name;      \
  CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
  DECLARE_DYNAMIC(class_name)         \
  static CObject* PASCAL CreateObject();

#define DECLARE_SERIAL(class_name) \
  DECLARE_DYNCREATE(class_name)    \
  friend CArchive& operator>>(CArchive& ar, class_name*& pOb);

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                    \
  CRuntimeClass class_name::class##class_name = {#class_name, (int)sizeof(class class_name),    \
                                                 (UINT)(wSchema), pfnNew,                      \
                                                 RUNTIME_CLASS(base_class_name), NULL};        \
  static const AFX_CLASSINIT _init_##class_name(&class_name::class##class_name);                \
  CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
  IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, NULL)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                      \
  CObject* PASCAL class_name::CreateObject() { return new class_name; }       \
  IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                        \
  CObject* PASCAL class_name::CreateObject() { return new class_name; }               \
  IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, class_name::CreateObject) \
  [[maybe_unused]] CArchive& operator>>(CArchive& ar, class_name*& pOb) {             \
    pOb = static_cast<class_name*>(ar.ReadObject(RUNTIME_CLASS(class_name)));          \
    return ar;                                                                        \
  }
