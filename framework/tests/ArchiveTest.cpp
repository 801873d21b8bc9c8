#include "framework/Portable.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

typedef std::vector<BYTE> Bytes;

// Runs a storing function over an in-memory archive and returns the bytes.
template <class F>
Bytes Store(F store) {
  CMemFile file;
  {
    CArchive ar(&file, CArchive::store);
    store(ar);
    ar.Close();
  }
  return Bytes(file.GetData(), file.GetData() + file.GetLength());
}

// Runs a loading function over the given bytes.
template <class F>
void Load(const Bytes& bytes, F load) {
  CMemFile file(bytes.data(), (UINT)bytes.size());
  CArchive ar(&file, CArchive::load);
  load(ar);
}

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts)
    all.insert(all.end(), part.begin(), part.end());
  return all;
}

Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

int ArchiveCause(const Bytes& bytes, void (*load)(CArchive&)) {
  try {
    Load(bytes, load);
  } catch (CArchiveException& e) {
    return e.m_cause;
  }
  return -1;
}

} // namespace

// A serialisable record as the documents use them.
class CArchivePoint : public CObject {
  DECLARE_SERIAL(CArchivePoint)
public:
  CArchivePoint() = default;
  CArchivePoint(int x, int y) : m_x(x), m_y(y) {}
  void Serialize(CArchive& ar) override {
    if (ar.IsStoring())
      ar << (WORD)m_x << (WORD)m_y;
    else {
      WORD x, y;
      ar >> x >> y;
      m_x = x;
      m_y = y;
    }
  }
  int m_x = 0;
  int m_y = 0;
};
IMPLEMENT_SERIAL(CArchivePoint, CObject, 1)

class CArchiveVersioned : public CObject {
  DECLARE_SERIAL(CArchiveVersioned)
public:
  void Serialize(CArchive& ar) override {
    if (ar.IsLoading())
      m_nSchemaSeen = ar.GetObjectSchema();
  }
  UINT m_nSchemaSeen = 0;
};
IMPLEMENT_SERIAL(CArchiveVersioned, CObject, VERSIONABLE_SCHEMA | 256)

class CArchiveNotSerial : public CObject {
  DECLARE_DYNCREATE(CArchiveNotSerial)
};
IMPLEMENT_DYNCREATE(CArchiveNotSerial, CObject)

// Loading stops half-way through this one.
class CArchiveFailing : public CObject {
  DECLARE_SERIAL(CArchiveFailing)
public:
  void Serialize(CArchive& ar) override {
    CString strPayload;
    ar >> strPayload;
  }
};
IMPLEMENT_SERIAL(CArchiveFailing, CObject, 1)

// A node that holds another node, as trees do.
class CArchiveNode : public CObject {
  DECLARE_SERIAL(CArchiveNode)
public:
  ~CArchiveNode() override { delete m_pChild; }
  void Serialize(CArchive& ar) override {
    if (ar.IsStoring())
      ar << m_pChild;
    else
      ar >> m_pChild;
  }
  CArchiveNode* m_pChild = NULL;
};
IMPLEMENT_SERIAL(CArchiveNode, CObject, 1)

