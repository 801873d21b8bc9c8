#include "CPP_ALL/GFLineClock.h"

#include <algorithm>

namespace {
// A pace measured over less than this is mostly the tick's granularity.
constexpr uint32_t kLeastMeasure = 100;
constexpr long kLeastRate = 10;
}  // namespace

void GFLineClock::SetRate(long bytesPerSecond) { m_rate = std::max(kLeastRate, bytesPerSecond); }

uint32_t GFLineClock::TimeFor(long bytes) const {
  if (bytes <= 0) return 0;
  return uint32_t((int64_t(bytes) * 1000 + m_rate - 1) / m_rate);
}

uint32_t GFLineClock::LeavesAt(long wireOffset) const {
  return m_baseTick + TimeFor(std::max(0L, wireOffset - m_baseWire));
}

void GFLineClock::Rebase(long wire, uint32_t tick) {
  m_baseWire = wire;
  m_baseTick = tick;
}

void GFLineClock::Wrote(long n, uint32_t now) {
  if (n <= 0) return;
  // An idle line starts on the new bytes at once.
  if (!Ahead(DrainedAt(), now)) Rebase(m_written, now);
  m_written += n;
}

void GFLineClock::Purged(uint32_t now) {
  Rebase(m_written, now);
  m_lastSeenWire = -1;
}

void GFLineClock::Received(long wireOffset, uint32_t now) {
  if (wireOffset > m_written || wireOffset <= m_lastSeenWire) return;
  // When these bytes were all queued at the last sign, the line was busy
  // with them since: their pace is the line's.
  uint32_t took = now - m_lastSeenTick;
  if (m_lastSeenWire >= 0 && wireOffset <= m_writtenAtSeen && took >= kLeastMeasure) {
    long measured = long(int64_t(wireOffset - m_lastSeenWire) * 1000 / took);
    if (measured < m_rate) SetRate((m_rate + measured) / 2);
  }
  m_lastSeenWire = wireOffset;
  m_lastSeenTick = now;
  m_writtenAtSeen = m_written;
  // The model was slower than the line: what is left goes from now.
  if (Ahead(LeavesAt(wireOffset), now)) Rebase(wireOffset, now);
}
