// A project's list: one row per record, columns from the model's column
// properties, sorted by the family's compare function. It is also an MVC
// viewport over its own window: its router sees every message and command
// first, the list's own handling gets what the router leaves.
#pragma once

#include "framework/Framework.h"
#include "mvc/MvcViewport.h"
#include "app/project/ProtocolModel.h"

class CProtocolItem;

class CProtocolListCtrl : public CListCtrl, public MvcViewport
{
public:
    explicit CProtocolListCtrl(UINT nContextMenu = 0);
    ~CProtocolListCtrl() override;

    virtual int SetIcons(const UINT* pIds, int nCount);
    virtual void SetContextMenu(UINT nMenuId);
    virtual void RenumberItems();
    virtual CProtocolItem* GetSelectedItem();
    virtual void SortItems();

    // The list window with its viewport set up over it: made here, or taken
    // over from a form's control.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    using MvcViewport::Create;
    using CListCtrl::HitTest;
    using MvcViewport::HitTest;

    // A model given to a list window is its first update: the rows are
    // built at once.
    void SetModel(MvcModel* pModel) override;
    // The list's model, when it is a project model.
    CProtocolModel* GetModel() const override;
    // Makes the small-icon list, then builds the rows.
    void OnInitialUpdate() override;
    void Rebuild();

    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    BOOL SetUpViewport();
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void SyncColumnWidths();
    void ShowSortArrow();
    void OnHeaderCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);
    static void DrawSortArrow(HDC hDC, const RECT& rcItem, bool bUp);
    static CString HeadingText(const CString& strHeading);

    void OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDeleteItem(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDoubleClick(NMHDR* pNMHDR, LRESULT* pResult);
    void OnHeaderItemChanged(NMHDR* pNMHDR, LRESULT* pResult);
    void OnContextMenu(CWnd* pWnd, CPoint point);

    UINT m_nContextMenu;
    CImageList m_images;
    // The rows' own notices while Rebuild fills the list: the widths are
    // the model's then, so nothing is read back per notice.
    BOOL m_bRebuilding = FALSE;

    DECLARE_MESSAGE_MAP()
};
