#include "ui/lists/FakeTreeRows.h"
#include "ui/lists/TreeLogic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

namespace {

class Tree : public TreeLogic {
 public:
  std::string Name(_Node* node) { return node != nullptr ? node->GetText() : "-"; }
  LRESULT OnItemExpanding(_Node* node, UINT action) override {
    log += "expanding " + Name(node) + " " + std::to_string(action) + "; ";
    if (onExpanding)
      onExpanding(node);
    return vetoExpand ? 1 : 0;
  }
  void OnItemExpanded(_Node* node, UINT action) override { log += "expanded " + Name(node) + "; "; }
  LRESULT OnSelChanging(_Node* o, _Node* n, int action) override {
    log += "selchanging " + Name(o) + ">" + Name(n) + " " + std::to_string(action) + "; ";
    return vetoSelect ? 1 : 0;
  }
  void OnSelChanged(_Node* o, _Node* n, int action) override { log += "selchanged; "; }
  void OnDeleteNode(_Node* node) override { log += "delete " + Name(node) + "; "; }
  void OnGetDispInfo(TVITEM& item) override {
    if (item.mask & TVIF_CHILDREN)
      item.cChildren = callbackChildren;
    if (item.mask & TVIF_TEXT)
      item.pszText = const_cast<LPTSTR>("called back");
  }
  std::string log;
  bool vetoExpand = false;
  bool vetoSelect = false;
  int callbackChildren = 0;
  std::function<void(_Node*)> onExpanding;
};

struct TreeLogicTest : ::testing::Test {
  TreeLogicTest() { tree.AttachRows(&rows); }

  HTREEITEM Add(const char* text, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST, bool expanded = false) {
    TVINSERTSTRUCT insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_STATE | TVIF_PARAM;
    insert.item.pszText = const_cast<LPTSTR>(text);
    insert.item.state = expanded ? TVIS_EXPANDED : 0;
    insert.item.stateMask = TVIS_EXPANDED;
    insert.item.lParam = ++lastParam;
    return tree.InsertItem(insert);
  }
  // a (a1 (a11), a2), b (b1), c; a expanded, the rest collapsed.
  void Build() {
    a = Add("a", TVI_ROOT, TVI_LAST, true);
    a1 = Add("a1", a);
    a11 = Add("a11", a1);
    a2 = Add("a2", a);
    b = Add("b");
    b1 = Add("b1", b);
    c = Add("c");
  }
  std::string Label(HTREEITEM item) {
    _Node* node = tree.Node(item);
    return node != nullptr ? node->GetText() : item != nullptr ? "?" : "-";
  }
  // The rows must be the visible nodes in depth-first order.
  void ExpectRowsInStep() {
    std::vector<_Node*> visible;
    for (SECTreeNode* p = GetNextPreorder(tree.GetRoot()); p != nullptr; p = GetNextPreorder(p)) {
      if (tree.IsVisible(static_cast<_Node*>(p)))
        visible.push_back(static_cast<_Node*>(p));
    }
    EXPECT_EQ(visible, rows.rows);
  }

  void RunMixedOperations(unsigned seed);

