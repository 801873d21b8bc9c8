// The serial link: ports, the timed link stream and its records.
#pragma once

#include "CPP_ALL/GFComLink.h"
#include "CPP_ALL/GFComStream.h"
#include "CPP_ALL/GFErrors.h"
#include "CPP_ALL/GFLineStatus.h"
#include "CPP_ALL/GFPortSettings.h"
#ifdef _WIN32
#include "CPP_ALL/GFComWin32.h"
#endif
