#include "framework/Portable.h"
#include "design/projects/FolderTitles.h"
#include "app/project/FileNames.h"

#include <algorithm>

std::vector<CString> FolderTitles(const CString& strFolder, const CString& strExtension, BOOL bWithExtension)
{
    std::vector<CString> titles;
    for (CString strFile : ListFolderFiles(strFolder)) {
        const int nDot = strFile.ReverseFind('.');
        if (nDot < 0 || strFile.Mid(nDot).CompareNoCase(strExtension) != 0)
            continue;
        if (!bWithExtension)
            strFile = strFile.Left(nDot);
        titles.push_back(strFile.MakeUpper());
    }
    std::sort(titles.begin(), titles.end(),
              [](const CString& a, const CString& b) { return a.Compare(b) < 0; });
    return titles;
}
