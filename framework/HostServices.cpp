#include "framework/Portable.h"
#include "framework/HostServices.h"

namespace {

CSilentHostServices g_silentHost;
IHostServices* g_pHost = &g_silentHost;

} // namespace

IHostServices& GetHostServices()
{
    return *g_pHost;
}

IHostServices* InstallHostServices(IHostServices* pHost)
{
    IHostServices* pPrevious = g_pHost == &g_silentHost ? nullptr : g_pHost;
    g_pHost = pHost ? pHost : &g_silentHost;
    return pPrevious;
}
