#include "framework/Framework.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CSplitterWnd, CWnd)

BEGIN_MESSAGE_MAP(CSplitterWnd, CWnd)
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_SETCURSOR()
    ON_WM_CANCELMODE()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

CSplitterWnd::CSplitterWnd() = default;

CSplitterWnd::~CSplitterWnd()
{
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
    for (CScrollBar* pBar : m_scrollBars)
        delete pBar;
    m_scrollBars.clear();
}

BOOL CSplitterWnd::CreateCommon(CWnd* pParentWnd, SIZE sizeMin, DWORD dwStyle, UINT nID)
{
    m_pRowInfo.assign(m_nMaxRows, CRowColInfo());
    m_pColInfo.assign(m_nMaxCols, CRowColInfo());
    for (auto& info : m_pRowInfo)
        info.nMinSize = sizeMin.cy;
    for (auto& info : m_pColInfo)
        info.nMinSize = sizeMin.cx;
    m_bHasHScroll = (dwStyle & WS_HSCROLL) != 0;
    m_bHasVScroll = (dwStyle & WS_VSCROLL) != 0;
    DWORD dwCreateStyle = (dwStyle & ~(WS_HSCROLL | WS_VSCROLL | SPLS_DYNAMIC_SPLIT)) | WS_CHILD | WS_CLIPCHILDREN;
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW), nullptr);
    CRect rect;
    pParentWnd->GetClientRect(&rect);
    if (!CreateEx(0, lpszClass, nullptr, dwCreateStyle, rect, pParentWnd, nID))
        return FALSE;
    return TRUE;
}

BOOL CSplitterWnd::CreateScrollBarCtrl(DWORD dwStyle, UINT nID)
{
    auto* pBar = new CScrollBar;
    if (!pBar->Create(dwStyle | WS_VISIBLE | WS_CHILD, CRect(0, 0, 1, 1), this, nID)) {
        delete pBar;
        return FALSE;
    }
    SCROLLINFO si = {};
    si.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
    pBar->SetScrollInfo(&si, FALSE);
    m_scrollBars.push_back(pBar);
    return TRUE;
}

CScrollBar* CSplitterWnd::ScrollBar(UINT nID) const
{
    return dynamic_cast<CScrollBar*>(FromHandlePermanent(::GetDlgItem(m_hWnd, (int)nID)));
}

BOOL CSplitterWnd::Create(CWnd* pParentWnd, int nMaxRows, int nMaxCols, SIZE sizeMin, CCreateContext* pContext,
                          DWORD dwStyle, UINT nID)
{
    if (pContext == nullptr || pContext->m_pNewViewClass == nullptr || nMaxRows < 1 || nMaxRows > 2 ||
        nMaxCols < 1 || nMaxCols > 2)
        return FALSE;
    m_bDynamic = (dwStyle & SPLS_DYNAMIC_SPLIT) != 0;
    m_pDynamicViewClass = pContext->m_pNewViewClass;
    m_nMaxRows = nMaxRows;
    m_nMaxCols = nMaxCols;
    if (!CreateCommon(pParentWnd, sizeMin, dwStyle, nID))
        return FALSE;
    m_nRows = m_nCols = 1;
    if (m_bHasHScroll && !CreateScrollBarCtrl(SBS_HORZ, AFX_IDW_HSCROLL_FIRST))
        return FALSE;
    if (m_bHasVScroll && !CreateScrollBarCtrl(SBS_VERT, AFX_IDW_VSCROLL_FIRST))
        return FALSE;
    if (!CreateView(0, 0, m_pDynamicViewClass, sizeMin, pContext)) {
        DestroyWindow();
        return FALSE;
    }
    m_pColInfo[0].nIdealSize = sizeMin.cx;
    m_pRowInfo[0].nIdealSize = sizeMin.cy;
    RecalcLayout();
    return TRUE;
}

BOOL CSplitterWnd::CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle, UINT nID)
{
    if (nRows < 1 || nRows > 16 || nCols < 1 || nCols > 16)
        return FALSE;
    m_bDynamic = FALSE;
    m_nMaxRows = m_nRows = nRows;
    m_nMaxCols = m_nCols = nCols;
    return CreateCommon(pParentWnd, CSize(0, 0), dwStyle & ~(WS_HSCROLL | WS_VSCROLL), nID);
}

