#include "framework/Portable.h"
#include "conversion/G7kHeader.h"
#include "framework/OsFile.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

size_t CG7kMemorySource::ReadAt(std::uint64_t nOffset, void* pBuffer, size_t nCount)
{
    if (nOffset >= m_nSize)
        return 0;
    const size_t nCopy = std::min<std::uint64_t>(nCount, m_nSize - nOffset);
    std::memcpy(pBuffer, m_pData + nOffset, nCopy);
    return nCopy;
}

std::uint64_t G7kLayout::ArrayCodeOffset(WORD nVersion)
{
    if (nVersion >= 8)
        return 371;
    return nVersion >= 6 ? 269 : 257;
}

std::uint64_t G7kLayout::TableOffset(WORD nVersion)
{
    if (nVersion == 15)
        return 440;
    if (nVersion >= 14)
        return 442;
    if (nVersion >= 8)
        return 422;
    return nVersion >= 6 ? 320 : 308;
}

namespace {

// A file position that reads little-endian numbers and remembers whether
// any read came back short.
class CHeaderCursor
{
public:
    explicit CHeaderCursor(IG7kByteSource& source) : m_source(source), m_nSize(source.Size()) {}

    std::uint64_t Size() const { return m_nSize; }
    std::uint64_t Position() const { return m_nPos; }
    bool IsShort() const { return m_bShort; }
    void Seek(std::uint64_t nPos) { m_nPos = nPos; }
    void Skip(std::uint64_t nBytes) { m_nPos += nBytes; }

    bool Read(void* pBuffer, size_t nCount)
    {
        std::memset(pBuffer, 0, nCount);
        const size_t nRead = m_nPos < m_nSize ? m_source.ReadAt(m_nPos, pBuffer, nCount) : 0;
        m_nPos += nRead;
        if (nRead == nCount)
            return true;
        m_bShort = true;
        return false;
    }

    bool Read16(WORD& nValue)
    {
        BYTE b[2];
        const bool bOk = Read(b, sizeof b);
        nValue = static_cast<WORD>(b[0] | (b[1] << 8));
        return bOk;
    }

    bool Read32(DWORD& dwValue)
    {
        BYTE b[4];
        const bool bOk = Read(b, sizeof b);
        dwValue = static_cast<DWORD>(b[0]) | (static_cast<DWORD>(b[1]) << 8) | (static_cast<DWORD>(b[2]) << 16)
                  | (static_cast<DWORD>(b[3]) << 24);
        return bOk;
    }

