// The one serial connection to the instrument, shared by every command
// object: the first Open makes the port and its stream, the last Close
// destroys them.
#pragma once

#include "framework/Portable.h"

#include <functional>
#include <memory>

class GFComLink;
class GFComStream;

// One share of the connection, given back when the object goes, so that
// a holder half-made by an exception cannot keep the port open. Only
// SerialInterface::Acquire makes one.
class SerialShare {
public:
    ~SerialShare();
    SerialShare(const SerialShare&) = delete;
    SerialShare& operator=(const SerialShare&) = delete;

    // The connection's stream; null when no port could be made.
    GFComStream* GetStream() const { return m_stream; }

private:
    friend class SerialInterface;
    SerialShare();

    GFComStream* m_stream;
};

class SerialInterface {
public:
    static constexpr int kBufferSize = 32768;

    // A share of the connection (see Open) held by the returned object.
    static SerialShare Acquire() { return SerialShare(); }
    // Acquires the connection; null when the port could not be made.
    // Throws GFCommException when the port or its stream fails.
    static GFComStream* Open();
    // Releases one share, or all of them with force.
    static void Close(BOOL force);
    // Applies the configured baud rate to an open connection.
    static void ApplyBaudRate();

    static int GetRefCount() { return s_refCount; }
    static GFComStream* GetStream() { return s_stream.get(); }

    // Makes the port for a COM index. The win build makes the program's
    // Win32 port; tests put a scripted port here.
    using PortFactory = std::function<std::unique_ptr<GFComLink>(int index, int inSize, int outSize)>;
    static void SetPortFactory(PortFactory factory);

private:
    static std::unique_ptr<GFComLink> s_port;
    static std::unique_ptr<GFComStream> s_stream;
    static int s_refCount;
};

extern SerialInterface g_serialInterface;
