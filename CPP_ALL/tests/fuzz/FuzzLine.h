// A line for the ZMODEM fuzz targets: what the far end says is the fuzz
// input, handed out a slice at a time whenever the reader waits (so a purge
// drops only what has arrived); what we write is swallowed. Once the input
// is used up the idle hook fails, which ends the transfer at once.
#pragma once

#include <cstdint>
#include <vector>

#include "CPP_ALL/tests/TestPorts.h"

class FuzzLine : public TestPort {
 public:
  FuzzLine(const uint8_t* data, size_t size) : m_input(data, data + size) {}
  int IdleHook() override { return Exhausted() ? GF_USER_ABORT : 0; }
  void WaitReady(int direction, int) override {
    if (direction == GF_WAIT_INPUT) Release();
  }

 protected:
  int RawWrite(const uint8_t*, int n) override { return n; }
  int RawRead(uint8_t* data, int n) override;
  int RawAvailable() override { return int(m_released - m_read); }
  void RawClearInput() override { m_read = m_released; }

 private:
  static constexpr size_t kSlice = 64;
  bool Exhausted() const { return m_read >= m_input.size(); }
  void Release();

  std::vector<uint8_t> m_input;
  size_t m_read = 0;
  size_t m_released = 0;
};
