// The Win32 port. Without a mapped port only the failure paths run; the
// driver wine-com-test.sh maps COM5 to a pseudo-terminal whose far end is
// an echo, sz or rz, and names the case to run.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "CPP_ALL/GFComStream.h"
#include "CPP_ALL/GFComWin32.h"
#include "CPP_ALL/GFZmodem.h"
#include "CPP_ALL/tests/LineStatusChecks.h"
#include "CPP_ALL/tests/TransferFixture.h"

namespace {

constexpr int kMissing = 59;  // COM60, never mapped

int MappedIndex() {
  const char* index = std::getenv("G7K_COM_INDEX");
  return index ? std::atoi(index) : -1;
}

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

TEST(ComWin32, MissingDeviceIsCouldNotOpen) {
  GFComWin32 port(kMissing, 4096, 4096);
  EXPECT_EQ(port.GetError(), GF_OPEN_FAILED);
  EXPECT_EQ(GFComLink::GetOpenCount(kMissing), 0u);
  GFComStream stream(&port);
  uint16_t flags;
  EXPECT_EQ(stream.GetLineFlags(flags), GF_OPEN_FAILED);
}

TEST(ComWin32, SystemErrorsMapToLibraryCodes) {
  struct {
    DWORD error;
    int code;
  } cases[] = {{ERROR_FILE_NOT_FOUND, GF_OPEN_FAILED}, {ERROR_ACCESS_DENIED, GF_OPEN_FAILED},
               {ERROR_SHARING_VIOLATION, GF_OPEN_FAILED}, {ERROR_NOT_ENOUGH_MEMORY, GF_NO_MEMORY},
               {ERROR_OPERATION_ABORTED, GF_TIMEOUT}, {ERROR_INVALID_PARAMETER, GF_GENERAL}};
  for (auto& c : cases) EXPECT_EQ(GFComWin32::MapSystemError(c.error), c.code) << c.error;
}

class MappedPort : public ::testing::Test {
 protected:
  void SetUp() override {
    if (MappedIndex() < 0 || Env("G7K_PEER") != peer) GTEST_SKIP() << "needs COM mapped to " << peer;
  }
  std::string peer;
};

class EchoPort : public MappedPort {
 protected:
  EchoPort() { peer = "echo"; }
};

TEST_F(EchoPort, OpensConfiguresAndEchoes) {
  GFComWin32 port(MappedIndex(), 4096, 4096);
  ASSERT_EQ(port.GetError(), 0);
  EXPECT_EQ(GFComLink::GetOpenCount(MappedIndex()), 1u);
  {
    GFComStream stream(&port);
    ASSERT_NE(stream.GetPortSettings(), nullptr);
    EXPECT_EQ(stream.GetPortSettings()->GetOldBaudRate(), 19200);
    EXPECT_EQ(stream.GetPortSettings()->SetBaudRate(115200), 0);
    EXPECT_EQ(port.SetParameters(9600, 'X', 8, 1), GF_BAD_PARITY);
    EXPECT_EQ(port.SetParameters(9600, 'N', 9, 1), GF_BAD_DATA_BITS);
    EXPECT_EQ(port.SetParameters(9600, 'N', 8, 3), GF_BAD_STOP_BITS);
    EXPECT_EQ(port.SetFlowControl(13, 0), GF_NOT_SUPPORTED);
    EXPECT_EQ(port.SetFlowControl(2, 0), GF_GENERAL);
    EXPECT_EQ(port.TakeError(), GF_BAD_INPUT_FLOW);
    EXPECT_EQ(port.SetLine(17, -1), 0);
    EXPECT_EQ(port.SetLine(99, -1), 2);
    EXPECT_EQ(port.ReadChar(), GF_TIMEOUT);

    EXPECT_EQ(stream.WriteString("VER", '!'), 4);
    char buffer[16];
    EXPECT_EQ(stream.ReadBuffer(buffer, 4, 3000), 4);
    EXPECT_STREQ(buffer, "VER!");
    EXPECT_EQ(stream.ReadChar(200), GF_TIMEOUT);
  }
  // A second object cannot open the port, and its failure leaves the
  // first one's port open and counted.
  {
    GFComWin32 second(MappedIndex(), 4096, 4096);
    EXPECT_EQ(second.GetError(), GF_ALREADY_OPEN);
  }
  EXPECT_EQ(GFComLink::GetOpenCount(MappedIndex()), 1u);
  {
    GFComWin32 attached(port);
    EXPECT_EQ(GFComLink::GetOpenCount(MappedIndex()), 2u);
  }
  EXPECT_EQ(GFComLink::GetOpenCount(MappedIndex()), 1u);
  EXPECT_EQ(port.WriteChar('x'), 0);
  GFComStream stream(&port);
  EXPECT_EQ(stream.ReadChar(3000), 'x');
}

TEST_F(EchoPort, LineStatusDrivesTheLines) {
  GFComWin32 port(MappedIndex(), 4096, 4096);
  ASSERT_EQ(port.GetError(), 0);
  ExpectLineStatusDrivesTheLines(port);
}

class SzPeer : public MappedPort {
 protected:
  SzPeer() { peer = "sz"; }
};

TEST_F(SzPeer, ReceivesWhatSzSends) {
  GFComWin32 port(MappedIndex(), 32768, 32768);
  ASSERT_EQ(port.GetError(), 0);
  GFComStream stream(&port);
  stream.GetPortSettings()->SetBaudRate(115200);
  RecordingMonitor monitor;
  GFZmodem z(&stream, &monitor);
  z.SetReceiveFolder(Env("G7K_RECV_DIR").c_str());
  z.SetReceiverResume(false);
  z.SetRetryLimit(50);
  EXPECT_EQ(z.Receive(0), 0);
  EXPECT_EQ(monitor.fileCount, std::atol(Env("G7K_FILES").c_str()));
}

class RzPeer : public MappedPort {
 protected:
  RzPeer() { peer = "rz"; }
};

TEST_F(RzPeer, RzReceivesWhatWeSend) {
  GFComWin32 port(MappedIndex(), 32768, 32768);
  ASSERT_EQ(port.GetError(), 0);
  GFComStream stream(&port);
  stream.GetPortSettings()->SetBaudRate(115200);
  RecordingMonitor monitor;
  GFZmodem z(&stream, &monitor);
  z.SetRetryLimit(50);
  EXPECT_EQ(z.Send(Env("G7K_SEND_SPEC").c_str()), 0);
  EXPECT_EQ(monitor.fileCount, std::atol(Env("G7K_FILES").c_str()));
}

}  // namespace
