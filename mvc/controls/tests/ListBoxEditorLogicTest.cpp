#include "mvc/controls/FakeListBoxRows.h"
#include "mvc/controls/ListBoxEditorLogic.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

class Editor : public ListBoxEditorLogic {
 public:
  void OnItemRenamed(int n, CString o, CString t) override {
    log += "R" + std::to_string(n) + ":" + static_cast<LPCTSTR>(t) + " ";
    ListBoxEditorLogic::OnItemRenamed(n, o, t);
  }
  void OnItemAdded(int n, CString t) override {
    log += "A" + std::to_string(n) + ":" + static_cast<LPCTSTR>(t) + " ";
    ListBoxEditorLogic::OnItemAdded(n, t);
  }
  void OnItemMoved(int from, int to, CString t, BOOL drag) override {
    log += "M" + std::to_string(from) + ">" + std::to_string(to) + (drag ? "d " : " ");
    ListBoxEditorLogic::OnItemMoved(from, to, t, drag);
  }
  BOOL OnDeleteItem(int n, CString) override {
    log += "D" + std::to_string(n) + " ";
    return !veto;
  }
  void Notify(int code, BOOL) override {
    if (code != kSelChange)
      log += "#" + std::to_string(code) + " ";
  }
  // Types text into the edit and presses Enter or Escape.
  void Type(const char* text) {
    ASSERT_TRUE(IsEditing());
    CommitEditText(m_pRows->GetCurrent(), text);
    EndEdit();
  }
  void Escape(int previous) {
    CancelEdit(m_pRows->GetCurrent(), IsNewItem(), previous);
    EndEdit();
  }
  std::string log;
  bool veto = false;
};

struct ListBoxEditorTest : ::testing::Test {
  void Make(DWORD style, std::vector<std::string> texts) {
    for (const std::string& t : texts)
      rows.rows.push_back({t, rows.rows.size() + 100});
    editor.SetEditorStyle(style);
    editor.AttachRows(&rows);
    editor.EnsureTrailingRow();
  }
  FakeListBoxRows rows;
  Editor editor;
};

const DWORD kTrailing = 0xF3E;
const DWORD kPlain = 0xF7E;

TEST_F(ListBoxEditorTest, AFreshEditorShowsOneEmptyRowThatCannotBeRemoved) {
  Make(kTrailing, {});
  EXPECT_EQ("[]", rows.Texts());
  rows.current = 0;
  EXPECT_FALSE(editor.DeleteItem(0));
  EXPECT_FALSE(editor.MoveUp());
  EXPECT_FALSE(editor.MoveDown());
  EXPECT_FALSE(editor.DropRow(0, ListBoxEditorLogic::kAfterLast));
  ASSERT_TRUE(editor.EditCurrentItem('x'));
  editor.Type("x1");
  EXPECT_EQ("[x1][]", rows.Texts());
  EXPECT_EQ("A0:x1 ", editor.log);
}

TEST_F(ListBoxEditorTest, BlanksInTheTrailingRowLeaveItEmptyAndInPlace) {
  Make(kTrailing, {"a"});
  rows.current = 1;
  editor.EditCurrentItem(' ');
  editor.Type("   ");
  EXPECT_EQ("[a][]", rows.Texts());
  EXPECT_EQ("", editor.log);
}

TEST_F(ListBoxEditorTest, NewItemEditsTheRowBeforeTheTrailingRow) {
  Make(kTrailing, {"a"});
  rows.current = 0;
  ASSERT_TRUE(editor.NewItem());
  EXPECT_EQ("[a][][]", rows.Texts());
  rows.current = 1;
  editor.Type("b");
  EXPECT_EQ("[a][b][]", rows.Texts());
  EXPECT_EQ("A1:b ", editor.log);
}

TEST_F(ListBoxEditorTest, ADoubleClickBelowTheRowsAddsARowInsteadOfEditingTheCurrentOne) {
  for (DWORD style : {kTrailing, kPlain}) {
    rows.rows.clear();
    editor.log.clear();
    Make(style, {"a", "b"});
    rows.current = 0;
    ASSERT_TRUE(editor.EditBelowLastRow());
    rows.current = 2;
    editor.Type("c");
    EXPECT_EQ(style == kTrailing ? "[a][b][c][]" : "[a][b][c]", rows.Texts());
    EXPECT_EQ("A2:c ", editor.log);
  }
}

TEST_F(ListBoxEditorTest, EscapeInANewRowRemovesItAndRestoresTheSelection) {
  Make(kPlain, {"a", "b"});
  rows.current = 0;
  ASSERT_TRUE(editor.NewItem());
  EXPECT_EQ("[a][b][]", rows.Texts());
  rows.current = 2;
  editor.Escape(0);
  EXPECT_EQ("[a][b]", rows.Texts());
  EXPECT_EQ(0, rows.current);
  EXPECT_EQ("", editor.log);
}

