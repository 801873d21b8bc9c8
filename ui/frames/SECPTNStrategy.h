// Where a settings tree (SECPersistentTreeNode) is kept. A path is the list
// of node names from a node up to its root, the node first.
//
// SECPTNStrategyProfile: an initialisation file, one section per node named
// by the path from the root down, joined with the separator; a node's
// children are listed under keys "<prefix>1", "<prefix>2"... Only a key of
// the prefix followed by digits is read as a child entry, so a value whose
// key merely starts with the prefix stays a value.
// SECPTNStrategyRegistry: one registry key per node under a base key, the
// children being its subkeys and the values REG_SZ values.
#pragma once

#include "framework/String.h"
#include "framework/StringList.h"
#include "ui/frames/RegistryApi.h"

class SECPTNStrategy
{
public:
    virtual ~SECPTNStrategy() = default;

    virtual BOOL ClearNode(const CStringList& path) = 0;
    virtual BOOL WriteValue(const CStringList& path, const CString& strKey, const CString& strValue) = 0;
    virtual BOOL WriteChildNames(const CStringList& path, const CStringList& names) = 0;
    virtual BOOL ReadNode(const CStringList& path, CStringList& childNames, CStringList& keys,
                          CStringList& values) = 0;
};

class SECPTNStrategyProfile : public SECPTNStrategy
{
public:
    explicit SECPTNStrategyProfile(LPCTSTR pszFile, LPCTSTR pszChildPrefix = "Child", LPCTSTR pszSeparator = "\\",
                                   int nMaxKeyListSize = 65536);

    BOOL ClearNode(const CStringList& path) override;
    BOOL WriteValue(const CStringList& path, const CString& strKey, const CString& strValue) override;
    BOOL WriteChildNames(const CStringList& path, const CStringList& names) override;
    BOOL ReadNode(const CStringList& path, CStringList& childNames, CStringList& keys, CStringList& values) override;
    virtual BOOL GetSectionKeys(const CString& strSection, CStringList& keys);

    CString SectionName(const CStringList& path) const;
    // A key "<prefix><n>" that lists a child.
    BOOL IsChildKey(const CString& strKey) const;

private:
    // The whole value, however long.
    BOOL ReadValue(const CString& strSection, const CString& strKey, CString& strValue);

    CString m_strFile;
    CString m_strChildPrefix;
    CString m_strSeparator;
    int m_nMaxKeyListSize;
};

class SECPTNStrategyRegistry : public SECPTNStrategy
{
public:
    explicit SECPTNStrategyRegistry(LPCTSTR pszBaseKeyPath, HKEY hRoot = HKEY_CURRENT_USER);

    BOOL ClearNode(const CStringList& path) override;
    BOOL WriteValue(const CStringList& path, const CString& strKey, const CString& strValue) override;
    BOOL WriteChildNames(const CStringList& path, const CStringList& names) override;
    BOOL ReadNode(const CStringList& path, CStringList& childNames, CStringList& keys, CStringList& values) override;
    virtual void BuildKeyPath(CString& strKeyPath, const CStringList& path) const;

    CString FullKeyPath(const CStringList& path) const;

private:
    CString m_strBaseKeyPath;
    HKEY m_hRoot;
};
