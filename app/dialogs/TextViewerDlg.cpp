#include "framework/Framework.h"
#include "app/dialogs/TextViewerDlg.h"
#include "app/dialogs/FolderFiles.h"
#include "framework/PathNames.h"

BEGIN_MESSAGE_MAP(CTextViewerDlg, CDialog)
    ON_CBN_SELCHANGE(IDC_VIEWER_FILES, OnSelectFile)
END_MESSAGE_MAP()

CTextViewerDlg::CTextViewerDlg(const CString& strFileSpec, const CString& strTitle, CWnd* pParent)
    : CDialog(IDD, pParent)
    , m_strFileSpec(strFileSpec)
    , m_strTitle(strTitle)
    , m_strFolder(FolderPart(strFileSpec))
{
}

void CTextViewerDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_VIEWER_FILES, m_files);
}

BOOL CTextViewerDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // A plain header strip: no buttons, no editing, no empty row at the end.
    m_editor.Initialize(this, IDC_VIEWER_LINES, SECListBoxEditor::kNoTrailingRow);
    for (const CString& strName : ListFileNames(m_strFileSpec))
        m_files.AddString(strName);
    if (m_files.GetCount() > 0) {
        m_files.SetCurSel(m_files.GetCount() - 1);
        LoadSelected();
    }
    CString strCaption;
    strCaption.Format("%s: %s", static_cast<LPCTSTR>(m_strTitle), static_cast<LPCTSTR>(m_strFileSpec));
    SetWindowText(strCaption);
    return TRUE;
}

void CTextViewerDlg::OnSelectFile()
{
    LoadSelected();
}

void CTextViewerDlg::LoadSelected()
{
    const int nSelected = m_files.GetCurSel();
    if (nSelected < 0)
        return;
    CString strName;
    m_files.GetLBText(nSelected, strName);
    LoadFile(m_strFolder + strName);
}

void CTextViewerDlg::LoadFile(const CString& strPath)
{
    CListBox* pLines = GetLineList();
    if (!pLines)
        return;
    pLines->ResetContent();
    CStdioFile file;
    if (!file.Open(strPath, CFile::modeRead | CFile::shareDenyNone | CFile::typeText)) {
        CString strMessage;
        strMessage.Format("Could not open log-file: %s", static_cast<LPCTSTR>(strPath));
        AfxMessageBox(strMessage, MB_OK | MB_ICONSTOP);
        return;
    }
    pLines->SetRedraw(FALSE);
    try {
        CString strLine;
        while (file.ReadString(strLine))
            pLines->AddString(strLine);
    } catch (CFileException* e) {
        e->Delete();
    }
    pLines->SetRedraw(TRUE);
    pLines->Invalidate();
}
