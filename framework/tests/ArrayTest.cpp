#include "framework/Portable.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// Exposes the capacity fields the growth rule is about.
template <class TYPE, class ARG_TYPE = const TYPE&>
class CProbeArray : public CArray<TYPE, ARG_TYPE> {
public:
  int MaxSize() const { return this->m_nMaxSize; }
  int GrowBy() const { return this->m_nGrowBy; }
};

// A default constructor that leaves a field alone: it must read as zero.
struct PartlyBuilt {
  int nSet;
  int nLeft;
  PartlyBuilt() : nSet(7) {}
};

int g_nArrayAsserts = 0;
void CountArrayAssert(const char*, int, const char*) { ++g_nArrayAsserts; }

} // namespace

TEST(ArrayTest, FirstBlockIsTheLargerOfSizeAndStep) {
  CProbeArray<int, int> a;
  a.SetSize(5);
  EXPECT_EQ(5, a.MaxSize());
  CProbeArray<int, int> b;
  b.SetSize(3, 10);
  EXPECT_EQ(10, b.MaxSize());
  EXPECT_EQ(10, b.GrowBy());
  b.SetSize(30);   // explicit step: old capacity + 10, or the new size
  EXPECT_EQ(30, b.MaxSize());
  b.SetSize(31);
  EXPECT_EQ(40, b.MaxSize());
}

TEST(ArrayTest, StepZeroGrowsByAnEighthAndAtLeast4ThenByHalfPast8192) {
  struct Case {
    int nFrom;
    int nExpectedMax;   // capacity after adding one element to a full array
  };
  const Case cases[] = {{1, 5}, {8, 12}, {40, 45}, {100, 112}, {8192, 9216}, {8193, 12289}, {9000, 13500}, {400000, 600000}};
  for (const Case& c : cases) {
    CProbeArray<int, int> a;
    a.SetSize(c.nFrom);
    ASSERT_EQ(c.nFrom, a.MaxSize());
    a.Add(1);
    EXPECT_EQ(c.nExpectedMax, a.MaxSize()) << "from " << c.nFrom;
    EXPECT_EQ(c.nFrom + 1, a.GetSize());
  }
  // Adding one by one: 1, then +4 while small.
  CProbeArray<int, int> a;
  int expected[] = {1, 5, 5, 5, 5, 9};
  for (int i = 0; i < 6; ++i) {
    a.Add(i);
    EXPECT_EQ(expected[i], a.MaxSize()) << "after " << i + 1;
  }
}

TEST(ArrayTest, ShrinkingKeepsCapacityAndZeroFrees) {
  CProbeArray<CString> a;
  a.SetSize(20);
  a.SetSize(3);
  EXPECT_EQ(20, a.MaxSize());
  EXPECT_EQ(3, a.GetSize());
  a.SetSize(0);
  EXPECT_EQ(0, a.MaxSize());
  EXPECT_EQ(nullptr, a.GetData());
  a.Add("x");
  a.FreeExtra();
  EXPECT_EQ(1, a.MaxSize());
}

TEST(ArrayTest, NewElementsAreZeroFilledThenConstructed) {
  CArray<PartlyBuilt, PartlyBuilt&> a;
  a.SetSize(3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(7, a[i].nSet);
    EXPECT_EQ(0, a[i].nLeft);
  }
  CArray<double, double> d;
  d.SetSize(4);
  EXPECT_EQ(0.0, d[3]);
}

TEST(ArrayTest, InsertRemoveAppendCopyKeepOrder) {
  CStringArray a;
  a.Add("a");
  a.Add("d");
  a.InsertAt(1, "b");
  a.InsertAt(2, "c", 2);
  ASSERT_EQ(5, a.GetSize());
  EXPECT_EQ("a", a[0]);
  EXPECT_EQ("b", a[1]);
  EXPECT_EQ("c", a[2]);
  EXPECT_EQ("c", a[3]);
  EXPECT_EQ("d", a[4]);
  a.RemoveAt(2, 2);
  ASSERT_EQ(3, a.GetSize());
  EXPECT_EQ("d", a.GetAt(2));
  a.InsertAt(5, "f");   // past the end: the gap is filled with empty strings
  ASSERT_EQ(6, a.GetSize());
  EXPECT_TRUE(a[4].IsEmpty());
  EXPECT_EQ("f", a[5]);

  CStringArray b;
  b.Add("x");
  EXPECT_EQ(1, b.Append(a));
  EXPECT_EQ(7, b.GetSize());
  EXPECT_EQ("f", b[6]);
  b.Copy(a);
  EXPECT_EQ(6, b.GetSize());
  EXPECT_EQ("a", b[0]);
  b.SetAtGrow(8, "z");
  EXPECT_EQ(9, b.GetSize());
  EXPECT_EQ(8, b.GetUpperBound());
  b.ElementAt(0) = "A";
  EXPECT_EQ("A", b.GetAt(0));
  b.RemoveAll();
  EXPECT_EQ(0, b.GetSize());
}

TEST(ArrayTest, AddingAnElementOfTheSameArraySurvivesGrowth) {
  CStringArray a;
  a.Add("first");
  for (int i = 0; i < 50; ++i)
    a.Add(a[0]);
  a.InsertAt(0, a[10]);
  EXPECT_EQ(52, a.GetSize());
  EXPECT_EQ("first", a[51]);
  EXPECT_EQ("first", a[0]);
}

TEST(ArrayTest, OutOfRangeAccessFailsSafely) {
  AFX_ASSERT_HANDLER pfnOld = AfxSetAssertHandler(CountArrayAssert);
  g_nArrayAsserts = 0;
  CArray<int, int> a;
  a.Add(1);
  EXPECT_EQ(0, a.GetAt(5));
  EXPECT_EQ(0, a.GetAt(-1));
  a.SetAt(7, 3);
  a.ElementAt(9) = 4;   // goes nowhere
  EXPECT_EQ(0, a[9]);
  a.RemoveAt(4);
  a.RemoveAt(0, 10);    // clamped to what exists
  EXPECT_EQ(0, a.GetSize());
  a.SetSize(-3);
  EXPECT_EQ(0, a.GetSize());
  a.Add(1);
  // Sizes past INT_MAX are refused before any arithmetic wraps.
  EXPECT_THROW(a.SetAtGrow(INT_MAX, 2), CMemoryException);
  EXPECT_THROW(a.InsertAt(1, 2, INT_MAX), CMemoryException);
  EXPECT_THROW(a.InsertAt(INT_MAX, 2, 1), CMemoryException);
  EXPECT_EQ(1, a.GetSize());
  AfxSetAssertHandler(pfnOld);
#ifndef NDEBUG
  EXPECT_GE(g_nArrayAsserts, 7);
#endif
}

TEST(ArrayTest, PointerAndNumberArrays) {
  CPtrArray p;
  int x = 0;
  p.Add(&x);
  EXPECT_EQ(&x, p[0]);
  CDWordArray d;
  d.InsertAt(0, 5);
  d.InsertAt(0, 3);
  EXPECT_EQ(3u, d.GetAt(0));
  CUIntArray u;
  u.SetAtGrow(2, 9);
  EXPECT_EQ(9u, u[2]);
  CByteArray b;
  b.SetSize(12);
  EXPECT_EQ(12, b.GetSize());
  EXPECT_NE(nullptr, b.GetData());

  CTypedPtrArray<CPtrArray, int*> typed;
  typed.Add(&x);
  *typed[0] = 42;
  EXPECT_EQ(42, x);
  EXPECT_EQ(&x, typed.GetAt(0));
}
