// The serial settings kept in the profile section "ComPortSettings": the
// COM port index (0 is COM1) and the baud rate.
#pragma once

#include "framework/Portable.h"

class CProfileStore;

class SerialInterfaceInfo {
public:
    static constexpr int kDefaultPort = 0;
    static constexpr long kDefaultBaudRate = 38400;

    const char* GetSection() const { return "ComPortSettings"; }
    int GetPortIndex() const { return m_portIndex; }
    long GetBaudRate() const { return m_baudRate; }
    void SetPortIndex(int index) { m_portIndex = index; }
    void SetBaudRate(long baud) { m_baudRate = baud; }

    // Read at start-up and written back by the application's exit path
    // (not by a destructor of a global, which runs after the application
    // object and its profile are gone), through the host's profile.
    void LoadFromProfile();
    void SaveToProfile() const;
    // "ComPort" and "Baudrate" numbers of the section.
    void LoadFrom(CProfileStore& store);
    void SaveTo(CProfileStore& store) const;

private:
    int m_portIndex = kDefaultPort;
    long m_baudRate = kDefaultBaudRate;
};

extern SerialInterfaceInfo g_serialInterfaceInfo;
