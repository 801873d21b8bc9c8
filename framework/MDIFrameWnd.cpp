#include "framework/Framework.h"

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)
IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
    ON_WM_DESTROY()
    ON_COMMAND_EX(ID_WINDOW_ARRANGE, OnMDIWindowCmd)
    ON_COMMAND_EX(ID_WINDOW_CASCADE, OnMDIWindowCmd)
    ON_COMMAND_EX(ID_WINDOW_TILE_VERT, OnMDIWindowCmd)
    ON_COMMAND_EX(ID_WINDOW_TILE_HORZ, OnMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_ARRANGE, OnUpdateMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_CASCADE, OnUpdateMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_VERT, OnUpdateMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_HORZ, OnUpdateMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_NEW, OnUpdateMDIWindowCmd)
    ON_COMMAND(ID_WINDOW_NEW, OnWindowNew)
END_MESSAGE_MAP()

CMDIFrameWnd::CMDIFrameWnd() = default;

BOOL CMDIFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    BOOL bResult = CFrameWnd::PreCreateWindow(cs);
    // "Application - Document": the application's name comes first.
    cs.style &= ~FWS_PREFIXTITLE;
    return bResult;
}

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext*)
{
    // The window list goes into the popup before the last one (Help is last).
    CMenu* pMenu = nullptr;
    HMENU hMenu = m_hMenuDefault != nullptr ? m_hMenuDefault : ::GetMenu(m_hWnd);
    if (hMenu != nullptr) {
        HMENU hWindowMenu = GetWindowMenuPopup(hMenu);
        if (hWindowMenu == nullptr) {
            int nCount = ::GetMenuItemCount(hMenu);
            if (nCount >= 2)
                hWindowMenu = ::GetSubMenu(hMenu, nCount - 2);
        }
        pMenu = CMenu::FromHandle(hWindowMenu);
    }
    return CreateClient(lpcs, pMenu);
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu)
{
    CLIENTCREATESTRUCT ccs;
    ccs.hWindowMenu = pWindowMenu != nullptr ? pWindowMenu->m_hMenu : nullptr;
    ccs.idFirstChild = AFX_IDM_FIRST_MDICHILD;
    DWORD dwStyle = WS_VISIBLE | WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | MDIS_ALLCHILDSTYLES;
    if (lpCreateStruct->style & (WS_HSCROLL | WS_VSCROLL)) {
        dwStyle |= lpCreateStruct->style & (WS_HSCROLL | WS_VSCROLL);
        ModifyStyle(WS_HSCROLL | WS_VSCROLL, 0, SWP_NOREDRAW | SWP_FRAMECHANGED);
    }
    m_hWndMDIClient = ::CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr, dwStyle, 0, 0, 0, 0, m_hWnd,
                                        (HMENU)(UINT_PTR)AFX_IDW_PANE_FIRST, AfxGetInstanceHandle(), &ccs);
    if (m_hWndMDIClient == nullptr)
        return FALSE;
    // Bottom of the z-order, so that bars are laid out first.
    ::SetWindowPos(m_hWndMDIClient, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    return TRUE;
}

HMENU CMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar)
{
    if (hMenuBar == nullptr)
        return nullptr;
    for (int i = ::GetMenuItemCount(hMenuBar) - 1; i >= 0; --i) {
        HMENU hPopup = ::GetSubMenu(hMenuBar, i);
        if (hPopup == nullptr)
            continue;
        for (int j = ::GetMenuItemCount(hPopup) - 1; j >= 0; --j) {
            UINT nID = ::GetMenuItemID(hPopup, j);
            if ((nID >= ID_WINDOW_NEW && nID <= ID_WINDOW_SPLIT) || nID >= AFX_IDM_FIRST_MDICHILD)
                return hPopup;
        }
    }
    return nullptr;
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const
{
    if (m_hWndMDIClient == nullptr) {
        if (pbMaximized != nullptr)
            *pbMaximized = FALSE;
        return nullptr;
    }
    HWND hWnd = (HWND)::SendMessageA(m_hWndMDIClient, WM_MDIGETACTIVE, 0, (LPARAM)pbMaximized);
    return dynamic_cast<CMDIChildWnd*>(FromHandlePermanent(hWnd));
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame()
{
    CMDIChildWnd* pActiveChild = MDIGetActive();
    if (pActiveChild != nullptr)
        return pActiveChild;
    return this;
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    CPushRoutingFrame push(this);
    // The active child (its view, document, itself, the application) first.
    CMDIChildWnd* pActiveChild = MDIGetActive();
    if (pActiveChild != nullptr && pActiveChild->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CMDIFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // Menu and accelerator commands go to the active child first.
    CMDIChildWnd* pActiveChild = MDIGetActive();
    if (pActiveChild != nullptr && (HWND)lParam == nullptr &&
        AfxCallWndProc(pActiveChild, pActiveChild->m_hWnd, WM_COMMAND, wParam, lParam) != 0)
        return TRUE;
    return CFrameWnd::OnCommand(wParam, lParam);
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) {
        if (m_hWndMDIClient != nullptr && ::TranslateMDISysAccel(m_hWndMDIClient, pMsg))
            return TRUE;
        if (m_hAccelTable != nullptr && ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg))
            return TRUE;
    }
    return FALSE;
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    return ::DefFrameProcA(m_hWnd, m_hWndMDIClient, nMsg, wParam, lParam);
}

void CMDIFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    CMDIChildWnd* pActiveWnd = MDIGetActive();
    if (pActiveWnd != nullptr) {
        pActiveWnd->OnUpdateFrameMenu(TRUE, pActiveWnd, hMenuAlt);
        return;
    }
    if (hMenuAlt == nullptr)
        hMenuAlt = m_hMenuDefault;
    ::SendMessageA(m_hWndMDIClient, WM_MDISETMENU, (WPARAM)hMenuAlt, (LPARAM)GetWindowMenuPopup(hMenuAlt));
    DrawMenuBar();
}

void CMDIFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    BOOL bMaximized = FALSE;
    CMDIChildWnd* pActiveChild = MDIGetActive(&bMaximized);
    CDocument* pDocument = pActiveChild != nullptr ? pActiveChild->GetActiveDocument() : nullptr;
    // A maximized child's title is shown by the system next to ours.
    if (bAddToTitle && pActiveChild != nullptr && !bMaximized && pDocument != nullptr) {
        int nSaved = m_nWindow;
        m_nWindow = pActiveChild->m_nWindow;
        UpdateFrameTitleForDocument(pDocument->GetTitle());
        m_nWindow = nSaved;
    } else {
        UpdateFrameTitleForDocument(nullptr);
    }
}

BOOL CMDIFrameWnd::OnMDIWindowCmd(UINT nID)
{
    switch (nID) {
    case ID_WINDOW_ARRANGE: MDIIconArrange(); return TRUE;
    case ID_WINDOW_CASCADE: MDICascade(); return TRUE;
    case ID_WINDOW_TILE_HORZ: MDITile(MDITILE_HORIZONTAL); return TRUE;
    case ID_WINDOW_TILE_VERT: MDITile(MDITILE_VERTICAL); return TRUE;
    default: return FALSE;
    }
}

void CMDIFrameWnd::OnUpdateMDIWindowCmd(CCmdUI* pCmdUI) { pCmdUI->Enable(MDIGetActive() != nullptr); }

void CMDIFrameWnd::OnWindowNew()
{
    CMDIChildWnd* pActiveChild = MDIGetActive();
    CDocument* pDocument = pActiveChild != nullptr ? pActiveChild->GetActiveDocument() : nullptr;
    if (pDocument == nullptr || pDocument->GetDocTemplate() == nullptr)
        return;
    CDocTemplate* pTemplate = pDocument->GetDocTemplate();
    CFrameWnd* pFrame = pTemplate->CreateNewFrame(pDocument, pActiveChild);
    if (pFrame != nullptr)
        pTemplate->InitialUpdateFrame(pFrame, pDocument);
}

void CMDIFrameWnd::OnDestroy()
{
    // Keep the default menu from being destroyed twice.
    ::SetMenu(m_hWnd, nullptr);
    if (m_hMenuDefault != nullptr) {
        ::DestroyMenu(m_hMenuDefault);
        m_hMenuDefault = nullptr;
    }
    CFrameWnd::OnDestroy();
}

// Child frames ------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
    ON_WM_MDIACTIVATE()
    ON_WM_MOUSEACTIVATE()
    ON_WM_CHILDACTIVATE()
    ON_WM_SIZE()
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CMDIChildWnd::CMDIChildWnd() = default;

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const
{
    HWND hWndClient = ::GetParent(m_hWnd);
    return dynamic_cast<CMDIFrameWnd*>(FromHandlePermanent(::GetParent(hWndClient)));
}

BOOL CMDIChildWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    BOOL bResult = CFrameWnd::PreCreateWindow(cs);
    cs.style |= WS_CHILD;
    cs.style &= ~FWS_PREFIXTITLE;
    return bResult;
}

