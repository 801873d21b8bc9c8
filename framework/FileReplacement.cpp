#include "framework/FileReplacement.h"

#include "framework/FileException.h"
#include "framework/PathNames.h"

#include <atomic>

namespace {

const int kMaxNameTries = 1000;

std::atomic<unsigned> s_nNextNumber{1};

void Forget(LPCTSTR pszPath)
{
    OsFile::Error ignored;
    OsFile::Remove(pszPath, ignored);
}

} // namespace

CString SiblingFileName(const CString& strTarget, unsigned long nProcess, unsigned nNumber, LPCTSTR pszSuffix)
{
    CString strName;
    strName.Format("~%s.%lu-%u.%s", static_cast<LPCTSTR>(FileNamePart(strTarget)), nProcess, nNumber, pszSuffix);
    return FolderPart(strTarget) + strName;
}

bool CreateSiblingFile(const CString& strTarget, LPCTSTR pszSuffix, CString& strPath, OsFile::Error& error)
{
    const unsigned long nProcess = OsFile::ProcessId();
    for (int nTry = 0; nTry < kMaxNameTries; ++nTry) {
        strPath = SiblingFileName(strTarget, nProcess, s_nNextNumber++, pszSuffix);
        if (OsFile::CreateNew(strPath, error))
            return true;
        if (!OsFile::AlreadyExists(error))
            break;
    }
    strPath.Empty();
    return false;
}

CFileReplacement::~CFileReplacement() { Abandon(); }

bool CFileReplacement::Add(const CString& strTarget, OsFile::Error& error)
{
    Entry entry;
    entry.strTarget = strTarget;
    if (!CreateSiblingFile(strTarget, "g7k-tmp", entry.strTemp, error))
        return false;
    m_entries.push_back(entry);
    return true;
}

void CFileReplacement::Abandon()
{
    for (const Entry& entry : m_entries)
        if (!entry.bTempGone)
            Forget(entry.strTemp);
    m_entries.clear();
}

bool CFileReplacement::Commit(OsFile::Error& error)
{
    if (m_entries.size() == 1) {
        Entry& entry = m_entries[0];
        if (!OsFile::Replace(entry.strTemp, entry.strTarget, error)) {
            Abandon();
            return false;
        }
        m_entries.clear();
        return true;
    }
    for (int i = 0; i < GetCount(); ++i) {
        if (!CommitEntry(m_entries[i], error)) {
            RollBack(i);
            Abandon();
            return false;
        }
    }
    for (const Entry& entry : m_entries)
        if (entry.bHadTarget)
            Forget(entry.strBackup);
    m_entries.clear();
    return true;
}

// Moves the old target aside to a backup of its own, then the new file in.
bool CFileReplacement::CommitEntry(Entry& entry, OsFile::Error& error)
{
    if (!CreateSiblingFile(entry.strTarget, "g7k-bak", entry.strBackup, error))
        return false;
    if (OsFile::Replace(entry.strTarget, entry.strBackup, error)) {
        entry.bHadTarget = true;
    } else if (error.cause == CFileException::fileNotFound) {
        Forget(entry.strBackup);
        entry.strBackup.Empty();
    } else {
        return false;
    }
    if (!OsFile::Rename(entry.strTemp, entry.strTarget, error))
        return false;
    entry.bMovedIn = true;
    entry.bTempGone = true;
    return true;
}

// Puts back the targets of entries 0..nFailed as they were. A backup that
// cannot be put back stays where it is: it holds the only old copy.
void CFileReplacement::RollBack(int nFailed)
{
    for (int i = nFailed; i >= 0; --i) {
        Entry& entry = m_entries[i];
        OsFile::Error error;
        if (entry.bHadTarget) {
            // The old file goes back over the new one in one step.
            OsFile::Replace(entry.strBackup, entry.strTarget, error);
            continue;
        }
        if (entry.bMovedIn)
            Forget(entry.strTarget);
        if (!entry.strBackup.IsEmpty())
            Forget(entry.strBackup);
    }
}
