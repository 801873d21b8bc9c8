#include "framework/Framework.h"

#include <climits>

IMPLEMENT_DYNAMIC(CScrollView, CView)

const SIZE CScrollView::sizeDefault = { 0, 0 };

BEGIN_MESSAGE_MAP(CScrollView, CView)
    ON_WM_SIZE()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

CScrollView::CScrollView() = default;

bool CScrollView::HasBar(int nBar) const
{
    // Inside a splitter only the splitter's shared bars scroll; elsewhere the
    // view shows its own bars as needed.
    if (GetScrollBarCtrl(nBar) != nullptr)
        return true;
    return dynamic_cast<CSplitterWnd*>(FromHandlePermanent(::GetParent(m_hWnd))) == nullptr;
}

static CSize LogicalToDevice(int nMapMode, SIZE size)
{
    if (nMapMode == MM_TEXT || nMapMode == 0)
        return size;
    CWindowDC dc(nullptr);
    dc.SetMapMode(nMapMode);
    CSize result = size;
    dc.LPtoDP(&result);
    return result;
}

void CScrollView::SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage, const SIZE& sizeLine)
{
    m_nMapMode = nMapMode;
    m_totalLog = sizeTotal;
    m_totalDev = LogicalToDevice(nMapMode, sizeTotal);
    m_pageDev = LogicalToDevice(nMapMode, sizePage);
    m_lineDev = LogicalToDevice(nMapMode, sizeLine);
    // Unset amounts: a page is a tenth of the whole, a line a tenth of a page.
    if (m_pageDev.cx == 0)
        m_pageDev.cx = m_totalDev.cx / 10;
    if (m_pageDev.cy == 0)
        m_pageDev.cy = m_totalDev.cy / 10;
    if (m_lineDev.cx == 0)
        m_lineDev.cx = m_pageDev.cx / 10;
    if (m_lineDev.cy == 0)
        m_lineDev.cy = m_pageDev.cy / 10;
    if (m_lineDev.cx == 0)
        m_lineDev.cx = 1;
    if (m_lineDev.cy == 0)
        m_lineDev.cy = 1;
    if (m_hWnd != nullptr) {
        UpdateBars();
        Invalidate(TRUE);
    }
}

void CScrollView::GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage, SIZE& sizeLine) const
{
    nMapMode = m_nMapMode;
    sizeTotal = m_totalDev;
    sizePage = m_pageDev;
    sizeLine = m_lineDev;
}

CPoint CScrollView::GetDeviceScrollPosition() const
{
    CPoint pt(0, 0);
    if (HasBar(SB_HORZ))
        pt.x = GetScrollPos(SB_HORZ);
    if (HasBar(SB_VERT))
        pt.y = GetScrollPos(SB_VERT);
    return pt;
}

CPoint CScrollView::GetScrollPosition() const
{
    CPoint pt = GetDeviceScrollPosition();
    if (m_nMapMode != MM_TEXT && m_nMapMode != 0) {
        CWindowDC dc(nullptr);
        dc.SetMapMode(m_nMapMode);
        dc.DPtoLP(&pt);
    }
    return pt;
}

void CScrollView::ScrollToPosition(POINT pt)
{
    CPoint ptDev = pt;
    if (m_nMapMode != MM_TEXT && m_nMapMode != 0) {
        CWindowDC dc(nullptr);
        dc.SetMapMode(m_nMapMode);
        dc.LPtoDP(&ptDev);
        ptDev.y = abs(ptDev.y);
    }
    CPoint ptOld = GetDeviceScrollPosition();
    OnScrollBy(CSize(ptDev.x - ptOld.x, ptDev.y - ptOld.y), TRUE);
}

void CScrollView::SetScaleToFitSize(SIZE sizeTotal) { SetScrollSizes(MM_TEXT, sizeTotal); }

