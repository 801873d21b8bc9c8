#include "framework/Framework.h"
#include "ui/frames/SECDockContext.h"
#include "ui/frames/SECControlBar.h"
#include "ui/frames/SECDockBar.h"
#include "ui/frames/SECMDIFrameWnd.h"

#include <cstdlib>

SECDockContext::SECDockContext(CControlBar* pBar) : CDockContext(pBar)
{
    m_sizeMinTrack = CSize(::GetSystemMetrics(SM_CXMENUSIZE) +
                               2 * (::GetSystemMetrics(SM_CXFRAME) + ::GetSystemMetrics(SM_CXBORDER)),
                           ::GetSystemMetrics(SM_CYSMCAPTION) +
                               2 * (::GetSystemMetrics(SM_CYFRAME) + ::GetSystemMetrics(SM_CYBORDER)));
    m_sizeMaxTrack = CSize(::GetSystemMetrics(SM_CXFULLSCREEN), ::GetSystemMetrics(SM_CYFULLSCREEN));
}

BOOL SECDockContext::HasMovedFromStart() const
{
    CPoint pt;
    ::GetCursorPos(&pt);
    return std::abs(pt.x - m_ptDragStart.x) + std::abs(pt.y - m_ptDragStart.y) >= kDockDistance;
}

void SECDockContext::StartDrag(CPoint pt)
{
    m_nDockID = -1;
    m_ptDragStart = pt;
    // The sides the bar may dock on now ("Allow Docking" changes them).
    m_dwDockStyle = m_pBar->m_dwDockStyle;
    m_bInDrag = TRUE;
    CDockContext::StartDrag(pt);
    m_bInDrag = FALSE;
}

void SECDockContext::StartResize(int nHitTest, CPoint pt)
{
    m_dwDockStyle = m_pBar->m_dwDockStyle;
    CDockContext::StartResize(nHitTest, pt);
}

void SECDockContext::ToggleDocking()
{
    m_dwDockStyle = m_pBar->m_dwDockStyle;
    auto* pBar = dynamic_cast<SECControlBar*>(m_pBar);
    if (m_pBar->IsFloating()) {
        // Back into its row with the share it had there.
        if (pBar)
            pBar->m_fPctWidth = pBar->m_fSavedPctWidth;
        if (m_pBar->m_pDockSite && m_uMRUDockID != 0)
            if (auto* pDockBar = dynamic_cast<SECDockBar*>(m_pBar->m_pDockSite->GetControlBar(m_uMRUDockID)))
                pDockBar->RememberBarFromFloat(m_pBar);
    } else if (pBar) {
        pBar->m_fSavedPctWidth = pBar->m_fPctWidth;
    }
    CDockContext::ToggleDocking();
}

void SECDockContext::ToggleMDIFloat()
{
    m_pDockSite = m_pBar->m_pDockSite;
    auto* pFrame = dynamic_cast<SECMDIFrameWnd*>(m_pDockSite);
    auto* pBar = dynamic_cast<SECControlBar*>(m_pBar);
    if (pFrame == nullptr || pBar == nullptr)
        return;
    const BOOL bWasBusy = pFrame->m_bTogglingMDIFloat;
    pFrame->m_bTogglingMDIFloat = TRUE;
    m_dwDockStyle = m_pBar->m_dwDockStyle;
    const DWORD dwStyle =
        m_dwMRUFloatStyle != 0 ? m_dwMRUFloatStyle : (CBRS_ALIGN_TOP | (m_dwDockStyle & CBRS_FLOAT_MULTI));
    if (pBar->GetMDIFloatingFrame() == nullptr) {
        m_bPrevFloating = m_pBar->IsFloating();
        if (!m_bPrevFloating) {
            pBar->m_fSavedPctWidth = pBar->m_fPctWidth;
            RememberDockPlace();
        }
        pFrame->FloatControlBarInMDIChild(m_pBar, m_ptMRUFloatPos, dwStyle);
    } else if (m_bPrevFloating) {
        pBar->m_fPctWidth = pBar->m_fSavedPctWidth;
        pFrame->FloatControlBar(m_pBar, m_ptMRUFloatPos, dwStyle);
    } else if (m_dwDockStyle & CBRS_ALIGN_ANY) {
        ToggleDocking();   // back into its row with its share
    }
    pFrame->m_bTogglingMDIFloat = bWasBusy;
}
