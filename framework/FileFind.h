// CFileFind: a directory search with wildcards, names matched without
// regard to case ("*.*" also matches names without a dot).
#pragma once

#include "framework/Types.h"
#include "framework/Object.h"
#include "framework/String.h"
#include "framework/Time.h"
#include "framework/OsFile.h"

#include <vector>

class CFileFind : public CObject {
  DECLARE_DYNAMIC(CFileFind)
public:
  CFileFind();
  ~CFileFind() override;

  // FALSE when nothing matches. NULL searches "*.*".
  virtual BOOL FindFile(LPCTSTR pstrName = NULL, DWORD dwUnused = 0);
  // Moves to the next match; returns FALSE when that match is the last one
  // (it is still valid to query). Call it before the first query.
  virtual BOOL FindNextFile();
  void Close();

  CString GetFileName() const;
  CString GetFilePath() const;
  CString GetFileTitle() const;
  CString GetRoot() const { return m_strRoot; }
  ULONGLONG GetLength() const;
  BOOL GetLastWriteTime(CTime& refTime) const;
  BOOL GetCreationTime(CTime& refTime) const;
  BOOL GetLastAccessTime(CTime& refTime) const;

  BOOL MatchesMask(DWORD dwMask) const;
  BOOL IsDots() const;
  BOOL IsDirectory() const { return MatchesMask(0x10); }
  BOOL IsReadOnly() const { return MatchesMask(0x01); }
  BOOL IsHidden() const { return MatchesMask(0x02); }
  BOOL IsSystem() const { return MatchesMask(0x04); }
  BOOL IsArchived() const { return MatchesMask(0x20); }

private:
  const OsFile::FindData* Current() const;

  std::vector<OsFile::FindData> m_entries;
  int m_nCurrent = -1;
  CString m_strRoot;
};

// The wildcard rule of file searches: '*' any run, '?' one character,
// letters compared without regard to case; a name without a dot also
// matches a mask that wants one at its end ("*.*", "name.*", "*.").
BOOL AfxMatchFileMask(LPCTSTR lpszMask, LPCTSTR lpszName);
