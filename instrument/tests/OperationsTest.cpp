// The logged instrument operations (installation, removal, import) against
// a scripted instrument: the commands each dialect sends, in order, and
// what the window shows.
#include "ScriptedPort.h"

#include "CPP_ALL/GFComStream.h"
#include "CPP_ALL/GFMonitor.h"
#include "CPP_ALL/GFPlatform.h"
#include "app/G7KException.h"
#include "instrument/Command.h"
#include "instrument/DataImporter.h"
#include "instrument/FileInstaller.h"
#include "instrument/InstrumentTables.h"
#include "instrument/ModuleInstaller.h"
#include "instrument/ModuleRemover.h"
#include "instrument/SerialInterface.h"
#include "instrument/SerialInterfaceInfo.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using namespace std::string_literals;
using Commands = std::vector<std::string>;

class AbortFlagMonitor : public GFMonitor {
public:
    int QueryAbort() override { return aborted ? -901 : 0; }
    bool aborted = false;
};

class RecordingWindow : public IOperationWindow {
public:
    void Log(const char* text) override { log += text; }
    void EnableFields(BOOL) override {}
    void AppendTitle(const char* text) override { title += text; }
    GFMonitor* Monitor() override { return &monitor; }
    BOOL IsAborted() override { return monitor.aborted; }
    void ShowError(const char* text) override { errors += text; }
    void Report(G7KException& e) override { reported = e.GetErrorCode(); }
    void Finish() override { finished = true; }
    void KeepOpen() override { keptOpen = true; }

    std::string log, title, errors;
    int reported = 0;
    bool finished = false;
    bool keptOpen = false;
    AbortFlagMonitor monitor;
};

// Stands in for a ZMODEM exchange: a pseudo command "ZMODEM" on the line,
// which the script answers with the instrument's closing text.
void Transfer(Command& command)
{
    command.GetLink()->WriteString("ZMODEM", '!');
    command.ReadUntil('!', nullptr);
}

// Module files of given sizes; the transfer itself is the instrument's "!".
class TestInstaller : public ModuleInstaller {
public:
    TestInstaller(Command& c, IOperationWindow& w, int mask, std::map<std::string, long> files)
        : ModuleInstaller(c, w, mask, "M"), m_files(std::move(files)) {}
    std::string FindModuleFile(const std::string& name) const override
    {
        return m_files.count(name) ? "M\\" + name : "";
    }

protected:
    bool FileSize(const std::string& path, long& size) const override
    {
        size = m_files.at(path.substr(2));
        return size >= 0;
    }
    void SendFile(const std::string& path) override
    {
        sent.push_back(path);
        Transfer(m_command);
    }

public:
    std::vector<std::string> sent;

private:
    std::map<std::string, long> m_files;
};

class OperationsTest : public testing::Test {
protected:
    void SetUp() override
    {
        GFSetTimeScale(50);
        g_serialInterfaceInfo = SerialInterfaceInfo();
    }
    void TearDown() override
    {
        SerialInterface::Close(TRUE);
        SerialInterface::SetPortFactory(nullptr);
        GFSetTimeScale(1);
    }
    void Script(std::vector<std::string> replies)
    {
        SerialInterface::SetPortFactory([this, replies](int index, int, int) {
            auto p = std::make_unique<ScriptedPort>(replies, index);
            port = p.get();
            return std::unique_ptr<GFComLink>(std::move(p));
        });
    }
    // The probe answer and the connection lines (serial number, version).
    static std::vector<std::string> Connected(bool full, std::vector<std::string> rest)
    {
        std::vector<std::string> replies = {full ? "&" : "\0"s, "#0001234!\r", "#SIM 1\0"s};
        replies.insert(replies.end(), rest.begin(), rest.end());
        return replies;
    }
    Commands Sent() const { return Commands(port->commands.begin() + 3, port->commands.end()); }

    ScriptedPort* port = nullptr;
    RecordingWindow window;
};

