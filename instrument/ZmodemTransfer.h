// The two ZMODEM exchanges of a file-transfer command, over the command's
// link. Each waits for the instrument's closing "!" afterwards. Failures
// are thrown as GFCommException (or G7KClientException from the closing
// text); progress and abort go through the monitors.
#pragma once

#include "framework/Portable.h"

#include <string>
#include <vector>

class Command;
class GFMonitor;

// Receives the files the instrument sends into the current directory.
// They are written to a staging folder first and moved into place only
// when the whole transfer succeeded; received gets the names moved.
int ReceiveByZmodem(Command& command, GFMonitor& monitor, std::vector<std::string>* received = nullptr);

// Sends the files of fileSpec, replacing the instrument's copies. The
// transfer reports to monitor; the closing wait asks abortSource.
int SendByZmodem(Command& command, const char* fileSpec, GFMonitor* monitor, GFMonitor& abortSource);
