#include "framework/Framework.h"
#include "ui/frames/SECMenuBar.h"

#include "ui/frames/SECTBMenuBtn.h"
#include "ui/frames/SECToolBarManager.h"

namespace {

UINT StripSysMenuMessage()
{
    static const UINT nMessage = ::RegisterWindowMessageA("SECMenuBarStripSysMenu");
    return nMessage;
}

MenuSource ReadMenu(UINT nID)
{
    MenuSource source;
    source.nID = nID;
    const BYTE* pData = nullptr;
    size_t nSize = 0;
    std::vector<std::u16string> captions;
    if (!LoadMenuTemplate(nID, pData, nSize) || !MenuTemplate::PopupCaptions(pData, nSize, captions))
        return source;
    source.bFound = true;
    for (const std::u16string& caption : captions)
        source.popups.push_back(MenuTextToAnsi(caption));
    return source;
}

} // namespace

IMPLEMENT_DYNAMIC(SECMenuBar, SECCustomToolBar)

BEGIN_MESSAGE_MAP(SECMenuBar, SECCustomToolBar)
    ON_WM_SETTINGCHANGE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

SECMenuBar::SECMenuBar()
{
    CreateMenuFont();
}

SECMenuBar::~SECMenuBar()
{
    // The buttons point into the table's captions.
    RemoveAllButtons();
    if (GetManager() != nullptr && GetManager()->GetSecondButtonMap() == GetMenuButtonMap())
        GetManager()->SetSecondButtonMap(nullptr);
}

void SECMenuBar::CreateMenuFont()
{
    m_font.DeleteObject();
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        m_font.CreateFontIndirect(&metrics.lfMenuFont);
}

BOOL SECMenuBar::Create(CWnd* pParentWnd, LPCTSTR lpszWindowName, DWORD dwStyle, DWORD dwExStyle, UINT nID,
                        CCreateContext*)
{
    return CreateEx(dwExStyle, pParentWnd, dwStyle, nID, lpszWindowName);
}

BOOL SECMenuBar::CreateEx(DWORD dwExStyle, CWnd* pParentWnd, DWORD dwStyle, UINT nID, LPCTSTR lpszTitle)
{
    return SECCustomToolBar::CreateEx(dwExStyle | EXSTYLE_STRETCH, pParentWnd, dwStyle | CBRS_HIDE_INPLACE, nID,
                                      lpszTitle);
}

int SECMenuBar::GetButtonHeight() const
{
    LOGFONTA lf = {};
    HGDIOBJ hFont = m_font.m_hObject != nullptr ? m_font.m_hObject : ::GetStockObject(SYSTEM_FONT);
    ::GetObjectA(hFont, sizeof lf, &lf);
    return abs(lf.lfHeight) + 12;
}

// Every record of the table is an entry of the bar's second button map:
// a text menu button with the popup to drop, its caption and its mask.
void SECMenuBar::MakeButtonMap()
{
    m_map.clear();
    for (const MenuTableRecord& record : m_table.Records()) {
        if (record.commandId == 0)
            break;
        SECBtnMapEntry entry = {&SECTBMenuBtn::classSECTBMenuBtn, record.commandId, record.style, {}};
        entry.params[0] = record.menuId;
        entry.params[1] = record.popupIndex;
        entry.params[2] = (UINT_PTR)(LPCTSTR)m_table.Caption(record);
        entry.params[3] = record.mask;
        m_map.push_back(entry);
    }
    m_map.push_back(SECBtnMapEntry{nullptr, 0, 0, {}});
    m_pSecondBtnMap = m_map.data();
}

