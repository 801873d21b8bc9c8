// Button array edits (separator heights, dangling separators, selection
// that follows) and where a dropped button lands.
#include "ui/frames/ToolBarButtons.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::unique_ptr<SECBtnGeometry> MakeButton(UINT nID, bool bSeparator)
{
    auto p = std::make_unique<SECBtnGeometry>();
    p->m_nID = nID;
    if (bSeparator) {
        p->m_nStyle = TBBS_SEPARATOR_BIT;
        p->m_cx = 8;
    }
    return p;
}

// Ids by letter ('a' is 1), "|" a separator.
CToolBarButtons Make(const std::string& spec)
{
    CToolBarButtons buttons(MakeButton);
    for (char c : spec)
        buttons.Append(MakeButton(c == '|' ? 0 : (UINT)(c - 'a' + 1), c == '|'));
    return buttons;
}

std::string Spec(const CToolBarButtons& buttons)
{
    std::string s;
    for (int i = 0; i < buttons.GetCount(); ++i)
        s += buttons.At(i)->IsSeparator() ? '|' : (char)('a' + buttons.At(i)->m_nID - 1);
    return s;
}

TEST(ToolBarButtons, RemovingLeavesNoDanglingSeparator)
{
    struct Case
    {
        const char* before;
        int nIndex;
        const char* after;
        int nDeleted;
    } cases[] = {
        {"a|b|c", 2, "a|c", 2},   // two separators would meet
        {"a|bc", 0, "bc", 2},     // a leading separator
        {"ab|c", 3, "ab", 2},     // a trailing separator
        {"abc|", 1, "ac", 2},     // a trailing separator goes with any removal
        {"abc", 5, "abc", 0},
        {"abc", -1, "abc", 0},
    };
    for (const Case& c : cases) {
        CToolBarButtons buttons = Make(c.before);
        EXPECT_EQ(c.nDeleted, buttons.Remove(c.nIndex, 8)) << c.before;
        EXPECT_EQ(c.after, Spec(buttons)) << c.before;
    }
}

TEST(ToolBarButtons, SelectionAndHotFollowEdits)
{
    CToolBarButtons buttons = Make("a|b|c");
    buttons.m_nSelected = 4;
    buttons.m_nHot = 2;
    buttons.Remove(2, 8);              // b and one separator go
    EXPECT_EQ(2, buttons.m_nSelected);
    EXPECT_EQ(-1, buttons.m_nHot);
    buttons.Insert(0, 4, false);
    EXPECT_EQ("da|c", Spec(buttons));
    EXPECT_EQ(3, buttons.m_nSelected);
    EXPECT_EQ(4, buttons.Insert(99, 5, false));   // clamped to the end
}

TEST(ToolBarButtons, ReleasedButtonsLiveOnAndComeBack)
{
    CToolBarButtons buttons = Make("abc");
    buttons.m_nSelected = 2;
    std::unique_ptr<SECBtnGeometry> pB = buttons.Release(1);
    ASSERT_NE(nullptr, pB);
    EXPECT_EQ(2u, pB->m_nID);
    EXPECT_EQ("ac", Spec(buttons));
    EXPECT_EQ(1, buttons.m_nSelected) << "c moved down";
    EXPECT_EQ(nullptr, buttons.Release(5));
    EXPECT_EQ(0, buttons.Adopt(-3, std::move(pB)));
    EXPECT_EQ("bac", Spec(buttons));
    EXPECT_EQ(2, buttons.m_nSelected);
}

TEST(ToolBarButtons, SeparatorsTakeTheirRowsHeight)
{
    CToolBarButtons buttons([](UINT nID, bool bSeparator) {
        auto p = MakeButton(nID, bSeparator);
        if (nID == 9)
            p->m_cy = 30;
        return p;
    });
    for (char c : std::string("a|b"))
        buttons.Append(MakeButton(c == '|' ? 0 : 1, c == '|'));
    buttons.Insert(3, 9, false);
    EXPECT_EQ(30, buttons.At(1)->m_cy);
    buttons.Remove(3, 8);
    EXPECT_EQ(22, buttons.At(1)->m_cy);
    buttons.Insert(1, 0, true);
    EXPECT_EQ(22, buttons.At(1)->m_cy);
}

