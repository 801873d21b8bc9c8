// The dialogs and message boxes the conversion window opens, in one place:
// the file chooser, the shared rename, log-viewer and column dialogs, the
// options prompt and message boxes. Tests replace the members; the program
// uses the defaults.
#pragma once

#include "framework/Framework.h"
#include "app/dialogs/TextViewerDlg.h"
#include "conversion/ConverterEngine.h"

#include <memory>

class CConversionModel;

struct ConversionDialogHooks
{
    // A message box owned by the window.
    int (*pfnMessageBox)(CWnd* pOwner, LPCTSTR pszText, LPCTSTR pszCaption, UINT nType);
    // The data files to add, from a multiple-selection open dialog started
    // in the folder; the folder it ended in. False when cancelled.
    bool (*pfnChooseDataFiles)(CWnd* pOwner, const CString& strFolder, CString& strEndFolder, CStringList& paths);
    // The new title of a data file; false when cancelled.
    bool (*pfnRename)(CWnd* pOwner, CString& strTitle);
    // The log viewer over the logs of a project: "<stem>.Log" and the
    // time-stamped "<stem>.<stamp>.Log".
    void (*pfnViewLogs)(CWnd* pOwner, const CString& strProjectStem, const CString& strTitle);
    // The column chooser over the fifteen columns and the model's map:
    // IDOK after changing the map, IDCANCEL, or IDC_DEFAULT_COLUMNS.
    int (*pfnChooseColumns)(CWnd* pOwner, CConversionModel& model);
    // The options dialog as the engine asks it.
    std::unique_ptr<IConversionOptionsPrompt> (*pfnMakeOptionsPrompt)(CWnd* pOwner);
};

ConversionDialogHooks& GetConversionDialogHooks();
// The program's own hooks, to put back after a test.
ConversionDialogHooks DefaultConversionDialogHooks();

// The text viewer over this project's logs only: the pattern "<stem>*.Log"
// alone would also list the logs of a project whose name starts with this
// one's.
class CProjectLogViewerDlg : public CTextViewerDlg
{
public:
    CProjectLogViewerDlg(const CString& strStem, const CString& strTitle, CWnd* pParent);

protected:
    BOOL OnInitDialog() override;

    CString m_strName;
};
