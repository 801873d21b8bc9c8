#include "ui/frames/SECGradientCaption.h"

#include "framework/GdiScopes.h"
#include "ui/frames/CaptionLayout.h"

namespace {

BOOL CaptionLogFont(LOGFONTA& lf)
{
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return FALSE;
    lf = metrics.lfCaptionFont;
    return TRUE;
}

BOOL IsNewShell()
{
    // GetVersion's low byte is the major version.
    return (BYTE)::GetVersion() >= 4;
}

int TextWidth(CDC& dc, const CString& str)
{
    SIZE size = {};
    ::GetTextExtentPoint32A(dc.m_hDC, str, str.GetLength(), &size);
    return size.cx;
}

bool IsCloseEnabled(HWND hWnd)
{
    HMENU hMenu = ::GetSystemMenu(hWnd, FALSE);
    if (hMenu == nullptr)
        return false;
    UINT nState = ::GetMenuState(hMenu, SC_CLOSE, MF_BYCOMMAND);
    return nState != (UINT)-1 && (nState & (MF_GRAYED | MF_DISABLED)) == 0;
}

} // namespace

SECGradientCaption::SECGradientCaption(CWnd& frame, ICaptionFonts* pFonts)
    : m_frame(frame), m_pFonts(pFonts), m_bNewShell(IsNewShell())
{
}

BOOL SECGradientCaption::CreateItalicCaptionFont(CFont& font)
{
    LOGFONTA lf;
    if (!CaptionLogFont(lf))
        return FALSE;
    lf.lfItalic = TRUE;
    lf.lfUnderline = FALSE;
    lf.lfStrikeOut = FALSE;
    lf.lfCharSet = 0;
    return font.CreateFontIndirect(&lf);
}

BOOL SECGradientCaption::CreateSystemCaptionFont(CFont& font)
{
    LOGFONTA lf;
    return CaptionLogFont(lf) && font.CreateFontIndirect(&lf);
}

BOOL SECGradientCaption::EnableCustomCaption(BOOL bEnable, BOOL bRedraw)
{
    if (!m_bNewShell)
        return FALSE;
    BOOL bOld = m_bCustomCaption;
    m_bCustomCaption = bEnable;
    if (m_frame.m_hWnd == nullptr)
        return bOld;
    if (bRedraw)
        m_frame.SendMessage(WM_NCPAINT, 1);
    m_frame.PostMessage(WM_NCACTIVATE, FALSE);
    return bOld;
}

void SECGradientCaption::SetCaptionTextAlign(int nAlign, BOOL bRedraw)
{
    m_nCaptionAlign = nAlign;
    if (bRedraw && m_frame.m_hWnd != nullptr)
        m_frame.SendMessage(WM_NCPAINT, 1);
}

BOOL SECGradientCaption::OnNcMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& lResult)
{
    if (!m_bCustomCaption || !m_bNewShell)
        return FALSE;
    switch (message) {
    case WM_NCACTIVATE:
        lResult = OnNcActivate((BOOL)wParam);
        return TRUE;
    case WM_NCPAINT:
        lResult = OnNcPaint(wParam);
        return TRUE;
    case WM_SETTEXT:
        lResult = OnSetText(wParam, lParam);
        return TRUE;
    default:
        return FALSE;
    }
}

LRESULT SECGradientCaption::DefaultHidden(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Without WS_VISIBLE the default handling does not paint the system caption.
    DWORD dwStyle = m_frame.GetStyle();
    if (dwStyle & WS_VISIBLE)
        ::SetWindowLongA(m_frame.m_hWnd, GWL_STYLE, dwStyle & ~WS_VISIBLE);
    LRESULT lResult = m_frame.DefWindowProc(message, wParam, lParam);
    if (dwStyle & WS_VISIBLE)
        ::SetWindowLongA(m_frame.m_hWnd, GWL_STYLE, dwStyle);
    return lResult;
}

