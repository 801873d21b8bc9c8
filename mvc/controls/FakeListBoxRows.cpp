#include "mvc/controls/FakeListBoxRows.h"

namespace {

// The selection after a row was inserted at (shift +1) or deleted from (-1)
// index: the states move with their rows.
std::set<int> Shifted(const std::set<int>& selected, int index, int shift) {
  std::set<int> moved;
  for (int s : selected) {
    if (shift < 0 && s == index)
      continue;
    moved.insert(s >= index + (shift < 0 ? 1 : 0) ? s + shift : s);
  }
  return moved;
}

}  // namespace

int FakeListBoxRows::InsertString(int index, const CString& text) {
  if (index < 0 || index > GetCount())
    index = GetCount();
  rows.insert(rows.begin() + index, Row{static_cast<LPCTSTR>(text), 0});
  selected = Shifted(selected, index, +1);
  if (!multi && current >= index)
    ++current;
  return index;
}

void FakeListBoxRows::DeleteString(int index) {
  rows.erase(rows.begin() + index);
  selected = Shifted(selected, index, -1);
  if (multi) {
    if (current >= GetCount())
      current = GetCount() - 1;
    return;
  }
  if (current == index)
    current = -1;
  else if (current > index)
    --current;
}

void FakeListBoxRows::SetCurrent(int index) {
  if (!multi) {
    current = index;
    return;
  }
  if (index < 0)
    return;
  selected.insert(index);
  current = index;
}

BOOL FakeListBoxRows::GetSel(int index) const {
  if (!multi)
    return index == current;
  return selected.count(index) ? TRUE : FALSE;
}

void FakeListBoxRows::SetSel(int index, BOOL bSelect) {
  if (!multi) {
    if (bSelect)
      current = index;
    return;
  }
  if (bSelect)
    selected.insert(index);
  else
    selected.erase(index);
}

std::string FakeListBoxRows::Texts() const {
  std::string all;
  for (const Row& row : rows)
    all += "[" + row.text + "]";
  return all;
}
