// The simulator's end of the serial line: the master side of a
// pseudo-terminal whose slave the client opens, or an existing tty.
#pragma once

#include <string>

namespace sim {

class Line {
public:
    Line() = default;
    ~Line();
    Line(const Line&) = delete;
    Line& operator=(const Line&) = delete;

    // Creates a pseudo-terminal; its slave is in raw mode and held open, so
    // the line survives the client closing and reopening it. A non-empty
    // link becomes a symbolic link to the slave.
    bool OpenPty(const std::string& link, std::string& problem);
    // Uses an existing tty (a real port or one end of a socat pair).
    bool OpenTty(const std::string& path, std::string& problem);

    const std::string& SlavePath() const { return slavePath_; }
    int Fd() const { return fd_; }

    // One byte, or -1 when none came within timeoutMs (-1 waits forever).
    int ReadByte(int timeoutMs);
    bool Write(const std::string& data);
    bool Write(const char* data, size_t n);
    // Discards input until nothing has arrived for quietMs.
    size_t Drain(int quietMs);

private:
    int fd_ = -1;
    int slaveFd_ = -1;
    std::string slavePath_;
    std::string link_;
};

} // namespace sim
