#include "framework/Portable.h"
#include "ui/frames/MDIButtons.h"

#include <gtest/gtest.h>

namespace {

constexpr DWORD kAll = kMDIStyleMask;
constexpr DWORD kNoMinimize = kMDIStyleSysMenu | 0x10000;

MDIChildView Child(bool bZoomed, DWORD dwStyle, bool bIconChanged = false)
{
    return MDIChildView{true, bZoomed, dwStyle, bIconChanged};
}

} // namespace

TEST(MDIButtons, ShowRestyleAndHideFollowTheActiveChild)
{
    struct Case {
        const char* what;
        MDIButtonsView before;
        bool bHide;
        MDIChildView child;
        bool bChanged;
        MDIButtonsView after;
    };
    const MDIButtonsView hidden{true, true, kAll};
    const MDIButtonsView shown{false, false, kAll};
    const Case cases[] = {
        {"maximised child shows both", hidden, false, Child(true, kAll | 0xCF0000), true, shown},
        {"nothing new", shown, false, Child(true, kAll), false, shown},
        {"another icon", shown, false, Child(true, kAll, true), true, shown},
        {"new style bits", shown, false, Child(true, kNoMinimize), true, {false, false, kNoMinimize}},
        {"restored child hides", shown, false, Child(false, kAll), true, hidden},
        {"hidden stays hidden", hidden, false, Child(false, kAll), false, hidden},
        {"no system menu", shown, false, Child(true, 0x30000), true, hidden},
        {"no child", shown, false, MDIChildView{}, true, hidden},
        {"asked to hide", shown, true, Child(true, kAll), true, hidden},
        {"asked to hide, already hidden", hidden, true, Child(true, kAll), false, hidden},
    };
    for (const Case& c : cases) {
        MDIButtonsView view = c.before;
        EXPECT_EQ(c.bChanged, MDIButtons::Update(view, c.bHide, c.child)) << c.what;
        EXPECT_EQ(c.after.bIconHidden, view.bIconHidden) << c.what;
        EXPECT_EQ(c.after.bCaptionHidden, view.bCaptionHidden) << c.what;
        if (!view.bCaptionHidden)
            EXPECT_EQ(c.after.dwCaptionStyle, view.dwCaptionStyle) << c.what;
    }
}

TEST(MDIButtons, CaptionPartsAreHitByPlaceAndStyle)
{
    // Parts 16 x 14: minimise 0..15, restore 16..31, a 2-pixel gap, close 34..49.
    EXPECT_EQ(CSize(50, 14), MDIButtons::CaptionSize(16, 14));
    EXPECT_EQ(CRect(44, 5, 60, 19), MDIButtons::PartRect(MDIButtons::kClose, CPoint(10, 5), 16, 14));
    struct Case {
        CPoint pt;
        DWORD dwStyle;
        int nPart;
    };
    const Case cases[] = {
        {{0, 0}, kAll, MDIButtons::kMinimize},     {{15, 13}, kAll, MDIButtons::kMinimize},
        {{16, 0}, kAll, MDIButtons::kRestore},     {{32, 5}, kAll, MDIButtons::kNoPart},
        {{34, 5}, kAll, MDIButtons::kClose},       {{49, 13}, kAll, MDIButtons::kClose},
        {{50, 5}, kAll, MDIButtons::kNoPart},      {{5, 14}, kAll, MDIButtons::kNoPart},
        {{5, -1}, kAll, MDIButtons::kNoPart},      {{5, 5}, kNoMinimize, MDIButtons::kNoPart},
        {{20, 5}, kNoMinimize, MDIButtons::kNoPart}, {{40, 5}, kNoMinimize, MDIButtons::kClose},
        {{40, 5}, 0x30000, MDIButtons::kNoPart},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.nPart, MDIButtons::HitTestPart(c.pt, 16, 14, c.dwStyle)) << c.pt.x << "," << c.pt.y;

    EXPECT_EQ(0xF020u, MDIButtons::SysCommand(MDIButtons::kMinimize));
    EXPECT_EQ(0xF120u, MDIButtons::SysCommand(MDIButtons::kRestore));
    EXPECT_EQ(0xF060u, MDIButtons::SysCommand(MDIButtons::kClose));
    EXPECT_EQ(0u, MDIButtons::SysCommand(MDIButtons::kNoPart));
    EXPECT_EQ(20, MDIButtons::ToolId(MDIButtons::kClose));
    EXPECT_EQ(-1, MDIButtons::ToolId(MDIButtons::kNoPart));
}

TEST(MDIButtons, CaptionButtonEndsTwoPixelsBeforeTheEnd)
{
    EXPECT_EQ(1024 - 2 - 50, MDIButtons::EndPlacement(300, 50, 1024));
    EXPECT_EQ(300, MDIButtons::EndPlacement(300, 50, 320)) << "never back over the buttons before it";
}
