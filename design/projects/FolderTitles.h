// The files of a folder with one extension, as the design dialogs list
// them: upper case, with or without the extension, in name order.
#pragma once

#include "framework/Portable.h"

#include <vector>

std::vector<CString> FolderTitles(const CString& strFolder, const CString& strExtension, BOOL bWithExtension);
