#include "framework/Framework.h"
#include "design/projects/DesignDialogHooks.h"
#include "app/project/FileNames.h"
#include "app/project/ProtocolModel.h"
#include "app/project/ProtocolViewport.h"
#include "design/TextLines.h"
#include "res/resource.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The name-entry dialog of our own.
class CDesignNameDlg : public CDialog
{
public:
    CDesignNameDlg(LPCTSTR pszCaption, CString& strName)
        : CDialog(IDD_DESIGN_NAME), m_strCaption(pszCaption), m_strName(strName)
    {
    }

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        SetWindowText(m_strCaption);
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_DESIGN_NAME, m_strName);
        if (pDX->m_bSaveAndValidate && m_strName.Trim().IsEmpty()) {
            AfxMessageBox("Please enter a name.", MB_OK | MB_ICONEXCLAMATION);
            pDX->Fail();
        }
    }

private:
    CString m_strCaption;
    CString& m_strName;
};

// Every file of the source folder with the extension that the project
// does not list yet is added: a selection manager without a choice.
int AddFolderFiles(CProtocolModel* pModel, CProtocolViewport*, LPCTSTR pszExtension)
{
    if (!pModel)
        return IDCANCEL;
    BOOL bAdded = FALSE;
    const CString strExtension(pszExtension);
    for (const CString& strFile : ListFolderFiles(pModel->GetSourceFolder())) {
        const int nDot = strFile.ReverseFind('.');
        if (nDot < 0 || strFile.Mid(nDot).CompareNoCase(strExtension) != 0)
            continue;
        bAdded |= pModel->AddByFileName(strFile.Left(nDot));
    }
    return bAdded ? IDOK : IDCANCEL;
}

// The log in a message box, its last lines when it is long.
int ShowLogText(LPCTSTR pszDatabase, LPCTSTR pszLogPath)
{
    std::vector<std::string> lines;
    if (!designtext::ReadLines(pszLogPath, lines)) {
        CString strText;
        strText.Format("Log file: %s", pszLogPath);
        AfxMessageBox(strText, MB_OK | MB_ICONSTOP);
        return IDCANCEL;
    }
    const size_t nFirst = lines.size() > 30 ? lines.size() - 30 : 0;
    CString strText;
    strText.Format("%s - Log file: %s\n\n", pszDatabase, pszLogPath);
    for (size_t i = nFirst; i < lines.size(); ++i)
        strText += CString(lines[i].c_str()) + "\n";
    AfxMessageBox(strText, MB_OK | MB_ICONINFORMATION);
    return IDOK;
}

int AskNameDialog(LPCTSTR pszCaption, CString& strName)
{
    CDesignNameDlg dialog(pszCaption, strName);
    return static_cast<int>(dialog.DoModal());
}

int ChooseFileDialog(LPCTSTR pszDefaultExtension, LPCTSTR pszFileName, DWORD dwFlags, LPCTSTR pszFilter,
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
    hooks.manageSelection = AddFolderFiles;
    hooks.showCompileLog = ShowLogText;
    hooks.askName = AskNameDialog;
    hooks.chooseFile = ChooseFileDialog;
    return hooks;
}

DesignDialogHooks g_hooks = MakeDefaults();

} // namespace

DesignDialogHooks& GetDesignDialogHooks() { return g_hooks; }

void ResetDesignDialogHooks() { g_hooks = MakeDefaults(); }
