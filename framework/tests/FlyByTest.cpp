#include "framework/FlyBy.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// One event and the step it must give: 'm' a move, 'w' the wait over, 'c' a
// check with the status line still ours, 'x' one after another text took
// it, 's' fly-by stopped.
struct Event
{
    char kind;
    int nHit;
    int nShow;
    bool bRestore;
    CFlyBy::Timer timer;
};

constexpr auto K = CFlyBy::timerKeep;
constexpr auto S = CFlyBy::timerStop;
constexpr auto W = CFlyBy::timerWait;
constexpr auto C = CFlyBy::timerCheck;

void Play(const std::vector<Event>& events)
{
    CFlyBy flyBy;
    int n = 0;
    for (const Event& e : events) {
        CFlyBy::Step step;
        switch (e.kind) {
        case 'm': step = flyBy.OnMove(e.nHit); break;
        case 'w': step = flyBy.OnWaitElapsed(e.nHit); break;
        case 'c': step = flyBy.OnCheck(e.nHit, true); break;
        case 'x': step = flyBy.OnCheck(e.nHit, false); break;
        default: step = flyBy.Stop(); break;
        }
        SCOPED_TRACE("event " + std::to_string(n++) + " " + e.kind);
        EXPECT_EQ(e.nShow, step.nShow);
        EXPECT_EQ(e.bRestore, step.bRestore);
        EXPECT_EQ(e.timer, step.timer);
    }
}

} // namespace

TEST(FlyBy, FirstPromptWaitsThenFollowsTheMouseAndIdleComesBackOffTheButtons)
{
    Play({
        {'m', 0, 0, false, K},         // over the bar's face: nothing
        {'m', 101, 0, false, W},       // a button: wait first
        {'m', 101, 0, false, K},       // resting: the wait goes on
        {'w', 101, 101, false, C},     // still there: its prompt, then checks
        {'m', 102, 102, false, K},     // the next button shows at once
        {'m', -1, 0, false, K},        // a gap between buttons keeps the text
        {'c', 102, 0, false, K},
        {'c', 103, 103, false, K},     // moved without a move reaching the bar
        {'c', 0, 0, true, S},          // left: the idle text comes back
        {'c', 0, 0, false, S},
    });
}

TEST(FlyBy, NoPromptWhenTheMouseMovesOnBeforeTheWaitIsOver)
{
    Play({
        {'m', 101, 0, false, W},
        {'m', 102, 0, false, W},       // another button starts the wait again
        {'m', 0, 0, false, S},         // off the buttons: no wait
        {'m', 101, 0, false, W},
        {'w', 0, 0, false, S},         // gone when the wait ended: nothing shown
        {'c', 0, 0, false, S},
    });
}

TEST(FlyBy, AnotherTextOnTheStatusLineIsLeftAlone)
{
    Play({
        {'m', 101, 0, false, W},
        {'w', 101, 101, false, C},
        {'x', 0, 0, false, S},         // a pressed button or a menu took it
        {'m', 101, 0, false, W},       // back over the button: a new wait
        {'w', 101, 101, false, C},
        {'s', 0, 0, true, S},          // style cleared while shown
        {'s', 0, 0, false, S},
    });
}
