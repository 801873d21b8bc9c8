#include "framework/Framework.h"
#include "ui/frames/SECDockBar.h"
#include "ui/frames/SECControlBar.h"
#include "ui/frames/SECCustomToolBar.h"
#include "ui/frames/SECDockContext.h"
#include "framework/CaptureLoop.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(SECDockBar, CDockBar)

BEGIN_MESSAGE_MAP(SECDockBar, CDockBar)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_SETCURSOR()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

// Bars with this extended style always have a row of their own.
constexpr DWORD kExStyleStretch = 0x0080;
constexpr int kClientEdge = 2;

SECControlBar* AsSEC(CControlBar* pBar) { return dynamic_cast<SECControlBar*>(pBar); }

bool IsFixedSize(CControlBar* pBar)
{
    SECControlBar* pSEC = AsSEC(pBar);
    return pSEC == nullptr || (pSEC->m_dwExStyle & EXSTYLE_FIXED_SIZE) != 0;
}

int BorderWidth() { return ::GetSystemMetrics(SM_CXBORDER) * 2; }

// What the array rules need to know of the bars of one dock bar.
class CDockEntries : public IDockBarEntries
{
public:
    explicit CDockEntries(SECDockBar& dockBar) : m_dockBar(dockBar) {}
    bool IsBarVisible(void* p) const override { return Bar(p)->IsVisible() != FALSE; }
    UINT GetBarId(void* p) const override
    {
        CControlBar* pBar = Bar(p);
        return pBar->m_hWnd ? (UINT)pBar->GetDlgCtrlID() & 0xFFFF : 0;
    }
    bool IsStretchBar(void* p) const override
    {
        SECControlBar* pSEC = AsSEC(Bar(p));
        return pSEC && (pSEC->m_dwExStyle & kExStyleStretch);
    }
    CRect GetBarRect(void* p) const override
    {
        CRect rect;
        Bar(p)->GetWindowRect(&rect);
        m_dockBar.ScreenToClient(&rect);
        return rect;
    }
    int GetNaturalThickness(void* p) const override
    {
        CControlBar* pBar = Bar(p);
        const bool bHorz = (m_dockBar.m_dwStyle & CBRS_ORIENT_HORZ) != 0;
        const CSize size = pBar->CalcDynamicLayout(-1, bHorz ? LM_HORZ | LM_HORZDOCK : LM_VERTDOCK);
        return bHorz ? size.cy : size.cx;
    }

private:
    static CControlBar* Bar(void* p) { return static_cast<CControlBar*>(p); }
    SECDockBar& m_dockBar;
};

HCURSOR SplitterCursor(int nAxis)
{
    static HCURSOR s_hHorz = ::LoadCursor(nullptr, IDC_SIZEWE);
    static HCURSOR s_hVert = ::LoadCursor(nullptr, IDC_SIZENS);
    return nAxis == 1 ? s_hHorz : s_hVert;
}

} // namespace

// Splitters and client edges ---

