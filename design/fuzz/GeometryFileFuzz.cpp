// The geometry file reader, then a write and a second read.
#include "framework/Portable.h"
#include "design/GeometryFile.h"

#include "design/fuzz/FuzzFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = WriteFuzzFile(data, size, ".XYZ");
  CGeometryFile file;
  if (!file.Read(path.c_str()))
    return 0;
  if (file.Write(path.c_str())) {
    CGeometryFile again;
    again.Read(path.c_str());
  }
  return 0;
}
