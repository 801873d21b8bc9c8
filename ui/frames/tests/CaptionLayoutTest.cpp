#include "framework/Portable.h"
#include "ui/frames/CaptionLayout.h"

#include <gtest/gtest.h>

TEST(CaptionLayoutTest, GradientRunsFromBlackToTheCaptionColourInSixtyBands)
{
    DWORD crTo = CaptionRgb(0, 84, 227);
    std::vector<CaptionBand> bands = CaptionGradient(CRect(4, 4, 604, 22), CaptionRgb(0, 0, 0), crTo);
    ASSERT_EQ(60u, bands.size());
    EXPECT_EQ(CRect(4, 4, 15, 22), bands[0].rect) << "one pixel wider than its share";
    EXPECT_EQ(14, bands[1].rect.left);
    EXPECT_EQ(604, bands.back().rect.right);
    EXPECT_EQ(CaptionRgb(0, 0, 0), bands[0].colour);
    EXPECT_EQ(CaptionRgb(0, 41, 113), bands[30].colour);   // 84*256/60 = 358 per band; 227*256/60 = 968
    for (const CaptionBand& band : bands) {
        EXPECT_LE((band.colour >> 8) & 0xFF, 84u);
        EXPECT_LE((band.colour >> 16) & 0xFF, 227u);
    }
}

TEST(CaptionLayoutTest, NarrowOrEmptyGradient)
{
    std::vector<CaptionBand> bands = CaptionGradient(CRect(0, 0, 7, 10), CaptionRgb(255, 255, 255), CaptionRgb(0, 0, 0));
    ASSERT_EQ(7u, bands.size()) << "never more bands than pixels";
    EXPECT_EQ(7, bands.back().rect.right);
    EXPECT_GT(bands[0].colour, bands[6].colour) << "a falling gradient steps down";
    EXPECT_TRUE(CaptionGradient(CRect(0, 0, 0, 10), 0, 0xFFFFFF).empty());
}

TEST(CaptionLayoutTest, TitleSplitsAtTheFirstDash)
{
    struct Case {
        const char* title;
        const char* app;
        const char* doc;
    };
    const Case cases[] = {
        {"G7K - Survey-3.dcv", "G7K", "- Survey-3.dcv"},
        {"G7KWin  - Conv1", "G7KWin", "- Conv1"},
        {"G7K", "G7K", ""},
        {"-Untitled", "", "-Untitled"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        CaptionTitle title = SplitCaptionTitle(c.title);
        EXPECT_STREQ(c.app, title.strApp);
        EXPECT_STREQ(c.doc, title.strDoc);
    }
}

TEST(CaptionLayoutTest, CaptionLeavesRoomForTheButtons)
{
    CaptionFrameFacts facts;
    facts.window = CSize(600, 400);
    facts.bThickFrame = true;
    facts.sizingFrame = CSize(4, 4);
    facts.border = CSize(1, 1);
    facts.button = CSize(18, 18);
    facts.bSysMenu = true;
    facts.bMinimizeBox = facts.bMaximizeBox = facts.bCloseEnabled = true;
    EXPECT_EQ(CRect(4, 4, 596 - 3 * 18 - 1, 22), CaptionRect(facts));

    facts.bThickFrame = false;
    facts.bMinimizeBox = facts.bMaximizeBox = false;
    EXPECT_EQ(CRect(1, 2, 599 - 18, 20), CaptionRect(facts)) << "close only: no border width";

    facts.bSysMenu = false;
    facts.bMinimizeBox = true;
    EXPECT_EQ(CRect(1, 2, 599, 20), CaptionRect(facts)) << "buttons count only with a system menu";
}

TEST(CaptionLayoutTest, TextPlacement)
{
    CRect rcText(20, 0, 420, 18);
    CaptionTextPlace left = PlaceCaptionText(rcText, 100, 80, 20, 0);
    EXPECT_EQ(CRect(23, 0, 123, 18), left.rcApp);
    EXPECT_EQ(CRect(129, 0, 420, 18), left.rcDoc);

    CaptionTextPlace centred = PlaceCaptionText(rcText, 100, 80, 20, 1);
    int nLeft = 23 + (397 - 186) / 2;
    EXPECT_EQ(nLeft, centred.rcApp.left);
    EXPECT_EQ(nLeft + 106, centred.rcDoc.left);

    CaptionTextPlace right = PlaceCaptionText(rcText, 100, 80, 20, 2);
    EXPECT_EQ(420 - 186 - 1, right.rcApp.left);

    // Less room than the application part and "W...": the document part goes.
    CaptionTextPlace narrow = PlaceCaptionText(CRect(0, 0, 110, 18), 100, 80, 20, 1);
    EXPECT_TRUE(narrow.rcDoc.IsRectEmpty());
    EXPECT_EQ(CRect(6, 0, 106, 18), narrow.rcApp) << "the application part alone is centred";
    CaptionTextPlace tiny = PlaceCaptionText(CRect(0, 0, 50, 18), 100, 0, 20, 0);
    EXPECT_EQ(CRect(3, 0, 50, 18), tiny.rcApp) << "cut at the edge; the ellipsis shows the rest is missing";
}
