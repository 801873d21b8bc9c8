// The application profile as the project framework reads it. The
// application installs a store over its registry key at start-up; until
// then (and in the native tests) values live in memory.
#pragma once

#include "framework/Framework.h"

#include <map>
#include <string>

class CProfileStore
{
public:
    virtual ~CProfileStore() = default;
    virtual CString GetString(LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszDefault) = 0;
    virtual BOOL WriteString(LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszValue) = 0;
};

// The store in use; SetProfileStore(nullptr) goes back to the default one.
CProfileStore& GetProfileStore();
void SetProfileStore(CProfileStore* pStore);

// A store that keeps values in memory (the native default and the tests').
class CMemoryProfileStore : public CProfileStore
{
public:
    CString GetString(LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszDefault) override;
    BOOL WriteString(LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszValue) override;

private:
    std::map<std::string, std::string> m_values;
};
