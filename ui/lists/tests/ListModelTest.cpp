#include "ui/lists/ListModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A model with n labelled items ("i0", "i1", ...) and the given columns.
struct ModelFixture {
  explicit ModelFixture(int nItems, int nColumns = 1) {
    for (int c = 0; c < nColumns; ++c) {
      SECListColumn column;
      column.heading = "c" + std::to_string(c);
      column.cx = 50;
      column.iSubItem = -1;
      model.InsertColumn(c, column);
    }
    for (int i = 0; i < nItems; ++i) {
      model.InsertItem(i, std::make_unique<SECListItem>());
      model.GetItem(i)->m_text.Set(("i" + std::to_string(i)).c_str());
    }
  }
  void SetState(int nItem, UINT state, UINT mask) { model.SetItemState(nItem, state, mask); }
  std::string Labels() const {
    std::string all;
    for (int i = 0; i < model.GetItemCount(); ++i)
      all += model.GetItem(i)->m_text.Get() + " ";
    return all;
  }
  std::vector<int> Selection() const { return model.GetSelection(); }
  CListModel model;
};

TEST(ListModel, InsertShiftsFocusSelectionAndDropHighlight) {
  ModelFixture f(4);
  f.SetState(1, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
  f.SetState(3, LVIS_SELECTED | LVIS_DROPHILITED, LVIS_SELECTED | LVIS_DROPHILITED);
  f.model.SetAnchor(1);
  f.model.InsertItem(1, std::make_unique<SECListItem>());
  EXPECT_EQ(2, f.model.GetFocus());
  EXPECT_EQ(2, f.model.GetAnchor());
  EXPECT_EQ(4, f.model.GetDropHilite());
  EXPECT_EQ((std::vector<int>{2, 4}), f.Selection());
  f.model.InsertItem(99, std::make_unique<SECListItem>());  // beyond the end appends
  EXPECT_EQ(6, f.model.GetItemCount());
  EXPECT_EQ((std::vector<int>{2, 4}), f.Selection());
}

TEST(ListModel, DeleteMovesFocusSelectionAndDropHighlightByTheEngineRules) {
  struct Case {
    const char* name;
    int focus;
    std::vector<int> selected;
    int drop;
    int index, count;
    int wantFocus;
    std::vector<int> wantSelected;
    int wantDrop;
  } cases[] = {
      {"focused item deleted, follower takes over", 2, {2}, 2, 2, 1, 2, {2}, 2},
      {"focused last item deleted, new last takes over", 4, {4}, 4, 4, 1, 3, {3}, 3},
      {"focus inside a deleted range goes before it", 3, {3}, 3, 2, 2, 1, {1}, 1},
      {"focus after the range moves down", 4, {0, 4}, 4, 1, 2, 2, {0, 2}, 2},
      {"selection inside the range is dropped", 0, {0, 1, 2, 4}, -1, 1, 2, 0, {0, 2}, -1},
      {"focus before the range stays", 0, {3}, 1, 2, 2, 0, {0}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ModelFixture f(5);
    f.SetState(c.focus, LVIS_FOCUSED, LVIS_FOCUSED);
    for (int s : c.selected)
      f.SetState(s, LVIS_SELECTED, LVIS_SELECTED);
    if (c.drop >= 0)
      f.SetState(c.drop, LVIS_DROPHILITED, LVIS_DROPHILITED);
    EXPECT_TRUE(f.model.DeleteItems(c.index, c.count));
    EXPECT_EQ(c.wantFocus, f.model.GetFocus());
    EXPECT_EQ(c.wantSelected, f.Selection());
    EXPECT_EQ(c.wantDrop, f.model.GetDropHilite());
  }
}

TEST(ListModel, DeleteRefusesBadIndicesAndClampsTheCount) {
  ModelFixture f(3);
  EXPECT_FALSE(f.model.DeleteItems(-1, 1));
  EXPECT_FALSE(f.model.DeleteItems(3, 1));
  EXPECT_TRUE(f.model.DeleteItems(1, 10));
  EXPECT_EQ("i0 ", f.Labels());
}

TEST(ListModel, TextCallbacksAreReportedAndStoredOnlyWithSetItem) {
  ModelFixture f(1, 2);
  char callback[] = "ignored";
  LVITEM set{};
  set.mask = LVIF_TEXT;
  set.iItem = 0;
  set.iSubItem = 1;  // a new cell is a callback
  set.pszText = callback;
  CListModel::SetResult result = f.model.SetItem(set);
  EXPECT_TRUE(result.bValid);
  EXPECT_EQ(static_cast<UINT>(LVIF_TEXT), result.nCallbackMask);
  EXPECT_TRUE(f.model.GetItem(0)->GetSubItem(1)->m_text.IsCallback());

  set.mask |= LVIF_DI_SETITEM;
  result = f.model.SetItem(set);
  EXPECT_EQ(0u, result.nCallbackMask);
  EXPECT_EQ("ignored", f.model.GetItem(0)->GetSubItem(1)->m_text.Get());

  char buffer[4];
  LVITEM get{};
  get.mask = LVIF_TEXT;
  get.iItem = 0;
  get.iSubItem = 1;
  get.pszText = buffer;
  get.cchTextMax = sizeof(buffer);
  UINT reported = 99;
  ASSERT_TRUE(f.model.GetItem(get, TRUE, TRUE, FALSE, &reported));
  EXPECT_EQ(0u, reported);
  EXPECT_STREQ("ign", buffer);  // copies are cut to the buffer

  set.mask = LVIF_TEXT;
  set.pszText = LPSTR_TEXTCALLBACK;
  f.model.SetItem(set);
  get.pszText = buffer;
  ASSERT_TRUE(f.model.GetItem(get, TRUE, FALSE, FALSE, &reported));
  EXPECT_EQ(static_cast<UINT>(LVIF_TEXT), reported);
  EXPECT_EQ(LPSTR_TEXTCALLBACK, get.pszText);  // without notification the marker comes back
}

TEST(ListModel, StateMasksAndImageCallbacks) {
  ModelFixture f(2);
  LVITEM lvi{};
  lvi.mask = LVIF_STATE | LVIF_IMAGE | LVIF_PARAM;
  lvi.iItem = 1;
  lvi.state = LVIS_SELECTED | LVIS_CUT | 0x2000;
  lvi.stateMask = LVIS_SELECTED | LVIS_CUT | LVIS_STATEIMAGEMASK;
  lvi.iImage = I_IMAGECALLBACK;
  lvi.lParam = 42;
  EXPECT_TRUE(f.model.SetItem(lvi).bChanged);
  EXPECT_EQ(static_cast<UINT>(LVIS_SELECTED | LVIS_CUT | 0x2000), f.model.GetItemState(1, ~0u));
  EXPECT_EQ(static_cast<UINT>(LVIS_CUT), f.model.GetItemState(1, LVIS_CUT | LVIS_FOCUSED));

  LVITEM get{};
  get.mask = LVIF_IMAGE | LVIF_STATE;
  get.iItem = 1;
  get.stateMask = ~0u;
  UINT reported = 0;
  ASSERT_TRUE(f.model.GetItem(get, FALSE, TRUE, TRUE, &reported));
  EXPECT_EQ(static_cast<UINT>(LVIF_IMAGE | LVIF_STATE), reported);
  EXPECT_EQ(42, get.lParam);  // filled because something was reported

  lvi.mask = LVIF_IMAGE;
  lvi.iImage = 3;  // the image is a callback: reported, not stored
  EXPECT_EQ(static_cast<UINT>(LVIF_IMAGE), f.model.SetItem(lvi).nCallbackMask);
  EXPECT_EQ(I_IMAGECALLBACK, f.model.GetItem(1)->m_iImage);
  lvi.iItem = 7;
  EXPECT_FALSE(f.model.SetItem(lvi).bValid);
}

TEST(ListModel, NextItemBySearchFlags) {
  ModelFixture f(5);
  f.SetState(1, LVIS_SELECTED, LVIS_SELECTED);
  f.SetState(3, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  EXPECT_EQ(1, f.model.GetNextItem(-1, LVNI_SELECTED));
  EXPECT_EQ(3, f.model.GetNextItem(1, LVNI_SELECTED));
  EXPECT_EQ(-1, f.model.GetNextItem(3, LVNI_SELECTED));
  EXPECT_EQ(1, f.model.GetNextItem(3, LVNI_SELECTED | LVNI_ABOVE));
  EXPECT_EQ(3, f.model.GetNextItem(-1, LVNI_FOCUSED));
  EXPECT_EQ(2, f.model.GetNextItem(1, LVNI_ALL));
  EXPECT_EQ(-1, f.model.GetNextItem(1, LVNI_BELOW));
}

TEST(ListModel, ColumnsInTheMiddleGetTheirOwnSubItem) {
  ModelFixture f(1, 3);  // sub-items 0, 1, 2
  SECListColumn column;
  column.heading = "new";
  column.iSubItem = -1;
  column.cx = -1;
  f.model.InsertColumn(1, column);
  std::vector<int> subItems;
  for (int c = 0; c < f.model.GetColumnCount(); ++c)
    subItems.push_back(f.model.GetColumnSubItem(c));
  EXPECT_EQ((std::vector<int>{0, 3, 1, 2}), subItems);
  EXPECT_EQ(10, f.model.GetColumn(1)->cx);
  EXPECT_EQ(3u, f.model.GetItem(0)->m_subItems.size());
}

TEST(ListModel, MoveColumnKeepsHeadingsAndDataTogether) {
  ModelFixture f(2, 4);
  for (int i = 0; i < 2; ++i)
    for (int s = 1; s <= 3; ++s)
      f.model.GetItem(i)->GetSubItem(s)->m_text.Set(("c" + std::to_string(s)).c_str());
  int from = 0;
  int to = 0;
  EXPECT_FALSE(f.model.MoveColumn(0, 2));
  EXPECT_FALSE(f.model.MoveColumn(2, 0));
  ASSERT_TRUE(f.model.MoveColumn(3, 1, &from, &to));  // "c3" to the front
  EXPECT_EQ(3, from);
  EXPECT_EQ(1, to);
  for (int c = 1; c < 4; ++c) {
    SCOPED_TRACE(c);
    EXPECT_EQ(c, f.model.GetColumnSubItem(c));
    EXPECT_EQ(f.model.GetColumn(c)->heading, f.model.GetItem(1)->GetSubItem(c)->m_text.Get());
  }
  ASSERT_TRUE(f.model.MoveColumn(1, 99));  // to the end
  EXPECT_EQ("c3", f.model.GetColumn(3)->heading);
  EXPECT_EQ("c3", f.model.GetItem(0)->GetSubItem(3)->m_text.Get());
}

TEST(ListModel, DeleteColumnRenumbersAndGivesTheLabelItsWidth) {
  ModelFixture f(1, 4);
  f.model.GetItem(0)->GetSubItem(3)->m_text.Set("three");
  ASSERT_TRUE(f.model.DeleteColumn(1, FALSE));
  EXPECT_EQ(100, f.model.GetColumn(0)->cx);
  EXPECT_EQ(2, f.model.GetSubItemCount());
  EXPECT_EQ(2, f.model.GetColumnSubItem(2));
  EXPECT_EQ("three", f.model.GetItem(0)->GetSubItem(2)->m_text.Get());
  ASSERT_TRUE(f.model.DeleteColumn(1, TRUE));
  EXPECT_EQ(100, f.model.GetColumn(0)->cx);
  EXPECT_FALSE(f.model.DeleteColumn(5, FALSE));
}

}  // namespace
