#include "framework/Framework.h"
#include "framework/ControlBar.h"
#include "framework/DockBar.h"
#include "framework/DockContext.h"
#include "framework/DockState.h"
#include "framework/MiniDockFrameWnd.h"

#include <algorithm>

namespace {

std::vector<CFrameWnd*>& FrameList()
{
    static std::vector<CFrameWnd*> frames;
    return frames;
}

} // namespace

BOOL AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString, TCHAR chSep)
{
    rString.Empty();
    if (lpszFullString == nullptr)
        return FALSE;
    while (iSubString--) {
        lpszFullString = strchr(lpszFullString, chSep);
        if (lpszFullString == nullptr)
            return FALSE;
        ++lpszFullString;
    }
    LPCTSTR lpchEnd = strchr(lpszFullString, chSep);
    int nLen = lpchEnd == nullptr ? (int)strlen(lpszFullString) : (int)(lpchEnd - lpszFullString);
    rString = CString(lpszFullString).Left(nLen);
    return TRUE;
}

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_ACTIVATE()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_NCACTIVATE()
    ON_WM_INITMENUPOPUP()
    ON_WM_MENUSELECT()
    ON_WM_ENTERIDLE()
    ON_WM_DROPFILES()
    ON_WM_SETCURSOR()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
    ON_MESSAGE(WM_POPMESSAGESTRING, OnPopMessageString)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_CAPS, OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_NUM, OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_SCRL, OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)
    ON_COMMAND_EX(ID_VIEW_STATUS_BAR, OnBarCheck)
    ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, OnUpdateControlBarMenu)
    ON_COMMAND_EX(ID_VIEW_TOOLBAR, OnBarCheck)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnToolTipText)
    ON_COMMAND(ID_HELP, OnHelp)
    ON_COMMAND(ID_HELP_FINDER, OnHelpFinder)
    ON_COMMAND(ID_CONTEXT_HELP, OnContextHelp)
    ON_UPDATE_COMMAND_UI(ID_CONTEXT_HELP, OnUpdateContextHelp)
    ON_COMMAND(ID_DEFAULT_HELP, OnHelpFinder)
END_MESSAGE_MAP()

CFrameWnd::CFrameWnd() { FrameList().push_back(this); }

CFrameWnd::~CFrameWnd()
{
    auto& frames = FrameList();
    frames.erase(std::remove(frames.begin(), frames.end(), this), frames.end());
}

const std::vector<CFrameWnd*>& CFrameWnd::GetFrameList() { return FrameList(); }

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCTSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext)
{
    HMENU hMenu = nullptr;
    if (lpszMenuName != nullptr)
        hMenu = ::LoadMenuA(AfxFindResourceHandle(lpszMenuName, RT_MENU), lpszMenuName);
    m_strTitle = lpszWindowName != nullptr ? lpszWindowName : "";
    // rectDefault holds CW_USEDEFAULT, which the subtraction must keep.
    int cx = (int)((unsigned)rect.right - (unsigned)rect.left);
    int cy = (int)((unsigned)rect.bottom - (unsigned)rect.top);
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, cx, cy,
                  AfxGetSafeHwnd(pParentWnd), hMenu, (LPVOID)pContext)) {
        if (hMenu != nullptr)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

LPCTSTR CFrameWnd::GetIconWndClass(DWORD, UINT nIDResource)
{
    HICON hIcon = ::LoadIconA(AfxFindResourceHandle(MAKEINTRESOURCE(nIDResource), RT_GROUP_ICON),
                              MAKEINTRESOURCE(nIDResource));
    if (hIcon == nullptr)
        return nullptr;
    return AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1), hIcon);
}

BOOL CFrameWnd::LoadAccelTable(LPCTSTR lpszResourceName)
{
    if (m_hAccelTable != nullptr)
        return FALSE;   // already loaded
    m_hAccelTable = ::LoadAcceleratorsA(AfxFindResourceHandle(lpszResourceName, RT_ACCELERATOR), lpszResourceName);
    return m_hAccelTable != nullptr;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    CString strFull;
    if (strFull.LoadString(nIDResource))
        AfxExtractSubString(m_strTitle, strFull, 0);
    LPCTSTR lpszClass = GetIconWndClass(dwDefaultStyle, nIDResource);
    CString title = m_strTitle;
    if (!Create(lpszClass, title, dwDefaultStyle, rectDefault, pParentWnd, MAKEINTRESOURCE(nIDResource), 0L, pContext))
        return FALSE;
    m_hMenuDefault = ::GetMenu(m_hWnd);
    LoadAccelTable(MAKEINTRESOURCE(nIDResource));
    if (pContext == nullptr)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr) {
        AfxDeferRegisterClass(AFX_WNDFRAMEORVIEW_REG);
        cs.lpszClass = _afxWndFrameOrView;
    }
    if (cs.style & FWS_ADDTOTITLE)
        cs.style |= FWS_PREFIXTITLE;
    return TRUE;
}

