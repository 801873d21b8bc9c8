// The menu bar's model: one button per top-level popup of every menu
// registered with the bar, a mask bit per menu, which buttons the active
// menu shows, mnemonics and the move from one button to the next. The bar
// window draws and tracks; everything it decides is here.
#pragma once

#include "framework/String.h"

#include <functional>
#include <map>
#include <vector>

// First synthetic command id of a menu button; the ids count up across
// every registered menu.
constexpr DWORD kFirstMenuButtonId = 0x80000001;
// Menu buttons stay enabled without a handler and sit centred in their row.
constexpr DWORD kMenuButtonStyle = 0x30000000;
// Resource id of the frame of a control bar floated as MDI child: it has no
// menu of its own and shows the main window's.
constexpr UINT kControlBarChildResource = 20514;

// One record of the table: eight words. caption is the index of the
// popup's text in the table's caption array.
struct MenuTableRecord
{
    DWORD buttonClass = 0;
    DWORD commandId = 0;
    DWORD style = 0;
    DWORD menuId = 0;
    DWORD popupIndex = 0;
    DWORD caption = 0;
    DWORD mask = 0;
    DWORD reserved = 0;
};

// A menu resource as read: bFound false when it could not be found or read.
struct MenuSource
{
    UINT nID = 0;
    bool bFound = false;
    std::vector<CString> popups;
};

// Button class stored in every record: the menu button (type 3).
constexpr DWORD kMenuButtonType = 3;

class SECMenuTable
{
public:
    // Builds the table from the menus in order. FALSE (and an empty table)
    // when no menu yields a popup. A menu that was not found gets no popups
    // and no mask bit.
    BOOL Build(const std::vector<MenuSource>& menus);
    void Clear();

    // The records, closed by an all-zero record (empty before a build).
    const std::vector<MenuTableRecord>& Records() const { return m_records; }
    const CString& Caption(const MenuTableRecord& record) const { return m_captions[record.caption]; }
    std::vector<UINT> CommandIds() const;
    const MenuTableRecord* FindCommand(UINT nCommandId) const;

    BOOL LookupMask(UINT nMenuId, DWORD& mask) const;
    void SetMasks(const std::vector<std::pair<UINT, DWORD>>& masks);

    // The menu to show for nMenuId: its mask, and the id the bar then calls
    // current. The control-bar child's resource falls back to the main
    // window's menu while keeping its own id as current. FALSE for an
    // unknown menu.
    BOOL ResolveSwap(UINT nMenuId, UINT nMainMenuId, DWORD& mask, UINT& nCurrentId) const;

private:
    std::vector<MenuTableRecord> m_records;
    std::vector<CString> m_captions;
    std::map<UINT, DWORD> m_masks;
};

// The lower-case character after the first '&' of a caption; 0 when none.
char MenuMnemonic(const CString& strCaption);

// What the bar knows of one of its buttons.
struct MenuBarButton
{
    CString strCaption;
    DWORD mask = 0;
    bool bMenu = true;      // a menu button (other buttons ignore the mask)
    bool bHidden = false;
};

// Hides every menu button whose mask shares no bit with mask, shows the others.
void ApplyMenuMask(std::vector<MenuBarButton>& buttons, DWORD mask);

// The first visible menu button with mnemonic ch (any case); -1 when none.
int FindMenuMnemonic(const std::vector<MenuBarButton>& buttons, char ch);

// The visible menu button after (bNext) or before nFrom; from -1 the first
// or the last. -1 past either end (the system menu comes next).
int NextMenuButton(const std::vector<MenuBarButton>& buttons, int nFrom, bool bNext);

// The answer to WM_MENUCHAR for character ch in a popup whose items have
// the given mnemonics (0 for items the bitmap menus do not own): 0 when no
// item has it, execute (0x20000 | index) when one has, and select (0x30000 |
// index) the first after nHighlighted, wrapping, when several have.
long MenuCharAnswer(const std::vector<char>& mnemonics, int nHighlighted, char ch);

// Whether a control of a form claims Alt+ch: the controls are walked from
// pFirst through next() until the walk comes back to pFirst or ends, and a
// control whose text has ch (any case) right after its first '&' claims it.
// No first control claims nothing; a walk that never returns stops after
// nMaxSteps controls.
using ControlHandle = const void*;
bool ControlsClaimMnemonic(ControlHandle pFirst, const std::function<ControlHandle(ControlHandle)>& next,
                           const std::function<CString(ControlHandle)>& textOf, char ch, int nMaxSteps = 1000);
