// The row rules of the editable list box, apart from any window: new,
// delete, move, the end of an in-place edit and the drop of a dragged row.
// SECListBoxEditor puts a window around them.
#pragma once

#include "framework/Framework.h"

// What the rules need of a list box.
class IListBoxRows {
 public:
  virtual ~IListBoxRows() = default;
  virtual int GetCount() const = 0;
  virtual CString GetText(int index) const = 0;
  // Inserts before index; -1 appends. Answers the new row's index.
  virtual int InsertString(int index, const CString& text) = 0;
  virtual void DeleteString(int index) = 0;
  virtual DWORD_PTR GetItemData(int index) const = 0;
  virtual void SetItemData(int index, DWORD_PTR data) = 0;
  virtual BOOL IsMultipleSelection() const = 0;
  // The current row (the caret in a multiple-selection list), -1 for none.
  virtual int GetCurrent() const = 0;
  // Makes the row current and selected; -1 clears a single selection.
  virtual void SetCurrent(int index) = 0;
  virtual BOOL GetSel(int index) const = 0;
  virtual void SetSel(int index, BOOL bSelect) = 0;
  virtual int GetTopIndex() const = 0;
  virtual void SetTopIndex(int index) = 0;
  virtual void SetRedraw(BOOL bRedraw) = 0;
};

class ListBoxEditorLogic {
 public:
  // Style bits.
  static constexpr DWORD kEditButton = 0x01;
  static constexpr DWORD kTypeToEdit = 0x02;
  static constexpr DWORD kHeaderButtons = 0x04;
  static constexpr DWORD kToolTips = 0x08;
  static constexpr DWORD kKeys = 0x10;
  static constexpr DWORD kDrag = 0x20;
  static constexpr DWORD kNoTrailingRow = 0x40;
  static constexpr DWORD kShowNew = 0x100;
  static constexpr DWORD kShowDelete = 0x200;
  static constexpr DWORD kShowMoveUp = 0x400;
  static constexpr DWORD kShowMoveDown = 0x800;
  // Notification codes sent to the parent.
  static constexpr int kSelChange = 1;
  static constexpr int kDeleted = 10;
  static constexpr int kMoved = 11;
  // Drag targets: -1 = after the last row, -2 = none.
  static constexpr int kAfterLast = -1;
  static constexpr int kNoTarget = -2;

  virtual ~ListBoxEditorLogic() = default;

  void AttachRows(IListBoxRows* rows) { m_pRows = rows; }
  IListBoxRows* GetRows() const { return m_pRows; }
  DWORD GetEditorStyle() const { return m_dwStyle; }
  void SetEditorStyle(DWORD style) { m_dwStyle = style; }
  BOOL HasTrailingRow() const { return (m_dwStyle & kNoTrailingRow) == 0; }
  BOOL IsEditing() const { return m_bEditing; }
  BOOL IsNewItem() const { return m_bNewItem; }
  BOOL WasCancelled() const { return m_bCancel; }
  void SetCancel(BOOL bCancel) { m_bCancel = bCancel; }
  int GetLastDeleted() const { return m_nLastDeleted; }
  int GetLastMovedTo() const { return m_nMovedTo; }
  const CString& GetOldText() const { return m_strOldText; }
  // The current row before the running edit began.
  int GetPreviousSelection() const { return m_nPreviousSelection; }

  // Without kNoTrailingRow: the list ends in one empty row.
  void EnsureTrailingRow();
  // The empty row at the end that stands for a new item.
  BOOL IsTrailingRow(int index) const;
  // Rows that can be moved, deleted or dragged: all but the trailing row.
  int GetRealRowCount() const;

  virtual void NotifySelChange() { Notify(kSelChange, TRUE); }
  virtual void EnsureSelection();
  virtual void OnItemRenamed(int nIndex, CString strOld, CString strNew);
  virtual void OnItemAdded(int nIndex, CString strText);
  virtual void OnItemMoved(int nFrom, int nTo, CString strText, BOOL bByDrag);
  virtual BOOL OnDeleteItem(int nIndex, CString strText) { return TRUE; }
  virtual BOOL NewItem();
  virtual BOOL DeleteSelected();
  virtual BOOL MoveDown();
  virtual BOOL MoveUp();
  virtual BOOL EditCurrentItem(UINT nChar);
  // A double-click below the last row: the trailing row is edited, or a new
  // row without one; never the row that happens to be current.
  BOOL EditBelowLastRow();
  virtual void SwapWithPrevious(int nIndex);
  virtual BOOL DeleteItem(int nIndex);

  // The edit: begun over a row; ended by Enter (text written into the row)
  // or Escape; then EndEdit settles the row and calls the hooks.
  BOOL StartEdit(int nIndex, BOOL bNewItem, LPCTSTR pszInitialText);
  void CommitEditText(int nIndex, const CString& text);
  void CancelEdit(int nIndex, BOOL bNewItem, int nPreviousSelection);
  virtual void EndEdit();

  // Where a press on row hitRow (count = below the last row) drops the row.
  int DragTarget(int hitRow, BOOL bLowerHalf) const;
  // The index a row dragged from source ends at; source itself when the
  // drop would not move it.
  int DropIndex(int source, int target) const;
  // Moves the row; FALSE (nothing changed, nothing reported) when the drop
  // leaves it where it was.
  BOOL DropRow(int source, int target);

 protected:
  // Window side: create the in-place edit, tell the parent.
  virtual BOOL BeginEdit(int nIndex, BOOL bNewItem, LPCTSTR pszInitialText) { return TRUE; }
  virtual void Notify(int code, BOOL bPost) {}
  // Single selection: the current row; multiple: the only selected row.
  int GetMoveRow() const;
  static CString TrimmedRight(CString text);

  IListBoxRows* m_pRows = nullptr;
  DWORD m_dwStyle = 0;
  BOOL m_bEditing = FALSE;
  BOOL m_bNewItem = FALSE;
  CString m_strOldText;
  BOOL m_bCancel = FALSE;
  int m_nLastDeleted = -1;
  int m_nMovedTo = -1;
  int m_nPreviousSelection = -1;
};
