#include "framework/Portable.h"
#include "ui/frames/BmpMenuRules.h"
#include "ui/frames/MenuDropRequest.h"
#include "ui/frames/MenuTable.h"

#include <gtest/gtest.h>

namespace {

MenuSource Menu(UINT nID, std::vector<CString> popups, bool bFound = true)
{
    MenuSource menu;
    menu.nID = nID;
    menu.bFound = bFound;
    menu.popups = std::move(popups);
    return menu;
}

std::vector<MenuBarButton> ButtonsOf(const SECMenuTable& table)
{
    std::vector<MenuBarButton> buttons;
    for (const MenuTableRecord& record : table.Records()) {
        if (record.commandId != 0)
            buttons.push_back(MenuBarButton{table.Caption(record), record.mask, true, false});
    }
    return buttons;
}

} // namespace

TEST(MenuTableTest, ThreeMenusGiveConsecutiveIdsAndOneBitEach)
{
    SECMenuTable table;
    ASSERT_TRUE(table.Build({Menu(128, {"&File", "&Help"}), Menu(130, {}, false), Menu(129, {"&File", "&Edit", "&Help"}),
                             Menu(131, {"&Window"})}));
    const std::vector<MenuTableRecord>& records = table.Records();
    ASSERT_EQ(7u, records.size());
    EXPECT_EQ(0u, records.back().commandId) << "closed by an all-zero record";
    EXPECT_EQ(0u, records.back().mask);

    EXPECT_EQ((std::vector<UINT>{0x80000001, 0x80000002, 0x80000003, 0x80000004, 0x80000005, 0x80000006}), table.CommandIds());
    const MenuTableRecord& edit = records[3];
    EXPECT_EQ(129u, edit.menuId);
    EXPECT_EQ(1u, edit.popupIndex);
    EXPECT_EQ(kMenuButtonStyle, edit.style);
    EXPECT_STREQ("&Edit", table.Caption(edit));
    EXPECT_EQ(2u, edit.mask) << "a menu that was not found takes no bit";
    EXPECT_EQ(4u, records[5].mask);

    DWORD mask = 0;
    EXPECT_TRUE(table.LookupMask(131, mask));
    EXPECT_EQ(4u, mask);
    EXPECT_FALSE(table.LookupMask(130, mask));
    ASSERT_NE(nullptr, table.FindCommand(0x80000006));
    EXPECT_EQ(131u, table.FindCommand(0x80000006)->menuId);
    EXPECT_EQ(nullptr, table.FindCommand(0));

    SECMenuTable empty;
    EXPECT_FALSE(empty.Build({Menu(130, {}, false), Menu(132, {})}));
    EXPECT_TRUE(empty.Records().empty());
}

TEST(MenuTableTest, SwappingShowsOnlyTheActiveMenusButtons)
{
    SECMenuTable table;
    ASSERT_TRUE(table.Build({Menu(128, {"&File", "&Help"}), Menu(129, {"&File", "&Edit"})}));
    std::vector<MenuBarButton> buttons = ButtonsOf(table);

    DWORD mask = 0;
    UINT nCurrent = 0;
    ASSERT_TRUE(table.ResolveSwap(129, 128, mask, nCurrent));
    ApplyMenuMask(buttons, mask);
    EXPECT_EQ(129u, nCurrent);
    EXPECT_TRUE(buttons[0].bHidden);
    EXPECT_FALSE(buttons[2].bHidden) << "the same caption in the second menu is the visible one";
    EXPECT_EQ(2, FindMenuMnemonic(buttons, 'F'));
    EXPECT_EQ(-1, FindMenuMnemonic(buttons, 'h')) << "hidden buttons have no mnemonic";

    // The control-bar child has no menu of its own: the main window's shows.
    ASSERT_TRUE(table.ResolveSwap(kControlBarChildResource, 128, mask, nCurrent));
    EXPECT_EQ(1u, mask);
    EXPECT_EQ(kControlBarChildResource, nCurrent);

    mask = 77;
    nCurrent = 5;
    EXPECT_FALSE(table.ResolveSwap(999, 128, mask, nCurrent));
    EXPECT_EQ(77u, mask);
    EXPECT_EQ(5u, nCurrent) << "an unknown menu changes nothing";
}

TEST(MenuTableTest, Mnemonics)
{
    struct Case {
        const char* caption;
        char mnemonic;
    };
    const Case cases[] = {{"&File", 'f'}, {"E&XIT", 'x'}, {"Help", 0}, {"Trailing&", 0}, {"", 0}, {"a&b&c", 'b'}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(c.mnemonic, MenuMnemonic(c.caption));
    }
}

