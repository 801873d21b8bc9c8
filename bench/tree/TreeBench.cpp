// Builds trees shaped like an instrument's folders (a root item, folders of
// 50 files, files inserted sorted) over the list engine's own model, one
// item record per visible node as the tree window keeps them, and prints the
// time per node of each step at 1,000, 10,000 and 100,000 nodes with its
// ratio to the smallest: every step must cost time in proportion to the
// nodes it touches.
#include "ui/lists/ListModel.h"
#include "ui/lists/TreeLogic.h"

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

namespace {

const int kFilesPerFolder = 50;

// The tree window's rows without the window: records in the list model.
class ModelRows : public ITreeRows {
 public:
  int GetRowCount() const override { return m_model.GetItemCount(); }
  _Node* GetRowNode(int row) const override { return reinterpret_cast<_Node*>(m_model.GetItem(row)->m_lParam); }
  void InsertRows(int row, const std::vector<_Node*>& nodes) override {
    std::vector<std::unique_ptr<SECListItem>> items;
    items.reserve(nodes.size());
    for (_Node* node : nodes) {
      items.push_back(std::make_unique<SECListItem>());
      items.back()->m_lParam = reinterpret_cast<LPARAM>(node);
    }
    m_model.InsertItems(row, std::move(items));
    if (m_model.GetFocus() < 0)
      SetFocusRow(0);
  }
  void DeleteRows(int row, int count) override { m_model.DeleteItems(row, count); }
  UINT GetRowState(int row) const override { return m_model.GetItemState(row, TreeLogic::kRowStates); }
  void SetRowState(int row, UINT state, UINT mask) override { m_model.SetItemState(row, state, mask); }
  void DeselectAll() override {
    std::vector<int> selected = m_model.GetSelection();
    for (int row : selected)
      m_model.SetItemState(row, 0, LVIS_SELECTED);
  }
  int GetFocusRow() const override { return m_model.GetFocus(); }
  void SetFocusRow(int row) override {
    DeselectAll();
    m_model.SetItemState(row, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
  }
  int GetDropRow() const override { return m_model.GetDropHilite(); }
  int GetTopRow() const override { return 0; }
  void SetTopRow(int) override {}

 private:
  CListModel m_model;
};

HTREEITEM Insert(TreeLogic& tree, HTREEITEM parent, const char* text, HTREEITEM after) {
  TVINSERTSTRUCT insert = {};
  insert.hParent = parent;
  insert.hInsertAfter = after;
  insert.item.mask = TVIF_TEXT;
  insert.item.pszText = const_cast<LPTSTR>(text);
  return tree.InsertItem(insert);
}

double Seconds(const std::function<void()>& step) {
  const auto start = std::chrono::steady_clock::now();
  step();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct Times {
  double insert, expand, collapse, sort, remove;
};

Times Run(int nodes) {
  ModelRows rows;
  TreeLogic tree;
  tree.AttachRows(&rows);
  Times t = {};
  HTREEITEM top = nullptr;
  t.insert = Seconds([&] {
    top = Insert(tree, TVI_ROOT, "<S/N: 0001234>", TVI_LAST);
    HTREEITEM folder = nullptr;
    char name[32];
    for (int i = 1; i < nodes; ++i) {
      if (folder == nullptr || i % (kFilesPerFolder + 1) == 0) {
        std::snprintf(name, sizeof name, "DATA%05d", i);
        folder = Insert(tree, top, name, TVI_LAST);
        continue;
      }
      std::snprintf(name, sizeof name, "F%07d.G7K", i);
      Insert(tree, folder, name, TVI_SORT);
    }
  });
  t.expand = Seconds([&] { tree.ExpandBranch(top); });
  if (rows.GetRowCount() != nodes)
    std::printf("expanded rows %d, expected %d\n", rows.GetRowCount(), nodes);
  t.collapse = Seconds([&] { tree.CollapseBranch(top); });
  tree.ExpandBranch(top);
  t.sort = Seconds([&] { tree.SortChildren(top, TRUE, FALSE); });
  t.remove = Seconds([&] { tree.DeleteAllItems(); });
  return t;
}

Times Best(int nodes) {
  Times best = Run(nodes);
  for (int run = 0; run < 2; ++run) {
    Times t = Run(nodes);
    best.insert = std::min(best.insert, t.insert);
    best.expand = std::min(best.expand, t.expand);
    best.collapse = std::min(best.collapse, t.collapse);
    best.sort = std::min(best.sort, t.sort);
    best.remove = std::min(best.remove, t.remove);
  }
  return best;
}

} // namespace

int main() {
  std::printf("%-10s %8s %12s %8s\n", "tree", "nodes", "ns/node", "ratio");
  const int sizes[] = {1000, 10000, 100000};
  Times first = {};
  for (int nodes : sizes) {
    Times t = Best(nodes);
    if (first.insert == 0)
      first = {t.insert / nodes, t.expand / nodes, t.collapse / nodes, t.sort / nodes, t.remove / nodes};
    const std::pair<const char*, double> steps[] = {
        {"insert", t.insert / nodes / first.insert},     {"expand", t.expand / nodes / first.expand},
        {"collapse", t.collapse / nodes / first.collapse}, {"sort", t.sort / nodes / first.sort},
        {"delete", t.remove / nodes / first.remove},
    };
    const double perNode[] = {t.insert, t.expand, t.collapse, t.sort, t.remove};
    for (int i = 0; i < 5; ++i)
      std::printf("%-10s %8d %12.1f %8.2f\n", steps[i].first, nodes, perNode[i] * 1e9 / nodes, steps[i].second);
  }
  return 0;
}
