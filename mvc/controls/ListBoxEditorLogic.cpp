#include "mvc/controls/ListBoxEditorLogic.h"

CString ListBoxEditorLogic::TrimmedRight(CString text) {
  text.TrimRight();
  return text;
}

void ListBoxEditorLogic::EnsureTrailingRow() {
  if (!HasTrailingRow())
    return;
  int count = m_pRows->GetCount();
  if (count == 0 || !m_pRows->GetText(count - 1).IsEmpty())
    m_pRows->InsertString(-1, CString());
}

BOOL ListBoxEditorLogic::IsTrailingRow(int index) const {
  return HasTrailingRow() && index >= 0 && index == m_pRows->GetCount() - 1;
}

int ListBoxEditorLogic::GetRealRowCount() const {
  int count = m_pRows->GetCount();
  return HasTrailingRow() && count > 0 ? count - 1 : count;
}

void ListBoxEditorLogic::EnsureSelection() {
  int count = m_pRows->GetCount();
  bool any = false;
  if (m_pRows->IsMultipleSelection()) {
    for (int i = 0; i < count && !any; ++i)
      any = m_pRows->GetSel(i) != FALSE;
    if (!any && count > 0)
      m_pRows->SetSel(count - 1, TRUE);
  } else {
    any = m_pRows->GetCurrent() >= 0;
    if (!any && count > 0)
      m_pRows->SetCurrent(count - 1);
  }
  Notify(kSelChange, TRUE);
}

void ListBoxEditorLogic::OnItemRenamed(int nIndex, CString strOld, CString strNew) {
  strNew.TrimRight();
  if (strNew.IsEmpty()) {
    DeleteItem(nIndex);
    return;
  }
  if (HasTrailingRow() && nIndex == m_pRows->GetCount() - 1)
    m_pRows->InsertString(-1, CString());
}

void ListBoxEditorLogic::OnItemAdded(int nIndex, CString strText) {
  strText.TrimRight();
  if (strText.IsEmpty())
    DeleteItem(nIndex);
}

void ListBoxEditorLogic::OnItemMoved(int nFrom, int nTo, CString strText, BOOL bByDrag) {
  m_nLastDeleted = nFrom;
  m_nMovedTo = nTo;
  Notify(kMoved, FALSE);
}

BOOL ListBoxEditorLogic::NewItem() {
  int count = m_pRows->GetCount();
  if (count == 0 || !m_pRows->GetText(count - 1).IsEmpty())
    m_pRows->InsertString(-1, CString());
  int row = m_pRows->GetCount() - 1;
  if (HasTrailingRow())
    m_pRows->InsertString(-1, CString());
  if (!StartEdit(row, TRUE, nullptr))
    return FALSE;
  m_bNewItem = TRUE;
  return TRUE;
}

BOOL ListBoxEditorLogic::DeleteSelected() {
  if (!m_pRows->IsMultipleSelection())
    return DeleteItem(m_pRows->GetCurrent());
  for (;;) {
    int first = -1;
    for (int i = 0; i < m_pRows->GetCount() && first < 0; ++i)
      if (m_pRows->GetSel(i))
        first = i;
    if (first < 0)
      return TRUE;
    if (!DeleteItem(first))
      return FALSE;
  }
}

BOOL ListBoxEditorLogic::DeleteItem(int nIndex) {
  int count = m_pRows->GetCount();
  if (nIndex < 0 || nIndex >= count)
    return FALSE;
  CString text = m_pRows->GetText(nIndex);
  if (IsTrailingRow(nIndex) && text.IsEmpty())
    return FALSE;
  if (!OnDeleteItem(nIndex, text))
    return FALSE;
  m_pRows->SetRedraw(FALSE);
  m_pRows->DeleteString(nIndex);
  if (!m_pRows->IsMultipleSelection())
    m_pRows->SetCurrent(nIndex < m_pRows->GetCount() ? nIndex : -1);
  m_pRows->SetRedraw(TRUE);
  m_nLastDeleted = nIndex;
  Notify(kDeleted, FALSE);
  return TRUE;
}

int ListBoxEditorLogic::GetMoveRow() const {
  if (!m_pRows->IsMultipleSelection())
    return m_pRows->GetCurrent();
  int selected = -1;
  for (int i = 0; i < m_pRows->GetCount(); ++i) {
    if (!m_pRows->GetSel(i))
      continue;
    if (selected >= 0)
      return -1;
    selected = i;
  }
  return selected;
}

void ListBoxEditorLogic::SwapWithPrevious(int nIndex) {
  if (nIndex <= 0 || nIndex >= m_pRows->GetCount())
    return;
  CString text = m_pRows->GetText(nIndex);
  DWORD_PTR data = m_pRows->GetItemData(nIndex);
  m_pRows->DeleteString(nIndex);
  int at = m_pRows->InsertString(nIndex - 1, text);
  m_pRows->SetItemData(at, data);
}

BOOL ListBoxEditorLogic::MoveUp() {
  int row = GetMoveRow();
  int n = GetRealRowCount();
  if (row <= 0 || row >= n)
    return FALSE;
  m_pRows->SetRedraw(FALSE);
  SwapWithPrevious(row);
  if (m_pRows->IsMultipleSelection())
    m_pRows->SetSel(row, FALSE);
  m_pRows->SetCurrent(row - 1);
  m_pRows->SetRedraw(TRUE);
  OnItemMoved(row, row - 1, m_pRows->GetText(row - 1), FALSE);
  return TRUE;
}

