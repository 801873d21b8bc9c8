#include "framework/Portable.h"
#include "conversion/ConversionItem.h"
#include "conversion/ConversionColumns.h"
#include "conversion/ConversionInfo.h"

CConversionItem::~CConversionItem() = default;

void CConversionItem::OnUpdate(rw::ISubject*, rw::Hint)
{
    CConversionInfo* pInfo = GetInfo();
    if (!pInfo || !m_pColumns)
        return;
    for (POSITION pos = m_pColumns->GetStartPosition(); pos != nullptr;) {
        UINT nPosition = 0;
        CColumnProperty prop;
        m_pColumns->GetNextAssoc(pos, nPosition, prop);
        SetCellText(static_cast<int>(nPosition), ConversionCellText(*pInfo, prop.GetColumnId()));
    }
}

void CConversionItem::SetIndex(int nRow) { CProtocolItem::SetIndex(nRow); }
CProtocolInfo* CConversionItem::GetSubject() { return CProtocolItem::GetSubject(); }
CConversionInfo* CConversionItem::GetInfo() { return dynamic_cast<CConversionInfo*>(m_pSubject); }
