// The tree control as a window under Wine, set up as the import dialog sets
// up its folder tree: three columns, check-box state images, folder and file
// images with an overlay. Driven by keys and clicks; its notifications, hit
// tests and a screenshot.
#include "ui/lists/ListEdit.h"
#include "ui/lists/TreeCtrl.h"
#include "framework/tests/win/PngWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

const UINT kTreeId = 1202;

void Pump() {
  MSG msg;
  for (int round = 0; round < 3; ++round)
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
}

class NotifyParent : public CWnd {
 public:
  BOOL Make() {
    LPCTSTR cls = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), ::GetSysColorBrush(COLOR_BTNFACE));
    return CreateEx(0, cls, "Tree", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, 480, 360), nullptr,
                    0);
  }
  int Count(UINT code) const {
    return static_cast<int>(std::count(codes.begin(), codes.end(), static_cast<int>(code)));
  }

  std::vector<int> codes;
  std::vector<UINT> expandActions;
  std::vector<UINT> selActions;
  int deleted = 0;
  LRESULT endEditAnswer = 1;
  UINT endEditMessages = 0;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == SECTreeEndLabelEditMessage())
      ++endEditMessages;
    if (message != WM_NOTIFY)
      return CWnd::WindowProc(message, wParam, lParam);
    auto* hdr = reinterpret_cast<NMHDR*>(lParam);
    const UINT code = hdr->code;
    codes.push_back(static_cast<int>(code));
    if (code == TVN_SELCHANGEDA)
      selActions.push_back(reinterpret_cast<NMTREEVIEWA*>(lParam)->action);
    if (code == TVN_ITEMEXPANDINGA)
      expandActions.push_back(reinterpret_cast<NMTREEVIEWA*>(lParam)->action);
    if (code == TVN_DELETEITEMA)
      ++deleted;
    if (code == TVN_ENDLABELEDITA)
      return endEditAnswer;
    return 0;
  }
};

// Square images in plain colours, so that a pixel tells which one is drawn.
void AddSquares(CImageList& list, const std::vector<COLORREF>& colors) {
  list.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 4);
  for (COLORREF color : colors) {
    CClientDC screen(nullptr);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, 16, 16);
    {
      CSelectObjectScope select(dc, bitmap);
      dc.FillSolidRect(0, 0, 16, 16, RGB(255, 0, 255));
      dc.FillSolidRect(1, 1, 14, 14, color);
    }
    list.Add(&bitmap, RGB(255, 0, 255));
  }
}

const COLORREF kUnchecked = RGB(200, 200, 200);
const COLORREF kChecked = RGB(0, 160, 0);
const COLORREF kFolder = RGB(220, 180, 40);
const COLORREF kFile = RGB(40, 90, 200);
const COLORREF kOverlay = RGB(200, 0, 0);

