// The files of a folder that match a pattern (wildcards in the last part
// only), with their names as the file system has them (under Wine they may
// be lower case) and in alphabetical order without regard to case. Folders
// are left out.
#pragma once

#include "framework/Portable.h"

#include <vector>

std::vector<CString> ListFileNames(const CString& strPattern);

// Orders names alphabetically without regard to case, as sorted lists do.
bool NameLess(const CString& a, const CString& b);
