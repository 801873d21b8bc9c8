// The class library in one include: the portable classes, and in the win
// build the window, drawing, dialog and document-view classes too.
#pragma once

#include "framework/Portable.h"

#ifdef _WIN32
#include "framework/FrameworkWin.h"
#endif