BOOL SECMenuBar::SetMenuInfo(const std::vector<UINT>& menuIds)
{
    std::vector<MenuSource> sources;
    for (UINT nID : menuIds)
        sources.push_back(ReadMenu(nID));
    RemoveAllButtons();
    if (GetManager() != nullptr && GetManager()->GetSecondButtonMap() == GetMenuButtonMap())
        GetManager()->SetSecondButtonMap(nullptr);
    m_pSecondBtnMap = nullptr;
    if (!m_table.Build(sources)) {
        m_map.clear();
        return FALSE;
    }
    MakeButtonMap();
    const std::vector<UINT> ids = m_table.CommandIds();
    if (GetManager() != nullptr) {
        // Other bars make the menu bar's buttons that are dropped on them.
        GetManager()->SetSecondButtonMap(m_map.data());
        GetManager()->SetMenuBarButtons((int)ids.size(), ids.data());
    }
    SetButtons(ids.data(), (int)ids.size());
    SetMenuMask(m_dwCurrentMask, FALSE);
    return TRUE;
}

void SECMenuBar::ResetMenuButtons(BOOL bNoRecalc)
{
    RemoveAllButtons();
    int nCount = 0;
    const UINT* pIDs = nullptr;
    std::vector<UINT> ids;
    if (GetManager() != nullptr) {
        GetManager()->GetMenuBarButtons(nCount, pIDs);
    } else {
        ids = m_table.CommandIds();
        nCount = (int)ids.size();
        pIDs = ids.data();
    }
    SetButtons(pIDs, nCount);
    SetMenuMask(m_dwCurrentMask, FALSE);
    if (bNoRecalc || m_hWnd == nullptr)
        return;
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->RecalcLayout();
    Invalidate();
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

std::vector<MenuBarButton> SECMenuBar::ButtonsView() const
{
    std::vector<MenuBarButton> view;
    for (int i = 0; i < GetButtonCount(); ++i) {
        MenuBarButton button;
        if (const SECTBMenuBtn* pMenu = MenuButton(i)) {
            button.strCaption = pMenu->m_strCaption;
            button.mask = (DWORD)pMenu->m_nFurther;
        } else {
            button.bMenu = false;
        }
        button.bHidden = (GetButton(i)->m_nStyle & TBBS_HIDDEN_BIT) != 0;
        view.push_back(button);
    }
    return view;
}

const SECTBMenuBtn* SECMenuBar::MenuButton(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetButtonCount() || GetButton(nIndex)->m_nType != kBtnMenu)
        return nullptr;
    return dynamic_cast<const SECTBMenuBtn*>(GetButton(nIndex));
}

void SECMenuBar::SetMenuMask(DWORD mask, BOOL bRedraw)
{
    m_dwCurrentMask = mask;
    std::vector<MenuBarButton> view = ButtonsView();
    ApplyMenuMask(view, mask);
    for (int i = 0; i < (int)view.size(); ++i)
        if (view[i].bMenu)
            HideButton(i, view[i].bHidden);
    m_bStale[0] = m_bStale[1] = m_bStale[2] = TRUE;
    if (!bRedraw || m_hWnd == nullptr)
        return;
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->RecalcLayout();
    Redraw();
}

void SECMenuBar::InsertButton(int nIndex, UINT nID, BOOL bSeparator, BOOL bNoRecalc)
{
    SECCustomToolBar::InsertButton(nIndex, nID, bSeparator, TRUE);
    SetMenuMask(m_dwCurrentMask, FALSE);
    if (bNoRecalc || m_hWnd == nullptr)
        return;
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->RecalcLayout();
    Redraw();
}

int SECMenuBar::FindMnemonic(char ch) const
{
    return FindMenuMnemonic(ButtonsView(), ch);
}

CRect SECMenuBar::GetButtonRect(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetButtonCount())
        return CRect();
    return GetButton(nIndex)->GetRect();
}

MenuDropRequest SECMenuBar::RequestFor(int nIndex) const
{
    const SECTBMenuBtn* pMenu = MenuButton(nIndex);
    if (pMenu == nullptr)
        return MenuDropRequest{0, -1, -1};
    return MenuDropRequest{pMenu->m_nDropParam1, (int)pMenu->m_nDropParam2, nIndex};
}

void SECMenuBar::Redraw()
{
    if (m_hWnd == nullptr)
        return;
    Invalidate();
    UpdateWindow();
}

