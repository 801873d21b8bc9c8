#include "framework/Portable.h"
#include "design/CoordinateSet.h"

CoordinateSet::CoordinateSet() = default;
CoordinateSet::~CoordinateSet() = default;

CoordinateSetMap::CoordinateSetMap() : CMapStringToOb(10) {}

CoordinateSetMap::~CoordinateSetMap() { RemoveAll(); }

void CoordinateSetMap::SetAt(LPCTSTR name, CoordinateSet* set) {
  CObject* old = nullptr;
  if (CMapStringToOb::Lookup(name, old) && old != set)
    delete old;
  CMapStringToOb::SetAt(name, set);
}

BOOL CoordinateSetMap::RemoveKey(LPCTSTR name) {
  CObject* old = nullptr;
  if (!CMapStringToOb::Lookup(name, old))
    return FALSE;
  CMapStringToOb::RemoveKey(name);
  delete old;
  return TRUE;
}

void CoordinateSetMap::RemoveAll() {
  POSITION pos = GetStartPosition();
  while (pos) {
    CString name;
    CObject* set = nullptr;
    GetNextAssoc(pos, name, set);
    delete set;
  }
  CMapStringToOb::RemoveAll();
}

BOOL CoordinateSetMap::Lookup(LPCTSTR name, CoordinateSet*& set) const {
  CObject* found = nullptr;
  if (!CMapStringToOb::Lookup(name, found))
    return FALSE;
  set = static_cast<CoordinateSet*>(found);
  return TRUE;
}
