// CArchive: the binary serialisation stream over a CFile.
//
// Every value is written little-endian with a fixed width whatever the build
// (int and long as 32 bits). Strings are a length prefix and the bytes;
// counts are a WORD, or 0xFFFF and a DWORD; object pointers are written with
// class records and back-references. Reading bad or truncated data throws
// CArchiveException and never allocates more than the stream can hold.
#pragma once

#include "framework/Types.h"
#include "framework/Object.h"
#include "framework/String.h"
#include "framework/ArchiveException.h"

#include <unordered_map>
#include <vector>

class CFile;
class CDocument;

class CArchive {
public:
  enum Mode { store = 0, load = 1, bNoFlushOnDelete = 2, bNoByteSwap = 4 };

  // The buffer argument is accepted for compatibility; the archive always
  // uses its own buffer of nBufSize bytes.
  CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = NULL);
  ~CArchive();

  CArchive(const CArchive&) = delete;
  CArchive& operator=(const CArchive&) = delete;

  BOOL IsLoading() const { return (m_nMode & load) != 0; }
  BOOL IsStoring() const { return (m_nMode & load) == 0; }
  BOOL IsByteSwapping() const { return FALSE; }
  BOOL IsBufferEmpty() const { return m_nBufCur == m_nBufMax; }
  CFile* GetFile() const { return m_pFile; }

  // The schema of the object being loaded; -1 once it has been taken.
  UINT GetObjectSchema();
  void SetObjectSchema(UINT nSchema) { m_nObjectSchema = nSchema; }

  // Raw bytes. Read returns fewer bytes than asked only at the end.
  UINT Read(void* lpBuf, UINT nMax);
  void Write(const void* lpBuf, UINT nMax);
  // Reads exactly nCount bytes or throws CArchiveException::endOfFile.
  void EnsureRead(void* lpBuf, UINT nCount);

  void Flush();
  void Close();
  void Abort();

  // Text lines: WriteString writes the characters as given (no line end
  // added); ReadString takes a line and drops its LF or CR LF, FALSE at the
  // end with nothing read. The buffer form keeps the "\n".
  void WriteString(LPCTSTR lpsz);
  BOOL ReadString(CString& rString);
  LPTSTR ReadString(LPTSTR lpsz, UINT nMax);

  void WriteCount(DWORD dwCount);
  DWORD ReadCount();

  // Throws CArchiveException::endOfFile when fewer than nCount elements of
  // at least nMinElementSize bytes each can still be read (loading only).
  void CheckCount(DWORD nCount, UINT nMinElementSize);

  // Object pointers with class records and back-references.
  void WriteObject(const CObject* pOb);
  CObject* ReadObject(const CRuntimeClass* pClassRefRequested);
  void WriteClass(const CRuntimeClass* pClassRef);
  CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = NULL, UINT* pSchema = NULL,
                           DWORD* pObTag = NULL);
  void SerializeClass(const CRuntimeClass* pClassRef);
  // Registers an object that is referenced but written some other way.
  void MapObject(const CObject* pOb);

  CArchive& operator<<(BYTE by);
  CArchive& operator<<(char ch);
  CArchive& operator<<(signed char ch);
  CArchive& operator<<(WORD w);
  CArchive& operator<<(short n);
  CArchive& operator<<(int i);
  CArchive& operator<<(unsigned int u);
  CArchive& operator<<(long l);             // 32 bits in both builds
  CArchive& operator<<(unsigned long dw);   // 32 bits in both builds
  CArchive& operator<<(LONGLONG ll);
  CArchive& operator<<(ULONGLONG ull);
  CArchive& operator<<(float f);
  CArchive& operator<<(double d);

  CArchive& operator>>(BYTE& by);
  CArchive& operator>>(char& ch);
  CArchive& operator>>(signed char& ch);
  CArchive& operator>>(WORD& w);
  CArchive& operator>>(short& n);
  CArchive& operator>>(int& i);
  CArchive& operator>>(unsigned int& u);
  CArchive& operator>>(long& l);
  CArchive& operator>>(unsigned long& dw);
  CArchive& operator>>(LONGLONG& ll);
  CArchive& operator>>(ULONGLONG& ull);
  CArchive& operator>>(float& f);
  CArchive& operator>>(double& d);

  CArchive& operator<<(const CObject* pOb) {
    WriteObject(pOb);
    return *this;
  }
  CArchive& operator>>(CObject*& pOb) {
    pOb = ReadObject(NULL);
    return *this;
  }
  CArchive& operator>>(const CObject*& pOb) {
    pOb = ReadObject(NULL);
    return *this;
  }

  CDocument* m_pDocument = NULL;

private:
  void WriteLE(ULONGLONG value, UINT nBytes);
  ULONGLONG ReadLE(UINT nBytes);
  BOOL ReadByte(BYTE& by);
  bool FillBuffer();
  UINT ReadFile(void* lpBuf, UINT nCount);
  void WriteBuffer();
  ULONGLONG BytesLeft() const;
  [[noreturn]] void ThrowArchive(int cause) const;
  void CheckLoading() const;
  void CheckStoring() const;

  struct LoadEntry {
    void* pItem;      // CRuntimeClass* or CObject*
    bool bIsClass;
    UINT nSchema;     // of a class entry
  };

  CFile* m_pFile;
  UINT m_nMode;
  std::vector<BYTE> m_buffer;
  size_t m_nBufCur = 0;      // next byte to read or write
  size_t m_nBufMax = 0;      // bytes valid (loading)
  // Where the file ends and where its next read starts, learnt at the first
  // bounds check of a load and kept up to date by the archive's own reads:
  // asking the file costs two system calls per buffer.
  mutable bool m_bFileSpanKnown = false;
  mutable ULONGLONG m_nFileLength = 0;
  mutable ULONGLONG m_nFilePosition = 0;
  UINT m_nObjectSchema = (UINT)-1;
  UINT m_nObjectDepth = 0;   // objects being read inside one another

  std::unordered_map<const void*, DWORD> m_storeMap;   // object or class -> index
  std::vector<LoadEntry> m_loadArray;                  // index -> object or class
};

CArchive& operator<<(CArchive& ar, const CString& string);
CArchive& operator>>(CArchive& ar, CString& string);
