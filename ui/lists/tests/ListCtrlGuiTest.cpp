// The list control as a window under Wine: a report list with three columns
// driven by keyboard and mouse messages, its notifications, scrolling, the
// in-place label editor, tips and a screenshot of the painted list.
#include "ui/lists/ListCtrl.h"
#include "ui/lists/ListEdit.h"
#include "ui/lists/ListTip.h"
#include "framework/tests/win/PngWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const UINT kListId = 1000;

void Pump() {
  MSG msg;
  for (int round = 0; round < 3; ++round)
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
}

// A top-level window that records the list's notifications and answers the
// ones that ask.
class NotifyParent : public CWnd {
 public:
  BOOL Make() {
    LPCTSTR cls = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), ::GetSysColorBrush(COLOR_BTNFACE));
    return CreateEx(0, cls, "Lists", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, 460, 340), nullptr,
                    0);
  }
  bool Got(int code) const { return std::find(codes.begin(), codes.end(), code) != codes.end(); }
  int Count(int code) const { return static_cast<int>(std::count(codes.begin(), codes.end(), code)); }

  std::vector<int> codes;
  std::vector<int> deleted;
  LRESULT endEditAnswer = 0;
  std::string endEditReplacement;  // the parent's change to an accepted text
  std::string dispText = "asked";

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_NOTIFY)
      return CWnd::WindowProc(message, wParam, lParam);
    auto* hdr = reinterpret_cast<NMHDR*>(lParam);
    int code = static_cast<int>(hdr->code);
    codes.push_back(code);
    if (code == LVN_DELETEITEM)
      deleted.push_back(reinterpret_cast<NMLISTVIEW*>(lParam)->iItem);
    if (code == LVN_GETDISPINFOA) {
      auto* info = reinterpret_cast<NMLVDISPINFOA*>(lParam);
      if ((info->item.mask & LVIF_TEXT) && info->item.pszText != nullptr)
        lstrcpynA(info->item.pszText, dispText.c_str(), info->item.cchTextMax);
    }
    if (code == LVN_ENDLABELEDITA) {
      auto* info = reinterpret_cast<NMLVDISPINFOA*>(lParam);
      if (info->item.pszText != nullptr && !endEditReplacement.empty())
        lstrcpynA(info->item.pszText, endEditReplacement.c_str(), info->item.cchTextMax);
      return endEditAnswer;
    }
    return 0;
  }
};

NotifyParent& Parent() {
  static NotifyParent* parent = [] {
    auto* made = new NotifyParent;
    made->Make();
    return made;
  }();
  return *parent;
}

struct ListGui : ::testing::Test {
  void SetUp() override {
    parent.codes.clear();
    parent.deleted.clear();
    parent.endEditAnswer = 0;
    parent.endEditReplacement.clear();
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_EDITLABELS | LVS_SHOWSELALWAYS | LVS_NOLABELWRAP,
                            CRect(10, 10, 410, 250), &parent, kListId));
    list.InsertColumn(0, "Name", LVCFMT_LEFT, 150);
    list.InsertColumn(1, "Size", LVCFMT_RIGHT, 80);
    list.InsertColumn(2, "Date", LVCFMT_LEFT, 120);
    for (int i = 0; i < 40; ++i) {
      char name[32];
      std::snprintf(name, sizeof(name), "row%02d", i);
      int at = list.InsertItem(i, name);
      std::snprintf(name, sizeof(name), "%d", i * 100);
      list.SetItemText(at, 1, name);
      list.SetItemText(at, 2, "2026-12-11");
    }
    list.RecalcLayout();
    list.SetFocus();
    Pump();
    parent.codes.clear();
  }
  void TearDown() override {
    if (list.m_hWnd != nullptr)
      list.DestroyWindow();
    Pump();
  }

  void Key(UINT vk, bool shift = false, bool ctrl = false) {
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    keys[VK_CONTROL] = ctrl ? 0x80 : 0;
    ::SetKeyboardState(keys);
    list.SendMessage(WM_KEYDOWN, vk, 1);
    keys[VK_SHIFT] = keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    Pump();
  }
  void Type(const char* text) {
    for (const char* c = text; *c; ++c)
      list.SendMessage(WM_CHAR, static_cast<unsigned char>(*c), 1);
  }
  CPoint LabelPoint(int item) {
    CRect rc;
    EXPECT_TRUE(list.GetSubItemRect(item, 0, &rc, 2));
    return CPoint(rc.left + 2, rc.CenterPoint().y);
  }
  void Click(CPoint pt, UINT keys = 0) {
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | keys, MAKELPARAM(pt.x, pt.y));
    list.SendMessage(WM_LBUTTONUP, keys, MAKELPARAM(pt.x, pt.y));
    Pump();
  }
  std::vector<int> Selection() const { return list.GetModel().GetSelection(); }
  std::string Text(int item, int sub = 0) {
    char buffer[4096];
    list.GetItemText(item, sub, buffer, sizeof(buffer));
    return buffer;
  }
  COLORREF Pixel(CPoint pt) {
    HDC hDC = ::GetDC(list.m_hWnd);
    COLORREF cr = ::GetPixel(hDC, pt.x, pt.y);
    ::ReleaseDC(list.m_hWnd, hDC);
    return cr & 0xFFFFFF;
  }

  NotifyParent& parent = Parent();
  SECListCtrl list;
};