  FakeTreeRows rows;
  Tree tree;
  LPARAM lastParam = 0;
  HTREEITEM a, a1, a11, a2, b, b1, c;
};

TEST_F(TreeLogicTest, InsertPositionsFirstLastAfterSorted) {
  struct Case {
    const char* name;
    std::vector<const char*> labels;
    HTREEITEM after;
    const char* expected;
  } cases[] = {
      {"last", {"b", "a", "c"}, TVI_LAST, "b a c"},
      {"null is last", {"b", "a", "c"}, nullptr, "b a c"},
      {"root is last", {"b", "a", "c"}, TVI_ROOT, "b a c"},
      {"first", {"b", "a", "c"}, TVI_FIRST, "c a b"},
      {"sorted", {"b", "A", "c", "a", "B"}, TVI_SORT, "A a b B c"},
      {"descending", {"b", "A", "c", "a", "B"}, SEC_TVI_SORTDESCENDING, "c b B A a"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    tree.DeleteAllItems();
    for (const char* label : k.labels)
      ASSERT_NE(nullptr, Add(label, TVI_ROOT, k.after));
    EXPECT_EQ(k.expected, rows.Labels());
    ExpectRowsInStep();
  }
}

TEST_F(TreeLogicTest, InsertAfterASiblingAndRefusedPlaces) {
  Build();
  HTREEITEM x = Add("x", a, a1);
  EXPECT_EQ("a a1 x a2 b c", rows.Labels());
  EXPECT_EQ(x, tree.GetNextItem(a1, TVGN_NEXT));
  // Not a child of the parent, an unknown handle, an unknown parent.
  EXPECT_EQ(nullptr, Add("y", a, b1));
  EXPECT_EQ(nullptr, Add("y", a, reinterpret_cast<HTREEITEM>(0x5000)));
  EXPECT_EQ(nullptr, Add("y", reinterpret_cast<HTREEITEM>(0x5000)));
  // A parent without children takes any handle as last.
  EXPECT_NE(nullptr, Add("z", c, b1));
  EXPECT_EQ(9, tree.GetNodeCount());
  ExpectRowsInStep();
}

TEST_F(TreeLogicTest, ExpandingShowsTheBranchDepthFirstAsItWasLeft) {
  Build();
  EXPECT_EQ("a a1 a2 b c", rows.Labels());
  // Under a collapsed parent: no row.
  Add("b2", b);
  EXPECT_EQ("a a1 a2 b c", rows.Labels());
  EXPECT_TRUE(tree.Expand(a1, TVE_EXPAND));
  EXPECT_TRUE(tree.Expand(a, TVE_COLLAPSE));
  EXPECT_EQ("a b c", rows.Labels());
  EXPECT_TRUE(tree.Expand(a, TVE_TOGGLE));
  EXPECT_EQ("a a1 a11 a2 b c", rows.Labels());
  EXPECT_TRUE(tree.Expand(b, TVE_EXPAND));
  EXPECT_EQ("a a1 a11 a2 b b1 b2 c", rows.Labels());
  EXPECT_EQ(
      "expanding a1 2; expanded a1; expanding a 1; expanded a; expanding a 2; expanded a; "
      "expanding b 2; expanded b; ",
      tree.log);
  ExpectRowsInStep();
}

TEST_F(TreeLogicTest, CollapsingABranchWithTheCaretMovesTheCaretToIt) {
  Build();
  tree.Expand(a1, TVE_EXPAND);
  ASSERT_TRUE(tree.SelectCaret(a11, TVC_BYKEYBOARD));
  EXPECT_EQ(a11, tree.GetNextItem(nullptr, TVGN_CARET));
  tree.log.clear();
  EXPECT_TRUE(tree.Expand(a, TVE_COLLAPSE));
  EXPECT_EQ(a, tree.GetNextItem(nullptr, TVGN_CARET));
  EXPECT_EQ("expanding a 1; selchanging a11>a 1; selchanged; expanded a; ", tree.log);
  EXPECT_EQ(std::set<int>{0}, rows.selected);
  ExpectRowsInStep();
}

TEST_F(TreeLogicTest, ExpandWithoutChildrenAsksTheChildrenCount) {
  Build();
  tree.log.clear();
  // No children, no count: nothing to do, nothing sent.
  EXPECT_TRUE(tree.Expand(c, TVE_EXPAND));
  EXPECT_EQ("", tree.log);
  // A positive count: the owner is told and may add the children.
  TVITEM item = {};
  item.mask = TVIF_HANDLE | TVIF_CHILDREN;
  item.hItem = c;
  item.cChildren = 1;
  tree.SetItem(item);
  EXPECT_FALSE(tree.Expand(c, TVE_EXPAND));
  EXPECT_EQ("expanding c 2; ", tree.log);
  tree.onExpanding = [&](_Node*) { Add("c1", c); };
  EXPECT_TRUE(tree.Expand(c, TVE_EXPAND));
  EXPECT_EQ("a a1 a2 b c c1", rows.Labels());
  // The count held as a callback is asked for.
  item.hItem = b1;
  item.cChildren = I_CHILDRENCALLBACK;
  tree.SetItem(item);
  tree.onExpanding = nullptr;
  tree.log.clear();
  tree.callbackChildren = 0;
  EXPECT_TRUE(tree.Expand(b1, TVE_EXPAND));
  tree.callbackChildren = 2;
  EXPECT_FALSE(tree.Expand(b1, TVE_EXPAND));
  EXPECT_EQ("expanding b1 2; ", tree.log);
  ExpectRowsInStep();
}

TEST_F(TreeLogicTest, VetoedExpandAndSelectionChangeNothing) {
  Build();
  tree.vetoExpand = true;
  EXPECT_FALSE(tree.Expand(b, TVE_EXPAND));
  EXPECT_FALSE(tree.Expand(a, TVE_COLLAPSE));
  EXPECT_EQ("a a1 a2 b c", rows.Labels());
  tree.vetoSelect = true;
  EXPECT_FALSE(tree.SelectCaret(c, TVC_UNKNOWN));
  EXPECT_EQ(a, tree.GetNextItem(nullptr, TVGN_CARET));
}

TEST_F(TreeLogicTest, ResetCollapseDeletesTheChildren) {
  Build();
  tree.log.clear();
  EXPECT_TRUE(tree.Expand(a, TVE_COLLAPSE | TVE_COLLAPSERESET));
  EXPECT_FALSE(tree.ItemHasChildren(a));
  EXPECT_EQ("expanding a 32769; delete a11; delete a1; delete a2; expanded a; ", tree.log);
  EXPECT_FALSE(tree.IsItem(a11));
  ExpectRowsInStep();
}

TEST_F(TreeLogicTest, GetNextItemCodes) {
  Build();
  tree.Expand(b, TVE_EXPAND);
  rows.SetRowState(4, TVIS_SELECTED, TVIS_SELECTED);  // b1
  rows.SetRowState(2, TVIS_SELECTED, TVIS_SELECTED);  // a2
  rows.SetRowState(0, 0, TVIS_SELECTED);
  rows.SetRowState(3, TVIS_DROPHILITED, TVIS_DROPHILITED);
  rows.top = 1;
  struct Case {
    HTREEITEM item;
    UINT code;
    HTREEITEM expected;
  } cases[] = {
      {nullptr, TVGN_ROOT, a},
      {b1, TVGN_ROOT, a},
      {nullptr, TVGN_CHILD, a},
      {TVI_ROOT, TVGN_CHILD, a},
      {a, TVGN_CHILD, a1},
      {a2, TVGN_CHILD, nullptr},
      {a, TVGN_PARENT, nullptr},
      {a11, TVGN_PARENT, a1},
      {a1, TVGN_NEXT, a2},
      {a2, TVGN_NEXT, nullptr},
      {a2, TVGN_PREVIOUS, a1},
      {a, TVGN_PREVIOUS, nullptr},
      {nullptr, TVGN_FIRSTVISIBLE, a1},
      {a2, TVGN_NEXTVISIBLE, b},
      {c, TVGN_NEXTVISIBLE, nullptr},
      {a11, TVGN_NEXTVISIBLE, a2},
      {a11, TVGN_PREVIOUSVISIBLE, a1},
      {b, TVGN_PREVIOUSVISIBLE, a2},
      {a, TVGN_PREVIOUSVISIBLE, nullptr},
      {nullptr, TVGN_DROPHILITE, b},
      {nullptr, TVGN_CARET, a},
      {nullptr, SEC_TVGN_FIRSTSELECTED, a2},
      {a2, SEC_TVGN_NEXTSELECTED, b1},
      {b1, SEC_TVGN_NEXTSELECTED, nullptr},
      {b1, SEC_TVGN_PREVSELECTED, a2},
      {a11, SEC_TVGN_NEXTSELECTED, a2},
      {a11, SEC_TVGN_PREVSELECTED, nullptr},
      {a, 10, nullptr},
      {reinterpret_cast<HTREEITEM>(0x5000), TVGN_NEXT, nullptr},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::Message() << Label(k.item) << " code " << k.code);
    EXPECT_EQ(Label(k.expected), Label(tree.GetNextItem(k.item, k.code)));
  }
}

TEST_F(TreeLogicTest, UnknownAndDeletedHandlesAreRefused) {
  Build();
  tree.Expand(a1, TVE_EXPAND);
  tree.log.clear();
  tree.DeleteItem(a1);
  EXPECT_EQ("delete a11; delete a1; ", tree.log);
  EXPECT_EQ("a a2 b c", rows.Labels());
  for (HTREEITEM gone : {a1, a11, reinterpret_cast<HTREEITEM>(0x5000)}) {
    EXPECT_FALSE(tree.DeleteItem(gone));
    EXPECT_FALSE(tree.Expand(gone, TVE_EXPAND));
    EXPECT_EQ("", tree.GetItemText(gone));
    EXPECT_FALSE(tree.SetItemText(gone, 0, "x"));
    EXPECT_FALSE(tree.DisableItem(gone, TRUE));
    EXPECT_FALSE(tree.MoveItem(gone, b, TVI_LAST));
    EXPECT_EQ(nullptr, tree.GetRootItem(gone));
    EXPECT_EQ(0, tree.GetCount(gone, TRUE, FALSE));
  }
  ExpectRowsInStep();
}

TEST_F(TreeLogicTest, ACollapsedItemTakesOnlyItsOwnRowAway) {
  Build();
  tree.Expand(c, TVE_EXPAND);  // nothing to expand
  Add("d");
  tree.DeleteItem(b);  // collapsed, with a child
  EXPECT_EQ("a a1 a2 c d", rows.Labels());
  tree.MoveItem(a1, c, TVI_LAST);  // a1 collapsed with a child
  EXPECT_EQ("a a2 c d", rows.Labels());
  ExpectRowsInStep();
}

TEST_F(TreeLogicTest, DisabledAndHiddenAreInheritedWithoutChangingTheOwnFlags) {
  Build();
  tree.DisableItem(a, TRUE);
  EXPECT_TRUE(tree.IsItemDisabled(a11));
  EXPECT_FALSE(tree.Node(a11)->HasFlag(_Node::kDisabled));
  tree.DisableItem(a, FALSE);
  EXPECT_FALSE(tree.IsItemDisabled(a11));
  EXPECT_FALSE(tree.IsItemDisabled(TVI_ROOT));
  tree.HideItem(a1, TRUE);
  EXPECT_TRUE(tree.IsItemHidden(a11));
  EXPECT_EQ("a a2 b c", rows.Labels());
  tree.Expand(a1, TVE_EXPAND);
  EXPECT_EQ("a a2 b c", rows.Labels());
  tree.HideItem(a1, FALSE);
  EXPECT_EQ("a a1 a11 a2 b c", rows.Labels());
  ExpectRowsInStep();
}

TEST_F(TreeLogicTest, SortingKeepsEqualItemsInOrderAndTheCaretOnItsItem) {
  Add("b", TVI_ROOT, TVI_LAST, true);
  HTREEITEM first = Add("B");
  Add("a");
  HTREEITEM inner = Add("Z", tree.GetRootItem(), TVI_LAST);
  Add("y", tree.GetRootItem(), TVI_LAST);
  tree.SelectCaret(first, TVC_UNKNOWN);
  ASSERT_EQ("b Z y B a", rows.Labels());
  EXPECT_TRUE(tree.SortChildren(TVI_ROOT, FALSE, TRUE));
  EXPECT_EQ("a b Z y B", rows.Labels());
  EXPECT_EQ(first, tree.GetNextItem(nullptr, TVGN_CARET));
  EXPECT_TRUE(tree.SortChildren(nullptr, TRUE, FALSE));
  EXPECT_EQ("b Z y B a", rows.Labels());
  EXPECT_TRUE(tree.SortChildren(tree.GetRootItem(), FALSE, TRUE));
  EXPECT_EQ("b y Z B a", rows.Labels());
  EXPECT_EQ(inner, tree.GetNextItem(tree.GetNextItem(tree.GetRootItem(), TVGN_CHILD), TVGN_NEXT));
  TVSORTCB byParam = {TVI_ROOT, [](LPARAM l1, LPARAM l2, LPARAM) { return static_cast<int>(l2 - l1); }, 0};
  EXPECT_TRUE(tree.SortChildrenCB(byParam, TRUE));
  EXPECT_EQ("a B b y Z", rows.Labels());
  ExpectRowsInStep();
}

TEST_F(TreeLogicTest, MovingAnItemTakesItsBranchAndRefusesItsOwnDescendants) {
  Build();
  tree.Expand(a1, TVE_EXPAND);
  EXPECT_FALSE(tree.MoveItem(a, a11, TVI_LAST));
  EXPECT_FALSE(tree.MoveItem(a, a, TVI_LAST));
  EXPECT_FALSE(tree.MoveItem(a1, b, a2));  // a2 is no child of b
  EXPECT_EQ("a a1 a11 a2 b c", rows.Labels());
  EXPECT_TRUE(tree.MoveItem(a1, TVI_ROOT, c));
  EXPECT_EQ("a a2 b c a1 a11", rows.Labels());
  EXPECT_TRUE(tree.MoveItem(a1, b, TVI_FIRST));
  EXPECT_EQ("a a2 b c", rows.Labels());
  EXPECT_EQ(a1, tree.GetNextItem(b, TVGN_CHILD));
  tree.Expand(b, TVE_EXPAND);
  EXPECT_EQ("a a2 b a1 a11 b1 c", rows.Labels());
  ExpectRowsInStep();
}

TEST_F(TreeLogicTest, CountsOfChildrenAndBranches) {
  Build();
  tree.Expand(a1, TVE_COLLAPSE);
  struct Case {
    HTREEITEM item;
    BOOL recursive, expandedOnly;
    int expected;
  } cases[] = {
      {nullptr, FALSE, FALSE, 3}, {nullptr, TRUE, FALSE, 7}, {nullptr, TRUE, TRUE, 6}, {a, FALSE, FALSE, 2},
      {a, TRUE, TRUE, 2},         {a, TRUE, FALSE, 3},       {c, TRUE, FALSE, 0},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::Message() << Label(k.item) << k.recursive << k.expandedOnly);
    EXPECT_EQ(k.expected, tree.GetCount(k.item, k.recursive, k.expandedOnly));
  }
}

