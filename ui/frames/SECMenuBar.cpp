#include "ui/frames/SECMenuBar.h"

#include "framework/GdiScopes.h"

namespace {

// Space around a caption inside its button.
constexpr int kButtonPadding = 12;

std::vector<CString> PopupCaptions(HMENU hMenu)
{
    std::vector<CString> captions;
    int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i) {
        if (::GetSubMenu(hMenu, i) == nullptr)
            continue;
        char szText[256] = {};
        ::GetMenuStringA(hMenu, i, szText, sizeof szText, MF_BYPOSITION);
        captions.push_back(szText);
    }
    return captions;
}

MenuSource ReadMenu(UINT nID)
{
    MenuSource source;
    source.nID = nID;
    HMENU hMenu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nID));
    if (hMenu == nullptr)
        return source;
    source.bFound = true;
    source.popups = PopupCaptions(hMenu);
    ::DestroyMenu(hMenu);
    return source;
}

} // namespace

IMPLEMENT_DYNAMIC(SECMenuBar, SECControlBar)

BEGIN_MESSAGE_MAP(SECMenuBar, SECControlBar)
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_SETTINGCHANGE()
END_MESSAGE_MAP()

SECMenuBar::SECMenuBar()
{
    CreateMenuFont();
}

SECMenuBar::~SECMenuBar() = default;

void SECMenuBar::CreateMenuFont()
{
    m_font.DeleteObject();
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        m_font.CreateFontIndirect(&metrics.lfMenuFont);
}

BOOL SECMenuBar::Create(CWnd* pParentWnd, LPCTSTR lpszWindowName, DWORD dwStyle, DWORD dwExStyle, UINT nID,
                        CCreateContext* pContext)
{
    return SECControlBar::Create(pParentWnd, lpszWindowName, dwStyle | CBRS_HIDE_INPLACE, dwExStyle | 0x80, nID, pContext);
}

BOOL SECMenuBar::SetMenuInfo(const std::vector<UINT>& menuIds)
{
    std::vector<MenuSource> sources;
    for (UINT nID : menuIds)
        sources.push_back(ReadMenu(nID));
    if (!m_table.Build(sources))
        return FALSE;
    m_buttons.clear();
    for (const MenuTableRecord& record : m_table.Records()) {
        if (record.commandId != 0)
            m_buttons.push_back(MenuBarButton{m_table.Caption(record), record.mask, true, false});
    }
    SetMenuMask(m_dwCurrentMask, FALSE);
    LayoutButtons();
    return TRUE;
}

BOOL SECMenuBar::SwapMenu(UINT nIDResource)
{
    DWORD mask = 0;
    UINT nMainId = 0;
    if (auto* pMain = dynamic_cast<CFrameWnd*>(AfxGetMainWnd()))
        nMainId = pMain->m_nIDHelp;
    if (!m_table.ResolveSwap(nIDResource, nMainId, mask, m_nCurrentMenuId))
        return FALSE;
    SetMenuMask(mask, FALSE);
    return TRUE;
}

void SECMenuBar::SetMenuMask(DWORD mask, BOOL bRedraw)
{
    m_dwCurrentMask = mask;
    ApplyMenuMask(m_buttons, mask);
    LayoutButtons();
    if (!bRedraw || m_hWnd == nullptr)
        return;
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->RecalcLayout();
    Redraw();
}

int SECMenuBar::FindMnemonic(char ch) const
{
    return FindMenuMnemonic(m_buttons, ch);
}

int SECMenuBar::TextWidth(const CString& str) const
{
    HDC hDC = ::GetDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, m_font.m_hObject != nullptr ? m_font.m_hObject : ::GetStockObject(SYSTEM_FONT));
    RECT rc = {0, 0, 0, 0};
    ::DrawTextA(hDC, str, str.GetLength(), &rc, DT_SINGLELINE | DT_CALCRECT);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(nullptr, hDC);
    return rc.right - rc.left;
}

void SECMenuBar::LayoutButtons()
{
    int nHeight = CalcFixedLayout(FALSE, TRUE).cy;
    int x = 2;
    m_rects.assign(m_buttons.size(), CRect());
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons[i].bHidden)
            continue;
        int cx = TextWidth(m_buttons[i].strCaption) + kButtonPadding;
        m_rects[i] = CRect(x, 0, x + cx, nHeight);
        x += cx;
    }
}

CRect SECMenuBar::GetButtonRect(int nIndex) const
{
    if (nIndex < 0 || nIndex >= (int)m_rects.size())
        return CRect();
    return m_rects[nIndex];
}

MenuDropRequest SECMenuBar::RequestFor(int nIndex) const
{
    const std::vector<MenuTableRecord>& records = m_table.Records();
    if (nIndex < 0 || nIndex >= (int)m_buttons.size() || nIndex >= (int)records.size())
        return MenuDropRequest{0, -1, -1};
    return MenuDropRequest{records[nIndex].menuId, (int)records[nIndex].popupIndex, nIndex};
}

