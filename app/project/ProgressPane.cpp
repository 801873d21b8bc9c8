#include "framework/Framework.h"
#include "app/project/ProgressPane.h"

CProgressPane* g_pMainStatusBar = nullptr;
