#include "framework/Framework.h"
#include "ui/frames/SECMDIMenuBar.h"

#include "ui/frames/MDIButtons.h"
#include "ui/frames/SECBtnCaption.h"
#include "ui/frames/SECCapMenuBtn.h"

namespace {

HICON ChildIcon(HWND hChild)
{
    HICON hIcon = (HICON)::SendMessageA(hChild, WM_GETICON, ICON_BIG, 0);
    if (hIcon == nullptr)
        hIcon = (HICON)::SendMessageA(hChild, WM_GETICON, ICON_SMALL, 0);
    if (hIcon == nullptr)
        hIcon = (HICON)::GetClassLongPtrA(hChild, GCLP_HICONSM);
    return hIcon;
}

} // namespace

IMPLEMENT_DYNAMIC(SECMDIMenuBar, SECMenuBar)

BEGIN_MESSAGE_MAP(SECMDIMenuBar, SECMenuBar)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

SECMDIMenuBar::SECMDIMenuBar()
{
    auto pCaption = std::make_unique<SECBtnCaption>();
    auto pIcon = std::make_unique<SECCapMenuBtn>();
    m_pCaption = pCaption.get();
    m_pIcon = pIcon.get();
    m_heldCaption = std::move(pCaption);
    m_heldIcon = std::move(pIcon);
}

SECMDIMenuBar::~SECMDIMenuBar()
{
    TakeOutEmbedded();
}

void SECMDIMenuBar::TakeOutEmbedded()
{
    const int nCaption = ButtonToIndex(m_pCaption);
    if (nCaption >= 0)
        m_heldCaption = m_btns.Release(nCaption);
    const int nIcon = ButtonToIndex(m_pIcon);
    if (nIcon >= 0)
        m_heldIcon = m_btns.Release(nIcon);
}

void SECMDIMenuBar::InitEmbedded(SECStdBtn* pButton)
{
    pButton->m_nID = kMDIButtonId;
    pButton->m_nImage = 0;
    pButton->m_nStyle = kMenuButtonStyle | (pButton->m_nStyle & TBBS_HIDDEN_BIT);
    pButton->Init(this, nullptr);
    pButton->SetMode(m_dwOrientation);
}

void SECMDIMenuBar::PutBackEmbedded()
{
    if (m_heldCaption != nullptr) {
        InitEmbedded(m_pCaption);
        m_btns.Adopt(GetButtonCount(), std::move(m_heldCaption));
    }
    if (m_heldIcon != nullptr) {
        InitEmbedded(m_pIcon);
        m_btns.Adopt(0, std::move(m_heldIcon));
    }
    m_bStale[0] = m_bStale[1] = m_bStale[2] = TRUE;
}

void SECMDIMenuBar::RemoveAllButtons()
{
    TakeOutEmbedded();
    SECMenuBar::RemoveAllButtons();
}

BOOL SECMDIMenuBar::SetButtons(const UINT* pIDs, int nCount)
{
    const BOOL bResult = SECMenuBar::SetButtons(pIDs, nCount);
    PutBackEmbedded();
    UpdateMDIButtons(FALSE);
    return bResult;
}

void SECMDIMenuBar::ResetMenuButtons(BOOL bNoRecalc)
{
    TakeOutEmbedded();
    SECMenuBar::ResetMenuButtons(bNoRecalc);
}

void SECMDIMenuBar::OnGetExtendedBarInfo(SECControlBarInfo* pInfo)
{
    TakeOutEmbedded();
    SECMenuBar::OnGetExtendedBarInfo(pInfo);
    PutBackEmbedded();
}

void SECMDIMenuBar::OnSetExtendedBarInfo(SECControlBarInfo* pInfo, CFrameWnd* pFrameWnd)
{
    SECMenuBar::OnSetExtendedBarInfo(pInfo, pFrameWnd);
    PutBackEmbedded();
    UpdateMDIButtons(FALSE);
}

BOOL SECMDIMenuBar::UpdateMDIButtons(BOOL bHide)
{
    const HWND hChild = ActiveMDIChildOf(this);
    MDIChildView child;
    if (hChild != nullptr) {
        child.bPresent = true;
        child.bZoomed = ::IsZoomed(hChild) != FALSE;
        child.dwStyle = (DWORD)::GetWindowLongA(hChild, GWL_STYLE);
    }
    HICON hIcon = m_pIcon->m_hIcon;
    if (MDIButtons::WantsButtons(bHide != FALSE, child)) {
        hIcon = ChildIcon(hChild);
        child.bIconChanged = hIcon != m_pIcon->m_hIcon;
    }
    MDIButtonsView view;
    view.bIconHidden = (m_pIcon->m_nStyle & TBBS_HIDDEN_BIT) != 0;
    view.bCaptionHidden = (m_pCaption->m_nStyle & TBBS_HIDDEN_BIT) != 0;
    view.dwCaptionStyle = m_pCaption->m_dwChildStyle;
    if (!MDIButtons::Update(view, bHide != FALSE, child))
        return FALSE;
    m_pIcon->m_hIcon = hIcon;
    m_pCaption->m_dwChildStyle = view.dwCaptionStyle;
    m_pIcon->m_nStyle = view.bIconHidden ? (m_pIcon->m_nStyle | TBBS_HIDDEN_BIT) : (m_pIcon->m_nStyle & ~TBBS_HIDDEN_BIT);
    m_pCaption->m_nStyle =
        view.bCaptionHidden ? (m_pCaption->m_nStyle | TBBS_HIDDEN_BIT) : (m_pCaption->m_nStyle & ~TBBS_HIDDEN_BIT);
    m_bStale[0] = m_bStale[1] = m_bStale[2] = TRUE;
    if (m_hWnd != nullptr)
        Invalidate();
    return TRUE;
}

