// A registry in memory with the system registry's rules: key and value
// names compare without regard to case, keys and values enumerate in the
// order they were made, a key with subkeys cannot be deleted, and a read
// into a short buffer gives ERROR_MORE_DATA with the size needed. The native
// build's registry, and the fake of the tests (which can also refuse to
// delete chosen keys, as access rights do).
#pragma once

#include "ui/frames/RegistryApi.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class CMemoryRegistry : public IRegistryApi
{
public:
    CMemoryRegistry();
    ~CMemoryRegistry() override;

    LONG RegConnectRegistry(LPCTSTR pszComputer, HKEY hRoot, HKEY* phResult) override;
    LONG RegCreateKeyEx(HKEY hKey, LPCTSTR pszSubKey, LPCTSTR pszClass, DWORD dwOptions, REGSAM access,
                     LPSECURITY_ATTRIBUTES pSecurity, HKEY* phResult, DWORD* pdwDisposition) override;
    LONG RegOpenKeyEx(HKEY hKey, LPCTSTR pszSubKey, REGSAM access, HKEY* phResult) override;
    LONG RegCloseKey(HKEY hKey) override;
    LONG RegDeleteKey(HKEY hKey, LPCTSTR pszSubKey) override;
    LONG RegDeleteValue(HKEY hKey, LPCTSTR pszName) override;
    LONG RegEnumKeyEx(HKEY hKey, DWORD dwIndex, LPTSTR pszName, DWORD* pcchName, LPTSTR pszClass, DWORD* pcchClass,
                   FILETIME* pLastWrite) override;
    LONG RegEnumValue(HKEY hKey, DWORD dwIndex, LPTSTR pszName, DWORD* pcchName, DWORD* pdwType, BYTE* pData,
                   DWORD* pcbData) override;
    LONG RegFlushKey(HKEY hKey) override;
    LONG RegQueryInfoKey(HKEY hKey, LPTSTR pszClass, DWORD* pcchClass, DWORD* pcSubKeys, DWORD* pcchMaxSubKey,
                      DWORD* pcchMaxClass, DWORD* pcValues, DWORD* pcchMaxValueName, DWORD* pcbMaxValueData,
                      DWORD* pcbSecurityDescriptor, FILETIME* pLastWrite) override;
    LONG RegQueryValueEx(HKEY hKey, LPCTSTR pszName, DWORD* pdwType, BYTE* pData, DWORD* pcbData) override;
    LONG RegSetValueEx(HKEY hKey, LPCTSTR pszName, DWORD dwType, const BYTE* pData, DWORD cbData) override;

    LONG RegGetKeySecurity(HKEY, SECURITY_INFORMATION, PSECURITY_DESCRIPTOR, DWORD*) override;
    LONG RegSetKeySecurity(HKEY, SECURITY_INFORMATION, PSECURITY_DESCRIPTOR) override;
    LONG RegLoadKey(HKEY, LPCTSTR, LPCTSTR) override;
    LONG RegUnLoadKey(HKEY, LPCTSTR) override;
    LONG RegReplaceKey(HKEY, LPCTSTR, LPCTSTR, LPCTSTR) override;
    LONG RegRestoreKey(HKEY, LPCTSTR, DWORD) override;
    LONG RegSaveKey(HKEY, LPCTSTR, LPSECURITY_ATTRIBUTES) override;
    LONG RegNotifyChangeKeyValue(HKEY, BOOL, DWORD, HANDLE, BOOL) override;
    BOOL GetComputerName(LPTSTR pszBuffer, DWORD* pcchBuffer) override;

    // Test hooks: a key (full path under a root, "\"-separated) that refuses
    // to be deleted, and the number of keys still open.
    void DenyDelete(HKEY hRoot, const std::string& strPath);
    int GetOpenKeyCount() const { return (int)m_handles.size(); }

private:
    struct Node;
    using NodePtr = std::shared_ptr<Node>;
    // A deleted key stays alive while handles to it are open, marked gone.
    NodePtr Resolve(HKEY hKey) const;
    NodePtr Walk(const NodePtr& pFrom, LPCTSTR pszPath, bool bCreate, bool* pbCreated);
    HKEY NewHandle(const NodePtr& pNode);

    std::vector<NodePtr> m_roots;
    std::map<ULONG_PTR, NodePtr> m_handles;
    ULONG_PTR m_nextHandle = 0x1000;
};
