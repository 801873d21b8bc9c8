// The timed link stream over one open port: every instrument command and
// every transfer reads and writes through it. Each wait polls the tick
// count and calls the port's idle hook between polls, blocking briefly on
// the port so that it does not spin.
#pragma once

#include <cstdint>
#include <memory>

#include "CPP_ALL/GFComLink.h"
#include "CPP_ALL/GFLineStatus.h"
#include "CPP_ALL/GFPortSettings.h"

class GFComStream {
 public:
  explicit GFComStream(GFComLink* port);
  virtual ~GFComStream();
  GFComStream(const GFComStream&) = delete;
  GFComStream& operator=(const GFComStream&) = delete;

  // One byte (0-255), -802 after `timeout` ms, or a negative idle result.
  virtual int ReadChar(int timeout);
  virtual int WriteChar(int c);
  virtual int Extension() { return GF_NOT_SUPPORTED; }

  GFComLink* GetPort() const { return m_port; }
  GFLineStatus* GetLineStatus() const { return m_lineStatus.get(); }
  GFPortSettings* GetPortSettings() const { return m_settings.get(); }
  void SetCharDelay(int ms) { m_charDelay = ms; }

  int ReadLine(char* buffer, int max, int endChar, int timeout);
  // Reads n bytes and ends them with a NUL: the buffer must hold n + 1.
  int ReadBuffer(void* buffer, int n, int timeout);
  // What has arrived, up to n bytes, once something has: the count, -802
  // after `timeout` ms, or a negative idle result.
  int ReadSome(void* buffer, int n, int timeout);
  // Terminator: -1 none, -2 LF, -3 CR LF, 0-255 that byte.
  int WriteString(const char* text, int terminator);
  int Printf(const char* format, ...);
  int WriteBuffer(const void* data, int n);
  int TransmitChar(int c) { return m_port->TransmitChar(c); }
  int Purge(int n) { return m_port->Purge(0, n); }
  int PurgeOutput() { return m_port->Purge(1, 0); }
  int SetInputBuffer(int size, int xoffLimit) { return m_port->SetBufferSizes(size, xoffLimit, 0); }
  int SetOutputBuffer(int size) { return m_port->SetBufferSizes(0, 0, size); }
  int InputCount();
  int OutputCount();
  void GetQueueStatus(GFQueueStatus& status) { m_port->GetQueueStatus(status); }
  // 1 parity, 2 framing, 4 overflow, 8 overrun, 16 break; or the port's
  // pending error (taken).
  int GetLineFlags(uint16_t& flags);
  int Idle() { return m_port->IdleHook(); }
  int QueryExtension() { return m_port->QueryExtension(); }
  int ControlExtension() { return m_port->ControlExtension(); }
  void DumpSettings(GFLineWriter writer);

  // Idle hook, then a short block on the port; the idle result.
  int Pause(int direction, uint32_t start, int timeout);

  GFComStream& operator<<(char c) {
    WriteChar(static_cast<unsigned char>(c));
    return *this;
  }
  GFComStream& operator<<(const char* text) {
    WriteString(text, -2);
    return *this;
  }
  GFComStream& operator>>(char& c) {
    c = char(ReadChar(0));
    return *this;
  }

 private:
  // Calls `take` until it gives something (>= 0) or `timeout` ms pass.
  template <class Take>
  int AwaitInput(int timeout, Take take);

  int m_charDelay = 0;
  GFComLink* m_port;
  std::unique_ptr<GFLineStatus> m_lineStatus;
  std::unique_ptr<GFPortSettings> m_settings;
};
