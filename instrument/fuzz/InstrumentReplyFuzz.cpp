// The replies read by the calibration, installation, removal and import
// steps, fed arbitrary bytes through a scripted instrument. The first byte
// picks the operation and dialect; the rest, cut at each 0xFF, gives one
// reply per command. Each must end in a result or one of the client's
// exceptions and give its share of the connection back; the calibration
// reply parsers must take only what reads back the same.
#include "framework/Portable.h"

#include "CPP_ALL/GFMonitor.h"
#include "CPP_ALL/GFPlatform.h"
#include "app/G7KException.h"
#include "instrument/CalibrationCommand.h"
#include "instrument/Command.h"
#include "instrument/DataImporter.h"
#include "instrument/ModuleInstaller.h"
#include "instrument/ModuleRemover.h"
#include "instrument/SerialInterface.h"
#include "instrument/tests/ScriptedPort.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Replies(const uint8_t* data, size_t size)
{
    std::vector<std::string> replies(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0xFF)
            replies.emplace_back();
        else
            replies.back() += static_cast<char>(data[i]);
    }
    return replies;
}

class SilentWindow : public IOperationWindow {
public:
    void Log(const char*) override {}
    void EnableFields(BOOL) override {}
    void AppendTitle(const char*) override {}
    GFMonitor* Monitor() override { return &m_monitor; }
    BOOL IsAborted() override { return FALSE; }
    void ShowError(const char*) override {}
    void Report(G7KException&) override {}
    void Finish() override {}
    void KeepOpen() override {}

private:
    GFMonitor m_monitor;
};

// No file system and no ZMODEM: the replies around them are what counts.
class FakeInstaller : public ModuleInstaller {
public:
    using ModuleInstaller::ModuleInstaller;
    std::string FindModuleFile(const std::string& name) const override { return "M\\" + name; }

protected:
    bool FileSize(const std::string&, long& size) const override { size = 1000; return true; }
    void SendFile(const std::string&) override { m_command.ReadUntil('!', nullptr); }
};

class FakeImporter : public DataImporter {
public:
    using DataImporter::DataImporter;

protected:
    void ReceiveFiles() override { m_command.ReadUntil('!', nullptr); }
};

void CheckParsers(const std::string& reply)
{
    double out[4];
    if (ParseOutputParametersReply(reply.c_str(), out)) {
        // What was read goes back out unchanged.
        const std::string command = OutputParametersCommand(out);
        double again[4];
        std::string values = command.substr(6, command.size() - 7);
        for (char& c : values)
            c = c == ',' ? ' ' : c;
        if (!ParseOutputParametersReply(values.c_str(), again))
            std::abort();
        for (int i = 0; i < 4; ++i)
            if (std::isfinite(out[i]) && again[i] != out[i])
                std::abort();
    }
    long offset = 0;
    double l = 0, m = 0, h = 0;
    ParseInputParametersReply(reply.c_str(), offset, l, m, h);
}

void Operate(int operation)
{
    CalibrationParameters p = CalibrationParameters::Defaults();
    SilentWindow window;
    switch (operation) {
    case 0: {
        CalibrationCommand command(nullptr);
        command.ReadAll(p);
        break;
    }
    case 1: {
        CalibrationCommand command(nullptr);
        const bool all[5] = {true, true, true, true, true};
        command.WriteGroups(p, all);
        break;
    }
    case 2: {
        Command command(TRUE);
        FakeInstaller(command, window, 0x1FF, "M").Run();
        break;
    }
    case 3: {
        Command command(TRUE);
        ModuleRemover(command, window, 0x7F).Run();
        break;
    }
    default: {
        Command command(TRUE);
        FakeImporter(command, window, "F", nullptr).Run();
        break;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    GFSetTimeScale(10000);
    std::vector<std::string> replies = Replies(data + 1, size - 1);
    for (const std::string& reply : replies)
        CheckParsers(reply);
    SerialInterface::SetPortFactory([&replies](int index, int, int) {
        return std::unique_ptr<GFComLink>(std::make_unique<ScriptedPort>(replies, index));
    });
    try {
        Operate(data[0] % 5);
    } catch (G7KException&) {
    }
    SerialInterface::SetPortFactory(nullptr);
    if (SerialInterface::GetRefCount() != 0 || SerialInterface::GetStream() != nullptr)
        std::abort();
    return 0;
}
