// The serial settings as the port and baud lists show them: "COM3:" for
// port index 2, "57600" for that rate. Reading a text back keeps the old
// value when the text names no port or rate, so a bad text never stores
// port -1 or rate 0.
#pragma once

#include "framework/Portable.h"

CString PortText(UINT nPortIndex);
CString BaudRateText(UINT nBaudRate);

// "COM<n>" with n from 1, anything after the digits ignored (the ":").
UINT PortIndexFromText(const CString& strPort, UINT nOldIndex);
// Digits only, blanks around them allowed.
UINT BaudRateFromText(const CString& strBaud, UINT nOldRate);