TEST(MenuTableTest, MovingBetweenButtonsSkipsHiddenOnesAndStopsAtTheEnds)
{
    std::vector<MenuBarButton> buttons = {{"&A", 1}, {"&B", 2}, {"&C", 1}, {"icon", 0, false}};
    ApplyMenuMask(buttons, 1);
    EXPECT_FALSE(buttons[3].bHidden) << "buttons that are not menus ignore the mask";
    EXPECT_EQ(0, NextMenuButton(buttons, -1, true));
    EXPECT_EQ(2, NextMenuButton(buttons, 0, true));
    EXPECT_EQ(-1, NextMenuButton(buttons, 2, true)) << "past the last: the system menu";
    EXPECT_EQ(0, NextMenuButton(buttons, 2, false));
    EXPECT_EQ(-1, NextMenuButton(buttons, 0, false));
    EXPECT_EQ(2, NextMenuButton(buttons, -1, false));
    EXPECT_EQ(-1, NextMenuButton({}, -1, true));
}

TEST(MenuTableTest, MenuCharExecutesOneAndCyclesThroughSeveral)
{
    std::vector<char> mnemonics = {'o', 's', 0, 's', 'x', 's'};
    EXPECT_EQ(0, MenuCharAnswer(mnemonics, -1, 'q'));
    EXPECT_EQ(0x20000 | 0, MenuCharAnswer(mnemonics, 3, 'O'));
    EXPECT_EQ(0x30000 | 1, MenuCharAnswer(mnemonics, -1, 's'));
    EXPECT_EQ(0x30000 | 3, MenuCharAnswer(mnemonics, 1, 's'));
    EXPECT_EQ(0x30000 | 1, MenuCharAnswer(mnemonics, 5, 's')) << "wraps to the first";
    EXPECT_EQ(0, MenuCharAnswer(mnemonics, -1, 0)) << "items the plug-in does not own never match";
}

TEST(MenuTableTest, QueuedDropRequestIsKeptByValueAndTakenOnce)
{
    MenuDropQueue queue;
    EXPECT_FALSE(queue.Take().has_value());
    {
        MenuDropRequest first{128, 0, 1};
        queue.Put(first);
    }
    queue.Put(MenuDropRequest{128, 2, 3});   // arrives while the first still waits
    std::optional<MenuDropRequest> taken = queue.Take();
    ASSERT_TRUE(taken.has_value());
    EXPECT_EQ(2, taken->nIndex);
    EXPECT_EQ(3, taken->nButton);
    EXPECT_TRUE(queue.IsEmpty());
    EXPECT_TRUE((MenuDropRequest{0, -1, -1}).IsSystemMenu());
}

TEST(MenuTableTest, FormControlsClaimTheirAltLetters)
{
    // A ring of three controls, and a chain that never returns to its start.
    std::vector<CString> texts = {"&Name", "Value", "E&xport"};
    auto ring = [&](ControlHandle p) -> ControlHandle {
        size_t i = (const CString*)p - texts.data();
        return &texts[(i + 1) % texts.size()];
    };
    auto textOf = [](ControlHandle p) { return *(const CString*)p; };
    EXPECT_TRUE(ControlsClaimMnemonic(&texts[0], ring, textOf, 'X'));
    EXPECT_FALSE(ControlsClaimMnemonic(&texts[0], ring, textOf, 'v'));
    EXPECT_FALSE(ControlsClaimMnemonic(nullptr, ring, textOf, 'n')) << "no first control: nothing to walk";
    auto neverBack = [&](ControlHandle p) -> ControlHandle { return p == &texts[0] ? &texts[1] : &texts[2]; };
    EXPECT_FALSE(ControlsClaimMnemonic(&texts[0], neverBack, textOf, 'q')) << "a walk that loops elsewhere ends";
    auto ends = [](ControlHandle) -> ControlHandle { return nullptr; };
    EXPECT_TRUE(ControlsClaimMnemonic(&texts[0], ends, textOf, 'n'));
}

TEST(MenuTableTest, BitmapMenusTakeOverPlainStringItemsOnly)
{
    struct Case {
        const char* name;
        MenuItemFacts item;
        bool bTaken;
    };
    const Case cases[] = {
        {"command", {57601}, true},
        {"popup item counts as id 0", {0}, true},
        {"system command", {0xF060}, false},
        {"past the system range", {0xFF00}, true},
        {"separator", {0, false, false, true}, false},
        {"bitmap", {100, true}, false},
        {"owner-drawn already", {100, false, true}, false},
        {"foreign", {100, false, false, false, true}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.bTaken, ShouldOwnerDraw(c.item));
    }
}

TEST(MenuTableTest, BitmapMenuItemSizeAndText)
{
    EXPECT_EQ(CSize(32 + 80, 20), MeasureBmpMenuItem(CRect(0, 0, 80, 13), CSize(16, 15), 20));
    EXPECT_EQ(CSize(32 + 80, 19), MeasureBmpMenuItem(CRect(0, 0, 80, 13), CSize(16, 15), 10)) << "image height + 4";
    EXPECT_EQ(CSize(32 + 80, 30), MeasureBmpMenuItem(CRect(0, 0, 80, 30), CSize(16, 15), 20)) << "a tall text wins";

    MenuItemText text = SplitMenuItemText("&Open...\tCtrl+O");
    EXPECT_STREQ("&Open...", text.strLabel);
    EXPECT_STREQ("Ctrl+O", text.strAccelerator);
    EXPECT_STREQ("", SplitMenuItemText("E&xit").strAccelerator);
}
