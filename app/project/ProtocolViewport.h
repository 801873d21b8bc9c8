// The form view of a project: the list of records and the target and
// source folder fields. Families give their form, icons and controller.
// The view is also an MVC viewport over its own window: the family's
// controller sees the view's input and commands before the view does.
#pragma once

#include "framework/Framework.h"
#include "app/project/ProtocolCompiler.h"
#include "app/project/ProtocolListCtrl.h"
#include "mvc/MvcViewport.h"
#include "mvc/controls/BrowseEdit.h"

#include <vector>

class CProtocolDoc;

class CProtocolViewport : public CFormView, public MvcViewport, public CProtocolRowSource
{
    DECLARE_DYNCREATE(CProtocolViewport)

public:
    CProtocolViewport();
    CProtocolViewport(UINT nFormId, const UINT* pIconIds, UINT nIcons);
    ~CProtocolViewport() override;

    virtual void ClearList();
    virtual void RefreshList();
    virtual CProtocolListCtrl& GetListCtrl();
    virtual void SetContextMenu(UINT nMenuId);

    // Base: makes no controller and answers 0; each family makes its own
    // (SetController(new ..., TRUE)) and answers TRUE.
    BOOL CreateController() override;
    // The project model of the view's document.
    CProtocolModel* GetModel() const override;

    // The rows, as the compiler reads them.
    int GetRowCount() override;
    BOOL IsRowSelected(int nRow) override;
    CProtocolInfo* GetRowInfo(int nRow) override;

    // The form's and the viewport's initial update, then the fields and
    // the list.
    void OnInitialUpdate() override;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    using CFormView::OnUpdate;
    using MvcViewport::OnUpdate;
    using CFormView::OnPrepareDC;
    using MvcViewport::OnPrepareDC;
    using CFormView::Create;
    using MvcViewport::Create;

protected:
    int OnCreate(LPCREATESTRUCT lpcs);
    using MvcViewport::OnCreate;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnFolderChanged(int nControl);
    void OnFolderCommitted(int nControl);

    void OnSize(UINT nType, int cx, int cy);
    void RememberListPlace();
    void LayOutList();
    void OnTargetChanged();
    void OnSourceChanged();
    void OnTargetKillFocus();
    void OnSourceKillFocus();

    CString m_strTargetFolder;
    CString m_strSourceFolder;
    std::vector<UINT> m_iconIds;
    CProtocolListCtrl m_list;
    SECBrowseDirEdit m_browseTarget;
    SECBrowseDirEdit m_browseSource;
    CRect m_rectLast;
    // The list's top-left corner and its gap to the form's right and bottom.
    CPoint m_ptListOrigin;
    CSize m_sizeListMargin;
    static constexpr int MIN_LIST_HEIGHT = 60;
    BOOL m_bInitialized = FALSE;
    BOOL m_bReporting = FALSE;
    BOOL m_bTargetEdited = FALSE;
    BOOL m_bSourceEdited = FALSE;

    DECLARE_MESSAGE_MAP()
};
