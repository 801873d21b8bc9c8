#include "framework/Framework.h"
#include "ui/frames/SECCustomToolBar.h"
#include "framework/GdiScopes.h"
#include "ui/frames/MDIButtons.h"
#include "ui/frames/SECBmpMgr.h"
#include "ui/frames/SECControlBarInfo.h"
#include "ui/frames/SECCustomToolBarInfoEx.h"
#include "ui/frames/SECToolBarManager.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(SECCustomToolBar, SECControlBar)

BEGIN_MESSAGE_MAP(SECCustomToolBar, SECControlBar)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_TIMER()
    ON_WM_CANCELMODE()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_MOUSEACTIVATE()
    ON_WM_SHOWWINDOW()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

BOOL SECCustomToolBar::s_bCommandRunning = FALSE;
BOOL SECCustomToolBar::s_bAltDrag = FALSE;

namespace {

enum { kFloat = 0, kHorz = 1, kVert = 2 };
constexpr UINT kIdleMessage = 0xE001;   // AFX_IDS_IDLEMESSAGE

} // namespace

SECCustomToolBar::SECCustomToolBar()
    : m_btns([this](UINT nID, bool bSeparator) -> std::unique_ptr<SECBtnGeometry> {
          return std::unique_ptr<SECBtnGeometry>(bSeparator ? CreateSeparator() : CreateButton(nID));
      })
{
    m_pBmpMgr = new SECBmpMgr;
    m_cyTopBorder = m_cyBottomBorder = 3;
    m_hFont = (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
}

SECCustomToolBar::~SECCustomToolBar()
{
    m_btns.RemoveAll();
    if (m_pBmpMgr != nullptr)
        m_pBmpMgr->Release();
}

BOOL SECCustomToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID, LPCTSTR lpszTitle)
{
    return CreateEx(0, pParentWnd, dwStyle, nID, lpszTitle);
}

BOOL SECCustomToolBar::CreateEx(DWORD dwExStyle, CWnd* pParentWnd, DWORD dwStyle, UINT nID, LPCTSTR lpszTitle)
{
    return CreateEx(nullptr, lpszTitle, nID, dwStyle, dwExStyle, CRect(0, 0, 0, 0), pParentWnd, nullptr);
}

BOOL SECCustomToolBar::CreateEx(LPCTSTR, LPCTSTR lpszWindowName, UINT nID, DWORD dwStyle, DWORD dwExStyle,
                                const RECT&, CWnd* pParentWnd, CCreateContext*)
{
    static const char* s_pszClass = nullptr;
    if (s_pszClass == nullptr)
        s_pszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
    if (!SECControlBar::CreateEx(s_pszClass, lpszWindowName, nID, dwStyle | CBRS_HIDE_INPLACE,
                                 dwExStyle | EXSTYLE_FIXED_SIZE, CRect(0, 0, 0, 0), pParentWnd, nullptr))
        return FALSE;
    m_bStale[kFloat] = m_bStale[kHorz] = m_bStale[kVert] = TRUE;
    NotifyManager(2);
    return TRUE;
}

// Images and buttons ---------------------------------------------------------

BOOL SECCustomToolBar::LoadToolBar(UINT nIDResource)
{
    if (!m_pBmpMgr->LoadToolBar(nIDResource, 0, TRUE))
        return FALSE;
    std::vector<UINT> ids;
    if (!SECBmpMgr::ReadToolBarResource(nIDResource, ids, nullptr, nullptr, TRUE))
        return FALSE;
    return SetButtons(ids.data(), (int)ids.size());
}

BOOL SECCustomToolBar::LoadToolBarEx(UINT nIDBitmap, const UINT* pIDs, int nCount)
{
    if (!m_pBmpMgr->AddBitmap(nIDBitmap, 0, pIDs, nCount, TRUE))
        return FALSE;
    return SetButtons(pIDs, nCount);
}

void SECCustomToolBar::SetBmpMgr(SECBmpMgr* pBmpMgr)
{
    if (pBmpMgr == nullptr || pBmpMgr == m_pBmpMgr)
        return;
    pBmpMgr->AddRef();
    m_pBmpMgr->Release();
    m_pBmpMgr = pBmpMgr;
}

int SECCustomToolBar::GetImageWidth() const { return m_pBmpMgr->GetImageSize().cx; }
int SECCustomToolBar::GetImageHeight() const { return m_pBmpMgr->GetImageSize().cy; }

int SECCustomToolBar::GetImageIndex(UINT nID, HBITMAP* pBitmap) const
{
    int nIndex = 0;
    HBITMAP hBitmap = nullptr;
    if (!m_pBmpMgr->GetBitmap(nID, &hBitmap, &nIndex))
        nIndex = 0;
    if (pBitmap != nullptr)
        *pBitmap = hBitmap;
    return nIndex;
}

ToolBarMetrics SECCustomToolBar::Metrics() const
{
    return ToolBarMetrics{GetButtonWidth(), GetButtonHeight(), m_nSepWidth};
}

const SECBtnMapEntry* SECCustomToolBar::FindMapEntry(UINT nID) const
{
    const SECToolBarManager* pManager = GetManager();
    // A bar with a map of its own (the menu bar's) keeps it under a manager.
    const SECBtnMapEntry* maps[] = {pManager ? pManager->GetButtonMap() : m_pBtnMap,
                                    pManager ? pManager->GetSecondButtonMap() : m_pSecondBtnMap,
                                    pManager ? m_pSecondBtnMap : nullptr};
    for (const SECBtnMapEntry* pMap : maps)
        for (const SECBtnMapEntry* p = pMap; p != nullptr && p->pClass != nullptr; ++p)
            if (p->nID == nID)
                return p;
    return nullptr;
}

