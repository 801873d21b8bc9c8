// A serial port that plays the instrument from a script: each complete
// command the client writes (text up to "!", or the lone probe "?") is
// answered with the next scripted reply.
#pragma once

#include "CPP_ALL/GFComLink.h"

#include <string>
#include <vector>

class ScriptedPort : public GFComLink {
public:
    explicit ScriptedPort(std::vector<std::string> replies, int index = 0)
        : GFComLink(index), m_replies(std::move(replies)) {}

    // Everything the client wrote, and the commands it completed.
    std::string written;
    std::vector<std::string> commands;
    long baud = 19200;
    int inFlow = 0, outFlow = 0;

    int IdleHook() override { return 0; }
    int GetModemStatus() override { return 0; }
    int Open(int) override { return 0; }
    int CreatePort() override { return 0; }
    int Close() override { return 0; }
    void GetQueueStatus(GFQueueStatus& status) override;
    int SetBufferSizes(int, int, int) override { return 0; }
    int SetFlowControl(int in, int out) override;
    int GetFlowControl(int& in, int& out) override;
    int SetBreak(int state) override { return state < 0 ? 0 : state; }
    int SetLine(int, int) override { return 0; }
    int SetParameters(long baudRate, char, int, int) override;
    void GetParameters(long& baudRate, char& parity, int& dataBits, int& stopBits) override;
    int GetStatusSnapshot(uint32_t& packed) override;
    int WriteChar(int c) override;
    int WriteString(const char* text) override;
    int WriteBuffer(const void* data, int n) override;
    int TransmitChar(int c) override { return WriteChar(c); }
    int ReadChar() override;
    int ReadBuffer(void* buffer, int n) override;
    int Purge(int direction, int count) override;
    void DumpSettings(GFLineWriter) override {}
    void WaitReady(int, int) override {}

    void FailOpen(int code) { SetError(code); }

private:
    std::vector<std::string> m_replies;
    size_t m_next = 0;
    std::string m_command;
    std::string m_input;
};
