// The ZMODEM receiver fed whatever the line brings. It must end (the line
// runs dry) without a fault, and never write outside its folder.
#include <cstdlib>
#include <filesystem>
#include <string>

#include "CPP_ALL/GFPlatform.h"
#include "CPP_ALL/GFZmodem.h"
#include "CPP_ALL/tests/fuzz/FuzzLine.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace fs = std::filesystem;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const fs::path folder = fs::temp_directory_path() / ("g7k_zmodem_rx_fuzz_" + std::to_string(getpid()));
  GFSetTimeScale(1000);
  fs::remove_all(folder);
  fs::create_directories(folder);
  FuzzLine line(data, size);
  GFComStream stream(&line);
  GFMonitor monitor;
  GFZmodem z(&stream, &monitor);
  z.SetReceiveFolder(folder.string().c_str());
  z.SetRetryLimit(5);
  int result = z.Receive(0);
  if (result > 0) std::abort();
  if (monitor.bytesDone < 0) std::abort();
  return 0;
}
