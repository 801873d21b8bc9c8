// The smallest window of the win build: proves the toolchain, Wine and
// the display end to end until the application shell replaces it.
#pragma once
#include <windows.h>

namespace g7k {

// Asks the window for a number; it answers with twice the wParam.
const UINT WM_SMALLEST_DOUBLE = WM_APP + 1;

// Registers the window class once and creates a visible top-level window.
HWND CreateSmallestWindow(HINSTANCE instance, const char* title);

} // namespace g7k
