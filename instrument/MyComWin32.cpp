#include "instrument/MyComWin32.h"

#include "instrument/MessagePump.h"
#include "instrument/SerialInterface.h"

#include <new>

int MyComWin32::IdleHook()
{
    return PumpWaitingMessages(TRUE, FALSE) ? TRUE : FALSE;
}

std::unique_ptr<GFComLink> MakeDefaultPort(int index, int inSize, int outSize)
{
    return std::unique_ptr<GFComLink>(new (std::nothrow) MyComWin32(index, inSize, outSize));
}
