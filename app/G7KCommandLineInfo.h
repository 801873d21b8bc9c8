// The command line: a document to open, and the flag that turns on the
// service mode.
#pragma once

#include "framework/Framework.h"

// Set by the command line only; read by the settings sheet and the import.
extern bool g_bAdministratorMode;

class CG7KCommandLineInfo : public CCommandLineInfo
{
public:
    static constexpr const char* ACCESS_STRING = "U=530827";

    void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast) override;
};
