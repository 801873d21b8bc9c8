#include "framework/Framework.h"
#include "design/projects/VikaProtocolDlg.h"
#include "design/projects/DesignControls.h"
#include "design/projects/FolderTitles.h"
#include "design/projects/VikaProtocolInfo.h"
#include "design/VikaAddressFile.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CVikaProtocolDlg, CDialog)
    ON_CBN_SELENDOK(IDC_ADDRESS_FILE, OnSelEndOkAddressFile)
END_MESSAGE_MAP()

namespace {

// Header buttons, tool tips, keys, dragging, editing by typing and a
// trailing new-item row.
constexpr DWORD kCommandListStyle = 0xF3E;
constexpr int kNoElectrodeLimit = 999;

} // namespace

CVikaProtocolDlg::CVikaProtocolDlg(CVikaProtocolInfo* pInfo, const CString& strSection, CWnd* pParent)
    : CDialog(IDD_VIKA_PROTOCOL, pParent), m_pInfo(pInfo), m_strSection(strSection)
{
    if (m_pInfo)
        m_lbCommands.m_nChannels = static_cast<int>(m_pInfo->GetChannels());
}

CString CVikaProtocolDlg::GetFilePath() const
{
    return m_pInfo ? m_pInfo->GetFolder() + m_pInfo->GetName() + m_strSection : CString();
}

BOOL CVikaProtocolDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_pInfo) {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    CString strCaption;
    GetWindowText(strCaption);
    SetWindowText(strCaption + " " + m_pInfo->GetName() + m_strSection);

    m_cbArrayType.SubclassDlgItem(IDC_ARRAY_TYPE, this);
    m_cbAddress.SubclassDlgItem(IDC_ADDRESS_FILE, this);
    m_cbGeometry.SubclassDlgItem(IDC_GEOMETRY_FILE, this);
    FillArrayTypes(m_cbArrayType);
    const CString strFolder = m_pInfo->GetFolder();
    FillCombo(m_cbAddress, FolderTitles(strFolder, g_strVikaExtensions[VikaAdr], FALSE));
    std::vector<CString> geometries = FolderTitles(strFolder, g_strVikaExtensions[VikaXyz], FALSE);
    geometries.insert(geometries.begin(), kNoGeometry);
    FillCombo(m_cbGeometry, geometries);

    m_text.Load(GetFilePath());
    if (auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_COMMANDS))) {
        pList->ResetContent();
        for (const CString& strRow : m_text.m_rows)
            pList->AddString(strRow);
        pList->SendMessage(LB_SETTABSTOPS, 0, 0);
    }
    m_lbCommands.Initialize(this, IDC_COMMANDS, kCommandListStyle);
    m_lbCommands.SetAutoAdvance(TRUE);
    m_lbCommands.SetAutoAdvanceSpaces(1);
    m_lbCommands.SetWindowText("Data Acquisition Commands:  Line  A  B  M1  N1  [M2  N2  M3  N3  M4  N4]");

    m_cbArrayType.SetCurSel(m_text.m_nArrayType);
    SelectExact(m_cbAddress, m_text.m_strAddress);
    SelectExact(m_cbGeometry, m_text.m_strGeometry);
    OnSelEndOkAddressFile();
    return TRUE;
}

void CVikaProtocolDlg::ReadControls()
{
    m_text.m_nArrayType = m_cbArrayType.GetCurSel();
    m_text.m_strAddress = SelectedText(m_cbAddress);
    m_text.m_strGeometry = SelectedText(m_cbGeometry);
}

void CVikaProtocolDlg::OnSelEndOkAddressFile()
{
    ReadControls();
    // Without a readable address file any electrode may be entered.
    CVikaAddressFile file;
    const BOOL bRead = !m_text.m_strAddress.IsEmpty() &&
                       file.Read(m_pInfo->GetFolder() + m_text.m_strAddress + g_strVikaExtensions[VikaAdr]);
    m_lbCommands.m_nMaxElectrode =
        bRead && file.m_nElectrodes > 0 ? static_cast<int>(file.m_nElectrodes) : kNoElectrodeLimit;
}

void CVikaProtocolDlg::OnOK()
{
    ReadControls();
    if (m_text.m_strAddress.IsEmpty()) {
        AfxMessageBox("Please choose the address file of the protocol.", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    m_text.m_rows = ListRows(m_lbCommands.GetListBoxCtrl(), FALSE);
    std::vector<CString> sections;
    for (int nKind = VikaOrg; nKind <= VikaDwn; ++nKind)
        sections.push_back(m_pInfo->GetFolder() + m_pInfo->GetName() + g_strVikaExtensions[nKind]);
    if (!m_text.Save(GetFilePath(), sections)) {
        // The user's edits stay in the dialog.
        AfxMessageBox("Could not open file. It may be read-only.", MB_OK | MB_ICONSTOP);
        return;
    }
    EndDialog(IDOK);
}
