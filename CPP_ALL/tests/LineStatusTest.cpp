// The line-status record: driving DTR, RTS and break, a timed break and
// the flow-control modes, on a pseudo-terminal and on the fake ports.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>
#endif

#include "CPP_ALL/GFLineStatus.h"
#include "CPP_ALL/GFPlatform.h"
#include "CPP_ALL/tests/LineStatusChecks.h"
#include "CPP_ALL/tests/TestPorts.h"

namespace {

#ifndef _WIN32
// Both ends of a fresh pseudo-terminal, closed on the way out.
struct Pty {
  Pty() {
    master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0)
      slave = ::open(::ptsname(master), O_RDWR | O_NOCTTY);
  }
  ~Pty() {
    if (slave >= 0) ::close(slave);
    if (master >= 0) ::close(master);
  }
  int master = -1, slave = -1;
};

TEST(LineStatus, DrivesTheLinesOfAPseudoTerminal) {
  Pty pty;
  ASSERT_GE(pty.slave, 0);
  FdPort port(pty.slave);
  ExpectLineStatusDrivesTheLines(port);
}

TEST(LineStatus, BreakRefusedByAPortIsNotKept) {
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  {
    FdPort port(fds[1]);  // a pipe is no terminal: the break is refused
    GFLineStatus lines(&port);
    EXPECT_EQ(lines.SetBreak(1), GF_BREAK_FAILED);
    EXPECT_EQ(lines.Field(GF_LINE_BREAK), 0);
    EXPECT_EQ(lines.SendBreak(5000), GF_BREAK_FAILED);  // at once, not after the wait
    EXPECT_EQ(lines.SetDTR(0), 0);  // the other lines are not affected
  }
  ::close(fds[0]);
  ::close(fds[1]);
}
#endif

TEST(LineStatus, NegativeIdleResultEndsTheBreakAtOnce) {
  auto pair = MakeMemoryPair();
  pair.a->idleResult = GF_USER_ABORT;
  GFLineStatus lines(pair.a.get());
  uint32_t start = GFTickCount();
  EXPECT_EQ(lines.SendBreak(30000), GF_USER_ABORT);
  EXPECT_LT(GFTickCount() - start, 5000u);
  EXPECT_EQ(pair.a->idleCalls, 1);
  EXPECT_EQ(pair.a->SetBreak(-1), 0);  // cleared all the same
  EXPECT_EQ(lines.Field(GF_LINE_BREAK), 0);
}

TEST(LineStatus, SettingALineKeepsTheOtherFieldsOfTheSnapshot) {
  auto pair = MakeMemoryPair();
  GFLineStatus lines(pair.a.get());
  ASSERT_EQ(lines.Refresh(), 0);
  uint32_t before = lines.GetPacked();
  EXPECT_EQ(lines.SetRTS(0), 0);
  EXPECT_EQ(lines.GetPacked(), before & ~(3u << 2));  // RTS is the second field
  EXPECT_EQ(lines.SetRTS(1), 1);
  EXPECT_EQ(lines.GetPacked(), before);
}

TEST(LineStatus, WithoutAPortEveryOperationFails) {
  GFLineStatus lines(nullptr);
  int in = 0, out = 0;
  EXPECT_EQ(lines.GetFlowControl(in, out), GF_GENERAL);
  EXPECT_EQ(lines.SetDTR(1), GF_GENERAL);
  EXPECT_EQ(lines.SetRTS(1), GF_GENERAL);
  EXPECT_EQ(lines.SetBreak(1), GF_GENERAL);
  EXPECT_EQ(lines.SendBreak(10), GF_GENERAL);
}

}  // namespace
