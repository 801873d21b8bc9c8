// The command client and the ZMODEM transfers against the instrument
// simulator on a pseudo-terminal, with lrzsz as the instrument's peer.
#include "CPP_ALL/GFComStream.h"
#include "CPP_ALL/GFMonitor.h"
#include "CPP_ALL/GFPlatform.h"
#include "CPP_ALL/tests/TestPorts.h"
#include "app/G7KClientException.h"
#include "instrument/Command.h"
#include "instrument/GFCommException.h"
#include "instrument/SerialInterface.h"
#include "instrument/ZmodemTransfer.h"
#include "instrument/tests/Outcome.h"
#include "tools/instrument-sim/tests/DriveFiles.h"
#include "tools/instrument-sim/tests/SimProcess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using simtest::ReadFile;
using simtest::WriteRandomFile;

// The user who presses Abort once enough bytes went through, or once the
// transfer has stalled for long enough.
class AbortAfter : public GFMonitor {
public:
    AbortAfter(long bytes, uint32_t ms) : m_bytes(bytes), m_ms(ms), m_start(GFTickCount()) {}
    int QueryAbort() override
    {
        bool enough = m_bytes > 0 && bytesDone >= m_bytes;
        bool stalled = m_ms > 0 && GFElapsed(m_start, m_ms);
        return enough || stalled ? GF_USER_ABORT : 0;
    }

private:
    long m_bytes;
    uint32_t m_ms;
    uint32_t m_start;
};

class SimulatorTest : public testing::Test {
protected:
    void TearDown() override
    {
        SerialInterface::Close(TRUE);
        SerialInterface::SetPortFactory(nullptr);
        if (m_fd >= 0)
            close(m_fd);
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
        fs::current_path(m_oldCwd);
        if (HasFailure())
            std::printf("simulator log:\n%s", ReadFile(simtest::SimLog(m_dir)).c_str());
        fs::remove_all(m_dir);
        GFSetTimeScale(1);
    }

    void Start(std::vector<std::string> options = {})
    {
        m_dir = fs::temp_directory_path() / ("g7k-instrument-" + std::to_string(getpid()));
        fs::remove_all(m_dir);
        fs::create_directories(PcFolder());
        m_oldCwd = fs::current_path();
        fs::current_path(PcFolder());
        m_pid = simtest::StartSimulator(m_dir, options);
        m_fd = simtest::OpenSimLine(m_dir, O_NONBLOCK);
        ASSERT_GE(m_fd, 0);
        int fd = m_fd;
        SerialInterface::SetPortFactory(
            [fd](int, int, int) { return std::unique_ptr<GFComLink>(new FdPort(fd)); });
    }

    fs::path Drive() const { return simtest::SimDrive(m_dir); }
    fs::path PcFolder() const { return m_dir / "pc"; }

    // What is left in the import folder besides the given files.
    std::vector<std::string> PcFiles() const
    {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(PcFolder()))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path m_dir, m_oldCwd;
    pid_t m_pid = -1;
    int m_fd = -1;
};

TEST_F(SimulatorTest, IdentifiesAndListsEachFolder)
{
    Start({"--serial", "42", "--version", "GVX7000 4.2"});
    WriteRandomFile(Drive() / "DATA/SP/A.G7K", 10, 1);
    WriteRandomFile(Drive() / "TEST/T1.LOG", 20, 2);
    Command command(TRUE);
    EXPECT_TRUE(command.IsFullDialect());
    EXPECT_EQ(command.Gid(), 42);
    CString version;
    command.Ver(version);
    EXPECT_STREQ(version, "GVX7000 4.2");
    EXPECT_EQ(command.Dsk(), 4000000);

    struct Folder { const char* path; int files; const char* first; };
    const Folder folders[] = {
        {"C:\\DATA\\SP\\", 1, "A.G7K 10 "}, {"C:\\DATA\\RES\\", 0, ""}, {"C:\\DATA\\IP\\", 0, ""},
        {"C:\\DATA\\LOG\\", 0, ""}, {"C:\\TEST\\", 1, "T1.LOG 20 "},
    };
    for (const Folder& f : folders) {
        CStringArray list;
        EXPECT_EQ(command.Dir(f.path, list), f.files) << f.path;
        if (f.files > 0)
            EXPECT_EQ(std::string(list[0]).rfind(f.first, 0), 0u) << list[0];
    }
}

TEST_F(SimulatorTest, ImportsFilesOfSeveralSizesByteForByte)
{
    Start();
    const size_t sizes[] = {0, 1, 1023, 1024, 4097, 150000};
    Command command(TRUE);
    for (size_t size : sizes) {
        std::string name = "F" + std::to_string(size) + ".G7K";
        std::string data = WriteRandomFile(Drive() / "DATA/RES" / name, size, static_cast<unsigned>(size));
        GFMonitor monitor;
        command.Send(("TXX C:\\DATA\\RES\\" + name).c_str(), 5000);
        command.GetLink()->Purge(0);
        EXPECT_EQ(ReceiveByZmodem(command, monitor), 0);
        EXPECT_TRUE(ReadFile(PcFolder() / name) == data) << name;
    }
    EXPECT_EQ(PcFiles().size(), std::size(sizes));  // no staging folder left behind
}

