#include "framework/ArchiveException.h"

IMPLEMENT_DYNAMIC(CArchiveException, CException)

CArchiveException::CArchiveException(int cause, LPCTSTR lpszArchiveName)
    : m_cause(cause), m_strFileName(lpszArchiveName) {}

BOOL CArchiveException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
  static const char* const s_texts[] = {
      "No error occurred.",
      "An unexpected error occurred while accessing %s.",
      "An attempt was made to write to %s while it was being read.",
      "An attempt was made to access %s past its end.",
      "An attempt was made to read from %s while it was being written.",
      "%s has a bad format.",
      "%s contained an unexpected object.",
      "%s contains an incorrect schema.",
  };
  int nCause = (m_cause >= 0 && m_cause < (int)(sizeof s_texts / sizeof s_texts[0])) ? m_cause
                                                                                     : genericException;
  CString strText;
  strText.Format(s_texts[nCause], m_strFileName.IsEmpty() ? "an unnamed file" : (LPCTSTR)m_strFileName);
  return AfxCopyErrorMessage(strText, lpszError, nMaxError, pnHelpContext);
}

void AfxThrowArchiveException(int cause, LPCTSTR lpszArchiveName) {
  throw CArchiveException(cause, lpszArchiveName);
}
