#include "framework/Framework.h"
#include "design/projects/VikaAddressDlg.h"
#include "design/projects/DesignControls.h"
#include "design/projects/AddressMapCreation.h"
#include "design/projects/ItemRows.h"
#include "design/projects/VikaCreateAdrMapDlg.h"
#include "design/projects/VikaProtocolInfo.h"
#include "framework/OsFile.h"
#include "framework/PathNames.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CVikaAddressDlg, CDialog)
    ON_BN_CLICKED(IDC_ROLL_X, UpdateMoveFields)
    ON_BN_CLICKED(IDC_ROLL_Y, UpdateMoveFields)
    ON_EN_SETFOCUS(IDC_CABLES, OnCablesHint)
    ON_EN_SETFOCUS(IDC_TAKEOUTS, OnTakeoutsHint)
    ON_EN_SETFOCUS(IDC_FACTOR, OnFactorHint)
    ON_EN_SETFOCUS(IDC_XMOVE, OnXMoveHint)
    ON_EN_SETFOCUS(IDC_YMOVE, OnYMoveHint)
    ON_EN_SETFOCUS(IDC_ELECTRODES, OnElectrodesHint)
    ON_LBN_SETFOCUS(IDC_ADR_ENTRIES, OnEntriesHint)
    ON_LBN_SELCHANGE(IDC_ADR_ENTRIES, OnSelChangeEntries)
    ON_EN_CHANGE(IDC_ADR_NAME, OnNameChanged)
    ON_EN_UPDATE(IDC_CABLES, OnLayoutUpdate)
    ON_EN_UPDATE(IDC_TAKEOUTS, OnLayoutUpdate)
    ON_BN_CLICKED(IDC_GENERATE, OnGenerate)
    ON_BN_DOUBLECLICKED(IDC_GENERATE, OnGenerateDoubleClick)
END_MESSAGE_MAP()

namespace {

constexpr DWORD kEntryListStyle = 0xF3E;

bool PathExists(const CString& strPath)
{
    DWORD dwAttributes = 0;
    return !strPath.IsEmpty() && OsFile::GetAttributes(strPath, dwAttributes);
}

} // namespace

CVikaAddressDlg::CVikaAddressDlg(CVikaProtocolInfo* pInfo, const CString* pFolder, CWnd* pParent)
    : CDialog(IDD_VIKA_ADDRESS, pParent), m_pInfo(pInfo)
{
    if (m_pInfo) {
        m_strFolder = m_pInfo->GetFolder();
        m_strPath = m_pInfo->GetFilePath(VikaAdr);
    } else if (pFolder) {
        m_strFolder = *pFolder;
    }
}

