#include "mvc/MvcLogicalPart.h"

#include <climits>
#include <cmath>

namespace {

int ClampToInt(double v) {
  if (v >= INT_MAX)
    return INT_MAX;
  if (v <= INT_MIN)
    return INT_MIN;
  return static_cast<int>(v);
}

// trunc(|extent| * scale), at least 1, with the extent's sign.
int ZoomAxis(int extent, float scale) {
  double magnitude = std::trunc(std::fabs(static_cast<double>(extent)) * static_cast<double>(scale));
  int zoomed = magnitude < 1.0 ? 1 : ClampToInt(magnitude);
  return extent < 0 ? -zoomed : zoomed;
}

}  // namespace

void MvcLogicalPart::Zoom(CSize& windowExtent, CSize& /*viewportExtent*/) {
  windowExtent.cx = ZoomAxis(windowExtent.cx, m_fScaleX);
  windowExtent.cy = ZoomAxis(windowExtent.cy, m_fScaleY);
}

int MvcLogicalPart::SetMapMode(int mode) {
  int old = m_nMapMode;
  m_nMapMode = mode;
  Invalidate(TRUE, FALSE);
  return old;
}

int MvcLogicalPart::GetYOrientation() const {
  if (m_nMapMode >= kMapLoMetric && m_nMapMode <= kMapHiEnglish)
    return -1;
  bool opposite = (m_szWindowExt.cy < 0 && m_szViewportExt.cy > 0) ||
                  (m_szWindowExt.cy >= 1 && m_szViewportExt.cy < 0);
  return opposite ? -1 : 1;
}

BOOL MvcLogicalPart::HasFixedExtents() const {
  return m_nMapMode != kMapIsotropic && m_nMapMode != kMapAnisotropic;
}

void MvcLogicalPart::SetExtents(int axis, int window, int viewport) {
  if (axis == 0) {
    m_szWindowExt.cx = window;
    m_szViewportExt.cx = viewport;
  } else {
    m_szWindowExt.cy = window;
    m_szViewportExt.cy = viewport;
  }
}

void MvcLogicalPart::GetExtents(int axis, int& window, int& viewport) const {
  window = axis == 0 ? m_szWindowExt.cx : m_szWindowExt.cy;
  viewport = axis == 0 ? m_szViewportExt.cx : m_szViewportExt.cy;
}

CSize MvcLogicalPart::SetViewportExtent(int cx, int cy) {
  CSize old = m_szViewportExt;
  if (!HasFixedExtents())
    m_szViewportExt = CSize(cx, cy);
  return old;
}

CSize MvcLogicalPart::SetWindowExtent(int cx, int cy) {
  CSize old = m_szWindowExt;
  if (!HasFixedExtents())
    m_szWindowExt = CSize(cx, cy);
  return old;
}

CPoint MvcLogicalPart::SetLogicalOrigin(int x, int y) {
  CPoint old = m_ptLogOrigin;
  m_ptLogOrigin = CPoint(x, y);
  return old;
}

CPoint MvcLogicalPart::OffsetLogicalOrigin(int dx, int dy) {
  CPoint origin = GetLogicalOrigin();
  if (dx == 0 && dy == 0)
    return origin;
  SetLogicalOrigin(origin.x + dx, origin.y + dy);
  return GetLogicalOrigin();
}

void MvcLogicalPart::CenterOn(int x, int y) {
  CSize size = GetLogicalSize();
  CPoint origin = GetLogicalOrigin();
  ScrollBy(x - size.cx / 2 - origin.x, y - size.cy / 2 - origin.y);
}

void MvcLogicalPart::GetRatio(double& rx, double& ry) const {
  CSize window = m_szWindowExt;
  CSize viewport = m_szViewportExt;
  const_cast<MvcLogicalPart*>(this)->Zoom(window, viewport);
  rx = viewport.cx == 0 ? 1.0 : static_cast<double>(window.cx) / viewport.cx;
  ry = viewport.cy == 0 ? 1.0 : static_cast<double>(window.cy) / viewport.cy;
}

CSize MvcLogicalPart::GetLogicalSize() const {
  CSize logical = DPtoLPNoDC(GetSize());
  logical.cy *= GetYOrientation();
  return logical;
}