void CFrameWnd::PostNcDestroy() { delete this; }   // frames live on the heap

int CFrameWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    CCreateContext* pContext = nullptr;
    if (lpcs->lpCreateParams != nullptr) {
        if (lpcs->dwExStyle & WS_EX_MDICHILD)
            pContext = (CCreateContext*)((LPMDICREATESTRUCT)lpcs->lpCreateParams)->lParam;
        else
            pContext = (CCreateContext*)lpcs->lpCreateParams;
    }
    return OnCreateHelper(lpcs, pContext);
}

BOOL CFrameWnd::OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* pContext)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    if (!OnCreateClient(lpcs, pContext))
        return -1;
    PostMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (pContext != nullptr && pContext->m_pNewViewClass != nullptr) {
        if (CreateView(pContext, AFX_IDW_PANE_FIRST) == nullptr)
            return FALSE;
    }
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    CObject* pObject = pContext->m_pNewViewClass->CreateObject();
    auto* pView = dynamic_cast<CWnd*>(pObject);
    if (pView == nullptr) {
        delete pObject;
        return nullptr;
    }
    // The view deletes itself when its window goes (also on a failed create).
    if (!pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 0, 0), this, nID, pContext))
        return nullptr;
    if (pView->GetExStyle() & WS_EX_CLIENTEDGE)
        ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED);
    return pView;
}

void CFrameWnd::OnDestroy()
{
    // The menu of the window goes with it unless it is shared.
    if (!(GetStyle() & WS_CHILD)) {
        HMENU hMenuCurrent = ::GetMenu(m_hWnd);
        if (hMenuCurrent != nullptr && hMenuCurrent != m_hMenuDefault)
            ::SetMenu(m_hWnd, m_hMenuDefault);
    }
    CWnd::OnDestroy();
}

void CFrameWnd::OnClose()
{
    CDocument* pDocument = GetActiveDocument();
    if (pDocument != nullptr && !pDocument->CanCloseFrame(this))
        return;
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == this) {
        if (pDocument == nullptr && !pApp->SaveAllModified())
            return;
        pApp->CloseAllDocuments(FALSE);
        if (pApp->m_pMainWnd == nullptr)
            return;
    }
    // The last frame of a document closes the document instead.
    if (pDocument != nullptr && pDocument->m_bAutoDelete) {
        bool bOtherFrame = false;
        POSITION pos = pDocument->GetFirstViewPosition();
        while (pos != nullptr) {
            CView* pView = pDocument->GetNextView(pos);
            if (pView->GetParentFrame() != this) {
                bOtherFrame = true;
                break;
            }
        }
        if (!bOtherFrame) {
            pDocument->OnCloseDocument();
            return;
        }
        pDocument->PreCloseFrame(this);
    }
    DestroyWindow();
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    if (m_pViewActive != nullptr && m_pViewActive->m_hWnd != nullptr)
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

namespace {

// A window the frame owns (its floating frames, its modeless dialogs).
bool IsOwnedBy(CWnd* pWnd, HWND hWndOwner)
{
    return pWnd != nullptr && pWnd->m_hWnd != nullptr && ::GetWindow(pWnd->m_hWnd, GW_OWNER) == hWndOwner;
}

} // namespace