void SECDockBar::Splitter::Draw(CDC* pDC)
{
    const CRect rc = m_rect;
    pDC->FillSolidRect(rc, ::GetSysColor(COLOR_BTNFACE));
    if (m_nAxis == 1) {
        pDC->FillSolidRect(rc.left, rc.top, 1, rc.Height(), ::GetSysColor(COLOR_BTNHIGHLIGHT));
        pDC->FillSolidRect(rc.right - 2, rc.top, 1, rc.Height(), ::GetSysColor(COLOR_BTNSHADOW));
        pDC->FillSolidRect(rc.right - 1, rc.top, 1, rc.Height(), ::GetSysColor(COLOR_WINDOWFRAME));
    } else {
        pDC->FillSolidRect(rc.left, rc.top, rc.Width(), 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
        pDC->FillSolidRect(rc.left, rc.bottom - 2, rc.Width(), 1, ::GetSysColor(COLOR_BTNSHADOW));
        pDC->FillSolidRect(rc.left, rc.bottom - 1, rc.Width(), 1, ::GetSysColor(COLOR_WINDOWFRAME));
    }
}

void SECDockBar::ClientEdge::Draw(CDC* pDC)
{
    const CRect rc = m_rect;
    if (m_nKind == 0) {
        pDC->FillSolidRect(rc.left, rc.top, rc.Width(), 1, ::GetSysColor(COLOR_BTNSHADOW));
        pDC->FillSolidRect(rc.left, rc.top + 1, rc.Width(), 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    } else if (m_nKind == 1) {
        pDC->FillSolidRect(rc.left, rc.top, 1, rc.Height(), ::GetSysColor(COLOR_BTNSHADOW));
        pDC->FillSolidRect(rc.left + 1, rc.top, 1, rc.Height(), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    }
}

// Construction ---

SECDockBar::SECDockBar(CWnd* pMDIChild) : m_pMDIChild(pMDIChild) {}

SECDockBar::~SECDockBar() = default;

BOOL SECDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle, UINT nID)
{
    m_dwDockExStyle = dwExStyle;
    return CDockBar::Create(pParentWnd, dwStyle, nID);
}

SECDockBarArray SECDockBar::Array()
{
    static thread_local std::unique_ptr<CDockEntries> s_pEntries;
    s_pEntries = std::make_unique<CDockEntries>(*this);
    return SECDockBarArray(m_arrBars, *s_pEntries, IsVertical() != FALSE,
                           (m_dwStyle & (CBRS_ALIGN_BOTTOM | CBRS_ALIGN_RIGHT)) != 0);
}

DWORD SECDockBar::RowMode(CControlBar* pBar) const
{
    if (m_bFloating && (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC))
        return LM_HORZ | LM_MRUWIDTH;
    return (m_dwStyle & CBRS_ORIENT_HORZ) || m_bFloating ? LM_HORZDOCK | LM_HORZ : LM_VERTDOCK | LM_LENGTHY;
}

int SECDockBar::RowLength() const
{
    CRect rect;
    GetWindowRect(&rect);
    return IsVertical() ? rect.Height() : rect.Width();
}

// Rows and shares ---

void SECDockBar::UpdateMinShare() { m_fMinShare = SECDockRows::MinShare(RowLength()); }

void SECDockBar::NormalizeRowShares(int nRowStart, CControlBar* pNewBar, int* pnShared, int* pnFixed)
{
    UpdateMinShare();
    std::vector<SECControlBar*> bars;
    std::vector<SECRowShare> shares;
    int nNew = -1;
    for (int i = nRowStart; i < m_arrBars.GetSize() && m_arrBars[i]; ++i) {
        CControlBar* pBar = GetDockedControlBar(i);
        if (!pBar)
            continue;
        SECControlBar* pSEC = AsSEC(pBar);
        if (pBar == pNewBar)
            nNew = (int)shares.size();
        bars.push_back(pSEC);
        shares.push_back(SECRowShare{pSEC ? pSEC->m_fPctWidth : 0.0f, pBar->IsVisible() != FALSE, IsFixedSize(pBar)});
    }
    SECDockRows::NormalizeShares(shares, nNew, m_fMinShare, pnShared, pnFixed);
    for (size_t i = 0; i < bars.size(); ++i)
        if (bars[i])
            bars[i]->m_fPctWidth = shares[i].fShare;
}

void SECDockBar::GetRowBars(CPtrList& list, CControlBar* pBar)
{
    list.RemoveAll();
    for (void* p : Array().GetRowBars(pBar))
        list.AddTail(p);
}

namespace {

std::vector<SECRowShare> SharesOf(const std::vector<void*>& bars)
{
    std::vector<SECRowShare> shares;
    for (void* p : bars) {
        auto* pBar = static_cast<CControlBar*>(p);
        SECControlBar* pSEC = AsSEC(pBar);
        shares.push_back(SECRowShare{pSEC ? pSEC->m_fPctWidth : 0.0f, pBar->IsVisible() != FALSE, IsFixedSize(pBar)});
    }
    return shares;
}

int IndexOf(const std::vector<void*>& bars, const void* p)
{
    const auto it = std::find(bars.begin(), bars.end(), p);
    return it == bars.end() ? -1 : (int)(it - bars.begin());
}

} // namespace

BOOL SECDockBar::IsBarExpanded(CControlBar* pBar)
{
    const std::vector<void*> bars = Array().GetRowBars(pBar);
    return SECDockRows::IsBarExpanded(SharesOf(bars), IndexOf(bars, pBar), m_fMinShare);
}

BOOL SECDockBar::IsBarAloneInRow(CControlBar* pBar)
{
    const std::vector<void*> bars = Array().GetRowBars(pBar);
    return SECDockRows::IsBarAloneInRow(SharesOf(bars), IndexOf(bars, pBar));
}

void SECDockBar::ExpandBar(CControlBar* pBar, int nMode)
{
    const std::vector<void*> bars = Array().GetRowBars(pBar);
    std::vector<SECRowShare> shares = SharesOf(bars);
    UpdateMinShare();
    SECDockRows::ExpandBar(shares, IndexOf(bars, pBar), nMode, m_fMinShare);
    for (size_t i = 0; i < bars.size(); ++i)
        if (SECControlBar* pSEC = AsSEC(static_cast<CControlBar*>(bars[i])))
            pSEC->m_fPctWidth = shares[i].fShare;
    if (CFrameWnd* pFrame = GetDockingFrame())
        pFrame->DelayRecalcLayout();
}

void SECDockBar::ListRedraw(const std::vector<void*>& bars)
{
    for (void* p : bars)
        AddRedrawBar(static_cast<CControlBar*>(p));
}

void SECDockBar::RepositionWindowEx(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect, UINT nExtraFlags)
{
    if (lpLayout != nullptr && lpLayout->hDWP == nullptr)
        return; // a query moves nothing
    CRect rectOld;
    ::GetWindowRect(hWnd, &rectOld);
    ::MapWindowPoints(nullptr, ::GetParent(hWnd), (LPPOINT)&rectOld, 2);
    if (rectOld == *lpRect)
        return;
    const UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE | nExtraFlags;
    const CRect rect(lpRect);
    if (lpLayout != nullptr)
        lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, hWnd, nullptr, rect.left, rect.top, rect.Width(),
                                          rect.Height(), nFlags);
    else
        ::SetWindowPos(hWnd, nullptr, rect.left, rect.top, rect.Width(), rect.Height(), nFlags);
}

void SECDockBar::AddRedrawBar(CControlBar* pBar)
{
    if (pBar == nullptr)
        return;
    for (int i = 0; i < m_arrRedrawBars.GetSize(); ++i)
        if (m_arrRedrawBars[i] == pBar)
            return;
    m_arrRedrawBars.Add(pBar);
}

void SECDockBar::ListRowToolBarsForRedraw(CControlBar* pBar)
{
    if (pBar == nullptr)
        return;
    CPtrList row;
    GetRowBars(row, pBar);
    for (POSITION pos = row.GetHeadPosition(); pos != nullptr;) {
        auto* pRowBar = static_cast<CControlBar*>(row.GetNext(pos));
        if (dynamic_cast<SECCustomToolBar*>(pRowBar) != nullptr)
            AddRedrawBar(pRowBar);
    }
}

void SECDockBar::AddRedrawBarAt(int nPos)
{
    AddRedrawBar(static_cast<CControlBar*>(Array().GetDockedBar(nPos)));
}

void SECDockBar::AddRedrawBarsFrom(int nPos)
{
    const bool bFarSide = (m_dwStyle & (CBRS_ALIGN_BOTTOM | CBRS_ALIGN_RIGHT)) != 0;
    const int nStart = bFarSide ? 0 : nPos;
    const int nEnd = bFarSide ? nPos : Array().GetSize();
    for (int i = nStart; i < nEnd; ++i)
        AddRedrawBarAt(i);
}

void SECDockBar::RedrawListedBars()
{
    if (m_arrRedrawBars.GetSize() == 0)
        return;
    m_bRedrawPending = TRUE;
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
    m_bRedrawPending = FALSE;
}

// Placing bars ---

namespace {

// The bar takes this dock bar's side, borders and floating state.
void AdoptBar(SECDockBar& dockBar, CControlBar* pBar)
{
    if (dockBar.m_bFloating && (pBar->m_dwDockStyle & CBRS_FLOAT_MULTI))
        dockBar.m_dwStyle |= CBRS_FLOAT_MULTI;
    dockBar.m_dwStyle = (dockBar.m_dwStyle & ~(CBRS_SIZE_FIXED | CBRS_SIZE_DYNAMIC)) |
                        (pBar->m_dwStyle & (CBRS_SIZE_FIXED | CBRS_SIZE_DYNAMIC));
    if (!(dockBar.m_dwStyle & CBRS_FLOAT_MULTI) && pBar->m_hWnd) {
        CString strTitle;
        pBar->GetWindowText(strTitle);
        dockBar.SetWindowText(strTitle.Left(260));
    }
    DWORD dwStyle = (pBar->m_dwStyle & ~(CBRS_ALIGN_ANY | CBRS_FLOATING)) | (dockBar.m_dwStyle & CBRS_ALIGN_ANY) |
                    CBRS_BORDER_ANY;
    if (dockBar.m_bFloating)
        dwStyle |= CBRS_FLOATING;
    pBar->SetBarStyle(dwStyle);
}

} // namespace

void SECDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    CRect rect;
    CPoint ptMid;
    if (lpRect) {
        rect = *lpRect;
        ScreenToClient(&rect);
        ptMid = CPoint(rect.left + rect.Width() / 2, rect.top + rect.Height() / 2);
    }
    CRect rectBar;
    pBar->GetWindowRect(&rectBar);
    const int nPresent = FindBar(pBar);
    if (nPresent >= 0) {
        if (!IsFixedSize(pBar) && lpRect) {
            const int nPos = Array().FindInsertPos(rect, ptMid, BorderWidth());
            if (rectBar == *lpRect || nPos == nPresent || nPos == nPresent + 1)
                return;
        } else if (IsFixedSize(pBar) && AsSEC(pBar) && (!lpRect || rectBar == *lpRect)) {
            return;
        }
    }
    // A floating bar let go within a few pixels of where the drag began
    // stays floating.
    if (lpRect && pBar->IsFloating() && !m_bFloating) {
        if (auto* pContext = dynamic_cast<SECDockContext*>(pBar->m_pDockContext)) {
            if (pContext->m_bInDrag && !pContext->HasMovedFromStart())
                return;
        }
    }
    if (pBar->m_pDockBar && pBar->m_hWnd) {
        CRect rectOld;
        pBar->GetWindowRect(&rectOld);
        pBar->m_pDockBar->ScreenToClient(&rectOld);
        pBar->m_pDockBar->InvalidateRect(&rectOld, TRUE);
    }
    AdoptBar(*this, pBar);

    int k = -1;
    const int nBorder = BorderWidth();
    if (!lpRect) {
        if (m_arrBars.GetSize() == 0 || m_arrBars[m_arrBars.GetSize() - 1])
            m_arrBars.Add(nullptr);
        m_arrBars.Add(pBar);
        m_arrBars.Add(nullptr);
        k = m_arrBars.GetSize() - 2;
        pBar->SetWindowPos(nullptr, -nBorder, -nBorder, 0, 0, SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
    } else {
        std::vector<void*> redraw;
        bool bQuiet = false;
        k = Array().Insert(pBar, rect, ptMid, redraw, bQuiet);
        ListRedraw(redraw);
        m_bQuietLayout = m_bQuietLayout || bQuiet;
        pBar->SetWindowPos(nullptr, rect.left, rect.top, 0, 0, SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
    }

    // Attach: the bar is ours before its old dock bar lets go, so an
    // emptied floating frame cannot take the bar's window with it.
    if (pBar->GetParent() != this)
        pBar->SetParent(this);
    CDockBar* pOld = pBar->m_pDockBar;
    if (pOld == this)
        RemoveControlBar(pBar, k, 0);
    else if (pOld)
        pOld->RemoveControlBar(pBar, -1, 0);
    pBar->m_pDockBar = this;
    RemovePlaceHolder(pBar);
    if (CFrameWnd* pFrame = GetDockingFrame())
        pFrame->DelayRecalcLayout();
}

void SECDockBar::DockControlBarAt(CControlBar* pBar, const SECDockPos* pPos)
{
    AdoptBar(*this, pBar);
    std::vector<void*> redraw;
    const int k = Array().InsertBarAt(pBar, pPos ? *pPos : SECDockPos{}, &redraw);
    ListRedraw(redraw);
    if (pBar->GetParent() != this)
        pBar->SetParent(this);
    CDockBar* pOld = pBar->m_pDockBar;
    if (pOld == this)
        RemoveControlBar(pBar, k, 0);
    else if (pOld)
        pOld->RemoveControlBar(pBar, -1, 0);
    pBar->m_pDockBar = this;
    RemovePlaceHolder(pBar);
    int nRow = 0;
    if (GetBarPosition(pBar, &nRow, nullptr, nullptr))
        NormalizeRowShares(Array().FindRowSeparator(nRow) + 1, pBar);
    if (CFrameWnd* pFrame = GetDockingFrame())
        pFrame->DelayRecalcLayout();
}

void SECDockBar::DockControlBarAt(CControlBar* pBar, int nCol, int nRow)
{
    const SECDockPos pos{nRow, nCol, 0};
    DockControlBarAt(pBar, &pos);
}

BOOL SECDockBar::RemoveControlBar(CControlBar* pBar, int nPosExclude, int)
{
    std::vector<void*> redraw;
    bool bAlone = false;
    if (Array().Remove(pBar, nPosExclude, redraw, bAlone) < 0)
        return FALSE;
    if (bAlone) {
        ListRedraw(redraw);
        m_bQuietLayout = TRUE;
    }
    for (int i = m_arrRedrawBars.GetSize() - 1; i >= 0; --i)
        if (m_arrRedrawBars[i] == pBar)
            m_arrRedrawBars.RemoveAt(i);
    if (pBar->m_pDockContext == nullptr)
        return FALSE;
    if (m_bFloating && GetDockedVisibleCount() == 0) {
        CWnd* pFrame = GetParent();
        if (GetDockedCount() > 0) {
            pFrame->ShowWindow(SW_HIDE);
            return FALSE;
        }
        // The frame goes once the caller's messages are done with it.
        pFrame->ShowWindow(SW_HIDE);
        pFrame->PostMessage(WM_CLOSE);
        return TRUE;
    }
    if (!m_bFloating)
        if (CFrameWnd* pFrame = GetDockingFrame())
            pFrame->RecalcLayout(TRUE);
    return FALSE;
}

BOOL SECDockBar::GetBarPosition(CControlBar* pBar, int* pnRow, int* pnCol, int* pnThickness)
{
    return Array().GetBarPosition(pBar, pnRow, pnCol, pnThickness);
}

CRect SECDockBar::CalcInsertRect(CControlBar* pBar, const CRect& rectDrag, CPoint pt, int* pnLastRow,
                                 CRect* pLastRect, CPoint* pLastPt)
{
    CRect rect = rectDrag;
    ScreenToClient(&rect);
    CPoint ptClient = pt;
    ScreenToClient(&ptClient);
    const CAxis along = IsVertical() ? CAxis::Vertical() : CAxis::Horizontal();
    const CPoint ptCentre = rect.CenterPoint();
    // The row under the outline's centre.
    SECDockBarArray array = Array();
    int nRow = -1, nRowStart = -1;
    std::vector<CControlBar*> others;
    for (int i = 0, nRowIndex = 0; i < m_arrBars.GetSize(); ++i) {
        if (!m_arrBars[i]) {
            if (i > 0)
                ++nRowIndex;
            continue;
        }
        CControlBar* pDocked = GetDockedControlBar(i);
        if (!pDocked || !pDocked->IsVisible())
            continue;
        CRect rcBar;
        pDocked->GetWindowRect(&rcBar);
        ScreenToClient(&rcBar);
        if (along.Across().Major(ptCentre) < along.MinorStart(rcBar) ||
            along.Across().Major(ptCentre) >= along.MinorEnd(rcBar))
            continue;
        int nEnd = 0;
        array.GetRowBounds(i, nRowStart, nEnd);
        nRow = nRowIndex;
        for (int j = nRowStart; j < nEnd; ++j)
            if (CControlBar* p = GetDockedControlBar(j); p && p != pBar && p->IsVisible())
                others.push_back(p);
        break;
    }
    if (!others.empty() && pnLastRow && nRow == *pnLastRow && pLastRect && pLastPt) {
        CRect moved = *pLastRect;
        moved.OffsetRect(ptClient - *pLastPt);
        *pLastPt = ptClient;
        *pLastRect = moved;
        ClientToScreen(&moved);
        return moved;
    }
    SECControlBar* pSEC = AsSEC(pBar);
    if (!(pSEC && (pSEC->m_dwExStyle & EXSTYLE_FIXED_SIZE))) {
        if (!others.empty() && std::find(others.begin(), others.end(), pBar) == others.end() &&
            FindBar(pBar) < nRowStart) {
            float fSum = pSEC ? pSEC->m_fPctWidth : 0.0f;
            int nThickness = along.MinorExtent(rect);
            for (CControlBar* p : others) {
                if (SECControlBar* pOther = AsSEC(p))
                    fSum += pOther->m_fPctWidth;
                CRect rcBar;
                p->GetWindowRect(&rcBar);
                nThickness = std::max(nThickness, along.MinorExtent(rcBar));
            }
            const int nLength = fSum > 0.0f && pSEC ? (int)(RowLength() * (pSEC->m_fPctWidth / fSum)) : along.MajorExtent(rect);
            rect = SECDockRows::FitOutline(rect, ptClient, nLength, nThickness, along);
        } else if (others.empty()) {
            CRect rcClient;
            GetClientRect(&rcClient);
            rect = along.MakeRect(along.MajorStart(rcClient), along.MinorStart(rect), along.MajorEnd(rcClient),
                                  along.MinorEnd(rect));
        }
    }
    if (pnLastRow)
        *pnLastRow = nRow;
    if (pLastRect)
        *pLastRect = rect;
    if (pLastPt)
        *pLastPt = ptClient;
    ClientToScreen(&rect);
    return rect;
}

// Layout ---

namespace {

template <class T> void MarkAllUnused(std::vector<std::unique_ptr<T>>& items)
{
    for (auto& p : items)
        p->m_bUsed = FALSE;
}

template <class T> void EraseUnused(std::vector<std::unique_ptr<T>>& items)
{
    items.erase(std::remove_if(items.begin(), items.end(), [](const auto& p) { return !p->m_bUsed; }), items.end());
}

} // namespace

void SECDockBar::MarkClientEdgesUnused() { MarkAllUnused(m_arrClientEdges); }
void SECDockBar::DeleteUnusedClientEdges() { EraseUnused(m_arrClientEdges); }
void SECDockBar::DeleteClientEdges() { m_arrClientEdges.clear(); }
void SECDockBar::MarkSplittersUnused() { MarkAllUnused(m_arrSplitters); }
void SECDockBar::DeleteUnusedSplitters() { EraseUnused(m_arrSplitters); }
void SECDockBar::DeleteSplitters() { m_arrSplitters.clear(); }

void SECDockBar::AddSplitter(int nKind, int nAxis, const CRect& rect, int nRow)
{
    for (auto& p : m_arrSplitters) {
        if (p->m_rect == rect) {
            p->m_nKind = nKind;
            p->m_nAxis = nAxis;
            p->m_nRow = nRow;
            p->m_bUsed = TRUE;
            return;
        }
    }
    auto p = std::make_unique<Splitter>();
    p->m_nKind = nKind;
    p->m_nAxis = nAxis;
    p->m_rect = rect;
    p->m_nRow = nRow;
    p->m_bUsed = TRUE;
    m_arrSplitters.push_back(std::move(p));
}

void SECDockBar::AddClientEdge(int nKind, int left, int top, int right, int bottom)
{
    const CRect rect(left, top, right, bottom);
    for (auto it = m_arrClientEdges.rbegin(); it != m_arrClientEdges.rend(); ++it) {
        if ((*it)->m_rect == rect) {
            (*it)->m_nKind = nKind;
            (*it)->m_bUsed = TRUE;
            return;
        }
    }
    m_arrClientEdges.push_back(std::make_unique<ClientEdge>(nKind, rect));
    m_arrClientEdges.back()->m_bUsed = TRUE;
}

void SECDockBar::LayoutRow(int nStart, int nEnd, int& nAcross, int nLength, bool bQuery, CSize& sizeUsed)
{
    const CAxis along = IsVertical() ? CAxis::Vertical() : CAxis::Horizontal();
    const bool bNearSide = !(m_dwStyle & (CBRS_ALIGN_BOTTOM | CBRS_ALIGN_RIGHT));
    AFX_SIZEPARENTPARAMS layout = {};
    layout.hDWP = bQuery ? nullptr : (HDWP)1;
    std::vector<int> visible;
    bool bShared = false;
    for (int i = nStart; i < nEnd; ++i) {
        CControlBar* pBar = GetDockedControlBar(i);
        if (!pBar)
            continue;
        pBar->RecalcDelayShow(&layout);
        const bool bVisible = bQuery ? pBar->IsVisible() != FALSE : (pBar->GetStyle() & WS_VISIBLE) != 0;
        if (!bVisible)
            continue;
        visible.push_back(i);
        bShared = bShared || !IsFixedSize(pBar);
    }
    if (visible.empty())
        return;
    bShared = bShared && !m_bFloating;
    if (bShared && !bQuery)
        NormalizeRowShares(nStart, m_pBarFromFloat);

    const int nFree = SECDockRows::FreeLength(nLength, (int)visible.size());
    std::vector<CSize> sizes;
    int nThickness = 0;
    for (int i : visible) {
        CControlBar* pBar = GetDockedControlBar(i);
        CSize size;
        if (bShared && !IsFixedSize(pBar))
            size = pBar->CalcDynamicLayout(nFree, RowMode(pBar) | LM_STRETCH | (bQuery ? 0 : LM_COMMIT));
        else if (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC)
            size = pBar->CalcDynamicLayout(-1, RowMode(pBar));
        else
            size = pBar->CalcFixedLayout(FALSE, !IsVertical());
        sizes.push_back(size);
        nThickness = std::max(nThickness, along.Minor(size));
    }

    if (bShared && bNearSide) {
        if (!bQuery) {
            const CRect rc = along.MakeRect(0, nAcross, nLength, nAcross + kClientEdge);
            AddClientEdge(along.IsVertical() ? 1 : 0, rc.left, rc.top, rc.right, rc.bottom);
        }
        nAcross += kClientEdge;
    }
    if (bShared && !bNearSide) {
        if (!bQuery)
            AddSplitter(Splitter::betweenRows, along.IsVertical() ? 1 : 0,
                        along.MakeRect(0, nAcross, nLength, nAcross + SECDockRows::kSplitter), nStart);
        nAcross += SECDockRows::kSplitter;
    }

    int nPos = 0;
    for (size_t n = 0; n < visible.size(); ++n) {
        CControlBar* pBar = GetDockedControlBar(visible[n]);
        int nBarLength = along.Major(sizes[n]);
        const bool bLast = n + 1 == visible.size();
        if (bShared) {
            if (bLast && !IsFixedSize(pBar))
                nBarLength = std::max(nLength - nPos, 0);
            if (!bQuery && !IsFixedSize(pBar)) {
                // The bar keeps the row's thickness and, last in the row,
                // the rest of its length.
                pBar->CalcDynamicLayout(nThickness, (RowMode(pBar) ^ LM_LENGTHY) | LM_COMMIT);
                if (bLast)
                    pBar->CalcDynamicLayout(nBarLength, RowMode(pBar) | LM_COMMIT);
            }
        }
        const CRect rect = along.MakeRect(nPos, nAcross, nPos + nBarLength, nAcross + nThickness);
        if (!bQuery) {
            CRect rectOld;
            pBar->GetWindowRect(&rectOld);
            ScreenToClient(&rectOld);
            if (rectOld != rect) {
                UINT nFlags = 0;
                if (m_bQuietLayout)
                    nFlags |= SWP_NOREDRAW;
                if (rectOld.Size() == rect.Size())
                    nFlags |= SWP_NOSIZE;
                RepositionWindowEx(nullptr, pBar->m_hWnd, &rect, nFlags);
                if (!bShared || rectOld.Size() != rect.Size())
                    AddRedrawBar(pBar);
            }
            if (!m_bFloating && pBar->m_pDockContext) {
                pBar->m_pDockContext->m_rectMRUDockPos = rect;
                pBar->m_pDockContext->m_uMRUDockID = (UINT)GetDlgCtrlID();
            }
        }
        nPos += nBarLength;
        if (bShared && !bLast) {
            if (!bQuery)
                AddSplitter(Splitter::betweenBars, along.IsVertical() ? 0 : 1,
                            along.MakeRect(nPos, nAcross, nPos + SECDockRows::kSplitter, nAcross + nThickness),
                            visible[n]);
            nPos += SECDockRows::kSplitter;
        }
    }
    sizeUsed = along.MakeSize(std::max(along.Major(sizeUsed), nPos), 0);
    nAcross += nThickness;
    if (bShared && bNearSide) {
        if (!bQuery)
            AddSplitter(Splitter::betweenRows, along.IsVertical() ? 1 : 0,
                        along.MakeRect(0, nAcross, nLength, nAcross + SECDockRows::kSplitter), nStart);
        nAcross += SECDockRows::kSplitter;
    }
    if (bShared && !bNearSide) {
        if (!bQuery) {
            const CRect rc = along.MakeRect(0, nAcross, nLength, nAcross + kClientEdge);
            AddClientEdge(along.IsVertical() ? 1 : 0, rc.left, rc.top, rc.right, rc.bottom);
        }
        nAcross += kClientEdge;
    }
}

CSize SECDockBar::CalcFixedLayout(BOOL bStretch, BOOL)
{
    const CAxis along = IsVertical() ? CAxis::Vertical() : CAxis::Horizontal();
    const bool bQuery = m_bLayoutQuery != FALSE;
    const int nLength = m_bFloating ? 32767 : along.MajorExtent(m_rectLayout);
    if (!m_bFloating)
        m_fMinShare = SECDockRows::MinShare(nLength);
    if (!bQuery)
        MarkSplittersUnused();
        MarkClientEdgesUnused();
    int nAcross = 0;
    CSize sizeUsed(0, 0);
    for (int nStart = 0; nStart < m_arrBars.GetSize();) {
        int nEnd = nStart;
        while (nEnd < m_arrBars.GetSize() && m_arrBars[nEnd])
            ++nEnd;
        LayoutRow(nStart, nEnd, nAcross, nLength, bQuery, sizeUsed);
        nStart = nEnd + 1;
    }
    if (!bQuery) {
        DeleteUnusedSplitters();
        DeleteUnusedClientEdges();
        m_pBarFromFloat = nullptr;
        Invalidate();
    }
    if (m_bFloating)
        return along.MakeSize(along.Major(sizeUsed), nAcross);
    return along.MakeSize(bStretch ? nLength : along.Major(sizeUsed), nAcross);
}

void SECDockBar::DoPaint(CDC* pDC)
{
    for (auto it = m_arrClientEdges.rbegin(); it != m_arrClientEdges.rend(); ++it)
        (*it)->Draw(pDC);
    for (auto it = m_arrSplitters.rbegin(); it != m_arrSplitters.rend(); ++it)
        (*it)->Draw(pDC);
    if (m_bRedrawPending || m_bQuietLayout) {
        for (int i = 0; i < m_arrRedrawBars.GetSize(); ++i) {
            auto* pBar = static_cast<CControlBar*>(m_arrRedrawBars[i]);
            if (FindBar(pBar) >= 0 && pBar->m_hWnd)
                pBar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
        }
        m_arrRedrawBars.RemoveAll();
        m_bQuietLayout = FALSE;
    }
    CDockBar::DoPaint(pDC);
}

BOOL SECDockBar::PreTranslateMessage(MSG* pMsg)
{
    // Alt+key reaches the menu while the focus is in a bar.
    if (pMsg->message == WM_SYSCHAR) {
        if (CFrameWnd* pFrame = GetDockingFrame())
            pFrame->PostMessage(WM_SYSCOMMAND, SC_KEYMENU, pMsg->wParam);
    }
    return CDockBar::PreTranslateMessage(pMsg);
}

// Splitter tracking ---

SECDockBar::Splitter* SECDockBar::SplitterAt(CPoint pt) const
{
    for (const auto& p : m_arrSplitters)
        if (p->m_rect.PtInRect(pt))
            return p.get();
    return nullptr;
}

void SECDockBar::OnMouseMove(UINT nFlags, CPoint pt)
{
    if (Splitter* p = SplitterAt(pt))
        ::SetCursor(SplitterCursor(p->m_nAxis));
    CDockBar::OnMouseMove(nFlags, pt);
}

BOOL SECDockBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCLIENT && pWnd == this)
        return TRUE;
    return CDockBar::OnSetCursor(pWnd, nHitTest, message);
}

