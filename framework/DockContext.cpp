#include "framework/Framework.h"
#include "framework/DockContext.h"
#include "framework/DockBar.h"
#include "framework/MiniDockFrameWnd.h"
#include "framework/CaptureLoop.h"

namespace {

// Moves rect the least so that pt lies inside it.
void KeepPointInside(CRect& rect, CPoint pt)
{
    if (pt.x < rect.left)
        rect.OffsetRect(pt.x - rect.left, 0);
    else if (pt.x >= rect.right)
        rect.OffsetRect(pt.x - rect.right + 1, 0);
    if (pt.y < rect.top)
        rect.OffsetRect(0, pt.y - rect.top);
    else if (pt.y >= rect.bottom)
        rect.OffsetRect(0, pt.y - rect.bottom + 1);
}

// The top and bottom borders change the height.
bool IsVerticalEdge(int nHitTest) { return nHitTest == HTTOP || nHitTest == HTBOTTOM; }

bool IsKeyDown(int nVirtKey) { return (::GetKeyState(nVirtKey) & 0x8000) != 0; }

// The drag and resize loop: the mouse is captured by the bar (or the
// floating frame); points arrive in screen coordinates.
class CDockLoop : public CCaptureLoop
{
public:
    CDockLoop(CDockContext* pContext, HWND hWnd, bool bResize)
        : CCaptureLoop(hWnd), m_pContext(pContext), m_bResize(bResize)
    {
    }

protected:
    void OnMove(CPoint pt) override
    {
        ::ClientToScreen(GetWindow(), &pt);
        if (m_bResize)
            m_pContext->Stretch(pt);
        else
            m_pContext->Move(pt);
    }
    // The button may come up where no move was reported.
    void OnEnd(CPoint pt) override { OnMove(pt); }
    bool OnMessage(const MSG& msg) override
    {
        if ((msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) && msg.wParam != VK_ESCAPE) {
            if (!m_bResize)
                m_pContext->OnKey((int)msg.wParam, msg.message == WM_KEYDOWN);
            return true;
        }
        return false;
    }

private:
    CDockContext* m_pContext;
    bool m_bResize;
};

} // namespace

CDockContext::CDockContext(CControlBar* pBar) : m_pBar(pBar), m_pDockSite(pBar->m_pDockSite)
{
    m_rectMRUDockPos.SetRectEmpty();
    m_ptMRUFloatPos = CPoint(-1, -1);
}

CDockContext::~CDockContext() { CancelLoop(); }

CRect CDockContext::FloatingBorders()
{
    CRect rect(0, 0, 0, 0);
    CMiniFrameWnd::CalcBorders(&rect, WS_THICKFRAME | WS_CAPTION, WS_EX_TOOLWINDOW);
    return CRect(-rect.left, -rect.top, rect.right, rect.bottom);
}

void CDockContext::AdjustWindowForFloat(CRect& rect)
{
    CRect borders = FloatingBorders();
    rect.left -= borders.left;
    rect.top -= borders.top;
    rect.right += borders.right;
    rect.bottom += borders.bottom;
}

void CDockContext::InitLoop()
{
    m_bDitherLast = FALSE;
    m_rectLast.SetRectEmpty();
    m_sizeLast = CSize(0, 0);
    if (m_pDC != nullptr)
        return;
    ::LockWindowUpdate(::GetDesktopWindow());
    m_pDC = CDC::FromHandle(::GetDCEx(::GetDesktopWindow(), nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE));
}

void CDockContext::CancelLoop()
{
    if (m_pDC == nullptr)
        return;
    DrawFocusRect(TRUE);
    ::ReleaseDC(::GetDesktopWindow(), m_pDC->m_hDC);
    m_pDC = nullptr;
    ::LockWindowUpdate(nullptr);
    m_bDragging = FALSE;
    if (CWnd* pMain = AfxGetMainWnd())
        pMain->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
}

