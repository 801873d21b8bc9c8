#include "framework/Framework.h"
#include "design/projects/EditPolyvectCommandDlg.h"
#include "design/projects/DesignControls.h"
#include "res/resource.h"

#include <algorithm>
#include <vector>

namespace {

const int kEdits[4] = {1186, 1187, 1188, 1189};
const int kSpins[4] = {1196, 1201, 1197, 1202};

} // namespace

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
    AppendLineToCaption(this, m_row.nLine);
    for (int nSpin : kSpins)
        SetSpinRange(this, nSpin, 0, 9999);
    return TRUE;
}

void CEditPolyvectCommandDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_CBIndex(pDX, IDC_POLYVECT_COMMAND, m_row.nCommand);
    for (int i = 0; i < 4; ++i)
        DDX_Text(pDX, kEdits[i], m_row.electrodes[i]);
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
