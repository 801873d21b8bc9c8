#include "framework/String.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

bool IsSpace(char ch) {
  return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
}

char ToLower(char ch) { return (ch >= 'A' && ch <= 'Z') ? (char)(ch - 'A' + 'a') : ch; }
char ToUpper(char ch) { return (ch >= 'a' && ch <= 'z') ? (char)(ch - 'a' + 'A') : ch; }

LPCTSTR SafeString(LPCTSTR lpsz) { return lpsz != NULL ? lpsz : ""; }

int CompareBytes(const std::string& s1, LPCTSTR lpsz2, bool bNoCase) {
  const unsigned char* p1 = reinterpret_cast<const unsigned char*>(s1.c_str());
  const unsigned char* p2 = reinterpret_cast<const unsigned char*>(SafeString(lpsz2));
  for (;; ++p1, ++p2) {
    int c1 = bNoCase ? (unsigned char)ToLower((char)*p1) : *p1;
    int c2 = bNoCase ? (unsigned char)ToLower((char)*p2) : *p2;
    if (c1 != c2)
      return c1 < c2 ? -1 : 1;
    if (c1 == 0)
      return 0;
  }
}

#ifdef _WIN32
BOOL LoadFromModule(UINT nID, CString& rString) {
  HINSTANCE hInstance = ::GetModuleHandleA(NULL);
  int nSize = 256;
  for (;;) {
    LPTSTR pBuffer = rString.GetBuffer(nSize);
    int nLength = ::LoadStringA(hInstance, nID, pBuffer, nSize + 1);
    if (nLength < nSize) {
      rString.ReleaseBuffer(nLength);
      return nLength > 0;
    }
    nSize *= 2;
  }
}
AFX_STRING_LOADER g_pfnStringLoader = LoadFromModule;
#else
AFX_STRING_LOADER g_pfnStringLoader = nullptr;
#endif

} // namespace

AFX_STRING_LOADER AfxSetStringLoader(AFX_STRING_LOADER pfnLoader) {
  AFX_STRING_LOADER pfnOld = g_pfnStringLoader;
  g_pfnStringLoader = pfnLoader;
  return pfnOld;
}

CString::CString(LPCTSTR lpsz) : m_str(SafeString(lpsz)) {}

CString::CString(LPCTSTR lpch, int nLength) {
  if (lpch != NULL && nLength > 0)
    m_str.assign(lpch, (size_t)nLength);
}

CString::CString(const unsigned char* lpsz) : CString(reinterpret_cast<LPCTSTR>(lpsz)) {}

CString::CString(TCHAR ch, int nRepeat) {
  if (nRepeat > 0)
    m_str.assign((size_t)nRepeat, ch);
}

CString& CString::operator=(LPCTSTR lpsz) {
  m_str = SafeString(lpsz);
  return *this;
}

CString& CString::operator=(TCHAR ch) {
  m_str.assign(1, ch);
  return *this;
}

CString& CString::operator=(const unsigned char* lpsz) {
  return *this = reinterpret_cast<LPCTSTR>(lpsz);
}

TCHAR CString::GetAt(int nIndex) const {
  ASSERT(nIndex >= 0 && nIndex < GetLength());
  if (nIndex < 0 || nIndex >= GetLength())
    return 0;
  return m_str[(size_t)nIndex];
}

void CString::SetAt(int nIndex, TCHAR ch) {
  ASSERT(nIndex >= 0 && nIndex < GetLength());
  if (nIndex < 0 || nIndex >= GetLength())
    return;
  m_str[(size_t)nIndex] = ch;
}

LPTSTR CString::GetBuffer(int nMinBufLength) {
  if (nMinBufLength > GetLength())
    m_str.resize((size_t)nMinBufLength);
  return &m_str[0];
}

LPTSTR CString::GetBufferSetLength(int nNewLength) {
  m_str.resize((size_t)std::max(nNewLength, 0));
  return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength) {
  if (nNewLength < 0)
    nNewLength = (int)std::strlen(m_str.c_str());
  ASSERT(nNewLength <= GetLength());
  m_str.resize((size_t)std::min(nNewLength, GetLength()));
}

CString& CString::operator+=(const CString& string) {
  m_str += string.m_str;
  return *this;
}

CString& CString::operator+=(LPCTSTR lpsz) {
  m_str += SafeString(lpsz);
  return *this;
}

CString& CString::operator+=(TCHAR ch) {
  m_str += ch;
  return *this;
}

CString operator+(const CString& string1, const CString& string2) {
  CString result(string1);
  return result += string2;
}

CString operator+(const CString& string, LPCTSTR lpsz) {
  CString result(string);
  return result += lpsz;
}

