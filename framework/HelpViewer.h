// The system's help viewer, which the help commands open the program's
// help file with. Tests put a recorder here.
#pragma once

#include "framework/Framework.h"

using AfxHelpViewer = BOOL (*)(HWND hWnd, LPCTSTR lpszPath, UINT nCmd, DWORD_PTR dwData);

// null: the system's WinHelp. Returns the viewer that was set.
AfxHelpViewer AfxSetHelpViewer(AfxHelpViewer viewer);
