#include "ui/lists/ListSelection.h"

#include "ui/lists/ListModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The selection engine over a real model, recording the hooks.
class Host : public IListSelectionHost {
 public:
  explicit Host(int nItems, bool multi = true) : m_bMulti(multi) {
    for (int i = 0; i < nItems; ++i)
      model.InsertItem(i, std::make_unique<SECListItem>());
  }
  BOOL IsMultiSelect() const override { return m_bMulti; }
  int GetFocusItem() const override { return model.GetFocus(); }
  int GetAnchorItem() const override { return model.GetAnchor(); }
  void SetAnchorItem(int nItem) override { model.SetAnchor(nItem); }
  BOOL IsItemSelected(int nItem) const override { return model.IsSelected(nItem); }
  int GetSelectedCount() const override { return model.GetSelectedCount(); }
  void SetFocusItem(int nItem, BOOL bSelect) override {
    if (!m_bMulti)
      DeselectAllExcept(nItem);
    if (model.GetFocus() >= 0)
      model.SetItemState(model.GetFocus(), 0, LVIS_FOCUSED);
    model.SetItemState(nItem, LVIS_FOCUSED | (bSelect ? LVIS_SELECTED : 0), LVIS_FOCUSED | LVIS_SELECTED);
    model.SetAnchor(nItem);
  }
  void SetCaretItem(int nItem) override {
    if (model.GetFocus() >= 0)
      model.SetItemState(model.GetFocus(), 0, LVIS_FOCUSED);
    model.SetItemState(nItem, LVIS_FOCUSED, LVIS_FOCUSED);
    model.SetAnchor(nItem);
  }
  void DeselectAllExcept(int nItem) override {
    std::vector<int> selected = model.GetSelection();
    for (int s : selected)
      if (s != nItem)
        model.SetItemState(s, 0, LVIS_SELECTED);
  }
  void SelectRange(int a, int b, BOOL bSelect) override {
    for (int i = std::min(a, b); i <= std::max(a, b); ++i)
      model.SetItemState(i, bSelect ? LVIS_SELECTED : 0, LVIS_SELECTED);
  }
  int OnSelChanging(int, int, BOOL) override {
    ++changing;
    return veto;
  }
  void OnSelChanged(int nItem, int, BOOL) override { changed.push_back(nItem); }
  void HideTip() override {}
  void InvalidateItemRange(int, int) override {}

  BOOL Select(int nItem, UINT keys = 0, BOOL bMouse = TRUE) {
    return SelectListItem(*this, nItem, keys, bMouse, vetoed);
  }
  std::vector<int> Selection() const { return model.GetSelection(); }

  CListModel model;
  int veto = 0;
  int changing = 0;
  BOOL vetoed = FALSE;
  std::vector<int> changed;

 private:
  bool m_bMulti;
};

TEST(ListSelection, PlainClicksSelectOneItem) {
  Host host(5);
  EXPECT_TRUE(host.Select(2));
  EXPECT_TRUE(host.Select(4));
  EXPECT_EQ(std::vector<int>{4}, host.Selection());
  EXPECT_EQ(4, host.GetFocusItem());
  EXPECT_EQ((std::vector<int>{2, 4}), host.changed);
}

TEST(ListSelection, ShiftSelectsFromTheAnchorAndKeepsIt) {
  Host host(6);
  host.Select(1);
  host.Select(4, kListKeyShift);
  EXPECT_EQ((std::vector<int>{1, 2, 3, 4}), host.Selection());
  EXPECT_EQ(1, host.GetAnchorItem());
  host.Select(0, kListKeyShift);
  EXPECT_EQ((std::vector<int>{0, 1}), host.Selection());
  Host none(3);
  none.Select(2, kListKeyShift);  // no anchor: nothing
  EXPECT_TRUE(none.Selection().empty());
}

TEST(ListSelection, ControlTogglesWithTheMouseAndMovesTheCaretByKey) {
  Host host(5);
  host.Select(1);
  host.Select(3, kListKeyControl);
  EXPECT_EQ((std::vector<int>{1, 3}), host.Selection());
  host.Select(1, kListKeyControl);
  EXPECT_EQ(std::vector<int>{3}, host.Selection());
  EXPECT_EQ(1, host.GetFocusItem());
  host.Select(4, kListKeyControl, FALSE);  // Ctrl+Down
  EXPECT_EQ(std::vector<int>{3}, host.Selection());
  EXPECT_EQ(4, host.GetFocusItem());
}

TEST(ListSelection, ARightClickInsideAMultipleSelectionKeepsIt) {
  Host host(5);
  host.Select(1);
  host.Select(3, kListKeyShift);
  int before = host.changing;
  EXPECT_TRUE(host.Select(2, kListKeyRButton));
  EXPECT_EQ((std::vector<int>{1, 2, 3}), host.Selection());
  EXPECT_EQ(before, host.changing);
}

TEST(ListSelection, AVetoLeavesTheSelectionAndStopsShiftAndControl) {
  Host host(5);
  host.Select(1);
  host.veto = 1;
  EXPECT_FALSE(host.Select(3));
  EXPECT_EQ(std::vector<int>{1}, host.Selection());
  host.veto = 0;
  EXPECT_TRUE(host.Select(3, kListKeyShift));  // the last change was vetoed
  EXPECT_EQ(std::vector<int>{1}, host.Selection());
  EXPECT_TRUE(host.Select(3));
  EXPECT_EQ(std::vector<int>{3}, host.Selection());
}

TEST(ListSelection, SingleSelectionIgnoresShiftAndControl) {
  Host host(4, false);
  host.Select(0);
  host.Select(2, kListKeyShift);
  EXPECT_EQ(std::vector<int>{2}, host.Selection());
}

}  // namespace
