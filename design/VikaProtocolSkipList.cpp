#include "framework/Portable.h"
#include "design/VikaProtocolSkipList.h"

#include <cmath>

#include "design/ElectrodeLayout.h"

DWORD CVikaProtocolSkipList::Pack(int a, int n) {
  return (static_cast<DWORD>(a) << 16) + static_cast<DWORD>(n);
}

void CVikaProtocolSkipList::Add(int a, int n) { AddTail(Pack(a, n)); }

POSITION CVikaProtocolSkipList::Find(int a, int n) const {
  return CList<DWORD, DWORD>::Find(Pack(a, n));
}

BOOL CVikaProtocolSkipList::IsNearDuplicate(int a, int n,
                                            const ElectrodeLayout& layout,
                                            double tolerance) const {
  const double depth = layout.GetDepth(a, n);
  // A zero depth has no relative neighbourhood (and would divide by zero).
  if (depth == 0.0 || !std::isfinite(depth))
    return FALSE;
  POSITION pos = GetHeadPosition();
  while (pos) {
    const DWORD packed = GetNext(pos);
    const int otherA = static_cast<int>(packed >> 16);
    const int otherN = static_cast<int>(packed & 0xFFFF);
    if (otherA == a || otherN == n)
      continue;
    if (std::fabs(depth - layout.GetDepth(otherA, otherN)) / std::fabs(depth) <
        tolerance)
      return TRUE;
  }
  return FALSE;
}
