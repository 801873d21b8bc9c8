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
bool Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName, Error& error);

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
