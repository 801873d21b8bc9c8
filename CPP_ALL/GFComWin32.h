// A serial port on the Win32 communications API, with overlapped reads and
// writes whose waits are bounded.
#pragma once

#include <windows.h>

#include <memory>

#include "CPP_ALL/GFComLink.h"

class GFComWin32 : public GFComLink {
 public:
  // Opens COM<index + 1> unless `leaveClosed`.
  GFComWin32(int index, int inSize, int outSize, bool leaveClosed = false);
  // Attaches to a port another object has open: shares its device.
  explicit GFComWin32(GFComWin32& open);
  ~GFComWin32() override;

  int IdleHook() override;
  int GetModemStatus() override;
  int Open(int index) override;
  int CreatePort() override;
  int Close() override;
  void GetQueueStatus(GFQueueStatus& status) override;
  int SetBufferSizes(int inSize, int xoffLimit, int outSize) override;
  int SetFlowControl(int inMode, int outMode) override;
  int GetFlowControl(int& inMode, int& outMode) override;
  int SetBreak(int state) override;
  int SetLine(int line, int value) override;
  int SetParameters(long baud, char parity, int dataBits, int stopBits) override;
  void GetParameters(long& baud, char& parity, int& dataBits, int& stopBits) override;
  int GetStatusSnapshot(uint32_t& packed) override;
  int WriteChar(int c) override;
  int WriteString(const char* text) override;
  int WriteBuffer(const void* data, int n) override;
  int TransmitChar(int c) override;
  int ReadChar() override;
  int ReadBuffer(void* buffer, int n) override;
  int Purge(int direction, int count) override;
  void DumpSettings(GFLineWriter writer) override;
  void WaitReady(int direction, int ms) override;

  virtual BOOL SetEventChar(int c);
  virtual int GetEventMask(DWORD& mask);
  virtual int SetEventMask(DWORD mask);
  virtual int WaitEvent(DWORD& mask);
  virtual int TestModemLine(int bit);
  // The library code of the last system error.
  virtual int MapLastError();
  static int MapSystemError(DWORD error);

  bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }

 private:
  void MakeEvents();
  void AccumulateErrors(COMSTAT* stat = nullptr);
  int LineValue(int line) const;
  int ApplyState();
  int TakeBuffered(uint8_t* out, int n);
  void FinishPendingRead(DWORD waitMs);

  HANDLE m_handle = INVALID_HANDLE_VALUE;
  std::shared_ptr<DCB> m_dcb;
  OVERLAPPED m_writeOv{};
  OVERLAPPED m_readOv{};
  COMMTIMEOUTS m_savedTimeouts{};
  uint16_t m_inSize;
  uint16_t m_outSize;
  int m_inMode = 0;
  int m_outMode = 0;
  int m_dtr = 1;
  int m_rts = 1;
  int m_break = 0;
  DWORD m_initialMask = 0;
  DWORD m_lineErrors = 0;
  DWORD m_modemStatus = 0;
  bool m_readPending = false;
  // Bytes read ahead of the caller; an overlapped read always lands here,
  // never in a caller's buffer that may be gone when it completes.
  uint8_t m_readBuffer[4096];
  int m_readHead = 0;
  int m_readTail = 0;
};
