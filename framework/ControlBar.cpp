#include "framework/Framework.h"
#include "framework/ControlBar.h"
#include "framework/DockBar.h"
#include "framework/DockContext.h"
#include "framework/DockState.h"
#include "framework/BarLayout.h"

#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_PAINT()
    ON_WM_NCPAINT()
    ON_WM_NCCALCSIZE()
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEACTIVATE()
    ON_WM_CTLCOLOR()
    ON_WM_TIMER()
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdate)
    ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
END_MESSAGE_MAP()

namespace {

// The etched lines of a bordered side are this thick.
constexpr int kBorderLine = 2;

bool IsNotifyForOwner(UINT message)
{
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
        return true;
    }
    return false;
}

// A pressed button (or a menu) has the status line to itself.
bool IsMousePressed()
{
    return ::GetCapture() != nullptr || ::GetKeyState(VK_LBUTTON) < 0 || ::GetKeyState(VK_RBUTTON) < 0;
}

} // namespace

// The new shell's look: a top border of 2, none elsewhere.
CControlBar::CControlBar() : m_cxLeftBorder(0), m_cxRightBorder(0), m_cyTopBorder(2), m_cyBottomBorder(0) {}

CControlBar::~CControlBar()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
    if (m_pDockSite != nullptr)
        m_pDockSite->RemoveControlBar(this);
    delete m_pDockContext;
    std::free(m_pData);
}

BOOL CControlBar::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr) {
        AfxDeferRegisterClass(AFX_WNDCONTROLBAR_REG);
        cs.lpszClass = _afxWndControlBar;
    }
    cs.style |= WS_CLIPSIBLINGS;
    return CWnd::PreCreateWindow(cs);
}

int CControlBar::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    if (m_dwStyle & CBRS_TOOLTIPS)
        EnableToolTips();
    CWnd* pParent = GetParent();
    auto* pFrame = dynamic_cast<CFrameWnd*>(pParent);
    if (pFrame != nullptr) {
        m_pDockSite = pFrame;
        m_pDockSite->AddControlBar(this);
    }
    return 0;
}

void CControlBar::OnDestroy()
{
    KillTimer(kFlyByWaitTimer);
    KillTimer(kFlyByCheckTimer);
    m_flyBy.Reset();
    m_nStateFlags &= ~statusSet;
    // Out of the dock bar's array only: empty floating frames go by themselves.
    if (m_pDockBar != nullptr) {
        int nPos = DockArray::Find(m_pDockBar->m_arrBars, this);
        if (nPos > 0)
            DockArray::RemoveAt(m_pDockBar->m_arrBars, nPos, 0);
        m_pDockBar = nullptr;
    }
    if (m_pDockSite != nullptr) {
        m_pDockSite->RemoveControlBar(this);
        m_pDockSite->DelayRecalcLayout();
        m_pDockSite = nullptr;
    }
    CWnd::OnDestroy();
}

void CControlBar::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CControlBar::AllocElements(int nElements, int cbElement)
{
    std::free(m_pData);
    m_pData = nullptr;
    m_nCount = 0;
    if (nElements <= 0 || cbElement <= 0)
        return TRUE;
    m_pData = std::calloc((size_t)nElements, (size_t)cbElement);
    if (m_pData == nullptr)
        return FALSE;
    m_nCount = nElements;
    return TRUE;
}

void CControlBar::SetBarStyle(DWORD dwStyle)
{
    dwStyle &= CBRS_ALL;
    if (dwStyle == m_dwStyle)
        return;
    DWORD dwOld = m_dwStyle;
    m_dwStyle = dwStyle;
    if ((dwOld & CBRS_FLYBY) && !(dwStyle & CBRS_FLYBY) && m_hWnd != nullptr)
        ApplyFlyBy(m_flyBy.Stop());
    OnBarStyleChange(dwOld, dwStyle);
}

void CControlBar::OnBarStyleChange(DWORD, DWORD) {}

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom)
{
    m_cxLeftBorder = cxLeft;
    m_cyTopBorder = cyTop;
    m_cxRightBorder = cxRight;
    m_cyBottomBorder = cyBottom;
}

CFrameWnd* CControlBar::GetDockingFrame() const
{
    if (m_pDockSite != nullptr)
        return m_pDockSite;
    return GetParentFrame();
}

