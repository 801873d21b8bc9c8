// The data of the list engine apart from any window: items with their
// sub-items, columns, the sorted selection and the focus, anchor and
// drop-highlight indices, with the rules that keep them consistent when
// items and columns come and go. SECListBaseC redraws around these calls.
//
// Indices outside the arrays give null, FALSE or -1 and change nothing.
#pragma once

#include "ui/lists/ListItem.h"

#include <memory>
#include <vector>

class CListModel {
 public:
  // What SetItem did, so that the window knows what to redraw and report.
  struct SetResult {
    BOOL bValid = FALSE;
    BOOL bChanged = FALSE;
    BOOL bDropChanged = FALSE;
    UINT nCallbackMask = 0;  // fields held as callbacks (reported, not stored)
  };

  // Items.
  int GetItemCount() const { return static_cast<int>(m_items.size()); }
  SECListItem* GetItem(int nItem) const;
  int FindItem(const SECListItem* pItem) const;
  // Inserts at nIndex (limited to 0..count); indices at or after it move up.
  // The record gets sub-items until it has one per sub-item slot.
  int InsertItem(int nIndex, std::unique_ptr<SECListItem> pItem);
  // The same for several records in one move (expanding a branch).
  int InsertItems(int nIndex, std::vector<std::unique_ptr<SECListItem>> items);
  // Removes nCount records from nIndex on, moving focus, drop highlight and
  // selection as the engine does; FALSE for an invalid index.
  BOOL DeleteItems(int nIndex, int nCount);
  void DeleteAllItems();
  void AddSubItems(SECListItem& item) const;

  // LVITEM semantics on one item (see the engine's SetItem and GetItem).
  SetResult SetItem(const LVITEM& lvi);
  // Fills the masked fields; *pReported gets the fields held as callbacks.
  // Without bNotify a callback text is returned as the marker. FALSE for an
  // unknown item.
  BOOL GetItem(LVITEM& lvi, BOOL bCopyText, BOOL bNotify, BOOL bStateCallback, UINT* pReported);
  // Stored state bits plus the selection, focus and drop-highlight bits.
  UINT GetItemState(int nItem, UINT nMask) const;
  // Sets the state bits under nMask; TRUE when anything changed.
  BOOL SetItemState(int nItem, UINT nState, UINT nMask, BOOL* pDropChanged = nullptr);

  // Selection, focus, anchor and drop highlight.
  const std::vector<int>& GetSelection() const { return m_selection; }
  int GetSelectedCount() const { return static_cast<int>(m_selection.size()); }
  BOOL IsSelected(int nItem) const;
  int GetFocus() const { return m_nFocus; }
  int GetAnchor() const { return m_nAnchor; }
  void SetAnchor(int nItem) { m_nAnchor = nItem; }
  int GetDropHilite() const { return m_nDrop; }
  int GetNextItem(int nItem, UINT nFlags) const;

  // Columns.
  int GetColumnCount() const { return static_cast<int>(m_columns.size()); }
  SECListColumn* GetColumn(int nColumn) const;
  int GetSubItemCount() const { return m_nSubItems; }
  int GetColumnSubItem(int nColumn) const;
  // The first column showing nSubItem, or -1.
  int FindColumnOfSubItem(int nSubItem) const;
  int FindColumn(const char* pszHeading, int* pSubItem = nullptr) const;
  // Inserts the record at nIndex. A column without a sub-item of its own
  // (-1 or beyond the count) gets a new slot at the end, so that no two
  // columns show one sub-item; its width -1 or -2 becomes 10.
  int InsertColumn(int nIndex, const SECListColumn& column);
  // Removes the column and its sub-item from every item; the label column
  // gets its width unless bKeepLabelWidth.
  BOOL DeleteColumn(int nColumn, BOOL bKeepLabelWidth);
  void DeleteAllColumns();
  // Moves a column (not the first, not to the first); the columns from 1 on
  // are renumbered to their positions and every item's sub-items follow, so
  // headings and data stay together. *pFromSubItem/*pToSubItem get the
  // moved column's old and new sub-item.
  BOOL MoveColumn(int nFrom, int nTo, int* pFromSubItem = nullptr, int* pToSubItem = nullptr);

 private:
  static int AdjustAfterDelete(int nIndex, int nFirst, int nCount, int nNewCount);
  void ShiftForInsert(int nIndex, int nCount);
  void SetSelected(int nItem, BOOL bSelect);
  SECListText* TextOf(SECListItem& item, int nSubItem) const;

  std::vector<std::unique_ptr<SECListItem>> m_items;
  std::vector<std::unique_ptr<SECListColumn>> m_columns;
  std::vector<int> m_selection;  // sorted ascending
  int m_nSubItems = 0;
  int m_nFocus = -1;
  int m_nAnchor = -1;
  int m_nDrop = -1;
};
