// CString: a narrow (byte) string with the classic interface.
//
// Comparisons without case fold ASCII letters to lower case, as the C
// runtime does in the "C" locale; bytes above 0x7F compare as they are.
#pragma once

#include "framework/Types.h"
#include "framework/Debug.h"

#include <cstdarg>
#include <string>

#ifdef __MINGW_PRINTF_FORMAT
#define AFX_PRINTF_FORMAT(fmt, args) __attribute__((format(__MINGW_PRINTF_FORMAT, fmt, args)))
#else
#define AFX_PRINTF_FORMAT(fmt, args) __attribute__((format(printf, fmt, args)))
#endif

class CString {
public:
  CString() = default;
  CString(const CString& stringSrc) = default;
  CString(CString&& stringSrc) noexcept = default;
  CString(LPCTSTR lpsz);                    // NULL gives an empty string
  CString(LPCTSTR lpch, int nLength);
  CString(const unsigned char* lpsz);
  explicit CString(TCHAR ch, int nRepeat = 1);
  ~CString() = default;

  CString& operator=(const CString& stringSrc) = default;
  CString& operator=(CString&& stringSrc) noexcept = default;
  CString& operator=(LPCTSTR lpsz);
  CString& operator=(TCHAR ch);
  CString& operator=(const unsigned char* lpsz);

  int GetLength() const { return (int)m_str.size(); }
  BOOL IsEmpty() const { return m_str.empty(); }
  void Empty() { m_str.clear(); }

  // Out of range: assertion in debug builds, 0 (and no write) in release.
  TCHAR GetAt(int nIndex) const;
  TCHAR operator[](int nIndex) const { return GetAt(nIndex); }
  void SetAt(int nIndex, TCHAR ch);

  operator LPCTSTR() const { return m_str.c_str(); }
  LPCTSTR GetString() const { return m_str.c_str(); }

  // Room for nMinBufLength characters plus the terminator; the contents are
  // kept. ReleaseBuffer(-1) takes the length up to the first zero byte.
  LPTSTR GetBuffer(int nMinBufLength);
  LPTSTR GetBuffer() { return GetBuffer(0); }
  LPTSTR GetBufferSetLength(int nNewLength);
  void ReleaseBuffer(int nNewLength = -1);
  void FreeExtra() { m_str.shrink_to_fit(); }
  LPTSTR LockBuffer() { return GetBuffer(0); }
  void UnlockBuffer() {}

  CString& operator+=(const CString& string);
  CString& operator+=(LPCTSTR lpsz);
  CString& operator+=(TCHAR ch);

  friend CString operator+(const CString& string1, const CString& string2);
  friend CString operator+(const CString& string, LPCTSTR lpsz);
  friend CString operator+(LPCTSTR lpsz, const CString& string);
  friend CString operator+(const CString& string, TCHAR ch);
  friend CString operator+(TCHAR ch, const CString& string);

  // <0, 0 or >0, byte by byte as unsigned values.
  int Compare(LPCTSTR lpsz) const;
  int CompareNoCase(LPCTSTR lpsz) const;
  int Collate(LPCTSTR lpsz) const { return Compare(lpsz); }
  int CollateNoCase(LPCTSTR lpsz) const { return CompareNoCase(lpsz); }

  // All return -1 when not found.
  int Find(TCHAR ch) const { return Find(ch, 0); }
  int Find(TCHAR ch, int nStart) const;
  int Find(LPCTSTR lpszSub) const { return Find(lpszSub, 0); }
  int Find(LPCTSTR lpszSub, int nStart) const;
  int ReverseFind(TCHAR ch) const;
  int FindOneOf(LPCTSTR lpszCharSet) const;

  CString Left(int nCount) const;
  CString Mid(int nFirst) const;
  CString Mid(int nFirst, int nCount) const;
  CString Right(int nCount) const;
  CString SpanIncluding(LPCTSTR lpszCharSet) const;
  CString SpanExcluding(LPCTSTR lpszCharSet) const;

  CString& MakeUpper();
  CString& MakeLower();
  CString& MakeReverse();
  CString& TrimLeft();
  CString& TrimLeft(TCHAR chTarget);
  CString& TrimLeft(LPCTSTR lpszTargets);
  CString& TrimRight();
  CString& TrimRight(TCHAR chTarget);
  CString& TrimRight(LPCTSTR lpszTargets);
  CString& Trim() { return TrimRight().TrimLeft(); }
  CString& Trim(TCHAR chTarget) { return TrimRight(chTarget).TrimLeft(chTarget); }
  CString& Trim(LPCTSTR lpszTargets) { return TrimRight(lpszTargets).TrimLeft(lpszTargets); }

  // Each returns the number of replacements or removals.
  int Replace(TCHAR chOld, TCHAR chNew);
  int Replace(LPCTSTR lpszOld, LPCTSTR lpszNew);
  int Remove(TCHAR chRemove);
  // Each returns the new length.
  int Insert(int nIndex, TCHAR ch);
  int Insert(int nIndex, LPCTSTR lpsz);
  int Delete(int nIndex, int nCount = 1);

  // printf semantics in the C locale, any length.
  void Format(LPCTSTR lpszFormat, ...) AFX_PRINTF_FORMAT(2, 3);
  void Format(UINT nFormatID, ...);
  void FormatV(LPCTSTR lpszFormat, va_list argList);
  void AppendFormat(LPCTSTR lpszFormat, ...) AFX_PRINTF_FORMAT(2, 3);
  void AppendFormatV(LPCTSTR lpszFormat, va_list argList);

  // FALSE, and the string left empty, when the resource does not exist.
  BOOL LoadString(UINT nID);

  // The same bytes as a standard string (embedded zero bytes included).
  const std::string& str() const { return m_str; }

private:
  std::string m_str;
};

// Where LoadString takes its texts from. The win build reads the string table
// of the executable; the native build has none unless a loader is installed
// (tests and tools may install their own table).
typedef BOOL (*AFX_STRING_LOADER)(UINT nID, CString& rString);
AFX_STRING_LOADER AfxSetStringLoader(AFX_STRING_LOADER pfnLoader);

bool operator==(const CString& s1, const CString& s2);
bool operator==(const CString& s1, LPCTSTR s2);
bool operator==(LPCTSTR s1, const CString& s2);
bool operator!=(const CString& s1, const CString& s2);
bool operator!=(const CString& s1, LPCTSTR s2);
bool operator!=(LPCTSTR s1, const CString& s2);
bool operator<(const CString& s1, const CString& s2);
bool operator<(const CString& s1, LPCTSTR s2);
bool operator<(LPCTSTR s1, const CString& s2);
bool operator>(const CString& s1, const CString& s2);
bool operator>(const CString& s1, LPCTSTR s2);
bool operator>(LPCTSTR s1, const CString& s2);
bool operator<=(const CString& s1, const CString& s2);
bool operator<=(const CString& s1, LPCTSTR s2);
bool operator<=(LPCTSTR s1, const CString& s2);
bool operator>=(const CString& s1, const CString& s2);
bool operator>=(const CString& s1, LPCTSTR s2);
bool operator>=(LPCTSTR s1, const CString& s2);