BOOL CSplitterWnd::CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit, CCreateContext* pContext)
{
    if (row < 0 || row >= m_nMaxRows || col < 0 || col >= m_nMaxCols || pViewClass == nullptr)
        return FALSE;
    m_pColInfo[col].nIdealSize = sizeInit.cx;
    m_pRowInfo[row].nIdealSize = sizeInit.cy;
    CObject* pObject = pViewClass->CreateObject();
    auto* pWnd = dynamic_cast<CWnd*>(pObject);
    if (pWnd == nullptr) {
        delete pObject;
        return FALSE;
    }
    // The splitter draws the pane borders itself.
    DWORD dwStyle = AFX_WS_DEFAULT_VIEW & ~WS_BORDER;
    CRect rect(0, 0, sizeInit.cx, sizeInit.cy);
    return pWnd->Create(nullptr, nullptr, dwStyle, rect, this, (UINT)IdFromRowCol(row, col), pContext);
}

CWnd* CSplitterWnd::GetPane(int row, int col) const
{
    return FromHandlePermanent(::GetDlgItem(m_hWnd, IdFromRowCol(row, col)));
}

BOOL CSplitterWnd::IsChildPane(CWnd* pWnd, int* pRow, int* pCol)
{
    if (pWnd == nullptr || ::GetParent(pWnd->m_hWnd) != m_hWnd)
        return FALSE;
    int nID = pWnd->GetDlgCtrlID() - AFX_IDW_PANE_FIRST;
    if (nID < 0 || nID > 0xFF)
        return FALSE;
    if (pRow != nullptr)
        *pRow = nID / 16;
    if (pCol != nullptr)
        *pCol = nID % 16;
    return TRUE;
}

void CSplitterWnd::GetRowInfo(int row, int& cyCur, int& cyMin) const
{
    cyCur = m_pRowInfo[row].nCurSize;
    cyMin = m_pRowInfo[row].nMinSize;
}

void CSplitterWnd::SetRowInfo(int row, int cyIdeal, int cyMin)
{
    m_pRowInfo[row].nIdealSize = cyIdeal;
    m_pRowInfo[row].nMinSize = cyMin;
}

void CSplitterWnd::GetColumnInfo(int col, int& cxCur, int& cxMin) const
{
    cxCur = m_pColInfo[col].nCurSize;
    cxMin = m_pColInfo[col].nMinSize;
}

void CSplitterWnd::SetColumnInfo(int col, int cxIdeal, int cxMin)
{
    m_pColInfo[col].nIdealSize = cxIdeal;
    m_pColInfo[col].nMinSize = cxMin;
}

CWnd* CSplitterWnd::GetActivePane(int* pRow, int* pCol)
{
    CFrameWnd* pFrame = GetParentFrame();
    CWnd* pView = pFrame != nullptr ? (CWnd*)pFrame->GetActiveView() : GetFocus();
    if (pView != nullptr && IsChildPane(pView, pRow, pCol))
        return pView;
    return nullptr;
}

void CSplitterWnd::SetActivePane(int row, int col, CWnd* pWnd)
{
    CWnd* pPane = pWnd != nullptr ? pWnd : GetPane(row, col);
    if (pPane == nullptr)
        return;
    CFrameWnd* pFrame = GetParentFrame();
    if (auto* pView = dynamic_cast<CView*>(pPane); pView != nullptr && pFrame != nullptr)
        pFrame->SetActiveView(pView);
    else
        pPane->SetFocus();
}

CScrollBar* CSplitterWnd::GetScrollBarOfPane(const CWnd* pPane, int nBar) const
{
    int nID = pPane->GetDlgCtrlID() - AFX_IDW_PANE_FIRST;
    if (nID < 0 || nID > 0xFF)
        return nullptr;
    if (nBar == SB_HORZ && m_bHasHScroll)
        return ScrollBar(AFX_IDW_HSCROLL_FIRST + nID % 16);
    if (nBar == SB_VERT && m_bHasVScroll)
        return ScrollBar(AFX_IDW_VSCROLL_FIRST + nID / 16);
    return nullptr;
}

