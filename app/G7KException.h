// The program's own failures: an integer code whose text comes from a table
// of {code, text} pairs; the exception reports itself in a stop-icon box.
// Thrown by value, caught by reference.
#pragma once

#include "framework/Framework.h"
#include "framework/String.h"

#include "CPP_ALL/GFErrors.h"

// One row of a code table; a table ends with the row whose text is null.
using G7KCodeText = GFErrorEntry;

class G7KException {
public:
    explicit G7KException(int code) : m_code(code) {}
    G7KException(const G7KException& other) = default;
    virtual ~G7KException() = default;

    // Shows "(Error %d)\n\n%s.\n" for `code` with its text from `table`.
    virtual void ReportError(const G7KCodeText* table, int code);
    virtual void Report();
    virtual int GetErrorCode() const { return m_code; }

    // The text of the first row with `code`, or "*** Unknown error message ***".
    static const char* LookupMessage(const G7KCodeText* table, int code);
    static CString FormatError(const G7KCodeText* table, int code);
    // What Report shows.
    virtual CString GetReportText() const;

    static const G7KCodeText s_codeTable[];

protected:
    // The framework's message box with the stop icon (Windows only; the
    // native build has no boxes and shows nothing).
    static void ShowStopBox(const CString& text);

    int m_code;
};
