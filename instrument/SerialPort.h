// The serial port the program opens when no test has put in its own.
#pragma once

#include <memory>

class GFComLink;

// The win build's Win32 port, kept alive by the message pump while it
// waits; the native build has no port of its own and returns null.
std::unique_ptr<GFComLink> MakeDefaultPort(int index, int inSize, int outSize);
