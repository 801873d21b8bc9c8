#include "framework/Framework.h"
#include "ui/frames/SECControlBar.h"
#include "ui/frames/SECControlBarInfo.h"
#include "ui/frames/SECDockBar.h"
#include "ui/frames/SECDockContext.h"

#include <algorithm>

int g_nSECDockRedrawLock = 1;

namespace {

CString LoadOr(UINT nID, LPCTSTR pszDefault)
{
    CString str;
    if (!str.LoadString(nID))
        str = pszDefault;
    return str;
}

constexpr int kButtonSize = 10;
constexpr UINT kHideToolID = 1024;
constexpr UINT kExpandToolID = 2048;

} // namespace

SECGripperInfo::SECGripperInfo()
    : m_strHideTip(LoadOr(IDS_SEC_HIDE_DOCKED, "Hide docked window")),
      m_strExpandTip(LoadOr(IDS_SEC_EXPAND_DOCKED, "Expand docked window")),
      m_strContractTip(LoadOr(IDS_SEC_CONTRACT_DOCKED, "Contract docked window"))
{
}

IMPLEMENT_DYNAMIC(SECControlBar, CControlBar)

BEGIN_MESSAGE_MAP(SECControlBar, CControlBar)
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_WM_NCPAINT()
    ON_WM_NCCALCSIZE()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_CONTEXTMENU()
    ON_COMMAND(ID_SEC_ALLOW_DOCKING, OnAllowDocking)
    ON_COMMAND(ID_SEC_HIDE, OnHide)
    ON_COMMAND(ID_SEC_FLOAT_IN_MAIN_WND, OnFloatInMainWnd)
END_MESSAGE_MAP()

const CSize SECControlBar::kDefaultSize(300, 180);

SECControlBar::SECControlBar() = default;
SECControlBar::~SECControlBar() = default;

BOOL SECControlBar::Create(CWnd* pParentWnd, LPCTSTR lpszWindowName, DWORD dwStyle, DWORD dwExStyle, UINT nID,
                           CCreateContext* pContext)
{
    return CreateEx(nullptr, lpszWindowName, nID, dwStyle, dwExStyle, CRect(0, 0, 0, 0), pParentWnd, pContext);
}

BOOL SECControlBar::CreateEx(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, UINT nID, DWORD dwStyle,
                             DWORD dwExStyle, const RECT& rect, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    m_dwExStyle = dwExStyle;
    if (lpszClassName == nullptr) {
        AfxDeferRegisterClass(AFX_WNDCONTROLBAR_REG);
        lpszClassName = _afxWndControlBar;
    }
    // The bar style bits are not window styles (CBRS_GRIPPER would be WS_DLGFRAME).
    DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | WS_CHILD;
    if (!CWnd::Create(lpszClassName, lpszWindowName, dwWndStyle, rect, pParentWnd, nID, pContext))
        return FALSE;
    if (m_dwExStyle & EXSTYLE_SCALE_CHILDREN)
        RecordChildRects();
    m_szFloat = m_szHorz = m_szVert = kDefaultSize;
    EnableToolTips();
    return TRUE;
}

CDockContext* SECControlBar::CreateDockContext() { return new SECDockContext(this); }

void SECControlBar::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle;
    if (m_pDockContext == nullptr)
        m_pDockContext = CreateDockContext();
    m_pDockContext->m_dwDockStyle = dwDockStyle;
    if (m_hWndOwner == nullptr)
        m_hWndOwner = ::GetParent(m_hWnd);
}

// Sizes ---------------------------------------------------------------------

CSize SECControlBar::CalcFixedLayout(BOOL, BOOL bHorz) { return bHorz ? m_szHorz : m_szVert; }

CSize SECControlBar::CalcDynamicLayout(int nLength, DWORD nMode)
{
    BarSizes sizes{m_szHorz, m_szVert, m_szFloat, m_nMRUWidth};
    CSize size = CalcBarDynamicLayout(sizes, nLength, nMode, m_fPctWidth);
    m_szHorz = sizes.szHorz;
    m_szVert = sizes.szVert;
    m_szFloat = sizes.szFloat;
    m_nMRUWidth = sizes.nMRUWidth;
    if (nMode & (LM_HORZDOCK | LM_VERTDOCK))
        return CalcFixedLayout(nMode & LM_STRETCH, (nMode & LM_HORZ) != 0);
    return size;
}

// Extended style ------------------------------------------------------------

