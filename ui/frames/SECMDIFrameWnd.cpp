#include "framework/Framework.h"
#include "ui/frames/SECMDIFrameWnd.h"
#include "framework/HostServices.h"
#include "ui/frames/SECControlBar.h"
#include "ui/frames/SECDockBar.h"
#include "ui/frames/SECMDIChildWnd.h"
#include "ui/frames/SECDockState.h"
#include "ui/frames/SECMiniDockFrameWnd.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(SECMDIFrameWnd, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(SECMDIFrameWnd, CMDIFrameWnd)
    ON_MESSAGE(WM_SEC_EXTEND_CONTEXT_MENU, OnExtendContextMenu)
END_MESSAGE_MAP()

BOOL SECMDIFrameWnd::CreateCaptionAppFont(CFont& font)
{
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return FALSE;
    return font.CreateFontIndirect(&metrics.lfCaptionFont);
}

void SECMDIFrameWnd::EnableDocking(DWORD dwDockStyle, DWORD dwDockBarOption)
{
    m_pFloatingFrameClass = RUNTIME_CLASS(SECMiniDockFrameWnd);
    if (m_pControlBarChildClass == nullptr)
        m_pControlBarChildClass = RUNTIME_CLASS(SECControlBarMDIChildWnd);
    for (const auto& entry : dwDockBarMap) {
        if (!(entry[1] & dwDockStyle & CBRS_ALIGN_ANY) || GetControlBar(entry[0]) != nullptr)
            continue;
        auto* pDock = new SECDockBar; // deletes itself with its window
        pDock->m_bAutoDelete = TRUE;
        if (!pDock->Create(this, WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CHILD | WS_VISIBLE | entry[1], dwDockBarOption,
                           entry[0])) {
            delete pDock;
            AfxThrowResourceException();
        }
    }
}

namespace {

// The application's settings; the host's when there is no application.
CProfileStore& BarStateStore()
{
    CWinApp* pApp = AfxGetApp();
    return pApp ? pApp->GetProfileStore() : GetHostServices().Profile();
}

} // namespace

void SECMDIFrameWnd::LoadBarState(LPCTSTR pszSection)
{
    SECDockState state(m_pControlBarManager);
    state.LoadState(BarStateStore(), pszSection);
    state.SetDockState(this);
}

void SECMDIFrameWnd::SaveBarState(LPCTSTR pszSection) const
{
    SECDockState state(m_pControlBarManager);
    state.GetDockState(const_cast<SECMDIFrameWnd*>(this));
    state.CleanUpBarIds();
    state.SaveState(BarStateStore(), pszSection);
}

// Floating in the main window -------------------------------------------------

CMDIChildWnd* SECMDIFrameWnd::CreateControlBarMDIChild()
{
    CRuntimeClass* pClass =
        m_pControlBarChildClass != nullptr ? m_pControlBarChildClass : RUNTIME_CLASS(SECControlBarMDIChildWnd);
    CObject* pObject = pClass->CreateObject();
    auto* pChild = dynamic_cast<CMDIChildWnd*>(pObject);
    if (pChild == nullptr) {
        delete pObject;
        return nullptr;
    }
    // Created hidden; a failed creation has deleted the object already.
    const DWORD dwStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX |
                          FWS_SNAPTOBARS;
    if (!pChild->Create(nullptr, "", dwStyle, CFrameWnd::rectDefault, this))
        return nullptr;
    return pChild;
}

namespace {

// The next cascade place, wrapping back to 30 near the client's far edges.
CPoint NextCascade(CPoint& ptCascade, const CRect& rcClient)
{
    const CPoint pt = ptCascade;
    ptCascade += CSize(20, 23);
    if (ptCascade.x > rcClient.right - 30)
        ptCascade.x = 30;
    if (ptCascade.y > rcClient.bottom - 30)
        ptCascade.y = 30;
    return pt;
}

} // namespace

