#include "framework/Framework.h"
#include "app/SerialSettings.h"
#include "instrument/SerialInterface.h"
#include "instrument/SerialInterfaceInfo.h"

void LoadSerialSettings() { g_serialInterfaceInfo.LoadFromProfile(); }
UINT GetSerialPortIndex() { return static_cast<UINT>(g_serialInterfaceInfo.GetPortIndex()); }
UINT GetSerialBaudRate() { return static_cast<UINT>(g_serialInterfaceInfo.GetBaudRate()); }

void SetSerialSettings(UINT nPortIndex, UINT nBaudRate)
{
    g_serialInterfaceInfo.SetPortIndex(static_cast<int>(nPortIndex));
    g_serialInterfaceInfo.SetBaudRate(static_cast<long>(nBaudRate));
}

void ApplySerialBaudRate() { SerialInterface::ApplyBaudRate(); }
void SaveSerialSettings() { g_serialInterfaceInfo.SaveToProfile(); }
