// CObArray: an array of CObject pointers, archived in the object form.
// The array does not own the objects.
#pragma once

#include "framework/Array.h"

class CObArray : public CArray<CObject*, CObject*> {
  DECLARE_SERIAL(CObArray)
public:
  void Serialize(CArchive& ar) override;
};
