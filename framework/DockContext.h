// CDockContext: the mouse loops that move a bar between the dock bars and
// floating frames of its docking frame and that resize a floating bar, and
// the bar's most recent dock and float places. A drag shows an outline:
// thin over a dock bar that would take the bar, frame-thick where it would
// float. Ctrl keeps the bar floating, Shift turns it.
#pragma once

#include "framework/ControlBar.h"

class CDC;
class CDockBar;

class CDockContext
{
public:
    explicit CDockContext(CControlBar* pBar);
    virtual ~CDockContext();

    virtual void StartDrag(CPoint pt);
    virtual void StartResize(int nHitTest, CPoint pt);
    virtual void ToggleDocking();

    // The loop and its steps (the classic names; derived contexts mirror them).
    BOOL Track();
    void Move(CPoint pt);
    void Stretch(CPoint pt);
    void OnKey(int nChar, BOOL bDown);
    void EndDrag();
    void EndResize();
    void CancelLoop();
    void InitLoop();
    void DrawFocusRect(BOOL bRemoveRect = FALSE);
    void UpdateState(BOOL* pFlag, BOOL bNewValue);
    // Which dock style (CBRS_ALIGN_*) the drag is over, 0 for none.
    DWORD CanDock();
    DWORD CanDock(CRect rect, DWORD dwDockStyle, CDockBar** ppDockBar = nullptr);
    CDockBar* GetDockBar(DWORD dwOverDockStyle);

    CControlBar* m_pBar;
    CFrameWnd* m_pDockSite;
    DWORD m_dwDockStyle = 0;        // the sides the bar may dock on
    DWORD m_dwOverDockStyle = 0;    // the side under the drag
    DWORD m_dwStyle = 0;            // the bar's style at drag start
    BOOL m_bFlip = FALSE;           // Shift: the other orientation
    BOOL m_bForceFrame = FALSE;     // Ctrl: float
    CDC* m_pDC = nullptr;           // the desktop DC while dragging
    BOOL m_bDragging = FALSE;
    int m_nHitTest = 0;
    CPoint m_ptLast;
    CRect m_rectLast;
    CSize m_sizeLast;
    BOOL m_bDitherLast = FALSE;
    CRect m_rectDragHorz, m_rectDragVert, m_rectFrameDragHorz, m_rectFrameDragVert;
    CRect m_rectRequestedSize, m_rectActualSize, m_rectActualFrameSize, m_rectFrameBorders;

    // The most recent places: saved with the bar state, used by ToggleDocking.
    UINT m_uMRUDockID = 0;
    CRect m_rectMRUDockPos;
    DWORD m_dwMRUFloatStyle = 0;
    CPoint m_ptMRUFloatPos;

protected:
    // The frame (or floating frame) border added around a floating bar.
    static CRect FloatingBorders();
    void AdjustWindowForFloat(CRect& rect);
    // A docked bar about to float notes where it was.
    void RememberDockPlace();
    // The bar's size before a resize, given back when it is cancelled.
    CRect m_rectResizeStart;
    BOOL IsOverDockBar() const { return m_dwOverDockStyle != 0 && !m_bForceFrame; }
};