void SECControlBar::SetExtendedStyle(DWORD dwExStyle, BOOL bRedraw)
{
    DWORD dwOld = m_dwExStyle;
    if (IsFloating()) {
        if (CWnd* pFrame = GetParentFrame()) {
            if (dwExStyle & EXSTYLE_FIXED_SIZE)
                pFrame->ModifyStyle(WS_THICKFRAME, 0, SWP_FRAMECHANGED);
            else
                pFrame->ModifyStyle(0, WS_THICKFRAME, SWP_FRAMECHANGED);
        }
    }
    if ((dwExStyle & EXSTYLE_SCALE_CHILDREN) && !(dwOld & EXSTYLE_SCALE_CHILDREN))
        RecordChildRects();
    if (!(dwExStyle & EXSTYLE_SCALE_CHILDREN))
        m_pChildRects.reset();
    // Stored before the frame is recalculated, which reads it.
    m_dwExStyle = dwExStyle;
    if (dwOld != dwExStyle && bRedraw && m_hWnd != nullptr)
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void SECControlBar::ModifyExtendedStyle(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw)
{
    SetExtendedStyle((m_dwExStyle & ~dwRemove) | dwAdd, bRedraw);
}

// Children ------------------------------------------------------------------

void SECControlBar::RecordChildRects()
{
    auto rects = std::make_unique<std::vector<std::pair<HWND, CRect>>>();
    CRect rcClient;
    GetClientRect(&rcClient);
    rects->emplace_back(nullptr, rcClient);
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        CRect rc;
        ::GetWindowRect(hChild, &rc);
        ScreenToClient(&rc);
        rects->emplace_back(hChild, rc);
    }
    m_pChildRects = std::move(rects);
}

void SECControlBar::LayoutChildren(int cx, int cy)
{
    ChildAreaInput in;
    in.sizeClient = CSize(cx, cy);
    in.dwExStyle = m_dwExStyle;
    in.bDocked = IsDocked();
    in.bHorz = IsHorz();
    in.rcBorder = m_rcBorder;
    CRect area = CalcChildArea(in);
    const bool bQuiet = g_nSECDockRedrawLock > 0;
    UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE | (bQuiet ? SWP_NOREDRAW : 0);
    // Children moved without redrawing still get painted with the bar's next paint.
    struct RepaintLater
    {
        HWND hWnd;
        bool bQuiet;
        ~RepaintLater()
        {
            if (bQuiet)
                ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
        }
    } repaint{m_hWnd, bQuiet};

    if ((m_dwExStyle & EXSTYLE_SCALE_CHILDREN) && m_pChildRects && !m_pChildRects->empty()) {
        CSize sizeRecorded = m_pChildRects->front().second.Size();
        HDWP hDWP = ::BeginDeferWindowPos((int)m_pChildRects->size());
        for (size_t i = 1; i < m_pChildRects->size() && hDWP != nullptr; i++) {
            const auto& child = (*m_pChildRects)[i];
            if (!::IsWindow(child.first))
                continue;
            CRect rc = ScaleChildRect(child.second, sizeRecorded, area.Size(), area.TopLeft());
            if (m_dwExStyle & EXSTYLE_BORDER_SPACE)
                rc.OffsetRect(m_rcBorder.left, m_rcBorder.top);
            hDWP = ::DeferWindowPos(hDWP, child.first, nullptr, rc.left, rc.top, rc.Width(), rc.Height(), nFlags);
        }
        if (hDWP != nullptr)
            ::EndDeferWindowPos(hDWP);
        if (IsFloating())
            Invalidate();
        return;
    }
    if (m_dwExStyle & EXSTYLE_FILL_CHILD) {
        HWND hChild = ::GetWindow(m_hWnd, GW_CHILD);
        if (hChild != nullptr)
            ::SetWindowPos(hChild, nullptr, area.left, area.top, area.Width(), area.Height(), nFlags);
    }
}

// Docked and floating bars give their children different areas (the
// gripper), also when the size stays.
void SECControlBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle)
{
    CControlBar::OnBarStyleChange(dwOldStyle, dwNewStyle);
    if (m_hWnd == nullptr || !((dwOldStyle ^ dwNewStyle) & (CBRS_FLOATING | CBRS_ALIGN_ANY)))
        return;
    CRect rect;
    GetClientRect(&rect);
    if (rect.Width() > 0 && rect.Height() > 0)
        LayoutChildren(rect.Width(), rect.Height());
    Invalidate();
}

