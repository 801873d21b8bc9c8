// The serial settings' keys in the profile, against the memory store.
#include "framework/Portable.h"
#include "framework/HostServices.h"
#include "framework/MemoryProfileStore.h"
#include "instrument/SerialInterfaceInfo.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

TEST(SerialSettingsProfile, KeysOfTheComPortSettingsSection)
{
    // What the profile holds: a value of "#n" is the number n.
    struct Value { const char* section; const char* key; const char* value; };
    struct Case {
        const char* name;
        std::vector<Value> values;
        int port;
        long baud;
    };
    const Case cases[] = {
        {"empty", {}, 0, 38400},
        {"both", {{"ComPortSettings", "ComPort", "#2"}, {"ComPortSettings", "Baudrate", "#115200"}}, 2, 115200},
        {"names without regard to case", {{"comportsettings", "COMPORT", "#3"}}, 3, 38400},
        {"text is no number", {{"ComPortSettings", "Baudrate", "9600"}}, 0, 38400},
        {"other section", {{"Settings", "ComPort", "#1"}}, 0, 38400},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CMemoryProfileStore store;
        for (const Value& v : c.values) {
            if (v.value[0] == '#')
                store.WriteInt(v.section, v.key, std::atoi(v.value + 1));
            else
                store.WriteString(v.section, v.key, v.value);
        }
        SerialInterfaceInfo info;
        info.SetPortIndex(7);
        info.LoadFrom(store);
        EXPECT_EQ(c.port, info.GetPortIndex());
        EXPECT_EQ(c.baud, info.GetBaudRate());
    }
}

TEST(SerialSettingsProfile, WrittenAsTwoNumbersThroughTheHost)
{
    CMemoryProfileStore store;
    CSilentHostServices host(&store);
    CHostServicesScope installed(host);
    SerialInterfaceInfo info;
    info.SetPortIndex(2);
    info.SetBaudRate(57600);
    info.SaveToProfile();
    EXPECT_EQ("ComPortSettings/Baudrate=#57600\nComPortSettings/ComPort=#2\n", store.Dump());
    SerialInterfaceInfo loaded;
    loaded.LoadFromProfile();
    EXPECT_EQ(2, loaded.GetPortIndex());
    EXPECT_EQ(57600, loaded.GetBaudRate());
}

} // namespace
