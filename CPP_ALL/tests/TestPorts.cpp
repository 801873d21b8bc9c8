#include "CPP_ALL/tests/TestPorts.h"

#include "CPP_ALL/GFLineStatus.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

#ifndef _WIN32
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#endif

void TestPort::GetQueueStatus(GFQueueStatus& status) {
  status = {};
  status.inValid = status.outValid = 1;
  status.inCount = RawAvailable();
  status.inSize = status.outSize = 65536;
}

int TestPort::SetFlowControl(int in, int out) {
  m_in = in;
  m_out = out;
  return 0;
}

int TestPort::GetFlowControl(int& in, int& out) {
  in = m_in;
  out = m_out;
  return 0;
}

int TestPort::SetBreak(int state) {
  if (state >= 0) m_break = state == 1 ? 1 : 0;
  return m_break;
}

int TestPort::SetLine(int line, int value) {
  if (line == GF_LINE_BREAK) return SetBreak(value);
  if (value != -1 && line == GF_LINE_DTR) m_dtr = value != 0;
  if (value != -1 && line == GF_LINE_RTS) m_rts = value != 0;
  return LineValue(line);
}

int TestPort::LineValue(int line) const {
  switch (line) {
    case GF_LINE_DTR: return m_dtr;
    case GF_LINE_RTS: return m_rts;
    case GF_LINE_BREAK: return m_break;
    case GF_LINE_CD: case GF_LINE_DSR: case GF_LINE_CTS:
      return 1;
    default:
      return 0;
  }
}

int TestPort::SetParameters(long baud, char parity, int dataBits, int stopBits) {
  m_baud = baud;
  m_parity = parity;
  m_dataBits = dataBits;
  m_stopBits = stopBits;
  return 0;
}

void TestPort::GetParameters(long& baud, char& parity, int& dataBits, int& stopBits) {
  baud = m_baud;
  parity = m_parity;
  dataBits = m_dataBits;
  stopBits = m_stopBits;
}

int TestPort::GetStatusSnapshot(uint32_t& packed) {
  packed = 0;
  for (int i = 0; i < 16; ++i) packed |= uint32_t(LineValue(GFLineStatus::kFieldLines[i])) << (2 * i);
  return 0;
}

int TestPort::WriteChar(int c) {
  uint8_t b = uint8_t(c);
  return WriteBuffer(&b, 1) == 1 ? 0 : GetError();
}

int TestPort::WriteString(const char* text) { return WriteBuffer(text, int(std::strlen(text))); }

int TestPort::WriteBuffer(const void* data, int n) {
  int w = RawWrite(static_cast<const uint8_t*>(data), n);
  if (w < 0) w = 0;
  bytesWritten += w;
  if (w < n) SetError(GF_BUFFER_FULL);
  return w;
}

int TestPort::ReadChar() {
  uint8_t b;
  if (RawRead(&b, 1) != 1) return GF_TIMEOUT;
  ++bytesRead;
  return b;
}

int TestPort::ReadBuffer(void* buffer, int n) {
  int got = std::max(0, RawRead(static_cast<uint8_t*>(buffer), n));
  bytesRead += got;
  return got;
}

int TestPort::Purge(int direction, int count) {
  if (direction) {
    if (count == 0) RawClearOutput();
    return 0;
  }
  if (count == 0) {
    RawClearInput();
    return 0;
  }
  for (int i = 0; i < count; ++i)
    if (ReadChar() < 0) return 0;
  return GF_GENERAL;
}

// ---------------------------------------------------------------- memory

int MemoryPipe::Write(const uint8_t* data, int n) {
  std::lock_guard<std::mutex> lock(m_mutex);
  if (m_cut) return n;
  int taken = 0;
  for (; taken < n && m_bytes.size() < m_capacity; ++taken) {
    if (m_cutAfter >= 0 && m_cutAfter-- == 0) {
      m_cut = true;
      return n;
    }
    uint8_t b = data[taken];
    if (m_faulty) {
      std::uniform_real_distribution<double> p(0, 1);
      double r = p(m_random);
      if (r < m_faults.drop) {
        ++m_damaged;
        continue;
      }
      r -= m_faults.drop;
      if (r < m_faults.corrupt) {
        ++m_damaged;
        b ^= uint8_t(1 + m_random() % 255);
      } else if (r - m_faults.corrupt < m_faults.duplicate) {
        ++m_damaged;
        m_bytes.push_back(b);
      }
    }
    m_bytes.push_back(b);
  }
  if (taken) m_changed.notify_all();
  return taken;
}

int MemoryPipe::Read(uint8_t* data, int n) {
  std::lock_guard<std::mutex> lock(m_mutex);
  int got = 0;
  for (; got < n && !m_bytes.empty(); ++got) {
    data[got] = m_bytes.front();
    m_bytes.pop_front();
  }
  if (got) m_changed.notify_all();
  return got;
}

int MemoryPipe::Available() {
  std::lock_guard<std::mutex> lock(m_mutex);
  return int(m_bytes.size());
}

void MemoryPipe::Clear() {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_bytes.clear();
  m_changed.notify_all();
}

void MemoryPipe::Wait(int direction, int ms) {
  std::unique_lock<std::mutex> lock(m_mutex);
  m_changed.wait_for(lock, std::chrono::milliseconds(ms), [&] {
    return direction == GF_WAIT_INPUT ? !m_bytes.empty() : m_bytes.size() < m_capacity;
  });
}

void MemoryPipe::SetFaults(const Faults& faults) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_faults = faults;
  m_faulty = faults.corrupt > 0 || faults.drop > 0 || faults.duplicate > 0;
  m_random.seed(faults.seed);
}

void MemoryPipe::Cut() {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_cut = true;
}

