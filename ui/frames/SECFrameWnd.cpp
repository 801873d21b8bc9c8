#include "framework/Framework.h"
#include "ui/frames/SECFrameWnd.h"

#include "mvc/WndPlugIn.h"
#include "ui/frames/FrameRules.h"
#include "ui/frames/SECControlBar.h"
#include "ui/frames/SECDockBar.h"
#include "ui/frames/SECMDIFrameWnd.h"
#include "ui/frames/SECMiniDockFrameWnd.h"

IMPLEMENT_DYNCREATE(SECFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(SECFrameWnd, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_CLOSE()
    ON_WM_ENTERIDLE()
END_MESSAGE_MAP()

SECFrameWnd::SECFrameWnd() = default;
SECFrameWnd::~SECFrameWnd() = default;

int SECFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_features.CreateMenuPlugIn();
    return 0;
}

void SECFrameWnd::OnClose()
{
    m_bClosing = TRUE;
    const HWND hWnd = m_hWnd;
    CFrameWnd::OnClose();
    // A frame that went has deleted itself: only a refused close gets here alive.
    if (::IsWindow(hWnd) && CWnd::FromHandlePermanent(hWnd) == this)
        m_bClosing = FALSE;
}

BOOL SECFrameWnd::DestroyWindow()
{
    m_features.DeleteMenuPlugIn();
    return CFrameWnd::DestroyWindow();
}

// Caption -------------------------------------------------------------------------

BOOL SECFrameWnd::EnableCustomCaption(BOOL bEnable, BOOL bRedraw)
{
    return m_features.Caption().EnableCustomCaption(bEnable, bRedraw);
}

void SECFrameWnd::SetCaptionTextAlign(int nAlign, BOOL bRedraw)
{
    m_features.Caption().SetCaptionTextAlign(nAlign, bRedraw);
}

BOOL SECFrameWnd::CreateCaptionAppFont(CFont& font)
{
    return SECGradientCaption::CreateItalicCaptionFont(font);
}

BOOL SECFrameWnd::CreateCaptionDocFont(CFont& font)
{
    return SECGradientCaption::CreateSystemCaptionFont(font);
}

void SECFrameWnd::DrawCaption()
{
    m_features.Caption().DrawCaption();
}

// Menus ---------------------------------------------------------------------------

namespace {

bool MenuResourceExists(UINT nIDResource)
{
    HMENU hMenu = ::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
    if (hMenu == nullptr)
        return false;
    ::DestroyMenu(hMenu);
    return true;
}

} // namespace

BOOL SECFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    m_nResourceId = nIDResource;
    CString strFull;
    if (strFull.LoadString(nIDResource))
        AfxExtractSubString(m_strTitle, strFull, 0);
    const BOOL bMenuBar = GetMenuBar() != nullptr;
    const BOOL bWindowMenu = !bMenuBar && MenuResourceExists(nIDResource);
    LPCTSTR lpszClass = GetIconWndClass(dwDefaultStyle, nIDResource);
    CString strTitle = m_strTitle;
    if (!Create(lpszClass, strTitle, dwDefaultStyle, rectDefault, pParentWnd,
                bWindowMenu ? MAKEINTRESOURCE(nIDResource) : nullptr, 0L, pContext))
        return FALSE;
    m_hMenuDefault = ::GetMenu(m_hWnd);
    if (bMenuBar)
        m_features.LoadMenuBarMenu(nIDResource);
    if (m_hAccelTable == nullptr)
        LoadAccelTable(MAKEINTRESOURCE(nIDResource));
    if (pContext == nullptr)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
}

HMENU SECFrameWnd::GetMenuForResource(UINT nIDResource)
{
    HMENU hMenu = m_features.GetMenuBarMenu();
    return hMenu != nullptr && nIDResource == m_nResourceId ? hMenu : nullptr;
}

HMENU SECFrameWnd::GetMenuBarMenu()
{
    return GetMenuBar() != nullptr ? m_features.GetMenuBarMenu() : m_hMenuDefault;
}

void SECFrameWnd::OnUpdateFrameMenu(BOOL, CWnd*, HMENU) {}

// Docking -------------------------------------------------------------------------

CDockBar* SECFrameWnd::CreateDockBar()
{
    return new SECDockBar;
}

void SECFrameWnd::EnableDocking(DWORD dwDockStyle, DWORD dwDockBarOption)
{
    m_pFloatingFrameClass = RUNTIME_CLASS(SECMiniDockFrameWnd);
    m_features.CreateDockBars(dwDockStyle, dwDockBarOption, [this] { return CreateDockBar(); });
}

void SECFrameWnd::DockControlBarEx(CControlBar* pBar, UINT nDockBarID, int nCol, int nRow, float fPctWidth,
                                   int nLength)
{
    SECDockPos pos;
    pos.nCol = nCol;
    pos.nRow = nRow;
    auto modeFor = [pBar](SECDockBar&) { return DockLayoutModeForBarStyle(pBar->m_dwStyle); };
    if (!m_features.DockControlBarEx(pBar, nDockBarID, pos, SECDockSize{fPctWidth, nLength}, modeFor))
        DockControlBar(pBar, nDockBarID);
}

void SECFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle)
{
    CFrameWnd::FloatControlBar(pBar, SECFrameFeatures::ClampFloatPoint(point),
                               FloatingFrameStyle(dwStyle, pBar->m_dwStyle));
}

void SECFrameWnd::RecalcLayout(BOOL bNotify)
{
    if (m_bInRecalcLayout)
        return;
    CFrameWnd::RecalcLayout(bNotify);
    // What the bars left is where the client pane now stands; a query
    // layout would make the toolbars lay out their buttons again.
    m_rcLayout = PaneRect(*this);
}

void SECFrameWnd::LoadBarState(LPCTSTR pszSection)
{
    m_features.LoadBarState(pszSection);
}

void SECFrameWnd::SaveBarState(LPCTSTR pszSection) const
{
    m_features.SaveBarState(pszSection);
}

// Routing -------------------------------------------------------------------------

SECWndPlugIn* SECFrameWnd::CreateCommandPlugIn(CRuntimeClass* pClass)
{
    return m_features.CreateCommandPlugIn(pClass);
}

// This frame's command plug-in, else the parent library frame's, first.
BOOL SECFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    SECFrameFeatures* pFeatures = &m_features;
    if (pFeatures->GetCommandPlugIn() == nullptr) {
        CWnd* pParent = GetParentFrame();
        if (auto* pMdi = dynamic_cast<SECMDIFrameWnd*>(pParent))
            pFeatures = &pMdi->GetFeatures();
        else if (auto* pSdi = dynamic_cast<SECFrameWnd*>(pParent))
            pFeatures = &pSdi->GetFeatures();
    }
    if (pFeatures->OnCmdMsgPlugIn(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL SECFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_features.PreTranslateMessage(pMsg))
        return TRUE;
    return CFrameWnd::PreTranslateMessage(pMsg);
}

LRESULT SECFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (m_features.BeforeMessage(message, wParam, lParam, lResult))
        return lResult;
    lResult = CFrameWnd::WindowProc(message, wParam, lParam);
    m_features.AfterMessage(message, wParam, lParam);
    return lResult;
}

void SECFrameWnd::OnEnterIdle(UINT nWhy, CWnd* pWho)
{
    OnEnterIdleLayout(nWhy, pWho);
}

void SECFrameWnd::OnEnterIdleLayout(UINT nWhy, CWnd* pWho)
{
    m_features.OnEnterIdleLayout(nWhy);
    CFrameWnd::OnEnterIdle(nWhy, pWho);
}
