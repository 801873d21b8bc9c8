// The program's one seam to the operating system for files, folders and
// processes: the win build uses the Win32 API (OsFileWin32.cpp), the native
// build POSIX (OsFilePosix.cpp). Paths may use "\" or "/" in both.
#pragma once

#include "framework/Types.h"
#include "framework/String.h"

#include <ctime>
#include <functional>
#include <vector>

namespace OsFile {

typedef intptr_t Handle;
const Handle hNoFile = -1;

// A failure: the CFileException cause and the system's own code.
struct Error {
  int cause = 0;
  LONG osError = 0;
};

Handle Open(LPCTSTR lpszFileName, UINT nOpenFlags, Error& error);
bool Close(Handle hFile, Error& error);
bool Read(Handle hFile, void* lpBuf, UINT nCount, UINT& nRead, Error& error);
bool Write(Handle hFile, const void* lpBuf, UINT nCount, Error& error);
bool Seek(Handle hFile, LONGLONG lOff, UINT nFrom, ULONGLONG& nNewPosition, Error& error);
bool GetLength(Handle hFile, ULONGLONG& nLength, Error& error);
bool SetLength(Handle hFile, ULONGLONG nLength, Error& error);
bool Flush(Handle hFile, Error& error);

bool Remove(LPCTSTR lpszFileName, Error& error);
// Moves a file to a name no file has yet; an existing file there stays.
bool Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName, Error& error);
// Moves a file over another in one step: the target is either the old file
// or the new one, never missing. Folders are never moved or replaced.
bool Replace(LPCTSTR lpszSource, LPCTSTR lpszTarget, Error& error);
// Creates an empty file only where no file or folder of that name exists.
bool CreateNew(LPCTSTR lpszFileName, Error& error);
// Whether a failure was a name that is already taken.
bool AlreadyExists(const Error& error);
// The running process, for names that must not clash with another's.
unsigned long ProcessId();

// The absolute form of a path (both separators accepted natively).
bool FullPath(LPCTSTR lpszPath, CString& rFullPath);

// One directory entry of a search. Times are UTC seconds; 0 when unknown.
struct FindData {
  CString strName;
  DWORD dwAttributes = 0;
  ULONGLONG nSize = 0;
  time_t tCreation = 0;
  time_t tLastAccess = 0;
  time_t tLastWrite = 0;
};

// Everything a find-first/find-next search of lpszPattern returns (the
// pattern as given; wildcards only in its last component; names compared
// without regard to case).
bool FindFiles(LPCTSTR lpszPattern, std::vector<FindData>& entries, Error& error);

// The separator paths are built with.
char PathSeparator();

// The attribute word (CFile::Attribute bits) of a file or folder.
bool GetAttributes(LPCTSTR lpszPath, DWORD& dwAttributes);
bool CreateFolder(LPCTSTR lpszPath, Error& error);

// The process's current directory; empty when it cannot be read.
CString CurrentDirectory();
bool ChangeDirectory(LPCTSTR lpszPath);
// Root of the current drive ("c:\"), or "/" where there are no drives.
CString CurrentDriveRoot();
// The folder for temporary files, ending in a separator.
CString TempFolder();
// Free space (for this user) and total size of the volume of a root.
bool DiskSpace(LPCTSTR lpszRoot, ULONGLONG& nFree, ULONGLONG& nTotal);
// The 8.3 form of an existing path where the system has one, else the path.
CString ShortPath(LPCTSTR lpszPath);

// Starts the program of a command line (no command interpreter; the line is
// passed on exactly as given) and waits for it to end, calling onWait (when
// given) about ten times a second meanwhile. False when it could not be
// started; otherwise nExitCode is its exit status.
bool RunProcess(LPCTSTR lpszCommandLine, int& nExitCode, const std::function<void()>& onWait = {});

// True when the path names an existing file, not a folder.
inline bool FileExists(LPCTSTR lpszPath) {
  const DWORD dwDirectory = 0x10;  // CFile::directory
  DWORD dwAttributes = 0;
  return GetAttributes(lpszPath, dwAttributes) && !(dwAttributes & dwDirectory);
}

// Makes the folder and every missing folder above it.
inline bool CreateFolders(LPCTSTR lpszPath, Error& error) {
  const CString strPath(lpszPath);
  DWORD dwAttributes = 0;
  for (int i = 1; i <= strPath.GetLength(); ++i) {
    if (i < strPath.GetLength() && strPath[i] != '\\' && strPath[i] != '/')
      continue;
    const CString strPrefix = strPath.Left(i);
    if (!GetAttributes(strPrefix, dwAttributes) && !CreateFolder(strPrefix, error))
      return false;
  }
  return true;
}

// The current directory at its making is made current again when it goes.
class CurrentDirectoryScope {
public:
  CurrentDirectoryScope() : m_strSaved(CurrentDirectory()) {}
  ~CurrentDirectoryScope() {
    if (!m_strSaved.IsEmpty())
      ChangeDirectory(m_strSaved);
  }
  CurrentDirectoryScope(const CurrentDirectoryScope&) = delete;
  CurrentDirectoryScope& operator=(const CurrentDirectoryScope&) = delete;

private:
  CString m_strSaved;
};

// The system's critical-error boxes are off for the life of the object.
class QuietErrors {
public:
  QuietErrors();
  ~QuietErrors();
  QuietErrors(const QuietErrors&) = delete;
  QuietErrors& operator=(const QuietErrors&) = delete;

private:
  UINT m_nPrevious = 0;
};

} // namespace OsFile
