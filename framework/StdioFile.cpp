#include "framework/StdioFile.h"

#include <string>

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

namespace {
const size_t nReadBufferSize = 4096;
}

CStdioFile::CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags) {
  CFileException error;
  if (!Open(lpszFileName, nOpenFlags, &error))
    throw error;
}

BOOL CStdioFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
  DropReadBuffer();
  m_chLastWritten = 0;
  m_bText = (nOpenFlags & typeBinary) == 0;
  return CFile::Open(lpszFileName, nOpenFlags & ~(UINT)(typeText | typeBinary), pError);
}

void CStdioFile::DropReadBuffer() {
  m_readBuffer.clear();
  m_nReadPos = 0;
}

bool CStdioFile::PeekByte(BYTE& by) {
  if (m_nReadPos == m_readBuffer.size()) {
    m_readBuffer.resize(nReadBufferSize);
    UINT nRead = CFile::Read(m_readBuffer.data(), (UINT)m_readBuffer.size());
    m_readBuffer.resize(nRead);
    m_nReadPos = 0;
    if (nRead == 0)
      return false;
  }
  by = m_readBuffer[m_nReadPos];
  return true;
}

bool CStdioFile::NextByte(BYTE& by) {
  if (!PeekByte(by))
    return false;
  ++m_nReadPos;
  // Text mode reads CR LF as LF.
  BYTE next = 0;
  if (m_bText && by == '\r' && PeekByte(next) && next == '\n') {
    ++m_nReadPos;
    by = '\n';
  }
  return true;
}

BOOL CStdioFile::ReadString(CString& rString) {
  std::string line;
  BYTE by = 0;
  bool bAny = false;
  while (NextByte(by)) {
    bAny = true;
    if (by == '\n')
      break;
    line += (char)by;
  }
  // A binary-mode reader accepts CR LF as well.
  if (by == '\n' && !line.empty() && line.back() == '\r')
    line.pop_back();
  rString = CString(line.data(), (int)line.size());
  return bAny;
}

LPTSTR CStdioFile::ReadString(LPTSTR lpsz, UINT nMax) {
  if (lpsz == NULL || nMax == 0)
    return NULL;
  UINT nRead = 0;
  BYTE by = 0;
  bool bAny = false;
  while (nRead + 1 < nMax && NextByte(by)) {
    bAny = true;
    lpsz[nRead++] = (char)by;
    if (by == '\n')
      break;
  }
  lpsz[nRead] = '\0';
  return bAny ? lpsz : NULL;
}

UINT CStdioFile::Read(void* lpBuf, UINT nCount) {
  BYTE* pDest = static_cast<BYTE*>(lpBuf);
  UINT nRead = 0;
  BYTE by = 0;
  while (nRead < nCount && NextByte(by))
    pDest[nRead++] = by;
  return nRead;
}

void CStdioFile::WriteTranslated(const char* pSrc, UINT nCount) {
  if (!m_bText) {
    CFile::Write(pSrc, nCount);
    return;
  }
  std::string out;
  out.reserve(nCount + nCount / 16 + 1);
  char chPrev = m_chLastWritten;
  for (UINT i = 0; i < nCount; ++i) {
    if (pSrc[i] == '\n' && chPrev != '\r')
      out += '\r';
    out += pSrc[i];
    chPrev = pSrc[i];
  }
  CFile::Write(out.data(), (UINT)out.size());
  m_chLastWritten = chPrev;
}

void CStdioFile::Write(const void* lpBuf, UINT nCount) {
  if (nCount == 0)
    return;
  if (m_nReadPos != m_readBuffer.size())
    Seek(0, current);   // writing after reading: put the file where the reader is
  WriteTranslated(static_cast<const char*>(lpBuf), nCount);
}

void CStdioFile::WriteString(LPCTSTR lpsz) {
  if (lpsz == NULL)
    return;
  Write(lpsz, (UINT)std::char_traits<char>::length(lpsz));
}

ULONGLONG CStdioFile::Seek(LONGLONG lOff, UINT nFrom) {
  if (nFrom == current)
    lOff -= (LONGLONG)(m_readBuffer.size() - m_nReadPos);
  DropReadBuffer();
  m_chLastWritten = 0;
  return CFile::Seek(lOff, nFrom);
}

ULONGLONG CStdioFile::GetPosition() const {
  return CFile::GetPosition() - (ULONGLONG)(m_readBuffer.size() - m_nReadPos);
}

void CStdioFile::Close() {
  DropReadBuffer();
  CFile::Close();
}

void CStdioFile::Abort() {
  DropReadBuffer();
  CFile::Abort();
}
