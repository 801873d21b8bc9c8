#include "mvc/controls/BrowseEdit.h"
#include "mvc/controls/DirSelectDlg.h"
#include "mvc/controls/FileSystem.h"
#include "mvc/controls/tests/GuiHelpers.h"

#include <gtest/gtest.h>

namespace {

class CountingEdit : public SECBrowseDirEdit {
 public:
  void OnBrowse() override { ++browsed; }
  int browsed = 0;
};

struct BrowseEditGui : ::testing::Test {
  void SetUp() override {
    ASSERT_NE(nullptr, parent.GetSafeHwnd());
    first = parent.AddChild("EDIT", ES_AUTOHSCROLL, CRect(10, 10, 210, 34), 1001);
    second = parent.AddChild("EDIT", ES_AUTOHSCROLL, CRect(10, 50, 210, 74), 1002);
    parent.AddChild("BUTTON", BS_PUSHBUTTON, CRect(10, 90, 90, 114), 32767);  // takes the top id
  }
  void TearDown() override { parent.DestroyChildren(); }
  TestParent& parent = SharedParent();
  HWND first = nullptr, second = nullptr;
};

TEST_F(BrowseEditGui, AttachesAButtonAtTheRightEnd) {
  CountingEdit a, b;
  ASSERT_TRUE(a.Initialize(1001, &parent));
  ASSERT_TRUE(b.Initialize(1002, &parent));
  EXPECT_FALSE(CountingEdit().Initialize(4711, &parent));  // no such control
  UINT ida = a.GetButton()->GetId(), idb = b.GetButton()->GetId();
  EXPECT_EQ(32766u, ida);
  EXPECT_EQ(32765u, idb);
  CRect edit, button;
  ::GetWindowRect(first, &edit);
  ::GetWindowRect(a.GetButton()->GetSafeHwnd(), &button);
  ::MapWindowPoints(nullptr, parent.GetSafeHwnd(), reinterpret_cast<LPPOINT>(&edit), 2);
  ::MapWindowPoints(nullptr, parent.GetSafeHwnd(), reinterpret_cast<LPPOINT>(&button), 2);
  EXPECT_EQ(CRect(10, 10, 184, 34), edit);
  EXPECT_EQ(CRect(185, 10, 210, 34), button);
  EXPECT_EQ(a.GetButton()->GetSafeHwnd(), ::GetWindow(first, GW_HWNDNEXT));  // right after the edit
}

TEST_F(BrowseEditGui, TheButtonFollowsTheEdit) {
  CountingEdit a;
  ASSERT_TRUE(a.Initialize(1001, &parent));
  HWND button = a.GetButton()->GetSafeHwnd();
  ::EnableWindow(first, FALSE);
  EXPECT_FALSE(::IsWindowEnabled(button));
  ::EnableWindow(first, TRUE);
  EXPECT_TRUE(::IsWindowEnabled(button));
  ::ShowWindow(first, SW_HIDE);
  EXPECT_FALSE(::IsWindowVisible(button));
  ::ShowWindow(first, SW_SHOW);
  EXPECT_TRUE(::IsWindowVisible(button));
  ::SendMessageA(button, BM_CLICK, 0, 0);
  PumpMessages();
  EXPECT_EQ(1, a.browsed);
  ::DestroyWindow(first);  // destroys the button once, and only once
  EXPECT_FALSE(::IsWindow(button));
  EXPECT_EQ(nullptr, a.GetButton());
}

TEST_F(BrowseEditGui, StartingFolders) {
  SECFileSystem fs;
  CString cwd = fs.GetCurrentDirectory();
  CString withSlash = cwd + "\\";
  EXPECT_TRUE(SECBrowseEditBase::IsExistingFolder(withSlash));
  EXPECT_STREQ(cwd, withSlash);  // the trailing separator is dropped
  CString missing = cwd + "\\no such folder";
  EXPECT_FALSE(SECBrowseEditBase::IsExistingFolder(missing));
  CString drive = "C:";
  EXPECT_TRUE(SECBrowseEditBase::IsExistingFolder(drive));
  EXPECT_STREQ("C:\\", SECDirSelectDlg::WithTrailingSeparator("C:\\"));
  EXPECT_STREQ("C:\\Data\\", SECDirSelectDlg::WithTrailingSeparator("C:\\Data"));
  SECBrowseDirEdit dir;
  EXPECT_STREQ("Select Directory", dir.GetTitle());
  dir.SetDirSelectStyle(2);
  EXPECT_EQ(2, dir.GetDirSelectStyle());  // the shell's browser on every current system
  EXPECT_STREQ("Select File", SECBrowseFileEdit().GetTitle());
}

}  // namespace
