// CRectTracker: a rectangle the user moves or resizes with the mouse, or a
// rubber band stretched out from a point. The rectangle is in the client
// coordinates of the window given to Track; the outline is drawn inverted
// while the mouse moves. Track captures the mouse until the left button
// comes up (Escape, the right button or a lost capture cancel and put the
// rectangle back) and says whether the rectangle changed.
#pragma once

#include "framework/Wnd.h"

class CDC;

class CRectTracker
{
public:
    enum StyleFlags { solidLine = 1, dottedLine = 2, hatchedBorder = 4, resizeInside = 8, resizeOutside = 16,
                      hatchInside = 32 };
    enum TrackerHit { hitNothing = -1, hitTopLeft = 0, hitTopRight = 1, hitBottomRight = 2, hitBottomLeft = 3,
                      hitTop = 4, hitRight = 5, hitBottom = 6, hitLeft = 7, hitMiddle = 8 };

    CRectTracker() = default;
    CRectTracker(LPCRECT lpSrcRect, UINT nStyle) : m_rect(*lpSrcRect), m_nStyle(nStyle) {}
    virtual ~CRectTracker() = default;

    CRect m_rect;
    UINT m_nStyle = 0;
    int m_nHandleSize = 4;
    CSize m_sizeMin{1, 1};

    // Which handle (or the middle) lies under point; hitNothing outside.
    int HitTest(CPoint point) const;
    // Moves (point in the middle) or resizes (point on a handle) m_rect.
    virtual BOOL Track(CWnd* pWnd, CPoint point, BOOL bAllowInvert = FALSE, CWnd* pWndClipTo = nullptr);
    BOOL TrackRubberBand(CWnd* pWnd, CPoint point, BOOL bAllowInvert = TRUE);
    // Lets a derived tracker limit the rectangle a handle makes.
    virtual void AdjustRect(int nHandle, LPRECT lpRect);
    virtual void DrawTrackerRect(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC, CWnd* pWnd);
    virtual void OnChangedRect(const CRect& rectOld);

protected:
    BOOL TrackHandle(int nHandle, CWnd* pWnd, CPoint point, CWnd* pWndClipTo);
    // The rectangle a handle gives for the mouse moved by offset from rectStart.
    CRect MovedRect(int nHandle, const CRect& rectStart, CSize offset) const;

    CRect m_rectLast;
    CSize m_sizeLast;
    BOOL m_bErase = FALSE;        // the next draw takes the outline away
    BOOL m_bFinalErase = FALSE;   // ...for good
    BOOL m_bAllowInvert = FALSE;

    friend class CTrackerLoop;
};
