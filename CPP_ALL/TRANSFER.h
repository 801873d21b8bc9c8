// File transfers: the transfer base, monitor, file engines, checksums and
// ZMODEM.
#pragma once

#include "CPP_ALL/GFChecksum.h"
#include "CPP_ALL/GFFileEngine.h"
#include "CPP_ALL/GFMonitor.h"
#include "CPP_ALL/GFTransfer.h"
#include "CPP_ALL/GFZmodem.h"
#ifdef _WIN32
#include "CPP_ALL/GFFileWin32.h"
#else
#include "CPP_ALL/GFFilePosix.h"
#endif
