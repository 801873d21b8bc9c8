// Draws the wrapped viewport into an off-screen bitmap and copies the bitmap
// to the screen, so repainting does not flicker.
#pragma once

#include "framework/Framework.h"
#include "mvc/MvcViewport.h"

template <class V>
class MvcBufferedWrapper_T : public V {
 public:
  explicit MvcBufferedWrapper_T(MvcVisualPart* parent = nullptr) : V(parent) {}
  ~MvcBufferedWrapper_T() override {
    FreeBuffer();
    if (m_hPalette)
      ::DeleteObject(m_hPalette);
  }

  void EnableBuffering(BOOL bEnable) { m_bBuffered = bEnable; }
  BOOL IsBuffering() const { return m_bBuffered; }
  BOOL HasBuffer() const { return m_hMemDC != nullptr; }
  HDC GetBufferDC() const { return m_hMemDC; }
  CSize GetBufferSize() const { return m_szBitmap; }
  void SetExtraBufferSize(int extra) { m_nExtra = extra; }
  // The wrapper owns the palette from here on; one set before is deleted,
  // after the buffer has let go of it.
  void SetPalette(HPALETTE palette) {
    if (palette == m_hPalette)
      return;
    bool hadBuffer = m_hMemDC != nullptr;
    FreeBuffer();
    if (m_hPalette)
      ::DeleteObject(m_hPalette);
    m_hPalette = palette;
    if (hadBuffer)
      CheckBuffer();
  }

  virtual void RenderToBuffer() {
    if (!m_hMemDC)
      return;
    CDC dc;
    dc.Attach(m_hMemDC);
    int saved = ::SaveDC(m_hMemDC);
    this->OnPrepareDC(&dc);
    CRect area;
    HWND hwnd = Hwnd();
    if (hwnd && ::GetUpdateRect(hwnd, &area, FALSE))
      this->DPtoLP(&area);
    else
      area = this->GetLogicalBounds();
    area.NormalizeRect();
    EraseBackground(&dc, area);
    V::Draw(&dc);
    ::RestoreDC(m_hMemDC, saved);
    dc.Detach();
    m_rcPending.SetRectEmpty();
  }

  virtual void BlitBuffer(CDC* pDC, const CRect& rect) {
    CRect margins;
    this->GetMargins(margins);
    CRect bounds = this->GetBounds();
    bounds.InflateRect(margins.left, margins.top, margins.right, margins.bottom);
    CRect area;
    if (!area.IntersectRect(&bounds, &rect))
      return;
    if (!m_hMemDC) {
      V::Draw(pDC);
      return;
    }
    HDC target = pDC->m_hDC;
    int savedTarget = ::SaveDC(target);
    int savedMem = ::SaveDC(m_hMemDC);
    for (HDC hdc : {target, m_hMemDC}) {
      ::SetMapMode(hdc, MM_TEXT);
      ::SetViewportOrgEx(hdc, 0, 0, nullptr);
      ::SetWindowOrgEx(hdc, 0, 0, nullptr);
    }
    if (m_hPalette) {
      ::SelectPalette(target, m_hPalette, FALSE);
      ::RealizePalette(target);
    }
    ::BitBlt(target, area.left, area.top, area.Width(), area.Height(), m_hMemDC, area.left, area.top, SRCCOPY);
    ::RestoreDC(m_hMemDC, savedMem);
    ::RestoreDC(target, savedTarget);  // puts the palette and map mode back
  }

  virtual void BlitAll(CDC* pDC) { BlitBuffer(pDC, this->GetBounds()); }

  virtual void EraseBackground(CDC* pDC, const CRect& rect) {
    ::FillRect(pDC->m_hDC, &rect, ::GetSysColorBrush(COLOR_WINDOW));
  }

  // Printing never uses the screen bitmap.
  void Draw(CDC* pDC) override {
    if (!pDC)
      return;
    if (!m_bBuffered || pDC->IsPrinting()) {
      V::Draw(pDC);
      return;
    }
    CRect area;
    HWND hwnd = Hwnd();
    if (!hwnd || !::GetUpdateRect(hwnd, &area, FALSE))
      area = this->GetBounds();
    area.NormalizeRect();
    BlitBuffer(pDC, area);
  }

