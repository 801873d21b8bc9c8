#include "framework/Framework.h"
#include "framework/DockBar.h"
#include "framework/DockState.h"
#include "framework/BarLayout.h"

#include <vector>

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

BEGIN_MESSAGE_MAP(CDockBar, CControlBar)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_WINDOWPOSCHANGING()
END_MESSAGE_MAP()

namespace {

CAxis AxisOf(DWORD dwStyle) { return IsHorzBarStyle(dwStyle) ? CAxis::Horizontal() : CAxis::Vertical(); }

// A bar takes the dock bar's side; in a floating dock bar it floats.
void TakeDockStyle(CControlBar* pBar, DWORD dwDockBarStyle, BOOL bFloating)
{
    DWORD dwStyle = (pBar->m_dwStyle & ~(CBRS_ALIGN_ANY | CBRS_FLOATING)) | (dwDockBarStyle & CBRS_ALIGN_ANY);
    if (bFloating)
        dwStyle |= CBRS_FLOATING;
    pBar->SetBarStyle(dwStyle);
}

} // namespace

CDockBar::CDockBar(BOOL bFloating) : m_bFloating(bFloating)
{
    m_arrBars.Add(nullptr);
    m_bAutoDelete = TRUE;
    SetBorders(0, 0, 0, 0);
}

CDockBar::~CDockBar()
{
    // The bars outlive their dock bar; they only lose it.
    for (int i = 0; i < m_arrBars.GetSize(); i++) {
        if (CControlBar* pBar = GetDockedControlBar(i)) {
            if (pBar->m_pDockBar == this)
                pBar->m_pDockBar = nullptr;
        }
    }
}

BOOL CDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    AfxDeferRegisterClass(AFX_WNDCONTROLBAR_REG);
    CRect rect(0, 0, 0, 0);
    return CWnd::Create(_afxWndControlBar, nullptr, (dwStyle & ~CBRS_ALL) | WS_CHILD, rect, pParentWnd, nID);
}

int CDockBar::DockArrayCountBars() const { return DockArray::CountBars(m_arrBars); }

int CDockBar::GetDockedVisibleCount() const
{
    int n = 0;
    for (int i = 0; i < m_arrBars.GetSize(); i++) {
        CControlBar* pBar = GetDockedControlBar(i);
        if (pBar != nullptr && pBar->IsVisible())
            ++n;
    }
    return n;
}

CControlBar* CDockBar::GetDockedControlBar(int nPos) const
{
    void* p = m_arrBars[nPos];
    return DockArray::IsBar(p) ? (CControlBar*)p : nullptr;
}

int CDockBar::FindBar(CControlBar* pBar, int nPosExclude) { return DockArray::Find(m_arrBars, pBar, nPosExclude); }

void CDockBar::RemovePlaceHolder(CControlBar* pBar)
{
    void* pHolder = DockArray::Placeholder((UINT)pBar->GetDlgCtrlID());
    int nPos;
    while ((nPos = DockArray::Find(m_arrBars, pHolder)) > 0)
        DockArray::RemoveAt(m_arrBars, nPos, 0);
}

BOOL CDockBar::RemoveControlBar(CControlBar* pBar, int nPosExclude, int nAddPlaceHolder)
{
    int nPos = FindBar(pBar, nPosExclude);
    if (nPos <= 0)
        return FALSE;
    DockArray::RemoveAt(m_arrBars, nPos, nAddPlaceHolder != 0 ? (UINT)pBar->GetDlgCtrlID() : 0);
    if (m_bFloating && DockArray::CountBars(m_arrBars) == 0) {
        // The empty floating frame goes once the caller's messages are done
        // with it; the bar has a new parent by then.
        CWnd* pFrame = GetParent();
        if (pFrame != nullptr) {
            pFrame->ShowWindow(SW_HIDE);
            pFrame->PostMessage(WM_CLOSE);
        }
    } else if (!m_bFloating) {
        if (CFrameWnd* pFrame = GetDockingFrame())
            pFrame->DelayRecalcLayout();
    }
    return TRUE;
}

int CDockBar::Insert(CControlBar* pBar, CRect rect, CPoint ptMid, BOOL& bNewRow)
{
    std::vector<DockItem> items((size_t)m_arrBars.GetSize());
    for (int i = 0; i < m_arrBars.GetSize(); i++) {
        items[i].bRowEnd = m_arrBars[i] == nullptr;
        CControlBar* pDocked = GetDockedControlBar(i);
        if (pDocked == nullptr || pDocked == pBar || !pDocked->IsVisible())
            continue;
        items[i].bVisible = true;
        pDocked->GetWindowRect(&items[i].rect);
        ScreenToClient(&items[i].rect);
    }
    DropPlace place = FindDropPlace(items, AxisOf(m_dwStyle), ptMid);
    bNewRow = place.bNewRow;
    return place.nIndex;
}

void CDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    CRect rectBar;
    pBar->GetWindowRect(&rectBar);
    if (pBar->m_pDockBar == this && (lpRect == nullptr || rectBar == *lpRect))
        return;

    // The bar becomes ours before its old dock bar lets go: an emptied
    // floating frame must not take the bar's window with it.
    CDockBar* pOldDockBar = pBar->m_pDockBar;
    if (pBar->GetParent() != this)
        pBar->SetParent(this);
    if (pOldDockBar != nullptr) {
        // Leaving a docked place for a floating frame keeps the place.
        BOOL bKeepPlace = m_bFloating && !pOldDockBar->m_bFloating;
        pOldDockBar->RemoveControlBar(pBar, -1, bKeepPlace);
    }
    RemovePlaceHolder(pBar);
    pBar->m_pDockBar = this;
    TakeDockStyle(pBar, m_dwStyle, m_bFloating);
    DockArray::Normalize(m_arrBars);

    if (lpRect == nullptr || m_bFloating) {
        DockArray::InsertRow(m_arrBars, m_arrBars.GetSize(), pBar);
    } else {
        CRect rect(*lpRect);
        ScreenToClient(&rect);
        BOOL bNewRow = TRUE;
        int nPos = Insert(pBar, rect, rect.TopLeft() + CSize(2, 2), bNewRow);
        if (bNewRow)
            DockArray::InsertRow(m_arrBars, nPos, pBar);
        else
            DockArray::InsertInRow(m_arrBars, nPos, pBar);
        // The row layout keeps the dropped place along the row.
        pBar->SetWindowPos(nullptr, rect.left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (!m_bFloating) {
        if (CFrameWnd* pFrame = GetDockingFrame())
            pFrame->DelayRecalcLayout();
    }
}

void CDockBar::ReDockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    int nPos = DockArray::Find(m_arrBars, DockArray::Placeholder((UINT)pBar->GetDlgCtrlID()));
    if (nPos <= 0) {
        DockControlBar(pBar, lpRect);
        return;
    }
    CDockBar* pOldDockBar = pBar->m_pDockBar;
    if (pBar->GetParent() != this)
        pBar->SetParent(this);
    if (pOldDockBar != nullptr && pOldDockBar != this)
        pOldDockBar->RemoveControlBar(pBar);
    nPos = DockArray::Find(m_arrBars, DockArray::Placeholder((UINT)pBar->GetDlgCtrlID()));
    m_arrBars[nPos] = pBar;
    RemovePlaceHolder(pBar);
    pBar->m_pDockBar = this;
    TakeDockStyle(pBar, m_dwStyle, m_bFloating);
    if (lpRect != nullptr) {
        CRect rect(*lpRect);
        ScreenToClient(&rect);
        pBar->SetWindowPos(nullptr, rect.left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (CFrameWnd* pFrame = GetDockingFrame())
        pFrame->DelayRecalcLayout();
}

void CDockBar::ShowAll(BOOL bShow)
{
    for (int i = 0; i < m_arrBars.GetSize(); i++) {
        if (CControlBar* pBar = GetDockedControlBar(i))
            pBar->ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
    }
}

// Layout --------------------------------------------------------------------

CSize CDockBar::CalcFixedLayout(BOOL bStretch, BOOL)
{
    const CAxis axis = AxisOf(m_dwStyle);
    const DWORD dwMode = axis.IsVertical() ? LM_VERTDOCK : (LM_HORZ | LM_HORZDOCK);
    int nLength = m_bFloating ? 32767 : axis.MajorExtent(m_rectLayout);

    AFX_SIZEPARENTPARAMS query = {};   // a query leaves delayed shows pending
    std::vector<DockItem> items((size_t)m_arrBars.GetSize());
    for (int i = 0; i < m_arrBars.GetSize(); i++) {
        DockItem& item = items[i];
        item.bRowEnd = m_arrBars[i] == nullptr;
        CControlBar* pBar = GetDockedControlBar(i);
        if (pBar == nullptr)
            continue;
        pBar->RecalcDelayShow(m_bLayoutQuery ? &query : nullptr);
        item.bVisible = m_bLayoutQuery ? pBar->IsVisible() : (pBar->GetStyle() & WS_VISIBLE) != 0;
        if (!item.bVisible)
            continue;
        if (m_bFloating)
            item.size = (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) ? pBar->CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH)
                                                               : pBar->CalcFixedLayout(FALSE, pBar->IsHorz());
        else
            item.size = (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) ? pBar->CalcDynamicLayout(-1, dwMode)
                                                               : pBar->CalcFixedLayout(FALSE, !axis.IsVertical());
        if (m_bFloating)
            continue;   // rows start at the left edge
        pBar->GetWindowRect(&item.rect);
        ScreenToClient(&item.rect);
    }
    // A floating dock bar holds its bars in rows, one under the other.
    CSize used = LayoutDockRows(items, m_bFloating ? CAxis::Horizontal() : axis, nLength);
    if (!m_bLayoutQuery) {
        for (int i = 0; i < m_arrBars.GetSize(); i++) {
            if (items[i].bVisible)
                AfxRepositionWindow(nullptr, GetDockedControlBar(i)->m_hWnd, &items[i].rect);
        }
    }
    if (m_bFloating)
        return used;
    int nThick = axis.Minor(used);
    return axis.MakeSize(bStretch ? nLength : axis.Major(used), nThick);
}

LRESULT CDockBar::OnSizeParent(WPARAM wParam, LPARAM lParam)
{
    auto* lpLayout = (AFX_SIZEPARENTPARAMS*)lParam;
    m_rectLayout = lpLayout->rect;
    m_bLayoutQuery = lpLayout->hDWP == nullptr;
    LRESULT lResult = CControlBar::OnSizeParent(wParam, lParam);
    m_bLayoutQuery = FALSE;
    return lResult;
}

void CDockBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) {}   // no borders
void CDockBar::OnNcPaint() {}
void CDockBar::OnWindowPosChanging(WINDOWPOS* lpWndPos) { CWnd::OnWindowPosChanging(lpWndPos); }

