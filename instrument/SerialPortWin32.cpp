#include "instrument/SerialPort.h"

#include "instrument/MyComWin32.h"

#include <new>

std::unique_ptr<GFComLink> MakeDefaultPort(int index, int inSize, int outSize)
{
    return std::unique_ptr<GFComLink>(new (std::nothrow) MyComWin32(index, inSize, outSize));
}
