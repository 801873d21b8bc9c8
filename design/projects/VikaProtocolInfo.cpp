#include "framework/Portable.h"
#include "design/projects/VikaProtocolInfo.h"
#include "design/TextLines.h"
#include "design/VikaProtocolFile.h"
#include "framework/HostServices.h"
#include "framework/OsFile.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

const CString g_strVikaExtensions[VikaKindCount] = {".ORG", ".UP", ".DWN", ".ADR", ".XYZ"};

namespace {

bool PathExists(const CString& strPath)
{
    DWORD dwAttributes = 0;
    return !strPath.IsEmpty() && OsFile::GetAttributes(strPath, dwAttributes);
}

} // namespace

CVikaProtocolInfo::CVikaProtocolInfo() : CProtocolInfo(256)
{
}

CVikaProtocolInfo::~CVikaProtocolInfo() = default;

void CVikaProtocolInfo::Serialize(CArchive& ar)
{
    CProtocolInfo::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_strAddressFile << static_cast<DWORD>(m_nChannels);
        ar << static_cast<DWORD>(m_nOrgCount) << static_cast<DWORD>(m_nUpCount)
           << static_cast<DWORD>(m_nDwnCount);
        return;
    }
    DWORD dwChannels = 0, dwOrg = 0, dwUp = 0, dwDwn = 0;
    ar >> m_strAddressFile >> dwChannels >> dwOrg >> dwUp >> dwDwn;
    m_nChannels = dwChannels;
    m_nOrgCount = dwOrg;
    m_nUpCount = dwUp;
    m_nDwnCount = dwDwn;
}

void CVikaProtocolInfo::ReadHeader()
{
    WaitCursorScope wait;
    m_dwStatus = 0;
    m_nChannels = 1;
    m_nOrgCount = m_nUpCount = m_nDwnCount = 0;
    for (int nSection = VikaOrg; nSection <= VikaDwn; ++nSection)
        ReadSection(nSection);
    if (m_nOrgCount == 0)
        m_dwStatus |= StatusOrgEmpty;
    if (m_nUpCount == 0 || m_nDwnCount == 0)
        m_dwStatus |= StatusSectionEmpty;
}

void CVikaProtocolInfo::ReadSection(int nSection)
{
    std::vector<std::string> lines;
    if (!designtext::ReadLines(m_strFolder + m_strName + g_strVikaExtensions[nSection], lines)) {
        if (nSection == VikaOrg)
            m_dwStatus |= StatusOrgMissing;
        return;
    }
    if (nSection == VikaOrg) {
        int nCode = 0;
        CString strComment;
        if (lines.empty() || !CVikaProtocolFile::ReadArrayCodeLine(lines[0], nCode, strComment))
            nCode = 0;
        m_nArrayCode = nCode;
        CString strAddress, strGeometry;
        if (lines.size() > 1)
            CVikaProtocolFile::ReadNamesLine(lines[1], strAddress, strGeometry, strComment);
        m_strAddressFile = strAddress.MakeUpper();
        m_strGeometryFile = strGeometry.MakeUpper();
    }
    UINT nCommands = 0;
    for (size_t i = 2; i < lines.size(); ++i) {
        if (designtext::Trim(lines[i]).empty())
            continue;
        const int nChannels = CountChannelsInLine(lines[i].c_str(), m_nArrayCode);
        if (nChannels >= static_cast<int>(m_nChannels))
            m_nChannels = static_cast<UINT>(nChannels);
        ++nCommands;
    }
    UINT* pCounts[] = {&m_nOrgCount, &m_nUpCount, &m_nDwnCount};
    *pCounts[nSection] = nCommands;
}

int CVikaProtocolInfo::GetStatusIcon()
{
    if (m_dwStatus & StatusOrgMissing)
        return 1;
    if (m_dwStatus & StatusOrgEmpty)
        return 2;
    if (m_dwStatus & StatusSectionEmpty)
        return 3;
    return 0;
}

int CVikaProtocolInfo::GetItemCount()
{
    return static_cast<int>(m_nOrgCount);
}

CString CVikaProtocolInfo::GetFilePath(int nKind)
{
    if (nKind < VikaOrg || nKind > VikaXyz)
        return CString();
    const CString& strName = nKind <= VikaDwn   ? m_strName
                             : nKind == VikaAdr ? m_strAddressFile
                                                : m_strGeometryFile;
    if (strName.IsEmpty())
        return CString();
    return m_strFolder + strName + g_strVikaExtensions[nKind];
}

BOOL CVikaProtocolInfo::FileExists(int nKind)
{
    if (nKind < VikaOrg || nKind > VikaAdr)
        return FALSE;
    return PathExists(GetFilePath(nKind)) ? TRUE : FALSE;
}

int CVikaProtocolInfo::CountChannelsInLine(const CString& strLine, int nArrayCode)
{
    std::string text(strLine);
    std::vector<long> values;
    size_t nPos = 0;
    int nCount = 0;
    while (nPos < text.size()) {
        const size_t nStart = text.find_first_not_of(" ,\t\n", nPos);
        if (nStart == std::string::npos)
            break;
        size_t nEnd = text.find_first_of(" ,\t\n", nStart);
        if (nEnd == std::string::npos)
            nEnd = text.size();
        const std::string token = text.substr(nStart, nEnd - nStart);
        nPos = nEnd;
        const long nValue = std::strtol(token.c_str(), nullptr, 10);
        if (nValue == 0 && token[0] != '0')
            break;
        if (nValue > 0)
            ++nCount;
        values.push_back(nValue);
    }
    if (!values.empty() && values[0] > 0)
        --nCount;
    if (nArrayCode != 4 && values.size() > 1 && values[1] >= 1)
        --nCount;
    if (nCount < 0)
        nCount = 0;
    return nArrayCode == 4 ? nCount : nCount / 2;
}

BOOL CVikaProtocolInfo::GetColumnText(UINT nColumnId, CString& strText)
{
    switch (nColumnId) {
    case 2:
        strText.Format("%u", m_nOrgCount);
        return TRUE;
    case 3:
        strText.Format("%u", m_nUpCount);
        return TRUE;
    case 4:
        strText.Format("%u", m_nDwnCount);
        return TRUE;
    case 5:
        strText = m_strAddressFile;
        return TRUE;
    case 6:
        strText.Format("%u", m_nChannels);
        return TRUE;
    case 7:
        GetArrayName(strText);
        return TRUE;
    case 8:
        strText = m_strGeometryFile;
        return TRUE;
    default:
        return FALSE;
    }
}
