// The main frame's instrument commands: each opens its dialog or runs its
// operation. The frame keeps its busy flag around the call.
#pragma once

#include "framework/Framework.h"

// The dialog's result; -1 for a command that is not an instrument operation.
int RunInstrumentOperation(UINT command, CWnd* frame);

// The "&Settings" button of the instrument dialogs.
void RunComPortSettings(CWnd* parent);
// Sets the hook the program uses for the COM-port settings dialog.
void SetComPortSettingsHook(void (*hook)(CWnd* parent));

// Service mode (the access parameter of the command line) shows more of
// the instrument in the import dialog.
void SetInstrumentServiceMode(bool on);
bool IsInstrumentServiceMode();
