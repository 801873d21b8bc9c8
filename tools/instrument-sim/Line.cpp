#include "Line.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace sim {

static bool MakeRaw(int fd)
{
    termios t{};
    if (tcgetattr(fd, &t) != 0)
        return false;
    cfmakeraw(&t);
    cfsetispeed(&t, B38400);
    cfsetospeed(&t, B38400);
    return tcsetattr(fd, TCSANOW, &t) == 0;
}

Line::~Line()
{
    if (!link_.empty())
        unlink(link_.c_str());
    if (slaveFd_ >= 0)
        close(slaveFd_);
    if (fd_ >= 0)
        close(fd_);
}

bool Line::OpenPty(const std::string& link, std::string& problem)
{
    fd_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (fd_ < 0 || grantpt(fd_) != 0 || unlockpt(fd_) != 0) {
        problem = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    const char* name = ptsname(fd_);
    if (!name) {
        problem = "no name for the pseudo-terminal";
        return false;
    }
    slavePath_ = name;
    slaveFd_ = open(name, O_RDWR | O_NOCTTY);
    if (slaveFd_ < 0 || !MakeRaw(slaveFd_)) {
        problem = "cannot set up " + slavePath_;
        return false;
    }
    fcntl(fd_, F_SETFL, fcntl(fd_, F_GETFL) | O_NONBLOCK);
    if (!link.empty()) {
        unlink(link.c_str());
        if (symlink(name, link.c_str()) != 0) {
            problem = "cannot make the link " + link + ": " + std::strerror(errno);
            return false;
        }
        link_ = link;
    }
    return true;
}

bool Line::OpenTty(const std::string& path, std::string& problem)
{
    fd_ = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd_ < 0 || !MakeRaw(fd_)) {
        problem = "cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    slavePath_ = path;
    return true;
}

int Line::ReadByte(int timeoutMs)
{
    pollfd p{fd_, POLLIN, 0};
    for (;;) {
        int r = poll(&p, 1, timeoutMs);
        if (r < 0 && errno == EINTR)
            return -1;
        if (r <= 0)
            return -1;
        unsigned char c = 0;
        ssize_t n = read(fd_, &c, 1);
        if (n == 1)
            return c;
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            continue;
        // EIO: no slave open at the moment; wait a little and report nothing.
        usleep(50000);
        return -1;
    }
}

bool Line::Write(const char* data, size_t n)
{
    while (n > 0) {
        ssize_t w = write(fd_, data, n);
        if (w > 0) {
            data += w;
            n -= static_cast<size_t>(w);
            continue;
        }
        if (w < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        pollfd p{fd_, POLLOUT, 0};
        if (poll(&p, 1, 10000) <= 0)
            return false;
    }
    return true;
}

bool Line::Write(const std::string& data)
{
    return Write(data.data(), data.size());
}

size_t Line::Drain(int quietMs)
{
    size_t n = 0;
    while (ReadByte(quietMs) >= 0)
        ++n;
    return n;
}

} // namespace sim