// Layout ------------------------------------------------------------------------

CRect CSplitterWnd::InsideRect() const
{
    CRect rect;
    GetClientRect(&rect);
    if (m_bHasVScroll)
        rect.right -= ::GetSystemMetrics(SM_CXVSCROLL);
    if (m_bHasHScroll)
        rect.bottom -= ::GetSystemMetrics(SM_CYHSCROLL);
    if (rect.right < rect.left)
        rect.right = rect.left;
    if (rect.bottom < rect.top)
        rect.bottom = rect.top;
    return rect;
}

CRect CSplitterWnd::SplitBoxRect(bool bVertical) const
{
    if (!m_bDynamic)
        return CRect(0, 0, 0, 0);
    CRect client;
    GetClientRect(&client);
    CRect inside = InsideRect();
    if (bVertical) {
        if (m_nMaxRows < 2 || m_nRows != 1 || !m_bHasVScroll)
            return CRect(0, 0, 0, 0);
        return CRect(inside.right, inside.top, client.right, inside.top + m_cySplitter);
    }
    if (m_nMaxCols < 2 || m_nCols != 1 || !m_bHasHScroll)
        return CRect(0, 0, 0, 0);
    return CRect(inside.left, inside.bottom, inside.left + m_cxSplitter, client.bottom);
}

void CSplitterWnd::LayoutRowCol(std::vector<CRowColInfo>& info, int nMax, int nSize, int nSizeSplitter)
{
    int nRemaining = nSize;
    for (int i = 0; i < nMax - 1; ++i) {
        int nCur = std::max(0, std::min(info[i].nIdealSize, nRemaining - nSizeSplitter));
        info[i].nCurSize = nCur;
        nRemaining -= nCur + nSizeSplitter;
    }
    info[nMax - 1].nCurSize = std::max(0, nRemaining);
}

void CSplitterWnd::RecalcLayout()
{
    if (m_hWnd == nullptr || m_nRows == 0 || m_nCols == 0)
        return;
    CRect client;
    GetClientRect(&client);
    CRect inside = InsideRect();
    LayoutRowCol(m_pRowInfo, m_nRows, inside.Height(), m_cySplitterGap);
    LayoutRowCol(m_pColInfo, m_nCols, inside.Width(), m_cxSplitterGap);

    HDWP hDWP = ::BeginDeferWindowPos(m_nRows * m_nCols + m_nRows + m_nCols);
    auto place = [&hDWP](HWND hWnd, const CRect& r) {
        if (hWnd != nullptr)
            hDWP = ::DeferWindowPos(hDWP, hWnd, nullptr, r.left, r.top, std::max(0L, (long)r.Width()),
                                    std::max(0L, (long)r.Height()), SWP_NOZORDER | SWP_NOACTIVATE);
    };
    int y = inside.top;
    for (int row = 0; row < m_nRows; ++row) {
        int cy = m_pRowInfo[row].nCurSize;
        if (m_bHasVScroll) {
            CRect bar(inside.right, y, client.right, y + cy);
            if (row == 0)
                bar.top += SplitBoxRect(true).Height();
            if (CScrollBar* pBar = ScrollBar(AFX_IDW_VSCROLL_FIRST + row))
                place(pBar->m_hWnd, bar);
        }
        int x = inside.left;
        for (int col = 0; col < m_nCols; ++col) {
            int cx = m_pColInfo[col].nCurSize;
            CRect pane(x, y, x + cx, y + cy);
            pane.DeflateRect(m_cxBorder, m_cyBorder);
            if (CWnd* pPane = GetPane(row, col))
                place(pPane->m_hWnd, pane);
            x += cx + m_cxSplitterGap;
        }
        y += cy + m_cySplitterGap;
    }
    if (m_bHasHScroll) {
        int x = inside.left;
        for (int col = 0; col < m_nCols; ++col) {
            int cx = m_pColInfo[col].nCurSize;
            CRect bar(x, inside.bottom, x + cx, client.bottom);
            if (col == 0)
                bar.left += SplitBoxRect(false).Width();
            if (CScrollBar* pBar = ScrollBar(AFX_IDW_HSCROLL_FIRST + col))
                place(pBar->m_hWnd, bar);
            x += cx + m_cxSplitterGap;
        }
    }
    ::EndDeferWindowPos(hDWP);
    Invalidate(TRUE);
}

