// The registry calls SECRegistry makes, behind one interface: the system's
// registry (advapi32) in the win build, a registry in memory in the native
// build and in tests that install one. The calls keep the Win32 contracts:
// each carries its Win32 function's name, returns the Win32 result, and
// takes sizes in bytes and in-out.
#pragma once

#include "framework/Types.h"

#ifndef _WIN32
// The registry vocabulary the portable code needs, with the Win32 values.
typedef DWORD REGSAM;
typedef DWORD SECURITY_INFORMATION;
typedef void* PSECURITY_DESCRIPTOR;
struct FILETIME
{
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
};
struct SECURITY_ATTRIBUTES
{
    DWORD nLength;
    void* lpSecurityDescriptor;
    BOOL bInheritHandle;
};
typedef SECURITY_ATTRIBUTES* LPSECURITY_ATTRIBUTES;

#define HKEY_CLASSES_ROOT ((HKEY)(ULONG_PTR)0x80000000)
#define HKEY_CURRENT_USER ((HKEY)(ULONG_PTR)0x80000001)
#define HKEY_LOCAL_MACHINE ((HKEY)(ULONG_PTR)0x80000002)
#define HKEY_USERS ((HKEY)(ULONG_PTR)0x80000003)
#define HKEY_PERFORMANCE_DATA ((HKEY)(ULONG_PTR)0x80000004)
#define HKEY_CURRENT_CONFIG ((HKEY)(ULONG_PTR)0x80000005)
#define HKEY_DYN_DATA ((HKEY)(ULONG_PTR)0x80000006)

#define ERROR_SUCCESS 0L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_NOT_ENOUGH_MEMORY 8L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_CALL_NOT_IMPLEMENTED 120L
#define ERROR_MORE_DATA 234L
#define ERROR_NO_MORE_ITEMS 259L
#define ERROR_KEY_DELETED 1018L

#define REG_NONE 0
#define REG_SZ 1
#define REG_EXPAND_SZ 2
#define REG_BINARY 3
#define REG_DWORD 4
#define REG_MULTI_SZ 7
#define REG_OPTION_NON_VOLATILE 0
#define REG_CREATED_NEW_KEY 1
#define REG_OPENED_EXISTING_KEY 2

#define KEY_QUERY_VALUE 0x0001
#define KEY_SET_VALUE 0x0002
#define KEY_CREATE_SUB_KEY 0x0004
#define KEY_ENUMERATE_SUB_KEYS 0x0008
#define KEY_READ 0x20019
#define KEY_WRITE 0x20006
#define KEY_ALL_ACCESS 0xF003F
#define MAX_COMPUTERNAME_LENGTH 15
#endif

class IRegistryApi
{
public:
    virtual ~IRegistryApi() = default;

    virtual LONG RegConnectRegistry(LPCTSTR pszComputer, HKEY hRoot, HKEY* phResult) = 0;
    virtual LONG RegCreateKeyEx(HKEY hKey, LPCTSTR pszSubKey, LPCTSTR pszClass, DWORD dwOptions, REGSAM access,
                             LPSECURITY_ATTRIBUTES pSecurity, HKEY* phResult, DWORD* pdwDisposition) = 0;
    virtual LONG RegOpenKeyEx(HKEY hKey, LPCTSTR pszSubKey, REGSAM access, HKEY* phResult) = 0;
    virtual LONG RegCloseKey(HKEY hKey) = 0;
    virtual LONG RegDeleteKey(HKEY hKey, LPCTSTR pszSubKey) = 0;
    virtual LONG RegDeleteValue(HKEY hKey, LPCTSTR pszName) = 0;
    virtual LONG RegEnumKeyEx(HKEY hKey, DWORD dwIndex, LPTSTR pszName, DWORD* pcchName, LPTSTR pszClass,
                           DWORD* pcchClass, FILETIME* pLastWrite) = 0;
    virtual LONG RegEnumValue(HKEY hKey, DWORD dwIndex, LPTSTR pszName, DWORD* pcchName, DWORD* pdwType, BYTE* pData,
                           DWORD* pcbData) = 0;
    virtual LONG RegFlushKey(HKEY hKey) = 0;
    virtual LONG RegQueryInfoKey(HKEY hKey, LPTSTR pszClass, DWORD* pcchClass, DWORD* pcSubKeys, DWORD* pcchMaxSubKey,
                              DWORD* pcchMaxClass, DWORD* pcValues, DWORD* pcchMaxValueName, DWORD* pcbMaxValueData,
                              DWORD* pcbSecurityDescriptor, FILETIME* pLastWrite) = 0;
    virtual LONG RegQueryValueEx(HKEY hKey, LPCTSTR pszName, DWORD* pdwType, BYTE* pData, DWORD* pcbData) = 0;
    virtual LONG RegSetValueEx(HKEY hKey, LPCTSTR pszName, DWORD dwType, const BYTE* pData, DWORD cbData) = 0;

    // Hives, security and change notification: system registry only.
    virtual LONG RegGetKeySecurity(HKEY hKey, SECURITY_INFORMATION info, PSECURITY_DESCRIPTOR pDescriptor,
                                DWORD* pcbDescriptor) = 0;
    virtual LONG RegSetKeySecurity(HKEY hKey, SECURITY_INFORMATION info, PSECURITY_DESCRIPTOR pDescriptor) = 0;
    virtual LONG RegLoadKey(HKEY hKey, LPCTSTR pszSubKey, LPCTSTR pszFile) = 0;
    virtual LONG RegUnLoadKey(HKEY hKey, LPCTSTR pszSubKey) = 0;
    virtual LONG RegReplaceKey(HKEY hKey, LPCTSTR pszSubKey, LPCTSTR pszNewFile, LPCTSTR pszOldFile) = 0;
    virtual LONG RegRestoreKey(HKEY hKey, LPCTSTR pszFile, DWORD dwFlags) = 0;
    virtual LONG RegSaveKey(HKEY hKey, LPCTSTR pszFile, LPSECURITY_ATTRIBUTES pSecurity) = 0;
    virtual LONG RegNotifyChangeKeyValue(HKEY hKey, BOOL bWatchSubtree, DWORD dwFilter, HANDLE hEvent, BOOL bAsync) = 0;

    // This computer's name; FALSE when it cannot be had.
    virtual BOOL GetComputerName(LPTSTR pszBuffer, DWORD* pcchBuffer) = 0;
};

// The registry of the program: the system's, unless a test installed
// another. SetRegistryApi(nullptr) puts the system's back.
IRegistryApi& GetRegistryApi();
void SetRegistryApi(IRegistryApi* pApi);

// The predefined root keys, which are never closed.
inline bool IsPredefinedRootKey(HKEY hKey)
{
    const ULONG_PTR n = (ULONG_PTR)hKey;
    return n >= (ULONG_PTR)HKEY_CLASSES_ROOT && n <= (ULONG_PTR)HKEY_DYN_DATA;
}
