#include "framework/Framework.h"
#include "conversion/ConversionOptionDlg.h"
#include "framework/OsFile.h"
#include "conversion/ConversionReplaceDlg.h"
#include "res/ConversionRes.h"

BEGIN_MESSAGE_MAP(CConversionOptionDlg, CDialog)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_CONV_UNCONDITIONAL, IDC_CONV_IGNORE_GEOMETRY, OnControlChanged)
    ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_CONV_THRESHOLD, IDC_CONV_Z_GRID, OnControlChanged)
    ON_CBN_SETFOCUS(IDC_CONV_FORMAT, OnFormatFocus)
    ON_CBN_SELCHANGE(IDC_CONV_FORMAT, OnFormatChanged)
    ON_CBN_SELCHANGE(IDC_CONV_COORDINATE_TYPE, OnOptionChanged)
    ON_CBN_SETFOCUS(IDC_CONV_COORDINATE_TYPE, OnOptionChanged)
END_MESSAGE_MAP()

namespace {

// Every control whose state follows the options.
const UINT kControls[] = {
    IDC_CONV_UNCONDITIONAL, IDC_CONV_OVERWRITE, IDC_CONV_NO_REJECTION, IDC_CONV_REJECT_NEGATIVE,
    IDC_CONV_REJECT_POSITIVE, IDC_CONV_THRESHOLD_ON, IDC_CONV_THRESHOLD, IDC_CONV_FORCE_RESISTANCE,
    IDC_CONV_IP_ALL, IDC_CONV_IP_SINGLE, IDC_CONV_IP_SUM, IDC_CONV_SINGLE_WINDOW, IDC_CONV_SUM_FROM,
    IDC_CONV_SUM_TO, IDC_CONV_CHANNEL1, IDC_CONV_CHANNEL2, IDC_CONV_CHANNEL3, IDC_CONV_CHANNEL4,
    IDC_CONV_OUTPUT_ALL, IDC_CONV_MARINE, IDC_CONV_WATER_RESISTIVITY, IDC_CONV_ADD_COMMENTS,
    IDC_CONV_LOCAL_DATUM, IDC_CONV_LEFT_LIMIT, IDC_CONV_RIGHT_LIMIT, IDC_CONV_USE_GEOMETRY,
    IDC_CONV_REVERSE_SIGN, IDC_CONV_GEOMETRY_FILE, IDC_CONV_IP_NONE, IDC_CONV_SAMPLE_NUMBERS,
    IDC_CONV_SAMPLE_RANGE_ON, IDC_CONV_SAMPLE_FROM, IDC_CONV_SAMPLE_TO, IDC_CONV_X_GRID, IDC_CONV_Y_GRID,
    IDC_CONV_Z_GRID, IDC_CONV_COORDINATE_TYPE, IDC_CONV_GRID_CHANGE, IDC_CONV_TIME_STAMP,
    IDC_CONV_IGNORE_GEOMETRY,
};

const char* const kCoordinateTypes[] = {"Index", "X-coords. (m)", "XY-coords. (m)", "XYZ-coords. (m)",
                                        "Electrode numbers"};

// The IP radio group starts at "Do not convert IP data": mode 0 to 3.
const UINT kIpRadios[] = {IDC_CONV_IP_NONE, IDC_CONV_IP_ALL, IDC_CONV_IP_SINGLE, IDC_CONV_IP_SUM};
const UINT kRejectionRadios[] = {IDC_CONV_NO_REJECTION, IDC_CONV_REJECT_NEGATIVE, IDC_CONV_REJECT_POSITIVE};

template <size_t N>
void ShowRadio(CWnd& dialog, const UINT (&ids)[N], int nValue)
{
    for (size_t i = 0; i < N; ++i)
        dialog.CheckDlgButton(ids[i], static_cast<int>(i) == nValue ? BST_CHECKED : BST_UNCHECKED);
}

template <size_t N>
int TakeRadio(CWnd& dialog, const UINT (&ids)[N], int nValue)
{
    for (size_t i = 0; i < N; ++i)
        if (dialog.IsDlgButtonChecked(ids[i]) == BST_CHECKED)
            return static_cast<int>(i);
    return nValue;
}

} // namespace

