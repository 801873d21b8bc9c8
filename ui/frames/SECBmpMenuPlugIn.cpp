#include "ui/frames/SECBmpMenuPlugIn.h"

#include "framework/GdiScopes.h"
#include "ui/frames/BmpMenuRules.h"
#include "ui/frames/MenuTable.h"
#include "ui/frames/SECBmpMgr.h"
#include "ui/frames/SECBtnDrawData.h"

#include <algorithm>

namespace {

// Room at the right of the text for the submenu arrow.
constexpr int kRightMargin = 23;
// The check mark's size when a command has no image.
const CSize kDefaultImage(16, 15);

MENUITEMINFOA ItemInfo(UINT fMask, char* pszText = nullptr, UINT cch = 0)
{
    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof mii;
    mii.fMask = fMask;
    mii.dwTypeData = pszText;
    mii.cch = cch;
    return mii;
}

} // namespace

BEGIN_MESSAGE_MAP(SECBmpMenuPlugIn, SECWndPlugIn)
    ON_WM_INITMENUPOPUP()
    ON_WM_MEASUREITEM()
    ON_WM_DRAWITEM()
    ON_WM_MENUCHAR()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_SETTINGCHANGE()
END_MESSAGE_MAP()

SECBmpMenuPlugIn::SECBmpMenuPlugIn() : m_pBmpMgr(new SECBmpMgr) {}

SECBmpMenuPlugIn::~SECBmpMenuPlugIn()
{
    RestoreMenus();
    SetBitmapManager(nullptr);
}

void SECBmpMenuPlugIn::SetBitmapManager(SECBmpMgr* pBmpMgr)
{
    if (pBmpMgr != nullptr)
        pBmpMgr->AddRef();
    if (m_pBmpMgr != nullptr)
        m_pBmpMgr->Release();
    m_pBmpMgr = pBmpMgr;
}

BOOL SECBmpMenuPlugIn::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    m_bConsumed = FALSE;
    LRESULT lResult = 0;
    SECWndPlugIn::OnWndMsg(message, wParam, lParam, &lResult);
    if (!m_bConsumed)
        return FALSE;
    if (pResult != nullptr)
        *pResult = lResult;
    return TRUE;
}

void SECBmpMenuPlugIn::SetHandled(LRESULT result)
{
    m_bConsumed = TRUE;
    SECWndPlugIn::SetHandled(result);
}

void SECBmpMenuPlugIn::CreateMenuFont()
{
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        m_menuFont.CreateFontIndirect(&metrics.lfMenuFont);
}

void SECBmpMenuPlugIn::CreateDefaultItemFont()
{
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return;
    metrics.lfMenuFont.lfWeight = FW_BOLD;
    m_defaultFont.CreateFontIndirect(&metrics.lfMenuFont);
}

CSize SECBmpMenuPlugIn::ImageSize() const
{
    return m_pBmpMgr != nullptr ? m_pBmpMgr->GetImageSize() : kDefaultImage;
}

void SECBmpMenuPlugIn::PrepareMenu(HMENU hMenu, BOOL bSysMenu)
{
    if (bSysMenu || hMenu == nullptr || !::IsMenu(hMenu))
        return;
    ItemList& items = m_menus[hMenu];
    int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i) {
        char szText[256] = {};
        MENUITEMINFOA mii = ItemInfo(MIIM_ID | MIIM_SUBMENU | MIIM_TYPE | MIIM_DATA, szText, sizeof szText);
        if (!::GetMenuItemInfoA(hMenu, i, TRUE, &mii))
            continue;
        MenuItemFacts facts;
        facts.nID = mii.hSubMenu != nullptr ? 0 : mii.wID;
        facts.bBitmap = (mii.fType & MFT_BITMAP) != 0;
        facts.bOwnerDraw = (mii.fType & MFT_OWNERDRAW) != 0;
        facts.bSeparator = (mii.fType & MFT_SEPARATOR) != 0;
        facts.bForeign = m_foreign.count(facts.nID) != 0;
        if (facts.bOwnerDraw && !facts.bForeign && FindInfo(mii.dwItemData) == nullptr)
            m_foreign.insert(facts.nID);
        if (!ShouldOwnerDraw(facts))
            continue;
        auto info = std::make_unique<SECBmpMenuItemInfo>();
        info->m_nID = facts.nID;
        info->m_strText = szText;
        info->m_chMnemonic = MenuMnemonic(info->m_strText);
        MENUITEMINFOA owner = ItemInfo(MIIM_TYPE | MIIM_DATA);
        owner.fType = (mii.fType & ~MFT_STRING) | MFT_OWNERDRAW;
        owner.dwItemData = (ULONG_PTR)info.get();
        if (::SetMenuItemInfoA(hMenu, i, TRUE, &owner))
            items.push_back(std::move(info));
    }
}

