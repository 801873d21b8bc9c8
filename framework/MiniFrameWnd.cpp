#include "framework/Framework.h"
#include "framework/MiniFrameWnd.h"

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMiniFrameWnd, CFrameWnd)
    ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
    ON_WM_NCACTIVATE()
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
    return CWnd::CreateEx(dwExStyle | WS_EX_TOOLWINDOW, lpClassName, lpWindowName, SystemStyle(dwStyle), rect.left,
                          rect.top, rect.right - rect.left, rect.bottom - rect.top, AfxGetSafeHwnd(pParentWnd),
                          (HMENU)(UINT_PTR)nID);
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

BOOL CMiniFrameWnd::OnNcActivate(BOOL bActive)
{
    // The caption follows the owner frame rather than the focus.
    if (::GetWindow(m_hWnd, GW_OWNER) != nullptr)
        bActive = bActive || m_bActive;
    return (BOOL)DefWindowProc(WM_NCACTIVATE, bActive, 0);
}

void CMiniFrameWnd::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & 0xFFF0) == SC_CLOSE) {
        SendMessage(WM_CLOSE);
        return;
    }
    CFrameWnd::OnSysCommand(nID, lParam);
}
