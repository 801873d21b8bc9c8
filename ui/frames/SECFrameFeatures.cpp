#include "framework/Framework.h"
#include "ui/frames/SECFrameFeatures.h"

#include "framework/HostServices.h"
#include "mvc/WndPlugIn.h"
#include "ui/frames/FloatPlacement.h"
#include "ui/frames/SECBmpMenuPlugIn.h"
#include "ui/frames/SECBmpMgr.h"
#include "ui/frames/SECCustomToolBar.h"
#include "ui/frames/SECDockBar.h"
#include "ui/frames/SECDockState.h"
#include "ui/frames/SECMenuBar.h"
#include "ui/frames/SECMenuBarFeature.h"
#include "ui/frames/SECToolBarManager.h"

namespace {

// The application's settings; the host's when there is no application.
CProfileStore& BarStateStore()
{
    CWinApp* pApp = AfxGetApp();
    return pApp ? pApp->GetProfileStore() : GetHostServices().Profile();
}

} // namespace

CRect PaneRect(CFrameWnd& frame)
{
    CRect rect;
    HWND hPane = ::GetDlgItem(frame.m_hWnd, AFX_IDW_PANE_FIRST);
    if (hPane == nullptr || !::IsWindowVisible(hPane))
        return rect;
    ::GetWindowRect(hPane, &rect);
    frame.ScreenToClient(&rect);
    return rect;
}

SECFrameFeatures::SECFrameFeatures(CFrameWnd& frame, ISECFrameHost& host)
    : m_frame(frame), m_host(host), m_caption(frame, &host)
{
    GetMenuMessage();
}

SECFrameFeatures::~SECFrameFeatures()
{
    // The plug-ins give the menus back before the menus go.
    DeleteMenuPlugIn();
}

UINT SECFrameFeatures::GetMenuMessage()
{
    return SECMenuBarMessages::GetMenuMessage();
}

SECToolBarManager* SECFrameFeatures::ToolBarManager() const
{
    return dynamic_cast<SECToolBarManager*>(m_pManager);
}

BOOL SECFrameFeatures::IsCustomizing() const
{
    SECToolBarManager* pManager = ToolBarManager();
    return pManager != nullptr && pManager->IsCustomizing();
}

void SECFrameFeatures::CreateMenuPlugIn()
{
    if (m_pMenuBar != nullptr) {
        m_pMenuBarFeature = std::make_unique<SECMenuBarFeature>(m_frame);
        m_pMenuBarFeature->SetMenuBar(m_pMenuBar);
    }
    if (!m_bBmpMenus)
        return;
    m_pBmpMenus = std::make_unique<SECBmpMenuPlugIn>();
    SECToolBarManager* pManager = ToolBarManager();
    if (pManager != nullptr && pManager->GetBmpMgr() != nullptr)
        m_pBmpMenus->SetBitmapManager(pManager->GetBmpMgr());
    m_pBmpMenus->PlugInTo(&m_frame);
}

void SECFrameFeatures::DeleteMenuPlugIn()
{
    m_pMenuBarFeature.reset();
    m_pBmpMenus.reset();
}

BOOL SECFrameFeatures::SwapMenu(UINT nIDResource)
{
    return m_pMenuBarFeature != nullptr && m_pMenuBarFeature->SwapMenu(nIDResource);
}

BOOL SECFrameFeatures::LoadMenuBarMenu(UINT nIDResource)
{
    m_nOwnMenuKey = nIDResource;
    HMENU hMenu = ::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
    if (hMenu == nullptr)
        return FALSE;
    m_menuBarMenu.reset(hMenu);
    return TRUE;
}

SECWndPlugIn* SECFrameFeatures::CreateCommandPlugIn(CRuntimeClass* pClass)
{
    if (pClass == nullptr)
        return nullptr;
    std::unique_ptr<CObject> pObject(pClass->CreateObject());
    auto* pPlugIn = dynamic_cast<SECWndPlugIn*>(pObject.get());
    if (pPlugIn == nullptr || !pPlugIn->PlugInTo(&m_frame))
        return nullptr;
    pObject.release();
    m_pCommandPlugIn.reset(pPlugIn);
    return pPlugIn;
}

BOOL SECFrameFeatures::OnCmdMsgPlugIn(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    return m_pCommandPlugIn != nullptr && m_pCommandPlugIn->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL SECFrameFeatures::PreTranslateMessage(MSG* pMsg)
{
    if (m_pMenuBarFeature != nullptr && m_pMenuBarFeature->PreTranslateMessage(pMsg))
        return TRUE;
    // Closing the frame under the "Customize" sheet would pull the bars
    // from under it.
    return pMsg->message == WM_SYSCOMMAND && (pMsg->wParam & 0xFFF0) == SC_CLOSE && IsCustomizing();
}

BOOL SECFrameFeatures::BeforeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& lResult)
{
    lResult = 0;
    if (m_pBmpMenus != nullptr && m_pBmpMenus->OnWndMsg(message, wParam, lParam, &lResult))
        return TRUE;
    if (m_pMenuBarFeature != nullptr && m_pMenuBarFeature->OnFrameMessage(message, wParam, lParam, lResult))
        return TRUE;
    if (message == GetMenuMessage()) {
        HMENU hMenu = m_host.GetMenuForResource((UINT)wParam);
        lResult = (LRESULT)(hMenu != nullptr ? ::GetSubMenu(hMenu, (int)lParam) : nullptr);
        return TRUE;
    }
    if (IsCustomizing()) {
        if (message == WM_NCHITTEST) {
            lResult = HTERROR;   // nothing in the frame's border answers
            return TRUE;
        }
        if (message == WM_ENABLE || message == WM_NCACTIVATE)
            m_frame.m_nFlags &= ~WF_STAYACTIVE;
    }
    switch (message) {
    case WM_NCACTIVATE:
        // The frame stays active while one of its floating bars is.
        if (m_frame.m_nFlags & WF_STAYACTIVE)
            wParam = TRUE;
        break;
    case WM_SYSCOLORCHANGE:
        SECGetSysColors().RefreshSysColors();
        break;
    default:
        break;
    }
    return m_caption.OnNcMessage(message, wParam, lParam, lResult);
}