SECBmpMenuItemInfo* SECBmpMenuPlugIn::FindInfo(UINT_PTR itemData) const
{
    for (const auto& menu : m_menus) {
        for (const auto& info : menu.second) {
            if ((UINT_PTR)info.get() == itemData)
                return info.get();
        }
    }
    return nullptr;
}

BOOL SECBmpMenuPlugIn::IsOwnItem(HMENU hMenu, UINT_PTR itemData) const
{
    auto it = m_menus.find(hMenu);
    if (it == m_menus.end())
        return FALSE;
    for (const auto& info : it->second) {
        if ((UINT_PTR)info.get() == itemData)
            return TRUE;
    }
    return FALSE;
}

void SECBmpMenuPlugIn::PurgeMenus()
{
    for (auto it = m_menus.begin(); it != m_menus.end();) {
        if (!::IsMenu(it->first)) {
            it = m_menus.erase(it);
            continue;
        }
        // Keep only the infos still attached to an owner-drawn item of the menu.
        std::set<ULONG_PTR> live;
        int nCount = ::GetMenuItemCount(it->first);
        for (int i = 0; i < nCount; ++i) {
            MENUITEMINFOA mii = ItemInfo(MIIM_TYPE | MIIM_DATA);
            if (::GetMenuItemInfoA(it->first, i, TRUE, &mii) && (mii.fType & MFT_OWNERDRAW))
                live.insert(mii.dwItemData);
        }
        ItemList& items = it->second;
        items.erase(std::remove_if(items.begin(), items.end(), [&](const auto& info) { return live.count((ULONG_PTR)info.get()) == 0; }),
                    items.end());
        ++it;
    }
}

void SECBmpMenuPlugIn::RestoreMenus()
{
    for (auto& menu : m_menus) {
        if (!::IsMenu(menu.first))
            continue;
        int nCount = ::GetMenuItemCount(menu.first);
        for (int i = 0; i < nCount; ++i) {
            MENUITEMINFOA mii = ItemInfo(MIIM_TYPE | MIIM_DATA);
            if (!::GetMenuItemInfoA(menu.first, i, TRUE, &mii) || !(mii.fType & MFT_OWNERDRAW))
                continue;
            SECBmpMenuItemInfo* pInfo = FindInfo(mii.dwItemData);
            if (pInfo == nullptr)
                continue;
            MENUITEMINFOA plain = ItemInfo(MIIM_TYPE | MIIM_DATA, pInfo->m_strText.GetBuffer(), 0);
            plain.fType = mii.fType & ~MFT_OWNERDRAW;
            plain.dwItemData = 0;
            ::SetMenuItemInfoA(menu.first, i, TRUE, &plain);
            pInfo->m_strText.ReleaseBuffer();
        }
    }
    m_menus.clear();
}

void SECBmpMenuPlugIn::OnInitMenuPopup(CMenu* pPopupMenu, UINT /*nIndex*/, BOOL bSysMenu)
{
    PrepareMenu(pPopupMenu != nullptr ? pPopupMenu->m_hMenu : nullptr, bSysMenu);
    CallDefault();
}

void SECBmpMenuPlugIn::OnMeasureItem(int /*nIDCtl*/, LPMEASUREITEMSTRUCT lpMis)
{
    SECBmpMenuItemInfo* pInfo = lpMis->CtlType == ODT_MENU ? FindInfo(lpMis->itemData) : nullptr;
    if (pInfo == nullptr || m_foreign.count(pInfo->m_nID)) {
        CallDefault();
        return;
    }
    if (m_menuFont.m_hObject == nullptr)
        CreateMenuFont();
    HDC hDC = ::GetDC(nullptr);
    CRect rcText;
    {
        CSelectObjectScope font(hDC, m_menuFont.m_hObject);
        ::DrawTextA(hDC, pInfo->m_strText, pInfo->m_strText.GetLength(), &rcText, DT_SINGLELINE | DT_VCENTER | DT_CALCRECT | DT_EXPANDTABS);
    }
    ::ReleaseDC(nullptr, hDC);
    CSize size = MeasureBmpMenuItem(rcText, ImageSize(), ::GetSystemMetrics(SM_CYMENU));
    lpMis->itemWidth = size.cx;
    lpMis->itemHeight = size.cy;
    SetHandled(TRUE);
}