SECStdBtn* SECCustomToolBar::CreateButton(UINT nID)
{
    const SECBtnMapEntry* pEntry = FindMapEntry(nID);
    SECStdBtn* pButton = pEntry != nullptr ? pEntry->pClass->pfnCreate() : new SECStdBtn;
    pButton->m_nStyle = pEntry != nullptr ? pEntry->nStyle : 0;
    pButton->m_nID = nID;
    pButton->m_nImage = pButton->m_nType == kBtnMenu ? 0 : GetImageIndex(nID);
    pButton->Init(this, pEntry != nullptr ? pEntry->params : nullptr);
    pButton->SetMode(m_dwOrientation);
    return pButton;
}

SECStdBtn* SECCustomToolBar::CreateSeparator()
{
    auto* pButton = new SECStdBtn;
    pButton->m_nStyle = TBBS_SEPARATOR_BIT;
    pButton->m_pToolBar = this;
    pButton->m_cx = m_nSepWidth;
    pButton->m_cy = GetButtonHeight();
    return pButton;
}

BOOL SECCustomToolBar::SetButtons(const UINT* pIDs, int nCount)
{
    RemoveAllButtons();
    m_nMenuBtn = m_nCurrent = -1;
    for (int i = 0; pIDs != nullptr && i < nCount; ++i)
        m_btns.Append(std::unique_ptr<SECBtnGeometry>(pIDs[i] == 0 ? CreateSeparator() : CreateButton(pIDs[i])));
    m_bStale[kFloat] = m_bStale[kHorz] = m_bStale[kVert] = TRUE;
    return TRUE;
}

void SECCustomToolBar::DropDownButton(SECStdBtn* pButton, UINT_PTR nParam1, UINT_PTR nParam2)
{
    const int nIndex = ButtonToIndex(pButton);
    if (nIndex < 0)
        return;
    m_nMenuBtn = nIndex;
    m_nCurrent = nIndex;
    UpdateHotButton(TRUE);
    // The owner tracks the menu inside its handler, which may destroy the bar.
    const HWND hWnd = m_hWnd;
    pButton->SendNotify(kNotifyMenuDrop, nParam1, nParam2);
    if (::IsWindow(hWnd))
        CancelMenuMode();
}

void SECCustomToolBar::CancelMenuMode()
{
    SetPressedButton(-1);
    ExitMenuMode();
    m_nCurrent = -1;
    if (m_hWnd != nullptr)
        UpdateHotButton(TRUE);
}

void SECCustomToolBar::SetPressedButton(int nIndex)
{
    // A menu asked for and then given up for another may have left its press.
    for (int i = 0; i < GetButtonCount(); ++i)
        if (i != nIndex && (GetButton(i)->m_nStyle & TBBS_PRESSED_BIT))
            GetButton(i)->OnCancelPress();
    m_nMenuBtn = nIndex >= 0 && nIndex < GetButtonCount() ? nIndex : -1;
    if (m_nMenuBtn >= 0) {
        GetButton(m_nMenuBtn)->m_nStyle |= TBBS_PRESSED_BIT;
        m_nCurrent = m_nMenuBtn;
    }
    if (m_hWnd != nullptr) {
        Invalidate();
        UpdateWindow();
    }
}

int SECCustomToolBar::NextNavButton(int nFrom, BOOL bForward) const
{
    const int nCount = GetButtonCount();
    const int nStep = bForward ? 1 : -1;
    for (int i = nFrom < 0 ? (bForward ? 0 : nCount - 1) : nFrom + nStep; i >= 0 && i < nCount; i += nStep) {
        const SECStdBtn* pButton = GetButton(i);
        if ((pButton->m_nType == kBtnMenu || pButton->m_nType == kBtnNavigable) &&
            !(pButton->m_nStyle & TBBS_HIDDEN_BIT))
            return i;
    }
    return -1;
}

void SECCustomToolBar::SendBarNotify(int nCode)
{
    SECBtnNotify notify = {};
    notify.tb.hdr.hwndFrom = m_hWnd;
    notify.tb.hdr.idFrom = (UINT_PTR)GetDlgCtrlID();
    notify.tb.hdr.code = (UINT)nCode;
    notify.nIndex = -1;
    SendToOwner(WM_NOTIFY, notify.tb.hdr.idFrom, (LPARAM)&notify);
}

void SECCustomToolBar::OnMenuModeChange(BOOL bEnter)
{
    if (m_hWnd == nullptr)
        return;
    SendBarNotify(bEnter ? kNotifyMenuModeEnter : kNotifyMenuModeExit);
    SendToOwner(WM_SETMESSAGESTRING, bEnter ? 0 : kIdleMessage, 0);
}

void SECCustomToolBar::EnterMenuMode(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetButtonCount())
        return;
    const BOOL bWasInMode = m_bMenuMode;
    m_bMenuMode = TRUE;
    m_nCurrent = nIndex;
    if (m_hWnd != nullptr)
        SetHot(nIndex);
    if (!bWasInMode)
        OnMenuModeChange(TRUE);
    if (m_hWnd != nullptr)
        UpdateWindow();
}

