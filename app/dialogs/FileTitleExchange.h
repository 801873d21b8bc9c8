// Validation of a typed file name in a dialog's data exchange: the rules of
// FileTitleRules.h, with the framework's refusal (message, focus, the
// dialog stays open).
#pragma once

#include "framework/Framework.h"

void DDV_FileTitle(CDataExchange* pDX, const CString& strValue);
