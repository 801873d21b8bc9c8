#include <windows.h>

#include "CPP_ALL/GFFileWin32.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "CPP_ALL/GFErrors.h"
#include "CPP_ALL/GFPlatform.h"

std::unique_ptr<GFFileEngine> GFMakeFileEngine() { return std::make_unique<GFFileWin32>(); }

namespace {
// FILETIME counts 100 ns ticks from 1601.
constexpr ULONGLONG kTicksPerSecond = 10000000ULL;
constexpr LONGLONG kSecondsTo1970 = 11644473600LL;

bool WildMatch(const char* mask, const char* name) {
  for (; *mask; ++mask, ++name) {
    if (*mask == '*') {
      for (const char* n = name;; ++n) {
        if (WildMatch(mask + 1, n)) return true;
        if (!*n) return false;
      }
    }
    if (!*name) return false;
    if (*mask != '?' && std::toupper(static_cast<unsigned char>(*mask)) != std::toupper(static_cast<unsigned char>(*name)))
      return false;
  }
  return !*name;
}
}  // namespace

GFFileWin32::~GFFileWin32() {
  if (IsOpen()) CloseHandle(m_handle);
}

bool GFFileWin32::IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }

int GFFileWin32::Open(const char* name, const char* mode) {
  if (IsOpen()) return GF_FE_ALREADY_OPEN;
  bool append = std::strchr(mode, 'a') != nullptr;
  bool write = std::strchr(mode, 'w') != nullptr;
  bool read = std::strchr(mode, 'r') != nullptr;
  DWORD access = GENERIC_READ | GENERIC_WRITE;
  DWORD disposition = OPEN_ALWAYS;
  if (!append && write && !read) {
    access = GENERIC_WRITE;
    disposition = CREATE_ALWAYS;
    if (std::strchr(mode, 'x')) disposition = CREATE_NEW;
  } else if (!append && read && !write) {
    access = GENERIC_READ;
    disposition = OPEN_EXISTING;  // reading never creates a file
  }
  HANDLE h = CreateFileA(name, access, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return GF_FE_OPEN_REFUSED;
  m_handle = h;
  m_name = name;
  ResetSize();
  if (append) SetFilePointer(h, 0, nullptr, FILE_END);
  return 0;
}

int GFFileWin32::Close() {
  if (!IsOpen()) return GF_FE_NOT_OPEN;
  BOOL ok = CloseHandle(m_handle);
  m_handle = INVALID_HANDLE_VALUE;
  return ok ? 0 : GF_FE_CLOSE_FAILED;
}

long GFFileWin32::Seek(long offset, int origin) {
  if (!IsOpen()) return GF_FE_NOT_OPEN;
  DWORD method = origin == 1 ? FILE_CURRENT : origin == 2 ? FILE_END : FILE_BEGIN;
  DWORD pos = SetFilePointer(m_handle, offset, nullptr, method);
  return pos == INVALID_SET_FILE_POINTER ? GF_FE_SEEK_FAILED : long(pos);
}

long GFFileWin32::Tell() {
  if (!IsOpen()) return GF_FE_NOT_OPEN;
  DWORD pos = SetFilePointer(m_handle, 0, nullptr, FILE_CURRENT);
  return pos == INVALID_SET_FILE_POINTER ? GF_FE_NO_POSITION : long(pos);
}

int GFFileWin32::SetTime() {
  Flush();
  ULONGLONG ticks = ULONGLONG(LONGLONG(ToUnixSeconds()) + kSecondsTo1970) * kTicksPerSecond;
  FILETIME ft{DWORD(ticks), DWORD(ticks >> 32)};
  if (IsOpen()) return SetFileTime(m_handle, nullptr, nullptr, &ft) ? 0 : GF_GENERAL;
  HANDLE h = CreateFileA(m_name.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return GF_GENERAL;
  BOOL ok = SetFileTime(h, nullptr, nullptr, &ft);
  CloseHandle(h);
  return ok ? 0 : GF_GENERAL;
}

int GFFileWin32::GetTime() {
  FILETIME ft{};
  if (IsOpen()) {
    if (!GetFileTime(m_handle, nullptr, nullptr, &ft)) return GF_GENERAL;
  } else {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(m_name.c_str(), GetFileExInfoStandard, &data)) return GF_GENERAL;
    ft = data.ftLastWriteTime;
  }
  ULONGLONG ticks = (ULONGLONG(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
  FromUnixSeconds(long(LONGLONG(ticks / kTicksPerSecond) - kSecondsTo1970));
  return 0;
}

long GFFileWin32::GetSize() {
  if (m_size >= 0) return m_size;
  if (IsOpen()) {
    DWORD size = GetFileSize(m_handle, nullptr);
    if (size == INVALID_FILE_SIZE) return -1;
    return m_size = long(size);
  }
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(m_name.c_str(), GetFileExInfoStandard, &data)) return -1;
  return m_size = long(data.nFileSizeLow);
}

int GFFileWin32::Write(const void* buffer, int n) {
  DWORD done = 0;
  if (!IsOpen() || !WriteFile(m_handle, buffer, DWORD(n), &done, nullptr)) return int(done);
  return int(done);
}

int GFFileWin32::Read(void* buffer, int n) {
  DWORD done = 0;
  if (!IsOpen() || !ReadFile(m_handle, buffer, DWORD(n), &done, nullptr)) return int(done);
  return int(done);
}

int GFFileWin32::PutChar(int c) {
  char b = char(c);
  return Write(&b, 1);
}

int GFFileWin32::GetChar(char* buffer) { return Read(buffer, 1); }

int GFFileWin32::Flush() { return IsOpen() && FlushFileBuffers(m_handle) ? 0 : GF_GENERAL; }

int GFFileWin32::Rename(const char* from, const char* to) {
  return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING) ? 0 : GF_GENERAL;
}

int GFFileWin32::Remove(const char* name) { return DeleteFileA(name) ? 0 : GF_GENERAL; }

bool GFFileWin32::Exists(const char* name) {
  DWORD attributes = GetFileAttributesA(name);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void GFFileWin32::Expand(const std::string& pattern, bool recurse, std::vector<std::string>& out) {
  size_t cut = pattern.find_last_of("\\/:");
  std::string dir = cut == std::string::npos ? "" : pattern.substr(0, cut + 1);
  std::string mask = cut == std::string::npos ? pattern : pattern.substr(cut + 1);
  ExpandIn(dir, mask, 0, recurse, out);
}

void GFFileWin32::ExpandIn(const std::string& dir, const std::string& mask, int depth, bool recurse,
                           std::vector<std::string>& out) {
  WIN32_FIND_DATAA data{};
  HANDLE find = FindFirstFileA((dir + "*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  std::vector<std::string> files, folders;
  do {
    std::string name = data.cFileName;
    if (name == "." || name == "..") continue;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (recurse && depth < kMaxDepth) folders.push_back(dir + name + "\\");
    } else if (WildMatch(mask.c_str(), name.c_str())) {
      files.push_back(dir + name);
    }
  } while (FindNextFileA(find, &data));
  FindClose(find);
  std::sort(files.begin(), files.end());
  std::sort(folders.begin(), folders.end());
  out.insert(out.end(), files.begin(), files.end());
  for (const std::string& f : folders) ExpandIn(f, mask, depth + 1, recurse, out);
}
