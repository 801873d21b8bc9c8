// The ZMODEM frame layer on hand-written byte scripts.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "CPP_ALL/GFChecksum.h"
#include "CPP_ALL/GFPlatform.h"
#include "CPP_ALL/GFZmodem.h"
#include "CPP_ALL/tests/TestPorts.h"

namespace {

const std::string kZdle = "\x18";

std::string HexHeader(int type, const std::string& data4, bool upper = false) {
  std::string v = std::string(1, char(type)) + data4;
  unsigned crc = GFCrc16().Compute(v.data(), 5, 0);
  std::string s = "**" + kZdle + "B";
  char hex[8];
  for (unsigned char b : v) {
    std::snprintf(hex, sizeof hex, upper ? "%02X" : "%02x", b);
    s += hex;
  }
  std::snprintf(hex, sizeof hex, upper ? "%04X" : "%04x", crc);
  return s + hex + "\r\n";
}

std::string Escape(const std::string& raw) {
  std::string s;
  for (unsigned char b : raw) {
    if (b == 0x0D || b == 0x10 || b == 0x11 || b == 0x13 || b == 0x18 || b == 0x8D || b == 0x90 || b == 0x91 ||
        b == 0x93) {
      s += kZdle;
      s += char(b ^ 0x40);
    } else {
      s += char(b);
    }
  }
  return s;
}

std::string BinHeader(int type, const std::string& data4, bool crc32) {
  std::string v = std::string(1, char(type)) + data4;
  std::string check;
  if (crc32) {
    uint32_t crc = ~GFCrc32().Compute(v.data(), 5);
    for (int i = 0; i < 4; ++i) check += char(crc >> (8 * i));
  } else {
    unsigned crc = GFCrc16().Compute(v.data(), 5, 0);
    check = {char(crc >> 8), char(crc)};
  }
  return "*" + kZdle + (crc32 ? "C" : "A") + Escape(v + check);
}

// A subpacket after a CRC-16 header: escaped payload, ZDLE, end, CRC.
std::string Subpacket16(const std::string& payload, char end) {
  GFCrc16 crc16;
  unsigned crc = crc16.Compute(payload.data(), payload.size(), 0);
  crc = UpdateCrc16(uint8_t(end), uint16_t(crc));
  return Escape(payload) + kZdle + end + Escape(std::string{char(crc >> 8), char(crc)});
}

// ZDLE, the end letter and the escaped CRC-16 of a raw payload.
std::string Tail16(const std::string& raw, char end) {
  uint16_t crc = UpdateCrc16(uint8_t(end), uint16_t(GFCrc16().Compute(raw.data(), raw.size(), 0)));
  return kZdle + end + Escape(std::string{char(crc >> 8), char(crc)});
}

class FrameTest : public ::testing::Test {
 protected:
  void SetUp() override { GFSetTimeScale(100); }
  void TearDown() override { GFSetTimeScale(1); }
  void Feed(const std::string& bytes) {
    for (size_t done = 0; done < bytes.size();)
      done += size_t(pair.b->WriteBuffer(bytes.data() + done, int(bytes.size() - done)));
  }
  std::string Sent() {
    std::string s;
    int c;
    while ((c = pair.b->ReadChar()) >= 0) s += char(c);
    return s;
  }

