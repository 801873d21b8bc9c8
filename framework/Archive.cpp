#include "framework/Archive.h"

#include "framework/File.h"

#include <algorithm>
#include <cstring>

namespace {

// Object-form tags.
const WORD wNullTag = 0;
const WORD wNewClassTag = 0xFFFF;
const WORD wClassTag = 0x8000;
const WORD wBigObjectTag = 0x7FFF;
const DWORD dwBigClassTag = 0x80000000;
const DWORD nMaxMapCount = 0x3FFFFFFE;

// Objects read while reading an object: a forged stream must not nest them
// until the stack runs out.
const UINT nMaxObjectDepth = 512;

// Strings and lines are read in pieces of this size, so a forged length
// costs no more memory than the stream really holds.
const UINT nReadChunk = 64 * 1024;

} // namespace

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void*)
    : m_pFile(pFile), m_nMode(nMode) {
  ASSERT(pFile != NULL);
  if (nBufSize < 128)
    nBufSize = 128;
  m_buffer.resize((size_t)nBufSize);
  m_loadArray.push_back(LoadEntry{NULL, false, 0});   // index 0: the null object
}

CArchive::~CArchive() {
  if (m_pFile == NULL)
    return;
  if ((m_nMode & bNoFlushOnDelete) != 0) {
    m_pFile = NULL;
    return;
  }
  // A destructor must not throw; a failed final flush is lost here, which is
  // why callers who care call Close() themselves.
  try {
    Close();
  } catch (const CException&) {
    m_pFile = NULL;
  }
}

void CArchive::ThrowArchive(int cause) const {
  AfxThrowArchiveException(cause, m_pFile != NULL ? (LPCTSTR)m_pFile->GetFilePath() : NULL);
}

void CArchive::CheckLoading() const {
  ASSERT(m_pFile != NULL);
  if (m_pFile == NULL)
    ThrowArchive(CArchiveException::genericException);
  if (IsStoring())
    ThrowArchive(CArchiveException::writeOnly);
}

void CArchive::CheckStoring() const {
  ASSERT(m_pFile != NULL);
  if (m_pFile == NULL)
    ThrowArchive(CArchiveException::genericException);
  if (IsLoading())
    ThrowArchive(CArchiveException::readOnly);
}

UINT CArchive::GetObjectSchema() {
  UINT nResult = m_nObjectSchema;
  m_nObjectSchema = (UINT)-1;
  return nResult;
}

UINT CArchive::ReadFile(void* lpBuf, UINT nCount) {
  const UINT n = m_pFile->Read(lpBuf, nCount);
  m_nFilePosition += n;
  return n;
}

bool CArchive::FillBuffer() {
  m_nBufCur = 0;
  m_nBufMax = ReadFile(m_buffer.data(), (UINT)m_buffer.size());
  return m_nBufMax > 0;
}

UINT CArchive::Read(void* lpBuf, UINT nMax) {
  CheckLoading();
  BYTE* pDest = static_cast<BYTE*>(lpBuf);
  UINT nRead = 0;
  while (nRead < nMax) {
    if (m_nBufCur == m_nBufMax) {
      // Large reads go straight to the file.
      if (nMax - nRead >= m_buffer.size()) {
        UINT n = ReadFile(pDest + nRead, nMax - nRead);
        nRead += n;
        break;
      }
      if (!FillBuffer())
        break;
    }
    size_t n = std::min((size_t)(nMax - nRead), m_nBufMax - m_nBufCur);
    std::memcpy(pDest + nRead, m_buffer.data() + m_nBufCur, n);
    m_nBufCur += n;
    nRead += (UINT)n;
  }
  return nRead;
}

void CArchive::EnsureRead(void* lpBuf, UINT nCount) {
  if (Read(lpBuf, nCount) != nCount)
    ThrowArchive(CArchiveException::endOfFile);
}

BOOL CArchive::ReadByte(BYTE& by) {
  if (m_nBufCur == m_nBufMax && !FillBuffer())
    return FALSE;
  by = m_buffer[m_nBufCur++];
  return TRUE;
}

