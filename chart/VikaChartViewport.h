// The drawing side of the chart: one visual part per takeout and per
// measurement, drawn and hit-tested through a grid of their boxes (so the
// cost follows what is visible or under the pointer), and the hover
// feedback the controller drives: the highlight frame, the item's number
// and the four electrode markers over the cable rows.
#pragma once

#include "framework/Framework.h"
#include "chart/ChartPartGrid.h"
#include "mvc/MvcCompositeViewport.h"

#include <memory>

class CView;
class CVikaChartModel;
class CVikaChartComponent;
class CVikaElectrodeComponent;
class CVikaElectrodeItem;

class CVikaChartViewport : public MvcCompositeViewport {
 public:
  explicit CVikaChartViewport(MvcVisualPart* parent = nullptr);
  ~CVikaChartViewport() override;

  void Draw(CDC* pDC) override;
  void OnInitialUpdate() override;
  CSize GetScrollLimitSize() const override { return GetChartSize(); }
  CSize GetChartSize() const;
  void AddPart(MvcVisualPart* pPart) override;
  void RemovePart(MvcVisualPart* pPart) override;
  void DeleteAllParts() override;
  void CreateParts() override;
  // Measurements and takeouts only: an electrode marker is never hit.
  MvcVisualPart* FindPartAt(const CPoint& point) override;
  BOOL CreateController() override;

  void AddElectrodeMarker(LPCTSTR label, CRect rc, int index);
  void HighlightPart(CView* pView, MvcVisualPart* pPart);
  void ShowElectrodes(CView* pView, CVikaChartComponent* pComp);
  void DrawItemIndex(CDC* pDC, CVikaChartComponent* pComp, BOOL bErase);

  CVikaChartModel* GetChartModel() const;
  MvcVisualPart* GetHighlightedPart() const { return m_pHighlighted; }
  int GetMarkerCount() const;
  BOOL IsDrawn() const { return m_bDrawn; }
  // Parts drawn by the last Draw (for the benchmark and tests).
  int GetLastDrawCount() const { return m_nLastDrawn; }

 protected:
  // Forgets the highlight and deletes the markers (their parts too).
  void ClearHoverState();
  void RemoveMarkers();

  BOOL m_bDrawn = FALSE;
  CVikaElectrodeItem* m_markerItems[4] = {};
  CVikaElectrodeComponent* m_markers[4] = {};
  MvcVisualPart* m_pHighlighted = nullptr;
  // Boxes of the takeouts and measurements, by their place in the list.
  ChartPartGrid m_grid;
  int m_nGridParts = 0;
  int m_nLastDrawn = 0;
};