void CSplitterWnd::OnSize(UINT nType, int cx, int cy)
{
    if (nType != SIZE_MINIMIZED && cx > 0 && cy > 0)
        RecalcLayout();
    CWnd::OnSize(nType, cx, cy);
}

void CSplitterWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, ::GetSysColor(COLOR_3DFACE));
    for (int row = 0; row < m_nRows; ++row) {
        for (int col = 0; col < m_nCols; ++col) {
            CWnd* pPane = GetPane(row, col);
            if (pPane == nullptr)
                continue;
            CRect rect;
            pPane->GetWindowRect(&rect);
            ScreenToClient(&rect);
            rect.InflateRect(m_cxBorder, m_cyBorder);
            dc.DrawEdge(&rect, EDGE_SUNKEN, BF_RECT);
        }
    }
    for (bool bVertical : { true, false }) {
        CRect box = SplitBoxRect(bVertical);
        if (!box.IsRectEmpty())
            dc.DrawEdge(&box, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    }
}

// Hit testing and tracking ---------------------------------------------------------

int CSplitterWnd::HitTest(CPoint pt) const
{
    if (SplitBoxRect(true).PtInRect(pt))
        return vSplitterBox;
    if (SplitBoxRect(false).PtInRect(pt))
        return hSplitterBox;
    CRect inside = InsideRect();
    if (!inside.PtInRect(pt))
        return noHit;
    int y = inside.top;
    for (int row = 0; row < m_nRows - 1; ++row) {
        y += m_pRowInfo[row].nCurSize;
        if (pt.y >= y && pt.y < y + m_cySplitterGap)
            return vSplitterBar1 + row;
        y += m_cySplitterGap;
    }
    int x = inside.left;
    for (int col = 0; col < m_nCols - 1; ++col) {
        x += m_pColInfo[col].nCurSize;
        if (pt.x >= x && pt.x < x + m_cxSplitterGap)
            return hSplitterBar1 + col;
        x += m_cxSplitterGap;
    }
    return noHit;
}

static bool TracksRow(int ht)
{
    return ht == CSplitterWnd::vSplitterBox ||
           (ht >= CSplitterWnd::vSplitterBar1 && ht < CSplitterWnd::vSplitterBar1 + 16);
}

CRect CSplitterWnd::TrackerRectAt(CPoint pt) const
{
    CRect inside = InsideRect();
    if (TracksRow(m_htTrack)) {
        int y = std::max((int)inside.top, std::min((int)(pt.y - m_ptTrackOffset.y), (int)inside.bottom - m_cySplitter));
        return CRect(inside.left, y, inside.right, y + m_cySplitter);
    }
    int x = std::max((int)inside.left, std::min((int)(pt.x - m_ptTrackOffset.x), (int)inside.right - m_cxSplitter));
    return CRect(x, inside.top, x + m_cxSplitter, inside.bottom);
}

void CSplitterWnd::DrawTracker(const CRect& rect)
{
    if (rect.IsRectEmpty())
        return;
    // Over the panes too: no clipping of children.
    HDC hDC = ::GetDCEx(m_hWnd, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS | DCX_LOCKWINDOWUPDATE);
    if (hDC == nullptr)
        hDC = ::GetDC(m_hWnd);
    HGDIOBJ hOld = ::SelectObject(hDC, CDC::GetHalftoneBrush()->m_hObject);
    ::PatBlt(hDC, rect.left, rect.top, rect.Width(), rect.Height(), PATINVERT);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(m_hWnd, hDC);
}

