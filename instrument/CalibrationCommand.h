// The "CAL" commands: read and write the output parameters (channel 0) and
// the input parameters of channels 1-4. Values go out in the shortest text
// that reads back to the same double, in the C locale; a reply counts only
// when every value in it parses.
#pragma once

#include "instrument/CalibrationParameters.h"
#include "instrument/Command.h"
#include "instrument/StatusLog.h"

#include <string>

// Shortest decimal text that reads back to exactly value ("%g"-like forms).
std::string ShortestNumberText(double value);
// "CAL 0,a,b,c,d!" and "CAL n,offset,low,medium,high!" (the send adds its
// own terminator after the command's "!").
std::string OutputParametersCommand(const double output[4]);
std::string InputParametersCommand(int channel, long offset, double low, double medium, double high);
// The replies "a b c d" and "offset low medium high", values separated by
// blanks, ended by the text's end or "!". False unless each value parses in
// full and every one is there.
bool ParseOutputParametersReply(const char* reply, double output[4]);
bool ParseInputParametersReply(const char* reply, long& offset, double& low, double& medium, double& high);

class CalibrationCommand : public Command {
public:
    static constexpr int kReadReplyLimit = 227;
    static constexpr int kReadReplyTimeout = 1000;
    static constexpr int kWriteAckTimeout = 10000;

    // Probes the instrument; log (not owned, may be null) gets the progress.
    explicit CalibrationCommand(IStatusLog* log);

    void ReadOutputParameters(double output[4]);
    void WriteOutputParameters(const double output[4]);
    void ReadInputParameters(int channel, long& offset, double& low, double& medium, double& high);
    void WriteInputParameters(int channel, long offset, double low, double medium, double high);

    // Every value of the instrument, and the checked groups written back
    // (group 0 the output parameters, 1-4 the channels), in that order.
    void ReadAll(CalibrationParameters& p);
    void WriteGroups(const CalibrationParameters& p, const bool groups[5]);

private:
    void Append(const char* text);
    std::string ReadReply(const char* command);

    IStatusLog* m_log;
};
