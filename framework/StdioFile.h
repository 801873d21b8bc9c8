// CStdioFile: a buffered file read and written by lines.
//
// Text mode (the default; typeBinary switches it off) reads both CR LF and
// LF as a line end and writes every LF as CR LF (an existing CR LF is left
// as it is).
#pragma once

#include "framework/File.h"

#include <vector>

class CStdioFile : public CFile {
  DECLARE_DYNAMIC(CStdioFile)
public:
  CStdioFile() = default;
  CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags);

  BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL) override;

  // The line without its end; FALSE at the end of the file with nothing read.
  virtual BOOL ReadString(CString& rString);
  // Like fgets: at most nMax - 1 characters, the "\n" kept; NULL at the end.
  virtual LPTSTR ReadString(LPTSTR lpsz, UINT nMax);
  virtual void WriteString(LPCTSTR lpsz);

  UINT Read(void* lpBuf, UINT nCount) override;
  void Write(const void* lpBuf, UINT nCount) override;
  ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
  ULONGLONG GetPosition() const override;
  void Close() override;
  void Abort() override;

  BOOL IsTextMode() const { return m_bText; }

private:
  bool PeekByte(BYTE& by);
  bool NextByte(BYTE& by);
  void DropReadBuffer();
  void WriteTranslated(const char* pSrc, UINT nCount);

  BOOL m_bText = TRUE;
  std::vector<BYTE> m_readBuffer;
  size_t m_nReadPos = 0;
  char m_chLastWritten = 0;
};