TEST_F(TreeLogicTest, BranchesExpandAndCollapseWhole) {
  Build();
  tree.ExpandBranch(TVI_ROOT);
  EXPECT_EQ("a a1 a11 a2 b b1 c", rows.Labels());
  ExpectRowsInStep();
  tree.SelectCaret(a11, TVC_UNKNOWN);
  tree.log.clear();
  tree.CollapseBranch(a);
  EXPECT_EQ("a b b1 c", rows.Labels());
  EXPECT_EQ(
      "expanding a1 1; selchanging a11>a1 1; selchanged; expanded a1; "
      "expanding a 1; selchanging a1>a 1; selchanged; expanded a; ",
      tree.log);
  EXPECT_EQ(a, tree.GetNextItem(nullptr, TVGN_CARET));
  tree.Expand(a, TVE_EXPAND);
  EXPECT_EQ("a a1 a2 b b1 c", rows.Labels());
  ExpectRowsInStep();
}

// The tree window's notices carry each item's state; reading it must not
// bring the branch's rows up to date once per node told of.
TEST_F(TreeLogicTest, NoticesReadingStatesLeaveTheBranchRowsToTheEnd) {
  Build();
  UINT states = 0;
  tree.onExpanding = [&](_Node* node) {
    TVITEM item = {};
    item.mask = TVIF_HANDLE | TVIF_STATE;
    item.hItem = node->GetHandle();
    item.stateMask = 0xFFFF;
    tree.GetNodeItem(item, FALSE, FALSE);
    states |= item.state;
  };
  rows.inserted = 0;
  tree.ExpandBranch(TVI_ROOT);
  EXPECT_EQ("a a1 a11 a2 b b1 c", rows.Labels());
  EXPECT_EQ(7, rows.inserted) << "every row made once";
  EXPECT_NE(0u, states & TVIS_SELECTED) << "the caret's row state is read";
  ExpectRowsInStep();
}

