#include "instrument/InstrumentOperation.h"

#include "CPP_ALL/GFErrors.h"
#include "app/G7KException.h"
#include "instrument/Command.h"

#include <cstdarg>
#include <cstdio>
#include <string>

int InstrumentOperation::Run()
{
    try {
        Steps();
    } catch (G7KException& e) {
        m_window.Report(e);
        LogFailure(e);
        m_window.KeepOpen();
        return e.GetErrorCode();
    }
    if (!FinishedNormally())
        return GF_USER_ABORT;
    Log("%s", SuccessText());
    m_window.Finish();
    return 0;
}

void InstrumentOperation::Connect(BOOL idleFields)
{
    if (idleFields)
        m_window.EnableFields(FALSE);
    Log("Connecting to GVX7000/GVX2000...");
    const long serial = m_command.Gid();
    // Anything but a serial number means something else is on the line.
    if (serial < 0)
        throw G7KException(1001);
    Log(" Ok!\r\nSerial number: %07ld", serial);
    char title[64];
    std::snprintf(title, sizeof title, " (S/N: %07ld)", serial);
    m_window.AppendTitle(title);
    CString version;
    m_command.Ver(version);
    Log("\r\nClient: %s", static_cast<const char*>(version));
}

void InstrumentOperation::LogFailure(const G7KException& e)
{
    // The report's text on one line, so the kept log says how the run ended.
    const CString report = e.GetReportText();
    std::string text;
    for (const char* c = report; *c; ++c) {
        if (*c != '\n')
            text += *c;
        else if (!text.empty() && text.back() != ' ')
            text += ' ';
    }
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    Log("\r\n\r\n --- %s ---\r\n", text.c_str());
}

void InstrumentOperation::Log(const char* format, ...)
{
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    m_window.Log(text);
}

std::string JoinInstrumentPath(const std::string& folder, const std::string& name)
{
    if (folder.empty() || folder.back() == '\\' || folder.back() == '/')
        return folder + name;
    return folder + "\\" + name;
}

std::string SingleFileSpec(const std::string& path)
{
    return "\"" + path + "\"";
}
