// The resource-script reader over any text: it stays within it and ends.
#include "tools/rescheck/ResourceIds.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string strScript(reinterpret_cast<const char*>(data), size);
    FindDuplicateResources(strScript);
    return 0;
}
