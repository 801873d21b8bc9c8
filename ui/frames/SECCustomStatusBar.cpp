#include "framework/Framework.h"
#include "ui/frames/SECCustomStatusBar.h"

#include <commctrl.h>

#include <algorithm>

IMPLEMENT_DYNAMIC(SECCustomStatusBar, SECStatusBar)

BEGIN_MESSAGE_MAP(SECCustomStatusBar, SECStatusBar)
    ON_WM_SETCURSOR()
    ON_WM_SETFONT()
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_WM_SIZE()
    ON_MESSAGE(SB_SETMINHEIGHT, OnSetMinHeight)
    ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()

namespace {

constexpr UINT kExtraFlags = SBP_TEXTALIGN | SBP_TEXTCOLOR | SBP_BKCOLOR | SBP_BITMAP | SBP_CURSOR;
constexpr UINT kProgressCtrlID = 1;
constexpr int kDefaultStep = 10;

} // namespace

SECCustomStatusBar::SECCustomStatusBar() = default;

SECCustomStatusBar::~SECCustomStatusBar()
{
    if (m_pProgress && m_pProgress->m_hWnd != nullptr)
        m_pProgress->DestroyWindow();
}

BOOL SECCustomStatusBar::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!SECStatusBar::PreCreateWindow(cs))
        return FALSE;
    cs.style |= 0x1000;
    return TRUE;
}

int SECCustomStatusBar::TextWidth(const CString& str) const
{
    HDC hDC = ::GetDC(m_hWnd);
    HGDIOBJ hOld = nullptr;
    if (HFONT hFont = (HFONT)::SendMessageA(m_hWnd, WM_GETFONT, 0, 0))
        hOld = ::SelectObject(hDC, hFont);
    SIZE size = {0, 0};
    ::GetTextExtentPoint32A(hDC, str, str.GetLength(), &size);
    if (hOld != nullptr)
        ::SelectObject(hDC, hOld);
    ::ReleaseDC(m_hWnd, hDC);
    return size.cx;
}

BOOL SECCustomStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    BOOL bResult = SECStatusBar::SetIndicators(lpIDArray, nIDCount);
    m_paneExtras.assign(m_panes.size(), PaneExtra());
    for (size_t i = 0; i < m_panes.size(); i++) {
        m_panes[i].nStyle |= SBPS_OWNERDRAW;
        LRESULT lInfo = DefWindowProc(SB_GETTEXTLENGTHA, i, 0);
        DefWindowProc(SB_SETTEXTA, (WPARAM)(i | (HIWORD(lInfo) & ~SBT_OWNERDRAW) | SBT_OWNERDRAW), 0);
    }
    return bResult;
}

// Drawing -------------------------------------------------------------------

void SECCustomStatusBar::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    int nIndex = (int)lpDIS->itemID;
    if (nIndex < 0 || nIndex >= (int)m_panes.size())
        return;
    if (m_pProgress && nIndex != 0)
        return;   // under the progress control
    const SECStatusPane& pane = m_panes[nIndex];
    if (pane.nStyle & SBPS_DISABLED)
        return;
    const PaneExtra extra = nIndex < (int)m_paneExtras.size() ? m_paneExtras[nIndex] : PaneExtra();
    HDC hDC = lpDIS->hDC;
    CRect rect(lpDIS->rcItem);
    if ((extra.nFlags & SBP_BITMAP) && extra.pBitmap != nullptr && extra.pBitmap->m_hObject != nullptr) {
        BITMAP bm = {};
        ::GetObjectA(extra.pBitmap->m_hObject, sizeof bm, &bm);
        HDC hMem = ::CreateCompatibleDC(hDC);
        HGDIOBJ hOld = ::SelectObject(hMem, extra.pBitmap->m_hObject);
        ::BitBlt(hDC, rect.left, rect.top, bm.bmWidth, bm.bmHeight, hMem, 0, 0, SRCCOPY);
        ::SelectObject(hMem, hOld);
        ::DeleteDC(hMem);
        return;
    }
    int nSaved = ::SaveDC(hDC);
    ::SetBkMode(hDC, TRANSPARENT);
    ::SetTextColor(hDC, (extra.nFlags & SBP_TEXTCOLOR) ? extra.crText : ::GetSysColor(COLOR_BTNTEXT));
    UINT nOptions = ETO_CLIPPED;
    if (extra.nFlags & SBP_BKCOLOR) {
        ::SetBkColor(hDC, extra.crBk);
        nOptions |= ETO_OPAQUE;
    }
    int x = rect.left + 1;
    UINT nAlign = (extra.nFlags & SBP_TEXTALIGN) ? extra.nAlign : TA_LEFT;
    if ((nAlign & TA_CENTER) == TA_CENTER)
        x = (rect.left + rect.right) / 2;
    else if (nAlign & TA_RIGHT)
        x = rect.right - 1;
    ::SetTextAlign(hDC, nAlign);
    TEXTMETRICA tm = {};
    ::GetTextMetricsA(hDC, &tm);
    int y = rect.top + (rect.Height() - tm.tmHeight) / 2;
    ::ExtTextOutA(hDC, x, y, nOptions, &rect, pane.strText, (UINT)pane.strText.GetLength(), nullptr);
    ::RestoreDC(hDC, nSaved);
}