TEST_F(ListGui, CreationSplitsTheListStylesFromTheWindowStyles) {
  EXPECT_EQ(static_cast<DWORD>(LVS_REPORT | LVS_EDITLABELS | LVS_SHOWSELALWAYS | LVS_NOLABELWRAP),
            list.GetListCtrlStyle());
  EXPECT_EQ(0u, list.GetStyle() & (LVS_REPORT | LVS_EDITLABELS));
  EXPECT_EQ(40, list.GetItemCount());
  EXPECT_EQ(0, list.GetFocusItem());  // the first item inserted takes focus and selection
  EXPECT_EQ(std::vector<int>{0}, Selection());
  EXPECT_TRUE(list.GetScrollBarFlags() & SECListBaseC::kVertBarShown);
  EXPECT_EQ(0, list.GetTopIndex());
  EXPECT_EQ("100", Text(1, 1));
}

TEST_F(ListGui, ArrowsShiftAndControlMoveTheSelection) {
  Key(VK_DOWN);
  EXPECT_EQ(1, list.GetFocusItem());
  EXPECT_EQ(std::vector<int>{1}, Selection());
  Key(VK_DOWN, true);
  Key(VK_DOWN, true);
  EXPECT_EQ((std::vector<int>{1, 2, 3}), Selection());
  Key(VK_DOWN, false, true);  // Ctrl moves only the caret
  EXPECT_EQ(4, list.GetFocusItem());
  EXPECT_EQ((std::vector<int>{1, 2, 3}), Selection());
  Key(VK_SPACE);
  EXPECT_EQ((std::vector<int>{1, 2, 3, 4}), Selection());
  EXPECT_EQ(5, parent.Count(LVN_KEYDOWN));
}

TEST_F(ListGui, EndAndHomeScrollToTheEnds) {
  Key(VK_END);
  EXPECT_EQ(39, list.GetFocusItem());
  EXPECT_GT(list.GetTopIndex(), 0);
  EXPECT_EQ(39, list.GetLastVisibleIndex());
  Key(VK_PRIOR);
  EXPECT_EQ(list.GetTopIndex(), list.GetFocusItem());
  Key(VK_HOME);
  EXPECT_EQ(0, list.GetTopIndex());
  EXPECT_EQ(0, list.GetFocusItem());
}

TEST_F(ListGui, ClicksSelectAndNotify) {
  Click(LabelPoint(3));
  EXPECT_EQ(std::vector<int>{3}, Selection());
  EXPECT_TRUE(parent.Got(NM_CLICK));
  Click(LabelPoint(5), MK_CONTROL);
  EXPECT_EQ((std::vector<int>{3, 5}), Selection());
  Click(LabelPoint(1), MK_SHIFT);  // from the anchor (5) to 1
  EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5}), Selection());
  Click(LabelPoint(2));  // a plain click narrows the selection on release
  EXPECT_EQ(std::vector<int>{2}, Selection());
  CRect header(list.GetColumnLeft(1) + 5, 2, list.GetColumnRight(1) - 5, 10);
  Click(header.TopLeft());
  EXPECT_TRUE(parent.Got(LVN_COLUMNCLICK));
  list.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(50, 50));
  EXPECT_TRUE(parent.Got(NM_RCLICK));
}