BOOL CControlBar::IsFloating() const
{
    if (IsDockBar())
        return static_cast<const CDockBar*>(this)->m_bFloating;
    return m_pDockBar != nullptr && m_pDockBar->m_bFloating;
}

BOOL CControlBar::IsVisible() const
{
    if (m_nStateFlags & delayHide)
        return FALSE;
    return (m_nStateFlags & delayShow) || (GetStyle() & WS_VISIBLE);
}

void CControlBar::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle;
    if (m_pDockContext == nullptr)
        m_pDockContext = new CDockContext(this);
    m_pDockContext->m_dwDockStyle = dwDockStyle;
    if (m_hWndOwner == nullptr)
        m_hWndOwner = ::GetParent(m_hWnd);
}

// Layout --------------------------------------------------------------------

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size((bStretch && bHorz) ? 32767 : 0, (bStretch && !bHorz) ? 32767 : 0);
    CRect rect(0, 0, 0, 0);
    CalcInsideRect(rect, bHorz);
    // The inside rectangle of nothing is negative by the borders.
    if (!(bStretch && bHorz))
        size.cx = -rect.Width();
    if (!(bStretch && !bHorz))
        size.cy = -rect.Height();
    return size;
}

CSize CControlBar::CalcDynamicLayout(int, DWORD nMode)
{
    if (nMode & (LM_HORZDOCK | LM_VERTDOCK))
        return CalcFixedLayout(nMode & LM_STRETCH, (nMode & LM_HORZDOCK) != 0);
    return CalcFixedLayout(nMode & LM_STRETCH, (nMode & LM_HORZ) != 0);
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    DWORD dwStyle = m_dwStyle;
    if (dwStyle & CBRS_BORDER_LEFT)
        rect.left += kBorderLine;
    if (dwStyle & CBRS_BORDER_TOP)
        rect.top += kBorderLine;
    if (dwStyle & CBRS_BORDER_RIGHT)
        rect.right -= kBorderLine;
    if (dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom -= kBorderLine;
    // Vertical bars turn their borders a quarter.
    if (bHorz) {
        rect.left += m_cxLeftBorder;
        rect.top += m_cyTopBorder;
        rect.right -= m_cxRightBorder;
        rect.bottom -= m_cyBottomBorder;
    } else {
        rect.left += m_cyTopBorder;
        rect.top += m_cxLeftBorder;
        rect.right -= m_cyBottomBorder;
        rect.bottom -= m_cxRightBorder;
    }
}

CSize CControlBar::CalcLayoutSize(const AFX_SIZEPARENTPARAMS& layout)
{
    DWORD dwMode = layout.bStretch ? LM_STRETCH : 0;
    if (m_dwStyle & CBRS_SIZE_DYNAMIC)
        return CalcDynamicLayout(-1, dwMode | (IsHorz() ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK));
    return CalcFixedLayout(layout.bStretch, IsHorz());
}

void CControlBar::DelayShow(BOOL bShow)
{
    m_nStateFlags &= ~(delayHide | delayShow);
    BOOL bVisible = (GetStyle() & WS_VISIBLE) != 0;
    if (bShow && !bVisible)
        m_nStateFlags |= delayShow;
    else if (!bShow && bVisible)
        m_nStateFlags |= delayHide;
}

void CControlBar::RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout)
{
    if (!(m_nStateFlags & (delayHide | delayShow)))
        return;
    // A query only looks: the change waits for the real layout.
    if (lpLayout != nullptr && lpLayout->hDWP == nullptr)
        return;
    UINT nShow = (m_nStateFlags & delayShow) ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
    m_nStateFlags &= ~(delayHide | delayShow);
    SetWindowPos(nullptr, 0, 0, 0, 0, nShow | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    auto* lpLayout = (AFX_SIZEPARENTPARAMS*)lParam;
    RecalcDelayShow(lpLayout);
    BOOL bVisible = (lpLayout->hDWP == nullptr) ? IsVisible() : (GetStyle() & WS_VISIBLE) != 0;
    if (!bVisible || !(m_dwStyle & CBRS_ALIGN_ANY))
        return 0;
    CSize size = CalcLayoutSize(*lpLayout);
    CRect rect = TakeBarStrip(lpLayout->rect, lpLayout->sizeTotal, m_dwStyle, size);
    AfxRepositionWindow(lpLayout, m_hWnd, &rect);
    return 0;
}

void CControlBar::OnWindowPosChanging(WINDOWPOS* lpWndPos)
{
    CWnd::OnWindowPosChanging(lpWndPos);
    // The borders depend on the size and the side: recalculate the frame.
    if (!(lpWndPos->flags & SWP_NOSIZE) && (m_dwStyle & CBRS_BORDER_ANY))
        lpWndPos->flags |= SWP_FRAMECHANGED;
}

// Mouse ---------------------------------------------------------------------

void CControlBar::OnLButtonDown(UINT nFlags, CPoint pt)
{
    if (m_pDockContext != nullptr && m_pDockBar != nullptr && OnToolHitTest(pt, nullptr) == -1) {
        ClientToScreen(&pt);
        m_pDockContext->StartDrag(pt);
        return;
    }
    CWnd::OnLButtonDown(nFlags, pt);
}

void CControlBar::OnLButtonDblClk(UINT nFlags, CPoint pt)
{
    if (m_pDockContext != nullptr && m_pDockBar != nullptr && OnToolHitTest(pt, nullptr) == -1) {
        m_pDockContext->ToggleDocking();
        return;
    }
    CWnd::OnLButtonDblClk(nFlags, pt);
}

int CControlBar::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    return CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
}

int CControlBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const { return CWnd::OnToolHitTest(point, pTI); }

LRESULT CControlBar::OnHelpHitTest(WPARAM, LPARAM) { return GetDlgCtrlID(); }

// Commands and updates ----------------------------------------------------

LRESULT CControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!IsNotifyForOwner(message))
        return CWnd::WindowProc(message, wParam, lParam);
    // The bar's own map first (and the child's reflection), then the owner.
    LRESULT lResult = 0;
    if (OnWndMsg(message, wParam, lParam, &lResult))
        return lResult;
    CWnd* pOwner = GetOwner();
    if (pOwner == nullptr || pOwner == this)
        return DefWindowProc(message, wParam, lParam);
    return pOwner->SendMessage(message, wParam, lParam);
}

BOOL CControlBar::PreTranslateMessage(MSG* pMsg)
{
    // Fly-by only watches: the message goes on as it is.
    if ((m_dwStyle & CBRS_FLYBY) && !IsDockBar() && m_hWnd != nullptr) {
        switch (pMsg->message) {
        case WM_MOUSEMOVE:
            if (!(pMsg->wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)))
                ApplyFlyBy(m_flyBy.OnMove(FlyByHitAt(pMsg->pt)));
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            ApplyFlyBy(m_flyBy.OnMove(0));   // no prompt waits through a press
            break;
        }
    }
    return CWnd::PreTranslateMessage(pMsg);
}

// Fly-by ----------------------------------------------------------------------

int CControlBar::FlyByHitAt(CPoint ptScreen) const
{
    if (!(m_dwStyle & CBRS_FLYBY) || ::GetActiveWindow() == nullptr || !IsWindowVisible())
        return 0;
    HWND hWndAt = ::WindowFromPoint(ptScreen);
    if (hWndAt != m_hWnd && !::IsChild(m_hWnd, hWndAt))
        return 0;
    CPoint pt = ptScreen;
    ScreenToClient(&pt);
    const int nHit = OnToolHitTest(pt, nullptr);
    return nHit > 0 ? nHit : 0;
}

void CControlBar::ResetTimer(UINT nEvent, UINT nTime)
{
    KillTimer(kFlyByWaitTimer);
    KillTimer(kFlyByCheckTimer);
    SetTimer(nEvent, nTime, nullptr);
}

