#include "app/G7KException.h"

#ifdef _WIN32
#include "framework/WinApp.h"
#endif

const G7KCodeText G7KException::s_codeTable[] = {
    {1001, "Could not recognize response as a Geovolt GVX7000/GVX2000"},
    {1002, "Geovolt GVX7000/GVX2000 Invalid Command"},
    {1003, "Can not handle array code"},
    {-32768, nullptr},
};

const char* G7KException::LookupMessage(const G7KCodeText* table, int code)
{
    // The end row is known by its missing text, not by its code.
    for (const G7KCodeText* row = table; row->text; ++row)
        if (row->code == code)
            return row->text;
    return "*** Unknown error message ***";
}

CString G7KException::FormatError(const G7KCodeText* table, int code)
{
    CString text;
    text.Format("(Error %d)\n\n%s.\n", code, LookupMessage(table, code));
    return text;
}

CString G7KException::GetReportText() const
{
    return FormatError(s_codeTable, m_code);
}

void G7KException::ReportError(const G7KCodeText* table, int code)
{
    ShowStopBox(FormatError(table, code));
}

void G7KException::Report()
{
    ReportError(s_codeTable, m_code);
}

void G7KException::ShowStopBox(const CString& text)
{
#ifdef _WIN32
    AfxMessageBox(text, MB_ICONSTOP | MB_OK);
#else
    (void)text;
#endif
}
