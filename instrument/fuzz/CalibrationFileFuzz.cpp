// The ".g7c" reader fed arbitrary bytes: it takes only exactly 144 bytes of
// valid values, and what it takes writes back to the same bytes.
#include "instrument/CalibrationParameters.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    CalibrationParameters p = CalibrationParameters::Defaults();
    std::string error;
    if (!DecodeCalibrationFile(bytes, p, error)) {
        if (error.empty())
            std::abort();
        return 0;
    }
    if (FindInvalidCalibrationField(p) != -1 || EncodeCalibrationFile(p) != bytes)
        std::abort();
    return 0;
}
