#include "ui/lists/ListEdit.h"

#include "ui/lists/ListClient.h"

BEGIN_MESSAGE_MAP(SECListEdit, CEdit)
ON_WM_GETDLGCODE()
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

UINT SECListEdit::OnGetDlgCode() {
  return DLGC_WANTALLKEYS;
}

void SECListEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (nChar == VK_RETURN && !m_pOwner->IsLabelWrap()) {
    m_pOwner->EndLabelEdit(TRUE);
    return;
  }
  if (nChar == VK_ESCAPE) {
    m_pOwner->EndLabelEdit(FALSE);
    return;
  }
  CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}
