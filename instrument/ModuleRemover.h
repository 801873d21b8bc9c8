// Removes the chosen modules of the removal table, one deletion command
// each, while the user has not pressed Abort. Every wait is bounded and
// can be aborted; an aborted run says so instead of claiming success.
#pragma once

#include "instrument/InstrumentOperation.h"

class ModuleRemover : public InstrumentOperation {
public:
    ModuleRemover(Command& command, IOperationWindow& window, int mask)
        : InstrumentOperation(command, window), m_mask(mask) {}

protected:
    void Steps() override;
    const char* SuccessText() const override { return "\r\n\r\n --- Remove modules completed successfully! ---\r\n"; }
    BOOL FinishedNormally() override;

private:
    int m_mask;
};
