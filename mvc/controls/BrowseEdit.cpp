#include "mvc/controls/BrowseEdit.h"

#include "mvc/controls/DialogIds.h"
#include "mvc/controls/DirSelectDlg.h"
#include "mvc/controls/FileSystem.h"

#include <commdlg.h>

#include <vector>

namespace {

const int kButtonWidth = 25;
const int kNarrowBy = 26;

CString LoadTitle(UINT id, const char* fallback) {
  CString title;
  if (!title.LoadString(id))
    title = fallback;
  return title;
}

}  // namespace

// ---------------------------------------------------------------------------

BOOL SECBrowseButton::Create(const CRect& rect, CWnd* pDialog, UINT nID, HFONT font) {
  if (!CreateEx(0, "BUTTON", "...", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, rect, pDialog, nID))
    return FALSE;
  m_nId = nID;
  ::SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return TRUE;
}

// The button tells its edit of a click itself, so the dialog needs no part
// in it.
LRESULT SECBrowseButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  bool pushed = (::SendMessageA(m_hWnd, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
  LRESULT result = CButton::WindowProc(message, wParam, lParam);
  bool clicked = false;
  if (message == WM_LBUTTONUP && pushed) {
    CRect client;
    ::GetClientRect(m_hWnd, &client);
    clicked = client.PtInRect(CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)))) != 0;
  } else if (message == WM_KEYUP && wParam == VK_SPACE && pushed) {
    clicked = true;
  }
  if (clicked && m_pEdit)
    m_pEdit->OnBrowse();
  return result;
}

// ---------------------------------------------------------------------------

SECBrowseEditBase::SECBrowseEditBase() = default;

SECBrowseEditBase::~SECBrowseEditBase() { DestroyButton(); }

void SECBrowseEditBase::DestroyButton() {
  if (!m_pButton)
    return;
  SECBrowseButton* button = m_pButton;
  m_pButton = nullptr;
  if (button->GetSafeHwnd())
    button->DestroyWindow();
  delete button;
}