void CArchive::Write(const void* lpBuf, UINT nMax) {
  CheckStoring();
  const BYTE* pSrc = static_cast<const BYTE*>(lpBuf);
  while (nMax > 0) {
    if (m_nBufCur == m_buffer.size())
      WriteBuffer();
    size_t n = std::min((size_t)nMax, m_buffer.size() - m_nBufCur);
    std::memcpy(m_buffer.data() + m_nBufCur, pSrc, n);
    m_nBufCur += n;
    pSrc += n;
    nMax -= (UINT)n;
  }
}

void CArchive::WriteBuffer() {
  if (m_nBufCur > 0)
    m_pFile->Write(m_buffer.data(), (UINT)m_nBufCur);
  m_nBufCur = 0;
}

void CArchive::Flush() {
  if (m_pFile == NULL)
    return;
  if (IsStoring()) {
    WriteBuffer();
    m_pFile->Flush();
  } else if (m_nBufCur != m_nBufMax) {
    // Give the unread bytes back so the file is positioned after what was read.
    m_pFile->Seek(-(LONGLONG)(m_nBufMax - m_nBufCur), CFile::current);
    m_nBufCur = m_nBufMax = 0;
    m_bFileSpanKnown = false;
  }
}

void CArchive::Close() {
  if (m_pFile == NULL)
    return;
  if (IsStoring())
    Flush();
  m_pFile = NULL;
}

void CArchive::Abort() {
  m_nBufCur = m_nBufMax = 0;
  m_pFile = NULL;
}

ULONGLONG CArchive::BytesLeft() const {
  if (!m_bFileSpanKnown) {
    m_nFileLength = m_pFile->GetLength();
    m_nFilePosition = m_pFile->GetPosition();
    m_bFileSpanKnown = true;
  }
  const ULONGLONG nInFile =
      m_nFileLength > m_nFilePosition ? m_nFileLength - m_nFilePosition : 0;
  return nInFile + (m_nBufMax - m_nBufCur);
}

void CArchive::CheckCount(DWORD nCount, UINT nMinElementSize) {
  CheckLoading();
  const ULONGLONG nNeeded = (ULONGLONG)nCount * nMinElementSize;
  // What the buffer holds needs no question to the file, which costs a
  // system call or two per string.
  if (nNeeded <= m_nBufMax - m_nBufCur)
    return;
  if (nNeeded > BytesLeft())
    ThrowArchive(CArchiveException::endOfFile);
}

void CArchive::WriteLE(ULONGLONG value, UINT nBytes) {
  BYTE bytes[8];
  for (UINT i = 0; i < nBytes; ++i)
    bytes[i] = (BYTE)(value >> (8 * i));
  Write(bytes, nBytes);
}

ULONGLONG CArchive::ReadLE(UINT nBytes) {
  BYTE bytes[8];
  EnsureRead(bytes, nBytes);
  ULONGLONG value = 0;
  for (UINT i = 0; i < nBytes; ++i)
    value |= (ULONGLONG)bytes[i] << (8 * i);
  return value;
}

