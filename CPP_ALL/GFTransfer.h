// The protocol base of every transfer: ties a link stream, a monitor and a
// file engine together and supplies timed writes, the abort check and the
// common end-of-transfer step.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "CPP_ALL/GFComStream.h"
#include "CPP_ALL/GFFileEngine.h"
#include "CPP_ALL/GFMonitor.h"

class GFTransfer {
 public:
  static constexpr int kCan = 0x18;
  static constexpr uint32_t kWriteCharTimeout = 30000;
  static constexpr uint32_t kWriteBufferTimeout = 60000;

  GFTransfer(GFComStream* stream, GFMonitor* monitor);
  virtual ~GFTransfer();
  GFTransfer(const GFTransfer&) = delete;
  GFTransfer& operator=(const GFTransfer&) = delete;

  virtual int Send(const char* spec);
  virtual int Receive(int arg);
  // Uses the caller's engine (not owned) and stops making one.
  virtual bool SetFileEngine(GFFileEngine* engine);
  virtual void SetCarrierCheck(int flag) { m_carrierCheck = flag != 0; }
  virtual bool PrepareEngine();

  void Message(const char* format, ...);
  // True when the transfer must end (abort, lost carrier); the result is set.
  bool CheckAbort();
  int WriteChar(int c);
  int WriteBuffer(const void* data, int n);
  void Finish();
  bool WaitQuiet();
  // Waits `ms` polling the idle hook; false when it asked to stop.
  bool Delay(uint32_t ms);

  // The part after the last "\", else after the last ":", else the name.
  static const char* StripPath(const char* name);

  GFMonitor* GetMonitor() const { return m_monitor; }
  GFComStream* GetStream() const { return m_stream; }
  GFFileEngine* GetEngine() const { return m_engine; }

 protected:
  // Closes the file still open when the transfer ends; a received file is
  // dated only when the transfer succeeded.
  virtual void CloseOpenFile();
  // Sets the monitor's result and returns it.
  int Fail(int code) {
    m_monitor->result = code;
    return code;
  }

  bool m_makeEngine = true;
  bool m_fileOpen = false;
  bool m_ownsMonitor = false;
  bool m_carrierCheck = false;
  bool m_finished = false;  // the end-of-transfer step ran for this run
  GFComStream* m_stream;
  GFLineStatus* m_lineStatus;
  GFMonitor* m_monitor;
  GFFileEngine* m_engine = nullptr;
  std::vector<uint8_t> m_data;

 private:
  std::unique_ptr<GFMonitor> m_ownMonitor;
  std::unique_ptr<GFFileEngine> m_ownEngine;
};
