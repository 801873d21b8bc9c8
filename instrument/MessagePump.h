// Empties the thread's message queue while the program waits for the
// instrument, so windows stay alive during every serial wait.
#pragma once

#include "framework/Framework.h"

// Takes every waiting message; with dispatch they are handled, else dropped.
// With wait, first blocks until a message arrives. TRUE when a WM_CLOSE or
// WM_QUIT was among them; a WM_QUIT is posted again so the message loop
// still ends the program. The native build has no queue and returns FALSE.
BOOL PumpWaitingMessages(BOOL dispatch, BOOL wait);
