#include "framework/Portable.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

template <class MAP, class KEY, class VALUE>
std::vector<KEY> KeysInOrder(const MAP& map) {
  std::vector<KEY> keys;
  POSITION pos = map.GetStartPosition();
  while (pos != NULL) {
    KEY key;
    VALUE value;
    map.GetNextAssoc(pos, key, value);
    keys.push_back(key);
  }
  return keys;
}

} // namespace

TEST(MapTest, IterationGoesByBucketThenNewestFirst) {
  CMap<UINT, UINT, int, int> map;
  EXPECT_EQ(17u, map.GetHashTableSize());
  for (UINT key = 0; key <= 20; ++key)
    map.SetAt(key, (int)key * 10);
  std::vector<UINT> expected;
  for (UINT key = 15; key + 1 > 0; --key)   // bucket 0: 15 down to 0
    expected.push_back(key);
  for (UINT key = 20; key >= 16; --key)     // bucket 1
    expected.push_back(key);
  EXPECT_EQ(expected, (KeysInOrder<CMap<UINT, UINT, int, int>, UINT, int>(map)));

  // Replacing a value keeps the entry where it was.
  map.SetAt(7, 700);
  EXPECT_EQ(expected, (KeysInOrder<CMap<UINT, UINT, int, int>, UINT, int>(map)));
  int value = 0;
  EXPECT_TRUE(map.Lookup(7, value));
  EXPECT_EQ(700, value);
  EXPECT_FALSE(map.Lookup(99, value));
  EXPECT_EQ(21, map.GetCount());
}

TEST(MapTest, BucketIsTheShiftedKeyModuloTheTableSize) {
  CMap<int, int, int, int> map;
  map.InitHashTable(3);
  // 16 >> 4 = 1, 48 >> 4 = 3 -> bucket 0, 32 >> 4 = 2.
  map[16] = 1;
  map[48] = 3;
  map[32] = 2;
  map[0] = 0;
  EXPECT_EQ((std::vector<int>{0, 48, 16, 32}), (KeysInOrder<CMap<int, int, int, int>, int, int>(map)));
}

TEST(MapTest, RemoveAndDefaultValues) {
  CMap<int, int, CString, CString&> map;
  map[5];   // created empty
  EXPECT_EQ(1, map.GetCount());
  EXPECT_TRUE(map[5].IsEmpty());
  CString text("five");
  map.SetAt(5, text);
  map.SetAt(21, text);
  EXPECT_TRUE(map.RemoveKey(5));
  EXPECT_FALSE(map.RemoveKey(5));
  EXPECT_EQ(1, map.GetCount());
  map.RemoveAll();
  EXPECT_TRUE(map.IsEmpty());
  EXPECT_EQ(NULL, map.GetStartPosition());
}

TEST(MapTest, StringKeysAndObjectValues) {
  CMapStringToOb map;
  CObject* pFound = NULL;
  CMemFile a, b;
  map.SetAt("alpha", &a);
  map["beta"] = &b;
  EXPECT_TRUE(map.Lookup("alpha", pFound));
  EXPECT_EQ(&a, pFound);
  EXPECT_FALSE(map.Lookup("ALPHA", pFound));
  EXPECT_EQ(2, map.GetCount());

  CMapStringToPtr ptrs;
  int x = 0;
  ptrs.SetAt("x", &x);
  CTypedPtrMap<CMapStringToPtr, CString, int*> typed;
  typed.SetAt("y", &x);
  int* pX = NULL;
  EXPECT_TRUE(typed.Lookup("y", pX));
  EXPECT_EQ(&x, pX);
  POSITION pos = typed.GetStartPosition();
  CString key;
  typed.GetNextAssoc(pos, key, pX);
  EXPECT_EQ("y", key);
}

TEST(ListTest, PositionsWalkBothWays) {
  CList<DWORD, DWORD> list;
  list.AddTail(2);
  list.AddTail(3);
  list.AddHead(1);
  POSITION pos2 = list.Find(2);
  list.InsertAfter(pos2, 25);
  list.InsertBefore(list.GetHeadPosition(), 0);
  std::vector<DWORD> forward, backward;
  for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
    forward.push_back(list.GetNext(pos));
  for (POSITION pos = list.GetTailPosition(); pos != NULL;)
    backward.push_back(list.GetPrev(pos));
  EXPECT_EQ((std::vector<DWORD>{0, 1, 2, 25, 3}), forward);
  EXPECT_EQ((std::vector<DWORD>{3, 25, 2, 1, 0}), backward);
  EXPECT_EQ(25u, list.GetAt(list.FindIndex(3)));
  EXPECT_EQ(NULL, list.FindIndex(5));
  EXPECT_EQ(NULL, list.FindIndex(-1));
  EXPECT_EQ(0u, list.RemoveHead());
  EXPECT_EQ(3u, list.RemoveTail());
  list.RemoveAt(list.Find(25));
  EXPECT_EQ(2, list.GetCount());
  EXPECT_EQ(NULL, list.Find(25));
}

TEST(ListTest, FindStartsAfterTheGivenPosition) {
  CList<DWORD, DWORD> list;
  for (DWORD n : {5u, 7u, 5u, 9u})
    list.AddTail(n);
  POSITION first = list.Find(5);
  POSITION second = list.Find(5, first);
  ASSERT_NE(nullptr, second);
  EXPECT_NE(first, second);
  EXPECT_EQ(9u, list.GetAt(list.Find(9, second)));
  EXPECT_EQ(NULL, list.Find(5, second));
}

TEST(ListTest, StringListFindIsExact) {
  CStringList names;
  names.AddTail("COM1");
  names.AddTail("com2");
  EXPECT_NE(nullptr, names.Find("COM1"));
  EXPECT_EQ(nullptr, names.Find("com1"));
  EXPECT_EQ(nullptr, names.Find("COM"));
  EXPECT_EQ("COM1", names.GetHead());
  CStringList more;
  more.AddTail("x");
  names.AddTail(&more);
  EXPECT_EQ(3, names.GetCount());
}

TEST(ListTest, PointerListsAndTypedWrapper) {
  int a = 1, b = 2;
  CPtrList ptrs;
  ptrs.AddTail(&a);
  ptrs.AddTail(&b);
  EXPECT_EQ(&b, ptrs.GetAt(ptrs.Find(&b)));
  CTypedPtrList<CPtrList, int*> typed;
  typed.AddTail(&a);
  typed.AddHead(&b);
  POSITION pos = typed.GetHeadPosition();
  EXPECT_EQ(2, *typed.GetNext(pos));
  EXPECT_EQ(1, *typed.GetNext(pos));
  EXPECT_EQ(&b, typed.RemoveHead());
  EXPECT_EQ(1, typed.GetCount());
}

namespace {
int g_nListAsserts = 0;
void CountListAssert(const char*, int, const char*) { ++g_nListAsserts; }
} // namespace

TEST(ListTest, EmptyListAccessFailsSafely) {
  AFX_ASSERT_HANDLER pfnOld = AfxSetAssertHandler(CountListAssert);
  CStringList empty;
  EXPECT_TRUE(empty.GetHead().IsEmpty());
  EXPECT_TRUE(empty.RemoveTail().IsEmpty());
  POSITION pos = NULL;
  EXPECT_TRUE(empty.GetNext(pos).IsEmpty());
  empty.RemoveAt(NULL);
  AfxSetAssertHandler(pfnOld);
}