// While a menu is open the mouse opens the button it comes to; in menu
// mode it only moves the highlight.
void SECCustomToolBar::EnterMenuModeAt(CPoint point)
{
    const int nIndex = HitTestButton(point);
    if (nIndex < 0 || nIndex == m_nCurrent)
        return;
    if (m_nMenuBtn >= 0)
        OpenNavButton(nIndex);
    else if (m_bMenuMode)
        EnterMenuMode(nIndex);
}

void SECCustomToolBar::ExitMenuMode()
{
    if (!m_bMenuMode)
        return;
    m_bMenuMode = FALSE;
    if (m_hWnd != nullptr)
        SetHot(-1);
    OnMenuModeChange(FALSE);
    if (m_hWnd != nullptr)
        UpdateWindow();
}

void SECCustomToolBar::OpenNavButton(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetButtonCount())
        return;
    SECStdBtn* pButton = GetButton(nIndex);
    if (pButton->m_nType != kBtnMenu && pButton->m_nType != kBtnNavigable)
        return;
    m_nCurrent = nIndex;
    pButton->OnLButtonDown(CPoint(pButton->m_x, pButton->m_y));
}

BOOL SECCustomToolBar::FilterMenuModeMouse(UINT message)
{
    if (m_nMenuBtn < 0)
        return FALSE;
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    const int nHit = HitTestButton(point);
    // Over another button the open menu gives way to that button's.
    if (message == WM_MOUSEMOVE && nHit >= 0 && nHit != m_nMenuBtn) {
        OpenNavButton(nHit);
        return TRUE;
    }
    // A click on the button whose menu is open closes it and is used up.
    return message == WM_LBUTTONDOWN && nHit == m_nMenuBtn;
}

void SECCustomToolBar::RecalcButtonSizes()
{
    m_nMaxBtnWidth = 0;
    for (int i = 0; i < GetButtonCount(); ++i)
        GetButton(i)->AdjustSize();
    m_bStale[kFloat] = m_bStale[kHorz] = m_bStale[kVert] = TRUE;
}

void SECCustomToolBar::InsertButton(int nIndex, UINT nID, BOOL bSeparator, BOOL bNoRecalc)
{
    const int nAt = m_btns.Insert(nIndex, nID, bSeparator != FALSE);
    m_nMRUWidth += GetButton(nAt)->m_cx;
    UpdateButtonCmdUI(nAt);
    m_bStale[kFloat] = m_bStale[kHorz] = m_bStale[kVert] = TRUE;
    if (bNoRecalc || m_hWnd == nullptr)
        return;
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->RecalcLayout();
    Invalidate(FALSE);
    UpdateWindow();
}

BOOL SECCustomToolBar::RemoveButton(int nIndex, BOOL bNoRecalc)
{
    const bool bWasSelected = nIndex == m_btns.m_nSelected;
    const bool bWasHot = nIndex == m_btns.m_nHot;
    if (nIndex == m_nMenuBtn)
        m_nMenuBtn = -1;
    if (nIndex == m_nCurrent)
        m_nCurrent = -1;
    if (m_btns.Remove(nIndex, m_nSepWidth) == 0)
        return FALSE;
    if (bWasSelected && m_bCustomize && GetManager() != nullptr && GetManager()->GetSelectingBar() == this)
        GetManager()->SetSelectingBar(nullptr);
    if (bWasHot && m_hWnd != nullptr)
        KillTimer(kHotTrackTimer);
    m_bStale[kFloat] = m_bStale[kHorz] = m_bStale[kVert] = TRUE;
    const BOOL bAny = GetButtonCount() > 0;
    if (bNoRecalc || m_hWnd == nullptr)
        return bAny;
    if (!bAny && GetDlgCtrlID() >= (int)kFirstUserToolBarID) {
        DestroyWindow();
        return FALSE;
    }
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->RecalcLayout();
    Invalidate(TRUE);
    UpdateWindow();
    return bAny;
}

void SECCustomToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    SECStdBtn* pButton = GetButton(nIndex);
    if (pButton->GetStyle() == nStyle)
        return;
    pButton->SetStyle(nStyle);
    InvalidateButton(nIndex);
}

UINT SECCustomToolBar::GetButtonStyle(int nIndex) const { return GetButton(nIndex)->GetStyle(); }

void SECCustomToolBar::HideButton(int nIndex, BOOL bHide)
{
    DWORD nStyle = GetButtonStyle(nIndex);
    nStyle = bHide ? (nStyle | TBBS_HIDDEN_BIT) : (nStyle & ~TBBS_HIDDEN_BIT);
    GetButton(nIndex)->SetStyle(nStyle);
}

UINT SECCustomToolBar::GetItemID(int nIndex) const { return GetButton(nIndex)->m_nID; }

void SECCustomToolBar::GetItemRect(int nIndex, LPRECT lpRect) const { *lpRect = GetButton(nIndex)->GetRect(); }

void SECCustomToolBar::InvalidateButton(int nIndex)
{
    if (nIndex >= 0 && nIndex < GetButtonCount())
        GetButton(nIndex)->Invalidate(FALSE);
}

int SECCustomToolBar::HitTestButton(CPoint pt, LPRECT lpRect) const
{
    CRect rc;
    const int nIndex = CToolBarLayout::HitTest(m_btns.List(), pt, &rc);
    if (nIndex >= 0 && lpRect != nullptr)
        *lpRect = rc;
    return nIndex;
}

