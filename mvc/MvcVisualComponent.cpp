#include "mvc/MvcVisualComponent.h"

rw::HResult MvcVisualComponent::QueryInterface(const rw::Guid& iid, void** ppv) {
  if (!ppv)
    return rw::kNoInterface;
  if (iid == rw::IID_IVisual) {
    *ppv = static_cast<rw::IVisual*>(this);
    return rw::kOk;
  }
  if (iid == rw::IID_IBounds2D || iid == rw::IID_ISize2D || iid == rw::IID_IUnknown) {
    *ppv = static_cast<rw::IBounds2D*>(this);
    return rw::kOk;
  }
  *ppv = nullptr;
  return rw::kNoInterface;
}

CPoint MvcVisualComponent::Move(int dx, int dy) {
  return SetOrigin(m_rcBounds.left + dx, m_rcBounds.top + dy);
}

CSize MvcVisualComponent::Scale(int numX, int denX, int numY, int denY, BOOL bCenter) {
  CSize old = GetSize();
  if (denX == 0 || denY == 0)
    return old;
  int cx = static_cast<int>(static_cast<long long>(old.cx) * numX / denX);
  int cy = static_cast<int>(static_cast<long long>(old.cy) * numY / denY);
  if (bCenter)
    Move((old.cx - cx) / 2, (old.cy - cy) / 2);
  SetSize(cx, cy);
  return old;
}

CSize MvcVisualComponent::SetSize(int cx, int cy) {
  CSize old = GetSize();
  m_rcBounds.right = m_rcBounds.left + cx;
  m_rcBounds.bottom = m_rcBounds.top + cy;
  return old;
}

CPoint MvcVisualComponent::SetOrigin(int x, int y) {
  CPoint old = GetOrigin();
  m_rcBounds.left = x;
  m_rcBounds.top = y;
  return old;
}

CPoint MvcVisualComponent::OffsetOrigin(int dx, int dy) {
  m_rcBounds.OffsetRect(dx, dy);
  return GetOrigin();
}

BOOL MvcVisualComponent::IntersectsRect(const RECT& rect) const {
  CRect meet;
  return meet.IntersectRect(&m_rcBounds, &rect);
}

BOOL MvcVisualPart::Create(MvcVisualPart* parent) {
  SetVisualParent(parent);
  return OnCreate();
}

void MvcVisualPart::Invalidate(BOOL bErase, BOOL bUpdateNow) {
  InvalidateVisual(this, bErase, bUpdateNow);
}

void MvcVisualPart::InvalidateVisual(MvcVisualComponent* component, BOOL bErase, BOOL bUpdateNow) {
  if (component)
    InvalidateRect(component->GetBounds(), bErase, bUpdateNow);
}

void MvcVisualPart::InvalidateRect(const CRect& rect, BOOL bErase, BOOL bUpdateNow) {
  if (m_pVisualParent)
    m_pVisualParent->InvalidateRect(rect, bErase, bUpdateNow);
}
