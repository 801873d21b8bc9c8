#include "framework/Framework.h"
#include "design/CoordinateSet.h"

CoordinateSet::CoordinateSet() = default;
CoordinateSet::~CoordinateSet() = default;

CoordinateSetMap::CoordinateSetMap() = default;
CoordinateSetMap::~CoordinateSetMap() = default;

void CoordinateSetMap::SetAt(const CString& name, CoordinateSet* set) {
  std::unique_ptr<CoordinateSet>& slot = m_sets[name];
  if (slot.get() != set)
    slot.reset(set);
}

BOOL CoordinateSetMap::RemoveKey(const CString& name) {
  return m_sets.erase(name) > 0;
}

void CoordinateSetMap::RemoveAll() { m_sets.clear(); }

BOOL CoordinateSetMap::Lookup(const CString& name, CoordinateSet*& set) const {
  auto it = m_sets.find(name);
  if (it == m_sets.end())
    return FALSE;
  set = it->second.get();
  return TRUE;
}
