// The few platform services the portable layers of the serial library need:
// a millisecond tick count, a short sleep, local-time conversion of file
// times and the fatal-error report. Everything above the port reaches the
// system only through here.
#pragma once

#include <cstdint>

// Milliseconds since an arbitrary start; wraps like GetTickCount. Compare
// deadlines by unsigned difference: (now - start) >= timeout.
uint32_t GFTickCount();

// Sleeps about `ms` milliseconds (0 yields the processor).
void GFSleep(uint32_t ms);

// True once `timeout` ms have passed since `start` (wrap-safe).
inline bool GFElapsed(uint32_t start, uint32_t timeout) {
  return GFTickCount() - start >= timeout;
}

// Tests run the library's clock faster so that its long time-outs take a
// fraction of the time; a scale of 1 is real time.
void GFSetTimeScale(unsigned scale);
unsigned GFGetTimeScale();

// A calendar date and time (year from 1, month 1-12).
struct GFDateTime {
  int year = 1970, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

// UTC seconds since 1970 to the local time of that instant, with the zone
// rules (daylight saving included) that apply on that date.
bool GFUtcToLocal(int64_t utcSeconds, GFDateTime& local);
// The inverse: a local time to UTC seconds.
bool GFLocalToUtc(const GFDateTime& local, int64_t& utcSeconds);

// Win32 file times count 100 ns ticks from 1601; these convert them to and
// from UTC seconds since 1970.
uint64_t GFFileTimeFromUnix(int64_t utcSeconds);
int64_t GFUnixFromFileTime(uint64_t ticks);

// Shows "Pure Virtual function called @<source>,<line>" (boxed as "Library
// Error" on Windows) and ends the process with exit code 1.
[[noreturn]] void GFFatalError(const char* source, int line);
// The report's text, cut to its 80-character buffer.
const char* GFFormatFatalError(char (&buffer)[80], const char* source, int line);
