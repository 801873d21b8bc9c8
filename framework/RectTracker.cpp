#include "framework/Framework.h"
#include "framework/RectTracker.h"
#include "framework/CaptureLoop.h"

#include <algorithm>

int CRectTracker::HitTest(CPoint point) const
{
    CRect rect = m_rect;
    rect.NormalizeRect();
    const int n = m_nHandleSize;
    const CPoint handles[8] = {rect.TopLeft(), CPoint(rect.right, rect.top), rect.BottomRight(),
                               CPoint(rect.left, rect.bottom), CPoint(rect.CenterPoint().x, rect.top),
                               CPoint(rect.right, rect.CenterPoint().y), CPoint(rect.CenterPoint().x, rect.bottom),
                               CPoint(rect.left, rect.CenterPoint().y)};
    for (int i = 0; i < 8; i++) {
        CRect rectHandle(handles[i].x - n, handles[i].y - n, handles[i].x + n, handles[i].y + n);
        if (rectHandle.PtInRect(point))
            return i;
    }
    return rect.PtInRect(point) ? hitMiddle : hitNothing;
}

CRect CRectTracker::MovedRect(int nHandle, const CRect& rectStart, CSize offset) const
{
    CRect rect = rectStart;
    if (nHandle == hitMiddle) {
        rect.OffsetRect(offset.cx, offset.cy);
        return rect;
    }
    bool bLeft = nHandle == hitTopLeft || nHandle == hitBottomLeft || nHandle == hitLeft;
    bool bRight = nHandle == hitTopRight || nHandle == hitBottomRight || nHandle == hitRight;
    bool bTop = nHandle == hitTopLeft || nHandle == hitTopRight || nHandle == hitTop;
    bool bBottom = nHandle == hitBottomLeft || nHandle == hitBottomRight || nHandle == hitBottom;
    if (bLeft)
        rect.left += offset.cx;
    if (bRight)
        rect.right += offset.cx;
    if (bTop)
        rect.top += offset.cy;
    if (bBottom)
        rect.bottom += offset.cy;
    return rect;
}

void CRectTracker::AdjustRect(int, LPRECT) {}
void CRectTracker::OnChangedRect(const CRect&) {}

void CRectTracker::DrawTrackerRect(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC, CWnd* pWnd)
{
    CRect rect = *lpRect;
    rect.NormalizeRect();
    if (pWndClipTo != nullptr && pWndClipTo != pWnd) {
        // Into the clipping window's coordinates, and inside it.
        pWnd->ClientToScreen(&rect);
        pWndClipTo->ScreenToClient(&rect);
    }
    CSize size(0, 0);
    if (!m_bFinalErase) {
        int n = (m_nStyle & hatchedBorder) ? std::max(1, m_nHandleSize - 1) : 1;
        size = CSize(n, n);
        rect.InflateRect(size);
    }
    pDC->DrawDragRect(&rect, size, m_bErase ? nullptr : &m_rectLast, m_sizeLast);
    m_rectLast = rect;
    m_sizeLast = size;
}

// The loop of one track: moves follow the mouse, the outline is redrawn.
class CTrackerLoop : public CCaptureLoop
{
public:
    CTrackerLoop(CRectTracker* pTracker, int nHandle, CWnd* pWnd, CPoint ptStart, CWnd* pWndClipTo, CDC* pDC)
        : CCaptureLoop(pWnd->m_hWnd), m_pTracker(pTracker), m_nHandle(nHandle), m_pWnd(pWnd), m_pWndClipTo(pWndClipTo),
          m_pDC(pDC), m_ptStart(ptStart), m_rectStart(pTracker->m_rect)
    {
    }

    void Follow(CPoint pt)
    {
        CRect rect = m_pTracker->MovedRect(m_nHandle, m_rectStart, pt - m_ptStart);
        m_pTracker->AdjustRect(m_nHandle, &rect);
        if (!m_pTracker->m_bAllowInvert)
            rect.NormalizeRect();
        if (m_nHandle != CRectTracker::hitMiddle) {
            // Never smaller than the smallest size, on the side that moves.
            if (std::abs(rect.Width()) < m_pTracker->m_sizeMin.cx)
                rect.right = rect.left + m_pTracker->m_sizeMin.cx;
            if (std::abs(rect.Height()) < m_pTracker->m_sizeMin.cy)
                rect.bottom = rect.top + m_pTracker->m_sizeMin.cy;
        }
        m_pTracker->m_rect = rect;
        m_pTracker->DrawTrackerRect(&rect, m_pWndClipTo, m_pDC, m_pWnd);
        m_pTracker->m_bErase = FALSE;
    }

protected:
    void OnMove(CPoint pt) override { Follow(pt); }
    void OnEnd(CPoint pt) override { Follow(pt); }

private:
    CRectTracker* m_pTracker;
    int m_nHandle;
    CWnd* m_pWnd;
    CWnd* m_pWndClipTo;
    CDC* m_pDC;
    CPoint m_ptStart;
    CRect m_rectStart;
};

BOOL CRectTracker::TrackHandle(int nHandle, CWnd* pWnd, CPoint point, CWnd* pWndClipTo)
{
    if (pWnd == nullptr || pWnd->m_hWnd == nullptr)
        return FALSE;
    CRect rectSave = m_rect;
    CWnd* pWndDraw = pWndClipTo != nullptr ? pWndClipTo : pWnd;
    HDC hDC = ::GetDCEx(pWndDraw->m_hWnd, nullptr, DCX_CACHE);
    CDC* pDC = CDC::FromHandle(hDC);
    m_rectLast.SetRectEmpty();
    m_sizeLast = CSize(0, 0);
    m_bErase = TRUE;
    m_bFinalErase = FALSE;

    CTrackerLoop loop(this, nHandle, pWnd, point, pWndClipTo, pDC);
    bool bEnded = loop.Run();
    if (::IsWindow(pWndDraw->m_hWnd)) {
        // The outline goes for good.
        m_bFinalErase = TRUE;
        DrawTrackerRect(&m_rect, pWndClipTo, pDC, pWnd);
        m_bFinalErase = FALSE;
        ::ReleaseDC(pWndDraw->m_hWnd, hDC);
    }
    if (!bEnded) {
        m_rect = rectSave;
        return FALSE;
    }
    if (m_rect == rectSave)
        return FALSE;
    OnChangedRect(rectSave);
    return TRUE;
}

BOOL CRectTracker::Track(CWnd* pWnd, CPoint point, BOOL bAllowInvert, CWnd* pWndClipTo)
{
    int nHandle = HitTest(point);
    if (nHandle == hitNothing)
        return FALSE;
    m_bAllowInvert = bAllowInvert;
    return TrackHandle(nHandle, pWnd, point, pWndClipTo);
}

BOOL CRectTracker::TrackRubberBand(CWnd* pWnd, CPoint point, BOOL bAllowInvert)
{
    m_bAllowInvert = bAllowInvert;
    m_rect = CRect(point, point);
    return TrackHandle(hitBottomRight, pWnd, point, nullptr);
}
