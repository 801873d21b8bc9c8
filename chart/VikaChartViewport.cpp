#include "framework/Framework.h"
#include "chart/VikaChartViewport.h"
#include "chart/VikaChartComponents.h"
#include "chart/VikaChartController.h"
#include "chart/VikaChartModel.h"
#include "chart/VikaElectrodeItem.h"

#include <utility>
#include <vector>

namespace {

const char* const kElectrodeLabels[4] = {"C1", "C2", "P1", "P2"};

int CableLength(const CVikaChartModel& model) {
  const CVikaAddressMap* pMap = model.GetAddressMap();
  if (!pMap) return 0;
  int minCable = 0, maxCable = 0, minTakeout = 0, maxTakeout = 0;
  pMap->GetRanges(minCable, maxCable, minTakeout, maxTakeout);
  return maxTakeout;
}

}  // namespace

CVikaChartViewport::CVikaChartViewport(MvcVisualPart* parent)
    : MvcCompositeViewport(parent) {}

CVikaChartViewport::~CVikaChartViewport() { ClearHoverState(); }

CVikaChartModel* CVikaChartViewport::GetChartModel() const {
  return dynamic_cast<CVikaChartModel*>(GetModel());
}

CSize CVikaChartViewport::GetChartSize() const {
  CVikaChartModel* pModel = GetChartModel();
  if (!pModel) return CSize(0, 0);
  const SIZE size = pModel->GetVirtualSize();
  return CSize(size.cx, size.cy);
}

void CVikaChartViewport::Draw(CDC* pDC) {
  if (!pDC) return;
  CRect area;
  if (pDC->IsPrinting()) {
    // A page holds the whole chart; the clip box of a preview's metafile
    // says nothing about what the page shows.
    const CSize chart = GetChartSize();
    area.SetRect(0, 0, chart.cx, chart.cy);
  } else if (GetUpdateRect(&area, FALSE)) {
    DPtoLP(&area);
  } else {
    pDC->GetClipBox(&area);
  }
  area.NormalizeRect();
  std::vector<int> ids;
  m_grid.Query(area, ids);
  for (int id : ids) m_parts[id]->Draw(pDC);
  // The markers come after the chart's own parts and are few.
  for (int i = m_nGridParts; i < m_parts.GetSize(); ++i) {
    if (m_parts[i]->IntersectsRect(area)) m_parts[i]->Draw(pDC);
  }
  m_nLastDrawn = static_cast<int>(ids.size());
  m_bDrawn = TRUE;
}

void CVikaChartViewport::OnInitialUpdate() {
  const CSize size = GetChartSize();
  SetLogicalSize(size.cx, size.cy);
  SetExtents(0, 1000, 1000);
  SetExtents(1, 1000, 1000);
  MvcCompositeViewport::OnInitialUpdate();
}

void CVikaChartViewport::AddPart(MvcVisualPart* pPart) { m_parts.Add(pPart); }

void CVikaChartViewport::RemovePart(MvcVisualPart* pPart) {
  for (int i = m_parts.GetSize() - 1; i >= m_nGridParts; --i) {
    if (m_parts[i] == pPart) m_parts.RemoveAt(i);
  }
}

void CVikaChartViewport::DeleteAllParts() {
  ClearHoverState();
  MvcCompositeViewport::DeleteAllParts();
  m_grid.Clear();
  m_nGridParts = 0;
}

void CVikaChartViewport::ClearHoverState() {
  m_pHighlighted = nullptr;
  RemoveMarkers();
}

void CVikaChartViewport::RemoveMarkers() {
  for (int i = 0; i < 4; ++i) {
    if (m_markers[i]) {
      RemovePart(m_markers[i]);
      delete m_markers[i];
      m_markers[i] = nullptr;
    }
    delete m_markerItems[i];
    m_markerItems[i] = nullptr;
  }
}

int CVikaChartViewport::GetMarkerCount() const {
  int count = 0;
  for (const auto* pMarker : m_markers) count += pMarker != nullptr;
  return count;
}

void CVikaChartViewport::CreateParts() {
  DeleteAllParts();
  CVikaChartModel* pModel = GetChartModel();
  if (!pModel) return;
  const int cableLength = CableLength(*pModel);
  CVikaCableItemArray& takeouts = pModel->GetTakeouts();
  for (int i = 0; i < takeouts.GetSize(); ++i) {
    auto* pPart = new CVikaCableComponent;
    pPart->Create(this);
    pPart->PlaceOn(takeouts[i]->m_rcBox);
    pPart->SetSubject(takeouts[i]);
    pPart->SetCableLength(cableLength);
    pPart->OnInitialUpdate();
    m_grid.Insert(m_parts.GetSize(), pPart->GetBounds());
    AddPart(pPart);
  }
  CVikaChartItemArray& items = pModel->GetItems();
  for (int i = 0; i < items.GetSize(); ++i) {
    auto* pPart = new CVikaChartComponent;
    pPart->Create(this);
    pPart->PlaceOn(items[i]->m_rcBox);
    pPart->SetSubject(items[i]);
    pPart->OnInitialUpdate();
    m_grid.Insert(m_parts.GetSize(), pPart->GetBounds());
    AddPart(pPart);
  }
  m_nGridParts = m_parts.GetSize();
}

