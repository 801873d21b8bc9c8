#include "framework/Portable.h"
#include "app/dialogs/FolderFiles.h"
#include "framework/OsFile.h"

#include <algorithm>

bool NameLess(const CString& a, const CString& b)
{
    const int nOrder = a.CompareNoCase(b);
    return nOrder != 0 ? nOrder < 0 : a.Compare(b) < 0;
}

std::vector<CString> ListFileNames(const CString& strPattern)
{
    std::vector<CString> names;
    std::vector<OsFile::FindData> entries;
    OsFile::Error error;
    if (strPattern.IsEmpty() || !OsFile::FindFiles(strPattern, entries, error))
        return names;
    for (const OsFile::FindData& entry : entries) {
        if ((entry.dwAttributes & CFile::directory) == 0)
            names.push_back(entry.strName);
    }
    std::sort(names.begin(), names.end(), NameLess);
    return names;
}
