// SECDockContext: the library's dock context. A bar's row share survives
// floating (it is saved when the bar floats and given back when it docks
// again by a double click), and a floating bar that is merely clicked, or
// moved less than 5 pixels, does not dock.
//
// Not yet: floating as an MDI child window of the main frame ("Float In
// Main Window" leaves the bar where it is).
#pragma once

#include "framework/Framework.h"

class SECDockContext : public CDockContext
{
public:
    explicit SECDockContext(CControlBar* pBar);

    void StartDrag(CPoint pt) override;
    void StartResize(int nHitTest, CPoint pt) override;
    void ToggleDocking() override;
    // "Float In Main Window" and back.
    virtual void ToggleMDIFloat() {}

    // The cursor has moved 5 pixels or more (|dx| + |dy|) since the drag began.
    BOOL HasMovedFromStart() const;

    CPoint m_ptDragStart;
    BOOL m_bPrevFloating = FALSE;
    CSize m_sizeMinTrack;
    CSize m_sizeMaxTrack;
    BOOL m_bInDrag = FALSE;
    int m_nDockID = -1;

    static constexpr int kDockDistance = 5;
};
