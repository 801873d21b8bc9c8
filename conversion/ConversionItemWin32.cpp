#include "framework/Framework.h"
#include "conversion/ConversionItem.h"
#include "app/project/ProtocolListCtrl.h"

void CConversionItem::SetCellText(int nColumn, const CString& strText)
{
    if (m_pOwner && m_pOwner->GetSafeHwnd())
        m_pOwner->SetItemText(m_nRow, nColumn, strText);
}
