// The bar below the chart: twelve lines about the measurement or takeout
// under the mouse, filled by the chart controller.
#pragma once

#include "framework/Framework.h"
#include "chart/ChartTexts.h"

class CVikaChartStatusDialogBar : public CDialogBar {
  DECLARE_DYNAMIC(CVikaChartStatusDialogBar)

 public:
  CVikaChartStatusDialogBar() = default;

  void SetTexts(const ChartTexts::InfoLines& lines) { m_texts = lines; }
  const ChartTexts::InfoLines& GetTexts() const { return m_texts; }
  void ShowFields();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

  ChartTexts::InfoLines m_texts;
};
