// SECPersistentTreeNode: a named settings node with string key/value pairs
// and child nodes, written to and read from storage through an
// exchangeable strategy (SECPTNStrategy.h: an initialisation file or the
// registry). The children a node creates are owned by its embedded factory.
// Failures are bit-coded error values (kPTN*), never exceptions.
//
// Binary values are stored as letters 'A'..'P', two per byte, low nibble
// first; texts of 250 letters or more are split into "<key>_BinCount" and
// "<key>_BinVal<i>" chunks. Writing a value in one form removes the other
// form's entries, so a read never finds a stale one.
#pragma once

#include "framework/Object.h"
#include "framework/String.h"
#include "framework/StringList.h"

#include <memory>
#include <vector>

class SECPTNStrategy;
class SECPersistentTreeNode;

constexpr int kPTNSuccess = 0;
constexpr int kPTNAlreadyInitialized = 1;
constexpr int kPTNNotInitialized = 2;
constexpr int kPTNEmptyName = 4; // also AddChild with NULL
constexpr int kPTNEmptyKey = 8;
constexpr int kPTNKeyExists = 16;
constexpr int kPTNChildExists = 32;
constexpr int kPTNKeyNotFound = 64;
constexpr int kPTNNullData = 128;
constexpr int kPTNEncodingFailed = 256;
constexpr int kPTNOtherFailure = 65535;

// Makes and owns the child nodes of one node.
class SECPTNFactory
{
public:
    SECPTNFactory() = default;
    SECPTNFactory(const SECPTNFactory&) = delete;
    SECPTNFactory& operator=(const SECPTNFactory&) = delete;

    // A new node of the class (NULL when the class cannot make objects).
    SECPersistentTreeNode* CreateNode(CRuntimeClass* pClass);
    // FALSE when the node is not one of ours.
    BOOL DeleteNode(SECPersistentTreeNode* pNode);

private:
    std::vector<std::unique_ptr<SECPersistentTreeNode>> m_nodes;
};

class SECPersistentTreeNode : public CObject
{
    DECLARE_DYNCREATE(SECPersistentTreeNode)

public:
    class SECPersTreeNodeKeyValuePair : public CObject
    {
    public:
        SECPersTreeNodeKeyValuePair(const CString& strKey, const CString& strValue) : m_strKey(strKey), m_strValue(strValue) {}
        CString m_strKey;
        CString m_strValue;
    };

    SECPersistentTreeNode() = default;
    ~SECPersistentTreeNode() override;

    virtual int Create(LPCTSTR pszName, SECPersistentTreeNode* pParent = nullptr);
    virtual int SetValue(LPCTSTR pszKey, int nValue, BOOL bOverwrite = TRUE);
    virtual int SetValue(LPCTSTR pszKey, const CString& strValue, BOOL bOverwrite = TRUE);
    // BOOL is an int: the true-or-false forms have their own names.
    virtual int SetBoolValue(LPCTSTR pszKey, BOOL bValue, BOOL bOverwrite = TRUE);
    virtual int SetBinaryValue(LPCTSTR pszKey, const BYTE* pData, UINT nSize, BOOL bOverwrite = TRUE);
    virtual int RemoveValue(LPCTSTR pszKey);
    virtual int GetValue(LPCTSTR pszKey, CString& strValue, const CString& strDefault = CString()) const;
    virtual int GetValue(LPCTSTR pszKey, int& nValue, int nDefault = 0) const;
    virtual int GetValue(LPCTSTR pszKey, UINT& nValue, UINT nDefault = 0) const;
    virtual int GetBoolValue(LPCTSTR pszKey, BOOL& bValue, BOOL bDefault = FALSE) const;
    // The data is new[]-allocated and the caller's to delete[].
    virtual int GetBinaryValue(LPCTSTR pszKey, BYTE*& pData, UINT& nSize) const;
    virtual BOOL Save(SECPTNStrategy* pStrategy);
    virtual BOOL Load(SECPTNStrategy* pStrategy);
    virtual int AddChild(SECPersistentTreeNode* pChild);

    SECPersistentTreeNode* FindChild(LPCTSTR pszName) const;
    SECPersistentTreeNode* CreateChild(LPCTSTR pszName);
    // Takes a child this node created out of the tree and deletes it.
    BOOL DeleteNode(SECPersistentTreeNode* pNode);

    const CString& GetName() const { return m_strName; }
    SECPersistentTreeNode* GetParent() const { return m_pParent; }
    BOOL IsInitialized() const { return m_bInitialized; }
    int GetChildCount() const { return (int)m_children.size(); }
    SECPersistentTreeNode* GetChild(int i) const { return m_children[i]; }
    int GetValueCount() const { return (int)m_pairs.size(); }
    const SECPersTreeNodeKeyValuePair& GetPair(int i) const { return *m_pairs[i]; }
    // The names from this node up to its root, this node first.
    void GetPath(CStringList& path) const;

    // The text form of binary data, and back (FALSE for an empty text).
    static CString EncodeBinary(const BYTE* pData, UINT nSize);
    static BOOL DecodeBinary(const CString& strText, std::vector<BYTE>& data);

private:
    const SECPersTreeNodeKeyValuePair* FindPair(LPCTSTR pszKey) const;
    void RemoveSplitEntries(const CString& strKey, int nFromChunk);

    CString m_strName;
    SECPersistentTreeNode* m_pParent = nullptr;
    SECPTNFactory m_factory;
    std::vector<SECPersistentTreeNode*> m_children;
    std::vector<std::unique_ptr<SECPersTreeNodeKeyValuePair>> m_pairs;
    BOOL m_bInitialized = FALSE;
};
