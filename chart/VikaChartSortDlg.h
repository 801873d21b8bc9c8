// "Sort Measurements": up to three sort keys with their directions and
// whether enabled items are numbered first; the last choice is kept in the
// profile.
#pragma once

#include "framework/Framework.h"
#include "chart/VikaChartItem.h"

class CVikaChartSortDlg : public CDialog {
 public:
  explicit CVikaChartSortDlg(CWnd* pParent);

  BOOL OnInitDialog() override;
  SortSpec* GetSortSpec();
  BOOL GetEnabledFirst() const { return m_bEnabledFirst; }

  int m_nKey[3] = {0, 0, 0};
  int m_nDirection[3] = {0, 0, 0};
  int m_bEnabledFirst = 1;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnOK() override;
  void LoadSettings();
  void SaveSettings();

  SortSpec m_spec = {0, {0, 0, 0}};
};
