#include "design/fuzz/FuzzFile.h"

#include "framework/OsFile.h"

#include <filesystem>
#include <fstream>

std::string WriteFuzzFile(const uint8_t* data, size_t size,
                          const char* extension) {
  static const std::string base =
      (std::filesystem::temp_directory_path() /
       ("g7k_design_fuzz_" + std::to_string(OsFile::ProcessId())))
          .string();
  const std::string path = base + extension;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data),
            static_cast<std::streamsize>(size));
  return path;
}
