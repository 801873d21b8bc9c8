#include "framework/Portable.h"
#include "framework/RecentFileList.h"
#include "framework/ProfileStore.h"

CRecentFileList::CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize)
    : m_nStart(nStart), m_strSectionName(lpszSection), m_strEntryFormat(lpszEntryFormat), m_nSize(nSize)
{
}

void CRecentFileList::Add(LPCTSTR lpszPathName)
{
    if (lpszPathName == nullptr || *lpszPathName == '\0' || m_nSize <= 0)
        return;
    CString path = lpszPathName;
    for (size_t i = 0; i < m_arrNames.size(); ++i) {
        if (m_arrNames[i].CompareNoCase(path) == 0) {
            m_arrNames.erase(m_arrNames.begin() + (long)i);
            break;
        }
    }
    m_arrNames.insert(m_arrNames.begin(), path);
    if ((int)m_arrNames.size() > m_nSize)
        m_arrNames.resize(m_nSize);
}

void CRecentFileList::Remove(int nIndex)
{
    if (nIndex >= 0 && nIndex < (int)m_arrNames.size())
        m_arrNames.erase(m_arrNames.begin() + nIndex);
}

CString CRecentFileList::EntryName(int nIndex) const
{
    CString entry;
    entry.Format(m_strEntryFormat, nIndex + 1);
    return entry;
}

void CRecentFileList::ReadList(CProfileStore& store)
{
    m_arrNames.clear();
    for (int i = 0; i < m_nSize; ++i) {
        CString path = store.GetString(m_strSectionName, EntryName(i), nullptr);
        if (!path.IsEmpty())
            m_arrNames.push_back(path);
    }
}

void CRecentFileList::WriteList(CProfileStore& store)
{
    store.WriteString(m_strSectionName, nullptr, nullptr);   // forget the old list
    for (int i = 0; i < (int)m_arrNames.size(); ++i)
        store.WriteString(m_strSectionName, EntryName(i), m_arrNames[i]);
}
