#include "framework/tests/win/PngWriter.h"

#include <cstdio>

namespace {

unsigned long Crc32(const unsigned char* data, size_t n, unsigned long crc = 0)
{
    static unsigned long table[256];
    static bool bReady = false;
    if (!bReady) {
        for (unsigned long i = 0; i < 256; ++i) {
            unsigned long c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320UL ^ (c >> 1) : c >> 1;
            table[i] = c;
        }
        bReady = true;
    }
    crc ^= 0xFFFFFFFFUL;
    for (size_t i = 0; i < n; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFUL;
}

void Put32(std::vector<unsigned char>& out, unsigned long v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back((unsigned char)(v >> shift));
}

void Chunk(std::vector<unsigned char>& out, const char* type, const std::vector<unsigned char>& data)
{
    Put32(out, (unsigned long)data.size());
    std::vector<unsigned char> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    Put32(out, Crc32(body.data(), body.size()));
}

} // namespace

std::vector<unsigned char> EncodePng(int width, int height, const std::vector<unsigned char>& rgb)
{
    std::vector<unsigned char> raw;
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);   // no filter
        raw.insert(raw.end(), rgb.begin() + (size_t)y * width * 3, rgb.begin() + (size_t)(y + 1) * width * 3);
    }
    std::vector<unsigned char> z = { 0x78, 0x01 };
    unsigned long a = 1, b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    for (size_t pos = 0; pos < raw.size() || pos == 0;) {
        size_t n = raw.size() - pos < 65535 ? raw.size() - pos : 65535;
        z.push_back(pos + n == raw.size() ? 1 : 0);
        z.push_back((unsigned char)(n & 0xFF));
        z.push_back((unsigned char)(n >> 8));
        z.push_back((unsigned char)(~n & 0xFF));
        z.push_back((unsigned char)((~n >> 8) & 0xFF));
        z.insert(z.end(), raw.begin() + pos, raw.begin() + pos + n);
        pos += n;
        if (n == 0)
            break;
    }
    Put32(z, (b << 16) | a);

    std::vector<unsigned char> out = { 0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A };
    std::vector<unsigned char> ihdr;
    Put32(ihdr, (unsigned long)width);
    Put32(ihdr, (unsigned long)height);
    ihdr.insert(ihdr.end(), { 8, 2, 0, 0, 0 });
    Chunk(out, "IHDR", ihdr);
    Chunk(out, "IDAT", z);
    Chunk(out, "IEND", {});
    return out;
}

BOOL WriteWindowPng(HWND hWnd, const std::string& path)
{
    RECT rect;
    if (!::GetWindowRect(hWnd, &rect))
        return FALSE;
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return FALSE;
    HDC hScreen = ::GetDC(nullptr);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = width;
    bmi.bmiHeader.biHeight = -height;   // top-down
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(hScreen, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    ::BitBlt(hMem, 0, 0, width, height, hScreen, rect.left, rect.top, SRCCOPY);
    ::SelectObject(hMem, hOld);

    std::vector<unsigned char> rgb((size_t)width * height * 3);
    const unsigned char* p = (const unsigned char*)pBits;
    for (size_t i = 0; i < (size_t)width * height; ++i) {
        rgb[i * 3] = p[i * 4 + 2];
        rgb[i * 3 + 1] = p[i * 4 + 1];
        rgb[i * 3 + 2] = p[i * 4];
    }
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMem);
    ::ReleaseDC(nullptr, hScreen);

    std::vector<unsigned char> png = EncodePng(width, height, rgb);
    FILE* f = fopen(path.c_str(), "wb");
    if (f == nullptr)
        return FALSE;
    bool bOk = fwrite(png.data(), 1, png.size(), f) == png.size();
    return fclose(f) == 0 && bOk;
}
