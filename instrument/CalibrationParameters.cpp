#include "instrument/CalibrationParameters.h"

#include "framework/FileReplacement.h"

#include <cmath>
#include <fstream>
#include <iterator>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kOutputFields = 4;
constexpr int kChannels = 4;

double* FieldSlot(CalibrationParameters& p, int field)
{
    if (field < kOutputFields)
        return &p.output[field];
    switch ((field - kOutputFields) / kChannels) {
    case 1: return &p.low[field % kChannels];
    case 2: return &p.medium[field % kChannels];
    case 3: return &p.high[field % kChannels];
    default: return nullptr;  // an offset
    }
}

bool IsOffsetField(int field) { return field >= kOutputFields && field < kOutputFields + kChannels; }

void PutBytes(std::string& out, const void* value, size_t size)
{
    // The file is little-endian, as the machines that run the program are.
    out.append(static_cast<const char*>(value), size);
}

} // namespace

CalibrationParameters CalibrationParameters::Defaults()
{
    CalibrationParameters p{};
    const double output[kOutputFields] = {-3.903, 201.54, -0.899, 3.3};
    for (int i = 0; i < kOutputFields; ++i)
        p.output[i] = output[i];
    for (int c = 0; c < kChannels; ++c) {
        p.offset[c] = 1001740;
        p.low[c] = 0.00041056;
        p.medium[c] = 9.9748e-06;
        p.high[c] = 2.4234e-07;
    }
    return p;
}

const CalibrationField kCalibrationFields[kCalibrationFieldCount] = {
    {1036, false, -10.0, 10.0},   {1037, false, 190.0, 210.0},
    {1040, false, -10.0, 10.0},   {1041, false, 2.0, 4.0},
    {1038, true, 800000, 1200000}, {1045, true, 800000, 1200000},
    {1049, true, 800000, 1200000}, {1053, true, 800000, 1200000},
    {1042, false, 0.00035, 0.0005}, {1046, false, 0.00035, 0.0005},
    {1050, false, 0.00035, 0.0005}, {1054, false, 0.00035, 0.0005},
    {1043, false, 8e-06, 2e-05},  {1047, false, 8e-06, 2e-05},
    {1051, false, 8e-06, 2e-05},  {1055, false, 8e-06, 2e-05},
    {1044, false, 2e-07, 4e-07},  {1048, false, 2e-07, 4e-07},
    {1052, false, 2e-07, 4e-07},  {1056, false, 2e-07, 4e-07},
};

double GetCalibrationField(const CalibrationParameters& p, int field)
{
    if (IsOffsetField(field))
        return p.offset[field - kOutputFields];
    return *FieldSlot(const_cast<CalibrationParameters&>(p), field);
}

void SetCalibrationField(CalibrationParameters& p, int field, double value)
{
    if (IsOffsetField(field))
        p.offset[field - kOutputFields] = static_cast<int32_t>(value);
    else
        *FieldSlot(p, field) = value;
}

bool IsValidCalibrationValue(int field, double value)
{
    const CalibrationField& f = kCalibrationFields[field];
    if (!std::isfinite(value) || value < f.minimum || value > f.maximum)
        return false;
    return !f.isInteger || value == std::floor(value);
}

int FindInvalidCalibrationField(const CalibrationParameters& p)
{
    for (int i = 0; i < kCalibrationFieldCount; ++i)
        if (!IsValidCalibrationValue(i, GetCalibrationField(p, i)))
            return i;
    return -1;
}

std::string EncodeCalibrationFile(const CalibrationParameters& p)
{
    std::string out;
    out.reserve(kCalibrationFileSize);
    PutBytes(out, p.output, sizeof p.output);
    PutBytes(out, p.offset, sizeof p.offset);
    PutBytes(out, p.low, sizeof p.low);
    PutBytes(out, p.medium, sizeof p.medium);
    PutBytes(out, p.high, sizeof p.high);
    return out;
}

bool DecodeCalibrationFile(const std::string& bytes, CalibrationParameters& p, std::string& error)
{
    if (bytes.size() != kCalibrationFileSize) {
        error = "A calibration file has 144 bytes; this one has " + std::to_string(bytes.size()) + ".";
        return false;
    }
    CalibrationParameters read{};
    const char* at = bytes.data();
    for (void* part : {static_cast<void*>(read.output), static_cast<void*>(read.offset),
                       static_cast<void*>(read.low), static_cast<void*>(read.medium),
                       static_cast<void*>(read.high)}) {
        const size_t size = part == read.offset ? sizeof read.offset : sizeof read.output;
        std::memcpy(part, at, size);
        at += size;
    }
    const int bad = FindInvalidCalibrationField(read);
    if (bad >= 0) {
        error = "The file holds a value outside the valid range (field " + std::to_string(bad + 1) + ").";
        return false;
    }
    p = read;
    return true;
}

std::string ProposedCalibrationFileName(long serial, const std::tm& now)
{
    if (serial <= 0)
        return std::string();
    char name[64];
    std::snprintf(name, sizeof name, "%07ld-%04d-%02d-%02d-%02d-%02d", serial, now.tm_year + 1900,
                  now.tm_mon + 1, now.tm_mday, now.tm_hour, now.tm_min);
    return name;
}

std::string CalibrationFilePattern(long serial)
{
    if (serial <= 0)
        return std::string();
    char pattern[32];
    std::snprintf(pattern, sizeof pattern, "%07ld*", serial);
    return pattern;
}

bool SaveCalibrationFile(const std::string& path, const CalibrationParameters& p, std::string& error)
{
    CFileReplacement replacement;
    OsFile::Error osError;
    if (!replacement.Add(path.c_str(), osError)) {
        error = "Could not create the file " + path + ".";
        return false;
    }
    {
        std::ofstream out(static_cast<const char*>(replacement.GetTempPath(0)), std::ios::binary | std::ios::trunc);
        out << EncodeCalibrationFile(p);
        out.flush();
        if (!out) {
            error = "Could not write the file " + path + ".";
            return false;
        }
    }
    if (!replacement.Commit(osError)) {
        error = "Could not replace the file " + path + ".";
        return false;
    }
    return true;
}

bool LoadCalibrationFile(const std::string& path, CalibrationParameters& p, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "Could not open the file " + path + ".";
        return false;
    }
    std::string bytes;
    char buffer[kCalibrationFileSize + 1];
    in.read(buffer, sizeof buffer);  // one byte more tells a longer file
    bytes.assign(buffer, static_cast<size_t>(in.gcount()));
    if (!DecodeCalibrationFile(bytes, p, error)) {
        error = path + ":\n" + error;
        return false;
    }
    return true;
}
