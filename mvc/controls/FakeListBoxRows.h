// A list box as plain rows, for tests of the rules behind IListBoxRows. It
// keeps the selection the way a list box does: selection states move with
// their rows, a single selection follows its row on insert and delete, and a
// multiple-selection caret stays put.
#pragma once

#include "mvc/controls/ListBoxEditorLogic.h"

#include <set>
#include <string>
#include <vector>

class FakeListBoxRows : public IListBoxRows {
 public:
  struct Row {
    std::string text;
    DWORD_PTR data;
  };

  int GetCount() const override { return static_cast<int>(rows.size()); }
  CString GetText(int index) const override { return CString(rows.at(index).text.c_str()); }
  int InsertString(int index, const CString& text) override;
  void DeleteString(int index) override;
  DWORD_PTR GetItemData(int index) const override { return rows.at(index).data; }
  void SetItemData(int index, DWORD_PTR data) override { rows.at(index).data = data; }
  BOOL IsMultipleSelection() const override { return multi; }
  int GetCurrent() const override { return current; }
  void SetCurrent(int index) override;
  BOOL GetSel(int index) const override;
  void SetSel(int index, BOOL bSelect) override;
  int GetTopIndex() const override { return 0; }
  void SetTopIndex(int) override {}
  void SetRedraw(BOOL) override {}

  // The rows as "[text][text]...".
  std::string Texts() const;

  std::vector<Row> rows;
  // Single selection: the selected row; multiple: the caret. -1 for none.
  int current = -1;
  bool multi = false;
  // The selected rows of a multiple-selection list.
  std::set<int> selected;
};
