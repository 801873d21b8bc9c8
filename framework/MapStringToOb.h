// CMapStringToOb: string keys to CObject pointers, values archived in the
// object form. The map does not own the objects.
#pragma once

#include "framework/Map.h"

class CMapStringToOb : public CMap<CString, LPCTSTR, CObject*, CObject*> {
  DECLARE_SERIAL(CMapStringToOb)
public:
  explicit CMapStringToOb(int nBlockSize = 10) : CMap(nBlockSize) {}
  void Serialize(CArchive& ar) override;
};
