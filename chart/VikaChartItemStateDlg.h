// How enabling or disabling several measurements runs from the clicked
// one: along its depth level or its midpoint, in which sections, and how
// many items to skip between changed ones; kept in the profile.
#pragma once

#include "framework/Framework.h"

class CVikaChartModel;
class CVikaChartItem;

class CVikaChartItemStateDlg : public CDialog {
 public:
  CVikaChartItemStateDlg(const CString& title, CVikaChartModel* pModel,
                         CVikaChartItem* pItem, CWnd* pParent);

  BOOL OnInitDialog() override;
  int DoModal() override;

  int m_nDirection = 0;  // 0 depth, 1 midpoint
  int m_bDWN = 1;
  int m_bORG = 1;
  int m_bUP = 1;
  int m_nSkip = 0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void LoadSettings();
  void SaveSettings();

  CString m_strTitle;
  CVikaChartItem* m_pItem;
  CVikaChartModel* m_pModel;
};
