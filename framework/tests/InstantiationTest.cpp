// Every member of the collection templates compiles for the kinds of
// element the program uses: records copied by value and passed by non-const
// reference, numbers, strings, handles and typed pointers.
#include "framework/Portable.h"

#include <gtest/gtest.h>

class CInstRecord : public CObject {
public:
  CInstRecord() = default;
  CInstRecord(const CInstRecord& other) : CObject(), m_nValue(other.m_nValue) {}
  CInstRecord& operator=(const CInstRecord& other) {
    m_nValue = other.m_nValue;
    return *this;
  }
  bool operator==(const CInstRecord& other) const { return m_nValue == other.m_nValue; }
  void Serialize(CArchive& ar) override {
    if (ar.IsStoring())
      ar << m_nValue;
    else
      ar >> m_nValue;
  }
  int m_nValue = 0;
};

template class CArray<CInstRecord, CInstRecord&>;
template class CArray<double, double>;
template class CArray<CString, const CString&>;
template class CList<DWORD, DWORD>;
template class CList<CString, const CString&>;
template class CList<CInstRecord, CInstRecord&>;
template class CMap<UINT, UINT, CInstRecord, CInstRecord&>;
template class CMap<int, int, CString, CString&>;
template class CMap<UINT, UINT, HMENU, HMENU>;
template class CMap<HMENU, HMENU, UINT, UINT>;
template class CMap<CString, LPCTSTR, CString, LPCTSTR>;
template class CTypedPtrArray<CPtrArray, CInstRecord*>;
template class CTypedPtrArray<CObArray, CInstRecord*>;
template class CTypedPtrList<CPtrList, CInstRecord*>;
template class CTypedPtrList<CObList, CInstRecord*>;
template class CTypedPtrMap<CMapStringToPtr, CString, CInstRecord*>;
template class CTypedPtrMap<CMapPtrToPtr, void*, CInstRecord*>;

TEST(InstantiationTest, RecordsArchivedThroughTheirSerialize) {
  CArray<CInstRecord, CInstRecord&> records;
  CInstRecord record;
  record.m_nValue = 0x01020304;
  records.Add(record);
  CMemFile file;
  {
    CArchive ar(&file, CArchive::store);
    records.Serialize(ar);
  }
  EXPECT_EQ(6u, file.GetLength());
  file.SeekToBegin();
  CArchive ar(&file, CArchive::load);
  CArray<CInstRecord, CInstRecord&> back;
  back.Serialize(ar);
  ASSERT_EQ(1, back.GetSize());
  EXPECT_EQ(0x01020304, back[0].m_nValue);
}