class TreeGui : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    parent = new NotifyParent;
    parent->Make();
  }
  static void TearDownTestSuite() {
    parent->DestroyWindow();
    delete parent;
    parent = nullptr;
  }

  void SetUp() override {
    AddSquares(states, {RGB(0, 0, 0), kUnchecked, kChecked, RGB(0, 90, 0)});
    AddSquares(images, {kFolder, kFolder, kFile, kOverlay});
    ::ImageList_SetOverlayImage(images.GetSafeHandle(), 3, 1);
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 460, 310), parent, kTreeId));
    tree.SetTreeStyle(0x50000037, TRUE);
    tree.ShowHeader(TRUE, TRUE);
    tree.SetColumnHeading(0, "Name");
    tree.SetColumnWidth(0, 220);
    tree.InsertColumn(1, "Size", LVCFMT_RIGHT, 80, -1, -1, TRUE);
    tree.InsertColumn(2, "Date", LVCFMT_RIGHT, 120, -1, -1, TRUE);
    tree.StoreSubItemText(TRUE);
    tree.SetImageList(&images, TVSIL_NORMAL);
    tree.SetImageList(&states, TVSIL_STATE);
    const UINT mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE | TVIF_PARAM;
    root = tree.InsertItem(mask, "<S/N: 0001234>", 0, 1, INDEXTOSTATEIMAGEMASK(1), TVIS_STATEIMAGEMASK, 0, TVI_ROOT,
                           TVI_LAST);
    for (int f = 0; f < 3; ++f) {
      std::string name = "DATA" + std::to_string(f);
      HTREEITEM folder = tree.InsertItem(mask, name.c_str(), 0, 1, INDEXTOSTATEIMAGEMASK(1), TVIS_STATEIMAGEMASK, f + 1,
                                         root, TVI_LAST);
      folders.push_back(folder);
      for (int i = 0; i < 3; ++i) {
        std::string file = "F" + std::to_string(f) + std::to_string(i) + ".G7K";
        UINT state = INDEXTOSTATEIMAGEMASK(i == 0 ? 2 : 1) | (i == 1 ? INDEXTOOVERLAYMASK(1) : 0);
        HTREEITEM item = tree.InsertItem(mask, file.c_str(), 2, 2, state, TVIS_STATEIMAGEMASK | TVIS_OVERLAYMASK, f + 1,
                                         folder, TVI_LAST);
        tree.SetItemText(item, 1, std::to_string(1000 * (i + 1)).c_str());
        tree.SetItemText(item, 2, "2026-12-10 12:00");
      }
    }
    tree.ExpandBranch(root, TRUE);
    tree.SetFocus();
    Pump();
    parent->codes.clear();
    parent->expandActions.clear();
    parent->selActions.clear();
    parent->deleted = 0;
    parent->endEditMessages = 0;
  }
  void TearDown() override {
    tree.DestroyWindow();
    Pump();
  }

  CRect Cell(HTREEITEM item) {
    CRect cell;
    tree.GetSubItemRect(RowOf(item), 0, &cell, 0);
    return cell;
  }
  int RowOf(HTREEITEM item) { return tree.GetLogic().RowOf(tree.GetLogic().Node(item)); }
  CRect Label(HTREEITEM item) {
    CRect label;
    tree.GetSubItemRect(RowOf(item), 0, &label, 2);
    return label;
  }
  void Key(UINT vk) {
    tree.SendMessage(WM_KEYDOWN, vk, 0);
    tree.SendMessage(WM_KEYUP, vk, 0xC0000000);
    Pump();
  }
  void Click(CPoint pt) {
    tree.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    tree.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    Pump();
  }
  COLORREF Pixel(CPoint pt) {
    CClientDC dc(&tree);
    return dc.GetPixel(pt.x, pt.y) & 0xFFFFFF;
  }

  static NotifyParent* parent;
  SECTreeCtrl tree;
  CImageList states;
  CImageList images;
  HTREEITEM root = nullptr;
  std::vector<HTREEITEM> folders;
};

NotifyParent* TreeGui::parent = nullptr;

TEST_F(TreeGui, ItemsColumnsAndWalksAsTheImportDialogReadsThem) {
  EXPECT_EQ(13, tree.GetItemCount());
  EXPECT_EQ(root, tree.GetRootItem(nullptr));
  EXPECT_EQ(folders[0], tree.GetNextItem(root, TVGN_CHILD));
  EXPECT_EQ(folders[1], tree.GetNextItem(folders[0], TVGN_NEXT));
  HTREEITEM file = tree.GetChildItem(folders[1]);
  EXPECT_EQ("F10.G7K", std::string(tree.GetItemText(file)));
  EXPECT_EQ("1000", std::string(tree.GetItemText(file, 1)));
  EXPECT_EQ("2026-12-10 12:00", std::string(tree.GetItemText(file, 2)));
  EXPECT_EQ(UINT(INDEXTOSTATEIMAGEMASK(2)), tree.GetItemState(file, TVIS_STATEIMAGEMASK));
  EXPECT_EQ(2u, tree.GetItemData(file));
  EXPECT_TRUE(tree.ItemHasChildren(folders[1]));
  EXPECT_FALSE(tree.ItemHasChildren(file));
  tree.DisableItem(folders[2], TRUE);
  EXPECT_TRUE(tree.IsItemDisabled(tree.GetChildItem(folders[2])));
  EXPECT_EQ(TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_DISABLEDRAGDROP | TVS_SHOWSELALWAYS,
            tree.GetTreeStyle());
}

