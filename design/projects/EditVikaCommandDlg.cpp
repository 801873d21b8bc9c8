#include "framework/Framework.h"
#include "design/projects/EditVikaCommandDlg.h"
#include "design/projects/DesignControls.h"
#include "res/resource.h"

#include <algorithm>
#include <vector>

namespace {

// C1, C2, P1 ch1, P2 ch1, P1 ch2, ... in row order.
const int kEdits[VikaCommandRow::MaxValues] = {1186, 1187, 1188, 1189, 1190, 1191, 1192, 1193, 1194, 1195};

} // namespace

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
    AppendLineToCaption(this, m_row.nLine);
    for (int nSpin = 1196; nSpin <= 1205; ++nSpin)
        SetSpinRange(this, nSpin, 0, m_nMaxElectrode);
    return TRUE;
}

void CEditVikaCommandDlg::DoDataExchange(CDataExchange* pDX)
{
    for (int i = 0; i < VikaCommandRow::MaxValues; ++i) {
        DDX_Text(pDX, kEdits[i], m_row.values[i]);
        DDV_MinMaxInt(pDX, m_row.values[i], 0, m_nMaxElectrode);
    }
}

void CEditVikaCommandDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    m_strRow = m_row.Format();
    WriteMembers("EditVikaCommandDlg",
                 std::vector<int>(m_row.values, m_row.values + VikaCommandRow::MaxValues));
    EndDialog(IDOK);
}
