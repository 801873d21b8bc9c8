// Writes one cell of a project list row: the list window in the win build,
// nothing in the native one (the rows' texts are tested through the records).
#pragma once

#include "framework/Portable.h"
#include "app/project/ProtocolModel.h"

class CProtocolListCtrl;

void SetRowCell(CProtocolListCtrl* pList, int nRow, int nColumn, const CString& strText);

// Writes the text of every column the record has one for, at the column's
// position in the list.
template <class Info> void FillRowCells(Info& info, CColumnMap& columns, CProtocolListCtrl* pList, int nRow)
{
    const int nColumns = static_cast<int>(columns.GetCount());
    for (int nPosition = 0; nPosition < nColumns; ++nPosition) {
        CColumnProperty prop;
        CString strText;
        if (columns.Lookup(static_cast<UINT>(nPosition), prop) &&
            info.GetColumnText(prop.GetColumnId(), strText))
            SetRowCell(pList, nRow, nPosition, strText);
    }
}
