// The Win32 build end to end: a real COM port of the Wine prefix, mapped to
// the pseudo-terminal of the instrument simulator (run-wine-e2e.sh).
#include "CPP_ALL/GFComStream.h"
#include "CPP_ALL/GFErrors.h"
#include "app/G7KClientException.h"
#include "instrument/Command.h"
#include "instrument/FileTransfer.h"
#include "instrument/GFCommException.h"
#include "instrument/SerialInterface.h"
#include "instrument/SerialInterfaceInfo.h"
#include "instrument/tests/Outcome.h"
#include "tools/instrument-sim/tests/DriveFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace {

using simtest::ReadFile;
using simtest::WriteRandomFile;

std::string Env(const char* name)
{
    const char* v = std::getenv(name);
    return v ? v : "";
}

CTransferStatusDlg* g_abortTarget = nullptr;

// The user: presses "&Abort" (and confirms) once the transfer is under way.
void CALLBACK PressAbortWhenBusy(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_abortTarget && g_abortTarget->bytesDone > 100000)
        ::PostMessageA(g_abortTarget->m_hWnd, WM_COMMAND, IDCANCEL, 0);
}

class WineEndToEnd : public testing::Test {
protected:
    void SetUp() override
    {
        if (Env("G7K_SIM_PORT").empty())
            GTEST_SKIP() << "run through run-wine-e2e.sh";
        g_serialInterfaceInfo.SetPortIndex(std::atoi(Env("G7K_SIM_PORT").c_str()));
        g_serialInterfaceInfo.SetBaudRate(38400);
        drive = Env("G7K_SIM_DRIVE");
        pc = Env("G7K_SIM_PC");
        Control("");
        for (const auto& e : fs::directory_iterator(pc))
            fs::remove_all(e.path());
        fs::current_path(pc);
    }
    void TearDown() override
    {
        SerialInterface::Close(TRUE);
        if (!Env("G7K_SIM_PORT").empty())
            Control("");
    }

    // The simulator's settings for the next commands.
    void Control(const std::string& settings)
    {
        std::ofstream(Env("G7K_SIM_CONTROL"), std::ios::binary) << settings;
    }

    std::vector<std::string> PcFiles() const
    {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(pc))
            names.push_back(e.path().filename().string());
        return names;
    }

    fs::path drive, pc;
};

TEST_F(WineEndToEnd, IdentifiesTheInstrumentAndListsItsFolders)
{
    WriteRandomFile(drive / "DATA" / "SP" / "SP1.G7K", 123, 1);
    WriteRandomFile(drive / "TEST" / "KS.LOG", 7, 2);
    Command command(TRUE);
    EXPECT_TRUE(command.IsFullDialect());
    EXPECT_EQ(command.Gid(), 1234567);
    CString version;
    command.Ver(version);
    EXPECT_STREQ(version, "GVX7000 SIM 2.10");
    EXPECT_EQ(command.Dsk(), 4000000);

    struct Folder { const char* path; const char* listing; };
    const Folder folders[] = {
        {"C:\\DATA\\SP\\", "SP1.G7K 123"}, {"C:\\DATA\\RES\\", ""}, {"C:\\DATA\\IP\\", ""},
        {"C:\\DATA\\LOG\\", ""}, {"C:\\TEST\\", "KS.LOG 7"},
    };
    for (const Folder& f : folders) {
        CStringArray list;
        command.Dir(f.path, list);
        std::string names;
        for (int i = 0; i < list.GetSize(); ++i) {
            std::string line(list[i]);
            names += line.substr(0, line.find(' ', line.find(' ') + 1));
        }
        EXPECT_EQ(names, f.listing) << f.path;
    }
}

