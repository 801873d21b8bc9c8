#include "instrument/MyComWin32.h"

#include "instrument/MessagePump.h"

int MyComWin32::IdleHook()
{
    return PumpWaitingMessages(TRUE, FALSE) ? TRUE : FALSE;
}