void CSplitterWnd::OnLButtonDown(UINT, CPoint pt)
{
    if (m_bTracking)
        return;
    int ht = HitTest(pt);
    if (ht == noHit)
        return;
    m_htTrack = ht;
    m_ptTrackOffset = CPoint(0, 0);
    // Dragging a bar keeps the grip point under the mouse.
    CRect inside = InsideRect();
    if (ht >= vSplitterBar1 && ht < vSplitterBar1 + 16) {
        int y = inside.top;
        for (int row = 0; row <= ht - vSplitterBar1; ++row)
            y += m_pRowInfo[row].nCurSize + (row < ht - vSplitterBar1 ? m_cySplitterGap : 0);
        m_ptTrackOffset.y = pt.y - y;
    } else if (ht >= hSplitterBar1 && ht < hSplitterBar1 + 16) {
        int x = inside.left;
        for (int col = 0; col <= ht - hSplitterBar1; ++col)
            x += m_pColInfo[col].nCurSize + (col < ht - hSplitterBar1 ? m_cxSplitterGap : 0);
        m_ptTrackOffset.x = pt.x - x;
    }
    m_bTracking = TRUE;
    SetCapture();
    m_rectTracker = TrackerRectAt(pt);
    DrawTracker(m_rectTracker);
}

void CSplitterWnd::OnLButtonDblClk(UINT nFlags, CPoint pt) { OnLButtonDown(nFlags, pt); }

void CSplitterWnd::OnMouseMove(UINT, CPoint pt)
{
    if (!m_bTracking)
        return;
    CRect rectNew = TrackerRectAt(pt);
    if (rectNew == m_rectTracker)
        return;
    DrawTracker(m_rectTracker);
    m_rectTracker = rectNew;
    DrawTracker(m_rectTracker);
}

void CSplitterWnd::OnLButtonUp(UINT, CPoint pt)
{
    if (!m_bTracking)
        return;
    m_rectTracker = TrackerRectAt(pt);
    StopTracking(TRUE);
}

void CSplitterWnd::OnCancelMode()
{
    if (m_bTracking)
        StopTracking(FALSE);
    Default();
}

void CSplitterWnd::StopTracking(BOOL bAccept)
{
    if (!m_bTracking)
        return;
    DrawTracker(m_rectTracker);
    m_bTracking = FALSE;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (!bAccept)
        return;

    CRect inside = InsideRect();
    int ht = m_htTrack;
    if (ht == vSplitterBox) {
        SplitRow(m_rectTracker.top - inside.top);
        return;
    }
    if (ht == hSplitterBox) {
        SplitColumn(m_rectTracker.left - inside.left);
        return;
    }
    if (ht >= vSplitterBar1 && ht < vSplitterBar1 + 16) {
        int row = ht - vSplitterBar1;
        int yTop = inside.top;
        for (int i = 0; i < row; ++i)
            yTop += m_pRowInfo[i].nCurSize + m_cySplitterGap;
        int cyBefore = m_rectTracker.top - yTop;
        int cyAfter = (yTop + m_pRowInfo[row].nCurSize + m_cySplitterGap + m_pRowInfo[row + 1].nCurSize) -
                      (m_rectTracker.top + m_cySplitterGap);
        // Dragged onto an edge, a dynamic splitter merges the panes.
        if (m_bDynamic && cyBefore < std::max(m_pRowInfo[row].nMinSize, 1))
            DeleteRow(row);
        else if (m_bDynamic && cyAfter < std::max(m_pRowInfo[row + 1].nMinSize, 1))
            DeleteRow(row + 1);
        else {
            m_pRowInfo[row].nIdealSize = std::max(cyBefore, 0);
            RecalcLayout();
        }
        return;
    }
    if (ht >= hSplitterBar1 && ht < hSplitterBar1 + 16) {
        int col = ht - hSplitterBar1;
        int xLeft = inside.left;
        for (int i = 0; i < col; ++i)
            xLeft += m_pColInfo[i].nCurSize + m_cxSplitterGap;
        int cxBefore = m_rectTracker.left - xLeft;
        int cxAfter = (xLeft + m_pColInfo[col].nCurSize + m_cxSplitterGap + m_pColInfo[col + 1].nCurSize) -
                      (m_rectTracker.left + m_cxSplitterGap);
        if (m_bDynamic && cxBefore < std::max(m_pColInfo[col].nMinSize, 1))
            DeleteColumn(col);
        else if (m_bDynamic && cxAfter < std::max(m_pColInfo[col + 1].nMinSize, 1))
            DeleteColumn(col + 1);
        else {
            m_pColInfo[col].nIdealSize = std::max(cxBefore, 0);
            RecalcLayout();
        }
    }
}

