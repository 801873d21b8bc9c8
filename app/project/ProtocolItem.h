// One row of a project's list: observes its record and fills the row's
// cells. Families override OnUpdate to write their column texts.
#pragma once

#include "framework/Portable.h"
#include "mvc/Interfaces.h"
#include "app/project/ProtocolModel.h"

class CProtocolListCtrl;

class CProtocolItem : public rw::IObserver
{
public:
    CProtocolItem() = default;
    CProtocolItem(const CProtocolItem&) = delete;
    CProtocolItem& operator=(const CProtocolItem&) = delete;

    rw::HResult QueryInterface(const rw::Guid& iid, void** ppv) override;
    int AddRef() override;
    int Release() override;
    void OnUpdate(rw::ISubject* pSubject, rw::Hint hint) override;
    void OnSubjectDestroyed(rw::ISubject* pSubject) override;
    virtual void SetIndex(int nRow);
    virtual CProtocolInfo* GetSubject();
    virtual void Refresh();
    ~CProtocolItem() override;

    // Registers with the record (when there is one) until the row goes.
    void Attach(CProtocolListCtrl* pOwner, int nRow, CProtocolInfo* pSubject, CColumnMap* pColumns);

    CProtocolListCtrl* GetOwner() const { return m_pOwner; }
    int GetIndex() const { return m_nRow; }
    CColumnMap* GetColumnMap() const { return m_pColumns; }

protected:
    int m_nRefs = 0;
    CProtocolListCtrl* m_pOwner = nullptr;
    CProtocolInfo* m_pSubject = nullptr;
    // The record's subject interface, compared when the record goes away.
    rw::ISubject* m_pSubjectInterface = nullptr;
    CColumnMap* m_pColumns = nullptr;
    int m_nRow = 0;
};