BOOL ListBoxEditorLogic::MoveDown() {
  int row = GetMoveRow();
  int n = GetRealRowCount();
  if (row < 0 || row >= n - 1)
    return FALSE;
  m_pRows->SetRedraw(FALSE);
  SwapWithPrevious(row + 1);
  if (m_pRows->IsMultipleSelection())
    m_pRows->SetSel(row, FALSE);
  m_pRows->SetCurrent(row + 1);
  m_pRows->SetRedraw(TRUE);
  OnItemMoved(row, row + 1, m_pRows->GetText(row + 1), FALSE);
  return TRUE;
}

BOOL ListBoxEditorLogic::EditCurrentItem(UINT nChar) {
  int row = m_pRows->GetCurrent();
  if (row < 0)
    return FALSE;
  char initial[2] = {static_cast<char>(nChar), '\0'};
  return StartEdit(row, FALSE, nChar ? initial : nullptr);
}

BOOL ListBoxEditorLogic::EditBelowLastRow() {
  if (!HasTrailingRow())
    return NewItem();
  EnsureTrailingRow();
  m_pRows->SetCurrent(m_pRows->GetCount() - 1);
  return EditCurrentItem(0);
}

BOOL ListBoxEditorLogic::StartEdit(int nIndex, BOOL bNewItem, LPCTSTR pszInitialText) {
  if (m_bEditing || nIndex < 0 || nIndex >= m_pRows->GetCount())
    return FALSE;
  m_strOldText = m_pRows->GetText(nIndex);
  m_bCancel = FALSE;
  NotifySelChange();
  m_nPreviousSelection = m_pRows->GetCurrent();
  m_pRows->SetCurrent(nIndex);
  if (!BeginEdit(nIndex, bNewItem, pszInitialText))
    return FALSE;
  m_bEditing = TRUE;
  return TRUE;
}

void ListBoxEditorLogic::CommitEditText(int nIndex, const CString& text) {
  if (nIndex < 0 || nIndex >= m_pRows->GetCount())
    return;
  m_pRows->SetRedraw(FALSE);
  DWORD_PTR data = m_pRows->GetItemData(nIndex);
  m_pRows->InsertString(nIndex, text);
  m_pRows->SetItemData(nIndex, data);
  m_pRows->DeleteString(nIndex + 1);
  m_pRows->SetCurrent(nIndex);
  m_pRows->SetRedraw(TRUE);
}

void ListBoxEditorLogic::CancelEdit(int nIndex, BOOL bNewItem, int nPreviousSelection) {
  m_bCancel = TRUE;
  if (!bNewItem || nIndex < 0 || nIndex >= m_pRows->GetCount())
    return;
  m_pRows->DeleteString(nIndex);
  m_pRows->SetCurrent(nPreviousSelection < m_pRows->GetCount() ? nPreviousSelection : -1);
}

void ListBoxEditorLogic::EndEdit() {
  if (!m_bEditing)
    return;
  m_bEditing = FALSE;
  int row = m_pRows->GetCurrent();
  int count = m_pRows->GetCount();
  bool last = row >= 0 && row == count - 1;
  bool trailing = last && HasTrailingRow();
  if (row >= 0 && row < count && !m_bCancel) {
    CString text = m_pRows->GetText(row);
    if (last && text != m_strOldText && !m_strOldText.IsEmpty()) {
      OnItemRenamed(row, m_strOldText, text);
    } else if (!m_bNewItem && !trailing) {
      if (text != m_strOldText)
        OnItemRenamed(row, m_strOldText, text);
    } else if (trailing && TrimmedRight(text).IsEmpty()) {
      // Blanks typed into the trailing row are no item: the row stays the
      // empty trailing row.
      if (!text.IsEmpty())
        CommitEditText(row, CString());
    } else {
      OnItemAdded(row, text);
      if (trailing)
        EnsureTrailingRow();
    }
  }
  m_strOldText.Empty();
  m_bNewItem = FALSE;
  EnsureSelection();
}

int ListBoxEditorLogic::DragTarget(int hitRow, BOOL bLowerHalf) const {
  int count = m_pRows->GetCount();
  if (count == 0)
    return kNoTarget;
  int lastReal = HasTrailingRow() ? count - 2 : count - 1;
  if (lastReal < 0)
    return kNoTarget;
  if (hitRow < 0)
    return 0;
  if (hitRow > lastReal) {
    hitRow = lastReal;  // on the trailing row, or below the list
    bLowerHalf = TRUE;
  }
  if (!bLowerHalf)
    return hitRow;
  return hitRow + 1 >= count ? kAfterLast : hitRow + 1;
}

int ListBoxEditorLogic::DropIndex(int source, int target) const {
  int count = m_pRows->GetCount();
  if (target == kNoTarget || source < 0 || source >= count)
    return source;
  if (target == kAfterLast)
    target = HasTrailingRow() ? count - 1 : count;
  if (target > source)
    --target;
  return target;
}

BOOL ListBoxEditorLogic::DropRow(int source, int target) {
  if (source < 0 || source >= m_pRows->GetCount() || IsTrailingRow(source))
    return FALSE;
  int to = DropIndex(source, target);
  if (to == source)
    return FALSE;
  int top = m_pRows->GetTopIndex();
  m_pRows->SetRedraw(FALSE);
  CString text = m_pRows->GetText(source);
  DWORD_PTR data = m_pRows->GetItemData(source);
  m_pRows->DeleteString(source);
  if (m_pRows->IsMultipleSelection())
    for (int i = 0; i < m_pRows->GetCount(); ++i)
      m_pRows->SetSel(i, FALSE);
  int at = m_pRows->InsertString(to >= m_pRows->GetCount() ? -1 : to, text);
  m_pRows->SetItemData(at, data);
  m_pRows->SetCurrent(at);
  m_pRows->SetTopIndex(top);
  m_pRows->SetRedraw(TRUE);
  OnItemMoved(source, at, text, TRUE);
  return TRUE;
}
