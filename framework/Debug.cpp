#include "framework/Debug.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace {

void DefaultAssertHandler(const char* lpszFile, int nLine, const char* lpszExpr) {
  std::fprintf(stderr, "%s(%d): assertion failed: %s\n", lpszFile, nLine, lpszExpr);
  std::fflush(stderr);
  std::abort();
}

AFX_ASSERT_HANDLER g_pfnAssertHandler = nullptr;

} // namespace

AFX_ASSERT_HANDLER AfxSetAssertHandler(AFX_ASSERT_HANDLER pfnHandler) {
  AFX_ASSERT_HANDLER pfnOld = g_pfnAssertHandler;
  g_pfnAssertHandler = pfnHandler;
  return pfnOld;
}

void AfxAssertFailedLine(const char* lpszFile, int nLine, const char* lpszExpr) {
  if (g_pfnAssertHandler)
    g_pfnAssertHandler(lpszFile, nLine, lpszExpr);
  else
    DefaultAssertHandler(lpszFile, nLine, lpszExpr);
}

void AfxTrace(LPCTSTR lpszFormat, ...) {
  char szBuffer[1024];
  va_list args;
  va_start(args, lpszFormat);
  std::vsnprintf(szBuffer, sizeof szBuffer, lpszFormat, args);
  va_end(args);
#ifdef _WIN32
  ::OutputDebugStringA(szBuffer);
#else
  std::fputs(szBuffer, stderr);
#endif
}
