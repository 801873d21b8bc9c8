// A serial line between two pseudo-terminals, for ZMODEM against lrzsz on
// a line like the field's: bytes are paced at a baud rate (the sender's
// UART holds a small FIFO, the rest waits in its driver), arrive after a
// latency, and are damaged (half flipped, half dropped) at a rate from a
// fixed seed; the line can go dead after a number of bytes.
#pragma once

#ifndef _WIN32
#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <poll.h>
#include <string>
#include <sys/types.h>
#include <thread>

#include "CPP_ALL/GFPortSettings.h"
#include "CPP_ALL/GFZmodem.h"

struct LineShape {
  long bytesPerSecond = 11520;  // 115200 baud 8N1
  int latencyMs = 4;            // each way
  double damage = 0;            // share of bytes flipped or dropped
  uint32_t seed = 1;
  long cutAfter = -1;           // bytes through (both ways) before it dies
  size_t driverQueue = 16384;   // what the driver of our side holds
  // The same line at `baud`, 8N1.
  LineShape AtBaud(long baud) const {
    LineShape s = *this;
    s.bytesPerSecond = baud / 10;
    return s;
  }
  long Baud() const { return bytesPerSecond * 10; }
};

// The master and raw slave of a fresh pseudo-terminal.
class PtyPair {
 public:
  PtyPair();
  ~PtyPair();
  PtyPair(const PtyPair&) = delete;
  PtyPair& operator=(const PtyPair&) = delete;
  int Master() const { return m_master; }
  int Slave() const { return m_slave; }  // non-blocking

 private:
  int m_master = -1;
  int m_slave = -1;
};

class LineRelay {
 public:
  // Relays between two non-blocking descriptors until destroyed.
  LineRelay(int a, int b, const LineShape& shape);
  // The same with a side read from and written to through two descriptors.
  LineRelay(int aRead, int aWrite, int bRead, int bWrite, const LineShape& shape);
  // Side a's output waits in a driver queue of its own (a serial driver's),
  // which Purge drops, instead of in the descriptor's buffer.
  void QueueOutputOfA() { m_dir[0].driver = true; }
  // Our stream's port at the line's speed, as the program sets it.
  void SetSpeedOf(GFComStream& stream) const { stream.GetPortSettings()->SetBaudRate(m_shape.Baud()); }
  void Purge();
  ~LineRelay();
  LineRelay(const LineRelay&) = delete;
  LineRelay& operator=(const LineRelay&) = delete;
  long Carried() const { return m_carried; }
  // Of those, the ones from side a.
  long CarriedFromA() const { return m_carriedFromA; }
  long Damaged() const { return m_damaged; }

 private:
  struct Byte {
    uint8_t value;
    int64_t due;  // nanoseconds
  };
  struct Direction {
    int from, to;
    bool driver = false;
    std::deque<uint8_t> driverQueue;
    std::deque<Byte> queue;
    int64_t wireFree = 0;  // when the UART has sent what it holds
    bool stalled = false;  // the far side is not reading what is due
    bool hungUp = false;   // nothing more will come from this side
    uint64_t random;
  };
  void Run();
  // When the loop must wake next, and which descriptors may wake it sooner.
  int64_t NextWake(int64_t now, pollfd* fds, int& count) const;
  void Take(Direction& d, int64_t now);
  void Deliver(Direction& d, int64_t now);
  // After a read of `got`: marks a side that has gone.
  static void NoteEnd(Direction& d, ssize_t got);
  bool Hit(Direction& d, double p);

  LineShape m_shape;
  Direction m_dir[2];
  std::mutex m_mutex;  // the driver queue, against a purge
  std::atomic<bool> m_stop{false};
  std::atomic<long> m_carried{0};
  std::atomic<long> m_carriedFromA{0};
  std::atomic<long> m_damaged{0};
  std::thread m_thread;
};

// One file over a relayed line: our sender to rz, sz to our receiver, or
// sz to rz. `ours` is our result (for sz to rz, rz's exit code, -1 when
// it was still running at the end of the wait); `peer` the peer's exit code.
struct RelayRun {
  int ours = 1;
  int peer = -2;
  double oursSeconds = 0;  // until our side (rz for lrzsz) ended
  double seconds = 0;      // until both ended
  bool same = false;       // the file arrived whole
  bool strays = false;     // other files named after it were left behind
  long wire = 0;           // bytes our port (for sz to rz, the line) carried, both ways
  long dataWay = 0;        // of those, the ones that went the file's way
  long damaged = 0;
};
RelayRun OursToRz(const std::string& name, const std::string& from, const std::string& to, const LineShape& shape,
                  int peerWaitMs, const std::function<void(GFZmodem&)>& setup = nullptr, GFMonitor* monitor = nullptr);
RelayRun SzToOurs(const std::string& name, const std::string& from, const std::string& to, const LineShape& shape,
                  int peerWaitMs, const std::function<void(GFZmodem&)>& setup = nullptr, GFMonitor* monitor = nullptr);
RelayRun SzToRz(const std::string& name, const std::string& from, const std::string& to, const LineShape& shape,
                int waitMs);
#endif
