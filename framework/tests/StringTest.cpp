#include "framework/Portable.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(StringTest, ConstructionAndBasics) {
  EXPECT_TRUE(CString().IsEmpty());
  EXPECT_TRUE(CString((LPCTSTR)NULL).IsEmpty());
  EXPECT_EQ("xxx", CString('x', 3));
  EXPECT_EQ("ab", CString("abcdef", 2));
  CString s("hello");
  EXPECT_EQ(5, s.GetLength());
  EXPECT_EQ('e', s.GetAt(1));
  EXPECT_EQ('o', s[4]);
  s.SetAt(0, 'H');
  EXPECT_STREQ("Hello", (LPCTSTR)s);
  s.Empty();
  EXPECT_TRUE(s.IsEmpty());
}

TEST(StringTest, ConcatenationInAllForms) {
  CString s("a");
  s += "b";
  s += 'c';
  s += CString("d");
  EXPECT_EQ("abcd", s);
  EXPECT_EQ("abcdx", s + "x");
  EXPECT_EQ("xabcd", "x" + s);
  EXPECT_EQ("abcd!", s + '!');
  EXPECT_EQ("!abcd", '!' + s);
  EXPECT_EQ("abcdabcd", s + s);
}

TEST(StringTest, ComparisonWithAndWithoutCase) {
  CString s("Apple");
  EXPECT_EQ(0, s.Compare("Apple"));
  EXPECT_LT(s.Compare("apple"), 0);
  EXPECT_EQ(0, s.CompareNoCase("aPPLE"));
  EXPECT_GT(s.CompareNoCase("APP"), 0);
  // Without case, letters fold to lower case: '_' sorts before 'a'.
  EXPECT_LT(CString("_x").CompareNoCase("Ax"), 0);
  // Bytes compare unsigned.
  EXPECT_GT(CString("\xE9").Compare("z"), 0);
  EXPECT_TRUE(s == "Apple");
  EXPECT_TRUE("Apple" == s);
  EXPECT_TRUE(s != "apple");
  EXPECT_TRUE(CString("a") < CString("b"));
}

TEST(StringTest, FindReturnsMinusOneWhenAbsent) {
  CString s("C:\\DATA\\x.y.g7k");
  EXPECT_EQ(1, s.Find(':'));
  EXPECT_EQ(3, s.Find("DATA"));
  EXPECT_EQ(9, s.Find('.'));
  EXPECT_EQ(11, s.Find('.', 10));
  EXPECT_EQ(11, s.ReverseFind('.'));
  EXPECT_EQ(7, s.ReverseFind('\\'));
  EXPECT_EQ(-1, s.Find('Q'));
  EXPECT_EQ(-1, s.Find("data"));
  EXPECT_EQ(-1, s.Find('C', 100));
  EXPECT_EQ(-1, s.ReverseFind('Q'));
  EXPECT_EQ(2, s.FindOneOf("\\."));
  EXPECT_EQ(-1, s.FindOneOf("#"));
}

TEST(StringTest, ExtractionClampsToTheString) {
  CString s("abcdef");
  EXPECT_EQ("ab", s.Left(2));
  EXPECT_EQ("abcdef", s.Left(100));
  EXPECT_EQ("", s.Left(-1));
  EXPECT_EQ("cdef", s.Mid(2));
  EXPECT_EQ("cd", s.Mid(2, 2));
  EXPECT_EQ("", s.Mid(10));
  EXPECT_EQ("abc", s.Mid(-2, 3));
  EXPECT_EQ("ef", s.Right(2));
  EXPECT_EQ("abcdef", s.Right(10));
  EXPECT_EQ("123", CString("123abc").SpanIncluding("0123456789"));
  EXPECT_EQ("key", CString("key=value").SpanExcluding("="));
}