void SECCustomToolBar::BroadcastButtonChange(UINT nID, int nCode, const DWORD* pData, BOOL bAllBars)
{
    if (bAllBars && GetManager() != nullptr) {
        GetManager()->BroadcastButtonChange(nID, nCode, pData);
        return;
    }
    for (int i = 0; i < GetButtonCount(); ++i)
        if (GetButton(i)->m_nID == nID)
            GetButton(i)->OnStyleChange(nCode, pData);
}

void SECCustomToolBar::NotifyManager(int nCode)
{
    if (GetManager() != nullptr && m_hWnd != nullptr)
        GetManager()->NotifyBarEvent(GetDlgCtrlID(), nCode);
}

// Customise selection ------------------------------------------------------------

void SECCustomToolBar::SetCustomizeMode(BOOL bCustomize)
{
    DeselectButton(FALSE);
    m_bCustomize = bCustomize;
    if (m_hWnd != nullptr)
        Invalidate(TRUE);
}

void SECCustomToolBar::SelectButton(int nIndex, BOOL bRedraw)
{
    SECToolBarManager* pManager = GetManager();
    if (pManager != nullptr && pManager->GetSelectingBar() == this && m_btns.m_nSelected == nIndex)
        return;
    if (pManager != nullptr && pManager->GetSelectingBar() != nullptr)
        pManager->GetSelectingBar()->DeselectButton(TRUE);
    DeselectButton(bRedraw);
    if (nIndex < 0 || nIndex >= GetButtonCount())
        return;
    if (pManager != nullptr)
        pManager->SetSelectingBar(this);
    m_btns.m_nSelected = nIndex;
    GetButton(nIndex)->m_nStyle |= TBBS_SELECTED_BIT;
    if (bRedraw)
        InvalidateButton(nIndex);
    NotifyManager(4);
}

void SECCustomToolBar::DeselectButton(BOOL bRedraw)
{
    const int nIndex = m_btns.m_nSelected;
    if (nIndex >= 0 && nIndex < GetButtonCount()) {
        GetButton(nIndex)->m_nStyle &= ~TBBS_SELECTED_BIT;
        if (bRedraw)
            InvalidateButton(nIndex);
    }
    m_btns.m_nSelected = -1;
    if (GetManager() != nullptr && GetManager()->GetSelectingBar() == this)
        GetManager()->SetSelectingBar(nullptr);
    if (nIndex >= 0)
        NotifyManager(4);
}

// Layout -------------------------------------------------------------------

CSize SECCustomToolBar::CalcFixedLayout(BOOL, BOOL bHorz)
{
    return CalcLayout(-1, bHorz ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK);
}

CSize SECCustomToolBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    if (!(dwMode & LM_COMMIT)) {
        const int nKind = (dwMode & LM_HORZDOCK) ? kHorz : (dwMode & LM_VERTDOCK) ? kVert : kFloat;
        if (NeedsLayout(nKind) && (nKind != kFloat || (dwMode & LM_MRUWIDTH)))
            return CalcLayout(nKind == kVert ? 0 : 32767, dwMode | LM_COMMIT);
        if (nKind != kFloat || (dwMode & LM_MRUWIDTH))
            return m_sizeCached[nKind];
    }
    return CalcLayout(nLength, dwMode);
}

CSize SECCustomToolBar::CalcLayout(int nLength, DWORD dwMode)
{
    const SECBtnList buttons = m_btns.List(true);
    CRect rcInsets(0, 0, 0, 0);
    CalcInsideRect(rcInsets, (dwMode & LM_HORZ) != 0, (m_dwStyle & CBRS_ORIENT_VERT) && (dwMode & LM_VERTDOCK));
    const CSize sizeInsets(-rcInsets.Width(), -rcInsets.Height());
    const int nKind = (dwMode & LM_HORZDOCK) ? kHorz : (dwMode & LM_VERTDOCK) ? kVert : kFloat;
    const ToolBarMetrics metrics = Metrics();
    if ((m_dwExStyle & EXSTYLE_STRETCH) && nKind == kHorz && GetParentFrame() != nullptr) {
        CRect rcFrame;
        GetParentFrame()->GetClientRect(&rcFrame);
        nLength = rcFrame.Width();
    }
    if (dwMode & LM_STRETCH)
        nLength = (int)(nLength * m_fPctWidth);

    CSize size;
    if (buttons.empty()) {
        size = CSize(metrics.nButtonWidth + sizeInsets.cx, metrics.nButtonHeight + sizeInsets.cy);
    } else if (!(dwMode & LM_COMMIT) && !NeedsLayout(nKind)) {
        return m_sizeCached[nKind];
    } else {
        // Sizes asked for another docking (while the bar is dragged, say)
        // leave the buttons where the bar as it stands has them.
        const int nStanding = DockingKind();
        const bool bKeepPlacement = nStanding != -1 && nStanding != nKind && m_nPlacedKind == nStanding;
        const CToolBarLayout::Placement kept =
            bKeepPlacement ? CToolBarLayout::SavePlacement(buttons) : CToolBarLayout::Placement();
        const DWORD dwKeptOrientation = m_dwOrientation;
        SetOrientation(buttons, (dwMode & LM_HORZ) ? 0 : (DWORD)CBRS_ORIENT_VERT);
        int nWrap = 32767;
        bool bHeight = false;
        if (m_dwStyle & CBRS_SIZE_DYNAMIC) {
            if (dwMode & LM_MRUWIDTH) {
                nWrap = m_nMRUWidth;
                bHeight = !(dwMode & LM_HORZ);
            } else if (nLength != -1) {
                bHeight = (dwMode & LM_LENGTHY) != 0;
                nWrap = nLength - (bHeight ? sizeInsets.cy : sizeInsets.cx);
            } else if (nKind == kFloat) {
                nWrap = m_nMRUWidth;
                bHeight = !(dwMode & LM_HORZ);
            }
        }
        if (nKind == kVert && (m_dwStyle & CBRS_SIZE_DYNAMIC) && nLength <= 0) {
            nWrap = 0;
            bHeight = false;
        }
        const CSize sizeWrapped = CToolBarLayout::CalcWrappedSize(buttons, std::max(0, nWrap), bHeight, metrics);
        // The insets count the border lines, which lie outside the client area.
        const CRect rcBorders = NonClientBorders();
        CToolBarLayout::PlaceButtons(buttons, CPoint(rcInsets.left - rcBorders.left, rcInsets.top - rcBorders.top),
                                     metrics);
        size = CSize(sizeWrapped.cx + sizeInsets.cx, sizeWrapped.cy + sizeInsets.cy);
        if (nKind == kFloat && !(dwMode & LM_LENGTHY))
            m_nMRUWidth = sizeWrapped.cx;
        if (nKind == kHorz && (m_dwExStyle & EXSTYLE_STRETCH) && nLength > 0) {
            size.cx = nLength;
            MoveEndCaptionButton(size.cx + rcInsets.right);
        }
        // Until a dock bar holds it the bar has no gripper: nothing to keep.
        if (m_pDockBar != nullptr) {
            m_bStale[nKind] = FALSE;
            m_sizeCached[nKind] = size;
        }
        if (bKeepPlacement) {
            CToolBarLayout::RestorePlacement(buttons, kept);
            SetOrientation(buttons, dwKeptOrientation);
        } else {
            m_nPlacedKind = nKind;
        }
    }
    if (nKind == kFloat)
        size -= CSize(2, 2);
    return size;
}

