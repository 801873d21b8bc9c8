// The one seam between the file classes and the operating system: the win
// build uses the Win32 file API, the native build POSIX. Nothing outside
// framework/ should need this header.
#pragma once

#include "framework/Types.h"
#include "framework/String.h"

#include <ctime>
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

} // namespace OsFile