namespace {

bool IsOwnedBy(HWND hWnd, HWND hOwner)
{
    for (HWND h = ::GetWindow(hWnd, GW_OWNER); h != nullptr; h = ::GetWindow(h, GW_OWNER))
        if (h == hOwner)
            return true;
    return false;
}

// The shown windows that this frame owns, directly or through another,
// that lie below it, highest first.
std::vector<HWND> OwnedWindowsBelow(HWND hFrame)
{
    std::vector<HWND> below;
    for (HWND h = ::GetWindow(hFrame, GW_HWNDNEXT); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
        if (::IsWindowVisible(h) && IsOwnedBy(h, hFrame))
            below.push_back(h);
    return below;
}

} // namespace

// Owned windows belong above their owner; Wine leaves those below it when
// the frame comes to the top, where the user would not find them.
void CFrameWnd::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    Default();
    if ((lpwndpos->flags & SWP_NOZORDER) || (GetStyle() & WS_CHILD))
        return;
    // Each goes just above the frame, so they keep their order among themselves.
    for (HWND hOwned : OwnedWindowsBelow(m_hWnd)) {
        HWND hAbove = ::GetWindow(m_hWnd, GW_HWNDPREV);
        ::SetWindowPos(hOwned, hAbove != nullptr ? hAbove : HWND_TOP, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void CFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    // Activation passing to one of the frame's own floating windows keeps
    // the frame looking active (they set the stay-active flag); leaving for
    // anything else takes its floating windows' active look with it.
    if (nState == WA_INACTIVE) {
        if (!IsOwnedBy(pWndOther, m_hWnd)) {
            m_nFlags &= ~WF_STAYACTIVE;
            NotifyFloatingWindows(FS_DEACTIVATE);
        }
        return;
    }
    m_nFlags &= ~WF_STAYACTIVE;
    NotifyFloatingWindows(FS_ACTIVATE);
    if (bMinimized)
        return;
    CFrameWnd* pActiveFrame = GetActiveFrame();
    if (pActiveFrame == nullptr)
        return;
    CView* pView = pActiveFrame->GetActiveView();
    if (pView != nullptr)
        pView->OnActivateView(TRUE, pView, pView);
}

BOOL CFrameWnd::OnNcActivate(BOOL bActive)
{
    // A frame keeps looking active while one of its floating windows has the focus.
    if (m_nFlags & WF_STAYACTIVE)
        bActive = TRUE;
    return (BOOL)DefWindowProc(WM_NCACTIVATE, bActive, 0);
}

void CFrameWnd::OnInitMenuPopup(CMenu* pMenu, UINT nIndex, BOOL bSysMenu)
{
    CWnd::OnInitMenuPopup(pMenu, nIndex, bSysMenu);
    if (bSysMenu)
        return;
    CCmdUI state;
    state.m_pMenu = pMenu;
    state.m_nIndexMax = pMenu->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++) {
        state.m_nID = pMenu->GetMenuItemID(state.m_nIndex);
        if (state.m_nID == 0)
            continue;   // separator
        if (state.m_nID == (UINT)-1) {
            // A popup: it is updated through its first item when it opens.
            state.m_pSubMenu = pMenu->GetSubMenu(state.m_nIndex);
            if (state.m_pSubMenu == nullptr || (state.m_nID = state.m_pSubMenu->GetMenuItemID(0)) == 0 ||
                state.m_nID == (UINT)-1)
                continue;
            state.DoUpdate(this, FALSE);
        } else {
            state.m_pSubMenu = nullptr;
            state.DoUpdate(this, m_bAutoMenuEnable && state.m_nID < 0xF000);
        }
        // Handlers may have added or removed items.
        UINT nCount = pMenu->GetMenuItemCount();
        if (nCount < state.m_nIndexMax) {
            state.m_nIndex -= (state.m_nIndexMax - nCount);
            while (state.m_nIndex < nCount && pMenu->GetMenuItemID(state.m_nIndex) == state.m_nID)
                state.m_nIndex++;
        }
        state.m_nIndexMax = nCount;
    }
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
{
    if (nFlags == 0xFFFF && hSysMenu == nullptr) {
        // The menu closed.
        SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
        return;
    }
    if (nItemID != 0 && !(nFlags & (MF_SEPARATOR | MF_POPUP | MF_MENUBREAK | MF_MENUBARBREAK)))
        SendMessage(WM_SETMESSAGESTRING, nItemID);
    else
        SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
}

void CFrameWnd::OnEnterIdle(UINT nWhy, CWnd* pWho)
{
    CWnd::OnEnterIdle(nWhy, pWho);
    if (m_nIdleFlags & idleLayout) {
        RecalcLayout(m_nIdleFlags & idleNotify);
        m_nIdleFlags &= ~(idleLayout | idleNotify);
    }
}

void CFrameWnd::OnDropFiles(HDROP hDropInfo)
{
    SetActiveWindow();
    CWinApp* pApp = AfxGetApp();
    UINT nFiles = ::DragQueryFileA(hDropInfo, (UINT)-1, nullptr, 0);
    for (UINT i = 0; i < nFiles; i++) {
        char path[MAX_PATH];
        if (::DragQueryFileA(hDropInfo, i, path, MAX_PATH) && pApp != nullptr)
            pApp->OpenDocumentFile(path);
    }
    ::DragFinish(hDropInfo);
}

BOOL CFrameWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_nWaitCursorCount > 0 && nHitTest == HTCLIENT) {
        pApp->DoWaitCursor(0);
        return TRUE;
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

BOOL CFrameWnd::OnEraseBkgnd(CDC* pDC)
{
    if (m_pViewActive != nullptr)
        return TRUE;   // the view covers it
    return CWnd::OnEraseBkgnd(pDC);
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    UINT nFlags = m_nIdleFlags;
    m_nIdleFlags = 0;
    if (nFlags & idleLayout)
        RecalcLayout(nFlags & idleNotify);
    if (nFlags & idleTitle)
        OnUpdateFrameTitle(TRUE);
    if (nFlags & idleMenu)
        OnUpdateFrameMenu(nullptr);
    return 0;
}

CWnd* CFrameWnd::GetMessageBar() { return GetDescendantWindow(AFX_IDW_STATUS_BAR, TRUE); }

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const
{
    CString full;
    rMessage.Empty();
    if (full.LoadString(nID))
        AfxExtractSubString(rMessage, full, 0);
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    UINT nIDLast = m_nIDLastMessage;
    CWnd* pMessageBar = GetMessageBar();
    if (pMessageBar != nullptr) {
        CString text;
        if (lParam != 0) {
            text = (LPCTSTR)lParam;
        } else if (wParam != 0) {
            GetMessageString((UINT)wParam, text);
        }
        pMessageBar->SetWindowText(text);
    }
    m_nIDLastMessage = (UINT)wParam;
    return nIDLast;
}

LRESULT CFrameWnd::OnPopMessageString(WPARAM wParam, LPARAM lParam)
{
    return OnSetMessageString(wParam != 0 ? wParam : AFX_IDS_IDLEMESSAGE, lParam);
}

void CFrameWnd::SetMessageText(LPCTSTR lpszText) { SendMessage(WM_SETMESSAGESTRING, 0, (LPARAM)lpszText); }
void CFrameWnd::SetMessageText(UINT nID) { SendMessage(WM_SETMESSAGESTRING, (WPARAM)nID); }

void CFrameWnd::OnUpdateKeyIndicator(CCmdUI* pCmdUI)
{
    int nVK = pCmdUI->m_nID == ID_INDICATOR_CAPS ? VK_CAPITAL
            : pCmdUI->m_nID == ID_INDICATOR_NUM  ? VK_NUMLOCK
                                                  : VK_SCROLL;
    pCmdUI->Enable(::GetKeyState(nVK) & 1);
}

BOOL CFrameWnd::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    auto* pTTT = (TOOLTIPTEXTA*)pNMHDR;
    UINT_PTR nID = pNMHDR->idFrom;
    if (pTTT->uFlags & TTF_IDISHWND)
        nID = (UINT_PTR)::GetDlgCtrlID((HWND)nID);
    if (nID == 0)
        return FALSE;
    CString full, tip;
    if (full.LoadString((UINT)nID) && !AfxExtractSubString(tip, full, 1))
        tip = full;   // no '\n': the whole string
    lstrcpynA(pTTT->szText, tip, (int)sizeof pTTT->szText);
    *pResult = 0;
    ::SetWindowPos(pNMHDR->hwndFrom, HWND_TOP, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE);
    return TRUE;
}

// Help Topics and F1: the application's help file, at its contents.
void CFrameWnd::OnHelp() { WinHelp(0, HELP_FINDER); }
void CFrameWnd::OnHelpFinder() { WinHelp(0, HELP_FINDER); }

namespace {

// Help mode: the help cursor until the next click identifies the target
// (which would get its topic, had we a help file); Escape or the right
// button cancels. The frame's bars keep their idle updates meanwhile.
class CHelpModeLoop : public CCaptureLoop
{
public:
    CHelpModeLoop(CFrameWnd* pFrame, HCURSOR hHelp) : CCaptureLoop(pFrame->m_hWnd), m_pFrame(pFrame), m_hHelp(hHelp) {}

protected:
    void OnIdle() override { m_pFrame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE); }
    void OnMove(CPoint) override { ::SetCursor(m_hHelp); }
    bool OnMessage(const MSG& msg) override
    {
        switch (msg.message) {
        case WM_LBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
            End(GetLastPoint());
            return true;
        case WM_NCRBUTTONDOWN:
            Cancel();
            return true;
        case WM_NCMOUSEMOVE:
            ::SetCursor(m_hHelp);
            return true;
        }
        return false;
    }
    // Not through PreTranslateMessage: no accelerators in help mode.
    void DispatchOther(MSG& msg) override
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }

private:
    CFrameWnd* m_pFrame;
    HCURSOR m_hHelp;
};

} // namespace