void SECDockBar::GetSplitterLimits(Splitter* pSplitter)
{
    const CAxis along = IsVertical() ? CAxis::Vertical() : CAxis::Horizontal();
    if (pSplitter->m_nKind == Splitter::betweenBars) {
        int nStart = 0, nEnd = 0;
        Array().GetRowBounds(pSplitter->m_nRow, nStart, nEnd);
        std::vector<int> lengths;
        int nSplitter = -1, nRowStart = 0;
        for (int i = nStart; i < nEnd; ++i) {
            CControlBar* pBar = GetDockedControlBar(i);
            if (!pBar || !(pBar->GetStyle() & WS_VISIBLE))
                continue;
            CRect rc;
            pBar->GetWindowRect(&rc);
            ScreenToClient(&rc);
            if (lengths.empty())
                nRowStart = along.MajorStart(rc);
            lengths.push_back(along.MajorExtent(rc));
            if (i == pSplitter->m_nRow)
                nSplitter = (int)lengths.size() - 1;
        }
        SECDockRows::BarSplitterLimits(lengths, std::max(nSplitter, 0), nRowStart, pSplitter->m_nMin,
                                       pSplitter->m_nMax);
        return;
    }
    // Between rows: the row keeps 19 pixels, and the splitter stays clear
    // of the far edge of the frame's free client area.
    const bool bAfterRow = !(m_dwStyle & (CBRS_ALIGN_BOTTOM | CBRS_ALIGN_RIGHT));
    int nRowStart = along.Across().MajorStart(pSplitter->m_rect), nRowEnd = nRowStart;
    int nStart = 0, nEnd = 0;
    Array().GetRowBounds(pSplitter->m_nRow, nStart, nEnd);
    bool bFirst = true;
    for (int i = nStart; i < nEnd; ++i) {
        if (CControlBar* pBar = GetDockedControlBar(i); pBar && (pBar->GetStyle() & WS_VISIBLE)) {
            CRect rc;
            pBar->GetWindowRect(&rc);
            ScreenToClient(&rc);
            nRowStart = bFirst ? along.MinorStart(rc) : std::min(nRowStart, (int)along.MinorStart(rc));
            nRowEnd = bFirst ? along.MinorEnd(rc) : std::max(nRowEnd, (int)along.MinorEnd(rc));
            bFirst = false;
        }
    }
    int nClientFar = bAfterRow ? nRowEnd + 2000 : nRowStart - 2000;
    if (CFrameWnd* pFrame = GetDockingFrame()) {
        CRect rcFree;
        pFrame->GetClientRect(&rcFree);
        pFrame->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, CWnd::reposQuery, &rcFree, &rcFree);
        pFrame->ClientToScreen(&rcFree);
        ScreenToClient(&rcFree);
        nClientFar = bAfterRow ? along.MinorEnd(rcFree) : along.MinorStart(rcFree);
    }
    SECDockRows::RowSplitterLimits(nRowStart, nRowEnd, nClientFar, bAfterRow, pSplitter->m_nMin, pSplitter->m_nMax);
}

