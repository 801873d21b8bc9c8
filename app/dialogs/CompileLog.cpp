#include "framework/Portable.h"
#include "app/dialogs/CompileLog.h"
#include "framework/OsFile.h"

namespace {

const char kSummaryMarker[] = "lines processed";

// The text after the first ":" with leading blanks removed, when that ":"
// is not the line's first character; empty otherwise.
CString AfterFirstColon(const CString& strLine)
{
    const int nColon = strLine.Find(':');
    if (nColon <= 0)
        return CString();
    CString strValue = strLine.Mid(nColon + 1);
    strValue.TrimLeft();
    return strValue;
}

} // namespace

BOOL CCompileLog::Read(const CString& strPath)
{
    CStdioFile file;
    if (!file.Open(strPath, CFile::modeRead | CFile::shareDenyNone | CFile::typeText))
        return FALSE;
    std::vector<CString> lines;
    try {
        CString strLine;
        while (file.ReadString(strLine))
            lines.push_back(strLine);
    } catch (CFileException* e) {
        e->Delete();
    }
    Parse(lines);
    return TRUE;
}

void CCompileLog::Parse(const std::vector<CString>& lines)
{
    *this = CCompileLog();
    const int nCount = static_cast<int>(lines.size());
    int nLine = 0;
    for (; nLine < nCount && nLine < 8; ++nLine)
        ParseHeaderLine(nLine + 1, lines[nLine]);
    UINT nNumber = 0;
    for (; nLine < nCount; ++nLine) {
        const CString& strLine = lines[nLine];
        if (strLine.Find(kSummaryMarker) >= 0) {
            ParseSummary(strLine);
            ++nLine;
            break;
        }
        if (!strLine.IsEmpty())
            m_strBody += FormatBodyLine(++nNumber, strLine);
    }
    if (m_bHasSummary && nLine < nCount) {
        m_strResult = lines[nLine];
        m_strResult.Trim();
    }
}

void CCompileLog::ParseHeaderLine(int nLine, const CString& strLine)
{
    switch (nLine) {
    case 3: {
        const int nCopyright = strLine.Find(". Copyright");
        if (nCopyright > 0)
            m_strCompiler = strLine.Left(nCopyright);
        break;
    }
    case 4:
        m_strBuild = AfterFirstColon(strLine);
        break;
    case 7:
        m_strInputFile = AfterFirstColon(strLine);
        m_strInputFile.MakeUpper();
        break;
    case 8:
        m_strOutputPathAsWritten = AfterFirstColon(strLine);
        m_strOutputPath = m_strOutputPathAsWritten;
        m_strOutputPath.MakeUpper();
        break;
    default:
        break;
    }
}

void CCompileLog::ParseSummary(const CString& strLine)
{
    m_bHasSummary = TRUE;
    const int nLines = strLine.Find(" lines");
    if (nLines > 0) {
        m_strLinesProcessed = strLine.Left(nLines);
        m_strLinesProcessed.Trim();
    }
    const int nColon = strLine.Find(':');
    const int nComma = strLine.Find(',');
    if (nColon > 0 && nComma > nColon) {
        m_strErrors = strLine.Mid(nColon + 1, nComma - nColon - 1);
        m_strErrors.TrimLeft();
    }
    const int nLastColon = strLine.ReverseFind(':');
    if (nLastColon > 0) {
        m_strWarnings = strLine.Mid(nLastColon + 1);
        m_strWarnings.TrimLeft();
    }
}

CString CCompileLog::Caption(const CString& strLogPath) const
{
    if (m_strResult.IsEmpty())
        return "ERROR!";
    return m_strResult + " - Log file: " + strLogPath;
}

CString CCompileLog::DatabaseFolder() const
{
    const int nDot = m_strOutputPathAsWritten.ReverseFind('.');
    return nDot >= 0 ? m_strOutputPathAsWritten.Left(nDot) : m_strOutputPathAsWritten;
}

CString CCompileLog::DatabaseSizeText(const CString& strDatabaseName) const
{
    std::vector<OsFile::FindData> entries;
    OsFile::Error error;
    const CString strPattern = DatabaseFolder() + strDatabaseName;
    if (strDatabaseName.IsEmpty() || strDatabaseName.FindOneOf("*?") >= 0
        || !OsFile::FindFiles(strPattern, entries, error))
        return "N/A";
    for (const OsFile::FindData& entry : entries) {
        if ((entry.dwAttributes & CFile::directory) == 0)
            return FormatSize(entry.nSize);
    }
    return "N/A";
}

CString CCompileLog::FormatSize(ULONGLONG nBytes)
{
    CString strSize;
    strSize.Format("%.1f kilobytes", static_cast<double>(nBytes) / 1024.0);
    return strSize;
}

CString CCompileLog::FormatBodyLine(UINT nNumber, const CString& strLine)
{
    CString strNumbered;
    strNumbered.Format("%4u:   %s\r\n", nNumber, static_cast<LPCTSTR>(strLine));
    return strNumbered;
}
