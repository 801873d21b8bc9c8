// Starts the instrument simulator program on a fresh pseudo-terminal for a
// test: the line appears as dir/tty, the drive is dir/drive and the log
// dir/log.
#pragma once

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/types.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace simtest {

inline std::filesystem::path SimLink(const std::filesystem::path& dir) { return dir / "tty"; }
inline std::filesystem::path SimDrive(const std::filesystem::path& dir) { return dir / "drive"; }
inline std::filesystem::path SimLog(const std::filesystem::path& dir) { return dir / "log"; }

// Forks the simulator (its standard output silenced) with the given extra
// options and waits up to two seconds for its line to appear. Returns its pid.
inline pid_t StartSimulator(const std::filesystem::path& dir, const std::vector<std::string>& options)
{
    std::vector<std::string> args = {INSTRUMENT_SIM, "--link", SimLink(dir).string(), "--drive",
                                     SimDrive(dir).string(), "--log", SimLog(dir).string()};
    args.insert(args.end(), options.begin(), options.end());
    pid_t pid = fork();
    if (pid == 0) {
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        int devnull = open("/dev/null", O_WRONLY);
        dup2(devnull, 1);
        execv(argv[0], argv.data());
        _exit(127);
    }
    for (int i = 0; i < 100 && !std::filesystem::exists(SimLink(dir)); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return pid;
}

// Opens the simulator's line raw (no echo, no line discipline); -1 on failure.
inline int OpenSimLine(const std::filesystem::path& dir, int extraFlags = 0)
{
    int fd = open(SimLink(dir).c_str(), O_RDWR | O_NOCTTY | extraFlags);
    if (fd < 0)
        return fd;
    termios t{};
    tcgetattr(fd, &t);
    cfmakeraw(&t);
    tcsetattr(fd, TCSANOW, &t);
    return fd;
}

}  // namespace simtest
