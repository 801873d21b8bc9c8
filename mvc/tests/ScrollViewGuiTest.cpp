// A composite viewport in a buffered scroll view: it draws into its buffer,
// scrolls with the scroll bars and zooms. Writes mvc_scrollview.bmp.
#include "framework/Framework.h"
#include "mvc/MvcBufferedWrapper.h"
#include "mvc/MvcCompositeViewport.h"
#include "mvc/MvcScrollView.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

namespace {

const COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);

class Box : public MvcVisualPart {
 public:
  Box(const CRect& rc, COLORREF color) : m_color(color) {
    SetOrigin(rc.left, rc.top);
    SetSize(rc.Width(), rc.Height());
  }
  void Draw(CDC* pDC) override {
    HBRUSH brush = ::CreateSolidBrush(m_color);
    ::FillRect(pDC->m_hDC, &m_rcBounds, brush);
    ::DeleteObject(brush);
    ++draws;
  }
  int draws = 0;

 private:
  COLORREF m_color;
};

// A 1000 x 800 logical canvas with three boxes.
class Canvas : public MvcCompositeViewport {
 public:
  explicit Canvas(MvcVisualPart* parent = nullptr) : MvcCompositeViewport(parent) {}
  void CreateParts() override {
    DeleteAllParts();
    AddPart(red = new Box(CRect(0, 0, 100, 100), kRed));
    AddPart(green = new Box(CRect(200, 0, 300, 100), kGreen));
    AddPart(blue = new Box(CRect(0, 300, 100, 400), kBlue));
  }
  void OnInitialUpdate() override {
    SetWindowExtent(1000, 1000);
    SetViewportExtent(1000, 1000);
  }
  CSize GetScrollLimitSize() const override { return CSize(1000, 800); }
  Box* red = nullptr;
  Box* green = nullptr;
  Box* blue = nullptr;
};

using View = MvcScrollView_T<MvcBufferedWrapper_T<Canvas>>;

void WriteBitmap(HDC source, int width, int height, const char* path) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP dib = ::CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC mem = ::CreateCompatibleDC(source);
  HGDIOBJ old = ::SelectObject(mem, dib);
  ::BitBlt(mem, 0, 0, width, height, source, 0, 0, SRCCOPY);
  ::GdiFlush();
  int stride = ((width * 3 + 3) / 4) * 4;
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  file.bfSize = file.bfOffBits + stride * height;
  if (FILE* out = std::fopen(path, "wb")) {
    std::fwrite(&file, sizeof(file), 1, out);
    std::fwrite(&info.bmiHeader, sizeof(BITMAPINFOHEADER), 1, out);
    std::fwrite(bits, stride * height, 1, out);
    std::fclose(out);
  }
  ::SelectObject(mem, old);
  ::DeleteDC(mem);
  ::DeleteObject(dib);
}

void Pump() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

LPCTSTR WindowClass() {
  return AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursor(nullptr, IDC_ARROW),
                             ::GetSysColorBrush(COLOR_WINDOW));
}

// One frame for every test: top-level windows are slow to make and destroy
// under Wine.
CWnd& Frame() {
  static CWnd* frame = [] {
    auto* made = new CWnd;
    made->CreateEx(0, WindowClass(), "Viewport", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN,
                   CRect(0, 0, 400, 300), nullptr, 0);
    return made;
  }();
  return *frame;
}

struct ScrollViewGui : ::testing::Test {
  void SetUp() override {
    LPCTSTR cls = WindowClass();
    CWnd& frame = Frame();
    ASSERT_NE(nullptr, frame.GetSafeHwnd());
    view = new View;  // a view deletes itself when its window goes
    view->SetModel(&model);
    ASSERT_TRUE(view->Create(cls, "", WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, CRect(0, 0, 300, 200), &frame,
                             AFX_IDW_PANE_FIRST, nullptr));
    view->OnInitialUpdate();
    ::UpdateWindow(view->GetSafeHwnd());
    Pump();
  }
  void TearDown() override { view->DestroyWindow(); }

  COLORREF Buffer(int x, int y) const { return ::GetPixel(view->GetBufferDC(), x, y) & 0xFFFFFF; }

  MvcModel model;
  View* view = nullptr;
};

TEST_F(ScrollViewGui, DrawsItsPartsIntoTheBuffer) {
  ASSERT_TRUE(view->HasBuffer());
  CRect client;
  ::GetClientRect(view->GetSafeHwnd(), &client);
  EXPECT_EQ(client.Size(), view->GetSize());
  EXPECT_EQ(kRed, Buffer(50, 50));
  EXPECT_EQ(kGreen, Buffer(250, 50));
  EXPECT_EQ(::GetSysColor(COLOR_WINDOW) & 0xFFFFFF, Buffer(150, 50));
  // A paint copies the buffer to the window.
  HWND hwnd = view->GetSafeHwnd();
  ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  HDC dc = ::GetDC(hwnd);
  EXPECT_EQ(kGreen, ::GetPixel(dc, 250, 50) & 0xFFFFFF);
  ::ReleaseDC(hwnd, dc);
  EXPECT_EQ(3, view->GetPartCount());
  EXPECT_EQ(view->red, view->FindPartAt(CPoint(10, 10)));
  EXPECT_EQ(nullptr, view->FindPartAt(CPoint(150, 10)));
}