BOOL CSplitterWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (pWnd == this && nHitTest == HTCLIENT) {
        CPoint pt;
        ::GetCursorPos(&pt);
        ScreenToClient(&pt);
        int ht = HitTest(pt);
        if (ht != noHit) {
            ::SetCursor(::LoadCursorA(nullptr, TracksRow(ht) ? IDC_SIZENS : IDC_SIZEWE));
            return TRUE;
        }
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

// Splitting -------------------------------------------------------------------------

CCreateContext* CSplitterWnd::MakeContextFromPane(CCreateContext& context)
{
    CWnd* pFirst = GetPane(0, 0);
    auto* pView = dynamic_cast<CView*>(pFirst);
    context.m_pNewViewClass = m_pDynamicViewClass;
    context.m_pCurrentDoc = pView != nullptr ? pView->GetDocument() : nullptr;
    context.m_pLastView = pView;
    context.m_pCurrentFrame = GetParentFrame();
    if (context.m_pCurrentDoc != nullptr)
        context.m_pNewDocTemplate = context.m_pCurrentDoc->GetDocTemplate();
    return &context;
}

BOOL CSplitterWnd::SplitRow(int cyBefore)
{
    if (!m_bDynamic || m_nRows >= m_nMaxRows || m_pDynamicViewClass == nullptr)
        return FALSE;
    CRect inside = InsideRect();
    int cyAfter = inside.Height() - cyBefore - m_cySplitterGap;
    if (cyBefore < std::max(m_pRowInfo[0].nMinSize, 1) || cyAfter < std::max(m_pRowInfo[0].nMinSize, 1))
        return FALSE;   // no room for two panes
    int rowNew = m_nRows;
    m_pRowInfo[rowNew - 1].nIdealSize = cyBefore;
    m_pRowInfo[rowNew].nMinSize = m_pRowInfo[0].nMinSize;
    if (m_bHasVScroll && !CreateScrollBarCtrl(SBS_VERT, AFX_IDW_VSCROLL_FIRST + rowNew))
        return FALSE;
    m_nRows++;
    // The new row starts where the pane above it was scrolled to.
    if (m_bHasVScroll) {
        SCROLLINFO si = {};
        if (CScrollBar* pOld = ScrollBar(AFX_IDW_VSCROLL_FIRST + rowNew - 1)) {
            pOld->GetScrollInfo(&si, SIF_ALL);
            si.fMask = SIF_ALL;
            if (CScrollBar* pNew = ScrollBar(AFX_IDW_VSCROLL_FIRST + rowNew))
                pNew->SetScrollInfo(&si, TRUE);
        }
    }
    for (int col = 0; col < m_nCols; ++col) {
        CCreateContext context;
        if (!CreateView(rowNew, col, m_pDynamicViewClass, CSize(0, 0), MakeContextFromPane(context))) {
            for (int c = 0; c < col; ++c)
                DeleteView(rowNew, c);
            m_nRows--;
            if (CScrollBar* pBar = ScrollBar(AFX_IDW_VSCROLL_FIRST + rowNew)) {
                m_scrollBars.erase(std::remove(m_scrollBars.begin(), m_scrollBars.end(), pBar), m_scrollBars.end());
                delete pBar;
            }
            RecalcLayout();
            return FALSE;
        }
        if (CWnd* pPane = GetPane(rowNew, col))
            pPane->SendMessage(WM_INITIALUPDATE);
    }
    RecalcLayout();
    return TRUE;
}

BOOL CSplitterWnd::SplitColumn(int cxBefore)
{
    if (!m_bDynamic || m_nCols >= m_nMaxCols || m_pDynamicViewClass == nullptr)
        return FALSE;
    CRect inside = InsideRect();
    int cxAfter = inside.Width() - cxBefore - m_cxSplitterGap;
    if (cxBefore < std::max(m_pColInfo[0].nMinSize, 1) || cxAfter < std::max(m_pColInfo[0].nMinSize, 1))
        return FALSE;
    int colNew = m_nCols;
    m_pColInfo[colNew - 1].nIdealSize = cxBefore;
    m_pColInfo[colNew].nMinSize = m_pColInfo[0].nMinSize;
    if (m_bHasHScroll && !CreateScrollBarCtrl(SBS_HORZ, AFX_IDW_HSCROLL_FIRST + colNew))
        return FALSE;
    m_nCols++;
    if (m_bHasHScroll) {
        SCROLLINFO si = {};
        if (CScrollBar* pOld = ScrollBar(AFX_IDW_HSCROLL_FIRST + colNew - 1)) {
            pOld->GetScrollInfo(&si, SIF_ALL);
            si.fMask = SIF_ALL;
            if (CScrollBar* pNew = ScrollBar(AFX_IDW_HSCROLL_FIRST + colNew))
                pNew->SetScrollInfo(&si, TRUE);
        }
    }
    for (int row = 0; row < m_nRows; ++row) {
        CCreateContext context;
        if (!CreateView(row, colNew, m_pDynamicViewClass, CSize(0, 0), MakeContextFromPane(context))) {
            for (int r = 0; r < row; ++r)
                DeleteView(r, colNew);
            m_nCols--;
            if (CScrollBar* pBar = ScrollBar(AFX_IDW_HSCROLL_FIRST + colNew)) {
                m_scrollBars.erase(std::remove(m_scrollBars.begin(), m_scrollBars.end(), pBar), m_scrollBars.end());
                delete pBar;
            }
            RecalcLayout();
            return FALSE;
        }
        if (CWnd* pPane = GetPane(row, colNew))
            pPane->SendMessage(WM_INITIALUPDATE);
    }
    RecalcLayout();
    return TRUE;
}

void CSplitterWnd::DeleteView(int row, int col)
{
    CWnd* pPane = GetPane(row, col);
    if (pPane == nullptr)
        return;
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr && (CWnd*)pFrame->GetActiveView() == pPane) {
        // Another pane becomes active first.
        CView* pOther = nullptr;
        for (int r = 0; r < m_nRows && pOther == nullptr; ++r) {
            for (int c = 0; c < m_nCols && pOther == nullptr; ++c) {
                if (r != row || c != col)
                    pOther = dynamic_cast<CView*>(GetPane(r, c));
            }
        }
        pFrame->SetActiveView(pOther);
    }
    pPane->DestroyWindow();
}

