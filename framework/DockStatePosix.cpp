#include "framework/DockState.h"

// No screen without windows: the one the tests assume.
CSize AfxGetScreenSize() { return CSize(1024, 768); }
