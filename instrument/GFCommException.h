// A failure of the serial library (a negative library code) carried into
// the program's exception family.
#pragma once

#include "framework/Portable.h"

#include "app/G7KException.h"

class SerialInterface;

class GFCommException : public G7KException {
public:
    // The connection is accepted for the callers' sake and not kept.
    explicit GFCommException(int code, SerialInterface* connection = nullptr);
    GFCommException(const GFCommException& other) = default;

    // "(Error %d)\n\n%s.\n" with the serial library's text of the code.
    void Report() override;
    CString GetReportText() const override;
};
