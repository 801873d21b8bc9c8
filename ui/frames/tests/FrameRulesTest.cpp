#include "framework/Portable.h"
#include "framework/BarStyles.h"
#include "ui/frames/FrameRules.h"

#include <gtest/gtest.h>

TEST(FrameRulesTest, DockLayoutModes)
{
    EXPECT_EQ(42u + 64u, DockLayoutModeForDockBar(AFX_IDW_DOCKBAR_TOP));
    EXPECT_EQ(42u + 64u, DockLayoutModeForDockBar(AFX_IDW_DOCKBAR_BOTTOM));
    EXPECT_EQ(16u + 64u, DockLayoutModeForDockBar(AFX_IDW_DOCKBAR_LEFT));
    EXPECT_EQ(16u + 64u, DockLayoutModeForDockBar(AFX_IDW_DOCKBAR_RIGHT));
    EXPECT_EQ(38u + 64u, DockLayoutModeForDockBar(AFX_IDW_DOCKBAR_FLOAT));

    EXPECT_EQ(38u + 64u, DockLayoutModeForBarStyle(CBRS_SIZE_DYNAMIC | CBRS_FLOATING | CBRS_ALIGN_TOP));
    EXPECT_EQ(42u + 64u, DockLayoutModeForBarStyle(CBRS_SIZE_DYNAMIC | CBRS_ALIGN_BOTTOM));
    EXPECT_EQ(16u + 64u, DockLayoutModeForBarStyle(CBRS_ALIGN_LEFT));
    EXPECT_EQ(16u + 64u, DockLayoutModeForBarStyle(CBRS_FLOATING));
}

TEST(FrameRulesTest, FloatingFrameStyle)
{
    EXPECT_EQ((DWORD)CBRS_ALIGN_TOP, FloatingFrameStyle(CBRS_ALIGN_TOP, CBRS_ALIGN_LEFT));
    EXPECT_EQ((DWORD)(CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC), FloatingFrameStyle(CBRS_ALIGN_LEFT, CBRS_SIZE_DYNAMIC));
    EXPECT_EQ((DWORD)CBRS_ALIGN_TOP, FloatingFrameStyle(CBRS_ALIGN_RIGHT, 0));
    EXPECT_EQ((DWORD)(CBRS_ALIGN_BOTTOM | CBRS_FLOAT_MULTI), FloatingFrameStyle(CBRS_ALIGN_BOTTOM | CBRS_FLOAT_MULTI, 0));
}

TEST(FrameRulesTest, MenuLookupOrder)
{
    struct Case
    {
        MenuLookupFacts facts;
        MenuLookup expected;
    };
    const Case cases[] = {
        {{true, true, true, true}, MenuLookup::MenuBarMenu},
        {{true, false, true, true}, MenuLookup::Template},
        {{false, true, true, false}, MenuLookup::Template},
        {{true, false, false, true}, MenuLookup::Extra},
        {{false, false, false, false}, MenuLookup::None},
        {{false, true, false, false}, MenuLookup::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, ChooseMenuLookup(c.facts));
}

TEST(FrameRulesTest, MenuBarFollowsTheActiveChild)
{
    EXPECT_EQ(130u, MenuBarIdOnMDIActivate(true, false, 130));
    EXPECT_EQ(kOwnMenuId, MenuBarIdOnMDIActivate(false, false, 130)) << "the last child went";
    EXPECT_EQ(0u, MenuBarIdOnMDIActivate(false, true, 130)) << "the next child switches itself";
    EXPECT_EQ(0u, MenuBarIdOnMDIActivate(true, false, 0)) << "a child without a menu-bar id";
}

TEST(FrameRulesTest, DefaultWindowMenuPosition)
{
    EXPECT_EQ(3, DefaultWindowMenuPosition(5));
    EXPECT_EQ(0, DefaultWindowMenuPosition(2));
    EXPECT_EQ(-1, DefaultWindowMenuPosition(1));
}
