#include "framework/Framework.h"
#include "chart/VikaDuplicatesDlg.h"
#include "chart/ChartTexts.h"
#include "res/ChartRes.h"

CVikaDuplicatesDlg::CVikaDuplicatesDlg(CVikaChartItem* pItem,
                                       double separation, double xPos,
                                       CWnd* pParent)
    : CDialog(IDD_CHART_DUPLICATES, pParent),
      m_pItem(pItem),
      m_dSeparation(separation),
      m_dXPos(xPos) {}

BOOL CVikaDuplicatesDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  int tabStop = 10;
  SendDlgItemMessage(IDC_DUPLICATES_LIST, LB_SETTABSTOPS, 1,
                     reinterpret_cast<LPARAM>(&tabStop));
  for (const CString& line : ChartTexts::DuplicateLines(m_pItem, m_dSeparation, m_dXPos))
    SendDlgItemMessage(IDC_DUPLICATES_LIST, LB_ADDSTRING, 0,
                       reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(line)));
  UpdateData(FALSE);
  return TRUE;
}
