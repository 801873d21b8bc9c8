#include "framework/Framework.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CSplitterWnd, CWnd)

BEGIN_MESSAGE_MAP(CSplitterWnd, CWnd)
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
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

// Rows are tracked along the vertical axis, columns along the horizontal.
static CAxis TrackAxis(int ht)
{
    return TracksRow(ht) ? CAxis::Vertical() : CAxis::Horizontal();
}

// The row or column above/left of the bar hit, or -1 for a split box.
static int TrackedBar(int ht)
{
    if (ht >= CSplitterWnd::vSplitterBar1 && ht < CSplitterWnd::vSplitterBar1 + 16)
        return ht - CSplitterWnd::vSplitterBar1;
    if (ht >= CSplitterWnd::hSplitterBar1 && ht < CSplitterWnd::hSplitterBar1 + 16)
        return ht - CSplitterWnd::hSplitterBar1;
    return -1;
}

CRect CSplitterWnd::TrackerRectAt(CPoint pt) const
{
    CAxis axis = TrackAxis(m_htTrack);
    CRect inside = InsideRect();
    int nBar = axis.IsVertical() ? m_cySplitter : m_cxSplitter;
    int nPos = std::max(axis.MajorStart(inside),
                        std::min(axis.Major(pt) - axis.Major(m_ptTrackOffset), axis.MajorEnd(inside) - nBar));
    return axis.MakeRect(nPos, axis.MinorStart(inside), nPos + nBar, axis.MinorEnd(inside));
}

void CSplitterWnd::DrawTracker(const CRect& rect)
{
    if (rect.IsRectEmpty())
        return;
    // Over the panes too: no clipping of children.
    HDC hDC = ::GetDCEx(m_hWnd, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS | DCX_LOCKWINDOWUPDATE);
    if (hDC == nullptr)
        hDC = ::GetDC(m_hWnd);
    {
        CSelectObjectScope brush(hDC, CDC::GetHalftoneBrush()->m_hObject);
        ::PatBlt(hDC, rect.left, rect.top, rect.Width(), rect.Height(), PATINVERT);
    }
    ::ReleaseDC(m_hWnd, hDC);
}

// Follows the mouse with the tracker until the button is released (the new
// layout) or the drag is cancelled (the old one stays).
class CSplitterTrackLoop : public CCaptureLoop
{
public:
    explicit CSplitterTrackLoop(CSplitterWnd& splitter) : CCaptureLoop(splitter.m_hWnd), m_splitter(splitter) {}

protected:
    void OnMove(CPoint pt) override { m_splitter.MoveTracker(pt); }
    void OnEnd(CPoint pt) override
    {
        m_splitter.m_rectTracker = m_splitter.TrackerRectAt(pt);
        m_splitter.StopTracking(TRUE);
    }
    void OnCancel() override { m_splitter.StopTracking(FALSE); }

private:
    CSplitterWnd& m_splitter;
};

void CSplitterWnd::OnLButtonDown(UINT, CPoint pt)
{
    if (m_bTracking)
        return;
    int ht = HitTest(pt);
    if (ht != noHit)
        StartTracking(ht, pt);
}

void CSplitterWnd::OnLButtonDblClk(UINT nFlags, CPoint pt) { OnLButtonDown(nFlags, pt); }

void CSplitterWnd::StartTracking(int ht, CPoint pt)
{
    m_htTrack = ht;
    m_ptTrackOffset = CPoint(0, 0);
    // Dragging a bar keeps the grip point under the mouse.
    int nBar = TrackedBar(ht);
    if (nBar >= 0) {
        CAxis axis = TrackAxis(ht);
        int nBarStart = LineStart(axis, nBar) + LineAlong(axis).info[nBar].nCurSize;
        m_ptTrackOffset = axis.MakePoint(axis.Major(pt) - nBarStart, 0);
    }
    m_bTracking = TRUE;
    m_rectTracker = TrackerRectAt(pt);
    DrawTracker(m_rectTracker);
    CSplitterTrackLoop(*this).Run();   // on return this splitter may be gone
}

void CSplitterWnd::MoveTracker(CPoint pt)
{
    CRect rectNew = TrackerRectAt(pt);
    if (rectNew == m_rectTracker)
        return;
    DrawTracker(m_rectTracker);
    m_rectTracker = rectNew;
    DrawTracker(m_rectTracker);
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

    CAxis axis = TrackAxis(m_htTrack);
    int nBar = TrackedBar(m_htTrack);
    if (nBar >= 0) {
        ApplyBarTracker(axis, nBar);
        return;
    }
    int nBefore = axis.MajorStart(m_rectTracker) - axis.MajorStart(InsideRect());
    if (m_htTrack == vSplitterBox)
        SplitRow(nBefore);
    else if (m_htTrack == hSplitterBox)
        SplitColumn(nBefore);
}