void MemoryPipe::CutAfter(long bytes) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_cutAfter = bytes;
}

MemoryPair MakeMemoryPair(size_t capacity) {
  auto ab = std::make_shared<MemoryPipe>(capacity);
  auto ba = std::make_shared<MemoryPipe>(capacity);
  return {std::make_unique<MemoryPort>(ba, ab), std::make_unique<MemoryPort>(ab, ba)};
}

#ifndef _WIN32
// ---------------------------------------------------------------- fd

FdPort::FdPort(int fd) : m_fd(fd), m_buffer(65536) {}

void FdPort::Fill() {
  if (m_head == m_tail) m_head = m_tail = 0;
  if (m_tail == m_buffer.size()) return;
  ssize_t r = ::read(m_fd, m_buffer.data() + m_tail, m_buffer.size() - m_tail);
  if (r > 0) m_tail += size_t(r);
}

int FdPort::RawRead(uint8_t* data, int n) {
  if (m_head == m_tail) Fill();
  int got = int(std::min<size_t>(size_t(n), m_tail - m_head));
  std::memcpy(data, m_buffer.data() + m_head, size_t(got));
  m_head += size_t(got);
  return got;
}

int FdPort::RawAvailable() {
  if (m_head == m_tail) Fill();
  return int(m_tail - m_head);
}

void FdPort::RawClearInput() {
  m_head = m_tail = 0;
  uint8_t scratch[4096];
  while (::read(m_fd, scratch, sizeof scratch) > 0) {
  }
}

void FdPort::RawClearOutput() {
  ::tcflush(m_fd, TCOFLUSH);
  if (m_purge) m_purge();
}

int FdPort::RawWrite(const uint8_t* data, int n) {
  ssize_t w = ::write(m_fd, data, size_t(n));
  return w < 0 ? 0 : int(w);
}

int FdPort::SetBreak(int state) {
  if (state < 0) return m_break;
  if (::ioctl(m_fd, state == 1 ? TIOCSBRK : TIOCCBRK) != 0) return SetError(GF_BREAK_FAILED);
  return TestPort::SetBreak(state);
}

void FdPort::WaitReady(int direction, int ms) {
  if (direction == GF_WAIT_INPUT && m_head != m_tail) return;
  pollfd p{m_fd, short(direction == GF_WAIT_INPUT ? POLLIN : POLLOUT), 0};
  // A terminal whose other side has gone is always ready, with nothing to
  // read: wait out the time instead of spinning on it.
  if (::poll(&p, 1, ms) <= 0 || !(p.revents & (POLLHUP | POLLERR))) return;
  if (direction == GF_WAIT_INPUT) Fill();
  if (direction == GF_WAIT_OUTPUT || m_head == m_tail) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

PtyPeer::~PtyPeer() {
  if (m_pid > 0) {
    ::kill(m_pid, SIGKILL);
    ::waitpid(m_pid, nullptr, 0);
  }
  if (m_master >= 0) ::close(m_master);
  if (m_input >= 0) ::close(m_input);
}

void PtyPeer::Exec(const std::vector<std::string>& argv, const std::string& folder, const std::string& log, int in,
                   int out) {
  ::dup2(in, 0);
  ::dup2(out, 1);
  int err = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (err >= 0) ::dup2(err, 2);
  for (int fd = 3; fd < 256; ++fd) ::close(fd);
  if (::chdir(folder.c_str()) != 0) ::_exit(126);
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  ::execvp(args[0], args.data());
  ::_exit(127);
}

bool PtyPeer::StartOnPipes(const std::vector<std::string>& argv, const std::string& folder, const std::string& log,
                           int pipeSize) {
  ::signal(SIGPIPE, SIG_IGN);  // the relay may still write after the peer ended
  int toPeer[2], fromPeer[2];
  if (::pipe(toPeer) != 0) return false;
  if (::pipe(fromPeer) != 0) {
    ::close(toPeer[0]);
    ::close(toPeer[1]);
    return false;
  }
  ::fcntl(toPeer[1], F_SETPIPE_SZ, pipeSize);
  ::fcntl(fromPeer[1], F_SETPIPE_SZ, pipeSize);
  m_pid = ::fork();
  if (m_pid == 0) {
    ::setsid();
    Exec(argv, folder, log, toPeer[0], fromPeer[1]);
  }
  ::close(toPeer[0]);
  ::close(fromPeer[1]);
  m_master = fromPeer[0];
  m_input = toPeer[1];
  ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
  ::fcntl(m_input, F_SETFL, ::fcntl(m_input, F_GETFL) | O_NONBLOCK);
  return m_pid > 0;
}

bool PtyPeer::Start(const std::vector<std::string>& argv, const std::string& folder, const std::string& log) {
  m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) return false;
  std::string slaveName = ::ptsname(m_master);
  int slave = ::open(slaveName.c_str(), O_RDWR | O_NOCTTY);
  if (slave < 0) return false;
  termios t{};
  ::tcgetattr(slave, &t);
  ::cfmakeraw(&t);
  ::tcsetattr(slave, TCSANOW, &t);
  m_pid = ::fork();
  if (m_pid == 0) {
    ::setsid();
    ::ioctl(slave, TIOCSCTTY, 0);
    Exec(argv, folder, log, slave, slave);
  }
  ::close(slave);
  ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
  return m_pid > 0;
}

int PtyPeer::Wait(int ms) {
  if (m_pid <= 0) return -1;
  for (int waited = 0;; waited += 10) {
    int status = 0;
    if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
      m_pid = -1;
      return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    if (waited >= ms) break;
    ::usleep(10000);
  }
  ::kill(m_pid, SIGKILL);
  ::waitpid(m_pid, nullptr, 0);
  m_pid = -1;
  return -1;
}
#endif
