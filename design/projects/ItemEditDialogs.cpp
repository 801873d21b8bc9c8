#include "framework/Framework.h"
#include "design/projects/ItemEditDialogs.h"
#include "framework/HostServices.h"
#include "res/resource.h"

#include <vector>

namespace {

CString ReadMembers(LPCTSTR pszSection, LPCTSTR pszDefault)
{
    return GetHostServices().Profile().GetString(pszSection, "Members", pszDefault);
}

void WriteMembers(LPCTSTR pszSection, const std::vector<int>& values)
{
    GetHostServices().Profile().WriteString(pszSection, "Members", FormatMembers(values));
}

void SetSpin(CWnd* pDialog, int nId, int nLower, int nUpper)
{
    if (auto* pSpin = static_cast<CSpinButtonCtrl*>(pDialog->GetDlgItem(nId)))
        pSpin->SendMessage(UDM_SETRANGE32, nLower, nUpper);
}

void SetCaptionWithLine(CWnd* pDialog, int nLine)
{
    CString strTitle;
    pDialog->GetWindowText(strTitle);
    CString strCaption;
    strCaption.Format("%s: #%d", static_cast<LPCTSTR>(strTitle), nLine);
    pDialog->SetWindowText(strCaption);
}

// Vika dialog edits: C1, C2, P1 ch1, P2 ch1, P1 ch2, ... in row order.
const int kVikaEdits[VikaCommandRow::MaxValues] = {1186, 1187, 1188, 1189, 1190, 1191, 1192, 1193, 1194, 1195};
const int kPolyvectEdits[4] = {1186, 1187, 1188, 1189};
const int kPolyvectSpins[4] = {1196, 1201, 1197, 1202};

} // namespace

// ---------------------------------------------------------------- address

CEditAdrItemDlg::CEditAdrItemDlg(CString& strRow, const int* pLayout, CWnd* pParent)
    : CDialog(IDD_EDIT_ADR_ITEM, pParent), m_strRow(strRow), m_pLayout(pLayout)
{
}

void CEditAdrItemDlg::LoadMembers(AdrItemRow& row)
{
    std::vector<int> values = {0, 0, 0};
    ParseMembers(ReadMembers("EditAdrItemDlg", "0,0,0"), values);
    row.nAddress = values[0];
    row.nCable = values[1];
    row.nTakeout = values[2];
}

BOOL CEditAdrItemDlg::OnInitDialog()
{
    if (!m_row.Parse(m_strRow) && m_pLayout) {
        m_row.nElectrode = m_pLayout[0];
        m_row.nAddress = m_pLayout[1];
        m_row.nCable = m_pLayout[2];
        m_row.nTakeout = m_pLayout[3];
    }
    CDialog::OnInitDialog();
    const int nCables = m_pLayout ? m_pLayout[5] : 16;
    const int nTakeouts = m_pLayout ? m_pLayout[6] : 256;
    SetSpin(this, IDC_ADR_CABLE_SPIN, 1, nCables);
    SetSpin(this, IDC_ADR_RELAY_SPIN, 1, 256);
    SetSpin(this, IDC_ADR_TAKEOUT_SPIN, 1, nTakeouts);
    return TRUE;
}

void CEditAdrItemDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_ADR_ELECTRODE, m_row.nElectrode);
    DDX_Text(pDX, IDC_ADR_RELAY, m_row.nAddress);
    DDV_MinMaxInt(pDX, m_row.nAddress, 0, 256);
    DDX_Text(pDX, IDC_ADR_CABLE, m_row.nCable);
    DDV_MinMaxInt(pDX, m_row.nCable, 1, m_pLayout ? m_pLayout[5] : 16);
    DDX_Text(pDX, IDC_ADR_TAKEOUT, m_row.nTakeout);
    DDV_MinMaxInt(pDX, m_row.nTakeout, 1, m_pLayout ? m_pLayout[6] : 256);
}

void CEditAdrItemDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    m_strRow = m_row.Format();
    WriteMembers("EditAdrItemDlg", {m_row.nAddress, m_row.nCable, m_row.nTakeout});
    EndDialog(IDOK);
}

// ---------------------------------------------------------------- Vika command

CEditVikaCommandDlg::CEditVikaCommandDlg(CString& strRow, int nChannels, int nMaxElectrode, int nLine,
                                         CWnd* pParent)
    : CDialog(IDD_EDIT_VIKA_COMMAND, pParent), m_strRow(strRow), m_nMaxElectrode(nMaxElectrode)
{
    if (m_row.Parse(strRow))
        return;
    // A new row holds C1, C2 and a pair per channel, from the remembered values.
    std::vector<int> values(VikaCommandRow::MaxValues, 0);
    ParseMembers(ReadMembers("EditVikaCommandDlg", "0,0,0,0,0,0,0,0,0,0"), values);
    std::copy(values.begin(), values.end(), m_row.values);
    m_row.nValues = VikaCommandRow::ValuesForChannels(nChannels);
    m_row.nLine = nLine;
}

BOOL CEditVikaCommandDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetCaptionWithLine(this, m_row.nLine);
    for (int nSpin = 1196; nSpin <= 1205; ++nSpin)
        SetSpin(this, nSpin, 0, m_nMaxElectrode);
    return TRUE;
}

void CEditVikaCommandDlg::DoDataExchange(CDataExchange* pDX)
{
    for (int i = 0; i < VikaCommandRow::MaxValues; ++i) {
        DDX_Text(pDX, kVikaEdits[i], m_row.values[i]);
        DDV_MinMaxInt(pDX, m_row.values[i], 0, m_nMaxElectrode);
    }
}

void CEditVikaCommandDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    m_strRow = m_row.Format();
    WriteMembers("EditVikaCommandDlg", std::vector<int>(m_row.values, m_row.values + VikaCommandRow::MaxValues));
    EndDialog(IDOK);
}

// ---------------------------------------------------------------- Polyvect command

CEditPolyvectCommandDlg::CEditPolyvectCommandDlg(CString& strRow, int nLine, CWnd* pParent)
    : CDialog(IDD_EDIT_POLYVECT_COMMAND, pParent), m_strRow(strRow)
{
    if (m_row.Parse(strRow))
        return;
    std::vector<int> values(5, 0);
    ParseMembers(ReadMembers("EditPolyvectCommandDlg", "0,0,0,0,0"), values);
    std::copy(values.begin(), values.begin() + 4, m_row.electrodes);
    m_row.nCommand = values[4] >= 0 && values[4] < PolyvectCommandRow::CommandCount ? values[4] : 0;
    m_row.nLine = nLine;
}

BOOL CEditPolyvectCommandDlg::OnInitDialog()
{
    if (auto* pCombo = static_cast<CComboBox*>(GetDlgItem(IDC_POLYVECT_COMMAND))) {
        pCombo->AddString("Measure (C1, C2, P1, P2)");
        for (int i = 1; i < PolyvectCommandRow::CommandCount; ++i)
            pCombo->AddString(PolyvectCommandRow::CommandText(i));
    }
    CDialog::OnInitDialog();
    SetCaptionWithLine(this, m_row.nLine);
    for (int nSpin : kPolyvectSpins)
        SetSpin(this, nSpin, 0, 9999);
    return TRUE;
}

void CEditPolyvectCommandDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_CBIndex(pDX, IDC_POLYVECT_COMMAND, m_row.nCommand);
    for (int i = 0; i < 4; ++i)
        DDX_Text(pDX, kPolyvectEdits[i], m_row.electrodes[i]);
}

void CEditPolyvectCommandDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    m_strRow = m_row.Format();
    WriteMembers("EditPolyvectCommandDlg", {m_row.electrodes[0], m_row.electrodes[1], m_row.electrodes[2],
                                            m_row.electrodes[3], m_row.nCommand});
    EndDialog(IDOK);
}
