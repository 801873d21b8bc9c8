#include <windows.h>
#include "framework/DockState.h"

CSize AfxGetScreenSize() { return CSize(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)); }
