#include "mvc/MvcPartList.h"

int MvcDrawPartsIn(const MvcPartList& parts, CDC* pDC, const CRect& area) {
  int drawn = 0;
  for (int i = 0; i < parts.GetSize(); ++i) {
    MvcVisualPart* part = parts[i];
    if (part && part->IntersectsRect(area)) {
      part->Draw(pDC);
      ++drawn;
    }
  }
  return drawn;
}

MvcVisualPart* MvcFindPartAt(const MvcPartList& parts, const CPoint& point) {
  for (int i = 0; i < parts.GetSize(); ++i)
    if (parts[i] && parts[i]->PtInBounds(point))
      return parts[i];
  return nullptr;
}

void MvcDeleteAllParts(MvcPartList& parts) {
  for (int i = parts.GetSize() - 1; i >= 0; --i)
    delete parts[i];
  parts.RemoveAll();
}