  MemoryPair pair = MakeMemoryPair(1 << 16);
  GFComStream stream{pair.a.get()};
  GFZmodem z{&stream};
};

const std::string kZeros(4, '\0');

TEST_F(FrameTest, ReadsHeaders) {
  struct Case {
    const char* name;
    std::string script;
    int result;
    int format;
  } cases[] = {
      {"hex", HexHeader(1, kZeros), 1, 'B'},
      {"hex upper case digits", HexHeader(9, std::string("\x0b\0\0\0", 4), true), GF_XFER_GENERAL, 0},
      {"binary crc16", BinHeader(10, std::string("\x10\x20\x00\x00", 4), false), 10, 'A'},
      {"binary crc32", BinHeader(9, std::string("\x00\x04\x00\x00", 4), true), 9, 'C'},
      {"garbage before the pad", "noise\r\n+++" + HexHeader(8, kZeros), 8, 'B'},
      {"four CANs then a header", "\x18\x18\x18\x18" + HexHeader(3, kZeros), 3, 'B'},
      {"five CANs", "\x18\x18\x18\x18\x18", GF_REMOTE_CANCEL, 0},
      {"too much garbage", std::string(2048, 'g') + HexHeader(1, kZeros), GF_XFER_GENERAL, 0},
      {"bad binary CRC", BinHeader(10, kZeros, false).substr(0, 8) + "\x01\x02", GF_XFER_GENERAL, 0},
      {"silence", "", GF_TIMEOUT, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    z.DropInput();
    z.GetMonitor()->Reset(0);
    z.SetRetryLimit(100);
    Feed(c.script);
    EXPECT_EQ(z.ReadFrameHeader(true), c.result);
    if (c.result >= 0) {
      EXPECT_EQ(z.HeaderFormat(), c.format);
    }
  }
}

TEST_F(FrameTest, BinaryHeaderCarriesPosition) {
  Feed(BinHeader(10, std::string("\x0D\x11\x02\x00", 4), true));
  EXPECT_EQ(z.ReadFrameHeader(true), 10);
  EXPECT_EQ(z.HeaderPosition(), 0x2110DL);
  EXPECT_EQ(z.GetMonitor()->checkType, GF_CHECK_CRC32);
}

TEST_F(FrameTest, RetryLimitEndsWithTooManyErrors) {
  z.SetRetryLimit(3);
  std::string bad = HexHeader(9, std::string("\x0b\0\0\0", 4), true);
  Feed(bad + bad + bad);
  EXPECT_EQ(z.ReadFrameHeader(false), GF_TOO_MANY_ERRORS);
  EXPECT_EQ(z.GetMonitor()->errorCount, 3);
}

TEST_F(FrameTest, ReadsSubpackets) {
  std::string full(1024, 'x');
  struct Case {
    const char* name;
    std::string script;
    int result;
    std::string payload;
  } cases[] = {
      {"escapes", Subpacket16(std::string("a\r\x8D\x18z", 5), 'k'), 'k', std::string("a\r\x8D\x18z", 5)},
      {"rub-outs", "ab" + kZdle + "l" + kZdle + "m" + Tail16("ab\x7F\xFF", 'i'), 'i', "ab\x7F\xFF"},
      {"exactly 1024 bytes", Subpacket16(full, 'j'), 'j', full},
      {"1025 bytes", Subpacket16(full + "y", 'j'), GF_BUFFER_FULL, ""},
      {"bad CRC", Subpacket16("data", 'k').substr(0, 6) + "\x01\x02", GF_XFER_GENERAL, ""},
      {"invalid escape", "ab" + kZdle + "z" + Subpacket16("", 'k'), GF_XFER_GENERAL, ""},
      {"flow characters ignored", "a\x11" "b\x13" + Tail16("ab", 'k'), 'k', "ab"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    z.DropInput();
    z.GetMonitor()->Reset(0);
    Feed(BinHeader(10, kZeros, false));
    ASSERT_EQ(z.ReadFrameHeader(true), 10);
    Feed(c.script);
    EXPECT_EQ(z.ReadDataSubpacket(), c.result);
    if (c.result >= 0) {
      EXPECT_EQ(std::string(reinterpret_cast<char*>(z.DataBuffer()), size_t(z.GetMonitor()->subpacketBytes)),
                c.payload);
    }
  }
}

TEST_F(FrameTest, CancelAfterEscape) {
  Feed(BinHeader(10, kZeros, false));
  ASSERT_EQ(z.ReadFrameHeader(true), 10);
  Feed("ab\x18\x18\x18\x18\x18");
  EXPECT_EQ(z.ReadDataSubpacket(), GF_REMOTE_CANCEL);
  EXPECT_EQ(z.GetMonitor()->result, GF_REMOTE_CANCEL);
}

TEST_F(FrameTest, WritesHeadersAndSubpackets) {
  EXPECT_EQ(z.SendHexHeader(GFZmodem::ZFIN, reinterpret_cast<const uint8_t*>(kZeros.data())), 0);
  EXPECT_EQ(Sent(), HexHeader(8, kZeros));
  z.SendHexHeader(GFZmodem::ZRINIT, reinterpret_cast<const uint8_t*>("\0\0\0\x27"));
  EXPECT_EQ(Sent(), HexHeader(1, std::string("\0\0\0\x27", 4)) + "\x11");
  z.SendHexHeader(GFZmodem::ZACK, reinterpret_cast<const uint8_t*>(kZeros.data()));
  EXPECT_EQ(Sent(), HexHeader(3, kZeros));

  const uint8_t pos[4] = {0x0D, 0x8D, 0x7F, 0};
  z.SendBinaryHeader(GFZmodem::ZDATA, pos);
  EXPECT_EQ(Sent(), BinHeader(10, std::string("\x0D\x8D\x7F\x00", 4), false));
  z.SetPeerFlags(GFZmodem::CANFC32);
  z.SendBinaryHeader(GFZmodem::ZDATA, pos);
  EXPECT_EQ(Sent(), BinHeader(10, std::string("\x0D\x8D\x7F\x00", 4), true));

  z.SetPeerFlags(0);
  std::memcpy(z.DataBuffer(), "\r\x8D\x7F", 3);
  z.SendDataSubpacket(3, GFZmodem::ZCRCW);
  std::string sent = Sent();
  EXPECT_EQ(sent.substr(0, 5), kZdle + "\x4D" + kZdle + "\xCD\x7F");
  EXPECT_EQ(sent, Subpacket16("\r\x8D\x7F", 'k') + "\x11");
}

}  // namespace
