// Where a short instrument operation writes its progress lines: a status
// window on screen, a record in the tests.
#pragma once

class IStatusLog {
public:
    virtual ~IStatusLog() = default;
    virtual void AppendText(const char* text) = 0;
};