BOOL CMDIChildWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                          CMDIFrameWnd* pParentWnd, CCreateContext* pContext)
{
    if (pParentWnd == nullptr)
        pParentWnd = dynamic_cast<CMDIFrameWnd*>(AfxGetMainWnd());
    if (pParentWnd == nullptr || pParentWnd->m_hWndMDIClient == nullptr)
        return FALSE;

    m_strTitle = lpszWindowName != nullptr ? lpszWindowName : "";
    CREATESTRUCT cs = {};
    cs.style = dwStyle | WS_CHILD;
    cs.dwExStyle = WS_EX_MDICHILD;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.hInstance = AfxGetInstanceHandle();
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = (int)((unsigned)rect.right - (unsigned)rect.left);
    cs.cy = (int)((unsigned)rect.bottom - (unsigned)rect.top);
    cs.hwndParent = pParentWnd->m_hWndMDIClient;
    cs.lpCreateParams = (LPVOID)pContext;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }

    // Always created hidden; shown (and so activated) below.
    MDICREATESTRUCTA mcs = {};
    mcs.szClass = cs.lpszClass;
    mcs.szTitle = cs.lpszName;
    mcs.hOwner = cs.hInstance;
    mcs.x = cs.x;
    mcs.y = cs.y;
    mcs.cx = cs.cx;
    mcs.cy = cs.cy;
    mcs.style = cs.style & ~(WS_MAXIMIZE | WS_VISIBLE);
    mcs.lParam = (LPARAM)cs.lpCreateParams;

    AfxHookWindowCreate(this);
    HWND hWnd = (HWND)::SendMessageA(pParentWnd->m_hWndMDIClient, WM_MDICREATE, 0, (LPARAM)&mcs);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    if (hWnd == nullptr)
        return FALSE;

    if (cs.style & WS_VISIBLE) {
        ::BringWindowToTop(hWnd);
        if (cs.style & WS_MINIMIZE)
            ShowWindow(SW_SHOWMINIMIZED);
        else if (cs.style & WS_MAXIMIZE)
            ShowWindow(SW_SHOWMAXIMIZED);
        else
            ShowWindow(SW_SHOWNORMAL);
        pParentWnd->MDIActivate(this);
        ::SendMessageA(pParentWnd->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
    }
    return TRUE;
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    CString strFull, strTitle;
    if (strFull.LoadString(nIDResource))
        AfxExtractSubString(strTitle, strFull, 0);
    // The template's shared menu serves every child of it (its accelerators
    // are found through the document when keys are translated).
    if (pContext != nullptr) {
        if (auto* pTemplate = dynamic_cast<CMultiDocTemplate*>(pContext->m_pNewDocTemplate))
            m_hMenuShared = pTemplate->m_hMenuShared;
    }
    LPCTSTR lpszClass = GetIconWndClass(dwDefaultStyle, nIDResource);
    return Create(lpszClass, strTitle, dwDefaultStyle, rectDefault, dynamic_cast<CMDIFrameWnd*>(pParentWnd), pContext);
}

BOOL CMDIChildWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    // Through the client, so that it activates the next child.
    if (GetExStyle() & WS_EX_MDICHILD) {
        MDIDestroy();
        return TRUE;
    }
    return CWnd::DestroyWindow();
}

BOOL CMDIChildWnd::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    // A child has no menu: its keys are translated for the MDI frame.
    HACCEL hAccel = GetDefaultAccelerator();
    if (hAccel == nullptr) {
        CDocument* pDoc = GetActiveDocument();
        if (pDoc != nullptr) {
            if (auto* pTemplate = dynamic_cast<CMultiDocTemplate*>(pDoc->GetDocTemplate()))
                hAccel = pTemplate->m_hAccelTable;
        }
    }
    CMDIFrameWnd* pFrame = GetMDIFrame();
    return hAccel != nullptr && pFrame != nullptr && ::TranslateAcceleratorA(pFrame->m_hWnd, hAccel, pMsg);
}

LRESULT CMDIChildWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    return ::DefMDIChildProcA(m_hWnd, nMsg, wParam, lParam);
}

void CMDIChildWnd::ActivateFrame(int nCmdShow)
{
    BOOL bVisible = IsWindowVisible();
    CMDIFrameWnd* pFrame = GetMDIFrame();
    BOOL bMaximized = FALSE;
    CMDIChildWnd* pActive = pFrame != nullptr ? pFrame->MDIGetActive(&bMaximized) : nullptr;
    if (nCmdShow == -1) {
        if (!bVisible)
            nCmdShow = (pActive != nullptr && bMaximized) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
        else if (IsIconic())
            nCmdShow = SW_RESTORE;
    }
    if (nCmdShow != -1)
        ShowWindow(nCmdShow);
    if (pFrame != nullptr)
        pFrame->MDIActivate(this);
    OnUpdateFrameMenu(TRUE, this, nullptr);
    if (pFrame != nullptr) {
        pFrame->DrawMenuBar();
        pFrame->OnUpdateFrameTitle(TRUE);
    }
}

