#include "framework/Framework.h"
#include "design/projects/VikaCreateProtocolDlg.h"
#include "design/projects/DesignControls.h"
#include "design/projects/FolderTitles.h"
#include "design/projects/GenerationProgress.h"
#include "design/projects/VikaProtocolCustomizeDlg.h"
#include "design/projects/VikaProtocolInfo.h"
#include "design/ArrayCodes.h"
#include "app/project/FolderSettings.h"
#include "app/project/ProtocolModel.h"
#include "framework/OsFile.h"
#include "framework/PathNames.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CVikaCreateProtocolDlg, CDialog)
    ON_CBN_SELCHANGE(IDC_ARRAY_TYPE, OnArrayTypeChanged)
    ON_EN_UPDATE(IDC_CHANNELS, UpdatePolePoleBox)
    ON_BN_CLICKED(IDC_SINGLE_POLE_POLE, OnPolePoleClicked)
    ON_BN_CLICKED(IDC_CUSTOMIZE, OnCustomize)
END_MESSAGE_MAP()

namespace {

constexpr const char* kNone = "<none>";

bool PathExists(const CString& strPath)
{
    DWORD dwAttributes = 0;
    return OsFile::GetAttributes(strPath, dwAttributes);
}

std::vector<CString> WithNone(std::vector<CString> items)
{
    items.insert(items.begin(), kNone);
    return items;
}

} // namespace

CVikaCreateProtocolDlg::CVikaCreateProtocolDlg(CProtocolModel* pModel, CWnd* pParent)
    : CDialog(IDD_VIKA_CREATE_PROTOCOL, pParent), m_pModel(pModel)
{
    m_strFolder = pModel ? pModel->GetSourceFolder()
                         : CFolderSettings::Read(GetHostServices().Profile(), "VikaProtocols",
                                                 CFolderSettings::Default(CFolderSettings::VikaProtocols));
    m_strFolder = WithTrailingBackslash(m_strFolder);
}

CString CVikaCreateProtocolDlg::SpacingCaption(const CString& strCaption, int nExcluded)
{
    if (nExcluded <= 0)
        return strCaption;
    CString strText;
    strText.Format("%s  [%d item%s excluded]", static_cast<LPCTSTR>(strCaption), nExcluded,
                   nExcluded >= 2 ? "s" : "");
    return strText;
}

BOOL CVikaCreateProtocolDlg::OnInitDialog()
{
    m_cbArrayType.SubclassDlgItem(IDC_ARRAY_TYPE, this);
    m_cbAddress.SubclassDlgItem(IDC_ADDRESS_FILE, this);
    m_cbRedundancy.SubclassDlgItem(IDC_REDUNDANCY_FILE, this);
    m_cbGeometry.SubclassDlgItem(IDC_GEOMETRY_FILE_CREATE, this);
    for (int nSpin : {IDC_A_SMALLEST_SPIN, IDC_A_LARGEST_SPIN, IDC_N_SMALLEST_SPIN, IDC_N_LARGEST_SPIN})
        SetSpinRange(this, nSpin, 1, 64);
    SetSpinRange(this, IDC_CHANNELS_SPIN, 1, 4);
    if (auto* pId = static_cast<CEdit*>(GetDlgItem(IDC_PROTOCOL_ID)))
        pId->SendMessage(EM_LIMITTEXT, 8, 0);
    FillGeneratedArrayTypes(m_cbArrayType);
    const std::vector<CString> addresses = FolderTitles(m_strFolder, g_strVikaExtensions[VikaAdr], FALSE);
    FillCombo(m_cbAddress, addresses);
    FillCombo(m_cbRedundancy, WithNone(addresses));
    FillCombo(m_cbGeometry, WithNone(FolderTitles(m_strFolder, g_strVikaExtensions[VikaXyz], FALSE)));
    m_settings.Load();

    CDialog::OnInitDialog();
    if (!m_pModel) {
        CheckDlgButton(IDC_ADD_TO_PROJECT, BST_UNCHECKED);
        EnableItem(this, IDC_ADD_TO_PROJECT, FALSE);
    }
    GetDlgItemText(IDC_SPACING_GROUP, m_strSpacingCaption);
    GetDlgItemText(IDC_N_GROUP, m_strLevelCaption);
    m_bInitialized = TRUE;
    OnArrayTypeChanged();
    return TRUE;
}

