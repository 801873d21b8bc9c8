#include "framework/Framework.h"
#include "ui/frames/SECToolBarManager.h"
#include "ui/frames/SECMenuBar.h"
#include "framework/HostServices.h"
#include "ui/frames/SECBmpMgr.h"
#include "ui/frames/SECControlBarInfo.h"
#include "ui/frames/SECCustomToolBar.h"
#include "ui/frames/SECCustomToolBarInfoEx.h"
#include "ui/frames/SECFrameWnd.h"
#include "ui/frames/SECMDIFrameWnd.h"
#include "ui/frames/SECToolBarsDlg.h"

#include <algorithm>

namespace {

CProfileStore& ManagerStore()
{
    CWinApp* pApp = AfxGetApp();
    return pApp ? pApp->GetProfileStore() : GetHostServices().Profile();
}

constexpr DWORD kBarStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM | CBRS_SIZE_DYNAMIC;
constexpr UINT kMenuBarTitleString = 20619;   // "Menu bar"

} // namespace

UINT SECToolBarManager::GetBarNotifyMessage()
{
    static const UINT s_nMessage = ::RegisterWindowMessageA("WM_BARNOTIFY");
    return s_nMessage;
}

SECToolBarManager::SECToolBarManager(CFrameWnd* pFrameWnd, CWnd* pOwner)
    : m_pFrameWnd(pFrameWnd), m_pOwner(pOwner), m_pBmpMgr(new SECBmpMgr)
{
}

SECToolBarManager::~SECToolBarManager() { m_pBmpMgr->Release(); }

void SECToolBarManager::DefineDefaultToolBar(UINT nID, LPCTSTR lpszTitle, UINT nBtnCount, const UINT* lpBtnIDs,
                                             DWORD dwAlignment, UINT nDockBarID, UINT nDockNextToID, BOOL bDocked,
                                             BOOL bVisible)
{
    SECDefaultToolBar bar;
    bar.nID = nID;
    bar.strTitle = lpszTitle;
    if (lpBtnIDs != nullptr)
        bar.buttons.assign(lpBtnIDs, lpBtnIDs + nBtnCount);
    bar.dwAlignment = dwAlignment;
    bar.nDockBarID = nDockBarID;
    bar.nDockNextToID = nDockNextToID;
    bar.bDocked = bDocked;
    bar.bVisible = bVisible;
    m_defaults.push_back(std::move(bar));
}

BOOL SECToolBarManager::LoadToolBarResource(UINT nIDToolBar, UINT nIDLargeToolBar)
{
    return m_pBmpMgr->LoadToolBar(nIDToolBar, nIDLargeToolBar, TRUE);
}

BOOL SECToolBarManager::GetDefaultButtons(UINT nID, UINT& nCount, const UINT*& pIDs) const
{
    for (const SECDefaultToolBar& bar : m_defaults) {
        if (bar.nID != nID)
            continue;
        nCount = (UINT)bar.buttons.size();
        pIDs = bar.buttons.data();
        return TRUE;
    }
    return FALSE;
}

SECMenuBar* SECToolBarManager::FrameMenuBar() const
{
    if (auto* pMDIFrame = dynamic_cast<SECMDIFrameWnd*>(m_pFrameWnd))
        return pMDIFrame->GetMenuBar();
    if (auto* pFrame = dynamic_cast<SECFrameWnd*>(m_pFrameWnd))
        return pFrame->GetMenuBar();
    return nullptr;
}

SECMenuBar* SECToolBarManager::GetMenuBar() const
{
    if (SECMenuBar* pMenuBar = FrameMenuBar())
        return pMenuBar;
    for (SECCustomToolBar* pBar : GetToolBars())
        if (auto* pMenuBar = dynamic_cast<SECMenuBar*>(pBar))
            return pMenuBar;
    return nullptr;
}

BOOL SECToolBarManager::SetMenuInfo(const std::vector<UINT>& menuIds)
{
    SECMenuBar* pMenuBar = GetMenuBar();
    if (pMenuBar == nullptr)
        return FALSE;
    pMenuBar->SetManager(this);
    return pMenuBar->SetMenuInfo(menuIds);
}

