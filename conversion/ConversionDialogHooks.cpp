#include "framework/Framework.h"
#include "conversion/ConversionDialogHooks.h"
#include "app/project/FileNames.h"
#include "conversion/ConversionColumns.h"
#include "conversion/ConversionModel.h"
#include "conversion/ConversionOptionDlg.h"
#include "framework/PathNames.h"
#include "res/ConversionRes.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <vector>

// Until the shared rename, log-viewer and column dialogs land, small
// dialogs of our own stand in for them.
namespace {

class CRenameFallbackDlg : public CDialog
{
public:
    CRenameFallbackDlg(const CString& strName, CWnd* pParent)
        : CDialog(IDD_CONVERSION_RENAME, pParent), m_strName(strName) {}
    CString m_strName;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Text(pDX, IDC_CONV_NEW_NAME, m_strName);
        DDV_MaxChars(pDX, m_strName, 64);
    }
};

// The project's logs in a list, the chosen one's text below it.
class CLogFallbackDlg : public CDialog
{
public:
    CLogFallbackDlg(const CString& strStem, const CString& strTitle, CWnd* pParent)
        : CDialog(IDD_CONVERSION_LOG_VIEWER, pParent), m_strStem(strStem), m_strTitle(strTitle) {}

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        SetWindowText(m_strTitle);
        auto* pFiles = static_cast<CComboBox*>(GetDlgItem(IDC_CONV_LOG_FILES));
        std::vector<CString> names;
        for (const CString& strFile : ListFolderFiles(FolderPart(m_strStem)))
            if (IsProjectLog(FileNamePart(m_strStem), strFile))
                names.push_back(strFile);
        // The latest run first: stamps sort by time, the plain log last.
        std::sort(names.begin(), names.end(), [](const CString& a, const CString& b) { return b < a; });
        for (const CString& strName : names)
            pFiles->AddString(strName);
        if (!names.empty()) {
            pFiles->SetCurSel(0);
            OnFileChosen();
        }
        return TRUE;
    }
    void OnFileChosen()
    {
        auto* pFiles = static_cast<CComboBox*>(GetDlgItem(IDC_CONV_LOG_FILES));
        CString strName;
        if (pFiles->GetCurSel() < 0)
            return;
        pFiles->GetLBText(pFiles->GetCurSel(), strName);
        std::ifstream file(static_cast<LPCTSTR>(FolderPart(m_strStem) + strName), std::ios::binary);
        std::string text, line;
        while (std::getline(file, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            text += line + "\r\n";
        }
        SetDlgItemText(IDC_CONV_LOG_TEXT, text.c_str());
    }

    CString m_strStem;
    CString m_strTitle;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLogFallbackDlg, CDialog)
    ON_CBN_SELCHANGE(IDC_CONV_LOG_FILES, OnFileChosen)
END_MESSAGE_MAP()

// The fifteen columns; the chosen ones are shown in table order.
class CColumnsFallbackDlg : public CDialog
{
public:
    CColumnsFallbackDlg(CConversionModel& model, CWnd* pParent)
        : CDialog(IDD_CONVERSION_COLUMNS, pParent), m_model(model) {}

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_CONV_COLUMN_LIST));
        const CColumnProperty* pTable = GetConversionColumnTable();
        for (int i = 0; i < kConversionColumnCount; ++i) {
            pList->AddString(pTable[i].GetDescription());
            pList->SetSel(i, FindPosition(pTable[i].GetColumnId()) >= 0);
        }
        return TRUE;
    }
    void OnOK() override
    {
        auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_CONV_COLUMN_LIST));
        const CColumnProperty* pTable = GetConversionColumnTable();
        std::vector<CColumnProperty> chosen;
        for (int i = 0; i < kConversionColumnCount; ++i) {
            if (pList->GetSel(i) <= 0)
                continue;
            CColumnProperty prop = pTable[i];
            const int nPosition = FindPosition(prop.GetColumnId());
            if (nPosition >= 0)
                m_model.GetColumnMap().Lookup(static_cast<UINT>(nPosition), prop);
            chosen.push_back(prop);
        }
        if (chosen.empty())
            return;   // a list needs a column
        m_model.GetColumnMap().RemoveAll();
        for (size_t i = 0; i < chosen.size(); ++i)
            m_model.GetColumnMap().SetAt(static_cast<UINT>(i), chosen[i]);
        EndDialog(IDOK);
    }
    void OnDefault() { EndDialog(IDC_CONV_COLUMNS_DEFAULT); }

    int FindPosition(UINT nId)
    {
        for (POSITION pos = m_model.GetColumnMap().GetStartPosition(); pos != nullptr;) {
            UINT nPosition = 0;
            CColumnProperty prop;
            m_model.GetColumnMap().GetNextAssoc(pos, nPosition, prop);
            if (prop.GetColumnId() == nId)
                return static_cast<int>(nPosition);
        }
        return -1;
    }

    CConversionModel& m_model;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColumnsFallbackDlg, CDialog)
    ON_BN_CLICKED(IDC_CONV_COLUMNS_DEFAULT, OnDefault)
END_MESSAGE_MAP()

int MessageBoxOf(CWnd* pOwner, LPCTSTR pszText, LPCTSTR pszCaption, UINT nType)
{
    HWND hOwner = pOwner ? pOwner->GetSafeHwnd() : nullptr;
    return ::MessageBoxA(hOwner, pszText, pszCaption, nType);
}

bool ChooseDataFiles(CWnd* pOwner, const CString&, CString& strEndFolder, CStringList& paths)
{
    CFileDialog dialog(TRUE, ".g7k", nullptr, OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER,
                       "GVX7000/GVX2000 Data Files (*.g7k)|*.g7k||", pOwner);
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
    CRenameFallbackDlg dialog(strTitle, pOwner);
    if (dialog.DoModal() != IDOK)
        return false;
    strTitle = dialog.m_strName;
    strTitle.Trim();
    return true;
}

void ViewLogs(CWnd* pOwner, const CString& strStem, const CString& strTitle)
{
    CLogFallbackDlg dialog(strStem, strTitle, pOwner);
    dialog.DoModal();
}

int ChooseColumns(CWnd* pOwner, CConversionModel& model)
{
    CColumnsFallbackDlg dialog(model, pOwner);
    return dialog.DoModal();
}

std::unique_ptr<IConversionOptionsPrompt> MakeOptionsPrompt(CWnd* pOwner)
{
    return std::make_unique<CConversionOptionPrompt>(pOwner);
}

} // namespace

ConversionDialogHooks DefaultConversionDialogHooks()
{
    return {MessageBoxOf, ChooseDataFiles, Rename, ViewLogs, ChooseColumns, MakeOptionsPrompt};
}

ConversionDialogHooks& GetConversionDialogHooks()
{
    static ConversionDialogHooks s_hooks = DefaultConversionDialogHooks();
    return s_hooks;
}