void CDockContext::StartDrag(CPoint pt)
{
    m_pDockSite = m_pBar->m_pDockSite;
    if (m_pDockSite == nullptr)
        return;
    m_bDragging = TRUE;
    m_dwDockStyle = m_pBar->m_dwDockStyle;
    m_dwStyle = m_pBar->m_dwStyle & CBRS_ALIGN_ANY;
    m_bFlip = FALSE;
    m_bForceFrame = IsKeyDown(VK_CONTROL);
    m_ptLast = pt;
    InitLoop();

    CRect rect;
    m_pBar->GetWindowRect(&rect);
    CPoint ptTopLeft = rect.TopLeft();
    if (m_pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) {
        m_rectDragHorz = CRect(ptTopLeft, m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK));
        m_rectDragVert = CRect(ptTopLeft, m_pBar->CalcDynamicLayout(0, LM_VERTDOCK));
        m_rectFrameDragHorz = CRect(ptTopLeft, m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH));
        m_rectFrameDragVert = m_rectFrameDragHorz;
    } else if (m_pBar->m_dwStyle & CBRS_SIZE_FIXED) {
        m_rectDragHorz = CRect(ptTopLeft, m_pBar->CalcFixedLayout(FALSE, TRUE));
        m_rectDragVert = CRect(ptTopLeft, m_pBar->CalcFixedLayout(FALSE, FALSE));
        m_rectFrameDragHorz = m_rectDragHorz;
        m_rectFrameDragVert = m_rectDragVert;
    } else {
        // The present orientation keeps its rectangle; the other one turns
        // about the cursor.
        bool bHorz = IsHorzBarStyle(m_dwStyle);
        CRect rectOther(ptTopLeft, m_pBar->CalcFixedLayout(FALSE, !bHorz));
        m_rectDragHorz = bHorz ? rect : rectOther;
        m_rectDragVert = bHorz ? rectOther : rect;
        m_rectFrameDragHorz = m_rectDragHorz;
        m_rectFrameDragVert = m_rectDragVert;
    }
    AdjustWindowForFloat(m_rectFrameDragHorz);
    AdjustWindowForFloat(m_rectFrameDragVert);
    KeepPointInside(m_rectDragHorz, pt);
    KeepPointInside(m_rectDragVert, pt);
    KeepPointInside(m_rectFrameDragHorz, pt);
    KeepPointInside(m_rectFrameDragVert, pt);

    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
    DrawFocusRect();
    if (CWnd* pMain = AfxGetMainWnd())
        pMain->SendMessage(WM_SETMESSAGESTRING, 0, (LPARAM)"Press the Ctrl key to prevent docking.");
    Track();
}

BOOL CDockContext::Track()
{
    CWnd* pCapture = m_bDragging ? static_cast<CWnd*>(m_pBar) : m_pBar->GetParentFrame();
    if (pCapture == nullptr)
        pCapture = m_pBar;
    CDockLoop loop(this, pCapture->m_hWnd, !m_bDragging);
    if (!loop.Run()) {
        CancelLoop();
        if (!m_bDragging && IsVerticalEdge(m_nHitTest))
            m_pBar->CalcDynamicLayout(m_rectResizeStart.Height(), LM_HORZ | LM_LENGTHY | LM_COMMIT);
        else if (!m_bDragging)
            m_pBar->CalcDynamicLayout(m_rectResizeStart.Width(), LM_HORZ | LM_COMMIT);
        return FALSE;
    }
    if (m_bDragging)
        EndDrag();
    else
        EndResize();
    return TRUE;
}

void CDockContext::Move(CPoint pt)
{
    CPoint ptOffset = pt - m_ptLast;
    m_rectDragHorz.OffsetRect(ptOffset);
    m_rectDragVert.OffsetRect(ptOffset);
    m_rectFrameDragHorz.OffsetRect(ptOffset);
    m_rectFrameDragVert.OffsetRect(ptOffset);
    m_ptLast = pt;
    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
    DrawFocusRect();
}

void CDockContext::OnKey(int nChar, BOOL bDown)
{
    if (nChar == VK_CONTROL)
        UpdateState(&m_bForceFrame, bDown);
    if (nChar == VK_SHIFT)
        UpdateState(&m_bFlip, bDown);
}

void CDockContext::UpdateState(BOOL* pFlag, BOOL bNewValue)
{
    if (*pFlag == bNewValue)
        return;
    *pFlag = bNewValue;
    m_bFlip = m_bFlip && !(m_pBar->m_dwStyle & CBRS_SIZE_DYNAMIC);
    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
    DrawFocusRect();
}

DWORD CDockContext::CanDock(CRect rect, DWORD dwDockStyle, CDockBar** ppDockBar)
{
    return m_pDockSite != nullptr ? m_pDockSite->CanDock(rect, dwDockStyle, ppDockBar) : 0;
}

