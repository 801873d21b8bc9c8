// What a name typed for a file may be: callers build paths from the names
// the rename and caption dialogs return, so a name must stay one file name
// in the caller's folder.
#pragma once

#include "framework/Portable.h"

// Empty when the name is acceptable, else the message that says why not:
// it is empty, holds a path separator, "..", a character files may not
// have, ends in a dot or blank, or is a device name ("CON", "COM1"...).
CString FileTitleProblem(const CString& strName);
