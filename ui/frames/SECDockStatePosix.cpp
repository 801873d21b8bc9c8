// Without windows there is no frame to capture or apply.
#include "ui/frames/SECDockState.h"

void SECDockState::GetDockState(CFrameWnd*) { Clear(); }
void SECDockState::SetDockState(CFrameWnd*) {}
void SECDockState::CreateBars(CFrameWnd*, BOOL) {}
void SECDockState::ApplyFloating() {}
void SECDockState::RestoreMDIChildPlacements(CFrameWnd*) {}
CControlBar* SECDockState::CreateBarFromClass(const CString&, CFrameWnd*, SECControlBarInfo*) { return nullptr; }
CRuntimeClass* SECDockState::FindBarClass(const CString&) { return nullptr; }