int SECMenuBar::HitTest(CPoint point) const
{
    for (size_t i = 0; i < m_rects.size(); ++i) {
        if (!m_buttons[i].bHidden && m_rects[i].PtInRect(point))
            return (int)i;
    }
    return -1;
}

CSize SECMenuBar::CalcFixedLayout(BOOL /*bStretch*/, BOOL /*bHorz*/)
{
    LOGFONTA lf = {};
    HGDIOBJ hFont = m_font.m_hObject != nullptr ? m_font.m_hObject : ::GetStockObject(SYSTEM_FONT);
    ::GetObjectA(hFont, sizeof lf, &lf);
    int cx = 4;
    for (const CRect& rc : m_rects)
        cx += rc.Width();
    return CSize(cx, abs(lf.lfHeight) + 12);
}

CSize SECMenuBar::CalcDynamicLayout(int /*nLength*/, DWORD /*nMode*/)
{
    return CalcFixedLayout(FALSE, TRUE);
}

void SECMenuBar::DoPaint(CDC* pDC)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    pDC->FillSolidRect(&rcClient, ::GetSysColor(COLOR_BTNFACE));
    CSelectObjectScope font(*pDC, m_font);
    pDC->SetBkMode(TRANSPARENT);
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons[i].bHidden)
            continue;
        CRect rc = m_rects[i];
        bool bPressed = (int)i == m_nPressed;
        bool bHot = m_bMenuMode && (int)i == m_nCurrent;
        if (bPressed || bHot) {
            pDC->FillSolidRect(&rc, ::GetSysColor(COLOR_HIGHLIGHT));
            pDC->SetTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT));
        } else {
            pDC->SetTextColor(::GetSysColor(COLOR_MENUTEXT));
        }
        pDC->DrawText(m_buttons[i].strCaption, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

void SECMenuBar::Redraw()
{
    if (m_hWnd == nullptr)
        return;
    Invalidate();
    UpdateWindow();
}

void SECMenuBar::EnterMenuMode(int nIndex)
{
    if (nIndex < 0)
        return;
    BOOL bWasInMode = m_bMenuMode;
    m_bMenuMode = TRUE;
    m_nCurrent = nIndex;
    if (!bWasInMode && m_onMenuMode)
        m_onMenuMode(TRUE);
    Redraw();
}

void SECMenuBar::EnterMenuModeAt(CPoint point)
{
    int nIndex = HitTest(point);
    if (nIndex < 0 || nIndex == m_nCurrent)
        return;
    if (m_nPressed >= 0)
        OpenNavButton(nIndex);
    else if (m_bMenuMode)
        EnterMenuMode(nIndex);
}

void SECMenuBar::ExitMenuMode()
{
    if (!m_bMenuMode)
        return;
    m_bMenuMode = FALSE;
    if (m_onMenuMode)
        m_onMenuMode(FALSE);
    Redraw();
}

void SECMenuBar::OpenNavButton(int nIndex)
{
    if (nIndex < 0 || nIndex >= (int)m_buttons.size())
        return;
    m_nCurrent = nIndex;
    if (m_onDropDown)
        m_onDropDown(RequestFor(nIndex));
}

void SECMenuBar::CancelMenuMode()
{
    SetPressedButton(-1);
    ExitMenuMode();
    m_nCurrent = -1;
}

void SECMenuBar::SetPressedButton(int nIndex)
{
    m_nPressed = nIndex;
    if (nIndex >= 0)
        m_nCurrent = nIndex;
    Redraw();
}

BOOL SECMenuBar::FilterMenuModeMouse(UINT message)
{
    if (m_nPressed < 0)
        return FALSE;
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    int nHit = HitTest(point);
    // Over another button the open popup gives way to that button's.
    if (message == WM_MOUSEMOVE && nHit >= 0 && nHit != m_nPressed) {
        OpenNavButton(nHit);
        return TRUE;
    }
    // A click on the button whose popup is open closes it and stays swallowed.
    return message == WM_LBUTTONDOWN && nHit == m_nPressed;
}

void SECMenuBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    int nIndex = HitTest(point);
    if (nIndex < 0) {
        SECControlBar::OnLButtonDown(nFlags, point);
        return;
    }
    OpenNavButton(nIndex);
}

void SECMenuBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bMenuMode)
        EnterMenuModeAt(point);
    SECControlBar::OnMouseMove(nFlags, point);
}

void SECMenuBar::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CreateMenuFont();
    LayoutButtons();
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->RecalcLayout();
    Invalidate();
    SECControlBar::OnSettingChange(uFlags, lpszSection);
}