CString operator+(LPCTSTR lpsz, const CString& string) {
  CString result(lpsz);
  return result += string;
}

CString operator+(const CString& string, TCHAR ch) {
  CString result(string);
  return result += ch;
}

CString operator+(TCHAR ch, const CString& string) {
  CString result(ch);
  return result += string;
}

int CString::Compare(LPCTSTR lpsz) const { return CompareBytes(m_str, lpsz, false); }

int CString::CompareNoCase(LPCTSTR lpsz) const { return CompareBytes(m_str, lpsz, true); }

int CString::Find(TCHAR ch, int nStart) const {
  if (nStart < 0)
    nStart = 0;
  if (nStart >= GetLength())
    return -1;
  size_t nPos = m_str.find(ch, (size_t)nStart);
  return nPos == std::string::npos ? -1 : (int)nPos;
}

int CString::Find(LPCTSTR lpszSub, int nStart) const {
  if (nStart < 0)
    nStart = 0;
  if (nStart > GetLength())
    return -1;
  size_t nPos = m_str.find(SafeString(lpszSub), (size_t)nStart);
  return nPos == std::string::npos ? -1 : (int)nPos;
}

int CString::ReverseFind(TCHAR ch) const {
  size_t nPos = m_str.rfind(ch);
  return nPos == std::string::npos ? -1 : (int)nPos;
}

int CString::FindOneOf(LPCTSTR lpszCharSet) const {
  size_t nPos = m_str.find_first_of(SafeString(lpszCharSet));
  return nPos == std::string::npos ? -1 : (int)nPos;
}

CString CString::Left(int nCount) const { return Mid(0, nCount); }

CString CString::Mid(int nFirst) const { return Mid(nFirst, GetLength()); }

CString CString::Mid(int nFirst, int nCount) const {
  if (nFirst < 0)
    nFirst = 0;
  if (nCount < 0 || nFirst >= GetLength())
    return CString();
  nCount = std::min(nCount, GetLength() - nFirst);
  return CString(m_str.data() + nFirst, nCount);
}

CString CString::Right(int nCount) const {
  if (nCount < 0)
    nCount = 0;
  nCount = std::min(nCount, GetLength());
  return CString(m_str.data() + (GetLength() - nCount), nCount);
}

CString CString::SpanIncluding(LPCTSTR lpszCharSet) const {
  size_t nEnd = m_str.find_first_not_of(SafeString(lpszCharSet));
  return Left(nEnd == std::string::npos ? GetLength() : (int)nEnd);
}

CString CString::SpanExcluding(LPCTSTR lpszCharSet) const {
  size_t nEnd = m_str.find_first_of(SafeString(lpszCharSet));
  return Left(nEnd == std::string::npos ? GetLength() : (int)nEnd);
}

CString& CString::MakeUpper() {
  std::transform(m_str.begin(), m_str.end(), m_str.begin(), ToUpper);
  return *this;
}

CString& CString::MakeLower() {
  std::transform(m_str.begin(), m_str.end(), m_str.begin(), ToLower);
  return *this;
}

CString& CString::MakeReverse() {
  std::reverse(m_str.begin(), m_str.end());
  return *this;
}

CString& CString::TrimLeft() {
  size_t n = 0;
  while (n < m_str.size() && IsSpace(m_str[n]))
    ++n;
  m_str.erase(0, n);
  return *this;
}

CString& CString::TrimLeft(TCHAR chTarget) {
  m_str.erase(0, std::min(m_str.find_first_not_of(chTarget), m_str.size()));
  return *this;
}

CString& CString::TrimLeft(LPCTSTR lpszTargets) {
  m_str.erase(0, std::min(m_str.find_first_not_of(SafeString(lpszTargets)), m_str.size()));
  return *this;
}

CString& CString::TrimRight() {
  size_t n = m_str.size();
  while (n > 0 && IsSpace(m_str[n - 1]))
    --n;
  m_str.resize(n);
  return *this;
}

CString& CString::TrimRight(TCHAR chTarget) {
  size_t nLast = m_str.find_last_not_of(chTarget);
  m_str.resize(nLast == std::string::npos ? 0 : nLast + 1);
  return *this;
}

CString& CString::TrimRight(LPCTSTR lpszTargets) {
  size_t nLast = m_str.find_last_not_of(SafeString(lpszTargets));
  m_str.resize(nLast == std::string::npos ? 0 : nLast + 1);
  return *this;
}

int CString::Replace(TCHAR chOld, TCHAR chNew) {
  int nCount = 0;
  for (char& ch : m_str) {
    if (ch == chOld) {
      ch = chNew;
      ++nCount;
    }
  }
  return nCount;
}

