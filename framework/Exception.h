// Exceptions of the class library: C++ exceptions thrown by value and caught
// as CException& (there are no TRY/CATCH macros).
#pragma once

#include "framework/Types.h"
#include "framework/Object.h"
#include "framework/String.h"

class CException : public CObject {
  DECLARE_DYNAMIC(CException)
public:
  CException() = default;
  CException(const CException&) : CObject() {}
  CException& operator=(const CException&) { return *this; }

  // Copies the text (truncated, always terminated) and returns TRUE when
  // there is one. pnHelpContext receives 0.
  virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const;
  CString GetErrorMessage() const;
  // Shows the text; how is up to the installed reporter (see below).
  virtual int ReportError(UINT nType = 0, UINT nMessageID = 0) const;
  // Thrown by value: nothing to free. Kept so catch sites read as usual.
  void Delete() {}
};

// What ReportError does with the text: the win build shows a message box
// (the window half may install its own reporter); the native build writes
// to stderr. nMessageID names a fallback text when the exception has none.
typedef int (*AFX_REPORT_ERROR_PROC)(LPCTSTR lpszText, UINT nType, UINT nMessageID);
AFX_REPORT_ERROR_PROC AfxSetReportErrorProc(AFX_REPORT_ERROR_PROC pfnReport);

class CMemoryException : public CException {
  DECLARE_DYNAMIC(CMemoryException)
public:
  BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override;
  using CException::GetErrorMessage;
};

class CNotSupportedException : public CException {
  DECLARE_DYNAMIC(CNotSupportedException)
public:
  BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override;
  using CException::GetErrorMessage;
};

class CResourceException : public CException {
  DECLARE_DYNAMIC(CResourceException)
public:
  BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override;
  using CException::GetErrorMessage;
};

// The silent abort: thrown after the user has been told; shows nothing.
class CUserException : public CException {
  DECLARE_DYNAMIC(CUserException)
public:
  int ReportError(UINT nType = 0, UINT nMessageID = 0) const override;
};

[[noreturn]] void AfxThrowMemoryException();
[[noreturn]] void AfxThrowNotSupportedException();
[[noreturn]] void AfxThrowResourceException();
[[noreturn]] void AfxThrowUserException();

// Copies lpszText into a caller's buffer the way GetErrorMessage does.
BOOL AfxCopyErrorMessage(LPCTSTR lpszText, LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext);
