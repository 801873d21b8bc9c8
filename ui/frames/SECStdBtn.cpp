#include "framework/Framework.h"
#include "ui/frames/SECStdBtn.h"
#include "framework/GdiScopes.h"
#include "ui/frames/SECBmpMgr.h"
#include "ui/frames/SECCustomToolBar.h"

namespace {

SECStdBtn* NewStdBtn() { return new SECStdBtn; }
SECStdBtn* NewStdMenuBtn() { return new SECStdMenuBtn; }

constexpr DWORD kPaintWhereBlack = 0xB8074A; // PSDPxax: the brush where the mask is black
constexpr DWORD kPaintWhereWhite = 0xE20746; // DSPDxax: the brush where the mask is white
constexpr DWORD kMaskAnd = 0x8800C6;         // SRCAND
constexpr DWORD kClearWhereWhite = 0x220326; // DSna

// The mask of the face (x, y, cx, cy): white where the face shows the face
// or highlight colour, black where something was drawn on it.
void MakeFaceMask(SECBtnDrawData& dd, int x, int y, int cx, int cy)
{
    const SECSysColorCache& c = SECGetSysColors();
    HDC hFace = dd.m_faceDC.m_hDC;
    ::PatBlt(dd.m_maskDC.m_hDC, 0, 0, cx, cy, WHITENESS);
    ::SetBkColor(hFace, c.clrBtnFace);
    ::BitBlt(dd.m_maskDC.m_hDC, 0, 0, cx, cy, hFace, x, y, SRCCOPY);
    ::SetBkColor(hFace, c.clrBtnHilite);
    ::BitBlt(dd.m_maskDC.m_hDC, 0, 0, cx, cy, hFace, x, y, SRCPAINT);
}

// The brush through the mask onto the face with the raster operation.
void PaintThroughMask(SECBtnDrawData& dd, HBRUSH hBrush, int x, int y, int cx, int cy, DWORD dwRop)
{
    HDC hFace = dd.m_faceDC.m_hDC;
    HGDIOBJ hOld = ::SelectObject(hFace, hBrush);
    ::SetTextColor(hFace, RGB(0, 0, 0));
    ::SetBkColor(hFace, RGB(255, 255, 255));
    ::BitBlt(hFace, x, y, cx, cy, dd.m_maskDC.m_hDC, 0, 0, dwRop);
    ::SelectObject(hFace, hOld);
}

void PaintColourThroughMask(SECBtnDrawData& dd, COLORREF clr, int x, int y, int cx, int cy)
{
    HBRUSH hBrush = ::CreateSolidBrush(clr);
    PaintThroughMask(dd, hBrush, x, y, cx, cy, kPaintWhereBlack);
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
    if (!pDC->RectVisible(&rc) || DrawSeparator(pDC))
        return;
    SECBtnDrawData* pData = m_pToolBar != nullptr ? m_pToolBar->GetDrawData() : nullptr;
    if (pData == nullptr || !pData->PrepareFace(m_x, m_y, m_cx, m_cy))
        return;
    SelectImage(*pData);
    DrawButton(*pData);
    DrawTransparent(pDC, *pData);
    DrawSelection(*pData);
    BlitFace(pDC, *pData);
    pData->ReleaseImage();
}

BOOL SECStdBtn::DrawSeparator(CDC* pDC)
{
    if (!IsSeparator())
        return FALSE;
    if (m_pToolBar == nullptr || !m_pToolBar->IsCoolLook() || IsWrapped())
        return TRUE;
    const SECSysColorCache& c = SECGetSysColors();
    const CRect rc = GetRect();
    if (!m_pToolBar->IsTransparent())
        pDC->FillSolidRect(&rc, c.clrBtnFace);
    const int x = rc.left + m_cx / 2 - 1;
    pDC->FillSolidRect(x, rc.top, 1, m_cy, c.clrBtnShadow);
    pDC->FillSolidRect(x + 1, rc.top, 1, m_cy, c.clrBtnHilite);
    return TRUE;
}

void SECStdBtn::SelectImage(SECBtnDrawData& dd)
{
    HBITMAP hBitmap = nullptr;
    if (m_pToolBar != nullptr)
        m_pToolBar->GetImageIndex(m_nID, &hBitmap);
    dd.SelectImage(hBitmap);
}

void SECStdBtn::DrawButton(SECBtnDrawData& dd)
{
    const bool bCustomise = m_pToolBar != nullptr && m_pToolBar->IsCustomizeMode();
    int x = m_x, y = m_y, cx = m_cx, cy = m_cy;
    DrawFace(dd, bCustomise, x, y, cx, cy);
    if (bCustomise || (m_nStyle & TBBS_PRESSED_BIT))
        return;
    if (m_nStyle & TBBS_DISABLED_BIT)
        DrawDisabled(dd, x, y, cx, cy);
    else if (m_nStyle & TBBS_CHECKED_BIT)
        DrawChecked(dd, x, y, cx, cy);
    else if (m_nStyle & TBBS_INDETERMINATE_BIT)
        DrawIndeterminate(dd, x, y, cx, cy);
}

void SECStdBtn::DrawFace(SECBtnDrawData& dd, BOOL bCustomise, int& x, int& y, int& cx, int& cy, int)
{
    const CRect rcFace = DrawEdges(&dd.m_faceDC, bCustomise);
    DrawImage(dd, rcFace);
    x = rcFace.left;
    y = rcFace.top;
    cx = rcFace.Width();
    cy = rcFace.Height();
}

CRect SECStdBtn::DrawEdges(CDC* pDC, BOOL bCustomise) const
{
    const SECSysColorCache& c = SECGetSysColors();
    CRect rc = GetRect();
    pDC->FillSolidRect(&rc, c.clrBtnFace);
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

void SECStdBtn::DrawImage(SECBtnDrawData& dd, const CRect& rcFace)
{
    if (m_pToolBar == nullptr)
        return;
    HBITMAP hBitmap = nullptr;
    m_pToolBar->GetImageIndex(m_nID, &hBitmap);
    if (hBitmap == nullptr)
        return;
    const int cxImage = m_pToolBar->GetImageWidth();
    const int cyImage = m_pToolBar->GetImageHeight();
    const int nShift = rcFace.left - (m_x + 2) > 0 ? 1 : 0;
    const int x = m_x + (m_cx - cxImage - 1) / 2 + nShift;
    const int y = m_y + (m_cy - cyImage) / 2 + nShift;
    BlitImage(x, y, cxImage, cyImage, dd, cxImage * m_nImage, 0);
}

void SECStdBtn::BlitImage(int x, int y, int cx, int cy, SECBtnDrawData& dd, int xSrc, int ySrc)
{
    ::BitBlt(dd.m_faceDC.m_hDC, x, y, cx, cy, dd.m_imageDC.m_hDC, xSrc, ySrc, SRCCOPY);
}

void SECStdBtn::DrawDisabled(SECBtnDrawData& dd, int x, int y, int cx, int cy)
{
    const SECSysColorCache& c = SECGetSysColors();
    MakeFaceMask(dd, x, y, cx, cy);
    dd.m_faceDC.FillSolidRect(x, y, cx, cy, c.clrBtnFace);
    PaintColourThroughMask(dd, c.clrBtnHilite, x + 1, y + 1, cx - 1, cy - 1);
    PaintColourThroughMask(dd, c.clrBtnShadow, x, y, cx, cy);
    if (!(m_nStyle & TBBS_CHECKED_BIT))
        return;
    // The dither keeps off the embossed image and its highlight alike.
    ::BitBlt(dd.m_maskDC.m_hDC, 1, 1, cx - 1, cy - 1, dd.m_maskDC.m_hDC, 0, 0, kMaskAnd);
    PaintThroughMask(dd, (HBRUSH)dd.m_ditherBrush.m_hObject, x, y, cx, cy, kPaintWhereWhite);
}

void SECStdBtn::DrawChecked(SECBtnDrawData& dd, int x, int y, int cx, int cy)
{
    MakeFaceMask(dd, x, y, cx, cy);
    PaintThroughMask(dd, (HBRUSH)dd.m_ditherBrush.m_hObject, x, y, cx, cy, kPaintWhereWhite);
}

void SECStdBtn::DrawIndeterminate(SECBtnDrawData& dd, int x, int y, int cx, int cy)
{
    MakeFaceMask(dd, x, y, cx, cy);
    PaintColourThroughMask(dd, SECGetSysColors().clrBtnShadow, x, y, cx, cy);
    PaintThroughMask(dd, (HBRUSH)dd.m_ditherBrush.m_hObject, x, y, cx, cy, kPaintWhereWhite);
}

void SECStdBtn::DrawDragOutline(CDC* pDC)
{
    CRect rcOutline = GetRect();
    for (int i = 0; i < 3; ++i) {
        pDC->Draw3dRect(&rcOutline, RGB(0, 0, 0), RGB(0, 0, 0));
        rcOutline.DeflateRect(1, 1);
    }
}

void SECStdBtn::DrawSelection(SECBtnDrawData& dd)
{
    if (m_nStyle & TBBS_SELECTED_BIT)
        DrawDragOutline(&dd.m_faceDC);
}

void SECStdBtn::DrawTransparent(CDC* pDC, SECBtnDrawData& dd)
{
    if (m_pToolBar == nullptr || !m_pToolBar->IsTransparent())
        return;
    HDC hFace = dd.m_faceDC.m_hDC;
    ::PatBlt(dd.m_maskDC.m_hDC, 0, 0, m_cx, m_cy, WHITENESS);
    ::SetBkColor(hFace, SECGetSysColors().clrBtnFace);
    ::BitBlt(dd.m_maskDC.m_hDC, 0, 0, m_cx, m_cy, hFace, m_x, m_y, SRCCOPY);
    ::SetTextColor(hFace, RGB(0, 0, 0));
    ::SetBkColor(hFace, RGB(255, 255, 255));
    ::BitBlt(hFace, m_x, m_y, m_cx, m_cy, pDC->m_hDC, m_x, m_y, SRCINVERT);
    ::BitBlt(hFace, m_x, m_y, m_cx, m_cy, dd.m_maskDC.m_hDC, 0, 0, kClearWhereWhite);
    ::BitBlt(hFace, m_x, m_y, m_cx, m_cy, pDC->m_hDC, m_x, m_y, SRCINVERT);
}

void SECStdBtn::BlitFace(CDC* pDC, SECBtnDrawData& dd)
{
    ::BitBlt(pDC->m_hDC, m_x, m_y, m_cx, m_cy, dd.m_faceDC.m_hDC, m_x, m_y, SRCCOPY);
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
