// The settings in the registry: one key per section under the
// application's key (HKEY_CURRENT_USER\Software\<company>\<application>).
// Strings are REG_SZ and numbers REG_DWORD. Each call opens and closes its
// own keys; reads make no keys.
#pragma once

#include "framework/ProfileStore.h"
#include "framework/RegKey.h"

class CRegistryProfileStore : public CProfileStore
{
public:
    CRegistryProfileStore(HKEY hRoot, LPCTSTR pszAppKeyPath) : m_hRoot(hRoot), m_strAppKeyPath(pszAppKeyPath) {}

    CString GetString(LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszDefault) override;
    BOOL WriteString(LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszValue) override;
    UINT GetInt(LPCTSTR pszSection, LPCTSTR pszKey, int nDefault) override;
    BOOL WriteInt(LPCTSTR pszSection, LPCTSTR pszKey, int nValue) override;
    BOOL GetBinary(LPCTSTR pszSection, LPCTSTR pszKey, std::vector<BYTE>& data) override;
    BOOL WriteBinary(LPCTSTR pszSection, LPCTSTR pszKey, const BYTE* pData, UINT nBytes) override;

    // The application's key, made when missing.
    LONG CreateAppKey(CRegKey& key);
    LONG CreateSectionKey(LPCTSTR pszSection, CRegKey& key);

private:
    LONG OpenSectionKey(LPCTSTR pszSection, CRegKey& key) const;

    HKEY m_hRoot;
    CString m_strAppKeyPath;
};