void CScrollView::ResizeParentToFit(BOOL bShrinkOnly)
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame == nullptr)
        return;
    CRect rectClient;
    GetClientRect(&rectClient);
    CSize diff(m_totalDev.cx - rectClient.Width(), m_totalDev.cy - rectClient.Height());
    if (bShrinkOnly) {
        diff.cx = diff.cx > 0 ? 0 : diff.cx;
        diff.cy = diff.cy > 0 ? 0 : diff.cy;
    }
    CRect rectFrame;
    pFrame->GetWindowRect(&rectFrame);
    pFrame->SetWindowPos(nullptr, 0, 0, rectFrame.Width() + diff.cx, rectFrame.Height() + diff.cy,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CScrollView::UpdateBars()
{
    if (m_bInsideUpdate || m_hWnd == nullptr)
        return;
    m_bInsideUpdate = TRUE;
    CPoint ptOld = GetDeviceScrollPosition();
    // Twice: showing one of the view's own bars shrinks the other axis.
    for (int pass = 0; pass < 2; ++pass) {
        CRect rc;
        GetClientRect(&rc);
        SCROLLINFO si = {};
        si.nMin = 0;
        // A splitter's bar stays (it carries the split box): greyed when the
        // whole fits, not live with nothing to scroll.
        const auto barMask = [this](int nBar) -> UINT {
            return SIF_PAGE | SIF_RANGE | (GetScrollBarCtrl(nBar) != nullptr ? SIF_DISABLENOSCROLL : 0);
        };
        if (HasBar(SB_HORZ)) {
            si.fMask = barMask(SB_HORZ);
            si.nMax = m_totalDev.cx > 0 ? m_totalDev.cx - 1 : 0;
            si.nPage = (UINT)(rc.Width() > 0 ? rc.Width() : 0);
            SetScrollInfo(SB_HORZ, &si, TRUE);
        }
        if (HasBar(SB_VERT)) {
            si.fMask = barMask(SB_VERT);
            si.nMax = m_totalDev.cy > 0 ? m_totalDev.cy - 1 : 0;
            si.nPage = (UINT)(rc.Height() > 0 ? rc.Height() : 0);
            SetScrollInfo(SB_VERT, &si, TRUE);
        }
    }
    CRect rc;
    GetClientRect(&rc);
    CPoint ptNew(ptOld.x, ptOld.y);
    int xMax = m_totalDev.cx - rc.Width();
    int yMax = m_totalDev.cy - rc.Height();
    ptNew.x = ptNew.x > xMax ? xMax : ptNew.x;
    ptNew.y = ptNew.y > yMax ? yMax : ptNew.y;
    ptNew.x = ptNew.x < 0 ? 0 : ptNew.x;
    ptNew.y = ptNew.y < 0 ? 0 : ptNew.y;
    if (ptNew != ptOld) {
        if (HasBar(SB_HORZ))
            SetScrollPos(SB_HORZ, ptNew.x);
        if (HasBar(SB_VERT))
            SetScrollPos(SB_VERT, ptNew.y);
        ScrollWindow(ptOld.x - ptNew.x, ptOld.y - ptNew.y);
    }
    m_bInsideUpdate = FALSE;
}

void CScrollView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    pDC->SetMapMode(m_nMapMode == 0 ? MM_TEXT : m_nMapMode);
    CPoint ptVpOrg(0, 0);
    if (!pDC->IsPrinting()) {
        CPoint pos = GetDeviceScrollPosition();
        ptVpOrg = CPoint(-pos.x, -pos.y);
    }
    pDC->SetViewportOrg(ptVpOrg);
    CView::OnPrepareDC(pDC, pInfo);
}

