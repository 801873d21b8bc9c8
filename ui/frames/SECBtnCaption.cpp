#include "framework/Framework.h"
#include "ui/frames/SECBtnCaption.h"

#include "ui/frames/SECCustomToolBar.h"

HWND ActiveMDIChildOf(const CControlBar* pBar)
{
    if (pBar == nullptr)
        return nullptr;
    // Floating, the bar's parent is its mini frame: the docking frame counts.
    CFrameWnd* pFrame = pBar->m_pDockSite != nullptr ? pBar->m_pDockSite : pBar->GetTopLevelFrame();
    auto* pMDIFrame = dynamic_cast<CMDIFrameWnd*>(pFrame);
    if (pMDIFrame == nullptr || pMDIFrame->m_hWndMDIClient == nullptr)
        return nullptr;
    return (HWND)::SendMessageA(pMDIFrame->m_hWndMDIClient, WM_MDIGETACTIVE, 0, 0);
}

SECBtnCaption::SECBtnCaption()
    : m_cxPart(::GetSystemMetrics(SM_CXSIZE) - 2), m_cyPart(::GetSystemMetrics(SM_CYSIZE) - 4)
{
    m_nType = kBtnCaption;
}

void SECBtnCaption::AdjustSize()
{
    const CSize size = MDIButtons::CaptionSize(m_cxPart, m_cyPart);
    m_cx = size.cx;
    m_cy = size.cy;
    if (m_pToolBar != nullptr)
        m_pToolBar->m_nMaxBtnWidth = std::max(m_pToolBar->m_nMaxBtnWidth, m_cx);
}

int SECBtnCaption::PartAt(CPoint pt) const
{
    return MDIButtons::HitTestPart(CPoint(pt.x - m_x, pt.y - m_y), m_cxPart, m_cyPart, m_dwChildStyle);
}

void SECBtnCaption::SetPressedLook(BOOL bPressed)
{
    if (m_bDrawnPressed == bPressed)
        return;
    m_bDrawnPressed = bPressed;
    Invalidate();
}

BOOL SECBtnCaption::OnLButtonDown(CPoint pt)
{
    if (m_nStyle & TBBS_DISABLED_BIT)
        return FALSE;
    m_nPressedPart = PartAt(pt);
    if (m_nPressedPart == MDIButtons::kNoPart)
        return FALSE;
    SetPressedLook(TRUE);
    return TRUE;
}

void SECBtnCaption::OnMouseMove(CPoint pt)
{
    if (m_nPressedPart != MDIButtons::kNoPart)
        SetPressedLook(PartAt(pt) == m_nPressedPart);
}

void SECBtnCaption::OnCancelPress()
{
    m_nPressedPart = MDIButtons::kNoPart;
    m_nStyle &= ~TBBS_PRESSED_BIT;
    SetPressedLook(FALSE);
}

UINT SECBtnCaption::OnLButtonUp(CPoint pt)
{
    const int nPart = m_nPressedPart;
    OnCancelPress();
    if (nPart == MDIButtons::kNoPart || PartAt(pt) != nPart)
        return 0;
    if (HWND hChild = ActiveMDIChildOf(m_pToolBar)) {
        CPoint ptScreen = pt;
        ::ClientToScreen(m_pToolBar->m_hWnd, &ptScreen);
        ::PostMessageA(hChild, WM_SYSCOMMAND, MDIButtons::SysCommand(nPart), MAKELPARAM(ptScreen.x, ptScreen.y));
    }
    return 0;
}

int SECBtnCaption::OnToolHitTest(CPoint pt, TOOLINFO* pTI) const
{
    const int nTool = MDIButtons::ToolId(PartAt(pt));
    if (nTool < 0 || pTI == nullptr || m_pToolBar == nullptr)
        return nTool;
    pTI->uFlags = 0;
    pTI->hwnd = m_pToolBar->m_hWnd;
    pTI->uId = (UINT_PTR)nTool;
    pTI->rect = GetRect();
    pTI->lpszText = LPSTR_TEXTCALLBACK;
    return nTool;
}

void SECBtnCaption::Draw(CDC* pDC)
{
    const CRect rc = GetRect();
    if (!pDC->RectVisible(&rc))
        return;
    pDC->FillSolidRect(&rc, ::GetSysColor(COLOR_BTNFACE));
    if (!(m_dwChildStyle & kMDIStyleSysMenu))
        return;
    static const UINT kControls[] = {DFCS_CAPTIONMIN, DFCS_CAPTIONRESTORE, DFCS_CAPTIONCLOSE};
    for (int nPart = MDIButtons::kMinimize; nPart <= MDIButtons::kClose; ++nPart) {
        CRect rcPart = MDIButtons::PartRect(nPart, CPoint(m_x, m_y), m_cxPart, m_cyPart);
        UINT nState = kControls[nPart];
        if (nPart != MDIButtons::kClose && !(m_dwChildStyle & kMDIStyleMinimizeBox))
            nState |= DFCS_INACTIVE;
        if (m_bDrawnPressed && nPart == m_nPressedPart)
            nState |= DFCS_PUSHED;
        ::DrawFrameControl(pDC->m_hDC, &rcPart, DFC_CAPTION, nState);
    }
}
