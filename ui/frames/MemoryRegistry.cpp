#include "ui/frames/MemoryRegistry.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

bool SameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower((unsigned char)x) == std::tolower((unsigned char)y);
           });
}

// Copies a name into a caller's buffer of *pcch characters (NUL included);
// on success *pcch becomes the length without the NUL.
LONG CopyName(const std::string& strName, LPTSTR pszBuffer, DWORD* pcch)
{
    if (!pszBuffer || !pcch)
        return ERROR_INVALID_PARAMETER;
    if (strName.size() + 1 > *pcch)
        return ERROR_MORE_DATA;
    std::memcpy(pszBuffer, strName.c_str(), strName.size() + 1);
    *pcch = (DWORD)strName.size();
    return ERROR_SUCCESS;
}

// Copies value data; a missing buffer asks only for the size.
LONG CopyData(const std::vector<BYTE>& data, BYTE* pData, DWORD* pcbData)
{
    if (!pcbData)
        return pData ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
    const DWORD cbHave = *pcbData;
    *pcbData = (DWORD)data.size();
    if (!pData)
        return ERROR_SUCCESS;
    if (data.size() > cbHave)
        return ERROR_MORE_DATA;
    if (!data.empty())
        std::memcpy(pData, data.data(), data.size());
    return ERROR_SUCCESS;
}

} // namespace

struct CMemoryRegistry::Node
{
    std::string strName;
    std::string strClass;
    std::vector<NodePtr> children;
    struct Value
    {
        std::string strName;
        DWORD dwType;
        std::vector<BYTE> data;
    };
    std::vector<Value> values;
    bool bDeleted = false;
    bool bDenyDelete = false;

    NodePtr FindChild(const std::string& strChild) const
    {
        for (const NodePtr& p : children)
            if (SameName(p->strName, strChild))
                return p;
        return nullptr;
    }
    Value* FindValue(const std::string& strValue)
    {
        for (Value& v : values)
            if (SameName(v.strName, strValue))
                return &v;
        return nullptr;
    }
};

CMemoryRegistry::CMemoryRegistry()
{
    for (int i = 0; i <= 6; ++i)
        m_roots.push_back(std::make_shared<Node>());
}

CMemoryRegistry::~CMemoryRegistry() = default;

CMemoryRegistry::NodePtr CMemoryRegistry::Resolve(HKEY hKey) const
{
    if (IsPredefinedRootKey(hKey))
        return m_roots[(ULONG_PTR)hKey - (ULONG_PTR)HKEY_CLASSES_ROOT];
    const auto it = m_handles.find((ULONG_PTR)hKey);
    if (it == m_handles.end())
        return nullptr;
    return it->second;
}

CMemoryRegistry::NodePtr CMemoryRegistry::Walk(const NodePtr& pFrom, LPCTSTR pszPath, bool bCreate, bool* pbCreated)
{
    NodePtr pNode = pFrom;
    const std::string strPath = pszPath ? pszPath : "";
    size_t start = 0;
    while (start < strPath.size()) {
        size_t end = strPath.find('\\', start);
        if (end == std::string::npos)
            end = strPath.size();
        const std::string strPart = strPath.substr(start, end - start);
        start = end + 1;
        if (strPart.empty())
            continue;
        NodePtr pChild = pNode->FindChild(strPart);
        if (!pChild) {
            if (!bCreate)
                return nullptr;
            pChild = std::make_shared<Node>();
            pChild->strName = strPart;
            pNode->children.push_back(pChild);
            if (pbCreated)
                *pbCreated = true;
        }
        pNode = pChild;
    }
    return pNode;
}

HKEY CMemoryRegistry::NewHandle(const NodePtr& pNode)
{
    const ULONG_PTR n = m_nextHandle;
    m_nextHandle += 4;
    m_handles[n] = pNode;
    return (HKEY)n;
}

LONG CMemoryRegistry::RegConnectRegistry(LPCTSTR pszComputer, HKEY hRoot, HKEY* phResult)
{
    if (!phResult)
        return ERROR_INVALID_PARAMETER;
    // Other computers are not reachable from memory.
    if (pszComputer && *pszComputer)
        return 53L; // ERROR_BAD_NETPATH
    if (!IsPredefinedRootKey(hRoot))
        return ERROR_INVALID_HANDLE;
    *phResult = NewHandle(Resolve(hRoot));
    return ERROR_SUCCESS;
}

LONG CMemoryRegistry::RegCreateKeyEx(HKEY hKey, LPCTSTR pszSubKey, LPCTSTR pszClass, DWORD, REGSAM,
                                  LPSECURITY_ATTRIBUTES, HKEY* phResult, DWORD* pdwDisposition)
{
    const NodePtr pFrom = Resolve(hKey);
    if (!pFrom || !phResult)
        return ERROR_INVALID_HANDLE;
    if (pFrom->bDeleted)
        return ERROR_KEY_DELETED;
    bool bCreated = false;
    const NodePtr pNode = Walk(pFrom, pszSubKey, true, &bCreated);
    if (bCreated && pszClass)
        pNode->strClass = pszClass;
    if (pdwDisposition)
        *pdwDisposition = bCreated ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    *phResult = NewHandle(pNode);
    return ERROR_SUCCESS;
}

