#include "mvc/CCArray.h"
#include "mvc/Iterator.h"
#include "mvc/RefCountImpl.h"

#include <gtest/gtest.h>

namespace {

TEST(CCArray, GrowthFollowsTheAutomaticStep) {
  struct Case {
    int from, to, growBy, capacity;
  } cases[] = {
      {100, 101, 0, 112},  // step 100/8 = 12
      {8, 9, 0, 12},       // step clamped up to 4
      {9000, 9001, 0, 10024},  // step clamped down to 1024
      {10, 50, 0, 50},     // a jump larger than the step
      {10, 11, 3, 13},     // an explicit grow-by
  };
  for (const Case& c : cases) {
    CCArray_T<int> a;
    a.SetSize(c.from, c.growBy);
    a.SetSize(c.to);
    EXPECT_EQ(c.capacity, a.GetCapacity()) << c.from << "->" << c.to;
    EXPECT_EQ(c.to, a.GetSize());
  }
}

TEST(CCArray, ShrinkKeepsCapacityAndZeroFrees) {
  CCArray_T<int> a;
  a.SetSize(20);
  a[15] = 7;
  a.SetSize(10);
  EXPECT_EQ(20, a.GetCapacity());
  a.SetSize(16);
  EXPECT_EQ(0, a[15]);  // regrown elements are zeroed
  a.SetSize(0);
  EXPECT_EQ(0, a.GetCapacity());
  EXPECT_EQ(nullptr, a.GetData());
}

TEST(CCArray, InsertBeyondTheEndGrowsWithNulls) {
  int x = 0, y = 0, z = 0;
  CCArray_T<int*> a;
  a.Add(&x);
  a.Add(&y);
  CCIterPos_T<int> pos;
  pos.m_index = 5;
  a.InsertAt(pos, &z);
  ASSERT_EQ(6, a.GetSize());
  for (int i = 2; i < 5; ++i)
    EXPECT_EQ(nullptr, a[i]);
  EXPECT_EQ(&z, a[5]);
  pos.m_index = 1;
  a.InsertAt(pos, &z);
  EXPECT_EQ(&z, a[1]);
  EXPECT_EQ(&y, a[2]);
}

TEST(CCArray, SearchesWrapAround) {
  CCArray_T<int> a;
  for (int v : {5, 1, 2, 5, 3})
    a.Add(v);
  struct Case {
    bool next;
    int start, value;
    BOOL found;
    int at;
  } cases[] = {
      {true, 0, 5, TRUE, 3},   // after the start
      {true, 3, 5, TRUE, 0},   // wraps to the front
      {true, 2, 1, TRUE, 1},   // only match before the start
      {true, 0, 9, FALSE, 0},  // absent: position kept
      {false, 3, 5, TRUE, 0},
      {false, 0, 5, TRUE, 3},  // wraps to the back
  };
  for (const Case& c : cases) {
    CCIterPos_T<int> pos;
    pos.m_index = c.start;
    BOOL found = c.next ? a.FindNext(pos, c.value) : a.FindPrev(pos, c.value);
    EXPECT_EQ(c.found, found);
    EXPECT_EQ(c.found ? c.at : c.start, pos.m_index);
  }
  EXPECT_EQ(2, a.IndexOf(2));
  EXPECT_EQ(-1, a.IndexOf(9));
}

TEST(CCArray, RemoveValueRemovesEveryCopy) {
  int x = 0, y = 0;
  CCArray_T<int*> a;
  a.Add(&x);
  a.Add(&y);
  a.Add(&x);
  a.RemoveValue(&x);
  ASSERT_EQ(1, a.GetSize());
  EXPECT_EQ(&y, a[0]);
}

TEST(CCArray, RemoveAtKeepsThePositionOnTheFollowingElement) {
  CCArray_T<int> a;
  for (int v : {1, 2, 3})
    a.Add(v);
  CCIterPos_T<int> pos;
  pos.m_index = 1;
  a.RemoveAt(pos);
  EXPECT_EQ(3, a.GetAt(pos));
  a.Next(pos);
  EXPECT_TRUE(a.IsPastEnd(pos));
  EXPECT_EQ(0, a.GetAt(pos));
  EXPECT_EQ(nullptr, a.GetAtPtr(pos));
}

class OddOnly : public Iterator_T<int> {
 public:
  using Iterator_T<int>::Iterator_T;
  BOOL Accept(int v) override { return v % 2; }
};

TEST(Iterator, WalksForwardAndBackwardThroughAcceptedElements) {
  CCArray_T<int> a;
  Iterator_T<int> empty(&a);
  empty.First();
  EXPECT_TRUE(empty.IsPastEnd());
  EXPECT_EQ(0, empty.Current());

  for (int v : {2, 1, 4, 3, 6})
    a.Add(v);
  OddOnly it(&a);
  std::vector<int> seen;
  for (it.First(); !it.IsPastEnd(); it.Next())
    seen.push_back(it.Current());
  EXPECT_EQ((std::vector<int>{1, 3}), seen);
  EXPECT_EQ(3, it.GetLast());
  EXPECT_EQ(1, it.GetPrev());
  it.Prev();
  EXPECT_TRUE(it.IsPastEnd());
}

TEST(Iterator, WritesThroughTheAttachedCollection) {
  CCArray_T<int> a;
  for (int v : {1, 2, 3})
    a.Add(v);
  Iterator_T<int> it;
  it.Attach(&a);
  it.First();
  it.Next();
  it.SetCurrent(20);
  it.InsertAtCurrent(15);
  it.Next();
  it.RemoveCurrent();
  EXPECT_EQ(3, a.GetSize());
  EXPECT_EQ(15, a[1]);
  EXPECT_EQ(3, a[2]);
}

class Counted : public RefCountImpl_T<IUnknownImpl_T<rw::IObserver, rw::IID_IObserver>> {
 public:
  explicit Counted(int* deaths) : m_deaths(deaths) {}
  ~Counted() override { ++*m_deaths; }
  void OnUpdate(rw::ISubject*, rw::Hint) override {}

 private:
  int* m_deaths;
};

TEST(RefCount, ReleaseToZeroDestroys) {
  int deaths = 0;
  auto* p = new Counted(&deaths);
  EXPECT_EQ(1, p->AddRef());
  void* pv = nullptr;
  EXPECT_EQ(rw::kOk, p->QueryInterface(rw::IID_IObserver, &pv));  // counts too
  EXPECT_EQ(p, static_cast<rw::IObserver*>(pv));
  EXPECT_EQ(rw::kNoInterface, p->QueryInterface(rw::IID_ISubject, &pv));
  EXPECT_EQ(nullptr, pv);
  EXPECT_EQ(1, p->Release());
  EXPECT_EQ(0, deaths);
  EXPECT_EQ(0, p->Release());
  EXPECT_EQ(1, deaths);
}

}  // namespace
