#include "mvc/MvcViewport.h"

namespace {

// A display context of the host window for one call, prepared by the part.
class PreparedClientDC : public CDC {
 public:
  PreparedClientDC(const CWnd* host, MvcLogicalPart* part) : m_hWnd(host ? host->GetSafeHwnd() : nullptr) {
    HDC hdc = ::GetDC(m_hWnd);
    if (!hdc)
      AfxThrowResourceException();
    Attach(hdc);
    if (part)
      part->OnPrepareDC(this);
  }
  ~PreparedClientDC() override { ::ReleaseDC(m_hWnd, Detach()); }

 private:
  HWND m_hWnd;
};

}  // namespace

MvcViewport::MvcViewport(MvcVisualPart* parent) : MvcViewport_T(parent) {}

BOOL MvcViewport::Create(CWnd* host, MvcVisualPart* parent) {
  m_pWnd = host;
  return MvcVisualPart::Create(parent);
}

BOOL MvcViewport::OnCreate() {
  BOOL created = CreateController();
  if (m_pController)
    created = m_pController->Create(m_pWnd, this) && created;
  if (m_pController && m_pModel)
    m_pController->SetModel(m_pModel);
  return created;
}

BOOL MvcViewport::HitTest(const CPoint& point) {
  CRect rc = GetLogicalBounds();
  LPtoDP(&rc);
  rc.NormalizeRect();
  return rc.PtInRect(point);
}

BOOL MvcViewport::GetUpdateRect(LPRECT rect, BOOL bErase) {
  if (!m_pWnd || !m_pWnd->GetSafeHwnd())
    return FALSE;
  return ::GetUpdateRect(m_pWnd->GetSafeHwnd(), rect, bErase);
}

void MvcViewport::LPtoDP(LPSIZE size) {
  PreparedClientDC dc(m_pWnd, this);
  ::LPtoDP(dc.m_hDC, reinterpret_cast<LPPOINT>(size), 1);
  POINT origin = {0, 0};
  ::LPtoDP(dc.m_hDC, &origin, 1);
  size->cx -= origin.x;
  size->cy -= origin.y;
}

void MvcViewport::LPtoDP(LPRECT rect) {
  PreparedClientDC dc(m_pWnd, this);
  ::LPtoDP(dc.m_hDC, reinterpret_cast<LPPOINT>(rect), 2);
}

void MvcViewport::LPtoDP(LPPOINT points, int count) {
  PreparedClientDC dc(m_pWnd, this);
  ::LPtoDP(dc.m_hDC, points, count);
}

void MvcViewport::DPtoLP(LPSIZE size) {
  PreparedClientDC dc(m_pWnd, this);
  POINT pts[2] = {{0, 0}, {size->cx, size->cy}};
  ::DPtoLP(dc.m_hDC, pts, 2);
  size->cx = pts[1].x - pts[0].x;
  size->cy = pts[1].y - pts[0].y;
}

void MvcViewport::DPtoLP(LPRECT rect) {
  PreparedClientDC dc(m_pWnd, this);
  ::DPtoLP(dc.m_hDC, reinterpret_cast<LPPOINT>(rect), 2);
}

void MvcViewport::DPtoLP(LPPOINT points, int count) {
  PreparedClientDC dc(m_pWnd, this);
  ::DPtoLP(dc.m_hDC, points, count);
}

CSize MvcViewport::GetLogicalSize() const {
  CSize size = GetSize();
  const_cast<MvcViewport*>(this)->DPtoLP(&size);
  size.cy *= GetYOrientation();
  return size;
}

void MvcViewport::InvalidateRect(const CRect& rect, BOOL bErase, BOOL bUpdateNow) {
  if (!m_pWnd || !m_pWnd->GetSafeHwnd())
    return;
  CRect rc = rect;
  rc.right += 1;
  rc.bottom += 1;
  LPtoDP(&rc);
  rc.NormalizeRect();
  ::InvalidateRect(m_pWnd->GetSafeHwnd(), &rc, bErase);
  if (bUpdateNow)
    ::UpdateWindow(m_pWnd->GetSafeHwnd());
}

MvcRouteTargets MvcViewport::RouteTargets() {
  MvcRouteTargets targets;
  targets.capture = MvcController::GetCaptureController();
  targets.controller = m_pController;
  targets.factory = GetEventFactory();
  targets.router = this;
  targets.bounds = GetBounds();
  return targets;
}

BOOL MvcViewport::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  return MvcRouteMessage(RouteTargets(), message, wParam, lParam, pResult);
}

BOOL MvcViewport::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  return MvcRouteCommand(RouteTargets(), nID, nCode, pExtra, pHandlerInfo);
}