    bool ReadFloat(float& fValue)
    {
        DWORD dwBits = 0;
        const bool bOk = Read32(dwBits);
        std::memcpy(&fValue, &dwBits, sizeof fValue);
        return bOk;
    }

private:
    IG7kByteSource& m_source;
    std::uint64_t m_nSize;
    std::uint64_t m_nPos = 0;
    bool m_bShort = false;
};

void ReadIdentity(CHeaderCursor& cursor, G7kHeader& header)
{
    if (header.nVersion < 6)
        return;
    char szId[12];
    cursor.Read(szId, sizeof szId);
    header.bHasId = true;
    ParseInstrumentId(szId, sizeof szId, header.nVersion, header.dwSerialNumber, header.strInstrument);
}

void ReadReference(CHeaderCursor& cursor, G7kHeader& header)
{
    cursor.Skip(G7kLayout::kReferenceGap);
    cursor.ReadFloat(header.fRefX);
    cursor.ReadFloat(header.fRefY);
    cursor.ReadFloat(header.fRefZ);
    cursor.ReadFloat(header.fAzimuth);
    cursor.ReadFloat(header.fInclination);
}

// The length of the block table at the cursor. Each block takes at least
// 82 bytes, so the walk ends at the end of the file whatever the counts say.
std::uint64_t BlockTableLength(CHeaderCursor& cursor, WORD nVersion)
{
    if (nVersion <= 3)
        return 0;
    WORD nBlocks = 0;
    if (!cursor.Read16(nBlocks))
        return 2;
    std::uint64_t nLength = 2;
    for (WORD i = 0; i < nBlocks; ++i) {
        cursor.Skip(G7kLayout::kBlockBody);
        WORD nEntries = 0;
        if (!cursor.Read16(nEntries))
            return nLength;
        const std::uint64_t nBlock = G7kLayout::kBlockBody + 2 + G7kLayout::kBlockEntry * nEntries;
        cursor.Skip(G7kLayout::kBlockEntry * nEntries);
        nLength += nBlock;
        if (cursor.Position() > cursor.Size())
            return nLength;
    }
    return nLength;
}

bool IsIdCharacter(char ch)
{
    return std::isdigit(static_cast<unsigned char>(ch)) || std::isspace(static_cast<unsigned char>(ch));
}

bool IsPlausibleFloat(float fValue, float fLimit)
{
    return std::isfinite(fValue) && std::fabs(fValue) <= fLimit;
}

// Whether the numbers can be a data file's. Each record takes at least a
// byte, so a record count beyond the file's size comes from some other
// file's bytes, as do versions, channel counts, coordinates and angles far
// from anything an instrument writes.
bool IsPlausible(const G7kHeader& header)
{
    return header.nVersion >= 1 && header.nVersion <= G7kLimits::kMaxVersion
           && header.nChannels <= G7kLimits::kMaxChannels && header.dwRecords <= header.dwFileSize
           && IsPlausibleFloat(header.fRefX, G7kLimits::kMaxCoordinate)
           && IsPlausibleFloat(header.fRefY, G7kLimits::kMaxCoordinate)
           && IsPlausibleFloat(header.fRefZ, G7kLimits::kMaxCoordinate)
           && IsPlausibleFloat(header.fAzimuth, G7kLimits::kMaxAngle)
           && IsPlausibleFloat(header.fInclination, G7kLimits::kMaxAngle);
}

// A file that is not a data file: its size and the unreadable mark, no facts.
G7kHeader UnreadableHeader(DWORD dwFileSize)
{
    G7kHeader header;
    header.dwFileSize = dwFileSize;
    header.dwStatus = G7K_STATUS_SHORT;
    header.bUnreadable = true;
    return header;
}

} // namespace

void ParseInstrumentId(const char* pszId, size_t nLength, WORD nVersion, DWORD& dwSerial, CString& strInstrument)
{
    const size_t nText = std::find(pszId, pszId + nLength, '\0') - pszId;
    if (!std::all_of(pszId, pszId + nText, IsIdCharacter)) {
        dwSerial = 0xFFFFFFFF;
        strInstrument = "(Unknown)";
        return;
    }
    // serial number, one character, instrument kind: "1234567 0"
    size_t i = 0;
    while (i < nText && std::isspace(static_cast<unsigned char>(pszId[i])))
        ++i;
    std::uint64_t nSerial = 0;
    const size_t nDigits = i;
    while (i < nText && std::isdigit(static_cast<unsigned char>(pszId[i])))
        nSerial = nSerial * 10 + (pszId[i++] - '0');
    if (i == nDigits) {
        dwSerial = 0;
        strInstrument.Empty();
        return;
    }
    if (nSerial >= 0xFFFFFFFFull) {
        dwSerial = 0xFFFFFFFF;
        strInstrument = "(Unknown)";
        return;
    }
    dwSerial = static_cast<DWORD>(nSerial);
    if (i < nText)
        ++i;
    while (i < nText && std::isspace(static_cast<unsigned char>(pszId[i])))
        ++i;
    // Only whether the kind is 0 matters: its digits are not summed up, so
    // no length of them can overflow.
    bool bKind = false;
    bool bKindZero = true;
    for (; i < nText && std::isdigit(static_cast<unsigned char>(pszId[i])); ++i) {
        bKind = true;
        bKindZero = bKindZero && pszId[i] == '0';
    }
    strInstrument = bKind && bKindZero && nVersion >= 14 ? "GVX2000" : "GVX7000";
}

