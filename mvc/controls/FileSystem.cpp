#include "mvc/controls/FileSystem.h"

#include <algorithm>
#include <climits>

namespace {

int LastSeparator(const CString& path) {
  return std::max(path.ReverseFind('\\'), path.ReverseFind('/'));
}

bool IsDotEntry(const CString& name) { return name == "." || name == ".."; }

// One field of the entry's status; FALSE, value untouched, when there is no entry.
template <class Field, class Out>
BOOL GetStatusField(SECFileSystem& fs, const CString& path, Field SECFileSystem::Status::*field,
                    Out& value) {
  SECFileSystem::Status status;
  if (!fs.GetStatus(path, status))
    return FALSE;
  value = status.*field;
  return TRUE;
}

}  // namespace

SECFileSystem::SECFileSystem() = default;

SECFileSystem::~SECFileSystem() = default;  // the search closes with m_search

BOOL SECFileSystem::GetStatus(const CString& path, Status& status) {
  CString absolute;
  if (!FilePlatform::MakeAbsolute(path, absolute))
    return FALSE;
  FileSearch lookup;
  FileFindData entry;
  if (!lookup.Start(path, entry))
    return FALSE;
  lookup.Close();
  status.modifyTime = CTime(entry.writeTime);
  status.createTime = CTime(entry.creationTime ? entry.creationTime : entry.writeTime);
  status.accessTime = CTime(entry.accessTime ? entry.accessTime : entry.writeTime);
  status.size = entry.size;
  status.attribute = static_cast<BYTE>(entry.attributes & 0x7F);
  status.fullName = absolute;
  return TRUE;
}

BOOL SECFileSystem::FileExists(const CString& path) {
  Status status;
  return GetStatus(path, status);
}

BOOL SECFileSystem::DirectoryExists(const CString& path) {
  DWORD attributes = 0;
  return FilePlatform::GetAttributes(path, attributes) && (attributes & kDirectory) != 0;
}

BOOL SECFileSystem::GetFileModifyTime(const CString& path, CTime& time) {
  return GetStatusField(*this, path, &Status::modifyTime, time);
}

BOOL SECFileSystem::GetFileCreateTime(const CString& path, CTime& time) {
  return GetStatusField(*this, path, &Status::createTime, time);
}

BOOL SECFileSystem::GetFileAccessTime(const CString& path, CTime& time) {
  return GetStatusField(*this, path, &Status::accessTime, time);
}

BOOL SECFileSystem::GetFileSize(const CString& path, LONG& size) {
  Status status;
  if (!GetStatus(path, status) || status.size > 0x7FFFFFFFull)
    return FALSE;
  size = static_cast<LONG>(status.size);
  return TRUE;
}

BOOL SECFileSystem::GetFileSize(const CString& path, ULONGLONG& size) {
  return GetStatusField(*this, path, &Status::size, size);
}

BOOL SECFileSystem::GetFileAttribute(const CString& path, BYTE& attribute) {
  return GetStatusField(*this, path, &Status::attribute, attribute);
}

BOOL SECFileSystem::PassesFilter(DWORD attributes, DWORD mask) {
  const DWORD notNormal = kHidden | kSystem | kVolume | kDirectory | kDevice;
  if ((mask == 0 || mask == kNormal) && (attributes & notNormal) == 0)
    return TRUE;
  if (mask == kAll)
    return TRUE;
  return (attributes & mask) != 0;
}

BOOL SECFileSystem::GetNextFileName(CString& name, const CString& spec, DWORD mask) {
  name.Empty();
  BOOL found = spec.IsEmpty() ? m_search.Next(m_found) : m_search.Start(spec, m_found);
  if (!found)
    return FALSE;
  if (PassesFilter(m_found.attributes, mask))
    name = m_found.name;
  return TRUE;
}

CString* SECFileSystem::GetNextMatch(const CString& spec, DWORD mask) {
  FilePlatform::QuietErrors quiet;
  CString name;
  CString next = spec;
  while (GetNextFileName(name, next, mask)) {
    if (!name.IsEmpty())
      return new CString(name);
    next.Empty();
  }
  return nullptr;
}

CStringList* SECFileSystem::GetFileList(const CString& spec, DWORD mask) {
  auto* list = new CStringList(10);
  CString directory = GetPath(spec, TRUE);
  CString name;
  CString next = spec;
  while (GetNextFileName(name, next, mask)) {
    next.Empty();
    if (!name.IsEmpty() && !IsDotEntry(name))
      list->AddTail(directory + name);
  }
  m_search.Close();
  return list;
}

CStringList* SECFileSystem::GetSubdirList(const CString& directory, BOOL bFullPaths) {
  auto* list = new CStringList(10);
  CString spec = AppendPaths(directory, "*.*");
  CString parent = GetPath(spec, TRUE);
  CString name;
  CString next = spec;
  while (GetNextFileName(name, next, kDirectory)) {
    next.Empty();
    if (name.IsEmpty() || IsDotEntry(name))
      continue;
    Status status;
    if (GetStatus(parent + name, status) && (status.attribute & kDirectory))
      list->AddTail(bFullPaths ? parent + name : name);
  }
  m_search.Close();
  return list;
}

