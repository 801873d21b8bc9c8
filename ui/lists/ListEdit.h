// SECListEdit: the edit control that edits one cell's text in place. It
// lives as an object as long as its list; its window exists only while an
// edit runs. Return (when labels do not wrap) saves, Escape cancels.
#pragma once

#include "framework/Framework.h"

class SECListClient;

class SECListEdit : public CEdit {
 public:
  explicit SECListEdit(SECListClient* pOwner) : m_pOwner(pOwner) {}

 protected:
  afx_msg UINT OnGetDlgCode();
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  DECLARE_MESSAGE_MAP()

 private:
  SECListClient* m_pOwner;
};