void SECBmpMenuPlugIn::DrawItemImage(LPDRAWITEMSTRUCT lpDis, CDC& dc, CRect& rect, HBITMAP hImage, int nIndex, CSize image)
{
    bool bSelected = (lpDis->itemState & ODS_SELECTED) != 0;
    bool bChecked = (lpDis->itemState & ODS_CHECKED) != 0;
    bool bDisabled = (lpDis->itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    CRect rcBox(rect.left, rect.top, rect.left + image.cx + 4, rect.bottom);
    rect.left = rcBox.right;
    if (nIndex < 0) {
        dc.FillSolidRect(&rcBox, ::GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_MENU));
        return;
    }
    dc.FillSolidRect(&rcBox, ::GetSysColor(COLOR_MENU));
    int cyGap = (rcBox.Height() - (image.cy + 4)) / 2;
    rcBox.DeflateRect(0, std::max(0, cyGap));
    if (bChecked)
        dc.DrawEdge(&rcBox, BDR_SUNKENOUTER, BF_RECT);
    else if (bSelected && !bDisabled)
        dc.DrawEdge(&rcBox, BDR_RAISEDINNER, BF_RECT);
    rcBox.DeflateRect(1, 1);
    if (hImage == nullptr) {
        // No image of its own: the check mark.
        dc.DrawFrameControl(&rcBox, DFC_MENU, DFCS_MENUCHECK);
        return;
    }
    CDC memDC;
    if (!memDC.CreateCompatibleDC(&dc))
        return;
    CSelectObjectScope select(memDC.m_hDC, hImage);
    const int x = rcBox.left + 1, y = rcBox.top + 1, xSrc = nIndex * image.cx;
    if (bDisabled) {
        DrawDisabledImage(dc, x, y, image.cx, image.cy, &memDC, xSrc);
        return;
    }
    dc.BitBlt(x, y, image.cx, image.cy, &memDC, xSrc, 0, SRCCOPY);
    if (bChecked && !bSelected)
        DrawCheckedImage(dc, x, y, image.cx, image.cy, &memDC, xSrc);
}

BOOL SECBmpMenuPlugIn::CreateMonoMask(CDC* pSrcDC, CDC* pMaskDC, CBitmap& mask, HGDIOBJ& hOldBitmap, int cx, int cy,
                                      int xSrc)
{
    if (!pMaskDC->CreateCompatibleDC(pSrcDC) || !mask.CreateBitmap(cx, cy, 1, 1, nullptr))
        return FALSE;
    hOldBitmap = ::SelectObject(pMaskDC->m_hDC, mask.m_hObject);
    ::PatBlt(pMaskDC->m_hDC, 0, 0, cx, cy, WHITENESS);
    const COLORREF clrOld = ::SetBkColor(pSrcDC->m_hDC, ::GetSysColor(COLOR_3DFACE));
    ::BitBlt(pMaskDC->m_hDC, 0, 0, cx, cy, pSrcDC->m_hDC, xSrc, 0, SRCCOPY);
    ::SetBkColor(pSrcDC->m_hDC, ::GetSysColor(COLOR_3DHIGHLIGHT));
    ::BitBlt(pMaskDC->m_hDC, 0, 0, cx, cy, pSrcDC->m_hDC, xSrc, 0, SRCPAINT);
    ::SetBkColor(pSrcDC->m_hDC, clrOld);
    return TRUE;
}