TEST_F(ListBoxEditorTest, EditingRows) {
  struct Case {
    DWORD style;
    int row;
    const char* typed;
    bool veto;
    const char* rows;
    const char* log;
  } cases[] = {
      {kPlain, 0, "a", false, "[a][b]", ""},                // unchanged: no hook
      {kPlain, 0, "z", false, "[z][b]", "R0:z "},
      {kPlain, 1, "y", false, "[a][y]", "R1:y "},           // last row, no trailing row
      {kPlain, 0, "", false, "[b]", "R0: D0 #10 "},          // cleared: deleted
      {kPlain, 0, "", true, "[][b]", "R0: D0 "},             // ... unless vetoed
      {kTrailing, 1, "", false, "[a][]", "R1: D1 #10 "},
      {kTrailing, 1, "q", false, "[a][q][]", "R1:q "},
  };
  for (const Case& c : cases) {
    FakeListBoxRows fresh;
    rows = fresh;
    editor.log.clear();
    editor.veto = c.veto;
    Make(c.style, {"a", "b"});
    rows.current = c.row;
    ASSERT_TRUE(editor.EditCurrentItem(0));
    editor.Type(c.typed);
    EXPECT_EQ(c.rows, rows.Texts()) << c.typed;
    EXPECT_EQ(c.log, editor.log) << c.typed;
  }
}

TEST_F(ListBoxEditorTest, MovingRows) {
  Make(kTrailing, {"a", "b", "c"});
  struct Case {
    int current;
    bool up;
    BOOL moved;
    const char* rows;
  } cases[] = {
      {0, true, FALSE, "[a][b][c][]"},
      {2, false, FALSE, "[a][b][c][]"},  // last real row
      {3, true, FALSE, "[a][b][c][]"},   // trailing row
      {1, true, TRUE, "[b][a][c][]"},
      {1, false, TRUE, "[b][c][a][]"},
  };
  for (const Case& c : cases) {
    rows.current = c.current;
    EXPECT_EQ(c.moved, c.up ? editor.MoveUp() : editor.MoveDown());
    EXPECT_EQ(c.rows, rows.Texts());
  }
  EXPECT_EQ(2, rows.current);
  EXPECT_EQ(100u, rows.rows[2].data);  // item data moves with the row
  EXPECT_EQ("M1>0 #11 M1>2 #11 ", editor.log);
}

TEST_F(ListBoxEditorTest, MovesNeedExactlyOneSelectedRowInAMultipleSelectionList) {
  Make(kPlain, {"a", "b", "c"});
  rows.multi = true;
  rows.selected = {1, 2};
  EXPECT_FALSE(editor.MoveUp());
  EXPECT_FALSE(editor.MoveDown());
  rows.selected = {1};
  EXPECT_TRUE(editor.MoveUp());
  EXPECT_EQ("[b][a][c]", rows.Texts());
  EXPECT_EQ(std::set<int>{0}, rows.selected);
}

TEST_F(ListBoxEditorTest, DeleteSelectedDeletesEverySelectedRowUntilAVeto) {
  Make(kPlain, {"a", "b", "c", "d"});
  rows.multi = true;
  rows.selected = {1, 3};
  EXPECT_TRUE(editor.DeleteSelected());
  EXPECT_EQ("[a][c]", rows.Texts());
  EXPECT_EQ("D1 #10 D2 #10 ", editor.log);
  rows.selected = {0};
  editor.veto = true;
  EXPECT_FALSE(editor.DeleteSelected());
  EXPECT_EQ("[a][c]", rows.Texts());
}

TEST_F(ListBoxEditorTest, DroppingRows) {
  struct Case {
    int source, target;
    BOOL moved;
    const char* rows;
  } cases[] = {
      {0, 2, TRUE, "[b][a][c][]"},
      {2, 0, TRUE, "[c][a][b][]"},
      {0, ListBoxEditorLogic::kAfterLast, TRUE, "[b][c][a][]"},  // before the trailing row
      {1, 1, FALSE, "[a][b][c][]"},  // on itself
      {1, 2, FALSE, "[a][b][c][]"},  // just after itself: same place
      {2, ListBoxEditorLogic::kAfterLast, FALSE, "[a][b][c][]"},
      {1, ListBoxEditorLogic::kNoTarget, FALSE, "[a][b][c][]"},
      {3, 0, FALSE, "[a][b][c][]"},  // the trailing row is never dragged
  };
  for (const Case& c : cases) {
    FakeListBoxRows fresh;
    rows = fresh;
    editor.log.clear();
    Make(kTrailing, {"a", "b", "c"});
    EXPECT_EQ(c.moved, editor.DropRow(c.source, c.target)) << c.source << ">" << c.target;
    EXPECT_EQ(c.rows, rows.Texts());
    EXPECT_EQ(c.moved != FALSE, !editor.log.empty());
  }
}

TEST_F(ListBoxEditorTest, DragTargets) {
  Make(kTrailing, {"a", "b", "c"});  // rows 0-2 and the trailing row 3
  struct Case {
    int hit;
    BOOL lower;
    int target;
  } cases[] = {
      {0, FALSE, 0}, {0, TRUE, 1}, {2, TRUE, 3}, {3, FALSE, 3}, {4, FALSE, 3}, {-1, FALSE, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.target, editor.DragTarget(c.hit, c.lower)) << c.hit;
  FakeListBoxRows fresh;
  rows = fresh;
  Make(kPlain, {"a", "b"});
  EXPECT_EQ(ListBoxEditorLogic::kAfterLast, editor.DragTarget(1, TRUE));
  EXPECT_EQ(ListBoxEditorLogic::kAfterLast, editor.DragTarget(5, FALSE));
}

}  // namespace
