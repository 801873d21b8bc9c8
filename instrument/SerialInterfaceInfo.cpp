#include "framework/Portable.h"
#include "instrument/SerialInterfaceInfo.h"

#include "framework/HostServices.h"

void SerialInterfaceInfo::LoadFromProfile()
{
    LoadFrom(GetHostServices().Profile());
}

void SerialInterfaceInfo::SaveToProfile() const
{
    SaveTo(GetHostServices().Profile());
}

void SerialInterfaceInfo::LoadFrom(CProfileStore& store)
{
    m_portIndex = static_cast<int>(store.GetInt(GetSection(), "ComPort", kDefaultPort));
    m_baudRate = static_cast<long>(static_cast<int>(store.GetInt(GetSection(), "Baudrate", kDefaultBaudRate)));
}

void SerialInterfaceInfo::SaveTo(CProfileStore& store) const
{
    store.WriteInt(GetSection(), "ComPort", m_portIndex);
    store.WriteInt(GetSection(), "Baudrate", static_cast<int>(m_baudRate));
}
