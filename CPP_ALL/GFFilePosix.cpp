#include "CPP_ALL/GFFilePosix.h"

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

std::unique_ptr<GFFileEngine> GFMakeFileEngine() { return std::make_unique<GFFilePosix>(); }

GFFilePosix::~GFFilePosix() {
  if (m_fd >= 0) ::close(m_fd);
}

int GFFilePosix::Open(const char* name, const char* mode) {
  if (m_fd >= 0) return GF_FE_ALREADY_OPEN;
  bool append = std::strchr(mode, 'a') != nullptr;
  bool write = std::strchr(mode, 'w') != nullptr;
  bool read = std::strchr(mode, 'r') != nullptr;
  int flags = O_RDWR | O_CREAT;
  if (append) flags = O_RDWR | O_CREAT;
  else if (write && !read) flags = O_WRONLY | O_CREAT | O_TRUNC;
  if (std::strchr(mode, 'x')) flags |= O_EXCL;
  else if (read && !write) flags = O_RDONLY;  // never creates
  m_fd = ::open(name, flags | O_CLOEXEC, 0644);
  if (m_fd < 0) return GF_FE_OPEN_REFUSED;
  m_name = name;
  ResetSize();
  if (append) ::lseek(m_fd, 0, SEEK_END);
  return 0;
}

int GFFilePosix::Close() {
  if (m_fd < 0) return GF_FE_NOT_OPEN;
  int rc = ::close(m_fd);
  m_fd = -1;
  return rc == 0 ? 0 : GF_FE_CLOSE_FAILED;
}

long GFFilePosix::Seek(long offset, int origin) {
  if (m_fd < 0) return GF_FE_NOT_OPEN;
  int whence = origin == 1 ? SEEK_CUR : origin == 2 ? SEEK_END : SEEK_SET;
  off_t pos = ::lseek(m_fd, offset, whence);
  return pos < 0 ? GF_FE_SEEK_FAILED : long(pos);
}

long GFFilePosix::Tell() {
  if (m_fd < 0) return GF_FE_NOT_OPEN;
  off_t pos = ::lseek(m_fd, 0, SEEK_CUR);
  return pos < 0 ? GF_FE_NO_POSITION : long(pos);
}

int GFFilePosix::SetTime() {
  Flush();
  time_t t = time_t(ToUnixSeconds());
  timeval times[2] = {{t, 0}, {t, 0}};
  int rc = m_fd >= 0 ? ::futimes(m_fd, times) : ::utimes(m_name.c_str(), times);
  return rc == 0 ? 0 : GF_GENERAL;
}

int GFFilePosix::GetTime() {
  struct stat st{};
  int rc = m_fd >= 0 ? ::fstat(m_fd, &st) : ::stat(m_name.c_str(), &st);
  if (rc != 0) return GF_GENERAL;
  FromUnixSeconds(long(st.st_mtime));
  return 0;
}

long GFFilePosix::GetSize() {
  if (m_size >= 0) return m_size;
  struct stat st{};
  int rc = m_fd >= 0 ? ::fstat(m_fd, &st) : ::stat(m_name.c_str(), &st);
  if (rc != 0) return -1;
  return m_size = long(st.st_size);
}

int GFFilePosix::Write(const void* buffer, int n) {
  if (m_fd < 0) return 0;
  const char* p = static_cast<const char*>(buffer);
  int done = 0;
  while (done < n) {
    ssize_t w = ::write(m_fd, p + done, size_t(n - done));
    if (w <= 0) break;
    done += int(w);
  }
  return done;
}

int GFFilePosix::Read(void* buffer, int n) {
  if (m_fd < 0) return 0;
  ssize_t r = ::read(m_fd, buffer, size_t(n));
  return r < 0 ? 0 : int(r);
}

int GFFilePosix::PutChar(int c) {
  char b = char(c);
  return Write(&b, 1);
}

int GFFilePosix::GetChar(char* buffer) { return Read(buffer, 1); }

// Writes go straight to the system (no buffer of ours), which is all a
// flush before dating the file needs; forcing them to the disk is not.
int GFFilePosix::Flush() { return m_fd >= 0 ? 0 : GF_GENERAL; }

bool GFFilePosix::Exists(const char* name) {
  struct stat st{};
  return ::stat(name, &st) == 0 && S_ISREG(st.st_mode);
}

int GFFilePosix::Rename(const char* from, const char* to) {
  return ::rename(from, to) == 0 ? 0 : GF_GENERAL;
}

int GFFilePosix::Remove(const char* name) { return ::unlink(name) == 0 ? 0 : GF_GENERAL; }

void GFFilePosix::Expand(const std::string& pattern, bool recurse, std::vector<std::string>& out) {
  size_t slash = pattern.find_last_of('/');
  std::string dir = slash == std::string::npos ? "" : pattern.substr(0, slash + 1);
  std::string mask = slash == std::string::npos ? pattern : pattern.substr(slash + 1);
  if (mask.find_first_of("*?[") == std::string::npos && !recurse) {
    if (Exists(pattern.c_str())) out.push_back(pattern);
    return;
  }
  ExpandIn(dir, mask, 0, recurse, out);
}

void GFFilePosix::ExpandIn(const std::string& dir, const std::string& mask, int depth, bool recurse,
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