void SECMDIMenuBar::SetMenuMaskMDI(DWORD mask)
{
    SetMenuMask(mask, FALSE);
    UpdateMDIButtons(FALSE);
}

void SECMDIMenuBar::DropChildSystemMenu(SECCapMenuBtn* pButton)
{
    const HWND hChild = ActiveMDIChildOf(this);
    HMENU hMenu = hChild != nullptr ? ::GetSystemMenu(hChild, FALSE) : nullptr;
    if (hMenu != nullptr && ::GetMenuDefaultItem(hMenu, FALSE, 0) == (UINT)-1)
        ::SetMenuDefaultItem(hMenu, SC_CLOSE, FALSE);
    const int nIndex = ButtonToIndex(pButton);
    m_nCurrent = nIndex;
    if (m_onDropDown && nIndex >= 0) {
        MenuDropRequest request{(UINT_PTR)hMenu, -1, nIndex};
        request.hSysCommandTarget = hChild;
        m_onDropDown(request);
        return;
    }
    SECCustomToolBar::DropDownButton(pButton, (UINT_PTR)hMenu, (UINT_PTR)-1);
}

BOOL SECMDIMenuBar::FilterMenuModeMouse(UINT message)
{
    // The second press of a double-click on the icon reaches the bar.
    if (message == WM_LBUTTONDOWN && m_dwPressTick != 0 && ::GetTickCount() - m_dwPressTick < ::GetDoubleClickTime())
        return FALSE;
    return SECMenuBar::FilterMenuModeMouse(message);
}

void SECMDIMenuBar::OnLButtonDown(UINT nFlags, CPoint pt)
{
    m_dwPressTick = ::GetTickCount();
    if (m_dwPressTick == 0)
        m_dwPressTick = 1;
    SECMenuBar::OnLButtonDown(nFlags, pt);
    m_dwPressTick = 0;
}

void SECMDIMenuBar::OnLButtonDblClk(UINT nFlags, CPoint pt)
{
    const int nIndex = HitTestButton(pt);
    if (nIndex < 0 || GetButton(nIndex) != m_pIcon || m_bCustomize) {
        SECMenuBar::OnLButtonDblClk(nFlags, pt);
        return;
    }
    const HWND hChild = ActiveMDIChildOf(this);
    HMENU hMenu = hChild != nullptr ? ::GetSystemMenu(hChild, FALSE) : nullptr;
    const UINT nDefault = hMenu != nullptr ? ::GetMenuDefaultItem(hMenu, FALSE, 0) : (UINT)-1;
    CancelMenuMode();
    m_btns.m_nSelected = -1;
    if (nDefault != (UINT)-1)
        ::PostMessageA(hChild, WM_SYSCOMMAND, nDefault, 0);
}

void SECMDIMenuBar::KeepEmbeddedAtEnds()
{
    const int nIcon = ButtonToIndex(m_pIcon);
    if (nIcon > 0) {
        const BOOL bCurrent = m_nCurrent == nIcon;
        m_btns.Adopt(0, m_btns.Release(nIcon));
        if (bCurrent)
            m_nCurrent = 0;
        else if (m_nCurrent >= 0 && m_nCurrent < nIcon)
            ++m_nCurrent;
    }
    const int nCaption = ButtonToIndex(m_pCaption);
    const int nLast = GetButtonCount() - 1;
    if (nCaption >= 0 && nCaption < nLast) {
        const BOOL bCurrent = m_nCurrent == nCaption;
        m_btns.Adopt(nLast, m_btns.Release(nCaption));
        if (bCurrent)
            m_nCurrent = nLast;
        else if (m_nCurrent > nCaption)
            --m_nCurrent;
    }
}

BOOL SECMDIMenuBar::DropButton(CRect rcDrop, SECStdBtn* pButton, BOOL bCopy, BOOL bNoRecalc)
{
    const BOOL bResult = SECMenuBar::DropButton(rcDrop, pButton, bCopy, TRUE);
    if (m_hWnd == nullptr || !::IsWindow(m_hWnd))
        return bResult;
    KeepEmbeddedAtEnds();
    m_bStale[0] = m_bStale[1] = m_bStale[2] = TRUE;
    if (!bNoRecalc) {
        if (CFrameWnd* pFrame = GetParentFrame())
            pFrame->RecalcLayout();
        Invalidate();
        UpdateWindow();
    }
    return bResult;
}