void SECCustomToolBar::SetOrientation(const SECBtnList& buttons, DWORD dwOrientation)
{
    if (dwOrientation == m_dwOrientation)
        return;
    m_dwOrientation = dwOrientation;
    for (SECBtnGeometry* p : buttons)
        static_cast<SECStdBtn*>(p)->SetMode(dwOrientation);
}

// The layout kind of the dock bar that holds the bar now; -1 without one.
int SECCustomToolBar::DockingKind() const
{
    if (m_pDockBar == nullptr)
        return -1;
    if (m_pDockBar->m_bFloating)
        return kFloat;
    return (m_pDockBar->m_dwStyle & CBRS_ORIENT_HORZ) ? kHorz : kVert;
}

// A cached size will not do when the buttons were last placed for another
// kind than the one the bar now stands in.
bool SECCustomToolBar::NeedsLayout(int nKind) const
{
    return m_bStale[nKind] || (nKind == DockingKind() && m_nPlacedKind != nKind);
}

void SECCustomToolBar::MoveEndCaptionButton(int nRight)
{
    const SECBtnList buttons = m_btns.List(true);
    if (buttons.empty() || buttons.back()->m_nType != kBtnCaption)
        return;
    SECBtnGeometry* pLast = buttons.back();
    pLast->m_x = MDIButtons::EndPlacement(pLast->m_x, pLast->m_cx, nRight);
}

void SECCustomToolBar::AddGripperSize(CRect& rect, BOOL bHorz)
{
    SECControlBar::AddGripperSize(rect, bHorz);
    if (m_dwExStyle & EXSTYLE_HIDE_BUTTON) {
        if (bHorz)
            rect.right += 2;
        else
            rect.bottom += 2;
    }
}

void SECCustomToolBar::StretchToParent()
{
    if (m_pDockContext != nullptr || GetParent() == nullptr)
        return;
    CRect rcParent, rcBar;
    GetParent()->GetClientRect(&rcParent);
    GetWindowRect(&rcBar);
    if (m_dwStyle & CBRS_ORIENT_VERT)
        SetWindowPos(nullptr, 0, 0, rcBar.Width(), rcParent.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    else
        SetWindowPos(nullptr, 0, 0, rcParent.Width(), rcBar.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Painting and command state -------------------------------------------------

void SECCustomToolBar::DoPaint(CDC* pDC)
{
    SECControlBar::DoPaint(pDC);
    for (int i = 0; i < GetButtonCount(); ++i)
        if (!(GetButton(i)->m_nStyle & TBBS_HIDDEN_BIT))
            GetButton(i)->Draw(pDC);
}

void SECCustomToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    SECCustomToolCmdUI state;
    state.m_pToolBar = this;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)GetButtonCount();
    for (int i = 0; i < GetButtonCount(); ++i) {
        SECStdBtn* pButton = GetButton(i);
        if (pButton->IsSeparator())
            continue;
        state.m_nIndex = (UINT)i;
        state.m_nID = pButton->m_nID;
        state.DoUpdate(pTarget, (pButton->m_nStyle & TBBS_ALWAYS_ENABLED_BIT) ? FALSE : bDisableIfNoHndler);
    }
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

void SECCustomToolBar::UpdateButtonCmdUI(int nIndex)
{
    if (m_hWnd == nullptr || nIndex < 0 || nIndex >= GetButtonCount() || GetButton(nIndex)->IsSeparator())
        return;
    CFrameWnd* pTarget = GetParentFrame();
    if (pTarget == nullptr)
        return;
    if (CFrameWnd* pActive = pTarget->GetActiveFrame())
        pTarget = pActive;
    SECCustomToolCmdUI state;
    state.m_pToolBar = this;
    state.m_pOther = this;
    state.m_nIndex = (UINT)nIndex;
    state.m_nIndexMax = (UINT)GetButtonCount();
    state.m_nID = GetButton(nIndex)->m_nID;
    // As in the idle update: a button kept enabled stays so without a handler.
    const BOOL bKeepEnabled = (GetButton(nIndex)->m_nStyle & TBBS_ALWAYS_ENABLED_BIT) != 0;
    state.DoUpdate(pTarget, bKeepEnabled ? FALSE : pTarget->m_bAutoMenuEnable);
}

LRESULT SECCustomToolBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    StretchToParent();
    if (!(GetStyle() & WS_VISIBLE))
        return 0;
    CFrameWnd* pTarget = static_cast<CFrameWnd*>(GetOwner());
    if (pTarget == nullptr || !pTarget->IsFrameWnd())
        pTarget = GetParentFrame();
    if (pTarget != nullptr)
        OnUpdateCmdUI(pTarget, (BOOL)wParam);
    return 0;
}

void SECCustomToolCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    UINT nStyle = m_pToolBar->GetButtonStyle((int)m_nIndex);
    nStyle = bOn ? (nStyle & ~TBBS_DISABLED_BIT) : (nStyle | TBBS_DISABLED_BIT);
    m_pToolBar->SetButtonStyle((int)m_nIndex, nStyle);
}

