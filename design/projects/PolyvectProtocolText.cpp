#include "framework/Portable.h"
#include "design/projects/PolyvectProtocolText.h"
#include "design/TextLines.h"

#include <cctype>
#include <string>

CString NormaliseCommandBlanks(const CString& strText)
{
    CString strOut;
    bool bNumeric = true;
    bool bLastWasTab = false;
    for (int i = 0; i < strText.GetLength(); ++i) {
        const char ch = strText[i];
        const unsigned char uch = static_cast<unsigned char>(ch);
        if (bNumeric && (std::isalpha(uch) || std::ispunct(uch)))
            bNumeric = false;
        if (bNumeric && (ch == ' ' || ch == '\t')) {
            if (!bLastWasTab)
                strOut += '\t';
            bLastWasTab = true;
            continue;
        }
        bLastWasTab = false;
        strOut += ch == '\t' ? ' ' : ch;
    }
    return strOut;
}

BOOL CPolyvectProtocolText::LoadRows(const CString& strPath, std::vector<CString>& rows)
{
    rows.clear();
    std::vector<std::string> lines;
    if (!designtext::ReadLines(strPath, lines))
        return FALSE;
    for (size_t i = 2; i < lines.size(); ++i) {
        CString strLine(lines[i].c_str());
        strLine.TrimLeft(" \t");
        const CString strText = NormaliseCommandBlanks(strLine);
        if (strText.IsEmpty())
            continue;
        CString strRow;
        strRow.Format("%4d:\t%s", static_cast<int>(i + 1), static_cast<LPCTSTR>(strText));
        rows.push_back(strRow);
    }
    return TRUE;
}

CString CPolyvectProtocolText::RowCommand(const CString& strRow)
{
    const int nColon = strRow.Find(':');
    CString strCommand = nColon < 0 ? strRow : strRow.Mid(nColon + 1);
    return strCommand.Trim();
}

BOOL CPolyvectProtocolText::Save(const CString& strPath, int nArrayCode, const CString& strGeometry,
                                 const std::vector<CString>& rows)
{
    std::vector<std::string> lines;
    lines.push_back(std::to_string(nArrayCode));
    lines.push_back(strGeometry.str());
    for (const CString& strRow : rows) {
        const CString strCommand = RowCommand(strRow);
        if (!strCommand.IsEmpty())
            lines.push_back(strCommand.str());
    }
    return designtext::WriteLines(strPath, lines) ? TRUE : FALSE;
}