void CFrameWnd::OnContextHelp()
{
    if (m_bHelpMode || !IsWindowVisible())
        return;
    m_bHelpMode = TRUE;
    HCURSOR hHelp = ::LoadCursorA(nullptr, IDC_HELP);
    HCURSOR hOld = ::SetCursor(hHelp);
    CHelpModeLoop(this, hHelp).Run();
    ::SetCursor(hOld);
    m_bHelpMode = FALSE;
}

void CFrameWnd::OnUpdateContextHelp(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_bHelpMode);
}

BOOL CFrameWnd::OnBarCheck(UINT nID)
{
    if (CControlBar* pControlBar = GetControlBar(nID)) {
        ShowControlBar(pControlBar, !pControlBar->IsVisible(), FALSE);
        return TRUE;
    }
    CWnd* pBar = GetDescendantWindow(nID, TRUE);
    if (pBar == nullptr)
        return FALSE;
    pBar->ShowWindow((pBar->GetStyle() & WS_VISIBLE) ? SW_HIDE : SW_SHOWNA);
    RecalcLayout();
    return TRUE;
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI)
{
    if (CControlBar* pControlBar = GetControlBar(pCmdUI->m_nID)) {
        pCmdUI->SetCheck(pControlBar->IsVisible());
        return;
    }
    CWnd* pBar = GetDescendantWindow(pCmdUI->m_nID, TRUE);
    if (pBar == nullptr) {
        pCmdUI->ContinueRouting();
        return;
    }
    pCmdUI->SetCheck((pBar->GetStyle() & WS_VISIBLE) != 0);
}