CArchive& CArchive::operator<<(BYTE by) { WriteLE(by, 1); return *this; }
CArchive& CArchive::operator<<(char ch) { WriteLE((BYTE)ch, 1); return *this; }
CArchive& CArchive::operator<<(signed char ch) { WriteLE((BYTE)ch, 1); return *this; }
CArchive& CArchive::operator<<(WORD w) { WriteLE(w, 2); return *this; }
CArchive& CArchive::operator<<(short n) { WriteLE((WORD)n, 2); return *this; }
CArchive& CArchive::operator<<(int i) { WriteLE((uint32_t)i, 4); return *this; }
CArchive& CArchive::operator<<(unsigned int u) { WriteLE((uint32_t)u, 4); return *this; }
CArchive& CArchive::operator<<(long l) {
  ASSERT(l >= INT32_MIN && l <= INT32_MAX);
  WriteLE((uint32_t)l, 4);
  return *this;
}
CArchive& CArchive::operator<<(unsigned long dw) {
  ASSERT(dw <= UINT32_MAX);
  WriteLE((uint32_t)dw, 4);
  return *this;
}
CArchive& CArchive::operator<<(LONGLONG ll) { WriteLE((ULONGLONG)ll, 8); return *this; }
CArchive& CArchive::operator<<(ULONGLONG ull) { WriteLE(ull, 8); return *this; }
CArchive& CArchive::operator<<(float f) {
  uint32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  WriteLE(bits, 4);
  return *this;
}
CArchive& CArchive::operator<<(double d) {
  uint64_t bits;
  std::memcpy(&bits, &d, sizeof bits);
  WriteLE(bits, 8);
  return *this;
}

CArchive& CArchive::operator>>(BYTE& by) { by = (BYTE)ReadLE(1); return *this; }
CArchive& CArchive::operator>>(char& ch) { ch = (char)(BYTE)ReadLE(1); return *this; }
CArchive& CArchive::operator>>(signed char& ch) { ch = (signed char)(BYTE)ReadLE(1); return *this; }
CArchive& CArchive::operator>>(WORD& w) { w = (WORD)ReadLE(2); return *this; }
CArchive& CArchive::operator>>(short& n) { n = (short)(WORD)ReadLE(2); return *this; }
CArchive& CArchive::operator>>(int& i) { i = (int)(uint32_t)ReadLE(4); return *this; }
CArchive& CArchive::operator>>(unsigned int& u) { u = (unsigned int)ReadLE(4); return *this; }
CArchive& CArchive::operator>>(long& l) { l = (long)(int32_t)(uint32_t)ReadLE(4); return *this; }
CArchive& CArchive::operator>>(unsigned long& dw) { dw = (unsigned long)(uint32_t)ReadLE(4); return *this; }
CArchive& CArchive::operator>>(LONGLONG& ll) { ll = (LONGLONG)ReadLE(8); return *this; }
CArchive& CArchive::operator>>(ULONGLONG& ull) { ull = ReadLE(8); return *this; }
CArchive& CArchive::operator>>(float& f) {
  uint32_t bits = (uint32_t)ReadLE(4);
  std::memcpy(&f, &bits, sizeof f);
  return *this;
}
CArchive& CArchive::operator>>(double& d) {
  uint64_t bits = ReadLE(8);
  std::memcpy(&d, &bits, sizeof d);
  return *this;
}

void CArchive::WriteCount(DWORD dwCount) {
  if (dwCount < 0xFFFF) {
    *this << (WORD)dwCount;
    return;
  }
  *this << (WORD)0xFFFF;
  WriteLE(dwCount, 4);
}

DWORD CArchive::ReadCount() {
  WORD wCount = (WORD)ReadLE(2);
  if (wCount != 0xFFFF)
    return wCount;
  return (DWORD)ReadLE(4);
}

void CArchive::WriteString(LPCTSTR lpsz) {
  if (lpsz != NULL)
    Write(lpsz, (UINT)std::strlen(lpsz));
}

BOOL CArchive::ReadString(CString& rString) {
  CheckLoading();
  std::string line;
  BYTE by = 0;
  bool bAny = false;
  while (ReadByte(by)) {
    bAny = true;
    if (by == '\n')
      break;
    line += (char)by;
  }
  if (!line.empty() && line.back() == '\r' && by == '\n')
    line.pop_back();
  rString = CString(line.data(), (int)line.size());
  return bAny;
}

LPTSTR CArchive::ReadString(LPTSTR lpsz, UINT nMax) {
  CheckLoading();
  if (lpsz == NULL || nMax == 0)
    return NULL;
  UINT nRead = 0;
  BYTE by = 0;
  bool bAny = false;
  while (nRead + 1 < nMax && ReadByte(by)) {
    bAny = true;
    if (by == '\n') {
      if (nRead > 0 && lpsz[nRead - 1] == '\r')
        --nRead;
      lpsz[nRead++] = '\n';
      break;
    }
    lpsz[nRead++] = (char)by;
  }
  lpsz[nRead] = '\0';
  return bAny ? lpsz : NULL;
}

