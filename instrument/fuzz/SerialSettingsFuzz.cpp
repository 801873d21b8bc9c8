// The serial settings read from any profile content: what they write back
// reads back the same.
#include "framework/Framework.h"
#include "framework/fuzz/ProfileFuzzInput.h"
#include "instrument/SerialInterfaceInfo.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CMemoryProfileStore store;
    FillProfileFromFuzz(data, size, store);
    SerialInterfaceInfo info;
    info.LoadFrom(store);

    info.SaveTo(store);
    SerialInterfaceInfo again;
    again.LoadFrom(store);
    if (again.GetPortIndex() != info.GetPortIndex() || again.GetBaudRate() != info.GetBaudRate())
        std::abort();
    return 0;
}
