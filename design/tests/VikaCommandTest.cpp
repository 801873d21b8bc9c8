#include "framework/Portable.h"
#include "design/VikaCommand.h"

#include <gtest/gtest.h>

namespace {

TEST(VikaCommand, Constructors) {
  const CVikaCommand empty(2);
  EXPECT_FALSE(empty.m_bValid);
  EXPECT_EQ(2, empty.m_nChannels);
  EXPECT_EQ(0, empty.m_nC1);

  const CVikaCommand one(1, 4, 2, 3);
  EXPECT_TRUE(one.m_bValid);
  EXPECT_EQ(1, one.m_nChannels);
  EXPECT_EQ(0, one.m_nP1[1]);

  const int p1[] = {2, 3, 4, 5, 6}, p2[] = {7, 8, 9, 10, 11};
  EXPECT_FALSE(CVikaCommand(1, 4, p1, p2, 5).m_bValid);
  EXPECT_FALSE(CVikaCommand(1, 4, p1, p2, 0).m_bValid);
  const CVikaCommand three(1, 4, p1, p2, 3);
  EXPECT_TRUE(three.m_bValid);
  EXPECT_EQ(4, three.m_nP1[2]);
  EXPECT_EQ(0, three.m_nP1[3]);

  CVikaCommand copy(three);
  EXPECT_TRUE(copy == three);
  copy = copy;
  EXPECT_TRUE(copy == three);
}

TEST(VikaCommand, EqualityIgnoresUnusedChannelsAndValidity) {
  CVikaCommand a(1, 2, 3, 4), b(1, 2, 3, 4);
  b.m_nP1[2] = 99;
  b.m_bValid = FALSE;
  EXPECT_TRUE(a == b);
  b.m_nP2[0] = 5;
  EXPECT_FALSE(a == b);
}

TEST(VikaCommand, Match) {
  const int p1[] = {3, 5}, p2[] = {4, 6};
  const CVikaCommand two(1, 2, p1, p2, 2);
  struct Case {
    CVikaCommand other;
    UINT mask;
    BOOL expected;
  } cases[] = {
      {CVikaCommand(1, 2, 9, 9), 3, TRUE},    // potentials and channels ignored
      {CVikaCommand(1, 7, 3, 4), 1, TRUE},
      {CVikaCommand(1, 7, 3, 4), 2, FALSE},
      {CVikaCommand(1, 2, 3, 4), 4, FALSE},   // channel counts differ
      {CVikaCommand(1, 2, p1, p2, 2), 15, TRUE},
      {CVikaCommand(8, 2, p1, p2, 2), 4, TRUE},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.expected, two.Match(c.other, c.mask)) << "mask " << c.mask;
}

TEST(VikaCommand, ShiftMovesRealElectrodesOnly) {
  struct Case {
    CVikaCommand command;
    int k;
    CVikaCommand expected;
  } cases[] = {
      {CVikaCommand(1, 0, 2, 0), 3, CVikaCommand(4, 0, 5, 0)},
      {CVikaCommand(0, 0, 5, 7), -3, CVikaCommand(0, 0, 2, 4)},
      {CVikaCommand(5, 6, 7, 8), -6, CVikaCommand(-1, 0, 1, 2)},
  };
  for (auto& c : cases) {
    if (c.k > 0)
      c.command.ShiftUp(c.k);
    else
      c.command.ShiftDown(-c.k);
    EXPECT_TRUE(c.command == c.expected) << c.command.m_nC1;
  }
}

TEST(VikaCommand, ChannelAccessors) {
  const int p1[] = {3, 5}, p2[] = {4, 6};
  CVikaCommand two(1, 2, p1, p2, 2);
  EXPECT_EQ(5, two.GetP1(1));
  EXPECT_EQ(CVikaCommand::NoChannel, two.GetP1(2));
  EXPECT_EQ(CVikaCommand::NoChannel, two.GetP2(-1));
  two.SetP2(3, 9);
  two.SetP1(1, 12);
  EXPECT_EQ(0, two.m_nP2[3]);
  EXPECT_EQ(12, two.GetP1(1));
}

}  // namespace
