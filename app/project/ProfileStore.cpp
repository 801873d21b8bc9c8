#include "framework/Framework.h"
#include "app/project/ProfileStore.h"

namespace {

CMemoryProfileStore g_defaultStore;

CProfileStore* g_pStore = nullptr;

} // namespace

CProfileStore& GetProfileStore()
{
    return g_pStore ? *g_pStore : g_defaultStore;
}

void SetProfileStore(CProfileStore* pStore)
{
    g_pStore = pStore;
}

CString CMemoryProfileStore::GetString(LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszDefault)
{
    auto it = m_values.find(std::string(pszSection) + "\n" + pszKey);
    if (it != m_values.end())
        return it->second.c_str();
    return pszDefault ? pszDefault : "";
}

BOOL CMemoryProfileStore::WriteString(LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszValue)
{
    m_values[std::string(pszSection) + "\n" + pszKey] = pszValue ? pszValue : "";
    return TRUE;
}