TEST(ArchiveTest, NumbersAreLittleEndianWithFixedWidths) {
  Bytes bytes = Store([](CArchive& ar) {
    ar << (BYTE)0x12 << (WORD)0x3456 << (int)-2 << (LONG)0x01020304 << (DWORD)0xA0B0C0D0u;
    ar << (short)-1 << 1.0f << 2.0 << (LONGLONG)-2;
  });
  Bytes expected = {0x12, 0x56, 0x34, 0xFE, 0xFF, 0xFF, 0xFF, 0x04, 0x03, 0x02, 0x01,
                    0xD0, 0xC0, 0xB0, 0xA0, 0xFF, 0xFF, 0x00, 0x00, 0x80, 0x3F,
                    0, 0, 0, 0, 0, 0, 0x00, 0x40, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(expected, bytes);

  Load(bytes, [](CArchive& ar) {
    BYTE by;
    WORD w;
    int i;
    LONG l;
    DWORD dw;
    short n;
    float f;
    double d;
    LONGLONG ll;
    ar >> by >> w >> i >> l >> dw >> n >> f >> d >> ll;
    EXPECT_EQ(0x12, by);
    EXPECT_EQ(0x3456, w);
    EXPECT_EQ(-2, i);
    EXPECT_EQ(0x01020304, l);
    EXPECT_EQ(0xA0B0C0D0u, dw);
    EXPECT_EQ(-1, n);
    EXPECT_EQ(1.0f, f);
    EXPECT_EQ(2.0, d);
    EXPECT_EQ(-2, ll);
  });
}

TEST(ArchiveTest, StringLengthPrefixAtEveryBoundary) {
  struct Case {
    int nLength;
    Bytes prefix;
  };
  const Case cases[] = {
      {0, {0x00}},
      {254, {0xFE}},
      {255, {0xFF, 0xFF, 0x00}},
      {0xFFFD, {0xFF, 0xFD, 0xFF}},
      {0xFFFE, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
      {0x12345, {0xFF, 0xFF, 0xFF, 0x45, 0x23, 0x01, 0x00}},
  };
  for (const Case& c : cases) {
    CString s('q', c.nLength);
    Bytes bytes = Store([&](CArchive& ar) { ar << s; });
    ASSERT_EQ(c.prefix.size() + (size_t)c.nLength, bytes.size()) << c.nLength;
    EXPECT_EQ(c.prefix, Bytes(bytes.begin(), bytes.begin() + (long)c.prefix.size())) << c.nLength;
    Load(bytes, [&](CArchive& ar) {
      CString back;
      ar >> back;
      EXPECT_EQ(s, back) << c.nLength;
    });
  }
}

TEST(ArchiveTest, StringBytesAreKeptExactly) {
  CString s("a\0b\xFF\r\n", 6);
  Bytes bytes = Store([&](CArchive& ar) { ar << s; });
  EXPECT_EQ(Concat({{0x06}, Text(std::string("a\0b\xFF\r\n", 6))}), bytes);
  Load(bytes, [&](CArchive& ar) {
    CString back;
    ar >> back;
    EXPECT_EQ(6, back.GetLength());
    EXPECT_EQ(s.str(), back.str());
  });
}

TEST(ArchiveTest, CountsAreAWordOrAnEscapedDword) {
  Bytes bytes = Store([](CArchive& ar) {
    ar.WriteCount(0);
    ar.WriteCount(0xFFFE);
    ar.WriteCount(0xFFFF);
    ar.WriteCount(0x10000);
  });
  Bytes expected = {0x00, 0x00, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00,
                    0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00};
  EXPECT_EQ(expected, bytes);
  Load(bytes, [](CArchive& ar) {
    EXPECT_EQ(0u, ar.ReadCount());
    EXPECT_EQ(0xFFFEu, ar.ReadCount());
    EXPECT_EQ(0xFFFFu, ar.ReadCount());
    EXPECT_EQ(0x10000u, ar.ReadCount());
  });
}

TEST(ArchiveTest, ObjectsWriteClassRecordsOnceAndReferencesAfter) {
  CArchivePoint a(1, 2);
  CArchivePoint b(3, 4);
  Bytes bytes = Store([&](CArchive& ar) {
    ar << &a << &b << &a << (CObject*)NULL;
  });
  Bytes expected = Concat({
      {0xFF, 0xFF, 0x01, 0x00, 13, 0x00},   // new class, schema 1, name
      Text("CArchivePoint"),
      {0x01, 0x00, 0x02, 0x00},             // a
      {0x01, 0x80},                         // class reference (index 1)
      {0x03, 0x00, 0x04, 0x00},             // b
      {0x02, 0x00},                         // a again (index 2)
      {0x00, 0x00},                         // null
  });
  EXPECT_EQ(expected, bytes);

  Load(bytes, [](CArchive& ar) {
    CArchivePoint* p1 = NULL;
    CArchivePoint* p2 = NULL;
    CArchivePoint* p3 = NULL;
    CArchivePoint sentinel;
    CObject* p4 = &sentinel;
    ar >> p1 >> p2 >> p3 >> p4;
    std::unique_ptr<CArchivePoint> own1(p1), own2(p2);
    ASSERT_NE(nullptr, p1);
    ASSERT_NE(nullptr, p2);
    EXPECT_EQ(2, p1->m_y);
    EXPECT_EQ(3, p2->m_x);
    EXPECT_EQ(p1, p3);
    EXPECT_EQ(nullptr, p4);
  });
}

TEST(ArchiveTest, VersionableClassesReadEverySchema) {
  CArchiveVersioned v;
  Bytes bytes = Store([&](CArchive& ar) { ar << &v; });
  Bytes expected = Concat({{0xFF, 0xFF, 0x00, 0x01, 17, 0x00}, Text("CArchiveVersioned")});
  EXPECT_EQ(expected, bytes);
  bytes[2] = 0x07;   // an older version
  bytes[3] = 0x00;
  Load(bytes, [](CArchive& ar) {
    CArchiveVersioned* p = NULL;
    ar >> p;
    std::unique_ptr<CArchiveVersioned> own(p);
    ASSERT_NE(nullptr, p);
    EXPECT_EQ(7u, p->m_nSchemaSeen);
  });
}

TEST(ArchiveTest, MalformedStreamsThrowArchiveExceptions) {
  auto readInt = [](CArchive& ar) {
    int n;
    ar >> n;
  };
  auto readString = [](CArchive& ar) {
    CString s;
    ar >> s;
  };
  auto readObject = [](CArchive& ar) {
    CObject* p = NULL;
    ar >> p;
    delete p;
  };
  auto readPoint = [](CArchive& ar) {
    CArchivePoint* p = NULL;
    ar >> p;
    delete p;
  };
  auto readDoubles = [](CArchive& ar) {
    CArray<double, double> a;
    a.Serialize(ar);
  };
  auto readStrings = [](CArchive& ar) {
    CStringArray a;
    a.Serialize(ar);
  };
  auto readMap = [](CArchive& ar) {
    CMap<int, int, CString, CString&> m;
    m.Serialize(ar);
  };
  auto readObArray = [](CArchive& ar) {
    CObArray a;
    a.Serialize(ar);
    for (int i = 0; i < a.GetSize(); ++i)
      delete a[i];
  };
  Bytes pointClass = Concat({{0xFF, 0xFF, 0x01, 0x00, 13, 0x00}, Text("CArchivePoint")});

  EXPECT_EQ(CArchiveException::endOfFile, ArchiveCause({0x01, 0x02, 0x03}, readInt));
  EXPECT_EQ(CArchiveException::endOfFile, ArchiveCause({0x05, 'a', 'b'}, readString));
  EXPECT_EQ(CArchiveException::endOfFile, ArchiveCause({0xFF, 0x00, 0x01}, readString));
  EXPECT_EQ(CArchiveException::endOfFile,
            ArchiveCause({0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0xFF, 'x'}, readString));
  EXPECT_EQ(CArchiveException::endOfFile,
            ArchiveCause({0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0x7F, 'x'}, readString));
  EXPECT_EQ(CArchiveException::badSchema, ArchiveCause({0xFF, 0xFE, 0xFF, 0x01, 'x', 0}, readString));
  // Absurd counts fail before anything is allocated.
  EXPECT_EQ(CArchiveException::endOfFile,
            ArchiveCause({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0}, readDoubles));
  EXPECT_EQ(CArchiveException::endOfFile, ArchiveCause({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0}, readStrings));
  EXPECT_EQ(CArchiveException::endOfFile, ArchiveCause({0xFE, 0xFF, 0, 0, 0, 0}, readMap));
  EXPECT_EQ(CArchiveException::endOfFile, ArchiveCause({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0}, readObArray));
  // Class records.
  EXPECT_EQ(CArchiveException::badClass,
            ArchiveCause(Concat({{0xFF, 0xFF, 0x01, 0x00, 7, 0x00}, Text("CNobody")}), readObject));
  EXPECT_EQ(CArchiveException::badClass,
            ArchiveCause(Concat({{0xFF, 0xFF, 0xFF, 0xFF, 17, 0x00}, Text("CArchiveNotSerial")}), readObject));
  EXPECT_EQ(CArchiveException::badClass, ArchiveCause({0xFF, 0xFF, 0x01, 0x00, 200, 0x00, 'C'}, readObject));
  EXPECT_EQ(CArchiveException::endOfFile, ArchiveCause({0xFF, 0xFF, 0x01, 0x00, 13, 0x00, 'C'}, readObject));
  Bytes wrongSchema = pointClass;
  wrongSchema[2] = 2;
  EXPECT_EQ(CArchiveException::badSchema, ArchiveCause(wrongSchema, readObject));
  EXPECT_EQ(CArchiveException::badClass,
            ArchiveCause(Concat({{0xFF, 0xFF, 0x00, 0x01, 17, 0x00}, Text("CArchiveVersioned")}), readPoint));
  // References to what was never read.
  EXPECT_EQ(CArchiveException::badIndex, ArchiveCause({0x05, 0x80}, readObject));
  EXPECT_EQ(CArchiveException::badIndex, ArchiveCause({0x05, 0x00}, readObject));
  EXPECT_EQ(CArchiveException::badIndex, ArchiveCause({0xFF, 0x7F, 0x09, 0x00, 0x00, 0x80}, readObject));
  EXPECT_EQ(CArchiveException::badIndex,
            ArchiveCause(Concat({pointClass, {1, 0, 2, 0}, {0x01, 0x00}}),
                         [](CArchive& ar) {
                           CObject* p1 = NULL;
                           ar >> p1;
                           std::unique_ptr<CObject> own(p1);
                           CObject* p2 = NULL;
                           ar >> p2;   // index 1 is a class, not an object
                         }));
  // A record cut short: the half-built object is freed (the leak checker
  // would notice otherwise).
  EXPECT_EQ(CArchiveException::endOfFile,
            ArchiveCause(Concat({{0xFF, 0xFF, 0x01, 0x00, 15, 0x00}, Text("CArchiveFailing"), {0x09, 'x'}}),
                         readObject));
}

TEST(ArchiveTest, NestingIsLimited) {
  CArchiveNode root;
  CArchiveNode* pNode = &root;
  for (int i = 0; i < 100; ++i)
    pNode = pNode->m_pChild = new CArchiveNode;
  Bytes bytes = Store([&](CArchive& ar) { ar << &root; });
  Load(bytes, [](CArchive& ar) {
    CArchiveNode* pRoot = NULL;
    ar >> pRoot;
    std::unique_ptr<CArchiveNode> own(pRoot);
    int nDepth = 0;
    for (CArchiveNode* p = pRoot; p != NULL; p = p->m_pChild)
      ++nDepth;
    EXPECT_EQ(101, nDepth);
  });

  // A forged stream nesting far deeper fails cleanly, freeing what it built.
  Bytes forged = Concat({{0xFF, 0xFF, 0x01, 0x00, 12, 0x00}, Text("CArchiveNode")});
  for (int i = 0; i < 100000; ++i) {
    forged.push_back(0x01);
    forged.push_back(0x80);
  }
  EXPECT_EQ(CArchiveException::genericException, ArchiveCause(forged, [](CArchive& ar) {
              CObject* p = NULL;
              ar >> p;
              delete p;
            }));
}

TEST(ArchiveTest, CollectionsRoundTrip) {
  CArray<double, double> doubles;
  doubles.Add(1.5);
  doubles.Add(-2.25);
  CStringArray strings;
  strings.Add("one");
  strings.Add(CString('x', 300));
  CMap<int, int, CString, CString&> comments;
  comments[3] = "three";
  comments[40] = "forty";
  CList<DWORD, DWORD> list;
  list.AddTail(7);
  list.AddTail(9);
  Bytes bytes = Store([&](CArchive& ar) {
    doubles.Serialize(ar);
    strings.Serialize(ar);
    comments.Serialize(ar);
    list.Serialize(ar);
  });
  // The doubles are a count and their raw bytes.
  EXPECT_EQ((Bytes{0x02, 0x00, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F}), Bytes(bytes.begin(), bytes.begin() + 10));

  Load(bytes, [](CArchive& ar) {
    CArray<double, double> doubles2;
    CStringArray strings2;
    CMap<int, int, CString, CString&> comments2;
    CList<DWORD, DWORD> list2;
    doubles2.Serialize(ar);
    strings2.Serialize(ar);
    comments2.Serialize(ar);
    list2.Serialize(ar);
    ASSERT_EQ(2, doubles2.GetSize());
    EXPECT_EQ(-2.25, doubles2[1]);
    ASSERT_EQ(2, strings2.GetSize());
    EXPECT_EQ(300, strings2[1].GetLength());
    CString text;
    EXPECT_TRUE(comments2.Lookup(40, text));
    EXPECT_EQ("forty", text);
    EXPECT_EQ(2, list2.GetCount());
    EXPECT_EQ(9u, list2.GetTail());
  });
}

TEST(ArchiveTest, TimeIsA32BitValue) {
  Bytes bytes = Store([](CArchive& ar) { ar << CTime(0x01020304); });
  EXPECT_EQ((Bytes{0x04, 0x03, 0x02, 0x01}), bytes);
  Load(bytes, [](CArchive& ar) {
    CTime t;
    ar >> t;
    EXPECT_EQ(0x01020304, t.GetTime());
  });
}

TEST(ArchiveTest, TextLinesAcceptBothLineEnds) {
  Bytes bytes = Store([](CArchive& ar) {
    ar.WriteString("first\r\n");
    ar.WriteString("second\n");
    ar.WriteString("\n");
    ar.WriteString("last");
  });
  EXPECT_EQ(Text("first\r\nsecond\n\nlast"), bytes);
  Load(bytes, [](CArchive& ar) {
    CString line;
    EXPECT_TRUE(ar.ReadString(line));
    EXPECT_EQ("first", line);
    EXPECT_TRUE(ar.ReadString(line));
    EXPECT_EQ("second", line);
    EXPECT_TRUE(ar.ReadString(line));
    EXPECT_EQ("", line);
    EXPECT_TRUE(ar.ReadString(line));
    EXPECT_EQ("last", line);
    EXPECT_FALSE(ar.ReadString(line));
    EXPECT_TRUE(line.IsEmpty());
  });
  Load(Text("ab\r\ncd"), [](CArchive& ar) {
    char szLine[16];
    EXPECT_STREQ("ab\n", ar.ReadString(szLine, sizeof szLine));
    EXPECT_STREQ("c", ar.ReadString(szLine, 2));
    EXPECT_STREQ("d", ar.ReadString(szLine, sizeof szLine));
    EXPECT_EQ(nullptr, ar.ReadString(szLine, sizeof szLine));
  });
}

TEST(ArchiveTest, WritingToALoadingArchiveIsRefused) {
  Bytes bytes = {1, 2, 3, 4};
  EXPECT_EQ(CArchiveException::readOnly, ArchiveCause(bytes, [](CArchive& ar) { ar << (BYTE)1; }));
}

// Long strings are read past the buffer straight from the file, short ones
// through it; the bounds check must follow both to the very end.
TEST(ArchiveTest, BoundsFollowBufferedAndDirectReads) {
  const int lengths[] = {3, 300, 5000, 9000};
  std::vector<CString> strings;
  for (int i = 0; i < 200; ++i)
    strings.push_back(CString(static_cast<char>('a' + i % 26), lengths[i % 4]));
  const Bytes bytes = Store([&](CArchive& ar) {
    for (const CString& s : strings)
      ar << s;
  });

  Load(bytes, [&](CArchive& ar) {
    CString s;
    for (const CString& expected : strings) {
      ar >> s;
      ASSERT_EQ(expected, s);
    }
  });

  const Bytes cut(bytes.begin(), bytes.end() - 10);
  size_t read = 0;
  int cause = -1;
  try {
    Load(cut, [&](CArchive& ar) {
      CString s;
      for (; read < strings.size(); ++read)
        ar >> s;
    });
  } catch (CArchiveException& e) {
    cause = e.m_cause;
  }
  EXPECT_EQ(CArchiveException::endOfFile, cause);
  EXPECT_EQ(strings.size() - 1, read);
}
