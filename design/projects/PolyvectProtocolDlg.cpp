#include "framework/Framework.h"
#include "design/projects/PolyvectProtocolDlg.h"
#include "design/projects/DesignControls.h"
#include "design/projects/FolderTitles.h"
#include "design/projects/PolyvectProtocolInfo.h"
#include "design/projects/PolyvectProtocolText.h"
#include "res/resource.h"

namespace {

// As the Vika command list, without the trailing new-item row.
constexpr DWORD kCommandListStyle = 0xF7E;

} // namespace

CPolyvectProtocolDlg::CPolyvectProtocolDlg(CPolyvectProtocolInfo* pInfo, CWnd* pParent)
    : CDialog(IDD_POLYVECT_PROTOCOL, pParent), m_pInfo(pInfo)
{
}

CString CPolyvectProtocolDlg::GetFilePath() const
{
    return m_pInfo ? m_pInfo->GetFilePath(CPolyvectProtocolInfo::KindProtocol) : CString();
}

BOOL CPolyvectProtocolDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_pInfo) {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    CString strCaption;
    GetWindowText(strCaption);
    SetWindowText(strCaption + " " + m_pInfo->GetName());

    std::vector<CString> rows;
    CPolyvectProtocolText::LoadRows(GetFilePath(), rows);
    if (auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_COMMANDS))) {
        pList->ResetContent();
        for (const CString& strRow : rows)
            pList->AddString(strRow);
    }
    m_lbCommands.Initialize(this, IDC_COMMANDS, kCommandListStyle);
    m_lbCommands.SetAutoAdvance(TRUE);
    m_lbCommands.SetAutoAdvanceSpaces(1);
    m_lbCommands.SetWindowText("Data Acquisition Commands:  Line  A  B  M  N ");

    m_nArrayType = m_pInfo->GetArrayCode();
    m_strGeometry = m_pInfo->GetGeometryFile();
    m_cbArrayType.SubclassDlgItem(IDC_ARRAY_TYPE, this);
    m_cbGeometry.SubclassDlgItem(IDC_GEOMETRY_FILE, this);
    FillArrayTypes(m_cbArrayType);
    FillCombo(m_cbGeometry, FolderTitles(m_pInfo->GetFolder(), ".XYZ", TRUE));
    m_cbArrayType.SetCurSel(m_nArrayType);
    SelectExact(m_cbGeometry, m_strGeometry);
    return TRUE;
}

void CPolyvectProtocolDlg::OnOK()
{
    m_nArrayType = m_cbArrayType.GetCurSel();
    m_strGeometry = SelectedText(m_cbGeometry);
    const std::vector<CString> rows = ListRows(m_lbCommands.GetListBoxCtrl(), FALSE);
    if (!CPolyvectProtocolText::Save(GetFilePath(), m_nArrayType, m_strGeometry, rows)) {
        AfxMessageBox("Could not open file. It may be read-only.", MB_OK | MB_ICONSTOP);
        return;
    }
    EndDialog(IDOK);
}
