#include "ui/frames/SECPersistentTreeNode.h"

#include "ui/frames/SECPTNStrategy.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNCREATE(SECPersistentTreeNode, CObject)

namespace {

// Texts of this many letters or more are split in chunks of this size.
constexpr int kChunkChars = 250;
const char kBinCount[] = "_BinCount";
const char kBinVal[] = "_BinVal";
// Stored trees are read no deeper than this: a damaged store cannot make
// loading recurse without end.
constexpr int kMaxLoadDepth = 64;

CString ChunkKey(LPCTSTR pszKey, int nChunk)
{
    CString strKey;
    strKey.Format("%s%s%d", pszKey, kBinVal, nChunk);
    return strKey;
}

// Signed decimal: leading white space and one sign, up to the first
// non-digit; 32-bit wrap as the stored number was written from an int.
int ParseDecimal(const CString& strText)
{
    return (int)(unsigned long)std::strtol(strText, nullptr, 10);
}

} // namespace

// Factory ---

SECPersistentTreeNode* SECPTNFactory::CreateNode(CRuntimeClass* pClass)
{
    if (!pClass || !pClass->IsDerivedFrom(RUNTIME_CLASS(SECPersistentTreeNode)))
        return nullptr;
    CObject* pObject = pClass->CreateObject();
    if (!pObject)
        return nullptr;
    m_nodes.emplace_back(static_cast<SECPersistentTreeNode*>(pObject));
    return m_nodes.back().get();
}

BOOL SECPTNFactory::DeleteNode(SECPersistentTreeNode* pNode)
{
    const auto it = std::find_if(m_nodes.begin(), m_nodes.end(), [&](const auto& p) { return p.get() == pNode; });
    if (it == m_nodes.end())
        return FALSE;
    m_nodes.erase(it);
    return TRUE;
}

// Node ---

SECPersistentTreeNode::~SECPersistentTreeNode() = default;

int SECPersistentTreeNode::Create(LPCTSTR pszName, SECPersistentTreeNode* pParent)
{
    int nError = kPTNSuccess;
    if (m_bInitialized)
        nError |= kPTNAlreadyInitialized;
    if (!pszName || !*pszName)
        nError |= kPTNEmptyName;
    if (nError)
        return nError;
    m_strName = pszName;
    m_pParent = pParent;
    if (pParent) {
        const int nAdded = pParent->AddChild(this);
        if (nAdded != kPTNSuccess) {
            m_pParent = nullptr;
            return nAdded == kPTNChildExists ? kPTNChildExists : kPTNOtherFailure;
        }
    }
    m_bInitialized = TRUE;
    return kPTNSuccess;
}

int SECPersistentTreeNode::AddChild(SECPersistentTreeNode* pChild)
{
    if (!m_bInitialized)
        return kPTNNotInitialized;
    if (!pChild)
        return kPTNEmptyName;
    if (FindChild(pChild->GetName()))
        return kPTNChildExists;
    m_children.push_back(pChild);
    return kPTNSuccess;
}

SECPersistentTreeNode* SECPersistentTreeNode::FindChild(LPCTSTR pszName) const
{
    if (!pszName || !*pszName)
        return nullptr;
    for (SECPersistentTreeNode* pChild : m_children)
        if (std::strcmp(pChild->GetName(), pszName) == 0)
            return pChild;
    return nullptr;
}

SECPersistentTreeNode* SECPersistentTreeNode::CreateChild(LPCTSTR pszName)
{
    SECPersistentTreeNode* pChild = m_factory.CreateNode(GetRuntimeClass());
    if (!pChild)
        return nullptr;
    if (pChild->Create(pszName, this) != kPTNSuccess) {
        m_factory.DeleteNode(pChild);
        return nullptr;
    }
    return pChild;
}

BOOL SECPersistentTreeNode::DeleteNode(SECPersistentTreeNode* pNode)
{
    // Out of the child list first, so no dangling child stays behind.
    const auto it = std::find(m_children.begin(), m_children.end(), pNode);
    if (it == m_children.end())
        return FALSE;
    m_children.erase(it);
    return m_factory.DeleteNode(pNode);
}

void SECPersistentTreeNode::GetPath(CStringList& path) const
{
    path.RemoveAll();
    for (const SECPersistentTreeNode* pNode = this; pNode; pNode = pNode->m_pParent)
        path.AddTail(pNode->m_strName);
}

