// The system registry, one call each.
#include "ui/frames/RegistryApi.h"

namespace {

class CSystemRegistry : public IRegistryApi
{
public:
    LONG RegConnectRegistry(LPCTSTR pszComputer, HKEY hRoot, HKEY* phResult) override
    {
        return ::RegConnectRegistryA(pszComputer, hRoot, phResult);
    }
    LONG RegCreateKeyEx(HKEY hKey, LPCTSTR pszSubKey, LPCTSTR pszClass, DWORD dwOptions, REGSAM access,
                     LPSECURITY_ATTRIBUTES pSecurity, HKEY* phResult, DWORD* pdwDisposition) override
    {
        return ::RegCreateKeyExA(hKey, pszSubKey, 0, const_cast<LPSTR>(pszClass), dwOptions, access, pSecurity,
                                 phResult, pdwDisposition);
    }
    LONG RegOpenKeyEx(HKEY hKey, LPCTSTR pszSubKey, REGSAM access, HKEY* phResult) override
    {
        return ::RegOpenKeyExA(hKey, pszSubKey, 0, access, phResult);
    }
    LONG RegCloseKey(HKEY hKey) override { return ::RegCloseKey(hKey); }
    LONG RegDeleteKey(HKEY hKey, LPCTSTR pszSubKey) override { return ::RegDeleteKeyA(hKey, pszSubKey); }
    LONG RegDeleteValue(HKEY hKey, LPCTSTR pszName) override { return ::RegDeleteValueA(hKey, pszName); }
    LONG RegEnumKeyEx(HKEY hKey, DWORD dwIndex, LPTSTR pszName, DWORD* pcchName, LPTSTR pszClass, DWORD* pcchClass,
                   FILETIME* pLastWrite) override
    {
        return ::RegEnumKeyExA(hKey, dwIndex, pszName, pcchName, nullptr, pszClass, pcchClass, pLastWrite);
    }
    LONG RegEnumValue(HKEY hKey, DWORD dwIndex, LPTSTR pszName, DWORD* pcchName, DWORD* pdwType, BYTE* pData,
                   DWORD* pcbData) override
    {
        return ::RegEnumValueA(hKey, dwIndex, pszName, pcchName, nullptr, pdwType, pData, pcbData);
    }
    LONG RegFlushKey(HKEY hKey) override { return ::RegFlushKey(hKey); }
    LONG RegQueryInfoKey(HKEY hKey, LPTSTR pszClass, DWORD* pcchClass, DWORD* pcSubKeys, DWORD* pcchMaxSubKey,
                      DWORD* pcchMaxClass, DWORD* pcValues, DWORD* pcchMaxValueName, DWORD* pcbMaxValueData,
                      DWORD* pcbSecurityDescriptor, FILETIME* pLastWrite) override
    {
        return ::RegQueryInfoKeyA(hKey, pszClass, pcchClass, nullptr, pcSubKeys, pcchMaxSubKey, pcchMaxClass, pcValues,
                                  pcchMaxValueName, pcbMaxValueData, pcbSecurityDescriptor, pLastWrite);
    }
    LONG RegQueryValueEx(HKEY hKey, LPCTSTR pszName, DWORD* pdwType, BYTE* pData, DWORD* pcbData) override
    {
        return ::RegQueryValueExA(hKey, pszName, nullptr, pdwType, pData, pcbData);
    }
    LONG RegSetValueEx(HKEY hKey, LPCTSTR pszName, DWORD dwType, const BYTE* pData, DWORD cbData) override
    {
        return ::RegSetValueExA(hKey, pszName, 0, dwType, pData, cbData);
    }
    LONG RegGetKeySecurity(HKEY hKey, SECURITY_INFORMATION info, PSECURITY_DESCRIPTOR pDescriptor,
                        DWORD* pcbDescriptor) override
    {
        return ::RegGetKeySecurity(hKey, info, pDescriptor, pcbDescriptor);
    }
    LONG RegSetKeySecurity(HKEY hKey, SECURITY_INFORMATION info, PSECURITY_DESCRIPTOR pDescriptor) override
    {
        return ::RegSetKeySecurity(hKey, info, pDescriptor);
    }
    LONG RegLoadKey(HKEY hKey, LPCTSTR pszSubKey, LPCTSTR pszFile) override { return ::RegLoadKeyA(hKey, pszSubKey, pszFile); }
    LONG RegUnLoadKey(HKEY hKey, LPCTSTR pszSubKey) override { return ::RegUnLoadKeyA(hKey, pszSubKey); }
    LONG RegReplaceKey(HKEY hKey, LPCTSTR pszSubKey, LPCTSTR pszNewFile, LPCTSTR pszOldFile) override
    {
        return ::RegReplaceKeyA(hKey, pszSubKey, pszNewFile, pszOldFile);
    }
    LONG RegRestoreKey(HKEY hKey, LPCTSTR pszFile, DWORD dwFlags) override { return ::RegRestoreKeyA(hKey, pszFile, dwFlags); }
    LONG RegSaveKey(HKEY hKey, LPCTSTR pszFile, LPSECURITY_ATTRIBUTES pSecurity) override
    {
        return ::RegSaveKeyA(hKey, pszFile, pSecurity);
    }
    LONG RegNotifyChangeKeyValue(HKEY hKey, BOOL bWatchSubtree, DWORD dwFilter, HANDLE hEvent, BOOL bAsync) override
    {
        return ::RegNotifyChangeKeyValue(hKey, bWatchSubtree, dwFilter, hEvent, bAsync);
    }
    BOOL GetComputerName(LPTSTR pszBuffer, DWORD* pcchBuffer) override { return ::GetComputerNameA(pszBuffer, pcchBuffer); }
};

IRegistryApi* g_pInstalled = nullptr;

} // namespace

IRegistryApi& GetRegistryApi()
{
    static CSystemRegistry s_registry;
    return g_pInstalled ? *g_pInstalled : s_registry;
}

void SetRegistryApi(IRegistryApi* pApi) { g_pInstalled = pApi; }
