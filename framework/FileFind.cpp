#include "framework/FileFind.h"

#include "framework/File.h"
#include "framework/PathNames.h"

#include <cctype>

IMPLEMENT_DYNAMIC(CFileFind, CObject)

namespace {

char FoldCase(char ch) { return (ch >= 'A' && ch <= 'Z') ? (char)(ch - 'A' + 'a') : ch; }

bool MatchFrom(const char* pMask, const char* pName) {
  // Iterative glob with one backtrack point: linear in practice, no recursion.
  const char* pStar = NULL;
  const char* pStarName = NULL;
  while (*pName != '\0') {
    if (*pMask == '*') {
      pStar = pMask++;
      pStarName = pName;
    } else if (*pMask == '?' || (*pMask != '\0' && FoldCase(*pMask) == FoldCase(*pName))) {
      ++pMask;
      ++pName;
    } else if (pStar != NULL) {
      pMask = pStar + 1;
      pName = ++pStarName;
    } else {
      return false;
    }
  }
  while (*pMask == '*')
    ++pMask;
  return *pMask == '\0';
}

} // namespace

BOOL AfxMatchFileMask(LPCTSTR lpszMask, LPCTSTR lpszName) {
  if (lpszMask == NULL || lpszName == NULL || *lpszName == '\0')
    return FALSE;
  if (MatchFrom(lpszMask, lpszName))
    return TRUE;
  // A name without an extension matches as if it ended in a dot.
  CString strName(lpszName);
  if (strName.Find('.') < 0)
    return MatchFrom(lpszMask, strName + '.');
  return FALSE;
}

CFileFind::CFileFind() = default;

CFileFind::~CFileFind() = default;

void CFileFind::Close() {
  m_entries.clear();
  m_nCurrent = -1;
  m_strRoot.Empty();
}

BOOL CFileFind::FindFile(LPCTSTR pstrName, DWORD) {
  Close();
  CString strPattern = (pstrName == NULL || *pstrName == '\0') ? CString("*.*") : CString(pstrName);
  CString strFull;
  if (!OsFile::FullPath(strPattern, strFull))
    return FALSE;
  // The root is the folder part, with no trailing separator.
  const CString strFolder = FolderPart(strFull);
  m_strRoot = strFolder.IsEmpty() ? strFolder : strFolder.Left(strFolder.GetLength() - 1);
  OsFile::Error error;
  if (!OsFile::FindFiles(strPattern, m_entries, error)) {
    Close();
    return FALSE;
  }
  return TRUE;
}

BOOL CFileFind::FindNextFile() {
  if (m_nCurrent + 1 >= (int)m_entries.size())
    return FALSE;
  ++m_nCurrent;
  return m_nCurrent + 1 < (int)m_entries.size();
}

const OsFile::FindData* CFileFind::Current() const {
  ASSERT(m_nCurrent >= 0 && m_nCurrent < (int)m_entries.size());
  if (m_nCurrent < 0 || m_nCurrent >= (int)m_entries.size())
    return NULL;
  return &m_entries[(size_t)m_nCurrent];
}

CString CFileFind::GetFileName() const {
  const OsFile::FindData* pData = Current();
  return pData != NULL ? pData->strName : CString();
}

CString CFileFind::GetFilePath() const {
  const OsFile::FindData* pData = Current();
  if (pData == NULL)
    return CString();
  // Join with the separator the root already uses.
  char chSeparator = OsFile::PathSeparator();
  if (m_strRoot.Find('\\') >= 0)
    chSeparator = '\\';
  else if (m_strRoot.Find('/') >= 0)
    chSeparator = '/';
  return m_strRoot + chSeparator + pData->strName;
}

CString CFileFind::GetFileTitle() const { return AfxGetFileTitle(GetFileName()); }

ULONGLONG CFileFind::GetLength() const {
  const OsFile::FindData* pData = Current();
  return pData != NULL ? pData->nSize : 0;
}

BOOL CFileFind::GetLastWriteTime(CTime& refTime) const {
  const OsFile::FindData* pData = Current();
  if (pData == NULL)
    return FALSE;
  refTime = CTime(pData->tLastWrite);
  return TRUE;
}

BOOL CFileFind::GetCreationTime(CTime& refTime) const {
  const OsFile::FindData* pData = Current();
  if (pData == NULL)
    return FALSE;
  refTime = CTime(pData->tCreation != 0 ? pData->tCreation : pData->tLastWrite);
  return TRUE;
}

BOOL CFileFind::GetLastAccessTime(CTime& refTime) const {
  const OsFile::FindData* pData = Current();
  if (pData == NULL)
    return FALSE;
  refTime = CTime(pData->tLastAccess != 0 ? pData->tLastAccess : pData->tLastWrite);
  return TRUE;
}

BOOL CFileFind::MatchesMask(DWORD dwMask) const {
  const OsFile::FindData* pData = Current();
  return pData != NULL && (pData->dwAttributes & dwMask) != 0;
}

BOOL CFileFind::IsDots() const {
  CString strName = GetFileName();
  return IsDirectory() && (strName == "." || strName == "..");
}
