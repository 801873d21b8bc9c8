#include "ui/frames/SECMenuBarFeature.h"

#include "ui/frames/SECMenuBar.h"

namespace {

// What the hooks share: one menu bar tracks at a time on the UI thread.
struct TrackingState
{
    SECMenuBarMessages* pTracker = nullptr;
    HWND hTrackingWnd = nullptr;
    BOOL bPopupUp = FALSE;
    MenuDropQueue queue;
    POINT ptLast = {0, 0};
    HHOOK hMsgFilter = nullptr;
    HHOOK hKeyboard = nullptr;
    HHOOK hMouse = nullptr;
};

TrackingState& Tracking()
{
    static TrackingState state;
    return state;
}

bool IsMouseMessage(UINT message)
{
    return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST;
}

bool IsSystemMenuKey(WPARAM key)
{
    return key == ' ' || key == '-' || key == VK_OEM_MINUS || key == VK_SUBTRACT;
}

CString WindowTextOf(HWND hWnd)
{
    char szText[256] = {};
    ::GetWindowTextA(hWnd, szText, sizeof szText);
    return szText;
}

} // namespace

UINT SECMenuBarMessages::GetMenuMessage()
{
    static const UINT s_nMessage = ::RegisterWindowMessageA("WM_SECGETMENU");
    return s_nMessage;
}

UINT SECMenuBarMessages::GetMenuProdMessage()
{
    static const UINT s_nMessage = ::RegisterWindowMessageA("WM_SEC_MENUPROD");
    return s_nMessage;
}

SECMenuBarMessages::SECMenuBarMessages(CFrameWnd& frame) : m_frame(frame)
{
    GetMenuMessage();
    GetMenuProdMessage();
}

SECMenuBarMessages::~SECMenuBarMessages()
{
    TrackingState& t = Tracking();
    if (t.pTracker != this)
        return;
    HookKeyboardAndMouse(FALSE);
    HookMsgFilter(FALSE);
    t.pTracker = nullptr;
    t.queue.Clear();
}

void SECMenuBarMessages::SetMenuBar(SECMenuBar* pBar)
{
    m_pBar = pBar;
    if (pBar == nullptr)
        return;
    pBar->m_onDropDown = [this](const MenuDropRequest& request) { DropDown(request); };
    pBar->m_onMenuMode = [this](BOOL bEnter) { OnMenuModeChanged(bEnter); };
}

void SECMenuBarMessages::OnMenuModeChanged(BOOL bEnter)
{
    if (bEnter) {
        Tracking().pTracker = this;
        HookKeyboardAndMouse(TRUE);
        return;
    }
    HookKeyboardAndMouse(FALSE);
}

BOOL SECMenuBarMessages::SwapMenu(UINT nIDResource)
{
    if (m_pBar == nullptr || !m_pBar->SwapMenu(nIDResource))
        return FALSE;
    m_frame.RecalcLayout();
    m_pBar->Invalidate();
    return TRUE;
}

HMENU SECMenuBarMessages::PopupFor(const MenuDropRequest& request, bool& bSystemMenu)
{
    bSystemMenu = false;
    if (request.nIndex >= 0 && request.idOrMenu != 0)
        return (HMENU)m_frame.SendMessage(GetMenuMessage(), request.idOrMenu, request.nIndex);
    if (request.idOrMenu != 0)
        return (HMENU)request.idOrMenu;
    HMENU hMenu = ::GetSystemMenu(m_frame.m_hWnd, FALSE);
    if (hMenu != nullptr && ::GetMenuDefaultItem(hMenu, FALSE, 0) == (UINT)-1)
        ::SetMenuDefaultItem(hMenu, SC_CLOSE, FALSE);
    bSystemMenu = true;
    return hMenu;
}

