#include "framework/Framework.h"
#include "conversion/ConversionController.h"
#include "app/project/FileNames.h"
#include "conversion/ConversionDialogHooks.h"
#include "conversion/ConversionDoc.h"
#include "conversion/ConversionViewport.h"
#include "conversion/ConverterEngine.h"
#include "framework/OsFile.h"
#include "framework/PathNames.h"
#include "res/ConversionRes.h"
#include "res/SharedDialogsRes.h"

BEGIN_MESSAGE_MAP(CConversionController, CProtocolController)
    ON_COMMAND(ID_CONV_ADD_FILES, OnAddFiles)
    ON_COMMAND(ID_CONV_REMOVE_FILES, OnRemoveFiles)
    ON_COMMAND(ID_CONV_RENAME_FILE, OnRenameFile)
    ON_COMMAND(ID_CONV_SELECT_ALL, OnSelectAll)
    ON_COMMAND(ID_CONV_CONVERT, OnConvert)
    ON_COMMAND(ID_CONV_VIEW_LOG, OnViewLogFile)
    ON_COMMAND(ID_CONV_OPTIONS, OnOptions)
    ON_UPDATE_COMMAND_UI(ID_CONV_ADD_FILES, OnUpdateAddFiles)
    ON_UPDATE_COMMAND_UI(ID_CONV_REMOVE_FILES, OnUpdateRemoveFiles)
    ON_UPDATE_COMMAND_UI(ID_CONV_RENAME_FILE, OnUpdateRenameFile)
    ON_UPDATE_COMMAND_UI(ID_CONV_SELECT_ALL, OnUpdateSelectAll)
    ON_UPDATE_COMMAND_UI(ID_CONV_CONVERT, OnUpdateConvert)
    ON_UPDATE_COMMAND_UI(ID_CONV_VIEW_LOG, OnUpdateViewLogFile)
    ON_UPDATE_COMMAND_UI(ID_CONV_OPTIONS, OnUpdateOptions)
END_MESSAGE_MAP()

BOOL CConversionController::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return CProtocolController::OnWndMsg(message, wParam, lParam, pResult);
}

CConversionViewport* CConversionController::GetConversionViewport() const
{
    return dynamic_cast<CConversionViewport*>(GetViewport());
}

CConversionModel* CConversionController::GetConversionModel() const
{
    return dynamic_cast<CConversionModel*>(GetModel());
}

CConversionDoc* CConversionController::GetConversionDocument() const
{
    CConversionViewport* pView = GetConversionViewport();
    return pView ? dynamic_cast<CConversionDoc*>(pView->GetDocument()) : nullptr;
}

int CConversionController::Message(LPCTSTR pszText, LPCTSTR pszCaption, UINT nType)
{
    return GetConversionDialogHooks().pfnMessageBox(GetConversionViewport(), pszText, pszCaption, nType);
}

int CConversionController::SelectedCount()
{
    CConversionViewport* pView = GetConversionViewport();
    if (!pView || !pView->GetListCtrl().GetSafeHwnd())
        return 0;
    return static_cast<int>(pView->GetListCtrl().GetSelectedCount());
}

BOOL CConversionController::HasSelection() { return SelectedCount() != 0; }

CString CConversionController::ProjectStem() const
{
    CConversionDoc* pDoc = GetConversionDocument();
    return pDoc && !pDoc->GetPathName().IsEmpty() ? FileStem(pDoc->GetPathName()) : CString();
}

// The project's own logs: "<stem>.Log" and the time-stamped ones.
bool CConversionController::HasProjectLogs() const
{
    const CString strStem = ProjectStem();
    if (strStem.IsEmpty())
        return false;
    const CString strName = FileNamePart(strStem);
    for (const CString& strFile : ListFolderFiles(FolderPart(strStem)))
        if (IsProjectLog(strName, strFile))
            return true;
    return false;
}

void CConversionController::OnAddFiles()
{
    CConversionModel* pModel = GetConversionModel();
    CConversionViewport* pView = GetConversionViewport();
    if (!pModel || !pView)
        return;
    OsFile::CurrentDirectoryScope restoreDirectory;
    OsFile::ChangeDirectory(pModel->GetSourceFolder());
    CString strEndFolder;
    CStringList paths;
    if (!GetConversionDialogHooks().pfnChooseDataFiles(pView, pModel->GetSourceFolder(), strEndFolder, paths))
        return;
    if (!strEndFolder.IsEmpty())
        pModel->SetSourceFolder(strEndFolder);
    if (!paths.IsEmpty())
        pModel->AddFiles(&paths);
    pView->RefreshList();
}

