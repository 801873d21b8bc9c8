#include "instrument/ZmodemTransfer.h"

#include "CPP_ALL/GFComStream.h"
#include "CPP_ALL/GFErrors.h"
#include "CPP_ALL/GFPlatform.h"
#include "CPP_ALL/GFZmodem.h"
#include "instrument/Command.h"
#include "instrument/GFCommException.h"
#include "instrument/StagingFolder.h"

#include <filesystem>

namespace {

constexpr int kRetryLimit = 500;
constexpr int kReplaceFile = 3;  // file management option: replace the receiver's file
// After a failed transfer the instrument may still be sending what it had
// queued, and then its closing text: the line counts as clear after this
// much silence, and the wait for it ends after the limit in any case.
constexpr int kQuietLine = 500;
constexpr uint32_t kQuietLineLimit = 15000;

// Reads the line empty, so the next command starts on a clean line.
void WaitForQuietLine(GFComStream& link)
{
    const uint32_t start = GFTickCount();
    while (link.ReadChar(kQuietLine) >= 0 && !GFElapsed(start, kQuietLineLimit)) {
    }
    link.Purge(0);
}

// The transfer's code as an exception, once the line is clear.
[[noreturn]] void FailTransfer(Command& command, int rc)
{
    WaitForQuietLine(*command.GetLink());
    throw GFCommException(rc);
}

} // namespace

int ReceiveByZmodem(Command& command, GFMonitor& monitor, std::vector<std::string>* received)
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
            FailTransfer(command, rc);
    }
    if (!staging.Commit(received))
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
            FailTransfer(command, rc);
    }
    command.ReadUntil('!', &abortSource);
    return 0;
}