TEST_F(OperationsTest, ShortDialectArchiveClearsSendsExpandsAndClearsAgain)
{
    Script(Connected(false, {"#Removed 0!", "#4000000!", "#", "!", "#Expanding!", "#Removed 1!"}));
    Command command(TRUE);
    TestInstaller installer(command, window, 0x2, {{"STDZIP.EXE", 100000}});
    EXPECT_EQ(installer.Run(), 0);
    EXPECT_EQ(Sent(), (Commands{"RMZ!", "DSK!", "INS!", "ZMODEM!", "XPX!", "RMZ!"}));
    EXPECT_EQ(installer.sent, (std::vector<std::string>{"M\\STDZIP.EXE"}));
    EXPECT_TRUE(window.finished);
    EXPECT_EQ(window.title, " (S/N: 0001234)");
    EXPECT_NE(window.log.find("Installation completed successfully"), std::string::npos);
}

TEST_F(OperationsTest, FullDialectWaitsForTheSecondMarkOfTheExpansion)
{
    Script(Connected(true, {"#Removed 0!", "#4000000!", "#", "!Expanding VIKAZIP.EXE!", "#Removed 1!"}));
    Command command(TRUE);
    TestInstaller installer(command, window, 0x4, {{"VIKAZIP.EXE", 10}});
    EXPECT_EQ(installer.Run(), 0);
    EXPECT_EQ(Sent(), (Commands{"DEL G7KZIP.EXE VIKAZIP.EXE PVZIP.EXE RMCZIP.EXE!", "DSK!", "INS VIKAZIP.EXE!",
                                "ZMODEM!", "DEL G7KZIP.EXE VIKAZIP.EXE PVZIP.EXE RMCZIP.EXE!"}));
}

TEST_F(OperationsTest, ProtocolDatabasesNeitherClearNorExpand)
{
    for (bool full : {true, false}) {
        Script(Connected(full, {"#4000000!", "#", "!", "#4000000!", "#", "!"}));
        Command command(TRUE);
        TestInstaller installer(command, window, 0x60, {{"PROTOCOL.BIN", 10}, {"POLYVECT.BIN", 10}});
        EXPECT_EQ(installer.Run(), 0);
        EXPECT_EQ(Sent(), full ? (Commands{"DSK!", "INS PROTOCOL.BIN!", "ZMODEM!", "DSK!", "INS POLYVECT.BIN!", "ZMODEM!"})
                               : (Commands{"DSK!", "KSP!", "ZMODEM!", "DSK!", "PVP!", "ZMODEM!"}));
        SerialInterface::Close(TRUE);
    }
}

TEST_F(OperationsTest, TooLittleRoomOrAMissingFileSkipsOnlyThatModule)
{
    Script(Connected(false, {"#132767!"}));
    Command command(TRUE);
    TestInstaller installer(command, window, 0x20 | 0x40 | 0x100, {{"PROTOCOL.BIN", 100000}, {"LOGZIP.EXE", 5}});
    // PROTOCOL.BIN: no room; POLYVECT.BIN: missing; LOGZIP.EXE: archive, the deletion fails.
    EXPECT_EQ(installer.Run(), -802);
    EXPECT_NE(window.log.find("Required free disk space: 132768 bytes\r\n\tAvailable free disk space: 132767 bytes"),
              std::string::npos);
    EXPECT_EQ(window.errors, "Could not find: POLYVECT.BIN");
    EXPECT_EQ(Sent(), (Commands{"DSK!", "RMZ!"}));
    EXPECT_FALSE(window.finished);
}

TEST_F(OperationsTest, AFailedDeletionKeepsItsRealCode)
{
    Script(Connected(false, {"#ERR 09?"}));
    Command command(TRUE);
    TestInstaller installer(command, window, 0x1, {{"DEZUDEZ.EXE", 5}});
    EXPECT_EQ(installer.Run(), -1);  // the instrument's error, not "User cancelled"
    EXPECT_EQ(window.reported, -1);
    EXPECT_TRUE(window.keptOpen);  // the log stays readable
    EXPECT_FALSE(window.finished);
}

// Leftovers of an earlier transfer where the serial number belongs.
TEST_F(OperationsTest, AnUnrecognisedSerialNumberEndsTheRunWithoutOk)
{
    Script({"&", "#B0100000000"});
    Command command(TRUE);
    const std::vector<std::string> paths = {"C:\\DATA\\SP\\A.G7K"};
    EXPECT_EQ(DataImporter(command, window, "D:\\IMPORT", &paths).Run(), 1001);
    EXPECT_EQ(window.reported, 1001);
    EXPECT_EQ(window.log.find("Ok!"), std::string::npos) << window.log;
    EXPECT_NE(window.log.find(" --- (Error 1001) Could not recognize response as a Geovolt GVX7000/GVX2000. ---"),
              std::string::npos)
        << window.log;
    EXPECT_EQ(window.title, "");
    EXPECT_EQ(port->commands, (Commands{"?", "GID!"}));  // no version, no import
}

