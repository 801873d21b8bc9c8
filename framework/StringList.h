// CStringList: a list of strings; Find compares exactly (with case).
#pragma once

#include "framework/List.h"

class CStringList : public CList<CString, const CString&> {
  DECLARE_SERIAL(CStringList)
public:
  explicit CStringList(int nBlockSize = 10) : CList(nBlockSize) {}
};
