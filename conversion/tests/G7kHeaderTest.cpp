#include "framework/Portable.h"
#include "conversion/G7kHeader.h"
#include "conversion/tests/TestFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

// The process's time zone (null: none set).
void SetZone(const char* pszZone)
{
#ifdef _WIN32
    _putenv_s("TZ", pszZone ? pszZone : "");
    _tzset();
#else
    if (pszZone)
        setenv("TZ", pszZone, 1);
    else
        unsetenv("TZ");
    tzset();
#endif
}

G7kHeader Read(const std::vector<BYTE>& bytes)
{
    CG7kMemorySource source(bytes.data(), bytes.size());
    return ReadG7kHeader(source);
}

void Put16(std::vector<BYTE>& b, size_t at, unsigned v)
{
    b[at] = static_cast<BYTE>(v);
    b[at + 1] = static_cast<BYTE>(v >> 8);
}

void Put32(std::vector<BYTE>& b, size_t at, DWORD v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<BYTE>(v >> (8 * i));
}

} // namespace

// Every version range: where the table starts, whether the array code and
// the reference are read, whether two bytes follow the channel count.
TEST(G7kHeader, EveryVersionRangeReadsItsOwnLayout)
{
    const WORD versions[] = {3, 4, 5, 6, 7, 8, 13, 14, 15, 16};
    for (WORD nVersion : versions) {
        SCOPED_TRACE(nVersion);
        G7kHeader in = SampleHeader(nVersion);
        in.fRefX = 10.5f;
        in.fRefY = -2.25f;
        in.fRefZ = 100.0f;
        in.fAzimuth = 45.0f;
        in.fInclination = 1.5f;
        const G7kHeader out = Read(MakeG7kFile(in, "1234567 0", 3, 5, 64));
        EXPECT_EQ(0u, out.dwStatus);
        EXPECT_EQ(nVersion, out.nVersion);
        EXPECT_EQ(2, out.nDataType);
        EXPECT_EQ(1, out.nElectrodeSystem);
        EXPECT_EQ(nVersion >= 8 ? 3 : -1, out.nArrayCode);
        EXPECT_EQ(4, out.nChannels);
        EXPECT_EQ(100u, out.dwRecords);
        EXPECT_EQ(3124166400u, out.dwRawTime);
        EXPECT_EQ(nVersion >= 6 ? 1234567u : 0u, out.dwSerialNumber);
        EXPECT_FLOAT_EQ(nVersion >= 14 ? 10.5f : 0.0f, out.fRefX);
        EXPECT_FLOAT_EQ(nVersion >= 14 ? 45.0f : 0.0f, out.fAzimuth);
    }
}

// Fixtures written from the layout by hand, not by the generator.
TEST(G7kHeader, HandMadeVersion5And15Files)
{
    std::vector<BYTE> v5(308 + 2 + 2 + 2 + 4, 0);
    Put16(v5, 0, 5);
    Put32(v5, 2, 3124166400u);
    Put16(v5, 6, 3);      // data type right after the time
    Put16(v5, 217, 2);    // electrode system
    Put16(v5, 308, 0);    // no blocks
    Put16(v5, 310, 2);    // channels
    Put32(v5, 314, 77);   // records after two skipped bytes
    G7kHeader h = Read(v5);
    EXPECT_EQ(0u, h.dwStatus);
    EXPECT_EQ(3, h.nDataType);
    EXPECT_EQ(2, h.nElectrodeSystem);
    EXPECT_FALSE(h.bHasId);
    EXPECT_EQ(0u, h.dwSerialNumber);
    EXPECT_EQ(2, h.nChannels);
    EXPECT_EQ(77u, h.dwRecords);

    std::vector<BYTE> v15(440 + 2 + 82 + 12 + 2 + 4, 0);
    Put16(v15, 0, 15);
    Put16(v15, 440, 1);            // one block
    Put16(v15, 440 + 2 + 80, 1);   // of one entry
    const size_t at = 440 + 2 + 82 + 12;
    Put16(v15, at, 3);
    Put32(v15, at + 2, 9);         // records right after the channels
    h = Read(v15);
    EXPECT_EQ(0u, h.dwStatus);
    EXPECT_EQ(3, h.nChannels);
    EXPECT_EQ(9u, h.dwRecords);
}

