// Drives the simulator program over its pseudo-terminal like a client would.
#include "DriveFiles.h"
#include "SimProcess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <random>
#include <string>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

using simtest::RandomBytes;
using simtest::ReadFile;
using simtest::WriteFile;

// One simulator process on a fresh pseudo-terminal and drive folder.
class Sim {
public:
    explicit Sim(std::vector<std::string> options)
    {
        dir_ = fs::temp_directory_path() / ("g7k-sim-" + std::to_string(getpid()) + "-" +
                                            std::to_string(counter_++));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        pid_ = simtest::StartSimulator(dir_, options);
        fd_ = simtest::OpenSimLine(dir_);
    }

    ~Sim()
    {
        if (fd_ >= 0)
            close(fd_);
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
        if (testing::Test::HasFailure())
            std::printf("simulator log:\n%s", ReadFile(simtest::SimLog(dir_)).c_str());
        fs::remove_all(dir_);
    }

    fs::path Drive() const { return simtest::SimDrive(dir_); }
    fs::path Dir() const { return dir_; }
    int Fd() const { return fd_; }

    void Send(const std::string& s) { ASSERT_EQ(write(fd_, s.data(), s.size()), ssize_t(s.size())); }

    // Everything that arrives until the line is quiet for quietMs.
    std::string Read(int quietMs = 400)
    {
        std::string got;
        pollfd p{fd_, POLLIN, 0};
        char buffer[512];
        while (poll(&p, 1, quietMs) > 0) {
            ssize_t n = read(fd_, buffer, sizeof buffer);
            if (n <= 0)
                break;
            got.append(buffer, static_cast<size_t>(n));
        }
        return got;
    }

    // Waits up to timeoutMs for the byte end; returns what came before it.
    std::string ReadUntil(char end, int timeoutMs)
    {
        std::string got;
        pollfd p{fd_, POLLIN, 0};
        char c;
        while (poll(&p, 1, timeoutMs) > 0 && read(fd_, &c, 1) == 1) {
            if (c == end)
                return got;
            got += c;
        }
        return got + "<time-out>";
    }

