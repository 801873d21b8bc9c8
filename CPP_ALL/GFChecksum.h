// Block checks of the transfer protocols: additive checksums, CRC-16/CCITT
// (XMODEM form) and CRC-32 (IEEE 802.3), plus the one-byte updates the
// ZMODEM frame layer runs while it reads and writes.
#pragma once

#include <cstddef>
#include <cstdint>

uint16_t UpdateCrc16(uint8_t byte, uint16_t crc);
uint32_t UpdateCrc32(uint8_t byte, uint32_t crc);

class GFChecksum {
 public:
  GFChecksum() = default;
  virtual ~GFChecksum() = default;
  // The 8-bit sum of the bytes; `initial` is ignored.
  virtual uint32_t Compute(const void* data, size_t length, uint32_t initial = 0);
  int Width() const { return m_width; }

 protected:
  explicit GFChecksum(int width) : m_width(width) {}
  uint32_t m_value = 0;
  int m_width = 8;
};

class GFChecksum16 : public GFChecksum {
 public:
  GFChecksum16() : GFChecksum(16) {}
  uint32_t Compute(const void* data, size_t length, uint32_t initial = 0) override;
};

// No final XOR: callers complement where the protocol asks for it.
class GFCrc16 : public GFChecksum {
 public:
  GFCrc16() : GFChecksum(16) {}
  uint32_t Compute(const void* data, size_t length, uint32_t initial = 0) override;
};

class GFCrc32 : public GFChecksum {
 public:
  GFCrc32() : GFChecksum(32) {}
  uint32_t Compute(const void* data, size_t length, uint32_t initial = 0xFFFFFFFFu) override;
};
