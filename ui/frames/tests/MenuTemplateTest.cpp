// The menu-template reader: walking levels, texts, whole trees, and
// templates that end early or nest without end.
#include "ui/frames/MenuTemplate.h"

#include <gtest/gtest.h>

namespace {

class TemplateWriter
{
public:
    explicit TemplateWriter(WORD nOffset = 0)
    {
        Word(0);
        Word(nOffset);
        bytes.resize(bytes.size() + nOffset, 0xEE);
    }
    TemplateWriter& Item(WORD flags, WORD nID, const char* pszText)
    {
        Word(flags);
        if (!(flags & kMenuFlagPopup))
            Word(nID);
        for (const char* p = pszText; *p != 0; ++p)
            Word((WORD)(unsigned char)*p);
        Word(0);
        return *this;
    }
    TemplateWriter& Popup(WORD flags, const char* pszText) { return Item(flags | kMenuFlagPopup, 0, pszText); }
    void Word(WORD w)
    {
        bytes.push_back((BYTE)(w & 0xFF));
        bytes.push_back((BYTE)(w >> 8));
    }
    std::vector<BYTE> bytes;
};

// &File { &Open 1, sep, Recent { a 3 (end) } (end) }, &Edit (end) { Cut 4 (end) }
std::vector<BYTE> SampleMenu(WORD nOffset = 0)
{
    TemplateWriter w(nOffset);
    w.Popup(0, "&File").Item(0, 1, "&Open").Item(0, 0, "").Popup(kMenuFlagEnd, "Recent").Item(kMenuFlagEnd, 3, "a");
    w.Popup(kMenuFlagEnd, "&Edit").Item(kMenuFlagEnd, 4, "Cut");
    return w.bytes;
}

std::string Narrow(const std::u16string& s) { return std::string(s.begin(), s.end()); }

TEST(MenuTemplate, SkipsToItemsOfALevel)
{
    for (WORD nOffset : {0, 6}) {
        const std::vector<BYTE> bytes = SampleMenu(nOffset);
        struct Case { int n; bool bFound; const char* pszText; };
        for (const Case& c : {Case{0, true, "&File"}, Case{1, true, "&Edit"}, Case{2, false, ""}}) {
            MenuTemplateCursor cursor;
            ASSERT_TRUE(MenuTemplate::FirstItem(bytes.data(), bytes.size(), cursor));
            ASSERT_EQ(c.bFound, MenuTemplate::SkipToItem(cursor, c.n) != FALSE) << c.n;
            std::u16string text;
            if (c.bFound) {
                ASSERT_TRUE(MenuTemplate::ItemText(cursor, text));
                EXPECT_EQ(c.pszText, Narrow(text));
            }
        }
    }
}

TEST(MenuTemplate, SkipPopupLeavesAWholeLevel)
{
    const std::vector<BYTE> bytes = SampleMenu();
    MenuTemplateCursor cursor;
    ASSERT_TRUE(MenuTemplate::FirstItem(bytes.data(), bytes.size(), cursor));
    cursor.p += 2 + 12;   // past "&File"'s flags and text: its items
    ASSERT_TRUE(MenuTemplate::SkipPopup(cursor));
    std::u16string text;
    ASSERT_TRUE(MenuTemplate::ItemText(cursor, text));
    EXPECT_EQ("&Edit", Narrow(text));
}

TEST(MenuTemplate, ReadsTheTreeAndTheCaptions)
{
    const std::vector<BYTE> bytes = SampleMenu();
    MenuTemplateCursor cursor;
    ASSERT_TRUE(MenuTemplate::FirstItem(bytes.data(), bytes.size(), cursor));
    std::vector<MenuTemplateItem> items;
    ASSERT_TRUE(MenuTemplate::ReadLevel(cursor, items));
    EXPECT_EQ(cursor.pEnd, cursor.p);
    ASSERT_EQ(2u, items.size());
    ASSERT_EQ(3u, items[0].items.size());
    EXPECT_EQ(1, items[0].items[0].nID);
    EXPECT_TRUE(items[0].items[1].IsSeparator());
    EXPECT_FALSE(items[0].items[0].IsSeparator());
    ASSERT_EQ(1u, items[0].items[2].items.size());
    EXPECT_EQ("a", Narrow(items[0].items[2].items[0].text));
    EXPECT_EQ(4, items[1].items[0].nID);

    std::vector<std::u16string> captions;
    ASSERT_TRUE(MenuTemplate::PopupCaptions(bytes.data(), bytes.size(), captions));
    ASSERT_EQ(2u, captions.size());
    EXPECT_EQ("&Edit", Narrow(captions[1]));
}

TEST(MenuTemplate, RefusesTemplatesThatEndEarlyOrNestForever)
{
    const std::vector<BYTE> bytes = SampleMenu();
    for (size_t nCut = 0; nCut < bytes.size(); ++nCut) {
        MenuTemplateCursor cursor;
        std::vector<MenuTemplateItem> items;
        std::vector<std::u16string> captions;
        const bool bHeader = MenuTemplate::FirstItem(bytes.data(), nCut, cursor) != FALSE;
        EXPECT_EQ(nCut >= 4, bHeader) << nCut;
        if (bHeader) {
            EXPECT_FALSE(MenuTemplate::ReadLevel(cursor, items)) << nCut;
        }
        EXPECT_FALSE(MenuTemplate::PopupCaptions(bytes.data(), nCut, captions)) << nCut;
    }
    // An offset past the data.
    std::vector<BYTE> header = {0, 0, 10, 0, 1, 2};
    MenuTemplateCursor cursor;
    EXPECT_FALSE(MenuTemplate::FirstItem(header.data(), header.size(), cursor));

    TemplateWriter deep;
    for (int i = 0; i <= kMaxMenuDepth + 1; ++i)
        deep.Popup(kMenuFlagEnd, "p");
    deep.Item(kMenuFlagEnd, 1, "x");
    ASSERT_TRUE(MenuTemplate::FirstItem(deep.bytes.data(), deep.bytes.size(), cursor));
    std::vector<MenuTemplateItem> items;
    EXPECT_FALSE(MenuTemplate::ReadLevel(cursor, items));
    ASSERT_TRUE(MenuTemplate::FirstItem(deep.bytes.data(), deep.bytes.size(), cursor));
    EXPECT_FALSE(MenuTemplate::SkipPopup(cursor));
}

} // namespace