BOOL CControlBar::SetStatusText(INT_PTR nHit)
{
    CWnd* pOwner = GetOwner();
    if (pOwner == nullptr || pOwner == this)
        return FALSE;
    if (nHit == -1) {
        m_nStateFlags &= ~statusSet;
        pOwner->SendMessage(WM_POPMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    } else {
        m_nStateFlags |= statusSet;
        pOwner->SendMessage(WM_SETMESSAGESTRING, (WPARAM)nHit);
    }
    return TRUE;
}

void CControlBar::ApplyFlyBy(const CFlyBy::Step& step)
{
    if (step.nShow > 0)
        SetStatusText(step.nShow);
    if (step.bRestore)
        SetStatusText(-1);
    switch (step.timer) {
    case CFlyBy::timerKeep:
        break;
    case CFlyBy::timerStop:
        KillTimer(kFlyByWaitTimer);
        KillTimer(kFlyByCheckTimer);
        break;
    case CFlyBy::timerWait:
        ResetTimer(kFlyByWaitTimer, CFlyBy::kWaitDelay);
        break;
    case CFlyBy::timerCheck:
        ResetTimer(kFlyByCheckTimer, CFlyBy::kCheckDelay);
        break;
    }
}

void CControlBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kFlyByWaitTimer && nIDEvent != kFlyByCheckTimer) {
        CWnd::OnTimer(nIDEvent);
        return;
    }
    if (IsMousePressed()) {
        if (nIDEvent == kFlyByWaitTimer)
            ApplyFlyBy(m_flyBy.OnWaitElapsed(0));
        return;
    }
    CPoint pt;
    ::GetCursorPos(&pt);
    const int nHit = FlyByHitAt(pt);
    if (nIDEvent == kFlyByWaitTimer) {
        ApplyFlyBy(m_flyBy.OnWaitElapsed(nHit));
        return;
    }
    // Another text took the status line: it is not ours to take back.
    auto* pFrame = dynamic_cast<CFrameWnd*>(GetOwner());
    const bool bStillOurs = pFrame == nullptr || pFrame->GetLastMessageID() == (UINT)m_flyBy.GetShown();
    ApplyFlyBy(m_flyBy.OnCheck(nHit, bStillOurs));
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    if (!(GetStyle() & WS_VISIBLE))
        return 0;
    auto* pTarget = dynamic_cast<CFrameWnd*>(GetOwner());
    if (pTarget == nullptr)
        pTarget = GetParentFrame();
    if (pTarget != nullptr)
        OnUpdateCmdUI(pTarget, (BOOL)wParam);
    return 0;
}

// Up to date before it shows.
LRESULT CControlBar::OnInitialUpdate(WPARAM, LPARAM) { return OnIdleUpdateCmdUI(TRUE, 0); }

// Painting ------------------------------------------------------------------

void AfxDrawEtchedBorders(CDC* pDC, CRect& rect, DWORD dwStyle)
{
    COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    COLORREF clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    if (dwStyle & CBRS_BORDER_TOP) {
        pDC->FillSolidRect(rect.left, rect.top, rect.Width(), 1, clrShadow);
        pDC->FillSolidRect(rect.left, rect.top + 1, rect.Width(), 1, clrHilite);
    }
    if (dwStyle & CBRS_BORDER_BOTTOM) {
        pDC->FillSolidRect(rect.left, rect.bottom - 2, rect.Width(), 1, clrShadow);
        pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, clrHilite);
    }
    if (dwStyle & CBRS_BORDER_LEFT) {
        pDC->FillSolidRect(rect.left, rect.top, 1, rect.Height(), clrShadow);
        pDC->FillSolidRect(rect.left + 1, rect.top, 1, rect.Height(), clrHilite);
    }
    if (dwStyle & CBRS_BORDER_RIGHT) {
        pDC->FillSolidRect(rect.right - 2, rect.top, 1, rect.Height(), clrShadow);
        pDC->FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), clrHilite);
    }
    if (dwStyle & CBRS_BORDER_TOP)
        rect.top += kBorderLine;
    if (dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom -= kBorderLine;
    if (dwStyle & CBRS_BORDER_LEFT)
        rect.left += kBorderLine;
    if (dwStyle & CBRS_BORDER_RIGHT)
        rect.right -= kBorderLine;
}

void CControlBar::DrawBorders(CDC* pDC, CRect& rect) { AfxDrawEtchedBorders(pDC, rect, m_dwStyle); }

