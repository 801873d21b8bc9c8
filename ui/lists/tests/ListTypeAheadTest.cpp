#include "ui/lists/ListTypeAhead.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::vector<std::string> kLabels = {"alpha", "Beta", "abacus", "about", "gamma"};

CListTypeAhead::Result Type(CListTypeAhead& search, char ch, int focus) {
  return search.OnChar(ch, focus, static_cast<int>(kLabels.size()), [](int i) { return kLabels[i]; });
}

TEST(ListTypeAhead, PrefixesMatchInAnyCaseFromAfterTheFocus) {
  CListTypeAhead search;
  CListTypeAhead::Result r = Type(search, 'A', 0);
  EXPECT_TRUE(r.bStartTimer);
  EXPECT_EQ(CListTypeAhead::Action::kMatch, r.action);
  EXPECT_EQ(2, r.nItem);  // one character starts after the focus
  r = Type(search, 'b', 2);
  EXPECT_FALSE(r.bStartTimer);
  EXPECT_EQ(2, r.nItem);  // "ab" from the focus itself
  r = Type(search, 'O', 2);
  EXPECT_EQ(3, r.nItem);
  EXPECT_EQ("AbO", search.GetBuffer());
}

TEST(ListTypeAhead, OneCharacterWrapsToTheFirstItem) {
  CListTypeAhead search;
  EXPECT_EQ(0, Type(search, 'a', 3).nItem);
  CListTypeAhead last;
  EXPECT_EQ(1, Type(last, 'b', 4).nItem);
}

TEST(ListTypeAhead, AFailureBeepsOnceUntilATickPassesWithoutKeys) {
  CListTypeAhead search;
  EXPECT_EQ(CListTypeAhead::Action::kBeep, Type(search, 'z', 0).action);
  EXPECT_EQ(CListTypeAhead::Action::kNone, Type(search, 'a', 0).action);
  EXPECT_FALSE(search.OnTick());  // a key came during this tick
  EXPECT_EQ(CListTypeAhead::Action::kNone, Type(search, 'a', 0).action);
  EXPECT_FALSE(search.OnTick());
  EXPECT_TRUE(search.OnTick());  // a quiet tick ends the search
  EXPECT_EQ(0u, search.GetFlags());
  CListTypeAhead::Result r = Type(search, 'g', 0);
  EXPECT_TRUE(r.bStartTimer);
  EXPECT_EQ(4, r.nItem);
}

TEST(ListTypeAhead, TheOffFlagSurvivesTheTick) {
  CListTypeAhead search;
  search.SetFlags(CListTypeAhead::kOff | CListTypeAhead::kActive);
  EXPECT_TRUE(search.OnTick());
  EXPECT_EQ(static_cast<UINT>(CListTypeAhead::kOff), search.GetFlags());
}

}  // namespace