LRESULT SECGradientCaption::OnNcActivate(BOOL bActive)
{
    if (!m_frame.IsWindowEnabled())
        bActive = FALSE;
    m_bCaptionActive = bActive;
    HWND hActive = ::GetActiveWindow();
    if (hActive != nullptr && hActive != m_frame.m_hWnd && ::GetParent(hActive) == m_frame.m_hWnd) {
        ::SendMessageA(hActive, WM_NCACTIVATE, bActive, 0);
        ::SendMessageA(hActive, WM_NCPAINT, 1, 0);
    }
    LRESULT lResult = DefaultHidden(WM_NCACTIVATE, bActive, 0);
    m_frame.SendMessage(WM_NCPAINT, 1);
    return lResult;
}

LRESULT SECGradientCaption::OnNcPaint(WPARAM wParam)
{
    CRect rcWindow;
    m_frame.GetWindowRect(&rcWindow);
    CRect rcCaption = CaptionRectInWindow();
    rcCaption.OffsetRect(rcWindow.left, rcWindow.top);
    HRGN hRest = ::CreateRectRgnIndirect(&rcWindow);
    HRGN hCaption = ::CreateRectRgnIndirect(&rcCaption);
    if (wParam > 1)
        ::CombineRgn(hRest, (HRGN)wParam, nullptr, RGN_COPY);
    ::CombineRgn(hRest, hRest, hCaption, RGN_DIFF);
    ::DeleteObject(hCaption);
    m_frame.DefWindowProc(WM_NCPAINT, (WPARAM)hRest, 0);
    ::DeleteObject(hRest);
    DrawCaption();
    return 0;
}

LRESULT SECGradientCaption::OnSetText(WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = DefaultHidden(WM_SETTEXT, wParam, lParam);
    DrawCaption();
    return lResult;
}

CRect SECGradientCaption::CaptionRectInWindow() const
{
    CRect rcWindow;
    m_frame.GetWindowRect(&rcWindow);
    DWORD dwStyle = m_frame.GetStyle();
    CaptionFrameFacts facts;
    facts.window = rcWindow.Size();
    facts.bThickFrame = (dwStyle & WS_THICKFRAME) != 0;
    facts.sizingFrame = CSize(::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME));
    facts.border = CSize(::GetSystemMetrics(SM_CXBORDER), ::GetSystemMetrics(SM_CYBORDER));
    facts.button = CSize(::GetSystemMetrics(SM_CXSIZE), ::GetSystemMetrics(SM_CYSIZE));
    facts.bSysMenu = (dwStyle & WS_SYSMENU) != 0;
    facts.bMinimizeBox = (dwStyle & WS_MINIMIZEBOX) != 0;
    facts.bMaximizeBox = (dwStyle & WS_MAXIMIZEBOX) != 0;
    facts.bCloseEnabled = IsCloseEnabled(m_frame.m_hWnd);
    return CaptionRect(facts);
}

void SECGradientCaption::DrawCaption()
{
    if (!m_bCustomCaption || !m_bNewShell || m_frame.m_hWnd == nullptr)
        return;
    CRect rcCaption = CaptionRectInWindow();
    if (rcCaption.IsRectEmpty())
        return;
    HDC hWindowDC = ::GetWindowDC(m_frame.m_hWnd);
    CDC windowDC;
    windowDC.Attach(hWindowDC);
    CDC memDC;
    CBitmap bitmap;
    if (!memDC.CreateCompatibleDC(&windowDC) || !bitmap.CreateCompatibleBitmap(&windowDC, rcCaption.Width(), rcCaption.Height())) {
        windowDC.Detach();
        ::ReleaseDC(m_frame.m_hWnd, hWindowDC);
        EnableCustomCaption(FALSE, TRUE);
        return;
    }
    {
        CSelectObjectScope selectBitmap(memDC, bitmap);
        PaintCaption(memDC, CRect(0, 0, rcCaption.Width(), rcCaption.Height()));
        windowDC.BitBlt(rcCaption.left, rcCaption.top, rcCaption.Width(), rcCaption.Height(), &memDC, 0, 0, SRCCOPY);
    }
    windowDC.Detach();
    ::ReleaseDC(m_frame.m_hWnd, hWindowDC);
}