BOOL CVikaAddressDlg::OnInitDialog()
{
    if (!m_pInfo && m_strFolder.IsEmpty()) {
        CDialog::OnInitDialog();
        EndDialog(IDCANCEL);
        return TRUE;
    }
    const BOOL bExists = PathExists(m_strPath);
    if (bExists && !m_file.Read(m_strPath)) {
        // A damaged file is reported, never overwritten as if it were new.
        CDialog::OnInitDialog();
        AfxMessageBox("The address file " + m_strPath + " cannot be read.\n\n" + m_file.GetErrorText(),
                      MB_OK | MB_ICONSTOP);
        EndDialog(IDCANCEL);
        return TRUE;
    }
    m_bNewFile = !bExists;
    if (!m_bNewFile) {
        m_nCables = static_cast<int>(m_file.m_nCables);
        m_nTakeouts = static_cast<int>(m_file.m_nTakeouts);
        m_nFactor = static_cast<int>(m_file.m_nFactor);
        m_nRollDirection = m_file.m_bYRoll ? 1 : 0;
        m_nXMove = static_cast<int>(m_file.m_nXMove);
        m_nYMove = static_cast<int>(m_file.m_nYMove);
        m_nElectrodes = static_cast<int>(m_file.m_nElectrodes);
        m_strName = FileStem(FileNamePart(m_strPath));
    }
    if (auto* pList = static_cast<CListBox*>(GetDlgItem(IDC_ADR_ENTRIES))) {
        pList->ResetContent();
        for (const CString& strRow : m_file.m_rows)
            pList->AddString(strRow);
    }
    CDialog::OnInitDialog();
    if (m_bNewFile) {
        SetWindowText("Vika Address File: <New>");
        GetDlgItem(IDOK)->EnableWindow(!m_strName.IsEmpty());
    } else {
        SetWindowText("Edit Vika Address File - " + m_strPath);
        GetDlgItem(IDC_ADR_NAME)->EnableWindow(FALSE);
        GetDlgItem(IDC_GENERATE)->EnableWindow(FALSE);
    }
    m_lbEntries.Initialize(this, IDC_ADR_ENTRIES, kEntryListStyle);
    m_lbEntries.SetAutoAdvance(TRUE);
    m_lbEntries.SetAutoAdvanceSpaces(1);
    m_lbEntries.SetWindowText("Address Map: Electr. Adr Cable-Takeout");
    SetSpinRange(this, IDC_CABLES_SPIN, 1, 16);
    SetSpinRange(this, IDC_TAKEOUTS_SPIN, 1, 256);
    SetSpinRange(this, IDC_FACTOR_SPIN, 1, 8);
    SetSpinRange(this, IDC_XMOVE_SPIN, 1, 256);
    SetSpinRange(this, IDC_YMOVE_SPIN, 1, 256);
    SetSpinRange(this, IDC_ELECTRODES_SPIN, 1, 1024);
    UpdateData(FALSE);
    UpdateMoveFields();
    m_bInitialized = TRUE;
    CopyLayoutToList();
    return TRUE;
}

void CVikaAddressDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_ADR_NAME, m_strName);
    DDV_MaxChars(pDX, m_strName, 8);
    DDX_Text(pDX, IDC_CABLES, m_nCables);
    DDV_MinMaxInt(pDX, m_nCables, 1, 16);
    DDX_Text(pDX, IDC_TAKEOUTS, m_nTakeouts);
    DDV_MinMaxInt(pDX, m_nTakeouts, 1, 256);
    DDX_Text(pDX, IDC_FACTOR, m_nFactor);
    DDV_MinMaxInt(pDX, m_nFactor, 1, 8);
    DDX_Radio(pDX, IDC_ROLL_X, m_nRollDirection);
    DDX_Text(pDX, IDC_XMOVE, m_nXMove);
    DDV_MinMaxInt(pDX, m_nXMove, 0, 256);
    DDX_Text(pDX, IDC_YMOVE, m_nYMove);
    DDV_MinMaxInt(pDX, m_nYMove, 0, 256);
    DDX_Text(pDX, IDC_ELECTRODES, m_nElectrodes);
    DDV_MinMaxInt(pDX, m_nElectrodes, 1, 1024);
    DDX_Text(pDX, IDC_HINT, m_strHint);
}

void CVikaAddressDlg::UpdateMoveFields()
{
    if (!UpdateData(TRUE))
        return;
    GetDlgItem(IDC_XMOVE)->EnableWindow(m_nRollDirection == 0);
    GetDlgItem(IDC_YMOVE)->EnableWindow(m_nRollDirection == 1);
}

void CVikaAddressDlg::ShowHint(LPCTSTR pszHint)
{
    m_strHint = pszHint;
    SetDlgItemText(IDC_HINT, m_strHint);
}

void CVikaAddressDlg::OnCablesHint()
{
    ShowHint(
        "Number of cables in the layout. All cables need notbe active, some might just be placeholders.");
}

void CVikaAddressDlg::OnTakeoutsHint()
{
    ShowHint("Number of takeouts per cable. All cables must havethe same number of takeouts.");
}

void CVikaAddressDlg::OnFactorHint()
{
    ShowHint(
        "Electrode spacing multiplication factor. This value is 1 when every takeout is used, 2 when every "
        "second takeout is used, and so on.");
}

