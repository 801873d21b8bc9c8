// SECDockContext: the library's dock context. A bar's row share survives
// floating, and a floating bar that is merely clicked does not dock.
//
// Not yet: floating as an MDI child window of the main frame.
#pragma once

#include "framework/Framework.h"

class SECDockContext : public CDockContext
{
public:
    explicit SECDockContext(CControlBar* pBar);

    // "Float In Main Window" and back.
    virtual void ToggleMDIFloat() {}

    CPoint m_ptDragStart;
    BOOL m_bPrevFloating = FALSE;
    CSize m_sizeMinTrack;
    CSize m_sizeMaxTrack;
};
