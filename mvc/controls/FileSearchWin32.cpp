// Win32 side of the file-system seam.
#include "mvc/controls/FileSearch.h"

#include <vector>

namespace {

std::time_t ToTime(const FILETIME& ft) {
  ULARGE_INTEGER v;
  v.LowPart = ft.dwLowDateTime;
  v.HighPart = ft.dwHighDateTime;
  const ULONGLONG kUnixEpoch = 116444736000000000ULL;
  if (v.QuadPart <= kUnixEpoch)
    return 0;  // unset, or before 1970: no wrap to a far future
  return static_cast<std::time_t>((v.QuadPart - kUnixEpoch) / 10000000ULL);
}

void Fill(FileFindData& entry, const WIN32_FIND_DATAA& fd) {
  entry.attributes = fd.dwFileAttributes;
  entry.size = (static_cast<std::uint64_t>(fd.nFileSizeHigh) << 32) | fd.nFileSizeLow;
  entry.creationTime = ToTime(fd.ftCreationTime);
  entry.accessTime = ToTime(fd.ftLastAccessTime);
  entry.writeTime = ToTime(fd.ftLastWriteTime);
  entry.name = fd.cFileName;
}

}  // namespace

struct FileSearch::State {
  HANDLE handle = INVALID_HANDLE_VALUE;
};

FileSearch::FileSearch() : m_state(new State) {}
FileSearch::~FileSearch() { Close(); }

BOOL FileSearch::Start(const CString& spec, FileFindData& entry) {
  Close();
  WIN32_FIND_DATAA fd;
  m_state->handle = ::FindFirstFileA(spec, &fd);
  if (m_state->handle == INVALID_HANDLE_VALUE)
    return FALSE;
  Fill(entry, fd);
  return TRUE;
}

BOOL FileSearch::Next(FileFindData& entry) {
  if (m_state->handle == INVALID_HANDLE_VALUE)
    return FALSE;
  WIN32_FIND_DATAA fd;
  if (!::FindNextFileA(m_state->handle, &fd))
    return FALSE;
  Fill(entry, fd);
  return TRUE;
}

void FileSearch::Close() {
  if (m_state->handle != INVALID_HANDLE_VALUE)
    ::FindClose(m_state->handle);
  m_state->handle = INVALID_HANDLE_VALUE;
}

BOOL FileSearch::IsOpen() const { return m_state->handle != INVALID_HANDLE_VALUE; }

namespace FilePlatform {

BOOL MakeAbsolute(const CString& path, CString& absolute) {
  if (path.IsEmpty())
    return FALSE;
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    DWORD n = ::GetFullPathNameA(path, static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
    if (n == 0)
      return FALSE;
    if (n < buffer.size())
      break;
    buffer.resize(n + 1);
  }
  absolute = buffer.data();
  return TRUE;
}

BOOL GetAttributes(const CString& path, DWORD& attributes) {
  DWORD attr = ::GetFileAttributesA(path);
  if (attr == INVALID_FILE_ATTRIBUTES)
    return FALSE;
  attributes = attr;
  return TRUE;
}

BOOL RemoveFile(const CString& path) { return ::DeleteFileA(path) != 0; }

BOOL MoveFileTo(const CString& from, const CString& to) { return ::MoveFileA(from, to) != 0; }

BOOL MakeDirectory(const CString& path) { return ::CreateDirectoryA(path, nullptr) != 0; }

BOOL ChangeDirectory(const CString& path) { return !path.IsEmpty() && ::SetCurrentDirectoryA(path) != 0; }

BOOL ReadCurrentDirectory(CString& path) {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    DWORD n = ::GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
    if (n == 0)
      return FALSE;
    if (n < buffer.size())
      break;
    buffer.resize(n + 1);
  }
  path = buffer.data();
  return TRUE;
}

CString GetCurrentDriveRoot() {
  CString cwd;
  if (!ReadCurrentDirectory(cwd) || cwd.GetLength() < 2 || cwd[1] != ':')
    return CString();
  CString root;
  root += static_cast<char>(tolower(static_cast<unsigned char>(cwd[0])));
  root += ":\\";
  return root;
}

BOOL GetDiskSpace(const CString& root, std::uint64_t& freeBytes, std::uint64_t& totalBytes) {
  ULARGE_INTEGER avail, total, free;
  if (!::GetDiskFreeSpaceExA(root.IsEmpty() ? nullptr : static_cast<LPCTSTR>(root), &avail, &total, &free))
    return FALSE;
  freeBytes = avail.QuadPart;
  totalBytes = total.QuadPart;
  return TRUE;
}

QuietErrors::QuietErrors() : m_previous(::SetErrorMode(SEM_FAILCRITICALERRORS)) {}
QuietErrors::~QuietErrors() { ::SetErrorMode(m_previous); }

}  // namespace FilePlatform