void CVikaCreateProtocolDlg::DoDataExchange(CDataExchange* pDX)
{
    CVikaProtocolCreation& s = m_settings;
    DDX_Text(pDX, IDC_PROTOCOL_ID, s.m_strProtocolId);
    DDV_MaxChars(pDX, s.m_strProtocolId, 8);
    if (pDX->m_bSaveAndValidate) {
        s.m_nArrayIndex = SelectedArrayCode(m_cbArrayType);
        s.m_strAddressFile = SelectedText(m_cbAddress);
        s.m_strRedundancyFile = SelectedText(m_cbRedundancy);
        s.m_strGeometryFile = SelectedText(m_cbGeometry);
        if (s.m_strGeometryFile.IsEmpty())
            s.m_strGeometryFile = kNone;
    } else {
        SelectArrayCode(m_cbArrayType, s.m_nArrayIndex);
        SelectExact(m_cbAddress, s.m_strAddressFile);
        SelectExact(m_cbRedundancy, s.m_strRedundancyFile);
        SelectExact(m_cbGeometry, s.m_strGeometryFile);
    }
    DDX_Text(pDX, IDC_CHANNELS, s.m_nChannels);
    DDV_MinMaxInt(pDX, s.m_nChannels, 1, 4);
    DDX_Text(pDX, IDC_A_SMALLEST, s.m_aSmallest);
    DDV_MinMaxInt(pDX, s.m_aSmallest, 1, 256);
    DDX_Text(pDX, IDC_A_LARGEST, s.m_aLargest);
    DDV_MinMaxInt(pDX, s.m_aLargest, 1, 256);
    DDX_Text(pDX, IDC_N_SMALLEST, s.m_nSmallest);
    DDV_MinMaxInt(pDX, s.m_nSmallest, 1, 64);
    DDX_Text(pDX, IDC_N_LARGEST, s.m_nLargest);
    DDV_MinMaxInt(pDX, s.m_nLargest, 1, 64);
    DDX_Radio(pDX, IDC_LAYOUT_NORMAL, s.m_nLayout);
    DDX_Check(pDX, IDC_CREATE_ORG, s.m_bCreateOrg);
    DDX_Check(pDX, IDC_CREATE_UP, s.m_bCreateUp);
    DDX_Check(pDX, IDC_CREATE_DWN, s.m_bCreateDwn);
    // Without a project the box means nothing; the remembered choice stays.
    if (m_pModel)
        DDX_Check(pDX, IDC_ADD_TO_PROJECT, s.m_bAddToProject);
}

void CVikaCreateProtocolDlg::OnArrayTypeChanged()
{
    if (!m_bInitialized || !UpdateData(TRUE))
        return;
    const int nCode = m_settings.m_nArrayIndex;
    const BOOL bUsesN = CVikaProtocolCreation::UsesN(nCode);
    for (int nId : {IDC_N_SMALLEST, IDC_N_SMALLEST_SPIN, IDC_N_LARGEST, IDC_N_LARGEST_SPIN})
        EnableItem(this, nId, bUsesN);
    const BOOL bChannels = CVikaProtocolCreation::AllowsChannels(nCode);
    if (!bChannels)
        m_settings.m_nChannels = 1;
    EnableItem(this, IDC_CHANNELS, bChannels);
    EnableItem(this, IDC_CHANNELS_SPIN, bChannels);
    UpdateData(FALSE);
    UpdatePolePoleBox();
}

void CVikaCreateProtocolDlg::UpdatePolePoleBox()
{
    if (!m_bInitialized)
        return;
    const int nCode = SelectedArrayCode(m_cbArrayType);
    const BOOL bEnabled = nCode == ArrayPolePole && GetDlgItemInt(IDC_CHANNELS, nullptr, FALSE) == 3;
    EnableItem(this, IDC_SINGLE_POLE_POLE, bEnabled);
    CheckDlgButton(IDC_SINGLE_POLE_POLE,
                   bEnabled && m_settings.m_bSinglePolePole ? BST_CHECKED : BST_UNCHECKED);
}

void CVikaCreateProtocolDlg::OnPolePoleClicked()
{
    CWnd* pBox = GetDlgItem(IDC_SINGLE_POLE_POLE);
    if (pBox && pBox->IsWindowEnabled())
        m_settings.m_bSinglePolePole = IsDlgButtonChecked(IDC_SINGLE_POLE_POLE) == BST_CHECKED;
}