TEST_F(WineEndToEnd, ImportsFilesOfSeveralSizesByteForByte)
{
    const size_t sizes[] = {0, 1, 1024, 70000, 300000};
    FileTransfer transfer("Import Data");
    for (size_t size : sizes) {
        std::string name = "R" + std::to_string(size) + ".G7K";
        std::string data = WriteRandomFile(drive / "DATA" / "RES" / name, size, static_cast<unsigned>(size));
        transfer.Send(("TXX C:\\DATA\\RES\\" + name).c_str(), 5000);
        transfer.GetLink()->Purge(0);
        transfer.GetStatusDlg().EnableFields(TRUE);
        EXPECT_EQ(transfer.Receive(), 0) << name;
        transfer.GetStatusDlg().EnableFields(FALSE);
        EXPECT_TRUE(ReadFile(pc / name) == data) << name;
    }
    EXPECT_EQ(PcFiles().size(), std::size(sizes));
}

TEST_F(WineEndToEnd, SendsAFileThatReplacesTheInstrumentsCopy)
{
    std::string data = WriteRandomFile(pc / "PROTOCOL.BIN", 50000, 3);
    WriteRandomFile(drive / "PROTOCOL.BIN", 9000, 4);
    FileTransfer transfer("Install Program Modules");
    transfer.Send("INS PROTOCOL.BIN", 15000);
    transfer.GetLink()->Purge(0);
    EXPECT_EQ(transfer.SendFiles((pc / "PROTOCOL.BIN").string().c_str(), &transfer.GetStatusDlg()), 0);
    EXPECT_TRUE(ReadFile(drive / "PROTOCOL.BIN") == data);
}

TEST_F(WineEndToEnd, ReportsTheInstrumentsErrorReply)
{
    Control("error GID ERR 05\nrefuse TXX ERR 09\n");
    Command command(TRUE);
    EXPECT_EQ(Outcome([&] { return std::to_string(command.Gid()); }), "instrument 'ERR 05!'");
    EXPECT_EQ(Outcome([&] { command.Send("TXX C:\\DATA\\SP\\X.G7K", 5000); return std::string("sent"); }),
              "instrument 'ERR 09!'");
}

TEST_F(WineEndToEnd, SilentInstrumentTimesOutWithoutHanging)
{
    Control("silent\n");
    DWORD start = ::GetTickCount();
    std::string outcome = Outcome([] {
        Command command(TRUE);  // an unanswered probe is accepted
        return std::to_string(command.Gid());
    });
    EXPECT_EQ(outcome, "link -802");
    EXPECT_LT(::GetTickCount() - start, 15000u);
    EXPECT_STREQ(GFCommException(GF_TIMEOUT).GetReportText(), "(Error -802)\n\nCommunication link timed out.\n");
}

TEST_F(WineEndToEnd, AbortMidTransferLeavesNoPartialFile)
{
    WriteRandomFile(drive / "DATA" / "IP" / "BIG.G7K", 4000000, 5);
    std::string outcome = Outcome([] {
        FileTransfer transfer("Import Data");
        transfer.GetStatusDlg().SetConfirmAbort([] { return true; });
        g_abortTarget = &transfer.GetStatusDlg();
        UINT_PTR timer = ::SetTimer(nullptr, 0, 20, PressAbortWhenBusy);
        transfer.Send("TXX C:\\DATA\\IP\\BIG.G7K", 5000);
        transfer.GetLink()->Purge(0);
        transfer.GetStatusDlg().EnableFields(TRUE);
        std::string result;
        try {
            result = std::to_string(transfer.Receive());
        } catch (...) {
            ::KillTimer(nullptr, timer);
            g_abortTarget = nullptr;
            throw;
        }
        ::KillTimer(nullptr, timer);
        g_abortTarget = nullptr;
        return result;
    });
    EXPECT_EQ(outcome, "link -901");
    std::vector<std::string> left = PcFiles();
    EXPECT_TRUE(left.empty()) << left.front();
    EXPECT_STREQ(GFCommException(GF_USER_ABORT).GetReportText(), "(Error -901)\n\nUser cancelled operation.\n");
}

} // namespace
