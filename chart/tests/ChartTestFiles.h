// Files and layouts for the chart tests and the benchmark.
#pragma once
#include "framework/Portable.h"

#include <memory>
#include <string>
#include <vector>

class CVikaAddressMap;

namespace charttest {

// A fresh, empty folder under the working folder; ends with '/'.
std::string FreshFolder(const std::string& name);
void WriteFile(const std::string& path, const std::string& text);
// The file's text, or "<missing>" when it cannot be read.
std::string ReadFile(const std::string& path);
bool FileExists(const std::string& path);

// An address file text: electrodes 1..count on consecutive takeouts of
// cables of the given size, relay address = electrode number.
std::string AddressFileText(int takeoutsPerCable, int factor, int xMove,
                            int count);
// The same map built in memory.
std::unique_ptr<CVikaAddressMap> MakeAddressMap(int takeoutsPerCable,
                                                int factor, int xMove,
                                                int count);

// Writes DD.ORG, DD.UP and DD.DWN of a dipole-dipole protocol over the
// folder's LINE.ADR: every `every`th command the generator makes with
// spacings 1..spacingHigh and levels 1..levelHigh. Returns DD.ORG's path.
std::string WriteDipoleDipole(const std::string& folder, int spacingHigh,
                              int levelHigh, int every);

// The data lines of a protocol file (header lines dropped, blank lines
// skipped), each with its values separated by single blanks.
std::vector<std::string> DataLines(const std::string& text);

}  // namespace charttest
