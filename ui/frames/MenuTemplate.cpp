#include "ui/frames/MenuTemplate.h"

namespace {

BOOL ReadWord(MenuTemplateCursor& cursor, WORD& value)
{
    if (cursor.pEnd - cursor.p < 2)
        return FALSE;
    value = (WORD)(cursor.p[0] | (cursor.p[1] << 8));
    cursor.p += 2;
    return TRUE;
}

BOOL ReadText(MenuTemplateCursor& cursor, std::u16string* pText)
{
    for (;;) {
        WORD ch = 0;
        if (!ReadWord(cursor, ch))
            return FALSE;
        if (ch == 0)
            return TRUE;
        if (pText != nullptr)
            pText->push_back((char16_t)ch);
    }
}

} // namespace

BOOL MenuTemplate::FirstItem(const BYTE* pData, size_t nSize, MenuTemplateCursor& cursor)
{
    MenuTemplateCursor header{pData, pData + nSize};
    WORD nVersion = 0, nOffset = 0;
    if (pData == nullptr || !ReadWord(header, nVersion) || !ReadWord(header, nOffset))
        return FALSE;
    if ((size_t)(header.pEnd - header.p) < nOffset)
        return FALSE;
    cursor.p = header.p + nOffset;
    cursor.pEnd = header.pEnd;
    return TRUE;
}

BOOL MenuTemplate::ReadItemHead(MenuTemplateCursor& cursor, MenuTemplateItem& item)
{
    item = MenuTemplateItem();
    if (!ReadWord(cursor, item.flags))
        return FALSE;
    if (!item.IsPopup() && !ReadWord(cursor, item.nID))
        return FALSE;
    return ReadText(cursor, &item.text);
}

BOOL MenuTemplate::SkipItem(MenuTemplateCursor& cursor, WORD& flags, int nDepth)
{
    MenuTemplateItem item;
    if (!ReadItemHead(cursor, item))
        return FALSE;
    flags = item.flags;
    return !item.IsPopup() || SkipLevel(cursor, nDepth + 1);
}

BOOL MenuTemplate::SkipLevel(MenuTemplateCursor& cursor, int nDepth)
{
    if (nDepth > kMaxMenuDepth)
        return FALSE;
    for (;;) {
        WORD flags = 0;
        if (!SkipItem(cursor, flags, nDepth))
            return FALSE;
        if (flags & kMenuFlagEnd)
            return TRUE;
    }
}

BOOL MenuTemplate::SkipToItem(MenuTemplateCursor& cursor, int n)
{
    for (int i = 0; i < n; ++i) {
        WORD flags = 0;
        if (!SkipItem(cursor, flags, 0) || (flags & kMenuFlagEnd))
            return FALSE;
    }
    return cursor.p < cursor.pEnd;
}

BOOL MenuTemplate::SkipPopup(MenuTemplateCursor& cursor) { return SkipLevel(cursor, 0); }

BOOL MenuTemplate::ItemText(const MenuTemplateCursor& cursor, std::u16string& text)
{
    MenuTemplateCursor at = cursor;
    MenuTemplateItem item;
    if (!ReadItemHead(at, item))
        return FALSE;
    text = item.text;
    return TRUE;
}

BOOL MenuTemplate::ReadLevelAt(MenuTemplateCursor& cursor, std::vector<MenuTemplateItem>& items, int nDepth)
{
    if (nDepth > kMaxMenuDepth)
        return FALSE;
    for (;;) {
        MenuTemplateItem item;
        if (!ReadItemHead(cursor, item))
            return FALSE;
        const bool bEnd = (item.flags & kMenuFlagEnd) != 0;
        const bool bOk = !item.IsPopup() || ReadLevelAt(cursor, item.items, nDepth + 1);
        items.push_back(std::move(item));
        if (!bOk)
            return FALSE;
        if (bEnd)
            return TRUE;
    }
}

BOOL MenuTemplate::ReadLevel(MenuTemplateCursor& cursor, std::vector<MenuTemplateItem>& items)
{
    return ReadLevelAt(cursor, items, 0);
}

BOOL MenuTemplate::PopupCaptions(const BYTE* pData, size_t nSize, std::vector<std::u16string>& captions)
{
    MenuTemplateCursor cursor;
    if (!FirstItem(pData, nSize, cursor))
        return FALSE;
    for (;;) {
        MenuTemplateItem item;
        if (!ReadItemHead(cursor, item))
            return FALSE;
        if (item.IsPopup()) {
            captions.push_back(item.text);
            if (!SkipLevel(cursor, 1))
                return FALSE;
        }
        if (item.flags & kMenuFlagEnd)
            return TRUE;
    }
}
