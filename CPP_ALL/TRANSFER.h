// File transfers: the transfer base, monitor, file engines, checksums and
// ZMODEM.
#pragma once

#include "CPP_ALL/GFChecksum.h"
#include "CPP_ALL/GFFileEngine.h"
#include "CPP_ALL/GFFileNative.h"
#include "CPP_ALL/GFMonitor.h"
#include "CPP_ALL/GFTransfer.h"
#include "CPP_ALL/GFZmodem.h"