BOOL SECBrowseEditBase::Initialize(UINT nID, CWnd* pDialog) {
  if (!pDialog || !SubclassDlgItem(nID, pDialog))
    return FALSE;
  HWND dialog = pDialog->GetSafeHwnd();
  CRect rc;
  ::GetWindowRect(m_hWnd, &rc);
  ::MapWindowPoints(nullptr, dialog, reinterpret_cast<LPPOINT>(&rc), 2);
  ::SetWindowPos(m_hWnd, nullptr, 0, 0, rc.Width() - kNarrowBy, rc.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  CRect rcButton(rc.right - kButtonWidth, rc.top, rc.right, rc.bottom);
  DestroyButton();
  m_pButton = new SECBrowseButton(this);
  auto font = reinterpret_cast<HFONT>(::SendMessageA(dialog, WM_GETFONT, 0, 0));
  if (!m_pButton->Create(rcButton, pDialog, SECFindUnusedControlId(dialog), font)) {
    DestroyButton();
    return FALSE;
  }
  HWND button = m_pButton->GetSafeHwnd();
  ::SetWindowPos(button, m_hWnd, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ::EnableWindow(button, ::IsWindowEnabled(m_hWnd));
  // The edit's own style, not IsWindowVisible: a form or page not shown yet
  // has visible edits, and children get no word when their parent shows.
  const bool visible = (::GetWindowLongA(m_hWnd, GWL_STYLE) & WS_VISIBLE) != 0;
  ::ShowWindow(button, visible ? SW_SHOW : SW_HIDE);
  return TRUE;
}

LRESULT SECBrowseEditBase::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND button = m_pButton ? m_pButton->GetSafeHwnd() : nullptr;
  switch (message) {
    case WM_ENABLE:
      if (button)
        ::EnableWindow(button, static_cast<BOOL>(wParam));
      break;
    case WM_SHOWWINDOW:
      if (button)
        ::ShowWindow(button, wParam ? SW_SHOW : SW_HIDE);
      break;
    case WM_WINDOWPOSCHANGED: {
      auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
      if (button && (pos->flags & SWP_SHOWWINDOW))
        ::ShowWindow(button, SW_SHOW);
      if (button && (pos->flags & SWP_HIDEWINDOW))
        ::ShowWindow(button, SW_HIDE);
      break;
    }
    case WM_DESTROY:
      DestroyButton();
      break;
    default:
      break;
  }
  return CEdit::WindowProc(message, wParam, lParam);
}

CString SECBrowseEditBase::GetText() const {
  int length = ::GetWindowTextLengthA(m_hWnd);
  std::vector<char> text(length + 1);
  ::GetWindowTextA(m_hWnd, text.data(), length + 1);
  return CString(text.data());
}

BOOL SECBrowseEditBase::IsExistingFolder(CString& path) {
  if (path.IsEmpty())
    return FALSE;
  if (path[path.GetLength() - 1] == '\\')
    path = path.Left(path.GetLength() - 1);
  if (path.IsEmpty())
    return FALSE;
  CString probe = path[path.GetLength() - 1] == ':' ? path + "\\" : path;
  return SECFileSystem().DirectoryExists(probe);
}

// ---------------------------------------------------------------------------

SECBrowseDirEdit::SECBrowseDirEdit() { m_strTitle = LoadTitle(20625, "Select Directory"); }

void SECBrowseDirEdit::SetDirSelectStyle(WORD wStyle) {
  m_wStyle &= ~3;
  DWORD version = ::GetVersion();
  if (LOBYTE(LOWORD(version)) < 4)
    m_wStyle |= 1;
  m_wStyle |= wStyle;
}

void SECBrowseDirEdit::OnBrowse() {
  // A folder that does not exist yet opens the browser at its nearest
  // existing parent, where the user can make it.
  CString start = GetText();
  while (!start.IsEmpty() && !IsExistingFolder(start)) {
    const int slash = start.ReverseFind('\\');
    start = slash > 0 ? start.Left(slash) : CString();
  }
  SECDirSelectDlg dialog(m_wStyle, m_strTitle, start, CWnd::FromHandle(::GetParent(m_hWnd)));
  if (dialog.DoModal() != IDOK)
    return;
  CString path;
  dialog.GetPath(path);
  ::SetWindowTextA(m_hWnd, path);
}

// ---------------------------------------------------------------------------

SECBrowseFileEdit::SECBrowseFileEdit() { m_strTitle = LoadTitle(20626, "Select File"); }

void SECBrowseFileEdit::OnBrowse() {
  SECFileSystem fs;
  const bool keepDirectory = (m_dwFlags & OFN_NOCHANGEDIR) != 0;
  CString saved = keepDirectory ? fs.GetCurrentDirectory() : CString();
  CString start = m_strFileName.IsEmpty() ? GetText() : m_strFileName;
  CString folder = start;
  if (IsExistingFolder(folder)) {
    fs.ChangeDirectory(folder);
    start.Empty();
  } else if (start.IsEmpty() || !fs.FileExists(start)) {
    start.Empty();
  }
  std::vector<char> filter(static_cast<LPCTSTR>(m_strFilter), static_cast<LPCTSTR>(m_strFilter) + m_strFilter.GetLength());
  filter.push_back('\0');
  filter.push_back('\0');
  for (char& c : filter)
    if (c == '|')
      c = '\0';
  std::vector<char> file(32768, '\0');
  lstrcpynA(file.data(), start, static_cast<int>(file.size()));
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = m_hWnd;
  ofn.lpstrFilter = filter.data();
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrTitle = m_strTitle;
  ofn.lpstrDefExt = m_strDefExt.IsEmpty() ? nullptr : static_cast<LPCTSTR>(m_strDefExt);
  ofn.Flags = m_dwFlags | OFN_EXPLORER;
  if (::GetOpenFileNameA(&ofn))
    ::SetWindowTextA(m_hWnd, file.data());
  if (keepDirectory && !saved.IsEmpty())
    fs.ChangeDirectory(saved);
}
