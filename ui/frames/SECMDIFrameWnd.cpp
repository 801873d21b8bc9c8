#include "framework/Framework.h"
#include "ui/frames/SECMDIFrameWnd.h"
#include "mvc/WndPlugIn.h"
#include "ui/frames/FloatPlacement.h"
#include "ui/frames/FrameRules.h"
#include "ui/frames/SECControlBar.h"
#include "ui/frames/SECDockBar.h"
#include "ui/frames/SECMDIChildWnd.h"
#include "ui/frames/SECFrameWnd.h"
#include "ui/frames/SECMDIMenuBar.h"
#include "ui/frames/SECMenuBar.h"
#include "ui/frames/SECMiniDockFrameWnd.h"

#include <cstdarg>

IMPLEMENT_DYNAMIC(SECMDIFrameWnd, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(SECMDIFrameWnd, CMDIFrameWnd)
    ON_WM_CREATE()
    ON_WM_ENTERIDLE()
    ON_WM_ACTIVATE()
    ON_WM_ACTIVATEAPP()
    ON_MESSAGE(WM_SEC_EXTEND_CONTEXT_MENU, OnExtendContextMenu)
    ON_COMMAND_RANGE(43007, 43009, OnWorkspaceCommand)
    ON_COMMAND_RANGE(43012, 43014, OnWorkspaceCommand)
    ON_COMMAND_RANGE(43031, 43039, OnWorkspaceCommand)
    ON_UPDATE_COMMAND_UI_RANGE(43007, 43009, OnUpdateWorkspaceCommand)
    ON_UPDATE_COMMAND_UI_RANGE(43012, 43014, OnUpdateWorkspaceCommand)
    ON_UPDATE_COMMAND_UI_RANGE(43031, 43039, OnUpdateWorkspaceCommand)
END_MESSAGE_MAP()

// The workspace commands have no workspace to act on here; their menu items
// stay as they are instead of being greyed for want of a handler.
void SECMDIFrameWnd::OnWorkspaceCommand(UINT) {}
void SECMDIFrameWnd::OnUpdateWorkspaceCommand(CCmdUI*) {}

SECMDIFrameWnd::SECMDIFrameWnd() = default;

SECMDIFrameWnd::~SECMDIFrameWnd() = default;

int SECMDIFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CMDIFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_features.CreateMenuPlugIn();
    return 0;
}

// The plug-ins go just before the window: they borrow its handle and give
// the menus back.
BOOL SECMDIFrameWnd::DestroyWindow()
{
    m_features.DeleteMenuPlugIn();
    return CMDIFrameWnd::DestroyWindow();
}

// Caption ---------------------------------------------------------------------

BOOL SECMDIFrameWnd::EnableCustomCaption(BOOL bEnable, BOOL bRedraw)
{
    return m_features.Caption().EnableCustomCaption(bEnable, bRedraw);
}

void SECMDIFrameWnd::SetCaptionTextAlign(int nAlign, BOOL bRedraw)
{
    m_features.Caption().SetCaptionTextAlign(nAlign, bRedraw);
}

BOOL SECMDIFrameWnd::CreateCaptionAppFont(CFont& font)
{
    return SECGradientCaption::CreateItalicCaptionFont(font);
}

BOOL SECMDIFrameWnd::CreateCaptionDocFont(CFont& font)
{
    return SECGradientCaption::CreateSystemCaptionFont(font);
}

void SECMDIFrameWnd::DrawCaption()
{
    m_features.Caption().DrawCaption();
}

// Creation and menus ------------------------------------------------------------

