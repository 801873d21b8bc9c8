// The line clock: when written bytes will have left a port at its pace.
#include <gtest/gtest.h>

#include "CPP_ALL/GFLineClock.h"

namespace {

TEST(GFLineClock, BytesLeaveAtTheLinesPace) {
  struct Step {
    const char* what;
    char op;  // w(rite) n at t, p(urge) at t, r(eceived) offset n at t
    long n;
    uint32_t t;
    uint32_t drainedAt;
  } steps[] = {
      {"an idle line starts at once", 'w', 1200, 1000, 2000},
      {"a busy one queues behind", 'w', 600, 1500, 2500},
      {"after going idle it starts anew", 'w', 120, 4000, 4100},
      {"a purge drops what is queued", 'p', 0, 4050, 4050},
      {"a second after a purge", 'w', 1200, 5000, 6000},
      {"the far end had half of it sooner: the rest goes from then", 'r', 1920 + 600, 5200, 5700},
  };
  GFLineClock clock;
  clock.SetRate(1200);
  for (const Step& s : steps) {
    SCOPED_TRACE(s.what);
    if (s.op == 'w') clock.Wrote(s.n, s.t);
    if (s.op == 'p') clock.Purged(s.t);
    if (s.op == 'r') clock.Received(s.n, s.t);
    EXPECT_EQ(clock.DrainedAt(), s.drainedAt);
  }
}

TEST(GFLineClock, SlowerPaceOfTheFarEndsAnswersWins) {
  GFLineClock clock;
  clock.SetRate(1000);
  clock.Wrote(3000, 0);
  // 1,000 bytes a second apart: the line is as fast as its speed says.
  clock.Received(1000, 1000);
  clock.Received(2000, 2000);
  EXPECT_EQ(clock.Rate(), 1000);
  // 1,000 bytes in 4 s: a slower line than the port's speed.
  clock.Received(3000, 6000);
  EXPECT_EQ(clock.Rate(), 625);
  EXPECT_EQ(clock.TimeFor(625), 1000u);
}

}  // namespace
