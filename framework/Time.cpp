#include "framework/Time.h"

#include "framework/Archive.h"
#include "framework/PathNames.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

int32_t Wrap32(int64_t value) { return (int32_t)(uint32_t)(uint64_t)value; }

bool ToLocalTm(time_t t, struct tm& result) {
#ifdef _WIN32
  return localtime_s(&result, &t) == 0;
#else
  return localtime_r(&t, &result) != NULL;
#endif
}

bool ToGmtTm(time_t t, struct tm& result) {
#ifdef _WIN32
  return gmtime_s(&result, &t) == 0;
#else
  return gmtime_r(&t, &result) != NULL;
#endif
}

bool IsZeroStrippable(char ch) { return std::strchr("dHIjmMSUwWyY", ch) != NULL; }

// The conversions both runtimes understand; the Windows runtime stops the
// program on any other.
bool IsPortableConversion(char ch) { return ch != '\0' && std::strchr("aAbBcdHIjmMpSUwWxXyYzZ", ch) != NULL; }

// A few common C99 conversions spelled with portable ones.
const char* ExpandConversion(char ch) {
  switch (ch) {
  case 'F': return "%Y-%m-%d";
  case 'T': return "%H:%M:%S";
  case 'D': return "%m/%d/%y";
  case 'R': return "%H:%M";
  case 'h': return "%b";
  case 'n': return "\n";
  case 't': return "\t";
  default: return NULL;
  }
}

// Rewrites a format into what strftime accepts in both builds: the Windows
// runtime's '#' flag ("%#x" long date, "%#d" without leading zeros; the
// zero stripping is marked with '\x01' and done afterwards), C99 shorthands
// expanded, anything unknown kept as literal text.
std::string TranslateFormat(LPCTSTR lpszFormat) {
  std::string out;
  for (LPCTSTR p = lpszFormat; *p != '\0'; ++p) {
    if (*p != '%') {
      out += *p;
      continue;
    }
    bool bHash = p[1] == '#';
    char ch = bHash ? p[2] : p[1];
    if (ch == '\0') {
      // A dangling '%' (or "%#") is text.
      out += bHash ? "%%#" : "%%";
      p += bHash ? 1 : 0;
      continue;
    }
    p += bHash ? 2 : 1;
    if (ch == '%') {
      out += "%%";
    } else if (bHash && ch == 'x') {
      out += "%A, %B \x01%d, %Y";
    } else if (bHash && ch == 'c') {
      out += "%A, %B \x01%d, %Y, %H:%M:%S";
    } else if (IsPortableConversion(ch)) {
      if (bHash && IsZeroStrippable(ch))
        out += '\x01';
      out += '%';
      out += ch;
    } else if (const char* pszExpanded = ExpandConversion(ch)) {
      out += pszExpanded;
    } else {
      out += "%%";
      if (bHash)
        out += '#';
      out += ch;
    }
  }
  return out;
}

// Drops leading zeros after each '\x01' mark (keeping one digit).
std::string StripMarkedZeros(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\x01') {
      out += text[i];
      continue;
    }
    while (i + 2 < text.size() && text[i + 1] == '0' && text[i + 2] >= '0' && text[i + 2] <= '9')
      ++i;
  }
  return out;
}

CString FormatTm(const struct tm& tmTime, LPCTSTR lpszFormat) {
  if (lpszFormat == NULL || *lpszFormat == '\0')
    return CString();
  std::string strFormat = TranslateFormat(lpszFormat);
  std::vector<char> buffer(256);
  for (;;) {
    size_t n = std::strftime(buffer.data(), buffer.size(), strFormat.c_str(), &tmTime);
    if (n > 0 || buffer.size() > 64 * 1024) {
      std::string text = StripMarkedZeros(std::string(buffer.data(), n));
      return CString(text.data(), (int)text.size());
    }
    buffer.resize(buffer.size() * 4);
  }
}

} // namespace

CTimeSpan::CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs)
    : m_timeSpan(Wrap32((int64_t)lDays * 86400 + (int64_t)nHours * 3600 + (int64_t)nMins * 60 + nSecs)) {}

CTimeSpan CTimeSpan::operator+(CTimeSpan span) const {
  return CTimeSpan((time_t)Wrap32((int64_t)m_timeSpan + span.m_timeSpan));
}

CTimeSpan CTimeSpan::operator-(CTimeSpan span) const {
  return CTimeSpan((time_t)Wrap32((int64_t)m_timeSpan - span.m_timeSpan));
}