const SECPersistentTreeNode::SECPersTreeNodeKeyValuePair* SECPersistentTreeNode::FindPair(LPCTSTR pszKey) const
{
    for (const auto& pPair : m_pairs)
        if (std::strcmp(pPair->m_strKey, pszKey) == 0)
            return pPair.get();
    return nullptr;
}

int SECPersistentTreeNode::SetValue(LPCTSTR pszKey, const CString& strValue, BOOL bOverwrite)
{
    int nError = kPTNSuccess;
    if (!m_bInitialized)
        nError |= kPTNNotInitialized;
    if (!pszKey || !*pszKey)
        nError |= kPTNEmptyKey;
    if (nError)
        return nError;
    auto* pPair = const_cast<SECPersTreeNodeKeyValuePair*>(FindPair(pszKey));
    if (pPair && !bOverwrite)
        return kPTNKeyExists;
    if (pPair)
        pPair->m_strValue = strValue;
    else
        m_pairs.push_back(std::make_unique<SECPersTreeNodeKeyValuePair>(pszKey, strValue));
    return kPTNSuccess;
}

int SECPersistentTreeNode::SetValue(LPCTSTR pszKey, int nValue, BOOL bOverwrite)
{
    CString strValue;
    strValue.Format("%d", nValue);
    return SetValue(pszKey, strValue, bOverwrite);
}

int SECPersistentTreeNode::SetBoolValue(LPCTSTR pszKey, BOOL bValue, BOOL bOverwrite)
{
    return SetValue(pszKey, CString(bValue ? "True" : "False"), bOverwrite);
}

int SECPersistentTreeNode::RemoveValue(LPCTSTR pszKey)
{
    const auto nBefore = m_pairs.size();
    m_pairs.erase(std::remove_if(m_pairs.begin(), m_pairs.end(),
                                 [&](const auto& p) { return pszKey && std::strcmp(p->m_strKey, pszKey) == 0; }),
                  m_pairs.end());
    return m_pairs.size() == nBefore ? kPTNKeyNotFound : kPTNSuccess;
}

int SECPersistentTreeNode::GetValue(LPCTSTR pszKey, CString& strValue, const CString& strDefault) const
{
    strValue = strDefault;
    const SECPersTreeNodeKeyValuePair* pPair = pszKey ? FindPair(pszKey) : nullptr;
    if (!pPair)
        return kPTNKeyNotFound;
    strValue = pPair->m_strValue;
    return kPTNSuccess;
}

int SECPersistentTreeNode::GetValue(LPCTSTR pszKey, int& nValue, int nDefault) const
{
    nValue = nDefault;
    CString strText;
    if (GetValue(pszKey, strText) != kPTNSuccess)
        return kPTNKeyNotFound;
    nValue = ParseDecimal(strText);
    return kPTNSuccess;
}

int SECPersistentTreeNode::GetValue(LPCTSTR pszKey, UINT& nValue, UINT nDefault) const
{
    int nRead = 0;
    const int nError = GetValue(pszKey, nRead, (int)nDefault);
    nValue = (UINT)nRead;
    return nError;
}

int SECPersistentTreeNode::GetBoolValue(LPCTSTR pszKey, BOOL& bValue, BOOL bDefault) const
{
    bValue = bDefault;
    CString strText;
    if (GetValue(pszKey, strText) != kPTNSuccess)
        return kPTNKeyNotFound;
    bValue = strText.MakeUpper() == "TRUE";
    return kPTNSuccess;
}

// Binary values ---

CString SECPersistentTreeNode::EncodeBinary(const BYTE* pData, UINT nSize)
{
    CString strText;
    char* p = strText.GetBufferSetLength((int)nSize * 2);
    for (UINT i = 0; i < nSize; ++i) {
        *p++ = (char)('A' + (pData[i] & 15));
        *p++ = (char)('A' + (pData[i] >> 4));
    }
    strText.ReleaseBuffer((int)nSize * 2);
    return strText;
}

BOOL SECPersistentTreeNode::DecodeBinary(const CString& strText, std::vector<BYTE>& data)
{
    data.clear();
    if (strText.IsEmpty())
        return FALSE;
    const int nBytes = strText.GetLength() / 2;
    data.resize((size_t)nBytes);
    for (int i = 0; i < nBytes; ++i) {
        const int nFirst = (unsigned char)strText[2 * i];
        const int nSecond = (unsigned char)strText[2 * i + 1];
        data[(size_t)i] = (BYTE)((nSecond * 16 + nFirst - 'Q') & 0xFF);
    }
    return TRUE;
}

