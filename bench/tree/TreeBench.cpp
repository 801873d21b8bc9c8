// Builds trees shaped like an instrument's folders (a root item, folders of
// 50 files, files inserted sorted) over rows kept as the list engine keeps
// them, one array slot per visible node, and prints the time per node of
// each step at 1,000, 10,000 and 100,000 nodes with its ratio to the
// smallest: every step must cost time in proportion to the nodes it touches.
#include "ui/lists/FakeTreeRows.h"
#include "ui/lists/TreeLogic.h"

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

namespace {

const int kFilesPerFolder = 50;

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
  FakeTreeRows rows;
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