BOOL CScrollView::OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll)
{
    int x = GetScrollPos(SB_HORZ);
    int xOrig = x;
    switch (LOBYTE(nScrollCode)) {
    case SB_TOP: x = 0; break;
    case SB_BOTTOM: x = INT_MAX; break;
    case SB_LINEUP: x -= m_lineDev.cx; break;
    case SB_LINEDOWN: x += m_lineDev.cx; break;
    case SB_PAGEUP: x -= m_pageDev.cx; break;
    case SB_PAGEDOWN: x += m_pageDev.cx; break;
    case SB_THUMBTRACK: x = (int)nPos; break;
    default: break;
    }
    int y = GetScrollPos(SB_VERT);
    int yOrig = y;
    switch (HIBYTE(nScrollCode)) {
    case SB_TOP: y = 0; break;
    case SB_BOTTOM: y = INT_MAX; break;
    case SB_LINEUP: y -= m_lineDev.cy; break;
    case SB_LINEDOWN: y += m_lineDev.cy; break;
    case SB_PAGEUP: y -= m_pageDev.cy; break;
    case SB_PAGEDOWN: y += m_pageDev.cy; break;
    case SB_THUMBTRACK: y = (int)nPos; break;
    default: break;
    }
    long long dx = (long long)x - xOrig;
    long long dy = (long long)y - yOrig;
    dx = dx > INT_MAX ? INT_MAX : dx;
    dy = dy > INT_MAX ? INT_MAX : dy;
    BOOL bResult = OnScrollBy(CSize((int)dx, (int)dy), bDoScroll);
    if (bResult && bDoScroll)
        UpdateWindow();
    return bResult;
}

BOOL CScrollView::OnScrollBy(CSize sizeScroll, BOOL bDoScroll)
{
    if (!HasBar(SB_HORZ))
        sizeScroll.cx = 0;
    if (!HasBar(SB_VERT))
        sizeScroll.cy = 0;
    int xOrig = GetScrollPos(SB_HORZ);
    int x = xOrig;
    if (sizeScroll.cx != 0) {
        int xMax = GetScrollLimit(SB_HORZ);
        long long v = (long long)x + sizeScroll.cx;
        x = v < 0 ? 0 : v > xMax ? xMax : (int)v;
    }
    int yOrig = GetScrollPos(SB_VERT);
    int y = yOrig;
    if (sizeScroll.cy != 0) {
        int yMax = GetScrollLimit(SB_VERT);
        long long v = (long long)y + sizeScroll.cy;
        y = v < 0 ? 0 : v > yMax ? yMax : (int)v;
    }
    if (x == xOrig && y == yOrig)
        return FALSE;
    if (bDoScroll) {
        ScrollWindow(-(x - xOrig), -(y - yOrig));
        if (x != xOrig)
            SetScrollPos(SB_HORZ, x);
        if (y != yOrig)
            SetScrollPos(SB_VERT, y);
    }
    return TRUE;
}

static UINT TrackPos(CWnd* pWnd, int nBar, UINT nSBCode, UINT nPos)
{
    if (nSBCode != SB_THUMBTRACK && nSBCode != SB_THUMBPOSITION)
        return nPos;
    SCROLLINFO si = {};
    if (pWnd->GetScrollInfo(nBar, &si, SIF_TRACKPOS))
        return (UINT)si.nTrackPos;
    return nPos;
}

void CScrollView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (pScrollBar != nullptr && pScrollBar != GetScrollBarCtrl(SB_HORZ))
        return;   // someone else's bar
    if (nSBCode == SB_THUMBPOSITION)
        nSBCode = SB_THUMBTRACK;
    OnScroll(MAKEWORD(nSBCode, 0xFF), TrackPos(this, SB_HORZ, nSBCode, nPos));
}

void CScrollView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (pScrollBar != nullptr && pScrollBar != GetScrollBarCtrl(SB_VERT))
        return;
    if (nSBCode == SB_THUMBPOSITION)
        nSBCode = SB_THUMBTRACK;
    OnScroll(MAKEWORD(0xFF, nSBCode), TrackPos(this, SB_VERT, nSBCode, nPos));
}

BOOL CScrollView::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    if (nFlags & (MK_SHIFT | MK_CONTROL))
        return CView::OnMouseWheel(nFlags, zDelta, pt);
    UINT nLines = 3;
    ::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &nLines, 0);
    bool bVert = HasBar(SB_VERT) && GetScrollLimit(SB_VERT) > 0;
    int nLine = bVert ? m_lineDev.cy : m_lineDev.cx;
    int nToScroll = ::MulDiv(-zDelta, (int)nLines, WHEEL_DELTA) * nLine;
    BOOL bResult = OnScrollBy(bVert ? CSize(0, nToScroll) : CSize(nToScroll, 0), TRUE);
    if (bResult)
        UpdateWindow();
    return bResult;
}

void CScrollView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    UpdateBars();
}