void CMDIChildWnd::OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt)
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame == nullptr)
        return;
    if (hMenuAlt == nullptr && bActivate) {
        if (CDocument* pDoc = GetActiveDocument())
            hMenuAlt = pDoc->GetDefaultMenu();
    }
    if (hMenuAlt == nullptr)
        hMenuAlt = m_hMenuShared;
    if (hMenuAlt != nullptr && bActivate) {
        ::SendMessageA(pFrame->m_hWndMDIClient, WM_MDISETMENU, (WPARAM)hMenuAlt,
                       (LPARAM)pFrame->GetWindowMenuPopup(hMenuAlt));
    } else if (!bActivate && pActivateWnd == nullptr) {
        // The last child goes: the frame's own menu comes back.
        ::SendMessageA(pFrame->m_hWndMDIClient, WM_MDISETMENU, (WPARAM)pFrame->m_hMenuDefault,
                       (LPARAM)pFrame->GetWindowMenuPopup(pFrame->m_hMenuDefault));
    } else {
        ::SendMessageA(pFrame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
    }
    pFrame->DrawMenuBar();
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame != nullptr)
        pFrame->OnUpdateFrameTitle(bAddToTitle);
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    CDocument* pDocument = GetActiveDocument();
    if (bAddToTitle && pDocument != nullptr) {
        CString text = pDocument->GetTitle();
        if (m_nWindow > 0) {
            CString number;
            number.Format(":%d", m_nWindow);
            text += number;
        }
        CString current;
        GetWindowText(current);
        if (current == text)
            return;
        SetWindowText(text);
        // The client's Window menu copied the old title when the child was made.
        if (CMDIFrameWnd* pMDIFrame = GetMDIFrame())
            ::SendMessageA(pMDIFrame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
    }
}

void CMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd)
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (bActivate || pActivateWnd == nullptr)
        OnUpdateFrameMenu(bActivate, pActivateWnd, nullptr);
    CView* pActiveView = GetActiveView();
    if (pActiveView != nullptr) {
        if (bActivate)
            pActiveView->OnActivateView(TRUE, pActiveView, pActiveView);
        else
            pActiveView->OnActivateView(FALSE, pActiveView, pActiveView);
    }
    if (pFrame != nullptr)
        pFrame->m_nIdleFlags |= idleTitle;
    Default();
}

int CMDIChildWnd::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    int nResult = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    if (nResult == MA_NOACTIVATE || nResult == MA_NOACTIVATEANDEAT)
        return nResult;
    if (CMDIFrameWnd* pFrame = GetMDIFrame()) {
        if (pFrame->MDIGetActive() != this)
            pFrame->MDIActivate(this);
    }
    return nResult;
}

void CMDIChildWnd::OnChildActivate()
{
    Default();
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame != nullptr)
        pFrame->OnUpdateFrameTitle(TRUE);
}

void CMDIChildWnd::OnSize(UINT nType, int cx, int cy)
{
    // The child procedure handles maximising and restoring.
    Default();
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
    if (CMDIFrameWnd* pFrame = GetMDIFrame())
        pFrame->m_nIdleFlags |= idleTitle;
}

// A child moved by the client (maximised in place of a closed one, tiled)
// paints itself anew: the bits under its old place may be another child's.
void CMDIChildWnd::OnWindowPosChanging(WINDOWPOS* lpWndPos)
{
    if ((lpWndPos->flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE))
        lpWndPos->flags |= SWP_NOCOPYBITS;
    Default();
}

void CMDIChildWnd::OnDestroy()
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    CFrameWnd::OnDestroy();
    if (pFrame == nullptr)
        return;
    // When no other child is left the frame's own menu comes back.
    bool bOther = false;
    for (HWND h = ::GetTopWindow(pFrame->m_hWndMDIClient); h != nullptr; h = ::GetNextWindow(h, GW_HWNDNEXT)) {
        if (h != m_hWnd && dynamic_cast<CMDIChildWnd*>(FromHandlePermanent(h)) != nullptr) {
            bOther = true;
            break;
        }
    }
    if (!bOther) {
        ::SendMessageA(pFrame->m_hWndMDIClient, WM_MDISETMENU, (WPARAM)pFrame->m_hMenuDefault,
                       (LPARAM)pFrame->GetWindowMenuPopup(pFrame->m_hMenuDefault));
        pFrame->DrawMenuBar();
    }
    pFrame->m_nIdleFlags |= idleTitle;
}
