#include "framework/Portable.h"
#include "design/projects/ItemRows.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::vector<CString> SplitAt(const CString& strText, LPCTSTR pszSeparators)
{
    std::vector<CString> pieces;
    CString strPiece;
    for (int i = 0; i < strText.GetLength(); ++i) {
        const char ch = strText[i];
        if (std::strchr(pszSeparators, ch)) {
            pieces.push_back(strPiece);
            strPiece.Empty();
        } else {
            strPiece += ch;
        }
    }
    pieces.push_back(strPiece);
    return pieces;
}

int ToInt(const CString& str)
{
    return std::atoi(str);
}

// The number before the first ":" of a row.
int LineNumber(const CString& strRow)
{
    const int nColon = strRow.Find(':');
    return nColon < 0 ? 0 : ToInt(strRow.Left(nColon));
}

} // namespace

CString FormatMembers(const std::vector<int>& values)
{
    CString strText;
    for (size_t i = 0; i < values.size(); ++i)
        strText.AppendFormat(i ? ",%d" : "%d", values[i]);
    return strText;
}

void ParseMembers(const CString& strText, std::vector<int>& values)
{
    const std::vector<CString> pieces = SplitAt(strText, ",");
    for (size_t i = 0; i < values.size() && i < pieces.size(); ++i) {
        CString strPiece(pieces[i]);
        if (!strPiece.Trim().IsEmpty())
            values[i] = ToInt(strPiece);
    }
}

BOOL AdrItemRow::Parse(const CString& strRow)
{
    if (strRow.IsEmpty())
        return FALSE;
    // The comment is everything after the takeout, dashes and all.
    std::vector<CString> pieces;
    int nStart = 0;
    for (int i = 0; i <= strRow.GetLength() && pieces.size() < 4; ++i) {
        if (i == strRow.GetLength() || strRow[i] == '\t' || strRow[i] == '-') {
            pieces.push_back(strRow.Mid(nStart, i - nStart));
            nStart = i + 1;
        }
    }
    pieces.resize(4);
    nElectrode = ToInt(pieces[0]);
    nAddress = ToInt(pieces[1]);
    nCable = ToInt(pieces[2]);
    nTakeout = ToInt(pieces[3]);
    strComment = nStart < strRow.GetLength() ? strRow.Mid(nStart) : CString();
    return TRUE;
}

CString AdrItemRow::Format() const
{
    CString strRow;
    strRow.Format("%d\t%d\t%d-%d", nElectrode, nAddress, nCable, nTakeout);
    if (!strComment.IsEmpty())
        strRow += "\t" + strComment;
    return strRow;
}

BOOL VikaCommandRow::Parse(const CString& strRow)
{
    if (strRow.IsEmpty())
        return FALSE;
    nLine = LineNumber(strRow);
    const int nColon = strRow.Find(':');
    const std::vector<CString> pieces = SplitAt(nColon < 0 ? strRow : strRow.Mid(nColon + 1), "\t ,");
    nValues = 0;
    for (const CString& strPiece : pieces) {
        if (strPiece.IsEmpty() || nValues == MaxValues)
            continue;
        values[nValues++] = ToInt(strPiece);
    }
    return TRUE;
}

CString VikaCommandRow::Format() const
{
    CString strRow;
    strRow.Format("%4d:", nLine);
    for (int i = 0; i < nValues; ++i)
        strRow.AppendFormat("\t%d", values[i]);
    return strRow;
}

int VikaCommandRow::ValuesForChannels(int nChannels)
{
    if (nChannels < 1)
        nChannels = 1;
    if (nChannels > 4)
        nChannels = 4;
    return 2 + 2 * nChannels;
}

LPCTSTR PolyvectCommandRow::CommandText(int nCommand)
{
    static const char* const kTexts[CommandCount] = {"", "Switch Cable 1", "Reset Cable 1", "Switch Cable 2",
                                                     "Reset Cable 2"};
    return nCommand >= 0 && nCommand < CommandCount ? kTexts[nCommand] : "";
}

BOOL PolyvectCommandRow::Parse(const CString& strRow)
{
    if (strRow.IsEmpty())
        return FALSE;
    nLine = LineNumber(strRow);
    const int nColon = strRow.Find(':');
    const CString strText = nColon < 0 ? strRow : strRow.Mid(nColon + 1);
    const bool bSwitch = strText.Find("Switch") >= 0;
    if (bSwitch || strText.Find("Reset") >= 0) {
        const bool bCable2 = strText.Find('2') >= 0;
        nCommand = bSwitch ? (bCable2 ? SwitchCable2 : SwitchCable1) : (bCable2 ? ResetCable2 : ResetCable1);
        return TRUE;
    }
    nCommand = Measure;
    int n = 0;
    for (const CString& strPiece : SplitAt(strText, "\t ")) {
        if (!strPiece.IsEmpty() && n < 4)
            electrodes[n++] = ToInt(strPiece);
    }
    return TRUE;
}

CString PolyvectCommandRow::Format() const
{
    CString strRow;
    strRow.Format("%4d:", nLine);
    if (nCommand != Measure) {
        strRow += "\t";
        strRow += CommandText(nCommand);
        return strRow;
    }
    for (int nElectrode : electrodes)
        strRow.AppendFormat("\t%d", nElectrode);
    return strRow;
}