void CControlBar::DrawGripper(CDC* pDC, const CRect& rect)
{
    if (!(m_dwStyle & CBRS_GRIPPER) || IsFloating())
        return;
    CRect rc = rect;
    if (IsHorz())
        rc = CRect(rect.left + 2, rect.top + 1, rect.left + 5, rect.bottom - 1);
    else
        rc = CRect(rect.left + 1, rect.top + 2, rect.right - 1, rect.top + 5);
    pDC->Draw3dRect(&rc, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
}

void CControlBar::DoPaint(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    DrawGripper(pDC, rect);
}

void CControlBar::OnPaint()
{
    CPaintDC dc(this);
    DoPaint(&dc);
}

BOOL CControlBar::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

void CControlBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    CRect rect(0, 0, 0, 0);
    CalcInsideRect(rect, IsHorz());
    RECT& rc = lpncsp->rgrc[0];
    rc.left += rect.left;
    rc.top += rect.top;
    rc.right += rect.right;
    rc.bottom += rect.bottom;
    rc.right = std::max(rc.left, rc.right);
    rc.bottom = std::max(rc.top, rc.bottom);
}

void CControlBar::EraseNonClient()
{
    CWindowDC dc(this);
    CRect rectClient, rectWindow;
    GetClientRect(&rectClient);
    ClientToScreen(&rectClient);
    GetWindowRect(&rectWindow);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    dc.ExcludeClipRect(&rectClient);
    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
    dc.FillSolidRect(&rectWindow, ::GetSysColor(COLOR_BTNFACE));
    DrawBorders(&dc, rectWindow);
}

void CControlBar::OnNcPaint() { EraseNonClient(); }

HBRUSH CControlBar::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    LRESULT lResult = 0;
    if (pWnd != nullptr && ReflectLastMsg(pWnd->m_hWnd, &lResult))
        return (HBRUSH)lResult;
    // Static and button children on the bar's face.
    pDC->SetBkColor(::GetSysColor(COLOR_BTNFACE));
    pDC->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    return ::GetSysColorBrush(COLOR_BTNFACE);
}

// Bar state -----------------------------------------------------------------

void CControlBar::GetBarInfo(CControlBarInfo* pInfo)
{
    pInfo->m_pBar = this;
    pInfo->m_nBarID = (UINT)GetDlgCtrlID();
    pInfo->m_bVisible = IsVisible();
    pInfo->m_bFloating = FALSE;
    pInfo->m_bHorz = IsHorz();
    pInfo->m_bDockBar = FALSE;
    CRect rect;
    GetWindowRect(&rect);
    if (CWnd* pParent = GetParent())
        pParent->ScreenToClient(&rect);
    pInfo->m_pointPos = rect.TopLeft();
    pInfo->m_nMRUWidth = (UINT)m_nMRUWidth;
    pInfo->m_bDocking = m_pDockContext != nullptr;
    if (m_pDockContext != nullptr) {
        pInfo->m_uMRUDockID = m_pDockContext->m_uMRUDockID;
        pInfo->m_rectMRUDockPos = m_pDockContext->m_rectMRUDockPos;
        pInfo->m_dwMRUFloatStyle = m_pDockContext->m_dwMRUFloatStyle;
        pInfo->m_ptMRUFloatPos = m_pDockContext->m_ptMRUFloatPos;
    }
}

void CControlBar::SetBarInfo(CControlBarInfo* pInfo, CFrameWnd*)
{
    m_nMRUWidth = (int)pInfo->m_nMRUWidth;
    if (m_pDockContext != nullptr && pInfo->m_bDocking) {
        m_pDockContext->m_uMRUDockID = pInfo->m_uMRUDockID;
        m_pDockContext->m_rectMRUDockPos = pInfo->m_rectMRUDockPos;
        m_pDockContext->m_dwMRUFloatStyle = pInfo->m_dwMRUFloatStyle;
        m_pDockContext->m_ptMRUFloatPos = pInfo->m_ptMRUFloatPos;
    }
    UINT nFlags = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | (pInfo->m_bVisible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
    if (pInfo->m_pointPos.x == -1 && pInfo->m_pointPos.y == -1)
        nFlags |= SWP_NOMOVE;
    m_nStateFlags &= ~(delayHide | delayShow);
    SetWindowPos(nullptr, pInfo->m_pointPos.x, pInfo->m_pointPos.y, 0, 0, nFlags);
}
