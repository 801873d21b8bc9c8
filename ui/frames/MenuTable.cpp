#include "ui/frames/MenuTable.h"

#include <cctype>

namespace {

char Lower(char ch)
{
    return (char)std::tolower((unsigned char)ch);
}

bool IsVisibleMenuButton(const MenuBarButton& button)
{
    return button.bMenu && !button.bHidden;
}

} // namespace

BOOL SECMenuTable::Build(const std::vector<MenuSource>& menus)
{
    Clear();
    size_t nTotal = 0;
    for (const MenuSource& menu : menus)
        nTotal += menu.bFound ? menu.popups.size() : 0;
    if (nTotal == 0)
        return FALSE;
    m_records.reserve(nTotal + 1);
    DWORD commandId = kFirstMenuButtonId;
    DWORD mask = 1;
    for (const MenuSource& menu : menus) {
        if (!menu.bFound)
            continue;
        for (size_t i = 0; i < menu.popups.size(); ++i) {
            MenuTableRecord record;
            record.buttonClass = kMenuButtonType;
            record.commandId = commandId++;
            record.style = kMenuButtonStyle;
            record.menuId = menu.nID;
            record.popupIndex = (DWORD)i;
            record.caption = (DWORD)m_captions.size();
            record.mask = mask;
            m_captions.push_back(menu.popups[i]);
            m_records.push_back(record);
        }
        m_masks[menu.nID] = mask;
        mask <<= 1;
    }
    m_records.push_back(MenuTableRecord());
    return TRUE;
}

void SECMenuTable::Clear()
{
    m_records.clear();
    m_captions.clear();
    m_masks.clear();
}

std::vector<UINT> SECMenuTable::CommandIds() const
{
    std::vector<UINT> ids;
    for (const MenuTableRecord& record : m_records) {
        if (record.commandId != 0)
            ids.push_back(record.commandId);
    }
    return ids;
}

const MenuTableRecord* SECMenuTable::FindCommand(UINT nCommandId) const
{
    for (const MenuTableRecord& record : m_records) {
        if (record.commandId != 0 && record.commandId == nCommandId)
            return &record;
    }
    return nullptr;
}

BOOL SECMenuTable::LookupMask(UINT nMenuId, DWORD& mask) const
{
    auto it = m_masks.find(nMenuId);
    if (it == m_masks.end())
        return FALSE;
    mask = it->second;
    return TRUE;
}

void SECMenuTable::SetMasks(const std::vector<std::pair<UINT, DWORD>>& masks)
{
    m_masks.clear();
    for (const auto& entry : masks)
        m_masks[entry.first] = entry.second;
}

BOOL SECMenuTable::ResolveSwap(UINT nMenuId, UINT nMainMenuId, DWORD& mask, UINT& nCurrentId) const
{
    if (LookupMask(nMenuId, mask)) {
        nCurrentId = nMenuId;
        return TRUE;
    }
    if (nMenuId != kControlBarChildResource || !LookupMask(nMainMenuId, mask))
        return FALSE;
    nCurrentId = nMenuId;
    return TRUE;
}

char MenuMnemonic(const CString& strCaption)
{
    int nAmp = strCaption.Find('&');
    if (nAmp < 0 || nAmp + 1 >= strCaption.GetLength())
        return 0;
    return Lower(strCaption[nAmp + 1]);
}

void ApplyMenuMask(std::vector<MenuBarButton>& buttons, DWORD mask)
{
    for (MenuBarButton& button : buttons) {
        if (button.bMenu)
            button.bHidden = (button.mask & mask) == 0;
    }
}

int FindMenuMnemonic(const std::vector<MenuBarButton>& buttons, char ch)
{
    if (ch == 0)
        return -1;
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (IsVisibleMenuButton(buttons[i]) && MenuMnemonic(buttons[i].strCaption) == Lower(ch))
            return (int)i;
    }
    return -1;
}

int NextMenuButton(const std::vector<MenuBarButton>& buttons, int nFrom, bool bNext)
{
    int nCount = (int)buttons.size();
    int nStep = bNext ? 1 : -1;
    int i = nFrom < 0 ? (bNext ? 0 : nCount - 1) : nFrom + nStep;
    for (; i >= 0 && i < nCount; i += nStep) {
        if (IsVisibleMenuButton(buttons[i]))
            return i;
    }
    return -1;
}

long MenuCharAnswer(const std::vector<char>& mnemonics, int nHighlighted, char ch)
{
    char chLower = Lower(ch);
    std::vector<int> matches;
    for (size_t i = 0; i < mnemonics.size(); ++i) {
        if (mnemonics[i] != 0 && mnemonics[i] == chLower)
            matches.push_back((int)i);
    }
    if (matches.empty())
        return 0;
    if (matches.size() == 1)
        return 0x20000L | matches.front();
    for (int nIndex : matches) {
        if (nIndex > nHighlighted)
            return 0x30000L | nIndex;
    }
    return 0x30000L | matches.front();
}

bool ControlsClaimMnemonic(ControlHandle pFirst, const std::function<ControlHandle(ControlHandle)>& next,
                           const std::function<CString(ControlHandle)>& textOf, char ch, int nMaxSteps)
{
    char chLower = (char)std::tolower((unsigned char)ch);
    ControlHandle pControl = pFirst;
    for (int nStep = 0; pControl != nullptr && nStep < nMaxSteps; ++nStep) {
        char chMnemonic = MenuMnemonic(textOf(pControl));
        if (chMnemonic != 0 && chMnemonic == chLower)
            return true;
        pControl = next(pControl);
        if (pControl == pFirst)
            return false;
    }
    return false;
}
