// The texts of a multi-column tree's extra columns, kept per item because
// the list rows exist only for visible nodes. Element i of an item's array
// is column i + 1; column 0 is the item's own label and never lives here.
#pragma once

#include "framework/String.h"
#include "framework/StringArray.h"
#include "ui/lists/TreeTypes.h"

#include <memory>
#include <unordered_map>

class SECSubItemTextStorage {
 public:
  // Copies column nCol's text into the buffer (cut to its size). "" and
  // FALSE when the item has no text for that column.
  BOOL GetSubItemText(HTREEITEM hItem, int nCol, LPTSTR pszBuffer, int cchBuffer) const;
  BOOL SetSubItemText(HTREEITEM hItem, int nCol, LPCTSTR pszText);
  // Column nFrom's text moves to nTo; the columns between shift by one.
  // FALSE when the item has no texts or a column number is below 1.
  BOOL MoveSubItemText(HTREEITEM hItem, int nFrom, int nTo);
  void RemoveItem(HTREEITEM hItem);
  int GetItemCount() const { return static_cast<int>(m_texts.size()); }

 private:
  std::unordered_map<HTREEITEM, std::unique_ptr<CStringArray>> m_texts;
};
