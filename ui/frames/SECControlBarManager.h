// The control-bar manager a frame may have: the dock state asks it for the
// extension record of a bar, for bars the frame does not have, and for a
// bar's type id. The toolbar manager derives from it; the base makes
// nothing, so a frame without a manager restores only the bars it has or
// can make from their class names.
#pragma once

#include "framework/Types.h"

class CControlBar;
class CFrameWnd;
class SECControlBarInfo;
class SECControlBarInfoEx;

class SECControlBarManager
{
public:
    virtual ~SECControlBarManager() = default;

    // A new extension record for the record, or NULL.
    virtual SECControlBarInfoEx* CreateBarInfoEx(SECControlBarInfo*) { return nullptr; }
    // The bar a record describes, made anew, or NULL.
    virtual CControlBar* CreateBar(SECControlBarInfo*, CFrameWnd*) { return nullptr; }
    virtual UINT GetBarTypeID(CControlBar*) { return 0; }
};
