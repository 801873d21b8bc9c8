// A serial port that plays the instrument from a script: each complete
// command the client writes (text up to "!", or the lone probe "?") is
// answered with the next scripted reply.
#pragma once

#include "CPP_ALL/tests/TestPorts.h"

#include <string>
#include <vector>

class ScriptedPort : public TestPort {
public:
    explicit ScriptedPort(std::vector<std::string> replies, int index = 0)
        : TestPort(index), m_replies(std::move(replies)) {}

    // Everything the client wrote, and the commands it completed.
    std::string written;
    std::vector<std::string> commands;

    void WaitReady(int, int) override {}
    void FailOpen(int code) { SetError(code); }

protected:
    int RawWrite(const uint8_t* data, int n) override;
    int RawRead(uint8_t* data, int n) override;
    int RawAvailable() override { return static_cast<int>(m_input.size()); }
    void RawClearInput() override { m_input.clear(); }

private:
    void Take(char c);

    std::vector<std::string> m_replies;
    size_t m_next = 0;
    std::string m_command;
    std::string m_input;
};
