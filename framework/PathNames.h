// The path vocabulary of the program: file name, folder and stem of a path,
// and the file-time epoch. Both "\" and "/" separate folders, whatever the
// build; a drive's ":" is not a separator here.
#pragma once

#include "framework/Types.h"
#include "framework/String.h"

bool IsPathSeparator(char ch);

// Index of the first character of the file name (after the last separator).
int FileNameStart(const CString& strPath);
CString FileNamePart(const CString& strPath);
CString FolderPart(const CString& strPath); // with its separator
// The path without the extension of its file name (the text from the last
// "." of the file name on); a file name without "." keeps the whole path.
CString FileStem(const CString& strPath);
// The path with the extension of its file name replaced by strExtension
// (which brings its own "."), or with it appended when there is none.
CString WithExtension(const CString& strPath, const CString& strExtension);
// "\" appended unless the folder already ends in one; empty stays empty.
CString WithTrailingBackslash(const CString& strFolder);
// The system's separator appended unless the folder already ends in any
// separator; empty stays empty.
CString WithSeparator(const CString& strFolder);

// File times count 100-ns intervals from 1601-01-01 UTC; Unix times count
// seconds from 1970-01-01 UTC, which is this many seconds later.
const LONGLONG kFileTimeEpochOffset = 11644473600LL;
const ULONGLONG kFileTimeTicksPerSecond = 10000000ULL;

// Seconds since 1970 (negative before it) of a file time, whole seconds.
LONGLONG FileTimeToUnix(ULONGLONG nFileTime);
// The file time of a Unix time; times before 1601 give 0.
ULONGLONG UnixToFileTime(LONGLONG nUnixTime);
