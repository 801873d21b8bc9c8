// The protocol compiler's log as the program reads it: fixed header lines
// (banner, build, input file, output path), a body of message lines ended by
// the summary line ("... lines processed ...: errors, ...: warnings") and the
// result line after it. Parsing never fails: what does not match stays empty.
#pragma once

#include "framework/Portable.h"

#include <vector>

class CCompileLog
{
public:
    // Reads the file's lines; FALSE when it cannot be opened.
    BOOL Read(const CString& strPath);
    void Parse(const std::vector<CString>& lines);

    // The fields the viewer shows, empty when their line did not match.
    CString m_strCompiler;
    CString m_strBuild;
    CString m_strInputFile;
    CString m_strOutputPath; // upper case, as shown
    CString m_strLinesProcessed;
    CString m_strErrors;
    CString m_strWarnings;
    // The body lines numbered "%4u:   %s\r\n"; empty lines are not counted.
    CString m_strBody;
    BOOL m_bHasSummary = FALSE;
    // The line after the summary line, trimmed; empty when there is none.
    CString m_strResult;

    // "<result> - Log file: <path>", or "ERROR!" without a result line.
    CString Caption(const CString& strLogPath) const;
    // The compiled database's size in the output folder as the log wrote it
    // (its file name matched without regard to case), or "N/A".
    CString DatabaseSizeText(const CString& strDatabaseName) const;
    // The folder the database is looked up in: the output path as written,
    // cut before its last ".".
    CString DatabaseFolder() const;

    static CString FormatSize(ULONGLONG nBytes);
    static CString FormatBodyLine(UINT nNumber, const CString& strLine);

private:
    void ParseHeaderLine(int nLine, const CString& strLine);
    void ParseSummary(const CString& strLine);

    CString m_strOutputPathAsWritten;
};