TEST_F(TreeGui, KeysMoveTheCaretAndExpandAndCollapse) {
  tree.SelectItem(folders[0]);
  parent->codes.clear();
  Key(VK_LEFT);  // collapses the expanded folder
  EXPECT_EQ(10, tree.GetItemCount());
  EXPECT_EQ(1, parent->Count(TVN_ITEMEXPANDINGA));
  EXPECT_EQ(1, parent->Count(TVN_ITEMEXPANDEDA));
  Key(VK_LEFT);  // then goes to the parent
  EXPECT_EQ(root, tree.GetSelectedItem());
  EXPECT_GE(parent->Count(TVN_SELCHANGEDA), 1);
  Key(VK_DOWN);
  EXPECT_EQ(folders[0], tree.GetSelectedItem());
  Key(VK_RIGHT);  // expands
  EXPECT_EQ(13, tree.GetItemCount());
  Key(VK_RIGHT);  // then goes to the first child
  EXPECT_EQ(tree.GetChildItem(folders[0]), tree.GetSelectedItem());
  Key(VK_BACK);
  EXPECT_EQ(folders[0], tree.GetSelectedItem());
  tree.CollapseBranch(root, TRUE);
  EXPECT_EQ(1, tree.GetItemCount());
  Key(VK_MULTIPLY);  // the caret went to the root; its branch opens whole
  EXPECT_EQ(root, tree.GetSelectedItem());
  EXPECT_EQ(13, tree.GetItemCount());
  EXPECT_EQ(std::vector<UINT>({TVE_COLLAPSE, TVE_EXPAND, TVE_COLLAPSE, TVE_COLLAPSE, TVE_COLLAPSE, TVE_COLLAPSE,
                               TVE_EXPAND, TVE_EXPAND, TVE_EXPAND, TVE_EXPAND}),
            parent->expandActions);
}

TEST_F(TreeGui, TypingFindsALabelAndTheExpandKeysAreNotTyped) {
  for (char c : std::string("data1"))
    tree.SendMessage(WM_CHAR, static_cast<WPARAM>(c), 0);
  Pump();
  EXPECT_EQ(folders[1], tree.GetSelectedItem());
  tree.SendMessage(WM_CHAR, '+', 0);
  tree.SendMessage(WM_CHAR, '-', 0);
  Pump();
  EXPECT_EQ(folders[1], tree.GetSelectedItem());
  EXPECT_EQ(13, tree.GetItemCount());
}

TEST_F(TreeGui, ClicksHitButtonsStateImagesAndLabels) {
  HTREEITEM file = tree.GetChildItem(folders[1]);
  CRect label = Label(file);
  UINT flags = 0;
  EXPECT_EQ(file, tree.HitTest(label.CenterPoint(), &flags));
  EXPECT_EQ(UINT(TVHT_ONITEMLABEL), flags);
  SECListItem* row = tree.GetItemAt(RowOf(file));
  CRect state = CRect(row->m_rcStateIcon) + Cell(file).TopLeft();
  EXPECT_EQ(file, tree.HitTest(state.CenterPoint(), &flags));
  EXPECT_EQ(UINT(TVHT_ONITEMSTATEICON), flags);
  CRect icon = CRect(row->m_rcIcon) + Cell(file).TopLeft();
  EXPECT_EQ(file, tree.HitTest(icon.CenterPoint(), &flags));
  EXPECT_EQ(UINT(TVHT_ONITEMICON), flags);
  CRect button;
  tree.GetButtonRect(&button, RowOf(folders[1]), tree.GetLogic().Node(folders[1]));
  EXPECT_EQ(folders[1], tree.HitTest(button.CenterPoint(), &flags));
  EXPECT_EQ(UINT(TVHT_ONITEMBUTTON), flags);
  Click(button.CenterPoint());
  EXPECT_EQ(10, tree.GetItemCount());
  Click(button.CenterPoint());
  EXPECT_EQ(13, tree.GetItemCount());
  Click(label.CenterPoint());
  EXPECT_EQ(file, tree.GetSelectedItem());
  ASSERT_FALSE(parent->selActions.empty());
  EXPECT_EQ(UINT(TVC_BYMOUSE), parent->selActions.back());
  EXPECT_EQ(nullptr, tree.HitTest(CPoint(5, 290), &flags));
}

