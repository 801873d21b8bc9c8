// File-name rules shared by the project framework and the main frame's
// delete commands. Both "\" and "/" separate folders.
#pragma once

#include "framework/Framework.h"

#include <vector>

// Index of the first character of the file name (after the last separator).
int FileNameStart(const CString& strPath);
CString FileNamePart(const CString& strPath);
CString FolderPart(const CString& strPath); // with its separator
// The path without the extension of its file name (the text from the last
// "." of the file name on); a file name without "." keeps the whole path.
CString FileStem(const CString& strPath);
// "\" appended unless the folder already ends in one; empty stays empty.
CString WithTrailingBackslash(const CString& strFolder);
// Like WithTrailingBackslash, but any separator counts as an ending.
CString WithSeparator(const CString& strFolder);

// Whether a file name is one of the logs of the project whose file-name stem
// is given: "<stem>.Log", or a time-stamped "<stem>.YYYY.MM.DD.hh.mm.ss.Log"
// (letter case ignored). "<stem>x.Log" and the like are not.
bool IsProjectLog(const CString& strStem, const CString& strFileName);

// The files of a folder (names only, no sub-folders).
std::vector<CString> ListFolderFiles(const CString& strFolder);