namespace {

// The brush where the mask is black (0xB8074A) or white (0xE20746).
void PaintThroughMask(CDC& dc, HBRUSH hBrush, int x, int y, int cx, int cy, HDC hMask, DWORD dwRop)
{
    HGDIOBJ hOldBrush = ::SelectObject(dc.m_hDC, hBrush);
    const COLORREF clrText = ::SetTextColor(dc.m_hDC, RGB(0, 0, 0));
    const COLORREF clrBack = ::SetBkColor(dc.m_hDC, RGB(255, 255, 255));
    ::BitBlt(dc.m_hDC, x, y, cx, cy, hMask, 0, 0, dwRop);
    ::SetBkColor(dc.m_hDC, clrBack);
    ::SetTextColor(dc.m_hDC, clrText);
    ::SelectObject(dc.m_hDC, hOldBrush);
}

} // namespace

void SECBmpMenuPlugIn::DrawDisabledImage(CDC& dc, int x, int y, int cx, int cy, CDC* pSrcDC, int xSrc)
{
    CDC maskDC;
    CBitmap mask;
    HGDIOBJ hOld = nullptr;
    if (!CreateMonoMask(pSrcDC, &maskDC, mask, hOld, cx, cy, xSrc))
        return;
    PaintThroughMask(dc, ::GetSysColorBrush(COLOR_3DHIGHLIGHT), x + 1, y + 1, cx, cy, maskDC.m_hDC, 0xB8074A);
    PaintThroughMask(dc, ::GetSysColorBrush(COLOR_3DSHADOW), x, y, cx, cy, maskDC.m_hDC, 0xB8074A);
    ::SelectObject(maskDC.m_hDC, hOld);
}

void SECBmpMenuPlugIn::DrawCheckedImage(CDC& dc, int x, int y, int cx, int cy, CDC* pSrcDC, int xSrc)
{
    if (m_patternBrush.m_hObject == nullptr &&
        !m_patternBrush.Attach(CreateDitherBrush(::GetSysColor(COLOR_3DFACE), ::GetSysColor(COLOR_3DHIGHLIGHT))))
        return;
    CDC maskDC;
    CBitmap mask;
    HGDIOBJ hOld = nullptr;
    if (!CreateMonoMask(pSrcDC, &maskDC, mask, hOld, cx, cy, xSrc))
        return;
    PaintThroughMask(dc, (HBRUSH)m_patternBrush.m_hObject, x, y, cx, cy, maskDC.m_hDC, 0xE20746);
    ::SelectObject(maskDC.m_hDC, hOld);
}