int CString::Replace(LPCTSTR lpszOld, LPCTSTR lpszNew) {
  std::string strOld = SafeString(lpszOld);
  if (strOld.empty())
    return 0;
  std::string strNew = SafeString(lpszNew);
  std::string result;
  int nCount = 0;
  size_t nFrom = 0;
  for (size_t nPos; (nPos = m_str.find(strOld, nFrom)) != std::string::npos; nFrom = nPos + strOld.size()) {
    result.append(m_str, nFrom, nPos - nFrom);
    result += strNew;
    ++nCount;
  }
  result.append(m_str, nFrom, std::string::npos);
  m_str.swap(result);
  return nCount;
}

int CString::Remove(TCHAR chRemove) {
  size_t nOld = m_str.size();
  m_str.erase(std::remove(m_str.begin(), m_str.end(), chRemove), m_str.end());
  return (int)(nOld - m_str.size());
}

int CString::Insert(int nIndex, TCHAR ch) {
  nIndex = std::max(0, std::min(nIndex, GetLength()));
  m_str.insert((size_t)nIndex, 1, ch);
  return GetLength();
}

int CString::Insert(int nIndex, LPCTSTR lpsz) {
  nIndex = std::max(0, std::min(nIndex, GetLength()));
  m_str.insert((size_t)nIndex, SafeString(lpsz));
  return GetLength();
}

int CString::Delete(int nIndex, int nCount) {
  if (nIndex < 0)
    nIndex = 0;
  if (nCount > 0 && nIndex < GetLength())
    m_str.erase((size_t)nIndex, (size_t)std::min(nCount, GetLength() - nIndex));
  return GetLength();
}

void CString::Format(LPCTSTR lpszFormat, ...) {
  va_list argList;
  va_start(argList, lpszFormat);
  FormatV(lpszFormat, argList);
  va_end(argList);
}

void CString::Format(UINT nFormatID, ...) {
  CString strFormat;
  strFormat.LoadString(nFormatID);
  va_list argList;
  va_start(argList, nFormatID);
  FormatV(strFormat, argList);
  va_end(argList);
}

void CString::FormatV(LPCTSTR lpszFormat, va_list argList) {
  // Built apart and then swapped in: the format or an argument may be this
  // string's own text.
  CString result;
  result.AppendFormatV(lpszFormat, argList);
  m_str.swap(result.m_str);
}

void CString::AppendFormat(LPCTSTR lpszFormat, ...) {
  va_list argList;
  va_start(argList, lpszFormat);
  AppendFormatV(lpszFormat, argList);
  va_end(argList);
}

void CString::AppendFormatV(LPCTSTR lpszFormat, va_list argList) {
  char szSmall[256];
  va_list argCopy;
  va_copy(argCopy, argList);
  int nLength = std::vsnprintf(szSmall, sizeof szSmall, SafeString(lpszFormat), argCopy);
  va_end(argCopy);
  if (nLength < 0)
    return;
  if ((size_t)nLength < sizeof szSmall) {
    m_str.append(szSmall, (size_t)nLength);
    return;
  }
  // Into a buffer of its own: growing m_str in place could move text that the
  // format or an argument still points into.
  std::string text((size_t)nLength, '\0');
  std::vsnprintf(&text[0], (size_t)nLength + 1, SafeString(lpszFormat), argList);
  m_str.append(text);
}

BOOL CString::LoadString(UINT nID) {
  Empty();
  if (g_pfnStringLoader == nullptr)
    return FALSE;
  if (!g_pfnStringLoader(nID, *this)) {
    Empty();
    return FALSE;
  }
  return TRUE;
}

bool operator==(const CString& s1, const CString& s2) { return s1.str() == s2.str(); }
bool operator==(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) == 0; }
bool operator==(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) == 0; }
bool operator!=(const CString& s1, const CString& s2) { return !(s1 == s2); }
bool operator!=(const CString& s1, LPCTSTR s2) { return !(s1 == s2); }
bool operator!=(LPCTSTR s1, const CString& s2) { return !(s1 == s2); }
bool operator<(const CString& s1, const CString& s2) { return s1.Compare(s2) < 0; }
bool operator<(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) < 0; }
bool operator<(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) > 0; }
bool operator>(const CString& s1, const CString& s2) { return s1.Compare(s2) > 0; }
bool operator>(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) > 0; }
bool operator>(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) < 0; }
bool operator<=(const CString& s1, const CString& s2) { return s1.Compare(s2) <= 0; }
bool operator<=(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) <= 0; }
bool operator<=(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) >= 0; }
bool operator>=(const CString& s1, const CString& s2) { return s1.Compare(s2) >= 0; }
bool operator>=(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) >= 0; }
bool operator>=(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) <= 0; }
