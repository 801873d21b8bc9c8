#include "instrument/Command.h"

#include "CPP_ALL/GFComStream.h"
#include "CPP_ALL/GFErrors.h"
#include "CPP_ALL/GFMonitor.h"
#include "CPP_ALL/GFPlatform.h"
#include "app/G7KClientException.h"
#include "app/G7KException.h"
#include "instrument/GFCommException.h"
#include "instrument/MessagePump.h"
#include "instrument/SerialInterface.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// How long the rest of an unexpected reply may take to arrive.
constexpr int kRestOfReplyTimeout = 1000;
constexpr int kByteTimeout = 2000;
constexpr int kFixedReplyTimeout = 3000;

} // namespace

Command::Command(BOOL probe) : m_share(SerialInterface::Acquire()), m_pLink(m_share.GetStream())
{
    if (!m_pLink)
        throw GFCommException(GF_OPEN_FAILED);
    m_probeReply = 0;
    GFSleep(100);
    if (probe)
        Probe();
}

Command::~Command() = default;

void Command::Probe()
{
    m_pLink->Purge(0);
    m_pLink->WriteChar('?');
    int c = m_pLink->ReadChar(kByteTimeout);
    if (c >= 0) {
        if (!IsValidProbeReply(c))
            throw G7KException(1001);
        m_probeReply = static_cast<unsigned char>(c);
    } else if (c != GF_TIMEOUT) {
        throw GFCommException(c);
    }
    m_pLink->Purge(0);
}

void Command::Send(const char* text, int timeout)
{
    m_pLink->Purge(0);
    int length = static_cast<int>(std::strlen(text));
    if (m_pLink->WriteString(text, '!') < length + 1)
        throw GFCommException(GF_GENERAL);
    int c = m_pLink->ReadChar(timeout);
    if (c < 0)
        throw GFCommException(c == GF_TIMEOUT ? GF_TIMEOUT : c);
    if (c == '#')
        return;
    // Not an acknowledgement: it may be the start of an error reply.
    m_reply[0] = static_cast<char>(c);
    m_reply[1] = '\0';
    if (c != '!')
        ReadRestOfReply(1);
    CheckReply(m_reply);
}

void Command::ReadRestOfReply(int count)
{
    int n = m_pLink->ReadLine(m_reply + count, kReplySize - 1 - count, '!', kRestOfReplyTimeout);
    m_reply[count + (n > 0 ? n : 0)] = '\0';
}

BOOL Command::ReadUntil(int endChar, GFMonitor* progress)
{
    std::string text;
    bool error = false;
    const uint32_t start = GFTickCount();
    uint32_t lastByte = start;
    for (;;) {
        int c = m_pLink->ReadChar(100);
        if (c == endChar)
            break;
        PumpMessages(TRUE);
        if (c >= 0) {
            lastByte = GFTickCount();
            if (text.size() < kReplySize - 1)
                text += static_cast<char>(c);
            if (c == '?') {
                error = true;
                break;
            }
        } else if (c != GF_TIMEOUT) {
            throw GFCommException(c);
        } else if (GFElapsed(lastByte, m_readUntilTimeout)) {
            throw GFCommException(GF_TIMEOUT);
        }
        if (progress && progress->QueryAbort() != 0)
            throw GFCommException(GF_USER_ABORT);
        if (GFElapsed(start, m_readUntilLimit))
            throw GFCommException(GF_TIMEOUT);
    }
    // A bare "?" is an error reply without a text, not a success.
    if (error)
        throw G7KClientException(text.c_str());
    return TRUE;
}

BOOL Command::PumpMessages(BOOL dispatch, BOOL wait)
{
    return PumpWaitingMessages(dispatch, wait);
}

void Command::CheckReply(const char* reply)
{
    if (std::strstr(reply, "ERR"))
        throw G7KClientException(reply);
}

void Command::Ver(CString& text)
{
    Send("VER", kAckTimeout);
    int n = 0;
    while (n < kReplySize - 1) {
        int c = m_pLink->ReadChar(kByteTimeout);
        if (c < 0)
            throw GFCommException(GF_TIMEOUT);
        if (c == 0)
            break;
        m_reply[n++] = static_cast<char>(c);
    }
    m_reply[n] = '\0';
    m_pLink->Purge(0);
    text = m_reply;
}

long Command::Dsk()
{
    Send("DSK", kAckTimeout);
    int n = 0;
    while (n < 10) {
        int c = m_pLink->ReadChar(kByteTimeout);
        if (c < 0)
            break;
        m_reply[n++] = static_cast<char>(c);
        if (c == 0 || c == '!')
            break;
    }
    m_reply[n] = '\0';
    m_pLink->Purge(0);
    // An error reply would otherwise read as no free space at all.
    CheckReply(m_reply);
    return std::atol(m_reply);
}

long Command::Gid()
{
    Send("GID", kAckTimeout);
    int n = m_pLink->ReadBuffer(m_reply, 9, kFixedReplyTimeout);
    m_reply[n > 7 ? 7 : (n > 0 ? n : 0)] = '\0';
    m_pLink->Purge(0);
    CheckReply(m_reply);
    if (!std::isdigit(static_cast<unsigned char>(m_reply[0])))
        return -1;
    return std::atol(m_reply);
}

long Command::ReadTypeByte(const char* command)
{
    Send(command, kAckTimeout);
    int n = m_pLink->ReadBuffer(m_reply, 2, kFixedReplyTimeout);
    if (n <= 0)
        throw GFCommException(n < 0 ? n : GF_TIMEOUT);  // not a type of 0
    if (n > 0 && m_reply[0] == 'E')
        ReadRestOfReply(n);  // an error reply: take it whole
    else
        m_reply[n > 1 ? 1 : n] = '\0';
    m_pLink->Purge(0);
    CheckReply(m_reply);
    return std::atol(m_reply);
}

long Command::Gty()
{
    return ReadTypeByte("GTY");
}

long Command::Gdc()
{
    return ReadTypeByte("GDC");
}

void Command::Sid(long serial)
{
    CString text;
    text.Format("SID %07ld", serial);
    Send(text, kAckTimeout);
}

void Command::Sty(int value)
{
    CString text;
    text.Format("STY %d", value);
    Send(text, kAckTimeout);
}

void Command::Sdc(int value)
{
    CString text;
    text.Format("SDC %d", value);
    Send(text, kAckTimeout);
}

int Command::Dir(const char* folder, CStringArray& list)
{
    CString command;
    command.Format("DIR %s", folder);
    Send(command, kAckTimeout);

    std::vector<char> buffer(kDirBufferSize + 1);
    int n = 0;
    int marks = 0;
    while (n < kDirBufferSize) {
        int c = m_pLink->ReadChar(kByteTimeout);
        if (c < 0)
            break;
        buffer[n++] = static_cast<char>(c);
        if (c == '!' && ++marks == 4)
            break;
    }
    m_pLink->Purge(0);
    if (n <= 1)
        return 0;
    // A listing starts with "!"; anything else is an error reply, which
    // must not show up as a file.
    if (buffer[0] != '!') {
        std::string head(buffer.data(), static_cast<size_t>(n));
        size_t end = head.find('!');
        CheckReply(head.substr(0, end == std::string::npos ? end : end + 1).c_str());
    }

    size_t start = 0;
    std::string text(buffer.data(), static_cast<size_t>(n));
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        while (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '!')
            continue;
        list.Add(CString(line.c_str()));
    }
    return static_cast<int>(list.GetSize());
}
