// The native build's side of the file seam: POSIX calls. Paths may use '\\'
// or '/' as the separator; names in searches are compared without regard to
// case, as on the shipping system.
#include "framework/OsFile.h"

#include "framework/File.h"
#include "framework/FileFind.h"
#include "framework/PathNames.h"
#include "framework/ProcessRunner.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace OsFile {
namespace {

std::string ToNativePath(LPCTSTR lpszPath) {
  std::string path = lpszPath != NULL ? lpszPath : "";
  for (char& ch : path) {
    if (ch == '\\')
      ch = '/';
  }
  return path;
}

bool Fail(Error& error) {
  error.osError = errno;
  error.cause = CFileException::ErrnoToException(errno);
  return false;
}

DWORD AttributesOf(const std::string& name, const struct stat& st) {
  DWORD dwAttributes = 0;
  if (S_ISDIR(st.st_mode))
    dwAttributes |= CFile::directory;
  else
    dwAttributes |= CFile::archive;
  if ((st.st_mode & S_IWUSR) == 0)
    dwAttributes |= CFile::readOnly;
  if (!name.empty() && name[0] == '.' && name != "." && name != "..")
    dwAttributes |= CFile::hidden;
  return dwAttributes;
}

} // namespace

Handle Open(LPCTSTR lpszFileName, UINT nOpenFlags, Error& error) {
  int flags = 0;
  switch (nOpenFlags & 3) {
  case CFile::modeRead: flags = O_RDONLY; break;
  case CFile::modeWrite: flags = O_WRONLY; break;
  case CFile::modeReadWrite: flags = O_RDWR; break;
  default:
    error.cause = CFileException::accessDenied;
    error.osError = EINVAL;
    return hNoFile;
  }
  if (nOpenFlags & CFile::modeCreate) {
    flags |= O_CREAT;
    if ((nOpenFlags & CFile::modeNoTruncate) == 0)
      flags |= O_TRUNC;
  }
  flags |= O_CLOEXEC;
  std::string path = ToNativePath(lpszFileName);
  int fd = ::open(path.c_str(), flags, 0666);
  if (fd < 0) {
    Fail(error);
    return hNoFile;
  }
  struct stat st;
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd);
    error.cause = CFileException::accessDenied;
    error.osError = EISDIR;
    return hNoFile;
  }
  return fd;
}

bool Close(Handle hFile, Error& error) { return ::close((int)hFile) == 0 || Fail(error); }

bool Read(Handle hFile, void* lpBuf, UINT nCount, UINT& nRead, Error& error) {
  nRead = 0;
  char* pDest = static_cast<char*>(lpBuf);
  while (nRead < nCount) {
    ssize_t n = ::read((int)hFile, pDest + nRead, nCount - nRead);
    if (n < 0) {
      if (errno == EINTR)
        continue;
      return Fail(error);
    }
    if (n == 0)
      break;
    nRead += (UINT)n;
  }
  return true;
}

bool Write(Handle hFile, const void* lpBuf, UINT nCount, Error& error) {
  const char* pSrc = static_cast<const char*>(lpBuf);
  UINT nWritten = 0;
  while (nWritten < nCount) {
    ssize_t n = ::write((int)hFile, pSrc + nWritten, nCount - nWritten);
    if (n < 0) {
      if (errno == EINTR)
        continue;
      return Fail(error);
    }
    if (n == 0) {
      error.cause = CFileException::diskFull;
      error.osError = ENOSPC;
      return false;
    }
    nWritten += (UINT)n;
  }
  return true;
}

bool Seek(Handle hFile, LONGLONG lOff, UINT nFrom, ULONGLONG& nNewPosition, Error& error) {
  int whence = nFrom == CFile::begin ? SEEK_SET : nFrom == CFile::current ? SEEK_CUR : SEEK_END;
  off_t pos = ::lseek((int)hFile, (off_t)lOff, whence);
  if (pos < 0) {
    Fail(error);
    if (errno == EINVAL)
      error.cause = CFileException::badSeek;
    return false;
  }
  nNewPosition = (ULONGLONG)pos;
  return true;
}

bool GetLength(Handle hFile, ULONGLONG& nLength, Error& error) {
  struct stat st;
  if (::fstat((int)hFile, &st) != 0)
    return Fail(error);
  nLength = (ULONGLONG)st.st_size;
  return true;
}