    // Runs an lrzsz program with the line as its standard input and output,
    // killed after limitSeconds.
    int RunPeer(const std::vector<std::string>& args, const fs::path& cwd, unsigned limitSeconds = 60)
    {
        pid_t pid = fork();
        if (pid == 0) {
            dup2(fd_, 0);
            dup2(fd_, 1);
            int devnull = open("/dev/null", O_WRONLY);
            dup2(devnull, 2);
            if (chdir(cwd.c_str()) != 0)
                _exit(126);
            std::vector<char*> argv;
            std::vector<std::string> copy = args;
            for (std::string& a : copy)
                argv.push_back(a.data());
            argv.push_back(nullptr);
            execvp(argv[0], argv.data());
            _exit(127);
        }
        // lrzsz uses alarm() itself, so the limit is kept from out here.
        int status = 0;
        for (unsigned tick = 0; waitpid(pid, &status, WNOHANG) == 0; ++tick) {
            if (tick == limitSeconds * 10)
                kill(pid, SIGKILL);
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    static inline int counter_ = 0;
    fs::path dir_;
    pid_t pid_ = -1;
    int fd_ = -1;
};

struct Exchange {
    const char* name;
    std::vector<std::string> options;
    std::string sent;
    std::string reply;
};

const Exchange kExchanges[] = {
    {"probe_full", {}, "?", "&"},
    {"probe_short", {"--dialect", "short"}, "?", std::string(1, '\0')},
    {"version", {"--version", "V 1.0"}, "VER!", std::string("#V 1.0") + '\0'},
    {"serial", {}, "GID!", "#1234567!\r"},
    {"serial_error", {"--error", "GID"}, "GID!", "#ERR 05!\r\n"},
    {"serial_written", {}, "SID 0000042!GID!", "##0000042!\r"},
    {"type_and_converter", {"--type", "0", "--converter", "2"}, "GTY!GDC!", "#0!#2!"},
    {"type_error", {"--error", "GTY=ERR 07"}, "GTY!", "#ERR 07!\r\n"},
    {"free_space", {"--free", "132767"}, "DSK!", "#132767!"},
    {"empty_folder", {}, "DIR C:\\DATA\\SP\\!", "#!\n!\n!\n!\n"},
    {"missing_folder", {}, "DIR C:\\NOWHERE\\!", "#!\n!\n!\n!\n"},
    {"listing_error", {"--error", "DIR"}, "DIR C:\\DATA\\SP\\!", "#ERR 05!\r\n"},
    {"unknown_command", {}, "FOO!", "ERR 01!\r\n"},
    {"refused", {"--refuse", "VER"}, "VER!", "ERR 05!\r\n"},
    {"silent", {"--silent"}, "?GID!", ""},
    {"silent_to_one", {"--silent", "VER"}, "VER!GID!", "#1234567!\r"},
    {"calibration_read", {}, "CAL 1!", "#1001740 0.00041056 9.9748e-06 2.4234e-07!\r\n"},
    {"calibration_write", {}, "CAL 2,900000,0.0004,1e-05,3e-07!!CAL 2!",
     "#Calibration stored!#900000 0.0004 1e-05 3e-07!\r\n"},
    {"remove_error", {"--error", "RMS=E12"}, "RMS!", "#E12?"},
    {"missing_file", {}, "TXX C:\\DATA\\SP\\NONE.G7K!", "ERR 02!\r\n"},
};

class SimExchange : public testing::TestWithParam<Exchange> {};

TEST_P(SimExchange, RepliesAsTheInstrument)
{
    const Exchange& e = GetParam();
    Sim sim(e.options);
    sim.Send(e.sent);
    EXPECT_EQ(sim.Read(), e.reply);
}

INSTANTIATE_TEST_SUITE_P(Commands, SimExchange, testing::ValuesIn(kExchanges),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(InstrumentSim, ListsAndSendsDataFilesByZmodem)
{
    Sim sim({});
    const std::string data = RandomBytes(70000, 1);
    WriteFile(sim.Drive() / "DATA/RES/LINE1.G7K", data);
    WriteFile(sim.Drive() / "DATA/RES/LINE2.G7K", "x");

    sim.Send("DIR C:\\DATA\\RES\\!");
    std::string listing = sim.Read();
    EXPECT_NE(listing.find("\nLINE1.G7K 70000 "), std::string::npos) << listing;
    EXPECT_NE(listing.find("\nLINE2.G7K 1 "), std::string::npos) << listing;

    fs::path pc = sim.Dir() / "pc";
    fs::create_directories(pc);
    sim.Send("TXX c:\\data\\res\\line1.g7k!");
    std::string ack;
    char c;
    ASSERT_EQ(read(sim.Fd(), &c, 1), 1);
    EXPECT_EQ(c, '#');
    EXPECT_EQ(sim.RunPeer({"rz", "-b", "-q", "-u"}, pc), 0);
    EXPECT_EQ(sim.ReadUntil('!', 5000).find("<time-out>"), std::string::npos);
    EXPECT_EQ(ReadFile(pc / "LINE1.G7K"), data);
}

TEST(InstrumentSim, ReceivesAnInstalledFileByZmodem)
{
    Sim sim({});
    fs::path pc = sim.Dir() / "pc";
    const std::string module = RandomBytes(30000, 2);
    WriteFile(pc / "PROTOCOL.BIN", module);
    WriteFile(sim.Drive() / "PROTOCOL.BIN", RandomBytes(50000, 3));  // an older one

    sim.Send("INS PROTOCOL.BIN!");
    char c;
    ASSERT_EQ(read(sim.Fd(), &c, 1), 1);
    EXPECT_EQ(c, '#');
    EXPECT_EQ(sim.RunPeer({"sz", "-b", "-q", "-y", "PROTOCOL.BIN"}, pc), 0);
    EXPECT_EQ(sim.ReadUntil('!', 5000), "");
    EXPECT_EQ(ReadFile(sim.Drive() / "PROTOCOL.BIN"), module);
}

TEST(InstrumentSim, CutLineEndsTheTransferWithoutTheClosingMark)
{
    Sim sim({"--cut", "5000"});
    WriteFile(sim.Drive() / "DATA/IP/BIG.G7K", RandomBytes(100000, 4));
    fs::path pc = sim.Dir() / "pc";
    fs::create_directories(pc);
    sim.Send("TXI!");
    char c;
    ASSERT_EQ(read(sim.Fd(), &c, 1), 1);
    EXPECT_NE(sim.RunPeer({"rz", "-b", "-q", "-u"}, pc, 5), 0);
    EXPECT_EQ(sim.Read(1000).find('!'), std::string::npos);
}

} // namespace
