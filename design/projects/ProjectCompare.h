// Small helpers the protocol project models share for their list columns
// and sort callbacks.
#pragma once

#include "framework/Portable.h"

// The list-view column alignments, as the system numbers them.
constexpr int kColumnLeft = 0;
constexpr int kColumnRight = 1;

// -1, 0 or 1: the sign of a case-insensitive comparison.
inline int CompareNoCase(const CString& str1, const CString& str2)
{
    const int n = str1.CompareNoCase(str2);
    return n < 0 ? -1 : n > 0 ? 1 : 0;
}

inline int CompareCounts(UINT n1, UINT n2) { return n1 < n2 ? -1 : n1 > n2 ? 1 : 0; }
