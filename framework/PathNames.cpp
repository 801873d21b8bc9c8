#include "framework/PathNames.h"

#include "framework/OsFile.h"

bool IsPathSeparator(char ch) { return ch == '\\' || ch == '/'; }

int FileNameStart(const CString& strPath)
{
    for (int i = strPath.GetLength() - 1; i >= 0; --i)
        if (IsPathSeparator(strPath[i]))
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

CString WithExtension(const CString& strPath, const CString& strExtension)
{
    return FileStem(strPath) + strExtension;
}

CString WithTrailingBackslash(const CString& strFolder)
{
    if (strFolder.IsEmpty() || strFolder[strFolder.GetLength() - 1] == '\\')
        return strFolder;
    return strFolder + "\\";
}

CString WithSeparator(const CString& strFolder)
{
    if (strFolder.IsEmpty() || IsPathSeparator(strFolder[strFolder.GetLength() - 1]))
        return strFolder;
    return strFolder + OsFile::PathSeparator();
}

LONGLONG FileTimeToUnix(ULONGLONG nFileTime)
{
    return (LONGLONG)(nFileTime / kFileTimeTicksPerSecond) - kFileTimeEpochOffset;
}

ULONGLONG UnixToFileTime(LONGLONG nUnixTime)
{
    if (nUnixTime < -kFileTimeEpochOffset)
        return 0;
    return (ULONGLONG)(nUnixTime + kFileTimeEpochOffset) * kFileTimeTicksPerSecond;
}
