#include "framework/Framework.h"
#include "design/projects/EditAdrItemDlg.h"
#include "design/projects/DesignControls.h"
#include "res/resource.h"

#include <algorithm>
#include <vector>

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
    SetSpinRange(this, IDC_ADR_CABLE_SPIN, 1, nCables);
    SetSpinRange(this, IDC_ADR_RELAY_SPIN, 1, 256);
    SetSpinRange(this, IDC_ADR_TAKEOUT_SPIN, 1, nTakeouts);
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
