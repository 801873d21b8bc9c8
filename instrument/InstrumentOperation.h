// The frame every logged instrument operation shares: it connects (serial
// number and client version into the log and title), runs its steps, and on
// success shows its closing text and waits for the user; the first failure
// is reported, its log kept open until the user closes it, and its code
// returned. The steps run over a command client
// that is already connected, into a window behind IOperationWindow, so they
// are the same on screen and in the tests.
#pragma once

#include "framework/Portable.h"
#include "instrument/OperationWindow.h"

#include <string>

class Command;
class G7KException;

class InstrumentOperation {
public:
    InstrumentOperation(Command& command, IOperationWindow& window) : m_command(command), m_window(window) {}
    virtual ~InstrumentOperation() = default;
    InstrumentOperation(const InstrumentOperation&) = delete;
    InstrumentOperation& operator=(const InstrumentOperation&) = delete;

    // 0, or the code of the failure that ended the run.
    int Run();

protected:
    // The operation's own steps; they throw on a failure that ends the run.
    virtual void Steps() = 0;
    // The closing line of a successful run.
    virtual const char* SuccessText() const = 0;
    // "TRUE" to wait for "&Ok" after success; the removal window reports aborts instead.
    virtual BOOL FinishedNormally() { return TRUE; }

    void Connect(BOOL idleFields = TRUE);
    void Log(const char* format, ...);
    void LogFailure(const G7KException& e);

    Command& m_command;
    IOperationWindow& m_window;
};

// folder + "\" (unless it ends in a separator) + name.
std::string JoinInstrumentPath(const std::string& folder, const std::string& name);
// The ZMODEM file name for exactly this path: quoted, so blanks,
// commas and semicolons stay part of it.
std::string SingleFileSpec(const std::string& path);