void SECMDIFrameWnd::FloatControlBarInMDIChild(CControlBar* pBar, CPoint pt, DWORD dwStyle)
{
    if (m_hWndMDIClient == nullptr)
        return;
    CRect rcClient;
    ::GetClientRect(m_hWndMDIClient, &rcClient);
    if (pt.x < 0 || pt.y < 0)
        pt = NextCascade(m_ptCascade, rcClient);
    else
        ::ScreenToClient(m_hWndMDIClient, &pt);

    auto* pSecBar = dynamic_cast<SECControlBar*>(pBar);
    auto* pChild = dynamic_cast<SECControlBarMDIChildWnd*>(pSecBar ? pSecBar->GetMDIFloatingFrame() : nullptr);
    if (pChild == nullptr || pChild->GetSingleBar() != pBar) {
        pChild = dynamic_cast<SECControlBarMDIChildWnd*>(CreateControlBarMDIChild());
        if (pChild == nullptr)
            return;
        if (pSecBar)
            pSecBar->OnBarBeginMDIFloat();
        pChild->m_wndDockBar.m_dwStyle |= dwStyle & CBRS_FLOAT_MULTI;
        pChild->m_wndDockBar.DockControlBar(pBar);
        pChild->RecalcLayout(TRUE);
    }

    // The child fits its bar and stays inside the client area.
    CRect rcWnd(CPoint(0, 0), pChild->m_wndDockBar.CalcFixedLayout(FALSE, TRUE));
    ::AdjustWindowRectEx(&rcWnd, pChild->GetStyle(), FALSE, pChild->GetExStyle());
    pt.x = std::max(0L, std::min<LONG>(pt.x, rcClient.Width() - rcWnd.Width()));
    pt.y = std::max(0L, std::min<LONG>(pt.y, rcClient.Height() - 30));
    pChild->SetWindowPos(nullptr, pt.x, pt.y, rcWnd.Width(), rcWnd.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    pChild->RecalcLayout(TRUE);
    pChild->ShowWindow(SW_SHOWNOACTIVATE);
    pChild->UpdateWindow();
    if (HICON hIcon = (HICON)pBar->SendMessage(WM_GETICON, ICON_BIG))
        pChild->SendMessage(WM_SETICON, ICON_BIG, (LPARAM)hIcon);
    if (pSecBar)
        pSecBar->OnBarEndMDIFloat();
    RecalcLayout();
}

void SECMDIFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    auto* pSecBar = dynamic_cast<SECControlBar*>(pBar);
    CWnd* pChild = pSecBar ? pSecBar->GetMDIFloatingFrame() : nullptr;
    if (pChild == nullptr) {
        CMDIFrameWnd::ShowControlBar(pBar, bShow, bDelay);
        return;
    }
    pBar->DelayShow(bShow);
    pBar->RecalcDelayShow(nullptr);
    pChild->ShowWindow(bShow ? SW_SHOWNOACTIVATE : SW_HIDE);
}

LRESULT SECMDIFrameWnd::OnExtendContextMenu(WPARAM wParam, LPARAM lParam)
{
    // Only SECControlBar sends it, with itself.
    auto* pBar = reinterpret_cast<SECControlBar*>(wParam);
    auto* pMenu = reinterpret_cast<CMenu*>(lParam);
    if (pBar == nullptr || pMenu == nullptr)
        return 0;
    const BOOL bInChild = pBar->GetMDIFloatingFrame() != nullptr;
    if (bInChild)
        pMenu->EnableMenuItem(ID_SEC_ALLOW_DOCKING, MF_BYCOMMAND | MF_GRAYED);
    if (pBar->GetExtendedStyle() & EXSTYLE_MDI_FLOAT) {
        CString strText;
        if (!strText.LoadString(IDS_SEC_FLOAT_IN_MAIN_WND))
            strText = "Float In Main Window";
        pMenu->AppendMenu(MF_SEPARATOR);
        pMenu->AppendMenu(MF_STRING | (bInChild ? MF_CHECKED : MF_UNCHECKED), ID_SEC_FLOAT_IN_MAIN_WND, strText);
    }
    return 0;
}
