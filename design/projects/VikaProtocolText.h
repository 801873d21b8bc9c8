// One section file of a Vika protocol as its editor shows it: the array
// code, the address and geometry names, the command lines as numbered rows
// "%4d:\t<command>" and every comment of the file kept by line number.
#pragma once

#include "framework/Portable.h"

#include <map>
#include <vector>

constexpr const char* kNoGeometry = "<none>";

class CVikaProtocolText
{
public:
    // FALSE, with nothing changed, when the file cannot be read.
    BOOL Load(const CString& strPath);
    // Writes the edited section and brings lines 1 and 2 of the other
    // existing sections into line with it, all or none; FALSE when a file
    // could not be written (every file is then as it was).
    BOOL Save(const CString& strPath, const std::vector<CString>& otherSections) const;

    // The section's lines as Save writes them.
    std::vector<CString> FormatLines() const;
    // An existing section's lines with lines 1 and 2 made to match this one.
    std::vector<CString> RewriteHeader(std::vector<CString> lines) const;

    // The command text of a row: after its first ":\t", else the whole row.
    static CString RowCommand(const CString& strRow);
    static BOOL HasGeometry(const CString& strGeometry);

    int m_nArrayType = -1;
    CString m_strAddress;
    CString m_strGeometry = kNoGeometry;
    std::map<int, CString> m_comments;
    std::vector<CString> m_rows;

private:
    CString Comment(int nLine) const;
};
