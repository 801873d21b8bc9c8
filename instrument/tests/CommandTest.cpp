// The command client against a scripted instrument.
#include "Outcome.h"
#include "ScriptedPort.h"

#include "CPP_ALL/GFComStream.h"
#include "CPP_ALL/GFMonitor.h"
#include "CPP_ALL/GFPlatform.h"
#include "app/G7KClientException.h"
#include "instrument/Command.h"
#include "instrument/GFCommException.h"
#include "instrument/SerialInterface.h"
#include "instrument/SerialInterfaceInfo.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using namespace std::string_literals;

class AbortedMonitor : public GFMonitor {
public:
    int QueryAbort() override { return GF_USER_ABORT; }
};

class CommandTest : public testing::Test {
protected:
    void SetUp() override
    {
        GFSetTimeScale(50);  // the protocol's seconds pass in tens of milliseconds
        g_serialInterfaceInfo = SerialInterfaceInfo();
    }
    void TearDown() override
    {
        SerialInterface::Close(TRUE);
        SerialInterface::SetPortFactory(nullptr);
        GFSetTimeScale(1);
    }

    // The next connection plays these replies, one per command.
    void Script(std::vector<std::string> replies)
    {
        SerialInterface::SetPortFactory([this, replies](int index, int, int) {
            ++opened;
            auto p = std::make_unique<ScriptedPort>(replies, index);
            port = p.get();
            return std::unique_ptr<GFComLink>(std::move(p));
        });
    }

    ScriptedPort* port = nullptr;
    int opened = 0;
};

struct Case {
    const char* name;
    bool probe;
    std::vector<std::string> replies;
    std::function<std::string(Command&)> operation;
    std::string expected;
};

std::string Str(long v) { return std::to_string(v); }

long Baud(GFComLink& port)
{
    long baud = 0;
    char parity = 0;
    int dataBits = 0, stopBits = 0;
    port.GetParameters(baud, parity, dataBits, stopBits);
    return baud;
}

const Case kCases[] = {
    {"probe_full", true, {"&"}, [](Command& c) { return Str(c.GetProbeReply()); }, "38"},
    {"probe_short", true, {"\0"s}, [](Command& c) { return Str(c.GetProbeReply()); }, "0"},
    {"probe_silent", true, {}, [](Command& c) { return Str(c.GetProbeReply()); }, "0"},
    {"version", false, {"#GVX 2.1\0"s}, [](Command& c) { CString v; c.Ver(v); return std::string(v); },
     "GVX 2.1"},
    {"version_cut_short", false, {"#GVX"}, [](Command& c) { CString v; c.Ver(v); return std::string(v); },
     "link -802"},
    {"no_acknowledgement", false, {}, [](Command& c) { return Str(c.Gid()); }, "link -802"},
    {"error_instead_of_ack", false, {"ERR 05!\r\n"}, [](Command& c) { c.Send("STY 1", 5000); return "sent"s; },
     "instrument 'ERR 05!'"},
    {"other_ack_byte", false, {"X"}, [](Command& c) { c.Send("STY 1", 5000); return "sent"s; }, "sent"},
    {"serial", false, {"#0012345!\r"}, [](Command& c) { return Str(c.Gid()); }, "12345"},
    {"serial_error", false, {"#ERR 05!\r\n"}, [](Command& c) { return Str(c.Gid()); }, "instrument 'ERR 05!'"},
    {"serial_not_a_number", false, {"#N/A    !\r"}, [](Command& c) { return Str(c.Gid()); }, "-1"},
    {"type", false, {"#1!"}, [](Command& c) { return Str(c.Gty()); }, "1"},
    {"type_error", false, {"#ERR 07!\r\n"}, [](Command& c) { return Str(c.Gty()); }, "instrument 'ERR 07!'"},
    {"type_missing", false, {"#"}, [](Command& c) { return Str(c.Gty()); }, "link -802"},
    {"converter", false, {"#2!"}, [](Command& c) { return Str(c.Gdc()); }, "2"},
    {"converter_error", false, {"#ERR 08!\r\n"}, [](Command& c) { return Str(c.Gdc()); },
     "instrument 'ERR 08!'"},
    {"free_space", false, {"#132767!"}, [](Command& c) { return Str(c.Dsk()); }, "132767"},
    {"free_space_error", false, {"#ERR 05!\r\n"}, [](Command& c) { return Str(c.Dsk()); },
     "instrument 'ERR 05!'"},
    {"listing", false, {"#!\nFILE1.G7K 10 2021-03-07 09:05\r\nFILE2.G7K\r\n!\n!\n!\n"},
     [](Command& c) {
         CStringArray list;
         int n = c.Dir("C:\\DATA\\RES\\", list);
         std::string s = Str(n);
         for (int i = 0; i < list.GetSize(); ++i)
             s += "|" + std::string(list[i]);
         return s;
     },
     "2|FILE1.G7K 10 2021-03-07 09:05|FILE2.G7K"},
    {"listing_error", false, {"#ERR 05!\r\n"},
     [](Command& c) {
         CStringArray list;
         return Str(c.Dir("C:\\DATA\\RES\\", list));
     },
     "instrument 'ERR 05!'"},
    {"long_command_done", false, {"#Removed 2 file(s)!"},
     [](Command& c) { c.Send("RMS", 5000); return Str(c.ReadUntil('!', nullptr)); }, "1"},
    {"long_command_error", false, {"#E12?"},
     [](Command& c) { c.Send("RMS", 5000); return Str(c.ReadUntil('!', nullptr)); }, "instrument 'E12?'"},
    {"long_command_bare_error", false, {"#?"},
     [](Command& c) { c.Send("RMS", 5000); return Str(c.ReadUntil('!', nullptr)); }, "instrument '?'"},
    {"long_command_silent", false, {"#Working"},
     [](Command& c) {
         c.SetReadUntilTimeout(10000);
         c.Send("RMS", 5000);
         return Str(c.ReadUntil('!', nullptr));
     },
     "link -802"},
    {"long_command_aborted", false, {"#Working"},
     [](Command& c) {
         AbortedMonitor monitor;
         c.Send("RMS", 5000);
         return Str(c.ReadUntil('!', &monitor));
     },
     "link -901"},
};