CConversionOptionDlg::CConversionOptionDlg(const CString& strOutputFolder, CWnd* pParent)
    : CDialog(IDD_CONVERSION_OPTIONS, pParent)
    , m_strOutputFolder(strOutputFolder)
{
}

CConversionOptionDlg::~CConversionOptionDlg() = default;

void CConversionOptionDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    CConversionOptions& o = m_options;
    auto enabled = [this](UINT nId) { return m_bChecking && GetDlgItem(nId) && GetDlgItem(nId)->IsWindowEnabled(); };
    DDX_Check(pDX, IDC_CONV_OVERWRITE, o.bOverwrite);
    DDX_Check(pDX, IDC_CONV_UNCONDITIONAL, o.bUnconditional);
    DDX_Check(pDX, IDC_CONV_THRESHOLD_ON, o.bThresholdOn);
    DDX_Text(pDX, IDC_CONV_THRESHOLD, o.dThreshold);
    if (enabled(IDC_CONV_THRESHOLD))
        DDV_MinMaxDouble(pDX, o.dThreshold, 0.0, 100.0);
    DDX_Check(pDX, IDC_CONV_FORCE_RESISTANCE, o.bForceResistance);
    DDX_Text(pDX, IDC_CONV_SINGLE_WINDOW, o.nSingleWindow);
    if (enabled(IDC_CONV_SINGLE_WINDOW))
        DDV_MinMaxInt(pDX, o.nSingleWindow, 1, 10);
    DDX_Text(pDX, IDC_CONV_SUM_FROM, o.nSumFrom);
    if (enabled(IDC_CONV_SUM_FROM))
        DDV_MinMaxInt(pDX, o.nSumFrom, 1, 10);
    DDX_Text(pDX, IDC_CONV_SUM_TO, o.nSumTo);
    if (enabled(IDC_CONV_SUM_TO))
        DDV_MinMaxInt(pDX, o.nSumTo, 1, 10);
    DDX_Check(pDX, IDC_CONV_CHANNEL1, o.bChannel[0]);
    DDX_Check(pDX, IDC_CONV_CHANNEL2, o.bChannel[1]);
    DDX_Check(pDX, IDC_CONV_CHANNEL3, o.bChannel[2]);
    DDX_Check(pDX, IDC_CONV_CHANNEL4, o.bChannel[3]);
    DDX_Text(pDX, IDC_CONV_COMMAND_LINE, m_strCommandLine);
    DDX_Check(pDX, IDC_CONV_MARINE, o.bMarine);
    DDX_Text(pDX, IDC_CONV_LOCAL_DATUM, o.dLocalDatum);
    DDX_Text(pDX, IDC_CONV_LEFT_LIMIT, o.dLeftLimit);
    DDX_Text(pDX, IDC_CONV_WATER_RESISTIVITY, o.dWaterResistivity);
    DDX_Text(pDX, IDC_CONV_RIGHT_LIMIT, o.dRightLimit);
    DDX_Check(pDX, IDC_CONV_ADD_COMMENTS, o.bAddComments);
    DDX_CBIndex(pDX, IDC_CONV_FORMAT, o.nFormat);
    DDX_Check(pDX, IDC_CONV_USE_GEOMETRY, o.bUseGeometry);
    DDX_Text(pDX, IDC_CONV_GEOMETRY_FILE, o.strGeometryFile);
    DDV_MaxChars(pDX, o.strGeometryFile, 127);
    DDX_Check(pDX, IDC_CONV_SAMPLE_NUMBERS, o.bSampleNumbers);
    DDX_Check(pDX, IDC_CONV_SAMPLE_RANGE_ON, o.bSampleRangeOn);
    DDX_Text(pDX, IDC_CONV_SAMPLE_TO, o.nSampleTo);
    if (enabled(IDC_CONV_SAMPLE_TO))
        DDV_MinMaxLong(pDX, o.nSampleTo, 1, kMaxSampleNumber);
    DDX_Text(pDX, IDC_CONV_SAMPLE_FROM, o.nSampleFrom);
    if (enabled(IDC_CONV_SAMPLE_FROM))
        DDV_MinMaxLong(pDX, o.nSampleFrom, 1, kMaxSampleNumber);
    DDX_CBIndex(pDX, IDC_CONV_COORDINATE_TYPE, o.nCoordinateType);
    DDX_Check(pDX, IDC_CONV_OUTPUT_ALL, o.bOutputAll);
    DDX_Check(pDX, IDC_CONV_GRID_CHANGE, o.bGridChange);
    DDX_Text(pDX, IDC_CONV_X_GRID, o.dGridX);
    if (enabled(IDC_CONV_X_GRID))
        DDV_MinMaxDouble(pDX, o.dGridX, 0.01, 1000.0);
    DDX_Text(pDX, IDC_CONV_Y_GRID, o.dGridY);
    if (enabled(IDC_CONV_Y_GRID))
        DDV_MinMaxDouble(pDX, o.dGridY, 0.01, 1000.0);
    DDX_Check(pDX, IDC_CONV_REVERSE_SIGN, o.bReverseSign);
    DDX_Text(pDX, IDC_CONV_Z_GRID, o.dGridZ);
    if (enabled(IDC_CONV_Z_GRID))
        DDV_MinMaxDouble(pDX, o.dGridZ, 0.01, 1000.0);
    DDX_Check(pDX, IDC_CONV_TIME_STAMP, o.bTimeStamp);
    DDX_Check(pDX, IDC_CONV_IGNORE_GEOMETRY, o.bIgnoreGeometry);
    // Radio groups by their buttons: a group whose buttons are all disabled
    // still keeps its value.
    if (pDX->m_bSaveAndValidate) {
        o.nRejection = TakeRadio(*this, kRejectionRadios, o.nRejection);
        o.nIpMode = TakeRadio(*this, kIpRadios, o.nIpMode);
    } else {
        ShowRadio(*this, kRejectionRadios, o.nRejection);
        ShowRadio(*this, kIpRadios, o.nIpMode);
    }
}

