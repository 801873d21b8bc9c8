// Small helpers the protocol project models share for their list columns
// and sort callbacks.
#pragma once

#include "framework/Portable.h"
#include "app/project/ProtocolItem.h"

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

// The list's sort callback of a family: lParam1 and lParam2 are rows,
// lParamSort the model, which orders the two rows' records.
template <class Model, class Info>
int CompareProjectRows(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    auto* pModel = reinterpret_cast<Model*>(lParamSort);
    auto* pInfo1 = dynamic_cast<Info*>(reinterpret_cast<CProtocolItem*>(lParam1)->GetSubject());
    auto* pInfo2 = dynamic_cast<Info*>(reinterpret_cast<CProtocolItem*>(lParam2)->GetSubject());
    if (!pModel || !pInfo1 || !pInfo2)
        return 0;
    return pModel->CompareInfos(*pInfo1, *pInfo2);
}