void SECMenuBarMessages::DropDown(const MenuDropRequest& request)
{
    if (m_pBar == nullptr)
        return;
    TrackingState& t = Tracking();
    if (t.hTrackingWnd != nullptr) {
        // Close the running popup; its loop opens this one when it returns.
        t.queue.Put(request);
        CancelMenu();
        return;
    }
    std::optional<MenuDropRequest> next = request;
    while (next.has_value()) {
        bool bSystemMenu = false;
        HMENU hMenu = PopupFor(*next, bSystemMenu);
        if (hMenu == nullptr)
            break;
        t.pTracker = this;
        t.hTrackingWnd = m_pBar->m_hWnd;
        m_pBar->SetPressedButton(next->nButton);
        if (bSystemMenu)
            TrackSystemMenu(hMenu);
        else
            TrackButtonMenu(hMenu, *next);
        t.hTrackingWnd = nullptr;
        t.pTracker = nullptr;
        next = t.queue.Take();
    }
    m_pBar->CancelMenuMode();
}

void SECMenuBarMessages::TrackButtonMenu(HMENU hMenu, const MenuDropRequest& request)
{
    CRect rcButton = m_pBar->GetButtonRect(request.nButton);
    m_pBar->ClientToScreen(&rcButton);
    TPMPARAMS params = {};
    params.cbSize = sizeof params;
    params.rcExclude = rcButton;
    HookMsgFilter(TRUE);
    if (request.hSysCommandTarget == nullptr) {
        ::TrackPopupMenuEx(hMenu, TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_VERTICAL, rcButton.left, rcButton.bottom,
                           m_frame.m_hWnd, &params);
        HookMsgFilter(FALSE);
        return;
    }
    // A child's system menu: its command is the child's, not the frame's
    // (the frame would close itself on the child's Close).
    const UINT nCommand = (UINT)::TrackPopupMenuEx(hMenu, TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_VERTICAL | TPM_RETURNCMD,
                                                   rcButton.left, rcButton.bottom, m_frame.m_hWnd, &params);
    HookMsgFilter(FALSE);
    if (nCommand != 0 && ::IsWindow(request.hSysCommandTarget))
        ::PostMessageA(request.hSysCommandTarget, WM_SYSCOMMAND, nCommand, 0);
}

void SECMenuBarMessages::TrackSystemMenu(HMENU hMenu)
{
    CRect rcWindow;
    m_frame.GetWindowRect(&rcWindow);
    CPoint ptCell(rcWindow.left + ::GetSystemMetrics(SM_CXFRAME), rcWindow.top + ::GetSystemMetrics(SM_CYFRAME));
    CRect rcCell(ptCell, CSize(::GetSystemMetrics(SM_CXSIZE), ::GetSystemMetrics(SM_CYSIZE)));
    TPMPARAMS params = {};
    params.cbSize = sizeof params;
    params.rcExclude = rcCell;
    HookMsgFilter(TRUE);
    Tracking().bPopupUp = TRUE;
    UINT nCommand = (UINT)::TrackPopupMenuEx(hMenu, TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_VERTICAL | TPM_RETURNCMD, rcCell.left,
                                             rcCell.bottom, m_frame.m_hWnd, &params);
    Tracking().bPopupUp = FALSE;
    if (nCommand != 0)
        m_frame.PostMessage(WM_SYSCOMMAND, nCommand);
    HookMsgFilter(FALSE);
}

BOOL SECMenuBarMessages::OnSysMenuClick(MSG* pMsg)
{
    CRect rcWindow;
    m_frame.GetWindowRect(&rcWindow);
    if (m_frame.GetStyle() & WS_THICKFRAME)
        rcWindow.DeflateRect(::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME));
    const CRect rcCell(rcWindow.TopLeft(), CSize(::GetSystemMetrics(SM_CXSIZE) - 1, ::GetSystemMetrics(SM_CYSIZE)));
    if (!rcCell.PtInRect(pMsg->pt))
        return FALSE;
    m_frame.PostMessage(WM_CANCELMODE);
    if (pMsg->message != WM_LBUTTONDBLCLK)
        return TRUE;
    HMENU hSysMenu = ::GetSystemMenu(m_frame.m_hWnd, FALSE);
    const UINT nDefault = hSysMenu != nullptr ? ::GetMenuDefaultItem(hSysMenu, FALSE, GMDI_GOINTOPOPUPS) : (UINT)-1;
    if (nDefault != (UINT)-1)
        m_frame.PostMessage(WM_SYSCOMMAND, nDefault);
    return TRUE;
}

