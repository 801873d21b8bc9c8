// The most recently used files, kept in the profile: one string per file
// under keys made from the entry format ("File1", "File2"...), newest first.
// Writing replaces the whole section, so no older entry survives.
#pragma once

#include "framework/String.h"

#include <vector>

class CCmdUI;
class CProfileStore;

class CRecentFileList
{
public:
    CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize);

    int GetSize() const { return m_nSize; }
    int GetCount() const { return (int)m_arrNames.size(); }
    const CString& operator[](int nIndex) const { return m_arrNames[nIndex]; }
    // Moves (or adds) the path to the front; the oldest one falls off.
    void Add(LPCTSTR lpszPathName);
    void Remove(int nIndex);
    // Through the application's profile (win build), or the given store.
    void ReadList();
    void WriteList();
    void ReadList(CProfileStore& store);
    void WriteList(CProfileStore& store);
    // Puts the list into the menu in place of the first item's position
    // (win build).
    void UpdateMenu(CCmdUI* pCmdUI);

    UINT m_nStart;
    CString m_strSectionName;
    CString m_strEntryFormat;
    CString m_strOriginal;   // the menu text shown while the list is empty

private:
    CString EntryName(int nIndex) const;

    int m_nSize;
    std::vector<CString> m_arrNames;
};