TEST_F(SimulatorTest, ImportAllOfAnEmptyFolderReceivesNothing)
{
    Start();
    Command command(TRUE);
    GFMonitor monitor;
    command.Send("TXI", 5000);
    command.GetLink()->Purge(0);
    EXPECT_EQ(ReceiveByZmodem(command, monitor), 0);
    EXPECT_TRUE(PcFiles().empty());
}

TEST_F(SimulatorTest, SendingReplacesTheInstrumentsOlderCopy)
{
    Start();
    std::string data = WriteRandomFile(PcFolder() / "PROTOCOL.BIN", 20000, 7);
    WriteRandomFile(Drive() / "PROTOCOL.BIN", 5000, 8);  // shorter: a resume would append to it
    Command command(TRUE);
    GFMonitor monitor;
    command.Send("INS PROTOCOL.BIN", 15000);
    command.GetLink()->Purge(0);
    EXPECT_EQ(SendByZmodem(command, (PcFolder() / "PROTOCOL.BIN").string().c_str(), &monitor, monitor), 0);
    EXPECT_TRUE(ReadFile(Drive() / "PROTOCOL.BIN") == data);
}

struct Failure {
    const char* name;
    std::vector<std::string> options;
    long abortAfterBytes;
    uint32_t abortAfterMs;
    const char* expected;
};

// A dead line never ends the receiver by itself (a silent header search is
// not counted against its retries): the user's abort does.
const Failure kFailures[] = {
    {"refused", {"--refuse", "TXX=ERR 09"}, 0, 0, "instrument 'ERR 09!'"},
    {"line_cut", {"--cut", "30000"}, 0, 30000, "link -901"},
    {"user_abort", {}, 40000, 0, "link -901"},
};

class ImportFailure : public SimulatorTest, public testing::WithParamInterface<Failure> {};

TEST_P(ImportFailure, LeavesNoPartialFile)
{
    const Failure& f = GetParam();
    Start(f.options);
    WriteRandomFile(Drive() / "DATA/IP/BIG.G7K", 300000, 9);
    GFSetTimeScale(10);  // the receiver's time-outs after a cut line
    std::string outcome;
    try {
        Command command(TRUE);
        AbortAfter monitor(f.abortAfterBytes, f.abortAfterMs);
        command.Send("TXX C:\\DATA\\IP\\BIG.G7K", 5000);
        command.GetLink()->Purge(0);
        ReceiveByZmodem(command, monitor);
        outcome = "imported";
    } catch (GFCommException& e) {
        outcome = "link " + std::to_string(e.GetErrorCode());
    } catch (G7KClientException& e) {
        outcome = "instrument '" + std::string(e.GetReply()) + "'";
    }
    EXPECT_EQ(outcome.rfind(f.expected, 0), 0u) << outcome;
    EXPECT_TRUE(PcFiles().empty());
}

INSTANTIATE_TEST_SUITE_P(Import, ImportFailure, testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

// On a slow line the instrument has much of the file still to send when
// the user aborts: the cancel must stop it, and nothing of it may reach
// the next command.
TEST_F(SimulatorTest, AnAbortOnASlowLineStopsTheInstrumentAndTheNextCommandStartsClean)
{
    Start({"--baud", "2400"});
    WriteRandomFile(Drive() / "DATA/IP/BIG.G7K", 30000, 10);
    {
        Command command(TRUE);
        AbortAfter monitor(100, 0);
        command.Send("TXX C:\\DATA\\IP\\BIG.G7K", 5000);
        command.GetLink()->Purge(0);
        EXPECT_EQ(Outcome([&] { return std::to_string(ReceiveByZmodem(command, monitor)); }), "link -901");
    }
    Command next(TRUE);
    EXPECT_EQ(next.GetProbeReply(), '&');
    EXPECT_EQ(next.Gid(), 1234567);
    EXPECT_TRUE(PcFiles().empty());
}

TEST_F(SimulatorTest, SilentInstrumentTimesOutClearly)
{
    Start({"--silent"});
    GFSetTimeScale(5);
    Command command(TRUE);  // an unanswered probe is accepted
    EXPECT_EQ(command.GetProbeReply(), 0);
    try {
        command.Gid();
        FAIL() << "no time-out";
    } catch (GFCommException& e) {
        EXPECT_EQ(e.GetErrorCode(), GF_TIMEOUT);
        EXPECT_STREQ(e.GetReportText(), "(Error -802)\n\nCommunication link timed out.\n");
    }
}

} // namespace
