// The windows behind the portable cores' UI seams: the protocol design code
// and the chart model show their messages, wait cursors, progress and
// profile through the application once these are installed.
#pragma once

#include "framework/Framework.h"

// Installs the design and chart seams; call once the application object is
// set up (its profile key chosen).
void InstallUiSeams();
// Takes them away again, before the application goes.
void RemoveUiSeams();
