#include "framework/Framework.h"
#include "chart/VikaChartFrame.h"
#include "res/ChartRes.h"

IMPLEMENT_DYNCREATE(CVikaChartFrame, CMDIChildWnd)

BEGIN_MESSAGE_MAP(CVikaChartFrame, CMDIChildWnd)
ON_WM_CREATE()
END_MESSAGE_MAP()

BOOL CVikaChartFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) {
  return m_splitter.Create(
      this, 2, 2, CSize(1, 1), pContext,
      WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | SPLS_DYNAMIC_SPLIT,
      AFX_IDW_PANE_FIRST);
}

int CVikaChartFrame::OnCreate(LPCREATESTRUCT lpcs) {
  if (CMDIChildWnd::OnCreate(lpcs) == -1) return -1;
  if (!m_mainBar.Create(this, IDD_CHART_MAIN_BAR,
                        WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM,
                        IDW_CHART_MAIN_BAR))
    return -1;
  EnableDocking(CBRS_ALIGN_ANY);
  m_mainBar.SetBarStyle(m_mainBar.GetBarStyle() | CBRS_SIZE_DYNAMIC);
  m_mainBar.EnableDocking(CBRS_ALIGN_TOP);
  DockControlBar(&m_mainBar);

  if (!m_statusBar.Create(this, IDD_CHART_STATUS_BAR,
                          WS_VISIBLE | CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP,
                          IDW_CHART_STATUS_BAR))
    return -1;
  EnableDocking(CBRS_ALIGN_ANY);
  m_statusBar.SetBarStyle(m_statusBar.GetBarStyle() | CBRS_SIZE_DYNAMIC);
  m_statusBar.EnableDocking(CBRS_ALIGN_BOTTOM);
  m_statusBar.ShowFields();
  DockControlBar(&m_statusBar);
  return 0;
}
