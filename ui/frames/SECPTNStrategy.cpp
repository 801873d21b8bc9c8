#include "ui/frames/SECPTNStrategy.h"

#include "ui/frames/PrivateProfileApi.h"
#include "ui/frames/SECRegistry.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kFirstKeyListSize = 512;
constexpr DWORD kFirstValueSize = 255;
// A value longer than this is refused rather than cut.
constexpr DWORD kMaxValueSize = 1 << 20;

} // namespace

// Initialisation file ---

SECPTNStrategyProfile::SECPTNStrategyProfile(LPCTSTR pszFile, LPCTSTR pszChildPrefix, LPCTSTR pszSeparator,
                                             int nMaxKeyListSize)
    : m_strFile(pszFile), m_strChildPrefix(pszChildPrefix), m_strSeparator(pszSeparator),
      m_nMaxKeyListSize(std::max(nMaxKeyListSize, 2))
{
}

CString SECPTNStrategyProfile::SectionName(const CStringList& path) const
{
    CString strSection;
    for (POSITION pos = path.GetTailPosition(); pos;) {
        const CString& strName = path.GetPrev(pos);
        if (!strSection.IsEmpty())
            strSection += m_strSeparator;
        strSection += strName;
    }
    return strSection;
}

BOOL SECPTNStrategyProfile::IsChildKey(const CString& strKey) const
{
    // Initialisation-file keys match in any case, so "CHILD1" is the same key
    // as the "Child1" a save writes: read it as a child name too.
    const int nPrefix = m_strChildPrefix.GetLength();
    if (strKey.GetLength() <= nPrefix || strKey.Left(nPrefix).CompareNoCase(m_strChildPrefix) != 0)
        return FALSE;
    const CString strNumber = strKey.Mid(nPrefix);
    return strNumber.SpanIncluding("0123456789") == strNumber;
}

BOOL SECPTNStrategyProfile::ClearNode(const CStringList& path)
{
    const CString strSection = SectionName(path);
    if (strSection.IsEmpty())
        return FALSE;
    return GetPrivateProfileApi().WriteString(strSection, nullptr, nullptr, m_strFile);
}

BOOL SECPTNStrategyProfile::WriteValue(const CStringList& path, const CString& strKey, const CString& strValue)
{
    const CString strSection = SectionName(path);
    if (strSection.IsEmpty())
        return FALSE;
    return GetPrivateProfileApi().WriteString(strSection, strKey, strValue, m_strFile);
}

BOOL SECPTNStrategyProfile::WriteChildNames(const CStringList& path, const CStringList& names)
{
    const CString strSection = SectionName(path);
    if (strSection.IsEmpty())
        return FALSE;
    BOOL bResult = TRUE;
    int n = 1;
    for (POSITION pos = names.GetHeadPosition(); pos; ++n) {
        CString strKey;
        strKey.Format("%s%d", m_strChildPrefix.GetString(), n);
        bResult &= GetPrivateProfileApi().WriteString(strSection, strKey, names.GetNext(pos), m_strFile);
    }
    return bResult;
}

BOOL SECPTNStrategyProfile::GetSectionKeys(const CString& strSection, CStringList& keys)
{
    DWORD nSize = (DWORD)std::min(kFirstKeyListSize, m_nMaxKeyListSize);
    std::vector<char> buffer;
    DWORD nRead = 0;
    for (;;) {
        buffer.assign(nSize, '\0');
        nRead = GetPrivateProfileApi().GetString(strSection, nullptr, "", buffer.data(), nSize, m_strFile);
        if (nRead != nSize - 2)
            break;
        // Cut short at the largest buffer: the list is not whole.
        if (nSize >= (DWORD)m_nMaxKeyListSize)
            return FALSE;
        nSize = std::min(nSize * 2, (DWORD)m_nMaxKeyListSize);
    }
    if (nRead == 0)
        return FALSE;
    for (DWORD nPos = 0; nPos < nRead && buffer[nPos];) {
        const CString strKey(&buffer[nPos]);
        keys.AddTail(strKey);
        nPos += (DWORD)strKey.GetLength() + 1;
    }
    return TRUE;
}

