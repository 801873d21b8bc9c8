// The class library in one include: the portable classes, and in the win
// build the window, drawing, dialog and document-view classes too.
#pragma once

#ifdef _WIN32
#include "framework/FrameworkWin.h"
#endif