TEST(G7kHeader, InstrumentIds)
{
    struct Case {
        const char* pszId;
        WORD nVersion;
        DWORD dwSerial;
        const char* pszInstrument;
    } cases[] = {
        {"1234567 0", 14, 1234567, "GVX2000"},
        {"1234567 0", 13, 1234567, "GVX7000"},
        {"1234567 1", 14, 1234567, "GVX7000"},
        {"  42", 14, 42, "GVX7000"},             // no kind: not the 2000
        {"A234567 0", 14, 0xFFFFFFFF, "(Unknown)"},
        {"123-45", 14, 0xFFFFFFFF, "(Unknown)"},
        {"", 14, 0, ""},                         // no id
        {"   ", 14, 0, ""},
        {"999999999999", 14, 0xFFFFFFFF, "(Unknown)"},  // beyond 32 bits
        {"1 3033333333", 14, 1, "GVX7000"},      // a kind of ten digits
        {"1 0000000000", 14, 1, "GVX2000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszId);
        char szId[12] = {};
        std::strncpy(szId, c.pszId, sizeof szId);
        DWORD dwSerial = 7;
        CString strInstrument = "x";
        ParseInstrumentId(szId, sizeof szId, c.nVersion, dwSerial, strInstrument);
        EXPECT_EQ(c.dwSerial, dwSerial);
        EXPECT_STREQ(c.pszInstrument, strInstrument);
    }
}

// Every prefix of a file is read without reading past it; the prefixes that
// end before the record count are flagged short, the others are not.
TEST(G7kHeader, FilesCutShortAreFlaggedAtEveryLength)
{
    for (WORD nVersion : {5, 14, 15}) {
        const std::vector<BYTE> whole = MakeG7kFile(SampleHeader(nVersion), "1", 2, 3, 0);
        for (size_t n = 0; n < whole.size(); ++n) {
            const std::vector<BYTE> cut(whole.begin(), whole.begin() + n);
            const G7kHeader h = Read(cut);
            EXPECT_EQ(G7K_STATUS_SHORT, h.dwStatus) << "version " << nVersion << " cut at " << n;
            EXPECT_EQ(n, h.dwFileSize);
        }
        EXPECT_EQ(0u, Read(whole).dwStatus);
    }
}

TEST(G7kHeader, HostileBlockCountsStopAtTheEndOfTheFile)
{
    std::vector<BYTE> file = MakeG7kFile(SampleHeader(14), "1", 0, 0, 0);
    // 65535 blocks of 65535 entries each in a file of a few hundred bytes.
    Put16(file, 442, 0xFFFF);
    file.resize(442 + 2 + 80 + 2, 0);
    Put16(file, 442 + 2 + 80, 0xFFFF);
    const G7kHeader h = Read(file);
    EXPECT_EQ(G7K_STATUS_SHORT, h.dwStatus);
    EXPECT_EQ(0, h.nChannels);
    EXPECT_EQ(0u, h.dwRecords);
}

TEST(G7kHeader, EmptyAndMissingFiles)
{
    TestFolder folder;
    const G7kHeader empty = ReadG7kHeaderFile(folder.Write("EMPTY.G7K", {}).c_str());
    EXPECT_EQ(G7K_STATUS_SHORT, empty.dwStatus);
    EXPECT_EQ(0u, empty.dwFileSize);
    EXPECT_EQ(0, empty.nVersion);
    EXPECT_EQ(G7K_STATUS_OPEN_FAILED, ReadG7kHeaderFile((folder.Path() + "NONE.G7K").c_str()).dwStatus);

    // A block table beyond the first bytes read in one go.
    const std::vector<BYTE> big = MakeG7kFile(SampleHeader(16), "7654321 0", 40, 20, 10);
    const G7kHeader h = ReadG7kHeaderFile(folder.Write("BIG.G7K", big).c_str());
    EXPECT_EQ(0u, h.dwStatus);
    EXPECT_EQ(100u, h.dwRecords);
    EXPECT_EQ(big.size(), h.dwFileSize);
}

// The instrument's clock is a wall clock: the same raw value shows the same
// time whatever zone and daylight saving the PC is in.
TEST(G7kHeader, RecordTimeIsTheSameInEveryZone)
{
    const char* pszOld = std::getenv("TZ");
    const std::string strOld = pszOld ? pszOld : "";
    for (const char* pszZone : {"UTC0", "CET-1CEST,M3.5.0,M10.5.0/3", "EST5EDT,M3.2.0,M11.1.0"}) {
        SetZone(pszZone);
        EXPECT_STREQ("01 Jan 2000  00:00:00", G7kRecordTime(3124166400u).FormatGmt("%d %b %Y  %H:%M:%S"));
        EXPECT_STREQ("01 Jul 2000  12:30:00",
                     G7kRecordTime(G7kRawTime(962454600)).FormatGmt("%d %b %Y  %H:%M:%S"));
    }
    SetZone(pszOld ? strOld.c_str() : nullptr);
}

// The files of the script that fills the instrument simulator's folders,
// written from the layout independently of the reader.
TEST(G7kHeader, FilesOfTheGeneratorScriptReadBack)
{
    const char* pszSource = std::getenv("G7K_SOURCE_DIR");
#ifdef _WIN32
    pszSource = nullptr;   // the script runs on the host, not under Wine
#endif
    if (!pszSource)
        GTEST_SKIP() << "the generator script needs the host";
    TestFolder folder;
    const std::string command =
        std::string("python3 ") + pszSource + "/tools/make-g7k.py " + folder.Path() + " 6 >/dev/null";
    ASSERT_EQ(0, std::system(command.c_str()));
    const char* const kinds[] = {"SP", "RES", "IP", "LOG"};
    for (int k = 0; k < 4; ++k) {
        for (int i = 0; i < 6; ++i) {
            char szName[32];
            std::snprintf(szName, sizeof szName, "%s/%c%03d.G7K", kinds[k], kinds[k][0], i + 1);
            SCOPED_TRACE(szName);
            const G7kHeader h = ReadG7kHeaderFile((folder.Path() + szName).c_str());
            EXPECT_EQ(0u, h.dwStatus);
            EXPECT_EQ(k + 1, h.nDataType);
            EXPECT_EQ(1 + i % 4, h.nChannels);
            EXPECT_EQ(40u + 17 * i, h.dwRecords);
            EXPECT_EQ(h.nVersion >= 6 ? 1234567u : 0u, h.dwSerialNumber);
            EXPECT_EQ(h.nVersion >= 8 ? i % 12 : -1, h.nArrayCode);
        }
    }
}

// Bytes of some other file read as a header: nothing out of range reaches
// the list, the file is marked unreadable and keeps only its size.
TEST(G7kHeader, OutOfRangeNumbersMarkTheFileUnreadable)
{
    struct Case {
        const char* pszWhat;
        void (*pfnSpoil)(G7kHeader&);
    } cases[] = {
        {"version 0", [](G7kHeader& h) { h.nVersion = 0; }},
        {"version 18503", [](G7kHeader& h) { h.nVersion = 18503; }},
        {"30000 channels", [](G7kHeader& h) { h.nChannels = 30000; }},
        {"more records than bytes", [](G7kHeader& h) { h.dwRecords = 1850308100; }},
        {"reference not a number", [](G7kHeader& h) { h.fRefY = std::nanf(""); }},
        {"reference 1e30", [](G7kHeader& h) { h.fRefZ = 1e30f; }},
        {"azimuth 5000", [](G7kHeader& h) { h.fAzimuth = 5000.0f; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszWhat);
        G7kHeader in = SampleHeader(16);
        c.pfnSpoil(in);
        const std::vector<BYTE> file = MakeG7kFile(in, "1234567 0", 1, 2, 64);
        const G7kHeader out = Read(file);
        EXPECT_EQ(G7K_STATUS_SHORT, out.dwStatus);
        EXPECT_TRUE(out.bUnreadable);
        EXPECT_EQ(file.size(), out.dwFileSize);
        EXPECT_EQ(0, out.nVersion);
        EXPECT_EQ(0, out.nChannels);
        EXPECT_EQ(0u, out.dwRecords);
        EXPECT_EQ(0u, out.dwSerialNumber);
    }
    // The limits themselves are still a data file's.
    G7kHeader edge = SampleHeader(16);
    edge.nChannels = G7kLimits::kMaxChannels;
    edge.fAzimuth = -360.0f;
    edge.dwRecords = 64;
    EXPECT_EQ(0u, Read(MakeG7kFile(edge, "1234567 0", 0, 0, 64)).dwStatus);
}