LONG CMemoryRegistry::RegOpenKeyEx(HKEY hKey, LPCTSTR pszSubKey, REGSAM, HKEY* phResult)
{
    const NodePtr pFrom = Resolve(hKey);
    if (!pFrom || !phResult)
        return ERROR_INVALID_HANDLE;
    if (pFrom->bDeleted)
        return ERROR_KEY_DELETED;
    const NodePtr pNode = Walk(pFrom, pszSubKey, false, nullptr);
    if (!pNode)
        return ERROR_FILE_NOT_FOUND;
    *phResult = NewHandle(pNode);
    return ERROR_SUCCESS;
}

LONG CMemoryRegistry::RegCloseKey(HKEY hKey)
{
    if (IsPredefinedRootKey(hKey))
        return ERROR_SUCCESS;
    return m_handles.erase((ULONG_PTR)hKey) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

LONG CMemoryRegistry::RegDeleteKey(HKEY hKey, LPCTSTR pszSubKey)
{
    const NodePtr pFrom = Resolve(hKey);
    if (!pFrom)
        return ERROR_INVALID_HANDLE;
    if (!pszSubKey || !*pszSubKey)
        return ERROR_ACCESS_DENIED;
    const NodePtr pNode = Walk(pFrom, pszSubKey, false, nullptr);
    if (!pNode)
        return ERROR_FILE_NOT_FOUND;
    if (pNode->bDenyDelete || !pNode->children.empty())
        return ERROR_ACCESS_DENIED;
    std::string strPath = pszSubKey;
    const size_t slash = strPath.rfind('\\');
    const NodePtr pParent = slash == std::string::npos ? pFrom : Walk(pFrom, strPath.substr(0, slash).c_str(), false, nullptr);
    auto& siblings = pParent->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), pNode), siblings.end());
    pNode->bDeleted = true;
    return ERROR_SUCCESS;
}

LONG CMemoryRegistry::RegDeleteValue(HKEY hKey, LPCTSTR pszName)
{
    const NodePtr pNode = Resolve(hKey);
    if (!pNode)
        return ERROR_INVALID_HANDLE;
    const std::string strName = pszName ? pszName : "";
    auto& values = pNode->values;
    const auto it = std::find_if(values.begin(), values.end(), [&](const Node::Value& v) { return SameName(v.strName, strName); });
    if (it == values.end())
        return ERROR_FILE_NOT_FOUND;
    values.erase(it);
    return ERROR_SUCCESS;
}

LONG CMemoryRegistry::RegEnumKeyEx(HKEY hKey, DWORD dwIndex, LPTSTR pszName, DWORD* pcchName, LPTSTR pszClass,
                                DWORD* pcchClass, FILETIME* pLastWrite)
{
    const NodePtr pNode = Resolve(hKey);
    if (!pNode)
        return ERROR_INVALID_HANDLE;
    if (pNode->bDeleted)
        return ERROR_KEY_DELETED;
    if (dwIndex >= pNode->children.size())
        return ERROR_NO_MORE_ITEMS;
    const Node& child = *pNode->children[dwIndex];
    const LONG lResult = CopyName(child.strName, pszName, pcchName);
    if (lResult != ERROR_SUCCESS)
        return lResult;
    if (pszClass && pcchClass) {
        const LONG lClass = CopyName(child.strClass, pszClass, pcchClass);
        if (lClass != ERROR_SUCCESS)
            return lClass;
    }
    if (pLastWrite)
        *pLastWrite = FILETIME{0, 0};
    return ERROR_SUCCESS;
}

LONG CMemoryRegistry::RegEnumValue(HKEY hKey, DWORD dwIndex, LPTSTR pszName, DWORD* pcchName, DWORD* pdwType,
                                BYTE* pData, DWORD* pcbData)
{
    const NodePtr pNode = Resolve(hKey);
    if (!pNode)
        return ERROR_INVALID_HANDLE;
    if (dwIndex >= pNode->values.size())
        return ERROR_NO_MORE_ITEMS;
    const Node::Value& value = pNode->values[dwIndex];
    const LONG lName = CopyName(value.strName, pszName, pcchName);
    if (lName != ERROR_SUCCESS)
        return lName;
    if (pdwType)
        *pdwType = value.dwType;
    return CopyData(value.data, pData, pcbData);
}

LONG CMemoryRegistry::RegFlushKey(HKEY hKey) { return Resolve(hKey) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE; }

