// Named sets of electrode coordinates. Index 0 of a set is a zero
// coordinate that is never shown or written; electrode k stands at index k.
#pragma once
#include "framework/Framework.h"

#include <map>
#include <memory>

#include "design/Coordinate.h"

class CoordinateSet : public CArray<Coordinate, Coordinate&> {
 public:
  CoordinateSet();
  virtual ~CoordinateSet();
};

// Set name -> set; the map owns its sets.
class CoordinateSetMap {
 public:
  CoordinateSetMap();
  virtual ~CoordinateSetMap();
  CoordinateSetMap(const CoordinateSetMap&) = delete;
  CoordinateSetMap& operator=(const CoordinateSetMap&) = delete;

  // Stores the set (taking ownership); a set already under the name is
  // deleted.
  virtual void SetAt(const CString& name, CoordinateSet* set);
  // Removes and deletes the set; FALSE when the name is not present.
  virtual BOOL RemoveKey(const CString& name);
  virtual void RemoveAll();

  BOOL Lookup(const CString& name, CoordinateSet*& set) const;
  int GetCount() const { return static_cast<int>(m_sets.size()); }

 private:
  std::map<CString, std::unique_ptr<CoordinateSet>> m_sets;
};