BOOL SECToolBarManager::SetMenuMasks(const std::vector<std::pair<UINT, DWORD>>& masks)
{
    SECMenuBar* pMenuBar = GetMenuBar();
    if (pMenuBar == nullptr)
        return FALSE;
    pMenuBar->SetMenuMasks(masks);
    return TRUE;
}

std::vector<SECCustomToolBar*> SECToolBarManager::GetToolBars() const
{
    std::vector<SECCustomToolBar*> bars;
    if (m_pFrameWnd == nullptr)
        return bars;
    POSITION pos = m_pFrameWnd->m_listControlBars.GetHeadPosition();
    while (pos != nullptr) {
        auto* pBar = dynamic_cast<SECCustomToolBar*>(static_cast<CControlBar*>(m_pFrameWnd->m_listControlBars.GetNext(pos)));
        if (pBar != nullptr && pBar->m_hWnd != nullptr)
            bars.push_back(pBar);
    }
    return bars;
}

// Options ----------------------------------------------------------------------

DWORD SECToolBarManager::BarStyle() const
{
    return kBarStyle | (m_bFlyBy ? CBRS_FLYBY : 0) | (m_options.bToolTips ? CBRS_TOOLTIPS : 0);
}

DWORD SECToolBarManager::BarExStyle() const { return m_options.bCoolLook ? 0x300 : 0; }

void SECToolBarManager::EnableToolTips(BOOL bEnable)
{
    if (!bEnable == !m_options.bToolTips)
        return;
    m_options.bToolTips = bEnable;
    ModifyBarStyleAll(bEnable, CBRS_TOOLTIPS);
}

void SECToolBarManager::EnableCoolLook(BOOL bEnable, DWORD dwExStyleBits)
{
    if (!bEnable == !m_options.bCoolLook)
        return;
    m_options.bCoolLook = bEnable;
    ModifyExStyleAll(bEnable, dwExStyleBits);
    if (m_pFrameWnd != nullptr)
        m_pFrameWnd->DelayRecalcLayout();
}

void SECToolBarManager::SetLargeButtons(BOOL bLarge)
{
    if (!bLarge == !m_options.bLargeButtons)
        return;
    m_options.bLargeButtons = bLarge;
    ApplyLargeButtons();
}

void SECToolBarManager::ApplyLargeButtons()
{
    m_pBmpMgr->SetSmallImages(!m_options.bLargeButtons);
    const std::vector<SECCustomToolBar*> bars = GetToolBars();
    for (SECCustomToolBar* pBar : bars) {
        ApplyImageSize(pBar);
        if (pBar->IsFloating())
            if (CFrameWnd* pFloat = pBar->GetParentFrame())
                pFloat->RecalcLayout();
        pBar->Invalidate(TRUE);
    }
    if (!bars.empty() && m_pFrameWnd != nullptr)
        m_pFrameWnd->DelayRecalcLayout();
}

void SECToolBarManager::ApplyImageSize(SECCustomToolBar* pBar) { pBar->RecalcButtonSizes(); }

void SECToolBarManager::ModifyBarStyleAll(BOOL bSet, DWORD dwBits)
{
    for (SECCustomToolBar* pBar : GetToolBars())
        pBar->SetBarStyle(bSet ? (pBar->GetBarStyle() | dwBits) : (pBar->GetBarStyle() & ~dwBits));
}

void SECToolBarManager::ModifyExStyleAll(BOOL bSet, DWORD dwBits)
{
    for (SECCustomToolBar* pBar : GetToolBars()) {
        pBar->m_dwExStyle = bSet ? (pBar->m_dwExStyle | dwBits) : (pBar->m_dwExStyle & ~dwBits);
        if (dwBits & EXSTYLE_FLAT_BORDERS)
            pBar->Invalidate(TRUE);
    }
}

