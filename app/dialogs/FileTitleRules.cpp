#include "framework/Portable.h"
#include "app/dialogs/FileTitleRules.h"

namespace {

const char kReservedCharacters[] = "\\/:*?\"<>|";

bool IsDeviceName(const CString& strName)
{
    CString strBase = strName;
    const int nDot = strBase.Find('.');
    if (nDot >= 0)
        strBase = strBase.Left(nDot);
    strBase.TrimRight();
    strBase.MakeUpper();
    for (const char* pszDevice : {"CON", "PRN", "AUX", "NUL"}) {
        if (strBase == pszDevice)
            return true;
    }
    return strBase.GetLength() == 4 && (strBase.Left(3) == "COM" || strBase.Left(3) == "LPT")
        && strBase[3] >= '1' && strBase[3] <= '9';
}

bool HasControlCharacter(const CString& strName)
{
    for (int i = 0; i < strName.GetLength(); ++i) {
        if (static_cast<unsigned char>(strName[i]) < 0x20)
            return true;
    }
    return false;
}

} // namespace

CString FileTitleProblem(const CString& strName)
{
    if (strName.IsEmpty())
        return "Please enter a name.";
    if (strName.FindOneOf(kReservedCharacters) >= 0 || HasControlCharacter(strName))
        return "A name cannot contain any of the characters \\ / : * ? \" < > |.";
    if (strName.Find("..") >= 0)
        return "A name cannot contain \"..\".";
    const char chLast = strName[strName.GetLength() - 1];
    if (chLast == '.' || chLast == ' ')
        return "A name cannot end in a dot or a blank.";
    if (IsDeviceName(strName))
        return "This name is reserved for a device: please choose another.";
    return CString();
}
