// CTime and CTimeSpan: a point in time as a signed 32-bit count of seconds
// since 1970 (UTC), and a signed 32-bit difference. Sums and differences wrap
// in 32 bits, as the stored values do.
#pragma once

#include "framework/Types.h"
#include "framework/String.h"

#include <ctime>

class CArchive;

class CTimeSpan {
public:
  CTimeSpan() = default;
  CTimeSpan(time_t nSeconds) : m_timeSpan((int32_t)nSeconds) {}
  CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs);

  LONG GetDays() const { return m_timeSpan / (24 * 3600); }
  LONG GetTotalHours() const { return m_timeSpan / 3600; }
  int GetHours() const { return (int)(GetTotalHours() - GetDays() * 24); }
  LONG GetTotalMinutes() const { return m_timeSpan / 60; }
  int GetMinutes() const { return (int)(GetTotalMinutes() - GetTotalHours() * 60); }
  LONG GetTotalSeconds() const { return m_timeSpan; }
  int GetSeconds() const { return (int)(GetTotalSeconds() - GetTotalMinutes() * 60); }

  CTimeSpan operator+(CTimeSpan span) const;
  CTimeSpan operator-(CTimeSpan span) const;
  CTimeSpan& operator+=(CTimeSpan span) { return *this = *this + span; }
  CTimeSpan& operator-=(CTimeSpan span) { return *this = *this - span; }
  bool operator==(CTimeSpan span) const { return m_timeSpan == span.m_timeSpan; }
  bool operator!=(CTimeSpan span) const { return m_timeSpan != span.m_timeSpan; }
  bool operator<(CTimeSpan span) const { return m_timeSpan < span.m_timeSpan; }
  bool operator>(CTimeSpan span) const { return m_timeSpan > span.m_timeSpan; }
  bool operator<=(CTimeSpan span) const { return m_timeSpan <= span.m_timeSpan; }
  bool operator>=(CTimeSpan span) const { return m_timeSpan >= span.m_timeSpan; }

  // %D days, %H hours, %M minutes, %S seconds, %% percent.
  CString Format(LPCTSTR lpszFormat) const;

private:
  int32_t m_timeSpan = 0;
};

class CTime {
public:
  CTime() = default;
  CTime(time_t time) : m_time((int32_t)time) {}
  // Local time through mktime; nDST -1 lets the system decide daylight
  // saving. An impossible date gives the time -1.
  CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1);
#ifdef _WIN32
  CTime(const FILETIME& fileTime, int nDST = -1);
  CTime(const SYSTEMTIME& sysTime, int nDST = -1);
#endif

  static CTime PASCAL GetCurrentTime();

  time_t GetTime() const { return m_time; }
  // Broken-down local or UTC time, into *ptm or (NULL) a buffer of the
  // calling thread that the next call reuses; NULL when the time cannot be
  // converted.
  struct tm* GetLocalTm(struct tm* ptm = NULL) const;
  struct tm* GetGmtTm(struct tm* ptm = NULL) const;

  int GetYear() const;
  int GetMonth() const;       // 1 = January
  int GetDay() const;         // 1..31
  int GetHour() const;
  int GetMinute() const;
  int GetSecond() const;
  int GetDayOfWeek() const;   // 1 = Sunday

  // strftime in the C locale, with the '#' flag of the Windows runtime
  // ("%#x" long date, "%#d" without leading zeros).
  CString Format(LPCTSTR lpszFormat) const;
  CString FormatGmt(LPCTSTR lpszFormat) const;

  CTime operator+(CTimeSpan span) const;
  CTime operator-(CTimeSpan span) const;
  CTimeSpan operator-(CTime time) const;
  CTime& operator+=(CTimeSpan span) { return *this = *this + span; }
  CTime& operator-=(CTimeSpan span) { return *this = *this - span; }
  bool operator==(CTime time) const { return m_time == time.m_time; }
  bool operator!=(CTime time) const { return m_time != time.m_time; }
  bool operator<(CTime time) const { return m_time < time.m_time; }
  bool operator>(CTime time) const { return m_time > time.m_time; }
  bool operator<=(CTime time) const { return m_time <= time.m_time; }
  bool operator>=(CTime time) const { return m_time >= time.m_time; }

  friend CArchive& operator<<(CArchive& ar, CTime time);
  friend CArchive& operator>>(CArchive& ar, CTime& rTime);

private:
  int32_t m_time = 0;
};
