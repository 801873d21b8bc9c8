#include "framework/Framework.h"
#include "ui/frames/SECStatusBar.h"

#include <commctrl.h>

IMPLEMENT_DYNAMIC(SECStatusBar, SECControlBar)

BEGIN_MESSAGE_MAP(SECStatusBar, SECControlBar)
    ON_WM_NCHITTEST()
    ON_WM_NCCALCSIZE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_WINDOWPOSCHANGING()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_MESSAGE(WM_GETTEXT, OnGetText)
    ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
    ON_MESSAGE(SB_SETMINHEIGHT, OnSetMinHeight)
END_MESSAGE_MAP()

SECStatusBar::SECStatusBar() = default;
SECStatusBar::~SECStatusBar() { DestroyWindow(); }

BOOL SECStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) { return CreateEx(pParentWnd, 0, dwStyle, nID); }

BOOL SECStatusBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER | CCS_NORESIZE;
    if (pParentWnd != nullptr && (pParentWnd->GetStyle() & WS_THICKFRAME))
        dwWndStyle |= SBARS_SIZEGRIP;
    AfxDeferRegisterClass(AFX_WNDCOMMCTLS_REG);
    CRect rect(0, 0, 0, 0);
    return CWnd::Create(STATUSCLASSNAMEA, nullptr, dwWndStyle, rect, pParentWnd, nID);
}

BOOL SECStatusBar::PreCreateWindow(CREATESTRUCT& cs)
{
    // The new shell's status bar has no line above it.
    if ((m_dwStyle & (CBRS_ALIGN_ANY | CBRS_BORDER_ANY)) == CBRS_BOTTOM)
        m_dwStyle &= ~(CBRS_BORDER_ANY | CBRS_BORDER_3D);
    return SECControlBar::PreCreateWindow(cs);
}

StatusBorders SECStatusBar::GetBorders() const
{
    int rg[3] = {0, 0, 0};
    ::SendMessageA(m_hWnd, SB_GETBORDERS, 0, (LPARAM)rg);
    StatusBorders borders;
    borders.nHorz = rg[0];
    borders.nVert = rg[1];
    borders.nSpacing = rg[2];
    return borders;
}

// Panes ---------------------------------------------------------------------

BOOL SECStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    m_panes.assign((size_t)std::max(0, nIDCount), SECStatusPane());
    m_nCount = (int)m_panes.size();
    if (lpIDArray == nullptr) {
        UpdateAllPanes(TRUE, TRUE);
        return TRUE;
    }
    BOOL bResult = TRUE;
    HDC hDC = ::GetDC(nullptr);
    HGDIOBJ hOldFont = nullptr;
    if (HFONT hFont = (HFONT)::SendMessageA(m_hWnd, WM_GETFONT, 0, 0))
        hOldFont = ::SelectObject(hDC, hFont);
    for (int i = 0; i < nIDCount; i++) {
        SECStatusPane& pane = m_panes[i];
        pane.nFlags |= SBPF_UPDATE;
        pane.nID = lpIDArray[i];
        if (pane.nID == 0) {
            pane.cxText = ::GetSystemMetrics(SM_CXSCREEN) / 4;
            if (i == 0)
                pane.nStyle |= SBPS_NOBORDERS | SBPS_STRETCH;
            continue;
        }
        CString strText;
        if (!strText.LoadString(pane.nID))
            strText = "  ";
        SIZE size = {0, 0};
        ::GetTextExtentPoint32A(hDC, strText, strText.GetLength(), &size);
        pane.cxText = size.cx;
        if (!SetPaneText(i, strText, FALSE)) {
            bResult = FALSE;
            break;
        }
    }
    if (hOldFont != nullptr)
        ::SelectObject(hDC, hOldFont);
    ::ReleaseDC(nullptr, hDC);
    UpdateAllPanes(TRUE, TRUE);
    return bResult;
}

int SECStatusBar::CommandToIndex(UINT nID) const
{
    for (size_t i = 0; i < m_panes.size(); i++) {
        if (m_panes[i].nID == nID)
            return (int)i;
    }
    return -1;
}

void SECStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (!::SendMessageA(m_hWnd, SB_GETRECT, (WPARAM)nIndex, (LPARAM)lpRect))
        ::SetRectEmpty(lpRect);
}

void SECStatusBar::SetPaneStyle(int nIndex, UINT nStyle)
{
    SECStatusPane& pane = m_panes[nIndex];
    if (pane.nStyle == nStyle)
        return;
    bool bStretchChanged = ((pane.nStyle ^ nStyle) & SBPS_STRETCH) != 0;
    pane.nStyle = nStyle;
    if (bStretchChanged) {
        UpdateAllPanes(TRUE, FALSE);
        return;
    }
    pane.nFlags |= SBPF_UPDATE;
    SendPaneText(nIndex);
}

void SECStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const
{
    const SECStatusPane& pane = m_panes[nIndex];
    nID = pane.nID;
    nStyle = pane.nStyle;
    cxWidth = pane.cxText;
}

void SECStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth)
{
    SECStatusPane& pane = m_panes[nIndex];
    pane.nID = nID;
    bool bRelayout = ((pane.nStyle ^ nStyle) & SBPS_STRETCH) != 0 || cxWidth != pane.cxText;
    bool bStyleChanged = pane.nStyle != nStyle;
    pane.cxText = cxWidth;
    pane.nStyle = nStyle;
    if (bRelayout)
        UpdateAllPanes(TRUE, FALSE);
    if (bStyleChanged) {
        pane.nFlags |= SBPF_UPDATE;
        SendPaneText(nIndex);
    }
}

BOOL SECStatusBar::SetPaneWidth(int nIndex, int cxWidth)
{
    m_panes[nIndex].cxText = cxWidth;
    UpdateAllPanes(TRUE, FALSE);
    return TRUE;
}

BOOL SECStatusBar::SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate)
{
    if (nIndex < 0 || nIndex >= (int)m_panes.size())
        return FALSE;
    SECStatusPane& pane = m_panes[nIndex];
    bool bSame = lpszNewText != nullptr ? pane.strText == lpszNewText : pane.strText.IsEmpty();
    if (!(pane.nFlags & SBPF_UPDATE) && bSame)
        return TRUE;
    try {
        pane.strText = lpszNewText != nullptr ? lpszNewText : "";
    } catch (...) {
        return FALSE;
    }
    if (!bUpdate) {
        pane.nFlags |= SBPF_UPDATE;
        return TRUE;
    }
    return SendPaneText(nIndex);
}

BOOL SECStatusBar::SendPaneText(int nIndex)
{
    SECStatusPane& pane = m_panes[nIndex];
    pane.nFlags &= ~SBPF_UPDATE;
    if (m_hWnd == nullptr)
        return TRUE;
    LPCTSTR pszText = (pane.nStyle & SBPS_DISABLED) ? nullptr : (LPCTSTR)pane.strText;
    DefWindowProc(SB_SETTEXT, (WPARAM)((pane.nStyle & 0xFFFF) | (UINT)nIndex), (LPARAM)pszText);
    return TRUE;
}

void SECStatusBar::UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText)
{
    if (m_hWnd == nullptr)
        return;
    if (bUpdateRects) {
        CRect rect;
        GetWindowRect(&rect);
        rect.OffsetRect(-rect.left, -rect.top);
        CalcInsideRect(rect, TRUE);
        StatusBorders borders = GetBorders();
        std::vector<PaneSpec> specs;
        for (const SECStatusPane& pane : m_panes)
            specs.push_back({pane.cxText, pane.nStyle});
        std::vector<int> rights = LayoutPaneRights(specs, rect.left, rect.Width(), borders.nSpacing);
        if (!rights.empty())
            DefWindowProc(SB_SETPARTS, rights.size(), (LPARAM)rights.data());
    }
    if (bUpdateText) {
        for (size_t i = 0; i < m_panes.size(); i++) {
            if (m_panes[i].nFlags & SBPF_UPDATE)
                SendPaneText((int)i);
        }
    }
}

// Layout --------------------------------------------------------------------

void SECStatusBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    SECControlBar::CalcInsideRect(rect, bHorz);
    CWnd* pFrame = GetParent();
    if ((GetStyle() & SBARS_SIZEGRIP) && pFrame != nullptr && !pFrame->IsZoomed()) {
        int rg[3] = {0, 0, 0};
        ::SendMessageA(m_hWnd, SB_GETBORDERS, 0, (LPARAM)rg);
        rect.right -= rg[0] + 2 * ::GetSystemMetrics(SM_CXBORDER) + ::GetSystemMetrics(SM_CXVSCROLL);
    }
}

CSize SECStatusBar::CalcFixedLayout(BOOL, BOOL bHorz)
{
    if (!bHorz)
        return CSize(0, 0);
    TEXTMETRICA tm = {};
    HDC hDC = ::GetDC(nullptr);
    HGDIOBJ hOld = nullptr;
    if (HFONT hFont = (HFONT)::SendMessageA(m_hWnd, WM_GETFONT, 0, 0))
        hOld = ::SelectObject(hDC, hFont);
    ::GetTextMetricsA(hDC, &tm);
    if (hOld != nullptr)
        ::SelectObject(hDC, hOld);
    ::ReleaseDC(nullptr, hDC);
    CRect rectInside(0, 0, 0, 0);
    CalcInsideRect(rectInside, TRUE);
    StatusBorders borders = GetBorders();
    int cy = tm.tmHeight - tm.tmInternalLeading - 1 + 2 * (::GetSystemMetrics(SM_CYBORDER) + borders.nVert) -
             rectInside.Height();
    return CSize(32767, std::max(cy, m_nMinHeight));
}

void SECStatusBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle)
{
    if (m_hWnd != nullptr && ((dwOldStyle ^ dwNewStyle) & CBRS_BORDER_ANY))
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

BOOL SECStatusBar::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return SECControlBar::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem((LPDRAWITEMSTRUCT)lParam);
    if (pResult != nullptr)
        *pResult = TRUE;
    return TRUE;
}

void SECStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    SECStatusCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)m_panes.size();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++) {
        state.m_nID = m_panes[state.m_nIndex].nID;
        // The bar's own handler first, then the frame's (which never disables).
        if (CWnd::OnCmdMsg(state.m_nID, CN_UPDATE_COMMAND_UI, &state, nullptr))
            continue;
        state.DoUpdate(pTarget, FALSE);
    }
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

// Messages ------------------------------------------------------------------

LRESULT SECStatusBar::OnNcHitTest(CPoint)
{
    LRESULT nHit = Default();
    return nHit == HTBOTTOMRIGHT ? HTBOTTOMRIGHT : HTCLIENT;
}

void SECStatusBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    CRect rect(0, 0, 0, 0);
    CalcInsideRect(rect, TRUE);
    RECT& rc = lpncsp->rgrc[0];
    rc.left += rect.left;
    rc.top += rect.top - 2;
    rc.right += rect.right;
    rc.bottom += rect.bottom;
    rc.right = std::max(rc.left, rc.right);
    rc.bottom = std::max(rc.top, rc.bottom);
}

void SECStatusBar::OnPaint()
{
    UpdateAllPanes(FALSE, TRUE);
    Default();
}

BOOL SECStatusBar::OnEraseBkgnd(CDC*) { return (BOOL)Default(); }

void SECStatusBar::OnSize(UINT nType, int cx, int cy)
{
    SECControlBar::OnSize(nType, cx, cy);
    UpdateAllPanes(TRUE, FALSE);
}

void SECStatusBar::OnWindowPosChanging(WINDOWPOS* lpWndPos)
{
    DWORD dwStyle = m_dwStyle;
    m_dwStyle &= ~CBRS_BORDER_ANY;
    CControlBar::OnWindowPosChanging(lpWndPos);
    m_dwStyle = dwStyle;
}

LRESULT SECStatusBar::OnSetText(WPARAM, LPARAM lParam)
{
    int nIndex = CommandToIndex(0);
    if (nIndex < 0)
        return -1;
    return SetPaneText(nIndex, (LPCTSTR)lParam) ? 0 : -1;
}

// The count without the terminator, as every window answers WM_GETTEXT.
LRESULT SECStatusBar::OnGetText(WPARAM wParam, LPARAM lParam)
{
    int nIndex = CommandToIndex(0);
    if (nIndex < 0) {
        if (wParam > 0 && lParam != 0)
            *(char*)lParam = '\0';
        return 0;
    }
    return CopyPaneText(m_panes[nIndex].strText, (char*)lParam, (int)wParam);
}

LRESULT SECStatusBar::OnGetTextLength(WPARAM, LPARAM)
{
    int nIndex = CommandToIndex(0);
    return nIndex < 0 ? 0 : m_panes[nIndex].strText.GetLength();
}

LRESULT SECStatusBar::OnSetMinHeight(WPARAM wParam, LPARAM)
{
    LRESULT lResult = Default();
    m_nMinHeight = (int)wParam;
    return lResult;
}

// SECStatusCmdUI --------------------------------------------------------------

void SECStatusCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    auto* pBar = static_cast<SECStatusBar*>(m_pOther);
    UINT nOld = pBar->GetPaneStyle((int)m_nIndex);
    pBar->SetPaneStyle((int)m_nIndex, bOn ? (nOld & ~SBPS_DISABLED) : (nOld | SBPS_DISABLED));
}

void SECStatusCmdUI::SetCheck(int nCheck)
{
    auto* pBar = static_cast<SECStatusBar*>(m_pOther);
    UINT nOld = pBar->GetPaneStyle((int)m_nIndex);
    pBar->SetPaneStyle((int)m_nIndex, nCheck ? (nOld | SBPS_POPOUT) : (nOld & ~SBPS_POPOUT));
}

void SECStatusCmdUI::SetText(LPCTSTR lpszText)
{
    static_cast<SECStatusBar*>(m_pOther)->SetPaneText((int)m_nIndex, lpszText, TRUE);
}
