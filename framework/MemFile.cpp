#include "framework/MemFile.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNAMIC(CMemFile, CFile)

CMemFile::CMemFile(UINT nGrowBytes) : m_nGrowBytes(nGrowBytes) {}

CMemFile::CMemFile(const BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
    : m_data(lpBuffer, lpBuffer + nBufferSize), m_nGrowBytes(nGrowBytes) {}

UINT CMemFile::Read(void* lpBuf, UINT nCount) {
  if (m_nPosition >= m_data.size())
    return 0;
  size_t n = std::min((size_t)nCount, m_data.size() - m_nPosition);
  std::memcpy(lpBuf, m_data.data() + m_nPosition, n);
  m_nPosition += n;
  return (UINT)n;
}

void CMemFile::Write(const void* lpBuf, UINT nCount) {
  if (nCount == 0)
    return;
  size_t nEnd = m_nPosition + nCount;
  if (nEnd > m_data.size()) {
    if (nEnd > m_data.capacity() && m_nGrowBytes > 0)
      m_data.reserve((nEnd + m_nGrowBytes - 1) / m_nGrowBytes * m_nGrowBytes);
    m_data.resize(nEnd);
  }
  std::memcpy(m_data.data() + m_nPosition, lpBuf, nCount);
  m_nPosition = nEnd;
}

ULONGLONG CMemFile::Seek(LONGLONG lOff, UINT nFrom) {
  LONGLONG nBase = nFrom == begin ? 0 : nFrom == current ? (LONGLONG)m_nPosition : (LONGLONG)m_data.size();
  LONGLONG nNew = nBase + lOff;
  if (nNew < 0)
    ThrowError(CFileException::badSeek, -1);
  m_nPosition = (size_t)nNew;
  return m_nPosition;
}

void CMemFile::SetLength(ULONGLONG nNewLen) {
  m_data.resize((size_t)nNewLen);
  if (m_nPosition > m_data.size())
    m_nPosition = m_data.size();
}

void CMemFile::Close() {
  m_data.clear();
  m_nPosition = 0;
}
