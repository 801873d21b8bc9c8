#include "framework/Framework.h"
#include "chart/VikaChartView.h"
#include "chart/ChartPrintLayout.h"
#include "chart/VikaChartComponents.h"
#include "chart/VikaChartController.h"
#include "chart/VikaChartDoc.h"
#include "chart/VikaChartFrame.h"
#include "res/ChartRes.h"

#include <ctime>

IMPLEMENT_DYNCREATE(CVikaChartView, CScrollView)

BEGIN_MESSAGE_MAP(CVikaChartView, CScrollView)
ON_WM_CREATE()
ON_WM_ERASEBKGND()
ON_COMMAND(ID_FILE_PRINT, OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_PREVIEW, OnFilePrintPreview)
ON_COMMAND(ID_FILE_PRINT_DIRECT, OnFilePrintDirect)
ON_WM_KILLFOCUS()
ON_WM_SETFOCUS()
ON_WM_SETCURSOR()
END_MESSAGE_MAP()

namespace {

// The header drawn on a DC in its current units.
class DCPrintCanvas : public IChartPrintCanvas {
 public:
  explicit DCPrintCanvas(CDC& dc) : m_dc(dc) {}
  void Text(int x, int y, const CString& text) override {
    m_dc.TextOut(x, y, text);
  }
  void Line(int x1, int y1, int x2, int y2) override {
    m_dc.MoveTo(x1, y1);
    m_dc.LineTo(x2, y2);
  }
  void Circle(const RECT& rc, COLORREF fill, bool bGreyOutline) override {
    CBrush brush;
    brush.CreateSolidBrush(fill);
    CSelectObjectScope selectBrush(m_dc, brush);
    if (!bGreyOutline) {
      m_dc.Ellipse(&rc);
      return;
    }
    CPen grey;
    grey.CreatePen(PS_SOLID, 1, ChartPrintLayout::kInactiveGrey);
    CSelectObjectScope selectPen(m_dc, grey);
    m_dc.Ellipse(&rc);
  }

 private:
  CDC& m_dc;
};

}  // namespace

CVikaChartDoc* CVikaChartView::GetDocument() const {
  return dynamic_cast<CVikaChartDoc*>(m_pDocument);
}

int CVikaChartView::OnCreate(LPCREATESTRUCT lpcs) {
  if (CScrollView::OnCreate(lpcs) == -1) return -1;
  ModifyStyle(0, WS_CLIPCHILDREN);
  if (CVikaChartDoc* pDoc = GetDocument()) SetModel(pDoc->GetModel());
  return 0;
}

void CVikaChartView::OnInitialUpdate() {
  MvcScrollView_T<MvcBufferedWrapper_T<CVikaChartViewport>>::OnInitialUpdate();
  CVikaChartDoc* pDoc = GetDocument();
  if (!pDoc) return;
  CVikaChartModel* pModel = pDoc->GetModel();
  SetModel(pModel);
  MvcVisualPart::Invalidate(TRUE, FALSE);
  UpdateScrollSizes();
  if (auto* pFrame = dynamic_cast<CVikaChartFrame*>(GetParentFrame())) {
    CVikaChartMainDialogBar& bar = pFrame->GetMainBar();
    bar.SetSeparation(pModel->GetProperties().m_dTakeoutSeparation);
    bar.SetXPos(pModel->GetProperties().m_dOrgPosition);
    bar.SetModel(pModel);
    bar.TransferData(FALSE);
  }
}

void CVikaChartView::OnActivateView(BOOL bActivate, CView* pActivateView,
                                    CView* pDeactiveView) {
  CScrollView::OnActivateView(bActivate, pActivateView, pDeactiveView);
  if (m_bDialogBarRefreshed) return;
  if (auto* pController =
          dynamic_cast<CVikaChartController*>(GetController())) {
    m_bDialogBarRefreshed = TRUE;
    pController->UpdateDialogBar();
  }
}

BOOL CVikaChartView::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
  const BOOL result = static_cast<BOOL>(Default());
  if (nHitTest == HTCLIENT) ::SetCursor(::LoadCursor(nullptr, IDC_CROSS));
  return result;
}

