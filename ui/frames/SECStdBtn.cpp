#include "framework/Framework.h"
#include "ui/frames/SECStdBtn.h"
#include "framework/GdiScopes.h"
#include "ui/frames/SECBmpMgr.h"
#include "ui/frames/SECCustomToolBar.h"

namespace {

SECStdBtn* NewStdBtn() { return new SECStdBtn; }
SECStdBtn* NewStdMenuBtn() { return new SECStdMenuBtn; }

// Copies a bitmap's image as a monochrome mask: black where the image is
// neither face- nor highlight-coloured.
void MakeMask(HDC hMask, HDC hImage, int x, int cx, int cy)
{
    const SECSysColorCache& c = SECGetSysColors();
    ::PatBlt(hMask, 0, 0, cx, cy, WHITENESS);
    ::SetBkColor(hImage, c.clrBtnFace);
    ::BitBlt(hMask, 0, 0, cx, cy, hImage, x, 0, SRCCOPY);
    ::SetBkColor(hImage, c.clrBtnHilite);
    ::BitBlt(hMask, 0, 0, cx, cy, hImage, x, 0, SRCPAINT);
}

// Paints the brush where the mask is black (PSDPxax).
void PaintThroughMask(HDC hDC, int x, int y, int cx, int cy, HDC hMask, COLORREF clr)
{
    HBRUSH hBrush = ::CreateSolidBrush(clr);
    {
        CSelectObjectScope selectBrush(hDC, hBrush);
        ::SetTextColor(hDC, RGB(0, 0, 0));
        ::SetBkColor(hDC, RGB(255, 255, 255));
        ::BitBlt(hDC, x, y, cx, cy, hMask, 0, 0, 0xB8074A);
    }
    ::DeleteObject(hBrush);
}

} // namespace

const SECButtonClass SECStdBtn::classSECStdBtn = {NewStdBtn};
const SECButtonClass SECStdMenuBtn::classSECStdMenuBtn = {NewStdMenuBtn};

void SECStdBtn::Init(SECCustomToolBar* pToolBar, const UINT_PTR*)
{
    m_pToolBar = pToolBar;
    AdjustSize();
}

void SECStdBtn::AdjustSize()
{
    if (m_pToolBar == nullptr)
        return;
    m_cx = IsSeparator() ? m_pToolBar->GetSeparatorWidth() : m_pToolBar->GetButtonWidth();
    m_cy = IsSeparator() ? m_pToolBar->GetSeparatorHeight() : m_pToolBar->GetButtonHeight();
    m_pToolBar->m_nMaxBtnWidth = std::max(m_pToolBar->m_nMaxBtnWidth, m_cx);
}

void SECStdBtn::Invalidate(BOOL bErase)
{
    if (m_pToolBar != nullptr && m_pToolBar->m_hWnd != nullptr) {
        const CRect rc = GetRect();
        m_pToolBar->InvalidateRect(&rc, bErase);
    }
}

BOOL SECStdBtn::OnLButtonDown(CPoint)
{
    if (m_nStyle & TBBS_DISABLED_BIT)
        return FALSE;
    m_nStyle |= TBBS_PRESSED_BIT;
    if (!(m_nStyle & TBBS_DROPDOWN_BIT) || m_pToolBar == nullptr)
        return TRUE;
    // A drop-down button tells its owner instead of sending a command.
    Invalidate();
    m_pToolBar->UpdateWindow();
    const HWND hBar = m_pToolBar->m_hWnd;
    SECCustomToolBar::s_bCommandRunning = TRUE;
    SendNotify(kNotifyDropDown, 0, 0);
    SECCustomToolBar::s_bCommandRunning = FALSE;
    if (!::IsWindow(hBar))
        return FALSE;
    m_nStyle &= ~TBBS_PRESSED_BIT;
    Invalidate();
    m_pToolBar->UpdateHotButton(TRUE);
    return FALSE;
}

LRESULT SECStdBtn::SendNotify(int nCode, UINT_PTR nParam1, UINT_PTR nParam2)
{
    if (m_pToolBar == nullptr || m_pToolBar->m_hWnd == nullptr)
        return 0;
    SECBtnNotify notify = {};
    notify.tb.hdr.hwndFrom = m_pToolBar->m_hWnd;
    notify.tb.hdr.idFrom = (UINT_PTR)m_pToolBar->GetDlgCtrlID();
    notify.tb.hdr.code = (UINT)nCode;
    notify.tb.iItem = (int)m_nID;
    notify.nIndex = m_pToolBar->ButtonToIndex(this);
    notify.nParam1 = nParam1;
    notify.nParam2 = nParam2;
    CWnd* pOwner = m_pToolBar->GetOwner();
    if (pOwner == nullptr)
        pOwner = m_pToolBar->GetParent();
    if (pOwner == nullptr)
        return 0;
    return pOwner->SendMessage(WM_NOTIFY, notify.tb.hdr.idFrom, (LPARAM)&notify);
}