BOOL SECMDIFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    m_nDefaultMenuKey = nIDResource;
    CString strFull;
    if (strFull.LoadString(nIDResource))
        AfxExtractSubString(m_strTitle, strFull, 0);
    // With a menu bar the frame's menu is the bar's: the window has none.
    const BOOL bMenuBar = GetMenuBar() != nullptr;
    LPCTSTR lpszClass = GetIconWndClass(dwDefaultStyle, nIDResource);
    CString strTitle = m_strTitle;
    if (!Create(lpszClass, strTitle, dwDefaultStyle, rectDefault, pParentWnd,
                bMenuBar ? nullptr : MAKEINTRESOURCE(nIDResource), 0L, pContext))
        return FALSE;
    m_hMenuDefault = ::GetMenu(m_hWnd);
    if (bMenuBar) {
        m_features.LoadMenuBarMenu(nIDResource);
        SetMenuBarMenu(kOwnMenuId);
    }
    if (m_hAccelTable == nullptr)
        LoadAccelTable(MAKEINTRESOURCE(nIDResource));
    if (pContext == nullptr)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
}

BOOL SECMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext)
{
    if (GetMenuBar() == nullptr)
        return CMDIFrameWnd::OnCreateClient(lpcs, pContext);
    HMENU hMenu = CurrentMenu();
    HMENU hWindowMenu = GetWindowMenuPopup(hMenu);
    if (hWindowMenu == nullptr && hMenu != nullptr)
        hWindowMenu = ::GetSubMenu(hMenu, DefaultWindowMenuPosition(::GetMenuItemCount(hMenu)));
    return CreateClient(lpcs, hWindowMenu != nullptr ? CMenu::FromHandle(hWindowMenu) : nullptr);
}

namespace {

HMENU TemplateMenu(UINT nIDResource)
{
    CWinApp* pApp = AfxGetApp();
    CDocManager* pManager = pApp != nullptr ? pApp->m_pDocManager : nullptr;
    if (pManager == nullptr)
        return nullptr;
    POSITION pos = pManager->GetFirstDocTemplatePosition();
    while (pos != nullptr) {
        auto* pTemplate = dynamic_cast<CMultiDocTemplate*>(pManager->GetNextDocTemplate(pos));
        if (pTemplate != nullptr && pTemplate->m_nIDResource == nIDResource)
            return pTemplate->m_hMenuShared;
    }
    return nullptr;
}

} // namespace

HMENU SECMDIFrameWnd::GetMenuForResource(UINT nIDResource)
{
    const HMENU hTemplate = TemplateMenu(nIDResource);
    const auto itExtra = m_extraMenus.find(nIDResource);
    MenuLookupFacts facts;
    facts.bHasMenuBarMenu = m_features.GetMenuBarMenu() != nullptr;
    facts.bIsOwnKey = nIDResource == m_features.GetOwnMenuKey();
    facts.bTemplateHasMenu = hTemplate != nullptr;
    facts.bExtraHasMenu = itExtra != m_extraMenus.end();
    switch (ChooseMenuLookup(facts)) {
    case MenuLookup::MenuBarMenu:
        return m_features.GetMenuBarMenu();
    case MenuLookup::Template:
        return hTemplate;
    case MenuLookup::Extra:
        return itExtra->second.get();
    default:
        return nullptr;
    }
}

BOOL SECMDIFrameWnd::AddMenus(int nCount, ...)
{
    va_list args;
    va_start(args, nCount);
    BOOL bAll = TRUE;
    for (int i = 0; i < nCount && bAll; i++) {
        UINT nID = va_arg(args, UINT);
        HMENU hMenu = ::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nID));
        if (hMenu == nullptr) {
            bAll = FALSE;
            break;
        }
        m_extraMenus[nID].reset(hMenu);
    }
    va_end(args);
    return bAll;
}

void SECMDIFrameWnd::SetMenuBarMenu(UINT nIDResource)
{
    SECMenuBar* pBar = GetMenuBar();
    if (pBar == nullptr || m_features.GetMenuBarFeature() == nullptr)
        return;
    const UINT nID = (nIDResource == 0 || nIDResource == kOwnMenuId) ? m_features.GetOwnMenuKey() : nIDResource;
    if (m_bDeferLayout) {
        if (pBar->SwapMenu(nID)) {
            DelayRecalcLayout();
            pBar->Invalidate();
        }
    } else {
        m_features.SwapMenu(nID);
    }
    // Back on the frame's own menu the caption buttons of a maximised child go.
    if (nIDResource == 0 || nIDResource == kOwnMenuId)
        UpdateMDIButtons(TRUE);
    RefreshWindowMenu();
}

