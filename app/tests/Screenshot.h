// Writes what a window shows into a 24-bit BMP file (tests only).
#pragma once

#include <windows.h>

#include <vector>

// bRedraw: paint everything first; without it the picture shows what the
// program itself left on the screen.
bool SaveWindowBitmap(HWND hWnd, const char* pszPath, bool bRedraw = true);

// What the screen shows over the window, 32-bit pixels (0x00RRGGBB), rows
// from the bottom up; cx and cy get the size.
std::vector<DWORD> WindowPixels(HWND hWnd, int& cx, int& cy);