void CVikaCreateProtocolDlg::OnCustomize()
{
    if (!UpdateData(TRUE))
        return;
    if (m_settings.m_nArrayIndex < 0) {
        AfxMessageBox("Please choose the array type first.", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    // The pairs shown are the ones the generator will run.
    const BOOL bUsesN = m_settings.UsesN();
    const SpacingRange range{m_settings.MinA(), m_settings.MaxA(), m_settings.MinN(), m_settings.MaxN(),
                             bUsesN};
    const CString strFormat = bUsesN ? " a = %d, n = %d  (PD = %.2f)" : " a = %d  (PD = %.2f)";
    CVikaProtocolCustomizeDlg dialog(&m_skipList, range, strFormat, "Select Spacing Combinations",
                                     m_settings.m_nArrayIndex, nullptr);
    dialog.DoModal();
    SetDlgItemText(IDC_SPACING_GROUP,
                   SpacingCaption(m_strSpacingCaption, static_cast<int>(m_skipList.GetCount())));
}

BOOL CVikaCreateProtocolDlg::CheckInput()
{
    const CVikaProtocolCreation& s = m_settings;
    if (s.m_strProtocolId.IsEmpty() || s.m_strAddressFile.IsEmpty() || s.m_nArrayIndex < 0) {
        AfxMessageBox("Please enter protocol name, array type and address file.", MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    if (PathExists(m_strFolder + s.m_strProtocolId + g_strVikaExtensions[VikaOrg])) {
        CString strQuestion;
        strQuestion.Format("Protocol '%s' already exists. Overwrite?",
                           static_cast<LPCTSTR>(s.m_strProtocolId));
        if (AfxMessageBox(strQuestion, MB_YESNO | MB_ICONQUESTION) != IDYES)
            return FALSE;
    }
    if (!PathExists(m_strFolder + s.m_strAddressFile + g_strVikaExtensions[VikaAdr])) {
        AfxMessageBox("Could not find specified address file.", MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    return TRUE;
}

void CVikaCreateProtocolDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    m_settings.Save();
    if (!CheckInput())
        return;
    {
        CGenerationProgress progress(this);
        m_result = RunProtocolCreation(
            m_settings, m_strFolder, &m_skipList, [&progress] { return progress.IsCancelled(); }, FALSE);
    }
    ReportResult();
    if (m_result.outcome != ProtocolCreationResult::Created)
        return;
    if (m_settings.m_bAddToProject && m_pModel) {
        m_pModel->AddByFileName(m_settings.m_strProtocolId);
        if (CProtocolInfo* pInfo = m_pModel->FindInfo(m_settings.m_strProtocolId))
            pInfo->ReadHeader();
        m_pModel->SetModifiedFlag(TRUE);
    }
    EndDialog(IDOK);
}

void CVikaCreateProtocolDlg::ReportResult()
{
    switch (m_result.outcome) {
    case ProtocolCreationResult::Cancelled:
        AfxMessageBox("Protocol creation was cancelled. No protocol files were written.",
                      MB_OK | MB_ICONINFORMATION);
        return;
    case ProtocolCreationResult::NothingGenerated:
        AfxMessageBox("No measurements could be generated for these choices. No protocol was created.",
                      MB_OK | MB_ICONEXCLAMATION);
        return;
    case ProtocolCreationResult::Failed:
        AfxMessageBox("The protocol could not be created.\n\n" + m_result.strError, MB_OK | MB_ICONSTOP);
        return;
    case ProtocolCreationResult::Created:
        break;
    }
    if (m_result.bSomeChosenEmpty)
        AfxMessageBox("At least one empty protocol was created!", MB_OK | MB_ICONEXCLAMATION);
    const CString& strId = m_settings.m_strProtocolId;
    CString strSummary;
    strSummary.Format("%s%s: %u entries\n%s%s: %u entries\n%s%s: %u entries", static_cast<LPCTSTR>(strId),
                      ".ORG", static_cast<unsigned>(m_result.counts[0]), static_cast<LPCTSTR>(strId), ".UP",
                      static_cast<unsigned>(m_result.counts[1]), static_cast<LPCTSTR>(strId), ".DWN",
                      static_cast<unsigned>(m_result.counts[2]));
    AfxMessageBox(strSummary, MB_OK | MB_ICONINFORMATION);
}
