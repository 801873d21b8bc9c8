// The address editor's reader, then a write and a second read that must
// give the same rows.
#include "framework/Portable.h"
#include "design/VikaAddressFile.h"

#include <cstdlib>

#include "design/fuzz/FuzzFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = WriteFuzzFile(data, size, ".ADR");
  CVikaAddressFile file;
  if (!file.Read(path.c_str()))
    return 0;
  if (!file.Write(path.c_str()))
    return 0;
  CVikaAddressFile again;
  if (!again.Read(path.c_str()) || again.m_rows != file.m_rows)
    std::abort();
  return 0;
}