// Progress ------------------------------------------------------------------

BOOL SECCustomStatusBar::BeginProgress(LPCTSTR lpszText, int nLower, int nUpper, BOOL bSetPos,
                                       DWORD dwProgressStyle, int nStep)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    bool bNew = !m_pProgress;
    if (bNew) {
        auto pProgress = std::make_unique<SECProgressCtrl>();
        if (pProgress->Create(WS_CHILD, rcClient, this, kProgressCtrlID, dwProgressStyle))
            m_pProgress = std::move(pProgress);
    } else {
        m_pProgress->SetBarStyle(dwProgressStyle);
    }
    if (!m_pProgress)
        return FALSE;
    // A reused control keeps the step of the last progress unless told.
    if (nStep != kDefaultStep || !bNew)
        m_pProgress->SetStep(nStep);
    ShowPaneControls(FALSE);

    int nLeft = rcClient.left;
    if (lpszText != nullptr && !m_panes.empty()) {
        if (!m_pSavedPane) {
            m_pSavedPane = std::make_unique<PaneInfoEx>();
            m_pSavedPane->nIndex = 0;
            m_pSavedPane->nMask = SBP_STYLE | SBP_WIDTH | SBP_TEXT | SBP_TEXTALIGN;
            GetPaneInfoEx(m_pSavedPane.get());
        }
        PaneInfoEx info;
        info.nIndex = 0;
        info.nMask = SBP_STYLE | SBP_WIDTH | SBP_TEXT | SBP_TEXTALIGN;
        info.nStyle = SBPS_NOBORDERS;
        info.strText = CString(lpszText) + " ";
        info.cxWidth = TextWidth(info.strText);
        info.nAlign = TA_LEFT;
        SetPaneInfoEx(&info, TRUE);
        nLeft = ProgressLeft(rcClient.left, info.cxWidth, GetBorders());
    }
    m_pProgress->SetWindowPos(nullptr, nLeft, rcClient.top, rcClient.right - nLeft, rcClient.Height(),
                              SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    m_pProgress->SetRange(nLower, nUpper);
    if (bSetPos)
        m_pProgress->SetPos((DWORD)nLower, TRUE);
    return TRUE;
}

void SECCustomStatusBar::SetProgressPos(int nPos)
{
    if (m_pProgress)
        m_pProgress->SetPos((DWORD)nPos, TRUE);
}

void SECCustomStatusBar::StepProgress()
{
    if (m_pProgress)
        m_pProgress->StepIt(TRUE);
}

void SECCustomStatusBar::EndProgress()
{
    if (!m_pProgress)
        return;
    m_pProgress->DestroyWindow();
    m_pProgress.reset();
    if (m_pSavedPane) {
        SetPaneInfoEx(m_pSavedPane.get(), TRUE);
        m_pSavedPane.reset();
    }
    ShowPaneControls(TRUE);
    Invalidate();
}

// Extended pane access ----------------------------------------------------

void SECCustomStatusBar::GetPaneInfoEx(PaneInfoEx* pInfo) const
{
    int i = pInfo->nIndex;
    if (i < 0 || i >= (int)m_panes.size())
        return;
    if (pInfo->nMask & (SBP_ID | SBP_STYLE | SBP_WIDTH))
        GetPaneInfo(i, pInfo->nID, pInfo->nStyle, pInfo->cxWidth);
    if (pInfo->nMask & SBP_TEXT)
        GetPaneText(i, pInfo->strText);
    const PaneExtra extra = i < (int)m_paneExtras.size() ? m_paneExtras[i] : PaneExtra();
    if (pInfo->nMask & SBP_TEXTALIGN)
        pInfo->nAlign = extra.nAlign;
    if (pInfo->nMask & SBP_TEXTCOLOR)
        pInfo->crText = extra.crText;
    if (pInfo->nMask & SBP_BKCOLOR)
        pInfo->crBk = extra.crBk;
    if (pInfo->nMask & SBP_BITMAP)
        pInfo->pBitmap = extra.pBitmap;
    if (pInfo->nMask & SBP_CURSOR)
        pInfo->hCursor = extra.hCursor;
}

