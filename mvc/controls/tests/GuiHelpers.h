// Small helpers of the window tests: a plain parent window that records the
// WM_COMMAND notifications it gets, and a message pump.
#pragma once

#include "framework/Framework.h"

#include <vector>

inline void PumpMessages() {
  MSG msg;
  for (int round = 0; round < 3; ++round)
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
}

class TestParent : public CWnd {
 public:
  BOOL Make(int width = 400, int height = 300) {
    LPCTSTR cls = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), ::GetSysColorBrush(COLOR_BTNFACE));
    if (!CreateEx(0, cls, "Test", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, width, height),
                  nullptr, 0))
      return FALSE;
    ::SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return TRUE;
  }
  HWND AddChild(const char* cls, DWORD style, const CRect& rc, int id) {
    HWND child = ::CreateWindowExA(WS_EX_CLIENTEDGE, cls, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, rc.left,
                                   rc.top, rc.Width(), rc.Height(), m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   ::GetModuleHandleA(nullptr), nullptr);
    ::SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return child;
  }
  // Destroys every child window (the parent stays for the next test).
  void DestroyChildren() {
    while (HWND child = ::GetWindow(m_hWnd, GW_CHILD))
      ::DestroyWindow(child);
    codes.clear();
    PumpMessages();
  }
  std::vector<int> codes;  // notification codes, in arrival order

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_COMMAND && lParam)
      codes.push_back(HIWORD(wParam));
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

// One parent window for all the tests of a program: making and destroying
// top-level windows is slow under Wine.
inline TestParent& SharedParent() {
  static TestParent* parent = [] {
    auto* made = new TestParent;
    made->Make();
    return made;
  }();
  return *parent;
}