TEST_F(TreeLogicTest, TheOwnerMayChangeTheTreeWhileABranchExpands) {
  Build();
  tree.onExpanding = [&](_Node* node) {
    if (node == tree.Node(a1)) {
      tree.Expand(b, TVE_EXPAND);  // outside the branch
      Add("a12", a1);              // inside it
      tree.SelectCaret(c, TVC_UNKNOWN);
    }
  };
  tree.ExpandBranch(a);
  EXPECT_EQ("a a1 a11 a12 a2 b b1 c", rows.Labels());
  EXPECT_EQ(c, tree.GetNextItem(nullptr, TVGN_CARET));
  ExpectRowsInStep();
  tree.onExpanding = [&](_Node* node) {
    if (node == tree.Node(a))
      tree.DeleteItem(a11);
  };
  tree.CollapseBranch(a);
  tree.ExpandBranch(TVI_ROOT);
  EXPECT_EQ("a a1 a12 a2 b b1 c", rows.Labels());
  ExpectRowsInStep();
}

TEST_F(TreeLogicTest, ItemFieldsCallbacksAndRowStates) {
  Build();
  TVITEM item = {};
  item.mask = TVIF_HANDLE | TVIF_STATE | TVIF_IMAGE | TVIF_TEXT;
  item.hItem = a2;
  item.state = TVIS_SELECTED | 0x2000 | 0x100;
  item.stateMask = TVIS_SELECTED | TVIS_STATEIMAGEMASK | TVIS_OVERLAYMASK;
  item.iImage = 3;
  item.pszText = LPSTR_TEXTCALLBACK;
  TreeLogic::ItemChange change;
  ASSERT_TRUE(tree.SetItem(item, &change));
  EXPECT_EQ(2, change.row);
  EXPECT_TRUE(change.bLooks);
  EXPECT_TRUE(rows.selected.count(2));
  EXPECT_EQ("called back", std::string(tree.GetItemText(a2)));
  char buffer[16];
  TVITEM read = {};
  read.mask = TVIF_HANDLE | TVIF_STATE | TVIF_TEXT | TVIF_IMAGE;
  read.hItem = a;
  read.stateMask = 0xFFFF;
  read.pszText = buffer;
  read.cchTextMax = sizeof buffer;
  ASSERT_TRUE(tree.GetNodeItem(read, TRUE, TRUE));
  EXPECT_STREQ("a", buffer);
  EXPECT_EQ(UINT(TVIS_EXPANDED | TVIS_SELECTED), read.state);
  EXPECT_EQ(TREE_NO_IMAGE, read.iImage);
  // A label longer than the tree's buffer comes back cut to 2047.
  std::string longText(3000, 'x');
  tree.SetItemText(c, 0, longText.c_str());
  EXPECT_EQ(2047, tree.GetItemText(c).GetLength());
  tree.SetItemText(c, 0, longText.substr(0, 2047).c_str());
  EXPECT_EQ(2047, tree.GetItemText(c).GetLength());
}