CSize MvcLogicalPart::SetLogicalSize(int cx, int cy) {
  CSize old = GetLogicalSize();
  CSize device = LPtoDPNoDC(CSize(cx, cy * GetYOrientation()));
  SetSize(device.cx, device.cy);
  return old;
}

CRect MvcLogicalPart::GetLogicalBounds() const {
  CPoint origin = GetLogicalOrigin();
  CSize size = GetLogicalSize();
  CRect rc(origin.x, origin.y, origin.x + size.cx, origin.y + size.cy);
  rc.NormalizeRect();
  return rc;
}

CRect MvcLogicalPart::GetVisibleLogicalArea() const {
  CRect area = GetLogicalBounds();
  CSize limit = GetScrollLimitSize();
  if (limit.cx == 0 && limit.cy == 0)
    return area;
  CPoint at = GetScrollLimitOrigin();
  CRect limits(at.x, at.y, at.x + limit.cx, at.y + limit.cy);
  limits.NormalizeRect();
  CRect visible;
  visible.IntersectRect(&area, &limits);
  return visible;
}

CRect MvcLogicalPart::ScrollBy(int dx, int dy) {
  CRect rc = GetLogicalBounds();
  CSize limit = GetScrollLimitSize();
  CPoint at = GetScrollLimitOrigin();
  if (rc.right + dx > limit.cx + at.x)
    dx = limit.cx + at.x - rc.right;
  if (rc.left + dx < at.x)
    dx = at.x - rc.left;
  if (rc.bottom + dy > limit.cy + at.y)
    dy = limit.cy + at.y - rc.bottom;
  if (rc.top + dy < at.y)
    dy = at.y - rc.top;
  OffsetLogicalOrigin(dx, dy);
  return GetLogicalBounds();
}

int MvcLogicalPart::ScrollStep(int size, int divisor) {
  int step = size / divisor;
  if (step == 0)
    step = size < 0 ? -1 : 1;
  return step;
}

CRect MvcLogicalPart::LineScrollBack(int axis) {
  CSize size = GetLogicalSize();
  return axis == 0 ? ScrollBy(-ScrollStep(size.cx, 45), 0) : ScrollBy(0, -ScrollStep(size.cy, 25));
}

CRect MvcLogicalPart::LineScrollForward(int axis) {
  CSize size = GetLogicalSize();
  return axis == 0 ? ScrollBy(ScrollStep(size.cx, 45), 0) : ScrollBy(0, ScrollStep(size.cy, 25));
}

CRect MvcLogicalPart::PageScrollBack(int axis) {
  CSize size = GetLogicalSize();
  return axis == 0 ? ScrollBy(-ScrollStep(size.cx, 1), 0) : ScrollBy(0, -ScrollStep(size.cy, 1));
}

CRect MvcLogicalPart::PageScrollForward(int axis) {
  CSize size = GetLogicalSize();
  return axis == 0 ? ScrollBy(ScrollStep(size.cx, 1), 0) : ScrollBy(0, ScrollStep(size.cy, 1));
}

CSize MvcLogicalPart::GetZoomPercent() const {
  // Rounded, so a percentage reads back as it was set (1/3 is not exact in a
  // float, and truncation would turn 300 into 299).
  return CSize(static_cast<int>(std::lround(100.0 / m_fScaleX)), static_cast<int>(std::lround(100.0 / m_fScaleY)));
}

CSize MvcLogicalPart::SetZoomPercent(int px, int py) {
  if (px < kMinZoomPercent)
    px = kMinZoomPercent;
  if (py < kMinZoomPercent)
    py = kMinZoomPercent;
  return SetScale(static_cast<float>(100.0 / px), static_cast<float>(100.0 / py));
}

CSize MvcLogicalPart::ZoomIn(int dpx, int dpy) {
  CSize percent = GetZoomPercent();
  return SetZoomPercent(percent.cx + dpx, percent.cy + dpy);
}

CSize MvcLogicalPart::ZoomOut(int dpx, int dpy) {
  CSize percent = GetZoomPercent();
  return SetZoomPercent(percent.cx - dpx, percent.cy - dpy);
}

