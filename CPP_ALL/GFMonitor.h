// Progress and abort interface of a transfer. On its own it is a silent
// monitor; the program's transfer-status window implements it.
#pragma once

#include <string>

enum GFCheckType {
  GF_CHECK_UNKNOWN = 0,
  GF_CHECK_SUM8 = 1,
  GF_CHECK_SUM16 = 2,
  GF_CHECK_CRC16 = 3,
  GF_CHECK_CRC32 = 4,
};

class GFMonitor {
 public:
  static constexpr int kZmodem = 7;

  GFMonitor();
  virtual ~GFMonitor() = default;

  virtual int Reset(int direction);
  virtual int Progress(int result) { return result; }
  virtual void Message(const char* text) {}
  // 0, or a negative code that ends the transfer (-901 for a user abort).
  virtual int QueryAbort() { return 0; }
  virtual void Notify(int value) {}

  const char* GetCheckName() const;

  int direction = 0;  // 1 send, 0 receive
  int protocol = kZmodem;
  int checkType = -1;
  const char* const* checkNames;
  std::string fileName = "<None>";
  long fileCount = 0;
  long fileSize = 0;
  long fileTime = -1;  // UTC seconds since 1970, -1 unknown
  long subpackets = 0;
  long subpacketBytes = 0;
  long bytesDone = 0;
  int result = 0;
  int errorCount = 0;
  int retryCount = 0;
  int keyCode = 27;
};