TEST_F(TreeGui, SingleExpandCollapsesTheBranchLeftAndHiddenItemsLoseTheirRows) {
  tree.ModifyTreeStyle(0, TVS_SINGLEEXPAND, TRUE);
  Click(Label(folders[0]).CenterPoint());
  EXPECT_EQ(folders[0], tree.GetSelectedItem());
  EXPECT_EQ(13, tree.GetItemCount());  // the root's branch holds the click
  Click(Label(folders[1]).CenterPoint());
  EXPECT_EQ(folders[1], tree.GetSelectedItem());
  EXPECT_EQ(10, tree.GetItemCount());
  EXPECT_FALSE(tree.GetItemState(folders[0], TVIS_EXPANDED));
  EXPECT_TRUE(tree.GetItemState(folders[1], TVIS_EXPANDED));
  TVITEM item{};
  item.hItem = folders[2];
  SECListStateExChange hide;
  hide.mask = 1;
  hide.state = SEC_TVIS_HIDDEN;
  hide.stateMask = SEC_TVIS_HIDDEN;
  tree.SetItemStateEx(&item, &hide);
  EXPECT_EQ(6, tree.GetItemCount());
  EXPECT_TRUE(tree.IsItemHidden(tree.GetChildItem(folders[2])));
  hide.state = 0;
  tree.SetItemStateEx(&item, &hide);
  EXPECT_EQ(10, tree.GetItemCount());
}

TEST_F(TreeGui, AnimatedExpandAndCollapseLeaveTheSameRows) {
  tree.ModifyTreeStyleEx(0, SECTreeBaseC::kAnimate, TRUE);
  tree.CollapseBranch(root, TRUE);
  ASSERT_EQ(1, tree.GetItemCount());
  Key(VK_MULTIPLY);
  EXPECT_EQ(13, tree.GetItemCount());
  Key(VK_LEFT);
  EXPECT_EQ(1, tree.GetItemCount());
  Key(VK_RIGHT);
  EXPECT_EQ(13, tree.GetItemCount());
  std::string labels;
  for (int row = 0; row < tree.GetItemCount(); ++row)
    labels += tree.GetLogic().NodeAt(row)->GetText() + std::string(" ");
  EXPECT_EQ(
      "<S/N: 0001234> DATA0 F00.G7K F01.G7K F02.G7K DATA1 F10.G7K F11.G7K F12.G7K "
      "DATA2 F20.G7K F21.G7K F22.G7K ",
      labels);
}

TEST_F(TreeGui, ExpandingNearTheBottomScrollsTheNewChildrenIntoView) {
  for (int i = 0; i < 20; ++i)
    tree.InsertItem(("T" + std::to_string(i)).c_str());
  HTREEITEM big = tree.InsertItem("BIG");
  for (int i = 0; i < 8; ++i)
    tree.InsertItem(("B" + std::to_string(i)).c_str(), big);
  tree.EnsureVisible(big);
  Pump();
  const int bigRow = RowOf(big);
  ASSERT_GT(bigRow, tree.GetLastVisibleIndex() - 3);  // near the bottom
  tree.Expand(big, TVE_EXPAND, TRUE);
  Pump();
  EXPECT_LE(RowOf(tree.GetNextItem(big, TVGN_CHILD)) + 7, tree.GetLastVisibleIndex());
  EXPECT_GE(bigRow, tree.GetTopIndex());
}

