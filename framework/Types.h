// Base types of the class library.
//
// The win build takes them from <windows.h> (WINVER, _WIN32_WINNT and
// NOMINMAX come from the build; there is no UNICODE build). The native build
// defines the subset the portable code needs, with the sizes Windows gives
// them, so that file layouts and arithmetic agree between the two builds.
#pragma once

#ifdef _WIN32

#include <windows.h>

#else // native build

#include <cstddef>
#include <cstdint>

typedef int BOOL;
#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

typedef unsigned char BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef unsigned int UINT;
typedef int INT;
typedef int32_t LONG;
typedef uint32_t ULONG;
typedef short SHORT;
typedef unsigned short USHORT;
typedef long long LONGLONG;
typedef unsigned long long ULONGLONG;
typedef float FLOAT;
typedef double DOUBLE;

typedef intptr_t INT_PTR;
typedef uintptr_t UINT_PTR;
typedef intptr_t LONG_PTR;
typedef uintptr_t ULONG_PTR;
typedef uintptr_t DWORD_PTR;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;

typedef char CHAR;
typedef char TCHAR;
typedef unsigned char UCHAR;
typedef CHAR* LPSTR;
typedef const CHAR* LPCSTR;
typedef TCHAR* LPTSTR;
typedef const TCHAR* LPCTSTR;
typedef void* LPVOID;
typedef const void* LPCVOID;
typedef BYTE* LPBYTE;
typedef WORD* LPWORD;
typedef DWORD* LPDWORD;
typedef LONG* LPLONG;
typedef INT* LPINT;
typedef UINT* PUINT;
typedef BOOL* LPBOOL;

#define _T(x) x
#define TEXT(x) x

#define PASCAL
#define WINAPI
#define CALLBACK
#define CONST const

typedef DWORD COLORREF;
typedef DWORD* LPCOLORREF;
#define RGB(r, g, b) \
  ((COLORREF)(((BYTE)(r) | ((WORD)((BYTE)(g)) << 8)) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(rgb) ((BYTE)(rgb))
#define GetGValue(rgb) ((BYTE)(((WORD)(rgb)) >> 8))
#define GetBValue(rgb) ((BYTE)((rgb) >> 16))

#define MAKEWORD(a, b) ((WORD)(((BYTE)(((DWORD_PTR)(a)) & 0xff)) | ((WORD)((BYTE)(((DWORD_PTR)(b)) & 0xff))) << 8))
#define MAKELONG(a, b) ((LONG)(((WORD)(((DWORD_PTR)(a)) & 0xffff)) | ((DWORD)((WORD)(((DWORD_PTR)(b)) & 0xffff))) << 16))
#define LOWORD(l) ((WORD)(((DWORD_PTR)(l)) & 0xffff))
#define HIWORD(l) ((WORD)((((DWORD_PTR)(l)) >> 16) & 0xffff))
#define LOBYTE(w) ((BYTE)(((DWORD_PTR)(w)) & 0xff))
#define HIBYTE(w) ((BYTE)((((DWORD_PTR)(w)) >> 8) & 0xff))

#define MAX_PATH 260

typedef struct tagPOINT {
  LONG x;
  LONG y;
} POINT, *PPOINT, *LPPOINT;

typedef struct tagSIZE {
  LONG cx;
  LONG cy;
} SIZE, *PSIZE, *LPSIZE;

typedef struct tagRECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
} RECT, *PRECT, *LPRECT;
typedef const RECT* LPCRECT;

// Window and drawing handles are opaque: each is a pointer to its own
// incomplete struct, so mixing them up does not compile. HANDLE and HGDIOBJ
// stay untyped, as in <windows.h>, so that every GDI handle converts to them.
#define G7K_DECLARE_HANDLE(name) \
  struct name##__;               \
  typedef struct name##__* name
typedef void* HANDLE;
G7K_DECLARE_HANDLE(HWND);
G7K_DECLARE_HANDLE(HDC);
G7K_DECLARE_HANDLE(HINSTANCE);
G7K_DECLARE_HANDLE(HMENU);
G7K_DECLARE_HANDLE(HICON);
G7K_DECLARE_HANDLE(HBITMAP);
G7K_DECLARE_HANDLE(HBRUSH);
G7K_DECLARE_HANDLE(HPEN);
G7K_DECLARE_HANDLE(HFONT);
G7K_DECLARE_HANDLE(HRGN);
G7K_DECLARE_HANDLE(HPALETTE);
G7K_DECLARE_HANDLE(HKEY);
#undef G7K_DECLARE_HANDLE
typedef HICON HCURSOR;
typedef HANDLE HGDIOBJ;
typedef HINSTANCE HMODULE;

#endif // _WIN32

// The collections' iteration cursor (not a Win32 type).
struct __POSITION {};
typedef __POSITION* POSITION;
