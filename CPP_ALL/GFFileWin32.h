// The file engine of the shipping program, on Win32 file handles.
#pragma once

#include "CPP_ALL/GFFileEngine.h"

class GFFileWin32 : public GFFileEngine {
 public:
  GFFileWin32() = default;
  ~GFFileWin32() override;

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
  bool IsOpen() const override;
  bool Exists(const char* name) override;
  int Rename(const char* from, const char* to) override;
  int Remove(const char* name) override;

 protected:
  void Expand(const std::string& pattern, bool recurse, std::vector<std::string>& out) override;

 private:
  void ExpandIn(const std::string& dir, const std::string& mask, int depth, bool recurse,
                std::vector<std::string>& out);
  void* m_handle = reinterpret_cast<void*>(-1);  // INVALID_HANDLE_VALUE
};