void SECCustomToolCmdUI::SetCheck(int nCheck)
{
    UINT nStyle = m_pToolBar->GetButtonStyle((int)m_nIndex) & ~(TBBS_CHECKED_BIT | TBBS_INDETERMINATE_BIT);
    nStyle |= TBBS_CHECKBOX_BIT;
    if (nCheck == 1)
        nStyle |= TBBS_CHECKED_BIT;
    else if (nCheck == 2)
        nStyle |= TBBS_INDETERMINATE_BIT;
    m_pToolBar->SetButtonStyle((int)m_nIndex, nStyle);
}

int SECCustomToolBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    const int nHit = SECControlBar::OnToolHitTest(point, pTI);
    if (nHit != -1)
        return nHit;
    const int nIndex = HitTestButton(point);
    return nIndex < 0 ? -1 : GetButton(nIndex)->OnToolHitTest(point, pTI);
}

void SECCustomToolBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle)
{
    SECControlBar::OnBarStyleChange(dwOldStyle, dwNewStyle);
    for (int i = 0; i < GetButtonCount(); ++i)
        GetButton(i)->OnBarStyleChange(dwNewStyle);
}

// Hot tracking and mouse -------------------------------------------------------

void SECCustomToolBar::SetHot(int nIndex)
{
    if (nIndex == m_btns.m_nHot)
        return;
    if (m_btns.m_nHot >= 0 && m_btns.m_nHot < GetButtonCount()) {
        GetButton(m_btns.m_nHot)->m_nStyle &= ~TBBS_HOT_BIT;
        InvalidateButton(m_btns.m_nHot);
    }
    if (nIndex < 0) {
        m_btns.m_nHot = -1;
        KillTimer(kHotTrackTimer);
        return;
    }
    if (m_btns.m_nHot < 0)
        SetTimer(kHotTrackTimer, 100, nullptr);
    m_btns.m_nHot = nIndex;
    GetButton(nIndex)->m_nStyle |= TBBS_HOT_BIT;
    InvalidateButton(nIndex);
}

void SECCustomToolBar::UpdateHotButton(BOOL bUpdateNow)
{
    if (!IsCoolLook() || ::GetActiveWindow() == nullptr || s_bAltDrag || s_bCommandRunning || m_bMenuMode)
        return;
    if (m_nMenuBtn >= 0) {
        if (m_btns.m_nHot >= 0 && m_btns.m_nHot != m_nMenuBtn)
            SetHot(m_nMenuBtn);
        return;
    }
    if (m_btns.m_nSelected >= 0)
        return;
    CPoint pt;
    ::GetCursorPos(&pt);
    int nIndex = -1;
    if (::WindowFromPoint(pt) == m_hWnd) {
        ScreenToClient(&pt);
        nIndex = HitTestButton(pt);
        if (nIndex >= 0 && (GetButton(nIndex)->m_nStyle & (TBBS_DISABLED_BIT | TBBS_SEPARATOR_BIT)))
            nIndex = -1;
    }
    SetHot(nIndex);
    if (bUpdateNow)
        UpdateWindow();
}

void SECCustomToolBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kHotTrackTimer)
        UpdateHotButton(TRUE);
    else
        SECControlBar::OnTimer(nIDEvent);
}

void SECCustomToolBar::SendToOwner(UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pOwner = GetOwner();
    if (pOwner == nullptr)
        pOwner = GetParent();
    if (pOwner != nullptr)
        pOwner->SendMessage(message, wParam, lParam);
}

