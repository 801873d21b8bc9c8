// The binary header of an instrument data file (".g7k"), for every record
// version. The reader never trusts the file: every read and seek is checked
// against the file's length, block tables cannot run past it, and a header
// cut short is flagged instead of read from garbage.
#pragma once

#include "framework/Portable.h"

#include <cstdint>
#include <vector>

// Where header bytes come from: a file or, for tests and fuzzing, memory.
class IG7kByteSource
{
public:
    virtual ~IG7kByteSource() = default;
    virtual std::uint64_t Size() = 0;
    // Bytes copied from nOffset on: fewer than asked at the end of the data.
    virtual size_t ReadAt(std::uint64_t nOffset, void* pBuffer, size_t nCount) = 0;
};

class CG7kMemorySource : public IG7kByteSource
{
public:
    CG7kMemorySource(const void* pData, size_t nSize)
        : m_pData(static_cast<const BYTE*>(pData)), m_nSize(nSize) {}
    std::uint64_t Size() override { return m_nSize; }
    size_t ReadAt(std::uint64_t nOffset, void* pBuffer, size_t nCount) override;

private:
    const BYTE* m_pData;
    size_t m_nSize;
};

// Status bits of a data file's record.
constexpr DWORD G7K_STATUS_OPEN_FAILED = 0x1;
constexpr DWORD G7K_STATUS_SHORT = 0x2;

// The data file's facts as its header gives them. Fields the reader does not
// reach keep these initial values.
struct G7kHeader
{
    DWORD dwStatus = 0;
    DWORD dwFileSize = 0;        // clamped to 32 bits
    WORD nVersion = 0;
    bool bHasId = false;         // version 6 on
    CString strInstrument;       // "GVX7000", "GVX2000", "(Unknown)" or empty
    DWORD dwSerialNumber = 0;    // 0 none, 0xFFFFFFFF malformed id
    bool bHasTime = false;
    DWORD dwRawTime = 0;
    WORD nDataType = 0;
    WORD nElectrodeSystem = 0;
    int nArrayCode = -1;         // read from version 8 on
    float fRefX = 0, fRefY = 0, fRefZ = 0, fAzimuth = 0, fInclination = 0;
    WORD nChannels = 0;
    DWORD dwRecords = 0;
    // The numbers cannot be a data file's: no facts are kept (status short).
    bool bUnreadable = false;
};

// The ranges a header's numbers must lie in.
struct G7kLimits
{
    static constexpr WORD kMaxVersion = 63;
    static constexpr WORD kMaxChannels = 64;
    static constexpr float kMaxCoordinate = 1.0e8f;
    static constexpr float kMaxAngle = 360.0f;
};

// Offsets of the version-dependent parts of the header.
struct G7kLayout
{
    static std::uint64_t TimeOffset(WORD nVersion) { return nVersion >= 6 ? 14 : 2; }
    static std::uint64_t ElectrodeSystemOffset(WORD nVersion) { return nVersion >= 6 ? 229 : 217; }
    static std::uint64_t ArrayCodeOffset(WORD nVersion);
    static std::uint64_t TableOffset(WORD nVersion);
    // Bytes between the array code and the reference coordinate.
    static constexpr std::uint64_t kReferenceGap = 49;
    static constexpr std::uint64_t kBlockBody = 80;
    static constexpr std::uint64_t kBlockEntry = 12;
};

// Reads the header; a missing or short source only sets status bits, and a
// header whose numbers are out of range is marked unreadable.
G7kHeader ReadG7kHeader(IG7kByteSource& source);
// The same from a file; a file that cannot be opened gets bit 0.
G7kHeader ReadG7kHeaderFile(LPCTSTR pszPath);

// The instrument id's serial number and instrument name (12 bytes, NUL-padded).
void ParseInstrumentId(const char* pszId, size_t nLength, WORD nVersion, DWORD& dwSerial, CString& strInstrument);

// The record time of a raw header value: the instrument's wall-clock time as
// seconds counted like a UTC time, so that it shows the same on every PC
// whatever its zone and daylight saving (show it with FormatGmt).
CTime G7kRecordTime(DWORD dwRaw);
// The raw header value of a wall-clock time given as UTC seconds.
DWORD G7kRawTime(std::int64_t nWallSeconds);

LPCTSTR G7kDataTypeName(WORD nCode);
LPCTSTR G7kElectrodeSystemName(WORD nCode);

// Writes a header of the given version with the given facts and nBlocks
// blocks of nEntries entries each, then nDataBytes of data: the files of
// the tests, the benchmark and the instrument simulator.
std::vector<BYTE> MakeG7kFile(const G7kHeader& header, const char* pszId, int nBlocks, int nEntries,
                              size_t nDataBytes);