void SECFrameFeatures::AfterMessage(UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    if (message == WM_SYSCOLORCHANGE)
        RefreshToolBarImages();
    // A frame destroyed with its parent never had DestroyWindow called.
    if (message == WM_DESTROY)
        DeleteMenuPlugIn();
}

void SECFrameFeatures::RefreshToolBarImages()
{
    POSITION pos = m_frame.m_listControlBars.GetHeadPosition();
    while (pos != nullptr) {
        auto* pBar = dynamic_cast<SECCustomToolBar*>((CControlBar*)m_frame.m_listControlBars.GetNext(pos));
        if (pBar == nullptr || pBar->GetBmpMgr() == nullptr)
            continue;
        pBar->GetBmpMgr()->ReloadAll(TRUE);
        if (pBar->m_hWnd != nullptr)
            pBar->Invalidate();
    }
}

void SECFrameFeatures::CreateDockBars(DWORD dwDockStyle, DWORD dwDockBarOption,
                                      const std::function<CDockBar*()>& create)
{
    for (const auto& entry : CFrameWnd::dwDockBarMap) {
        if (!(entry[1] & dwDockStyle & CBRS_ALIGN_ANY) || m_frame.GetControlBar(entry[0]) != nullptr)
            continue;
        CDockBar* pDock = create();
        pDock->m_bAutoDelete = TRUE;   // deletes itself with its window
        auto* pSecDock = dynamic_cast<SECDockBar*>(pDock);
        const DWORD dwStyle = WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CHILD | WS_VISIBLE | entry[1];
        const BOOL bCreated = pSecDock != nullptr ? pSecDock->Create(&m_frame, dwStyle, dwDockBarOption, entry[0])
                                                  : pDock->Create(&m_frame, dwStyle, entry[0]);
        if (!bCreated) {
            delete pDock;
            AfxThrowResourceException();
        }
    }
}

void SECFrameFeatures::LoadBarState(LPCTSTR pszSection)
{
    SECDockState state(m_pManager);
    state.LoadState(BarStateStore(), pszSection);
    // Bars the layout floats in MDI children find their frame through it.
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == nullptr)
        pApp->m_pMainWnd = &m_frame;
    state.SetDockState(&m_frame);
}

void SECFrameFeatures::SaveBarState(LPCTSTR pszSection) const
{
    SECDockState state(m_pManager);
    state.GetDockState(&m_frame);
    state.CleanUpBarIds();
    state.SaveState(BarStateStore(), pszSection);
}

CPoint SECFrameFeatures::ClampFloatPoint(CPoint point)
{
    CRect rcWork;
    if (!::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0))
        return point;
    return ClampIntoWorkArea(point, rcWork);
}

void SECFrameFeatures::OnEnterIdleLayout(UINT nWhy)
{
    if (!IsCustomizing() || nWhy != MSGF_DIALOGBOX || !(m_frame.m_nIdleFlags & CFrameWnd::idleLayout))
        return;
    m_frame.RecalcLayout(m_frame.m_nIdleFlags & CFrameWnd::idleNotify);
    m_frame.m_nIdleFlags &= ~(CFrameWnd::idleLayout | CFrameWnd::idleNotify);
    m_frame.UpdateWindow();
}

BOOL SECFrameFeatures::DockControlBarEx(CControlBar* pBar, UINT nDockBarID, const SECDockPos& pos,
                                        const SECDockSize& size, const std::function<DWORD(SECDockBar&)>& modeFor)
{
    auto* pDock = dynamic_cast<SECDockBar*>(m_frame.GetControlBar(nDockBarID));
    for (const auto& entry : CFrameWnd::dwDockBarMap) {
        if (pDock == nullptr && (entry[1] & pBar->m_dwDockStyle & CBRS_ALIGN_ANY))
            pDock = dynamic_cast<SECDockBar*>(m_frame.GetControlBar(entry[0]));
    }
    if (pDock == nullptr)
        return FALSE;
    auto* pSecBar = dynamic_cast<SECControlBar*>(pBar);
    if (pSecBar != nullptr) {
        pSecBar->OnBarBeginDock();
        pSecBar->m_fPctWidth = size.fPctWidth;
    }
    pBar->CalcDynamicLayout(size.nLength, modeFor(*pDock));
    pDock->DockControlBarAt(pBar, &pos);
    if (pSecBar != nullptr)
        pSecBar->OnBarEndDock();
    return TRUE;
}
