// When the bytes handed to a port will have left it: a model of the
// driver's output queue draining at the line's speed. A sender's waits for
// an answer start once its own data has left, not when it was written; at
// 300 baud a ZMODEM window takes over two minutes to go out.
#pragma once

#include <cstdint>

class GFLineClock {
 public:
  // Bytes a second; a slower pace seen in the far end's answers wins.
  void SetRate(long bytesPerSecond);
  long Rate() const { return m_rate; }
  // `n` bytes handed to the port at `now` (a tick).
  void Wrote(long n, uint32_t now);
  // The port dropped what it still held at `now`.
  void Purged(uint32_t now);
  // The far end showed at `now` that it has had the first `wireOffset`
  // bytes written: the queue can't be further behind than that, and the
  // time since the last such sign gives the line's real pace.
  void Received(long wireOffset, uint32_t now);
  long Written() const { return m_written; }
  // The tick at which the first `wireOffset` bytes written will have left.
  uint32_t LeavesAt(long wireOffset) const;
  uint32_t DrainedAt() const { return LeavesAt(m_written); }
  // Milliseconds the line takes for `bytes`.
  uint32_t TimeFor(long bytes) const;
  // True while `tick` lies ahead of `now`.
  static bool Ahead(uint32_t tick, uint32_t now) { return int32_t(tick - now) > 0; }

 private:
  // Everything after the first m_baseWire bytes leaves from m_baseTick on.
  void Rebase(long wire, uint32_t tick);

  long m_rate = 11520;
  long m_written = 0;
  long m_baseWire = 0;
  uint32_t m_baseTick = 0;
  long m_lastSeenWire = -1;  // the last sign from the far end
  uint32_t m_lastSeenTick = 0;
  long m_writtenAtSeen = 0;
};
