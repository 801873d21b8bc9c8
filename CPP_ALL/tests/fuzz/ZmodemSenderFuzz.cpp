// The ZMODEM sender of a small file fed whatever the receiver answers:
// positions anywhere, acknowledgements out of order, damaged headers. It
// must end without a fault and never claim more than the file.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "CPP_ALL/GFPlatform.h"
#include "CPP_ALL/GFZmodem.h"
#include "CPP_ALL/tests/fuzz/FuzzLine.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {
constexpr long kFileSize = 5000;

std::string SentFile() {
  const fs::path path = fs::temp_directory_path() / ("g7k_zmodem_tx_fuzz_" + std::to_string(getpid()) + ".bin");
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (long i = 0; i < kFileSize; ++i) out.put(char(i * 7 + i / 256));
  return path.string();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = SentFile();
  GFSetTimeScale(1000);
  FuzzLine line(data, size);
  GFComStream stream(&line);
  GFMonitor monitor;
  GFZmodem z(&stream, &monitor);
  z.SetRetryLimit(5);
  int result = z.Send(path.c_str());
  if (result > 0 || monitor.fileCount > 1) std::abort();
  return 0;
}
