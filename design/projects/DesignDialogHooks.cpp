#include "framework/Framework.h"
#include "design/projects/DesignDialogHooks.h"
#include "app/dialogs/CompileLogDlg.h"
#include "app/dialogs/ManageSelectionDlg.h"
#include "app/dialogs/NewCaptionDlg.h"

namespace {

int RunManageSelection(CProtocolModel* pModel, CProtocolViewport* pViewport, LPCTSTR pszExtension)
{
    CManageSelectionDlg dialog(pModel, pViewport, pszExtension);
    return static_cast<int>(dialog.DoModal());
}

int RunCompileLog(LPCTSTR pszDatabase, LPCTSTR pszLogPath)
{
    CCompileLogDlg dialog(pszDatabase, pszLogPath);
    return static_cast<int>(dialog.DoModal());
}

int RunNewCaption(LPCTSTR pszCaption, CString& strName)
{
    CNewCaptionDlg dialog(pszCaption);
    const int nResult = static_cast<int>(dialog.DoModal());
    if (nResult == IDOK)
        strName = dialog.GetCaption();
    return nResult;
}

int RunFileOpen(LPCTSTR pszDefaultExtension, LPCTSTR pszFileName, DWORD dwFlags, LPCTSTR pszFilter,
                CString& strPath)
{
    CFileDialog dialog(TRUE, pszDefaultExtension, pszFileName, dwFlags, pszFilter);
    const int nResult = static_cast<int>(dialog.DoModal());
    if (nResult == IDOK)
        strPath = dialog.GetPathName();
    return nResult;
}

DesignDialogHooks MakeDefaults()
{
    DesignDialogHooks hooks;
    hooks.manageSelection = RunManageSelection;
    hooks.showCompileLog = RunCompileLog;
    hooks.askName = RunNewCaption;
    hooks.chooseFile = RunFileOpen;
    return hooks;
}

DesignDialogHooks g_hooks = MakeDefaults();

} // namespace

DesignDialogHooks& GetDesignDialogHooks()
{
    return g_hooks;
}

void ResetDesignDialogHooks()
{
    g_hooks = MakeDefaults();
}
