// Frame windows: the menu, accelerators, title and layout around the views,
// and the command routing view -> frame -> application.
#pragma once

#include "framework/Wnd.h"
#include "framework/BarStyles.h"
#include "framework/Collections.h"

#include <vector>

class CView;
class CDocument;
class CDocTemplate;
class CControlBar;
class CDockBar;
class CDockState;
class CMiniDockFrameWnd;

// What a new frame needs to create its view.
struct CCreateContext
{
    CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
    CView* m_pLastView = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};

// What print preview saves of the frame while it shows.
struct CPrintPreviewState
{
    UINT nIDMainPane = AFX_IDW_PANE_FIRST;
    HMENU hMenu = nullptr;
    DWORD dwStates = 0;
    HWND hWndFocus = nullptr;
    HACCEL hAccelTable = nullptr;
};

class CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    static const CRect rectDefault;

    CFrameWnd();
    ~CFrameWnd() override;

    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCTSTR lpszMenuName = nullptr,
                DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
    // Title (first '\n' part of string nIDResource), menu, icon and
    // accelerators of one resource id; WM_INITIALUPDATE to the descendants
    // when there is no create context.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    BOOL LoadAccelTable(LPCTSTR lpszResourceName);
    // A window class with the icon of nIDResource (null when there is none).
    LPCTSTR GetIconWndClass(DWORD dwDefaultStyle, UINT nIDResource);
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);

    // Activity.
    virtual CFrameWnd* GetActiveFrame();
    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();
    virtual void ActivateFrame(int nCmdShow = -1);
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    void NotifyFloatingWindows(DWORD dwFlags);
    virtual BOOL IsFrameWnd() const { return TRUE; }

    // Layout: control bars (children answering WM_SIZEPARENT) take their
    // strips, the pane AFX_IDW_PANE_FIRST the rest.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    void DelayRecalcLayout(BOOL bNotify = TRUE);
    virtual BOOL NegotiateBorderSpace(UINT nBorderCmd, LPRECT lpRectBorder);
    virtual void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState);
    BOOL OnBarCheck(UINT nID);
    void OnUpdateControlBarMenu(CCmdUI* pCmdUI);

    // Docking. EnableDocking makes a dock bar for each side asked for
    // (AFX_IDW_DOCKBAR_TOP, _BOTTOM, _LEFT, _RIGHT, from dwDockBarMap); bars
    // then dock into them, float in CMiniDockFrameWnd frames (or
    // m_pFloatingFrameClass) and are shown and hidden through the frame.
    void EnableDocking(DWORD dwDockStyle);
    // nDockBarID 0 picks the first dock bar the bar may dock on. lpRect is
    // the drop place in screen coordinates (none: a new last row).
    virtual void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
    virtual void DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr);
    // Back at the bar's placeholder in pDockBar when it has one.
    virtual void ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr);
    // Floats the bar with its window's top-left at point (screen); dwStyle's
    // CBRS_ALIGN_* gives the orientation.
    virtual void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP);
    virtual CMiniDockFrameWnd* CreateFloatingFrame(DWORD dwStyle);
    // bDelay: at the next layout (idle), together with other changes.
    virtual void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    CControlBar* GetControlBar(UINT nID);
    virtual void AddControlBar(CControlBar* pBar);
    virtual void RemoveControlBar(CControlBar* pBar);
    // The bar layout in the profile under lpszProfileName.
    virtual void LoadBarState(LPCTSTR lpszProfileName);
    virtual void SaveBarState(LPCTSTR lpszProfileName) const;
    virtual void GetDockState(CDockState& state) const;
    // Bars that no longer exist are left out; floating frames are kept on
    // the screen.
    virtual void SetDockState(const CDockState& state);
    // The dock bar a rectangle (screen) would dock into, or null.
    DWORD CanDock(CRect rect, DWORD dwDockStyle, CDockBar** ppDockBar = nullptr);
    // Dock bar ids and their alignment bits, in the order they are tried.
    static const DWORD dwDockBarMap[4][2];

    // Title and menu.
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    void UpdateFrameTitleForDocument(LPCTSTR lpszDocName);
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt);
    virtual HACCEL GetDefaultAccelerator();
    void SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle; }
    CString GetTitle() const { return m_strTitle; }

    // Status line prompts: the text before '\n' of the command's string.
    void SetMessageText(LPCTSTR lpszText);
    void SetMessageText(UINT nID);
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    CWnd* GetMessageBar();

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PostNcDestroy() override;
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);

    // Every frame alive, for the idle update of the ones that are not the
    // main window's descendants.
    static const std::vector<CFrameWnd*>& GetFrameList();

    enum IdleFlags { idleMenu = 1, idleTitle = 2, idleNotify = 4, idleLayout = 8 };

    UINT m_nIDHelp = 0;
    HMENU m_hMenuDefault = nullptr;
    HACCEL m_hAccelTable = nullptr;
    BOOL m_bAutoMenuEnable = TRUE;
    CPtrList m_listControlBars;                 // CControlBar*, kept by the bars
    CRuntimeClass* m_pFloatingFrameClass = nullptr;
    UINT m_nIdleFlags = 0;
    BOOL m_bInRecalcLayout = FALSE;
    CRect m_rectBorder;
    int m_nWindow = -1;                         // the ":n" of the title, -1 none
    CString m_strTitle;
    CView* m_pViewActive = nullptr;
    BOOL m_bHelpMode = FALSE;                   // in the context-help loop

    // Handlers (public so that derived maps may name the base's).
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnClose();
    void OnSize(UINT nType, int cx, int cy);
    void OnSetFocus(CWnd* pOldWnd);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    BOOL OnNcActivate(BOOL bActive);
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    void OnEnterIdle(UINT nWhy, CWnd* pWho);
    void OnDropFiles(HDROP hDropInfo);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    BOOL OnEraseBkgnd(CDC* pDC);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    LRESULT OnPopMessageString(WPARAM wParam, LPARAM lParam);
    // The id of the text the status line shows now (0 for a plain text).
    UINT GetLastMessageID() const { return m_nIDLastMessage; }
    void OnUpdateKeyIndicator(CCmdUI* pCmdUI);
    BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    void OnHelp();
    void OnContextHelp();
    void OnUpdateContextHelp(CCmdUI* pCmdUI);
    void OnHelpFinder();

protected:
    virtual BOOL OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    void FindRecordBars(const CDockState& state);
    void PlaceFloatingFrames(const CDockState& state);
    UINT m_nIDLastMessage = 0;
    DECLARE_MESSAGE_MAP()
};

// The n-th '\n'-separated part of a string.
BOOL AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString, TCHAR chSep = '\n');
