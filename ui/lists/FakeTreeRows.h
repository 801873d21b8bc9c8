// The list rows under a tree as a plain array, for tests of the tree's
// rules. It keeps focus, selection and drop highlight the way the list
// engine does: indices move with their rows on insert and delete, the first
// row of an empty list takes the focus and the selection, and a deleted
// focus passes to the row that followed it.
#pragma once

#include "ui/lists/TreeLogic.h"

#include <set>
#include <string>
#include <vector>

class FakeTreeRows : public ITreeRows {
 public:
  int GetRowCount() const override { return static_cast<int>(rows.size()); }
  _Node* GetRowNode(int row) const override { return rows.at(row); }
  void InsertRows(int row, const std::vector<_Node*>& nodes) override;
  void DeleteRows(int row, int count) override;
  UINT GetRowState(int row) const override;
  void SetRowState(int row, UINT state, UINT mask) override;
  void DeselectAll() override { selected.clear(); }
  int GetFocusRow() const override { return focus; }
  void SetFocusRow(int row) override;
  int GetDropRow() const override { return drop; }
  int GetTopRow() const override { return top; }
  void SetTopRow(int row) override { top = row; }

  // The rows' labels as "a b c".
  std::string Labels() const;

  std::vector<_Node*> rows;
  std::set<int> selected;
  std::set<int> cut;
  int focus = -1;
  int drop = -1;
  int top = 0;
  // Rows inserted and deleted, summed over all calls.
  long inserted = 0;
  long deleted = 0;
};
