// Our sender against our receiver over the in-memory line: contents, batches,
// resume and file management, cancels, and a relay that damages bytes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <functional>
#include <thread>

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#endif

#include "CPP_ALL/GFPlatform.h"
#include "CPP_ALL/GFPortSettings.h"
#include "CPP_ALL/GFZmodem.h"
#include "CPP_ALL/tests/TestPorts.h"
#include "CPP_ALL/tests/TransferFixture.h"

namespace {

// ZRINIT flags of a receiver driven by hand: full duplex, CRC-32.
const uint8_t kHandReceiverFlags[4] = {0, 0, 0, GFZmodem::CANFDX | GFZmodem::CANFC32};

struct Side {
  std::function<void(GFZmodem&)> setup;
  RecordingMonitor monitor;
  int result = 1;
};

class ZmodemTest : public ::testing::Test {
 protected:
  void SetUp() override { GFSetTimeScale(20); }
  void TearDown() override { GFSetTimeScale(1); }

  // The in-memory line has no pace of its own: the sides take it for the
  // fastest of the program's speeds.
  static void FastLine(GFComStream& stream) { stream.GetPortSettings()->SetBaudRate(115200); }

  // Runs our sender on `spec` against our receiver into `in`.
  void Run(const std::string& spec) {
    auto body = [&](GFComLink* port, Side& side, bool send) {
      GFComStream stream(port);
      FastLine(stream);
      GFZmodem z(&stream, &side.monitor);
      if (!send) z.SetReceiveFolder(in.path.string().c_str());
      z.SetRetryLimit(50);
      if (side.setup) side.setup(z);
      if (getenv("GF_TRACE")) side.monitor.keep = true;
      side.result = send ? z.Send(spec.c_str()) : z.Receive(0);
    };
    std::thread receiver(body, pair.b.get(), std::ref(rx), false);
    body(pair.a.get(), tx, true);
    receiver.join();
    if (getenv("GF_TRACE")) {
      for (auto& m : tx.monitor.messages) printf("tx: %s\n", m.c_str());
      for (auto& m : rx.monitor.messages) printf("rx: %s\n", m.c_str());
    }
  }

  // Starts our sender of `file` in a thread of its own.
  std::thread StartSender(const fs::path& file) {
    return std::thread([this, file] {
      GFComStream stream(pair.a.get());
      FastLine(stream);
      GFZmodem z(&stream, &tx.monitor);
      tx.result = z.Send(file.string().c_str());
    });
  }

  // Starts our receiver into `in` in a thread of its own, `setup` applied.
  std::thread StartReceiver(std::function<void(GFZmodem&)> setup = nullptr) {
    return std::thread([this, setup] {
      GFComStream stream(pair.b.get());
      FastLine(stream);
      GFZmodem z(&stream, &rx.monitor);
      z.SetReceiveFolder(in.path.string().c_str());
      if (setup) setup(z);
      rx.result = z.Receive(0);
    });
  }

