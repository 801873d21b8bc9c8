#include "framework/Portable.h"
#include "app/project/FileNames.h"

#include <cctype>
#include <filesystem>
#include <system_error>

bool IsProjectLog(const CString& strStem, const CString& strFileName)
{
    const int nStem = strStem.GetLength();
    if (nStem == 0 || strFileName.GetLength() < nStem + 4)
        return false;
    if (strFileName.Left(nStem).CompareNoCase(strStem) != 0)
        return false;
    CString strRest = strFileName.Mid(nStem);
    if (strRest.CompareNoCase(".Log") == 0)
        return true;
    // ".YYYY.MM.DD.hh.mm.ss.Log": six dotted groups of digits.
    static const int s_digits[] = {4, 2, 2, 2, 2, 2};
    int i = 0;
    for (int nGroup : s_digits) {
        if (i >= strRest.GetLength() || strRest[i] != '.')
            return false;
        ++i;
        for (int d = 0; d < nGroup; ++d, ++i)
            if (i >= strRest.GetLength() || !std::isdigit(static_cast<unsigned char>(strRest[i])))
                return false;
    }
    return strRest.Mid(i).CompareNoCase(".Log") == 0;
}

std::vector<CString> ListFolderFiles(const CString& strFolder)
{
    std::vector<CString> names;
    std::error_code ec;
    const std::filesystem::path folder(strFolder.IsEmpty() ? "." : static_cast<LPCTSTR>(strFolder));
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_regular_file(ec))
            names.push_back(it->path().filename().string().c_str());
    }
    return names;
}