void SECToolBarManager::LoadState(LPCTSTR lpszProfileName)
{
    ToolBarOptions options = m_options;
    options.Load(ManagerStore(), lpszProfileName);
    EnableToolTips(options.bToolTips);
    EnableCoolLook(options.bCoolLook, 0x300);
    SetLargeButtons(options.bLargeButtons);
    ApplyToAllBars();
}

void SECToolBarManager::SaveState(LPCTSTR lpszProfileName) const { m_options.Save(ManagerStore(), lpszProfileName); }

BOOL SECToolBarManager::LoadState(SECPersistentTreeNode* pParent)
{
    ToolBarOptions options = m_options;
    options.Load(pParent);
    if (pParent != nullptr) {
        EnableToolTips(options.bToolTips);
        EnableCoolLook(options.bCoolLook, 0x300);
        SetLargeButtons(options.bLargeButtons);
    } else {
        m_options = options;
    }
    ApplyToAllBars();
    return pParent != nullptr;
}

BOOL SECToolBarManager::SaveState(SECPersistentTreeNode* pParent) const { return m_options.Save(pParent); }

void SECToolBarManager::ApplyToAllBars()
{
    const std::vector<SECCustomToolBar*> bars = GetToolBars();
    if (bars.empty()) {
        ResetToDefaults();
        return;
    }
    for (SECCustomToolBar* pBar : bars) {
        pBar->SetManager(this);
        pBar->SetBmpMgr(m_pBmpMgr);
        pBar->RecalcButtonSizes();
        pBar->Invalidate(TRUE);
    }
}

SECCustomToolBar* SECToolBarManager::NewToolBar(UINT nID, LPCTSTR lpszTitle)
{
    auto* pBar = new SECCustomToolBar;
    pBar->SetManager(this);
    pBar->SetBmpMgr(m_pBmpMgr);
    if (m_pOwner != nullptr)
        pBar->SetOwner(m_pOwner);
    if (!pBar->CreateEx(BarExStyle(), m_pFrameWnd, BarStyle(), nID, lpszTitle)) {
        delete pBar;
        return nullptr;
    }
    pBar->m_bAutoDelete = TRUE;
    ApplyImageSize(pBar);
    return pBar;
}

// The application owns the menu bar object, so it is never auto-deleted.
SECMenuBar* SECToolBarManager::CreateMenuBarWindow(UINT nID, LPCTSTR lpszTitle)
{
    SECMenuBar* pMenuBar = FrameMenuBar();
    if (pMenuBar == nullptr || pMenuBar->m_hWnd != nullptr)
        return nullptr;
    pMenuBar->SetManager(this);
    pMenuBar->SetBmpMgr(m_pBmpMgr);
    if (!pMenuBar->CreateEx(BarExStyle(), m_pFrameWnd, BarStyle(), nID, lpszTitle))
        return nullptr;
    ApplyImageSize(pMenuBar);
    return pMenuBar;
}

void SECToolBarManager::ResetMenuBar()
{
    CString strTitle;
    if (!strTitle.LoadString(kMenuBarTitleString))
        strTitle = "Menu bar";
    SECMenuBar* pMenuBar = CreateMenuBarWindow(kMenuBarID, strTitle);
    if (pMenuBar == nullptr)
        return;
    pMenuBar->SetButtons(m_menuBarButtons.data(), (int)m_menuBarButtons.size());
    // New buttons show every menu's popups until the active mask hides them.
    pMenuBar->SetMenuMask(pMenuBar->GetMenuMask(), FALSE);
    pMenuBar->EnableDocking(CBRS_ALIGN_ANY);
    m_pFrameWnd->DockControlBar(pMenuBar, AFX_IDW_DOCKBAR_TOP, nullptr);
}

