#include "app/G7KClientException.h"

CString G7KClientException::GetReportText() const
{
    CString text;
    text.Format("GVX7000/GVX2000 Error!\n\nCode: %s\n", (LPCTSTR)m_reply);
    // Drops the line break and the reply's last character.
    if (!text.IsEmpty())
        text = text.Left(text.GetLength() - 2);
    return text;
}

void G7KClientException::Report()
{
    ShowStopBox(GetReportText());
}
