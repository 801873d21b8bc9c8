// Writes what a window shows into a 24-bit BMP file (tests only).
#pragma once

#include <windows.h>

// bRedraw: paint everything first; without it the picture shows what the
// program itself left on the screen.
bool SaveWindowBitmap(HWND hWnd, const char* pszPath, bool bRedraw = true);