void SECToolBarManager::ResetToDefaults()
{
    if (m_pFrameWnd == nullptr)
        return;
    ResetMenuBar();
    for (const SECDefaultToolBar& def : m_defaults) {
        SECCustomToolBar* pBar = NewToolBar(def.nID, def.strTitle);
        if (pBar == nullptr)
            break;
        pBar->SetButtons(def.buttons.data(), (int)def.buttons.size());
        pBar->EnableDocking(def.dwAlignment);
        CControlBar* pBeside = def.nDockNextToID != 0 ? m_pFrameWnd->GetControlBar(def.nDockNextToID) : nullptr;
        if (pBeside == nullptr) {
            m_pFrameWnd->DockControlBar(pBar, def.nDockBarID, nullptr);
            continue;
        }
        m_pFrameWnd->RecalcLayout();
        CRect rc;
        pBeside->GetWindowRect(&rc);
        const bool bHorzDock = def.nDockBarID == AFX_IDW_DOCKBAR_TOP || def.nDockBarID == AFX_IDW_DOCKBAR_BOTTOM;
        rc.OffsetRect(bHorzDock ? 1 : 0, bHorzDock ? 0 : 1);
        m_pFrameWnd->DockControlBar(pBar, def.nDockBarID, &rc);
    }
    m_pFrameWnd->RecalcLayout();
    for (const SECDefaultToolBar& def : m_defaults) {
        CControlBar* pBar = m_pFrameWnd->GetControlBar(def.nID);
        if (pBar == nullptr)
            continue;
        if (!def.bVisible)
            m_pFrameWnd->ShowControlBar(pBar, FALSE, FALSE);
        if (!def.bDocked && pBar->m_pDockContext != nullptr)
            pBar->m_pDockContext->ToggleDocking();
    }
}

SECCustomToolBar* SECToolBarManager::CreateUserToolBar(LPCTSTR lpszTitle)
{
    std::vector<UINT> used;
    for (SECCustomToolBar* pBar : GetToolBars())
        used.push_back((UINT)pBar->GetDlgCtrlID());
    const UINT nID = NextUserToolBarID(used);
    if (nID == 0)
        return nullptr;
    CString strTitle = lpszTitle != nullptr ? CString(lpszTitle) : CString();
    if (strTitle.IsEmpty()) {
        CString strFormat;
        if (!strFormat.LoadString(IDS_SEC_TOOLBAR_TITLE))
            strFormat = "ToolBar%d";
        strTitle.Format(strFormat, (int)(nID - (kFirstUserToolBarID - 1)));
    }
    SECCustomToolBar* pBar = NewToolBar(nID, strTitle);
    if (pBar == nullptr)
        return nullptr;
    pBar->SetCustomizeMode(m_bCustomize);
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    return pBar;
}

int SECToolBarManager::ExecViewToolBarsDlg()
{
    SECToolBarsDlg dlg(m_pFrameWnd);
    dlg.SetManager(this);
    return (int)dlg.DoModal();
}

// Dock state ---------------------------------------------------------------------

UINT SECToolBarManager::GetBarTypeID(CControlBar* pBar)
{
    if (dynamic_cast<SECMenuBar*>(pBar) != nullptr)
        return kMenuBarTypeID;
    return dynamic_cast<SECCustomToolBar*>(pBar) != nullptr ? kCustomToolBarTypeID : 0;
}

SECControlBarInfoEx* SECToolBarManager::CreateBarInfoEx(SECControlBarInfo* pInfo)
{
    if (pInfo->m_nTypeID == kCustomToolBarTypeID || pInfo->m_nTypeID == kMenuBarTypeID)
        return new SECCustomToolBarInfoEx;
    return nullptr;
}

CControlBar* SECToolBarManager::CreateBar(SECControlBarInfo* pInfo, CFrameWnd*)
{
    if (pInfo->m_nTypeID == kMenuBarTypeID) {
        SECMenuBar* pMenuBar = CreateMenuBarWindow(pInfo->m_nBarID, nullptr);
        if (pMenuBar == nullptr)
            return nullptr;
        if (m_pOwner != nullptr)
            pMenuBar->SetOwner(m_pOwner);
        pMenuBar->EnableDocking(CBRS_ALIGN_ANY);
        return pMenuBar;
    }
    if (pInfo->m_nTypeID != kCustomToolBarTypeID)
        return nullptr;
    SECCustomToolBar* pBar = NewToolBar(pInfo->m_nBarID, nullptr);
    if (pBar != nullptr)
        pBar->EnableDocking(CBRS_ALIGN_ANY);
    return pBar;
}