CString CTimeSpan::Format(LPCTSTR lpszFormat) const {
  CString strResult;
  for (LPCTSTR p = lpszFormat; p != NULL && *p != '\0'; ++p) {
    if (p[0] != '%' || p[1] == '\0') {
      strResult += *p;
      continue;
    }
    ++p;
    CString strPart;
    switch (*p) {
    case 'D': strPart.Format("%ld", (long)GetDays()); break;
    case 'H': strPart.Format("%02d", GetHours()); break;
    case 'M': strPart.Format("%02d", GetMinutes()); break;
    case 'S': strPart.Format("%02d", GetSeconds()); break;
    default: strPart = CString(*p); break;
    }
    strResult += strPart;
  }
  return strResult;
}

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST) {
  struct tm atm = {};
  atm.tm_sec = nSec;
  atm.tm_min = nMin;
  atm.tm_hour = nHour;
  atm.tm_mday = nDay;
  atm.tm_mon = nMonth - 1;
  atm.tm_year = nYear - 1900;
  atm.tm_isdst = nDST;
  m_time = Wrap32((int64_t)std::mktime(&atm));
}

#ifdef _WIN32
CTime::CTime(const FILETIME& fileTime, int) {
  // 100-ns intervals since 1601 to seconds since 1970, both UTC.
  ULONGLONG nIntervals = ((ULONGLONG)fileTime.dwHighDateTime << 32) | fileTime.dwLowDateTime;
  m_time = Wrap32(FileTimeToUnix(nIntervals));
}

CTime::CTime(const SYSTEMTIME& sysTime, int nDST)
    : CTime(sysTime.wYear, sysTime.wMonth, sysTime.wDay, sysTime.wHour, sysTime.wMinute,
            sysTime.wSecond, nDST) {}
#endif

CTime PASCAL CTime::GetCurrentTime() { return CTime(std::time(NULL)); }

namespace {
thread_local struct tm t_tmBuffer;
}

struct tm* CTime::GetLocalTm(struct tm* ptm) const {
  if (ptm == NULL)
    ptm = &t_tmBuffer;
  if (!ToLocalTm(m_time, *ptm))
    return NULL;
  return ptm;
}

struct tm* CTime::GetGmtTm(struct tm* ptm) const {
  if (ptm == NULL)
    ptm = &t_tmBuffer;
  if (!ToGmtTm(m_time, *ptm))
    return NULL;
  return ptm;
}

int CTime::GetYear() const {
  struct tm atm;
  return GetLocalTm(&atm) ? atm.tm_year + 1900 : 0;
}

int CTime::GetMonth() const {
  struct tm atm;
  return GetLocalTm(&atm) ? atm.tm_mon + 1 : 0;
}

int CTime::GetDay() const {
  struct tm atm;
  return GetLocalTm(&atm) ? atm.tm_mday : 0;
}

int CTime::GetHour() const {
  struct tm atm;
  return GetLocalTm(&atm) ? atm.tm_hour : 0;
}

int CTime::GetMinute() const {
  struct tm atm;
  return GetLocalTm(&atm) ? atm.tm_min : 0;
}

int CTime::GetSecond() const {
  struct tm atm;
  return GetLocalTm(&atm) ? atm.tm_sec : 0;
}

int CTime::GetDayOfWeek() const {
  struct tm atm;
  return GetLocalTm(&atm) ? atm.tm_wday + 1 : 0;
}

CString CTime::Format(LPCTSTR lpszFormat) const {
  struct tm atm;
  if (!GetLocalTm(&atm))
    return CString();
  return FormatTm(atm, lpszFormat);
}

CString CTime::FormatGmt(LPCTSTR lpszFormat) const {
  struct tm atm;
  if (!GetGmtTm(&atm))
    return CString();
  return FormatTm(atm, lpszFormat);
}

CTime CTime::operator+(CTimeSpan span) const {
  return CTime((time_t)Wrap32((int64_t)m_time + span.GetTotalSeconds()));
}

CTime CTime::operator-(CTimeSpan span) const {
  return CTime((time_t)Wrap32((int64_t)m_time - span.GetTotalSeconds()));
}

CTimeSpan CTime::operator-(CTime time) const {
  return CTimeSpan((time_t)Wrap32((int64_t)m_time - time.m_time));
}

CArchive& operator<<(CArchive& ar, CTime time) { return ar << (int)time.m_time; }

CArchive& operator>>(CArchive& ar, CTime& rTime) {
  int nTime = 0;
  ar >> nTime;
  rTime.m_time = nTime;
  return ar;
}
