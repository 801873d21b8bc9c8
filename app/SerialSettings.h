// The serial-port settings as the shell uses them (the instrument
// connection keeps them): loaded at start-up, shown in the port pane, edited
// in the settings sheet and applied to an open connection.
#pragma once

#include "framework/Framework.h"

void LoadSerialSettings();
UINT GetSerialPortIndex();
UINT GetSerialBaudRate();
void SetSerialSettings(UINT nPortIndex, UINT nBaudRate);
// Applies the stored baud rate to the connection when it is open.
void ApplySerialBaudRate();
// Writes the settings back (at program end).
void SaveSerialSettings();