void SECControlBar::OnSize(UINT nType, int cx, int cy)
{
    CControlBar::OnSize(nType, cx, cy);
    if (nType == SIZE_MINIMIZED || cx == 0 || cy == 0)
        return;
    LayoutChildren(cx, cy);
}

void SECControlBar::OnDestroy()
{
    if (m_pDockBar != nullptr && dynamic_cast<SECDockBar*>(m_pDockBar) != nullptr) {
        CPtrArray& arr = m_pDockBar->m_arrBars;
        for (int i = arr.GetSize() - 1; i > 0; i--) {
            if (arr[i] == this)
                DockArray::RemoveAt(arr, i, 0);
        }
    }
    m_pChildRects.reset();
    if (CFrameWnd* pFrame = GetDockingFrame())
        pFrame->DelayRecalcLayout();
    CControlBar::OnDestroy();
}

// Insides and borders -------------------------------------------------------

void SECControlBar::GetInsideRect(CRect& rect)
{
    GetClientRect(&rect);
    if ((m_dwExStyle & EXSTYLE_GRIPPER) && IsDocked()) {
        int nInset = m_gripper.m_nInset;
        if (IsHorz())
            rect = CRect(rect.left + m_gripper.GetWidth(), rect.top + nInset, rect.right - nInset, rect.bottom - nInset);
        else
            rect = CRect(rect.left + nInset, rect.top + m_gripper.GetHeight(), rect.right - nInset, rect.bottom - nInset);
        return;
    }
    if (m_dwExStyle & EXSTYLE_BORDER_SPACE)
        rect.DeflateRect(&m_rcBorder);
}

void SECControlBar::AddGripperSize(CRect& rect, BOOL bHorz)
{
    if (bHorz)
        rect.left += m_gripper.GetWidth();
    else
        rect.top += m_gripper.GetHeight();
}

void SECControlBar::CalcInsideRect(CRect& rect, BOOL bHorz, BOOL bVertGripper) const
{
    if (!(m_dwExStyle & EXSTYLE_FLAT_BORDERS)) {
        CControlBar::CalcInsideRect(rect, bHorz);
        return;
    }
    DWORD dwStyle = m_dwStyle;
    if (dwStyle & CBRS_BORDER_LEFT)
        rect.left++;
    if (dwStyle & CBRS_BORDER_TOP)
        rect.top++;
    if (dwStyle & CBRS_BORDER_RIGHT)
        rect.right--;
    if (dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom--;
    bool bGripper = (m_dwExStyle & EXSTYLE_GRIPPER) && IsDocked();
    if (bHorz) {
        rect.left += bGripper ? m_gripper.GetWidth() : m_cxLeftBorder;
        rect.top += m_cyTopBorder;
        rect.right -= m_cxRightBorder;
        rect.bottom -= m_cyBottomBorder;
    } else {
        // The borders turned a quarter.
        rect.left += m_cyTopBorder;
        rect.right -= m_cyBottomBorder;
        rect.bottom -= m_cxRightBorder;
        rect.top += (bVertGripper && bGripper) ? m_gripper.GetHeight() : m_cxLeftBorder;
    }
}

// The non-client frame holds the border lines only; the gripper is drawn in
// the client area, which GetInsideRect keeps free of children.
void SECControlBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    const CRect rcBorders = NonClientBorders();
    RECT& rc = lpncsp->rgrc[0];
    rc.left += rcBorders.left;
    rc.top += rcBorders.top;
    rc.right -= rcBorders.right;
    rc.bottom -= rcBorders.bottom;
    rc.right = std::max(rc.left, rc.right);
    rc.bottom = std::max(rc.top, rc.bottom);
}

CRect SECControlBar::NonClientBorders() const
{
    const int n = (m_dwExStyle & EXSTYLE_FLAT_BORDERS) ? 1 : 2;
    return CRect((m_dwStyle & CBRS_BORDER_LEFT) ? n : 0, (m_dwStyle & CBRS_BORDER_TOP) ? n : 0,
                 (m_dwStyle & CBRS_BORDER_RIGHT) ? n : 0, (m_dwStyle & CBRS_BORDER_BOTTOM) ? n : 0);
}