void CDockBar::DoPaint(CDC*) {}

// Bar state -----------------------------------------------------------------

// The bar-id list keeps the array's shape: 0 for a row end, a bar's id for
// a docked bar, and id | kHiddenBarIDFlag for a placeholder (a place kept
// for a bar that is elsewhere now).
void CDockBar::GetBarInfo(CControlBarInfo* pInfo)
{
    pInfo->m_pBar = this;
    pInfo->m_nBarID = (UINT)GetDlgCtrlID();
    pInfo->m_bDockBar = TRUE;
    pInfo->m_bFloating = m_bFloating;
    pInfo->m_bHorz = IsHorz();
    pInfo->m_bVisible = TRUE;
    pInfo->m_pointPos = CPoint(-1, -1);
    if (m_bFloating) {
        CWnd* pFrame = GetParent();
        CRect rect;
        pFrame->GetWindowRect(&rect);
        pInfo->m_pointPos = rect.TopLeft();
        pInfo->m_bVisible = pFrame->IsWindowVisible();
    }
    pInfo->m_arrBarID.RemoveAll();
    for (int i = 0; i < m_arrBars.GetSize(); i++) {
        void* p = m_arrBars[i];
        UINT nID = 0;
        if (DockArray::IsPlaceholder(p))
            nID = (UINT)(UINT_PTR)p | kHiddenBarIDFlag;
        else if (DockArray::IsBar(p))
            nID = (UINT)((CControlBar*)p)->GetDlgCtrlID();
        pInfo->m_arrBarID.Add((void*)(UINT_PTR)nID);
    }
}

void CDockBar::SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd)
{
    CPtrArray arrNew;
    arrNew.Add(nullptr);
    for (int i = 0; i < pInfo->m_arrBarID.GetSize(); i++) {
        UINT nID = (UINT)(UINT_PTR)pInfo->m_arrBarID[i];
        if ((nID & 0xFFFF) == 0) {
            if (arrNew[arrNew.GetSize() - 1] != nullptr)
                arrNew.Add(nullptr);
            continue;
        }
        if (nID & kHiddenBarIDFlag) {
            arrNew.Add(DockArray::Placeholder(nID));
            continue;
        }
        // A bar that no longer exists, or is one of the dock bars, is left out.
        CControlBar* pBar = pFrameWnd->GetControlBar(nID & 0xFFFF);
        if (pBar == nullptr || pBar->IsDockBar() || DockArray::Find(arrNew, pBar) >= 0)
            continue;
        if (pBar->GetParent() != this)
            pBar->SetParent(this);
        if (pBar->m_pDockBar != nullptr && pBar->m_pDockBar != this)
            pBar->m_pDockBar->RemoveControlBar(pBar);
        pBar->m_pDockBar = this;
        TakeDockStyle(pBar, m_dwStyle, m_bFloating);
        arrNew.Add(pBar);
    }
    // Bars docked here that the state does not name stay, in a last row.
    for (int i = 0; i < m_arrBars.GetSize(); i++) {
        CControlBar* pBar = GetDockedControlBar(i);
        if (pBar != nullptr && pBar->m_pDockBar == this && DockArray::Find(arrNew, pBar) < 0)
            DockArray::InsertRow(arrNew, arrNew.GetSize(), pBar);
    }
    m_arrBars.RemoveAll();
    m_arrBars.Append(arrNew);
    DockArray::Normalize(m_arrBars);
}
