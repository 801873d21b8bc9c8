#include "mvc/controls/FileSystem.h"

namespace {

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

SECFileSystem::~SECFileSystem() = default;

BOOL SECFileSystem::GetStatus(const CString& path, Status& status) {
  CString absolute;
  if (!OsFile::FullPath(path, absolute))
    return FALSE;
  std::vector<OsFile::FindData> entries;
  OsFile::Error error;
  if (!OsFile::FindFiles(path, entries, error))
    return FALSE;
  const OsFile::FindData& entry = entries.front();
  status.modifyTime = CTime(entry.tLastWrite);
  status.createTime = CTime(entry.tCreation ? entry.tCreation : entry.tLastWrite);
  status.accessTime = CTime(entry.tLastAccess ? entry.tLastAccess : entry.tLastWrite);
  status.size = entry.nSize;
  status.attribute = static_cast<BYTE>(entry.dwAttributes & 0x7F);
  status.fullName = absolute;
  return TRUE;
}

BOOL SECFileSystem::FileExists(const CString& path) {
  Status status;
  return GetStatus(path, status);
}

BOOL SECFileSystem::DirectoryExists(const CString& path) {
  DWORD attributes = 0;
  return OsFile::GetAttributes(path, attributes) && (attributes & kDirectory) != 0;
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
  if (!spec.IsEmpty()) {
    OsFile::Error error;
    m_nextFound = 0;
    if (!OsFile::FindFiles(spec, m_found, error))
      m_found.clear();
  }
  if (m_nextFound >= m_found.size())
    return FALSE;
  const OsFile::FindData& entry = m_found[m_nextFound++];
  if (PassesFilter(entry.dwAttributes, mask))
    name = entry.strName;
  return TRUE;
}

CString* SECFileSystem::GetNextMatch(const CString& spec, DWORD mask) {
  OsFile::QuietErrors quiet;
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
  m_found.clear();
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
  m_found.clear();
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

CString SECFileSystem::GetFileName(const CString& path) { return FileNamePart(path); }

CString SECFileSystem::GetPath(const CString& path, BOOL bIncludeDrive) {
  CString directory = FolderPart(path);
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
  OsFile::Error error;
  return OsFile::Remove(path, error);
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
  OsFile::Error error;
  return OsFile::Rename(oldPath, newPath, error);
}

BOOL SECFileSystem::MakeDirectory(const CString& path) {
  OsFile::Error error;
  return OsFile::CreateFolder(path, error);
}

CString SECFileSystem::GetCurrentFileSystem() {
  return OsFile::CurrentDriveRoot();
}

BOOL SECFileSystem::ChangeDirectory(const CString& path) {
  return OsFile::ChangeDirectory(path);
}

CString SECFileSystem::GetCurrentDirectory(const CString& fileSystem) {
  OsFile::QuietErrors quiet;
  if (fileSystem.IsEmpty())
    return OsFile::CurrentDirectory();
  // Come back to the directory we were in, not just to its drive's root.
  const CString back = OsFile::CurrentDirectory();
  if (back.IsEmpty() || !OsFile::ChangeDirectory(fileSystem))
    return CString();
  const CString current = OsFile::CurrentDirectory();
  OsFile::ChangeDirectory(back);
  return current;
}

namespace {

DWORD Clamp32(ULONGLONG bytes) {
  return bytes >= 0xFFFFFFFFull ? 0xFFFFFFFEu : static_cast<DWORD>(bytes);
}

}  // namespace

ULONGLONG SECFileSystem::GetFreeSpace64(const CString& root) {
  ULONGLONG freeBytes = 0, totalBytes = 0;
  return OsFile::DiskSpace(root, freeBytes, totalBytes) ? freeBytes : ~0ull;
}

ULONGLONG SECFileSystem::GetTotalSpace64(const CString& root) {
  ULONGLONG freeBytes = 0, totalBytes = 0;
  return OsFile::DiskSpace(root, freeBytes, totalBytes) ? totalBytes : ~0ull;
}

DWORD SECFileSystem::GetFreeSpace(const CString& root) {
  ULONGLONG bytes = GetFreeSpace64(root);
  return bytes == ~0ull ? 0xFFFFFFFFu : Clamp32(bytes);
}

DWORD SECFileSystem::GetTotalSpace(const CString& root) {
  ULONGLONG bytes = GetTotalSpace64(root);
  return bytes == ~0ull ? 0xFFFFFFFFu : Clamp32(bytes);
}
