// Reads the same archive of short strings from a file on disk and from
// memory, and prints the time per string of each and their ratio.
#include "framework/Framework.h"

#include <chrono>
#include <cstdio>
#include <vector>

namespace {

const char* const kPath = "archive_bench.tmp";

std::vector<BYTE> MakeArchive(int strings) {
  CMemFile file;
  {
    CArchive ar(&file, CArchive::store);
    for (int i = 0; i < strings; ++i) {
      CString text;
      text.Format("C:\\SURVEY\\LINE%05d\\DATA%06d.RES", i % 97, i);
      ar << text;
    }
  }
  const UINT size = (UINT)file.GetLength();
  std::vector<BYTE> bytes(size);
  file.SeekToBegin();
  file.Read(bytes.data(), size);
  return bytes;
}

// Seconds to read every string back from the file.
double ReadAll(CFile& file, int strings) {
  const auto start = std::chrono::steady_clock::now();
  CArchive ar(&file, CArchive::load);
  CString text;
  for (int i = 0; i < strings; ++i)
    ar >> text;
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main() {
  std::printf("%10s %14s %14s %8s\n", "strings", "file us/str", "memory us/str", "ratio");
  for (int strings : {10000, 100000}) {
    const std::vector<BYTE> bytes = MakeArchive(strings);
    {
      CFile out(kPath, CFile::modeCreate | CFile::modeWrite);
      out.Write(bytes.data(), (UINT)bytes.size());
    }
    CFile onDisk(kPath, CFile::modeRead);
    const double disk = ReadAll(onDisk, strings);
    CMemFile inMemory(bytes.data(), (UINT)bytes.size());
    const double memory = ReadAll(inMemory, strings);
    std::printf("%10d %14.3f %14.3f %8.2f\n", strings, disk * 1e6 / strings,
                memory * 1e6 / strings, disk / memory);
  }
  std::remove(kPath);
  return 0;
}
