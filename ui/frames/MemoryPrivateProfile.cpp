#include "ui/frames/MemoryPrivateProfile.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

bool SameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower((unsigned char)x) == std::tolower((unsigned char)y);
           });
}

// Copies text into the buffer, cut to nSize - 1 characters.
DWORD CopyCut(const std::string& strText, LPTSTR pszBuffer, DWORD nSize)
{
    if (!pszBuffer || nSize == 0)
        return 0;
    const DWORD n = std::min<DWORD>((DWORD)strText.size(), nSize - 1);
    std::memcpy(pszBuffer, strText.data(), n);
    pszBuffer[n] = '\0';
    return n;
}

} // namespace

CMemoryPrivateProfile::Section* CMemoryPrivateProfile::Find(LPCTSTR pszSection, LPCTSTR pszFile)
{
    const std::string strFile = pszFile ? pszFile : "";
    for (Section& section : m_sections)
        if (SameName(section.strFile, strFile) && SameName(section.strName, pszSection))
            return &section;
    return nullptr;
}

DWORD CMemoryPrivateProfile::GetString(LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszDefault, LPTSTR pszBuffer,
                                       DWORD nSize, LPCTSTR pszFile)
{
    if (!pszSection || !pszBuffer || nSize == 0)
        return 0;
    Section* pSection = Find(pszSection, pszFile);
    if (pszKey) {
        if (pSection)
            for (const auto& entry : pSection->entries)
                if (SameName(entry.first, pszKey))
                    return CopyCut(entry.second, pszBuffer, nSize);
        return CopyCut(pszDefault ? pszDefault : "", pszBuffer, nSize);
    }
    // The key list: names with their NULs, then one more NUL.
    std::string strList;
    if (pSection)
        for (const auto& entry : pSection->entries)
            strList += entry.first + '\0';
    if (nSize < 2) {
        pszBuffer[0] = '\0';
        return 0;
    }
    if (strList.size() + 1 <= nSize) {
        std::memcpy(pszBuffer, strList.data(), strList.size());
        pszBuffer[strList.size()] = '\0';
        return (DWORD)strList.size();
    }
    std::memcpy(pszBuffer, strList.data(), nSize - 2);
    pszBuffer[nSize - 2] = '\0';
    pszBuffer[nSize - 1] = '\0';
    return nSize - 2;
}

BOOL CMemoryPrivateProfile::WriteString(LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszValue, LPCTSTR pszFile)
{
    if (!pszSection)
        return FALSE;
    Section* pSection = Find(pszSection, pszFile);
    if (!pszKey) {
        if (pSection)
            m_sections.erase(m_sections.begin() + (pSection - m_sections.data()));
        return TRUE;
    }
    if (!pSection) {
        if (!pszValue)
            return TRUE;
        m_sections.push_back(Section{pszFile ? pszFile : "", pszSection, {}});
        pSection = &m_sections.back();
    }
    Entries& entries = pSection->entries;
    const auto it = std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return SameName(e.first, pszKey); });
    if (!pszValue) {
        if (it != entries.end())
            entries.erase(it);
        return TRUE;
    }
    if (it != entries.end())
        it->second = pszValue;
    else
        entries.emplace_back(pszKey, pszValue);
    return TRUE;
}

std::string CMemoryPrivateProfile::Dump() const
{
    std::string strText;
    for (const Section& section : m_sections)
        for (const auto& entry : section.entries)
            strText += "[" + section.strFile + "]" + section.strName + "/" + entry.first + "=" + entry.second + "\n";
    return strText;
}