// Customise mode -----------------------------------------------------------------

void SECToolBarManager::BeginCustomize()
{
    if (m_bFrameDisabled || m_pFrameWnd == nullptr)
        return;
    m_bFrameDisabled = TRUE;
    m_pFrameWnd->EnableWindow(FALSE);
    for (HWND hChild = ::GetWindow(m_pFrameWnd->m_hWnd, GW_CHILD); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (!::IsWindowEnabled(hChild) || dynamic_cast<CDockBar*>(CWnd::FromHandlePermanent(hChild)) != nullptr)
            continue;
        ::EnableWindow(hChild, FALSE);
        m_disabledWnds.push_back(hChild);
    }
}

void SECToolBarManager::EndCustomize()
{
    if (!m_bFrameDisabled)
        return;
    m_bFrameDisabled = FALSE;
    if (m_pFrameWnd != nullptr)
        m_pFrameWnd->EnableWindow(TRUE);
    for (HWND hWnd : m_disabledWnds)
        if (::IsWindow(hWnd))
            ::EnableWindow(hWnd, TRUE);
    m_disabledWnds.clear();
}

void SECToolBarManager::SetCustomizeMode(BOOL bCustomize)
{
    if (!bCustomize == !m_bCustomize)
        return;
    m_bCustomize = bCustomize;
    for (SECCustomToolBar* pBar : GetToolBars())
        pBar->SetCustomizeMode(bCustomize);
}

void SECToolBarManager::GetCustomizeDlgRect(LPRECT lpRect) const
{
    ::SetRectEmpty(lpRect);
    if (m_pCustomizeDlg != nullptr && m_pCustomizeDlg->m_hWnd != nullptr)
        m_pCustomizeDlg->GetWindowRect(lpRect);
}