  void OnInitialUpdate() override {
    V::OnInitialUpdate();
    CreateBuffer();
    RenderToBuffer();
  }

  void InvalidateRect(const CRect& rect, BOOL bErase = TRUE, BOOL bUpdateNow = FALSE) override {
    HWND hwnd = Hwnd();
    if (!hwnd)
      return;
    CRect rc = rect;
    rc.NormalizeRect();
    rc.right += 1;
    rc.bottom += 1;
    this->LPtoDP(&rc);
    rc.NormalizeRect();
    m_rcPending = rc;
    ::InvalidateRect(hwnd, &rc, bErase);
    RenderToBuffer();
    if (bUpdateNow)
      ::UpdateWindow(hwnd);
  }

  BOOL GetUpdateRect(LPRECT rect, BOOL bErase = FALSE) override {
    if (!V::GetUpdateRect(rect, bErase))
      return FALSE;
    if (!m_rcPending.IsRectEmpty()) {
      CRect all;
      all.UnionRect(rect, &m_rcPending);
      *rect = all;
    }
    return TRUE;
  }

  CSize SetSize(int cx, int cy) override {
    CSize old = V::SetSize(cx, cy);
    if (Hwnd())
      CheckBuffer();
    return old;
  }

  // Keeps the buffer while it is large enough, else makes it again; then
  // draws into it.
  void CheckBuffer() {
    CSize size = this->GetSize();
    if (m_hMemDC && (m_szBitmap.cx < size.cx || m_szBitmap.cy < size.cy))
      FreeBuffer();
    CreateBuffer();
    RenderToBuffer();
  }

 protected:
  HWND Hwnd() const {
    CWnd* wnd = this->GetWnd();
    return wnd ? wnd->GetSafeHwnd() : nullptr;
  }

  void CreateBuffer() {
    HWND hwnd = Hwnd();
    if (!m_bBuffered || m_hMemDC || !hwnd)
      return;
    CSize size = this->GetSize();
    if (size.cx < 1 || size.cy < 1)
      return;
    HDC window = ::GetWindowDC(hwnd);
    if (!window)
      return;
    m_hMemDC = ::CreateCompatibleDC(window);
    if (m_hMemDC && m_hPalette) {
      m_hOldPalette = ::SelectPalette(m_hMemDC, m_hPalette, FALSE);
      ::RealizePalette(m_hMemDC);
    }
    CSize bitmapSize(size.cx + m_nExtra, size.cy + m_nExtra);
    m_hBitmap = m_hMemDC ? ::CreateCompatibleBitmap(window, bitmapSize.cx, bitmapSize.cy) : nullptr;
    ::ReleaseDC(hwnd, window);
    if (!m_hBitmap) {
      FreeBuffer();  // draw straight to the screen instead
      return;
    }
    m_hOldBitmap = static_cast<HBITMAP>(::SelectObject(m_hMemDC, m_hBitmap));
    m_szBitmap = bitmapSize;
  }

  // Puts the memory DC's own bitmap and palette back before deleting ours.
  void FreeBuffer() {
    if (m_hMemDC) {
      if (m_hOldBitmap)
        ::SelectObject(m_hMemDC, m_hOldBitmap);
      if (m_hOldPalette)
        ::SelectPalette(m_hMemDC, m_hOldPalette, FALSE);
      ::DeleteDC(m_hMemDC);
    }
    if (m_hBitmap)
      ::DeleteObject(m_hBitmap);
    m_hMemDC = nullptr;
    m_hBitmap = nullptr;
    m_hOldBitmap = nullptr;
    m_hOldPalette = nullptr;
    m_szBitmap = CSize(0, 0);
  }

  BOOL m_bBuffered = TRUE;
  HDC m_hMemDC = nullptr;
  HBITMAP m_hBitmap = nullptr;
  HPALETTE m_hPalette = nullptr;
  HBITMAP m_hOldBitmap = nullptr;
  HPALETTE m_hOldPalette = nullptr;
  int m_nExtra = 0;
  CSize m_szBitmap{0, 0};
  CRect m_rcPending{0, 0, 0, 0};
};
