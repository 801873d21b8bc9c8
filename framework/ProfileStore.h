// The application's settings: named values in sections, as the registry key
// of the application (or a memory map in the tests) keeps them. Strings and
// numbers are separate kinds, as in the registry: a number read where a
// string is stored gives the default, and the other way round.
#pragma once

#include "framework/String.h"

#include <vector>

class CProfileStore
{
public:
    virtual ~CProfileStore() = default;

    virtual CString GetString(LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszDefault) = 0;
    // A null key removes the whole section; a null value removes the key.
    virtual BOOL WriteString(LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszValue) = 0;
    virtual UINT GetInt(LPCTSTR pszSection, LPCTSTR pszKey, int nDefault) = 0;
    virtual BOOL WriteInt(LPCTSTR pszSection, LPCTSTR pszKey, int nValue) = 0;
    // Binary values (REG_BINARY); a store that keeps none reads nothing.
    virtual BOOL GetBinary(LPCTSTR, LPCTSTR, std::vector<BYTE>&) { return FALSE; }
    virtual BOOL WriteBinary(LPCTSTR, LPCTSTR, const BYTE*, UINT) { return FALSE; }
};

// A store that keeps nothing: reads give the default, writes fail. The
// settings of a program without an application object.
class CNullProfileStore : public CProfileStore
{
public:
    CString GetString(LPCTSTR, LPCTSTR, LPCTSTR pszDefault) override { return pszDefault ? pszDefault : ""; }
    BOOL WriteString(LPCTSTR, LPCTSTR, LPCTSTR) override { return FALSE; }
    UINT GetInt(LPCTSTR, LPCTSTR, int nDefault) override { return static_cast<UINT>(nDefault); }
    BOOL WriteInt(LPCTSTR, LPCTSTR, int) override { return FALSE; }
};
