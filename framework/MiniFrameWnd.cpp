#include "framework/Framework.h"
#include "framework/MiniFrameWnd.h"

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMiniFrameWnd, CFrameWnd)
    ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
    ON_WM_NCACTIVATE()
    ON_WM_ACTIVATE()
    ON_WM_SYSCOMMAND()
END_MESSAGE_MAP()

namespace {

// The MFS_ bits live in the class-specific low word: the system sees only
// what they stand for.
DWORD SystemStyle(DWORD dwStyle)
{
    if (dwStyle & MFS_THICKFRAME)
        dwStyle |= WS_THICKFRAME;
    return dwStyle & ~(MFS_SYNCACTIVE | MFS_4THICKFRAME | MFS_THICKFRAME | MFS_MOVEFRAME | MFS_BLOCKSYSMENU);
}

} // namespace

BOOL CMiniFrameWnd::Create(LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                           CWnd* pParentWnd, UINT nID)
{
    return CreateEx(0, lpClassName, lpWindowName, dwStyle, rect, pParentWnd, nID);
}

BOOL CMiniFrameWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle,
                             const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    m_strTitle = lpWindowName != nullptr ? lpWindowName : "";
    m_dwMiniStyle = dwStyle & (MFS_SYNCACTIVE | MFS_4THICKFRAME | MFS_THICKFRAME | MFS_MOVEFRAME | MFS_BLOCKSYSMENU);
    if (!CWnd::CreateEx(dwExStyle | WS_EX_TOOLWINDOW, lpClassName, lpWindowName, SystemStyle(dwStyle), rect.left,
                        rect.top, rect.right - rect.left, rect.bottom - rect.top, AfxGetSafeHwnd(pParentWnd),
                        (HMENU)(UINT_PTR)nID))
        return FALSE;
    // Made while its owner is active: it looks active from the start.
    CFrameWnd* pOwner = GetOwnerFrame();
    m_bActive = pOwner != nullptr && (::GetActiveWindow() == pOwner->m_hWnd || (pOwner->m_nFlags & WF_STAYACTIVE));
    return TRUE;
}

BOOL CMiniFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style = SystemStyle(cs.style) & ~(FWS_ADDTOTITLE | FWS_PREFIXTITLE);
    cs.dwExStyle |= WS_EX_TOOLWINDOW;
    return CFrameWnd::PreCreateWindow(cs);
}

void CMiniFrameWnd::CalcBorders(LPRECT lpClientRect, DWORD dwStyle, DWORD dwExStyle)
{
    ::AdjustWindowRectEx(lpClientRect, SystemStyle(dwStyle), FALSE, dwExStyle | WS_EX_TOOLWINDOW);
}

// The owner frame tells its floating windows when it is activated, hidden
// or disabled, so that they follow it.
LRESULT CMiniFrameWnd::OnFloatStatus(WPARAM wParam, LPARAM)
{
    if (wParam & (FS_SHOW | FS_HIDE))
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     ((wParam & FS_SHOW) ? SWP_SHOWWINDOW : SWP_HIDEWINDOW) | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE |
                         SWP_NOACTIVATE);
    if (wParam & (FS_ENABLE | FS_DISABLE))
        EnableWindow((wParam & FS_ENABLE) != 0);
    if (wParam & (FS_ACTIVATE | FS_DEACTIVATE)) {
        m_bActive = (wParam & FS_ACTIVATE) != 0;
        DefWindowProc(WM_NCACTIVATE, m_bActive, 0);
    }
    return TRUE;
}

CFrameWnd* CMiniFrameWnd::GetOwnerFrame() const
{
    return dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(::GetWindow(m_hWnd, GW_OWNER)));
}

// With MFS_SYNCACTIVE the small frame and its owner look active together:
// taking the activation, it keeps the owner's caption active.
BOOL CMiniFrameWnd::OnNcActivate(BOOL bActive)
{
    CFrameWnd* pOwner = GetOwnerFrame();
    if (pOwner == nullptr || !(m_dwMiniStyle & MFS_SYNCACTIVE))
        return (BOOL)DefWindowProc(WM_NCACTIVATE, bActive, 0);
    if (bActive && !(pOwner->m_nFlags & WF_STAYACTIVE)) {
        pOwner->m_nFlags |= WF_STAYACTIVE;
        pOwner->SendMessage(WM_NCACTIVATE, TRUE);
    }
    m_bActive = m_bActive || bActive;
    return (BOOL)DefWindowProc(WM_NCACTIVATE, m_bActive, 0);
}

// Losing the activation to anything but the owner or the owner's other
// floating windows: both look inactive now.
void CMiniFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CFrameWnd::OnActivate(nState, pWndOther, bMinimized);
    CFrameWnd* pOwner = GetOwnerFrame();
    if (nState != WA_INACTIVE || pOwner == nullptr || !(m_dwMiniStyle & MFS_SYNCACTIVE))
        return;
    HWND hOther = pWndOther != nullptr ? pWndOther->m_hWnd : nullptr;
    if (hOther == pOwner->m_hWnd || (hOther != nullptr && ::GetWindow(hOther, GW_OWNER) == pOwner->m_hWnd))
        return;
    pOwner->m_nFlags &= ~WF_STAYACTIVE;
    pOwner->SendMessage(WM_NCACTIVATE, FALSE);
    pOwner->NotifyFloatingWindows(FS_DEACTIVATE);
}

void CMiniFrameWnd::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & 0xFFF0) == SC_CLOSE) {
        SendMessage(WM_CLOSE);
        return;
    }
    CFrameWnd::OnSysCommand(nID, lParam);
}
