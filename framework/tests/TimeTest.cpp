#include "framework/Portable.h"

#include <gtest/gtest.h>

TEST(TimeTest, LocalFieldsRoundTrip) {
  CTime t(2026, 12, 10, 13, 45, 30);
  EXPECT_EQ(2026, t.GetYear());
  EXPECT_EQ(12, t.GetMonth());
  EXPECT_EQ(10, t.GetDay());
  EXPECT_EQ(13, t.GetHour());
  EXPECT_EQ(45, t.GetMinute());
  EXPECT_EQ(30, t.GetSecond());
  EXPECT_EQ(5, t.GetDayOfWeek());   // Thursday
  struct tm atm;
  ASSERT_NE(nullptr, t.GetLocalTm(&atm));
  EXPECT_EQ(126, atm.tm_year);
  ASSERT_NE(nullptr, t.GetLocalTm());
  EXPECT_EQ(11, t.GetLocalTm()->tm_mon);
}

TEST(TimeTest, FormatUsesTheCLocaleAndTheHashFlag) {
  CTime t(2026, 3, 5, 7, 8, 9);
  EXPECT_EQ("Thursday, March 05, 2026, 07:08:09", t.Format("%A, %B %d, %Y, %H:%M:%S"));
  EXPECT_EQ("05 Mar 2026  07:08:09", t.Format("%d %b %Y  %H:%M:%S"));
  EXPECT_EQ("2026.03.05.07.08.09", t.Format("%Y.%m.%d.%H.%M.%S"));
  EXPECT_EQ("07:08:09", t.Format("%H:%M:%S"));
  EXPECT_EQ("Thursday, March 5, 2026", t.Format("%#x"));
  EXPECT_EQ("5/3 7h 100%", t.Format("%#d/%#m %#Hh 100%%"));
  EXPECT_EQ("", t.Format(""));
  // Shorthands expand; what one runtime lacks stays text instead of failing.
  EXPECT_EQ("2026-03-05 07:08:09", t.Format("%F %T"));
  EXPECT_EQ("%k %Q 50%", t.Format("%k %Q 50%"));
  EXPECT_EQ("1970-01-01 00:00:00", CTime(0).FormatGmt("%Y-%m-%d %H:%M:%S"));
}

TEST(TimeTest, SumsWrapIn32Bits) {
  CTime t((time_t)0x70000000);
  CTime later = t + CTimeSpan((time_t)0x20000000);
  EXPECT_EQ((time_t)(int32_t)0x90000000u, later.GetTime());
  // A span that wrapped negative, added back, lands where unwrapped sums would.
  CTimeSpan wrapped((time_t)(int32_t)0xF0000000u);
  EXPECT_EQ(CTime((time_t)0x60000000), CTime((time_t)0x70000000) + wrapped);
  EXPECT_EQ(t, later - CTimeSpan((time_t)0x20000000));
  EXPECT_EQ(CTimeSpan((time_t)0x20000000), later - t);
}

TEST(TimeTest, SpanParts) {
  CTimeSpan span(1, 2, 3, 4);
  EXPECT_EQ(93784, span.GetTotalSeconds());
  EXPECT_EQ(1, span.GetDays());
  EXPECT_EQ(2, span.GetHours());
  EXPECT_EQ(3, span.GetMinutes());
  EXPECT_EQ(4, span.GetSeconds());
  EXPECT_EQ(26, span.GetTotalHours());
  EXPECT_EQ("1 days 02:03:04", span.Format("%D days %H:%M:%S"));
  EXPECT_TRUE(CTimeSpan((time_t)5) < span);
}

TEST(TimeTest, ComparisonsAndCurrentTime) {
  CTime now = CTime::GetCurrentTime();
  EXPECT_GT(now.GetTime(), 1600000000);
  EXPECT_TRUE(CTime(1) < CTime(2));
  EXPECT_TRUE(CTime(2) >= CTime(2));
  EXPECT_TRUE(CTime(3) != CTime(2));
}
