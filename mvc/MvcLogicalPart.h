// A visual part with its own logical coordinate system: map mode, extents,
// logical origin and a zoom scale, with the scrolling and zooming arithmetic.
#pragma once

#include "mvc/MvcVisualComponent.h"

class MvcLogicalPart : public MvcVisualPart {
 public:
  // Map modes (the platform's MM_ values).
  static constexpr int kMapText = 1;
  static constexpr int kMapLoMetric = 2;
  static constexpr int kMapHiEnglish = 5;
  static constexpr int kMapIsotropic = 7;
  static constexpr int kMapAnisotropic = 8;
  // Lowest zoom percentage; zooming out stops there.
  static constexpr int kMinZoomPercent = 1;

  explicit MvcLogicalPart(MvcVisualPart* parent = nullptr) : MvcVisualPart(parent) {}

  void OnPrepareDC(CDC* pDC) override;
  void InvalidateVisual(MvcVisualComponent* component, BOOL bErase = TRUE, BOOL bUpdateNow = FALSE) override;
  void InvalidateRect(const CRect& rect, BOOL bErase = TRUE, BOOL bUpdateNow = FALSE) override;

  // Scales the window extent by the zoom scale, keeping its sign and never
  // letting it reach 0; the viewport extent is passed for derived parts.
  virtual void Zoom(CSize& windowExtent, CSize& viewportExtent);
  virtual int GetMapMode() const { return m_nMapMode; }
  virtual int SetMapMode(int mode);
  virtual int GetYOrientation() const;
  virtual void SetExtents(int axis, int window, int viewport);
  virtual void GetExtents(int axis, int& window, int& viewport) const;
  virtual CSize SetViewportExtent(int cx, int cy);
  virtual CSize GetViewportExtent() const { return m_szViewportExt; }
  virtual CSize GetWindowExtent() const { return m_szWindowExt; }
  virtual CSize SetWindowExtent(int cx, int cy);
  virtual BOOL HasFixedExtents() const;
  virtual CPoint GetLogicalOrigin() const { return m_ptLogOrigin; }
  virtual CPoint SetLogicalOrigin(int x, int y);
  virtual CPoint OffsetLogicalOrigin(int dx, int dy);
  virtual void CenterOn(int x, int y);
  virtual CSize GetLogicalSize() const;
  virtual CSize SetLogicalSize(int cx, int cy);
  virtual CRect ScrollBy(int dx, int dy);
  virtual CRect LineScrollBack(int axis);
  virtual CRect LineScrollForward(int axis);
  virtual CRect PageScrollBack(int axis);
  virtual CRect PageScrollForward(int axis);
  virtual CSize GetZoomPercent() const;
  virtual CSize SetZoomPercent(int px, int py);
  virtual CSize ZoomIn(int dpx, int dpy);
  virtual CSize ZoomOut(int dpx, int dpy);
  virtual CSize SetScale(float sx, float sy);
  virtual CSize MultiplyScale(float fx, float fy);
  virtual CSize GetScrollLimitSize() const { return GetLogicalSize(); }
  virtual CPoint GetScrollLimitOrigin() const { return CPoint(0, 0); }

  float GetScaleX() const { return m_fScaleX; }
  float GetScaleY() const { return m_fScaleY; }

  // The logical rectangle the part shows, normalised.
  CRect GetLogicalBounds() const;
  // The logical bounds within the scroll limits (when the limits are set).
  CRect GetVisibleLogicalArea() const;

  // Conversions without a device context, through the zoomed extents.
  CPoint DPtoLPNoDC(CPoint pt) const;
  CPoint LPtoDPNoDC(CPoint pt) const;
  CRect DPtoLPNoDC(const CRect& rc) const;
  CRect LPtoDPNoDC(const CRect& rc) const;
  CSize DPtoLPNoDC(CSize sz) const;
  CSize LPtoDPNoDC(CSize sz) const;

  // Extents a DC gets: in the isotropic and anisotropic modes the part's own,
  // in fixed modes those the DC reports; zoomed, and the viewport extent
  // corrected for a target whose resolution differs from the screen's.
  void ComputeDCExtents(CSize dcWindowExt, CSize dcViewportExt, CSize screenPpi, CSize targetPpi,
                        CSize& windowExt, CSize& viewportExt);
  // Viewport extent for a target of another resolution than the screen.
  static CSize CorrectForDevice(CSize viewportExt, CSize screenPpi, CSize targetPpi);

 protected:
  // Window extent / viewport extent per axis, after zooming.
  void GetRatio(double& rx, double& ry) const;
  static int ScrollStep(int size, int divisor);

  int m_nMapMode = kMapAnisotropic;
  CPoint m_ptLogOrigin{0, 0};
  CSize m_szWindowExt{1, 1};
  CSize m_szViewportExt{1, 1};
  float m_fScaleX = 1.0f;
  float m_fScaleY = 1.0f;
};