void SECMDIFrameWnd::UpdateMDIButtons(BOOL bHide)
{
    auto* pBar = dynamic_cast<SECMDIMenuBar*>(GetMenuBar());
    if (pBar == nullptr || !pBar->UpdateMDIButtons(bHide))
        return;
    pBar->Invalidate();
    if (CFrameWnd* pBarFrame = pBar->GetParentFrame())
        pBarFrame->RecalcLayout();
}

HMENU SECMDIFrameWnd::GetMenuBarMenu()
{
    return GetMenuBar() != nullptr ? m_features.GetMenuBarMenu() : m_hMenuDefault;
}

HMENU SECMDIFrameWnd::CurrentMenu()
{
    SECMenuBar* pBar = GetMenuBar();
    if (pBar == nullptr)
        return ::GetMenu(m_hWnd);
    HMENU hMenu = GetMenuForResource(pBar->GetCurrentMenuId());
    if (hMenu == nullptr && pBar->GetCurrentMenuId() == kControlBarChildResource)
        hMenu = m_features.GetMenuBarMenu();
    return hMenu;
}

// The document list goes into the menu bar's "Window" menu.
void SECMDIFrameWnd::RefreshWindowMenu()
{
    SECMenuBar* pBar = GetMenuBar();
    if (pBar == nullptr || m_hWndMDIClient == nullptr || ::GetMenu(m_hWnd) != nullptr)
        return;
    HMENU hWindowMenu = GetWindowMenuPopup(GetMenuForResource(pBar->GetCurrentMenuId()));
    if (hWindowMenu != nullptr)
        ::SendMessageA(m_hWndMDIClient, WM_MDISETMENU, 0, (LPARAM)hWindowMenu);
}

// The menu bar draws no caption buttons of a maximised child yet: nothing to
// refresh.
void SECMDIFrameWnd::RefreshMDIButtons()
{
    UpdateMDIButtons(FALSE);
}

void SECMDIFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    if (m_pActiveEmbeddedFrame != nullptr) {
        if (auto* pSdi = dynamic_cast<SECFrameWnd*>(m_pActiveEmbeddedFrame))
            pSdi->OnUpdateFrameMenu(TRUE, pSdi, hMenuAlt);
        return;
    }
    if (CMDIChildWnd* pChild = MDIGetActive()) {
        pChild->OnUpdateFrameMenu(TRUE, pChild, hMenuAlt);
        return;
    }
    if (hMenuAlt == nullptr)
        hMenuAlt = m_hMenuDefault;
    ::SendMessageA(m_hWndMDIClient, WM_MDISETMENU, (WPARAM)hMenuAlt, (LPARAM)GetWindowMenuPopup(hMenuAlt));
    if (GetMenuBar() != nullptr)
        RefreshWindowMenu();
    else
        DrawMenuBar();
}

// The title counts an embedded frame's document as the active child's.
void SECMDIFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (m_pActiveEmbeddedFrame == nullptr) {
        CMDIFrameWnd::OnUpdateFrameTitle(bAddToTitle);
        return;
    }
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    CDocument* pDocument = m_pActiveEmbeddedFrame->GetActiveDocument();
    UpdateFrameTitleForDocument(bAddToTitle && pDocument != nullptr ? (LPCTSTR)pDocument->GetTitle() : nullptr);
}

// The active embedded frame -------------------------------------------------------

namespace {

bool HasFocusIn(CWnd* pWnd)
{
    HWND hFocus = ::GetFocus();
    return pWnd != nullptr && pWnd->m_hWnd != nullptr && hFocus != nullptr &&
           (hFocus == pWnd->m_hWnd || ::IsChild(pWnd->m_hWnd, hFocus));
}

} // namespace

CFrameWnd* SECMDIFrameWnd::GetActiveFrame()
{
    if (m_pActiveEmbeddedFrame != nullptr)
        return m_pActiveEmbeddedFrame;
    return CMDIFrameWnd::GetActiveFrame();
}

