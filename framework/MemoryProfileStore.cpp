#include "framework/Portable.h"
#include "framework/MemoryProfileStore.h"

#include <algorithm>
#include <cctype>
#include <string>

bool CMemoryProfileStore::NoCaseLess::operator()(const std::string& a, const std::string& b) const
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

const CMemoryProfileStore::Value* CMemoryProfileStore::Find(LPCTSTR pszSection, LPCTSTR pszKey) const
{
    if (pszSection == nullptr || pszKey == nullptr)
        return nullptr;
    auto section = m_sections.find(pszSection);
    if (section == m_sections.end())
        return nullptr;
    auto value = section->second.find(pszKey);
    return value == section->second.end() ? nullptr : &value->second;
}

CString CMemoryProfileStore::GetString(LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszDefault)
{
    const Value* pValue = Find(pszSection, pszKey);
    if (pValue == nullptr || pValue->bNumber || pValue->bBinary)
        return pszDefault ? pszDefault : "";
    return pValue->strText.c_str();
}

BOOL CMemoryProfileStore::WriteString(LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszValue)
{
    if (pszSection == nullptr)
        return FALSE;
    if (pszKey == nullptr) {
        m_sections.erase(pszSection);
        return TRUE;
    }
    if (pszValue == nullptr) {
        auto section = m_sections.find(pszSection);
        if (section != m_sections.end())
            section->second.erase(pszKey);
        return TRUE;
    }
    Value& value = m_sections[pszSection][pszKey];
    value.bNumber = false;
    value.bBinary = false;
    value.strText = pszValue;
    return TRUE;
}

UINT CMemoryProfileStore::GetInt(LPCTSTR pszSection, LPCTSTR pszKey, int nDefault)
{
    const Value* pValue = Find(pszSection, pszKey);
    if (pValue == nullptr || !pValue->bNumber)
        return static_cast<UINT>(nDefault);
    return pValue->dwNumber;
}

BOOL CMemoryProfileStore::WriteInt(LPCTSTR pszSection, LPCTSTR pszKey, int nValue)
{
    if (pszSection == nullptr || pszKey == nullptr)
        return FALSE;
    Value& value = m_sections[pszSection][pszKey];
    value.bNumber = true;
    value.bBinary = false;
    value.strText.clear();
    value.dwNumber = static_cast<DWORD>(nValue);
    return TRUE;
}

BOOL CMemoryProfileStore::GetBinary(LPCTSTR pszSection, LPCTSTR pszKey, std::vector<BYTE>& data)
{
    const Value* pValue = Find(pszSection, pszKey);
    if (pValue == nullptr || !pValue->bBinary)
        return FALSE;
    data.assign(pValue->strText.begin(), pValue->strText.end());
    return TRUE;
}

BOOL CMemoryProfileStore::WriteBinary(LPCTSTR pszSection, LPCTSTR pszKey, const BYTE* pData, UINT nBytes)
{
    if (pszSection == nullptr || pszKey == nullptr || (pData == nullptr && nBytes > 0))
        return FALSE;
    Value& value = m_sections[pszSection][pszKey];
    value.bNumber = false;
    value.bBinary = true;
    value.strText.assign(reinterpret_cast<const char*>(pData), nBytes);
    return TRUE;
}

std::string CMemoryProfileStore::Dump() const
{
    std::string text;
    for (const auto& section : m_sections) {
        for (const auto& entry : section.second) {
            text += section.first + "/" + entry.first + "=";
            const Value& value = entry.second;
            if (value.bBinary)
                text += "$" + std::to_string(value.strText.size()) + " bytes";
            else
                text += value.bNumber ? "#" + std::to_string(static_cast<int>(value.dwNumber)) : value.strText;
            text += "\n";
        }
    }
    return text;
}
