// Diagnostics: ASSERT, VERIFY, TRACE, ASSERT_VALID.
//
// ASSERT is active in debug builds (no NDEBUG). What a failed assertion does
// can be replaced (tests count failures instead of stopping); by default it
// prints the place and aborts. In release builds ASSERT is empty and the code
// after it must fail safely on its own.
#pragma once

#include "framework/Types.h"

typedef void (*AFX_ASSERT_HANDLER)(const char* lpszFile, int nLine, const char* lpszExpr);

// Installs a handler for failed assertions and returns the previous one;
// NULL restores the default (report and abort).
AFX_ASSERT_HANDLER AfxSetAssertHandler(AFX_ASSERT_HANDLER pfnHandler);
void AfxAssertFailedLine(const char* lpszFile, int nLine, const char* lpszExpr);
void AfxTrace(LPCTSTR lpszFormat, ...)
#ifdef __MINGW_PRINTF_FORMAT
    __attribute__((format(__MINGW_PRINTF_FORMAT, 1, 2)));
#else
    __attribute__((format(printf, 1, 2)));
#endif

#ifndef NDEBUG
#define ASSERT(f) ((f) ? (void)0 : AfxAssertFailedLine(__FILE__, __LINE__, #f))
#define VERIFY(f) ASSERT(f)
#define TRACE(...) AfxTrace(__VA_ARGS__)
#define ASSERT_VALID(pOb) \
  ((pOb) != NULL ? (pOb)->AssertValid() : AfxAssertFailedLine(__FILE__, __LINE__, #pOb))
#else
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#define TRACE(...) ((void)0)
#define ASSERT_VALID(pOb) ((void)0)
#endif

#define TRACE0(sz) TRACE("%s", sz)
#define TRACE1(sz, p1) TRACE(sz, p1)
#define TRACE2(sz, p1, p2) TRACE(sz, p1, p2)
#define TRACE3(sz, p1, p2, p3) TRACE(sz, p1, p2, p3)

#define DEBUG_NEW new

// Only NULL is known to be invalid here.
inline BOOL AfxIsValidAddress(const void* p, UINT_PTR nBytes, BOOL bReadWrite = TRUE) {
  (void)bReadWrite;
  return p != NULL || nBytes == 0;
}
inline BOOL AfxIsValidString(LPCTSTR psz, int nLength = -1) {
  (void)nLength;
  return psz != NULL;
}
