#include "framework/Exception.h"

#include <cstdio>
#include <cstring>

namespace {

#ifdef _WIN32
int MessageBoxReporter(LPCTSTR lpszText, UINT nType, UINT) {
  return ::MessageBoxA(::GetActiveWindow(), lpszText, NULL, nType | MB_ICONEXCLAMATION);
}
AFX_REPORT_ERROR_PROC g_pfnReport = MessageBoxReporter;
#else
int StderrReporter(LPCTSTR lpszText, UINT, UINT) {
  std::fprintf(stderr, "%s\n", lpszText);
  return 1;
}
AFX_REPORT_ERROR_PROC g_pfnReport = StderrReporter;
#endif

} // namespace

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CException)
IMPLEMENT_DYNAMIC(CResourceException, CException)
IMPLEMENT_DYNAMIC(CUserException, CException)

AFX_REPORT_ERROR_PROC AfxSetReportErrorProc(AFX_REPORT_ERROR_PROC pfnReport) {
  AFX_REPORT_ERROR_PROC pfnOld = g_pfnReport;
  g_pfnReport = pfnReport;
  return pfnOld;
}

BOOL AfxCopyErrorMessage(LPCTSTR lpszText, LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) {
  if (pnHelpContext != NULL)
    *pnHelpContext = 0;
  if (lpszError == NULL || nMaxError == 0)
    return FALSE;
  size_t nLength = std::strlen(lpszText);
  if (nLength >= nMaxError)
    nLength = nMaxError - 1;
  std::memcpy(lpszError, lpszText, nLength);
  lpszError[nLength] = '\0';
  return lpszText[0] != '\0';
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
  AfxCopyErrorMessage("", lpszError, nMaxError, pnHelpContext);
  return FALSE;
}

CString CException::GetErrorMessage() const {
  char szText[1024];
  if (!GetErrorMessage(szText, sizeof szText))
    return CString();
  return CString(szText);
}

int CException::ReportError(UINT nType, UINT nMessageID) const {
  CString strText = GetErrorMessage();
  if (strText.IsEmpty() && nMessageID != 0)
    strText.LoadString(nMessageID);
  if (strText.IsEmpty())
    strText = "An unsupported operation was attempted.";
  if (g_pfnReport == nullptr)
    return 0;
  return g_pfnReport(strText, nType, nMessageID);
}

BOOL CMemoryException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
  return AfxCopyErrorMessage("Out of memory.", lpszError, nMaxError, pnHelpContext);
}

BOOL CNotSupportedException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError,
                                             PUINT pnHelpContext) const {
  return AfxCopyErrorMessage("An unsupported operation was attempted.", lpszError, nMaxError,
                             pnHelpContext);
}

BOOL CResourceException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
  return AfxCopyErrorMessage("A required resource was unavailable.", lpszError, nMaxError,
                             pnHelpContext);
}

int CUserException::ReportError(UINT, UINT) const { return 0; }

void AfxThrowMemoryException() { throw CMemoryException(); }
void AfxThrowNotSupportedException() { throw CNotSupportedException(); }
void AfxThrowResourceException() { throw CResourceException(); }
void AfxThrowUserException() { throw CUserException(); }
