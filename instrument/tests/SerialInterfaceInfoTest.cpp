// The serial settings in the application profile.
#include "framework/Framework.h"
#include "framework/HostServices.h"
#include "instrument/SerialInterfaceInfo.h"

#include <gtest/gtest.h>

TEST(SerialInterfaceInfo, EmptyProfileGivesDefaultsAndSavedValuesComeBack)
{
    CWinApp app("G7KSerialProfileTest");
    app.SetRegistryKey("G7KTests");
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\G7KTests");
    // The application's host reads the application object's profile.
    CSilentHostServices host(&app.GetProfileStore());
    CHostServicesScope installed(host);

    SerialInterfaceInfo info;
    info.SetPortIndex(5);
    info.SetBaudRate(1200);
    info.LoadFromProfile();
    EXPECT_EQ(info.GetPortIndex(), 0);
    EXPECT_EQ(info.GetBaudRate(), 38400);

    info.SetPortIndex(2);
    info.SetBaudRate(115200);
    info.SaveToProfile();
    EXPECT_EQ(app.GetProfileInt("ComPortSettings", "ComPort", -1), 2u);
    SerialInterfaceInfo loaded;
    loaded.LoadFromProfile();
    EXPECT_EQ(loaded.GetPortIndex(), 2);
    EXPECT_EQ(loaded.GetBaudRate(), 115200);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\G7KTests");
}
