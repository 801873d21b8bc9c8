#include "ScriptedPort.h"

#include <algorithm>
#include <cstring>

void ScriptedPort::GetQueueStatus(GFQueueStatus& status)
{
    status = GFQueueStatus();
    status.inCount = static_cast<int>(m_input.size());
}

int ScriptedPort::SetFlowControl(int in, int out)
{
    inFlow = in;
    outFlow = out;
    return 0;
}

int ScriptedPort::GetFlowControl(int& in, int& out)
{
    in = inFlow;
    out = outFlow;
    return 0;
}

int ScriptedPort::SetParameters(long baudRate, char, int, int)
{
    baud = baudRate;
    return 0;
}

void ScriptedPort::GetParameters(long& baudRate, char& parity, int& dataBits, int& stopBits)
{
    baudRate = baud;
    parity = 'N';
    dataBits = 8;
    stopBits = 1;
}

int ScriptedPort::GetStatusSnapshot(uint32_t& packed)
{
    packed = 0;
    return 0;
}

int ScriptedPort::WriteChar(int c)
{
    written += static_cast<char>(c);
    m_command += static_cast<char>(c);
    if (c == '!' || m_command == "?") {
        commands.push_back(m_command);
        m_command.clear();
        if (m_next < m_replies.size())
            m_input += m_replies[m_next++];
    }
    return 0;
}

int ScriptedPort::WriteString(const char* text)
{
    int n = static_cast<int>(std::strlen(text));
    for (int i = 0; i < n; ++i)
        WriteChar(static_cast<unsigned char>(text[i]));
    return n;
}

int ScriptedPort::WriteBuffer(const void* data, int n)
{
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    for (int i = 0; i < n; ++i)
        WriteChar(bytes[i]);
    return n;
}

int ScriptedPort::ReadChar()
{
    if (m_input.empty())
        return GF_TIMEOUT;
    int c = static_cast<unsigned char>(m_input[0]);
    m_input.erase(0, 1);
    return c;
}

int ScriptedPort::ReadBuffer(void* buffer, int n)
{
    int got = std::min(n, static_cast<int>(m_input.size()));
    std::memcpy(buffer, m_input.data(), static_cast<size_t>(got));
    m_input.erase(0, static_cast<size_t>(got));
    return got;
}

int ScriptedPort::Purge(int direction, int)
{
    if (direction == 0)
        m_input.clear();
    return 0;
}