// Routing -----------------------------------------------------------------------

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    CPushRoutingFrame push(this);
    CView* pView = GetActiveView();
    if (pView != nullptr && pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

HACCEL CFrameWnd::GetDefaultAccelerator()
{
    HACCEL hAccel = m_hAccelTable;
    if (CDocument* pDoc = GetActiveDocument()) {
        if (HACCEL hDocAccel = pDoc->GetDefaultAccelerator())
            hAccel = hDocAccel;
    }
    return hAccel;
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) {
        HACCEL hAccel = GetDefaultAccelerator();
        return hAccel != nullptr && ::TranslateAcceleratorA(m_hWnd, hAccel, pMsg);
    }
    return FALSE;
}

// Activity ----------------------------------------------------------------------

CFrameWnd* CFrameWnd::GetActiveFrame() { return this; }

CDocument* CFrameWnd::GetActiveDocument()
{
    CView* pView = GetActiveView();
    return pView != nullptr ? pView->GetDocument() : nullptr;
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify)
{
    CView* pViewOld = m_pViewActive;
    if (pViewNew == pViewOld)
        return;
    m_pViewActive = nullptr;   // nothing is active while they are told
    if (bNotify && pViewOld != nullptr)
        pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
    m_pViewActive = pViewNew;
    if (bNotify && pViewNew != nullptr)
        pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1) {
        if (!IsWindowVisible())
            nCmdShow = SW_SHOWNORMAL;
        else if (IsIconic())
            nCmdShow = SW_RESTORE;
    }
    BringWindowToTop();
    if (nCmdShow != -1) {
        ShowWindow(nCmdShow);
        BringWindowToTop();
    }
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible)
{
    CView* pView = GetActiveView();
    if (pView == nullptr) {
        // The first pane becomes the active view.
        CWnd* pWnd = GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE);
        if (pWnd != nullptr) {
            pView = dynamic_cast<CView*>(pWnd);
            if (pView == nullptr) {
                // A splitter: its first pane.
                pWnd = pWnd->GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE);
                pView = dynamic_cast<CView*>(pWnd);
            }
            if (pView != nullptr)
                SetActiveView(pView, FALSE);
        }
    }
    SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    if (bMakeVisible) {
        ActivateFrame();
        if (pView != nullptr)
            pView->OnActivateView(TRUE, pView, pView);
    }
    if (pDoc != nullptr)
        pDoc->UpdateFrameCounts();
    OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::NotifyFloatingWindows(DWORD dwFlags)
{
    // Floating windows are the frame's owned popups.
    struct Param { HWND hWndOwner; DWORD dwFlags; } param = { m_hWnd, dwFlags };
    ::EnumThreadWindows(::GetCurrentThreadId(),
                        [](HWND hWnd, LPARAM lParam) -> BOOL {
                            auto* p = (Param*)lParam;
                            if (::GetWindow(hWnd, GW_OWNER) == p->hWndOwner)
                                ::SendMessageA(hWnd, WM_FLOATSTATUS, p->dwFlags, 0);
                            return TRUE;
                        },
                        (LPARAM)&param);
}

// Layout ----------------------------------------------------------------------

void CFrameWnd::RecalcLayout(BOOL)
{
    if (m_bInRecalcLayout)
        return;
    m_bInRecalcLayout = TRUE;
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &m_rectBorder);
    m_bInRecalcLayout = FALSE;
}

void CFrameWnd::DelayRecalcLayout(BOOL bNotify)
{
    m_nIdleFlags |= (idleLayout | (bNotify ? idleNotify : 0));
}

