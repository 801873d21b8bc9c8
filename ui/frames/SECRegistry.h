// SECRegistry: one connection to a registry root (of this computer or
// another) and one open key under it. Every operation is one registry call
// on the open key through the registry seam (RegistryApi.h); the Win32
// result is kept as the last error and every failure is FALSE, nothing is
// thrown. It adds root-name bookkeeping, key-name normalisation, typed
// values and a recursive key deletion.
//
// Unlike a plain wrapper it reads values of any length (a short first
// buffer grows to the size the registry reports), bounds string data by the
// size returned rather than by a terminator, and reports a value that did
// not fit its buffer as a failure.
#pragma once

#include "framework/Object.h"
#include "framework/Collections.h"
#include "framework/StringArray.h"
#include "framework/Time.h"
#include "ui/frames/RegistryApi.h"

class SECRegistry : public CObject
{
    DECLARE_DYNAMIC(SECRegistry)

public:
    SECRegistry();
    ~SECRegistry() override;

    virtual void Initialize();
    virtual BOOL Create(LPCTSTR pszKeyName, LPCTSTR pszClass = nullptr, DWORD dwOptions = REG_OPTION_NON_VOLATILE,
                        REGSAM access = KEY_ALL_ACCESS, LPSECURITY_ATTRIBUTES pSecurity = nullptr,
                        DWORD* pdwDisposition = nullptr);
    virtual BOOL Close();
    virtual BOOL Connect(HKEY hRoot = HKEY_CURRENT_USER, LPCTSTR pszComputerName = nullptr, BOOL bCloseRoot = TRUE);
    virtual BOOL DeleteKey(LPCTSTR pszKeyName, BOOL bRecursive = FALSE);
    virtual BOOL DeleteValue(LPCTSTR pszValueName);
    virtual LONG EnumKey(DWORD dwIndex, LPTSTR pszName, DWORD* pcchName, LPTSTR pszClass = nullptr,
                         DWORD* pcchClass = nullptr);
    virtual BOOL EnumerateKeys(DWORD dwIndex, CString& strName, CString& strClass);
    virtual BOOL EnumerateKeys(DWORD dwIndex, CString& strName);
    virtual BOOL EnumerateValues(DWORD dwIndex, CString& strName, DWORD* pdwType, CByteArray& data);
    virtual BOOL EnumerateValues(DWORD dwIndex, CString& strName, DWORD* pdwType = nullptr);
    virtual BOOL EnumerateValues(DWORD dwIndex, CString& strName, DWORD* pdwType, BYTE* pData, DWORD* pcbData);
    virtual BOOL Flush();
    virtual BOOL QueryValue(LPCTSTR pszName, CByteArray& data);
    virtual BOOL QueryValue(LPCTSTR pszName, DWORD& dwValue);
    virtual BOOL GetKeySecurity(SECURITY_INFORMATION info, PSECURITY_DESCRIPTOR pDescriptor, DWORD* pcbDescriptor);
    virtual BOOL QueryValue(LPCTSTR pszName, CString& strValue);
    virtual BOOL QueryValue(LPCTSTR pszName, CStringArray& values);
    virtual BOOL GetValue(LPCTSTR pszName, CString& strValue);
    virtual BOOL GetValue(LPCTSTR pszName, CStringArray& values);
    virtual BOOL GetValue(LPCTSTR pszName, DWORD& dwValue);
    virtual BOOL GetValue(LPCTSTR pszName, CByteArray& data);
    virtual BOOL LoadKey(LPCTSTR pszSubKey, LPCTSTR pszFile);
    virtual BOOL NotifyChange(HANDLE hEvent, DWORD dwFilter, BOOL bWatchSubtree = TRUE, BOOL bAsync = TRUE);
    virtual BOOL Open(LPCTSTR pszKeyName, REGSAM access = KEY_READ);
    virtual BOOL QueryInfo();
    virtual BOOL QueryValue(LPCTSTR pszName, DWORD& dwType, BYTE* pData, DWORD* pcbData);
    virtual BOOL ReplaceKey(LPCTSTR pszSubKey, LPCTSTR pszNewFile, LPCTSTR pszOldFile);
    virtual BOOL RestoreKey(LPCTSTR pszFile, DWORD dwFlags = 0);
    virtual BOOL SaveKey(LPCTSTR pszFile, LPSECURITY_ATTRIBUTES pSecurity = nullptr);
    virtual BOOL SetValue(LPCTSTR pszName, const CByteArray& data);
    virtual BOOL SetValue(LPCTSTR pszName, DWORD dwValue);
    virtual BOOL SetKeySecurity(SECURITY_INFORMATION info, PSECURITY_DESCRIPTOR pDescriptor);
    virtual BOOL SetValue(LPCTSTR pszName, const CString& strValue);
    virtual BOOL SetValue(LPCTSTR pszName, const CStringArray& values);
    virtual BOOL SetValue(LPCTSTR pszName, DWORD dwType, const BYTE* pData, DWORD cbData);
    virtual BOOL SetStringValue(LPCTSTR pszName, const CString& strValue);
    virtual BOOL SetStringArrayValue(LPCTSTR pszName, const CStringArray& values);
    virtual BOOL SetDWordValue(LPCTSTR pszName, DWORD dwValue);
    virtual BOOL SetBinaryValue(LPCTSTR pszName, const CByteArray& data);
    virtual BOOL UnLoadKey(LPCTSTR pszSubKey);