CArchive& operator<<(CArchive& ar, const CString& string) {
  DWORD nLength = (DWORD)string.GetLength();
  if (nLength < 255) {
    ar << (BYTE)nLength;
  } else if (nLength < 0xFFFE) {
    ar << (BYTE)0xFF << (WORD)nLength;
  } else {
    ar << (BYTE)0xFF << (WORD)0xFFFF << (unsigned int)nLength;
  }
  ar.Write(string.GetString(), nLength);
  return ar;
}

CArchive& operator>>(CArchive& ar, CString& string) {
  BYTE bLength = 0;
  ar >> bLength;
  DWORD nLength = bLength;
  if (bLength == 0xFF) {
    WORD wLength = 0;
    ar >> wLength;
    if (wLength == 0xFFFE)   // a wide-character string: not in our files
      AfxThrowArchiveException(CArchiveException::badSchema);
    nLength = wLength;
    if (wLength == 0xFFFF) {
      unsigned int dwLength = 0;
      ar >> dwLength;
      nLength = dwLength;
    }
  }
  if (nLength > 0x7FFFFFFF)
    AfxThrowArchiveException(CArchiveException::endOfFile);
  ar.CheckCount(nLength, 1);
  std::string bytes;
  while (bytes.size() < nLength) {
    size_t nOld = bytes.size();
    UINT nChunk = (UINT)std::min<size_t>(nReadChunk, nLength - nOld);
    bytes.resize(nOld + nChunk);
    ar.EnsureRead(&bytes[nOld], nChunk);
  }
  string = CString(bytes.data(), (int)bytes.size());
  return ar;
}

void CArchive::MapObject(const CObject* pOb) {
  if (IsStoring()) {
    if (pOb != NULL && m_storeMap.find(pOb) == m_storeMap.end())
      m_storeMap.emplace(pOb, (DWORD)(m_storeMap.size() + 1));
  } else {
    m_loadArray.push_back(LoadEntry{const_cast<CObject*>(pOb), false, 0});
  }
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef) {
  CheckStoring();
  ASSERT(pClassRef != NULL && pClassRef->IsSerializable());
  auto it = m_storeMap.find(pClassRef);
  if (it != m_storeMap.end()) {
    DWORD nIndex = it->second;
    if (nIndex < wBigObjectTag) {
      *this << (WORD)(wClassTag | nIndex);
    } else {
      *this << wBigObjectTag;
      WriteLE(dwBigClassTag | nIndex, 4);
    }
    return;
  }
  *this << wNewClassTag;
  pClassRef->Store(*this);
  DWORD nIndex = (DWORD)(m_storeMap.size() + 1);
  if (nIndex > nMaxMapCount)
    ThrowArchive(CArchiveException::badIndex);
  m_storeMap.emplace(pClassRef, nIndex);
}

