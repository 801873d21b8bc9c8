// CObList: a list of CObject pointers, archived in the object form.
// The list does not own the objects.
#pragma once

#include "framework/List.h"

class CObList : public CList<CObject*, CObject*> {
  DECLARE_SERIAL(CObList)
public:
  explicit CObList(int nBlockSize = 10) : CList(nBlockSize) {}
  void Serialize(CArchive& ar) override;
};
