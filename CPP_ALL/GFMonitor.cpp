#include "CPP_ALL/GFMonitor.h"

namespace {
const char* const kCheckNames[] = {"Not Determined", "1 Byte Checksum", "2 Byte Checksum", "16 bit CRC",
                                   "32 bit CRC"};
}

GFMonitor::GFMonitor() : checkNames(kCheckNames) { Reset(0); }

int GFMonitor::Reset(int dir) {
  direction = dir;
  checkType = -1;
  fileName = "<None>";
  fileCount = 0;
  fileSize = 0;
  fileTime = -1;
  subpackets = 0;
  subpacketBytes = 0;
  bytesDone = 0;
  result = 0;
  errorCount = 0;
  retryCount = 0;
  return 0;
}

const char* GFMonitor::GetCheckName() const {
  return checkType >= 0 && checkType <= GF_CHECK_CRC32 ? checkNames[checkType] : checkNames[0];
}
