// A small helper for files and directories: existence tests, status,
// wildcard listings, path splitting and joining, deletion, rename, current
// directory and disk space. No operation throws or shows anything: failures
// come back as FALSE, "", NULL or all ones. "\" and "/" both separate paths.
#pragma once

#include "framework/Framework.h"
#include "framework/OsFile.h"
#include "framework/PathNames.h"

#include <cstdint>
#include <vector>

#ifdef GetFreeSpace
#undef GetFreeSpace  // a 16-bit leftover of the platform headers
#endif

class SECFileSystem : public CObject {
 public:
  // Attribute words (DOS values).
  static constexpr DWORD kReadOnly = 0x01;
  static constexpr DWORD kHidden = 0x02;
  static constexpr DWORD kSystem = 0x04;
  static constexpr DWORD kVolume = 0x08;
  static constexpr DWORD kDirectory = 0x10;
  static constexpr DWORD kArchive = 0x20;
  static constexpr DWORD kDevice = 0x40;
  static constexpr DWORD kNormal = 0x80;
  static constexpr DWORD kAll = 0xFFFFFFFF;

  // Status of one entry, as a find-first lookup of the path reports it.
  struct Status {
    CTime createTime;
    CTime modifyTime;
    CTime accessTime;
    std::uint64_t size = 0;
    BYTE attribute = 0;
    CString fullName;
  };

  SECFileSystem();
  ~SECFileSystem() override;

  BOOL FileExists(const CString& path);
  BOOL DirectoryExists(const CString& path);
  BOOL GetStatus(const CString& path, Status& status);
  BOOL GetFileModifyTime(const CString& path, CTime& time);
  BOOL GetFileCreateTime(const CString& path, CTime& time);
  BOOL GetFileAccessTime(const CString& path, CTime& time);
  // FALSE, and the size untouched, when the file is larger than a LONG holds.
  BOOL GetFileSize(const CString& path, LONG& size);
  BOOL GetFileSize(const CString& path, ULONGLONG& size);
  BOOL GetFileAttribute(const CString& path, BYTE& attribute);

  // A non-empty spec starts a search, "" continues it. FALSE at the end;
  // otherwise name is the entry's name when it passes the filter, else "".
  BOOL GetNextFileName(CString& name, const CString& spec, DWORD mask);
  // The next entry that passes the filter, as a new string, or NULL.
  CString* GetNextMatch(const CString& spec, DWORD mask);
  CStringList* GetFileList(const CString& spec, DWORD mask);
  CStringList* GetSubdirList(const CString& directory, BOOL bFullPaths = TRUE);
  CStringList* GetDirectory(const CString& spec, DWORD mask, BOOL bRecurse = FALSE, CStringList* list = nullptr);

  static CString GetFileName(const CString& path);
  static CString GetPath(const CString& path, BOOL bIncludeDrive = TRUE);
  static CString AppendPaths(const CString& path, const CString& name);

  BOOL DeleteFile(const CString& path);
  BOOL DeleteFiles(const CString& spec, DWORD mask = kNormal);
  BOOL RenameFile(const CString& oldPath, const CString& newPath);
  BOOL MakeDirectory(const CString& path);

  CString GetCurrentFileSystem();
  BOOL ChangeDirectory(const CString& path);
  CString GetCurrentDirectory(const CString& fileSystem = CString());
  // Disk space in bytes; the 32-bit forms stop at 0xFFFFFFFE, and all ones
  // means the query failed.
  DWORD GetFreeSpace(const CString& root);
  DWORD GetTotalSpace(const CString& root);
  ULONGLONG GetFreeSpace64(const CString& root);
  ULONGLONG GetTotalSpace64(const CString& root);

  // The attribute filter of the listings.
  static BOOL PassesFilter(DWORD attributes, DWORD mask);
  static bool IsSeparator(char c) { return IsPathSeparator(c); }

 private:
  // The entries of the open search and the next one to hand out.
  std::vector<OsFile::FindData> m_found;
  size_t m_nextFound = 0;
  const DWORD m_dwBufferLength = 1024;
};