BOOL CFrameWnd::NegotiateBorderSpace(UINT nBorderCmd, LPRECT lpRectBorder)
{
    switch (nBorderCmd) {
    case 1:   // get: the client area the borders may use
        RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, lpRectBorder);
        return TRUE;
    case 2:   // request
        return TRUE;
    case 3:   // set
        if (lpRectBorder == nullptr) {
            m_rectBorder.SetRectEmpty();
        } else {
            m_rectBorder = *lpRectBorder;
        }
        RecalcLayout();
        return TRUE;
    default:
        return FALSE;
    }
}

void CFrameWnd::OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState)
{
    // Bars hide while the preview shows and come back after it.
    if (bPreview) {
        pState->hMenu = ::GetMenu(m_hWnd);
        pState->hAccelTable = m_hAccelTable;
        pState->dwStates = 0;
        int nBit = 0;
        for (HWND hWnd = ::GetTopWindow(m_hWnd); hWnd != nullptr && nBit < 32; hWnd = ::GetNextWindow(hWnd, GW_HWNDNEXT)) {
            UINT nID = (UINT)::GetDlgCtrlID(hWnd);
            if (nID >= AFX_IDW_PANE_FIRST && nID <= AFX_IDW_PANE_LAST)
                continue;
            if (::IsWindowVisible(hWnd)) {
                pState->dwStates |= (1u << nBit);
                ::ShowWindow(hWnd, SW_HIDE);
            }
            ++nBit;
        }
        ::SetMenu(m_hWnd, nullptr);
        m_hAccelTable = nullptr;
    } else {
        int nBit = 0;
        for (HWND hWnd = ::GetTopWindow(m_hWnd); hWnd != nullptr && nBit < 32; hWnd = ::GetNextWindow(hWnd, GW_HWNDNEXT)) {
            UINT nID = (UINT)::GetDlgCtrlID(hWnd);
            if (nID >= AFX_IDW_PANE_FIRST && nID <= AFX_IDW_PANE_LAST)
                continue;
            if (pState->dwStates & (1u << nBit))
                ::ShowWindow(hWnd, SW_SHOWNA);
            ++nBit;
        }
        ::SetMenu(m_hWnd, pState->hMenu);
        m_hAccelTable = pState->hAccelTable;
    }
    RecalcLayout();
}

// Title and menu -----------------------------------------------------------------

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    CDocument* pDocument = GetActiveDocument();
    if (bAddToTitle && pDocument != nullptr)
        UpdateFrameTitleForDocument(pDocument->GetTitle());
    else
        UpdateFrameTitleForDocument(nullptr);
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCTSTR lpszDocName)
{
    CString text;
    CString number;
    if (m_nWindow > 0)
        number.Format(":%d", m_nWindow);
    if (GetStyle() & FWS_PREFIXTITLE) {
        if (lpszDocName != nullptr) {
            text += lpszDocName;
            text += number;
            if (!m_strTitle.IsEmpty())
                text += " - ";
        }
        text += m_strTitle;
    } else {
        text += m_strTitle;
        if (lpszDocName != nullptr) {
            if (!m_strTitle.IsEmpty())
                text += " - ";
            text += lpszDocName;
            text += number;
        }
    }
    CString current;
    GetWindowText(current);
    if (current != text)
        SetWindowText(text);
}

void CFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    if (hMenuAlt == nullptr) {
        if (CDocument* pDoc = GetActiveDocument())
            hMenuAlt = pDoc->GetDefaultMenu();
        if (hMenuAlt == nullptr)
            hMenuAlt = m_hMenuDefault;
    }
    ::SetMenu(m_hWnd, hMenuAlt);
}

// Docking -------------------------------------------------------------------

const DWORD CFrameWnd::dwDockBarMap[4][2] = {
    {AFX_IDW_DOCKBAR_TOP, CBRS_TOP},
    {AFX_IDW_DOCKBAR_BOTTOM, CBRS_BOTTOM},
    {AFX_IDW_DOCKBAR_LEFT, CBRS_LEFT},
    {AFX_IDW_DOCKBAR_RIGHT, CBRS_RIGHT},
};

void CFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    m_pFloatingFrameClass = RUNTIME_CLASS(CMiniDockFrameWnd);
    for (const auto& entry : dwDockBarMap) {
        if (!(entry[1] & dwDockStyle & CBRS_ALIGN_ANY) || GetControlBar(entry[0]) != nullptr)
            continue;
        auto* pDock = new CDockBar;   // deletes itself with its window
        if (!pDock->Create(this, WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CHILD | WS_VISIBLE | entry[1], entry[0])) {
            delete pDock;
            AfxThrowResourceException();
        }
    }
}

