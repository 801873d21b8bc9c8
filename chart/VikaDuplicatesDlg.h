// "View Duplicate Measurements": one measurement of the chart and the
// measurements at its place. Only shows; closing changes nothing.
#pragma once

#include "framework/Framework.h"

class CVikaChartItem;

class CVikaDuplicatesDlg : public CDialog {
 public:
  CVikaDuplicatesDlg(CVikaChartItem* pItem, double scale, CWnd* pParent);

  BOOL OnInitDialog() override;

 protected:
  CVikaChartItem* m_pItem;
  double m_dScale;
};
