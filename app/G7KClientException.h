// An error reply of the instrument, reported as it came (code -1).
#pragma once

#include "framework/Framework.h"

#include "app/G7KException.h"

class G7KClientException : public G7KException {
public:
    explicit G7KClientException(const char* reply) : G7KException(-1), m_reply(reply) {}
    G7KClientException(const G7KClientException& other) = default;

    void Report() override;
    // "GVX7000/GVX2000 Error!\n\nCode: <reply>" without the reply's closing
    // character (the instrument's "!").
    CString GetReportText() const override;
    const CString& GetReply() const { return m_reply; }

private:
    CString m_reply;
};