static void CopyScrollInfo(CScrollBar* pFrom, CScrollBar* pTo)
{
    if (pFrom == nullptr || pTo == nullptr)
        return;
    SCROLLINFO si = {};
    pFrom->GetScrollInfo(&si, SIF_ALL);
    si.fMask = SIF_ALL;
    pTo->SetScrollInfo(&si, TRUE);
}

void CSplitterWnd::DeleteRow(int rowDelete)
{
    if (m_nRows <= 1 || rowDelete < 0 || rowDelete >= m_nRows)
        return;
    for (int col = 0; col < m_nCols; ++col)
        DeleteView(rowDelete, col);
    // Rows below move up: their panes and their scroll positions.
    for (int row = rowDelete + 1; row < m_nRows; ++row) {
        for (int col = 0; col < m_nCols; ++col) {
            if (CWnd* pPane = GetPane(row, col))
                pPane->SetDlgCtrlID(IdFromRowCol(row - 1, col));
        }
        if (m_bHasVScroll)
            CopyScrollInfo(ScrollBar(AFX_IDW_VSCROLL_FIRST + row), ScrollBar(AFX_IDW_VSCROLL_FIRST + row - 1));
        m_pRowInfo[row - 1] = m_pRowInfo[row];
    }
    m_nRows--;
    if (m_bHasVScroll) {
        if (CScrollBar* pBar = ScrollBar(AFX_IDW_VSCROLL_FIRST + m_nRows)) {
            m_scrollBars.erase(std::remove(m_scrollBars.begin(), m_scrollBars.end(), pBar), m_scrollBars.end());
            delete pBar;
        }
    }
    RecalcLayout();
}

