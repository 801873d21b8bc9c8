#include "CPP_ALL/tests/LineRelay.h"

#ifndef _WIN32
#include <errno.h>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "CPP_ALL/tests/TestPorts.h"

namespace {
constexpr int kFifo = 64;  // bytes the UART takes before the driver holds back
// A receiving port hands on what has arrived about once a millisecond, as a
// USB serial adapter does; waking for every byte would load the machine
// when many lines run at once.
constexpr int64_t kDeliveryTick = 1000000;
constexpr int64_t kIdleWake = 20000000;  // to notice the end

// Nanoseconds: a byte at 11,520 B/s is 86,805.6 ns, which whole
// microseconds would round into a pace 0.9% too fast.
int64_t Now() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void NonBlocking(int fd) { ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK); }
}  // namespace

PtyPair::PtyPair() {
  m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) return;
  m_slave = ::open(::ptsname(m_master), O_RDWR | O_NOCTTY);
  if (m_slave < 0) return;
  termios t{};
  ::tcgetattr(m_slave, &t);
  ::cfmakeraw(&t);
  ::tcsetattr(m_slave, TCSANOW, &t);
  NonBlocking(m_master);
  NonBlocking(m_slave);
}

PtyPair::~PtyPair() {
  if (m_slave >= 0) ::close(m_slave);
  if (m_master >= 0) ::close(m_master);
}

LineRelay::LineRelay(int a, int b, const LineShape& shape) : LineRelay(a, a, b, b, shape) {}

LineRelay::LineRelay(int aRead, int aWrite, int bRead, int bWrite, const LineShape& shape) : m_shape(shape) {
  for (int fd : {aRead, aWrite, bRead, bWrite}) NonBlocking(fd);
  m_dir[0].from = aRead;
  m_dir[0].to = bWrite;
  m_dir[0].random = shape.seed * 2654435761u + 1;
  m_dir[1].from = bRead;
  m_dir[1].to = aWrite;
  m_dir[1].random = shape.seed * 40503u + 7;
  m_thread = std::thread([this] { Run(); });
}

LineRelay::~LineRelay() {
  m_stop = true;
  m_thread.join();
}

bool LineRelay::Hit(Direction& d, double p) {
  // xorshift: the same damage for the same seed on every machine.
  d.random ^= d.random << 13;
  d.random ^= d.random >> 7;
  d.random ^= d.random << 17;
  return double(d.random % 1000000007u) / 1000000007.0 < p;
}

void LineRelay::Purge() {
  std::lock_guard<std::mutex> lock(m_mutex);
  Direction& d = m_dir[0];
  uint8_t scratch[4096];
  while (::read(d.from, scratch, sizeof scratch) > 0) {
  }
  d.driverQueue.clear();
}

void LineRelay::Take(Direction& d, int64_t now) {
  const int64_t perByte = 1000000000 / m_shape.bytesPerSecond;
  if (d.driver) {
    uint8_t buffer[4096];
    ssize_t got = 1;  // no read, no end
    while (d.driverQueue.size() < m_shape.driverQueue &&
           (got = ::read(d.from, buffer, std::min(sizeof buffer, m_shape.driverQueue - d.driverQueue.size()))) > 0)
      d.driverQueue.insert(d.driverQueue.end(), buffer, buffer + got);
    NoteEnd(d, got);
  }
  d.wireFree = std::max(d.wireFree, now);
  int room = kFifo - int((d.wireFree - now) / perByte);
  if (room <= 0) return;
  uint8_t buffer[kFifo];
  ssize_t n = 0;
  if (d.driver) {
    n = std::min<ssize_t>(room, ssize_t(d.driverQueue.size()));
    std::copy(d.driverQueue.begin(), d.driverQueue.begin() + n, buffer);
    d.driverQueue.erase(d.driverQueue.begin(), d.driverQueue.begin() + n);
  } else {
    n = ::read(d.from, buffer, size_t(room));
    NoteEnd(d, n);
  }
  for (ssize_t i = 0; i < n; ++i) {
    d.wireFree += perByte;
    long carried = ++m_carried;
    if (&d == &m_dir[0]) ++m_carriedFromA;
    if (m_shape.cutAfter >= 0 && carried > m_shape.cutAfter) continue;
    uint8_t value = buffer[i];
    if (Hit(d, m_shape.damage)) {
      ++m_damaged;
      if (d.random & 0x100) continue;  // dropped
      value ^= uint8_t(1u << (d.random >> 9 & 7));
    }
    d.queue.push_back({value, d.wireFree + int64_t(m_shape.latencyMs) * 1000000});
  }
}

void LineRelay::Deliver(Direction& d, int64_t now) {
  uint8_t buffer[4096];
  size_t n = 0;
  while (n < sizeof buffer && n < d.queue.size() && d.queue[n].due <= now) {
    buffer[n] = d.queue[n].value;
    ++n;
  }
  if (n == 0) return;
  ssize_t w = ::write(d.to, buffer, n);
  if (w < 0 && errno != EAGAIN && errno != EINTR) {
    d.queue.clear();  // nobody reads this side any more
    d.stalled = false;
    return;
  }
  if (w > 0) d.queue.erase(d.queue.begin(), d.queue.begin() + w);
  d.stalled = w < ssize_t(n);
}

void LineRelay::NoteEnd(Direction& d, ssize_t got) {
  // A side that has gone would wake the poll for ever.
  if (got == 0 || (got < 0 && errno != EAGAIN && errno != EINTR)) d.hungUp = true;
}

