// SECToolBarRectTracker: the rubber band with which a toolbar is moved over
// the whole screen. The rectangle is in screen coordinates and stays on the
// desktop; its hatched outline, as thick as the handle size less one, is
// drawn on the desktop while the mouse moves.
#pragma once

#include "framework/Framework.h"

class SECToolBarRectTracker : public CRectTracker
{
public:
    SECToolBarRectTracker() { m_nStyle = hatchedBorder; }
    SECToolBarRectTracker(LPCRECT lpSrcRect, UINT nStyle = hatchedBorder) : CRectTracker(lpSrcRect, nStyle) {}

    // Moves m_rect with the mouse from point (screen coordinates) until the
    // left button comes up; Escape or the right button put it back. TRUE
    // when the rectangle changed.
    BOOL Track(CWnd* pWnd, CPoint point, BOOL bAllowInvert = FALSE, CWnd* pWndClipTo = nullptr) override;
    void DrawTrackerRect(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC, CWnd* pWnd) override;

    // The rectangle moved by offset and kept on the desktop.
    static CRect MoveOnDesktop(const CRect& rect, CSize offset, const CRect& rcDesktop);
};