void CSplitterWnd::DeleteColumn(int colDelete)
{
    if (m_nCols <= 1 || colDelete < 0 || colDelete >= m_nCols)
        return;
    for (int row = 0; row < m_nRows; ++row)
        DeleteView(row, colDelete);
    for (int col = colDelete + 1; col < m_nCols; ++col) {
        for (int row = 0; row < m_nRows; ++row) {
            if (CWnd* pPane = GetPane(row, col))
                pPane->SetDlgCtrlID(IdFromRowCol(row, col - 1));
        }
        if (m_bHasHScroll)
            CopyScrollInfo(ScrollBar(AFX_IDW_HSCROLL_FIRST + col), ScrollBar(AFX_IDW_HSCROLL_FIRST + col - 1));
        m_pColInfo[col - 1] = m_pColInfo[col];
    }
    m_nCols--;
    if (m_bHasHScroll) {
        if (CScrollBar* pBar = ScrollBar(AFX_IDW_HSCROLL_FIRST + m_nCols)) {
            m_scrollBars.erase(std::remove(m_scrollBars.begin(), m_scrollBars.end(), pBar), m_scrollBars.end());
            delete pBar;
        }
    }
    RecalcLayout();
}

// Shared scroll bars: every pane of the row or column follows -----------------------

void CSplitterWnd::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (pScrollBar == nullptr)
        return;
    int col = pScrollBar->GetDlgCtrlID() - AFX_IDW_HSCROLL_FIRST;
    int nOldPos = pScrollBar->GetScrollPos();
    for (int row = 0; row < m_nRows; ++row) {
        if (CWnd* pPane = GetPane(row, col))
            pPane->SendMessage(WM_HSCROLL, MAKEWPARAM(nSBCode, nPos), (LPARAM)pScrollBar->m_hWnd);
        // Each pane starts from the same position.
        if (row < m_nRows - 1)
            pScrollBar->SetScrollPos(nOldPos, FALSE);
    }
}

void CSplitterWnd::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (pScrollBar == nullptr)
        return;
    int row = pScrollBar->GetDlgCtrlID() - AFX_IDW_VSCROLL_FIRST;
    int nOldPos = pScrollBar->GetScrollPos();
    for (int col = 0; col < m_nCols; ++col) {
        if (CWnd* pPane = GetPane(row, col))
            pPane->SendMessage(WM_VSCROLL, MAKEWPARAM(nSBCode, nPos), (LPARAM)pScrollBar->m_hWnd);
        if (col < m_nCols - 1)
            pScrollBar->SetScrollPos(nOldPos, FALSE);
    }
}

BOOL CSplitterWnd::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    // The wheel scrolls the active pane's row through its bar.
    int row = 0, col = 0;
    if (GetActivePane(&row, &col) == nullptr || !m_bHasVScroll)
        return CWnd::OnMouseWheel(nFlags, zDelta, pt);
    CScrollBar* pBar = ScrollBar(AFX_IDW_VSCROLL_FIRST + row);
    if (pBar == nullptr)
        return FALSE;
    UINT nCode = zDelta > 0 ? SB_LINEUP : SB_LINEDOWN;
    for (int i = 0; i < 3; ++i)
        OnVScroll(nCode, 0, pBar);
    return TRUE;
}

BOOL CSplitterWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CWnd::OnCommand(wParam, lParam))
        return TRUE;
    // Commands from the panes go on to the frame.
    CFrameWnd* pFrame = GetParentFrame();
    return pFrame != nullptr && pFrame->SendMessage(WM_COMMAND, wParam, lParam) != 0;
}

BOOL CSplitterWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (CWnd::OnNotify(wParam, lParam, pResult))
        return TRUE;
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame == nullptr)
        return FALSE;
    *pResult = pFrame->SendMessage(WM_NOTIFY, wParam, lParam);
    return TRUE;
}
