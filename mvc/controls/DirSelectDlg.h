// The folder chooser: the shell's folder browser, preselecting a starting
// folder. The result always ends in "\".
#pragma once

#include "framework/Framework.h"

class SECDirSelectDlg {
 public:
  SECDirSelectDlg(WORD wStyle, const CString& title, const CString& initialDir, CWnd* pOwner, DWORD dwFlags = 0);
  virtual ~SECDirSelectDlg() = default;

  virtual INT_PTR DoModal();
  void GetPath(CString& path) const { path = m_strPath; }
  const CString& GetInitialDir() const { return m_strInitialDir; }

  // A chosen folder path with exactly one trailing "\".
  static CString WithTrailingSeparator(const CString& path);

 protected:
  WORD m_wStyle;
  CString m_strTitle;
  CString m_strInitialDir;
  CString m_strPath;
  CWnd* m_pOwner;
  DWORD m_dwFlags;
};
