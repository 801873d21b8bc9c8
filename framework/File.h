// CFile: an unbuffered binary file, and CFileStatus.
#pragma once

#include "framework/Types.h"
#include "framework/Object.h"
#include "framework/String.h"
#include "framework/Time.h"
#include "framework/FileException.h"

struct CFileStatus {
  CTime m_ctime;          // creation (the modification time when unknown)
  CTime m_mtime;          // last modification
  CTime m_atime;          // last access (the modification time when unknown)
  LONG m_size = 0;        // low 32 bits of the size
  BYTE m_attribute = 0;   // CFile::Attribute bits
  BYTE m_padding = 0;
  TCHAR m_szFullName[MAX_PATH] = {};
};

class CFile : public CObject {
  DECLARE_DYNAMIC(CFile)
public:
  enum OpenFlags {
    modeRead = 0x0000,
    modeWrite = 0x0001,
    modeReadWrite = 0x0002,
    shareCompat = 0x0000,
    shareExclusive = 0x0010,
    shareDenyWrite = 0x0020,
    shareDenyRead = 0x0030,
    shareDenyNone = 0x0040,
    modeNoInherit = 0x0080,
    modeCreate = 0x1000,
    modeNoTruncate = 0x2000,
    typeText = 0x4000,
    typeBinary = (int)0x8000
  };

  enum Attribute {
    normal = 0x00,
    readOnly = 0x01,
    hidden = 0x02,
    system = 0x04,
    volume = 0x08,
    directory = 0x10,
    archive = 0x20
  };

  enum SeekPosition { begin = 0x0, current = 0x1, end = 0x2 };

  CFile();
  // Throws CFileException when the file cannot be opened.
  CFile(LPCTSTR lpszFileName, UINT nOpenFlags);
  ~CFile() override;

  CFile(const CFile&) = delete;
  CFile& operator=(const CFile&) = delete;

  // FALSE on failure, with the reason in *pError when given.
  virtual BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL);
  BOOL IsOpen() const { return m_hFile != hFileNull; }

  // Reading and writing throw CFileException on failure.
  virtual UINT Read(void* lpBuf, UINT nCount);
  virtual void Write(const void* lpBuf, UINT nCount);
  virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
  void SeekToBegin() { Seek(0, begin); }
  ULONGLONG SeekToEnd() { return Seek(0, end); }
  virtual ULONGLONG GetLength() const;
  virtual ULONGLONG GetPosition() const;
  virtual void SetLength(ULONGLONG nNewLen);
  virtual void Flush();
  virtual void Close();
  // Closes without reporting errors.
  virtual void Abort();

  // The full path given at Open, its last component, and that without the
  // extension.
  virtual CString GetFilePath() const { return m_strFileName; }
  virtual CString GetFileName() const;
  virtual CString GetFileTitle() const;
  virtual void SetFilePath(LPCTSTR lpszNewName) { m_strFileName = lpszNewName; }

  BOOL GetStatus(CFileStatus& rStatus) const;
  // Looks the path up as given: a trailing separator or a bare drive root
  // fails. FALSE when the file is not found.
  static BOOL PASCAL GetStatus(LPCTSTR lpszFileName, CFileStatus& rStatus);
  // Both throw CFileException on failure.
  static void PASCAL Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName);
  static void PASCAL Remove(LPCTSTR lpszFileName);

  // The system's handle: a Win32 HANDLE in the win build (cast it), a file
  // descriptor natively; hFileNull while closed.
  static const intptr_t hFileNull = -1;
  intptr_t m_hFile = hFileNull;

protected:
  [[noreturn]] void ThrowError(int cause, LONG lOsError) const;

  CString m_strFileName;
};

// The last path component (after the last '\\', '/' or ':').
CString AfxGetFileName(LPCTSTR lpszPathName);
// The last path component without its extension.
CString AfxGetFileTitle(LPCTSTR lpszPathName);
