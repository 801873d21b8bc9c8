// The progress display follows a loop at most once an interval, whatever
// the loop's step count.
#include "framework/Portable.h"
#include "framework/ProgressThrottle.h"

#include <gtest/gtest.h>

namespace {

struct Move {
    DWORD dwNow;
    int nSetPos;  // -1: a step
    BOOL bShown;
    int nPos;
};

TEST(ProgressThrottleTest, ShowsAtMostOnceAnInterval)
{
    const Move moves[] = {
        {1000, -1, FALSE, 3},   // just begun
        {1049, -1, FALSE, 5},
        {1050, -1, TRUE, 7},    // an interval after the start
        {1051, 20, FALSE, 20},
        {1099, -1, FALSE, 22},
        {1100, 30, TRUE, 30},
        {1400, -1, TRUE, 32},   // a slow item shows at once
        {1401, -1, FALSE, 34},
    };
    ProgressThrottle throttle;
    throttle.Begin(1, 2, 1000);
    for (const Move& move : moves) {
        const BOOL bShown =
            move.nSetPos < 0 ? throttle.Step(move.dwNow) : throttle.SetPos(move.nSetPos, move.dwNow);
        EXPECT_EQ(move.bShown, bShown) << move.dwNow;
        EXPECT_EQ(move.nPos, throttle.GetPos()) << move.dwNow;
    }
}

TEST(ProgressThrottleTest, AHundredThousandStepsInASecondShowTwentyTimes)
{
    ProgressThrottle throttle;
    throttle.Begin(0, 1, 0xFFFFFE00u);  // across the tick count's wrap
    int nShown = 0;
    for (int i = 0; i < 100000; ++i)
        nShown += throttle.Step(0xFFFFFE00u + static_cast<DWORD>(i / 100));
    EXPECT_EQ(19, nShown);  // at 50, 100, ..., 950 ms
    EXPECT_EQ(100000, throttle.GetPos());
}

} // namespace
