#include "framework/Framework.h"
#include "framework/RegistryProfileStore.h"

LONG CRegistryProfileStore::CreateAppKey(CRegKey& key)
{
    return key.Create(m_hRoot, m_strAppKeyPath);
}

LONG CRegistryProfileStore::CreateSectionKey(LPCTSTR pszSection, CRegKey& key)
{
    CRegKey appKey;
    const LONG rc = CreateAppKey(appKey);
    if (rc != ERROR_SUCCESS)
        return rc;
    return key.Create(appKey.GetHandle(), pszSection);
}

LONG CRegistryProfileStore::OpenSectionKey(LPCTSTR pszSection, CRegKey& key) const
{
    CRegKey appKey;
    const LONG rc = appKey.Open(m_hRoot, m_strAppKeyPath, KEY_READ);
    if (rc != ERROR_SUCCESS)
        return rc;
    return key.Open(appKey.GetHandle(), pszSection, KEY_READ);
}

CString CRegistryProfileStore::GetString(LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszDefault)
{
    CRegKey key;
    CString strValue;
    if (OpenSectionKey(pszSection, key) != ERROR_SUCCESS || key.QueryString(pszKey, strValue) != ERROR_SUCCESS)
        return pszDefault != nullptr ? pszDefault : "";
    return strValue;
}

BOOL CRegistryProfileStore::WriteString(LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszValue)
{
    if (pszKey == nullptr) {
        CRegKey appKey;
        if (CreateAppKey(appKey) != ERROR_SUCCESS)
            return FALSE;
        const LONG rc = appKey.DeleteSubKey(pszSection);
        return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
    }
    CRegKey key;
    if (CreateSectionKey(pszSection, key) != ERROR_SUCCESS)
        return FALSE;
    if (pszValue == nullptr)
        return key.DeleteValue(pszKey) == ERROR_SUCCESS;
    return key.SetValue(pszKey, pszValue) == ERROR_SUCCESS;
}

UINT CRegistryProfileStore::GetInt(LPCTSTR pszSection, LPCTSTR pszKey, int nDefault)
{
    CRegKey key;
    DWORD dwValue = 0;
    if (OpenSectionKey(pszSection, key) != ERROR_SUCCESS || key.QueryDWORD(pszKey, dwValue) != ERROR_SUCCESS)
        return static_cast<UINT>(nDefault);
    return dwValue;
}

BOOL CRegistryProfileStore::WriteInt(LPCTSTR pszSection, LPCTSTR pszKey, int nValue)
{
    CRegKey key;
    if (CreateSectionKey(pszSection, key) != ERROR_SUCCESS)
        return FALSE;
    return key.SetValue(pszKey, static_cast<DWORD>(nValue)) == ERROR_SUCCESS;
}

BOOL CRegistryProfileStore::GetBinary(LPCTSTR pszSection, LPCTSTR pszKey, std::vector<BYTE>& data)
{
    CRegKey key;
    return OpenSectionKey(pszSection, key) == ERROR_SUCCESS && key.QueryBinary(pszKey, data) == ERROR_SUCCESS;
}

BOOL CRegistryProfileStore::WriteBinary(LPCTSTR pszSection, LPCTSTR pszKey, const BYTE* pData, UINT nBytes)
{
    CRegKey key;
    if (CreateSectionKey(pszSection, key) != ERROR_SUCCESS)
        return FALSE;
    return key.SetBinaryValue(pszKey, pData, nBytes) == ERROR_SUCCESS;
}
