// Starting a program and waiting for its exit status, behind an interface
// so that tests can put a fake one in.
#pragma once

#include "framework/String.h"
#include "framework/Types.h"

#include <functional>
#include <vector>

// Runs one command line and waits for the program to end.
class CProcessRunner
{
public:
    static constexpr int NOT_STARTED = -1;
    virtual ~CProcessRunner() = default;
    // The program's exit status, or NOT_STARTED.
    virtual int Run(const CString& strCommandLine) = 0;
    // The same, calling onWait now and then while the program runs (a
    // runner that cannot watch just runs it).
    virtual int RunWatching(const CString& strCommandLine, const std::function<void()>& onWait)
    {
        return Run(strCommandLine);
    }
};

// The system's runner: starts the program itself (no command interpreter),
// with the command line exactly as given.
CProcessRunner& GetSystemProcessRunner();

// The arguments of a Win32 command line, split as the C runtime of the
// started program splits them: white space separates, quotes group, and
// backslashes are literal except before a quote.
std::vector<CString> SplitCommandLine(const CString& strCommandLine);
