// Interoperation with lrzsz over a pseudo-terminal: sz sends to our
// receiver, rz receives from our sender.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "CPP_ALL/GFZmodem.h"
#include "CPP_ALL/tests/LineRelay.h"
#include "CPP_ALL/tests/TestPorts.h"
#include "CPP_ALL/tests/TransferFixture.h"

namespace {

using Clock = fs::file_time_type::clock;

struct Local {
  std::string content;
  int ageHours;  // local copy's age; the offered file is 24 h old
};

class LrzszTest : public ::testing::Test {
 protected:
  // sz with `options` sends `names` from `out` to our receiver.
  int ReceiveFromSz(const std::vector<std::string>& options, const std::vector<std::string>& names,
                    bool receiverResume = false) {
    std::vector<std::string> argv = {"sz"};
    argv.insert(argv.end(), options.begin(), options.end());
    argv.insert(argv.end(), names.begin(), names.end());
    PtyPeer peer;
    EXPECT_TRUE(peer.Start(argv, out.path.string(), (logs / "sz.log").string()));
    FdPort port(peer.Master());
    GFComStream stream(&port);
    GFZmodem z(&stream, &monitor);
    z.SetReceiveFolder(in.path.string().c_str());
    z.SetReceiverResume(receiverResume);
    int rc = z.Receive(0);
    peerExit = peer.Wait(5000);
    return rc;
  }

  // Our sender sends `spec` to rz running in `in`.
  int SendToRz(const std::string& spec) {
    PtyPeer peer;
    EXPECT_TRUE(peer.Start({"rz", "-y"}, in.path.string(), (logs / "rz.log").string()));
    FdPort port(peer.Master());
    GFComStream stream(&port);
    GFZmodem z(&stream, &monitor);
    int rc = z.Send(spec.c_str());
    peerExit = peer.Wait(5000);
    if (getenv("GF_TRACE")) {
      for (auto& m : monitor.messages) printf("us: %s\n", m.c_str());
      printf("rz log: %s\n", ReadFile(logs / "rz.log").c_str());
    }
    return rc;
  }

