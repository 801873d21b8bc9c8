// An edit of a dialog with a "..." button at its right end; the button opens
// a chooser and writes the chosen path into the edit.
#pragma once

#include "framework/Framework.h"

class SECBrowseEditBase;

// The "..." button. Its edit owns it; it only tells the edit of clicks.
class SECBrowseButton : public CButton {
 public:
  explicit SECBrowseButton(SECBrowseEditBase* edit) : m_pEdit(edit) {}
  UINT GetId() const { return m_nId; }
  BOOL Create(const CRect& rect, CWnd* pDialog, UINT nID, HFONT font);

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  SECBrowseEditBase* m_pEdit;
  UINT m_nId = 0;
};

class SECBrowseEditBase : public CEdit {
 public:
  SECBrowseEditBase();
  ~SECBrowseEditBase() override;

  // Subclasses the dialog's edit nID and adds the button beside it.
  virtual BOOL Initialize(UINT nID, CWnd* pDialog);
  // Opens the chooser; called when the button is clicked.
  virtual void OnBrowse() = 0;

  SECBrowseButton* GetButton() const { return m_pButton; }
  const CString& GetTitle() const { return m_strTitle; }
  void SetTitle(const CString& title) { m_strTitle = title; }
  // An existing folder (a trailing "\" is dropped, a bare drive accepted).
  static BOOL IsExistingFolder(CString& path);

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  CString GetText() const;
  void DestroyButton();

  SECBrowseButton* m_pButton = nullptr;  // owned
  CString m_strTitle;
};

class SECBrowseDirEdit : public SECBrowseEditBase {
 public:
  SECBrowseDirEdit();
  void SetDirSelectStyle(WORD wStyle);
  WORD GetDirSelectStyle() const { return m_wStyle; }
  void OnBrowse() override;

 protected:
  WORD m_wStyle = 1;
};

class SECBrowseFileEdit : public SECBrowseEditBase {
 public:
  SECBrowseFileEdit();
  void OnBrowse() override;

  CString m_strFilter = "All files (*.*)|*.*||";
  CString m_strFileName;
  CString m_strDefExt;
  DWORD m_dwFlags = 12;  // hide the read-only box, keep the current directory
};
