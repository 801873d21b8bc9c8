// The window an instrument operation runs in (the transfer-status window,
// or the removal window), as the operation's steps see it. The tests record
// it instead.
#pragma once

#include "framework/Portable.h"

class G7KException;
class GFMonitor;

class IOperationWindow {
public:
    virtual ~IOperationWindow() = default;
    virtual void Log(const char* text) = 0;
    // FALSE: idle (placeholders); TRUE: a transfer is under way.
    virtual void EnableFields(BOOL enable) = 0;
    virtual void AppendTitle(const char* text) = 0;
    // The transfer's progress monitor, which also says whether the user aborted.
    virtual GFMonitor* Monitor() = 0;
    virtual BOOL IsAborted() = 0;
    // Shows the stop-icon message of a step that is skipped.
    virtual void ShowError(const char* text) = 0;
    // Reports a failure that ends the operation.
    virtual void Report(G7KException& e) = 0;
    // The run is over and succeeded: "&Ok", then wait for the user.
    virtual void Finish() = 0;
    // The run failed: the log stays readable until the user closes it.
    virtual void KeepOpen() = 0;
};