void SECMenuBar::DropDownButton(SECStdBtn* pButton, UINT_PTR nParam1, UINT_PTR nParam2)
{
    const int nIndex = ButtonToIndex(pButton);
    if (!m_onDropDown || nIndex < 0) {
        SECCustomToolBar::DropDownButton(pButton, nParam1, nParam2);
        return;
    }
    m_nCurrent = nIndex;
    m_onDropDown(RequestFor(nIndex));
}

void SECMenuBar::OnMenuModeChange(BOOL bEnter)
{
    if (m_onMenuMode)
        m_onMenuMode(bEnter);
    else
        SECCustomToolBar::OnMenuModeChange(bEnter);
}

void SECMenuBar::DelayShow(BOOL bShow)
{
    if (m_bIgnoreHide == 1 && !bShow) {
        m_bIgnoreHide = FALSE;
        return;
    }
    SECCustomToolBar::DelayShow(bShow);
}

void SECMenuBar::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CreateMenuFont();
    RecalcButtonSizes();
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->RecalcLayout();
    Invalidate();
    SECCustomToolBar::OnSettingChange(uFlags, lpszSection);
}

// Full width ------------------------------------------------------------------

BOOL SECMenuBar::IsFullWidthNow() const
{
    return m_bFullWidth && !IsDocked();
}

CSize SECMenuBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    if (!m_bFullWidth)
        return SECCustomToolBar::CalcDynamicLayout(nLength, dwMode);
    CRect rcDesktop;
    ::GetWindowRect(::GetDesktopWindow(), &rcDesktop);
    return SECCustomToolBar::CalcDynamicLayout(rcDesktop.Width(), dwMode);
}

CSize SECMenuBar::CalcLayout(int nLength, DWORD dwMode)
{
    const BOOL bFullWidth = m_bFullWidth && !(dwMode & (LM_HORZDOCK | LM_VERTDOCK));
    if (!bFullWidth)
        return SECCustomToolBar::CalcLayout(nLength, dwMode);
    CSize size = SECCustomToolBar::CalcLayout(nLength, dwMode & ~LM_MRUWIDTH);
    CRect rcDesktop;
    ::GetWindowRect(::GetDesktopWindow(), &rcDesktop);
    size.cx = std::max<int>(size.cx, rcDesktop.Width());
    CPoint ptRight(rcDesktop.right, rcDesktop.top);
    if (m_hWnd != nullptr)
        ScreenToClient(&ptRight);
    MoveEndCaptionButton(ptRight.x);
    return size;
}

void SECMenuBar::OnLButtonDown(UINT nFlags, CPoint pt)
{
    if (IsFullWidthNow() && HitTestButton(pt) < 0) {
        Default();
        return;
    }
    SECCustomToolBar::OnLButtonDown(nFlags, pt);
}

void SECMenuBar::OnLButtonDblClk(UINT nFlags, CPoint pt)
{
    if (IsFullWidthNow() && HitTestButton(pt) < 0) {
        Default();
        return;
    }
    SECCustomToolBar::OnLButtonDblClk(nFlags, pt);
}

// Floating --------------------------------------------------------------------

void SECMenuBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle)
{
    SECCustomToolBar::OnBarStyleChange(dwOldStyle, dwNewStyle);
    if (!(dwOldStyle & CBRS_FLOATING) && (dwNewStyle & CBRS_FLOATING)) {
        m_bStripSysMenu = TRUE;
        // The mini frame becomes the parent only after the style changes.
        if (m_hWnd != nullptr)
            PostMessage(StripSysMenuMessage());
    }
}

void SECMenuBar::StripSystemMenu()
{
    if (!m_bStripSysMenu)
        return;
    CWnd* pParent = GetParentFrame();
    if (pParent == nullptr || dynamic_cast<CMiniDockFrameWnd*>(pParent) == nullptr)
        return;
    m_bStripSysMenu = FALSE;
    if (pParent->GetStyle() & WS_SYSMENU)
        pParent->ModifyStyle(WS_SYSMENU, 0, SWP_FRAMECHANGED);
}

LRESULT SECMenuBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == StripSysMenuMessage()) {
        StripSystemMenu();
        return 0;
    }
    return SECCustomToolBar::WindowProc(message, wParam, lParam);
}
