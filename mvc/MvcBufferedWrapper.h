// Draws the wrapped viewport into an off-screen bitmap and copies the bitmap
// to the screen, so repainting does not flicker.
#pragma once

#include "framework/Framework.h"
#include "mvc/MvcViewport.h"

#include <memory>
#include <optional>

template <class V>
class MvcBufferedWrapper_T : public V {
 public:
  explicit MvcBufferedWrapper_T(MvcVisualPart* parent = nullptr) : V(parent) {}
  ~MvcBufferedWrapper_T() override { FreeBuffer(); }

  void EnableBuffering(BOOL bEnable) { m_bBuffered = bEnable; }
  BOOL IsBuffering() const { return m_bBuffered; }
  BOOL HasBuffer() const { return m_pBuffer != nullptr; }
  HDC GetBufferDC() const { return m_pBuffer ? m_pBuffer->dc.m_hDC : nullptr; }
  CSize GetBufferSize() const { return m_szBitmap; }
  void SetExtraBufferSize(int extra) { m_nExtra = extra; }
  // The wrapper owns the palette from here on; one set before is deleted,
  // after the buffer has let go of it.
  void SetPalette(HPALETTE palette) {
    if (palette == m_palette.m_hObject)
      return;
    bool hadBuffer = HasBuffer();
    FreeBuffer();
    m_palette.DeleteObject();
    m_palette.Attach(palette);
    if (hadBuffer)
      CheckBuffer();
  }

  virtual void RenderToBuffer() {
    if (!m_pBuffer)
      return;
    CDC& dc = m_pBuffer->dc;
    CSaveDCScope saved(dc.m_hDC);
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
    if (!m_pBuffer) {
      V::Draw(pDC);
      return;
    }
    HDC target = pDC->m_hDC;
    HDC memory = m_pBuffer->dc.m_hDC;
    CSaveDCScope savedTarget(target);  // puts the palette and map mode back
    CSaveDCScope savedMemory(memory);
    for (HDC hdc : {target, memory}) {
      ::SetMapMode(hdc, MM_TEXT);
      ::SetViewportOrgEx(hdc, 0, 0, nullptr);
      ::SetWindowOrgEx(hdc, 0, 0, nullptr);
    }
    if (m_palette.m_hObject) {
      ::SelectPalette(target, m_palette, FALSE);
      ::RealizePalette(target);
    }
    ::BitBlt(target, area.left, area.top, area.Width(), area.Height(), memory, area.left, area.top, SRCCOPY);
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
    if (m_pBuffer && (m_szBitmap.cx < size.cx || m_szBitmap.cy < size.cy))
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
    if (!m_bBuffered || m_pBuffer || !hwnd)
      return;
    CSize size = this->GetSize();
    if (size.cx < 1 || size.cy < 1)
      return;
    HDC window = ::GetWindowDC(hwnd);
    if (!window)
      return;
    CSize bitmapSize(size.cx + m_nExtra, size.cy + m_nExtra);
    m_pBuffer = MakeBuffer(window, bitmapSize);  // none: draw straight to the screen
    ::ReleaseDC(hwnd, window);
    if (m_pBuffer)
      m_szBitmap = bitmapSize;
  }

  void FreeBuffer() {
    m_pBuffer.reset();
    m_szBitmap = CSize(0, 0);
  }

  // The off-screen bitmap selected into its memory DC (with the palette,
  // when there is one). Members go in reverse order: the selections are
  // undone first, then the DC is deleted, then the bitmap.
  struct Buffer {
    CBitmap bitmap;
    CDC dc;
    std::optional<CSelectPaletteScope> selectPalette;
    std::optional<CSelectObjectScope> selectBitmap;
  };

  std::unique_ptr<Buffer> MakeBuffer(HDC window, CSize bitmapSize) const {
    auto buffer = std::make_unique<Buffer>();
    if (!buffer->dc.Attach(::CreateCompatibleDC(window)))
      return nullptr;
    if (m_palette.m_hObject) {
      buffer->selectPalette.emplace(buffer->dc.m_hDC, static_cast<HPALETTE>(m_palette), FALSE);
      ::RealizePalette(buffer->dc.m_hDC);
    }
    if (!buffer->bitmap.Attach(::CreateCompatibleBitmap(window, bitmapSize.cx, bitmapSize.cy)))
      return nullptr;
    buffer->selectBitmap.emplace(buffer->dc.m_hDC, buffer->bitmap.m_hObject);
    return buffer;
  }

  BOOL m_bBuffered = TRUE;
  std::unique_ptr<Buffer> m_pBuffer;
  CPalette m_palette;  // owned: set through SetPalette
  int m_nExtra = 0;
  CSize m_szBitmap{0, 0};
  CRect m_rcPending{0, 0, 0, 0};
};
