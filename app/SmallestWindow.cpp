#include "app/SmallestWindow.h"

namespace g7k {
namespace {

const char kClassName[] = "G7KSmallestWindow";

LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_SMALLEST_DOUBLE:
        return static_cast<LRESULT>(wParam) * 2;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(wnd, &ps);
        RECT rc;
        GetClientRect(wnd, &rc);
        DrawTextA(dc, "Geovolt instrument utility", -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        EndPaint(wnd, &ps);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(wnd, msg, wParam, lParam);
}

bool RegisterOnce(HINSTANCE instance)
{
    WNDCLASSA existing;
    if (GetClassInfoA(instance, kClassName, &existing))
        return true;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kClassName;
    return RegisterClassA(&wc) != 0;
}

} // namespace

HWND CreateSmallestWindow(HINSTANCE instance, const char* title)
{
    if (!RegisterOnce(instance))
        return nullptr;
    HWND wnd = CreateWindowA(kClassName, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                             CW_USEDEFAULT, CW_USEDEFAULT, 640, 480,
                             nullptr, nullptr, instance, nullptr);
    if (wnd)
        UpdateWindow(wnd);
    return wnd;
}

} // namespace g7k
