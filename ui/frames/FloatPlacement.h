// Where a floated bar's window goes: clamped into the work area, or inside
// the MDI client at an explicit point or at the next cascade position.
#pragma once

#include "framework/Geometry.h"

// Cascade positions of bars floated as MDI children start here.
constexpr int kCascadeStart = 30;

// Returns the present cascade position and advances it by (20, 23); each
// coordinate wraps back to kCascadeStart when it passes the client's
// extent less kCascadeStart.
CPoint NextCascadePosition(CPoint& cascade, CSize client);

// A floating frame's top-left kept inside the work area with 10 pixels of
// it still on screen.
CPoint ClampIntoWorkArea(CPoint pt, const CRect& rcWork);

// A child's top-left kept inside the MDI client: at least 0, at most the
// client's width less the window's width and its height less 30.
CPoint ClampIntoMDIClient(CPoint pt, CSize client, CSize window);
