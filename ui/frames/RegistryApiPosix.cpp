// Without a system registry the program keeps one in memory.
#include "ui/frames/MemoryRegistry.h"

namespace {
IRegistryApi* g_pInstalled = nullptr;
}

IRegistryApi& GetRegistryApi()
{
    static CMemoryRegistry s_registry;
    return g_pInstalled ? *g_pInstalled : s_registry;
}

void SetRegistryApi(IRegistryApi* pApi) { g_pInstalled = pApi; }