TEST_F(TreeGui, PaintsLinesButtonsStateImagesAndOverlaysAndWritesAScreenshot) {
  HTREEITEM checkedFile = tree.GetChildItem(folders[0]);
  HTREEITEM overlaid = tree.GetNextSiblingItem(checkedFile);
  tree.SelectItem(tree.GetChildItem(folders[2]));
  tree.Expand(folders[1], TVE_COLLAPSE, TRUE);
  tree.RedrawWindow();
  Pump();
  auto centreOf = [&](HTREEITEM item, RECT SECListItem::*part) {
    SECListItem* row = tree.GetItemAt(RowOf(item));
    return (CRect(row->*part) + Cell(item).TopLeft()).CenterPoint();
  };
  EXPECT_EQ(kChecked, Pixel(centreOf(checkedFile, &SECListItem::m_rcStateIcon)));
  EXPECT_EQ(kUnchecked, Pixel(centreOf(overlaid, &SECListItem::m_rcStateIcon)));
  EXPECT_EQ(kFile, Pixel(centreOf(checkedFile, &SECListItem::m_rcIcon)));
  EXPECT_EQ(kOverlay, Pixel(centreOf(overlaid, &SECListItem::m_rcIcon)));
  CRect button;
  tree.GetButtonRect(&button, RowOf(folders[1]), tree.GetLogic().Node(folders[1]));
  EXPECT_EQ(RGB(255, 255, 255), Pixel(CPoint(button.left + 1, button.top + 1)));
  EXPECT_EQ(::GetSysColor(COLOR_WINDOWTEXT) & 0xFFFFFF, Pixel(button.CenterPoint()));
  EXPECT_TRUE(WriteWindowPng(parent->m_hWnd, "ui_tree.png"));
}

TEST_F(TreeGui, EditedLabelsAreBoundedAndTheOwnerIsTold) {
  HTREEITEM file = tree.GetChildItem(folders[0]);
  for (size_t length : {2047u, 3000u}) {
    SECListEdit* edit = tree.EditLabel(file);
    ASSERT_NE(nullptr, edit);
    ::SetWindowTextA(edit->m_hWnd, std::string(length, 'x').c_str());
    tree.EndLabelEdit(TRUE);
    Pump();
    EXPECT_EQ(2047, tree.GetItemText(file).GetLength());
  }
  EXPECT_EQ(2u, parent->endEditMessages);
}

TEST_F(TreeGui, TheDragImageHoldsTheIconAndTheLabel) {
  HTREEITEM file = tree.GetChildItem(folders[0]);
  std::unique_ptr<CImageList> image = tree.CreateDragImage(file);
  ASSERT_NE(nullptr, image);
  int cx = 0;
  int cy = 0;
  ::ImageList_GetIconSize(image->GetSafeHandle(), &cx, &cy);
  CClientDC dc(&tree);
  CSelectObjectScope font(dc, tree.GetListFont());
  CSize label = dc.GetTextExtent("F00.G7K", 7);
  EXPECT_EQ(16 + 6 + label.cx, cx);
  EXPECT_EQ(std::max<int>(16, label.cy), cy);
  EXPECT_EQ(nullptr, tree.CreateDragImage(reinterpret_cast<HTREEITEM>(0x5000)));
}