int64_t LineRelay::NextWake(int64_t now, pollfd* fds, int& count) const {
  const int64_t perByte = 1000000000 / m_shape.bytesPerSecond;
  int64_t wake = now + kIdleWake;
  count = 0;
  for (const Direction& d : m_dir) {
    if (d.stalled)
      fds[count++] = {d.to, POLLOUT, 0};
    else if (!d.queue.empty())
      wake = std::min(wake, std::max(d.queue.front().due, now + kDeliveryTick));
    // The UART is topped up once it is half empty, not byte by byte.
    int64_t halfEmpty = d.wireFree - kFifo / 2 * perByte;
    bool hasRoom = halfEmpty <= now;
    bool pending = d.driver && !d.driverQueue.empty();
    if (pending || !hasRoom) wake = std::min(wake, std::max(halfEmpty, now));
    // A driver takes what is written at once; the UART only when it has room.
    bool listen = !d.hungUp && (d.driver ? d.driverQueue.size() < m_shape.driverQueue : hasRoom);
    if (listen) fds[count++] = {d.from, POLLIN, 0};
  }
  return wake;
}

void LineRelay::Run() {
  while (!m_stop) {
    int64_t now = Now();
    pollfd fds[4];
    int count = 0;
    int64_t wait;
    {
      std::lock_guard<std::mutex> lock(m_mutex);
      for (Direction& d : m_dir) {
        Take(d, now);
        Deliver(d, now);
      }
      wait = std::max<int64_t>(0, NextWake(now, fds, count) - Now());
    }
    timespec t{time_t(wait / 1000000000), long(wait % 1000000000)};
    ::ppoll(fds, nfds_t(count), &t, nullptr);
  }
}

namespace {
// lrzsz runs on pipes of this size: on a pseudo-terminal its buffering
// makes the relay's pace and its own figures odd.
constexpr int kPeerPipe = 4096;

bool SameFile(const std::string& a, const std::string& b) {
  std::ifstream x(a, std::ios::binary), y(b, std::ios::binary);
  if (!x || !y) return false;
  return std::equal(std::istreambuf_iterator<char>(x), {}, std::istreambuf_iterator<char>(y), {});
}

double Since(int64_t start) { return double(Now() - start) / 1e9; }

void Finish(RelayRun& r, const std::string& name, const std::string& from, const std::string& to) {
  r.same = SameFile(from + "/" + name, to + "/" + name);
  for (const auto& e : std::filesystem::directory_iterator(to)) {
    std::string n = e.path().filename().string();
    if (n != name && n.find(name) == 0) r.strays = true;
  }
}
}  // namespace

RelayRun OursToRz(const std::string& name, const std::string& from, const std::string& to, const LineShape& shape,
                  int peerWaitMs, const std::function<void(GFZmodem&)>& setup, GFMonitor* monitor) {
  RelayRun r;
  PtyPeer rz;
  PtyPair ours;
  rz.StartOnPipes({"rz", "-y"}, to, to + "/../rz.log", kPeerPipe);
  int64_t start = Now();
  {
    LineRelay line(ours.Master(), ours.Master(), rz.Master(), rz.Input(), shape);
    line.QueueOutputOfA();
    FdPort port(ours.Slave());
    port.SetOutputPurge([&line] { line.Purge(); });
    GFComStream stream(&port);
    line.SetSpeedOf(stream);
    GFZmodem z(&stream, monitor);
    if (setup) setup(z);
    r.ours = z.Send((from + "/" + name).c_str());
    r.oursSeconds = Since(start);
    r.peer = rz.Wait(peerWaitMs);
    r.seconds = Since(start);
    r.wire = port.bytesWritten + port.bytesRead;
    r.dataWay = port.bytesWritten;
    r.damaged = line.Damaged();
  }
  Finish(r, name, from, to);
  return r;
}

RelayRun SzToOurs(const std::string& name, const std::string& from, const std::string& to, const LineShape& shape,
                  int peerWaitMs, const std::function<void(GFZmodem&)>& setup, GFMonitor* monitor) {
  RelayRun r;
  PtyPeer sz;
  PtyPair ours;
  sz.StartOnPipes({"sz", name}, from, to + "/../sz.log", kPeerPipe);
  int64_t start = Now();
  {
    LineRelay line(ours.Master(), ours.Master(), sz.Master(), sz.Input(), shape);
    line.QueueOutputOfA();
    FdPort port(ours.Slave());
    port.SetOutputPurge([&line] { line.Purge(); });
    GFComStream stream(&port);
    line.SetSpeedOf(stream);
    GFZmodem z(&stream, monitor);
    z.SetReceiveFolder(to.c_str());
    z.SetReceiverResume(false);
    if (setup) setup(z);
    r.ours = z.Receive(0);
    r.oursSeconds = Since(start);
    r.peer = sz.Wait(peerWaitMs);
    r.seconds = Since(start);
    r.wire = port.bytesWritten + port.bytesRead;
    r.dataWay = port.bytesRead;
    r.damaged = line.Damaged();
  }
  Finish(r, name, from, to);
  return r;
}

RelayRun SzToRz(const std::string& name, const std::string& from, const std::string& to, const LineShape& shape,
                int waitMs) {
  RelayRun r;
  PtyPeer sz, rz;
  rz.StartOnPipes({"rz", "-y"}, to, to + "/../rz.log", kPeerPipe);
  sz.StartOnPipes({"sz", name}, from, to + "/../sz.log", kPeerPipe);
  int64_t start = Now();
  {
    LineRelay line(sz.Master(), sz.Input(), rz.Master(), rz.Input(), shape);
    r.ours = rz.Wait(waitMs);
    r.oursSeconds = Since(start);
    r.peer = sz.Wait(r.ours == -1 ? 0 : 10000);
    r.seconds = Since(start);
    r.wire = line.Carried();
    r.dataWay = line.CarriedFromA();
    r.damaged = line.Damaged();
  }
  Finish(r, name, from, to);
  return r;
}
#endif
