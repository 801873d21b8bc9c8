#include "instrument/CalibrationCommand.h"

#include "CPP_ALL/GFComStream.h"
#include "CPP_ALL/GFErrors.h"
#include "app/G7KClientException.h"
#include "instrument/GFCommException.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

std::vector<std::string> ReplyValues(const char* reply)
{
    std::string text(reply);
    const size_t end = text.find('!');
    if (end != std::string::npos)
        text.resize(end);
    std::vector<std::string> values;
    size_t i = 0;
    while ((i = text.find_first_not_of(" \t\r\n", i)) != std::string::npos) {
        const size_t e = text.find_first_of(" \t\r\n", i);
        values.push_back(text.substr(i, e == std::string::npos ? std::string::npos : e - i));
        i = e;
    }
    return values;
}

bool ParseWhole(const std::string& text, double& value)
{
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+')
        ++first;  // from_chars takes no plus sign, sscanf did
    auto [end, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && end == last && std::isfinite(value);
}

bool ParseWhole(const std::string& text, long& value)
{
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+')
        ++first;
    auto [end, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && end == last && value >= INT32_MIN && value <= INT32_MAX;
}

std::string Formatted(const char* format, int channel)
{
    char text[96];
    std::snprintf(text, sizeof text, format, channel);
    return text;
}

} // namespace

std::string ShortestNumberText(double value)
{
    char text[64];
    auto [end, ec] = std::to_chars(text, text + sizeof text, value);
    return ec == std::errc() ? std::string(text, end) : std::string("0");
}

std::string OutputParametersCommand(const double output[4])
{
    std::string command = "CAL 0";
    for (int i = 0; i < 4; ++i)
        command += "," + ShortestNumberText(output[i]);
    return command + "!";
}

std::string InputParametersCommand(int channel, long offset, double low, double medium, double high)
{
    return "CAL " + std::to_string(channel) + "," + std::to_string(offset) + "," + ShortestNumberText(low) +
           "," + ShortestNumberText(medium) + "," + ShortestNumberText(high) + "!";
}

bool ParseOutputParametersReply(const char* reply, double output[4])
{
    const std::vector<std::string> values = ReplyValues(reply);
    if (values.size() < 4)
        return false;
    double parsed[4];
    for (int i = 0; i < 4; ++i)
        if (!ParseWhole(values[i], parsed[i]))
            return false;
    std::memcpy(output, parsed, sizeof parsed);
    return true;
}

bool ParseInputParametersReply(const char* reply, long& offset, double& low, double& medium, double& high)
{
    const std::vector<std::string> values = ReplyValues(reply);
    long o = 0;
    double l = 0, m = 0, h = 0;
    if (values.size() < 4 || !ParseWhole(values[0], o) || !ParseWhole(values[1], l) ||
        !ParseWhole(values[2], m) || !ParseWhole(values[3], h))
        return false;
    offset = o;
    low = l;
    medium = m;
    high = h;
    return true;
}

CalibrationCommand::CalibrationCommand(IStatusLog* log) : Command(TRUE), m_log(log) {}

void CalibrationCommand::Append(const char* text)
{
    if (m_log)
        m_log->AppendText(text);
}

std::string CalibrationCommand::ReadReply(const char* command)
{
    Send(command, kAckTimeout);
    char reply[kReadReplyLimit + 1] = {};
    const int n = m_pLink->ReadLine(reply, kReadReplyLimit, '!', kReadReplyTimeout);
    m_pLink->Purge(0);
    if (n < 0)
        throw GFCommException(n);
    // No reply is a failure, not a set of zeros.
    if (n == 0)
        throw GFCommException(GF_TIMEOUT);
    CheckReply(reply);
    return reply;
}

void CalibrationCommand::ReadOutputParameters(double output[4])
{
    Append("\r\nReading output parameters...");
    const std::string reply = ReadReply("CAL 0");
    if (!ParseOutputParametersReply(reply.c_str(), output))
        throw G7KClientException(reply.c_str());  // shown as it came
    Append(" Ok!");
}

void CalibrationCommand::WriteOutputParameters(const double output[4])
{
    Append("\r\nWriting output parameters...");
    Send(OutputParametersCommand(output).c_str(), kWriteAckTimeout);
    ReadUntil('!', nullptr);
    Append(" Ok!");
}

void CalibrationCommand::ReadInputParameters(int channel, long& offset, double& low, double& medium, double& high)
{
    Append(Formatted("\r\nReading input parameters, channel #%d...", channel).c_str());
    const std::string reply = ReadReply(Formatted("CAL %d", channel).c_str());
    if (!ParseInputParametersReply(reply.c_str(), offset, low, medium, high))
        throw G7KClientException(reply.c_str());  // shown as it came
    Append(" Ok!");
}

void CalibrationCommand::WriteInputParameters(int channel, long offset, double low, double medium, double high)
{
    Append(Formatted("\r\nWriting input parameters, channel #%d...", channel).c_str());
    Send(InputParametersCommand(channel, offset, low, medium, high).c_str(), kWriteAckTimeout);
    ReadUntil('!', nullptr);
    Append(" Ok!");
}

void CalibrationCommand::ReadAll(CalibrationParameters& p)
{
    CalibrationParameters read = p;
    ReadOutputParameters(read.output);
    for (int c = 0; c < 4; ++c) {
        long offset = 0;
        ReadInputParameters(c + 1, offset, read.low[c], read.medium[c], read.high[c]);
        read.offset[c] = static_cast<int32_t>(offset);
    }
    p = read;
}

void CalibrationCommand::WriteGroups(const CalibrationParameters& p, const bool groups[5])
{
    if (groups[0])
        WriteOutputParameters(p.output);
    for (int c = 0; c < 4; ++c)
        if (groups[c + 1])
            WriteInputParameters(c + 1, p.offset[c], p.low[c], p.medium[c], p.high[c]);
}