TEST_F(TreeGui, SeveralSelectedItemsDragTogether) {
  tree.SetMultiSelect(TRUE);
  HTREEITEM first = tree.GetChildItem(folders[0]);
  HTREEITEM deeper = folders[2];
  tree.SelectItem(first);
  tree.DeselectAllExcept(RowOf(first));
  tree.SECListBaseC::SetItemState(RowOf(deeper), LVIS_SELECTED, LVIS_SELECTED);
  std::vector<std::pair<HTREEITEM, CRect>> rects;
  CPoint corner = tree.GetSelectedDragRects(&rects);
  ASSERT_EQ(2u, rects.size());
  EXPECT_EQ(Label(deeper).left, corner.x);  // the shallower item lies further left
  EXPECT_EQ(Label(first).top, corner.y);
  EXPECT_EQ(CRect(Label(first)) - corner, rects[0].second);
  EXPECT_EQ(CRect(Label(deeper)) - corner, rects[1].second);
  CClientDC dc(&tree);
  tree.DrawSelectedDragImages(&dc, CPoint(0, 0));
}

TEST_F(TreeGui, AClickOnAStateImageReachesTheOwner) {
  HTREEITEM file = tree.GetChildItem(folders[1]);
  SECListItem* row = tree.GetItemAt(RowOf(file));
  Click((CRect(row->m_rcStateIcon) + Cell(file).TopLeft()).CenterPoint());
  EXPECT_EQ(1, parent->Count(NM_CLICK));
}

TEST_F(TreeGui, TheInPlaceEditorRenamesAnItem) {
  tree.ModifyTreeStyle(0, TVS_EDITLABELS, TRUE);
  HTREEITEM file = tree.GetChildItem(folders[2]);
  SECListEdit* edit = tree.EditLabel(file);
  ASSERT_NE(nullptr, edit);
  CString shown;
  edit->GetWindowText(shown);
  EXPECT_EQ("F20.G7K", std::string(shown));
  ::SetWindowTextA(edit->m_hWnd, "RENAMED.G7K");
  edit->SendMessage(WM_KEYDOWN, VK_RETURN, 1);
  Pump();
  EXPECT_EQ("RENAMED.G7K", std::string(tree.GetItemText(file)));
  EXPECT_EQ(1, parent->Count(TVN_BEGINLABELEDITA));
  EXPECT_EQ(1, parent->Count(TVN_ENDLABELEDITA));
  EXPECT_EQ(1u, parent->endEditMessages);
  // The owner refuses the next one: the label stays.
  parent->endEditAnswer = 0;
  edit = tree.EditLabel(file);
  ASSERT_NE(nullptr, edit);
  ::SetWindowTextA(edit->m_hWnd, "REFUSED");
  edit->SendMessage(WM_KEYDOWN, VK_RETURN, 1);
  Pump();
  parent->endEditAnswer = 1;
  EXPECT_EQ("RENAMED.G7K", std::string(tree.GetItemText(file)));
}

TEST_F(TreeGui, DestroyingTheTreeTellsTheOwnerOfEveryItem) {
  tree.DestroyWindow();
  Pump();
  EXPECT_EQ(13, parent->deleted);
  parent->deleted = 0;
}

TEST_F(TreeGui, ATreeDestroyedWithItsWindowStillUpTellsTheOwnerToo) {
  auto other = std::make_unique<SECTreeCtrl>();
  ASSERT_TRUE(other->Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), parent, kTreeId + 1));
  other->InsertItem("a", other->InsertItem("top"));
  other.reset();
  Pump();
  EXPECT_EQ(2, parent->deleted);
}

TEST_F(TreeGui, ReplacesADialogPlaceholder) {
  tree.DestroyWindow();
  HWND placeholder =
      ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 20, 30, 200, 150, parent->m_hWnd,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTreeId)), ::GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(nullptr, placeholder);
  ASSERT_TRUE(tree.ReplaceDlgItem(kTreeId, parent));
  EXPECT_FALSE(::IsWindow(placeholder));
  EXPECT_EQ(tree.m_hWnd, ::GetDlgItem(parent->m_hWnd, kTreeId));
  CRect rect;
  tree.GetWindowRect(&rect);
  parent->ScreenToClient(&rect);
  EXPECT_EQ(CRect(20, 30, 220, 180), rect);
  EXPECT_TRUE(tree.GetFlyByTips());
  EXPECT_FALSE(tree.ReplaceDlgItem(4711, parent));
}

}  // namespace