void SECControlBar::DrawBorders(CDC* pDC, CRect& rect)
{
    DWORD dwStyle = m_dwStyle;
    if (!(dwStyle & CBRS_BORDER_ANY))
        return;
    if (m_dwExStyle & EXSTYLE_FLAT_BORDERS) {
        if (dwStyle & CBRS_BORDER_LEFT)
            rect.left++;
        if (dwStyle & CBRS_BORDER_TOP)
            rect.top++;
        if (dwStyle & CBRS_BORDER_RIGHT)
            rect.right--;
        if (dwStyle & CBRS_BORDER_BOTTOM)
            rect.bottom--;
        return;
    }
    bool bDark = (m_dwExStyle & EXSTYLE_DARK_BORDERS) != 0;
    COLORREF clrDark = ::GetSysColor(bDark ? COLOR_BTNSHADOW : COLOR_BTNFACE);
    COLORREF clrLight = ::GetSysColor(bDark ? COLOR_BTNHIGHLIGHT : COLOR_BTNFACE);
    bool b3d = (dwStyle & CBRS_BORDER_3D) != 0;
    int w = rect.Width(), h = rect.Height();
    if (dwStyle & CBRS_BORDER_LEFT) {
        pDC->FillSolidRect(rect.left, rect.top, 1, h, clrDark);
        if (b3d)
            pDC->FillSolidRect(rect.left + 1, rect.top, 1, h, clrLight);
    }
    if (dwStyle & CBRS_BORDER_TOP) {
        pDC->FillSolidRect(rect.left, rect.top, w, 1, clrDark);
        if (b3d)
            pDC->FillSolidRect(rect.left, rect.top + 1, w, 1, clrLight);
    }
    if (dwStyle & CBRS_BORDER_RIGHT) {
        pDC->FillSolidRect(rect.right - 1, rect.top, 1, h, clrDark);
        if (b3d)
            pDC->FillSolidRect(rect.right - 2, rect.top, 1, h, clrLight);
    }
    if (dwStyle & CBRS_BORDER_BOTTOM) {
        pDC->FillSolidRect(rect.left, rect.bottom - 1, w, 1, clrDark);
        if (b3d)
            pDC->FillSolidRect(rect.left, rect.bottom - 2, w, 1, clrLight);
    }
    const int nBorder = 2;
    if (dwStyle & CBRS_BORDER_LEFT)
        rect.left += nBorder;
    if (dwStyle & CBRS_BORDER_TOP)
        rect.top += nBorder;
    if (dwStyle & CBRS_BORDER_RIGHT)
        rect.right -= nBorder;
    if (dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom -= nBorder;
}

void SECControlBar::OnNcPaint()
{
    CWindowDC dc(this);
    CRect rcWindow, rcClient;
    GetWindowRect(&rcWindow);
    GetClientRect(&rcClient);
    ClientToScreen(&rcClient);
    rcClient.OffsetRect(-rcWindow.left, -rcWindow.top);
    rcWindow.OffsetRect(-rcWindow.left, -rcWindow.top);
    dc.ExcludeClipRect(&rcClient);
    dc.FillSolidRect(&rcWindow, ::GetSysColor(COLOR_BTNFACE));
    DrawBorders(&dc, rcWindow);
}

BOOL SECControlBar::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

void SECControlBar::DoPaint(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    DrawGripper(pDC, rect);
    if (m_hWndRedraw != nullptr)
        ::RedrawWindow(m_hWndRedraw, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// Gripper and its buttons ---------------------------------------------------

void SECControlBar::UpdateExpandState(BOOL bHorz)
{
    m_bExpandHorz = bHorz;
    auto* pDockBar = dynamic_cast<SECDockBar*>(m_pDockBar);
    if (pDockBar == nullptr)
        return;
    m_bExpanded = pDockBar->IsBarExpanded(this);
    m_bExpandEnabled = !pDockBar->IsBarAloneInRow(this);
}

void SECControlBar::DrawGripper(CDC* pDC, const CRect& rect)
{
    if (!(m_dwExStyle & EXSTYLE_GRIPPER) || !IsDocked())
        return;
    const BOOL bHorz = IsHorz();
    const int nInset = m_gripper.m_nInset;
    CRect strip = bHorz ? CRect(rect.left + 1, rect.top + 1 + nInset, rect.left + 1 + m_gripper.GetWidth(),
                                rect.bottom - 1 - nInset)
                        : CRect(rect.left + 1 + nInset, rect.top + 1, rect.right - 1 - nInset,
                                rect.top + 1 + m_gripper.GetHeight());
    CRect rcButtons = strip;
    if (m_dwExStyle & EXSTYLE_HIDE_BUTTON)
        DrawHideButton(pDC, rcButtons, bHorz);
    if (m_dwExStyle & EXSTYLE_EXPAND_BUTTON)
        DrawExpandButton(pDC, rcButtons, bHorz);
    COLORREF clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT), clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    for (int nOffset : {kGripperLead, kGripperLead + kGripperBar + kGripperGap}) {
        CRect bar = bHorz ? CRect(strip.left + nOffset, rcButtons.top, strip.left + nOffset + kGripperBar, strip.bottom)
                          : CRect(strip.left, strip.top + nOffset, rcButtons.right, strip.top + nOffset + kGripperBar);
        if (bar.Width() > 0 && bar.Height() > 0)
            pDC->Draw3dRect(&bar, clrHilite, clrShadow);
    }
}

// Each button takes its square off the strip's far end (the top of a
// horizontal bar's strip, the right of a vertical one's); rect keeps what is left.
void SECControlBar::DrawHideButton(CDC* pDC, CRect& rect, BOOL bHorz)
{
    if (bHorz) {
        m_rcHideBtn = CRect(rect.left + 3, rect.top + 2, rect.left + 3 + kButtonSize, rect.top + 2 + kButtonSize);
        rect.top = m_rcHideBtn.bottom + 1;
    } else {
        m_rcHideBtn = CRect(rect.right - 2 - kButtonSize, rect.top + 3, rect.right - 2, rect.top + 3 + kButtonSize);
        rect.right = m_rcHideBtn.left - 1;
    }
    if (m_bHidePressed)
        DrawHideButtonPressed(pDC);
    else
        DrawHideButtonNormal(pDC);
}

void SECControlBar::DrawHideButtonPressed(CDC* pDC)
{
    CRect rc = m_rcHideBtn;
    ::DrawFrameControl(pDC->m_hDC, &rc, DFC_CAPTION, DFCS_CAPTIONCLOSE | DFCS_PUSHED);
}

void SECControlBar::DrawHideButtonNormal(CDC* pDC)
{
    CRect rc = m_rcHideBtn;
    ::DrawFrameControl(pDC->m_hDC, &rc, DFC_CAPTION, DFCS_CAPTIONCLOSE);
}

void SECControlBar::DrawExpandButton(CDC* pDC, CRect& rect, BOOL bHorz)
{
    UpdateExpandState(bHorz);
    if (bHorz) {
        m_rcExpandBtn = CRect(rect.left + 3, rect.top + 1, rect.left + 3 + kButtonSize, rect.top + 1 + kButtonSize);
        rect.top = m_rcExpandBtn.bottom + 1;
    } else {
        m_rcExpandBtn = CRect(rect.right - 1 - kButtonSize, rect.top + 3, rect.right - 1, rect.top + 3 + kButtonSize);
        rect.right = m_rcExpandBtn.left - 1;
    }
    if (m_bExpandPressed)
        DrawExpandButtonPressed(pDC);
    else
        DrawExpandButtonNormal(pDC);
}

namespace {

UINT ExpandArrow(BOOL bHorz, BOOL bExpanded)
{
    if (bHorz)
        return bExpanded ? DFCS_SCROLLRIGHT : DFCS_SCROLLLEFT;
    return bExpanded ? DFCS_SCROLLDOWN : DFCS_SCROLLUP;
}

} // namespace

void SECControlBar::DrawExpandButtonPressed(CDC* pDC)
{
    CRect rc = m_rcExpandBtn;
    ::DrawFrameControl(pDC->m_hDC, &rc, DFC_SCROLL, ExpandArrow(m_bExpandHorz, m_bExpanded) | DFCS_PUSHED);
}

void SECControlBar::DrawExpandButtonNormal(CDC* pDC)
{
    CRect rc = m_rcExpandBtn;
    ::DrawFrameControl(pDC->m_hDC, &rc, DFC_SCROLL,
                       ExpandArrow(m_bExpandHorz, m_bExpanded) | (m_bExpandEnabled ? 0 : DFCS_INACTIVE));
}

void SECControlBar::PaintGripper()
{
    CClientDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    DrawGripper(&dc, rect);
}

BOOL SECControlBar::IsOnHideButton(CPoint pt) const
{
    return (m_dwExStyle & EXSTYLE_HIDE_BUTTON) && m_rcHideBtn.PtInRect(pt);
}

BOOL SECControlBar::IsOnExpandButton(CPoint pt) const
{
    return (m_dwExStyle & EXSTYLE_EXPAND_BUTTON) && m_bExpandEnabled && m_rcExpandBtn.PtInRect(pt);
}

// Mouse ---------------------------------------------------------------------

void SECControlBar::OnLButtonDown(UINT nFlags, CPoint pt)
{
    if (IsDocked()) {
        if (IsOnHideButton(pt) && CanHide()) {
            m_bHidePressed = TRUE;
            PaintGripper();
            SetCapture();
            return;
        }
        if (IsOnExpandButton(pt) && CanExpand()) {
            m_bExpandPressed = TRUE;
            PaintGripper();
            SetCapture();
            return;
        }
    }
    if (m_bHidePressed || m_bExpandPressed) {
        m_bHidePressed = m_bExpandPressed = FALSE;
        PaintGripper();
    }
    if (GetMDIFloatingFrame() != nullptr) {
        Default();
        return;
    }
    CControlBar::OnLButtonDown(nFlags, pt);
}

void SECControlBar::OnLButtonUp(UINT, CPoint pt)
{
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    BOOL bHide = m_bHidePressed && IsOnHideButton(pt);
    BOOL bExpand = m_bExpandPressed && IsOnExpandButton(pt);
    BOOL bWasPressed = m_bHidePressed || m_bExpandPressed;
    m_bHidePressed = m_bExpandPressed = FALSE;
    if (bWasPressed)
        PaintGripper();
    if (bHide) {
        SendMessage(WM_COMMAND, ID_SEC_HIDE);
        return;
    }
    if (bExpand) {
        if (auto* pDockBar = dynamic_cast<SECDockBar*>(m_pDockBar))
            pDockBar->ExpandBar(this, m_bExpanded ? 2 : 1);
        return;
    }
    Default();
}

void SECControlBar::OnLButtonDblClk(UINT nFlags, CPoint pt)
{
    if (IsOnHideButton(pt) || IsOnExpandButton(pt))
        return;
    if (GetMDIFloatingFrame() != nullptr) {
        Default();
        return;
    }
    CControlBar::OnLButtonDblClk(nFlags, pt);
}

int SECControlBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    if (!(m_dwStyle & CBRS_TOOLTIPS))
        return -1;
    int nHit = CControlBar::OnToolHitTest(point, pTI);
    if (nHit != -1 || !IsDocked())
        return nHit;
    const CString* pText = nullptr;
    CRect rc;
    UINT nTool = 0;
    if (IsOnHideButton(point)) {
        pText = &m_gripper.m_strHideTip;
        rc = m_rcHideBtn;
        nTool = kHideToolID;
    } else if ((m_dwExStyle & EXSTYLE_EXPAND_BUTTON) && m_rcExpandBtn.PtInRect(point)) {
        pText = m_bExpanded ? &m_gripper.m_strContractTip : &m_gripper.m_strExpandTip;
        rc = m_rcExpandBtn;
        nTool = kExpandToolID;
    } else {
        return -1;
    }
    if (pTI != nullptr) {
        pTI->hwnd = m_hWnd;
        pTI->uId = nTool;
        pTI->rect = rc;
        pTI->lpszText = (LPSTR)(LPCTSTR)*pText;
    }
    return (int)nTool;
}

// Context menu and its commands ---------------------------------------------

void SECControlBar::OnContextMenu(CWnd*, CPoint pt)
{
    if (!(m_dwExStyle & EXSTYLE_CONTEXT_MENU)) {
        Default();
        return;
    }
    CMenu menu;
    if (!menu.CreatePopupMenu())
        return;
    menu.AppendMenu(MF_STRING | ((m_dwDockStyle & CBRS_ALIGN_ANY) ? MF_CHECKED : 0), ID_SEC_ALLOW_DOCKING,
                    "Allow Docking");
    menu.AppendMenu(MF_STRING, ID_SEC_HIDE, "Hide");
    OnBuildContextMenu(&menu);
    if (CFrameWnd* pFrame = GetDockingFrame())
        pFrame->SendMessage(WM_SEC_EXTEND_CONTEXT_MENU, (WPARAM)this, (LPARAM)&menu);
    if (pt.x == -1 && pt.y == -1) {
        CRect rc;
        GetClientRect(&rc);
        pt = CPoint(rc.Width() / 4, 10);
        ClientToScreen(&pt);
    }
    menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, pt.x, pt.y, this);
}

