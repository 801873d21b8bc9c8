#include "instrument/GFCommException.h"

#include "CPP_ALL/GFErrors.h"

GFCommException::GFCommException(int code, SerialInterface*) : G7KException(code) {}

CString GFCommException::GetReportText() const
{
    return FormatError(g_gfErrorTable, m_code);
}

void GFCommException::Report()
{
    ReportError(g_gfErrorTable, m_code);
}
