// Settings kept in memory, for the tests of code that reads the profile.
// It keeps the registry's rules: sections and keys compare without regard
// to case, and a value is either a string or a number.
#pragma once

#include "framework/ProfileStore.h"

#include <map>
#include <string>

class CMemoryProfileStore : public CProfileStore
{
public:
    CString GetString(LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszDefault) override;
    BOOL WriteString(LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszValue) override;
    UINT GetInt(LPCTSTR pszSection, LPCTSTR pszKey, int nDefault) override;
    BOOL WriteInt(LPCTSTR pszSection, LPCTSTR pszKey, int nValue) override;
    BOOL GetBinary(LPCTSTR pszSection, LPCTSTR pszKey, std::vector<BYTE>& data) override;
    BOOL WriteBinary(LPCTSTR pszSection, LPCTSTR pszKey, const BYTE* pData, UINT nBytes) override;

    // Every value, one "section/key=value" line each (numbers as "#n"), in
    // order: what a test compares a key layout against.
    std::string Dump() const;
    bool IsEmpty() const { return m_sections.empty(); }

private:
    struct Value
    {
        bool bNumber = false;
        bool bBinary = false;
        std::string strText;
        DWORD dwNumber = 0;
    };
    struct NoCaseLess
    {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    using Section = std::map<std::string, Value, NoCaseLess>;

    const Value* Find(LPCTSTR pszSection, LPCTSTR pszKey) const;

    // Names keep the spelling they were first written with.
    std::map<std::string, Section, NoCaseLess> m_sections;
};
