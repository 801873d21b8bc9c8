#include "framework/Framework.h"
#include "app/project/FileNames.h"

#include <cctype>
#include <filesystem>
#include <system_error>

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

} // namespace

int FileNameStart(const CString& strPath)
{
    for (int i = strPath.GetLength() - 1; i >= 0; --i)
        if (IsSeparator(strPath[i]))
            return i + 1;
    return 0;
}

CString FileNamePart(const CString& strPath) { return strPath.Mid(FileNameStart(strPath)); }
CString FolderPart(const CString& strPath) { return strPath.Left(FileNameStart(strPath)); }

CString FileStem(const CString& strPath)
{
    const int nStart = FileNameStart(strPath);
    const int nDot = strPath.ReverseFind('.');
    if (nDot < nStart)
        return strPath;
    return strPath.Left(nDot);
}

CString WithTrailingBackslash(const CString& strFolder)
{
    if (strFolder.IsEmpty() || strFolder[strFolder.GetLength() - 1] == '\\')
        return strFolder;
    return strFolder + "\\";
}

CString WithSeparator(const CString& strFolder)
{
    if (strFolder.IsEmpty() || IsSeparator(strFolder[strFolder.GetLength() - 1]))
        return strFolder;
#ifdef _WIN32
    return strFolder + "\\";
#else
    return strFolder + "/";
#endif
}

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