// The present orientation (turned with Shift) first, then the other one.
DWORD CDockContext::CanDock()
{
    bool bHorz = IsHorzBarStyle(m_dwStyle) != (m_bFlip != FALSE);
    DWORD dwDock = 0;
    if (bHorz)
        dwDock = CanDock(m_rectDragHorz, m_dwDockStyle & ~CBRS_ORIENT_VERT);
    else
        dwDock = CanDock(m_rectDragVert, m_dwDockStyle & ~CBRS_ORIENT_HORZ);
    if (dwDock == 0 && !m_bFlip) {
        if (bHorz)
            dwDock = CanDock(m_rectDragVert, m_dwDockStyle & ~CBRS_ORIENT_HORZ);
        else
            dwDock = CanDock(m_rectDragHorz, m_dwDockStyle & ~CBRS_ORIENT_VERT);
    }
    return dwDock;
}

CDockBar* CDockContext::GetDockBar(DWORD dwOverDockStyle)
{
    CRect rect = (dwOverDockStyle & CBRS_ORIENT_HORZ) ? m_rectDragHorz : m_rectDragVert;
    CDockBar* pDockBar = nullptr;
    CanDock(rect, dwOverDockStyle, &pDockBar);
    return pDockBar;
}

void CDockContext::DrawFocusRect(BOOL bRemoveRect)
{
    if (m_pDC == nullptr)
        return;
    CSize size(1, 1);
    CRect rect;
    if (IsOverDockBar()) {
        rect = (m_dwOverDockStyle & CBRS_ORIENT_HORZ) ? m_rectDragHorz : m_rectDragVert;
    } else if (!m_bDragging) {
        rect = m_rectFrameDragHorz;
        size = CSize(::GetSystemMetrics(SM_CXFRAME) - 1, ::GetSystemMetrics(SM_CYFRAME) - 1);
    } else {
        bool bHorz = IsHorzBarStyle(m_dwStyle) != (m_bFlip != FALSE) || (m_pBar->m_dwStyle & CBRS_SIZE_DYNAMIC);
        rect = bHorz ? m_rectFrameDragHorz : m_rectFrameDragVert;
        size = CSize(::GetSystemMetrics(SM_CXFRAME) - 1, ::GetSystemMetrics(SM_CYFRAME) - 1);
    }
    if (bRemoveRect)
        size = CSize(0, 0);
    m_pDC->DrawDragRect(&rect, size, &m_rectLast, m_sizeLast);
    m_rectLast = rect;
    m_sizeLast = size;
}

void CDockContext::EndDrag()
{
    CancelLoop();
    if (IsOverDockBar()) {
        CDockBar* pDockBar = GetDockBar(m_dwOverDockStyle);
        if (pDockBar == nullptr)
            return;
        CRect rect = (m_dwOverDockStyle & CBRS_ORIENT_VERT) ? m_rectDragVert : m_rectDragHorz;
        UINT uID = (UINT)pDockBar->GetDlgCtrlID();
        if (uID >= AFX_IDW_DOCKBAR_TOP && uID <= AFX_IDW_DOCKBAR_BOTTOM) {
            m_uMRUDockID = uID;
            m_rectMRUDockPos = rect;
            pDockBar->ScreenToClient(&m_rectMRUDockPos);
        }
        m_pDockSite->DockControlBar(m_pBar, pDockBar, &rect);
        m_pDockSite->RecalcLayout();
        return;
    }
    RememberDockPlace();
    bool bHorz = (m_pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) || IsHorzBarStyle(m_dwStyle) != (m_bFlip != FALSE);
    m_dwMRUFloatStyle = (bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT) | (m_dwDockStyle & CBRS_FLOAT_MULTI);
    m_ptMRUFloatPos = bHorz ? m_rectFrameDragHorz.TopLeft() : m_rectFrameDragVert.TopLeft();
    m_pDockSite->FloatControlBar(m_pBar, m_ptMRUFloatPos, m_dwMRUFloatStyle);
}

void CDockContext::StartResize(int nHitTest, CPoint pt)
{
    m_pDockSite = m_pBar->m_pDockSite;
    if (m_pDockSite == nullptr)
        return;
    m_bDragging = FALSE;
    m_nHitTest = nHitTest;
    m_ptLast = pt;
    m_dwStyle = m_pBar->m_dwStyle & CBRS_ALIGN_ANY;
    m_dwOverDockStyle = 0;
    CRect rect;
    m_pBar->GetWindowRect(&rect);
    m_rectActualSize = rect;
    m_rectRequestedSize = rect;
    m_rectResizeStart = rect;
    m_rectFrameDragHorz = rect;
    AdjustWindowForFloat(m_rectFrameDragHorz);
    m_rectActualFrameSize = m_rectFrameDragHorz;
    InitLoop();
    DrawFocusRect();
    Track();
}

