// "View Duplicate Measurements": one measurement of the chart and the
// measurements at its place. Only shows; closing changes nothing.
#pragma once

#include "framework/Framework.h"

class CVikaChartItem;

class CVikaDuplicatesDlg : public CDialog {
 public:
  // Distances in metres: the takeout separation and the ORG x-position.
  CVikaDuplicatesDlg(CVikaChartItem* pItem, double separation, double xPos,
                     CWnd* pParent);

  BOOL OnInitDialog() override;

 protected:
  CVikaChartItem* m_pItem;
  double m_dSeparation;
  double m_dXPos;
};