void SECControlBar::OnAllowDocking()
{
    if (m_dwDockStyle & CBRS_ALIGN_ANY) {
        m_dwMRUDockingState = m_dwDockStyle;
        if (IsDocked() && m_pDockContext != nullptr)
            m_pDockContext->ToggleDocking();
        EnableDocking(0);
        return;
    }
    EnableDocking(m_dwMRUDockingState);
}

void SECControlBar::OnHide()
{
    if (CFrameWnd* pFrame = GetDockingFrame())
        pFrame->ShowControlBar(this, FALSE, FALSE);
}

void SECControlBar::OnFloatInMainWnd()
{
    if (auto* pContext = dynamic_cast<SECDockContext*>(m_pDockContext))
        pContext->ToggleMDIFloat();
}

// Position and bar information ----------------------------------------------

BOOL SECControlBar::GetDockPosition(int& nRow, int& nCol, UINT& nDockBarID, float& fPctWidth) const
{
    if (m_pDockBar == nullptr)
        return FALSE;
    const CPtrArray& arr = m_pDockBar->m_arrBars;
    int nPos = DockArray::Find(arr, this);
    if (nPos <= 0)
        return FALSE;
    nRow = -1;
    for (int i = 0; i < nPos; i++)
        nRow += arr[i] == nullptr ? 1 : 0;
    nCol = 0;
    for (int i = DockArray::RowStart(arr, nPos); i < nPos; i++)
        nCol += DockArray::IsBar(arr[i]) ? 1 : 0;
    nDockBarID = (UINT)m_pDockBar->GetDlgCtrlID();
    fPctWidth = m_fPctWidth;
    return TRUE;
}