class CommandCase : public CommandTest, public testing::WithParamInterface<Case> {};

TEST_P(CommandCase, AnswersOrFails)
{
    const Case& c = GetParam();
    Script(c.replies);
    EXPECT_EQ(Outcome([&] {
                  Command command(c.probe);
                  return c.operation(command);
              }),
              c.expected);
    EXPECT_EQ(SerialInterface::GetRefCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Wire, CommandCase, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CommandTest, ProbeAnsweredWithAnotherByteIsNotAnInstrument)
{
    Script({"A"});
    EXPECT_EQ(Outcome([] { Command c(TRUE); return "made"s; }), "error 1001");
    EXPECT_EQ(SerialInterface::GetRefCount(), 0);  // the failed constructor gave its share back
}

TEST_F(CommandTest, LongCommandThatNeverEndsItsTextStopsAtTheLimit)
{
    Script({"#" + std::string(100000, '.')});  // talks on, never "!"
    Command c(FALSE);
    c.SetReadUntilLimit(500);
    c.Send("RMS", 5000);
    EXPECT_EQ(Outcome([&] { return Str(c.ReadUntil('!', nullptr)); }), "link -802");
    GFQueueStatus status;
    port->GetQueueStatus(status);
    EXPECT_GT(status.inCount, 0);  // given up while the instrument still talked
}

TEST_F(CommandTest, CommandsGoOutExactlyWithTerminatorAndProbe)
{
    Script({"&", "#", "#", "#"});
    Command c(TRUE);
    c.Sid(42);
    c.Sty(1);
    c.Sdc(2);
    EXPECT_EQ(port->written, "?SID 0000042!STY 1!SDC 2!");
}

TEST_F(CommandTest, ConnectionIsSharedAndConfigured)
{
    g_serialInterfaceInfo.SetPortIndex(2);
    g_serialInterfaceInfo.SetBaudRate(115200);
    int index = -1;
    Script({});
    SerialInterface::PortFactory inner = [&](int i, int, int) {
        index = i;
        ++opened;
        auto p = std::make_unique<ScriptedPort>(std::vector<std::string>{}, i);
        port = p.get();
        return std::unique_ptr<GFComLink>(std::move(p));
    };
    SerialInterface::SetPortFactory(inner);

    auto first = std::make_unique<Command>(FALSE);
    {
        Command second(FALSE);
        EXPECT_EQ(SerialInterface::GetRefCount(), 2);
    }
    EXPECT_EQ(SerialInterface::GetRefCount(), 1);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(index, 2);
    EXPECT_EQ(Baud(*port), 115200);
    int in = 0, out = 0;
    port->GetFlowControl(in, out);
    EXPECT_EQ(in, GF_FLOW_DTR);
    EXPECT_EQ(out, GF_FLOW_DSR);

    g_serialInterfaceInfo.SetBaudRate(9600);
    SerialInterface::ApplyBaudRate();
    EXPECT_EQ(Baud(*port), 9600);
    first.reset();
    EXPECT_EQ(SerialInterface::GetRefCount(), 0);
    EXPECT_EQ(SerialInterface::GetStream(), nullptr);
}

TEST_F(CommandTest, PortThatFailedToOpenIsReported)
{
    SerialInterface::SetPortFactory([](int i, int, int) {
        auto p = std::make_unique<ScriptedPort>(std::vector<std::string>{}, i);
        p->FailOpen(GF_GENERAL);
        return std::unique_ptr<GFComLink>(std::move(p));
    });
    EXPECT_EQ(Outcome([] { Command c(TRUE); return "made"s; }), "link -801");
    EXPECT_EQ(SerialInterface::GetRefCount(), 0);

    SerialInterface::SetPortFactory([](int, int, int) { return std::unique_ptr<GFComLink>(); });
    EXPECT_EQ(Outcome([] { Command c(TRUE); return "made"s; }), "link -828");
}

TEST(GFCommExceptionTest, ReportsTheLibraryText)
{
    EXPECT_STREQ(GFCommException(-901).GetReportText(), "(Error -901)\n\nUser cancelled operation.\n");
    EXPECT_STREQ(GFCommException(-838).GetReportText(), "(Error -838)\n\n*** Unknown error message ***.\n");
}

} // namespace