void SECMenuBarMessages::DropSystemMenu()
{
    m_bOpenedByKeyboard = TRUE;
    DropDown(MenuDropRequest{0, -1, -1});
}

void SECMenuBarMessages::PostMenuProd(BOOL bNext)
{
    m_bProdCancelled = FALSE;
    m_bProdNext = bNext;
    m_frame.PostMessage(GetMenuProdMessage());
}

void SECMenuBarMessages::OnMenuProd()
{
    if (m_bProdCancelled || m_pBar == nullptr)
        return;
    m_bOpenedByKeyboard = TRUE;
    int nNext = m_pBar->NextNavButton(m_pBar->GetCurrentIndex(), m_bProdNext);
    if (m_pBar->IsInMenuMode()) {
        if (nNext >= 0) {
            m_pBar->EnterMenuMode(nNext);
            return;
        }
        m_pBar->ExitMenuMode();
        DropSystemMenu();
        return;
    }
    if (nNext >= 0)
        m_pBar->OpenNavButton(nNext);
    else
        DropSystemMenu();
}

void SECMenuBarMessages::CancelMenu()
{
    if (m_pBar != nullptr && m_pBar->IsInMenuMode())
        m_pBar->ExitMenuMode();
    if (Tracking().hTrackingWnd == nullptr)
        return;
    m_frame.SendMessage(WM_CANCELMODE);
    ::EndMenu();
}

void SECMenuBarMessages::OnDownKey()
{
    if (m_pBar == nullptr || !m_pBar->IsInMenuMode())
        return;
    int nIndex = m_pBar->GetCurrentIndex();
    m_pBar->ExitMenuMode();
    if (nIndex < 0) {
        DropSystemMenu();
        return;
    }
    m_bOpenedByKeyboard = TRUE;
    m_pBar->OpenNavButton(nIndex);
}

void SECMenuBarMessages::OnHookMouseMove(POINT ptScreen)
{
    if (m_pBar == nullptr)
        return;
    CPoint point = ptScreen;
    m_pBar->ScreenToClient(&point);
    m_pBar->EnterMenuModeAt(point);
}

void SECMenuBarMessages::OnAltDown()
{
    // Alt while a popup is up closes the menu; its release must not reopen it.
    m_bAltInMenuMode = TRUE;
    CancelMenu();
}

void SECMenuBarMessages::OnInitMenuPopup()
{
    if (!m_bOpenedByKeyboard)
        return;
    m_bOpenedByKeyboard = FALSE;
    m_frame.PostMessage(WM_KEYDOWN, VK_DOWN);
}

BOOL SECMenuBarMessages::OnSysCommand(UINT nID)
{
    if (nID != (SC_MOUSEMENU | HTSYSMENU) || m_pBar == nullptr)
        return FALSE;
    DropDown(MenuDropRequest{0, -1, -1});
    return TRUE;
}

void SECMenuBarMessages::OnNcActivate(BOOL bActive)
{
    if (!bActive)
        CancelMenu();
}

BOOL SECMenuBarMessages::OnFrameMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/, LRESULT& lResult)
{
    lResult = 0;
    if (message == GetMenuProdMessage()) {
        OnMenuProd();
        return TRUE;
    }
    switch (message) {
    case WM_MENUSELECT:
        m_bProdCancelled = TRUE;   // a move inside the popup voids a queued one
        return FALSE;
    case WM_INITMENUPOPUP:
        OnInitMenuPopup();
        return FALSE;
    case WM_SYSCOMMAND:
        return OnSysCommand((UINT)wParam);
    case WM_NCACTIVATE:
        OnNcActivate((BOOL)wParam);
        return FALSE;
    default:
        return FALSE;
    }
}

