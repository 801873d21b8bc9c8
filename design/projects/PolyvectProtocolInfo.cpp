#include "framework/Portable.h"
#include "design/projects/PolyvectProtocolInfo.h"
#include "design/projects/PolyvectProtocolText.h"
#include "design/TextLines.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

CString WithDefaultExtension(const CString& strName, LPCTSTR pszExtension)
{
    return strName.Find('.') < 0 ? strName + pszExtension : strName;
}

// The text up to the first tab, leading blanks dropped.
std::string HeaderField(std::string line)
{
    line.erase(0, std::min(line.find_first_not_of(" \t"), line.size()));
    return line.substr(0, line.find('\t'));
}

} // namespace

CPolyvectProtocolInfo::CPolyvectProtocolInfo() : CProtocolInfo(256)
{
}

CPolyvectProtocolInfo::~CPolyvectProtocolInfo() = default;

void CPolyvectProtocolInfo::ReadHeader()
{
    m_dwStatus = 0;
    m_nItemCount = 0;
    std::vector<std::string> lines;
    if (!designtext::ReadLines(GetFilePath(KindProtocol), lines)) {
        m_dwStatus |= StatusMissing;
        return;
    }
    m_nArrayCode = lines.empty() ? -1 : std::atoi(HeaderField(lines[0]).c_str());
    m_strGeometryFile = lines.size() > 1 ? CString(HeaderField(lines[1]).c_str()) : CString();
    for (size_t i = 2; i < lines.size(); ++i)
        if (!designtext::Trim(lines[i]).empty())
            ++m_nItemCount;
    if (m_nItemCount == 0)
        m_dwStatus |= StatusEmpty;
}

int CPolyvectProtocolInfo::GetStatusIcon()
{
    if (m_dwStatus & StatusMissing)
        return 1;
    if (m_dwStatus & StatusEmpty)
        return 2;
    return 0;
}

CString CPolyvectProtocolInfo::GetFilePath(int nKind)
{
    if (nKind == KindProtocol && !m_strName.IsEmpty())
        return m_strFolder + WithDefaultExtension(m_strName, kPolyvectExtension);
    if (nKind == KindGeometry && !m_strGeometryFile.IsEmpty())
        return m_strFolder + WithDefaultExtension(m_strGeometryFile, ".XYZ");
    return CString();
}

BOOL CPolyvectProtocolInfo::GetColumnText(UINT nColumnId, CString& strText)
{
    switch (nColumnId) {
    case 2:
        GetArrayName(strText);
        return TRUE;
    case 3:
        strText = m_strGeometryFile;
        return TRUE;
    case 4:
        strText.Format("%u", static_cast<unsigned>(m_nItemCount));
        return TRUE;
    default:
        return FALSE;
    }
}
