#include "mvc/MvcCompositeViewport.h"

MvcCompositeViewport::~MvcCompositeViewport() {
  MvcDeleteAllParts(m_parts);
}

MvcVisualPart* MvcCompositeViewport::FindPartAt(const CPoint& point) {
  CPoint logical = point;
  DPtoLP(&logical);
  return MvcFindPartAt(m_parts, logical);
}

void MvcCompositeViewport::Draw(CDC* pDC) {
  if (!pDC)
    return;
  CRect area;
  if (!pDC->IsPrinting() && GetUpdateRect(&area, FALSE))
    DPtoLP(&area);
  else
    pDC->GetClipBox(&area);
  area.NormalizeRect();
  MvcDrawPartsIn(m_parts, pDC, area);
}

void MvcCompositeViewport::SetModel(MvcModel* model) {
  MvcViewport::SetModel(model);
  CreateParts();
}