void SECStdBtn::OnMouseMove(CPoint pt)
{
    const CRect rc = GetRect();
    const bool bInside = pt.x >= rc.left && pt.x <= rc.right && pt.y >= rc.top && pt.y <= rc.bottom;
    const DWORD nOld = m_nStyle;
    if (bInside)
        m_nStyle |= TBBS_PRESSED_BIT;
    else
        m_nStyle &= ~TBBS_PRESSED_BIT;
    if (nOld != m_nStyle)
        Invalidate();
}

void SECStdBtn::OnCancelPress()
{
    m_nStyle &= ~TBBS_PRESSED_BIT;
    Invalidate();
}

UINT SECStdBtn::OnLButtonUp(CPoint pt)
{
    m_nStyle &= ~TBBS_PRESSED_BIT;
    if (!GetRect().PtInRect(pt))
        return 0;
    if ((m_nStyle & TBBS_CHECKBOX_BIT) && !(m_nStyle & TBBS_DISABLED_BIT) && m_pToolBar != nullptr) {
        const DWORD data[2] = {(m_nStyle & TBBS_CHECKED_BIT) ? 0u : (DWORD)TBBS_CHECKED_BIT,
                               (m_nStyle & TBBS_CHECKED_BIT) ? (DWORD)(TBBS_CHECKED_BIT | TBBS_INDETERMINATE_BIT)
                                                             : (DWORD)TBBS_INDETERMINATE_BIT};
        m_pToolBar->BroadcastButtonChange(m_nID, 1, data, TRUE);
    }
    return m_nID;
}

int SECStdBtn::OnToolHitTest(CPoint, TOOLINFO* pTI) const
{
    if (pTI != nullptr && m_pToolBar != nullptr) {
        pTI->uFlags = 0;
        pTI->hwnd = m_pToolBar->m_hWnd;
        pTI->uId = m_nID;
        pTI->rect = GetRect();
        pTI->lpszText = LPSTR_TEXTCALLBACK;
    }
    return (int)m_nID;
}

void SECStdBtn::OnStyleChange(int nCode, const DWORD* pData)
{
    if (nCode != 1 || pData == nullptr)
        return;
    m_nStyle = (m_nStyle & ~pData[1]) | pData[0];
    Invalidate();
}

void SECStdBtn::Draw(CDC* pDC)
{
    const CRect rc = GetRect();
    if (!pDC->RectVisible(&rc))
        return;
    if (IsSeparator()) {
        DrawSeparator(pDC);
        return;
    }
    const CRect rcFace = DrawFace(pDC);
    DrawImage(pDC, rcFace);
    if (m_nStyle & TBBS_SELECTED_BIT) {
        CRect rcOutline = rc;
        for (int i = 0; i < 3; ++i) {
            pDC->Draw3dRect(&rcOutline, RGB(0, 0, 0), RGB(0, 0, 0));
            rcOutline.DeflateRect(1, 1);
        }
    }
}

void SECStdBtn::DrawSeparator(CDC* pDC) const
{
    if (m_pToolBar == nullptr || !m_pToolBar->IsCoolLook() || IsWrapped())
        return;
    const SECSysColorCache& c = SECGetSysColors();
    const CRect rc = GetRect();
    pDC->FillSolidRect(&rc, c.clrBtnFace);
    const int x = rc.left + m_cx / 2 - 1;
    pDC->FillSolidRect(x, rc.top, 1, m_cy, c.clrBtnShadow);
    pDC->FillSolidRect(x + 1, rc.top, 1, m_cy, c.clrBtnHilite);
}

CRect SECStdBtn::DrawFace(CDC* pDC) const
{
    const SECSysColorCache& c = SECGetSysColors();
    CRect rc = GetRect();
    pDC->FillSolidRect(&rc, c.clrBtnFace);
    const bool bCustomise = m_pToolBar != nullptr && m_pToolBar->IsCustomizeMode();
    const bool bCool = m_pToolBar != nullptr && m_pToolBar->IsCoolLook();
    const bool bSunken = !bCustomise && (m_nStyle & (TBBS_CHECKED_BIT | TBBS_PRESSED_BIT));
    if (!bSunken) {
        if (!bCool) {
            pDC->Draw3dRect(&rc, c.clrBtnHilite, c.clrWindowFrame);
            rc.DeflateRect(1, 1);
            pDC->Draw3dRect(&rc, c.clrBtnFace, c.clrBtnShadow);
            rc.DeflateRect(1, 1);
        } else {
            if ((m_nStyle & TBBS_HOT_BIT) && !bCustomise)
                pDC->Draw3dRect(&rc, c.clrBtnHilite, c.clrBtnShadow);
            rc.DeflateRect(2, 2);
        }
        return rc;
    }
    pDC->Draw3dRect(&rc, bCool ? c.clrBtnShadow : c.clrWindowFrame, c.clrBtnHilite);
    rc.DeflateRect(1, 1);
    if (!bCool)
        pDC->Draw3dRect(&rc, c.clrBtnShadow, c.clrBtnFace);
    rc.DeflateRect(1, 1);
    rc.OffsetRect(1, 1);
    return rc;
}

