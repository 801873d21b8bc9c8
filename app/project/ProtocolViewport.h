// The form view of a project: the list of records and the target and
// source folder fields. Families give their form, icons and controller.
#pragma once

#include "framework/Framework.h"
#include "app/project/ProtocolCompiler.h"
#include "app/project/ProtocolListCtrl.h"
#include "mvc/controls/BrowseEdit.h"

#include <memory>
#include <vector>

class CProtocolController;
class CProtocolDoc;

class CProtocolViewport : public CFormView, public CProtocolRowSource
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
    // Base: no controller; each family makes its own.
    virtual CProtocolController* CreateController();

    CProtocolModel* GetModel() const;
    CProtocolController* GetController() const { return m_pController.get(); }

    // The rows, as the compiler reads them.
    int GetRowCount() override;
    BOOL IsRowSelected(int nRow) override;
    CProtocolInfo* GetRowInfo(int nRow) override;

    void OnInitialUpdate() override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnFolderChanged(int nControl);
    void OnFolderCommitted(int nControl);

    void OnSize(UINT nType, int cx, int cy);
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
    std::unique_ptr<CProtocolController> m_pController;
    CRect m_rectLast;
    BOOL m_bInitialized = FALSE;
    BOOL m_bReporting = FALSE;
    BOOL m_bTargetEdited = FALSE;
    BOOL m_bSourceEdited = FALSE;

    DECLARE_MESSAGE_MAP()
};
