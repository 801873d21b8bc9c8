// POSIX side of the file-system seam. Paths may use "\" or "/"; names match
// wildcards without regard to case, as on the instrument PC.
#include "mvc/controls/FileSearch.h"

#include <dirent.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string Native(const CString& path) {
  std::string s(static_cast<LPCTSTR>(path));
  for (char& c : s)
    if (c == '\\')
      c = '/';
  return s;
}

bool MatchFrom(const char* p, const char* s) {
  for (; *p; ++p, ++s) {
    if (*p == '*') {
      while (*p == '*')
        ++p;
      if (!*p)
        return true;
      for (; *s; ++s)
        if (MatchFrom(p, s))
          return true;
      return false;
    }
    if (!*s)
      return false;
    if (*p != '?' && std::tolower(static_cast<unsigned char>(*p)) != std::tolower(static_cast<unsigned char>(*s)))
      return false;
  }
  return *s == '\0';
}

// Wildcards as the find interface knows them: "*.*" also matches names
// without a dot.
bool Matches(const std::string& pattern, const std::string& name) {
  if (MatchFrom(pattern.c_str(), name.c_str()))
    return true;
  if (pattern.size() >= 2 && pattern.compare(pattern.size() - 2, 2, ".*") == 0 && name.find('.') == std::string::npos)
    return MatchFrom(pattern.c_str(), (name + ".").c_str());
  return false;
}

DWORD AttributesOf(const std::string& name, const struct stat& st) {
  DWORD attr = 0;
  if (S_ISDIR(st.st_mode))
    attr |= 0x10;
  else if (S_ISREG(st.st_mode))
    attr |= 0x20;
  else
    attr |= 0x40;
  if (!(st.st_mode & S_IWUSR))
    attr |= 0x01;
  if (name.size() > 1 && name[0] == '.' && name != "..")
    attr |= 0x02;
  return attr;
}

void Fill(FileFindData& entry, const std::string& name, const struct stat& st) {
  entry.attributes = AttributesOf(name, st);
  entry.size = S_ISREG(st.st_mode) ? static_cast<std::uint64_t>(st.st_size) : 0;
  entry.creationTime = st.st_ctime;
  entry.accessTime = st.st_atime;
  entry.writeTime = st.st_mtime;
  entry.name = name.c_str();
}

}  // namespace

struct FileSearch::State {
  std::vector<FileFindData> entries;
  size_t next = 0;
};

FileSearch::FileSearch() = default;
FileSearch::~FileSearch() = default;

BOOL FileSearch::Start(const CString& spec, FileFindData& entry) {
  Close();
  std::string path = Native(spec);
  size_t slash = path.rfind('/');
  std::string dir = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  std::string pattern = slash == std::string::npos ? path : path.substr(slash + 1);
  if (pattern.empty())
    return FALSE;
  DIR* d = opendir(dir.c_str());
  if (!d)
    return FALSE;
  auto state = std::make_unique<State>();
  while (dirent* de = readdir(d)) {
    std::string name = de->d_name;
    if (!Matches(pattern, name))
      continue;
    struct stat st;
    if (stat((dir + "/" + name).c_str(), &st) != 0 && lstat((dir + "/" + name).c_str(), &st) != 0)
      continue;
    FileFindData found;
    Fill(found, name, st);
    state->entries.push_back(found);
  }
  closedir(d);
  if (state->entries.empty())
    return FALSE;
  entry = state->entries[0];
  state->next = 1;
  m_state = std::move(state);
  return TRUE;
}

BOOL FileSearch::Next(FileFindData& entry) {
  if (!m_state || m_state->next >= m_state->entries.size())
    return FALSE;
  entry = m_state->entries[m_state->next++];
  return TRUE;
}

void FileSearch::Close() { m_state.reset(); }

BOOL FileSearch::IsOpen() const { return m_state != nullptr; }

namespace FilePlatform {

BOOL MakeAbsolute(const CString& path, CString& absolute) {
  std::string p = Native(path);
  if (p.empty())
    return FALSE;
  if (p[0] != '/') {
    CString cwd;
    if (!ReadCurrentDirectory(cwd))
      return FALSE;
    p = std::string(static_cast<LPCTSTR>(cwd)) + "/" + p;
  }
  absolute = p.c_str();
  return TRUE;
}

BOOL GetAttributes(const CString& path, DWORD& attributes) {
  std::string p = Native(path);
  struct stat st;
  if (p.empty() || stat(p.c_str(), &st) != 0)
    return FALSE;
  size_t slash = p.find_last_of('/', p.size() > 1 ? p.size() - 2 : 0);
  attributes = AttributesOf(slash == std::string::npos ? p : p.substr(slash + 1), st);
  return TRUE;
}

BOOL RemoveFile(const CString& path) { return unlink(Native(path).c_str()) == 0; }

BOOL MoveFileTo(const CString& from, const CString& to) {
  std::string target = Native(to);
  struct stat st;
  if (lstat(target.c_str(), &st) == 0)
    return FALSE;  // a move never replaces a file
  return std::rename(Native(from).c_str(), target.c_str()) == 0;
}

BOOL MakeDirectory(const CString& path) { return mkdir(Native(path).c_str(), 0777) == 0; }

BOOL ChangeDirectory(const CString& path) {
  std::string p = Native(path);
  return !p.empty() && chdir(p.c_str()) == 0;
}

BOOL ReadCurrentDirectory(CString& path) {
  std::vector<char> buffer(256);
  while (!getcwd(buffer.data(), buffer.size())) {
    if (errno != ERANGE)
      return FALSE;
    buffer.resize(buffer.size() * 2);
  }
  path = buffer.data();
  return TRUE;
}

CString GetCurrentDriveRoot() { return CString("/"); }

BOOL GetDiskSpace(const CString& root, std::uint64_t& freeBytes, std::uint64_t& totalBytes) {
  struct statvfs vfs;
  if (statvfs(Native(root).c_str(), &vfs) != 0)
    return FALSE;
  freeBytes = static_cast<std::uint64_t>(vfs.f_bavail) * vfs.f_frsize;
  totalBytes = static_cast<std::uint64_t>(vfs.f_blocks) * vfs.f_frsize;
  return TRUE;
}

QuietErrors::QuietErrors() : m_previous(0) {}
QuietErrors::~QuietErrors() = default;

}  // namespace FilePlatform
