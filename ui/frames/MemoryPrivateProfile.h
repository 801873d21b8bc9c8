// Initialisation files in memory, with the system's rules: file, section
// and key names compare without regard to case, keys keep the order they
// were written in, and reads into short buffers are cut as the system cuts
// them. The native build's files and the fake of the tests.
#pragma once

#include "ui/frames/PrivateProfileApi.h"

#include <string>
#include <utility>
#include <vector>

class CMemoryPrivateProfile : public IPrivateProfileApi
{
public:
    DWORD GetString(LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszDefault, LPTSTR pszBuffer, DWORD nSize,
                    LPCTSTR pszFile) override;
    BOOL WriteString(LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszValue, LPCTSTR pszFile) override;

    // Every entry as "[file]section/key=value" lines, for the tests.
    std::string Dump() const;

private:
    using Entries = std::vector<std::pair<std::string, std::string>>;
    struct Section
    {
        std::string strFile;
        std::string strName;
        Entries entries;
    };
    Section* Find(LPCTSTR pszSection, LPCTSTR pszFile);

    std::vector<Section> m_sections;
};
