#include "ui/frames/PrivateProfileApi.h"

namespace {

class CSystemPrivateProfile : public IPrivateProfileApi
{
public:
    DWORD GetString(LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszDefault, LPTSTR pszBuffer, DWORD nSize,
                    LPCTSTR pszFile) override
    {
        return ::GetPrivateProfileStringA(pszSection, pszKey, pszDefault, pszBuffer, nSize, pszFile);
    }
    BOOL WriteString(LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszValue, LPCTSTR pszFile) override
    {
        return ::WritePrivateProfileStringA(pszSection, pszKey, pszValue, pszFile);
    }
};

IPrivateProfileApi* g_pInstalled = nullptr;

} // namespace

IPrivateProfileApi& GetPrivateProfileApi()
{
    static CSystemPrivateProfile s_profile;
    return g_pInstalled ? *g_pInstalled : s_profile;
}

void SetPrivateProfileApi(IPrivateProfileApi* pApi) { g_pInstalled = pApi; }
