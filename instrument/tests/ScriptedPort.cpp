#include "ScriptedPort.h"

#include <algorithm>
#include <cstring>

int ScriptedPort::RawWrite(const uint8_t* data, int n)
{
    for (int i = 0; i < n; ++i)
        Take(static_cast<char>(data[i]));
    return n;
}

void ScriptedPort::Take(char c)
{
    written += c;
    m_command += c;
    if (c != '!' && m_command != "?")
        return;
    commands.push_back(m_command);
    m_command.clear();
    if (m_next < m_replies.size())
        m_input += m_replies[m_next++];
}

int ScriptedPort::RawRead(uint8_t* data, int n)
{
    int got = std::min(n, static_cast<int>(m_input.size()));
    std::memcpy(data, m_input.data(), static_cast<size_t>(got));
    m_input.erase(0, static_cast<size_t>(got));
    return got;
}
