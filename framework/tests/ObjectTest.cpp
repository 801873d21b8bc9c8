#include "framework/Portable.h"

#include <gtest/gtest.h>

#include <memory>

// At namespace scope: the class list and the archive find classes by name.
class CAnimal : public CObject {
  DECLARE_DYNAMIC(CAnimal)
};

class CDog : public CAnimal {
  DECLARE_DYNCREATE(CDog)
};

class CRecord : public CObject {
  DECLARE_SERIAL(CRecord)
public:
  int m_nValue = 0;
};

IMPLEMENT_DYNAMIC(CAnimal, CObject)
IMPLEMENT_DYNCREATE(CDog, CAnimal)
IMPLEMENT_SERIAL(CRecord, CObject, VERSIONABLE_SCHEMA | 256)

TEST(ObjectTest, RuntimeClassRecordsDescribeTheClass) {
  const CRuntimeClass* pClass = RUNTIME_CLASS(CDog);
  EXPECT_STREQ("CDog", pClass->m_lpszClassName);
  EXPECT_EQ((int)sizeof(CDog), pClass->m_nObjectSize);
  EXPECT_EQ(0xFFFFu, pClass->m_wSchema);
  EXPECT_EQ(RUNTIME_CLASS(CAnimal), pClass->m_pBaseClass);
  EXPECT_EQ(0x80000100u, RUNTIME_CLASS(CRecord)->m_wSchema);
  EXPECT_EQ(nullptr, RUNTIME_CLASS(CAnimal)->m_pfnCreateObject);
}

TEST(ObjectTest, IsKindOfWalksTheBaseChain) {
  CDog dog;
  EXPECT_TRUE(dog.IsKindOf(RUNTIME_CLASS(CDog)));
  EXPECT_TRUE(dog.IsKindOf(RUNTIME_CLASS(CAnimal)));
  EXPECT_TRUE(dog.IsKindOf(RUNTIME_CLASS(CObject)));
  EXPECT_FALSE(dog.IsKindOf(RUNTIME_CLASS(CRecord)));
  EXPECT_EQ(RUNTIME_CLASS(CDog), dog.GetRuntimeClass());
  EXPECT_FALSE(dog.IsSerializable());
  CObject* pObject = &dog;
  EXPECT_EQ(&dog, DYNAMIC_DOWNCAST(CAnimal, pObject));
  EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CRecord, pObject));
  EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CDog, (CObject*)NULL));
  EXPECT_TRUE(CRecord().IsSerializable());
}

TEST(ObjectTest, CreationByNameNeedsACreatableClass) {
  std::unique_ptr<CObject> pDog(CRuntimeClass::CreateObject("CDog"));
  ASSERT_NE(nullptr, pDog);
  EXPECT_TRUE(pDog->IsKindOf(RUNTIME_CLASS(CDog)));
  EXPECT_EQ(nullptr, CRuntimeClass::CreateObject("CAnimal"));
  EXPECT_EQ(nullptr, RUNTIME_CLASS(CAnimal)->CreateObject());
  // Names are exact.
  EXPECT_EQ(nullptr, CRuntimeClass::FromName("cdog"));
  EXPECT_EQ(nullptr, CRuntimeClass::FromName("Nothing"));
}

TEST(ObjectTest, ClassListHoldsEveryDeclaredClass) {
  int nFound = 0;
  for (CRuntimeClass* pClass = AfxGetFirstRuntimeClass(); pClass != nullptr; pClass = pClass->m_pNextClass) {
    if (pClass == RUNTIME_CLASS(CDog) || pClass == RUNTIME_CLASS(CRecord) || pClass == RUNTIME_CLASS(CObject))
      ++nFound;
  }
  EXPECT_EQ(3, nFound);
}

TEST(ObjectTest, ExceptionsAreCaughtByReferenceWithTheirText) {
  try {
    AfxThrowFileException(CFileException::fileNotFound, 2, "C:\\DATA\\x.g7k");
    FAIL();
  } catch (CException& e) {
    EXPECT_TRUE(e.IsKindOf(RUNTIME_CLASS(CFileException)));
    char szText[64];
    UINT nHelp = 99;
    EXPECT_TRUE(e.GetErrorMessage(szText, sizeof szText, &nHelp));
    EXPECT_STREQ("C:\\DATA\\x.g7k was not found.", szText);
    EXPECT_EQ(0u, nHelp);
    // A short buffer truncates and stays terminated.
    char szShort[5];
    e.GetErrorMessage(szShort, sizeof szShort);
    EXPECT_STREQ("C:\\D", szShort);
  }
  try {
    AfxThrowUserException();
  } catch (CException& e) {
    EXPECT_TRUE(e.IsKindOf(RUNTIME_CLASS(CUserException)));
    EXPECT_EQ(0, e.ReportError());
  }
}

namespace {
int g_nAsserts = 0;
void CountAssert(const char*, int, const char*) { ++g_nAsserts; }
} // namespace

TEST(ObjectTest, AssertHandlerCanBeReplaced) {
  AFX_ASSERT_HANDLER pfnOld = AfxSetAssertHandler(CountAssert);
  g_nAsserts = 0;
  int nEvaluated = 0;
  VERIFY(++nEvaluated == 1);
  ASSERT(nEvaluated == 2);
  AfxSetAssertHandler(pfnOld);
  EXPECT_EQ(1, nEvaluated);
#ifdef NDEBUG
  EXPECT_EQ(0, g_nAsserts);
#else
  EXPECT_EQ(1, g_nAsserts);
#endif
}
