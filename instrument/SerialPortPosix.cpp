// The native build has no serial port of its own: tests install theirs.
#include "instrument/SerialPort.h"

#include "CPP_ALL/GFComLink.h"

std::unique_ptr<GFComLink> MakeDefaultPort(int, int, int)
{
    return nullptr;
}