LONG CMemoryRegistry::RegQueryInfoKey(HKEY hKey, LPTSTR pszClass, DWORD* pcchClass, DWORD* pcSubKeys,
                                   DWORD* pcchMaxSubKey, DWORD* pcchMaxClass, DWORD* pcValues,
                                   DWORD* pcchMaxValueName, DWORD* pcbMaxValueData, DWORD* pcbSecurityDescriptor,
                                   FILETIME* pLastWrite)
{
    const NodePtr pNode = Resolve(hKey);
    if (!pNode)
        return ERROR_INVALID_HANDLE;
    if (pNode->bDeleted)
        return ERROR_KEY_DELETED;
    if (pszClass && pcchClass) {
        const LONG lClass = CopyName(pNode->strClass, pszClass, pcchClass);
        if (lClass != ERROR_SUCCESS)
            return lClass;
    }
    DWORD nMaxSubKey = 0, nMaxClass = 0, nMaxName = 0, nMaxData = 0;
    for (const NodePtr& p : pNode->children) {
        nMaxSubKey = std::max(nMaxSubKey, (DWORD)p->strName.size());
        nMaxClass = std::max(nMaxClass, (DWORD)p->strClass.size());
    }
    for (const Node::Value& v : pNode->values) {
        nMaxName = std::max(nMaxName, (DWORD)v.strName.size());
        nMaxData = std::max(nMaxData, (DWORD)v.data.size());
    }
    if (pcSubKeys)
        *pcSubKeys = (DWORD)pNode->children.size();
    if (pcchMaxSubKey)
        *pcchMaxSubKey = nMaxSubKey;
    if (pcchMaxClass)
        *pcchMaxClass = nMaxClass;
    if (pcValues)
        *pcValues = (DWORD)pNode->values.size();
    if (pcchMaxValueName)
        *pcchMaxValueName = nMaxName;
    if (pcbMaxValueData)
        *pcbMaxValueData = nMaxData;
    if (pcbSecurityDescriptor)
        *pcbSecurityDescriptor = 0;
    if (pLastWrite)
        *pLastWrite = FILETIME{0, 0};
    return ERROR_SUCCESS;
}

LONG CMemoryRegistry::RegQueryValueEx(HKEY hKey, LPCTSTR pszName, DWORD* pdwType, BYTE* pData, DWORD* pcbData)
{
    const NodePtr pNode = Resolve(hKey);
    if (!pNode)
        return ERROR_INVALID_HANDLE;
    Node::Value* pValue = pNode->FindValue(pszName ? pszName : "");
    if (!pValue)
        return ERROR_FILE_NOT_FOUND;
    if (pdwType)
        *pdwType = pValue->dwType;
    return CopyData(pValue->data, pData, pcbData);
}

LONG CMemoryRegistry::RegSetValueEx(HKEY hKey, LPCTSTR pszName, DWORD dwType, const BYTE* pData, DWORD cbData)
{
    const NodePtr pNode = Resolve(hKey);
    if (!pNode)
        return ERROR_INVALID_HANDLE;
    if (pNode->bDeleted)
        return ERROR_KEY_DELETED;
    if (!pData && cbData)
        return ERROR_INVALID_PARAMETER;
    const std::string strName = pszName ? pszName : "";
    Node::Value* pValue = pNode->FindValue(strName);
    if (!pValue) {
        pNode->values.push_back(Node::Value{strName, dwType, {}});
        pValue = &pNode->values.back();
    }
    pValue->dwType = dwType;
    pValue->data.assign(pData, pData + cbData);
    return ERROR_SUCCESS;
}

LONG CMemoryRegistry::RegGetKeySecurity(HKEY, SECURITY_INFORMATION, PSECURITY_DESCRIPTOR, DWORD*) { return ERROR_CALL_NOT_IMPLEMENTED; }
LONG CMemoryRegistry::RegSetKeySecurity(HKEY, SECURITY_INFORMATION, PSECURITY_DESCRIPTOR) { return ERROR_CALL_NOT_IMPLEMENTED; }
LONG CMemoryRegistry::RegLoadKey(HKEY, LPCTSTR, LPCTSTR) { return ERROR_CALL_NOT_IMPLEMENTED; }
LONG CMemoryRegistry::RegUnLoadKey(HKEY, LPCTSTR) { return ERROR_CALL_NOT_IMPLEMENTED; }
LONG CMemoryRegistry::RegReplaceKey(HKEY, LPCTSTR, LPCTSTR, LPCTSTR) { return ERROR_CALL_NOT_IMPLEMENTED; }
LONG CMemoryRegistry::RegRestoreKey(HKEY, LPCTSTR, DWORD) { return ERROR_CALL_NOT_IMPLEMENTED; }
LONG CMemoryRegistry::RegSaveKey(HKEY, LPCTSTR, LPSECURITY_ATTRIBUTES) { return ERROR_CALL_NOT_IMPLEMENTED; }
LONG CMemoryRegistry::RegNotifyChangeKeyValue(HKEY, BOOL, DWORD, HANDLE, BOOL) { return ERROR_CALL_NOT_IMPLEMENTED; }

BOOL CMemoryRegistry::GetComputerName(LPTSTR pszBuffer, DWORD* pcchBuffer)
{
    return CopyName("LOCALHOST", pszBuffer, pcchBuffer) == ERROR_SUCCESS;
}

void CMemoryRegistry::DenyDelete(HKEY hRoot, const std::string& strPath)
{
    const NodePtr pRoot = Resolve(hRoot);
    if (const NodePtr pNode = pRoot ? Walk(pRoot, strPath.c_str(), false, nullptr) : nullptr)
        pNode->bDenyDelete = true;
}