TEST(StringTest, CaseAndTrimAndEdits) {
  CString s("  Mixed Case\t\r\n");
  s.TrimRight();
  s.TrimLeft();
  EXPECT_EQ("Mixed Case", s);
  EXPECT_EQ("MIXED CASE", CString(s).MakeUpper());
  EXPECT_EQ("mixed case", CString(s).MakeLower());
  EXPECT_EQ("x", CString("//x//").Trim('/'));
  EXPECT_EQ("x", CString("ab-x-ba").Trim("ab-"));

  CString t("a.b.c");
  EXPECT_EQ(2, t.Replace('.', '/'));
  EXPECT_EQ("a/b/c", t);
  EXPECT_EQ(2, t.Replace("/", "::"));
  EXPECT_EQ("a::b::c", t);
  EXPECT_EQ(4, t.Remove(':'));
  EXPECT_EQ("abc", t);
  EXPECT_EQ(4, t.Insert(1, '-'));
  EXPECT_EQ(6, t.Insert(100, "!!"));
  EXPECT_EQ("a-bc!!", t);
  EXPECT_EQ(4, t.Delete(4, 10));
  EXPECT_EQ("a-bc", t);
}

TEST(StringTest, FormatHasPrintfSemanticsAndNoLengthLimit) {
  CString s;
  s.Format("%s (S/N: %07ld)", "GVX", 1234L);
  EXPECT_EQ("GVX (S/N: 0001234)", s);
  s.Format("%d|%u|%x|%02x|%c|%%|%-5u|%4d", -3, 7u, 255, 10, 'q', 12u, 42);
  EXPECT_EQ("-3|7|ff|0a|q|%|12   |  42", s);
  s.Format("%g|%f|%.1f|%.2f|%8.2f|%*.*f", 0.5, 1.5, 2.25, 3.14159, -1.0, 6, 1, 9.87);
  EXPECT_EQ("0.5|1.500000|2.2|3.14|   -1.00|   9.9", s);

  std::string big(40000, 'z');
  s.Format("<%s>", big.c_str());
  EXPECT_EQ(40002, s.GetLength());
  s.AppendFormat("%d", 5);
  EXPECT_EQ('5', s[40002]);

  // The string's own text as an argument, short and past the small buffer.
  CString self("name");
  self.Format("%s.bak", (LPCTSTR)self);
  EXPECT_EQ("name.bak", self);
  CString doubled(big.c_str());
  doubled.AppendFormat("%s", (LPCTSTR)doubled);
  EXPECT_EQ(80000, doubled.GetLength());
  EXPECT_EQ('z', doubled[79999]);
}

TEST(StringTest, BufferAccessForSystemCalls) {
  CString s("abc");
  LPTSTR p = s.GetBuffer(10);
  EXPECT_STREQ("abc", p);
  std::strcpy(p, "longer!");
  s.ReleaseBuffer();
  EXPECT_EQ("longer!", s);
  p = s.GetBuffer(2);
  p[2] = 'X';
  s.ReleaseBuffer(3);
  EXPECT_EQ("loX", s);
  p = s.GetBufferSetLength(2);
  EXPECT_EQ(2, s.GetLength());
  EXPECT_EQ('l', p[0]);
}

TEST(StringTest, LoadStringWithoutATableFailsEmpty) {
  AFX_STRING_LOADER pfnOld = AfxSetStringLoader(nullptr);
  CString s("old");
  EXPECT_FALSE(s.LoadString(57345));
  EXPECT_TRUE(s.IsEmpty());
  AfxSetStringLoader([](UINT nID, CString& r) -> BOOL {
    if (nID != 57345)
      return FALSE;
    r = "Ready";
    return TRUE;
  });
  EXPECT_TRUE(s.LoadString(57345));
  EXPECT_EQ("Ready", s);
  EXPECT_FALSE(s.LoadString(1));
  EXPECT_TRUE(s.IsEmpty());
  AfxSetStringLoader(pfnOld);
}

namespace {
int g_nStringAsserts = 0;
void CountStringAssert(const char*, int, const char*) { ++g_nStringAsserts; }
} // namespace

TEST(StringTest, OutOfRangeAccessFailsSafely) {
  AFX_ASSERT_HANDLER pfnOld = AfxSetAssertHandler(CountStringAssert);
  CString s("ab");
  EXPECT_EQ(0, s.GetAt(2));
  EXPECT_EQ(0, s.GetAt(-1));
  s.SetAt(5, 'x');
  EXPECT_EQ("ab", s);
  AfxSetAssertHandler(pfnOld);
}
