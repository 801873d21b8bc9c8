#include "mvc/controls/ListBoxEditor.h"
#include "framework/ToolTipOwner.h"
#include "mvc/controls/tests/GuiHelpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

const int kListId = 1000;

struct ListBoxEditorGui : ::testing::Test {
  void SetUp() override {
    ASSERT_NE(nullptr, parent.GetSafeHwnd());
    list = parent.AddChild("LISTBOX", LBS_NOTIFY | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, CRect(10, 10, 250, 250), kListId);
    other = parent.AddChild("EDIT", ES_AUTOHSCROLL, CRect(260, 10, 380, 34), 1001);
    for (const char* text : {"alpha", "beta", "gamma"})
      ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    ASSERT_TRUE(editor.Initialize(&parent, kListId, 0xF3E));
    PumpMessages();
    parent.codes.clear();
  }
  void TearDown() override { parent.DestroyChildren(); }

  std::string Rows() const {
    std::string all;
    int count = static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      char text[256] = {};
      ::SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
      all += std::string("[") + text + "]";
    }
    return all;
  }
  void Select(int row) { ::SendMessageA(list, LB_SETCURSEL, row, 0); }
  int Current() const { return static_cast<int>(::SendMessageA(list, LB_GETCURSEL, 0, 0)); }
  void Key(HWND to, UINT key, UINT message = WM_KEYDOWN) {
    ::SendMessageA(to, message, key, message == WM_SYSKEYDOWN ? (1 << 29) : 0);
    PumpMessages();
  }
  void Type(const char* text) {
    HWND edit = editor.GetEdit()->GetSafeHwnd();
    for (const char* c = text; *c; ++c)
      ::SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(*c), 0);
  }
  LPARAM RowPoint(int row, bool lower = false) {
    RECT rc;
    ::SendMessageA(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rc));
    return MAKELPARAM(20, lower ? rc.bottom - 2 : rc.top + 2);
  }
  bool Notified(int code) const {
    return std::find(parent.codes.begin(), parent.codes.end(), code) != parent.codes.end();
  }

  TestParent& parent = SharedParent();
  HWND list = nullptr;
  HWND other = nullptr;
  SECListBoxEditor editor;
};

TEST_F(ListBoxEditorGui, LaysOutAHeaderAboveTheList) {
  EXPECT_EQ("[alpha][beta][gamma][]", Rows());
  EXPECT_EQ(32767, ::GetDlgCtrlID(editor.GetSafeHwnd()));
  CRect header, box;
  ::GetWindowRect(editor.GetSafeHwnd(), &header);
  ::GetWindowRect(list, &box);
  EXPECT_LT(header.bottom, box.top + 1 + 2 * ::GetSystemMetrics(SM_CYBORDER));
  EXPECT_EQ(header.left, box.left);
  for (int i = 0; i < SECListBoxEditor::kButtonCount; ++i)
    EXPECT_FALSE(editor.GetButtonRect(i).IsRectEmpty());
  EXPECT_LT(editor.GetButtonRect(SECListBoxEditor::kNew).left, editor.GetButtonRect(SECListBoxEditor::kMoveDown).left);
}

TEST_F(ListBoxEditorGui, NewEditAndEnterAddsARow) {
  Select(0);
  Key(list, VK_INSERT);
  ASSERT_NE(nullptr, editor.GetEdit());
  Type("delta");
  Key(editor.GetEdit()->GetSafeHwnd(), VK_RETURN);
  EXPECT_EQ(nullptr, editor.GetEdit());
  EXPECT_EQ("[alpha][beta][gamma][delta][]", Rows());
}

TEST_F(ListBoxEditorGui, TypingIntoTheTrailingRow) {
  Select(3);
  ::SendMessageA(list, WM_CHAR, 'x', 0);
  ASSERT_NE(nullptr, editor.GetEdit());
  Type("yz");
  Key(editor.GetEdit()->GetSafeHwnd(), VK_RETURN);
  EXPECT_EQ("[alpha][beta][gamma][xyz][]", Rows());
  Select(4);  // blanks leave the trailing row empty and in place
  ::SendMessageA(list, WM_CHAR, ' ', 0);
  Type("   ");
  Key(editor.GetEdit()->GetSafeHwnd(), VK_RETURN);
  EXPECT_EQ("[alpha][beta][gamma][xyz][]", Rows());
}

TEST_F(ListBoxEditorGui, DoubleClickEditsAndEscapeCancels) {
  Select(1);
  ::SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, RowPoint(1));
  ASSERT_NE(nullptr, editor.GetEdit());
  ::SetWindowTextA(editor.GetEdit()->GetSafeHwnd(), "BETA");
  Key(editor.GetEdit()->GetSafeHwnd(), VK_ESCAPE);
  EXPECT_EQ("[alpha][beta][gamma][]", Rows());
  ::SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, RowPoint(1));
  ::SetWindowTextA(editor.GetEdit()->GetSafeHwnd(), "BETA");
  Key(editor.GetEdit()->GetSafeHwnd(), VK_DOWN);  // ends like Enter
  EXPECT_EQ("[alpha][BETA][gamma][]", Rows());
}

TEST_F(ListBoxEditorGui, DeleteAndMoveByKeys) {
  Select(1);
  Key(list, VK_DELETE);
  EXPECT_EQ("[alpha][gamma][]", Rows());
  EXPECT_TRUE(Notified(10));
  Select(1);
  Key(list, VK_UP, WM_SYSKEYDOWN);
  EXPECT_EQ("[gamma][alpha][]", Rows());
  EXPECT_EQ(0, Current());
  EXPECT_TRUE(Notified(11));
  Key(list, VK_DOWN, WM_SYSKEYDOWN);
  EXPECT_EQ("[alpha][gamma][]", Rows());
  Select(2);
  Key(list, VK_DELETE);  // the trailing row stays
  EXPECT_EQ("[alpha][gamma][]", Rows());
}

