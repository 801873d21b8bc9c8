#include "CPP_ALL/GFFileEngine.h"

#include <cstdint>
#include <cstring>

#include "CPP_ALL/GFPlatform.h"

int GFFileEngine::SetFileList(const char* spec, int recurse) {
  m_spec = spec ? spec : "";
  m_specPos = 0;
  m_recurse = recurse != 0;
  m_pending.clear();
  return 0;
}

bool GFFileEngine::NextSpec(std::string& entry) {
  while (m_specPos < m_spec.size()) {
    entry.clear();
    bool quoted = false;
    for (; m_specPos < m_spec.size(); ++m_specPos) {
      char c = m_spec[m_specPos];
      if (c == '"') {
        quoted = !quoted;
        continue;
      }
      if (!quoted && (c == ',' || c == ';')) break;
      entry += c;
    }
    ++m_specPos;
    size_t first = entry.find_first_not_of(" \t");
    if (first == std::string::npos) continue;
    entry = entry.substr(first, entry.find_last_not_of(" \t") - first + 1);
    return true;
  }
  return false;
}

bool GFFileEngine::NextFile() {
  std::string entry;
  if (m_queryOnly) {
    if (!NextSpec(entry)) return false;
    m_name = entry;
    ResetSize();
    return Exists(entry.c_str());
  }
  while (m_pending.empty()) {
    if (!NextSpec(entry)) return false;
    std::vector<std::string> found;
    Expand(entry, m_recurse, found);
    m_pending.insert(m_pending.end(), found.begin(), found.end());
  }
  m_name = m_pending.front();
  m_pending.pop_front();
  ResetSize();
  return true;
}

void GFFileEngine::FromUnixSeconds(long seconds) {
  GFDateTime t;
  if (!GFUtcToLocal(seconds, t)) return;
  SetDateTime(t.year, t.month, t.day, t.hour, t.minute, t.second);
}

long GFFileEngine::ToUnixSeconds() {
  GFDateTime t{m_year, m_month, m_day, m_hour, m_minute, m_second};
  int64_t utc = 0;
  if (!GFLocalToUtc(t, utc) || utc < 0) return 0;
  return long(utc);
}

long GFFileEngine::GetJulianDay() {
  long y = m_year, m = m_month, d = m_day;
  return d - 32075 + 1461 * (y + 4800 + (m - 14) / 12) / 4 + 367 * (m - 2 - 12 * ((m - 14) / 12)) / 12 -
         3 * ((y + 4900 + (m - 14) / 12) / 100) / 4;
}

void GFFileEngine::SetJulianDay(long jd) {
  long l = jd + 68569;
  long n = 4 * l / 146097;
  l = l - (146097 * n + 3) / 4;
  long i = 4000 * (l + 1) / 1461001;
  l = l - 1461 * i / 4 + 31;
  long j = 80 * l / 2447;
  m_day = int(l - 2447 * j / 80);
  l = j / 11;
  m_month = int(j + 2 - 12 * l);
  m_year = int(100 * (n - 49) + i + l);
}

void GFFileEngine::SetDateTime(int y, int mo, int d, int h, int mi, int s) {
  m_year = y;
  m_month = mo;
  m_day = d;
  m_hour = h;
  m_minute = mi;
  m_second = s;
}

void GFFileEngine::GetDateTime(int& y, int& mo, int& d, int& h, int& mi, int& s) {
  y = m_year;
  mo = m_month;
  d = m_day;
  h = m_hour;
  mi = m_minute;
  s = m_second;
}

// "/" too: Win32 accepts it as a separator, and so do the native tests.
const char* GFNameInPath(const char* path) {
  const char* cut = std::strrchr(path, '\\');
  const char* slash = std::strrchr(path, '/');
  if (slash > cut) cut = slash;
  if (!cut) cut = std::strrchr(path, ':');
  return cut ? cut + 1 : path;
}