// Buttons 23 wide from x = 0 in one row; the drop rectangle is a button's size.
ToolBarDropInput DropAt(int x, int y, int nSelected = -1, bool bCopy = false)
{
    ToolBarDropInput in;
    in.rcInside = CRect(0, 0, 200, 22);
    in.rcDrop = CRect(x, y, x + 23, y + 22);
    in.nSelected = nSelected;
    in.bCopy = bCopy;
    return in;
}

void Place(CToolBarButtons& buttons)
{
    int x = 0;
    for (int i = 0; i < buttons.GetCount(); ++i) {
        buttons.At(i)->m_x = x;
        buttons.At(i)->m_y = 0;
        x += buttons.At(i)->m_cx;
    }
}

TEST(ToolBarButtons, DropPlans)
{
    struct Case
    {
        const char* bar;
        ToolBarDropInput in;
        ToolBarDropPlan::Action action;
        int nIndex, nSeparatorAt, nRemoveAt;
    } cases[] = {
        // 3 pixels right of a selected button after a normal one: separator on its left.
        {"abc", DropAt(23 + 3, 0, 1), ToolBarDropPlan::Nudge, 0, 1, -1},
        // Same after a separator: the separator after it goes.
        {"a|b|c", DropAt(31 + 3, 0, 2), ToolBarDropPlan::Nudge, 0, -1, 3},
        // 3 pixels left: the separator before it goes.
        {"a|bc", DropAt(31 - 3, 0, 2), ToolBarDropPlan::Nudge, 0, -1, 1},
        // 3 pixels left with no separator before: one after it.
        {"abc", DropAt(23 - 3, 0, 1), ToolBarDropPlan::Nudge, 0, 2, -1},
        // A 1-pixel wobble changes nothing.
        {"abc", DropAt(23 + 1, 0, 1), ToolBarDropPlan::None, 0, -1, -1},
        // The only button of the selecting bar.
        {"a", DropAt(10, 0, 0), ToolBarDropPlan::None, 0, -1, -1},
        // Copying never nudges.
        {"abc", DropAt(23 + 3, 0, 1, true), ToolBarDropPlan::Insert, 2, -1, -1},
        // Plain drops: index after the button whose end passes the left edge.
        {"abc", DropAt(50, 0), ToolBarDropPlan::Insert, 3, -1, -1},
        {"abc", DropAt(-30, 0), ToolBarDropPlan::Insert, 0, -1, -1},
        {"", DropAt(0, 0), ToolBarDropPlan::Insert, 0, -1, -1},
    };
    for (const Case& c : cases) {
        CToolBarButtons buttons = Make(c.bar);
        Place(buttons);
        const ToolBarDropPlan plan = PlanToolBarDrop(buttons, c.in);
        EXPECT_EQ(c.action, plan.action) << c.bar << " at " << c.in.rcDrop.left;
        if (c.action == ToolBarDropPlan::Insert) {
            EXPECT_EQ(c.nIndex, plan.nIndex) << c.bar << " at " << c.in.rcDrop.left;
        }
        EXPECT_EQ(c.nSeparatorAt, plan.nSeparatorAt) << c.bar << " at " << c.in.rcDrop.left;
        EXPECT_EQ(c.nRemoveAt, plan.nRemoveAt) << c.bar << " at " << c.in.rcDrop.left;
    }
}

TEST(ToolBarButtons, DropsAboveAndBelowTheBarAddASeparator)
{
    CToolBarButtons buttons = Make("ab");
    Place(buttons);
    const ToolBarDropPlan above = PlanToolBarDrop(buttons, DropAt(10, -30));
    EXPECT_TRUE(above.bSeparatorFirst);
    EXPECT_EQ(0, above.nIndex);
    const ToolBarDropPlan below = PlanToolBarDrop(buttons, DropAt(10, 30));
    EXPECT_TRUE(below.bSeparatorLast);
    EXPECT_EQ(3, below.nIndex);
}

} // namespace
