// Reading a menu resource's template as stored: a header whose offset word
// locates the items, then items of a 16-bit flags word, a 16-bit command id
// unless the item is a popup, and a zero-terminated UTF-16 text. A popup's
// own items follow it directly; MF_END marks the last item of a level.
// The bytes come from a resource, so every step checks the end of the data.
#pragma once

#include "framework/Types.h"

#include <cstddef>
#include <string>
#include <vector>

constexpr WORD kMenuFlagPopup = 0x10;   // MF_POPUP
constexpr WORD kMenuFlagEnd = 0x80;     // MF_END

// A place in a template; p == pEnd is the end of the data.
struct MenuTemplateCursor
{
    const BYTE* p = nullptr;
    const BYTE* pEnd = nullptr;
};

struct MenuTemplateItem
{
    WORD flags = 0;
    WORD nID = 0;
    std::u16string text;
    std::vector<MenuTemplateItem> items;   // a popup's

    bool IsPopup() const { return (flags & kMenuFlagPopup) != 0; }
    bool IsSeparator() const { return !IsPopup() && flags == 0 && nID == 0 && text.empty(); }
};

// Popups nest no deeper than this (a template may claim anything).
constexpr int kMaxMenuDepth = 32;

class MenuTemplate
{
public:
    // The first item of the top level after the header; FALSE when the
    // header does not fit or points past the data.
    static BOOL FirstItem(const BYTE* pData, size_t nSize, MenuTemplateCursor& cursor);
    // Advances to the n-th item of the current level, skipping the contents
    // of popups; FALSE when the level (or the data) ends first.
    static BOOL SkipToItem(MenuTemplateCursor& cursor, int n);
    // Advances past the rest of a whole level.
    static BOOL SkipPopup(MenuTemplateCursor& cursor);
    // The text of the item at the cursor.
    static BOOL ItemText(const MenuTemplateCursor& cursor, std::u16string& text);
    // Reads a whole level with its popups; FALSE (items read so far kept)
    // when the data ends early or popups nest too deep.
    static BOOL ReadLevel(MenuTemplateCursor& cursor, std::vector<MenuTemplateItem>& items);
    // The top-level popups' texts of a whole template (the menu bar's buttons).
    static BOOL PopupCaptions(const BYTE* pData, size_t nSize, std::vector<std::u16string>& captions);

private:
    static BOOL ReadItemHead(MenuTemplateCursor& cursor, MenuTemplateItem& item);
    static BOOL SkipItem(MenuTemplateCursor& cursor, WORD& flags, int nDepth);
    static BOOL SkipLevel(MenuTemplateCursor& cursor, int nDepth);
    static BOOL ReadLevelAt(MenuTemplateCursor& cursor, std::vector<MenuTemplateItem>& items, int nDepth);
};