CSize MvcLogicalPart::SetScale(float sx, float sy) {
  // A zero, negative or non-finite scale would collapse or flip the drawing.
  if (std::isfinite(sx) && sx > 0.0f)
    m_fScaleX = sx;
  if (std::isfinite(sy) && sy > 0.0f)
    m_fScaleY = sy;
  return GetLogicalSize();
}

CSize MvcLogicalPart::MultiplyScale(float fx, float fy) {
  return SetScale(fx * m_fScaleX, fy * m_fScaleY);
}

CPoint MvcLogicalPart::DPtoLPNoDC(CPoint pt) const {
  double rx, ry;
  GetRatio(rx, ry);
  return CPoint(ClampToInt(std::trunc(pt.x * rx)) + m_ptLogOrigin.x, ClampToInt(std::trunc(pt.y * ry)) + m_ptLogOrigin.y);
}

CPoint MvcLogicalPart::LPtoDPNoDC(CPoint pt) const {
  double rx, ry;
  GetRatio(rx, ry);
  return CPoint(ClampToInt(std::trunc((pt.x - m_ptLogOrigin.x) / rx)), ClampToInt(std::trunc((pt.y - m_ptLogOrigin.y) / ry)));
}

CRect MvcLogicalPart::DPtoLPNoDC(const CRect& rc) const {
  CPoint a = DPtoLPNoDC(CPoint(rc.left, rc.top));
  CPoint b = DPtoLPNoDC(CPoint(rc.right, rc.bottom));
  return CRect(a.x, a.y, b.x, b.y);
}

CRect MvcLogicalPart::LPtoDPNoDC(const CRect& rc) const {
  CPoint a = LPtoDPNoDC(CPoint(rc.left, rc.top));
  CPoint b = LPtoDPNoDC(CPoint(rc.right, rc.bottom));
  return CRect(a.x, a.y, b.x, b.y);
}

CSize MvcLogicalPart::DPtoLPNoDC(CSize sz) const {
  double rx, ry;
  GetRatio(rx, ry);
  return CSize(ClampToInt(std::trunc(sz.cx * rx)), ClampToInt(std::trunc(sz.cy * ry)));
}

CSize MvcLogicalPart::LPtoDPNoDC(CSize sz) const {
  double rx, ry;
  GetRatio(rx, ry);
  return CSize(ClampToInt(std::trunc(sz.cx / rx)), ClampToInt(std::trunc(sz.cy / ry)));
}

void MvcLogicalPart::InvalidateVisual(MvcVisualComponent* component, BOOL bErase, BOOL bUpdateNow) {
  if (!component)
    return;
  CRect rc = component == this ? GetLogicalBounds() : component->GetBounds();
  InvalidateRect(rc, bErase, bUpdateNow);
}

void MvcLogicalPart::InvalidateRect(const CRect& rect, BOOL bErase, BOOL bUpdateNow) {
  if (m_pVisualParent)
    m_pVisualParent->InvalidateRect(LPtoDPNoDC(rect), bErase, bUpdateNow);
}

CSize MvcLogicalPart::CorrectForDevice(CSize viewportExt, CSize screenPpi, CSize targetPpi) {
  if (screenPpi == targetPpi || screenPpi.cx == 0 || screenPpi.cy == 0)
    return viewportExt;
  return CSize(static_cast<int>(static_cast<long long>(viewportExt.cx) * targetPpi.cx / screenPpi.cx),
               static_cast<int>(static_cast<long long>(viewportExt.cy) * targetPpi.cy / screenPpi.cy));
}

void MvcLogicalPart::ComputeDCExtents(CSize dcWindowExt, CSize dcViewportExt, CSize screenPpi, CSize targetPpi,
                                      CSize& windowExt, CSize& viewportExt) {
  bool ownExtents = m_nMapMode == kMapIsotropic || m_nMapMode == kMapAnisotropic;
  windowExt = ownExtents ? m_szWindowExt : dcWindowExt;
  viewportExt = ownExtents ? m_szViewportExt : dcViewportExt;
  Zoom(windowExt, viewportExt);
  if (ownExtents || m_nMapMode == kMapText)
    viewportExt = CorrectForDevice(viewportExt, screenPpi, targetPpi);
}
