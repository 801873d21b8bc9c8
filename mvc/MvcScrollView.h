// A scroll view that carries a (margin-wrapped) viewport: the viewport sees
// the view's messages first, fills the client area less the margins, and its
// logical origin moves with the scroll bars (the device mapping never does).
#pragma once

#include "framework/Framework.h"
#include "mvc/MvcWrapper.h"

template <class T>
class MvcScrollView_T : public CScrollView, public MvcWrapper_T<T> {
  using Viewport = MvcWrapper_T<T>;

 public:
  MvcScrollView_T() : Viewport(nullptr) {}

  void SetLineSize(int cx, int cy) { m_szLine = CSize(cx, cy); }

  BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
              UINT nID, CCreateContext* pContext = nullptr) override {
    Viewport::SetVisualParent(nullptr);
    if (!CScrollView::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID, pContext))
      return FALSE;
    if (!Viewport::Create(this, nullptr))
      return FALSE;
    if (this->GetController() && this->GetModel())
      this->GetController()->SetModel(this->GetModel());
    return TRUE;
  }

  // Both the view's and the viewport's initial update.
  void OnInitialUpdate() override {
    CScrollView::OnInitialUpdate();
    CRect client;
    ::GetClientRect(m_hWnd, &client);
    Viewport::SetSize(client.Width(), client.Height());
    T::OnInitialUpdate();
    UpdateScrollSizes();
    UpdateScrollPositions();
  }

  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override {
    if (Viewport::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
      return TRUE;
    return CScrollView::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
  }

  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
    BOOL handled = Viewport::OnWndMsg(message, wParam, lParam, pResult);
    if (!handled)
      handled = CScrollView::OnWndMsg(message, wParam, lParam, pResult);
    switch (message) {
      case WM_SIZE:
        OnViewSize(LOWORD(lParam), HIWORD(lParam));
        break;
      case WM_HSCROLL:
      case WM_VSCROLL:
        if (LOWORD(wParam) != SB_ENDSCROLL) {
          OnViewScroll();
          if (pResult)
            *pResult = 0;
          handled = TRUE;
        }
        break;
      case WM_MOUSEWHEEL: {
        CPoint pos = GetDeviceScrollPosition();
        ScrollToDevicePosition(pos.x, pos.y);
        break;
      }
      default:
        break;
    }
    return handled;
  }

  void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) override {
    Viewport::OnPrepareDC(pDC);
    CView::OnPrepareDC(pDC, pInfo);  // with an unknown page count, page 1 only
  }
  void OnPrepareDC(CDC* pDC) override { Viewport::OnPrepareDC(pDC); }

  void OnDraw(CDC* pDC) override {
    if (m_bScrollSizesDirty) {
      UpdateScrollPositions();
      UpdateScrollSizes();
      m_bScrollSizesDirty = FALSE;
    }
    T::Draw(pDC);
  }

  virtual void ScrollToDevicePosition(int x, int y) {
    CSize logical(x, y);
    this->DPtoLP(&logical);
    SetLogicalOrigin(logical.cx, logical.cy);
    this->InvalidateVisual(this, FALSE, TRUE);
  }

  virtual void UpdateScrollPositions() {
    if (!m_hWnd)
      return;
    CPoint origin = this->GetLogicalOrigin();
    CSize device(origin.x, origin.y);
    this->LPtoDP(&device);
    CWnd::SetScrollPos(SB_HORZ, device.cx, TRUE);
    CWnd::SetScrollPos(SB_VERT, std::abs(device.cy), TRUE);
  }

  virtual void UpdateScrollSizes() {
    if (!m_hWnd)
      return;
    CSize total = this->GetScrollLimitSize();
    this->LPtoDP(&total);
    CRect margins;
    this->GetMargins(margins);
    total = CSize(std::abs(total.cx) + margins.left + margins.right, std::abs(total.cy) + margins.top + margins.bottom);
    SetScrollSizes(MM_TEXT, total, this->GetSize(), m_szLine);
  }

  // The viewport side keeps the scroll bars in step.
  CPoint SetOrigin(int x, int y) override {
    CPoint old = Viewport::SetOrigin(x, y);
    UpdateScrollPositions();
    return old;
  }
  CPoint SetLogicalOrigin(int x, int y) override {
    CPoint old = Viewport::SetLogicalOrigin(x, y);
    UpdateScrollPositions();
    return old;
  }
  CSize SetViewportExtent(int cx, int cy) override {
    m_bScrollSizesDirty = TRUE;
    return Viewport::SetViewportExtent(cx, cy);
  }
  CSize SetWindowExtent(int cx, int cy) override {
    m_bScrollSizesDirty = TRUE;
    return Viewport::SetWindowExtent(cx, cy);
  }
  CSize SetLogicalSize(int cx, int cy) override {
    CSize old = Viewport::SetLogicalSize(cx, cy);
    UpdateScrollPositions();
    UpdateScrollSizes();
    return old;
  }
  CSize SetScale(float sx, float sy) override {
    CSize size = Viewport::SetScale(sx, sy);
    UpdateScrollPositions();
    UpdateScrollSizes();
    return size;
  }

 protected:
  void OnViewSize(int cx, int cy) {
    Viewport::SetSize(cx, cy);
    UpdateScrollSizes();
    CPoint pos = GetDeviceScrollPosition();
    CPoint origin = this->GetLogicalOrigin();
    CSize device(origin.x, origin.y);
    this->LPtoDP(&device);
    if (pos.x != device.cx || pos.y != std::abs(device.cy))
      ScrollToDevicePosition(pos.x, pos.y);
  }

  // The scroll view has moved its bars (its own, or a splitter's that the
  // view only borrows) and the thumb track with them; the origin follows.
  void OnViewScroll() {
    CPoint pos = GetDeviceScrollPosition();
    ScrollToDevicePosition(pos.x, pos.y);
  }

  CSize m_szLine{16, 16};
  BOOL m_bScrollSizesDirty = FALSE;
};
