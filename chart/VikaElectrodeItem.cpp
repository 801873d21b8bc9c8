#include "framework/Portable.h"
#include "chart/VikaElectrodeItem.h"

IMPLEMENT_SERIAL(CVikaElectrodeItem, CObject, VERSIONABLE_SCHEMA | 256)

CVikaElectrodeItem::CVikaElectrodeItem()
    : CObject(), MvcModel(), m_rcBox(), m_nIndex(0) {}

CVikaElectrodeItem::CVikaElectrodeItem(LPCTSTR label, const RECT& box,
                                       int index)
    : CObject(), MvcModel(), m_rcBox(box), m_strLabel(label), m_nIndex(index) {}
