// Without the system's initialisation files the program keeps them in memory.
#include "ui/frames/MemoryPrivateProfile.h"

namespace {
IPrivateProfileApi* g_pInstalled = nullptr;
}

IPrivateProfileApi& GetPrivateProfileApi()
{
    static CMemoryPrivateProfile s_profile;
    return g_pInstalled ? *g_pInstalled : s_profile;
}

void SetPrivateProfileApi(IPrivateProfileApi* pApi) { g_pInstalled = pApi; }