bool SECMenuBarMessages::ViewClaimsMnemonic(char ch)
{
    CView* pView = nullptr;
    if (auto* pMDIFrame = dynamic_cast<CMDIFrameWnd*>(&m_frame)) {
        if (CMDIChildWnd* pChild = pMDIFrame->MDIGetActive())
            pView = pChild->GetActiveView();
    } else {
        pView = m_frame.GetActiveView();
    }
    if (pView == nullptr || pView->m_hWnd == nullptr)
        return false;
    HWND hView = pView->m_hWnd;
    ControlHandle pFirst = ::GetWindow(hView, GW_CHILD);
    auto next = [hView](ControlHandle p) -> ControlHandle { return ::GetNextDlgTabItem(hView, (HWND)p, FALSE); };
    auto textOf = [](ControlHandle p) { return WindowTextOf((HWND)p); };
    return ControlsClaimMnemonic(pFirst, next, textOf, ch);
}

BOOL SECMenuBarMessages::PressMnemonic(char ch)
{
    int nIndex = m_pBar->FindMnemonic(ch);
    if (nIndex < 0)
        return FALSE;
    m_bOpenedByKeyboard = TRUE;
    m_pBar->ExitMenuMode();
    m_pBar->OpenNavButton(nIndex);
    return TRUE;
}

BOOL SECMenuBarMessages::PreTranslateMessage(MSG* pMsg)
{
    if (m_pBar == nullptr)
        return FALSE;
    bool bAltHeld = ::GetKeyState(VK_MENU) < 0;
    WPARAM key = pMsg->wParam;
    if (pMsg->message == WM_SYSKEYDOWN && bAltHeld && key >= 0x41 && key <= 0x7A && ViewClaimsMnemonic((char)key))
        return FALSE;
    if (pMsg->message == WM_SYSKEYDOWN && key == VK_MENU) {
        if (m_pBar->IsInMenuMode()) {
            m_pBar->ExitMenuMode();
            m_bAltInMenuMode = TRUE;
        }
        return FALSE;
    }
    if (pMsg->message == WM_SYSKEYUP && key == VK_MENU) {
        if (!m_bAltInMenuMode) {
            if (m_pBar->IsInMenuMode())
                m_pBar->ExitMenuMode();
            else
                m_pBar->EnterMenuMode(m_pBar->FirstMenuButton());
        }
        m_bAltInMenuMode = FALSE;
        return TRUE;
    }
    if (pMsg->message == WM_SYSCOMMAND && (key & 0xFFF0) == SC_KEYMENU) {
        if (IsSystemMenuKey((WPARAM)pMsg->lParam)) {
            m_pBar->ExitMenuMode();
            DropSystemMenu();
            return TRUE;
        }
        PressMnemonic((char)pMsg->lParam);
        return TRUE;   // a key with no menu button is swallowed
    }
    if (pMsg->message == WM_SYSKEYDOWN && bAltHeld) {
        if (IsSystemMenuKey(key)) {
            DropSystemMenu();
            return TRUE;
        }
        return PressMnemonic((char)key);
    }
    return FALSE;
}

void SECMenuBarMessages::HookMsgFilter(BOOL bOn)
{
    TrackingState& t = Tracking();
    if (bOn && t.hMsgFilter == nullptr) {
        t.ptLast = POINT{0, 0};
        t.hMsgFilter = ::SetWindowsHookExA(WH_MSGFILTER, MsgFilterHook, nullptr, ::GetCurrentThreadId());
    } else if (!bOn && t.hMsgFilter != nullptr) {
        ::UnhookWindowsHookEx(t.hMsgFilter);
        t.hMsgFilter = nullptr;
    }
}

void SECMenuBarMessages::HookKeyboardAndMouse(BOOL bOn)
{
    TrackingState& t = Tracking();
    if (bOn && t.hKeyboard == nullptr && t.hMouse == nullptr) {
        t.hKeyboard = ::SetWindowsHookExA(WH_KEYBOARD, KeyboardHook, nullptr, ::GetCurrentThreadId());
        t.hMouse = ::SetWindowsHookExA(WH_MOUSE, MouseHook, nullptr, ::GetCurrentThreadId());
    } else if (!bOn && t.hKeyboard != nullptr && t.hMouse != nullptr) {
        ::UnhookWindowsHookEx(t.hKeyboard);
        ::UnhookWindowsHookEx(t.hMouse);
        t.hKeyboard = nullptr;
        t.hMouse = nullptr;
    }
}

