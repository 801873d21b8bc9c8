#include "framework/Framework.h"
#include "ui/frames/SECTBMenuBtn.h"
#include "framework/GdiScopes.h"
#include "ui/frames/SECBmpMgr.h"
#include "ui/frames/SECCustomToolBar.h"

#include <cctype>

namespace {

SECStdBtn* NewTBMenuBtn() { return new SECTBMenuBtn; }

} // namespace

CString MenuTextToAnsi(const std::u16string& text)
{
    if (text.empty())
        return CString();
    const std::wstring wide(text.begin(), text.end());
    const int nBytes = ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), (int)wide.size(), nullptr, 0, nullptr, nullptr);
    std::string ansi((size_t)std::max(nBytes, 0), '\0');
    if (nBytes > 0)
        ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), (int)wide.size(), &ansi[0], nBytes, nullptr, nullptr);
    return CString(ansi.c_str());
}

const SECButtonClass SECTBMenuBtn::classSECTBMenuBtn = {NewTBMenuBtn};

char CaptionMnemonic(const CString& strCaption)
{
    const int nAmp = strCaption.Find('&');
    if (nAmp < 0 || nAmp + 1 >= strCaption.GetLength())
        return 0;
    return (char)std::toupper((unsigned char)strCaption[nAmp + 1]);
}

CString CaptionWithoutAmpersand(const CString& strCaption)
{
    const int nAmp = strCaption.Find('&');
    if (nAmp < 0)
        return strCaption;
    return strCaption.Left(nAmp) + strCaption.Mid(nAmp + 1);
}

void SECTBMenuBtn::Init(SECCustomToolBar* pToolBar, const UINT_PTR* pParams)
{
    m_pToolBar = pToolBar;
    if (pParams != nullptr) {
        m_nDropParam1 = pParams[0];
        m_nDropParam2 = pParams[1];
        m_strCaption = pParams[2] != 0 ? CString((LPCTSTR)pParams[2]) : CString();
        m_nFurther = pParams[3];
    }
    m_cMnemonic = FindMnemonic();
    AdjustSize();
}

char SECTBMenuBtn::FindMnemonic() const { return CaptionMnemonic(m_strCaption); }

HFONT SECTBMenuBtn::CaptionFont() const
{
    HFONT hFont = m_pToolBar->GetMenuFont();
    return hFont != nullptr ? hFont : m_pToolBar->GetButtonFont();
}

void SECTBMenuBtn::AdjustSize()
{
    if (m_pToolBar == nullptr || IsSeparator()) {
        SECStdBtn::AdjustSize();
        return;
    }
    HDC hDC = ::GetDC(nullptr);
    CRect rc(0, 0, 0, 0);
    {
        CSelectObjectScope selectFont(hDC, CaptionFont());
        ::DrawTextA(hDC, m_strCaption, m_strCaption.GetLength(), &rc, DT_CALCRECT | DT_SINGLELINE | DT_NOCLIP);
    }
    ::ReleaseDC(nullptr, hDC);
    m_cx = rc.Width() + 10;
    m_cy = rc.Height() + 6;
    m_pToolBar->m_nMaxBtnWidth = std::max(m_pToolBar->m_nMaxBtnWidth, m_cx);
}

void SECTBMenuBtn::DrawImage(SECBtnDrawData& dd, const CRect& rcFace)
{
    CDC* pDC = &dd.m_faceDC;
    if (m_pToolBar == nullptr)
        return;
    const SECSysColorCache& c = SECGetSysColors();
    // rcFace starts two pixels in, one more when sunken.
    CRect rcText(rcFace.left + 2, rcFace.top + 1, m_x + m_cx, m_y + m_cy);
    CSelectObjectScope selectFont(pDC->m_hDC, CaptionFont());
    const int nOldMode = ::SetBkMode(pDC->m_hDC, TRANSPARENT);
    const bool bDisabled = (m_nStyle & TBBS_DISABLED_BIT) && !m_pToolBar->IsCustomizeMode();
    if (bDisabled) {
        CRect rcLight = rcText;
        rcLight.OffsetRect(1, 1);
        ::SetTextColor(pDC->m_hDC, c.clrBtnHilite);
        ::DrawTextA(pDC->m_hDC, m_strCaption, m_strCaption.GetLength(), &rcLight, DT_SINGLELINE);
    }
    ::SetTextColor(pDC->m_hDC, bDisabled ? c.clrBtnShadow : ::GetSysColor(COLOR_MENUTEXT));
    ::DrawTextA(pDC->m_hDC, m_strCaption, m_strCaption.GetLength(), &rcText, DT_SINGLELINE);
    ::SetBkMode(pDC->m_hDC, nOldMode);
}

BOOL SECTBMenuBtn::OnLButtonDown(CPoint)
{
    if ((m_nStyle & TBBS_DISABLED_BIT) || m_pToolBar == nullptr)
        return FALSE;
    m_nStyle |= TBBS_PRESSED_BIT;
    Invalidate();
    m_pToolBar->UpdateWindow();
    DropMenu();
    return FALSE;
}

UINT SECTBMenuBtn::OnLButtonUp(CPoint)
{
    m_nStyle &= ~TBBS_PRESSED_BIT;
    return 0;
}

void SECTBMenuBtn::DropMenu()
{
    if (m_pToolBar != nullptr)
        m_pToolBar->DropDownButton(this, m_nDropParam1, m_nDropParam2);
}

// Menu templates --------------------------------------------------------------

HMENU BuildPopupMenu(const std::vector<MenuTemplateItem>& items)
{
    HMENU hMenu = ::CreatePopupMenu();
    if (hMenu == nullptr)
        return nullptr;
    for (const MenuTemplateItem& item : items) {
        BOOL bAdded = FALSE;
        if (item.IsSeparator()) {
            bAdded = ::AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
        } else if (item.IsPopup()) {
            HMENU hSub = BuildPopupMenu(item.items);
            bAdded = hSub != nullptr &&
                     ::AppendMenuA(hMenu, (item.flags & ~kMenuFlagEnd) | MF_STRING, (UINT_PTR)hSub, MenuTextToAnsi(item.text));
            if (!bAdded && hSub != nullptr)
                ::DestroyMenu(hSub);
        } else {
            bAdded = ::AppendMenuA(hMenu, (item.flags & ~kMenuFlagEnd) | MF_STRING, item.nID, MenuTextToAnsi(item.text));
        }
        if (!bAdded) {
            ::DestroyMenu(hMenu);
            return nullptr;
        }
    }
    return hMenu;
}

HMENU BuildPopupMenu(MenuTemplateCursor& cursor)
{
    std::vector<MenuTemplateItem> items;
    if (!MenuTemplate::ReadLevel(cursor, items))
        return nullptr;
    return BuildPopupMenu(items);
}

BOOL LoadMenuTemplate(UINT nID, const BYTE*& pData, size_t& nSize)
{
    HINSTANCE hInst = ::GetModuleHandleA(nullptr);
    HRSRC hRes = ::FindResourceA(hInst, MAKEINTRESOURCEA(nID), (LPCSTR)RT_MENU);
    HGLOBAL hGlobal = hRes != nullptr ? ::LoadResource(hInst, hRes) : nullptr;
    pData = hGlobal != nullptr ? static_cast<const BYTE*>(::LockResource(hGlobal)) : nullptr;
    nSize = pData != nullptr ? ::SizeofResource(hInst, hRes) : 0;
    return pData != nullptr;
}