void SECCustomStatusBar::SetPaneInfoEx(PaneInfoEx* pInfo, BOOL bAdjustHeight)
{
    int i = pInfo->nIndex;
    if (i < 0 || i >= (int)m_panes.size())
        return;
    if (m_paneExtras.size() < m_panes.size())
        m_paneExtras.resize(m_panes.size());
    UINT nMask = pInfo->nMask;
    UINT nID, nStyle;
    int cxWidth;
    GetPaneInfo(i, nID, nStyle, cxWidth);
    if (nMask & SBP_ID)
        nID = pInfo->nID;
    if (nMask & SBP_STYLE)
        nStyle = pInfo->nStyle;
    BITMAP bm = {};
    bool bBitmap = (nMask & SBP_BITMAP) && pInfo->pBitmap != nullptr && pInfo->pBitmap->m_hObject != nullptr &&
                   ::GetObjectA(pInfo->pBitmap->m_hObject, sizeof bm, &bm) != 0;
    if (nMask & SBP_WIDTH)
        cxWidth = pInfo->cxWidth;
    else if (bBitmap && bAdjustHeight)
        cxWidth = bm.bmWidth;
    if (nMask & SBP_TEXT)
        SetPaneText(i, pInfo->strText, FALSE);
    SetPaneInfo(i, nID, nStyle | SBPS_OWNERDRAW, cxWidth);

    PaneExtra& extra = m_paneExtras[i];
    if (nMask & SBP_TEXTALIGN)
        extra.nAlign = pInfo->nAlign;
    if (nMask & SBP_TEXTCOLOR)
        extra.crText = pInfo->crText;
    if (nMask & SBP_BKCOLOR)
        extra.crBk = pInfo->crBk;
    if (nMask & SBP_BITMAP)
        extra.pBitmap = pInfo->pBitmap;
    if (nMask & SBP_CURSOR)
        extra.hCursor = pInfo->hCursor;
    extra.nFlags = (extra.nFlags & ~kExtraFlags) | (nMask & kExtraFlags);

    if (bAdjustHeight && bBitmap && bm.bmHeight >= 1) {
        SendMessage(SB_SETMINHEIGHT, (WPARAM)(bm.bmHeight + 2 * GetBorders().nVert));
        if (CFrameWnd* pFrame = GetParentFrame())
            pFrame->RecalcLayout();
    }
    UpdateAllPanes(FALSE, TRUE);
    if (nMask & SBP_WIDTH)
        RepositionPaneControls();
    CRect rect;
    GetPaneRect(i, &rect);
    InvalidateRect(&rect);
}

void SECCustomStatusBar::GetPaneRect(int nIndex, LPRECT lpRect) const
{
    int parts[32] = {};
    int nParts = (int)::SendMessageA(m_hWnd, SB_GETPARTS, 32, (LPARAM)parts);
    std::vector<int> vParts(parts, parts + std::clamp(nParts, 0, 32));
    CRect rcClient;
    GetClientRect(&rcClient);
    *lpRect = PaneRectFromParts(vParts, nIndex, GetBorders(), rcClient);
}

int SECCustomStatusBar::PaneFromPoint(CPoint pt) const
{
    for (int i = 0; i < (int)m_panes.size(); i++) {
        CRect rect;
        GetPaneRect(i, &rect);
        if (rect.PtInRect(pt))
            return i;
    }
    return -1;
}

// Pane child windows ----------------------------------------------------------

void SECCustomStatusBar::SetPaneControl(int nIndex, CWnd* pWnd, int nMode, UINT nFlags)
{
    if (nIndex < 0)
        return;
    if (m_arrPaneCtrls.GetSize() <= nIndex) {
        m_arrPaneCtrls.SetSize(nIndex + 1);
        m_arrPaneCtrlFlags.SetSize(nIndex + 1);
    }
    m_arrPaneCtrls[nIndex] = pWnd;
    m_arrPaneCtrlFlags[nIndex] = pWnd != nullptr ? nFlags : 0;
    if (pWnd == nullptr)
        return;
    if (nMode == 0) {
        CRect rect;
        GetItemRect(nIndex, &rect);
        pWnd->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    } else if (nMode == 1) {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        SetPaneWidth(nIndex, rect.Width());
    }
}

