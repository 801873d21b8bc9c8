// The platform seam of the file-system helper: find-first/find-next searches
// and the few file and directory calls it needs. Win32 and POSIX each have
// one implementation file.
#pragma once

#include "framework/Framework.h"

#include <cstdint>
#include <ctime>
#include <memory>

// One directory entry of a search.
struct FileFindData {
  DWORD attributes = 0;  // DOS-style attribute word
  std::uint64_t size = 0;
  std::time_t creationTime = 0;
  std::time_t accessTime = 0;
  std::time_t writeTime = 0;
  CString name;
};

// One open find-first/find-next search; closed by Close or the destructor.
class FileSearch {
 public:
  FileSearch();
  ~FileSearch();
  FileSearch(const FileSearch&) = delete;
  FileSearch& operator=(const FileSearch&) = delete;

  // Starts a new search (closing any open one); FALSE when nothing matches.
  BOOL Start(const CString& spec, FileFindData& entry);
  // The next entry of the open search; FALSE at the end or with none open.
  BOOL Next(FileFindData& entry);
  void Close();
  BOOL IsOpen() const;

 private:
  struct State;
  std::unique_ptr<State> m_state;
};

namespace FilePlatform {

BOOL MakeAbsolute(const CString& path, CString& absolute);
BOOL GetAttributes(const CString& path, DWORD& attributes);
BOOL RemoveFile(const CString& path);
BOOL MoveFileTo(const CString& from, const CString& to);
BOOL MakeDirectory(const CString& path);
BOOL ChangeDirectory(const CString& path);
BOOL ReadCurrentDirectory(CString& path);
// Root of the current drive ("c:\"), or "/" where there are no drives.
CString GetCurrentDriveRoot();
BOOL GetDiskSpace(const CString& root, std::uint64_t& freeBytes, std::uint64_t& totalBytes);
// Critical-error boxes off for the life of the object.
class QuietErrors {
 public:
  QuietErrors();
  ~QuietErrors();
  QuietErrors(const QuietErrors&) = delete;
  QuietErrors& operator=(const QuietErrors&) = delete;

 private:
  UINT m_previous;
};

}  // namespace FilePlatform
