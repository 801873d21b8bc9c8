// One open registry key, owned: the key is closed when the object goes (or
// when another key is opened into it). Values are read and written by type;
// a value of another type reads as ERROR_INVALID_DATATYPE. Every call gives
// the Win32 result (ERROR_SUCCESS on success).
#pragma once

#include "framework/String.h"

#include <vector>

class CRegKey
{
public:
    CRegKey() = default;
    ~CRegKey() { Close(); }
    CRegKey(CRegKey&& other) noexcept : m_hKey(other.Detach()) {}
    CRegKey& operator=(CRegKey&& other) noexcept;
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;

    LONG Open(HKEY hParent, LPCTSTR pszName, REGSAM access = KEY_READ | KEY_WRITE);
    // Opens the key, making it (and the keys above it) when missing.
    LONG Create(HKEY hParent, LPCTSTR pszName, REGSAM access = KEY_READ | KEY_WRITE);
    void Close();
    HKEY Detach();
    HKEY GetHandle() const { return m_hKey; }
    bool IsOpen() const { return m_hKey != nullptr; }

    LONG QueryString(LPCTSTR pszName, CString& strValue) const;
    LONG QueryDWORD(LPCTSTR pszName, DWORD& dwValue) const;
    LONG QueryBinary(LPCTSTR pszName, std::vector<BYTE>& data) const;
    LONG SetValue(LPCTSTR pszName, LPCTSTR pszValue);
    LONG SetValue(LPCTSTR pszName, DWORD dwValue);
    LONG SetBinaryValue(LPCTSTR pszName, const BYTE* pData, DWORD nBytes);
    LONG DeleteValue(LPCTSTR pszName);
    // The subkey must have no subkeys of its own.
    LONG DeleteSubKey(LPCTSTR pszName);

private:
    // The size and type of a value, or an error.
    LONG QuerySize(LPCTSTR pszName, DWORD dwExpectedType, DWORD& nBytes) const;

    HKEY m_hKey = nullptr;
};
