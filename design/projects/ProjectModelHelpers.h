// What the Vika and Polyvect project models share: their column tables,
// adding a record by file name, and the list's sort callback.
#pragma once

#include "framework/Portable.h"
#include "app/project/ProtocolItem.h"
#include "app/project/ProtocolModel.h"

// The list-view column alignments, as the system numbers them.
constexpr int kColumnLeft = 0;
constexpr int kColumnRight = 1;

// -1, 0 or 1: the sign of a case-insensitive comparison.
inline int CompareNoCase(const CString& str1, const CString& str2)
{
    const int n = str1.CompareNoCase(str2);
    return n < 0 ? -1 : n > 0 ? 1 : 0;
}

inline int CompareCounts(UINT n1, UINT n2)
{
    return n1 < n2 ? -1 : n1 > n2 ? 1 : 0;
}

// The list's sort callback of a family: lParam1 and lParam2 are rows,
// lParamSort the model, which orders the two rows' records.
template <class Model, class Info> int CompareProjectRows(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    auto* pModel = reinterpret_cast<Model*>(lParamSort);
    auto* pInfo1 = dynamic_cast<Info*>(reinterpret_cast<CProtocolItem*>(lParam1)->GetSubject());
    auto* pInfo2 = dynamic_cast<Info*>(reinterpret_cast<CProtocolItem*>(lParam2)->GetSubject());
    if (!pModel || !pInfo1 || !pInfo2)
        return 0;
    return pModel->CompareInfos(*pInfo1, *pInfo2);
}

// One column of a family's default list.
struct ProjectColumn
{
    UINT nId;
    LPCTSTR pszHeading;
    int nAlignment;
    int nWidth;
};

// The columns under the keys 0, 1, ... in table order, sorting up, with
// the heading as their description.
template <size_t N> void FillColumns(CColumnMap& columns, const ProjectColumn (&table)[N])
{
    UINT nKey = 0;
    for (const ProjectColumn& column : table) {
        CColumnProperty prop(column.nId, column.nAlignment, column.nWidth, FALSE, column.pszHeading, "");
        columns.SetAt(nKey++, prop);
    }
}

// Adds the record the model makes for the name in its source folder;
// FALSE for an empty name or one the model holds in any case. A record
// added is a change of the project: closing must not lose it.
inline BOOL AddRecordByName(CProtocolModel& model, LPCTSTR pszName)
{
    if (!pszName || !*pszName || model.Contains(pszName))
        return FALSE;
    model.AddInfo(model.CreateInfo(model.GetSourceFolder(), pszName));
    model.SetModifiedFlag(TRUE);
    return TRUE;
}

// A family's record of the file, its header read; the caller owns it.
template <class Info> Info* MakeRecord(LPCTSTR pszFolder, LPCTSTR pszName)
{
    auto* pInfo = new Info;
    pInfo->SetFolder(pszFolder);
    pInfo->SetName(pszName);
    pInfo->ReadHeader();
    return pInfo;
}
