#include "framework/FileException.h"

#include <cerrno>

IMPLEMENT_DYNAMIC(CFileException, CException)

CFileException::CFileException(int cause, LONG lOsError, LPCTSTR lpszFileName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszFileName) {}

BOOL CFileException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
  static const char* const s_texts[] = {
      "No error occurred.",
      "An unexpected error occurred while accessing %s.",
      "%s was not found.",
      "%s contains an incorrect path.",
      "%s could not be opened because there are too many open files.",
      "Access to %s was denied.",
      "An incorrect file handle was associated with %s.",
      "%s could not be removed because it is the current directory.",
      "%s could not be created because the directory is full.",
      "Seek failed on %s.",
      "A hardware I/O error was reported while accessing %s.",
      "A sharing violation occurred while accessing %s.",
      "A locking violation occurred while accessing %s.",
      "Disk full while accessing %s.",
      "An attempt was made to access %s past its end.",
  };
  int nCause = (m_cause >= 0 && m_cause < (int)(sizeof s_texts / sizeof s_texts[0])) ? m_cause
                                                                                     : genericException;
  CString strText;
  strText.Format(s_texts[nCause], m_strFileName.IsEmpty() ? "an unnamed file" : (LPCTSTR)m_strFileName);
  return AfxCopyErrorMessage(strText, lpszError, nMaxError, pnHelpContext);
}

int PASCAL CFileException::OsErrorToException(LONG lOsError) {
#ifdef _WIN32
  switch (lOsError) {
  case NO_ERROR: return none;
  case ERROR_FILE_NOT_FOUND: return fileNotFound;
  case ERROR_PATH_NOT_FOUND:
  case ERROR_INVALID_NAME:
  case ERROR_BAD_PATHNAME:
  case ERROR_INVALID_DRIVE:
  case ERROR_BAD_NETPATH:
  case ERROR_DIRECTORY: return badPath;
  case ERROR_TOO_MANY_OPEN_FILES: return tooManyOpenFiles;
  case ERROR_ACCESS_DENIED:
  case ERROR_WRITE_PROTECT:
  case ERROR_FILE_EXISTS:
  case ERROR_ALREADY_EXISTS:
  case ERROR_CANNOT_MAKE: return accessDenied;
  case ERROR_INVALID_HANDLE: return invalidFile;
  case ERROR_CURRENT_DIRECTORY: return removeCurrentDir;
  case ERROR_NEGATIVE_SEEK:
  case ERROR_SEEK_ON_DEVICE: return badSeek;
  case ERROR_CRC:
  case ERROR_SEEK:
  case ERROR_SECTOR_NOT_FOUND:
  case ERROR_WRITE_FAULT:
  case ERROR_READ_FAULT:
  case ERROR_GEN_FAILURE: return hardIO;
  case ERROR_SHARING_VIOLATION: return sharingViolation;
  case ERROR_LOCK_VIOLATION: return lockViolation;
  case ERROR_HANDLE_DISK_FULL:
  case ERROR_DISK_FULL: return diskFull;
  case ERROR_HANDLE_EOF: return endOfFile;
  default: return genericException;
  }
#else
  return ErrnoToException((int)lOsError);
#endif
}

int PASCAL CFileException::ErrnoToException(int nErrno) {
  switch (nErrno) {
  case 0: return none;
  case ENOENT: return fileNotFound;
  case ENOTDIR:
  case ENAMETOOLONG:
  case EINVAL: return badPath;
  case EMFILE:
  case ENFILE: return tooManyOpenFiles;
  case EACCES:
  case EPERM:
  case EROFS:
  case EEXIST:
  case EISDIR: return accessDenied;
  case EBADF: return invalidFile;
  case EBUSY: return sharingViolation;
  case EIO: return hardIO;
  case ENOSPC: return diskFull;
  case ESPIPE: return badSeek;
  default: return genericException;
  }
}

void PASCAL CFileException::ThrowOsError(LONG lOsError, LPCTSTR lpszFileName) {
  throw CFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

void PASCAL CFileException::ThrowErrno(int nErrno, LPCTSTR lpszFileName) {
  throw CFileException(ErrnoToException(nErrno), nErrno, lpszFileName);
}

void AfxThrowFileException(int cause, LONG lOsError, LPCTSTR lpszFileName) {
  throw CFileException(cause, lOsError, lpszFileName);
}