namespace {

// Drags a splitter's outline along its axis, inverted on the frame.
class CSplitterTrack : public CCaptureLoop
{
public:
    CSplitterTrack(SECDockBar& dockBar, SECDockBar::Splitter& splitter, CPoint ptStart)
        : CCaptureLoop(dockBar.m_hWnd), m_dockBar(dockBar), m_splitter(splitter), m_ptStart(ptStart),
          m_nStart(Major(splitter.m_rect.TopLeft())), m_nPos(m_nStart)
    {
    }
    ~CSplitterTrack() override { Erase(); }
    int Delta() const { return m_nPos - m_nStart; }

protected:
    void OnMove(CPoint pt) override
    {
        Erase();
        m_nPos = std::clamp(m_nStart + Major(pt) - Major(m_ptStart), m_splitter.m_nMin, m_splitter.m_nMax);
        Draw();
    }
    void OnEnd(CPoint pt) override { OnMove(pt); Erase(); }
    void OnCancel() override { Erase(); m_nPos = m_nStart; }

private:
    int Major(CPoint pt) const { return m_splitter.m_nAxis == 1 ? pt.x : pt.y; }
    CRect Outline() const
    {
        CRect rc = m_splitter.m_rect;
        if (m_splitter.m_nAxis == 1)
            rc.OffsetRect(m_nPos - m_nStart, 0);
        else
            rc.OffsetRect(0, m_nPos - m_nStart);
        m_dockBar.ClientToScreen(&rc);
        return rc;
    }
    void Draw()
    {
        CWnd* pTarget = m_dockBar.m_bFloating ? static_cast<CWnd*>(&m_dockBar) : m_dockBar.GetDockingFrame();
        if (!pTarget)
            return;
        CRect rc = Outline();
        CRect rcWindow;
        pTarget->GetWindowRect(&rcWindow);
        rc.OffsetRect(-rcWindow.left, -rcWindow.top);
        CWindowDC dc(pTarget);
        dc.PatBlt(rc.left, rc.top, rc.Width(), rc.Height(), DSTINVERT);
        m_bDrawn = true;
        m_rcDrawn = rc;
        m_pDrawnOn = pTarget;
    }
    void Erase()
    {
        if (!m_bDrawn)
            return;
        CWindowDC dc(m_pDrawnOn);
        dc.PatBlt(m_rcDrawn.left, m_rcDrawn.top, m_rcDrawn.Width(), m_rcDrawn.Height(), DSTINVERT);
        m_bDrawn = false;
    }

