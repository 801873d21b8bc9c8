// instrument-sim: a GVX7000/GVX2000 stand-in on one end of a serial line.
#include "Instrument.h"
#include "Line.h"
#include "SimSettings.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

volatile bool g_stop = false;

void OnSignal(int) { g_stop = true; }

const char kUsage[] =
    "usage: instrument-sim [options]\n"
    "Answers the instrument's commands on a pseudo-terminal (or a tty) and runs\n"
    "sz/rz of lrzsz on the same line for the file transfers.\n"
    "\n"
    "line:\n"
    "  --link PATH        make PATH a symbolic link to the pseudo-terminal\n"
    "  --tty PATH         use an existing tty instead of a pseudo-terminal\n"
    "  --drive DIR        folder that stands for drive C: (default ./instrument-drive)\n"
    "  --log FILE         log of every command (default: standard error)\n"
    "  --control FILE     file of settings, one a line, read again when it changes\n"
    "identity:\n"
    "  --dialect full|short   probe answer '&' or 0 (default full)\n"
    "  --serial N  --type N  --converter N  --version TEXT  --free BYTES\n"
    "misbehaviour:\n"
    "  --silent [VERB]    answer nothing (to VERB only, when given)\n"
    "  --error VERB[=TEXT]  send an error reply to VERB (default text ERR 05)\n"
    "  --refuse VERB[=TEXT] answer VERB with an error instead of \"#\"\n"
    "  --slow MS          wait MS milliseconds before every answer\n"
    "  --cut BYTES        cut the line after BYTES bytes of a transfer\n"
    "  --baud N           pace transfers like a line of N baud\n"
    "\n"
    "The control file takes the same settings without the dashes, e.g.\n"
    "  error GID ERR 05\n"
    "  silent\n";

bool TakesValue(const std::string& option)
{
    return option != "--silent" && option != "--help";
}

} // namespace

int main(int argc, char** argv)
{
    sim::SimSettings settings;
    std::string link, tty, drive = "instrument-drive", logPath, control;
    for (int i = 1; i < argc; ++i) {
        std::string option = argv[i];
        if (option == "--help" || option == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        std::string value;
        if (TakesValue(option)) {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "instrument-sim: %s needs a value\n", option.c_str());
                return 2;
            }
            value = argv[++i];
        } else if (i + 1 < argc && argv[i + 1][0] != '-') {
            value = argv[++i];
        }
        if (option == "--link") link = value;
        else if (option == "--tty") tty = value;
        else if (option == "--drive") drive = value;
        else if (option == "--log") logPath = value;
        else if (option == "--control") control = value;
        else {
            if (option.rfind("--", 0) != 0) {
                std::fprintf(stderr, "instrument-sim: unexpected '%s'\n%s", option.c_str(), kUsage);
                return 2;
            }
            size_t eq = value.find('=');
            if (eq != std::string::npos)
                value[eq] = ' ';
            std::string problem;
            if (!settings.Apply(option.substr(2) + " " + value, problem)) {
                std::fprintf(stderr, "instrument-sim: %s\n", problem.c_str());
                return 2;
            }
        }
    }

    std::FILE* log = stderr;
    if (!logPath.empty() && !(log = std::fopen(logPath.c_str(), "a"))) {
        std::fprintf(stderr, "instrument-sim: cannot write %s\n", logPath.c_str());
        return 1;
    }

    sim::Line line;
    std::string problem;
    bool ok = tty.empty() ? line.OpenPty(link, problem) : line.OpenTty(tty, problem);
    if (!ok) {
        std::fprintf(stderr, "instrument-sim: %s\n", problem.c_str());
        return 1;
    }

    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    std::signal(SIGPIPE, SIG_IGN);

    sim::Instrument instrument(line, drive, settings, log, control);
    std::printf("instrument-sim: line %s%s%s, drive %s\n", line.SlavePath().c_str(),
                link.empty() ? "" : " linked as ", link.c_str(), drive.c_str());
    std::fflush(stdout);
    instrument.Run(&g_stop);
    return 0;
}
