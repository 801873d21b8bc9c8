// The (spacing a, level n) pairs excluded from a generated protocol, each
// packed as (a << 16) + n.
#pragma once
#include "framework/Portable.h"

class ElectrodeLayout;

class CVikaProtocolSkipList : public CList<DWORD, DWORD> {
 public:
  CVikaProtocolSkipList() : CList<DWORD, DWORD>(10) {}

  static DWORD Pack(int a, int n);

  // Appends the pair; duplicates are kept.
  void Add(int a, int n);
  // The first element equal to the pair, or null.
  POSITION Find(int a, int n) const;
  // Whether some listed pair with a different a and a different n has a
  // depth within the relative tolerance of the depth of (a, n).
  BOOL IsNearDuplicate(int a, int n, const ElectrodeLayout& layout,
                       double tolerance) const;
};
