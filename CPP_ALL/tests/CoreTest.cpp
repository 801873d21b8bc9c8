// Checksums, the code table, dates, names and the other small pieces of the
// serial library.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "CPP_ALL/GFChecksum.h"
#include "CPP_ALL/GFErrors.h"
#include "CPP_ALL/GFPlatform.h"
#include "CPP_ALL/GFTransfer.h"
#include "CPP_ALL/GFZmodem.h"
#include "CPP_ALL/tests/TestPorts.h"

namespace {

TEST(Checksum, KnownValues) {
  struct Case {
    const char* name;
    uint32_t (*compute)(const std::string&);
    std::string data;
    uint32_t expected;
  } cases[] = {
      {"crc16 check", [](const std::string& d) { return GFCrc16().Compute(d.data(), d.size(), 0); },
       "123456789", 0x31C3},
      {"crc16 abc", [](const std::string& d) { return GFCrc16().Compute(d.data(), d.size(), 0); }, "abc",
       0x9DD6},
      {"crc16 empty keeps initial",
       [](const std::string& d) { return GFCrc16().Compute(d.data(), d.size(), 0x1234); }, "", 0x1234},
      {"crc32 check", [](const std::string& d) { return ~GFCrc32().Compute(d.data(), d.size()); }, "123456789",
       0xCBF43926},
      {"crc32 abc", [](const std::string& d) { return ~GFCrc32().Compute(d.data(), d.size()); }, "abc",
       0x352441C2},
      {"sum8", [](const std::string& d) { return GFChecksum().Compute(d.data(), d.size()); }, "\xFF\x02", 0x01},
      {"sum16", [](const std::string& d) { return GFChecksum16().Compute(d.data(), d.size()); }, "\xFF\x02",
       0x0101},
  };
  for (const Case& c : cases) EXPECT_EQ(c.compute(c.data), c.expected) << c.name;
}

TEST(Checksum, ByteUpdatesMatchBlocksAndResidues) {
  const char data[] = "ZMODEM";
  uint16_t crc16 = 0;
  uint32_t crc32 = 0xFFFFFFFFu;
  for (const char* p = data; *p; ++p) {
    crc16 = UpdateCrc16(uint8_t(*p), crc16);
    crc32 = UpdateCrc32(uint8_t(*p), crc32);
  }
  EXPECT_EQ(crc16, GFCrc16().Compute(data, 6, 0));
  EXPECT_EQ(crc32, GFCrc32().Compute(data, 6));
  // A receiver running over the data and the sent check ends at 0 or the
  // CRC-32 residue.
  uint16_t r16 = UpdateCrc16(uint8_t(crc16), UpdateCrc16(uint8_t(crc16 >> 8), crc16));
  EXPECT_EQ(r16, 0);
  uint32_t sent = ~crc32, r32 = crc32;
  for (int i = 0; i < 4; ++i) r32 = UpdateCrc32(uint8_t(sent >> (8 * i)), r32);
  EXPECT_EQ(r32, 0xDEBB20E3u);
}

// The CRC-32 of a block takes eight bytes a step: every length and start
// gives what one byte at a time gives.
TEST(Checksum, Crc32BlocksMatchByteUpdatesAtAnyLengthAndStart) {
  uint8_t data[64];
  for (int i = 0; i < 64; ++i) data[i] = uint8_t(i * 37 + 11);
  for (int start = 0; start < 4; ++start)
    for (int length = 0; start + length <= 64; ++length) {
      uint32_t crc = 0xFFFFFFFFu;
      for (int i = 0; i < length; ++i) crc = UpdateCrc32(data[start + i], crc);
      ASSERT_EQ(GFCrc32().Compute(data + start, size_t(length)), crc) << start << " " << length;
    }
}

TEST(Errors, LookupFindsTextsAndFallsBack) {
  EXPECT_STREQ(GFLookupError(g_gfErrorTable, 0), "Successful");
  EXPECT_STREQ(GFLookupError(g_gfErrorTable, -914), "Remote cancelled file tranfer");
  EXPECT_STREQ(GFLookupError(g_gfErrorTable, -932), "No files sent. Check source/target folder.");
  EXPECT_STREQ(GFLookupError(g_gfErrorTable, -924), "*** Unknown error message ***");
  EXPECT_STREQ(GFLookupError(g_gfErrorTable, -32768), "*** Unknown error message ***");
}

TEST(Platform, FatalTextIsCutToItsBuffer) {
  char buffer[80];
  EXPECT_STREQ(GFFormatFatalError(buffer, "CPP_ALL\\COMLINK", 42),
               "Pure Virtual function called @CPP_ALL\\COMLINK,42\nUnable to continue execution");
  std::string longName(100, 'x');
  EXPECT_EQ(std::strlen(GFFormatFatalError(buffer, longName.c_str(), 1)), 79u);
}

#ifndef _WIN32  // on Windows the report waits in a message box
TEST(Platform, AbstractOperationsEndTheProcess) {
  GFComLink port;
  EXPECT_EXIT(port.ReadChar(), ::testing::ExitedWithCode(1), "Pure Virtual function called @CPP_ALL.COMLINK");
  EXPECT_EQ(port.QueryExtension(), GF_NOT_SUPPORTED);
}
#endif

TEST(Platform, FileTimesCountFrom1601) {
  struct {
    int64_t unixSeconds;
    uint64_t ticks;
  } cases[] = {{0, 116444736000000000ULL}, {1, 116444736010000000ULL}, {-11644473600LL, 0},
               {2000000000, 136444736000000000ULL}};
  for (auto& c : cases) {
    EXPECT_EQ(GFFileTimeFromUnix(c.unixSeconds), c.ticks) << c.unixSeconds;
    EXPECT_EQ(GFUnixFromFileTime(c.ticks), c.unixSeconds) << c.unixSeconds;
  }
  EXPECT_EQ(GFUnixFromFileTime(116444736009999999ULL), 0);  // part seconds are cut
}

TEST(Transfer, StripPath) {
  struct {
    const char* in;
    const char* out;
  } cases[] = {{"C:\\DATA\\RES\\FILE1.G7K", "FILE1.G7K"}, {"A:FILE", "FILE"}, {"PLAIN", "PLAIN"},
               {"dir/sub/name.txt", "name.txt"}};
  for (auto& c : cases) EXPECT_STREQ(GFTransfer::StripPath(c.in), c.out) << c.in;
}

TEST(Zmodem, ReceivedNamesAreReducedOrRefused) {
  struct {
    const char* offered;
    const char* safe;  // null: refused
  } cases[] = {
      {"DATA.G7K", "DATA.G7K"},
      {"../../etc/passwd", "passwd"},
      {"C:\\WINDOWS\\win.ini", "win.ini"},
      {"D:evil.txt", "evil.txt"},
      {"with space.dat", "with space.dat"},
      {"..", nullptr},
      {"dir/..", nullptr},
      {"", nullptr},
      {"folder/", nullptr},
      {"NUL", nullptr},
      {"con.txt", nullptr},
      {"COM1", nullptr},
      {"lpt9.dat", nullptr},
      {"name.", nullptr},
      {"a|b", nullptr},
      {"tab\there", nullptr},
  };
  for (auto& c : cases) {
    std::string name;
    bool ok = GFZmodem::SafeReceiveName(c.offered, name);
    EXPECT_EQ(ok, c.safe != nullptr) << c.offered;
    if (ok && c.safe) {
      EXPECT_EQ(name, c.safe) << c.offered;
    }
  }
  std::string name;
  EXPECT_TRUE(GFZmodem::SafeReceiveName(std::string(200, 'a').c_str(), name));
  EXPECT_FALSE(GFZmodem::SafeReceiveName(std::string(201, 'a').c_str(), name));
}

TEST(Zmodem, FileInfoBlock) {
  std::string info = GFZmodem::FileInfo("DATA.G7K", 1234, 100000000);
  EXPECT_EQ(info, std::string("DATA.G7K\0" "1234 575360400 0\0", 26));
}

// The program's option numbers are not the ZF1 codes they stand for.
TEST(Zmodem, FileManagementOptionsMapToZf1Codes) {
  auto pair = MakeMemoryPair();
  GFComStream stream(pair.a.get());
  GFZmodem z(&stream);
  struct {
    int option;
    int code;
  } cases[] = {{1, GFZmodem::ZMNEWL}, {2, GFZmodem::ZMAPND}, {3, GFZmodem::ZMCLOB},
               {4, GFZmodem::ZMDIFF}, {5, GFZmodem::ZMPROT}, {6, GFZmodem::ZMNEW}};
  for (auto& c : cases) {
    z.SetFileManagement(c.option);
    EXPECT_EQ(z.GetFileManagement(), c.code) << c.option;
  }
  for (int outside : {0, 7, -1}) {
    z.SetFileManagement(outside);
    EXPECT_EQ(z.GetFileManagement(), GFZmodem::ZMNEW) << outside;  // left as it was
  }
}

}  // namespace