void SECBmpMenuPlugIn::DrawItemText(LPDRAWITEMSTRUCT lpDis, CDC& dc, const CRect& rcText, const SECBmpMenuItemInfo& info)
{
    bool bSelected = (lpDis->itemState & ODS_SELECTED) != 0;
    bool bDisabled = (lpDis->itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    MenuItemText text = SplitMenuItemText(info.m_strText);
    CRect rc = rcText;
    auto draw = [&](const CRect& r) {
        CRect rcLabel = r;
        CRect rcAccel = r;
        dc.DrawText(text.strLabel, &rcLabel, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
        dc.DrawText(text.strAccelerator, &rcAccel, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    };
    if (bDisabled && !bSelected) {
        dc.SetTextColor(::GetSysColor(COLOR_3DHIGHLIGHT));
        CRect rcEmboss = rc;
        rcEmboss.OffsetRect(1, 1);
        draw(rcEmboss);
        dc.SetTextColor(::GetSysColor(COLOR_GRAYTEXT));
    } else if (bDisabled) {
        dc.SetTextColor(::GetSysColor(COLOR_MENU));
    } else {
        dc.SetTextColor(::GetSysColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    }
    draw(rc);
}

void SECBmpMenuPlugIn::OnDrawItem(int /*nIDCtl*/, LPDRAWITEMSTRUCT lpDis)
{
    SECBmpMenuItemInfo* pInfo = lpDis->CtlType == ODT_MENU ? FindInfo(lpDis->itemData) : nullptr;
    if (pInfo == nullptr || !::IsMenu((HMENU)lpDis->hwndItem) || m_foreign.count(pInfo->m_nID)) {
        CallDefault();
        return;
    }
    if (m_menuFont.m_hObject == nullptr)
        CreateMenuFont();
    if (m_defaultFont.m_hObject == nullptr)
        CreateDefaultItemFont();
    CDC dc;
    dc.Attach(lpDis->hDC);
    bool bDefault = (lpDis->itemState & ODS_DEFAULT) != 0;
    CSelectObjectScope font(dc, bDefault && m_defaultFont.m_hObject ? m_defaultFont : m_menuFont);
    bool bSelected = (lpDis->itemState & ODS_SELECTED) != 0;

    HBITMAP hImage = nullptr;
    int nIndex = -1;
    CSize image = ImageSize();
    if (m_pBmpMgr == nullptr || !m_pBmpMgr->GetBitmap(pInfo->m_nID, &hImage, &nIndex)) {
        hImage = nullptr;
        nIndex = (lpDis->itemState & ODS_CHECKED) ? 0 : -1;
    }
    CRect rect = lpDis->rcItem;
    DrawItemImage(lpDis, dc, rect, hImage, nIndex, image);
    CRect rcColumn(rect.left, rect.top, rect.left + 1, rect.bottom);
    dc.FillSolidRect(&rcColumn, ::GetSysColor(bSelected && nIndex < 0 ? COLOR_HIGHLIGHT : COLOR_MENU));
    CRect rcRest(rect.left + 1, rect.top, rect.right, rect.bottom);
    dc.FillSolidRect(&rcRest, ::GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_MENU));
    dc.SetBkMode(TRANSPARENT);
    CRect rcText(rect.left + 2, rect.top, lpDis->rcItem.right - kRightMargin, rect.bottom);
    DrawItemText(lpDis, dc, rcText, *pInfo);
    dc.Detach();
    SetHandled(TRUE);
}

LRESULT SECBmpMenuPlugIn::OnMenuChar(UINT nChar, UINT /*nFlags*/, CMenu* pMenu)
{
    HMENU hMenu = pMenu != nullptr ? pMenu->m_hMenu : nullptr;
    if (hMenu == nullptr || m_menus.find(hMenu) == m_menus.end()) {
        CallDefault();
        return 0;
    }
    std::vector<char> mnemonics;
    int nHighlighted = -1;
    int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i) {
        MENUITEMINFOA mii = ItemInfo(MIIM_TYPE | MIIM_DATA | MIIM_STATE);
        SECBmpMenuItemInfo* pInfo = nullptr;
        if (::GetMenuItemInfoA(hMenu, i, TRUE, &mii) && (mii.fType & MFT_OWNERDRAW) && IsOwnItem(hMenu, mii.dwItemData))
            pInfo = (SECBmpMenuItemInfo*)mii.dwItemData;
        mnemonics.push_back(pInfo != nullptr && !m_foreign.count(pInfo->m_nID) ? pInfo->m_chMnemonic : 0);
        if (mii.fState & MFS_HILITE)
            nHighlighted = i;
    }
    LRESULT lResult = MenuCharAnswer(mnemonics, nHighlighted, (char)nChar);
    if (lResult == 0) {
        CallDefault();
        return 0;
    }
    SetHandled(lResult);
    return lResult;
}

void SECBmpMenuPlugIn::OnSysColorChange()
{
    m_patternBrush.DeleteObject();
    if (m_pBmpMgr != nullptr)
        m_pBmpMgr->ReloadAll(TRUE);
    CallDefault();
}

void SECBmpMenuPlugIn::OnSettingChange(UINT /*uFlags*/, LPCTSTR /*lpszSection*/)
{
    m_menuFont.DeleteObject();
    m_defaultFont.DeleteObject();
    if (m_pBmpMgr != nullptr)
        m_pBmpMgr->ReloadAll(TRUE);
    PurgeMenus();
    // Plain and back, so that the system measures every item again.
    for (auto& menu : m_menus) {
        int nCount = ::GetMenuItemCount(menu.first);
        for (int i = 0; i < nCount; ++i) {
            MENUITEMINFOA mii = ItemInfo(MIIM_TYPE | MIIM_DATA);
            if (!::GetMenuItemInfoA(menu.first, i, TRUE, &mii) || !(mii.fType & MFT_OWNERDRAW) || !IsOwnItem(menu.first, mii.dwItemData))
                continue;
            char szEmpty[1] = "";
            MENUITEMINFOA plain = ItemInfo(MIIM_TYPE, szEmpty, 0);
            plain.fType = mii.fType & ~MFT_OWNERDRAW;
            ::SetMenuItemInfoA(menu.first, i, TRUE, &plain);
            ::SetMenuItemInfoA(menu.first, i, TRUE, &mii);
        }
    }
    CallDefault();
}