BOOL SECPTNStrategyProfile::ReadValue(const CString& strSection, const CString& strKey, CString& strValue)
{
    // A result of size - 1 is a value cut short: read again, larger.
    for (DWORD nSize = kFirstValueSize; nSize <= kMaxValueSize; nSize *= 2) {
        std::vector<char> buffer(nSize, '\0');
        const DWORD nRead = GetPrivateProfileApi().GetString(strSection, strKey, "", buffer.data(), nSize, m_strFile);
        if (nRead < nSize - 1) {
            strValue = CString(buffer.data(), (int)nRead);
            return TRUE;
        }
    }
    return FALSE;
}

BOOL SECPTNStrategyProfile::ReadNode(const CStringList& path, CStringList& childNames, CStringList& keys,
                                     CStringList& values)
{
    childNames.RemoveAll();
    keys.RemoveAll();
    values.RemoveAll();
    const CString strSection = SectionName(path);
    if (strSection.IsEmpty())
        return FALSE;
    CStringList sectionKeys;
    if (!GetSectionKeys(strSection, sectionKeys))
        return FALSE;
    for (POSITION pos = sectionKeys.GetHeadPosition(); pos;) {
        const CString& strKey = sectionKeys.GetNext(pos);
        CString strValue;
        if (!ReadValue(strSection, strKey, strValue))
            continue;
        if (IsChildKey(strKey)) {
            childNames.AddTail(strValue);
        } else {
            keys.AddTail(strKey);
            values.AddTail(strValue);
        }
    }
    return TRUE;
}

// Registry ---

SECPTNStrategyRegistry::SECPTNStrategyRegistry(LPCTSTR pszBaseKeyPath, HKEY hRoot)
    : m_strBaseKeyPath(pszBaseKeyPath), m_hRoot(hRoot)
{
}

void SECPTNStrategyRegistry::BuildKeyPath(CString& strKeyPath, const CStringList& path) const
{
    strKeyPath.Empty();
    for (POSITION pos = path.GetTailPosition(); pos;)
        strKeyPath += path.GetPrev(pos) + "\\";
}

CString SECPTNStrategyRegistry::FullKeyPath(const CStringList& path) const
{
    CString strNodePath;
    BuildKeyPath(strNodePath, path);
    return SECRegistry::JoinKeyNames(m_strBaseKeyPath, strNodePath);
}

BOOL SECPTNStrategyRegistry::ClearNode(const CStringList& path)
{
    SECRegistry registry;
    if (!registry.Connect(m_hRoot))
        return FALSE;
    const CString strKey = FullKeyPath(path);
    // A node never saved has nothing to clear.
    if (!registry.Open(strKey, KEY_ALL_ACCESS))
        return registry.GetLastError() == ERROR_FILE_NOT_FOUND;
    SECRegistry eraser;
    return eraser.Connect(m_hRoot) && eraser.DeleteKey(strKey, TRUE);
}

BOOL SECPTNStrategyRegistry::WriteValue(const CStringList& path, const CString& strKey, const CString& strValue)
{
    SECRegistry registry;
    if (!registry.Connect(m_hRoot) || !registry.Create(FullKeyPath(path), nullptr, 0, KEY_ALL_ACCESS))
        return FALSE;
    return registry.SetValue(strKey, strValue);
}

BOOL SECPTNStrategyRegistry::WriteChildNames(const CStringList& path, const CStringList&)
{
    // The children are the node key's subkeys; the key itself is made here
    // so that a node without values is still there to be read back.
    SECRegistry registry;
    return registry.Connect(m_hRoot) && registry.Create(FullKeyPath(path), nullptr, 0, KEY_ALL_ACCESS);
}

BOOL SECPTNStrategyRegistry::ReadNode(const CStringList& path, CStringList& childNames, CStringList& keys,
                                      CStringList& values)
{
    childNames.RemoveAll();
    keys.RemoveAll();
    values.RemoveAll();
    SECRegistry registry;
    if (!registry.Connect(m_hRoot) || !registry.Open(FullKeyPath(path), KEY_READ))
        return FALSE;
    CString strName;
    for (DWORD i = 0; registry.EnumerateKeys(i, strName); ++i)
        childNames.AddTail(strName);
    DWORD dwType = 0;
    for (DWORD i = 0; registry.EnumerateValues(i, strName, &dwType); ++i) {
        CString strValue;
        if (registry.QueryValue(strName, strValue)) {
            keys.AddTail(strName);
            values.AddTail(strValue);
        }
    }
    return TRUE;
}
