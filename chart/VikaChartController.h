// The input handler of the protocol chart: hover feedback and item
// information, enabling and disabling measurements with the mouse, and the
// chart commands of the context menu and the settings bar (zoom, editing
// the protocol files, validation and duplicates, takeout and item states,
// sorting, optimising, grid, index display and layout).
#pragma once

#include "framework/Framework.h"
#include "mvc/MvcController.h"

class CVikaChartFrame;
class CVikaChartView;
class CVikaChartViewport;
class CVikaChartModel;
class CVikaChartItem;
class CVikaCableComponent;

class CVikaChartController : public MvcController {
 public:
  CVikaChartController() = default;

  virtual void UpdateDialogBar();
  virtual void OnUpdateHitCommand(CCmdUI* pCmdUI);
  virtual void HitTestContextPoint();
  virtual CVikaChartFrame* GetActiveChartFrame();
  virtual void GetInfoText(CVikaChartFrame* pFrame, MvcVisualPart* pPart);
  virtual CVikaChartView* GetChartView();
  virtual BOOL CanEditProtocolFile(int nSection);
  virtual int OpenProtocolEditor(int nSection);

  void ToggleItemAt(CPoint point);
  void EnableTakeout(CVikaCableComponent* pComp, BOOL bEnable);
  void SetItemStates(CVikaChartModel* pModel, CVikaChartItem* pItem,
                     BOOL bSameDepth, BOOL bDWN, BOOL bORG, BOOL bUP, int step,
                     BOOL bEnable);
  void ReloadChart();

  // The commands, public for the tests that drive them.
  void OnContextMenu(CWnd* pWnd, CPoint point);
  void OnMouseMove(UINT nFlags, CPoint point);
  void OnLButtonDown(UINT nFlags, CPoint point) { ToggleItemAt(point); }
  void OnLButtonDblClk(UINT nFlags, CPoint point) { ToggleItemAt(point); }
  void OnZoomIn();
  void OnZoomOut();
  void OnZoomReset();
  void OnEditAdrFile();
  void OnValidate();
  void OnViewDuplicates();
  void OnRefresh();
  void OnEnableTakeout() { ChangeTakeout(TRUE); }
  void OnDisableTakeout() { ChangeTakeout(FALSE); }
  void OnRemoveDuplicates();
  void OnOptimizeNow();
  void OnChangeGrid();
  void OnEnableMultipleItems() { ChangeMultipleItems(TRUE); }
  void OnDisableMultipleItems() { ChangeMultipleItems(FALSE); }
  void OnSortMeasurements();
  void OnAutoSortOptimize() { BarToModel(); }
  void OnShowIndex() { BarToModel(); }
  void OnLayout();
  void SetContextPoint(CPoint point) { m_ptContext = point; }

 protected:
  CVikaChartViewport* GetViewport() const;
  CVikaChartModel* GetChartModel() const;
  CDocument* GetChartDocument();
  void Zoom(int command);
  void ChangeTakeout(BOOL bEnable);
  void ChangeMultipleItems(BOOL bEnable);
  void AfterItemToggle();
  void BarToModel();
  // Asks the question; "Yes" saves the document under its path.
  BOOL SaveFirst(LPCTSTR question);
  MvcVisualPart* PartAtContextPoint();

  void OnEditOrg() { OpenProtocolEditor(1); }
  void OnEditUp() { OpenProtocolEditor(2); }
  void OnEditDwn() { OpenProtocolEditor(4); }
  void OnUpdateEditOrg(CCmdUI* pCmdUI) {
    pCmdUI->Enable(CanEditProtocolFile(1));
  }
  void OnUpdateEditUp(CCmdUI* pCmdUI) {
    pCmdUI->Enable(CanEditProtocolFile(2));
  }
  void OnUpdateEditDwn(CCmdUI* pCmdUI) {
    pCmdUI->Enable(CanEditProtocolFile(4));
  }
  void OnUpdateAlways(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
  void OnUpdateViewDuplicates(CCmdUI* pCmdUI);
  void OnUpdateRemoveDuplicates(CCmdUI* pCmdUI);
  void OnUpdateManualSort(CCmdUI* pCmdUI);
  void OnUpdateMultipleItems(CCmdUI* pCmdUI);

  MvcVisualPart* m_pLastHit = nullptr;  // compared only, never used
  CPoint m_ptContext{0, 0};

  DECLARE_MESSAGE_MAP()
};