CStringList* SECFileSystem::GetDirectory(const CString& spec, DWORD mask, BOOL bRecurse, CStringList* list) {
  if (!list)
    list = new CStringList(10);
  CStringList* files = GetFileList(spec, mask);
  for (POSITION pos = files->GetHeadPosition(); pos;)
    list->AddTail(files->GetNext(pos));
  delete files;
  if (!bRecurse)
    return list;
  CString fileName = GetFileName(spec);
  CStringList* subdirs = GetSubdirList(GetPath(spec, TRUE), TRUE);
  for (POSITION pos = subdirs->GetHeadPosition(); pos;)
    GetDirectory(AppendPaths(subdirs->GetNext(pos), fileName), mask, TRUE, list);
  delete subdirs;
  return list;
}

CString SECFileSystem::GetFileName(const CString& path) {
  int at = LastSeparator(path);
  return at < 0 ? path : path.Mid(at + 1);
}

CString SECFileSystem::GetPath(const CString& path, BOOL bIncludeDrive) {
  int at = LastSeparator(path);
  if (at < 0)
    return CString();
  CString directory = path.Left(at + 1);
  if (!bIncludeDrive) {
    int colon = directory.Find(':');
    if (colon >= 0)
      directory = directory.Mid(colon + 1);
  }
  return directory;
}

CString SECFileSystem::AppendPaths(const CString& path, const CString& name) {
  if (path.IsEmpty() || IsSeparator(path[path.GetLength() - 1]))
    return path + name;
  return path + "\\" + name;
}

BOOL SECFileSystem::DeleteFile(const CString& path) {
  return FilePlatform::RemoveFile(path);
}

BOOL SECFileSystem::DeleteFiles(const CString& spec, DWORD mask) {
  CStringList* files = GetDirectory(spec, mask, FALSE, nullptr);
  BOOL all = TRUE;
  for (POSITION pos = files->GetHeadPosition(); pos;)
    if (!DeleteFile(files->GetNext(pos)))
      all = FALSE;
  delete files;
  return all;
}

BOOL SECFileSystem::RenameFile(const CString& oldPath, const CString& newPath) {
  if (oldPath.Compare(newPath) == 0)
    return TRUE;
  if (!FileExists(oldPath) || FileExists(newPath))
    return FALSE;
  return FilePlatform::MoveFileTo(oldPath, newPath);
}

BOOL SECFileSystem::MakeDirectory(const CString& path) {
  return FilePlatform::MakeDirectory(path);
}

CString SECFileSystem::GetCurrentFileSystem() {
  return FilePlatform::GetCurrentDriveRoot();
}

BOOL SECFileSystem::ChangeDirectory(const CString& path) {
  return FilePlatform::ChangeDirectory(path);
}

CString SECFileSystem::GetCurrentDirectory(const CString& fileSystem) {
  FilePlatform::QuietErrors quiet;
  CString current;
  if (fileSystem.IsEmpty())
    return FilePlatform::ReadCurrentDirectory(current) ? current : CString();
  // Come back to the directory we were in, not just to its drive's root.
  CString back;
  if (!FilePlatform::ReadCurrentDirectory(back) || !FilePlatform::ChangeDirectory(fileSystem))
    return CString();
  if (!FilePlatform::ReadCurrentDirectory(current))
    current.Empty();
  FilePlatform::ChangeDirectory(back);
  return current;
}

namespace {

DWORD Clamp32(ULONGLONG bytes) {
  return bytes >= 0xFFFFFFFFull ? 0xFFFFFFFEu : static_cast<DWORD>(bytes);
}

}  // namespace

ULONGLONG SECFileSystem::GetFreeSpace64(const CString& root) {
  std::uint64_t freeBytes = 0, totalBytes = 0;
  return FilePlatform::GetDiskSpace(root, freeBytes, totalBytes) ? freeBytes : ~0ull;
}

ULONGLONG SECFileSystem::GetTotalSpace64(const CString& root) {
  std::uint64_t freeBytes = 0, totalBytes = 0;
  return FilePlatform::GetDiskSpace(root, freeBytes, totalBytes) ? totalBytes : ~0ull;
}

DWORD SECFileSystem::GetFreeSpace(const CString& root) {
  ULONGLONG bytes = GetFreeSpace64(root);
  return bytes == ~0ull ? 0xFFFFFFFFu : Clamp32(bytes);
}

DWORD SECFileSystem::GetTotalSpace(const CString& root) {
  ULONGLONG bytes = GetTotalSpace64(root);
  return bytes == ~0ull ? 0xFFFFFFFFu : Clamp32(bytes);
}
