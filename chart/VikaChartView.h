// The window that shows a protocol chart: a scrolling, double-buffered
// chart viewport bound to the document's model, with the cross cursor and
// printing with a page frame, a header and a colour legend.
#pragma once

#include "framework/Framework.h"
#include "chart/VikaChartViewport.h"
#include "mvc/MvcBufferedWrapper.h"
#include "mvc/MvcScrollView.h"

class CVikaChartDoc;

class CVikaChartView
    : public MvcScrollView_T<MvcBufferedWrapper_T<CVikaChartViewport>> {
  DECLARE_DYNCREATE(CVikaChartView)

 public:
  CVikaChartView() = default;

  CVikaChartDoc* GetDocument() const;

  void OnInitialUpdate() override;
  void OnActivateView(BOOL bActivate, CView* pActivateView,
                      CView* pDeactiveView) override;
  BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
  void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
  virtual void DrawPrintHeader(CDC* pDC, CPrintInfo* pInfo);
  virtual void DrawPageFrame(CDC* pDC, CPrintInfo* pInfo);

  // Prints one page on a DC the caller made (a bitmap in a test), the
  // page given in device units.
  BOOL PrintTo(CDC* pDC, CPrintInfo* pInfo, const CRect& page);

 protected:
  int OnCreate(LPCREATESTRUCT lpcs);
  BOOL OnEraseBkgnd(CDC*) { return TRUE; }
  void OnFilePrint();
  void OnFilePrintDirect();
  void OnFilePrintPreview() { CView::OnFilePrintPreview(); }
  void OnSetFocus(CWnd*) { Default(); }
  void OnKillFocus(CWnd*) { Default(); }
  BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);

  BOOL m_bDialogBarRefreshed = FALSE;
  BOOL m_bPrintDirect = FALSE;

  DECLARE_MESSAGE_MAP()
};