// A bar dropped where the tracker is: the panes either side get the new
// sizes, or, dragged onto an edge, a dynamic splitter merges them.
void CSplitterWnd::ApplyBarTracker(CAxis axis, int nBar)
{
    CLine line = LineAlong(axis);
    int nStart = LineStart(axis, nBar);
    int nTracker = axis.MajorStart(m_rectTracker);
    int nBefore = nTracker - nStart;
    int nAfter = (nStart + line.info[nBar].nCurSize + line.nGap + line.info[nBar + 1].nCurSize) - (nTracker + line.nGap);
    int nMerge = -1;
    if (m_bDynamic && nBefore < std::max(line.info[nBar].nMinSize, 1))
        nMerge = nBar;
    else if (m_bDynamic && nAfter < std::max(line.info[nBar + 1].nMinSize, 1))
        nMerge = nBar + 1;
    if (nMerge < 0) {
        line.info[nBar].nIdealSize = std::max(nBefore, 0);
        RecalcLayout();
    } else if (axis.IsVertical()) {
        DeleteRow(nMerge);
    } else {
        DeleteColumn(nMerge);
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

CSplitterWnd::CLine CSplitterWnd::LineAlong(CAxis axis)
{
    if (axis.IsVertical())
        return {m_pRowInfo, m_nRows, m_nMaxRows, m_cySplitterGap, m_bHasVScroll, SBS_VERT, AFX_IDW_VSCROLL_FIRST};
    return {m_pColInfo, m_nCols, m_nMaxCols, m_cxSplitterGap, m_bHasHScroll, SBS_HORZ, AFX_IDW_HSCROLL_FIRST};
}

int CSplitterWnd::LineStart(CAxis axis, int nIndex) const
{
    const std::vector<CRowColInfo>& info = axis.IsVertical() ? m_pRowInfo : m_pColInfo;
    int nGap = axis.IsVertical() ? m_cySplitterGap : m_cxSplitterGap;
    int nPos = axis.MajorStart(InsideRect());
    for (int i = 0; i < nIndex; ++i)
        nPos += info[i].nCurSize + nGap;
    return nPos;
}

void CSplitterWnd::DestroyScrollBar(UINT nID)
{
    CScrollBar* pBar = ScrollBar(nID);
    if (pBar == nullptr)
        return;
    m_scrollBars.erase(std::remove(m_scrollBars.begin(), m_scrollBars.end(), pBar), m_scrollBars.end());
    delete pBar;
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

BOOL CSplitterWnd::SplitRow(int cyBefore) { return SplitLine(CAxis::Vertical(), cyBefore); }
BOOL CSplitterWnd::SplitColumn(int cxBefore) { return SplitLine(CAxis::Horizontal(), cxBefore); }

// Adds a row or column after the last one, nBefore from the inside's start,
// with a new view in each of its panes.
BOOL CSplitterWnd::SplitLine(CAxis axis, int nBefore)
{
    CLine line = LineAlong(axis);
    if (!m_bDynamic || line.nCount >= line.nMax || m_pDynamicViewClass == nullptr)
        return FALSE;
    int nAfter = axis.MajorExtent(InsideRect()) - nBefore - line.nGap;
    int nMin = std::max(line.info[0].nMinSize, 1);
    if (nBefore < nMin || nAfter < nMin)
        return FALSE;   // no room for two panes
    int nNew = line.nCount;
    line.info[nNew - 1].nIdealSize = nBefore;
    line.info[nNew].nMinSize = line.info[0].nMinSize;
    if (line.bScrollBars && !CreateScrollBarCtrl(line.dwBarStyle, line.nFirstBarID + nNew))
        return FALSE;
    line.nCount++;
    // The new line starts where the one before it was scrolled to.
    if (line.bScrollBars)
        CopyScrollInfo(ScrollBar(line.nFirstBarID + nNew - 1), ScrollBar(line.nFirstBarID + nNew));
    int nOthers = LineAlong(axis.Across()).nCount;
    for (int nOther = 0; nOther < nOthers; ++nOther) {
        CPoint cell = axis.MakePoint(nNew, nOther);   // x the column, y the row
        CCreateContext context;
        if (!CreateView(cell.y, cell.x, m_pDynamicViewClass, CSize(0, 0), MakeContextFromPane(context))) {
            for (int nDone = 0; nDone < nOther; ++nDone) {
                CPoint done = axis.MakePoint(nNew, nDone);
                DeleteView(done.y, done.x);
            }
            line.nCount--;
            DestroyScrollBar(line.nFirstBarID + nNew);
            RecalcLayout();
            return FALSE;
        }
        if (CWnd* pPane = GetPane(cell.y, cell.x))
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
    if (m_bHasVScroll)
        DestroyScrollBar(AFX_IDW_VSCROLL_FIRST + m_nRows);
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
    if (m_bHasHScroll)
        DestroyScrollBar(AFX_IDW_HSCROLL_FIRST + m_nCols);
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
