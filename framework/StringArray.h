// CStringArray: an array of strings, archived in the string form.
#pragma once

#include "framework/Array.h"

class CStringArray : public CArray<CString, const CString&> {
  DECLARE_SERIAL(CStringArray)
};