TEST_F(OperationsTest, RemovalSendsTheCommandOfEachDialect)
{
    for (bool full : {true, false}) {
        Script(Connected(full, {"#Removed 2!", "#Removed 1!"}));
        Command command(TRUE);
        EXPECT_EQ(ModuleRemover(command, window, 0x2 | 0x20).Run(), 0);
        EXPECT_EQ(Sent(), full ? (Commands{"DEL G7KVIKA.EXE PROTOCOL.BIN!", "DEL *TEST.EXE!"})
                               : (Commands{"RMV!", "RMT!"}));
        SerialInterface::Close(TRUE);
    }
    EXPECT_NE(window.log.find("Remove modules completed successfully"), std::string::npos);
}

TEST_F(OperationsTest, AnAbortedRemovalSaysSo)
{
    Script(Connected(true, {"#Removed 2!"}));
    Command command(TRUE);
    window.monitor.aborted = true;
    EXPECT_EQ(ModuleRemover(command, window, 0x1 | 0x2).Run(), -901);
    EXPECT_TRUE(Sent().empty());
    EXPECT_NE(window.log.find("Remove modules aborted"), std::string::npos);
    EXPECT_EQ(window.log.find("completed successfully"), std::string::npos);
    EXPECT_FALSE(window.finished);
}

TEST_F(OperationsTest, AnUnansweredRemovalEndsInsteadOfWaitingForever)
{
    Script(Connected(true, {"#Working"}));
    Command command(TRUE);
    command.SetReadUntilTimeout(5000);
    EXPECT_EQ(ModuleRemover(command, window, 0x1).Run(), -802);
    EXPECT_EQ(window.reported, -802);
}

class SilentTransfers : public FileInstaller {
public:
    using FileInstaller::FileInstaller;

protected:
    void SendFile(const std::string&) override { Transfer(m_command); }
};

TEST_F(OperationsTest, FileInstallationSendsEachFullPathInOrder)
{
    Script(Connected(false, {"#", "!", "#", "!"}));
    Command command(TRUE);
    SilentTransfers installer(command, window, {"C:\\My Protocols\\A.XYZ", "C:\\My Protocols\\B.XYZ"});
    EXPECT_EQ(installer.Run(), 0);
    EXPECT_EQ(Sent(), (Commands{"INS C:\\My Protocols\\A.XYZ!", "ZMODEM!", "INS C:\\My Protocols\\B.XYZ!", "ZMODEM!"}));
    EXPECT_EQ(SingleFileSpec("C:\\My Protocols\\A;1.XYZ"), "\"C:\\My Protocols\\A;1.XYZ\"");
}

class SilentImporter : public DataImporter {
public:
    using DataImporter::DataImporter;

protected:
    void ReceiveFiles() override { Transfer(m_command); }
};

TEST_F(OperationsTest, ImportSendsOneCommandPerFileOrTheFourImportAllCommands)
{
    Script(Connected(true, {"#", "!", "#", "!"}));
    Command command(TRUE);
    const std::vector<std::string> paths = {"C:\\DATA\\SP\\A.G7K", "C:\\DATA\\IP\\B.G7K"};
    EXPECT_EQ(SilentImporter(command, window, "D:\\IMPORT", &paths).Run(), 0);
    EXPECT_EQ(Sent(), (Commands{"TXX C:\\DATA\\SP\\A.G7K!", "ZMODEM!", "TXX C:\\DATA\\IP\\B.G7K!", "ZMODEM!"}));
    EXPECT_NE(window.log.find("\r\nImporting C:\\DATA\\SP\\A.G7K to D:\\IMPORT"), std::string::npos);

    SerialInterface::Close(TRUE);
    Script(Connected(true, {"#", "!", "#", "!", "#", "!", "#", "ERR 04?"}));
    Command all(TRUE);
    EXPECT_EQ(SilentImporter(all, window, "D:\\IMPORT", nullptr).Run(), -1);
    EXPECT_EQ(Sent(), (Commands{"TXS!", "ZMODEM!", "TXR!", "ZMODEM!", "TXI!", "ZMODEM!", "TXG!", "ZMODEM!"}));
}

} // namespace
