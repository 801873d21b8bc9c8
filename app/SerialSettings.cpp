#include "framework/Framework.h"
#include "app/SerialSettings.h"

// Until the instrument connection keeps them, the settings live here with
// the profile section and defaults the connection uses.
namespace {

const char kSection[] = "ComPortSettings";
UINT g_nPortIndex = 0;
UINT g_nBaudRate = 38400;

} // namespace

void LoadSerialSettings()
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return;
    g_nPortIndex = pApp->GetProfileInt(kSection, "ComPort", 0);
    g_nBaudRate = pApp->GetProfileInt(kSection, "Baudrate", 38400);
}

UINT GetSerialPortIndex() { return g_nPortIndex; }
UINT GetSerialBaudRate() { return g_nBaudRate; }

void SetSerialSettings(UINT nPortIndex, UINT nBaudRate)
{
    g_nPortIndex = nPortIndex;
    g_nBaudRate = nBaudRate;
}

void ApplySerialBaudRate() {}

void SaveSerialSettings()
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return;
    pApp->WriteProfileInt(kSection, "ComPort", static_cast<int>(g_nPortIndex));
    pApp->WriteProfileInt(kSection, "Baudrate", static_cast<int>(g_nBaudRate));
}
