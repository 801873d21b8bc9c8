#include "app/tests/Screenshot.h"

#include <cstdio>
#include <vector>

bool SaveWindowBitmap(HWND hWnd, const char* pszPath, bool bRedraw)
{
    RECT rect;
    if (!GetWindowRect(hWnd, &rect))
        return false;
    const int cx = rect.right - rect.left;
    const int cy = rect.bottom - rect.top;
    if (cx <= 0 || cy <= 0)
        return false;
    if (bRedraw)
        RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    // Wine hands the painting to the screen when the thread waits: wait a
    // little (nothing dispatched) before reading the screen back.
    GdiFlush();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, 0);

    HDC hScreen = GetDC(nullptr);
    HDC hMemory = CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = CreateCompatibleBitmap(hScreen, cx, cy);
    HGDIOBJ hOld = SelectObject(hMemory, hBitmap);
    BitBlt(hMemory, 0, 0, cx, cy, hScreen, rect.left, rect.top, SRCCOPY);
    SelectObject(hMemory, hOld);

    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = cx;
    info.biHeight = cy;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const int nStride = ((cx * 3 + 3) / 4) * 4;
    std::vector<BYTE> pixels(static_cast<size_t>(nStride) * cy);
    GetDIBits(hMemory, hBitmap, 0, cy, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(hBitmap);
    DeleteDC(hMemory);
    ReleaseDC(nullptr, hScreen);

    BITMAPFILEHEADER header = {};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof header + sizeof info;
    header.bfSize = header.bfOffBits + static_cast<DWORD>(pixels.size());
    FILE* pFile = std::fopen(pszPath, "wb");
    if (!pFile)
        return false;
    std::fwrite(&header, sizeof header, 1, pFile);
    std::fwrite(&info, sizeof info, 1, pFile);
    std::fwrite(pixels.data(), 1, pixels.size(), pFile);
    return std::fclose(pFile) == 0;
}
