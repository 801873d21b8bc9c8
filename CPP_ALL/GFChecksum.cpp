#include "CPP_ALL/GFChecksum.h"

#include <array>

namespace {
constexpr std::array<uint16_t, 256> MakeCrc16Table() {
  std::array<uint16_t, 256> t{};
  for (unsigned i = 0; i < 256; ++i) {
    unsigned crc = i << 8;
    for (int b = 0; b < 8; ++b) crc = (crc & 0x8000) ? (crc << 1) ^ 0x1021 : crc << 1;
    t[i] = uint16_t(crc);
  }
  return t;
}

constexpr std::array<uint32_t, 256> MakeCrc32Table() {
  std::array<uint32_t, 256> t{};
  for (uint32_t i = 0; i < 256; ++i) {
    uint32_t crc = i;
    for (int b = 0; b < 8; ++b) crc = (crc & 1) ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    t[i] = crc;
  }
  return t;
}

// Eight tables of the CRC-32 take eight bytes a step: table k gives a
// byte's effect k bytes further on.
using Crc32Tables = std::array<std::array<uint32_t, 256>, 8>;
constexpr Crc32Tables MakeCrc32Tables() {
  Crc32Tables t{};
  t[0] = MakeCrc32Table();
  for (int k = 1; k < 8; ++k)
    for (int i = 0; i < 256; ++i) t[k][i] = (t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFF];
  return t;
}

constexpr auto kCrc16Table = MakeCrc16Table();
constexpr auto kCrc32Tables = MakeCrc32Tables();
constexpr const auto& kCrc32Table = kCrc32Tables[0];

uint32_t Word(const uint8_t* p) { return p[0] | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }
}  // namespace

uint16_t UpdateCrc16(uint8_t byte, uint16_t crc) {
  return uint16_t(kCrc16Table[((crc >> 8) ^ byte) & 0xFF] ^ ((crc & 0xFF) << 8));
}

uint32_t UpdateCrc32(uint8_t byte, uint32_t crc) {
  return kCrc32Table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
}

uint32_t GFChecksum::Compute(const void* data, size_t length, uint32_t) {
  const auto* p = static_cast<const uint8_t*>(data);
  m_value = 0;
  for (size_t i = 0; i < length; ++i) m_value = (m_value + p[i]) & 0xFF;
  return m_value;
}

uint32_t GFChecksum16::Compute(const void* data, size_t length, uint32_t) {
  const auto* p = static_cast<const uint8_t*>(data);
  m_value = 0;
  for (size_t i = 0; i < length; ++i) m_value = (m_value + p[i]) & 0xFFFF;
  return m_value;
}

uint32_t GFCrc16::Compute(const void* data, size_t length, uint32_t initial) {
  const auto* p = static_cast<const uint8_t*>(data);
  uint16_t crc = uint16_t(initial);
  for (size_t i = 0; i < length; ++i) crc = UpdateCrc16(p[i], crc);
  return m_value = crc;
}

uint32_t GFCrc32::Compute(const void* data, size_t length, uint32_t initial) {
  const auto* p = static_cast<const uint8_t*>(data);
  const auto& t = kCrc32Tables;
  uint32_t crc = initial;
  for (; length >= 8; p += 8, length -= 8) {
    uint32_t low = crc ^ Word(p), high = Word(p + 4);
    crc = t[7][low & 0xFF] ^ t[6][(low >> 8) & 0xFF] ^ t[5][(low >> 16) & 0xFF] ^ t[4][low >> 24] ^
          t[3][high & 0xFF] ^ t[2][(high >> 8) & 0xFF] ^ t[1][(high >> 16) & 0xFF] ^ t[0][high >> 24];
  }
  for (; length > 0; ++p, --length) crc = UpdateCrc32(*p, crc);
  return m_value = crc;
}
