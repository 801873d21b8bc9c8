#include "framework/Framework.h"
#include "chart/VikaDuplicatesDlg.h"
#include "chart/VikaChartItem.h"
#include "res/ChartRes.h"

namespace {

CString LineOf(const CVikaChartItem& item, double scale)
{
    CString state, line;
    item.GetStateText(state);
    line.Format("Link: %3s \tItem: %4d \tC1=%3d \tC2=%3d \tP1=%3d \tP2=%3d \tX=%.2f \tD=%.2f",
                static_cast<LPCTSTR>(state), item.m_nLine, item.m_nA, item.m_nB, item.m_nM, item.m_nN,
                item.GetX() * scale, item.GetDepth() * scale);
    return line;
}

} // namespace

CVikaDuplicatesDlg::CVikaDuplicatesDlg(CVikaChartItem* pItem, double scale, CWnd* pParent)
    : CDialog(IDD_CHART_DUPLICATES, pParent), m_pItem(pItem), m_dScale(scale)
{
}

CStringArray* CVikaDuplicatesDlg::FormatLines(const CVikaChartItem* pItem, double scale, CStringArray& lines)
{
    lines.RemoveAll();
    const CVikaChartItemArray* pDuplicates = pItem ? pItem->GetDuplicates() : nullptr;
    if (!pDuplicates) {
        lines.Add(" --- NO DUPLICATES FOUND! ---");
        return &lines;
    }
    lines.Add(LineOf(*pItem, scale));
    for (int i = 0; i < pDuplicates->GetSize(); ++i)
        lines.Add(LineOf(*pDuplicates->GetAt(i), scale));
    return &lines;
}

BOOL CVikaDuplicatesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    int tabStop = 10;
    SendDlgItemMessage(IDC_DUPLICATES_LIST, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
    CStringArray lines;
    FormatLines(m_pItem, m_dScale, lines);
    for (int i = 0; i < lines.GetSize(); ++i)
        SendDlgItemMessage(IDC_DUPLICATES_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(lines[i])));
    UpdateData(FALSE);
    return TRUE;
}
