#include "instrument/SerialInterfaceInfo.h"

void SerialInterfaceInfo::LoadFromProfile()
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return;
    m_portIndex = static_cast<int>(app->GetProfileInt(GetSection(), "ComPort", kDefaultPort));
    m_baudRate = static_cast<long>(app->GetProfileInt(GetSection(), "Baudrate", kDefaultBaudRate));
}

void SerialInterfaceInfo::SaveToProfile() const
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return;
    app->WriteProfileInt(GetSection(), "ComPort", m_portIndex);
    app->WriteProfileInt(GetSection(), "Baudrate", static_cast<int>(m_baudRate));
}