void CVikaChartView::OnFilePrint() {
  m_bPrintDirect = FALSE;
  CView::OnFilePrint();
}

void CVikaChartView::OnFilePrintDirect() {
  m_bPrintDirect = TRUE;
  CView::OnFilePrint();
}

BOOL CVikaChartView::OnPreparePrinting(CPrintInfo* pInfo) {
  pInfo->m_bDirect = m_bPrintDirect;
  // The chart is scaled to fit one page.
  pInfo->SetMaxPage(1);
  return DoPreparePrinting(pInfo);
}

BOOL CVikaChartView::PrintTo(CDC* pDC, CPrintInfo* pInfo, const CRect& page) {
  pDC->m_bPrinting = TRUE;
  pInfo->m_nCurPage = 1;
  OnPrepareDC(pDC, pInfo);
  pInfo->m_rectDraw = page;
  pDC->DPtoLP(&pInfo->m_rectDraw);
  OnPrint(pDC, pInfo);
  return TRUE;
}

void CVikaChartView::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
  // The label font at its natural width: Wine's PostScript driver measures
  // the narrow width asked for but prints the full one, so the header's
  // values ran into their labels.
  CFont font;
  font.CreateFont(11, 0, 0, 0, 300, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                  FF_SWISS, "Arial");
  CSelectObjectScope selectFont(*pDC, font);
  DrawPageFrame(pDC, pInfo);
  DrawPrintHeader(pDC, pInfo);
  pDC->SetWindowOrg(0, 0);
  const CSize chart = GetChartSize();
  const ChartPrintLayout::Fit fit = ChartPrintLayout::FitToPage(
      chart, pInfo->m_rectDraw.Width(), pInfo->m_rectDraw.Height());
  if (fit.bScale) pDC->ScaleWindowExt(fit.num, fit.den, fit.num, fit.den);
  const CSize extent = pDC->GetViewportExt();
  pDC->OffsetViewportOrg(static_cast<int>(extent.cx * 0.05),
                         static_cast<int>(extent.cy * 0.15));
  CScrollView::OnPrint(pDC, pInfo);
}

void CVikaChartView::DrawPageFrame(CDC* pDC, CPrintInfo* pInfo) {
  CBrush white;
  white.CreateSolidBrush(ChartPrintLayout::kWhite);
  CPen black;
  black.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
  CSelectObjectScope selectBrush(*pDC, white);
  CSelectObjectScope selectPen(*pDC, black);
  pDC->Rectangle(&pInfo->m_rectDraw);
  pInfo->m_rectDraw.DeflateRect(1, 1);
}

void CVikaChartView::DrawPrintHeader(CDC* pDC, CPrintInfo* pInfo) {
  CVikaChartDoc* pDoc = GetDocument();
  if (!pDoc) return;
  CVikaChartModel* pModel = pDoc->GetModel();
  TEXTMETRIC metrics = {};
  pDC->GetTextMetrics(&metrics);
  pDC->SetTextAlign(TA_LEFT | TA_TOP);
  const std::time_t now = std::time(nullptr);
  std::tm local = {};
  if (const std::tm* pLocal = std::localtime(&now)) local = *pLocal;
  ChartPrintFacts facts;
  facts.strProtocol = ChartPrintLayout::ProtocolName(pDoc->GetTitle());
  facts.strAddressFile = pModel->GetAddressMap()
                             ? pModel->GetAddressMap()->m_strFileName
                             : CString();
  facts.strArrayType =
      pModel->GetLayout() ? pModel->GetLayout()->GetName() : CString();
  for (int i = 0; i < 6; ++i) facts.counts[i] = pModel->GetCount(i);
  if (!facts.strProgram.LoadString(IDS_PROGRAM_VERSION))
    facts.strProgram = "G7KWin Ver 3.25";
  facts.strDate = ChartPrintLayout::DateText(local);
  facts.strTime = ChartPrintLayout::TimeText(local);
  DCPrintCanvas canvas(*pDC);
  RECT rect = pInfo->m_rectDraw;
  ChartPrintLayout::DrawHeader(canvas, facts, metrics.tmAveCharWidth,
                               metrics.tmHeight, rect);
  pInfo->m_rectDraw = rect;
}