TEST_F(ListBoxEditorGui, HeaderButtonsRunTheirCommands) {
  Select(2);
  CPoint up = editor.GetButtonRect(SECListBoxEditor::kMoveUp).CenterPoint();
  HWND header = editor.GetSafeHwnd();
  ::SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(up.x, up.y));
  ::SendMessageA(header, WM_LBUTTONUP, 0, MAKELPARAM(up.x, up.y));
  PumpMessages();
  EXPECT_EQ("[alpha][gamma][beta][]", Rows());
  // Released away from the button: nothing happens.
  ::SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(up.x, up.y));
  ::SendMessageA(header, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  PumpMessages();
  EXPECT_EQ("[alpha][gamma][beta][]", Rows());
}

TEST_F(ListBoxEditorGui, HeaderShowsTheButtonBitmapsOfTheResources) {
  HWND header = editor.GetSafeHwnd();
  ::RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  CRect rc = editor.GetButtonRect(SECListBoxEditor::kNew);
  int top = rc.top + (rc.Height() - 15) / 2;
  HDC dc = ::GetDC(header);
  COLORREF face = ::GetPixel(dc, rc.left + 1, top + 1);
  COLORREF ink = ::GetPixel(dc, rc.left + 6, top + 7);  // a line only the bitmap has
  ::ReleaseDC(header, dc);
  EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), face);
  EXPECT_EQ(::GetSysColor(COLOR_BTNTEXT), ink);
}

TEST_F(ListBoxEditorGui, ButtonTipsLiveAsLongAsTheHeader) {
  CToolTipOwner& tips = CToolTipOwner::ForThread();
  EXPECT_EQ(SECListBoxEditor::kButtonCount, tips.GetToolCount());
  ::DestroyWindow(editor.GetSafeHwnd());
  EXPECT_EQ(0, tips.GetToolCount());
}

// Releases the button a while after the press, from inside the drag loop.
void CALLBACK ReleaseLater(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  ::PostMessageA(::GetCapture(), WM_LBUTTONUP, 0, 0);
}

TEST_F(ListBoxEditorGui, DraggingARowMovesIt) {
  ::SetFocus(list);
  Select(0);
  // Moves are queued first; the drag loop reads them after the press.
  ::PostMessageA(list, WM_MOUSEMOVE, MK_LBUTTON, RowPoint(1));
  ::PostMessageA(list, WM_MOUSEMOVE, MK_LBUTTON, RowPoint(2, true));
  ::SetTimer(nullptr, 0, 400, ReleaseLater);
  ::SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, RowPoint(0));
  PumpMessages();
  EXPECT_EQ("[beta][gamma][alpha][]", Rows());
  EXPECT_EQ(2, Current());
  EXPECT_TRUE(Notified(11));
}

TEST_F(ListBoxEditorGui, AQuickReleaseDropsNothing) {
  ::SetFocus(list);
  Select(0);
  ::PostMessageA(list, WM_MOUSEMOVE, MK_LBUTTON, RowPoint(2, true));
  ::PostMessageA(list, WM_LBUTTONUP, 0, RowPoint(2, true));
  ::SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, RowPoint(0));
  PumpMessages();
  EXPECT_EQ("[alpha][beta][gamma][]", Rows());
}

class ButtonEditor : public SECListBoxEditor {
 public:
  void OnEditButton() override { ++pressed; }
  int pressed = 0;
};

TEST(ListBoxEditorOptions, EditButtonAndAutoAdvance) {
  TestParent& parent = SharedParent();
  HWND list = parent.AddChild("LISTBOX", LBS_NOTIFY | WS_VSCROLL, CRect(10, 10, 250, 250), kListId);
  HWND next = parent.AddChild("EDIT", ES_AUTOHSCROLL, CRect(260, 10, 380, 34), 1001);
  ::SetWindowTextA(next, "next");
  ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("alpha"));
  {
    ButtonEditor editor;
    ASSERT_TRUE(editor.Initialize(kListId, &parent, 0xF7F));  // with the "..." button
    ::SendMessageA(list, LB_SETCURSEL, 0, 0);
    ::SendMessageA(list, WM_KEYDOWN, VK_F2, 0);
    ASSERT_NE(nullptr, editor.GetEdit());
    HWND button = ::GetDlgItem(list, SECListBoxEditor::kEditButtonId);
    ASSERT_NE(nullptr, button);
    ::SendMessageA(editor.GetEdit()->GetSafeHwnd(), WM_KEYDOWN, VK_F2, 0);
    PumpMessages();
    EXPECT_EQ(1, editor.pressed);
    EXPECT_NE(nullptr, editor.GetEdit());  // the edit stays open
    ::SendMessageA(editor.GetEdit()->GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 0);
    PumpMessages();
    EXPECT_EQ(nullptr, editor.GetEdit());
    EXPECT_FALSE(::IsWindow(button));

    editor.SetAutoAdvance(TRUE);  // a space in the list moves on
    ::SetFocus(list);
    ::SendMessageA(list, WM_CHAR, ' ', 0);
    EXPECT_EQ(nullptr, editor.GetEdit());
    EXPECT_EQ(next, ::GetFocus());
  }
  parent.DestroyChildren();
}

}  // namespace