LRESULT CALLBACK SECMenuBarMessages::MsgFilterHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    TrackingState& t = Tracking();
    MSG* pMsg = (MSG*)lParam;
    if (nCode != MSGF_MENU || pMsg == nullptr || t.pTracker == nullptr)
        return ::CallNextHookEx(t.hMsgFilter, nCode, wParam, lParam);
    SECMenuBarMessages* pTracker = t.pTracker;
    if (t.bPopupUp && (pMsg->message == WM_LBUTTONDOWN || pMsg->message == WM_LBUTTONDBLCLK) &&
        pTracker->OnSysMenuClick(pMsg))
        return TRUE;
    if (IsMouseMessage(pMsg->message) && !t.bPopupUp) {
        bool bSamePoint = pMsg->pt.x == t.ptLast.x && pMsg->pt.y == t.ptLast.y;
        if (pMsg->message == WM_MOUSEMOVE && bSamePoint)
            return TRUE;
        bool bFirst = t.ptLast.x == 0 && t.ptLast.y == 0;
        t.ptLast = pMsg->pt;
        if (bFirst)
            return TRUE;
        if (::WindowFromPoint(pMsg->pt) == t.hTrackingWnd && pTracker->m_pBar->FilterMenuModeMouse(pMsg->message))
            return TRUE;
    } else if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_LEFT || pMsg->wParam == VK_RIGHT)) {
        pTracker->PostMenuProd(pMsg->wParam == VK_RIGHT);
    } else if (pMsg->message == WM_SYSKEYDOWN && pMsg->wParam == VK_MENU) {
        pTracker->OnAltDown();
    }
    return ::CallNextHookEx(t.hMsgFilter, nCode, wParam, lParam);
}

LRESULT CALLBACK SECMenuBarMessages::KeyboardHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    TrackingState& t = Tracking();
    if (nCode != HC_ACTION || t.pTracker == nullptr || wParam == VK_MENU)
        return ::CallNextHookEx(t.hKeyboard, nCode, wParam, lParam);
    SECMenuBarMessages* pTracker = t.pTracker;
    bool bDown = (lParam & 0x80000000) == 0;
    if (!bDown)
        return TRUE;
    if (wParam == VK_ESCAPE) {
        pTracker->CancelMenu();
    } else if (wParam == VK_LEFT || wParam == VK_RIGHT) {
        pTracker->PostMenuProd(wParam == VK_RIGHT);
    } else if (wParam == VK_DOWN) {
        pTracker->OnDownKey();
    } else {
        MSG msg = {};
        msg.hwnd = pTracker->m_frame.m_hWnd;
        msg.message = WM_SYSCOMMAND;
        msg.wParam = SC_KEYMENU;
        msg.lParam = (LPARAM)wParam;
        pTracker->PreTranslateMessage(&msg);
    }
    return TRUE;
}

LRESULT CALLBACK SECMenuBarMessages::MouseHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    TrackingState& t = Tracking();
    auto* pInfo = (MOUSEHOOKSTRUCT*)lParam;
    if (nCode == HC_ACTION && t.pTracker != nullptr && pInfo != nullptr) {
        if (wParam == WM_MOUSEMOVE && (pInfo->pt.x != t.ptLast.x || pInfo->pt.y != t.ptLast.y)) {
            t.ptLast = pInfo->pt;
            t.pTracker->OnHookMouseMove(pInfo->pt);
        } else if (wParam == WM_LBUTTONDOWN || wParam == WM_RBUTTONDOWN || wParam == WM_MBUTTONDOWN) {
            t.pTracker->CancelMenu();
        }
    }
    return ::CallNextHookEx(t.hMouse, nCode, wParam, lParam);
}