void SECMDIFrameWnd::SetActiveEmbeddedFrame(CFrameWnd* pFrame, BOOL bForce)
{
    if (pFrame == m_pActiveEmbeddedFrame && !bForce)
        return;
    DeactivateEmbeddedFrame(pFrame == nullptr);
    if (CFrameWnd* pOld = GetActiveFrame()) {
        CView* pView = pOld->GetActiveView();
        if (pView != nullptr && HasFocusIn(pView))
            pView->OnActivateView(FALSE, pView, pView);
    }
    if (pFrame != nullptr) {
        pFrame->SendMessage(WM_NCACTIVATE, TRUE);
        m_pActiveEmbeddedFrame = pFrame;
        ::SendMessageA(m_hWndMDIClient, WM_MDIACTIVATE, 0, 0);
        ::SendMessageA(m_hWndMDIClient, WM_NCACTIVATE, FALSE, 0);
    }
    CFrameWnd* pActive = GetActiveFrame();
    CView* pView = pActive != nullptr ? pActive->GetActiveView() : nullptr;
    if (pView != nullptr && !HasFocusIn(pView))
        pView->OnActivateView(TRUE, pView, pView);
    OnUpdateFrameTitle(TRUE);
    if (GetMenuBar() == nullptr) {
        OnUpdateFrameMenu(nullptr);
        DrawMenuBar();
        return;
    }
    CFrameWnd* pMenuFrame = pFrame != nullptr ? pFrame : pActive;
    const UINT nID = pMenuFrame != nullptr ? pMenuFrame->m_nIDHelp : 0;
    SetMenuBarMenu(nID != 0 ? nID : kOwnMenuId);
}

void SECMDIFrameWnd::DeactivateEmbeddedFrame(BOOL bReactivateMDIChild)
{
    CFrameWnd* pFrame = m_pActiveEmbeddedFrame;
    if (pFrame == nullptr)
        return;
    if (CView* pView = pFrame->GetActiveView())
        pView->OnActivateView(FALSE, pView, pView);
    if (pFrame->m_hWnd != nullptr)
        pFrame->SendMessage(WM_NCACTIVATE, FALSE);
    m_pActiveEmbeddedFrame = nullptr;
    ::SetFocus(nullptr);
    if (!bReactivateMDIChild)
        return;
    if (CMDIChildWnd* pChild = MDIGetActive()) {
        ::SendMessageA(m_hWndMDIClient, WM_MDIACTIVATE, (WPARAM)pChild->m_hWnd, 0);
        pChild->SendMessage(WM_NCACTIVATE, TRUE);
    }
}

void SECMDIFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CMDIFrameWnd::OnActivate(nState, pWndOther, bMinimized);
    OnActivateFrame(nState, pWndOther, bMinimized);
}

// The view hears that its frame's activation changed.
void SECMDIFrameWnd::OnActivateFrame(UINT nState, CWnd* /*pWndOther*/, BOOL /*bMinimized*/)
{
    CView* pView = GetActiveView();
    if (pView == nullptr) {
        CFrameWnd* pFrame = GetActiveFrame();
        pView = pFrame != nullptr && pFrame != this ? pFrame->GetActiveView() : nullptr;
    }
    if (pView != nullptr)
        pView->OnActivateFrame(nState, this);
}

void SECMDIFrameWnd::OnActivateApp(BOOL bActive, DWORD dwThreadID)
{
    if (m_pActiveEmbeddedFrame != nullptr) {
        ::PostMessageA(m_hWndMDIClient, WM_MDIACTIVATE, 0, 0);
        ::PostMessageA(m_hWndMDIClient, WM_NCACTIVATE, FALSE, 0);
    }
    CMDIFrameWnd::OnActivateApp(bActive, dwThreadID);
}

// Routing -----------------------------------------------------------------------