void CConversionController::OnRemoveFiles()
{
    CConversionModel* pModel = GetConversionModel();
    CConversionViewport* pView = GetConversionViewport();
    if (!pModel || !pView)
        return;
    if (Message("Remove selected file(s)?", "G7KWin", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    CProtocolListCtrl& list = pView->GetListCtrl();
    std::vector<CString> titles;
    for (int nRow = list.GetNextItem(-1, LVNI_SELECTED); nRow >= 0; nRow = list.GetNextItem(nRow, LVNI_SELECTED))
        if (CProtocolInfo* pInfo = pView->GetRowInfo(nRow))
            titles.push_back(pInfo->GetName());
    int nRemoved = 0;
    for (const CString& strTitle : titles)
        nRemoved += pModel->RemoveByName(strTitle) ? 1 : 0;
    if (nRemoved > 0) {
        pView->RefreshList();
        pModel->SetModifiedFlag(TRUE);
    }
    pView->SetFileCount(pModel->GetInfoCount());
}

void CConversionController::OnRenameFile()
{
    CConversionModel* pModel = GetConversionModel();
    CConversionViewport* pView = GetConversionViewport();
    CConversionDoc* pDoc = GetConversionDocument();
    // The project is saved at once after a rename: it needs its file.
    if (!pModel || !pView || !pDoc || pDoc->GetPathName().IsEmpty())
        return;
    if (SelectedCount() != 1) {
        Message("It is only possible to rename\nsingle entries.", "Error!", MB_OK | MB_ICONSTOP);
        return;
    }
    CProtocolListCtrl& list = pView->GetListCtrl();
    auto* pInfo = dynamic_cast<CConversionInfo*>(pView->GetRowInfo(list.GetNextItem(-1, LVNI_SELECTED)));
    if (!pInfo)
        return;
    CString strTitle = pInfo->GetTitle();
    if (!GetConversionDialogHooks().pfnRename(pView, strTitle) || strTitle == pInfo->GetTitle())
        return;
    switch (pModel->RenameDataFile(pInfo, strTitle)) {
    case CConversionModel::RENAME_TITLE_TAKEN: {
        CString strMessage;
        strMessage.Format("The project already holds a file named '%s'.\nNothing was renamed.",
                          static_cast<LPCTSTR>(strTitle));
        Message(strMessage, "Error!", MB_OK | MB_ICONSTOP);
        return;
    }
    case CConversionModel::RENAME_FAILED:
        Message("Could not rename file.", "File System Error", MB_OK | MB_ICONSTOP);
        return;
    case CConversionModel::RENAME_OK:
        break;
    }
    pView->RefreshList();
    pDoc->SetModifiedFlag(TRUE);
    pDoc->OnSaveDocument(pDoc->GetPathName());
}

void CConversionController::OnSelectAll()
{
    CConversionViewport* pView = GetConversionViewport();
    if (!pView)
        return;
    CWaitCursor wait;
    CProtocolListCtrl& list = pView->GetListCtrl();
    for (int nRow = 0; nRow < list.GetItemCount(); ++nRow)
        list.SetItemState(nRow, LVIS_SELECTED, LVIS_SELECTED);
}

void CConversionController::OnConvert()
{
    CConversionModel* pModel = GetConversionModel();
    CConversionViewport* pView = GetConversionViewport();
    CConversionDoc* pDoc = GetConversionDocument();
    if (!pModel || !pView || !pDoc)
        return;
    std::unique_ptr<IConversionOptionsPrompt> pPrompt = GetConversionDialogHooks().pfnMakeOptionsPrompt(pView);
    CConverterEngine engine(pModel, pView, pDoc->GetPathName(), pPrompt.get());
    const int nResult = engine.Convert();
    if (nResult == CConverterEngine::CONVERT_OK) {
        pView->RefreshList();   // the data files' log column
        OnViewLogFile();
    } else if (nResult < 0) {
        Message("Fatal error! Protocol database compile aborted!", "G7KWin", MB_OK | MB_ICONSTOP);
    }
}

void CConversionController::OnViewLogFile()
{
    CConversionDoc* pDoc = GetConversionDocument();
    if (!pDoc || pDoc->GetPathName().IsEmpty() || !OsFile::FileExists(pDoc->GetPathName()))
        return;
    // This project's logs only, not every log of its folder.
    GetConversionDialogHooks().pfnViewLogs(GetConversionViewport(), ProjectStem(), "View Log-file");
}

void CConversionController::OnOptions()
{
    CConversionModel* pModel = GetConversionModel();
    CConversionViewport* pView = GetConversionViewport();
    if (!pModel || !pView)
        return;
    const int nAnswer = GetConversionDialogHooks().pfnChooseColumns(pView, *pModel);
    if (nAnswer == IDC_DEFAULT_COLUMNS)
        pModel->ResetColumns();
    else if (nAnswer != IDOK)
        return;
    pModel->SetModifiedFlag(TRUE);
    pView->RefreshList();
}

void CConversionController::OnUpdateAddFiles(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
void CConversionController::OnUpdateRemoveFiles(CCmdUI* pCmdUI) { pCmdUI->Enable(HasSelection()); }

void CConversionController::OnUpdateRenameFile(CCmdUI* pCmdUI)
{
    CConversionDoc* pDoc = GetConversionDocument();
    pCmdUI->Enable(SelectedCount() == 1 && pDoc && !pDoc->GetPathName().IsEmpty());
}

void CConversionController::OnUpdateSelectAll(CCmdUI* pCmdUI)
{
    CConversionViewport* pView = GetConversionViewport();
    pCmdUI->Enable(pView && pView->GetListCtrl().GetSafeHwnd() && pView->GetListCtrl().GetItemCount() > 0);
}

void CConversionController::OnUpdateConvert(CCmdUI* pCmdUI) { pCmdUI->Enable(HasSelection()); }
void CConversionController::OnUpdateViewLogFile(CCmdUI* pCmdUI) { pCmdUI->Enable(HasProjectLogs()); }
void CConversionController::OnUpdateOptions(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
