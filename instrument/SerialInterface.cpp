#include "instrument/SerialInterface.h"

#include "CPP_ALL/GFComLink.h"
#include "CPP_ALL/GFComStream.h"
#include "CPP_ALL/GFErrors.h"
#include "instrument/GFCommException.h"
#include "instrument/SerialInterfaceInfo.h"

#include <new>

SerialInterfaceInfo g_serialInterfaceInfo;
SerialInterface g_serialInterface;

std::unique_ptr<GFComLink> SerialInterface::s_port;
std::unique_ptr<GFComStream> SerialInterface::s_stream;
int SerialInterface::s_refCount = 0;

// The win build's default lives with the Win32 port; natively there is none.
std::unique_ptr<GFComLink> MakeDefaultPort(int index, int inSize, int outSize);

static SerialInterface::PortFactory& Factory()
{
    static SerialInterface::PortFactory factory = MakeDefaultPort;
    return factory;
}

SerialShare::SerialShare() : m_stream(SerialInterface::Open()) {}

SerialShare::~SerialShare()
{
    if (m_stream)
        SerialInterface::Close(FALSE);
}

void SerialInterface::SetPortFactory(PortFactory factory)
{
    Factory() = factory ? std::move(factory) : PortFactory(MakeDefaultPort);
}

GFComStream* SerialInterface::Open()
{
    if (s_refCount != 0) {
        ++s_refCount;
        return s_stream.get();
    }
    std::unique_ptr<GFComLink> port =
        Factory()(g_serialInterfaceInfo.GetPortIndex(), kBufferSize, kBufferSize);
    if (!port)
        return nullptr;
    std::unique_ptr<GFComStream> stream(new (std::nothrow) GFComStream(port.get()));
    if (!stream)
        throw GFCommException(GF_OPEN_FAILED);

    uint16_t flags = 0;
    int rc = stream->GetLineFlags(flags);
    if (rc != 0 || flags != 0) {
        stream.reset();
        port.reset();
        throw GFCommException(rc != 0 ? rc : GF_OPEN_FAILED);
    }
    s_port = std::move(port);
    s_stream = std::move(stream);
    s_refCount = 1;
    s_stream->GetPortSettings()->SetBaudRate(g_serialInterfaceInfo.GetBaudRate());
    // DTR handshake towards the instrument, DSR flow control from it.
    s_stream->GetLineStatus()->SetFlowControl(GF_FLOW_DTR, GF_FLOW_DSR);
    return s_stream.get();
}

void SerialInterface::Close(BOOL force)
{
    if (force)
        s_refCount = 0;
    else if (s_refCount > 0)
        --s_refCount;
    if (s_refCount != 0)
        return;
    // The stream's records restore the port's own settings first.
    s_stream.reset();
    s_port.reset();
}

void SerialInterface::ApplyBaudRate()
{
    if (s_refCount != 0 && s_stream)
        s_stream->GetPortSettings()->SetBaudRate(g_serialInterfaceInfo.GetBaudRate());
}