SECCustomToolBar* SECToolBarManager::ToolBarFromRect(LPCRECT lpRect)
{
    std::vector<SECCustomToolBar*> hits;
    for (SECCustomToolBar* pBar : GetToolBars()) {
        if (!pBar->IsWindowVisible())
            continue;
        CRect rc, rcHit;
        if (pBar->IsFloating() && pBar->GetParentFrame() != nullptr)
            pBar->GetParentFrame()->GetWindowRect(&rc);
        else
            pBar->GetWindowRect(&rc);
        if (rcHit.IntersectRect(&rc, lpRect))
            hits.push_back(pBar);
    }
    if (hits.size() <= 1)
        return hits.empty() ? nullptr : hits.front();
    // Several: the floating one on top wins.
    for (HWND hWnd = ::GetTopWindow(nullptr); hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
        for (SECCustomToolBar* pBar : hits)
            if (pBar->IsFloating() && pBar->GetParentFrame() != nullptr && pBar->GetParentFrame()->m_hWnd == hWnd)
                return pBar;
    return nullptr;
}

SECCustomToolBar* SECToolBarManager::ToolBarFromID(UINT nID)
{
    for (SECCustomToolBar* pBar : GetToolBars())
        if ((UINT)pBar->GetDlgCtrlID() == nID)
            return pBar;
    return nullptr;
}

// Notifications ------------------------------------------------------------------

void SECToolBarManager::AddNotifyWnd(CWnd* pWnd)
{
    if (std::find(m_notifyWnds.begin(), m_notifyWnds.end(), pWnd) == m_notifyWnds.end())
        m_notifyWnds.push_back(pWnd);
}

void SECToolBarManager::RemoveNotifyWnd(CWnd* pWnd)
{
    m_notifyWnds.erase(std::remove(m_notifyWnds.begin(), m_notifyWnds.end(), pWnd), m_notifyWnds.end());
}

void SECToolBarManager::NotifyBarEvent(UINT nBarID, int nCode)
{
    const std::vector<CWnd*> wnds = m_notifyWnds;
    for (CWnd* pWnd : wnds)
        if (pWnd->m_hWnd != nullptr && ::IsWindow(pWnd->m_hWnd))
            pWnd->SendMessage(GetBarNotifyMessage(), nBarID, nCode);
}

void SECToolBarManager::BroadcastButtonChange(UINT nID, int nCode, const DWORD* pData)
{
    for (SECCustomToolBar* pBar : GetToolBars())
        pBar->BroadcastButtonChange(nID, nCode, pData, FALSE);
}

SECBtnDrawData& SECToolBarManager::GetDrawData()
{
    if (m_pDrawData == nullptr)
        m_pDrawData = std::make_unique<SECBtnDrawData>();
    return *m_pDrawData;
}

void SECToolBarManager::SetCommandSource(SECCommandSource& source, BOOL bActive, LPCRECT lpRect)
{
    source.rect = lpRect != nullptr ? CRect(*lpRect) : CRect(0, 0, 0, 0);
    source.bActive = bActive;
}

BOOL SECToolBarManager::IsCommandSourceActive(CRect* pRect) const
{
    if (pRect != nullptr)
        *pRect = m_pCommandSource->rect;
    return m_pCommandSource->bActive;
}

// Dragging buttons -----------------------------------------------------------

namespace {

// Follows the mouse with a drag outline of the button (screen coordinates)
// until the button goes up; FALSE when cancelled or not moved.
BOOL TrackButtonRect(CWnd* pTrackWnd, CPoint ptStart, CRect& rc)
{
    pTrackWnd->SetCapture();
    CWindowDC dc(nullptr);
    const CSize sizeOutline(3, 3);
    CRect rcScreen = rc;
    pTrackWnd->ClientToScreen(&rcScreen);
    CRect rcShown;
    CPoint ptLast = ptStart;
    BOOL bMoved = FALSE;
    BOOL bDone = FALSE;
    BOOL bCancelled = FALSE;
    while (!bDone) {
        MSG msg;
        if (!::GetMessageA(&msg, nullptr, 0, 0)) {
            ::PostQuitMessage((int)msg.wParam);
            bCancelled = TRUE;
            break;
        }
        if (::GetCapture() != pTrackWnd->m_hWnd) {
            bCancelled = TRUE;
            break;
        }
        switch (msg.message) {
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP: {
            CPoint pt((short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam));
            ::MapWindowPoints(msg.hwnd, pTrackWnd->m_hWnd, &pt, 1);
            if (pt != ptStart)
                bMoved = TRUE;
            ptLast = pt;
            bDone = msg.message == WM_LBUTTONUP;
            CRect rcNow = rcScreen;
            rcNow.OffsetRect(pt.x - ptStart.x, pt.y - ptStart.y);
            if (!bDone) {
                dc.DrawDragRect(&rcNow, sizeOutline, rcShown.IsRectEmpty() ? nullptr : &rcShown, sizeOutline);
                rcShown = rcNow;
            }
            break;
        }
        case WM_KEYDOWN:
            if (msg.wParam == VK_ESCAPE)
                bCancelled = bDone = TRUE;
            break;
        case WM_RBUTTONDOWN:
            bCancelled = bDone = TRUE;
            break;
        default:
            ::DispatchMessageA(&msg);
        }
    }
    if (!rcShown.IsRectEmpty()) {
        const CRect rcNone(0, 0, 0, 0);
        dc.DrawDragRect(&rcNone, CSize(0, 0), &rcShown, sizeOutline);
    }
    ::ReleaseCapture();
    rc.OffsetRect(ptLast.x - ptStart.x, ptLast.y - ptStart.y);
    return bMoved && !bCancelled;
}

} // namespace

BOOL SECToolBarManager::DragButton(SECToolBarManager* pManager, SECStdBtn* pButton, int nIndex, CPoint pt,
                                   SECCustomToolBar* pSource, CWnd* pTrackWnd, BOOL bCopy)
{
    if (!pButton->CanDrag())
        return TRUE;
    if (pSource != nullptr)
        pSource->SelectButton(nIndex, TRUE);
    else if (pManager != nullptr && pManager->GetSelectingBar() != nullptr)
        pManager->GetSelectingBar()->DeselectButton(TRUE);
    const UINT nID = pButton->m_nID;
    CRect rc = pButton->GetRect();
    if (!TrackButtonRect(pTrackWnd, pt, rc))
        return TRUE;
    pTrackWnd->ClientToScreen(&rc);

    SECCustomToolBar* pTarget = pManager != nullptr ? pManager->ToolBarFromRect(&rc) : nullptr;
    const CPoint corners[] = {rc.TopLeft(), CPoint(rc.right, rc.top), CPoint(rc.left, rc.bottom), rc.BottomRight()};
    for (const CPoint& corner : corners) {
        if (pTarget != nullptr)
            break;
        pTarget = ToolBarAtPoint(corner);
    }
    const HWND hSource = pSource != nullptr ? pSource->m_hWnd : nullptr;
    if (pTarget != nullptr) {
        if (pSource != nullptr && (pSource->m_dwBarFlags & 1) && pTarget != pSource)
            return TRUE;
        if (pTarget->AcceptsButtons()) {
            pTarget->ScreenToClient(&rc);
            SECStdBtn stand;   // the source's button may go while the target drops
            stand.m_nID = nID;
            stand.m_pToolBar = pTarget;
            return pTarget->DropButton(rc, &stand, bCopy, FALSE);
        }
        if (bCopy)
            return TRUE;
    } else {
        if (pManager != nullptr) {
            CRect rcDlg, rcHit;
            pManager->GetCustomizeDlgRect(&rcDlg);
            if (rcHit.IntersectRect(&rcDlg, &rc))
                return TRUE;
        }
        if (bCopy) {
            CreateToolBarFromDrop(rc.TopLeft(), nID, pManager, SECCustomToolBar::s_bAltDrag && pSource != nullptr);
            return TRUE;
        }
    }
    if (pSource == nullptr)
        return TRUE;
    pSource->DeselectButton(FALSE);
    pSource->RemoveButton(nIndex, FALSE);
    return ::IsWindow(hSource);
}

SECCustomToolBar* SECToolBarManager::ToolBarAtPoint(CPoint ptScreen)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(::WindowFromPoint(ptScreen));
    if (auto* pBar = dynamic_cast<SECCustomToolBar*>(pWnd))
        return pBar;
    if (dynamic_cast<CMiniDockFrameWnd*>(pWnd) != nullptr) {
        HWND hDockBar = ::GetWindow(pWnd->m_hWnd, GW_CHILD);
        HWND hBar = hDockBar != nullptr ? ::GetWindow(hDockBar, GW_CHILD) : nullptr;
        return dynamic_cast<SECCustomToolBar*>(CWnd::FromHandlePermanent(hBar));
    }
    return nullptr;
}

void SECToolBarManager::CreateToolBarFromDrop(CPoint ptScreen, UINT nID, SECToolBarManager* pManager,
                                              BOOL bNoSelect)
{
    SECCustomToolBar* pBar = pManager != nullptr ? pManager->CreateUserToolBar(nullptr) : nullptr;
    if (pBar == nullptr)
        return;
    pBar->InsertButton(pBar->GetButtonCount(), nID, FALSE, TRUE);
    if (!bNoSelect)
        pBar->SelectButton(pBar->GetButtonCount() - 1, TRUE);
    CRect rc(ptScreen, ptScreen);
    ::AdjustWindowRectEx(&rc, 0x80CC0000, FALSE, 0x180);
    const SECSysColorCache& c = SECGetSysColors();
    CPoint ptFloat(rc.left - pBar->m_cxLeftBorder - c.cxBorder2, rc.top - pBar->m_cyTopBorder - c.cyBorder2);
    if (CFrameWnd* pFrame = pManager->GetFrameWnd())
        pFrame->FloatControlBar(pBar, ptFloat, CBRS_ALIGN_TOP);
}
