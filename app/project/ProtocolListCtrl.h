// A project's list: one row per record, columns from the model's column
// properties, sorted by the family's compare function.
#pragma once

#include "framework/Framework.h"
#include "app/project/ProtocolModel.h"

class CProtocolItem;

class CProtocolListCtrl : public CListCtrl, public rw::IObserver
{
public:
    explicit CProtocolListCtrl(UINT nContextMenu = 0);
    ~CProtocolListCtrl() override;

    virtual int SetIcons(const UINT* pIds, int nCount);
    virtual void SetContextMenu(UINT nMenuId);
    virtual void RenumberItems();
    virtual CProtocolItem* GetSelectedItem();
    virtual void SortItems();

    // Observes the model and builds the list from it (the list's first update).
    void SetModel(CProtocolModel* pModel);
    CProtocolModel* GetModel() const { return m_pModel; }
    void Rebuild();

    rw::HResult QueryInterface(const rw::Guid& iid, void** ppv) override;
    int AddRef() override { return 1; }
    int Release() override { return 1; }
    void OnUpdate(rw::ISubject* pSubject, rw::Hint hint) override;
    void OnSubjectDestroyed(rw::ISubject* pSubject) override;

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void SyncColumnWidths();

    void OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDeleteItem(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDoubleClick(NMHDR* pNMHDR, LRESULT* pResult);
    void OnHeaderItemChanged(NMHDR* pNMHDR, LRESULT* pResult);
    void OnContextMenu(CWnd* pWnd, CPoint point);

    UINT m_nContextMenu;
    CImageList m_images;
    CProtocolModel* m_pModel = nullptr;

    DECLARE_MESSAGE_MAP()
};