TEST_F(TreeLogicTest, SubItemTextsFollowTheirItemsAndColumns) {
  Build();
  EXPECT_FALSE(tree.SetItemText(a, 1, "size"));
  tree.EnableSubItemTextStorage(TRUE);
  EXPECT_TRUE(tree.SetItemText(a, 1, "size"));
  EXPECT_TRUE(tree.SetItemText(a, 2, "date"));
  EXPECT_TRUE(tree.SetItemText(a11, 2, "hidden"));
  tree.MoveColumnTexts(2, 1);
  EXPECT_EQ("date", std::string(tree.GetItemText(a, 1)));
  EXPECT_EQ("size", std::string(tree.GetItemText(a, 2)));
  EXPECT_EQ("hidden", std::string(tree.GetItemText(a11, 1)));
  tree.DeleteItem(a1);
  EXPECT_EQ(1, tree.GetStorage()->GetItemCount());
  tree.EnableSubItemTextStorage(FALSE);
  EXPECT_EQ("", std::string(tree.GetItemText(a, 1)));
}

// Mixed operations in a fixed pseudo-random order: after each one the rows
// must still be the visible nodes in depth-first order.
TEST_F(TreeLogicTest, RowsStayInStepThroughMixedOperations) {
  for (unsigned start : {12345u, 1u, 2u, 3u, 4u, 5u, 6u, 7u}) {
    SCOPED_TRACE(testing::Message() << "seed " << start);
    tree.DeleteAllItems();
    RunMixedOperations(start);
    if (HasFailure())
      return;
  }
}