    SECDockBar& m_dockBar;
    SECDockBar::Splitter& m_splitter;
    CPoint m_ptStart;
    int m_nStart;
    int m_nPos;
    bool m_bDrawn = false;
    CRect m_rcDrawn;
    CWnd* m_pDrawnOn = nullptr;
};

} // namespace

int SECDockBar::TrackSplitter(Splitter* pSplitter, CPoint pt)
{
    GetSplitterLimits(pSplitter);
    pSplitter->m_bDrawing = TRUE;
    pSplitter->m_bFinished = FALSE;
    CSplitterTrack track(*this, *pSplitter, pt);
    const bool bEnded = track.Run();
    pSplitter->m_bDrawing = FALSE;
    pSplitter->m_bFinished = TRUE;
    return bEnded ? track.Delta() : 0;
}

void SECDockBar::OnLButtonDown(UINT nFlags, CPoint pt)
{
    Splitter* pSplitter = SplitterAt(pt);
    if (!pSplitter) {
        CDockBar::OnLButtonDown(nFlags, pt);
        return;
    }
    const int nDelta = TrackSplitter(pSplitter, pt);
    if (nDelta == 0)
        return;
    ApplySplitterMove(pSplitter, nDelta);
    if (CFrameWnd* pFrame = GetDockingFrame())
        pFrame->RecalcLayout();
}