CWnd* SECCustomStatusBar::GetPaneControl(int nIndex) const
{
    return nIndex >= 0 && nIndex < m_arrPaneCtrls.GetSize() ? (CWnd*)m_arrPaneCtrls[nIndex] : nullptr;
}

UINT SECCustomStatusBar::GetPaneControlFlags(int nIndex) const
{
    return nIndex >= 0 && nIndex < m_arrPaneCtrlFlags.GetSize() ? m_arrPaneCtrlFlags[nIndex] : 0;
}

void SECCustomStatusBar::RepositionPaneControls()
{
    for (int i = 0; i < m_arrPaneCtrls.GetSize(); i++) {
        auto* pWnd = (CWnd*)m_arrPaneCtrls[i];
        if (pWnd == nullptr || pWnd->m_hWnd == nullptr)
            continue;
        CRect rcPane, rcWnd;
        GetPaneRect(i, &rcPane);
        pWnd->GetWindowRect(&rcWnd);
        UINT nFlags = m_arrPaneCtrlFlags[i];
        CRect rc = rcPane;
        if (nFlags & SBP_CTRL_KEEP_WIDTH)
            rc.right = rc.left + rcWnd.Width();
        else if (nFlags & SBP_CTRL_INSET)
            rc.DeflateRect(1, 0);
        if (nFlags & SBP_CTRL_KEEP_HEIGHT)
            rc.bottom = rc.top + rcWnd.Height();
        else if (nFlags & SBP_CTRL_INSET)
            rc.DeflateRect(0, 1);
        pWnd->SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void SECCustomStatusBar::ShowPaneControls(BOOL bShow)
{
    for (int i = 0; i < m_arrPaneCtrls.GetSize(); i++) {
        auto* pWnd = (CWnd*)m_arrPaneCtrls[i];
        if (pWnd != nullptr && pWnd->m_hWnd != nullptr)
            pWnd->ShowWindow(bShow ? SW_SHOWNORMAL : SW_HIDE);
    }
}

// Messages ------------------------------------------------------------------

BOOL SECCustomStatusBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCLIENT) {
        CPoint pt;
        ::GetCursorPos(&pt);
        ScreenToClient(&pt);
        int nIndex = PaneFromPoint(pt);
        if (nIndex >= 0 && nIndex < (int)m_paneExtras.size() && (m_paneExtras[nIndex].nFlags & SBP_CURSOR) &&
            m_paneExtras[nIndex].hCursor != nullptr) {
            ::SetCursor(m_paneExtras[nIndex].hCursor);
            return TRUE;
        }
    }
    return SECStatusBar::OnSetCursor(pWnd, nHitTest, message);
}

void SECCustomStatusBar::OnSetFont(CFont*, BOOL)
{
    Default();
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->RecalcLayout();
}

LRESULT SECCustomStatusBar::OnSizeParent(WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = SECStatusBar::OnSizeParent(wParam, lParam);
    FitPaneWindows();
    return lResult;
}

// The frame's layout moves the bar in a deferred batch: the new size is
// known only here.
void SECCustomStatusBar::OnSize(UINT nType, int cx, int cy)
{
    SECStatusBar::OnSize(nType, cx, cy);
    FitPaneWindows();
}

void SECCustomStatusBar::FitPaneWindows()
{
    if (m_pProgress && m_pProgress->m_hWnd != nullptr) {
        CRect rcClient, rcProgress;
        GetClientRect(&rcClient);
        m_pProgress->GetWindowRect(&rcProgress);
        ScreenToClient(&rcProgress);
        m_pProgress->SetWindowPos(nullptr, 0, 0, rcClient.right - rcProgress.left, rcProgress.Height(),
                                  SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        RepositionPaneControls();
    }
}

LRESULT SECCustomStatusBar::OnSetMinHeight(WPARAM wParam, LPARAM lParam)
{
    return SECStatusBar::OnSetMinHeight(wParam, lParam);
}

// Prompts do not overwrite the progress caption.
LRESULT SECCustomStatusBar::OnSetText(WPARAM wParam, LPARAM lParam)
{
    if (m_pProgress)
        return 0;
    return SECStatusBar::OnSetText(wParam, lParam);
}
