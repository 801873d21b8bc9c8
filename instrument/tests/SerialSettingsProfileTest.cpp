// The serial settings' keys in the profile, against the memory store.
#include "framework/Portable.h"
#include "framework/HostServices.h"
#include "framework/MemoryProfileStore.h"
#include "instrument/SerialInterfaceInfo.h"

#include <gtest/gtest.h>

namespace {

TEST(SerialSettingsProfile, KeysOfTheComPortSettingsSection)
{
    struct Case {
        const char* name;
        void (*fill)(CMemoryProfileStore&);
        int port;
        long baud;
    };
    const Case cases[] = {
        {"empty", [](CMemoryProfileStore&) {}, 0, 38400},
        {"both", [](CMemoryProfileStore& s) { s.WriteInt("ComPortSettings", "ComPort", 2); s.WriteInt("ComPortSettings", "Baudrate", 115200); }, 2, 115200},
        {"names without regard to case", [](CMemoryProfileStore& s) { s.WriteInt("comportsettings", "COMPORT", 3); }, 3, 38400},
        {"text is no number", [](CMemoryProfileStore& s) { s.WriteString("ComPortSettings", "Baudrate", "9600"); }, 0, 38400},
        {"other section", [](CMemoryProfileStore& s) { s.WriteInt("Settings", "ComPort", 1); }, 0, 38400},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CMemoryProfileStore store;
        c.fill(store);
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
