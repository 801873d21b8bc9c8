// Calibration parameters: the ".g7c" file, the ranges, the command texts and
// the reply parsing, and the "CAL" commands against a scripted instrument.
#include "Outcome.h"
#include "ScriptedPort.h"

#include "CPP_ALL/GFPlatform.h"
#include "instrument/CalibrationCommand.h"
#include "instrument/CalibrationParameters.h"
#include "instrument/SerialInterface.h"
#include "instrument/SerialInterfaceInfo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <cstring>
#include <limits>

namespace {

using namespace std::string_literals;

std::string Hex(const std::string& bytes)
{
    std::string out;
    char b[4];
    for (unsigned char c : bytes) {
        std::snprintf(b, sizeof b, "%02x", c);
        out += b;
    }
    return out;
}

TEST(CalibrationFile, DefaultsHaveTheirExactBytes)
{
    const std::string bytes = EncodeCalibrationFile(CalibrationParameters::Defaults());
    ASSERT_EQ(bytes.size(), 144u);
    EXPECT_EQ(Hex(bytes),
              "d34d621058390fc0" "e17a14ae47316940" "f853e3a59bc4ecbf" "6666666666660a40"
              "0c490f000c490f000c490f000c490f00"
              "b253e6c50de83a3fb253e6c50de83a3fb253e6c50de83a3fb253e6c50de83a3f"
              "c130b6122eebe43ec130b6122eebe43ec130b6122eebe43ec130b6122eebe43e"
              "179b6c975e43903e179b6c975e43903e179b6c975e43903e179b6c975e43903e");
}

TEST(CalibrationFile, ReadsBackBitForBit)
{
    CalibrationParameters p = CalibrationParameters::Defaults();
    p.output[1] = 199.99999999999997;
    p.offset[2] = 1200000;
    p.high[3] = 3.0000000000000004e-07;
    CalibrationParameters read{};
    std::string error;
    ASSERT_TRUE(DecodeCalibrationFile(EncodeCalibrationFile(p), read, error)) << error;
    EXPECT_EQ(std::memcmp(&read, &p, sizeof p), 0);
}

TEST(CalibrationFile, RefusesAnythingButValidValuesInExactlyTheRightSize)
{
    const std::string good = EncodeCalibrationFile(CalibrationParameters::Defaults());
    auto withDouble = [&](size_t at, double v) {
        std::string b = good;
        std::memcpy(&b[at], &v, sizeof v);
        return b;
    };
    auto withOffset = [&](size_t at, int32_t v) {
        std::string b = good;
        std::memcpy(&b[at], &v, sizeof v);
        return b;
    };
    const struct { const char* name; std::string bytes; } cases[] = {
        {"empty", ""},
        {"short", good.substr(0, 143)},
        {"long", good + "x"},
        {"nan", withDouble(0, std::numeric_limits<double>::quiet_NaN())},
        {"infinite", withDouble(136, std::numeric_limits<double>::infinity())},
        {"scale out of range", withDouble(8, 210.5)},
        {"offset out of range", withOffset(44, 1200001)},
        {"gain out of range", withDouble(80, 2.1e-05)},
    };
    for (const auto& c : cases) {
        CalibrationParameters p = CalibrationParameters::Defaults();
        p.offset[0] = 900000;
        std::string error;
        EXPECT_FALSE(DecodeCalibrationFile(c.bytes, p, error)) << c.name;
        EXPECT_FALSE(error.empty()) << c.name;
        EXPECT_EQ(p.offset[0], 900000) << c.name << ": fields changed";
    }
}

TEST(CalibrationFile, SavesOverAnOlderFileAndLoadsItBack)
{
    const std::string path = testing::TempDir() + "cal-test.g7c";
    std::ofstream(path, std::ios::binary) << "an older, longer file than any calibration file could ever be";
    CalibrationParameters p = CalibrationParameters::Defaults();
    p.offset[0] = 1000001;
    std::string error;
    ASSERT_TRUE(SaveCalibrationFile(path, p, error)) << error;
    CalibrationParameters read = CalibrationParameters::Defaults();
    ASSERT_TRUE(LoadCalibrationFile(path, read, error)) << error;
    EXPECT_EQ(read.offset[0], 1000001);
    std::ofstream(path, std::ios::binary | std::ios::app) << "x";
    EXPECT_FALSE(LoadCalibrationFile(path, read, error));
    std::remove(path.c_str());
}

TEST(CalibrationRanges, AcceptTheLimitsAndRefuseBeyond)
{
    const struct { int field; double value; bool valid; } cases[] = {
        {0, -10.0, true}, {0, 10.0001, false}, {1, 190.0, true}, {1, 189.99, false},
        {3, 4.0, true},   {3, 4.01, false},    {4, 800000, true}, {7, 1200001, false},
        {5, 1000000.5, false}, {8, 0.0005, true}, {11, 0.00034, false},
        {12, 8e-06, true}, {15, 2.1e-05, false}, {16, 4e-07, true}, {19, 1.9e-07, false},
        {2, std::numeric_limits<double>::quiet_NaN(), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsValidCalibrationValue(c.field, c.value), c.valid) << c.field << " " << c.value;
    CalibrationParameters p = CalibrationParameters::Defaults();
    EXPECT_EQ(FindInvalidCalibrationField(p), -1);
    p.offset[1] = 1200001;
    EXPECT_EQ(FindInvalidCalibrationField(p), 5);
    EXPECT_EQ(kCalibrationFields[5].controlId, 1045);
}

TEST(CalibrationNames, ProposeSerialAndTimeToTheMinute)
{
    std::tm t{};
    t.tm_year = 121;
    t.tm_mon = 2;
    t.tm_mday = 7;
    t.tm_hour = 9;
    t.tm_min = 5;
    t.tm_sec = 59;
    EXPECT_EQ(ProposedCalibrationFileName(1234, t), "0001234-2021-03-07-09-05");
    EXPECT_EQ(ProposedCalibrationFileName(-1, t), "");
    EXPECT_EQ(CalibrationFilePattern(1234), "0001234*");
    EXPECT_EQ(CalibrationFilePattern(-1), "");
}

TEST(CalibrationWire, WritesTheShortestTextThatReadsBack)
{
    const double output[4] = {-3.903, 201.54, 0.1 + 0.2, 3.3};
    EXPECT_EQ(OutputParametersCommand(output), "CAL 0,-3.903,201.54,0.30000000000000004,3.3!");
    EXPECT_EQ(InputParametersCommand(3, 1001740, 0.00041056, 9.9748e-06, 2.4234e-07),
              "CAL 3,1001740,0.00041056,9.9748e-06,2.4234e-07!");
    for (double v : {0.00041056, 1.0 / 3.0, -8.123456789012e-06, 1e300})
        EXPECT_EQ(std::strtod(ShortestNumberText(v).c_str(), nullptr), v);
}

TEST(CalibrationWire, TakesARepliesOnlyWhenEveryValueParses)
{
    const struct { const char* reply; bool ok; } outputCases[] = {
        {"-3.903 201.54 -0.899 3.3!\r\n", true},
        {"-3.903 201.54 -0.899 3.3", true},
        {"+1 2e2 3 4!", true},
        {"-3.903 201.54 -0.899!", false},
        {"-3.903 201.54 -0.899 3,3!", false},
        {"-3.903 201.54 x 3.3!", false},
        {"1 2 3 nan!", false},
        {"", false},
    };
    for (const auto& c : outputCases) {
        double out[4] = {7, 7, 7, 7};
        EXPECT_EQ(ParseOutputParametersReply(c.reply, out), c.ok) << c.reply;
        if (!c.ok) {
            EXPECT_EQ(out[0], 7) << c.reply;
        }
    }
    long offset = 0;
    double l = 0, m = 0, h = 0;
    EXPECT_TRUE(ParseInputParametersReply("1001740 0.00041056 9.9748e-06 2.4234e-07!\r\n", offset, l, m, h));
    EXPECT_EQ(offset, 1001740);
    EXPECT_EQ(m, 9.9748e-06);
    EXPECT_FALSE(ParseInputParametersReply("1001740.5 0.00041056 9.9748e-06 2.4234e-07!", offset, l, m, h));
    EXPECT_FALSE(ParseInputParametersReply("99999999999 0.1 0.1 0.1!", offset, l, m, h));
    EXPECT_FALSE(ParseInputParametersReply("1001740 0.00041056 9.9748e-06!", offset, l, m, h));
}

class RecordingLog : public IStatusLog {
public:
    void AppendText(const char* text) override { log += text; }
    std::string log;
};

class CalibrationCommandTest : public testing::Test {
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
    ScriptedPort* port = nullptr;
    RecordingLog log;
};

TEST_F(CalibrationCommandTest, ReadsEveryChannel)
{
    Script({"&", "#-3.903 201.54 -0.899 3.3!\r\n", "#1001741 0.0004 1e-05 3e-07!\r\n",
            "#1001742 0.0004 1e-05 3e-07!\r\n", "#1001743 0.0004 1e-05 3e-07!\r\n",
            "#1001744 0.0004 1e-05 3e-07!\r\n"});
    CalibrationParameters p{};
    CalibrationCommand command(&log);
    command.ReadAll(p);
    EXPECT_EQ(p.output[1], 201.54);
    EXPECT_EQ(p.offset[3], 1001744);
    EXPECT_EQ(p.high[2], 3e-07);
    EXPECT_EQ(port->commands, (std::vector<std::string>{"?", "CAL 0!", "CAL 1!", "CAL 2!", "CAL 3!", "CAL 4!"}));
    EXPECT_EQ(log.log.substr(0, 51), "\r\nReading output parameters... Ok!\r\nReading input p");
}

TEST_F(CalibrationCommandTest, RefusesShortMissingAndErrorReplies)
{
    const struct { const char* name; std::vector<std::string> replies; std::string expected; } cases[] = {
        {"fewer fields", {"&", "#-3.903 201.54 -0.899!\r\n"}, "instrument '-3.903 201.54 -0.899!'"},
        {"missing", {"&", "#"}, "link -802"},
        {"error", {"&", "#ERR 05!\r\n"}, "instrument 'ERR 05!'"},
        {"second channel short", {"&", "#1 200 1 3!", "#1001740 0.0004!"}, "instrument '1001740 0.0004!'"},
    };
    for (const auto& c : cases) {
        Script(c.replies);
        CalibrationParameters p = CalibrationParameters::Defaults();
        const std::string outcome = Outcome([&] {
            CalibrationCommand command(nullptr);
            command.ReadAll(p);
            return "read"s;
        });
        EXPECT_EQ(outcome, c.expected) << c.name;
        EXPECT_EQ(p.output[0], -3.903) << c.name << ": nothing is taken from a failed read";
    }
}

TEST_F(CalibrationCommandTest, WritesOnlyTheCheckedGroups)
{
    Script({"&", "#Calibration stored!", ""});
    CalibrationParameters p = CalibrationParameters::Defaults();
    const bool groups[5] = {false, false, false, true, false};
    CalibrationCommand command(&log);
    command.WriteGroups(p, groups);
    EXPECT_EQ(port->commands,
              (std::vector<std::string>{"?", "CAL 3,1001740,0.00041056,9.9748e-06,2.4234e-07!", "!"}));
    EXPECT_EQ(log.log, "\r\nWriting input parameters, channel #3... Ok!");
}

TEST_F(CalibrationCommandTest, AnErrorEndsTheWritesAtItsGroup)
{
    Script({"&", "#Calibration stored!", "", "#ERR 06?", ""});
    const bool groups[5] = {true, true, true, false, false};
    CalibrationCommand command(nullptr);
    const std::string outcome = Outcome([&] {
        command.WriteGroups(CalibrationParameters::Defaults(), groups);
        return "written"s;
    });
    EXPECT_EQ(outcome, "instrument 'ERR 06?'");
    EXPECT_EQ(port->commands.size(), 5u);  // probe, output, its "!", channel 1, its "!"
}

} // namespace
