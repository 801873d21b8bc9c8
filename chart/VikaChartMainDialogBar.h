// The bar above the chart: the protocol's address file, array type and
// entry counts, and the chart settings for editing. Its buttons send the
// chart controller's commands. Reading the controls is quiet: a number
// that does not parse keeps the value it had (the controller reads the bar
// on every mouse move).
#pragma once

#include "framework/Framework.h"
#include "chart/ChartBarLayout.h"

#include <utility>
#include <vector>

class CVikaChartModel;

class CVikaChartMainDialogBar : public CDialogBar {
  DECLARE_DYNAMIC(CVikaChartMainDialogBar)

 public:
  CVikaChartMainDialogBar();

  virtual void UpdateCounts(int orgEnabled, int upEnabled, int dwnEnabled,
                            int orgAll, int upAll, int dwnAll);
  virtual void SetArrayType(const CString& text) { m_strArrayType = text; }
  virtual void SetAddressFile(const CString& text) { m_strAddressFile = text; }
  virtual CString& GetAddressFile() { return m_strAddressFile; }
  virtual void SetSeparation(double value);
  virtual double GetSeparation();
  virtual void SetXPos(double value) { m_dXPos = value; }
  virtual double GetXPos() { return m_dXPos; }
  virtual void SetAutoSortOptimize(double value) {
    m_bAutoSort = static_cast<int>(value);
  }
  virtual double GetAutoSortOptimize() { return m_bAutoSort; }
  virtual void SetGridX(int value);
  virtual int GetGridX();
  virtual void SetGridY(int value);
  virtual int GetGridY();
  virtual void SetShowIndex(BOOL value) { m_bShowIndex = value; }
  virtual BOOL GetShowIndex() { return m_bShowIndex; }
  virtual BOOL GetLayout() { return m_bReciprocal; }

  void SetModel(CVikaChartModel* pModel) { m_pModel = pModel; }
  void SetLayout(BOOL bReciprocal);
  void TransferData(BOOL bToModel);
  // As tall as the rows its controls need in the frame's width.
  CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
  // Fields into controls, and controls into fields.
  void ShowFields();
  void ReadControls();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  LRESULT OnInitDialog(WPARAM wParam, LPARAM lParam);
  void OnSize(UINT nType, int cx, int cy);
  // The controls' template places for the width, and the rows they take.
  ChartBarPlaces PlacesFor(int nWidth) const;

  CString m_strAddressFile;
  CString m_strSeparation;
  double m_dXPos = 0.0;
  CString m_strCounts;
  CString m_strArrayType;
  int m_bAutoSort = 0;
  CString m_strGridX;
  CString m_strGridY;
  int m_bShowIndex = 1;
  int m_bReciprocal = 0;
  CVikaChartModel* m_pModel = nullptr;
  std::vector<std::pair<HWND, CRect>> m_templatePlaces;
  int m_nTemplateHeight = 0;

  DECLARE_MESSAGE_MAP()
};