G7kHeader ReadG7kHeader(IG7kByteSource& source)
{
    G7kHeader header;
    CHeaderCursor cursor(source);
    header.dwFileSize = static_cast<DWORD>(std::min<std::uint64_t>(cursor.Size(), 0xFFFFFFFFull));
    if (cursor.Size() == 0) {
        header.dwStatus |= G7K_STATUS_SHORT;
        return header;
    }
    cursor.Read16(header.nVersion);
    const WORD nVersion = header.nVersion;
    ReadIdentity(cursor, header);
    header.bHasTime = cursor.Read32(header.dwRawTime);
    cursor.Read16(header.nDataType);

    cursor.Seek(G7kLayout::ElectrodeSystemOffset(nVersion));
    cursor.Read16(header.nElectrodeSystem);

    cursor.Seek(G7kLayout::ArrayCodeOffset(nVersion));
    if (nVersion >= 8) {
        WORD nCode = 0;
        if (cursor.Read16(nCode))
            header.nArrayCode = static_cast<short>(nCode);
    }
    if (nVersion >= 14)
        ReadReference(cursor, header);

    const std::uint64_t nTable = G7kLayout::TableOffset(nVersion);
    cursor.Seek(nTable);
    const std::uint64_t nTableLength = BlockTableLength(cursor, nVersion);
    cursor.Seek(nTable + nTableLength);
    cursor.Read16(header.nChannels);
    if (nVersion != 15)
        cursor.Skip(2);
    cursor.Read32(header.dwRecords);

    if (cursor.IsShort())
        header.dwStatus |= G7K_STATUS_SHORT;
    return IsPlausible(header) ? header : UnreadableHeader(header.dwFileSize);
}

namespace {

// The file, with its first bytes read in one go: most headers need no
// second read.
class CG7kFileSource : public IG7kByteSource
{
public:
    explicit CG7kFileSource(LPCTSTR pszPath)
    {
        OsFile::Error error;
        m_hFile = OsFile::Open(pszPath, CFile::modeRead | CFile::shareDenyNone | CFile::typeBinary, error);
        if (m_hFile == OsFile::hNoFile)
            return;
        ULONGLONG nLength = 0;
        if (OsFile::GetLength(m_hFile, nLength, error))
            m_nSize = nLength;
        UINT nRead = 0;
        m_head.resize(static_cast<size_t>(std::min<std::uint64_t>(m_nSize, kHeadBytes)));
        if (!m_head.empty() && OsFile::Read(m_hFile, m_head.data(), static_cast<UINT>(m_head.size()), nRead, error))
            m_head.resize(nRead);
    }
    ~CG7kFileSource() override
    {
        OsFile::Error error;
        if (m_hFile != OsFile::hNoFile)
            OsFile::Close(m_hFile, error);
    }
    CG7kFileSource(const CG7kFileSource&) = delete;
    CG7kFileSource& operator=(const CG7kFileSource&) = delete;

    bool IsOpen() const { return m_hFile != OsFile::hNoFile; }
    std::uint64_t Size() override { return m_nSize; }

    size_t ReadAt(std::uint64_t nOffset, void* pBuffer, size_t nCount) override
    {
        if (nOffset + nCount <= m_head.size()) {
            std::memcpy(pBuffer, m_head.data() + nOffset, nCount);
            return nCount;
        }
        OsFile::Error error;
        ULONGLONG nNewPos = 0;
        UINT nRead = 0;
        if (!OsFile::Seek(m_hFile, static_cast<LONGLONG>(nOffset), CFile::begin, nNewPos, error)
            || !OsFile::Read(m_hFile, pBuffer, static_cast<UINT>(nCount), nRead, error))
            return 0;
        return nRead;
    }

private:
    static constexpr std::uint64_t kHeadBytes = 4096;
    OsFile::Handle m_hFile = OsFile::hNoFile;
    std::uint64_t m_nSize = 0;
    std::vector<BYTE> m_head;
};

} // namespace

G7kHeader ReadG7kHeaderFile(LPCTSTR pszPath)
{
    CG7kFileSource source(pszPath);
    if (!source.IsOpen()) {
        G7kHeader header;
        header.dwStatus = G7K_STATUS_OPEN_FAILED;
        return header;
    }
    return ReadG7kHeader(source);
}

CTime G7kRecordTime(DWORD dwRaw)
{
    // The instrument counts from its own epoch; the difference wraps in 32
    // bits, as it always has for stored files.
    return CTime(static_cast<time_t>(static_cast<std::int32_t>(dwRaw - 2177481600u)));
}

