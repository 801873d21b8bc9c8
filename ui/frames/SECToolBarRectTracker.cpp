#include "framework/Framework.h"
#include "ui/frames/SECToolBarRectTracker.h"
#include "framework/CaptureLoop.h"

#include <algorithm>

namespace {

CRect DesktopRect()
{
    CRect rect;
    ::GetWindowRect(::GetDesktopWindow(), &rect);
    return rect;
}

// Follows the mouse over the desktop; the outline is the tracker's own.
class CScreenTrack : public CCaptureLoop
{
public:
    CScreenTrack(SECToolBarRectTracker& tracker, CWnd* pWnd, CPoint ptStart)
        : CCaptureLoop(pWnd->m_hWnd), m_tracker(tracker), m_pWnd(pWnd), m_ptStart(ptStart),
          m_rectStart(tracker.m_rect), m_rcDesktop(DesktopRect())
    {
    }

    void Draw()
    {
        HDC hDC = ::GetDC(nullptr);
        CDC* pDC = CDC::FromHandle(hDC);
        m_tracker.DrawTrackerRect(&m_tracker.m_rect, nullptr, pDC, m_pWnd);
        ::ReleaseDC(nullptr, hDC);
    }

protected:
    void OnMove(CPoint pt) override
    {
        Draw(); // takes the old outline away
        CPoint ptScreen = pt;
        m_pWnd->ClientToScreen(&ptScreen);
        m_tracker.m_rect = SECToolBarRectTracker::MoveOnDesktop(m_rectStart, ptScreen - m_ptStart, m_rcDesktop);
        Draw();
    }
    void OnEnd(CPoint pt) override
    {
        OnMove(pt);
        Draw();
    }
    void OnCancel() override
    {
        Draw();
        m_tracker.m_rect = m_rectStart;
    }

private:
    SECToolBarRectTracker& m_tracker;
    CWnd* m_pWnd;
    CPoint m_ptStart;
    CRect m_rectStart;
    CRect m_rcDesktop;
};

} // namespace

CRect SECToolBarRectTracker::MoveOnDesktop(const CRect& rect, CSize offset, const CRect& rcDesktop)
{
    CRect moved = rect;
    moved.OffsetRect(offset);
    const int dx = std::max<LONG>(rcDesktop.left - moved.left, std::min<LONG>(0, rcDesktop.right - moved.right));
    const int dy = std::max<LONG>(rcDesktop.top - moved.top, std::min<LONG>(0, rcDesktop.bottom - moved.bottom));
    moved.OffsetRect(dx, dy);
    return moved;
}

BOOL SECToolBarRectTracker::Track(CWnd* pWnd, CPoint point, BOOL, CWnd*)
{
    const CRect rectOld = m_rect;
    CScreenTrack track(*this, pWnd, point);
    track.Draw();
    if (!track.Run())
        return FALSE;
    if (m_rect == rectOld)
        return FALSE;
    OnChangedRect(rectOld);
    return TRUE;
}

void SECToolBarRectTracker::DrawTrackerRect(LPCRECT lpRect, CWnd*, CDC* pDC, CWnd*)
{
    const int nThick = std::max(1, m_nHandleSize - 1);
    const CRect rc(*lpRect);
    CBrush* pBrush = CDC::GetHalftoneBrush();
    CBrush* pOld = pDC->SelectObject(pBrush);
    pDC->PatBlt(rc.left, rc.top, rc.Width(), nThick, PATINVERT);
    pDC->PatBlt(rc.left, rc.bottom - nThick, rc.Width(), nThick, PATINVERT);
    pDC->PatBlt(rc.left, rc.top + nThick, nThick, rc.Height() - 2 * nThick, PATINVERT);
    pDC->PatBlt(rc.right - nThick, rc.top + nThick, nThick, rc.Height() - 2 * nThick, PATINVERT);
    pDC->SelectObject(pOld);
}