void TreeLogicTest::RunMixedOperations(unsigned start) {
  std::vector<HTREEITEM> items;
  unsigned seed = start;
  auto next = [&seed](unsigned n) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % n;
  };
  auto any = [&]() { return items.empty() ? TVI_ROOT : items[next(static_cast<unsigned>(items.size()))]; };
  const HTREEITEM places[] = {TVI_FIRST, TVI_LAST, TVI_SORT, SEC_TVI_SORTDESCENDING};
  // The owner fills some branches as they open, and moves the caret.
  tree.onExpanding = [&](_Node* node) {
    if (next(4) == 0)
      items.push_back(Add("late", node->GetHandle(), places[next(4)]));
    if (next(8) == 0)
      tree.SelectCaret(any(), TVC_UNKNOWN);
  };
  for (int step = 0; step < 3000; ++step) {
    SCOPED_TRACE(step);
    HTREEITEM item = any();
    const unsigned op = next(10);
    SCOPED_TRACE(testing::Message() << "op " << op);
    switch (op) {
      case 0:
      case 1:
      case 2: {
        std::string label = "n" + std::to_string(next(50));
        if (HTREEITEM made = Add(label.c_str(), item, places[next(4)], next(2) == 0))
          items.push_back(made);
        break;
      }
      case 3:
        if (tree.DeleteItem(item))
          items.erase(std::remove_if(items.begin(), items.end(), [&](HTREEITEM h) { return !tree.IsItem(h); }),
                      items.end());
        break;
      case 4: tree.Expand(item, next(2) ? TVE_TOGGLE : TVE_EXPAND); break;
      case 5: next(2) ? tree.ExpandBranch(item) : tree.CollapseBranch(item); break;
      case 6: tree.HideItem(item, next(4) == 0); break;
      case 7: tree.SortChildren(next(2) ? item : TVI_ROOT, next(2), next(2)); break;
      case 8: {
        HTREEITEM to = any();
        tree.MoveItem(item, to, places[next(2)]);
        break;
      }
      case 9: tree.SelectCaret(item, TVC_UNKNOWN); break;
    }
    ExpectRowsInStep();
    if (HasFailure())
      break;
  }
  tree.onExpanding = nullptr;
}

TEST_F(TreeLogicTest, IndentIsKeptEven) {
  tree.SetIndent(15);
  EXPECT_EQ(16, tree.GetIndent());
  tree.SetIndent(20);
  EXPECT_EQ(20, tree.GetIndent());
}

}  // namespace
