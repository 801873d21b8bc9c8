// The command client fed arbitrary replies through a scripted instrument.
// The first byte picks the probe and the operation; the rest, cut at each
// 0xFF, gives one reply per command. Every operation must end in a result
// or in one of the client's exceptions, and give its share back.
#include "framework/Portable.h"

#include "CPP_ALL/GFPlatform.h"
#include "app/G7KException.h"
#include "instrument/Command.h"
#include "instrument/SerialInterface.h"
#include "instrument/tests/ScriptedPort.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
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

void Operate(Command& command, int operation)
{
    CString text;
    CStringArray list;
    switch (operation) {
    case 0: command.Ver(text); break;
    case 1: command.Dsk(); break;
    case 2: command.Gid(); break;
    case 3: command.Gty(); break;
    case 4: command.Gdc(); break;
    case 5: command.Dir("\\DATA", list); break;
    case 6: command.Sid(1234567); break;
    default:
        command.Send("RMS", Command::kAckTimeout);
        command.ReadUntil('!', nullptr);
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    GFSetTimeScale(10000);  // the protocol's seconds pass in a tenth of a millisecond
    std::vector<std::string> replies = Replies(data + 1, size - 1);
    SerialInterface::SetPortFactory([&replies](int index, int, int) {
        return std::unique_ptr<GFComLink>(std::make_unique<ScriptedPort>(replies, index));
    });
    try {
        Command command(data[0] & 1);
        command.SetReadUntilTimeout(5000);
        command.SetReadUntilLimit(20000);
        for (int i = 0; i < 2; ++i)
            Operate(command, (data[0] >> (1 + 3 * i)) & 7);
    } catch (G7KException&) {
    }
    SerialInterface::SetPortFactory(nullptr);
    if (SerialInterface::GetRefCount() != 0 || SerialInterface::GetStream() != nullptr)
        std::abort();
    return 0;
}
