// Files saved by writing new content under temporary names beside their
// targets and moving it over them at the end, so that a failure anywhere
// leaves every target as it was.
#pragma once

#include "framework/OsFile.h"
#include "framework/String.h"
#include "framework/Types.h"

#include <vector>

// A set of targets replaced together: after Commit every target holds its new
// file, or (on failure) every target is as it was. Temporary and backup files
// are named "~<name>.<pid>-<n>.g7k-tmp" / ".g7k-bak" beside their target and
// created exclusively, so a user's file is never overwritten or removed; what
// is left of an uncommitted set is removed by Abandon or the destructor.
class CFileReplacement
{
public:
    CFileReplacement() = default;
    ~CFileReplacement();
    CFileReplacement(const CFileReplacement&) = delete;
    CFileReplacement& operator=(const CFileReplacement&) = delete;

    // Creates an empty temporary file for strTarget, to be written through
    // GetTempPath(GetCount() - 1). False when none could be created.
    bool Add(const CString& strTarget, OsFile::Error& error);
    int GetCount() const { return (int)m_entries.size(); }
    const CString& GetTarget(int nIndex) const { return m_entries[nIndex].strTarget; }
    const CString& GetTempPath(int nIndex) const { return m_entries[nIndex].strTemp; }

    // Moves every temporary file over its target. One target is replaced in
    // one step; several are first moved aside to backups, which are put back
    // if any step fails and removed when all succeeded.
    bool Commit(OsFile::Error& error);
    // Removes the temporary files not yet committed.
    void Abandon();

private:
    struct Entry {
        CString strTarget;
        CString strTemp;
        CString strBackup;      // reserved backup name, empty when none
        bool bHadTarget = false;    // the old target now lies at strBackup
        bool bMovedIn = false;      // the new file now lies at strTarget
        bool bTempGone = false;     // strTemp no longer names our file
    };

    bool CommitEntry(Entry& entry, OsFile::Error& error);
    void RollBack(int nFailed);

    std::vector<Entry> m_entries;
};

// "~<name>.<pid>-<n>.<suffix>" beside strTarget.
CString SiblingFileName(const CString& strTarget, unsigned long nProcess, unsigned nNumber, LPCTSTR pszSuffix);
// Creates a new empty file under the next free sibling name of strTarget.
bool CreateSiblingFile(const CString& strTarget, LPCTSTR pszSuffix, CString& strPath, OsFile::Error& error);
