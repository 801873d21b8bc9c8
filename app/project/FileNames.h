// File-name rules of projects shared by the project framework and the main
// frame's delete commands; the path vocabulary itself is the framework's.
#pragma once

#include "framework/Portable.h"
#include "framework/PathNames.h"

#include <vector>

// Whether a file name is one of the logs of the project whose file-name stem
// is given: "<stem>.Log", or a time-stamped "<stem>.YYYY.MM.DD.hh.mm.ss.Log"
// (letter case ignored). "<stem>x.Log" and the like are not.
bool IsProjectLog(const CString& strStem, const CString& strFileName);

// The files of a folder (names only, no sub-folders).
std::vector<CString> ListFolderFiles(const CString& strFolder);
