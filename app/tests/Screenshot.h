// Writes what a window shows into a 24-bit BMP file (tests only).
#pragma once

#include <windows.h>

bool SaveWindowBitmap(HWND hWnd, const char* pszPath);
