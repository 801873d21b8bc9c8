// Puts margins (insets) around a viewport.
#pragma once

#include "framework/Framework.h"

template <class T>
class MvcWrapper_T : public T {
 public:
  explicit MvcWrapper_T(MvcVisualPart* parent = nullptr) : T(parent) {}

  void SetMargins(int left, int top, int right, int bottom) { m_rcMargins = CRect(left, top, right, bottom); }
  void GetMargins(CRect& rect) const override { rect = m_rcMargins; }
  CPoint SetOrigin(int x, int y) override { return T::SetOrigin(x + m_rcMargins.left, y + m_rcMargins.top); }
  CSize SetSize(int cx, int cy) override {
    return T::SetSize(cx - m_rcMargins.left - m_rcMargins.right, cy - m_rcMargins.top - m_rcMargins.bottom);
  }
  virtual void SetBounds(const CRect& rect) {
    SetOrigin(rect.left, rect.top);
    SetSize(rect.Width(), rect.Height());
  }

 protected:
  CRect m_rcMargins{0, 0, 0, 0};
};