void SECCustomToolBar::OnLButtonDown(UINT nFlags, CPoint pt)
{
    const int nIndex = HitTestButton(pt);
    const BOOL bAlt = ::GetKeyState(VK_MENU) < 0;
    if (nIndex < 0 || s_bCommandRunning ||
        (!m_bCustomize && !bAlt && (GetButton(nIndex)->m_nStyle & TBBS_DISABLED_BIT))) {
        SECControlBar::OnLButtonDown(nFlags, pt);
        return;
    }
    if (m_bCustomize && GetManager() != nullptr) {
        if (GetButton(nIndex)->CanDrag())
            BeginButtonDrag(nIndex, pt);
        return;
    }
    if (bAlt && GetManager() != nullptr) {
        // The drag may empty and destroy this bar: only the manager is used after it.
        SECToolBarManager* pManager = GetManager();
        s_bAltDrag = TRUE;
        const BOOL bAlive = BeginButtonDrag(nIndex, pt);
        s_bAltDrag = FALSE;
        if (bAlive && pManager->GetSelectingBar() != nullptr)
            pManager->GetSelectingBar()->DeselectButton(TRUE);
        return;
    }
    UpdateButtonCmdUI(nIndex);
    if (!GetButton(nIndex)->OnLButtonDown(pt))
        return;
    m_btns.m_nSelected = nIndex;
    InvalidateButton(nIndex);
    UpdateWindow();
    SetCapture();
    SendToOwner(WM_SETMESSAGESTRING, GetButton(nIndex)->m_nID, 0);
}

void SECCustomToolBar::OnLButtonDblClk(UINT nFlags, CPoint pt)
{
    if (m_bCustomize) {
        SECControlBar::OnLButtonDblClk(nFlags, pt);
        return;
    }
    const int nIndex = HitTestButton(pt);
    if (nIndex < 0 || s_bCommandRunning || (GetButton(nIndex)->m_nStyle & TBBS_DISABLED_BIT)) {
        SECControlBar::OnLButtonDblClk(nFlags, pt);
        return;
    }
    OnLButtonDown(nFlags, pt);
}

void SECCustomToolBar::OnMouseMove(UINT nFlags, CPoint pt)
{
    if (m_bMenuMode)
        EnterMenuModeAt(pt);
    const int nPressed = m_btns.m_nSelected;
    if (!m_bCustomize && !s_bCommandRunning && nPressed >= 0 && nPressed < GetButtonCount()) {
        if (::GetCapture() == m_hWnd) {
            GetButton(nPressed)->OnMouseMove(pt);
        } else {
            GetButton(nPressed)->OnCancelPress();
            m_btns.m_nSelected = -1;
            SendToOwner(WM_SETMESSAGESTRING, kIdleMessage, 0);
        }
    } else if (nPressed < 0) {
        UpdateHotButton(TRUE);
    }
    SECControlBar::OnMouseMove(nFlags, pt);
}

void SECCustomToolBar::OnLButtonUp(UINT nFlags, CPoint pt)
{
    const int nPressed = m_btns.m_nSelected;
    if (m_bCustomize || nPressed < 0 || nPressed >= GetButtonCount()) {
        SECControlBar::OnLButtonUp(nFlags, pt);
        return;
    }
    ReleaseCapture();
    UpdateButtonCmdUI(nPressed);
    SECStdBtn* pButton = GetButton(nPressed);
    const UINT nID = pButton->OnLButtonUp(pt);
    SendToOwner(WM_SETMESSAGESTRING, kIdleMessage, 0);
    InvalidateButton(nPressed);
    m_btns.m_nSelected = -1;
    if (nID == 0)
        return;
    // The command may destroy this bar: only the handle is checked afterwards.
    const HWND hWnd = m_hWnd;
    SECToolBarManager* pManager = GetManager();
    s_bCommandRunning = TRUE;
    if (pManager != nullptr) {
        CRect rc = pButton->GetRect();
        ClientToScreen(&rc);
        pManager->SetCommandSource(&rc, TRUE);
    }
    SendToOwner(WM_COMMAND, nID, 0);
    s_bCommandRunning = FALSE;
    if (!::IsWindow(hWnd))
        return;
    if (pManager != nullptr)
        pManager->SetCommandSource(nullptr, FALSE);
    UpdateHotButton(TRUE);
}

void SECCustomToolBar::OnCancelMode()
{
    SECControlBar::OnCancelMode();
    const int nPressed = m_btns.m_nSelected;
    if (!m_bCustomize && nPressed >= 0 && nPressed < GetButtonCount()) {
        if (::GetCapture() == m_hWnd)
            ReleaseCapture();
        GetButton(nPressed)->OnCancelPress();
        m_btns.m_nSelected = -1;
    }
}

int SECCustomToolBar::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    if (m_bCustomize && IsDocked())
        return MA_NOACTIVATE;
    return SECControlBar::OnMouseActivate(pDesktopWnd, nHitTest, message);
}

void SECCustomToolBar::OnSysColorChange()
{
    SECControlBar::OnSysColorChange();
    SECGetSysColors().RefreshSysColors();
    m_pBmpMgr->ReloadAll(TRUE);
    Invalidate(TRUE);
}

void SECCustomToolBar::OnShowWindow(BOOL bShow, UINT nStatus)
{
    NotifyManager(bShow ? 0 : 1);
    SECControlBar::OnShowWindow(bShow, nStatus);
}

void SECCustomToolBar::OnDestroy()
{
    DeselectButton(FALSE);
    NotifyManager(3);
    SECControlBar::OnDestroy();
}

// Dragging buttons ---------------------------------------------------------

BOOL SECCustomToolBar::BeginButtonDrag(int nIndex, CPoint pt)
{
    return SECToolBarManager::DragButton(GetManager(), GetButton(nIndex), nIndex, pt, this, this, IsCopyKeyDown());
}