void CDockContext::Stretch(CPoint pt)
{
    CPoint ptOffset = pt - m_ptLast;
    switch (m_nHitTest) {
    case HTLEFT: case HTTOPLEFT: case HTBOTTOMLEFT: m_rectRequestedSize.left += ptOffset.x; break;
    case HTRIGHT: case HTTOPRIGHT: case HTBOTTOMRIGHT: m_rectRequestedSize.right += ptOffset.x; break;
    }
    switch (m_nHitTest) {
    case HTTOP: case HTTOPLEFT: case HTTOPRIGHT: m_rectRequestedSize.top += ptOffset.y; break;
    case HTBOTTOM: case HTBOTTOMLEFT: case HTBOTTOMRIGHT: m_rectRequestedSize.bottom += ptOffset.y; break;
    }
    m_ptLast = pt;
    // One dimension is committed (the height for the top and bottom edges,
    // the width otherwise); the bar's answer places the other edges.
    CSize size = IsVerticalEdge(m_nHitTest)
                     ? m_pBar->CalcDynamicLayout(std::max(1, m_rectRequestedSize.Height()), LM_HORZ | LM_LENGTHY | LM_COMMIT)
                     : m_pBar->CalcDynamicLayout(std::max(1, m_rectRequestedSize.Width()), LM_HORZ | LM_COMMIT);
    CRect rect = m_rectRequestedSize;
    if (m_nHitTest == HTLEFT || m_nHitTest == HTTOPLEFT || m_nHitTest == HTBOTTOMLEFT)
        rect.left = rect.right - size.cx;
    else
        rect.right = rect.left + size.cx;
    if (m_nHitTest == HTTOP || m_nHitTest == HTTOPLEFT || m_nHitTest == HTTOPRIGHT)
        rect.top = rect.bottom - size.cy;
    else
        rect.bottom = rect.top + size.cy;
    m_rectActualSize = rect;
    m_rectFrameDragHorz = rect;
    AdjustWindowForFloat(m_rectFrameDragHorz);
    DrawFocusRect();
}

void CDockContext::EndResize()
{
    CancelLoop();
    if (IsVerticalEdge(m_nHitTest))
        m_pBar->CalcDynamicLayout(m_rectActualSize.Height(), LM_HORZ | LM_LENGTHY | LM_COMMIT);
    else
        m_pBar->CalcDynamicLayout(m_rectActualSize.Width(), LM_HORZ | LM_COMMIT);
    m_pDockSite->FloatControlBar(m_pBar, m_rectFrameDragHorz.TopLeft(),
                                 CBRS_ALIGN_TOP | (m_dwDockStyle & CBRS_FLOAT_MULTI) | CBRS_SIZE_DYNAMIC);
}

void CDockContext::RememberDockPlace()
{
    CDockBar* pDockBar = m_pBar->m_pDockBar;
    if (pDockBar == nullptr || pDockBar->m_bFloating)
        return;
    UINT uID = (UINT)pDockBar->GetDlgCtrlID();
    if (uID < AFX_IDW_DOCKBAR_TOP || uID > AFX_IDW_DOCKBAR_BOTTOM)
        return;
    m_uMRUDockID = uID;
    m_pBar->GetWindowRect(&m_rectMRUDockPos);
    pDockBar->ScreenToClient(&m_rectMRUDockPos);
}

void CDockContext::ToggleDocking()
{
    m_pDockSite = m_pBar->m_pDockSite;
    if (m_pDockSite == nullptr)
        return;
    if (m_pBar->IsFloating()) {
        if (m_dwDockStyle == 0)
            return;
        CDockBar* pDockBar = m_uMRUDockID != 0 ? dynamic_cast<CDockBar*>(m_pDockSite->GetControlBar(m_uMRUDockID)) : nullptr;
        if (pDockBar == nullptr) {
            m_pDockSite->DockControlBar(m_pBar);
        } else {
            CRect rect = m_rectMRUDockPos;
            pDockBar->ClientToScreen(&rect);
            m_pDockSite->ReDockControlBar(m_pBar, pDockBar, &rect);
        }
        m_pDockSite->RecalcLayout();
        return;
    }
    RememberDockPlace();
    CPoint pt = m_ptMRUFloatPos;
    if (pt.x < 0 || pt.y < 0) {
        // Never floated: where it is docked.
        CRect rect;
        m_pBar->GetWindowRect(&rect);
        pt = rect.TopLeft();
    }
    DWORD dwStyle = m_dwMRUFloatStyle != 0 ? m_dwMRUFloatStyle : (CBRS_ALIGN_TOP | (m_dwDockStyle & CBRS_FLOAT_MULTI));
    m_pDockSite->FloatControlBar(m_pBar, pt, dwStyle);
}
