// Ports for the tests: an in-memory duplex pair (with a fault-injecting
// relay) and, natively, a port over a file descriptor such as a
// pseudo-terminal. They behave like a serial driver: writes take what the
// output queue has room for, reads return what has arrived.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <random>
#include <string>
#include <vector>

#include "CPP_ALL/GFComLink.h"

// Bytes a relay damages on their way, each with its own probability.
struct Faults {
  double corrupt = 0;
  double drop = 0;
  double duplicate = 0;
  uint32_t seed = 1;
};

// Port behaviour shared by the test ports: parameters, lines and flow
// control are only kept; data goes through Raw* operations. DTR and RTS
// start raised, as on a port the library opened.
class TestPort : public GFComLink {
 public:
  explicit TestPort(int index = 0) : GFComLink(index) {}
  int IdleHook() override { ++idleCalls; return idleResult; }
  int GetModemStatus() override { return 0; }
  int Open(int) override { return 0; }
  int CreatePort() override { return 0; }
  int Close() override { return 0; }
  void GetQueueStatus(GFQueueStatus& status) override;
  int SetBufferSizes(int, int, int) override { return 0; }
  int SetFlowControl(int in, int out) override;
  int GetFlowControl(int& in, int& out) override;
  int SetBreak(int state) override;
  int SetLine(int line, int value) override;
  int SetParameters(long baud, char parity, int dataBits, int stopBits) override;
  void GetParameters(long& baud, char& parity, int& dataBits, int& stopBits) override;
  int GetStatusSnapshot(uint32_t& packed) override;
  int WriteChar(int c) override;
  int WriteString(const char* text) override;
  int WriteBuffer(const void* data, int n) override;
  int TransmitChar(int c) override { return WriteChar(c) == 0 ? 0 : GF_GENERAL; }
  int ReadChar() override;
  int ReadBuffer(void* buffer, int n) override;
  int Purge(int direction, int count) override;
  void DumpSettings(GFLineWriter) override {}
  void WaitReady(int direction, int ms) override = 0;

  void SetPending(int code) { SetError(code); }
  int idleCalls = 0;
  int idleResult = 0;
  long bytesWritten = 0;
  long bytesRead = 0;

 protected:
  virtual int RawWrite(const uint8_t* data, int n) = 0;
  virtual int RawRead(uint8_t* data, int n) = 0;
  virtual int RawAvailable() = 0;
  virtual void RawClearInput() = 0;
  // What was written and not yet taken by the line (a driver's purge).
  virtual void RawClearOutput() {}

  int m_break = 0;

 private:
  int LineValue(int line) const;

  int m_dtr = 1, m_rts = 1;
  long m_baud = 19200;
  char m_parity = 'N';
  int m_dataBits = 8, m_stopBits = 1;
  int m_in = 0, m_out = 0;
};

// One direction of the in-memory line, optionally through a faulty relay.
class MemoryPipe {
 public:
  explicit MemoryPipe(size_t capacity) : m_capacity(capacity) {}
  int Write(const uint8_t* data, int n);
  int Read(uint8_t* data, int n);
  int Available();
  void Clear();
  void Wait(int direction, int ms);
  void SetFaults(const Faults& faults);
  // Stops the pipe: writes are swallowed (a line that went dead).
  void Cut();
  // Cuts the pipe once `bytes` more have gone in, whatever the load.
  void CutAfter(long bytes);
  long Damaged() const { return m_damaged; }

 private:
  std::mutex m_mutex;
  std::condition_variable m_changed;
  std::deque<uint8_t> m_bytes;
  size_t m_capacity;
  bool m_faulty = false;
  bool m_cut = false;
  long m_cutAfter = -1;
  Faults m_faults;
  std::mt19937 m_random;
  long m_damaged = 0;
};

class MemoryPort : public TestPort {
 public:
  MemoryPort(std::shared_ptr<MemoryPipe> in, std::shared_ptr<MemoryPipe> out) : m_in(in), m_out(out) {}
  void WaitReady(int direction, int ms) override { (direction ? m_out : m_in)->Wait(direction, ms); }
  MemoryPipe& InPipe() { return *m_in; }
  MemoryPipe& OutPipe() { return *m_out; }

 protected:
  int RawWrite(const uint8_t* data, int n) override { return m_out->Write(data, n); }
  int RawRead(uint8_t* data, int n) override { return m_in->Read(data, n); }
  int RawAvailable() override { return m_in->Available(); }
  void RawClearInput() override { m_in->Clear(); }

 private:
  std::shared_ptr<MemoryPipe> m_in, m_out;
};

struct MemoryPair {
  std::unique_ptr<MemoryPort> a, b;
};
MemoryPair MakeMemoryPair(size_t capacity = 16384);

#ifndef _WIN32
// A port over a non-blocking file descriptor (not owned).
class FdPort : public TestPort {
 public:
  explicit FdPort(int fd);
  void WaitReady(int direction, int ms) override;
  // Called on a purge of output, for a line that holds our output in a
  // driver queue of its own.
  void SetOutputPurge(std::function<void()> purge) { m_purge = std::move(purge); }
  // A real break on a terminal; -827 on anything else.
  int SetBreak(int state) override;

 protected:
  int RawWrite(const uint8_t* data, int n) override;
  int RawRead(uint8_t* data, int n) override;
  int RawAvailable() override;
  void RawClearInput() override;
  void RawClearOutput() override;

 private:
  void Fill();
  std::function<void()> m_purge;
  int m_fd;
  std::vector<uint8_t> m_buffer;
  size_t m_head = 0, m_tail = 0;
};

// A program (sz or rz) run on the slave side of a fresh pseudo-terminal,
// in a folder, with its output in a log file; or on two pipes of a given
// size instead, where Master() reads its output and Input() writes to it.
class PtyPeer {
 public:
  PtyPeer() = default;
  ~PtyPeer();
  bool Start(const std::vector<std::string>& argv, const std::string& folder, const std::string& log);
  bool StartOnPipes(const std::vector<std::string>& argv, const std::string& folder, const std::string& log,
                    int pipeSize);
  int Master() const { return m_master; }
  int Input() const { return m_input >= 0 ? m_input : m_master; }
  // The exit code, or -1 when it had to be killed after `ms`.
  int Wait(int ms);

 private:
  void Exec(const std::vector<std::string>& argv, const std::string& folder, const std::string& log, int in, int out);
  int m_master = -1;
  int m_input = -1;
  int m_pid = -1;
};
#endif