CWnd* SECControlBar::GetMDIFloatingFrame() const
{
    auto* pDockBar = dynamic_cast<SECDockBar*>(m_pDockBar);
    return pDockBar != nullptr ? pDockBar->m_pMDIChild : nullptr;
}

void SECControlBar::GetExtendedBarInfo(SECControlBarInfo* pInfo)
{
    GetBarInfo(pInfo);
    pInfo->m_szHorz = m_szHorz;
    pInfo->m_szVert = m_szVert;
    pInfo->m_szFloat = m_szFloat;
    pInfo->m_dwMRUDockingState = m_dwMRUDockingState;
    pInfo->m_dwDockStyle = m_dwDockStyle;
    pInfo->m_fPctWidth = m_fPctWidth;
    pInfo->m_dwStyle = m_dwStyle;
    pInfo->m_dwExStyle = m_dwExStyle;
    if (auto* pContext = dynamic_cast<SECDockContext*>(m_pDockContext))
        pInfo->m_bPrevFloating = pContext->m_bPrevFloating;
    pInfo->m_strClassName = GetRuntimeClass()->m_lpszClassName;
    GetWindowText(pInfo->m_strWindowName);
    OnGetExtendedBarInfo(pInfo);
}

void SECControlBar::SetExtendedBarInfo(SECControlBarInfo* pInfo, CFrameWnd* pFrameWnd)
{
    m_szHorz = CSize(std::max<LONG>(0, pInfo->m_szHorz.cx), std::max<LONG>(0, pInfo->m_szHorz.cy));
    m_szVert = CSize(std::max<LONG>(0, pInfo->m_szVert.cx), std::max<LONG>(0, pInfo->m_szVert.cy));
    m_szFloat = CSize(std::max<LONG>(0, pInfo->m_szFloat.cx), std::max<LONG>(0, pInfo->m_szFloat.cy));
    m_dwMRUDockingState = pInfo->m_dwMRUDockingState;
    m_dwDockStyle = pInfo->m_dwDockStyle;
    m_fPctWidth = std::max(0.0f, pInfo->m_fPctWidth);
    SetBarStyle(pInfo->m_dwStyle);
    m_dwExStyle = pInfo->m_dwExStyle;
    if (auto* pContext = dynamic_cast<SECDockContext*>(m_pDockContext))
        pContext->m_bPrevFloating = pInfo->m_bPrevFloating;
    if (pInfo->m_pInfoEx != nullptr)
        OnSetExtendedBarInfo(pInfo, pFrameWnd);
    CControlBar::SetBarInfo(pInfo, pFrameWnd);
}