void SECDockBar::ApplySplitterMove(Splitter* pSplitter, int nDelta)
{
    m_bQuietLayout = TRUE;
    ListRowToolBarsForRedraw(GetDockedControlBar(pSplitter->m_nRow));
    const CAxis along = IsVertical() ? CAxis::Vertical() : CAxis::Horizontal();
    int nStart = 0, nEnd = 0;
    Array().GetRowBounds(pSplitter->m_nRow, nStart, nEnd);
    std::vector<CControlBar*> bars;
    std::vector<int> lengths;
    int nSplitter = 0;
    int nThickness = 0;
    for (int i = nStart; i < nEnd; ++i) {
        CControlBar* pBar = GetDockedControlBar(i);
        if (!pBar || !(pBar->GetStyle() & WS_VISIBLE))
            continue;
        CRect rc;
        pBar->GetWindowRect(&rc);
        if (i == pSplitter->m_nRow)
            nSplitter = (int)bars.size();
        bars.push_back(pBar);
        lengths.push_back(along.MajorExtent(rc));
        nThickness = std::max(nThickness, (int)along.MinorExtent(rc));
        AddRedrawBar(pBar);
    }
    if (pSplitter->m_nKind == Splitter::betweenRows) {
        const bool bAfterRow = !(m_dwStyle & (CBRS_ALIGN_BOTTOM | CBRS_ALIGN_RIGHT));
        const int nNew = std::max(SECDockRows::kMinRowThickness,
                                  SECDockRows::RowThicknessAfterMove(nThickness, nDelta, bAfterRow));
        for (CControlBar* pBar : bars)
            pBar->CalcDynamicLayout(nNew, (RowMode(pBar) ^ LM_LENGTHY) | LM_COMMIT);
        return;
    }
    const int nRowLength = SECDockRows::FreeLength(RowLength(), (int)bars.size());
    UpdateMinShare();
    const SECRowResize resized = SECDockRows::MoveBarSplitter(lengths, nSplitter, nDelta, nRowLength, m_fMinShare);
    for (size_t i = 0; i < bars.size(); ++i) {
        SECControlBar* pSEC = AsSEC(bars[i]);
        if (!pSEC || IsFixedSize(bars[i]))
            continue;
        pSEC->m_fPctWidth = resized.shares[i];
        pSEC->CalcDynamicLayout(resized.lengths[i], RowMode(pSEC) | LM_COMMIT);
    }
}

void SECDockBar::OnDestroy()
{
    DeleteSplitters();
    DeleteClientEdges();
    CDockBar::OnDestroy();
}
