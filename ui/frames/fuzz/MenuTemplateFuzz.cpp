// A menu template from any bytes: no fault, and the walks agree with the
// tree that is read.
#include "ui/frames/MenuTemplate.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MenuTemplateCursor cursor;
    if (!MenuTemplate::FirstItem(data, size, cursor))
        return 0;
    const MenuTemplateCursor first = cursor;
    std::vector<MenuTemplateItem> items;
    const BOOL bWhole = MenuTemplate::ReadLevel(cursor, items);
    if (bWhole) {
        MenuTemplateCursor walk = first;
        if (!MenuTemplate::SkipPopup(walk) || walk.p != cursor.p)
            std::abort();
        for (size_t i = 0; i < items.size(); ++i) {
            MenuTemplateCursor at = first;
            std::u16string text;
            if (!MenuTemplate::SkipToItem(at, (int)i) || !MenuTemplate::ItemText(at, text) || text != items[i].text)
                std::abort();
        }
    }
    std::vector<std::u16string> captions;
    MenuTemplate::PopupCaptions(data, size, captions);
    return 0;
}
