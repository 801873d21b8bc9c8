// The file engine on the system's own files: Win32 file handles in the
// shipping program (GFFileWin32.cpp), POSIX descriptors in the native build
// (GFFilePosix.cpp). One declaration, so the two cannot drift apart.
#pragma once

#include <cstdint>

#include "CPP_ALL/GFFileEngine.h"

class GFFileNative : public GFFileEngine {
 public:
  GFFileNative() = default;
  ~GFFileNative() override;

  int Open(const char* name, const char* mode) override;
  int Close() override;
  long Seek(long offset, int origin) override;
  long Tell() override;
  int SetTime() override;
  int GetTime() override;
  long GetSize() override;
  int Write(const void* buffer, int n) override;
  int Read(void* buffer, int n) override;
  int PutChar(int c) override;
  int GetChar(char* buffer) override;
  int Flush() override;
  bool IsOpen() const override { return m_handle != kNoHandle; }
  bool Exists(const char* name) override;
  int Rename(const char* from, const char* to) override;
  int Remove(const char* name) override;

 protected:
  void Expand(const std::string& pattern, bool recurse, std::vector<std::string>& out) override;

 private:
  // -1 is both an invalid descriptor and INVALID_HANDLE_VALUE.
  static constexpr intptr_t kNoHandle = -1;

  void ExpandIn(const std::string& dir, const std::string& mask, int depth, bool recurse,
                std::vector<std::string>& out);
  intptr_t m_handle = kNoHandle;
};
