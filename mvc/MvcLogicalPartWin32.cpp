// Preparing a device context for a logical part.
#include "mvc/MvcLogicalPart.h"

namespace {

CSize PixelsPerInch(HDC hdc) {
  return CSize(::GetDeviceCaps(hdc, LOGPIXELSX), ::GetDeviceCaps(hdc, LOGPIXELSY));
}

CSize ScreenPixelsPerInch() {
  HDC screen = ::GetDC(nullptr);
  CSize ppi = PixelsPerInch(screen);
  ::ReleaseDC(nullptr, screen);
  return ppi;
}

}  // namespace

void MvcLogicalPart::OnPrepareDC(CDC* pDC) {
  if (!pDC || !pDC->m_hAttribDC)
    return;
  pDC->SetMapMode(m_nMapMode);
  pDC->SetWindowOrg(m_ptLogOrigin.x, m_ptLogOrigin.y);
  pDC->SetViewportOrg(m_rcBounds.left, m_rcBounds.top);
  CSize dcWindow(1, 1), dcViewport(1, 1);
  if (HasFixedExtents()) {
    // Keep the fixed mode's scale, but in a mode that takes extents.
    dcWindow = pDC->GetWindowExt();
    dcViewport = pDC->GetViewportExt();
    pDC->SetMapMode(kMapAnisotropic);
  }
  CSize window, viewport;
  ComputeDCExtents(dcWindow, dcViewport, ScreenPixelsPerInch(), PixelsPerInch(pDC->m_hAttribDC), window, viewport);
  pDC->SetWindowExt(window.cx, window.cy);
  pDC->SetViewportExt(viewport.cx, viewport.cy);
}
