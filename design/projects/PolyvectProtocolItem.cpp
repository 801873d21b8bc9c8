#include "framework/Portable.h"
#include "design/projects/PolyvectProtocolItem.h"
#include "design/projects/ProjectRowCells.h"
#include "design/projects/PolyvectProtocolInfo.h"

void CPolyvectProtocolItem::OnUpdate(rw::ISubject*, rw::Hint)
{
    auto* pInfo = dynamic_cast<CPolyvectProtocolInfo*>(m_pSubject);
    if (pInfo && m_pColumns)
        FillRowCells(*pInfo, *m_pColumns, m_pOwner, m_nRow);
}
