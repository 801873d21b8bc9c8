// The text of a Polyvect protocol file (".PV") as its editor shows it:
// line 1 the array code, line 2 the geometry file name, then one command
// per line, shown as numbered rows "%4d:\t<command>".
#pragma once

#include "framework/Portable.h"

#include <vector>

constexpr const char* kPolyvectExtension = ".PV";

// Blanks of a command line made uniform: in the leading numeric part each
// run of blanks and tabs becomes one tab; from the first letter or
// punctuation mark on, tabs become blanks.
CString NormaliseCommandBlanks(const CString& strText);

class CPolyvectProtocolText
{
public:
    // The command rows of the file, numbered by file line; FALSE (no rows)
    // when the file cannot be read.
    static BOOL LoadRows(const CString& strPath, std::vector<CString>& rows);
    // Writes the file; FALSE (the old file kept) when it cannot be written.
    static BOOL Save(const CString& strPath, int nArrayCode, const CString& strGeometry,
                     const std::vector<CString>& rows);
    // The command of a row: the text after its first ":", trimmed.
    static CString RowCommand(const CString& strRow);
};
