// The window of a protocol chart: the chart view in a splitter of up to
// 2 x 2 panes, the settings bar docked above and the status bar below.
#pragma once

#include "framework/Framework.h"
#include "chart/VikaChartMainDialogBar.h"
#include "chart/VikaChartStatusDialogBar.h"

class CVikaChartFrame : public CMDIChildWnd {
  DECLARE_DYNCREATE(CVikaChartFrame)

 public:
  CVikaChartFrame() = default;

  CVikaChartMainDialogBar& GetMainBar() { return m_mainBar; }
  CVikaChartStatusDialogBar& GetStatusBar() { return m_statusBar; }
  CSplitterWnd& GetSplitter() { return m_splitter; }

  BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
  BOOL PreCreateWindow(CREATESTRUCT& cs) override {
    return CMDIChildWnd::PreCreateWindow(cs);
  }

 protected:
  int OnCreate(LPCREATESTRUCT lpcs);

  CSplitterWnd m_splitter;
  CVikaChartMainDialogBar m_mainBar;
  CVikaChartStatusDialogBar m_statusBar;

  DECLARE_MESSAGE_MAP()
};
