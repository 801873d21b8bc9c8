#include "framework/Portable.h"
#include "design/projects/VikaProtocolText.h"
#include "design/projects/PolyvectProtocolText.h"
#include "design/TextLines.h"
#include "design/VikaProtocolFile.h"

#include <string>

namespace {

std::vector<CString> ToStrings(const std::vector<std::string>& lines)
{
    std::vector<CString> strings;
    for (const std::string& line : lines)
        strings.emplace_back(line.c_str());
    return strings;
}

std::vector<std::string> ToLines(const std::vector<CString>& strings)
{
    std::vector<std::string> lines;
    for (const CString& str : strings)
        lines.push_back(str.str());
    return lines;
}

bool EndsInBlank(const CString& str)
{
    return !str.IsEmpty() && (str[str.GetLength() - 1] == ' ' || str[str.GetLength() - 1] == '\t');
}

CString DropLeadingBlanks(CString str)
{
    return str.TrimLeft(" \t");
}

// The text after ".XYZ" (any case) and the one separator after it, or the
// whole text when it names no geometry.
CString AfterGeometry(const CString& strText)
{
    CString strUpper(strText);
    strUpper.MakeUpper();
    const int nXyz = strUpper.Find(".XYZ");
    if (nXyz < 0)
        return strText;
    return strText.Mid(nXyz + 4 + (nXyz + 4 < strText.GetLength() ? 1 : 0));
}

} // namespace

BOOL CVikaProtocolText::HasGeometry(const CString& strGeometry)
{
    return !strGeometry.IsEmpty() && strGeometry.Find(kNoGeometry) < 0;
}

CString CVikaProtocolText::RowCommand(const CString& strRow)
{
    const int nSplit = strRow.Find(":\t");
    return nSplit < 0 ? strRow : strRow.Mid(nSplit + 2);
}

CString CVikaProtocolText::Comment(int nLine) const
{
    const auto it = m_comments.find(nLine);
    return it == m_comments.end() ? CString() : it->second;
}

BOOL CVikaProtocolText::Load(const CString& strPath)
{
    std::vector<std::string> lines;
    if (!designtext::ReadLines(strPath, lines))
        return FALSE;
    *this = CVikaProtocolText();
    CString strComment;
    if (!lines.empty()) {
        int nCode = 0;
        if (!CVikaProtocolFile::ReadArrayCodeLine(lines[0], nCode, strComment))
            nCode = 0;
        m_nArrayType = nCode;
        if (!strComment.IsEmpty())
            m_comments[1] = strComment;
    }
    if (lines.size() > 1) {
        CString strGeometry;
        CVikaProtocolFile::ReadNamesLine(lines[1], m_strAddress, strGeometry, strComment);
        if (!strGeometry.IsEmpty())
            m_strGeometry = strGeometry;
        if (!strComment.IsEmpty())
            m_comments[2] = strComment;
    }
    for (size_t i = 2; i < lines.size(); ++i) {
        const int nLine = static_cast<int>(i + 1);
        CString strLine = DropLeadingBlanks(lines[i].c_str());
        // Tabs and commas separate the values as blanks do.
        const int nComment = CVikaProtocolFile::FindCommentStart(strLine);
        if (nComment >= 0) {
            m_comments[nLine] = strLine.Mid(nComment);
            strLine = strLine.Left(nComment);
        }
        const CString strText = NormaliseCommandBlanks(strLine);
        if (strText.IsEmpty())
            continue;
        CString strRow;
        strRow.Format("%4d:\t%s", nLine - 2, static_cast<LPCTSTR>(strText));
        m_rows.push_back(strRow);
    }
    return TRUE;
}

std::vector<CString> CVikaProtocolText::FormatLines() const
{
    std::vector<CString> lines;
    CString strLine;
    strLine.Format("%d\t%s", m_nArrayType, static_cast<LPCTSTR>(Comment(1)));
    lines.push_back(strLine);
    if (HasGeometry(m_strGeometry))
        strLine.Format("%s\t%s.XYZ\t%s", static_cast<LPCTSTR>(m_strAddress),
                       static_cast<LPCTSTR>(m_strGeometry), static_cast<LPCTSTR>(Comment(2)));
    else
        strLine.Format("%s\t%s", static_cast<LPCTSTR>(m_strAddress), static_cast<LPCTSTR>(Comment(2)));
    lines.push_back(strLine);
    for (const CString& strRow : m_rows) {
        if (strRow.IsEmpty())
            continue;
        strLine = RowCommand(strRow);
        const CString strComment = Comment(static_cast<int>(lines.size()) + 1);
        // A blank that already ends the command separates the comment: one
        // more would make every save of the file add one.
        if (!strComment.IsEmpty() && !EndsInBlank(strLine))
            strLine += "\t";
        strLine += strComment;
        lines.push_back(strLine);
    }
    return lines;
}

std::vector<CString> CVikaProtocolText::RewriteHeader(std::vector<CString> lines) const
{
    for (CString& strLine : lines)
        strLine = DropLeadingBlanks(strLine);
    while (lines.size() < 2)
        lines.emplace_back();

    CString& strFirst = lines[0];
    const int nFirstSplit = strFirst.FindOneOf(" \t");
    CString strCode;
    strCode.Format("%d", m_nArrayType);
    strFirst = nFirstSplit < 0 ? strCode : strCode + strFirst.Mid(nFirstSplit);

    CString& strSecond = lines[1];
    const int nSecondSplit = strSecond.FindOneOf(" \t");
    const CString strRest = nSecondSplit < 0 ? CString() : AfterGeometry(strSecond.Mid(nSecondSplit + 1));
    if (!HasGeometry(m_strGeometry))
        strSecond = nSecondSplit < 0 ? m_strAddress : m_strAddress + "\t" + strRest;
    else
        strSecond = m_strAddress + "\t" + m_strGeometry + ".XYZ\t" + strRest;
    return lines;
}

BOOL CVikaProtocolText::Save(const CString& strPath, const std::vector<CString>& otherSections) const
{
    std::vector<designtext::LineFile> files;
    files.push_back({strPath.str(), ToLines(FormatLines())});
    for (const CString& strOther : otherSections) {
        std::vector<std::string> lines;
        // A section that is missing is not created; one that cannot be
        // read is not emptied.
        if (strOther.CompareNoCase(strPath) == 0 || !designtext::ReadLines(strOther, lines))
            continue;
        files.push_back({strOther.str(), ToLines(RewriteHeader(ToStrings(lines)))});
    }
    return designtext::WriteLineFiles(files) ? TRUE : FALSE;
}