void SECPersistentTreeNode::RemoveSplitEntries(const CString& strKey, int nFromChunk)
{
    int nCount = 0;
    if (GetValue(strKey + kBinCount, nCount) == kPTNSuccess && nFromChunk == 0)
        RemoveValue(strKey + kBinCount);
    for (int i = nFromChunk; i < nCount; ++i)
        RemoveValue(ChunkKey(strKey, i));
}

int SECPersistentTreeNode::SetBinaryValue(LPCTSTR pszKey, const BYTE* pData, UINT nSize, BOOL bOverwrite)
{
    if (!pData)
        return kPTNNullData;
    if (nSize > (UINT)(INT_MAX / 2))
        return kPTNEncodingFailed;
    const CString strText = EncodeBinary(pData, nSize);
    if (strText.GetLength() < kChunkChars) {
        const int nError = SetValue(pszKey, strText, bOverwrite);
        if (nError == kPTNSuccess)
            RemoveSplitEntries(pszKey, 0);
        return nError;
    }
    const int nChunks = (strText.GetLength() + kChunkChars - 1) / kChunkChars;
    const CString strKey(pszKey);
    // Chunks of an earlier, longer value would be read back with ours.
    RemoveSplitEntries(strKey, nChunks);
    int nError = SetValue(strKey + kBinCount, nChunks, TRUE);
    for (int i = 0; i < nChunks && nError == kPTNSuccess; ++i)
        nError = SetValue(ChunkKey(strKey, i), strText.Mid(i * kChunkChars, kChunkChars), TRUE);
    if (nError == kPTNSuccess)
        RemoveValue(strKey);
    return nError;
}

int SECPersistentTreeNode::GetBinaryValue(LPCTSTR pszKey, BYTE*& pData, UINT& nSize) const
{
    pData = nullptr;
    nSize = 0;
    if (!pszKey)
        return kPTNKeyNotFound;
    const CString strKey(pszKey);
    CString strText;
    int nCount = 0;
    if (GetValue(strKey + kBinCount, nCount) == kPTNSuccess) {
        // At most as many chunks as there are values: a damaged count
        // cannot make the loop run on.
        nCount = std::min(nCount, GetValueCount());
        for (int i = 0; i < nCount; ++i) {
            CString strChunk;
            if (GetValue(ChunkKey(strKey, i), strChunk) == kPTNSuccess)
                strText += strChunk;
        }
    } else if (GetValue(strKey, strText) != kPTNSuccess) {
        return kPTNKeyNotFound;
    }
    std::vector<BYTE> data;
    if (!DecodeBinary(strText, data))
        return kPTNOtherFailure;
    pData = new BYTE[data.size()];
    if (!data.empty())
        std::memcpy(pData, data.data(), data.size());
    nSize = (UINT)data.size();
    return kPTNSuccess;
}

// Storage ---

BOOL SECPersistentTreeNode::Save(SECPTNStrategy* pStrategy)
{
    if (!m_bInitialized || !pStrategy)
        return FALSE;
    CStringList path;
    GetPath(path);
    BOOL bResult = pStrategy->ClearNode(path);
    for (const auto& pPair : m_pairs)
        bResult &= pStrategy->WriteValue(path, pPair->m_strKey, pPair->m_strValue);
    CStringList names;
    for (const SECPersistentTreeNode* pChild : m_children)
        names.AddTail(pChild->GetName());
    bResult &= pStrategy->WriteChildNames(path, names);
    for (SECPersistentTreeNode* pChild : m_children)
        bResult &= pChild->Save(pStrategy);
    return bResult;
}

BOOL SECPersistentTreeNode::Load(SECPTNStrategy* pStrategy)
{
    if (!m_bInitialized || !pStrategy)
        return FALSE;
    CStringList path;
    GetPath(path);
    if (path.GetCount() > kMaxLoadDepth)
        return FALSE;
    CStringList childNames, keys, values;
    if (!pStrategy->ReadNode(path, childNames, keys, values))
        return FALSE;
    POSITION posKey = keys.GetHeadPosition();
    POSITION posValue = values.GetHeadPosition();
    while (posKey && posValue) {
        const CString& strKey = keys.GetNext(posKey);
        SetValue(strKey, values.GetNext(posValue), TRUE);
    }
    for (POSITION pos = childNames.GetHeadPosition(); pos;) {
        const CString& strName = childNames.GetNext(pos);
        if (FindChild(strName))
            continue;
        if (SECPersistentTreeNode* pChild = CreateChild(strName))
            pChild->Load(pStrategy);
    }
    return TRUE;
}
