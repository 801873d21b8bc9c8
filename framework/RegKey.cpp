#include "framework/Framework.h"
#include "framework/RegKey.h"

CRegKey& CRegKey::operator=(CRegKey&& other) noexcept
{
    if (this != &other) {
        Close();
        m_hKey = other.Detach();
    }
    return *this;
}

LONG CRegKey::Open(HKEY hParent, LPCTSTR pszName, REGSAM access)
{
    HKEY hKey = nullptr;
    const LONG rc = ::RegOpenKeyExA(hParent, pszName, 0, access, &hKey);
    if (rc != ERROR_SUCCESS)
        return rc;
    Close();
    m_hKey = hKey;
    return ERROR_SUCCESS;
}

LONG CRegKey::Create(HKEY hParent, LPCTSTR pszName, REGSAM access)
{
    HKEY hKey = nullptr;
    const LONG rc = ::RegCreateKeyExA(hParent, pszName, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &hKey,
                                      nullptr);
    if (rc != ERROR_SUCCESS)
        return rc;
    Close();
    m_hKey = hKey;
    return ERROR_SUCCESS;
}

void CRegKey::Close()
{
    if (m_hKey != nullptr)
        ::RegCloseKey(m_hKey);
    m_hKey = nullptr;
}

HKEY CRegKey::Detach()
{
    HKEY hKey = m_hKey;
    m_hKey = nullptr;
    return hKey;
}

LONG CRegKey::QuerySize(LPCTSTR pszName, DWORD dwExpectedType, DWORD& nBytes) const
{
    DWORD dwType = 0;
    nBytes = 0;
    const LONG rc = ::RegQueryValueExA(m_hKey, pszName, nullptr, &dwType, nullptr, &nBytes);
    if (rc != ERROR_SUCCESS)
        return rc;
    return dwType == dwExpectedType ? ERROR_SUCCESS : ERROR_INVALID_DATATYPE;
}

LONG CRegKey::QueryString(LPCTSTR pszName, CString& strValue) const
{
    DWORD nBytes = 0;
    LONG rc = QuerySize(pszName, REG_SZ, nBytes);
    if (rc != ERROR_SUCCESS)
        return rc;
    // One more than asked for: a stored string need not end in NUL.
    std::vector<char> data(nBytes + 1, '\0');
    DWORD dwType = 0;
    rc = ::RegQueryValueExA(m_hKey, pszName, nullptr, &dwType, reinterpret_cast<LPBYTE>(data.data()), &nBytes);
    if (rc != ERROR_SUCCESS)
        return rc;
    if (dwType != REG_SZ)
        return ERROR_INVALID_DATATYPE;
    strValue = data.data();
    return ERROR_SUCCESS;
}

LONG CRegKey::QueryDWORD(LPCTSTR pszName, DWORD& dwValue) const
{
    DWORD dwType = 0, dwData = 0, nBytes = sizeof dwData;
    const LONG rc = ::RegQueryValueExA(m_hKey, pszName, nullptr, &dwType, reinterpret_cast<LPBYTE>(&dwData), &nBytes);
    if (rc != ERROR_SUCCESS)
        return rc;
    if (dwType != REG_DWORD || nBytes != sizeof dwData)
        return ERROR_INVALID_DATATYPE;
    dwValue = dwData;
    return ERROR_SUCCESS;
}

LONG CRegKey::QueryBinary(LPCTSTR pszName, std::vector<BYTE>& data) const
{
    DWORD nBytes = 0;
    LONG rc = QuerySize(pszName, REG_BINARY, nBytes);
    if (rc != ERROR_SUCCESS)
        return rc;
    std::vector<BYTE> bytes(nBytes);
    DWORD dwType = 0;
    rc = ::RegQueryValueExA(m_hKey, pszName, nullptr, &dwType, bytes.empty() ? nullptr : bytes.data(), &nBytes);
    if (rc != ERROR_SUCCESS)
        return rc;
    if (dwType != REG_BINARY)
        return ERROR_INVALID_DATATYPE;
    bytes.resize(nBytes);
    data.swap(bytes);
    return ERROR_SUCCESS;
}

LONG CRegKey::SetValue(LPCTSTR pszName, LPCTSTR pszValue)
{
    if (pszValue == nullptr)
        return ERROR_INVALID_PARAMETER;
    return ::RegSetValueExA(m_hKey, pszName, 0, REG_SZ, reinterpret_cast<const BYTE*>(pszValue),
                            static_cast<DWORD>(lstrlenA(pszValue)) + 1);
}

LONG CRegKey::SetValue(LPCTSTR pszName, DWORD dwValue)
{
    return ::RegSetValueExA(m_hKey, pszName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue), sizeof dwValue);
}

LONG CRegKey::SetBinaryValue(LPCTSTR pszName, const BYTE* pData, DWORD nBytes)
{
    return ::RegSetValueExA(m_hKey, pszName, 0, REG_BINARY, pData, nBytes);
}

LONG CRegKey::DeleteValue(LPCTSTR pszName)
{
    return ::RegDeleteValueA(m_hKey, pszName);
}

LONG CRegKey::DeleteSubKey(LPCTSTR pszName)
{
    return ::RegDeleteKeyA(m_hKey, pszName);
}
