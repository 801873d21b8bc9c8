#include "framework/Framework.h"
#include "app/G7KCommandLineInfo.h"

#include <cstring>

bool g_bAdministratorMode = false;

void CG7KCommandLineInfo::ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast)
{
    if (bFlag && pszParam && std::strstr(pszParam, ACCESS_STRING)) {
        g_bAdministratorMode = true;
        return;
    }
    CCommandLineInfo::ParseParam(pszParam, bFlag, bLast);
}
