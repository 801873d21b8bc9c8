// The initialisation-file calls of the settings tree's file strategy,
// behind one interface: the system's (GetPrivateProfileString and
// WritePrivateProfileString) in the win build, files kept in memory in the
// native build and in tests that install them. The calls keep the Win32
// contracts, truncation results included.
#pragma once

#include "framework/Types.h"

class IPrivateProfileApi
{
public:
    virtual ~IPrivateProfileApi() = default;

    // A null key lists the section's keys, each ending in NUL, the list in
    // one more. Returns the characters copied without the last NUL: size - 1
    // for a value cut short, size - 2 for a key list cut short.
    virtual DWORD GetString(LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszDefault, LPTSTR pszBuffer, DWORD nSize,
                            LPCTSTR pszFile) = 0;
    // A null key removes the section, a null value the key.
    virtual BOOL WriteString(LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszValue, LPCTSTR pszFile) = 0;
};

// The program's initialisation files: the system's unless a test installed
// others; SetPrivateProfileApi(nullptr) puts the system's back.
IPrivateProfileApi& GetPrivateProfileApi();
void SetPrivateProfileApi(IPrivateProfileApi* pApi);
