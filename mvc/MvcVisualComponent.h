// Everything drawn in a view: a rectangle in its parent's coordinates that
// can draw itself.
#pragma once

#include "framework/Framework.h"
#include "mvc/Interfaces.h"

namespace rw {

class ISize2D : public IUnknown {
 public:
  virtual CSize GetSize() const = 0;
  virtual CSize SetSize(int cx, int cy) = 0;
};

class IBounds2D : public ISize2D {
 public:
  virtual CRect GetBounds() const = 0;
  virtual CPoint GetOrigin() const = 0;
  virtual CPoint SetOrigin(int x, int y) = 0;
  virtual CPoint OffsetOrigin(int dx, int dy) = 0;
};

class IVisual : public IUnknown {
 public:
  virtual CPoint Move(int dx, int dy) = 0;
  virtual CSize Scale(int numX, int denX, int numY, int denY, BOOL bCenter) = 0;
  virtual void GetMargins(CRect& rect) const = 0;
  virtual void OnCleanupDC(CDC* pDC) = 0;
  virtual void Draw(CDC* pDC) = 0;
  virtual void OnInitialUpdate() = 0;
  virtual void OnPrepareDC(CDC* pDC) = 0;
};

}  // namespace rw

class MvcVisualComponent : public rw::IVisual, public rw::IBounds2D {
 public:
  MvcVisualComponent() = default;
  ~MvcVisualComponent() override = default;

  rw::HResult QueryInterface(const rw::Guid& iid, void** ppv) override;
  int AddRef() override { return 1; }
  int Release() override { return 1; }

  CPoint Move(int dx, int dy) override;
  CSize Scale(int numX, int denX, int numY, int denY, BOOL bCenter) override;
  void GetMargins(CRect& rect) const override { rect.SetRectEmpty(); }
  void OnCleanupDC(CDC*) override {}
  void Draw(CDC*) override {}
  void OnInitialUpdate() override {}
  void OnPrepareDC(CDC*) override {}

  CSize GetSize() const override { return m_rcBounds.Size(); }
  CSize SetSize(int cx, int cy) override;
  CRect GetBounds() const override { return m_rcBounds; }
  CPoint GetOrigin() const override { return m_rcBounds.TopLeft(); }
  CPoint SetOrigin(int x, int y) override;
  CPoint OffsetOrigin(int dx, int dy) override;

  // Right and bottom edges are outside.
  BOOL PtInBounds(const POINT& pt) const { return m_rcBounds.PtInRect(pt); }
  BOOL IntersectsRect(const RECT& rect) const;

 protected:
  CRect m_rcBounds{0, 0, 0, 0};
};

// A visual component with a visual parent, so invalidation travels upward.
class MvcVisualPart : public MvcVisualComponent {
 public:
  explicit MvcVisualPart(MvcVisualPart* parent = nullptr) : m_pVisualParent(parent) {}

  virtual BOOL Create(MvcVisualPart* parent);
  virtual void SetVisualParent(MvcVisualPart* parent) { m_pVisualParent = parent; }
  MvcVisualPart* GetVisualParent() const { return m_pVisualParent; }
  virtual void Invalidate(BOOL bErase = TRUE, BOOL bUpdateNow = FALSE);
  virtual void InvalidateVisual(MvcVisualComponent* component, BOOL bErase = TRUE, BOOL bUpdateNow = FALSE);
  virtual void InvalidateRect(const CRect& rect, BOOL bErase = TRUE, BOOL bUpdateNow = FALSE);
  virtual BOOL OnCreate() { return TRUE; }

 protected:
  MvcVisualPart* m_pVisualParent;
};
