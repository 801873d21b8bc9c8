#include "framework/Framework.h"
#include "design/projects/DesignProjectController.h"
#include "design/projects/DesignDialogHooks.h"
#include "design/projects/GeometryFileDlg.h"
#include "app/project/ProtocolCompiler.h"
#include "app/project/ProtocolItem.h"
#include "app/project/ProtocolListCtrl.h"
#include "app/project/ProtocolViewport.h"
#include "framework/OsFile.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CDesignProjectController, CProtocolController)
    ON_COMMAND(ID_PROJECT_MANAGE, OnManage)
    ON_COMMAND(ID_PROJECT_COMPILE, OnCompile)
    ON_UPDATE_COMMAND_UI(ID_PROJECT_COMPILE, OnUpdateCompile)
    ON_COMMAND(ID_PROJECT_VIEW_LOG, OnViewLog)
    ON_UPDATE_COMMAND_UI(ID_PROJECT_VIEW_LOG, OnUpdateViewLog)
    ON_COMMAND(ID_PROJECT_EDIT_GEOMETRY, OnEditGeometry)
    ON_COMMAND(ID_PROJECT_CREATE_GEOMETRY, OnCreateGeometry)
END_MESSAGE_MAP()

namespace {

bool PathExists(const CString& strPath)
{
    DWORD dwAttributes = 0;
    return !strPath.IsEmpty() && OsFile::GetAttributes(strPath, dwAttributes);
}

constexpr const char* kGeometryFilter = "Geometry Files (*.xyz)|*.xyz||";

} // namespace

CProtocolListCtrl* CDesignProjectController::GetList() const
{
    CProtocolViewport* pViewport = GetViewport();
    return pViewport ? &pViewport->GetListCtrl() : nullptr;
}

BOOL CDesignProjectController::HasOneSelection() const
{
    CProtocolListCtrl* pList = GetList();
    return pList && pList->GetSafeHwnd() && pList->GetSelectedCount() == 1;
}

CProtocolInfo* CDesignProjectController::GetSelectedInfo() const
{
    if (!HasOneSelection())
        return nullptr;
    CProtocolItem* pItem = GetList()->GetSelectedItem();
    return pItem ? pItem->GetSubject() : nullptr;
}

CString CDesignProjectController::GetDocumentPath() const
{
    CProtocolViewport* pViewport = GetViewport();
    CDocument* pDocument = pViewport ? pViewport->GetDocument() : nullptr;
    return pDocument ? pDocument->GetPathName() : CString();
}

CString CDesignProjectController::GetLogPath() const
{
    const CString strDocument = GetDocumentPath();
    return strDocument.IsEmpty() ? CString() : CProtocolCompiler::MakeLogName(strDocument);
}

void CDesignProjectController::RefreshRowOf(CProtocolInfo* pInfo)
{
    CProtocolListCtrl* pList = GetList();
    if (!pInfo || !pList || !pList->GetSafeHwnd())
        return;
    for (int nRow = 0; nRow < pList->GetItemCount(); ++nRow) {
        auto* pItem = reinterpret_cast<CProtocolItem*>(pList->GetItemData(nRow));
        if (pItem && pItem->GetSubject() == pInfo)
            pItem->Refresh();
    }
}

void CDesignProjectController::OnManage()
{
    if (GetDesignDialogHooks().manageSelection(GetModel(), GetViewport(), ProtocolExtension()) != IDOK)
        return;
    GetViewport()->RefreshList();
    GetModel()->SetModifiedFlag(TRUE);
}

void CDesignProjectController::OnCompile()
{
    // The log is named after the project file: an unsaved project has none.
    if (GetDocumentPath().IsEmpty()) {
        AfxMessageBox("You must save the project first", MB_OK);
        return;
    }
    std::unique_ptr<CProtocolCompiler> pCompiler = MakeCompiler();
    pCompiler->SetDatabaseName(DatabaseName());
    if (pCompiler->Compile(CompileType(), GetDocumentPath()) != CProtocolCompiler::COMPILE_OK) {
        AfxMessageBox("Fatal error! Protocol database compile aborted!", MB_OK | MB_ICONSTOP);
        return;
    }
    OnViewLog();
}

void CDesignProjectController::OnUpdateCompile(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetModel() && GetModel()->GetInfoCount() > 0);
}

void CDesignProjectController::OnViewLog()
{
    GetDesignDialogHooks().showCompileLog(DatabaseName(), GetLogPath());
}

void CDesignProjectController::OnUpdateViewLog(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(PathExists(GetLogPath()));
}

void CDesignProjectController::OnEditGeometry()
{
    CString strProposal = SelectedGeometryPath();
    if (strProposal.IsEmpty())
        strProposal = GetModel()->GetSourceFolder() + "*.XYZ";
    CString strPath;
    const DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR | OFN_CREATEPROMPT;
    if (GetDesignDialogHooks().chooseFile(".XYZ", strProposal, dwFlags, kGeometryFilter, strPath) != IDOK)
        return;
    CGeometryFileDlg dialog(strPath, nullptr);
    dialog.DoModal();
}

void CDesignProjectController::OnCreateGeometry()
{
    CString strName;
    if (GetDesignDialogHooks().askName("Create Geometry File", strName) != IDOK)
        return;
    const CString strPath = GetModel()->GetSourceFolder() + strName + ".XYZ";
    BOOL bStartEmpty = FALSE;
    if (PathExists(strPath)) {
        CString strQuestion;
        strQuestion.Format("The file '%s' already exists.\nOverwrite?", static_cast<LPCTSTR>(strPath));
        // The old file goes only when the new one is saved.
        bStartEmpty = AfxMessageBox(strQuestion, MB_YESNO | MB_ICONQUESTION) == IDYES;
    }
    CGeometryFileDlg dialog(strPath, nullptr, bStartEmpty);
    dialog.DoModal();
}
