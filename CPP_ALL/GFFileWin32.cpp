#include <windows.h>

#include "CPP_ALL/GFFileNative.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "CPP_ALL/GFErrors.h"
#include "CPP_ALL/GFPlatform.h"

std::unique_ptr<GFFileEngine> GFMakeFileEngine() { return std::make_unique<GFFileNative>(); }

namespace {
HANDLE Handle(intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

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

GFFileNative::~GFFileNative() {
  if (IsOpen()) CloseHandle(Handle(m_handle));
}

int GFFileNative::Open(const char* name, const char* mode) {
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
  m_handle = reinterpret_cast<intptr_t>(h);
  m_name = name;
  ResetSize();
  if (append) SetFilePointer(h, 0, nullptr, FILE_END);
  return 0;
}

int GFFileNative::Close() {
  if (!IsOpen()) return GF_FE_NOT_OPEN;
  BOOL ok = CloseHandle(Handle(m_handle));
  m_handle = kNoHandle;
  return ok ? 0 : GF_FE_CLOSE_FAILED;
}

long GFFileNative::Seek(long offset, int origin) {
  if (!IsOpen()) return GF_FE_NOT_OPEN;
  DWORD method = origin == 1 ? FILE_CURRENT : origin == 2 ? FILE_END : FILE_BEGIN;
  DWORD pos = SetFilePointer(Handle(m_handle), offset, nullptr, method);
  return pos == INVALID_SET_FILE_POINTER ? GF_FE_SEEK_FAILED : long(pos);
}

long GFFileNative::Tell() {
  if (!IsOpen()) return GF_FE_NOT_OPEN;
  DWORD pos = SetFilePointer(Handle(m_handle), 0, nullptr, FILE_CURRENT);
  return pos == INVALID_SET_FILE_POINTER ? GF_FE_NO_POSITION : long(pos);
}

int GFFileNative::SetTime() {
  Flush();
  uint64_t ticks = GFFileTimeFromUnix(ToUnixSeconds());
  FILETIME ft{DWORD(ticks), DWORD(ticks >> 32)};
  if (IsOpen()) return SetFileTime(Handle(m_handle), nullptr, nullptr, &ft) ? 0 : GF_GENERAL;
  HANDLE h = CreateFileA(m_name.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return GF_GENERAL;
  BOOL ok = SetFileTime(h, nullptr, nullptr, &ft);
  CloseHandle(h);
  return ok ? 0 : GF_GENERAL;
}

int GFFileNative::GetTime() {
  FILETIME ft{};
  if (IsOpen()) {
    if (!GetFileTime(Handle(m_handle), nullptr, nullptr, &ft)) return GF_GENERAL;
  } else {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(m_name.c_str(), GetFileExInfoStandard, &data)) return GF_GENERAL;
    ft = data.ftLastWriteTime;
  }
  FromUnixSeconds(long(GFUnixFromFileTime((uint64_t(ft.dwHighDateTime) << 32) | ft.dwLowDateTime)));
  return 0;
}

long GFFileNative::GetSize() {
  if (m_size >= 0) return m_size;
  if (IsOpen()) {
    DWORD size = GetFileSize(Handle(m_handle), nullptr);
    if (size == INVALID_FILE_SIZE) return -1;
    return m_size = long(size);
  }
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(m_name.c_str(), GetFileExInfoStandard, &data)) return -1;
  return m_size = long(data.nFileSizeLow);
}

int GFFileNative::Write(const void* buffer, int n) {
  DWORD done = 0;
  if (!IsOpen() || !WriteFile(Handle(m_handle), buffer, DWORD(n), &done, nullptr)) return int(done);
  return int(done);
}

int GFFileNative::Read(void* buffer, int n) {
  DWORD done = 0;
  if (!IsOpen() || !ReadFile(Handle(m_handle), buffer, DWORD(n), &done, nullptr)) return int(done);
  return int(done);
}

int GFFileNative::PutChar(int c) {
  char b = char(c);
  return Write(&b, 1);
}

int GFFileNative::GetChar(char* buffer) { return Read(buffer, 1); }

int GFFileNative::Flush() { return IsOpen() && FlushFileBuffers(Handle(m_handle)) ? 0 : GF_GENERAL; }

int GFFileNative::Rename(const char* from, const char* to) {
  return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING) ? 0 : GF_GENERAL;
}

int GFFileNative::Remove(const char* name) { return DeleteFileA(name) ? 0 : GF_GENERAL; }

bool GFFileNative::Exists(const char* name) {
  DWORD attributes = GetFileAttributesA(name);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void GFFileNative::Expand(const std::string& pattern, bool recurse, std::vector<std::string>& out) {
  const char* name = GFNameInPath(pattern.c_str());
  std::string dir(pattern.c_str(), name);
  std::string mask(name);
  ExpandIn(dir, mask, 0, recurse, out);
}

void GFFileNative::ExpandIn(const std::string& dir, const std::string& mask, int depth, bool recurse,
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