CControlBar* CFrameWnd::GetControlBar(UINT nID)
{
    if (nID == 0)
        return nullptr;
    POSITION pos = m_listControlBars.GetHeadPosition();
    while (pos != nullptr) {
        auto* pBar = (CControlBar*)m_listControlBars.GetNext(pos);
        if ((UINT)pBar->GetDlgCtrlID() == nID)
            return pBar;
    }
    return nullptr;
}

void CFrameWnd::AddControlBar(CControlBar* pBar)
{
    if (m_listControlBars.Find(pBar) == nullptr)
        m_listControlBars.AddTail(pBar);
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar)
{
    POSITION pos = m_listControlBars.Find(pBar);
    if (pos != nullptr)
        m_listControlBars.RemoveAt(pos);
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    CDockBar* pDockBar = nDockBarID == 0 ? nullptr : dynamic_cast<CDockBar*>(GetControlBar(nDockBarID));
    DockControlBar(pBar, pDockBar, lpRect);
}

void CFrameWnd::DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect)
{
    if (pDockBar == nullptr) {
        for (const auto& entry : dwDockBarMap) {
            if (entry[1] & pBar->m_dwDockStyle & CBRS_ALIGN_ANY) {
                pDockBar = dynamic_cast<CDockBar*>(GetControlBar(entry[0]));
                if (pDockBar != nullptr)
                    break;
            }
        }
    }
    if (pDockBar == nullptr)
        return;   // docking not enabled for any of the bar's sides
    pDockBar->DockControlBar(pBar, lpRect);
}

void CFrameWnd::ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect)
{
    if (pDockBar == nullptr) {
        DockControlBar(pBar, pDockBar, lpRect);
        return;
    }
    pDockBar->ReDockControlBar(pBar, lpRect);
}

CMiniDockFrameWnd* CFrameWnd::CreateFloatingFrame(DWORD dwStyle)
{
    CRuntimeClass* pClass = m_pFloatingFrameClass != nullptr ? m_pFloatingFrameClass : RUNTIME_CLASS(CMiniDockFrameWnd);
    CObject* pObject = pClass->CreateObject();
    auto* pFrame = dynamic_cast<CMiniDockFrameWnd*>(pObject);
    if (pFrame == nullptr) {
        delete pObject;
        AfxThrowResourceException();
    }
    if (!pFrame->Create(this, dwStyle)) {
        if (pFrame->m_hWnd != nullptr)
            pFrame->DestroyWindow();   // deletes it
        else
            delete pFrame;
        AfxThrowResourceException();
    }
    return pFrame;
}

void CFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle)
{
    // Alone in its floating frame and the same way round: the frame moves.
    if (pBar->IsFloating()) {
        CDockBar* pDockBar = pBar->m_pDockBar;
        auto* pFrame = dynamic_cast<CMiniDockFrameWnd*>(pDockBar->GetParent());
        if (pFrame != nullptr && pDockBar->GetDockedCount() == 1 &&
            IsHorzBarStyle(pDockBar->m_dwStyle) == IsHorzBarStyle(dwStyle)) {
            pFrame->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            pFrame->RecalcLayout(TRUE);
            pFrame->UpdateWindow();
            return;
        }
    }
    CMiniDockFrameWnd* pFrame = CreateFloatingFrame(dwStyle | (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC));
    pFrame->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    pFrame->GetDockBar()->DockControlBar(pBar);
    pFrame->RecalcLayout(TRUE);
    if (pBar->GetStyle() & WS_VISIBLE) {
        pFrame->ShowWindow(SW_SHOWNA);
        pFrame->UpdateWindow();
    }
    RecalcLayout();
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    // A floating bar changes at once: its frame shows with it.
    if (pBar->IsFloating()) {
        pBar->DelayShow(bShow);
        pBar->RecalcDelayShow(nullptr);
        CDockBar* pDockBar = pBar->m_pDockBar;
        if (auto* pFrame = dynamic_cast<CMiniDockFrameWnd*>(pDockBar->GetParent())) {
            pFrame->RecalcLayout(TRUE);
            pFrame->ShowWindow(pDockBar->GetDockedVisibleCount() > 0 ? SW_SHOWNA : SW_HIDE);
        }
        return;
    }
    pBar->DelayShow(bShow);
    if (bDelay) {
        DelayRecalcLayout();
        return;
    }
    pBar->RecalcDelayShow(nullptr);
    RecalcLayout();
}

