#include "framework/File.h"

#include "framework/OsFile.h"
#include "framework/PathNames.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNAMIC(CFile, CObject)

CString AfxGetFileName(LPCTSTR lpszPathName) {
  CString strPath(lpszPathName);
  // A drive's ":" ends the folder part too ("c:name").
  return strPath.Mid(std::max(FileNameStart(strPath), strPath.ReverseFind(':') + 1));
}

CString AfxGetFileTitle(LPCTSTR lpszPathName) {
  CString strName = AfxGetFileName(lpszPathName);
  int nDot = strName.ReverseFind('.');
  return nDot < 0 ? strName : strName.Left(nDot);
}

CFile::CFile() = default;

CFile::CFile(LPCTSTR lpszFileName, UINT nOpenFlags) {
  CFileException error;
  if (!Open(lpszFileName, nOpenFlags, &error))
    throw error;
}

CFile::~CFile() {
  if (IsOpen())
    Abort();
}

void CFile::ThrowError(int cause, LONG lOsError) const {
  throw CFileException(cause, lOsError, m_strFileName);
}

BOOL CFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
  ASSERT(!IsOpen());
  if (IsOpen())
    Abort();
  if (lpszFileName == NULL || *lpszFileName == '\0') {
    if (pError != NULL)
      *pError = CFileException(CFileException::badPath, -1, lpszFileName);
    return FALSE;
  }
  CString strFullPath;
  if (!OsFile::FullPath(lpszFileName, strFullPath))
    strFullPath = lpszFileName;
  m_strFileName = strFullPath;

  OsFile::Error error;
  OsFile::Handle hFile = OsFile::Open(lpszFileName, nOpenFlags, error);
  if (hFile == OsFile::hNoFile) {
    if (pError != NULL)
      *pError = CFileException(error.cause, error.osError, m_strFileName);
    m_strFileName.Empty();
    return FALSE;
  }
  m_hFile = hFile;
  return TRUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount) {
  ASSERT(IsOpen());
  if (!IsOpen())
    ThrowError(CFileException::invalidFile, -1);
  if (nCount == 0)
    return 0;
  UINT nRead = 0;
  OsFile::Error error;
  if (!OsFile::Read(m_hFile, lpBuf, nCount, nRead, error))
    ThrowError(error.cause, error.osError);
  return nRead;
}

void CFile::Write(const void* lpBuf, UINT nCount) {
  ASSERT(IsOpen());
  if (!IsOpen())
    ThrowError(CFileException::invalidFile, -1);
  if (nCount == 0)
    return;
  OsFile::Error error;
  if (!OsFile::Write(m_hFile, lpBuf, nCount, error))
    ThrowError(error.cause, error.osError);
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom) {
  ASSERT(IsOpen());
  if (!IsOpen())
    ThrowError(CFileException::invalidFile, -1);
  ULONGLONG nPosition = 0;
  OsFile::Error error;
  if (!OsFile::Seek(m_hFile, lOff, nFrom, nPosition, error))
    ThrowError(error.cause, error.osError);
  return nPosition;
}

ULONGLONG CFile::GetLength() const {
  ASSERT(IsOpen());
  if (!IsOpen())
    ThrowError(CFileException::invalidFile, -1);
  ULONGLONG nLength = 0;
  OsFile::Error error;
  if (!OsFile::GetLength(m_hFile, nLength, error))
    ThrowError(error.cause, error.osError);
  return nLength;
}

ULONGLONG CFile::GetPosition() const {
  ASSERT(IsOpen());
  if (!IsOpen())
    ThrowError(CFileException::invalidFile, -1);
  ULONGLONG nPosition = 0;
  OsFile::Error error;
  if (!OsFile::Seek(m_hFile, 0, current, nPosition, error))
    ThrowError(error.cause, error.osError);
  return nPosition;
}

void CFile::SetLength(ULONGLONG nNewLen) {
  ASSERT(IsOpen());
  if (!IsOpen())
    ThrowError(CFileException::invalidFile, -1);
  OsFile::Error error;
  if (!OsFile::SetLength(m_hFile, nNewLen, error))
    ThrowError(error.cause, error.osError);
}

void CFile::Flush() {
  if (!IsOpen())
    return;
  OsFile::Error error;
  if (!OsFile::Flush(m_hFile, error))
    ThrowError(error.cause, error.osError);
}

void CFile::Close() {
  if (!IsOpen())
    return;
  OsFile::Error error;
  bool bClosed = OsFile::Close(m_hFile, error);
  m_hFile = hFileNull;
  if (!bClosed)
    ThrowError(error.cause, error.osError);
  m_strFileName.Empty();
}

void CFile::Abort() {
  if (IsOpen()) {
    OsFile::Error error;
    OsFile::Close(m_hFile, error);
    m_hFile = hFileNull;
  }
  m_strFileName.Empty();
}

CString CFile::GetFileName() const { return AfxGetFileName(m_strFileName); }

CString CFile::GetFileTitle() const { return AfxGetFileTitle(m_strFileName); }

BOOL CFile::GetStatus(CFileStatus& rStatus) const {
  if (m_strFileName.IsEmpty())
    return FALSE;
  return GetStatus(m_strFileName, rStatus);
}

BOOL PASCAL CFile::GetStatus(LPCTSTR lpszFileName, CFileStatus& rStatus) {
  if (lpszFileName == NULL || *lpszFileName == '\0')
    return FALSE;
  CString strFullPath;
  if (!OsFile::FullPath(lpszFileName, strFullPath))
    return FALSE;
  std::vector<OsFile::FindData> entries;
  OsFile::Error error;
  if (!OsFile::FindFiles(lpszFileName, entries, error) || entries.empty())
    return FALSE;
  const OsFile::FindData& found = entries.front();
  rStatus.m_mtime = CTime(found.tLastWrite);
  rStatus.m_ctime = CTime(found.tCreation != 0 ? found.tCreation : found.tLastWrite);
  rStatus.m_atime = CTime(found.tLastAccess != 0 ? found.tLastAccess : found.tLastWrite);
  rStatus.m_size = (LONG)(DWORD)found.nSize;
  rStatus.m_attribute = (BYTE)found.dwAttributes;
  size_t nLength = std::min((size_t)strFullPath.GetLength(), sizeof rStatus.m_szFullName - 1);
  std::memcpy(rStatus.m_szFullName, strFullPath.GetString(), nLength);
  rStatus.m_szFullName[nLength] = '\0';
  return TRUE;
}

void PASCAL CFile::Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName) {
  OsFile::Error error;
  if (!OsFile::Rename(lpszOldName, lpszNewName, error))
    throw CFileException(error.cause, error.osError, lpszOldName);
}

void PASCAL CFile::Remove(LPCTSTR lpszFileName) {
  OsFile::Error error;
  if (!OsFile::Remove(lpszFileName, error))
    throw CFileException(error.cause, error.osError, lpszFileName);
}
