// The link stream over a test port: timed reads, terminators, line flags.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <string>

#include "CPP_ALL/GFComStream.h"
#include "CPP_ALL/GFPlatform.h"
#include "CPP_ALL/tests/TestPorts.h"

namespace {

class ComStreamTest : public ::testing::Test {
 protected:
  std::string Sent() {
    std::string s;
    int c;
    while ((c = pair.b->ReadChar()) >= 0) s += char(c);
    return s;
  }
  MemoryPair pair = MakeMemoryPair();
  GFComStream stream{pair.a.get()};
};

TEST_F(ComStreamTest, OpensWithItsOwnLineSettings) {
  ASSERT_NE(stream.GetPortSettings(), nullptr);
  EXPECT_EQ(stream.GetPortSettings()->GetBaudRate(), 9600);
  EXPECT_EQ(stream.GetPortSettings()->GetOldBaudRate(), 19200);
  long baud;
  char parity;
  int data, stop;
  pair.a->GetParameters(baud, parity, data, stop);
  EXPECT_EQ(baud, 9600);
}

TEST_F(ComStreamTest, ReadCharTimesOutPollingTheIdleHook) {
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(stream.ReadChar(200), GF_TIMEOUT);
  auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_GE(elapsed, std::chrono::milliseconds(190));
  EXPECT_LT(elapsed, std::chrono::milliseconds(1000));
  EXPECT_GT(pair.a->idleCalls, 5);
  EXPECT_LT(pair.a->idleCalls, 100);  // blocks between polls, does not spin

  pair.a->idleCalls = 0;
  pair.b->WriteChar('x');
  EXPECT_EQ(stream.ReadChar(2000), 'x');
  EXPECT_EQ(pair.a->idleCalls, 0);
  EXPECT_EQ(stream.ReadChar(0), GF_TIMEOUT);
}

TEST_F(ComStreamTest, NegativeIdleResultEndsTheWait) {
  pair.a->idleResult = -901;
  EXPECT_EQ(stream.ReadChar(5000), -901);
  char buffer[8];
  EXPECT_EQ(stream.ReadBuffer(buffer, 4, 5000), -901);
}

TEST_F(ComStreamTest, WriteStringTerminators) {
  struct {
    int terminator;
    int result;
    std::string wire;
  } cases[] = {{'!', 4, "VER!"}, {-1, 3, "VER"}, {-2, 4, "VER\n"}, {-3, 5, "VER\r\n"}, {256, 0, ""}, {-4, 0, ""}};
  for (auto& c : cases) {
    EXPECT_EQ(stream.WriteString("VER", c.terminator), c.result) << c.terminator;
    EXPECT_EQ(Sent(), c.wire) << c.terminator;
  }
  EXPECT_EQ(stream.WriteString(nullptr, -1), 0);
  EXPECT_EQ(stream.Printf("DIR %s", "A:"), 6);
  EXPECT_EQ(Sent(), "DIR A:");
}

TEST_F(ComStreamTest, ReadBufferReturnsWhatArrived) {
  GFSetTimeScale(10);
  pair.b->WriteString("1234567");
  char buffer[10];
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(stream.ReadBuffer(buffer, 9, 3000), 7);
  EXPECT_STREQ(buffer, "1234567");
  EXPECT_EQ(stream.ReadBuffer(nullptr, 9, 3000), 0);
  pair.b->WriteString("OK\rrest");
  EXPECT_EQ(stream.ReadLine(buffer, 9, '\r', 1000), 3);
  EXPECT_STREQ(buffer, "OK\r");
  GFSetTimeScale(1);
}

TEST_F(ComStreamTest, PurgeDrainsAtMostTheCount) {
  pair.b->WriteString("12345");
  EXPECT_EQ(stream.Purge(3), GF_GENERAL);
  EXPECT_EQ(stream.InputCount(), 2);
  EXPECT_EQ(stream.Purge(3), 0);
  EXPECT_EQ(stream.InputCount(), 0);
}

TEST_F(ComStreamTest, LineFlagsReportThePendingError) {
  uint16_t flags = 99;
  pair.a->SetPending(GF_ALREADY_OPEN);
  EXPECT_EQ(stream.GetLineFlags(flags), GF_ALREADY_OPEN);
  EXPECT_EQ(flags, 0);
  EXPECT_EQ(pair.a->GetError(), 0);
  EXPECT_EQ(stream.GetLineFlags(flags), 0);
}

TEST(ComStream, PutsThePortsOwnSettingsBack) {
  MemoryPair pair = MakeMemoryPair();
  pair.a->SetParameters(19200, 'E', 7, 2);
  pair.a->SetFlowControl(GF_FLOW_XONXOFF, GF_FLOW_CTS);
  {
    GFComStream stream(pair.a.get());
    stream.GetPortSettings()->SetBaudRate(115200);
    stream.GetLineStatus()->SetFlowControl(GF_FLOW_DTR, GF_FLOW_DSR);
  }
  long baud;
  char parity;
  int data, stop, in, out;
  pair.a->GetParameters(baud, parity, data, stop);
  EXPECT_EQ(baud, 19200);
  EXPECT_EQ(parity, 'E');
  EXPECT_EQ(data * 10 + stop, 72);
  pair.a->GetFlowControl(in, out);
  EXPECT_EQ(in, GF_FLOW_XONXOFF);
  EXPECT_EQ(out, GF_FLOW_CTS);
}

TEST(ComStream, PortWithPendingErrorGetsNoRecords) {
  MemoryPair pair = MakeMemoryPair();
  pair.a->SetPending(GF_OPEN_FAILED);
  GFComStream stream(pair.a.get());
  EXPECT_EQ(stream.GetPortSettings(), nullptr);
  EXPECT_EQ(stream.GetLineStatus(), nullptr);
  uint16_t flags;
  EXPECT_EQ(stream.GetLineFlags(flags), GF_OPEN_FAILED);
}

}  // namespace