void CVikaAddressDlg::OnXMoveHint()
{
    ShowHint(
        "Number of active electrode separations to move a cable at layout roll-along in theX-direction.");
}

void CVikaAddressDlg::OnYMoveHint()
{
    ShowHint(
        "Number of active electrode separations to move a cable at layout roll-along in theY-direction.");
}

void CVikaAddressDlg::OnElectrodesHint()
{
    ShowHint("Total number of active electrode takeouts in this layout.");
}

void CVikaAddressDlg::OnEntriesHint()
{
    ShowHint("Edit the electrode address map entries.");
}

void CVikaAddressDlg::OnSelChangeEntries()
{
    CListBox* pList = m_lbEntries.GetListBoxCtrl();
    if (!pList)
        return;
    int nSelected = -1;
    for (int i = 0; i < pList->GetCount(); ++i)
        if (pList->GetSel(i) > 0)
            nSelected = i;
    AdrItemRow row;
    if (!row.Parse(RowText(pList, nSelected)))
        return;
    ShowHint(RelayPinHint(row.nAddress));
}

void CVikaAddressDlg::OnNameChanged()
{
    CString strName;
    GetDlgItemText(IDC_ADR_NAME, strName);
    if (CWnd* pSave = GetDlgItem(IDOK))
        pSave->EnableWindow(!strName.Trim().IsEmpty() || !m_strPath.IsEmpty());
}

void CVikaAddressDlg::OnLayoutUpdate()
{
    if (m_bInitialized)
        CopyLayoutToList();
}

void CVikaAddressDlg::CopyLayoutToList()
{
    m_lbEntries.m_nCables = static_cast<int>(GetDlgItemInt(IDC_CABLES, nullptr, FALSE));
    m_lbEntries.m_nTakeouts = static_cast<int>(GetDlgItemInt(IDC_TAKEOUTS, nullptr, FALSE));
}

AddressHeader CVikaAddressDlg::CurrentLayout() const
{
    AddressHeader layout;
    layout.m_nCables = static_cast<UINT>(m_nCables);
    layout.m_nTakeouts = static_cast<UINT>(m_nTakeouts);
    layout.m_nFactor = static_cast<UINT>(m_nFactor);
    layout.m_nXMove = static_cast<UINT>(m_nXMove);
    layout.m_nYMove = static_cast<UINT>(m_nYMove);
    layout.m_bYRoll = m_nRollDirection == 1;
    layout.m_nElectrodes = static_cast<UINT>(m_nElectrodes);
    return layout;
}

void CVikaAddressDlg::OnGenerate()
{
    if (!UpdateData(TRUE))
        return;
    CListBox* pList = m_lbEntries.GetListBoxCtrl();
    const BOOL bHasEntries = m_lbEntries.GetRealRowCount() > 0;
    CVikaCreateAdrMapDlg dialog(CurrentLayout(), pList, bHasEntries, this);
    if (dialog.DoModal() == IDOK) {
        m_lbEntries.EnsureTrailingRow();
        UpdateData(FALSE);
    }
}

void CVikaAddressDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (m_strPath.IsEmpty()) {
        CString strName(m_strName);
        if (strName.Trim().IsEmpty()) {
            AfxMessageBox("Please enter a name for the address file!", MB_OK | MB_ICONEXCLAMATION);
            return;
        }
        const int nDot = strName.Find('.');
        if (nDot >= 0)
            strName = strName.Left(nDot);
        m_strPath = m_strFolder + strName + g_strVikaExtensions[VikaAdr];
    }
    if (m_bNewFile && PathExists(m_strPath) &&
        AfxMessageBox("Address file exists. Overwrite?", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    static_cast<AddressHeader&>(m_file) = CurrentLayout();
    m_file.m_rows = ListRows(m_lbEntries.GetListBoxCtrl(), TRUE);
    if (!m_file.Write(m_strPath)) {
        // The edits stay in the dialog.
        AfxMessageBox("An error ocurred while writing the file.", MB_OK | MB_ICONSTOP);
        return;
    }
    EndDialog(IDOK);
}
