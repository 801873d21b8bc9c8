// The win build's side of the file seam: the Win32 ANSI file API.
#include "framework/OsFile.h"

#include "framework/File.h"
#include "framework/PathNames.h"

#include <cctype>
#include <cstring>

namespace OsFile {
namespace {

bool Fail(Error& error) {
  DWORD dwError = ::GetLastError();
  error.osError = (LONG)dwError;
  error.cause = CFileException::OsErrorToException((LONG)dwError);
  return false;
}

bool IsFolder(LPCTSTR lpszPath) {
  DWORD dwAttributes = ::GetFileAttributesA(lpszPath);
  return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

HANDLE ToHandle(Handle hFile) { return reinterpret_cast<HANDLE>(hFile); }

time_t ToTime(const FILETIME& fileTime) {
  ULONGLONG nIntervals = ((ULONGLONG)fileTime.dwHighDateTime << 32) | fileTime.dwLowDateTime;
  if (nIntervals == 0)
    return 0;
  return (time_t)FileTimeToUnix(nIntervals);
}

} // namespace

Handle Open(LPCTSTR lpszFileName, UINT nOpenFlags, Error& error) {
  DWORD dwAccess = 0;
  switch (nOpenFlags & 3) {
  case CFile::modeRead: dwAccess = GENERIC_READ; break;
  case CFile::modeWrite: dwAccess = GENERIC_WRITE; break;
  case CFile::modeReadWrite: dwAccess = GENERIC_READ | GENERIC_WRITE; break;
  default:
    error.cause = CFileException::accessDenied;
    error.osError = ERROR_INVALID_PARAMETER;
    return hNoFile;
  }
  DWORD dwShare = 0;
  switch (nOpenFlags & 0x70) {
  case CFile::shareDenyWrite: dwShare = FILE_SHARE_READ; break;
  case CFile::shareDenyRead: dwShare = FILE_SHARE_WRITE; break;
  case CFile::shareDenyNone: dwShare = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
  default: dwShare = 0; break;   // exclusive, and the old compatibility mode
  }
  DWORD dwCreate = OPEN_EXISTING;
  if (nOpenFlags & CFile::modeCreate)
    dwCreate = (nOpenFlags & CFile::modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
  SECURITY_ATTRIBUTES sa = {sizeof sa, NULL, (nOpenFlags & CFile::modeNoInherit) == 0};
  HANDLE hFile = ::CreateFileA(lpszFileName, dwAccess, dwShare, &sa, dwCreate, FILE_ATTRIBUTE_NORMAL, NULL);
  if (hFile == INVALID_HANDLE_VALUE) {
    Fail(error);
    return hNoFile;
  }
  return reinterpret_cast<Handle>(hFile);
}

bool Close(Handle hFile, Error& error) { return ::CloseHandle(ToHandle(hFile)) || Fail(error); }

bool Read(Handle hFile, void* lpBuf, UINT nCount, UINT& nRead, Error& error) {
  DWORD dwRead = 0;
  if (!::ReadFile(ToHandle(hFile), lpBuf, nCount, &dwRead, NULL))
    return Fail(error);
  nRead = dwRead;
  return true;
}

bool Write(Handle hFile, const void* lpBuf, UINT nCount, Error& error) {
  DWORD dwWritten = 0;
  if (!::WriteFile(ToHandle(hFile), lpBuf, nCount, &dwWritten, NULL))
    return Fail(error);
  if (dwWritten != nCount) {
    error.cause = CFileException::diskFull;
    error.osError = ERROR_DISK_FULL;
    return false;
  }
  return true;
}

bool Seek(Handle hFile, LONGLONG lOff, UINT nFrom, ULONGLONG& nNewPosition, Error& error) {
  LARGE_INTEGER distance;
  distance.QuadPart = lOff;
  LARGE_INTEGER position;
  DWORD dwMethod = nFrom == CFile::begin ? FILE_BEGIN : nFrom == CFile::current ? FILE_CURRENT : FILE_END;
  if (!::SetFilePointerEx(ToHandle(hFile), distance, &position, dwMethod))
    return Fail(error);
  nNewPosition = (ULONGLONG)position.QuadPart;
  return true;
}

bool GetLength(Handle hFile, ULONGLONG& nLength, Error& error) {
  LARGE_INTEGER size;
  if (!::GetFileSizeEx(ToHandle(hFile), &size))
    return Fail(error);
  nLength = (ULONGLONG)size.QuadPart;
  return true;
}

bool SetLength(Handle hFile, ULONGLONG nLength, Error& error) {
  ULONGLONG nOld = 0;
  if (!Seek(hFile, 0, CFile::current, nOld, error))
    return false;
  ULONGLONG nIgnored = 0;
  if (!Seek(hFile, (LONGLONG)nLength, CFile::begin, nIgnored, error))
    return false;
  if (!::SetEndOfFile(ToHandle(hFile)))
    return Fail(error);
  return Seek(hFile, (LONGLONG)std::min(nOld, nLength), CFile::begin, nIgnored, error);
}

bool Flush(Handle hFile, Error& error) {
  return ::FlushFileBuffers(ToHandle(hFile)) || ::GetLastError() == ERROR_INVALID_HANDLE || Fail(error);
}

bool Remove(LPCTSTR lpszFileName, Error& error) { return ::DeleteFileA(lpszFileName) || Fail(error); }

bool Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName, Error& error) {
  return ::MoveFileA(lpszOldName, lpszNewName) || Fail(error);
}

bool Replace(LPCTSTR lpszSource, LPCTSTR lpszTarget, Error& error) {
  // Some systems would move a folder over a file: refuse it everywhere.
  if (IsFolder(lpszSource) || IsFolder(lpszTarget)) {
    error.cause = CFileException::accessDenied;
    error.osError = ERROR_ACCESS_DENIED;
    return false;
  }
  return ::MoveFileExA(lpszSource, lpszTarget, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) || Fail(error);
}

bool CreateNew(LPCTSTR lpszFileName, Error& error) {
  HANDLE hFile = ::CreateFileA(lpszFileName, GENERIC_WRITE, 0, NULL, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, NULL);
  if (hFile == INVALID_HANDLE_VALUE)
    return Fail(error);
  return Close(reinterpret_cast<Handle>(hFile), error);
}

bool AlreadyExists(const Error& error) {
  return error.osError == ERROR_FILE_EXISTS || error.osError == ERROR_ALREADY_EXISTS;
}

unsigned long ProcessId() { return ::GetCurrentProcessId(); }

bool FullPath(LPCTSTR lpszPath, CString& rFullPath) {
  if (lpszPath == NULL || *lpszPath == '\0')
    return false;
  DWORD dwSize = MAX_PATH;
  for (;;) {
    LPTSTR pBuffer = rFullPath.GetBuffer((int)dwSize);
    DWORD dwLength = ::GetFullPathNameA(lpszPath, dwSize + 1, pBuffer, NULL);
    if (dwLength == 0) {
      rFullPath.ReleaseBuffer(0);
      return false;
    }
    if (dwLength <= dwSize) {
      rFullPath.ReleaseBuffer((int)dwLength);
      return true;
    }
    dwSize = dwLength;
  }
}

bool FindFiles(LPCTSTR lpszPattern, std::vector<FindData>& entries, Error& error) {
  entries.clear();
  WIN32_FIND_DATAA findData;
  HANDLE hFind = ::FindFirstFileA(lpszPattern, &findData);
  if (hFind == INVALID_HANDLE_VALUE)
    return Fail(error);
  do {
    FindData data;
    data.strName = findData.cFileName;
    data.dwAttributes = findData.dwFileAttributes;
    data.nSize = ((ULONGLONG)findData.nFileSizeHigh << 32) | findData.nFileSizeLow;
    data.tCreation = ToTime(findData.ftCreationTime);
    data.tLastAccess = ToTime(findData.ftLastAccessTime);
    data.tLastWrite = ToTime(findData.ftLastWriteTime);
    entries.push_back(data);
  } while (::FindNextFileA(hFind, &findData));
  ::FindClose(hFind);
  return true;
}

char PathSeparator() { return '\\'; }

bool GetAttributes(LPCTSTR lpszPath, DWORD& dwAttributes) {
  DWORD dwFound = ::GetFileAttributesA(lpszPath);
  if (dwFound == INVALID_FILE_ATTRIBUTES)
    return false;
  dwAttributes = dwFound;
  return true;
}

bool CreateFolder(LPCTSTR lpszPath, Error& error) { return ::CreateDirectoryA(lpszPath, NULL) || Fail(error); }

CString CurrentDirectory() {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    DWORD dwLength = ::GetCurrentDirectoryA((DWORD)buffer.size(), buffer.data());
    if (dwLength == 0)
      return CString();
    if (dwLength < buffer.size())
      return CString(buffer.data());
    buffer.resize(dwLength + 1);
  }
}

bool ChangeDirectory(LPCTSTR lpszPath) {
  return lpszPath != NULL && *lpszPath != '\0' && ::SetCurrentDirectoryA(lpszPath);
}

CString CurrentDriveRoot() {
  CString strCurrent = CurrentDirectory();
  if (strCurrent.GetLength() < 2 || strCurrent[1] != ':')
    return CString();
  CString strRoot;
  strRoot += (char)tolower((unsigned char)strCurrent[0]);
  strRoot += ":\\";
  return strRoot;
}

CString TempFolder() {
  char szPath[MAX_PATH + 1] = "";
  DWORD dwLength = ::GetTempPathA(sizeof szPath, szPath);
  if (dwLength > 0 && dwLength < sizeof szPath)
    return CString(szPath);
  return CString(".\\");
}

bool DiskSpace(LPCTSTR lpszRoot, ULONGLONG& nFree, ULONGLONG& nTotal) {
  ULARGE_INTEGER available, total, free;
  if (!::GetDiskFreeSpaceExA(lpszRoot != NULL && *lpszRoot != '\0' ? lpszRoot : NULL, &available, &total, &free))
    return false;
  nFree = available.QuadPart;
  nTotal = total.QuadPart;
  return true;
}

CString ShortPath(LPCTSTR lpszPath) {
  char szShort[MAX_PATH + 1] = "";
  DWORD dwLength = ::GetShortPathNameA(lpszPath, szShort, sizeof szShort);
  if (dwLength > 0 && dwLength < sizeof szShort)
    return CString(szShort);
  return CString(lpszPath);
}

bool RunProcess(LPCTSTR lpszCommandLine, int& nExitCode, const std::function<void()>& onWait) {
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  // CreateProcess may write into the line: give it a copy.
  std::vector<char> line(lpszCommandLine, lpszCommandLine + strlen(lpszCommandLine) + 1);
  if (!::CreateProcessA(NULL, line.data(), NULL, NULL, FALSE, CREATE_NO_WINDOW, NULL, NULL, &si, &pi))
    return false;
  while (::WaitForSingleObject(pi.hProcess, onWait ? 100 : INFINITE) == WAIT_TIMEOUT)
    onWait();
  DWORD dwExit = 1;
  ::GetExitCodeProcess(pi.hProcess, &dwExit);
  ::CloseHandle(pi.hThread);
  ::CloseHandle(pi.hProcess);
  nExitCode = (int)dwExit;
  return true;
}

QuietErrors::QuietErrors() : m_nPrevious(::SetErrorMode(SEM_FAILCRITICALERRORS)) {}
QuietErrors::~QuietErrors() { ::SetErrorMode(m_nPrevious); }

} // namespace OsFile
