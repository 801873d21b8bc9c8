// The instrument's calibration parameters, their valid ranges and dialog
// fields, and the ".g7c" calibration file: exactly 144 bytes, little-endian,
// no header, in field order (four output doubles, four int32 channel
// offsets, then the low, medium and high gain factors, four doubles each).
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

struct CalibrationParameters {
    double output[4];   // low range offset, low range scale, high range offset, high range scale
    int32_t offset[4];  // per channel
    double low[4];
    double medium[4];
    double high[4];

    static CalibrationParameters Defaults();
};

// One value of the parameters as the dialog shows it; fields are numbered in
// file order (0-3 output, 4-7 offsets, 8-11 low, 12-15 medium, 16-19 high).
struct CalibrationField {
    int controlId;
    bool isInteger;
    double minimum;
    double maximum;
};
constexpr int kCalibrationFieldCount = 20;
extern const CalibrationField kCalibrationFields[kCalibrationFieldCount];

double GetCalibrationField(const CalibrationParameters& p, int field);
void SetCalibrationField(CalibrationParameters& p, int field, double value);
// A finite value inside the field's range (an integer field takes integers only).
bool IsValidCalibrationValue(int field, double value);
// The first field that is not valid, or -1.
int FindInvalidCalibrationField(const CalibrationParameters& p);

constexpr size_t kCalibrationFileSize = 144;
std::string EncodeCalibrationFile(const CalibrationParameters& p);
// Refuses anything but exactly 144 bytes of finite values in range; p is
// left as it was then, and error says why.
bool DecodeCalibrationFile(const std::string& bytes, CalibrationParameters& p, std::string& error);

// Writes the file beside its target and moves it over at the end, so a
// failure leaves the old file; reads refuse what DecodeCalibrationFile does.
bool SaveCalibrationFile(const std::string& path, const CalibrationParameters& p, std::string& error);
bool LoadCalibrationFile(const std::string& path, CalibrationParameters& p, std::string& error);

// "%07ld-%04d-%02d-%02d-%02d-%02d" of the serial number and the local time
// (to the minute); empty for an unknown instrument.
std::string ProposedCalibrationFileName(long serial, const std::tm& now);
// "%07ld*": the files of this instrument; empty for an unknown one.
std::string CalibrationFilePattern(long serial);
