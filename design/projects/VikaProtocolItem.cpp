#include "framework/Portable.h"
#include "design/projects/VikaProtocolItem.h"
#include "design/projects/ProjectRowCells.h"
#include "design/projects/VikaProtocolInfo.h"

void CVikaProtocolItem::OnUpdate(rw::ISubject*, rw::Hint)
{
    auto* pInfo = dynamic_cast<CVikaProtocolInfo*>(m_pSubject);
    if (pInfo && m_pColumns)
        FillRowCells(*pInfo, *m_pColumns, m_pOwner, m_nRow);
}