    LONG GetLastError() const { return m_lLastError; }
    HKEY GetKey() const { return m_hKey; }
    HKEY GetRoot() const { return m_hRoot; }
    const CString& GetKeyName() const { return m_strKeyName; }
    const CString& GetRootName() const { return m_strRootName; }
    const CString& GetComputerName() const { return m_strComputerName; }
    const CString& GetClassName() const { return m_strClassName; }
    DWORD GetNumberOfSubkeys() const { return m_dwNumberOfSubkeys; }
    DWORD GetNumberOfValues() const { return m_dwNumberOfValues; }
    DWORD GetLongestValueDataLength() const { return m_dwLongestValueDataLength; }
    const CTime& GetLastWriteTime() const { return m_timeLastWrite; }
    BOOL IsRemote() const { return m_bRemote; }

    // A key name without its trailing "\"; a parent and a child joined
    // with one "\" between them.
    static CString NormalizeKeyName(LPCTSTR pszKeyName);
    static CString JoinKeyNames(LPCTSTR pszParent, LPCTSTR pszChild);
    // "HKEY_CURRENT_USER" and the like; empty for other handles.
    static CString RootNameOf(HKEY hRoot);
    static HKEY RootFromName(const CString& strRootName);

private:
    BOOL Result(LONG lResult);
    BOOL Fail(LONG lResult) { return Result(lResult); }
    void CloseOpenKey();
    // Reads a value whole, whatever its length.
    LONG ReadValue(LPCTSTR pszName, DWORD& dwType, std::vector<BYTE>& data);
    // Deletes a key below the root with everything under it; goes on past
    // subkeys that cannot be deleted and reports the first failure.
    LONG DeleteTree(HKEY hParent, const CString& strPath);

    LONG m_lLastError = ERROR_SUCCESS;
    HKEY m_hKey = nullptr;
    HKEY m_hRoot = nullptr;
    DWORD m_dwLongestSubkeyNameLength = 0;
    DWORD m_dwLongestClassNameLength = 0;
    DWORD m_dwLongestValueNameLength = 0;
    DWORD m_dwLongestValueDataLength = 0;
    DWORD m_dwSecurityDescriptorLength = 0;
    FILETIME m_fileTimeLastWrite = {0, 0};
    CString m_strClassName;
    CString m_strComputerName;
    CString m_strKeyName;
    CString m_strRootName;
    DWORD m_dwNumberOfSubkeys = 0;
    DWORD m_dwNumberOfValues = 0;
    CTime m_timeLastWrite;
    BOOL m_bRemote = FALSE;
    BOOL m_bCloseRoot = TRUE;
};
