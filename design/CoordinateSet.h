// Named sets of electrode coordinates. Index 0 of a set is a zero
// coordinate that is never shown or written; electrode k stands at index k.
#pragma once
#include "framework/Portable.h"

#include "design/Coordinate.h"

class CoordinateSet : public CArray<Coordinate, Coordinate&> {
 public:
  CoordinateSet();
  virtual ~CoordinateSet();
};

// Set name -> set; the map owns its sets.
class CoordinateSetMap : public CMapStringToOb {
 public:
  CoordinateSetMap();
  ~CoordinateSetMap() override;
  CoordinateSetMap(const CoordinateSetMap&) = delete;
  CoordinateSetMap& operator=(const CoordinateSetMap&) = delete;

  // Stores the set (taking ownership); a set already under the name is
  // deleted.
  virtual void SetAt(LPCTSTR name, CoordinateSet* set);
  // Removes and deletes the set; FALSE when the name is not present.
  virtual BOOL RemoveKey(LPCTSTR name);
  // Removes and deletes every set.
  virtual void RemoveAll();

  using CMapStringToOb::Lookup;
  BOOL Lookup(LPCTSTR name, CoordinateSet*& set) const;
};
