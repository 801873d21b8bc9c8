#include "framework/Framework.h"
#include "design/projects/ProjectRowCells.h"
#include "app/project/ProtocolListCtrl.h"

void SetRowCell(CProtocolListCtrl* pList, int nRow, int nColumn, const CString& strText)
{
    if (pList && pList->GetSafeHwnd())
        pList->SetItemText(nRow, nColumn, strText);
}
