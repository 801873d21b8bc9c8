// The abstract serial port: the operations every port offers and the
// per-port bookkeeping (index, pending error, process-wide open counts).
// Everything above it reaches a device only through these operations.
#pragma once

#include <cstdint>

#include "CPP_ALL/GFErrors.h"

// Line identifiers of SetLine and the status snapshot.
enum GFLine {
  GF_LINE_DTR = 3,
  GF_LINE_RTS = 4,
  GF_LINE_BREAK = 7,
  GF_LINE_CTS = 12,
  GF_LINE_DSR = 13,
  GF_LINE_RI = 14,
  GF_LINE_CD = 15,
  GF_LINE_DDSR = 17,
  GF_LINE_DCTS = 18,
  GF_LINE_DRI = 19,
  GF_LINE_DCD = 20,
  GF_LINE_OVERRUN = 25,
  GF_LINE_PARITY = 26,
  GF_LINE_FRAMING = 27,
  GF_LINE_BREAK_SEEN = 28,
  GF_LINE_OVERFLOW = 31,
};

// Flow-control modes: input 0 none, 1 XON/XOFF, 3 DTR, 4 RTS, 13 (-803);
// output 0 none, 1 XON/XOFF, 12 CTS, 13 DSR, 15 (-803).
enum GFFlow {
  GF_FLOW_NONE = 0,
  GF_FLOW_XONXOFF = 1,
  GF_FLOW_DTR = 3,
  GF_FLOW_RTS = 4,
  GF_FLOW_CTS = 12,
  GF_FLOW_DSR = 13,
  GF_FLOW_RI = 14,
  GF_FLOW_DCD = 15,
};

struct GFQueueStatus {
  int inValid = 0;
  int inCount = 0;
  int inSize = 0;
  int outValid = 0;
  int outCount = 0;
  int outSize = 0;
  uint16_t flags = 0;  // bit 0 XOFF sent, bit 1 output held
};

// Receives one formatted line of DumpSettings.
using GFLineWriter = void (*)(const char* line);

// Directions of WaitReady.
enum GFWaitFor { GF_WAIT_INPUT = 0, GF_WAIT_OUTPUT = 1 };

class GFComLink {
 public:
  static constexpr int kMaxPorts = 256;

  explicit GFComLink(int index = 0) : m_index(index) {}
  virtual ~GFComLink();
  GFComLink(const GFComLink&) = delete;
  GFComLink& operator=(const GFComLink&) = delete;

  // Called by every waiting loop between polls; a negative result ends the
  // wait and is passed up as its result.
  virtual int IdleHook();
  virtual int GetModemStatus();
  virtual int Open(int index);
  virtual int CreatePort();
  virtual int Close();
  virtual void GetQueueStatus(GFQueueStatus& status);
  virtual int SetBufferSizes(int inSize, int xoffLimit, int outSize);
  virtual int SetFlowControl(int inMode, int outMode);
  virtual int GetFlowControl(int& inMode, int& outMode);
  virtual int SetBreak(int state);
  virtual int SetLine(int line, int value);
  virtual int SetParameters(long baud, char parity, int dataBits, int stopBits);
  virtual void GetParameters(long& baud, char& parity, int& dataBits, int& stopBits);
  virtual int GetStatusSnapshot(uint32_t& packed);
  virtual int WriteChar(int c);
  virtual int WriteString(const char* text);
  virtual int WriteBuffer(const void* data, int n);
  virtual int TransmitChar(int c);
  virtual int ReadChar();
  virtual int ReadBuffer(void* buffer, int n);
  virtual int Purge(int direction, int count);
  virtual void DumpSettings(GFLineWriter writer);
  virtual int QueryExtension();
  virtual int ControlExtension();
  // Blocks at most `ms` until input arrives or output room frees; the
  // waiting loops call it between polls so that they do not spin. The
  // default sleeps.
  virtual void WaitReady(int direction, int ms);

  int GetIndex() const { return m_index; }
  int GetUserValue() const { return m_user; }
  void SetUserValue(int value) { m_user = value; }
  int GetError() const { return m_error; }
  int TakeError() {
    int e = m_error;
    m_error = 0;
    return e;
  }

  static unsigned GetOpenCount(int index);
  static void IncOpenCount(int index);
  static void DecOpenCount(int index);

 protected:
  int SetError(int code) {
    m_error = code;
    return code;
  }
  // Counts this object in its index's open count; the destructor gives the
  // count back only when this object took it.
  void HoldOpenCount();
  void ReleaseOpenCount();
  bool HoldsOpenCount() const { return m_holdsCount; }

  int m_index;
  int m_user = 0;
  int m_error = 0;

 private:
  bool m_holdsCount = false;
};
