// The data-file header reader over any bytes: it must stay within them,
// flag what it cannot read, and read a generated file of the facts it
// found back to the same facts.
#include "framework/Portable.h"
#include "conversion/G7kHeader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CG7kMemorySource source(data, size);
    const G7kHeader header = ReadG7kHeader(source);
    if (header.dwFileSize != size)
        std::abort();
    if (header.dwStatus & ~G7K_STATUS_SHORT)
        std::abort();
    if (header.nChannels > G7kLimits::kMaxChannels || header.dwRecords > size)
        std::abort();
    if (header.dwStatus || header.nVersion == 15)
        return 0;
    // Whole headers come back unchanged from the generator (version 15's
    // table overlaps its last reference value, so it is left out).
    // Each record takes a byte at least, so the copy carries that many.
    const std::vector<BYTE> again = MakeG7kFile(header, nullptr, 0, 0, header.dwRecords);
    CG7kMemorySource copy(again.data(), again.size());
    const G7kHeader back = ReadG7kHeader(copy);
    if (back.dwStatus || back.nChannels != header.nChannels || back.dwRecords != header.dwRecords
        || back.nArrayCode != header.nArrayCode || back.dwRawTime != header.dwRawTime)
        std::abort();
    return 0;
}
