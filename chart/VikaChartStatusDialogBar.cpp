#include "framework/Framework.h"
#include "chart/VikaChartStatusDialogBar.h"
#include "res/ChartRes.h"

IMPLEMENT_DYNAMIC(CVikaChartStatusDialogBar, CDialogBar)

namespace {

const int kTextIds[12] = {IDC_CHART_TEXT0, IDC_CHART_TEXT1,  IDC_CHART_TEXT2,
                          IDC_CHART_TEXT3, IDC_CHART_TEXT4,  IDC_CHART_TEXT5,
                          IDC_CHART_TEXT6, IDC_CHART_TEXT7,  IDC_CHART_TEXT8,
                          IDC_CHART_TEXT9, IDC_CHART_TEXT10, IDC_CHART_TEXT11};

}  // namespace

void CVikaChartStatusDialogBar::DoDataExchange(CDataExchange* pDX) {
  for (int i = 0; i < 12; ++i) DDX_Text(pDX, kTextIds[i], m_texts[i]);
}

void CVikaChartStatusDialogBar::ShowFields() {
  if (m_hWnd) UpdateData(FALSE);
}