  TempFolder out{"out"}, in{"in"};
  MemoryPair pair = MakeMemoryPair();
  Side tx, rx;
};

TEST_F(ZmodemTest, FilesArriveByteIdenticalWithTheirTimes) {
  struct Case {
    size_t size;
    bool streaming;
  } cases[] = {{0, true}, {1, true}, {1024, true}, {1025, true}, {70000, true}, {5000, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size);
    std::string data = RandomBytes(c.size, uint32_t(c.size));
    WriteFile(out / "file.bin", data);
    auto when = fs::file_time_type::clock::now() - std::chrono::hours(30 * 24);
    fs::last_write_time(out / "file.bin", when);
    fs::remove(in / "file.bin");
    pair = MakeMemoryPair();
    tx.setup = [&](GFZmodem& z) { z.SetStreaming(c.streaming); };
    Run((out / "file.bin").string());
    EXPECT_EQ(tx.result, 0);
    EXPECT_EQ(rx.result, 0);
    EXPECT_TRUE(SameBytes(ReadFile(in / "file.bin"), data));
    auto delta = fs::last_write_time(in / "file.bin") - when;
    EXPECT_LT(std::chrono::abs(delta), std::chrono::seconds(2));
  }
}

TEST_F(ZmodemTest, BatchWithBlanksInNames) {
  std::vector<std::string> names = {"first file.dat", "second.dat", "third one.g7k"};
  std::string spec;
  for (size_t i = 0; i < names.size(); ++i) {
    WriteFile(out / names[i], RandomBytes(3000 + 100 * i, uint32_t(i)));
    spec += (i ? ";" : "") + (out / names[i]).string();
  }
  Run(spec);
  EXPECT_EQ(tx.result, 0);
  EXPECT_EQ(rx.result, 0);
  EXPECT_EQ(tx.monitor.fileCount, 3);
  for (const std::string& name : names) EXPECT_TRUE(SameBytes(ReadFile(in / name), ReadFile(out / name))) << name;
}

TEST_F(ZmodemTest, NothingToSendEndsCleanly) {
  Run((out / "none*.dat").string());
  EXPECT_EQ(tx.result, GF_NO_FILES_SENT);
  EXPECT_EQ(rx.result, 0);
}

// What the receiver does with a file it already has.
TEST_F(ZmodemTest, ExistingFiles) {
  std::string data = RandomBytes(9000, 7);
  struct Case {
    const char* name;
    std::string local;
    int management;  // option of SetFileManagement, 0 none
    bool requestResume;
    bool receiverResume;
    std::string expected;
    long bytesSent;  // data the sender had to send
  } cases[] = {
      {"resume a partial file", data.substr(0, 4000), 0, false, true, data, 5000},
      {"resume on request", data.substr(0, 4000), 0, true, false, data, 5000},
      {"complete file skipped", data, 0, false, true, data, 0},
      {"replace", "old contents", 3, false, false, data, 9000},
      {"protect keeps the file", "old contents", 5, false, true, "old contents", 0},
      {"protect wins over resume", data.substr(0, 10), 5, true, true, data.substr(0, 10), 0},
      {"no option, no resume: replaced", std::string(20000, 'x'), 0, false, false, data, 9000},
      {"append", "head", 2, false, false, "head" + data, 9000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteFile(out / "f.dat", data);
    WriteFile(in / "f.dat", c.local);
    pair = MakeMemoryPair();
    tx.setup = [&](GFZmodem& z) {
      if (c.management) z.SetFileManagement(c.management);
      z.SetRequestResume(c.requestResume);
    };
    rx.setup = [&](GFZmodem& z) { z.SetReceiverResume(c.receiverResume); };
    Run((out / "f.dat").string());
    EXPECT_EQ(rx.result, 0);
    EXPECT_EQ(tx.result, c.bytesSent == 0 ? GF_NO_FILES_SENT : 0);
    EXPECT_TRUE(SameBytes(ReadFile(in / "f.dat"), c.expected));
    if (c.bytesSent > 0) {
      EXPECT_GE(pair.a->bytesWritten, c.bytesSent);
      EXPECT_LT(pair.a->bytesWritten, c.bytesSent + 2000);
    }
  }
}

TEST_F(ZmodemTest, CancelFromEitherSide) {
  WriteFile(out / "big.bin", RandomBytes(200000, 3));
  struct Case {
    const char* name;
    bool senderAborts;
  } cases[] = {{"sender aborts", true}, {"receiver aborts", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    pair = MakeMemoryPair();
    tx.monitor.abortAfter = c.senderAborts ? 50000 : -1;
    rx.monitor.abortAfter = c.senderAborts ? -1 : 50000;
    auto start = std::chrono::steady_clock::now();
    Run((out / "big.bin").string());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(c.senderAborts ? tx.result : rx.result, GF_USER_ABORT);
    EXPECT_EQ(c.senderAborts ? rx.result : tx.result, GF_REMOTE_CANCEL);
  }
}

// A relay that corrupts, drops or duplicates bytes: the file arrives whole
// or the transfer fails with a code; it never reports a wrong file as done.
TEST_F(ZmodemTest, DamagedLine) {
  std::string data = RandomBytes(60000, 11);
  WriteFile(out / "noisy.bin", data);
  struct Case {
    const char* name;
    Faults faults;
  } cases[] = {
      {"corrupt", {0.0002, 0, 0, 1}},
      {"drop", {0, 0.0002, 0, 2}},
      {"duplicate", {0, 0, 0.0002, 3}},
      {"all three", {0.0001, 0.0001, 0.0001, 4}},
      {"hopeless", {0.003, 0.003, 0.003, 5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove(in / "noisy.bin");
    pair = MakeMemoryPair();
    pair.a->OutPipe().SetFaults(c.faults);
    Faults back = c.faults;
    back.seed += 100;
    pair.b->OutPipe().SetFaults(back);
    bool hopeless = std::string(c.name) == "hopeless";
    // The silence limit has tests of its own; scaled, it is short enough
    // for a loaded machine to reach here.
    tx.setup = rx.setup = [&](GFZmodem& z) {
      z.SetRetryLimit(hopeless ? 10 : 50);
      z.SetSilenceLimit(3600000);
    };
    tx.monitor.keep = rx.monitor.keep = false;
    Run((out / "noisy.bin").string());
    EXPECT_GT(pair.a->OutPipe().Damaged(), 0);
    if (rx.result == 0) {
      EXPECT_TRUE(SameBytes(ReadFile(in / "noisy.bin"), data));
    } else {
      EXPECT_LT(rx.result, 0);
    }
    if (!hopeless) {
      EXPECT_EQ(rx.result, 0);
      EXPECT_EQ(tx.result, 0);
    }
  }
}

TEST_F(ZmodemTest, DeadLineFailsWithACode) {
  WriteFile(out / "f.bin", RandomBytes(100000, 5));
  pair.a->OutPipe().Cut();
  tx.setup = rx.setup = [](GFZmodem& z) { z.SetRetryLimit(4); };
  Run((out / "f.bin").string());
  // Whichever side runs out of retries first cancels and the other hears
  // the cancel; which one that is depends on scheduling, not on the code.
  const auto gaveUpOrHeardCancel = testing::AnyOf(GF_TOO_MANY_ERRORS, GF_REMOTE_CANCEL);
  EXPECT_THAT(rx.result, gaveUpOrHeardCancel);
  EXPECT_THAT(tx.result, gaveUpOrHeardCancel);
  EXPECT_TRUE(rx.result == GF_TOO_MANY_ERRORS || tx.result == GF_TOO_MANY_ERRORS);
}

// A line that goes silent ends the receive by itself: nobody has to abort.
// Before the first file the retries end it; in the middle of one silence is
// not counted (a sender may pause), so the silence limit ends it.
TEST_F(ZmodemTest, ReceiverGivesUpOnASilentLine) {
  GFSetTimeScale(200);
  WriteFile(out / "f.bin", RandomBytes(100000, 7));
  // Cuts the sender's line once `cutAt` bytes are in. Its abort is only a
  // backstop that turns a receiver waiting forever into a failure.
  struct CuttingMonitor : RecordingMonitor {
    int QueryAbort() override {
      if (line && bytesDone >= cutAt) line->Cut();
      return std::chrono::steady_clock::now() > backstop ? GF_USER_ABORT : 0;
    }
    MemoryPipe* line = nullptr;
    long cutAt = 0;
    std::chrono::steady_clock::time_point backstop = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  };
  for (long cutAt : {0L, 40000L}) {
    SCOPED_TRACE(cutAt);
    pair = MakeMemoryPair();
    CuttingMonitor monitor;
    monitor.line = &pair.a->OutPipe();
    monitor.cutAt = cutAt;
    // A loaded machine may call the monitor late: the pipe cuts by itself
    // well before the end of the file.
    if (cutAt > 0) pair.a->OutPipe().CutAfter(cutAt + 20000);
    monitor.keep = false;
    int result = 1;
    auto start = std::chrono::steady_clock::now();
    std::thread receiver([&] {
      GFComStream stream(pair.b.get());
      GFZmodem z(&stream, &monitor);
      z.SetReceiveFolder(in.path.string().c_str());
      z.SetRetryLimit(4);
      // Before the file the retries end it, not the silence limit (the
      // scaled waits last longer than they say).
      z.SetSilenceLimit(cutAt > 0 ? 20000 : 3600000);
      result = z.Receive(0);
    });
    if (cutAt > 0) {
      GFComStream stream(pair.a.get());
      FastLine(stream);
      GFZmodem z(&stream, &tx.monitor);
      z.SetRetryLimit(4);
      tx.monitor.keep = false;
      tx.result = z.Send((out / "f.bin").string().c_str());
    }
    receiver.join();
    if (cutAt > 0) {
      EXPECT_EQ(result, GF_TRANSFER_TIMEOUT);
      EXPECT_LT(monitor.retryCount, 4);
    } else {
      EXPECT_EQ(result, GF_TOO_MANY_ERRORS);
      EXPECT_GE(monitor.retryCount, 4);
    }
    EXPECT_GE(monitor.bytesDone, cutAt);
    EXPECT_LT(monitor.bytesDone, 100000);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
  }
}

TEST_F(ZmodemTest, OfferedFoldersAreDropped) {
  // Offer a name that climbs out of the folder; only the plain name lands.
  fs::create_directories(out / "sub");
  WriteFile(out / "sub" / "x.dat", "payload");
  tx.setup = [&](GFZmodem& z) { z.SetStripPath(false); };
  Run((out / "sub" / "x.dat").string());
  EXPECT_EQ(rx.result, 0);
  EXPECT_TRUE(SameBytes(ReadFile(in / "x.dat"), "payload"));
  EXPECT_FALSE(fs::exists(in / "sub"));
}

// A receiver that answers ZEOF with ZRPOS gets the data again from there;
// the sender does not report success on a short file.
TEST_F(ZmodemTest, SenderHonoursZrposAfterZeof) {
  std::string data = RandomBytes(3000, 21);
  WriteFile(out / "f.dat", data);
  std::thread sender = StartSender(out / "f.dat");
  // The far end, driven by hand through the frame layer.
  GFComStream stream(pair.b.get());
  RecordingMonitor monitor;
  GFZmodem d(&stream, &monitor);
  auto position = [](long pos) {
    static uint8_t p[4];
    for (int i = 0; i < 4; ++i) p[i] = uint8_t(pos >> (8 * i));
    return p;
  };
  // Reads one data frame; returns its start and appends its payload.
  auto frame = [&](std::string& got, long base) {
    EXPECT_EQ(d.ReadFrameHeader(false), GFZmodem::ZDATA);
    long start = d.HeaderPosition();
    for (int end = 0; end != GFZmodem::ZCRCW && end != GFZmodem::ZCRCE;) {
      end = d.ReadDataSubpacket();
      if (end < 0) break;
      got.append(reinterpret_cast<char*>(d.DataBuffer()), size_t(monitor.subpacketBytes));
    }
    d.SendHexHeader(GFZmodem::ZACK, position(base + long(got.size())));
    return start;
  };
  EXPECT_EQ(d.ReadFrameHeader(false), GFZmodem::ZRQINIT);
  d.SendHexHeader(GFZmodem::ZRINIT, position(long(GFZmodem::CANFDX) << 24));
  int type;
  while ((type = d.ReadFrameHeader(false)) == GFZmodem::ZRQINIT) {
  }
  ASSERT_EQ(type, GFZmodem::ZFILE);
  ASSERT_EQ(d.ReadDataSubpacket(), GFZmodem::ZCRCW);
  d.SendHexHeader(GFZmodem::ZRPOS, position(0));
  std::string first;
  EXPECT_EQ(frame(first, 0), 0);
  while (first.size() < data.size()) frame(first, 0);
  EXPECT_TRUE(SameBytes(first, data));
  EXPECT_EQ(d.ReadFrameHeader(false), GFZmodem::ZEOF);
  d.SendHexHeader(GFZmodem::ZRPOS, position(1000));
  std::string again;
  EXPECT_EQ(frame(again, 1000), 1000);
  while (1000 + again.size() < data.size()) frame(again, 1000);
  EXPECT_TRUE(SameBytes(again, data.substr(1000)));
  EXPECT_EQ(d.ReadFrameHeader(false), GFZmodem::ZEOF);
  d.SendHexHeader(GFZmodem::ZRINIT, position(long(GFZmodem::CANFDX) << 24));
  EXPECT_EQ(d.ReadFrameHeader(false), GFZmodem::ZFIN);
  d.SendHexHeader(GFZmodem::ZFIN, position(0));
  sender.join();
  EXPECT_EQ(tx.result, 0);
  EXPECT_EQ(tx.monitor.fileCount, 1);
}

// The receiver's answer to a ZFILE for a file it has: where it asks the data
// to start, or ZSKIP.
TEST_F(ZmodemTest, AnswerToAnOfferedFileItHas) {
  struct Case {
    const char* name;
    uint8_t zf1;
    bool receiverResume;
    long offered;  // the local file has 12 bytes
    int answer;
    long position;
  } cases[] = {
      {"unknown option replaces a longer file", 8, true, 5, GFZmodem::ZRPOS, 0},
      {"protect skips", 7, true, 100, GFZmodem::ZSKIP, 0},
      {"protect with the skip-missing bit", 0x87, false, 100, GFZmodem::ZSKIP, 0},
      {"append asks for all of it", 3, false, 100, GFZmodem::ZRPOS, 0},
      {"resume continues", 0, true, 100, GFZmodem::ZRPOS, 12},
      {"no option, no resume: replaced", 0, false, 100, GFZmodem::ZRPOS, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteFile(in / "have.dat", "old contents");
    pair = MakeMemoryPair();
    std::thread receiver = StartReceiver([&](GFZmodem& z) {
      z.SetReceiverResume(c.receiverResume);
    });
    GFComStream stream(pair.a.get());
    RecordingMonitor monitor;
    GFZmodem d(&stream, &monitor);
    EXPECT_EQ(d.ReadFrameHeader(false), GFZmodem::ZRINIT);
    const uint8_t options[4] = {0, 0, c.zf1, 0};
    std::string info = GFZmodem::FileInfo("have.dat", c.offered, 0);
    std::memcpy(d.DataBuffer(), info.data(), info.size());
    d.SendBinaryHeader(GFZmodem::ZFILE, options);
    d.SendDataSubpacket(int(info.size()), GFZmodem::ZCRCW);
    EXPECT_EQ(d.ReadFrameHeader(false), c.answer);
    if (c.answer == GFZmodem::ZRPOS) {
      EXPECT_EQ(d.HeaderPosition(), c.position);
    }
    d.WriteBuffer("\x18\x18\x18\x18\x18\x18\x18\x18", 8);
    receiver.join();
    EXPECT_EQ(rx.result, GF_REMOTE_CANCEL);
    if (c.answer == GFZmodem::ZSKIP) {
      EXPECT_EQ(ReadFile(in / "have.dat"), "old contents");
    }
  }
}

// The receiver's side of a sender's greeting, by hand: true once the file
// offer has come whole.
bool TakeOffer(GFZmodem& d) {
  EXPECT_EQ(d.ReadFrameHeader(false), GFZmodem::ZRQINIT);
  d.SendHexHeader(GFZmodem::ZRINIT, kHandReceiverFlags);
  int type;
  while ((type = d.ReadFrameHeader(false)) == GFZmodem::ZRQINIT) {
  }
  return type == GFZmodem::ZFILE && d.ReadDataSubpacket() == GFZmodem::ZCRCW;
}

// The far end of our receiver, a sender driven by hand through the frame
// layer: it offers a file and sends data frames, good or damaged.
class HandSender {
 public:
  explicit HandSender(GFComLink* port) : m_stream(port), m_d(&m_stream, &m_monitor) {
    m_d.SetPeerFlags(GFZmodem::CANFDX | GFZmodem::CANFC32);
  }
  static const uint8_t* At(long pos) {
    static uint8_t p[4];
    for (int i = 0; i < 4; ++i) p[i] = uint8_t(pos >> (8 * i));
    return p;
  }
  void Offer(const char* name, long size) {
    EXPECT_EQ(m_d.ReadFrameHeader(false), GFZmodem::ZRINIT);
    std::string info = GFZmodem::FileInfo(name, size, 0);
    std::memcpy(m_d.DataBuffer(), info.data(), info.size());
    m_d.SendBinaryHeader(GFZmodem::ZFILE, At(0));
    m_d.SendDataSubpacket(int(info.size()), GFZmodem::ZCRCW);
  }
  // The next header that is not an acknowledgement; the position it asks.
  long Request() {
    int type;
    while ((type = m_d.ReadFrameHeader(false)) == GFZmodem::ZACK) {
    }
    EXPECT_EQ(type, GFZmodem::ZRPOS);
    return m_d.HeaderPosition();
  }
  // The next header, which should be an acknowledgement; its position.
  long Acknowledged() {
    EXPECT_EQ(m_d.ReadFrameHeader(false), GFZmodem::ZACK);
    return m_d.HeaderPosition();
  }
  void Frame(long pos) { m_d.SendBinaryHeader(GFZmodem::ZDATA, At(pos)); }
  void Subpacket(const std::string& data, int end) {
    std::memcpy(m_d.DataBuffer(), data.data(), data.size());
    m_d.SendDataSubpacket(int(data.size()), end);
  }
  // A subpacket whose CRC does not match.
  void Damaged() { m_d.WriteBuffer("damaged\x18i\x01\x02\x03\x04", 12); }
  void Raw(const std::string& bytes) { m_d.WriteBuffer(bytes.data(), int(bytes.size())); }
  void End(long size) {
    m_d.SendBinaryHeader(GFZmodem::ZEOF, At(size));
    EXPECT_EQ(m_d.ReadFrameHeader(false), GFZmodem::ZRINIT);
    m_d.SendHexHeader(GFZmodem::ZFIN, At(0));
    EXPECT_EQ(m_d.ReadFrameHeader(false), GFZmodem::ZFIN);
    m_d.WriteBuffer("OO", 2);
  }

 private:
  RecordingMonitor m_monitor;
  GFComStream m_stream;
  GFZmodem m_d;
};

// Our sender against a receiver driven by hand through the frame layer.
class ZmodemHandReceiverTest : public ZmodemTest {
 protected:
  // Starts our sender of `data` as f.dat in a thread of its own.
  std::thread StartSenderOf(const std::string& data) {
    WriteFile(out / "f.dat", data);
    return StartSender(out / "f.dat");
  }

  GFComStream stream{pair.b.get()};
  RecordingMonitor monitor;
  GFZmodem d{&stream, &monitor};
};

// After one damaged subpacket, the data already on its way (and stray pad
// and escape bytes in it) is one error, not one per burst of it.
TEST_F(ZmodemTest, StaleDataAfterOneErrorIsOneError) {
  std::string data = RandomBytes(2048, 31);
  std::thread receiver = StartReceiver([&](GFZmodem& z) {
    z.SetRetryLimit(2);
  });
  HandSender far(pair.a.get());
  far.Offer("f.dat", long(data.size()));
  EXPECT_EQ(far.Request(), 0);
  far.Frame(0);
  far.Damaged();
  // What the sender had sent before it heard the request: 8 KiB of data
  // with pads and escapes in it.
  std::string stale = RandomBytes(8192, 32);
  for (size_t i = 0; i < stale.size(); i += 700) stale.replace(i, 2, "*\x18");
  far.Raw(stale);
  EXPECT_EQ(far.Request(), 0);
  far.Frame(0);
  far.Subpacket(data.substr(0, 1024), GFZmodem::ZCRCG);
  far.Subpacket(data.substr(1024), GFZmodem::ZCRCE);
  far.End(long(data.size()));
  receiver.join();
  EXPECT_EQ(rx.result, 0);
  EXPECT_TRUE(SameBytes(ReadFile(in / "f.dat"), data));
}

// The retry limit counts errors in a row: errors with new data between them
// never end a transfer, the same number without it does.
TEST_F(ZmodemTest, RetryLimitCountsErrorsWithoutProgress) {
  std::string data = RandomBytes(1024, 34);
  std::thread receiver = StartReceiver([&](GFZmodem& z) {
    z.SetRetryLimit(3);
  });
  HandSender far(pair.a.get());
  far.Offer("f.dat", 4096);
  EXPECT_EQ(far.Request(), 0);
  // On a loaded machine the receiver may also ask after a silence (not
  // counted): an earlier place asked for again is passed over.
  auto requestFor = [&](long want) {
    long got = far.Request();
    for (int i = 0; i < 3 && got < want; ++i) got = far.Request();
    return got;
  };
  long pos = 0;
  for (int chunk = 0; chunk < 4; ++chunk, pos += 256) {
    for (int error = 0; error < 2; ++error) {
      far.Frame(pos);
      far.Damaged();
      EXPECT_EQ(requestFor(pos), pos) << chunk;
    }
    far.Frame(pos);
    far.Subpacket(data.substr(size_t(pos), 256), GFZmodem::ZCRCE);
  }
  for (int error = 0; error < 3; ++error) {
    far.Frame(pos);
    far.Damaged();
    if (error < 2) {
      EXPECT_EQ(requestFor(pos), pos);
    }
  }
  receiver.join();
  EXPECT_EQ(rx.result, GF_TOO_MANY_ERRORS);
  EXPECT_EQ(rx.monitor.bytesDone, 1024);
}

// A position request that gets lost: the receiver asks again soon when the
// sender goes on from the wrong place or falls silent, long before its
// ten-second header wait.
TEST_F(ZmodemTest, LostPositionRequestIsRepeatedPromptly) {
  std::string data = RandomBytes(3072, 33);
  std::thread receiver = StartReceiver();
  HandSender far(pair.a.get());
  far.Offer("f.dat", long(data.size()));
  EXPECT_EQ(far.Request(), 0);
  far.Frame(0);
  far.Subpacket(data.substr(0, 1024), GFZmodem::ZCRCQ);
  far.Damaged();
  EXPECT_EQ(far.Request(), 1024);  // this one is "lost"
  for (int frame = 0; frame < 2; ++frame) {
    // The sender, not having heard it, goes on with new frames.
    uint32_t start = GFTickCount();
    far.Frame(2048 + 1024 * frame);
    far.Subpacket(data.substr(2048, 1024), GFZmodem::ZCRCW);
    EXPECT_EQ(far.Request(), 1024);
    EXPECT_LT(GFTickCount() - start, 4000u) << frame;
  }
  far.Frame(1024);
  far.Subpacket(data.substr(1024, 1024), GFZmodem::ZCRCG);
  far.Subpacket(data.substr(2048), GFZmodem::ZCRCE);
  far.End(long(data.size()));
  receiver.join();
  EXPECT_EQ(rx.result, 0);
  EXPECT_TRUE(SameBytes(ReadFile(in / "f.dat"), data));
}

// With a retry limit that would take hours, a line that goes dead or only
// carries noise still ends both sides once nothing valid came for the
// silence limit; a file not received whole is neither left under its name
// nor dated, and a file it would replace is kept.
TEST_F(ZmodemTest, SilenceLimitEndsADeadLine) {
  GFSetTimeScale(200);
  std::string data = RandomBytes(100000, 9);
  WriteFile(out / "f.bin", data);
  struct Case {
    const char* name;
    Faults faults;
    const char* local;  // the receiver's copy, if any
  } cases[] = {
      {"cut", {}, nullptr},
      {"noise only", {0.5, 0, 0, 7}, nullptr},
      {"cut, a copy to replace", {}, "old copy"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(in.path);
    fs::create_directories(in.path);
    if (c.local) WriteFile(in / "f.bin", c.local);
    pair = MakeMemoryPair();
    // The line dies once 40,000 bytes are through.
    struct CuttingMonitor : RecordingMonitor {
      int QueryAbort() override {
        if (bytesDone >= 40000) {
          if (faults.corrupt > 0) line->SetFaults(faults);
          else line->Cut();
        }
        return 0;
      }
      MemoryPipe* line = nullptr;
      Faults faults;
    };
    CuttingMonitor cutter;
    cutter.line = &pair.a->OutPipe();
    cutter.faults = c.faults;
    cutter.keep = false;
    tx.monitor.keep = rx.monitor.keep = false;
    auto start = std::chrono::steady_clock::now();
    std::thread receiver = StartReceiver([&](GFZmodem& z) {
      z.SetReceiverResume(false);
      z.SetRetryLimit(500);
      z.SetSilenceLimit(20000);
    });
    GFComStream stream(pair.a.get());
    GFZmodem z(&stream, &cutter);
    z.SetRetryLimit(500);
    z.SetSilenceLimit(20000);
    tx.result = z.Send((out / "f.bin").string().c_str());
    receiver.join();
    // 20 s plus the last wait, at 200 times the speed.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    const auto timedOutOrHeardCancel = testing::AnyOf(GF_TRANSFER_TIMEOUT, GF_REMOTE_CANCEL);
    EXPECT_THAT(rx.result, timedOutOrHeardCancel);
    EXPECT_THAT(tx.result, timedOutOrHeardCancel);
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(in.path)) names.push_back(entry.path().filename().string());
    if (c.local) {
      EXPECT_THAT(names, testing::ElementsAre("f.bin"));
      EXPECT_EQ(ReadFile(in / "f.bin"), c.local);
    } else {
      EXPECT_THAT(names, testing::IsEmpty());
    }
  }
}

#ifndef _WIN32
// Received data reaches the file in batches: a batch the disk refuses ends
// the transfer with the write error and leaves no file behind.
TEST_F(ZmodemTest, RefusedWriteEndsTheTransferWithoutAFile) {
  std::string data = RandomBytes(100000, 13);
  WriteFile(out / "f.bin", data);
  rlimit old{};
  ::getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 40000;  // the disk is full after 40,000 bytes
  void (*oldHandler)(int) = ::signal(SIGXFSZ, SIG_IGN);
  ::setrlimit(RLIMIT_FSIZE, &small);
  Run((out / "f.bin").string());
  ::setrlimit(RLIMIT_FSIZE, &old);
  ::signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(rx.result, GF_FILE_WRITE);
  EXPECT_LT(tx.result, 0);
  EXPECT_TRUE(fs::is_empty(in.path));
}
#endif

// A resumed file that fails again keeps what arrived for the next try, but
// not the sender's time, which would make it look complete.
TEST_F(ZmodemTest, FailedResumeKeepsThePartUndated) {
  std::string data = RandomBytes(100000, 12);
  WriteFile(out / "f.bin", data);
  WriteFile(in / "f.bin", data.substr(0, 10000));
  auto before = fs::last_write_time(in / "f.bin");
  fs::last_write_time(out / "f.bin", before - std::chrono::hours(48));
  rx.setup = [](GFZmodem& z) { z.SetReceiverResume(true); };
  rx.monitor.abortAfter = 50000;
  Run((out / "f.bin").string());
  EXPECT_EQ(rx.result, GF_USER_ABORT);
  std::string part = ReadFile(in / "f.bin");
  EXPECT_GE(part.size(), 50000u);
  EXPECT_TRUE(SameBytes(part, data.substr(0, part.size())));
  EXPECT_GE(fs::last_write_time(in / "f.bin"), before);
}

// Acknowledgements come back while the sender goes on: one data frame
// carries the whole file on a clean line, not one frame per window.
TEST_F(ZmodemTest, SlidingWindowKeepsOneFrame) {
  std::string data = RandomBytes(200000, 41);
  WriteFile(out / "f.bin", data);
  Run((out / "f.bin").string());
  EXPECT_EQ(rx.result, 0);
  EXPECT_TRUE(SameBytes(ReadFile(in / "f.bin"), data));
  int frames = 0;
  for (const std::string& m : rx.monitor.messages) frames += m.find("NEW BYTE COUNT") == 0;
  EXPECT_EQ(frames, 1);
}

// The sender's subpackets suit the good run between repositionings: long
// before any damage, smaller as damage comes closer together, down to 32
// bytes (a request repeated for the same place is no new damage), and
// larger again over a clean stretch.
TEST_F(ZmodemHandReceiverTest, SubpacketsShrinkOnErrorsAndGrowBack) {
  std::thread sender = StartSenderOf(RandomBytes(300000, 42));
  const uint8_t* (*at)(long) = HandSender::At;
  ASSERT_TRUE(TakeOffer(d));
  // Asks for `pos` and returns the sizes of the first `count` subpackets
  // of the frame that answers, acknowledging each.
  auto sizes = [&](long pos, int count, int requests = 1, int firstAckDelayMs = 0) {
    for (int i = 0; i < requests; ++i) d.SendHexHeader(GFZmodem::ZRPOS, at(pos));
    std::vector<long> got;
    while (d.ReadFrameHeader(false) != GFZmodem::ZDATA || d.HeaderPosition() != pos) {
    }
    for (int i = 0; i < count; ++i) {
      if (d.ReadDataSubpacket() < 0) break;
      got.push_back(monitor.subpacketBytes);
      pos += monitor.subpacketBytes;
      if (i == 0) std::this_thread::sleep_for(std::chrono::milliseconds(firstAckDelayMs));
      d.SendHexHeader(GFZmodem::ZACK, at(pos));
    }
    return got;
  };
  // A slow first acknowledgement gives the sender a long answer time, so
  // that a loaded machine can't make the repeat below look like new damage.
  EXPECT_THAT(sizes(0, 2, 1, 400), testing::ElementsAre(1024, 1024));
  // 22,000 good bytes: 512 (6 x 22,000 is just over 2 x 256 squared); the
  // same place asked for twice at once counts once, or it would be 256.
  EXPECT_THAT(sizes(22000, 1, 2), testing::ElementsAre(512));
  EXPECT_THAT(sizes(22001, 1), testing::ElementsAre(256));
  for (int i = 0; i < 20; ++i) sizes(22002 + i, 1);
  std::vector<long> run = sizes(22030, 200);
  ASSERT_EQ(run.size(), 200u);
  EXPECT_EQ(run[0], 32);
  EXPECT_TRUE(std::is_sorted(run.begin(), run.end()));
  EXPECT_GE(run.back(), 256);
  d.WriteBuffer("\x18\x18\x18\x18\x18\x18\x18\x18", 8);
  sender.join();
  EXPECT_EQ(tx.result, GF_REMOTE_CANCEL);
}

// The sender's window: a frame's first subpacket asks for an acknowledgement
// at once, then one in every half window; when they stop coming the sender
// goes back to the last acknowledged place with a new frame, and a ZEOF
// that gets no answer is sent again.
TEST_F(ZmodemHandReceiverTest, SenderAsksEveryHalfWindowAndGoesBackWhenAcknowledgementsStop) {
  std::thread sender = StartSenderOf(RandomBytes(6000, 43));
  d.SetRetryLimit(1000);  // skipped data counts as header errors here
  const uint8_t* (*at)(long) = HandSender::At;
  ASSERT_TRUE(TakeOffer(d));
  d.SendHexHeader(GFZmodem::ZRPOS, at(0));
  ASSERT_EQ(d.ReadFrameHeader(false), GFZmodem::ZDATA);
  EXPECT_EQ(d.HeaderPosition(), 0);
  // Only the first acknowledgement is given.
  std::vector<int> ends;
  for (int end = 0; end != GFZmodem::ZCRCE && ends.size() < 10;) {
    end = d.ReadDataSubpacket();
    ASSERT_GE(end, 0);
    ends.push_back(end);
    if (ends.size() == 1) d.SendHexHeader(GFZmodem::ZACK, at(1024));
  }
  const int Q = GFZmodem::ZCRCQ, G = GFZmodem::ZCRCG, E = GFZmodem::ZCRCE;
  EXPECT_THAT(ends, testing::ElementsAre(Q, G, Q, G, Q, E));
  ASSERT_EQ(d.ReadFrameHeader(false), GFZmodem::ZDATA);
  EXPECT_EQ(d.HeaderPosition(), 1024);
  // The rest from near the end; the ZEOF is not answered the first time.
  d.SendHexHeader(GFZmodem::ZRPOS, at(5990));
  while (d.ReadFrameHeader(false) != GFZmodem::ZDATA || d.HeaderPosition() != 5990) {
  }
  ASSERT_EQ(d.ReadDataSubpacket(), GFZmodem::ZCRCW);
  d.SendHexHeader(GFZmodem::ZACK, at(6000));
  EXPECT_EQ(d.ReadFrameHeader(false), GFZmodem::ZEOF);
  EXPECT_EQ(d.ReadFrameHeader(false), GFZmodem::ZEOF);
  d.SendHexHeader(GFZmodem::ZRINIT, kHandReceiverFlags);
  EXPECT_EQ(d.ReadFrameHeader(false), GFZmodem::ZFIN);
  d.SendHexHeader(GFZmodem::ZFIN, at(0));
  sender.join();
  EXPECT_EQ(tx.result, 0);
  EXPECT_TRUE(tx.monitor.Saw("SendFileData: no answer, sending again from 1024"));
}

// A purge can cut the sender's output just after an escape, which some
// receivers then join to the next byte: a frame sent after a purge brings
// a spare pad, so that such an escape takes the spare and not the header's.
TEST_F(ZmodemHandReceiverTest, FrameAfterAPurgeBringsASparePad) {
  std::thread sender = StartSenderOf(RandomBytes(20000, 46));
  ASSERT_TRUE(TakeOffer(d));
  // What came before the ZDATA header for `pos`, or "" when none came.
  auto beforeFrame = [&](long pos) {
    d.SendHexHeader(GFZmodem::ZRPOS, HandSender::At(pos));
    std::string header = {char(GFZmodem::ZDLE), char(GFZmodem::ZBIN32), char(GFZmodem::ZDATA)};
    header.append(reinterpret_cast<const char*>(HandSender::At(pos)), 4);
    std::string seen;
    while (seen.size() < 100000) {
      int c = stream.ReadChar(2000);
      if (c < 0) return std::string();
      seen += char(c);
      size_t start = seen.size() - std::min(seen.size(), header.size());
      if (seen.compare(start, std::string::npos, header) == 0) return seen.substr(0, start);
    }
    return std::string();
  };
  // The first frame answers the offer: nothing was cut before it.
  EXPECT_NE(beforeFrame(0), "");
  for (long pos : {512L, 3000L}) {
    std::string before = beforeFrame(pos);
    ASSERT_GE(before.size(), 2u) << pos;
    EXPECT_EQ(before.substr(before.size() - 2), "**") << pos;
  }
  d.WriteBuffer("\x18\x18\x18\x18\x18\x18\x18\x18", 8);
  sender.join();
  EXPECT_EQ(tx.result, GF_REMOTE_CANCEL);
}

// A line on which every frame is asked for again gets nowhere: the sender
// ends with an error once a period with setbacks has brought too little,
// whatever its retry limit, instead of crawling on.
TEST_F(ZmodemHandReceiverTest, SenderEndsOnALineTooNoisyToGetOn) {
  WriteFile(out / "f.dat", RandomBytes(20000, 47));
  std::atomic<bool> done{false};
  std::thread sender([&] {
    GFComStream stream(pair.a.get());
    FastLine(stream);
    GFZmodem z(&stream, &tx.monitor);
    z.SetRetryLimit(1000000);
    tx.result = z.Send((out / "f.dat").string().c_str());
    done = true;
  });
  d.SetRetryLimit(1000000);
  ASSERT_TRUE(TakeOffer(d));
  // Ten times the period, or the sender crawls on and is cancelled.
  for (int i = 0; i < 1000 && !done; ++i) {
    d.SendHexHeader(GFZmodem::ZRPOS, HandSender::At(0));
    d.ReadFrameHeader(true);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  if (!done) d.WriteBuffer("\x18\x18\x18\x18\x18\x18\x18\x18", 8);
  sender.join();
  EXPECT_EQ(tx.result, GF_TOO_MANY_ERRORS);
  EXPECT_TRUE(tx.monitor.Saw("The line is too noisy: 0 bytes in 30 s"));
}

// A go-back while our output is still leaving can cut a subpacket the
// receiver is reading: the frame after it ends that subpacket first, so
// that its header is not read as the subpacket's data.
TEST_F(ZmodemHandReceiverTest, FrameAfterACutEndsTheCutSubpacket) {
  WriteFile(out / "f.dat", RandomBytes(4000, 48));
  std::thread sender([&] {
    GFComStream stream(pair.a.get());
    // Slow enough that the frame is still leaving when the sender goes back.
    stream.GetPortSettings()->SetBaudRate(1200);
    GFZmodem z(&stream, &tx.monitor);
    tx.result = z.Send((out / "f.dat").string().c_str());
  });
  ASSERT_TRUE(TakeOffer(d));
  d.SendHexHeader(GFZmodem::ZRPOS, HandSender::At(0));
  ASSERT_EQ(d.ReadFrameHeader(false), GFZmodem::ZDATA);
  // A damaged header, which may have been a request: the sender goes back.
  d.WriteBuffer("**\x18" "B0900000bb0ffff\r\n", 18);
  std::string header = {char(GFZmodem::ZDLE), char(GFZmodem::ZBIN32), char(GFZmodem::ZDATA)};
  header.append(reinterpret_cast<const char*>(HandSender::At(0)), 4);
  std::string seen;
  while (seen.size() < 100000 && seen.find(header) == std::string::npos) {
    int c = stream.ReadChar(2000);
    if (c < 0) break;
    seen += char(c);
  }
  size_t at = seen.find(header);
  ASSERT_NE(at, std::string::npos);
  ASSERT_GE(at, 8u);
  EXPECT_EQ(seen.substr(at - 8, 8), "\x18hxxxx**");
  d.WriteBuffer("\x18\x18\x18\x18\x18\x18\x18\x18", 8);
  sender.join();
  EXPECT_EQ(tx.result, GF_REMOTE_CANCEL);
}

// A damaged answer to the last subpacket may have been a request: the sender
// sends again what was not acknowledged instead of a ZEOF, which a receiver
// short of the end would ignore; an acknowledgement short of the end does
// not end the file either.
TEST_F(ZmodemHandReceiverTest, SenderGoesBackWhenTheEndIsNotAcknowledged) {
  std::thread sender = StartSenderOf(RandomBytes(3000, 45));
  const uint8_t* (*at)(long) = HandSender::At;
  ASSERT_TRUE(TakeOffer(d));
  // Reads one frame at `pos` to its end, acknowledging only `ackAt`; -1 when
  // something else comes first.
  auto frame = [&](long pos, long ackAt) {
    int header;
    while ((header = d.ReadFrameHeader(false)) == GFZmodem::ZDATA && d.HeaderPosition() != pos) {
    }
    if (header != GFZmodem::ZDATA) return -1;
    int end = 0;
    while (end != GFZmodem::ZCRCW && end >= 0) {
      end = d.ReadDataSubpacket();
      pos += monitor.subpacketBytes;
      if (pos == ackAt) d.SendHexHeader(GFZmodem::ZACK, at(pos));
    }
    return end;
  };
  d.SendHexHeader(GFZmodem::ZRPOS, at(0));
  ASSERT_EQ(frame(0, 1024), GFZmodem::ZCRCW);
  // A ZRPOS whose check fails.
  d.WriteBuffer("**\x18" "B0900000bb0ffff\r\n", 18);
  ASSERT_EQ(frame(1024, -1), GFZmodem::ZCRCW);
  // Only part acknowledged: no ZEOF, the rest again once no more comes.
  d.SendHexHeader(GFZmodem::ZACK, at(2048));
  ASSERT_EQ(frame(2048, 3000), GFZmodem::ZCRCW);
  // On a loaded machine our acknowledgement may come late enough for the
  // sender to send the end once more.
  int type;
  while ((type = d.ReadFrameHeader(false)) == GFZmodem::ZDATA) {
  }
  EXPECT_EQ(type, GFZmodem::ZEOF);
  d.SendHexHeader(GFZmodem::ZRINIT, kHandReceiverFlags);
  EXPECT_EQ(d.ReadFrameHeader(false), GFZmodem::ZFIN);
  d.SendHexHeader(GFZmodem::ZFIN, at(0));
  sender.join();
  EXPECT_EQ(tx.result, 0);
}

// Data that was on its way when the receiver asked is not asked about
// again; more garbage than the sender could still have had in hand is.
TEST_F(ZmodemTest, ReceiverAsksAgainOnlyBeyondWhatTheSenderHadInHand) {
  std::string data = RandomBytes(1024, 44);
  std::thread receiver = StartReceiver();
  HandSender far(pair.a.get());
  far.Offer("f.dat", long(data.size()));
  EXPECT_EQ(far.Request(), 0);
  far.Frame(0);
  far.Damaged();
  EXPECT_EQ(far.Request(), 0);
  std::string noise(3000, 'x');
  far.Raw(noise);
  far.Frame(0);
  far.Subpacket(data.substr(0, 512), GFZmodem::ZCRCQ);
  // The acknowledgement, not another request, follows the stale data.
  EXPECT_EQ(far.Acknowledged(), 512);
  far.Damaged();
  EXPECT_EQ(far.Request(), 512);
  uint32_t start = GFTickCount();
  far.Raw(std::string(GFZmodem::kWindow + 4 * GFZmodem::kDataSize, 'x'));
  EXPECT_EQ(far.Request(), 512);
  // Sooner than the silence that would have made it ask anyway.
  EXPECT_LT(GFTickCount() - start, 2000u);
  far.Frame(512);
  far.Subpacket(data.substr(512), GFZmodem::ZCRCE);
  far.End(long(data.size()));
  receiver.join();
  EXPECT_EQ(rx.result, 0);
  EXPECT_TRUE(SameBytes(ReadFile(in / "f.dat"), data));
}

// The receiver's choice for an offered file, from what it knows alone.
TEST(ZmodemReceiveAction, DecidedFromTheFacts) {
  using A = GFZmodem::ReceiveAction;
  const long kOld = 1000, kNew = 2000;
  struct Case {
    const char* name;
    int zf1;
    bool resume, exists;
    long localSize, offeredSize, offeredTime;
    A action;
  } cases[] = {
      {"missing file is created", GFZmodem::ZMPROT, true, false, 0, 10, kNew, A::kReplace},
      {"protect", GFZmodem::ZMPROT, true, true, 5, 10, kNew, A::kSkip},
      {"clobber", GFZmodem::ZMCLOB, true, true, 5, 10, kOld, A::kReplace},
      {"no option, no resume", 0, false, true, 5, 10, kOld, A::kReplace},
      {"resume a partial file", 0, true, true, 5, 10, kOld, A::kResume},
      {"resume, complete, same time", 0, true, true, 10, 10, kOld, A::kSkip},
      {"resume, complete, no time", 0, true, true, 10, 10, -1, A::kSkip},
      {"resume, complete, other time", 0, true, true, 10, 10, kNew, A::kSkipDated},
      {"resume, empty local file", GFZmodem::ZMNEW, true, true, 0, 10, kOld, A::kResume},
      {"longer local file replaced", 0, true, true, 20, 10, kOld, A::kReplace},
      {"longer local, newer only, older offer", GFZmodem::ZMNEW, false, true, 20, 10, kOld, A::kSkip},
      {"longer local, newer-or-longer, newer offer", GFZmodem::ZMNEWL, false, true, 20, 10, kNew, A::kReplace},
      {"longer local, append", GFZmodem::ZMAPND, false, true, 20, 10, kOld, A::kAppend},
      {"append", GFZmodem::ZMAPND, false, true, 5, 10, kOld, A::kAppend},
      {"different: same size and time", GFZmodem::ZMDIFF, false, true, 10, 10, kOld, A::kSkip},
      {"different: other time", GFZmodem::ZMDIFF, false, true, 10, 10, kNew, A::kReplace},
      {"newer-or-longer: longer offer", GFZmodem::ZMNEWL, false, true, 5, 10, kOld, A::kReplace},
      {"newer-or-longer: same, older", GFZmodem::ZMNEWL, false, true, 10, 10, kOld - 1, A::kSkip},
      {"newer only: older offer", GFZmodem::ZMNEW, false, true, 5, 10, kOld, A::kSkip},
      {"newer only: newer offer", GFZmodem::ZMNEW, false, true, 5, 10, kNew, A::kReplace},
      {"unknown code replaces", GFZmodem::ZMCRC, false, true, 5, 10, kOld, A::kReplace},
  };
  for (const Case& c : cases) {
    GFZmodem::ReceiveFacts facts;
    facts.zf1 = c.zf1;
    facts.resume = c.resume;
    facts.exists = c.exists;
    facts.localSize = c.localSize;
    facts.localTime = kOld;
    facts.offeredSize = c.offeredSize;
    facts.offeredTime = c.offeredTime;
    EXPECT_EQ(int(GFZmodem::DecideReceiveAction(facts)), int(c.action)) << c.name;
  }
}

// What the sender puts on the line after its "OO" is left for the next
// reader (the instrument's closing reply).
TEST_F(ZmodemTest, ReceiverLeavesWhatFollowsTheSession) {
  std::thread far([&] {
    GFComStream stream(pair.a.get());
    GFZmodem d(&stream);
    const uint8_t zero[4] = {0, 0, 0, 0};
    EXPECT_EQ(d.ReadFrameHeader(false), GFZmodem::ZRINIT);
    d.SendHexHeader(GFZmodem::ZFIN, zero);
    EXPECT_EQ(d.ReadFrameHeader(false), GFZmodem::ZFIN);
    d.WriteBuffer("OO!", 3);
  });
  GFComStream stream(pair.b.get());
  GFZmodem z(&stream, &rx.monitor);
  EXPECT_EQ(z.Receive(0), 0);
  far.join();
  EXPECT_EQ(stream.ReadChar(1000), '!');
}

TEST_F(ZmodemTest, WriteThatNeverCompletesTimesOut) {
  GFSetTimeScale(1000);
  GFComStream stream(pair.a.get());
  RecordingMonitor monitor;
  GFZmodem z(&stream, &monitor);
  std::string block(20000, 'z');  // more than the line holds, nobody reads
  EXPECT_EQ(z.WriteBuffer(block.data(), int(block.size())), GF_BUFFER_FULL);
  EXPECT_EQ(monitor.result, GF_WRITE_TIMEOUT);
  EXPECT_TRUE(monitor.Saw("Timeout error sending buffer"));
  EXPECT_TRUE(monitor.Saw("55 sec to complete WriteBuffer"));
}

}  // namespace