MvcVisualPart* CVikaChartViewport::FindPartAt(const CPoint& point) {
  CPoint logical = point;
  DPtoLP(&logical);
  const int id = m_grid.FindAt(logical);
  return id >= 0 && id < m_nGridParts ? m_parts[id] : nullptr;
}

BOOL CVikaChartViewport::CreateController() {
  SetController(new CVikaChartController, TRUE);
  return TRUE;
}

void CVikaChartViewport::AddElectrodeMarker(LPCTSTR label, CRect rc,
                                            int index) {
  if (index < 0 || index > 3) return;
  rc.left -= 1;
  rc.right += 1;
  // From above the three cable rows down to the takeout: the label stands
  // clear of every cable and the arrow points at the takeout.
  rc.top = kElectrodeMarkerTop;
  auto* pItem = new CVikaElectrodeItem(label, rc, 1);
  auto* pPart = new CVikaElectrodeComponent;
  pPart->Create(this);
  pPart->PlaceOn(rc);
  pPart->SetSubject(pItem);
  pPart->OnInitialUpdate();
  AddPart(pPart);
  pPart->Invalidate(TRUE, FALSE);
  m_markerItems[index] = pItem;
  m_markers[index] = pPart;
}

void CVikaChartViewport::ShowElectrodes(CView* pView,
                                        CVikaChartComponent* pComp) {
  if (!pView || !m_bDrawn) return;
  for (int i = 0; i < 4; ++i) {
    if (!m_markers[i]) continue;
    m_markerItems[i]->SetIndex(0);
    CRect rect = m_markers[i]->GetBounds();
    rect.InflateRect(2, 2);
    RemovePart(m_markers[i]);
    delete m_markers[i];
    delete m_markerItems[i];
    m_markers[i] = nullptr;
    m_markerItems[i] = nullptr;
    InvalidateRect(rect, TRUE, FALSE);
  }
  if (!pComp || !pComp->GetSubject()) return;
  const CVikaChartItem& item = *pComp->GetSubject();
  const int electrodes[4] = {item.m_nA, item.m_nB, item.m_nM, item.m_nN};
  // Found first, added after: adding to the part list while walking it
  // could move the list.
  std::vector<std::pair<int, CRect>> found;
  for (int i = 0; i < m_nGridParts && found.size() < 4; ++i) {
    auto* pCable = dynamic_cast<CVikaCableComponent*>(m_parts[i]);
    if (!pCable) break;  // the takeouts come first
    const CVikaCableItem* pTakeout = pCable->GetSubject();
    if (!pTakeout || !(pTakeout->m_dwState & item.m_dwState & kSectionMask))
      continue;
    for (int k = 0; k < 4; ++k) {
      if (electrodes[k] > 0 && pTakeout->m_nElectrode == electrodes[k]) {
        found.emplace_back(k, pCable->GetBounds());
        break;
      }
    }
  }
  for (size_t n = 0; n < found.size(); ++n)
    AddElectrodeMarker(kElectrodeLabels[found[n].first], found[n].second,
                       static_cast<int>(n));
}

void CVikaChartViewport::HighlightPart(CView* pView, MvcVisualPart* pPart) {
  if (!pView || !m_bDrawn || !pView->GetSafeHwnd()) return;
  CClientDC dc(pView);
  CBrush yellow;
  yellow.CreateSolidBrush(RGB(255, 255, 0));
  CSelectObjectScope selectBrush(dc, yellow);
  if (m_pHighlighted) {
    CRect rect = m_pHighlighted->GetBounds();
    rect.InflateRect(4, 4);
    InvalidateRect(rect, TRUE, TRUE);
    DrawItemIndex(&dc, dynamic_cast<CVikaChartComponent*>(m_pHighlighted),
                  TRUE);
    m_pHighlighted = nullptr;
  }
  if (!pPart) return;
  const int oldRop = dc.SetROP2(R2_NOTXORPEN);
  CRect frame = pPart->GetBounds();
  frame.InflateRect(3, 3);
  LPtoDP(&frame);
  dc.Rectangle(&frame);
  dc.SetROP2(oldRop);
  CVikaChartModel* pModel = GetChartModel();
  if (pModel && pModel->GetProperties().m_bShowIndex)
    DrawItemIndex(&dc, dynamic_cast<CVikaChartComponent*>(pPart), FALSE);
  m_pHighlighted = pPart;
}

void CVikaChartViewport::DrawItemIndex(CDC* pDC, CVikaChartComponent* pComp,
                                       BOOL bErase) {
  if (!pComp || !pComp->GetSubject()) return;
  CRect rect = pComp->GetBounds();
  rect.InflateRect(10, 10);
  rect.OffsetRect(0, -14);
  if (bErase) {
    rect.InflateRect(3, 3);
    InvalidateRect(rect, TRUE, TRUE);
    return;
  }
  LPtoDP(&rect);
  rect.NormalizeRect();
  CPen pen;
  pen.CreatePen(PS_SOLID, 2, RGB(0, 0, 0));
  CFont font;
  CreateChartIndexFont(font);
  CSelectObjectScope selectPen(*pDC, pen);
  CSelectObjectScope selectFont(*pDC, font);
  CString text;
  text.Format("%d", pComp->GetSubject()->m_nLine);
  const int oldMode = pDC->SetBkMode(TRANSPARENT);
  pDC->DrawText(text, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  pDC->SetBkMode(oldMode);
}
