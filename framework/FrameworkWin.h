// The Win32 half of the class library: application, windows, commands,
// drawing, dialogs and the document-view classes. Include
// "framework/Framework.h" rather than this header.
#pragma once

#include "framework/Types.h"
#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include "framework/WinDefs.h"
#include "framework/CmdTarget.h"
#include "framework/CmdUI.h"
#include "framework/GdiObject.h"
#include "framework/DC.h"
#include "framework/GdiScopes.h"
#include "framework/Menu.h"
#include "framework/ImageList.h"
#include "framework/Wnd.h"
#include "framework/CaptureLoop.h"
#include "framework/ControlNotify.h"
#include "framework/WinThread.h"
#include "framework/WinApp.h"
#include "framework/Controls.h"
#include "framework/ToolTipOwner.h"
#include "framework/CheckListBox.h"
#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/PropertySheet.h"
#include "framework/FileDialog.h"
#include "framework/PrintInfo.h"
#include "framework/FrameWnd.h"
#include "framework/MDIFrameWnd.h"
#include "framework/Document.h"
#include "framework/View.h"
#include "framework/ScrollView.h"
#include "framework/FormView.h"
#include "framework/DocTemplate.h"
#include "framework/SplitterWnd.h"
#include "framework/PrintPreview.h"
#include "framework/ControlBar.h"
#include "framework/DockBar.h"
#include "framework/DockContext.h"
#include "framework/DockState.h"
#include "framework/MiniFrameWnd.h"
#include "framework/MiniDockFrameWnd.h"
#include "framework/DialogBar.h"
#include "framework/RectTracker.h"
