#include "instrument/ZmodemTransfer.h"

#include "CPP_ALL/GFErrors.h"
#include "CPP_ALL/GFZmodem.h"
#include "instrument/Command.h"
#include "instrument/GFCommException.h"
#include "instrument/StagingFolder.h"

#include <filesystem>

namespace {

constexpr int kRetryLimit = 500;
constexpr int kReplaceFile = 3;  // file management option: replace the receiver's file

} // namespace

int ReceiveByZmodem(Command& command, GFMonitor& monitor)
{
    std::error_code ec;
    StagingFolder staging(std::filesystem::current_path(ec));
    if (!staging.IsReady())
        throw GFCommException(GF_FILE_OPEN);
    {
        GFZmodem zmodem(command.GetLink(), &monitor);
        zmodem.SetEofPortCheck(true);
        zmodem.SetReceiverResume(false);
        zmodem.SetStripPath(true);
        zmodem.SetRetryLimit(kRetryLimit);
        zmodem.SetReceiveFolder(staging.Path().c_str());
        int rc = zmodem.Receive(0);
        if (rc != 0)
            throw GFCommException(rc);
    }
    if (!staging.Commit())
        throw GFCommException(GF_FILE_WRITE);
    command.ReadUntil('!', &monitor);
    return 0;
}

int SendByZmodem(Command& command, const char* fileSpec, GFMonitor* monitor, GFMonitor& abortSource)
{
    {
        GFZmodem zmodem(command.GetLink(), monitor);
        zmodem.SetRecurseSubdirs(false);
        zmodem.SetStripPath(true);
        zmodem.SetRetryLimit(kRetryLimit);
        zmodem.SetFileManagement(kReplaceFile);
        // Asking for resume as well would make a standard receiver append
        // to its older copy instead of replacing it.
        zmodem.SetRequestResume(false);
        zmodem.SetStreaming(true);
        int rc = zmodem.Send(fileSpec);
        if (rc != 0)
            throw GFCommException(rc);
    }
    command.ReadUntil('!', &abortSource);
    return 0;
}
