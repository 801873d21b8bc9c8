#include "mvc/controls/BrowseEdit.h"
#include "mvc/controls/DirSelectDlg.h"
#include "mvc/controls/FileSystem.h"
#include "mvc/controls/tests/GuiHelpers.h"

#include <gtest/gtest.h>

#include <string>

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

// The user in the folder browser: "Make New Folder", then OK.
struct FolderBrowserUser {
  bool sawButton = false;
  HWND handled = nullptr;
};
FolderBrowserUser g_browserUser;

BOOL CALLBACK FindMakeFolderButton(HWND child, LPARAM found) {
  char text[64] = {};
  ::GetWindowTextA(child, text, sizeof text);
  if (std::string(text).find("New Folder") == std::string::npos || !::IsWindowVisible(child))
    return TRUE;
  *reinterpret_cast<HWND*>(found) = child;
  return FALSE;
}

BOOL CALLBACK MakeFolderInBrowser(HWND window, LPARAM) {
  char cls[16] = {};
  ::GetClassNameA(window, cls, sizeof cls);
  if (std::string(cls) != "#32770" || !::IsWindowVisible(window) || window == g_browserUser.handled)
    return TRUE;
  HWND button = nullptr;
  ::EnumChildWindows(window, FindMakeFolderButton, reinterpret_cast<LPARAM>(&button));
  g_browserUser.handled = window;
  if (!button) {
    ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    return FALSE;
  }
  g_browserUser.sawButton = ::IsWindowEnabled(button) != FALSE;
  ::SendMessageA(button, BM_CLICK, 0, 0);
  ::PostMessageA(window, WM_COMMAND, IDOK, 0);
  return FALSE;
}

void CALLBACK UseFolderBrowser(HWND, UINT, UINT_PTR, DWORD) {
  ::EnumThreadWindows(::GetCurrentThreadId(), MakeFolderInBrowser, 0);
}

// A fresh installation has no data folder yet: the browser makes one.
TEST_F(BrowseEditGui, TheFolderBrowserMakesANewFolder) {
  SECFileSystem fs;
  char temp[MAX_PATH] = {};
  ::GetTempPathA(sizeof temp, temp);
  CString start = CString(temp) + "g7k-browse-test";
  ::CreateDirectoryA(start, nullptr);
  g_browserUser = FolderBrowserUser();
  SECDirSelectDlg dialog(2, "Select Directory", start, &parent);
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 200, UseFolderBrowser);
  const INT_PTR result = dialog.DoModal();
  ::KillTimer(nullptr, timer);
  EXPECT_TRUE(g_browserUser.sawButton);
  ASSERT_EQ(IDOK, result);
  CString made;
  dialog.GetPath(made);
  EXPECT_TRUE(SECBrowseEditBase::IsExistingFolder(made)) << static_cast<LPCTSTR>(made);
  EXPECT_STRNE(SECDirSelectDlg::WithTrailingSeparator(start), SECDirSelectDlg::WithTrailingSeparator(made));
  ::RemoveDirectoryA(made);
  ::RemoveDirectoryA(start);
}

}  // namespace