TEST_F(ListGui, TheResizeCursorShowsOverAHeaderDivider) {
  int x = list.GetColumnRight(0);
  list.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(x, 5));
  list.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(list.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  HCURSOR resize = ::LoadCursor(::GetModuleHandleA(nullptr), MAKEINTRESOURCE(SECListBaseC::kResizeCursorId));
  ASSERT_NE(nullptr, resize);
  EXPECT_EQ(resize, ::GetCursor());
  UINT flags = 0;
  EXPECT_EQ(0, list.HitTest(x + 3, 5, &flags));
  EXPECT_EQ(static_cast<UINT>(SEC_LVHT_ONDIVIDER), flags);
  EXPECT_EQ(1, list.HitTest(x + 20, 5, &flags));
  EXPECT_EQ(static_cast<UINT>(SEC_LVHT_ONHEADER), flags);
}

TEST_F(ListGui, TypeAheadFindsTheLabel) {
  Type("row1");
  EXPECT_EQ(10, list.GetFocusItem());
  Type("7");
  EXPECT_EQ(17, list.GetFocusItem());
  EXPECT_TRUE(list.GetTopIndex() <= 17 && list.GetLastVisibleIndex() >= 17);
}

TEST_F(ListGui, LabelEditorSavesWhenTheParentAcceptsAndRestoresOtherwise) {
  Key(VK_DOWN);
  Key(VK_F2);
  SECListEdit* edit = list.GetEditControl();
  ASSERT_NE(nullptr, edit->m_hWnd);
  EXPECT_TRUE(parent.Got(LVN_BEGINLABELEDITA));
  ::SetWindowTextA(edit->m_hWnd, "");
  for (char c : std::string("renamed"))
    edit->SendMessage(WM_CHAR, static_cast<unsigned char>(c), 1);
  Pump();
  EXPECT_EQ("renamed", Text(1));  // shown while typing
  edit->SendMessage(WM_KEYDOWN, VK_RETURN, 1);
  Pump();
  EXPECT_EQ(nullptr, edit->m_hWnd);
  EXPECT_EQ("row01", Text(1));  // the default answer rejects

  parent.endEditAnswer = 1;
  parent.endEditReplacement = "by parent";
  list.EditLabel(1, 0);
  ::SetWindowTextA(edit->m_hWnd, "renamed");
  edit->SendMessage(WM_KEYDOWN, VK_RETURN, 1);
  Pump();
  EXPECT_EQ("by parent", Text(1));

  list.EditLabel(1, 0);
  ::SetWindowTextA(edit->m_hWnd, "escaped");
  edit->SendMessage(WM_KEYDOWN, VK_ESCAPE, 1);
  Pump();
  EXPECT_EQ("by parent", Text(1));
}

TEST_F(ListGui, TypingANewLineInAWrappingLabelMakesItsRowTaller) {
  list.ModifyListCtrlStyle(LVS_NOLABELWRAP, 0);
  CRect before;
  list.GetSubItemRect(2, 0, &before, 0);
  list.EditLabel(1, 0);
  HWND edit = list.GetEditControl()->m_hWnd;
  ASSERT_NE(nullptr, edit);
  for (char c : std::string("one\rtwo"))
    ::SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
  Pump();
  CRect after;
  list.GetSubItemRect(2, 0, &after, 0);
  EXPECT_GT(after.top, before.top);  // row 1 grew and row 2 moved down
  list.GetEditControl()->SendMessage(WM_KEYDOWN, VK_ESCAPE, 1);
  Pump();
  list.GetSubItemRect(2, 0, &after, 0);
  EXPECT_EQ(before.top, after.top);  // the old label comes back with its height
}

TEST_F(ListGui, LongEditedLabelsAreCutTo2047Characters) {
  parent.endEditAnswer = 1;
  list.EditLabel(2, 0);
  std::string longText(3000, 'x');
  ::SendMessageA(list.GetEditControl()->m_hWnd, EM_SETLIMITTEXT, 4000, 0);
  ::SetWindowTextA(list.GetEditControl()->m_hWnd, longText.c_str());
  list.EndLabelEdit(TRUE);
  Pump();
  EXPECT_EQ(std::string(2047, 'x'), Text(2));
}

