#include "CPP_ALL/GFFileNative.h"

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "CPP_ALL/GFErrors.h"

namespace {
int Descriptor(intptr_t handle) { return int(handle); }
}  // namespace

std::unique_ptr<GFFileEngine> GFMakeFileEngine() { return std::make_unique<GFFileNative>(); }

GFFileNative::~GFFileNative() {
  if (IsOpen()) ::close(Descriptor(m_handle));
}

int GFFileNative::Open(const char* name, const char* mode) {
  if (IsOpen()) return GF_FE_ALREADY_OPEN;
  bool append = std::strchr(mode, 'a') != nullptr;
  bool write = std::strchr(mode, 'w') != nullptr;
  bool read = std::strchr(mode, 'r') != nullptr;
  int flags = O_RDWR | O_CREAT;
  if (append) flags = O_RDWR | O_CREAT;
  else if (write && !read) flags = O_WRONLY | O_CREAT | O_TRUNC;
  else if (read && !write) flags = O_RDONLY;  // never creates
  if (std::strchr(mode, 'x')) flags |= O_EXCL;
  int fd = ::open(name, flags | O_CLOEXEC, 0644);
  if (fd < 0) return GF_FE_OPEN_REFUSED;
  m_handle = fd;
  m_name = name;
  ResetSize();
  if (append) ::lseek(fd, 0, SEEK_END);
  return 0;
}

int GFFileNative::Close() {
  if (!IsOpen()) return GF_FE_NOT_OPEN;
  int rc = ::close(Descriptor(m_handle));
  m_handle = kNoHandle;
  return rc == 0 ? 0 : GF_FE_CLOSE_FAILED;
}

long GFFileNative::Seek(long offset, int origin) {
  if (!IsOpen()) return GF_FE_NOT_OPEN;
  int whence = origin == 1 ? SEEK_CUR : origin == 2 ? SEEK_END : SEEK_SET;
  off_t pos = ::lseek(Descriptor(m_handle), offset, whence);
  return pos < 0 ? GF_FE_SEEK_FAILED : long(pos);
}

long GFFileNative::Tell() {
  if (!IsOpen()) return GF_FE_NOT_OPEN;
  off_t pos = ::lseek(Descriptor(m_handle), 0, SEEK_CUR);
  return pos < 0 ? GF_FE_NO_POSITION : long(pos);
}

int GFFileNative::SetTime() {
  Flush();
  time_t t = time_t(ToUnixSeconds());
  timeval times[2] = {{t, 0}, {t, 0}};
  int rc = IsOpen() ? ::futimes(Descriptor(m_handle), times) : ::utimes(m_name.c_str(), times);
  return rc == 0 ? 0 : GF_GENERAL;
}

int GFFileNative::GetTime() {
  struct stat st{};
  int rc = IsOpen() ? ::fstat(Descriptor(m_handle), &st) : ::stat(m_name.c_str(), &st);
  if (rc != 0) return GF_GENERAL;
  FromUnixSeconds(long(st.st_mtime));
  return 0;
}

long GFFileNative::GetSize() {
  if (m_size >= 0) return m_size;
  struct stat st{};
  int rc = IsOpen() ? ::fstat(Descriptor(m_handle), &st) : ::stat(m_name.c_str(), &st);
  if (rc != 0) return -1;
  return m_size = long(st.st_size);
}

int GFFileNative::Write(const void* buffer, int n) {
  if (!IsOpen()) return 0;
  const char* p = static_cast<const char*>(buffer);
  int done = 0;
  while (done < n) {
    ssize_t w = ::write(Descriptor(m_handle), p + done, size_t(n - done));
    if (w <= 0) break;
    done += int(w);
  }
  return done;
}

int GFFileNative::Read(void* buffer, int n) {
  if (!IsOpen()) return 0;
  ssize_t r = ::read(Descriptor(m_handle), buffer, size_t(n));
  return r < 0 ? 0 : int(r);
}

int GFFileNative::PutChar(int c) {
  char b = char(c);
  return Write(&b, 1);
}

int GFFileNative::GetChar(char* buffer) { return Read(buffer, 1); }

// Writes go straight to the system (no buffer of ours), which is all a
// flush before dating the file needs; forcing them to the disk is not.
int GFFileNative::Flush() { return IsOpen() ? 0 : GF_GENERAL; }

bool GFFileNative::Exists(const char* name) {
  struct stat st{};
  return ::stat(name, &st) == 0 && S_ISREG(st.st_mode);
}

int GFFileNative::Rename(const char* from, const char* to) {
  return ::rename(from, to) == 0 ? 0 : GF_GENERAL;
}

int GFFileNative::Remove(const char* name) { return ::unlink(name) == 0 ? 0 : GF_GENERAL; }

void GFFileNative::Expand(const std::string& pattern, bool recurse, std::vector<std::string>& out) {
  const char* name = GFNameInPath(pattern.c_str());
  std::string dir(pattern.c_str(), name);
  std::string mask(name);
  if (mask.find_first_of("*?[") == std::string::npos && !recurse) {
    if (Exists(pattern.c_str())) out.push_back(pattern);
    return;
  }
  ExpandIn(dir, mask, 0, recurse, out);
}

void GFFileNative::ExpandIn(const std::string& dir, const std::string& mask, int depth, bool recurse,
                           std::vector<std::string>& out) {
  DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
  if (!d) return;
  std::vector<std::string> files, folders;
  while (dirent* e = ::readdir(d)) {
    std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    std::string path = dir + name;
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0) continue;
    if (S_ISDIR(st.st_mode)) {
      if (recurse && depth < kMaxDepth) folders.push_back(path + "/");
    } else if (S_ISREG(st.st_mode) && ::fnmatch(mask.c_str(), name.c_str(), 0) == 0) {
      files.push_back(path);
    }
  }
  ::closedir(d);
  std::sort(files.begin(), files.end());
  std::sort(folders.begin(), folders.end());
  out.insert(out.end(), files.begin(), files.end());
  for (const std::string& f : folders) ExpandIn(f, mask, depth + 1, recurse, out);
}
