// SECDockContext: the library's dock context. A bar's row share survives
// floating (it is saved when the bar floats and given back when it docks
// again by a double click), a floating bar that is merely clicked, or
// moved less than 5 pixels, does not dock, and under a SECMDIFrameWnd a
// bar may float as an MDI child window of the frame ("Float In Main
// Window").
#pragma once

#include "framework/Framework.h"

class SECDockContext : public CDockContext
{
public:
    explicit SECDockContext(CControlBar* pBar);

    void StartDrag(CPoint pt) override;
    void StartResize(int nHitTest, CPoint pt) override;
    void ToggleDocking() override;
    // "Float In Main Window", and back to where the bar was before.
    virtual void ToggleMDIFloat();

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