TEST_F(ScrollViewGui, ScrollsWithTheScrollBars) {
  ::SetScrollPos(view->GetSafeHwnd(), SB_VERT, 300, TRUE);
  ::SendMessageA(view->GetSafeHwnd(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 300), 0);
  Pump();
  EXPECT_EQ(CPoint(0, 300), view->GetLogicalOrigin());
  EXPECT_EQ(kBlue, Buffer(50, 50));
  EXPECT_EQ(::GetSysColor(COLOR_WINDOW) & 0xFFFFFF, Buffer(250, 50));
  ::SendMessageA(view->GetSafeHwnd(), WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), 0);  // changes nothing
  EXPECT_EQ(CPoint(0, 300), view->GetLogicalOrigin());
  view->ScrollToDevicePosition(0, 0);
  EXPECT_EQ(kRed, Buffer(50, 50));
}

TEST_F(ScrollViewGui, ZoomsAndWritesAScreenshot) {
  view->SetZoomPercent(200, 200);
  view->InvalidateVisual(view, FALSE, TRUE);
  Pump();
  EXPECT_EQ(CSize(200, 200), view->GetZoomPercent());
  EXPECT_EQ(kRed, Buffer(150, 150));  // the 100-unit box now covers 200 pixels
  EXPECT_EQ(::GetSysColor(COLOR_WINDOW) & 0xFFFFFF, Buffer(250, 50));
  CSize size = view->GetSize();
  WriteBitmap(view->GetBufferDC(), size.cx, size.cy, "mvc_scrollview.bmp");
  FILE* written = std::fopen("mvc_scrollview.bmp", "rb");
  ASSERT_NE(nullptr, written);
  std::fclose(written);
}

TEST_F(ScrollViewGui, PrintingDrawsWhatMeetsThePrintersClipBox) {
  HDC screen = ::GetDC(nullptr);
  HDC printer = ::CreateCompatibleDC(screen);
  HBITMAP page = ::CreateCompatibleBitmap(screen, 400, 400);
  ::ReleaseDC(nullptr, screen);
  HGDIOBJ old = ::SelectObject(printer, page);
  ::IntersectClipRect(printer, 0, 250, 400, 400);
  ::InvalidateRect(view->GetSafeHwnd(), CRect(0, 0, 50, 50), FALSE);  // pending on the screen
  view->red->draws = view->blue->draws = 0;
  CDC dc;
  dc.Attach(printer);
  dc.m_bPrinting = TRUE;
  view->Draw(&dc);
  dc.Detach();
  EXPECT_EQ(0, view->red->draws);
  EXPECT_EQ(1, view->blue->draws);
  EXPECT_EQ(kBlue, ::GetPixel(printer, 50, 350) & 0xFFFFFF);  // straight into the printer, not the buffer
  ::SelectObject(printer, old);
  ::DeleteObject(page);
  ::DeleteDC(printer);
}

TEST_F(ScrollViewGui, WithoutBufferingItPaintsDirectly) {
  auto* plain = new View;
  plain->EnableBuffering(FALSE);
  MvcModel other;
  plain->SetModel(&other);
  ASSERT_TRUE(plain->Create(WindowClass(), "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &Frame(), 2));
  ::ShowWindow(view->GetSafeHwnd(), SW_HIDE);
  plain->OnInitialUpdate();
  EXPECT_FALSE(plain->HasBuffer());
  HWND hwnd = plain->GetSafeHwnd();
  ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  HDC dc = ::GetDC(hwnd);
  EXPECT_EQ(kGreen, ::GetPixel(dc, 250, 50) & 0xFFFFFF);
  ::ReleaseDC(hwnd, dc);
  EXPECT_GT(plain->green->draws, 0);
  plain->DestroyWindow();
}

TEST_F(ScrollViewGui, AResizeKeepsABufferLargeEnough) {
  CSize before = view->GetBufferSize();
  ::MoveWindow(view->GetSafeHwnd(), 0, 0, 200, 150, TRUE);  // smaller: kept
  Pump();
  EXPECT_EQ(before, view->GetBufferSize());
  ::MoveWindow(view->GetSafeHwnd(), 0, 0, 380, 260, TRUE);  // larger: made again
  Pump();
  EXPECT_GE(view->GetBufferSize().cx, view->GetSize().cx);
  EXPECT_GT(view->GetBufferSize().cx, before.cx);
  EXPECT_EQ(kRed, Buffer(50, 50));
}

}  // namespace

namespace {

TEST_F(ScrollViewGui, AReplacedPaletteIsDeletedAndTheBufferMadeAgain) {
  LOGPALETTE entries = {0x300, 1, {{0, 0, 0, 0}}};
  HPALETTE first = ::CreatePalette(&entries);
  HPALETTE second = ::CreatePalette(&entries);
  view->SetPalette(first);
  view->SetPalette(second);  // the view deletes second with itself
  EXPECT_EQ(0u, ::GetObjectType(first));
  EXPECT_EQ(static_cast<DWORD>(OBJ_PAL), ::GetObjectType(second));
  ASSERT_TRUE(view->HasBuffer());
  EXPECT_EQ(kRed, Buffer(50, 50));
}

}  // namespace