TEST_F(ListGui, DeletingARangeSendsOneNoticePerItem) {
  list.DeleteItem(5, 3);
  EXPECT_EQ((std::vector<int>{5, 6, 7}), parent.deleted);
  EXPECT_EQ(37, list.GetItemCount());
  EXPECT_EQ("row08", Text(5));
}

TEST_F(ListGui, InsertBeforeTakesTheReferenceItemsPlace) {
  LVITEM lvi{};
  lvi.mask = LVIF_TEXT;
  lvi.pszText = const_cast<LPSTR>("before4");
  int at = list.InsertItemBefore(list.GetItemAt(4), &lvi);
  EXPECT_EQ(4, at);
  EXPECT_EQ("before4", Text(4));
  EXPECT_EQ("row04", Text(5));
  lvi.pszText = const_cast<LPSTR>("after4");
  EXPECT_EQ(6, list.InsertItemAfter(list.GetItemAt(5), &lvi));
}

TEST_F(ListGui, CallbackCellsAskTheParent) {
  list.InsertColumn(3, "Extra", LVCFMT_LEFT, 60);
  EXPECT_EQ("asked", Text(0, 3));
  EXPECT_TRUE(parent.Got(LVN_GETDISPINFOA));
}

TEST_F(ListGui, ScrollingByPagesAndTheWheel) {
  SCROLLINFO si{sizeof(SCROLLINFO), SIF_PAGE};
  list.GetScrollBarCtrl(SB_VERT)->GetScrollInfo(&si, SIF_PAGE);
  int page = static_cast<int>(si.nPage);  // the rows drawn, the last one partly
  EXPECT_EQ(page, list.GetCountPerPage() + 1);
  list.SendMessage(WM_VSCROLL, SB_PAGEDOWN, reinterpret_cast<LPARAM>(list.GetScrollBarCtrl(SB_VERT)->m_hWnd));
  EXPECT_EQ(page, list.GetTopIndex());
  list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 60), 0);  // less than one step: remembered
  EXPECT_EQ(page, list.GetTopIndex());
  list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 60), 0);
  EXPECT_EQ(page - 1, list.GetTopIndex());
  list.SendMessage(WM_VSCROLL, SB_BOTTOM, reinterpret_cast<LPARAM>(list.GetScrollBarCtrl(SB_VERT)->m_hWnd));
  EXPECT_EQ(39, list.GetLastVisibleIndex());
}

TEST_F(ListGui, GrowingTheWindowLeavesNoEmptySpaceUnderTheLastRow) {
  Key(VK_END);
  int top = list.GetTopIndex();
  ASSERT_GT(top, 0);
  list.SetWindowPos(nullptr, 0, 0, 400, 400, SWP_NOMOVE | SWP_NOZORDER);
  Pump();
  EXPECT_LT(list.GetTopIndex(), top);
  EXPECT_EQ(39, list.GetLastVisibleIndex());
  list.SetWindowPos(nullptr, 0, 0, 400, 1200, SWP_NOMOVE | SWP_NOZORDER);
  Pump();
  EXPECT_EQ(0, list.GetTopIndex());  // all rows fit: no bar
  EXPECT_FALSE(list.GetScrollBarFlags() & SECListBaseC::kVertBarShown);
}

TEST_F(ListGui, MovingAColumnCarriesItsCells) {
  ASSERT_TRUE(list.MoveColumn(2, 1));
  EXPECT_EQ(CString("Date"), list.GetColumnHeading(1));
  EXPECT_EQ("2026-12-11", Text(3, list.GetColumnSubItem(1)));
  EXPECT_EQ("300", Text(3, list.GetColumnSubItem(2)));
  EXPECT_FALSE(list.MoveColumn(0, 2));
}