  TempFolder out{"sz"}, in{"rz"}, logs{"log"};
  RecordingMonitor monitor;
  int peerExit = -2;
};

TEST_F(LrzszTest, OurReceiverTakesWhatSzSends) {
  struct Case {
    const char* name;
    std::vector<std::string> files;
    size_t size;
  } cases[] = {
      {"small", {"small.dat"}, 100},
      {"empty", {"empty.dat"}, 0},
      {"1 MiB random", {"big.bin"}, 1 << 20},
      {"blanks in the name", {"name with spaces.g7k"}, 5000},
      {"batch", {"one.dat", "two.dat", "three.dat"}, 20000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (size_t i = 0; i < c.files.size(); ++i) WriteFile(out / c.files[i], RandomBytes(c.size + i, uint32_t(i)));
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ReceiveFromSz({}, c.files), 0);
    EXPECT_EQ(peerExit, 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    for (const std::string& f : c.files) EXPECT_TRUE(SameBytes(ReadFile(in / f), ReadFile(out / f))) << f;
  }
}

// sz's management options against a file our side already has.
TEST_F(LrzszTest, ManagementOptionsOfSz) {
  std::string offered = RandomBytes(30000, 9);
  struct Case {
    const char* name;
    std::vector<std::string> options;
    Local local;
    std::string expected;
  } cases[] = {
      {"-r resumes", {"-r"}, {offered.substr(0, 12000), 48}, offered},
      {"-y replaces", {"-y"}, {"old", 1}, offered},
      {"-p protects", {"-p"}, {"old", 48}, "old"},
      {"-n keeps a newer local file", {"-n"}, {"old", 1}, "old"},
      {"-n replaces an older local file", {"-n"}, {"old", 48}, offered},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteFile(out / "f.dat", offered);
    fs::last_write_time(out / "f.dat", Clock::now() - std::chrono::hours(24));
    WriteFile(in / "f.dat", c.local.content);
    fs::last_write_time(in / "f.dat", Clock::now() - std::chrono::hours(c.local.ageHours));
    EXPECT_EQ(ReceiveFromSz(c.options, {"f.dat"}), 0);
    EXPECT_TRUE(SameBytes(ReadFile(in / "f.dat"), c.expected));
  }
}

TEST_F(LrzszTest, RzReceivesWhatWeSend) {
  struct Case {
    const char* name;
    std::vector<std::string> files;
    size_t size;
  } cases[] = {
      {"small", {"small.dat"}, 333},
      {"1 MiB random", {"big.bin"}, 1 << 20},
      {"batch with blanks", {"a b.dat", "c.dat"}, 70000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string spec;
    for (size_t i = 0; i < c.files.size(); ++i) {
      WriteFile(out / c.files[i], RandomBytes(c.size + i, uint32_t(i + 40)));
      spec += (i ? ";" : "") + (out / c.files[i]).string();
    }
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(SendToRz(spec), 0);
    EXPECT_EQ(peerExit, 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    for (const std::string& f : c.files) EXPECT_TRUE(SameBytes(ReadFile(in / f), ReadFile(out / f))) << f;
  }
}

TEST_F(LrzszTest, CancelWhileSendingToRz) {
  WriteFile(out / "big.bin", RandomBytes(4 << 20, 1));
  monitor.abortAfter = 200000;
  EXPECT_EQ(SendToRz((out / "big.bin").string()), GF_USER_ABORT);
  EXPECT_NE(peerExit, -1);  // rz ended on its own
}

TEST_F(LrzszTest, CancelWhileReceivingFromSz) {
  WriteFile(out / "big.bin", RandomBytes(4 << 20, 2));
  monitor.abortAfter = 200000;
  EXPECT_EQ(ReceiveFromSz({}, {"big.bin"}), GF_USER_ABORT);
  EXPECT_NE(peerExit, -1);  // sz ended on its own
  EXPECT_NE(peerExit, 0);
}

// Through a relay that paces, delays and damages bytes (fixed seeds; a
// faster pace and small files than the field's): a damaged line completes
// both ways, a dead one ends both sides with a code within the silence
// limit and leaves no file behind on our side. Never a wrong file as done.
TEST_F(LrzszTest, RelayedLineDamagedOrCut) {
  WriteFile(out / "f.bin", RandomBytes(48 * 1024, 77));
  struct Case {
    const char* name;
    bool send;
    LineShape shape;
  } cases[] = {
      {"to rz, 0.03% damage", true, {115200, 2, 0.0003, 1, -1}},
      {"from sz, 0.03% damage", false, {115200, 2, 0.0003, 2, -1}},
      {"to rz, cut", true, {115200, 2, 0, 3, 20000}},
      {"from sz, cut", false, {115200, 2, 0, 4, 20000}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::path to = in / c.name;
    fs::create_directories(to);
    bool cut = c.shape.cutAfter >= 0;
    auto setup = [&](GFZmodem& z) {
      z.SetRetryLimit(500);
      if (cut) z.SetSilenceLimit(3000);
    };
    RelayRun r = c.send ? OursToRz("f.bin", out.path.string(), to.string(), c.shape, cut ? 100 : 20000, setup)
                        : SzToOurs("f.bin", out.path.string(), to.string(), c.shape, cut ? 100 : 20000, setup);
    if (r.ours == 0) {
      EXPECT_TRUE(r.same);
    }
    if (!cut) {
      EXPECT_EQ(r.ours, 0);
      EXPECT_EQ(r.peer, 0);
      EXPECT_LT(r.oursSeconds, 60);
      continue;
    }
    EXPECT_THAT(r.ours, testing::AnyOf(GF_TRANSFER_TIMEOUT, GF_REMOTE_CANCEL));
    EXPECT_LT(r.oursSeconds, 3 + 10);
    if (!c.send) {
      EXPECT_FALSE(fs::exists(to / "f.bin"));
      EXPECT_FALSE(r.strays);
    }
  }
}

// A slow line: at 2400 baud one subpacket takes longer to leave than a
// fast line's waits for an answer, and a window takes 17 s.
// Both ways complete on a clean line, with nothing sent twice.
TEST_F(LrzszTest, SlowLineBothWays) {
  std::string data = RandomBytes(1500, 78);
  WriteFile(out / "f.bin", data);
  LineShape shape = LineShape{}.AtBaud(2400);
  RelayRun runs[2];
  std::thread sending([&] {
    fs::create_directories(in / "to rz");
    runs[0] = OursToRz("f.bin", out.path.string(), (in / "to rz").string(), shape, 20000);
  });
  fs::create_directories(in / "from sz");
  runs[1] = SzToOurs("f.bin", out.path.string(), (in / "from sz").string(), shape, 20000);
  sending.join();
  for (const RelayRun& r : runs) {
    EXPECT_EQ(r.ours, 0);
    EXPECT_EQ(r.peer, 0);
    EXPECT_TRUE(r.same);
    EXPECT_LT(r.dataWay, long(data.size()) + 200);
  }
}

}  // namespace
