#include "ui/lists/FakeTreeRows.h"

namespace {

std::set<int> Shifted(const std::set<int>& rows, int from, int by) {
  std::set<int> result;
  for (int row : rows)
    result.insert(row >= from ? row + by : row);
  return result;
}

std::set<int> WithoutRange(const std::set<int>& rows, int first, int count) {
  std::set<int> result;
  for (int row : rows) {
    if (row < first)
      result.insert(row);
    else if (row >= first + count)
      result.insert(row - count);
  }
  return result;
}

}  // namespace

void FakeTreeRows::InsertRows(int row, const std::vector<_Node*>& nodes) {
  if (nodes.empty())
    return;
  const int count = static_cast<int>(nodes.size());
  rows.insert(rows.begin() + row, nodes.begin(), nodes.end());
  inserted += count;
  selected = Shifted(selected, row, count);
  cut = Shifted(cut, row, count);
  if (focus >= row)
    focus += count;
  if (drop >= row)
    drop += count;
  if (focus < 0)
    SetFocusRow(0);
}

void FakeTreeRows::DeleteRows(int row, int count) {
  rows.erase(rows.begin() + row, rows.begin() + row + count);
  deleted += count;
  const int size = GetRowCount();
  auto moved = [&](int index) {
    if (index < row)
      return index;
    if (index >= row + count)
      return index - count;
    return row < size ? row : size - 1;  // inside: the row that followed
  };
  focus = focus < 0 ? -1 : moved(focus);
  if (drop >= row)
    drop = drop < row + count ? -1 : drop - count;
  selected = WithoutRange(selected, row, count);
  cut = WithoutRange(cut, row, count);
  if (top > size - 1)
    top = size > 0 ? size - 1 : 0;
  if (selected.empty() && focus >= 0)
    selected.insert(focus);
}

UINT FakeTreeRows::GetRowState(int row) const {
  UINT state = 0;
  if (selected.count(row))
    state |= TVIS_SELECTED;
  if (cut.count(row))
    state |= TVIS_CUT;
  if (drop == row)
    state |= TVIS_DROPHILITED;
  return state;
}

void FakeTreeRows::SetRowState(int row, UINT state, UINT mask) {
  if (mask & TVIS_SELECTED) {
    if (state & TVIS_SELECTED)
      selected.insert(row);
    else
      selected.erase(row);
  }
  if (mask & TVIS_CUT) {
    if (state & TVIS_CUT)
      cut.insert(row);
    else
      cut.erase(row);
  }
  if (mask & TVIS_DROPHILITED) {
    if (state & TVIS_DROPHILITED)
      drop = row;
    else if (drop == row)
      drop = -1;
  }
}

void FakeTreeRows::SetFocusRow(int row) {
  focus = row;
  selected.clear();
  if (row >= 0)
    selected.insert(row);
}

std::string FakeTreeRows::Labels() const {
  std::string text;
  for (const _Node* node : rows) {
    if (!text.empty())
      text += ' ';
    text += node->GetText();
  }
  return text;
}
