#include "framework/Framework.h"
#include "design/projects/GeometryFileDlg.h"
#include "design/projects/CoordinateEditing.h"
#include "design/projects/DesignControls.h"
#include "framework/OsFile.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CGeometryFileDlg, CDialog)
    ON_LBN_SELCHANGE(IDC_SET_NAMES, OnSetSelection)
    ON_LBN_SELCANCEL(IDC_SET_NAMES, OnSetSelection)
    ON_LBN_SETFOCUS(IDC_SET_NAMES, OnSetSelection)
    ON_BN_CLICKED(IDC_SAVE_AS, OnSaveAs)
END_MESSAGE_MAP()

namespace {

constexpr DWORD kListStyle = 0xF3E;
constexpr int kCoordinateTabStop = 45;

} // namespace

CGeometryFileDlg::CGeometryFileDlg(const CString& strPath, CWnd* pParent, BOOL bStartEmpty)
    : CDialog(IDD_GEOMETRY_FILE, pParent), m_strPath(strPath), m_bStartEmpty(bStartEmpty), m_lbNames(*this)
{
}

BOOL CGeometryFileDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText("Edit Geometry File: " + m_strPath);
    if (!ReadOrStartEmpty()) {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    if (!m_file.GetWarningText().IsEmpty())
        AfxMessageBox(m_file.GetWarningText(), MB_OK | MB_ICONINFORMATION);
    if (auto* pNames = static_cast<CListBox*>(GetDlgItem(IDC_SET_NAMES))) {
        for (const CString& strName : m_file.m_names)
            pNames->AddString(strName);
        if (!m_file.m_names.empty())
            pNames->SetCurSel(0);
    }
    if (auto* pCoordinates = static_cast<CListBox*>(GetDlgItem(IDC_COORDINATES))) {
        const int nTab = kCoordinateTabStop;
        pCoordinates->SendMessage(LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&nTab));
    }
    m_lbNames.Initialize(this, IDC_SET_NAMES, kListStyle);
    m_lbNames.SetWindowText("Co-ordinate Set Headers");
    m_lbCoordinates.Initialize(this, IDC_COORDINATES, kListStyle);
    m_lbCoordinates.SetWindowText("Coordinate set");
    ShowCurrentSet();
    return TRUE;
}

BOOL CGeometryFileDlg::ReadOrStartEmpty()
{
    if (m_bStartEmpty || !OsFile::FileExists(m_strPath) || m_file.Read(m_strPath))
        return TRUE;
    // A damaged file is never replaced by an empty one unless the user says so.
    const CString strQuestion = "The geometry file " + m_strPath + " cannot be read.\n\n" + m_file.GetErrorText() +
                                "\n\nStart an empty geometry file in its place? The file is replaced only when "
                                "you save the new one.";
    return AfxMessageBox(strQuestion, MB_YESNO | MB_ICONSTOP | MB_DEFBUTTON2) == IDYES;
}

void CGeometryFileDlg::StoreCurrentSet()
{
    if (!m_strShownSet.IsEmpty() && m_lbCoordinates.GetListBoxCtrl())
        StoreCoordinateRows(m_file, m_strShownSet, ListRows(m_lbCoordinates.GetListBoxCtrl(), TRUE));
}

void CGeometryFileDlg::ShowCurrentSet()
{
    CListBox* pNames = m_lbNames.GetListBoxCtrl();
    CListBox* pCoordinates = m_lbCoordinates.GetListBoxCtrl();
    if (!pNames || !pCoordinates)
        return;
    const int nCurrent = pNames->GetCurSel();
    const CString strName = RowText(pNames, nCurrent);
    m_strShownSet = m_file.GetSet(strName) ? strName : CString();
    pCoordinates->ResetContent();
    for (const CString& strRow : CoordinateRows(m_file, m_strShownSet))
        pCoordinates->AddString(strRow);
    m_lbCoordinates.EnsureTrailingRow();
    UpdateLabel();
}

void CGeometryFileDlg::UpdateLabel()
{
    SetDlgItemText(IDC_CURRENT_SET, m_strShownSet.IsEmpty() ? CString() : "Coordinate set: " + m_strShownSet);
}

void CGeometryFileDlg::OnSetSelection()
{
    CListBox* pNames = m_lbNames.GetListBoxCtrl();
    if (!pNames || RowText(pNames, pNames->GetCurSel()) == m_strShownSet)
        return;
    StoreCurrentSet();
    ShowCurrentSet();
}

BOOL CGeometryFileDlg::WriteFile()
{
    StoreCurrentSet();
    // The sets in the list's order.
    m_file.m_names = ListRows(m_lbNames.GetListBoxCtrl(), TRUE);
    if (m_file.Write(m_strPath))
        return TRUE;
    AfxMessageBox("Could not write the geometry file " + m_strPath + ".", MB_OK | MB_ICONSTOP);
    return FALSE;
}

void CGeometryFileDlg::OnOK()
{
    if (WriteFile())
        EndDialog(IDOK);
}

void CGeometryFileDlg::OnSaveAs()
{
    CFileDialog dialog(FALSE, "XYZ", m_strPath,
                       OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_OVERWRITEPROMPT | OFN_CREATEPROMPT,
                       "Geometry Files (*.xyz)|*.xyz||", this);
    if (dialog.DoModal() != IDOK)
        return;
    m_strPath = dialog.GetPathName();
    if (WriteFile())
        SetWindowText("Edit Geometry File: " + m_strPath);
}