void SECStdBtn::DrawImage(CDC* pDC, const CRect& rcFace) const
{
    if (m_pToolBar == nullptr)
        return;
    HBITMAP hBitmap = nullptr;
    m_pToolBar->GetImageIndex(m_nID, &hBitmap);
    if (hBitmap == nullptr)
        return;
    const int cxImage = m_pToolBar->GetImageWidth();
    const int cyImage = m_pToolBar->GetImageHeight();
    const int x = m_x + (m_cx - cxImage - 1) / 2 + (rcFace.left - (m_x + 2) > 0 ? 1 : 0);
    const int y = m_y + (m_cy - cyImage) / 2 + (rcFace.top - (m_y + 2) > 0 ? 1 : 0);
    const int xSrc = cxImage * m_nImage;
    HDC hImage = ::CreateCompatibleDC(pDC->m_hDC);
    HDC hMask = ::CreateCompatibleDC(pDC->m_hDC);
    HBITMAP hMaskBitmap = ::CreateBitmap(cxImage, cyImage, 1, 1, nullptr);
    const bool bPressed = (m_nStyle & TBBS_PRESSED_BIT) != 0;
    const bool bCustomise = m_pToolBar->IsCustomizeMode();
    if (hImage != nullptr && hMask != nullptr && hMaskBitmap != nullptr) {
        CSelectObjectScope selectImage(hImage, hBitmap);
        CSelectObjectScope selectMask(hMask, hMaskBitmap);
        const SECSysColorCache& c = SECGetSysColors();
        if (!bCustomise && !bPressed && (m_nStyle & TBBS_DISABLED_BIT)) {
            MakeMask(hMask, hImage, xSrc, cxImage, cyImage);
            PaintThroughMask(pDC->m_hDC, x + 1, y + 1, cxImage, cyImage, hMask, c.clrBtnHilite);
            PaintThroughMask(pDC->m_hDC, x, y, cxImage, cyImage, hMask, c.clrBtnShadow);
        } else if (!bCustomise && !bPressed && (m_nStyle & TBBS_INDETERMINATE_BIT)) {
            MakeMask(hMask, hImage, xSrc, cxImage, cyImage);
            PaintThroughMask(pDC->m_hDC, x, y, cxImage, cyImage, hMask, c.clrBtnShadow);
        } else {
            if (!bCustomise && !bPressed && (m_nStyle & TBBS_CHECKED_BIT))
                pDC->FillSolidRect(&rcFace, c.clrBtnHilite);
            // Face-coloured pixels let the face (or the checked fill) show.
            MakeMask(hMask, hImage, xSrc, cxImage, cyImage);
            ::SetTextColor(pDC->m_hDC, RGB(0, 0, 0));
            ::SetBkColor(pDC->m_hDC, RGB(255, 255, 255));
            ::BitBlt(pDC->m_hDC, x, y, cxImage, cyImage, hImage, xSrc, 0, SRCINVERT);
            ::BitBlt(pDC->m_hDC, x, y, cxImage, cyImage, hMask, 0, 0, SRCAND);
            ::BitBlt(pDC->m_hDC, x, y, cxImage, cyImage, hImage, xSrc, 0, SRCINVERT);
        }
    }
    if (hMaskBitmap != nullptr)
        ::DeleteObject(hMaskBitmap);
    if (hImage != nullptr)
        ::DeleteDC(hImage);
    if (hMask != nullptr)
        ::DeleteDC(hMask);
}

void SECStdMenuBtn::Init(SECCustomToolBar* pToolBar, const UINT_PTR* pParams)
{
    if (pParams != nullptr) {
        m_menu.LoadMenu((UINT)pParams[0]);
        m_nSubMenu = (int)pParams[1];
        m_nAlign = (UINT)pParams[2];
    }
    SECStdBtn::Init(pToolBar, pParams);
}

BOOL SECStdMenuBtn::OnLButtonDown(CPoint)
{
    if ((m_nStyle & TBBS_DISABLED_BIT) || m_pToolBar == nullptr || m_menu.m_hMenu == nullptr)
        return FALSE;
    m_nStyle |= TBBS_PRESSED_BIT;
    Invalidate();
    m_pToolBar->UpdateWindow();
    CRect rc = GetRect();
    m_pToolBar->ClientToScreen(&rc);
    int x = rc.left;
    if (m_nAlign & TPM_CENTERALIGN)
        x = (rc.left + rc.right) / 2;
    else if (m_nAlign & TPM_RIGHTALIGN)
        x = rc.right;
    HMENU hPopup = ::GetSubMenu(m_menu.m_hMenu, m_nSubMenu);
    CWnd* pMain = AfxGetMainWnd();
    if (hPopup != nullptr && pMain != nullptr)
        ::TrackPopupMenu(hPopup, m_nAlign & (TPM_CENTERALIGN | TPM_RIGHTALIGN), x, rc.bottom, 0, pMain->m_hWnd, nullptr);
    OnCancelPress();
    return FALSE;
}