// The embedded frame or the active child first, then the command plug-in,
// then the frame itself.
BOOL SECMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    CPushRoutingFrame push(this);
    CFrameWnd* pActive = m_pActiveEmbeddedFrame;
    if (pActive == nullptr)
        pActive = MDIGetActive();
    if (pActive != nullptr && pActive->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (m_features.OnCmdMsgPlugIn(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL SECMDIFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    CFrameWnd* pFrame = m_pActiveEmbeddedFrame;
    if (pFrame != nullptr && (HWND)lParam == nullptr && pFrame->m_hWnd != nullptr &&
        AfxCallWndProc(pFrame, pFrame->m_hWnd, WM_COMMAND, wParam, lParam) != 0)
        return TRUE;
    // Unhandled, a system command from a menu (the maximised child's caption
    // buttons at the end of the menu) reaches the default procedure as
    // WM_COMMAND, which hands it to the active child; the Window menu's
    // documents too.
    return CMDIFrameWnd::OnCommand(wParam, lParam);
}

BOOL SECMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_features.PreTranslateMessage(pMsg))
        return TRUE;
    return CMDIFrameWnd::PreTranslateMessage(pMsg);
}

LRESULT SECMDIFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (m_features.BeforeMessage(message, wParam, lParam, lResult))
        return lResult;
    lResult = CMDIFrameWnd::WindowProc(message, wParam, lParam);
    m_features.AfterMessage(message, wParam, lParam);
    return lResult;
}

SECWndPlugIn* SECMDIFrameWnd::CreateCommandPlugIn(CRuntimeClass* pClass)
{
    return m_features.CreateCommandPlugIn(pClass);
}

void SECMDIFrameWnd::OnEnterIdle(UINT nWhy, CWnd* pWho)
{
    OnEnterIdleLayout(nWhy, pWho);
}

void SECMDIFrameWnd::OnEnterIdleLayout(UINT nWhy, CWnd* pWho)
{
    m_features.OnEnterIdleLayout(nWhy);
    CMDIFrameWnd::OnEnterIdle(nWhy, pWho);
}

// Docking ---------------------------------------------------------------------------

CDockBar* SECMDIFrameWnd::CreateDockBar()
{
    if (m_pDockBarClass == nullptr || m_pDockBarClass == RUNTIME_CLASS(SECDockBar))
        return new SECDockBar;
    CObject* pObject = m_pDockBarClass->CreateObject();
    auto* pDock = dynamic_cast<CDockBar*>(pObject);
    if (pDock == nullptr) {
        delete pObject;
        AfxThrowMemoryException();
    }
    return pDock;
}

void SECMDIFrameWnd::EnableDocking(DWORD dwDockStyle, DWORD dwDockBarOption)
{
    m_pFloatingFrameClass = RUNTIME_CLASS(SECMiniDockFrameWnd);
    if (m_pControlBarChildClass == nullptr)
        m_pControlBarChildClass = RUNTIME_CLASS(SECControlBarMDIChildWnd);
    if (m_pDockBarClass == nullptr)
        m_pDockBarClass = RUNTIME_CLASS(SECDockBar);
    m_features.CreateDockBars(dwDockStyle, dwDockBarOption, [this] { return CreateDockBar(); });
}

void SECMDIFrameWnd::DockControlBarEx(CControlBar* pBar, const SECDockPos& pos, UINT nDockBarID,
                                      const SECDockSize& size)
{
    auto modeFor = [](SECDockBar& dock) { return DockLayoutModeForDockBar(dock.GetDlgCtrlID()); };
    if (!m_features.DockControlBarEx(pBar, nDockBarID, pos, size, modeFor))
        DockControlBar(pBar, nDockBarID);
}

void SECMDIFrameWnd::DockControlBarEx(CControlBar* pBar, UINT nDockBarID, int nCol, int nRow, float fPctWidth,
                                      int nLength)
{
    SECDockPos pos;
    pos.nCol = nCol;
    pos.nRow = nRow;
    DockControlBarEx(pBar, pos, nDockBarID, SECDockSize{fPctWidth, nLength});
}

void SECMDIFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle)
{
    point = SECFrameFeatures::ClampFloatPoint(point);
    // Alone in its floating frame and the same way round: the frame moves.
    if (pBar->IsFloating() && pBar->m_pDockBar != nullptr && pBar->m_pDockBar->GetDockedCount() == 1 &&
        IsHorzBarStyle(pBar->m_pDockBar->m_dwStyle) == IsHorzBarStyle(dwStyle)) {
        if (auto* pFrame = dynamic_cast<CMiniDockFrameWnd*>(pBar->m_pDockBar->GetParent())) {
            pFrame->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            pFrame->RecalcLayout(TRUE);
            pFrame->ShowWindow(SW_SHOWNA);
            pFrame->UpdateWindow();
            return;
        }
    }
    NewFloatingFrame(pBar, point, dwStyle);
}

void SECMDIFrameWnd::FloatControlBarAt(CControlBar* pBar, CPoint point, DWORD dwStyle)
{
    CMiniDockFrameWnd* pFrame = NewFloatingFrame(pBar, point, dwStyle);
    if (pFrame != nullptr)
        pFrame->ShowWindow(SW_SHOWNA);
}

CMiniDockFrameWnd* SECMDIFrameWnd::NewFloatingFrame(CControlBar* pBar, CPoint point, DWORD dwStyle)
{
    auto* pSecBar = dynamic_cast<SECControlBar*>(pBar);
    if (pSecBar != nullptr)
        pSecBar->OnBarBeginFloat();
    CMiniDockFrameWnd* pFrame = CreateFloatingFrame(FloatingFrameStyle(dwStyle, pBar->m_dwStyle));
    pFrame->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    pFrame->GetDockBar()->DockControlBar(pBar);
    pFrame->RecalcLayout(TRUE);
    if (pBar->GetStyle() & WS_VISIBLE) {
        pFrame->ShowWindow(SW_SHOWNA);
        pFrame->UpdateWindow();
    }
    if (pSecBar != nullptr)
        pSecBar->OnBarEndFloat();
    RecalcLayout();
    return pFrame;
}

void SECMDIFrameWnd::RecalcLayout(BOOL bNotify)
{
    if (m_bInRecalcLayout)
        return;
    const BOOL bFirst = m_rcLayout.IsRectEmpty();
    CMDIFrameWnd::RecalcLayout(bNotify);
    if (bFirst) {
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_ERASE | RDW_FRAME);
    } else {
        for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
            if (auto* pDock = dynamic_cast<SECDockBar*>(CWnd::FromHandlePermanent(hChild)))
                pDock->RedrawListedBars();
    }
    // What the bars left is where the client pane now stands; a query
    // layout would make the toolbars lay out their buttons again.
    m_rcLayout = PaneRect(*this);
}

// Bar state and floating in the main window ---------------------------------------

BOOL SECMDIFrameWnd::NegotiateBorderSpace(UINT nBorderCmd, LPRECT lpRectBorder)
{
    SECMenuBar* pMenuBar = GetMenuBar();
    if (pMenuBar != nullptr && lpRectBorder != nullptr && CRect(*lpRectBorder).IsRectNull())
        pMenuBar->m_bIgnoreHide = TRUE;
    return CMDIFrameWnd::NegotiateBorderSpace(nBorderCmd, lpRectBorder);
}

void SECMDIFrameWnd::LoadBarState(LPCTSTR pszSection)
{
    m_features.LoadBarState(pszSection);
}

void SECMDIFrameWnd::SaveBarState(LPCTSTR pszSection) const
{
    m_features.SaveBarState(pszSection);
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

void SECMDIFrameWnd::FloatControlBarInMDIChild(CControlBar* pBar, CPoint pt, DWORD dwStyle)
{
    if (m_hWndMDIClient == nullptr)
        return;
    CRect rcClient;
    ::GetClientRect(m_hWndMDIClient, &rcClient);
    if (pt.x < 0 || pt.y < 0)
        pt = NextCascadePosition(m_ptCascade, rcClient.Size());
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
    pt = ClampIntoMDIClient(pt, rcClient.Size(), rcWnd.Size());
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
