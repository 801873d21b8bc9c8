#include "framework/Portable.h"
#include "app/dialogs/PortSettingsText.h"

namespace {

// The decimal number at the start of psz, with where it ended; false
// without a digit or when it does not fit.
bool ReadNumber(LPCTSTR psz, UINT& nValue, LPCTSTR& pszEnd)
{
    if (*psz < '0' || *psz > '9')
        return false;
    unsigned long long n = 0;
    for (; *psz >= '0' && *psz <= '9'; ++psz) {
        n = n * 10 + static_cast<unsigned>(*psz - '0');
        if (n > 0xFFFFFFFFull)
            return false;
    }
    nValue = static_cast<UINT>(n);
    pszEnd = psz;
    return true;
}

} // namespace

CString PortText(UINT nPortIndex)
{
    CString strPort;
    strPort.Format("COM%u:", nPortIndex + 1);
    return strPort;
}

CString BaudRateText(UINT nBaudRate)
{
    CString strBaud;
    strBaud.Format("%u", nBaudRate);
    return strBaud;
}

UINT PortIndexFromText(const CString& strPort, UINT nOldIndex)
{
    if (strPort.GetLength() < 4 || strPort.Left(3).CompareNoCase("COM") != 0)
        return nOldIndex;
    UINT nNumber = 0;
    LPCTSTR pszEnd = nullptr;
    if (!ReadNumber(static_cast<LPCTSTR>(strPort) + 3, nNumber, pszEnd) || nNumber == 0)
        return nOldIndex;
    return nNumber - 1;
}

UINT BaudRateFromText(const CString& strBaud, UINT nOldRate)
{
    CString strText = strBaud;
    strText.Trim();
    UINT nRate = 0;
    LPCTSTR pszEnd = nullptr;
    if (!ReadNumber(strText, nRate, pszEnd) || *pszEnd != '\0' || nRate == 0)
        return nOldRate;
    return nRate;
}
