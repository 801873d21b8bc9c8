#include "instrument/MessagePump.h"

// The native build has no message queue: nothing waits, nothing closes.
BOOL PumpWaitingMessages(BOOL, BOOL)
{
    return FALSE;
}
