// The list engine's data side at 1,000 / 10,000 / 100,000 rows: inserting
// the rows, scrolling by a page (the geometry the scroll bar and page keys
// use) and one paint pass over the visible rows (geometry, item reads with
// text copies and measuring by a fixed-width text measurer, as the window's
// paint does per row). Times are the best of several runs; scroll and paint
// are per operation and should not depend on the row count.
#include "ui/lists/ListGeometry.h"
#include "ui/lists/ListModel.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

const int kColumns = 3;
const int kAreaHeight = 600;
const int kCharWidth = 6;
const int kLineHeight = 13;

double Seconds(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void Build(CListModel& model, int rows) {
  for (int c = 0; c < kColumns; ++c) {
    SECListColumn column;
    column.heading = "column";
    column.cx = 100;
    column.iSubItem = -1;
    model.InsertColumn(c, column);
  }
  char text[32];
  for (int i = 0; i < rows; ++i) {
    int at = model.InsertItem(model.GetItemCount(), std::make_unique<SECListItem>());
    std::snprintf(text, sizeof(text), "file%06d.g7k", i);
    SECListItem* item = model.GetItem(at);
    item->m_text.Set(text);
    for (int s = 1; s < kColumns; ++s)
      item->GetSubItem(s)->m_text.Set("2026-12-11");
    if (at == 0)
      model.SetItemState(0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
  }
}

// Measures a row as the window does: every cell's text, a fixed-width font.
int MeasureRow(CListModel& model, int row) {
  SECListItem* item = model.GetItem(row);
  if (!item->m_bNeedsMeasure)
    return item->m_nHeight;
  char buffer[kListTextMax + 1];
  int height = 0;
  for (int c = 0; c < kColumns; ++c) {
    LVITEM lvi{};
    lvi.mask = LVIF_TEXT | LVIF_STATE;
    lvi.iItem = row;
    lvi.iSubItem = model.GetColumnSubItem(c);
    lvi.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    lvi.pszText = buffer;
    lvi.cchTextMax = sizeof(buffer);
    model.GetItem(lvi, TRUE, TRUE, FALSE, nullptr);
    int width = static_cast<int>(std::strlen(buffer)) * kCharWidth;
    if (c == 0)
      item->m_rcText = RECT{6, 2, 6 + width, 2 + kLineHeight};
    height = std::max(height, kLineHeight + 4);
  }
  item->m_nHeight = height;
  item->m_bNeedsMeasure = FALSE;
  return height;
}

CListRowGeometry Rows(CListModel& model) {
  return CListRowGeometry(model.GetItemCount(), [&model](int i) { return MeasureRow(model, i); });
}

// One paint: the scroll bar's page and last page, then every visible row's
// cells read with their texts.
int Paint(CListModel& model, int top) {
  CListRowGeometry rows = Rows(model);
  int drawn = rows.CountPerPage(top, kAreaHeight);
  drawn += rows.LastPageTop(kAreaHeight) & 1;
  char buffer[kListTextMax + 1];
  int y = 0;
  for (int i = top; i < model.GetItemCount() && y < kAreaHeight; ++i) {
    y += MeasureRow(model, i);
    for (int c = 0; c < kColumns; ++c) {
      LVITEM lvi{};
      lvi.mask = LVIF_TEXT | LVIF_STATE;
      lvi.iItem = i;
      lvi.iSubItem = model.GetColumnSubItem(c);
      lvi.stateMask = ~0u;
      lvi.pszText = buffer;
      lvi.cchTextMax = sizeof(buffer);
      model.GetItem(lvi, TRUE, TRUE, FALSE, nullptr);
      drawn += buffer[0] != 0;
    }
  }
  return drawn;
}

// Page down from the middle: the page keys' and scroll bar's geometry.
int ScrollPage(CListModel& model, int top) {
  CListRowGeometry rows = Rows(model);
  int page = rows.CountPerPage(top, kAreaHeight);
  int last = rows.LastPageTop(kAreaHeight);
  int next = std::min(top + page, last);
  return rows.TopToShowRange(next, kAreaHeight, rows.LastVisibleIndex(next, kAreaHeight) + 1,
                             rows.LastVisibleIndex(next, kAreaHeight) + 1);
}

template <class F>
double BestOf(int runs, F f) {
  double best = 1e9;
  for (int r = 0; r < runs; ++r) {
    auto start = std::chrono::steady_clock::now();
    f();
    best = std::min(best, Seconds(start));
  }
  return best;
}

}  // namespace

int main() {
  std::printf("%10s %14s %16s %14s %14s\n", "rows", "insert (ms)", "insert/row (us)", "scroll (us)", "paint (us)");
  int sink = 0;
  for (int rows : {1000, 10000, 100000}) {
    double insert = BestOf(3, [&] {
      CListModel model;
      Build(model, rows);
      sink += model.GetItemCount();
    });
    CListModel model;
    Build(model, rows);
    const int kOps = 200;
    int top = rows / 2;
    double scroll = BestOf(5, [&] {
      int t = top;
      for (int i = 0; i < kOps; ++i)
        t = ScrollPage(model, t % (rows - 100));
      sink += t;
    });
    double paint = BestOf(5, [&] {
      for (int i = 0; i < kOps; ++i)
        sink += Paint(model, (top + i * 7) % (rows - 50));
    });
    std::printf("%10d %14.2f %16.3f %14.2f %14.2f\n", rows, insert * 1e3, insert * 1e6 / rows,
                scroll * 1e6 / kOps, paint * 1e6 / kOps);
  }
  return sink == 42 ? 1 : 0;
}