bool SetLength(Handle hFile, ULONGLONG nLength, Error& error) {
  return ::ftruncate((int)hFile, (off_t)nLength) == 0 || Fail(error);
}

bool Flush(Handle hFile, Error& error) { return ::fsync((int)hFile) == 0 || errno == EINVAL || Fail(error); }

bool Remove(LPCTSTR lpszFileName, Error& error) {
  std::string path = ToNativePath(lpszFileName);
  struct stat st;
  if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
    // Removing a file never removes a folder.
    error.cause = CFileException::accessDenied;
    error.osError = EISDIR;
    return false;
  }
  return ::unlink(path.c_str()) == 0 || Fail(error);
}

bool Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName, Error& error) {
  std::string oldPath = ToNativePath(lpszOldName);
  std::string newPath = ToNativePath(lpszNewName);
  // Moving onto an existing file fails, as it does on the shipping system.
  struct stat st;
  if (::lstat(newPath.c_str(), &st) == 0) {
    error.cause = CFileException::accessDenied;
    error.osError = EEXIST;
    return false;
  }
  return ::rename(oldPath.c_str(), newPath.c_str()) == 0 || Fail(error);
}

bool Replace(LPCTSTR lpszSource, LPCTSTR lpszTarget, Error& error) {
  std::string source = ToNativePath(lpszSource);
  std::string target = ToNativePath(lpszTarget);
  struct stat st;
  struct stat stSource;
  if ((::lstat(target.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) ||
      (::lstat(source.c_str(), &stSource) == 0 && S_ISDIR(stSource.st_mode))) {
    error.cause = CFileException::accessDenied;
    error.osError = EISDIR;
    return false;
  }
  return ::rename(source.c_str(), target.c_str()) == 0 || Fail(error);
}

bool CreateNew(LPCTSTR lpszFileName, Error& error) {
  int fd = ::open(ToNativePath(lpszFileName).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0)
    return Fail(error);
  return Close(fd, error);
}

bool AlreadyExists(const Error& error) { return error.osError == EEXIST; }

unsigned long ProcessId() { return (unsigned long)::getpid(); }

bool FullPath(LPCTSTR lpszPath, CString& rFullPath) {
  std::string path = ToNativePath(lpszPath);
  if (path.empty())
    return false;
  if (path[0] != '/') {
    char szCwd[4096];
    if (::getcwd(szCwd, sizeof szCwd) == NULL)
      return false;
    path = std::string(szCwd) + "/" + path;
  }
  // Resolve "." and ".." and repeated separators; keep a trailing one.
  bool bTrailing = path.size() > 1 && path.back() == '/';
  std::vector<std::string> parts;
  size_t nStart = 0;
  while (nStart <= path.size()) {
    size_t nEnd = path.find('/', nStart);
    if (nEnd == std::string::npos)
      nEnd = path.size();
    std::string part = path.substr(nStart, nEnd - nStart);
    if (part == "..") {
      if (!parts.empty())
        parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    nStart = nEnd + 1;
  }
  std::string result;
  for (const std::string& part : parts)
    result += "/" + part;
  if (result.empty() || bTrailing)
    result += "/";
  rFullPath = CString(result.c_str());
  return true;
}

bool FindFiles(LPCTSTR lpszPattern, std::vector<FindData>& entries, Error& error) {
  entries.clear();
  std::string pattern = ToNativePath(lpszPattern);
  size_t nSlash = pattern.rfind('/');
  std::string dir = nSlash == std::string::npos ? "." : pattern.substr(0, nSlash + 1);
  std::string mask = nSlash == std::string::npos ? pattern : pattern.substr(nSlash + 1);
  if (mask.empty()) {
    // A trailing separator or a bare root names no entry.
    error.cause = CFileException::fileNotFound;
    error.osError = ENOENT;
    return false;
  }
  DIR* pDir = ::opendir(dir.c_str());
  if (pDir == NULL)
    return Fail(error);
  while (struct dirent* pEntry = ::readdir(pDir)) {
    std::string name = pEntry->d_name;
    if (!AfxMatchFileMask(mask.c_str(), name.c_str()))
      continue;
    struct stat st;
    std::string full = (dir.back() == '/' ? dir : dir + "/") + name;
    if (::stat(full.c_str(), &st) != 0)
      continue;
    FindData data;
    data.strName = name.c_str();
    data.dwAttributes = AttributesOf(name, st);
    data.nSize = S_ISDIR(st.st_mode) ? 0 : (ULONGLONG)st.st_size;
    data.tLastWrite = st.st_mtime;
    data.tLastAccess = st.st_atime;
    data.tCreation = 0;   // POSIX keeps no creation time
    entries.push_back(data);
  }
  ::closedir(pDir);
  // Directory order is arbitrary here; give a stable one.
  std::sort(entries.begin(), entries.end(), [](const FindData& a, const FindData& b) {
    int nOrder = a.strName.CompareNoCase(b.strName);
    return nOrder != 0 ? nOrder < 0 : a.strName < b.strName;
  });
  if (entries.empty()) {
    error.cause = CFileException::fileNotFound;
    error.osError = ENOENT;
    return false;
  }
  return true;
}

char PathSeparator() { return '/'; }

bool GetAttributes(LPCTSTR lpszPath, DWORD& dwAttributes) {
  std::string path = ToNativePath(lpszPath);
  struct stat st;
  if (path.empty() || ::stat(path.c_str(), &st) != 0)
    return false;
  dwAttributes = AttributesOf(static_cast<LPCTSTR>(FileNamePart(path.c_str())), st);
  return true;
}

bool CreateFolder(LPCTSTR lpszPath, Error& error) {
  return ::mkdir(ToNativePath(lpszPath).c_str(), 0777) == 0 || Fail(error);
}

CString CurrentDirectory() {
  std::vector<char> buffer(256);
  while (::getcwd(buffer.data(), buffer.size()) == NULL) {
    if (errno != ERANGE)
      return CString();
    buffer.resize(buffer.size() * 2);
  }
  return CString(buffer.data());
}

bool ChangeDirectory(LPCTSTR lpszPath) {
  std::string path = ToNativePath(lpszPath);
  return !path.empty() && ::chdir(path.c_str()) == 0;
}

CString CurrentDriveRoot() { return CString("/"); }

CString TempFolder() {
  const char* pszFolder = ::getenv("TMPDIR");
  return WithSeparator(pszFolder != NULL && *pszFolder != '\0' ? pszFolder : "/tmp");
}

bool DiskSpace(LPCTSTR lpszRoot, ULONGLONG& nFree, ULONGLONG& nTotal) {
  struct statvfs vfs;
  if (::statvfs(ToNativePath(lpszRoot).c_str(), &vfs) != 0)
    return false;
  nFree = (ULONGLONG)vfs.f_bavail * vfs.f_frsize;
  nTotal = (ULONGLONG)vfs.f_blocks * vfs.f_frsize;
  return true;
}

CString ShortPath(LPCTSTR lpszPath) { return CString(lpszPath); }

bool RunProcess(LPCTSTR lpszCommandLine, int& nExitCode, const std::function<void()>& onWait) {
  std::vector<std::string> args;
  for (const CString& strArg : SplitCommandLine(lpszCommandLine))
    args.push_back(static_cast<LPCTSTR>(strArg));
  if (args.empty())
    return false;
  args[0] = ToNativePath(args[0].c_str());
  std::vector<char*> argv;
  for (std::string& arg : args)
    argv.push_back(&arg[0]);
  argv.push_back(NULL);
  pid_t pid = 0;
  if (::posix_spawnp(&pid, argv[0], NULL, NULL, argv.data(), environ) != 0)
    return false;
  int nStatus = 0;
  for (;;) {
    const pid_t nDone = ::waitpid(pid, &nStatus, onWait ? WNOHANG : 0);
    if (nDone == pid)
      break;
    if (nDone < 0 && errno != EINTR)
      return false;
    if (nDone == 0) {
      onWait();
      ::usleep(100000);
    }
  }
  if (WIFEXITED(nStatus)) {
    nExitCode = WEXITSTATUS(nStatus);
    return true;
  }
  // Ended by a signal: the status a shell would report.
  nExitCode = 128 + WTERMSIG(nStatus);
  return true;
}

QuietErrors::QuietErrors() = default;
QuietErrors::~QuietErrors() = default;

} // namespace OsFile
