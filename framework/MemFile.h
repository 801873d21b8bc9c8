// CMemFile: a file held in memory, growing in steps of nGrowBytes.
#pragma once

#include "framework/File.h"

#include <vector>

class CMemFile : public CFile {
  DECLARE_DYNAMIC(CMemFile)
public:
  explicit CMemFile(UINT nGrowBytes = 1024);
  // Starts with a copy of the given bytes.
  CMemFile(const BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);

  UINT Read(void* lpBuf, UINT nCount) override;
  void Write(const void* lpBuf, UINT nCount) override;
  ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
  ULONGLONG GetLength() const override { return m_data.size(); }
  ULONGLONG GetPosition() const override { return m_nPosition; }
  void SetLength(ULONGLONG nNewLen) override;
  void Flush() override {}
  void Close() override;
  void Abort() override { Close(); }

  const BYTE* GetData() const { return m_data.data(); }

private:
  std::vector<BYTE> m_data;
  size_t m_nPosition = 0;
  UINT m_nGrowBytes;
};
