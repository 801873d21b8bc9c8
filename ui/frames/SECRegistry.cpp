#include "ui/frames/SECRegistry.h"

#include "framework/PathNames.h"

#include <cstring>

IMPLEMENT_DYNAMIC(SECRegistry, CObject)

namespace {

// Names and classes are read into buffers of this many characters.
constexpr DWORD kKeyNameChars = 2047;
constexpr DWORD kValueNameChars = 2048;
// A string value is first read into this many bytes, then into its size.
constexpr DWORD kFirstStringBytes = 2048;
constexpr DWORD kComputerNameChars = 260;
#ifndef ERROR_INVALID_DATATYPE
constexpr LONG ERROR_INVALID_DATATYPE = 1804L;
#endif

IRegistryApi& Api() { return GetRegistryApi(); }

const struct
{
    HKEY hRoot;
    LPCTSTR pszName;
} kRootNames[] = {
    {HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT"},   {HKEY_CURRENT_USER, "HKEY_CURRENT_USER"},
    {HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE"}, {HKEY_USERS, "HKEY_USERS"},
    {HKEY_CURRENT_CONFIG, "HKEY_CURRENT_CONFIG"}, {HKEY_DYN_DATA, "HKEY_DYN_DATA"},
};

// The text of string data: up to the first NUL within the size returned.
CString TextOf(const std::vector<BYTE>& data)
{
    const char* p = reinterpret_cast<const char*>(data.data());
    const size_t n = data.empty() ? 0 : ::strnlen(p, data.size());
    return CString(p, (int)n);
}

} // namespace

SECRegistry::SECRegistry() { Initialize(); }

SECRegistry::~SECRegistry() { Close(); }

BOOL SECRegistry::Result(LONG lResult)
{
    m_lLastError = lResult;
    return lResult == ERROR_SUCCESS;
}

void SECRegistry::Initialize()
{
    m_strClassName.Empty();
    m_strComputerName.Empty();
    m_strKeyName.Empty();
    m_strRootName.Empty();
    m_bCloseRoot = TRUE;
    m_lLastError = ERROR_SUCCESS;
    m_hKey = nullptr;
    m_hRoot = nullptr;
    m_dwLongestSubkeyNameLength = m_dwLongestClassNameLength = 0;
    m_dwLongestValueNameLength = m_dwLongestValueDataLength = 0;
    m_dwSecurityDescriptorLength = 0;
    m_fileTimeLastWrite = FILETIME{0, 0};
    m_dwNumberOfSubkeys = m_dwNumberOfValues = 0;
    m_timeLastWrite = CTime();
    m_bRemote = FALSE;
}

CString SECRegistry::NormalizeKeyName(LPCTSTR pszKeyName)
{
    CString strName(pszKeyName);
    if (!strName.IsEmpty() && strName[strName.GetLength() - 1] == '\\')
        strName = strName.Left(strName.GetLength() - 1);
    return strName;
}

CString SECRegistry::JoinKeyNames(LPCTSTR pszParent, LPCTSTR pszChild)
{
    CString strParent(pszParent);
    CString strChild(pszChild);
    strParent.TrimRight('\\');
    strChild.Trim('\\');
    if (strParent.IsEmpty())
        return strChild;
    if (strChild.IsEmpty())
        return strParent;
    return strParent + "\\" + strChild;
}

CString SECRegistry::RootNameOf(HKEY hRoot)
{
    for (const auto& entry : kRootNames)
        if (entry.hRoot == hRoot)
            return entry.pszName;
    return CString();
}

HKEY SECRegistry::RootFromName(const CString& strRootName)
{
    for (const auto& entry : kRootNames)
        if (strRootName == entry.pszName)
            return entry.hRoot;
    return nullptr;
}

void SECRegistry::CloseOpenKey()
{
    if (m_hKey && m_hKey != m_hRoot)
        Api().RegCloseKey(m_hKey);
    m_hKey = m_hRoot;
}

BOOL SECRegistry::Create(LPCTSTR pszKeyName, LPCTSTR pszClass, DWORD dwOptions, REGSAM access,
                         LPSECURITY_ATTRIBUTES pSecurity, DWORD* pdwDisposition)
{
    if (!pszKeyName)
        return Fail(ERROR_INVALID_PARAMETER);
    const CString strName = NormalizeKeyName(pszKeyName);
    CloseOpenKey();
    HKEY hKey = nullptr;
    DWORD dwDisposition = 0;
    if (!Result(Api().RegCreateKeyEx(m_hRoot, strName, pszClass ? pszClass : "", dwOptions, access, pSecurity, &hKey,
                                  &dwDisposition)))
        return FALSE;
    m_hKey = hKey;
    if (pdwDisposition)
        *pdwDisposition = dwDisposition;
    m_strKeyName = strName;
    return TRUE;
}

BOOL SECRegistry::Close()
{
    LONG lResult = ERROR_SUCCESS;
    if (m_hKey && m_hKey != m_hRoot)
        lResult = Api().RegCloseKey(m_hKey);
    if (m_hRoot && m_bCloseRoot) {
        const LONG lRoot = Api().RegCloseKey(m_hRoot);
        if (lResult == ERROR_SUCCESS)
            lResult = lRoot;
    }
    m_hKey = m_hRoot = nullptr;
    Initialize();
    m_lLastError = lResult;
    return lResult == ERROR_SUCCESS;
}

BOOL SECRegistry::Connect(HKEY hRoot, LPCTSTR pszComputerName, BOOL bCloseRoot)
{
    if (m_hRoot || m_hKey)
        Close();
    const BOOL bPreviousCloseRoot = m_bCloseRoot;
    m_bCloseRoot = bCloseRoot;
    m_bRemote = pszComputerName && *pszComputerName;

    LONG lResult = ERROR_SUCCESS;
    if (hRoot == HKEY_CLASSES_ROOT || hRoot == HKEY_CURRENT_USER) {
        if (m_bRemote)
            lResult = ERROR_INVALID_HANDLE;
        else
            m_hRoot = m_hKey = hRoot;
    } else if (hRoot == HKEY_LOCAL_MACHINE || hRoot == HKEY_USERS || hRoot == HKEY_PERFORMANCE_DATA ||
               hRoot == HKEY_CURRENT_CONFIG || hRoot == HKEY_DYN_DATA) {
        HKEY hConnected = nullptr;
        lResult = Api().RegConnectRegistry(m_bRemote ? pszComputerName : nullptr, hRoot, &hConnected);
        if (lResult == ERROR_SUCCESS)
            m_hRoot = m_hKey = hConnected;
    } else {
        lResult = ERROR_INVALID_HANDLE;
    }

    if (lResult != ERROR_SUCCESS) {
        m_bCloseRoot = bPreviousCloseRoot;
        m_bRemote = FALSE;
        return Fail(lResult);
    }
    if (m_bRemote) {
        m_strComputerName = pszComputerName;
    } else {
        char szName[kComputerNameChars] = "";
        DWORD cch = kComputerNameChars;
        if (Api().GetComputerName(szName, &cch))
            m_strComputerName = szName;
    }
    m_strRootName = RootNameOf(hRoot);
    return Result(ERROR_SUCCESS);
}

LONG SECRegistry::DeleteTree(HKEY hParent, const CString& strPath)
{
    HKEY hKey = nullptr;
    LONG lFirstFailure = ERROR_SUCCESS;
    if (Api().RegOpenKeyEx(hParent, strPath, KEY_ALL_ACCESS, &hKey) == ERROR_SUCCESS) {
        // A subkey that cannot go is stepped over, so the walk ends.
        DWORD dwIndex = 0;
        char szName[kKeyNameChars + 1];
        for (;;) {
            DWORD cch = sizeof szName;
            if (Api().RegEnumKeyEx(hKey, dwIndex, szName, &cch, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
                break;
            const LONG lChild = DeleteTree(hParent, JoinKeyNames(strPath, szName));
            if (lChild != ERROR_SUCCESS) {
                if (lFirstFailure == ERROR_SUCCESS)
                    lFirstFailure = lChild;
                ++dwIndex;
            }
        }
        Api().RegCloseKey(hKey);
    }
    const LONG lResult = Api().RegDeleteKey(hParent, strPath);
    return lFirstFailure != ERROR_SUCCESS && lResult != ERROR_SUCCESS ? lFirstFailure : lResult;
}

BOOL SECRegistry::DeleteKey(LPCTSTR pszKeyName, BOOL bRecursive)
{
    if (!pszKeyName)
        return Fail(ERROR_INVALID_PARAMETER);
    const CString strName = NormalizeKeyName(pszKeyName);
    // A whole root is never deleted.
    if (bRecursive && strName.IsEmpty() && IsPredefinedRootKey(RootFromName(m_strRootName)))
        return Fail(ERROR_INVALID_PARAMETER);
    if (!m_hRoot)
        return Fail(ERROR_INVALID_HANDLE);

    CString strParent;
    CString strLast = strName;
    const int nSlash = strName.ReverseFind('\\');
    if (nSlash >= 0) {
        strParent = JoinKeyNames(m_strKeyName, strName.Left(nSlash));
        strLast = strName.Mid(nSlash + 1);
    }
    HKEY hParent = m_hRoot;
    if (!strParent.IsEmpty()) {
        if (!Result(Api().RegOpenKeyEx(m_hRoot, strParent, KEY_ALL_ACCESS, &hParent)))
            return FALSE;
    }
    const LONG lResult = bRecursive ? DeleteTree(hParent, strLast) : Api().RegDeleteKey(hParent, strLast);
    if (hParent != m_hRoot)
        Api().RegCloseKey(hParent);
    return Result(lResult);
}

BOOL SECRegistry::DeleteValue(LPCTSTR pszValueName)
{
    if (!pszValueName)
        return Fail(ERROR_INVALID_PARAMETER);
    return Result(Api().RegDeleteValue(m_hKey, pszValueName));
}

LONG SECRegistry::EnumKey(DWORD dwIndex, LPTSTR pszName, DWORD* pcchName, LPTSTR pszClass, DWORD* pcchClass)
{
    if (!pszName || !pcchName)
        return m_lLastError = ERROR_INVALID_PARAMETER;
    m_lLastError = Api().RegEnumKeyEx(m_hKey, dwIndex, pszName, pcchName, pszClass, pcchClass, &m_fileTimeLastWrite);
    return m_lLastError;
}

BOOL SECRegistry::EnumerateKeys(DWORD dwIndex, CString& strName, CString& strClass)
{
    char szName[kKeyNameChars + 1] = "";
    char szClass[kKeyNameChars + 1] = "";
    DWORD cchName = kKeyNameChars;
    DWORD cchClass = kKeyNameChars;
    const LONG lResult = EnumKey(dwIndex, szName, &cchName, szClass, &cchClass);
    if (lResult != ERROR_SUCCESS && lResult != ERROR_MORE_DATA)
        return FALSE;
    strName = szName;
    strClass = szClass;
    return TRUE;
}

BOOL SECRegistry::EnumerateKeys(DWORD dwIndex, CString& strName)
{
    CString strClass;
    return EnumerateKeys(dwIndex, strName, strClass);
}

BOOL SECRegistry::EnumerateValues(DWORD dwIndex, CString& strName, DWORD* pdwType, BYTE* pData, DWORD* pcbData)
{
    char szName[kValueNameChars + 1] = "";
    DWORD cchName = kValueNameChars;
    // A value that did not fit is not there for the caller: a failure.
    if (!Result(Api().RegEnumValue(m_hKey, dwIndex, szName, &cchName, pdwType, pData, pcbData)))
        return FALSE;
    strName = szName;
    return TRUE;
}

BOOL SECRegistry::EnumerateValues(DWORD dwIndex, CString& strName, DWORD* pdwType, CByteArray& data)
{
    DWORD cbData = m_dwLongestValueDataLength;
    for (int nTry = 0; nTry < 4; ++nTry) {
        data.SetSize((INT_PTR)cbData);
        if (EnumerateValues(dwIndex, strName, pdwType, cbData ? data.GetData() : nullptr, &cbData)) {
            data.SetSize((INT_PTR)cbData);
            return TRUE;
        }
        if (m_lLastError != ERROR_MORE_DATA)
            return FALSE;
    }
    return FALSE;
}

BOOL SECRegistry::EnumerateValues(DWORD dwIndex, CString& strName, DWORD* pdwType)
{
    return EnumerateValues(dwIndex, strName, pdwType, nullptr, nullptr);
}

BOOL SECRegistry::Flush() { return Result(Api().RegFlushKey(m_hKey)); }

LONG SECRegistry::ReadValue(LPCTSTR pszName, DWORD& dwType, std::vector<BYTE>& data)
{
    data.assign(kFirstStringBytes, 0);
    DWORD cbData = (DWORD)data.size();
    LONG lResult = Api().RegQueryValueEx(m_hKey, pszName, &dwType, data.data(), &cbData);
    // The value may change between the calls: ask again while it grows.
    for (int nTry = 0; lResult == ERROR_MORE_DATA && nTry < 4; ++nTry) {
        data.assign(cbData, 0);
        lResult = Api().RegQueryValueEx(m_hKey, pszName, &dwType, data.data(), &cbData);
    }
    if (lResult != ERROR_SUCCESS) {
        data.clear();
        return lResult;
    }
    data.resize(cbData);
    return ERROR_SUCCESS;
}

BOOL SECRegistry::QueryValue(LPCTSTR pszName, CByteArray& data)
{
    if (!pszName)
        return Fail(ERROR_INVALID_PARAMETER);
    DWORD dwType = REG_BINARY;
    std::vector<BYTE> bytes;
    if (!Result(ReadValue(pszName, dwType, bytes)))
        return FALSE;
    data.SetSize((INT_PTR)bytes.size());
    if (!bytes.empty())
        std::memcpy(data.GetData(), bytes.data(), bytes.size());
    return TRUE;
}

BOOL SECRegistry::QueryValue(LPCTSTR pszName, DWORD& dwValue)
{
    if (!pszName)
        return Fail(ERROR_INVALID_PARAMETER);
    DWORD dwType = REG_DWORD;
    DWORD dwRead = 0;
    DWORD cbData = sizeof dwRead;
    if (!Result(Api().RegQueryValueEx(m_hKey, pszName, &dwType, reinterpret_cast<BYTE*>(&dwRead), &cbData)))
        return FALSE;
    if (dwType != REG_DWORD || cbData != sizeof dwRead)
        return Fail(ERROR_INVALID_DATATYPE);
    dwValue = dwRead;
    return TRUE;
}

BOOL SECRegistry::GetKeySecurity(SECURITY_INFORMATION info, PSECURITY_DESCRIPTOR pDescriptor, DWORD* pcbDescriptor)
{
    if (!pDescriptor || !pcbDescriptor)
        return Fail(ERROR_INVALID_PARAMETER);
    return Result(Api().RegGetKeySecurity(m_hKey, info, pDescriptor, pcbDescriptor));
}

BOOL SECRegistry::QueryValue(LPCTSTR pszName, CString& strValue)
{
    strValue.Empty();
    if (!pszName)
        return Fail(ERROR_INVALID_PARAMETER);
    DWORD dwType = REG_SZ;
    std::vector<BYTE> bytes;
    if (!Result(ReadValue(pszName, dwType, bytes)))
        return FALSE;
    if (dwType != REG_SZ && dwType != REG_EXPAND_SZ)
        return Fail(ERROR_INVALID_DATATYPE);
    strValue = TextOf(bytes);
    return TRUE;
}

BOOL SECRegistry::QueryValue(LPCTSTR pszName, CStringArray& values)
{
    if (!pszName)
        return Fail(ERROR_INVALID_PARAMETER);
    DWORD dwType = REG_MULTI_SZ;
    std::vector<BYTE> bytes;
    if (!Result(ReadValue(pszName, dwType, bytes)))
        return FALSE;
    if (dwType != REG_MULTI_SZ)
        return Fail(ERROR_INVALID_DATATYPE);
    values.RemoveAll();
    // Strings one after another, each ending in NUL, the list in one more;
    // the size bounds the walk even where the terminators are missing.
    const size_t nEnd = bytes.empty() ? 0 : bytes.size() - 1;
    size_t nPos = 0;
    while (nPos < nEnd) {
        const char* p = reinterpret_cast<const char*>(bytes.data() + nPos);
        const size_t nLength = ::strnlen(p, bytes.size() - nPos);
        values.Add(CString(p, (int)nLength));
        nPos += nLength + 1;
    }
    return TRUE;
}

BOOL SECRegistry::GetValue(LPCTSTR pszName, CString& strValue)
{
    return pszName ? QueryValue(pszName, strValue) : Fail(ERROR_INVALID_PARAMETER);
}

BOOL SECRegistry::GetValue(LPCTSTR pszName, CStringArray& values)
{
    return pszName ? QueryValue(pszName, values) : Fail(ERROR_INVALID_PARAMETER);
}

BOOL SECRegistry::GetValue(LPCTSTR pszName, DWORD& dwValue)
{
    return pszName ? QueryValue(pszName, dwValue) : Fail(ERROR_INVALID_PARAMETER);
}

BOOL SECRegistry::GetValue(LPCTSTR pszName, CByteArray& data)
{
    return pszName ? QueryValue(pszName, data) : Fail(ERROR_INVALID_PARAMETER);
}

BOOL SECRegistry::LoadKey(LPCTSTR pszSubKey, LPCTSTR pszFile)
{
    if (!pszSubKey || !pszFile)
        return Fail(ERROR_INVALID_PARAMETER);
    return Result(Api().RegLoadKey(m_hRoot, pszSubKey, pszFile));
}

BOOL SECRegistry::NotifyChange(HANDLE hEvent, DWORD dwFilter, BOOL bWatchSubtree, BOOL bAsync)
{
    return Result(Api().RegNotifyChangeKeyValue(m_hKey, bWatchSubtree, dwFilter, hEvent, bAsync));
}

BOOL SECRegistry::Open(LPCTSTR pszKeyName, REGSAM access)
{
    if (!pszKeyName)
        return Fail(ERROR_INVALID_PARAMETER);
    if (!m_hRoot) {
        m_hRoot = HKEY_CLASSES_ROOT;
        m_strRootName = RootNameOf(m_hRoot);
    }
    const CString strName = NormalizeKeyName(pszKeyName);
    CloseOpenKey();
    HKEY hKey = nullptr;
    if (!Result(Api().RegOpenKeyEx(m_hRoot, strName, access, &hKey)))
        return FALSE;
    m_hKey = hKey;
    m_strKeyName = strName;
    QueryInfo();
    m_lLastError = ERROR_SUCCESS;
    return TRUE;
}

BOOL SECRegistry::QueryInfo()
{
    char szClass[kKeyNameChars + 1] = "";
    DWORD cchClass = kKeyNameChars;
    if (!Result(Api().RegQueryInfoKey(m_hKey, szClass, &cchClass, &m_dwNumberOfSubkeys, &m_dwLongestSubkeyNameLength,
                                   &m_dwLongestClassNameLength, &m_dwNumberOfValues, &m_dwLongestValueNameLength,
                                   &m_dwLongestValueDataLength, &m_dwSecurityDescriptorLength,
                                   &m_fileTimeLastWrite)))
        return FALSE;
    m_strClassName = szClass;
    const ULONGLONG nIntervals = ((ULONGLONG)m_fileTimeLastWrite.dwHighDateTime << 32) | m_fileTimeLastWrite.dwLowDateTime;
    m_timeLastWrite = nIntervals ? CTime((time_t)FileTimeToUnix(nIntervals)) : CTime();
    return TRUE;
}

BOOL SECRegistry::QueryValue(LPCTSTR pszName, DWORD& dwType, BYTE* pData, DWORD* pcbData)
{
    if (!pszName || !pcbData)
        return Fail(ERROR_INVALID_PARAMETER);
    return Result(Api().RegQueryValueEx(m_hKey, pszName, &dwType, pData, pcbData));
}

BOOL SECRegistry::ReplaceKey(LPCTSTR pszSubKey, LPCTSTR pszNewFile, LPCTSTR pszOldFile)
{
    if (!pszSubKey || !pszNewFile || !pszOldFile)
        return Fail(ERROR_INVALID_PARAMETER);
    return Result(Api().RegReplaceKey(m_hKey, pszSubKey, pszNewFile, pszOldFile));
}

BOOL SECRegistry::RestoreKey(LPCTSTR pszFile, DWORD dwFlags)
{
    if (!pszFile)
        return Fail(ERROR_INVALID_PARAMETER);
    return Result(Api().RegRestoreKey(m_hKey, pszFile, dwFlags));
}

BOOL SECRegistry::SaveKey(LPCTSTR pszFile, LPSECURITY_ATTRIBUTES pSecurity)
{
    if (!pszFile)
        return Fail(ERROR_INVALID_PARAMETER);
    return Result(Api().RegSaveKey(m_hKey, pszFile, pSecurity));
}

BOOL SECRegistry::SetValue(LPCTSTR pszName, const CByteArray& data)
{
    const std::vector<BYTE> bytes(data.GetData(), data.GetData() + data.GetSize());
    return SetValue(pszName, REG_BINARY, bytes.empty() ? reinterpret_cast<const BYTE*>("") : bytes.data(),
                    (DWORD)bytes.size());
}

BOOL SECRegistry::SetValue(LPCTSTR pszName, DWORD dwValue)
{
    return SetValue(pszName, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue), sizeof dwValue);
}

BOOL SECRegistry::SetKeySecurity(SECURITY_INFORMATION info, PSECURITY_DESCRIPTOR pDescriptor)
{
    if (!pDescriptor)
        return Fail(ERROR_INVALID_PARAMETER);
    return Result(Api().RegSetKeySecurity(m_hKey, info, pDescriptor));
}

BOOL SECRegistry::SetValue(LPCTSTR pszName, const CString& strValue)
{
    return SetValue(pszName, REG_SZ, reinterpret_cast<const BYTE*>(strValue.GetString()),
                    (DWORD)strValue.GetLength() + 1);
}

BOOL SECRegistry::SetValue(LPCTSTR pszName, const CStringArray& values)
{
    std::vector<BYTE> bytes;
    for (INT_PTR i = 0; i < values.GetSize(); ++i) {
        const CString& str = values[i];
        bytes.insert(bytes.end(), str.GetString(), str.GetString() + str.GetLength() + 1);
    }
    bytes.push_back(0);
    return SetValue(pszName, REG_MULTI_SZ, bytes.data(), (DWORD)bytes.size());
}

BOOL SECRegistry::SetValue(LPCTSTR pszName, DWORD dwType, const BYTE* pData, DWORD cbData)
{
    if (!pszName || !pData)
        return Fail(ERROR_INVALID_PARAMETER);
    return Result(Api().RegSetValueEx(m_hKey, pszName, dwType, pData, cbData));
}

BOOL SECRegistry::SetStringValue(LPCTSTR pszName, const CString& strValue)
{
    return pszName ? SetValue(pszName, strValue) : Fail(ERROR_INVALID_PARAMETER);
}

BOOL SECRegistry::SetStringArrayValue(LPCTSTR pszName, const CStringArray& values)
{
    return pszName ? SetValue(pszName, values) : Fail(ERROR_INVALID_PARAMETER);
}

BOOL SECRegistry::SetDWordValue(LPCTSTR pszName, DWORD dwValue)
{
    return pszName ? SetValue(pszName, dwValue) : Fail(ERROR_INVALID_PARAMETER);
}

BOOL SECRegistry::SetBinaryValue(LPCTSTR pszName, const CByteArray& data)
{
    return pszName ? SetValue(pszName, data) : Fail(ERROR_INVALID_PARAMETER);
}

BOOL SECRegistry::UnLoadKey(LPCTSTR pszSubKey)
{
    if (!pszSubKey)
        return Fail(ERROR_INVALID_PARAMETER);
    return Result(Api().RegUnLoadKey(m_hKey, pszSubKey));
}