void SECGradientCaption::PaintCaption(CDC& dc, const CRect& rc)
{
    if (m_bCaptionActive) {
        CRect rcBands(rc.left, rc.top, rc.right, rc.bottom + 1);
        for (const CaptionBand& band : CaptionGradient(rcBands, CaptionRgb(0, 0, 0), ::GetSysColor(COLOR_ACTIVECAPTION)))
            dc.FillSolidRect(&band.rect, band.colour);
    } else {
        dc.FillSolidRect(&rc, ::GetSysColor(COLOR_INACTIVECAPTION));
    }
    CRect rcText = rc;
    rcText.left += DrawIconCell(dc, rc);
    DrawTitle(dc, rcText);
}

int SECGradientCaption::DrawIconCell(CDC& dc, const CRect& rc)
{
    if ((m_frame.GetStyle() & WS_SYSMENU) == 0)
        return 0;
    int cxButton = ::GetSystemMetrics(SM_CXSIZE);
    CRect rcCell(rc.left, rc.top, rc.left + cxButton, rc.bottom);
    dc.FillSolidRect(&rcCell, m_bCaptionActive ? RGB(0, 0, 0) : ::GetSysColor(COLOR_INACTIVECAPTION));
    bool bLarge = cxButton >= 30;
    HICON hIcon = (HICON)::GetClassLongPtrA(m_frame.m_hWnd, bLarge ? GCLP_HICON : GCLP_HICONSM);
    if (hIcon == nullptr)
        hIcon = (HICON)::GetClassLongPtrA(m_frame.m_hWnd, GCLP_HICON);
    if (hIcon != nullptr) {
        int cxIcon = ::GetSystemMetrics(SM_CXSMICON);
        int cyIcon = ::GetSystemMetrics(SM_CYSMICON);
        dc.DrawIconEx(rcCell.left + (rcCell.Width() - cxIcon) / 2, rcCell.top + (rcCell.Height() - cyIcon) / 2, hIcon, cxIcon,
                      cyIcon, 0, nullptr, DI_NORMAL);
    }
    return cxButton;
}

void SECGradientCaption::DrawTitle(CDC& dc, const CRect& rcText)
{
    CString strTitle;
    m_frame.GetWindowText(strTitle);
    CaptionTitle title = SplitCaptionTitle(strTitle);
    CFont appFont;
    CFont docFont;
    BOOL bApp = m_pFonts ? m_pFonts->CreateCaptionAppFont(appFont) : CreateItalicCaptionFont(appFont);
    BOOL bDoc = m_pFonts ? m_pFonts->CreateCaptionDocFont(docFont) : CreateSystemCaptionFont(docFont);
    HGDIOBJ hApp = bApp ? appFont.m_hObject : ::GetStockObject(DEFAULT_GUI_FONT);
    HGDIOBJ hDoc = bDoc ? docFont.m_hObject : ::GetStockObject(DEFAULT_GUI_FONT);

    int cxApp, cxDoc, cxEllipsis;
    {
        CSelectObjectScope select(dc, hApp);
        cxApp = TextWidth(dc, title.strApp);
        cxEllipsis = TextWidth(dc, "W...");
    }
    {
        CSelectObjectScope select(dc, hDoc);
        cxDoc = TextWidth(dc, title.strDoc);
    }
    CaptionTextPlace place = PlaceCaptionText(rcText, cxApp, cxDoc, cxEllipsis, m_nCaptionAlign);
    const UINT nFormat = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(255, 255, 255));
    {
        CSelectObjectScope select(dc, hApp);
        dc.DrawText(title.strApp, &place.rcApp, nFormat);
    }
    if (place.rcDoc.IsRectEmpty() || title.strDoc.IsEmpty())
        return;
    if (!m_bCaptionActive)
        dc.SetTextColor(::GetSysColor(COLOR_INACTIVECAPTIONTEXT));
    CSelectObjectScope select(dc, hDoc);
    dc.DrawText(title.strDoc, &place.rcDoc, nFormat);
}