TEST_F(ListGui, DraggingAHeaderButtonReordersTheColumns) {
  list.ModifyListCtrlStyleEx(0, LVXS_HEADERDRAGDROP);
  CPoint from(list.GetColumnLeft(2) + 20, 8);
  CPoint to(list.GetColumnLeft(1) + 10, 8);  // left half of "Size": before it
  list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
  list.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(from.x - 30, from.y));
  list.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
  list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
  Pump();
  EXPECT_EQ(CString("Date"), list.GetColumnHeading(1));
  EXPECT_EQ(CString("Size"), list.GetColumnHeading(2));
  EXPECT_EQ("200", Text(2, list.GetColumnSubItem(2)));
  EXPECT_FALSE(parent.Got(LVN_COLUMNCLICK));
  // Dropped on its own place: nothing moves, and nothing goes before column 0.
  CPoint own(list.GetColumnLeft(2) + 20, 8);
  list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(own.x, own.y));
  list.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(own.x + 5, own.y));
  list.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, own.y));
  list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, own.y));
  EXPECT_EQ(CString("Size"), list.GetColumnHeading(2));
  EXPECT_EQ(CString("Name"), list.GetColumnHeading(0));
}

TEST_F(ListGui, ASlowSecondClickEditsTheLabelAndADoubleClickDoesNot) {
  Click(LabelPoint(4));
  Click(LabelPoint(4));  // arms the 500 ms timer
  ::Sleep(650);
  Pump();
  ASSERT_NE(nullptr, list.GetEditControl()->m_hWnd);
  EXPECT_EQ(4, list.GetEditingItem());
  list.EndLabelEdit(FALSE);
  Pump();
  Click(LabelPoint(6));
  Click(LabelPoint(6));
  list.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(LabelPoint(6).x, LabelPoint(6).y));
  ::Sleep(650);
  Pump();
  EXPECT_EQ(nullptr, list.GetEditControl()->m_hWnd);
  EXPECT_TRUE(parent.Got(NM_DBLCLK));
}

TEST_F(ListGui, TipsShowTheWholeOfAClippedLabel) {
  list.SetFlyByTips(TRUE);
  list.SetItemText(6, 0, "a label far too long to fit into its narrow column of the list");
  Pump();
  CPoint pt = LabelPoint(6);
  ::SetActiveWindow(parent.m_hWnd);
  list.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x + 20, pt.y));
  Pump();
  EXPECT_TRUE(list.GetTip()->IsShown());
  EXPECT_EQ(6, list.GetTip()->GetItem());
  // A click on the tip is a click on the list under it.
  MSG down{list.GetTip()->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4)};
  EXPECT_TRUE(list.GetTip()->PreTranslateMessage(&down));
  MSG up{list.GetTip()->m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(4, 4)};
  EXPECT_TRUE(list.GetTip()->PreTranslateMessage(&up));
  EXPECT_EQ(std::vector<int>{6}, Selection());
  list.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x + 20, pt.y));
  Pump();
  CPoint fits = LabelPoint(7);
  list.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(fits.x + 2, fits.y));
  Pump();
  EXPECT_FALSE(list.GetTip()->IsShown());
}

TEST_F(ListGui, PaintsTheSelectionAndWritesAScreenshot) {
  list.ModifyListCtrlStyleEx(0, LVXS_HORZGRID | LVXS_VERTGRID | LVXS_FULLROWSELECT);
  Key(VK_DOWN);
  list.RedrawWindow();
  Pump();
  CPoint pt = LabelPoint(1);
  EXPECT_EQ(::GetSysColor(COLOR_HIGHLIGHT) & 0xFFFFFF, Pixel(CPoint(pt.x - 3, pt.y)));
  CPoint other = LabelPoint(3);
  EXPECT_EQ(::GetSysColor(COLOR_WINDOW) & 0xFFFFFF, Pixel(CPoint(other.x - 3, other.y)));
  EXPECT_TRUE(WriteWindowPng(parent.m_hWnd, "ui_lists.png"));
}

TEST_F(ListGui, ADisabledListPaintsInMenuColours) {
  list.EnableWindow(FALSE);
  list.RedrawWindow();
  Pump();
  CPoint pt = LabelPoint(2);
  EXPECT_EQ(::GetSysColor(COLOR_MENU) & 0xFFFFFF, Pixel(CPoint(list.GetColumnRight(2) - 3, pt.y - 2)));
  list.EnableWindow(TRUE);
}

}  // namespace