DWORD CFrameWnd::CanDock(CRect rect, DWORD dwDockStyle, CDockBar** ppDockBar)
{
    for (const auto& entry : dwDockBarMap) {
        if (!(entry[1] & dwDockStyle & CBRS_ALIGN_ANY))
            continue;
        auto* pDockBar = dynamic_cast<CDockBar*>(GetControlBar(entry[0]));
        if (pDockBar == nullptr || !pDockBar->IsWindowVisible())
            continue;
        CRect rectBar;
        pDockBar->GetWindowRect(&rectBar);
        // An empty dock bar is a line along the frame's edge.
        if (rectBar.Width() == 0)
            rectBar.right++;
        if (rectBar.Height() == 0)
            rectBar.bottom++;
        CRect rectHit;
        if (rectHit.IntersectRect(&rectBar, &rect)) {
            if (ppDockBar != nullptr)
                *ppDockBar = pDockBar;
            return entry[1] & CBRS_ALIGN_ANY;
        }
    }
    return 0;
}

// Bar state -----------------------------------------------------------------

void CFrameWnd::GetDockState(CDockState& state) const
{
    state.Clear();
    POSITION pos = m_listControlBars.GetHeadPosition();
    while (pos != nullptr) {
        auto* pBar = (CControlBar*)m_listControlBars.GetNext(pos);
        auto* pInfo = new CControlBarInfo;
        state.m_arrBarInfo.Add(pInfo);
        pBar->GetBarInfo(pInfo);
    }
}

namespace {

// At least the caption of a floating frame stays on the screen.
CPoint OnScreen(CPoint pt)
{
    CRect screen(::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN), 0, 0);
    screen.right = screen.left + ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
    screen.bottom = screen.top + ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
    const int kKeep = 40;
    pt.x = std::clamp<LONG>(pt.x, screen.left, std::max<LONG>(screen.left, screen.right - kKeep));
    pt.y = std::clamp<LONG>(pt.y, screen.top, std::max<LONG>(screen.top, screen.bottom - kKeep));
    return pt;
}

} // namespace

// The bars of the records: a new floating frame for each floating dock
// bar, the frame's own bar by id otherwise (none for a bar that is gone).
void CFrameWnd::FindRecordBars(const CDockState& state)
{
    for (int i = 0; i < state.GetCount(); i++) {
        CControlBarInfo* pInfo = state.GetAt(i);
        // Only floating dock bars are saved as floating.
        if (pInfo->m_bFloating)
            pInfo->m_pBar = CreateFloatingFrame(pInfo->m_bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT)->GetDockBar();
        else
            pInfo->m_pBar = GetControlBar(pInfo->m_nBarID);
    }
}

// Floating frames at their places (on the screen), shown when they show a
// bar; those left without bars go.
void CFrameWnd::PlaceFloatingFrames(const CDockState& state)
{
    for (int i = 0; i < state.GetCount(); i++) {
        CControlBarInfo* pInfo = state.GetAt(i);
        if (!pInfo->m_bFloating || pInfo->m_pBar == nullptr)
            continue;
        auto* pDockBar = static_cast<CDockBar*>(pInfo->m_pBar);
        auto* pFrame = static_cast<CMiniDockFrameWnd*>(pDockBar->GetParent());
        if (pDockBar->GetDockedCount() == 0) {
            pFrame->DestroyWindow();
            pInfo->m_pBar = nullptr;
            continue;
        }
        CPoint pt = OnScreen(pInfo->m_pointPos);
        pFrame->SetWindowPos(nullptr, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        pFrame->RecalcLayout(TRUE);
        if (pDockBar->GetDockedVisibleCount() > 0)
            pFrame->ShowWindow(SW_SHOWNA);
    }
    // Floating frames the moved bars left empty.
    POSITION pos = m_listControlBars.GetHeadPosition();
    while (pos != nullptr) {
        auto* pDockBar = dynamic_cast<CDockBar*>((CControlBar*)m_listControlBars.GetNext(pos));
        if (pDockBar != nullptr && pDockBar->m_bFloating && pDockBar->GetDockedCount() == 0)
            pDockBar->GetParent()->PostMessage(WM_CLOSE);
    }
}

void CFrameWnd::SetDockState(const CDockState& state)
{
    FindRecordBars(state);
    // Dock bars take their bars first, then each bar its own state.
    for (int nPass = 0; nPass < 2; nPass++) {
        for (int i = 0; i < state.GetCount(); i++) {
            CControlBarInfo* pInfo = state.GetAt(i);
            if (pInfo->m_pBar != nullptr && (pInfo->m_pBar->IsDockBar() == (nPass == 0)))
                pInfo->m_pBar->SetBarInfo(pInfo, this);
        }
    }
    PlaceFloatingFrames(state);
    RecalcLayout();
    DelayRecalcLayout();
}

void CFrameWnd::LoadBarState(LPCTSTR lpszProfileName)
{
    CDockState state;
    state.LoadState(lpszProfileName);
    SetDockState(state);
}

void CFrameWnd::SaveBarState(LPCTSTR lpszProfileName) const
{
    CDockState state;
    GetDockState(state);
    state.SaveState(lpszProfileName);
}
