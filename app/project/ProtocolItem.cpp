#include "framework/Portable.h"
#include "app/project/ProtocolItem.h"

rw::HResult CProtocolItem::QueryInterface(const rw::Guid& iid, void** ppv)
{
    if (!ppv)
        return rw::kNoInterface;
    if (iid == rw::IID_IObserver || iid == rw::IID_IUnknown) {
        *ppv = static_cast<rw::IObserver*>(this);
        AddRef();
        return rw::kOk;
    }
    *ppv = nullptr;
    return rw::kNoInterface;
}

int CProtocolItem::AddRef() { return ++m_nRefs; }

int CProtocolItem::Release()
{
    const int nRefs = --m_nRefs;
    if (nRefs <= 0)
        delete this;
    return nRefs;
}

void CProtocolItem::OnUpdate(rw::ISubject*, rw::Hint) {}

void CProtocolItem::OnSubjectDestroyed(rw::ISubject* pSubject)
{
    if (m_pSubjectInterface && m_pSubjectInterface == pSubject) {
        m_pSubject = nullptr;
        m_pSubjectInterface = nullptr;
    }
}

void CProtocolItem::SetIndex(int nRow) { m_nRow = nRow; }
CProtocolInfo* CProtocolItem::GetSubject() { return m_pSubject; }

void CProtocolItem::Refresh()
{
    if (m_pSubject)
        OnUpdate(m_pSubjectInterface, 0);
}

CProtocolItem::~CProtocolItem()
{
    if (m_pSubject)
        m_pSubject->RemoveObserver(this);
}

void CProtocolItem::Attach(CProtocolListCtrl* pOwner, int nRow, CProtocolInfo* pSubject, CColumnMap* pColumns)
{
    m_pOwner = pOwner;
    m_nRow = nRow;
    if (!pSubject)
        return;
    if (m_pSubject)
        m_pSubject->RemoveObserver(this);
    m_pSubject = pSubject;
    m_pSubjectInterface = pSubject->GetSubject();
    m_pSubject->AddObserver(this);
    m_pColumns = pColumns;
}
