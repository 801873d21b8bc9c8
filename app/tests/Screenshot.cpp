#include "app/tests/Screenshot.h"

#include <cstdio>
#include <vector>

namespace {

BITMAPINFOHEADER BottomUpInfo(int cx, int cy, WORD nBits)
{
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = cx;
    info.biHeight = cy;
    info.biPlanes = 1;
    info.biBitCount = nBits;
    info.biCompression = BI_RGB;
    return info;
}

} // namespace

std::vector<DWORD> WindowPixels(HWND hWnd, int& cx, int& cy)
{
    cx = cy = 0;
    RECT rect;
    if (!GetWindowRect(hWnd, &rect) || rect.right <= rect.left || rect.bottom <= rect.top)
        return {};
    cx = rect.right - rect.left;
    cy = rect.bottom - rect.top;
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

    BITMAPINFOHEADER info = BottomUpInfo(cx, cy, 32);
    std::vector<DWORD> pixels(static_cast<size_t>(cx) * cy);
    GetDIBits(hMemory, hBitmap, 0, cy, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(hBitmap);
    DeleteDC(hMemory);
    ReleaseDC(nullptr, hScreen);
    return pixels;
}

bool SaveWindowBitmap(HWND hWnd, const char* pszPath, bool bRedraw)
{
    if (bRedraw)
        RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    int cx = 0, cy = 0;
    const std::vector<DWORD> screen = WindowPixels(hWnd, cx, cy);
    if (screen.empty())
        return false;

    // 24-bit rows, each padded to four bytes.
    const int nStride = ((cx * 3 + 3) / 4) * 4;
    std::vector<BYTE> pixels(static_cast<size_t>(nStride) * cy);
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x) {
            const DWORD p = screen[static_cast<size_t>(y) * cx + x];
            BYTE* pOut = &pixels[static_cast<size_t>(y) * nStride + x * 3];
            pOut[0] = static_cast<BYTE>(p);
            pOut[1] = static_cast<BYTE>(p >> 8);
            pOut[2] = static_cast<BYTE>(p >> 16);
        }

    const BITMAPINFOHEADER info = BottomUpInfo(cx, cy, 24);
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