BOOL SECCustomToolBar::DropButton(CRect rcDrop, SECStdBtn* pButton, BOOL bCopy, BOOL bNoRecalc)
{
    SECToolBarManager* pManager = GetManager();
    SECCustomToolBar* pSelecting = pManager != nullptr ? pManager->GetSelectingBar() : nullptr;
    CRect rcInside;
    GetClientRect(&rcInside);
    CalcInsideRect(rcInside, (m_dwStyle & CBRS_ORIENT_HORZ) != 0, (m_dwStyle & CBRS_ORIENT_VERT) != 0);
    ToolBarDropInput in;
    in.rcInside = rcInside;
    in.rcDrop = rcDrop;
    in.nSelected = pSelecting == this ? m_btns.m_nSelected : -1;
    in.bCopy = bCopy != FALSE;
    in.nSeparatorWidth = m_nSepWidth;
    const UINT nID = pButton->m_nID;
    const ToolBarDropPlan plan = PlanToolBarDrop(m_btns, in);
    if (plan.action == ToolBarDropPlan::None)
        return TRUE;
    if (plan.action == ToolBarDropPlan::Nudge) {
        if (plan.nRemoveAt >= 0)
            RemoveButton(plan.nRemoveAt, bNoRecalc);
        else if (plan.nSeparatorAt >= 0)
            InsertButton(plan.nSeparatorAt, 0, TRUE, bNoRecalc);
        return TRUE;
    }
    BOOL bResult = TRUE;
    int nIndex = plan.nIndex;
    if (GetButtonCount() == 0) {
        if (!bCopy && pSelecting != nullptr && pSelecting != this)
            bResult = pSelecting->RemoveButton(pSelecting->m_btns.m_nSelected, FALSE);
        InsertButton(0, nID, FALSE, bNoRecalc);
        if (!s_bAltDrag)
            SelectButton(0, TRUE);
        return bResult;
    }
    if (plan.bSeparatorFirst) {
        InsertButton(0, 0, TRUE, TRUE);
        nIndex = 0;
    } else if (plan.bSeparatorLast) {
        InsertButton(GetButtonCount(), 0, TRUE, TRUE);
        nIndex = GetButtonCount();
    }
    if (!bCopy && pSelecting == this && m_btns.m_nSelected >= 0) {
        const int nSelected = m_btns.m_nSelected;
        if (nSelected == nIndex)
            return TRUE;
        m_btns.m_nSelected = -1;
        const int nBefore = GetButtonCount();
        RemoveButton(nSelected, TRUE);
        if (nSelected < nIndex)
            nIndex -= nBefore - GetButtonCount();
        pManager->SetSelectingBar(nullptr);
    } else if (!bCopy && pSelecting != nullptr && pSelecting != this) {
        const HWND hOther = pSelecting->m_hWnd;
        bResult = pSelecting->RemoveButton(pSelecting->m_btns.m_nSelected, FALSE);
        if (!::IsWindow(hOther))
            bResult = FALSE;
    }
    nIndex = std::max(0, std::min(nIndex, GetButtonCount()));
    if (nIndex < GetButtonCount()) {
        SECStdBtn* pAt = GetButton(nIndex);
        if (pAt->IsSeparator() && !pAt->IsWrapped() && rcDrop.left + 1 < pAt->m_x &&
            rcDrop.right + 1 > pAt->m_x + pAt->m_cx)
            m_btns.Remove(nIndex, m_nSepWidth);
    }
    InsertButton(nIndex, nID, FALSE, bNoRecalc);
    if (!s_bAltDrag)
        SelectButton(std::min(nIndex, GetButtonCount() - 1), TRUE);
    return bResult;
}

// Dock state -----------------------------------------------------------------

void SECCustomToolBar::OnGetExtendedBarInfo(SECControlBarInfo* pInfo)
{
    auto* pInfoEx = new SECCustomToolBarInfoEx;
    GetWindowText(pInfoEx->m_strTitle);
    for (int i = 0; i < GetButtonCount(); ++i) {
        SECBtnInfo info;
        info.nID = GetButton(i)->IsSeparator() ? 0 : GetButton(i)->m_nID;
        int nBytes = 0;
        const BYTE* pData = nullptr;
        GetButton(i)->GetExtraData(nBytes, pData);
        if (pData != nullptr && nBytes > 0)
            info.data.assign(pData, pData + std::min(nBytes, 255));
        pInfoEx->m_btnInfo.push_back(std::move(info));
    }
    delete pInfo->m_pInfoEx;
    pInfo->m_pInfoEx = pInfoEx;
    if (GetManager() != nullptr)
        pInfo->m_nTypeID = GetManager()->GetBarTypeID(this);
}

void SECCustomToolBar::OnSetExtendedBarInfo(SECControlBarInfo* pInfo, CFrameWnd*)
{
    auto* pInfoEx = dynamic_cast<SECCustomToolBarInfoEx*>(pInfo->m_pInfoEx);
    if (pInfoEx == nullptr)
        return;
    RemoveAllButtons();
    if (!pInfoEx->m_strTitle.IsEmpty())
        SetWindowText(pInfoEx->m_strTitle);
    for (const SECBtnInfo& info : pInfoEx->m_btnInfo) {
        SECStdBtn* pButton = info.nID == 0 ? CreateSeparator() : CreateButton(info.nID);
        pButton->SetExtraData((int)info.data.size(), info.data.data());
        m_btns.Append(std::unique_ptr<SECBtnGeometry>(pButton));
    }
    m_bStale[kFloat] = m_bStale[kHorz] = m_bStale[kVert] = TRUE;
}