BOOL CConversionOptionDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_strSavedDirectory = OsFile::CurrentDirectory();
    CProfileStore& profile = GetHostServices().Profile();
    m_pSnapshot = std::make_unique<CConversionProfileSnapshot>(profile);
    m_options.LoadProfile(profile, true);

    if (m_strOutputFolder.GetLength() > 0 && m_strOutputFolder[m_strOutputFolder.GetLength() - 1] == '\\')
        m_strOutputFolder = m_strOutputFolder.Left(m_strOutputFolder.GetLength() - 1);
    CString strTitle;
    GetWindowText(strTitle);
    CString strCaption;
    strCaption.Format("%s [Output to: %s]", static_cast<LPCTSTR>(strTitle), static_cast<LPCTSTR>(m_strOutputFolder));
    SetWindowText(strCaption);

    auto* pFormats = static_cast<CComboBox*>(GetDlgItem(IDC_CONV_FORMAT));
    for (int i = 0; i < kConversionFormatCount; ++i)
        pFormats->AddString(ConversionFormatName(i));
    auto* pCoordinates = static_cast<CComboBox*>(GetDlgItem(IDC_CONV_COORDINATE_TYPE));
    for (const char* pszType : kCoordinateTypes)
        pCoordinates->AddString(pszType);

    m_options.FitIpModeToFormat();
    m_bInitialized = TRUE;
    RefreshCommandLine();

    m_browseGeometry.Initialize(IDC_CONV_GEOMETRY_FILE, this);
    m_browseGeometry.m_strFilter = "Geometry Files (*.xyz)|*.xyz|Location Files (*.loc)|*.loc||";
    m_browseGeometry.m_strDefExt = ".xyz";
    return TRUE;
}

bool CConversionOptionDlg::TakeValues()
{
    return UpdateData(TRUE) != FALSE;
}

void CConversionOptionDlg::ShowValues()
{
    UpdateData(FALSE);
}

void CConversionOptionDlg::UpdateAllControls()
{
    for (UINT nId : kControls)
        if (CWnd* pControl = GetDlgItem(nId))
            pControl->EnableWindow(m_options.IsEnabled(nId));
}

