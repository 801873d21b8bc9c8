#include "CPP_ALL/GFPlatform.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#ifdef _WIN32
#include <windows.h>
#else
#include <time.h>
#include <sched.h>
#include <unistd.h>
#endif

namespace {
std::atomic<unsigned> g_timeScale{1};

constexpr uint64_t kTicksPerSecond = 10000000ULL;
constexpr int64_t kSecondsFrom1601To1970 = 11644473600LL;

#ifndef _WIN32
uint64_t MonotonicMs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return uint64_t(ts.tv_sec) * 1000u + uint64_t(ts.tv_nsec) / 1000000u;
}
#endif
}  // namespace

void GFSetTimeScale(unsigned scale) { g_timeScale = scale ? scale : 1; }
unsigned GFGetTimeScale() { return g_timeScale; }

uint32_t GFTickCount() {
#ifdef _WIN32
  return uint32_t(GetTickCount() * g_timeScale);
#else
  return uint32_t(MonotonicMs() * g_timeScale);
#endif
}

void GFSleep(uint32_t ms) {
  uint32_t real = ms / g_timeScale;
  if (ms && !real) real = 1;
#ifdef _WIN32
  Sleep(real);
#else
  if (!real) {
    sched_yield();
    return;
  }
  timespec ts{time_t(real / 1000), long(real % 1000) * 1000000L};
  nanosleep(&ts, nullptr);
#endif
}

uint64_t GFFileTimeFromUnix(int64_t utcSeconds) {
  return uint64_t(utcSeconds + kSecondsFrom1601To1970) * kTicksPerSecond;
}

int64_t GFUnixFromFileTime(uint64_t ticks) { return int64_t(ticks / kTicksPerSecond) - kSecondsFrom1601To1970; }

#ifdef _WIN32
bool GFUtcToLocal(int64_t utcSeconds, GFDateTime& local) {
  uint64_t ticks = GFFileTimeFromUnix(utcSeconds);
  FILETIME ft{DWORD(ticks), DWORD(ticks >> 32)};
  SYSTEMTIME utc{}, loc{};
  if (!FileTimeToSystemTime(&ft, &utc) || !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &loc))
    return false;
  local = {loc.wYear, loc.wMonth, loc.wDay, loc.wHour, loc.wMinute, loc.wSecond};
  return true;
}

bool GFLocalToUtc(const GFDateTime& local, int64_t& utcSeconds) {
  SYSTEMTIME loc{}, utc{};
  loc.wYear = WORD(local.year);
  loc.wMonth = WORD(local.month);
  loc.wDay = WORD(local.day);
  loc.wHour = WORD(local.hour);
  loc.wMinute = WORD(local.minute);
  loc.wSecond = WORD(local.second);
  FILETIME ft{};
  if (!TzSpecificLocalTimeToSystemTime(nullptr, &loc, &utc) || !SystemTimeToFileTime(&utc, &ft))
    return false;
  utcSeconds = GFUnixFromFileTime((uint64_t(ft.dwHighDateTime) << 32) | ft.dwLowDateTime);
  return true;
}
#else
bool GFUtcToLocal(int64_t utcSeconds, GFDateTime& local) {
  time_t t = time_t(utcSeconds);
  tm out{};
  if (!localtime_r(&t, &out)) return false;
  local = {out.tm_year + 1900, out.tm_mon + 1, out.tm_mday, out.tm_hour, out.tm_min, out.tm_sec};
  return true;
}

bool GFLocalToUtc(const GFDateTime& local, int64_t& utcSeconds) {
  tm in{};
  in.tm_year = local.year - 1900;
  in.tm_mon = local.month - 1;
  in.tm_mday = local.day;
  in.tm_hour = local.hour;
  in.tm_min = local.minute;
  in.tm_sec = local.second;
  in.tm_isdst = -1;  // let the zone rules of that date decide
  time_t t = mktime(&in);
  if (t == time_t(-1) && !(local.year == 1969 && local.month == 12 && local.day == 31)) return false;
  utcSeconds = int64_t(t);
  return true;
}
#endif

const char* GFFormatFatalError(char (&buffer)[80], const char* source, int line) {
  std::snprintf(buffer, sizeof buffer, "Pure Virtual function called @%s,%d\nUnable to continue execution",
                source, line);
  return buffer;
}

void GFFatalError(const char* source, int line) {
  char text[80];
  GFFormatFatalError(text, source, line);
#ifdef _WIN32
  MessageBoxA(GetFocus(), text, "Library Error", MB_OK | MB_ICONSTOP);
#else
  std::fprintf(stderr, "Library Error: %s\n", text);
#endif
  std::exit(1);
}
