#include "framework/Framework.h"
#include "conversion/ConversionDialogHooks.h"
#include "app/dialogs/ListPropertiesDlg.h"
#include "app/dialogs/RenameDlg.h"
#include "app/dialogs/TextViewerDlg.h"
#include "app/project/FileNames.h"
#include "conversion/ConversionColumns.h"
#include "conversion/ConversionModel.h"
#include "conversion/ConversionOptionDlg.h"
#include "framework/PathNames.h"
#include "res/ConversionRes.h"


namespace {

int MessageBoxOf(CWnd* pOwner, LPCTSTR pszText, LPCTSTR pszCaption, UINT nType)
{
    HWND hOwner = pOwner ? pOwner->GetSafeHwnd() : nullptr;
    return ::MessageBoxA(hOwner, pszText, pszCaption, nType);
}

bool ChooseDataFiles(CWnd* pOwner, const CString& strFolder, CString& strEndFolder, CStringList& paths)
{
    CFileDialog dialog(TRUE, ".g7k", nullptr, OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER,
                       "GVX7000/GVX2000 Data Files (*.g7k)|*.g7k||", pOwner);
    // Newer systems start in the folder used last unless told otherwise.
    dialog.m_ofn.lpstrInitialDir = strFolder.IsEmpty() ? nullptr : static_cast<LPCTSTR>(strFolder);
    if (dialog.DoModal() != IDOK)
        return false;
    for (POSITION pos = dialog.GetStartPosition(); pos != nullptr;) {
        const CString strPath = dialog.GetNextPathName(pos);
        if (strPath.IsEmpty())
            continue;
        if (strEndFolder.IsEmpty())
            strEndFolder = FolderPart(strPath);
        paths.AddTail(strPath);
    }
    return true;
}

bool Rename(CWnd* pOwner, CString& strTitle)
{
    CRenameDlg dialog(strTitle, pOwner);
    if (dialog.DoModal() != IDOK)
        return false;
    strTitle = dialog.m_strNewName;
    return true;
}

void ViewLogs(CWnd* pOwner, const CString& strStem, const CString& strTitle)
{
    CProjectLogViewerDlg dialog(strStem, strTitle, pOwner);
    dialog.DoModal();
}

int ChooseColumns(CWnd* pOwner, CConversionModel& model)
{
    CListPropertiesDlg dialog(GetConversionColumnTable(), &model.GetColumnMap(), pOwner);
    return dialog.DoModal();
}

std::unique_ptr<IConversionOptionsPrompt> MakeOptionsPrompt(CWnd* pOwner)
{
    return std::make_unique<CConversionOptionPrompt>(pOwner);
}

} // namespace

CProjectLogViewerDlg::CProjectLogViewerDlg(const CString& strStem, const CString& strTitle, CWnd* pParent)
    : CTextViewerDlg(strStem + "*.Log", strTitle, pParent)
    , m_strName(FileNamePart(strStem))
{
}

BOOL CProjectLogViewerDlg::OnInitDialog()
{
    const BOOL bResult = CTextViewerDlg::OnInitDialog();
    for (int i = m_files.GetCount() - 1; i >= 0; --i) {
        CString strFile;
        m_files.GetLBText(i, strFile);
        if (!IsProjectLog(m_strName, strFile))
            m_files.DeleteString(i);
    }
    if (m_files.GetCurSel() < 0 && m_files.GetCount() > 0) {
        m_files.SetCurSel(m_files.GetCount() - 1);
        LoadSelected();
    }
    return bResult;
}

ConversionDialogHooks DefaultConversionDialogHooks()
{
    return {MessageBoxOf, ChooseDataFiles, Rename, ViewLogs, ChooseColumns, MakeOptionsPrompt};
}

ConversionDialogHooks& GetConversionDialogHooks()
{
    static ConversionDialogHooks s_hooks = DefaultConversionDialogHooks();
    return s_hooks;
}