DWORD G7kRawTime(std::int64_t nWallSeconds)
{
    return static_cast<DWORD>(nWallSeconds + 2177481600ll);
}

LPCTSTR G7kDataTypeName(WORD nCode)
{
    static const char* const kNames[] = {"SP", "Res.", "IP", "Log."};
    return nCode >= 1 && nCode <= 4 ? kNames[nCode - 1] : "???";
}

LPCTSTR G7kElectrodeSystemName(WORD nCode)
{
    if (nCode == 1)
        return "Vika Imaging System";
    return nCode == 2 ? "Polyvect" : "-";
}

namespace {

void Put(std::vector<BYTE>& file, size_t nOffset, const void* pData, size_t nCount)
{
    if (file.size() < nOffset + nCount)
        file.resize(nOffset + nCount);
    std::memcpy(file.data() + nOffset, pData, nCount);
}

void Put16(std::vector<BYTE>& file, size_t nOffset, unsigned nValue)
{
    const BYTE b[2] = {static_cast<BYTE>(nValue), static_cast<BYTE>(nValue >> 8)};
    Put(file, nOffset, b, sizeof b);
}

void Put32(std::vector<BYTE>& file, size_t nOffset, DWORD dwValue)
{
    const BYTE b[4] = {static_cast<BYTE>(dwValue), static_cast<BYTE>(dwValue >> 8), static_cast<BYTE>(dwValue >> 16),
                       static_cast<BYTE>(dwValue >> 24)};
    Put(file, nOffset, b, sizeof b);
}

void PutFloat(std::vector<BYTE>& file, size_t nOffset, float fValue)
{
    DWORD dwBits = 0;
    std::memcpy(&dwBits, &fValue, sizeof dwBits);
    Put32(file, nOffset, dwBits);
}

} // namespace

std::vector<BYTE> MakeG7kFile(const G7kHeader& header, const char* pszId, int nBlocks, int nEntries,
                              size_t nDataBytes)
{
    const WORD nVersion = header.nVersion;
    std::vector<BYTE> file(G7kLayout::TableOffset(nVersion), 0);
    Put16(file, 0, nVersion);
    if (nVersion >= 6) {
        char szId[12] = {};
        if (pszId)
            std::memcpy(szId, pszId, strnlen(pszId, sizeof szId));
        Put(file, 2, szId, sizeof szId);
    }
    const size_t nTime = static_cast<size_t>(G7kLayout::TimeOffset(nVersion));
    Put32(file, nTime, header.dwRawTime);
    Put16(file, nTime + 4, header.nDataType);
    Put16(file, static_cast<size_t>(G7kLayout::ElectrodeSystemOffset(nVersion)), header.nElectrodeSystem);
    const size_t nArray = static_cast<size_t>(G7kLayout::ArrayCodeOffset(nVersion));
    if (nVersion >= 8)
        Put16(file, nArray, static_cast<WORD>(header.nArrayCode));
    if (nVersion >= 14) {
        const size_t nRef = nArray + 2 + G7kLayout::kReferenceGap;
        const float values[] = {header.fRefX, header.fRefY, header.fRefZ, header.fAzimuth, header.fInclination};
        for (size_t i = 0; i < 5; ++i)
            PutFloat(file, nRef + 4 * i, values[i]);
    }
    size_t nPos = static_cast<size_t>(G7kLayout::TableOffset(nVersion));
    if (nVersion >= 4) {
        Put16(file, nPos, static_cast<unsigned>(nBlocks));
        nPos += 2;
        for (int i = 0; i < nBlocks; ++i) {
            file.resize(nPos + G7kLayout::kBlockBody, 0);
            nPos += G7kLayout::kBlockBody;
            Put16(file, nPos, static_cast<unsigned>(nEntries));
            nPos += 2;
            file.resize(nPos + G7kLayout::kBlockEntry * nEntries, 0);
            nPos += G7kLayout::kBlockEntry * nEntries;
        }
    }
    Put16(file, nPos, header.nChannels);
    nPos += nVersion != 15 ? 4 : 2;
    Put32(file, nPos, header.dwRecords);
    file.resize(nPos + 4 + nDataBytes, 0);
    return file;
}