void CConversionOptionDlg::RefreshCommandLine()
{
    m_strCommandLine = m_options.BuildCommandLine("", m_strOutputFolder);
    ShowValues();
    UpdateAllControls();
}

void CConversionOptionDlg::OnControlChanged(UINT) { OnOptionChanged(); }

void CConversionOptionDlg::OnOptionChanged()
{
    if (!m_bInitialized || !TakeValues())
        return;
    m_options.FitIpModeToFormat();
    RefreshCommandLine();
}

// The settings of the format being left are kept before another is chosen.
void CConversionOptionDlg::OnFormatFocus()
{
    if (!m_bInitialized || !TakeValues())
        return;
    m_options.SaveProfile(GetHostServices().Profile());
}

void CConversionOptionDlg::OnFormatChanged()
{
    if (!m_bInitialized || !TakeValues())
        return;
    m_options.LoadProfile(GetHostServices().Profile(), false);
    m_options.FitIpModeToFormat();
    RefreshCommandLine();
}

CString CConversionOptionDlg::BuildCommandLine(const CString& strListFile)
{
    if (m_bInitialized && GetSafeHwnd())
        TakeValues();
    return m_options.BuildCommandLine(strListFile, m_strOutputFolder);
}

int CConversionOptionDlg::ShowMessage(LPCTSTR pszText, LPCTSTR pszCaption, UINT nType)
{
    if (!pszCaption)
        return AfxMessageBox(pszText, nType);
    return ::MessageBoxA(GetSafeHwnd(), pszText, pszCaption, nType);
}

void CConversionOptionDlg::OnOK()
{
    m_bChecking = TRUE;
    const bool bTaken = TakeValues();
    m_bChecking = FALSE;
    if (!bTaken)
        return;
    m_options.FitIpModeToFormat();
    const CString strNotice = m_options.ChangeNotice();
    if (!strNotice.IsEmpty() && ShowMessage(strNotice, nullptr, MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return;
    CConversionOptions::Problem problem;
    if (!m_options.Validate([](const CString& strPath) { return OsFile::FileExists(strPath); }, problem)) {
        ShowMessage(problem.strMessage, "Validation Error!",
                    MB_OK | (problem.icon == HostIcon::Stop ? MB_ICONSTOP : MB_ICONEXCLAMATION));
        return;
    }
    RefreshCommandLine();
    m_options.SaveProfile(GetHostServices().Profile());
    LeaveDialog(IDOK);
}

// Cancel leaves every format's settings as they were when the dialog opened.
void CConversionOptionDlg::OnCancel()
{
    if (m_pSnapshot)
        m_pSnapshot->Restore();
    LeaveDialog(IDCANCEL);
}

void CConversionOptionDlg::LeaveDialog(int nResult)
{
    m_bInitialized = FALSE;
    if (!m_strSavedDirectory.IsEmpty())
        OsFile::ChangeDirectory(m_strSavedDirectory);
    EndDialog(nResult);
}

bool CConversionOptionPrompt::Confirm(const CString& strOutputFolder)
{
    m_pDialog = std::make_unique<CConversionOptionDlg>(strOutputFolder, m_pParent);
    return m_pDialog->DoModal() == IDOK;
}

CString CConversionOptionPrompt::BuildCommandLine(const CString& strListFile)
{
    return m_pDialog ? m_pDialog->BuildCommandLine(strListFile) : CString();
}

CString CConversionOptionPrompt::GetOutputExtension()
{
    return m_pDialog ? m_pDialog->GetOutputExtension() : CString();
}

BOOL CConversionOptionPrompt::GetTimeStampOption()
{
    return m_pDialog ? m_pDialog->GetTimeStampOption() : FALSE;
}

bool CConversionOptionPrompt::ConfirmReplace(const CString& strFileName, const CString& strReplacePath,
                                             const CString& strWithPath)
{
    CConversionReplaceDlg dialog(strFileName, strReplacePath, strWithPath, m_pParent);
    return dialog.DoModal() == IDYES;
}