void CArchive::WriteObject(const CObject* pOb) {
  CheckStoring();
  if (pOb == NULL) {
    *this << wNullTag;
    return;
  }
  auto it = m_storeMap.find(pOb);
  if (it != m_storeMap.end()) {
    DWORD nIndex = it->second;
    if (nIndex < wBigObjectTag) {
      *this << (WORD)nIndex;
    } else {
      *this << wBigObjectTag;
      WriteLE(nIndex, 4);
    }
    return;
  }
  WriteClass(pOb->GetRuntimeClass());
  DWORD nIndex = (DWORD)(m_storeMap.size() + 1);
  if (nIndex > nMaxMapCount)
    ThrowArchive(CArchiveException::badIndex);
  m_storeMap.emplace(pOb, nIndex);
  const_cast<CObject*>(pOb)->Serialize(*this);
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema,
                                   DWORD* pObTag) {
  CheckLoading();
  WORD wTag = 0;
  *this >> wTag;
  DWORD obTag;
  if (wTag == wBigObjectTag)
    obTag = (DWORD)ReadLE(4);
  else
    obTag = ((DWORD)(wTag & wClassTag) << 16) | (DWORD)(wTag & ~wClassTag);

  CRuntimeClass* pClassRef = NULL;
  UINT nSchema = 0;
  if (wTag == wNewClassTag) {
    pClassRef = CRuntimeClass::Load(*this, &nSchema);
    // Only serialisable classes may be created from a stream.
    if (pClassRef == NULL || !pClassRef->IsSerializable())
      ThrowArchive(CArchiveException::badClass);
    UINT nClassSchema = pClassRef->m_wSchema & ~VERSIONABLE_SCHEMA;
    if (nClassSchema != nSchema && (pClassRef->m_wSchema & VERSIONABLE_SCHEMA) == 0)
      ThrowArchive(CArchiveException::badSchema);
    if (m_loadArray.size() > nMaxMapCount)
      ThrowArchive(CArchiveException::badIndex);
    m_loadArray.push_back(LoadEntry{pClassRef, true, nSchema});
  } else if ((obTag & dwBigClassTag) == 0) {
    // An object reference (or the null tag): no class.
    if (pObTag != NULL)
      *pObTag = obTag;
    return NULL;
  } else {
    DWORD nIndex = obTag & ~dwBigClassTag;
    if (nIndex == 0 || nIndex >= m_loadArray.size() || !m_loadArray[nIndex].bIsClass)
      ThrowArchive(CArchiveException::badIndex);
    pClassRef = static_cast<CRuntimeClass*>(m_loadArray[nIndex].pItem);
    nSchema = m_loadArray[nIndex].nSchema;
  }

  if (pClassRefRequested != NULL && !pClassRef->IsDerivedFrom(pClassRefRequested))
    ThrowArchive(CArchiveException::badClass);
  if (pSchema != NULL)
    *pSchema = nSchema;
  if (pObTag != NULL)
    *pObTag = 0;
  return pClassRef;
}

void CArchive::SerializeClass(const CRuntimeClass* pClassRef) {
  if (IsStoring())
    WriteClass(pClassRef);
  else
    ReadClass(pClassRef);
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested) {
  UINT nSchema = 0;
  DWORD obTag = 0;
  CRuntimeClass* pClassRef = ReadClass(pClassRefRequested, &nSchema, &obTag);

  if (pClassRef == NULL) {
    if (obTag == 0)
      return NULL;
    if (obTag >= m_loadArray.size() || m_loadArray[obTag].bIsClass)
      ThrowArchive(CArchiveException::badIndex);
    CObject* pOb = static_cast<CObject*>(m_loadArray[obTag].pItem);
    if (pOb == NULL)
      ThrowArchive(CArchiveException::badIndex);
    if (pClassRefRequested != NULL && !pOb->IsKindOf(pClassRefRequested))
      ThrowArchive(CArchiveException::badClass);
    return pOb;
  }

  if (m_nObjectDepth >= nMaxObjectDepth)
    ThrowArchive(CArchiveException::genericException);
  CObject* pOb = pClassRef->CreateObject();
  if (pOb == NULL)
    AfxThrowMemoryException();
  size_t nIndex = m_loadArray.size();
  m_loadArray.push_back(LoadEntry{pOb, false, 0});
  UINT nOldSchema = m_nObjectSchema;
  m_nObjectSchema = nSchema;
  ++m_nObjectDepth;
  try {
    pOb->Serialize(*this);
  } catch (...) {
    // Nobody else holds the half-read object; forget and free it.
    --m_nObjectDepth;
    m_loadArray[nIndex].pItem = NULL;
    delete pOb;
    throw;
  }
  --m_nObjectDepth;
  m_nObjectSchema = nOldSchema;
  return pOb;
}
