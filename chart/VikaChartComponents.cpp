#include "framework/Framework.h"
#include "chart/VikaChartComponents.h"
#include "chart/ChartPrintLayout.h"
#include "chart/VikaCableItem.h"
#include "chart/VikaChartItem.h"
#include "chart/VikaElectrodeItem.h"
#include "mvc/MvcViewport.h"

void CreateChartLabelFont(CFont& font) {
  font.CreateFont(11, 4, 0, 0, 300, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                  FF_SWISS, "Arial");
}

void CreateChartIndexFont(CFont& font) {
  font.CreateFont(12, 6, 0, 0, 600, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                  FF_SWISS, "Arial");
}

CVikaChartPartBase::~CVikaChartPartBase() {
  if (m_pObserved) m_pObserved->RemoveObserver(this);
}

rw::HResult CVikaChartPartBase::QueryInterface(const rw::Guid& iid,
                                               void** ppv) {
  if (iid == rw::IID_IObserver && ppv) {
    *ppv = static_cast<rw::IObserver*>(this);
    return rw::kOk;
  }
  return MvcVisualPart::QueryInterface(iid, ppv);
}

void CVikaChartPartBase::Observe(rw::ISubject* pOld, rw::ISubject* pNew) {
  if (pOld) pOld->RemoveObserver(this);
  m_pObserved = pNew;
  if (pNew) pNew->AddObserver(this);
}

void CVikaChartPartBase::OnSubjectDestroyed(rw::ISubject*) {
  m_pObserved = nullptr;
}

void CVikaChartPartBase::PlaceOn(const RECT& box) {
  SetOrigin(box.left, box.top);
  SetSize(box.right - box.left, box.bottom - box.top);
}

void CVikaChartPartBase::OnUpdate(rw::ISubject*, rw::Hint) {
  auto* pViewport = dynamic_cast<MvcViewport*>(GetVisualParent());
  if (!pViewport) return;
  CRect visible = pViewport->GetLogicalBounds();
  visible.NormalizeRect();
  if (IntersectsRect(visible))
    pViewport->InvalidateRect(GetBounds(), FALSE, TRUE);
}

// Cable takeouts ---

void CVikaCableComponent::SetSubject(CVikaCableItem* pItem) {
  Observe(m_pSubject, pItem);
  m_pSubject = pItem;
}

void CVikaCableComponent::OnSubjectDestroyed(rw::ISubject* pSubject) {
  CVikaChartPartBase::OnSubjectDestroyed(pSubject);
  m_pSubject = nullptr;
}

BOOL CVikaCableComponent::IsEnabled() const {
  return m_pSubject && m_pSubject->IsEnabled();
}

void CVikaCableComponent::Draw(CDC* pDC) {
  const CRect rc = GetBounds();
  pDC->FillSolidRect(&rc, ChartPrintLayout::kWhite);
  if (!m_pSubject) return;
  const BOOL enabled = IsEnabled();
  COLORREF colour = ChartPrintLayout::kInactiveGrey;
  if (enabled && (m_pSubject->m_dwState & kSectionOrg))
    colour = ChartPrintLayout::kOrgGreen;
  else if (enabled && (m_pSubject->m_dwState & (kSectionUp | kSectionDwn)))
    colour = ChartPrintLayout::kSectionBlue;
  CPen pen;
  pen.CreatePen(enabled ? PS_SOLID : PS_DOT, 1, colour);
  CSelectObjectScope selectPen(*pDC, pen);
  const int centre = rc.left + (rc.right - rc.left) / 2;
  pDC->MoveTo(rc.left, rc.bottom);
  pDC->LineTo(rc.right + 1, rc.bottom);
  pDC->MoveTo(centre, rc.bottom);
  pDC->LineTo(centre, rc.top);
  if (m_pSubject->m_nTakeout == 1 || m_pSubject->m_nTakeout == m_nCableLength) {
    const CRect bar(centre - 1, rc.top, centre + 1, rc.bottom);
    pDC->FillSolidRect(&bar, colour);
  }
}

// Measurements ---

void CVikaChartComponent::SetSubject(CVikaChartItem* pItem) {
  Observe(m_pSubject, pItem);
  m_pSubject = pItem;
}

void CVikaChartComponent::OnSubjectDestroyed(rw::ISubject* pSubject) {
  CVikaChartPartBase::OnSubjectDestroyed(pSubject);
  m_pSubject = nullptr;
}

void CVikaChartComponent::DrawMarker(CDC* pDC) {
  const CRect rc = GetBounds();
  pDC->FillSolidRect(&rc, ChartPrintLayout::kWhite);
  if (!m_pSubject) return;
  const BOOL enabled = m_pSubject->IsEnabled();
  COLORREF fill = ChartPrintLayout::kWhite;
  if (m_pSubject->GetDuplicates())
    fill = ChartPrintLayout::kDuplicateRed;
  else if (enabled && (m_pSubject->m_dwState & kSectionOrg))
    fill = ChartPrintLayout::kOrgGreen;
  else if (enabled && (m_pSubject->m_dwState & (kSectionUp | kSectionDwn)))
    fill = ChartPrintLayout::kSectionBlue;
  CBrush brush;
  brush.CreateSolidBrush(fill);
  CPen pen;
  pen.CreatePen(PS_SOLID, 1, enabled ? fill : ChartPrintLayout::kInactiveGrey);
  CSelectObjectScope selectBrush(*pDC, brush);
  CSelectObjectScope selectPen(*pDC, pen);
  pDC->Ellipse(&rc);
}

void CVikaChartComponent::ToggleEnabled() {
  if (!m_pSubject) return;
  m_pSubject->SetEnabled(!m_pSubject->IsEnabled());
  InvalidateVisual(this, TRUE, TRUE);
}

// Electrode markers ---

void CVikaElectrodeComponent::SetSubject(CVikaElectrodeItem* pItem) {
  Observe(m_pSubject, pItem);
  m_pSubject = pItem;
}

void CVikaElectrodeComponent::OnSubjectDestroyed(rw::ISubject* pSubject) {
  CVikaChartPartBase::OnSubjectDestroyed(pSubject);
  m_pSubject = nullptr;
}

// The label on white at the top, clear of the cable rows; below it only
// the arrow's lines, so the cables it passes stay drawn.
void CVikaElectrodeComponent::Draw(CDC* pDC) {
  const CRect rc = GetBounds();
  CRect label(rc.left - 2, rc.top, rc.right + 2, rc.top + kElectrodeLabelHeight);
  pDC->FillSolidRect(&label, ChartPrintLayout::kWhite);
  if (!m_pSubject || m_pSubject->GetIndex() == 0) return;
  const int centre = rc.left + (rc.right - rc.left) / 2;
  CPen pen;
  pen.CreatePen(PS_SOLID, 2, RGB(0, 0, 0));
  {
    CSelectObjectScope selectPen(*pDC, pen);
    pDC->MoveTo(centre, rc.bottom);
    pDC->LineTo(centre - 3, rc.bottom - 5);
    pDC->MoveTo(centre, rc.bottom);
    pDC->LineTo(centre + 3, rc.bottom - 5);
    pDC->MoveTo(centre, rc.bottom);
    pDC->LineTo(centre, label.bottom);
  }
  CFont font;
  CreateChartLabelFont(font);
  CSelectObjectScope selectFont(*pDC, font);
  const int oldMode = pDC->SetBkMode(TRANSPARENT);
  pDC->DrawText(m_pSubject->GetLabel(), &label,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  pDC->SetBkMode(oldMode);
}
