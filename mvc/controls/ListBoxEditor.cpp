#include "mvc/controls/ListBoxEditor.h"

#include "mvc/controls/DialogIds.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

const UINT kBitmapIds[] = {20516, 20517, 20518, 20519};
const UINT kTipIds[] = {20531, 20532, 20533, 20534};
const char* const kTipTexts[] = {"New (Insert)", "Delete (Delete)", "Move Up (Alt+Up Arrow)",
                                 "Move Down (Alt+Down Arrow)"};
const UINT kShowBits[] = {0x100, 0x200, 0x400, 0x800};
const int kDropDelay = 250;
const int kScrollStart = 300;
const int kScrollMin = 50;
const int kScrollStep = 50;

// A list box's rows through its messages.
class ListBoxRows : public IListBoxRows {
 public:
  explicit ListBoxRows(HWND list) : m_hList(list) {}
  int GetCount() const override { return Send(LB_GETCOUNT); }
  CString GetText(int index) const override {
    int length = Send(LB_GETTEXTLEN, index);
    if (length <= 0)
      return CString();
    std::vector<char> buffer(length + 1);
    Send(LB_GETTEXT, index, reinterpret_cast<LPARAM>(buffer.data()));
    return CString(buffer.data());
  }
  int InsertString(int index, const CString& text) override {
    return Send(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(text)));
  }
  void DeleteString(int index) override { Send(LB_DELETESTRING, index); }
  DWORD_PTR GetItemData(int index) const override {
    return static_cast<DWORD_PTR>(::SendMessageA(m_hList, LB_GETITEMDATA, index, 0));
  }
  void SetItemData(int index, DWORD_PTR data) override { ::SendMessageA(m_hList, LB_SETITEMDATA, index, data); }
  BOOL IsMultipleSelection() const override {
    return (::GetWindowLongPtrA(m_hList, GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
  }
  int GetCurrent() const override {
    if (!IsMultipleSelection())
      return Send(LB_GETCURSEL);
    int caret = Send(LB_GETCARETINDEX);
    return caret >= 0 && caret < GetCount() ? caret : -1;
  }
  void SetCurrent(int index) override {
    if (!IsMultipleSelection()) {
      Send(LB_SETCURSEL, static_cast<WPARAM>(index));
      return;
    }
    if (index < 0)
      return;
    Send(LB_SETSEL, TRUE, index);
    Send(LB_SETCARETINDEX, index, FALSE);
  }
  BOOL GetSel(int index) const override { return Send(LB_GETSEL, index) > 0; }
  void SetSel(int index, BOOL bSelect) override {
    if (IsMultipleSelection())
      Send(LB_SETSEL, bSelect, index);
    else if (bSelect)
      Send(LB_SETCURSEL, index);
  }
  int GetTopIndex() const override { return Send(LB_GETTOPINDEX); }
  void SetTopIndex(int index) override { Send(LB_SETTOPINDEX, index); }
  void SetRedraw(BOOL bRedraw) override {
    Send(WM_SETREDRAW, bRedraw);
    if (bRedraw)
      ::InvalidateRect(m_hList, nullptr, TRUE);
  }

 private:
  int Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return static_cast<int>(::SendMessageA(m_hList, message, wParam, lParam));
  }
  HWND m_hList;
};

// A plain glyph for a header button whose bitmap resource is missing.
HBITMAP DrawGlyph(int button) {
  HDC screen = ::GetDC(nullptr);
  HDC dc = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 16, 15);
  ::ReleaseDC(nullptr, screen);
  HGDIOBJ old = ::SelectObject(dc, bitmap);
  RECT all = {0, 0, 16, 15};
  ::FillRect(dc, &all, ::GetSysColorBrush(COLOR_BTNFACE));
  HBRUSH ink = ::CreateSolidBrush(::GetSysColor(COLOR_BTNTEXT));
  HGDIOBJ oldBrush = ::SelectObject(dc, ink);
  HGDIOBJ oldPen = ::SelectObject(dc, ::GetStockObject(NULL_PEN));
  switch (button) {
    case SECListBoxEditor::kNew: {
      RECT box = {3, 2, 12, 13};
      ::FrameRect(dc, &box, ink);
      RECT line = {5, 5, 10, 6};
      ::FillRect(dc, &line, ink);
      break;
    }
    case SECListBoxEditor::kDelete:
      for (int i = 0; i < 8; ++i) {
        RECT a = {4 + i, 3 + i, 6 + i, 5 + i}, b = {11 - i, 3 + i, 13 - i, 5 + i};
        ::FillRect(dc, &a, ink);
        ::FillRect(dc, &b, ink);
      }
      break;
    case SECListBoxEditor::kMoveUp: {
      POINT up[] = {{8, 3}, {13, 9}, {3, 9}};
      ::Polygon(dc, up, 3);
      break;
    }
    default: {
      POINT down[] = {{3, 5}, {13, 5}, {8, 11}};
      ::Polygon(dc, down, 3);
      break;
    }
  }
  ::SelectObject(dc, oldPen);
  ::SelectObject(dc, oldBrush);
  ::DeleteObject(ink);
  ::SelectObject(dc, old);
  ::DeleteDC(dc);
  return bitmap;
}

HBITMAP LoadButtonBitmap(int button) {
  auto bitmap = static_cast<HBITMAP>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kBitmapIds[button]),
                                                  IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
  return bitmap ? bitmap : DrawGlyph(button);
}

CSize BitmapSize(HBITMAP bitmap) {
  BITMAP info = {};
  ::GetObjectA(bitmap, sizeof(info), &info);
  return CSize(info.bmWidth, info.bmHeight);
}

CString TipText(int button) {
  CString text;
  if (!text.LoadString(kTipIds[button]))
    text = kTipTexts[button];
  return text;
}

bool KeyDown(int key) { return (::GetKeyState(key) & 0x8000) != 0; }

// Moves the focus to the next (previous) control of the dialog; an edit
// there gets all its text selected.
void MoveFocus(HWND from, BOOL bPrevious) {
  HWND dialog = ::GetParent(from);
  HWND next = ::GetNextDlgTabItem(dialog, from, bPrevious);
  if (!next)
    return;
  ::SetFocus(next);
  char cls[16] = {};
  ::GetClassNameA(next, cls, sizeof(cls));
  if (lstrcmpiA(cls, "Edit") == 0) {
    ::SendMessageA(next, EM_SETSEL, 0, -1);
    ::SendMessageA(next, EM_SCROLLCARET, 0, 0);
  }
}

}  // namespace

// ---------------------------------------------------------------------------
// The in-place edit.

SECListBoxEdit::SECListBoxEdit(SECListBoxEditor* editor, int row, BOOL bNewItem, int previousSelection, UINT buttonId)
    : m_pEditor(editor), m_nRow(row), m_bNewItem(bNewItem), m_nPreviousSelection(previousSelection),
      m_nButtonId(buttonId) {}

BOOL SECListBoxEdit::Create(HWND hList, const CRect& rect, LPCTSTR pszInitialText) {
  if (!CreateEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, rect, CWnd::FromHandle(hList), kId))
    return FALSE;
  ::SendMessageA(m_hWnd, WM_SETFONT, ::SendMessageA(hList, WM_GETFONT, 0, 0), FALSE);
  if (pszInitialText) {
    ::SetWindowTextA(m_hWnd, pszInitialText);
    int length = ::GetWindowTextLengthA(m_hWnd);
    ::SendMessageA(m_hWnd, EM_SETSEL, length, length);
  } else {
    ::SetWindowTextA(m_hWnd, m_pEditor->GetRows()->GetText(m_nRow));
    ::SendMessageA(m_hWnd, EM_SETSEL, 0, -1);
  }
  ::SetFocus(m_hWnd);
  return TRUE;
}

void SECListBoxEdit::End(BOOL bCommit) {
  if (m_bEnded)
    return;
  m_bEnded = TRUE;
  m_pEditor->SetCancel(FALSE);
  if (bCommit) {
    int length = ::GetWindowTextLengthA(m_hWnd);
    std::vector<char> text(length + 1);
    ::GetWindowTextA(m_hWnd, text.data(), length + 1);
    m_pEditor->CommitEditText(m_nRow, text.data());
  } else {
    m_pEditor->CancelEdit(m_nRow, m_bNewItem, m_nPreviousSelection);
  }
  // Posted: the notice destroys this edit, which must not happen while it is
  // still handling a message.
  HWND list = ::GetParent(m_hWnd);
  NMHDR* notice = new NMHDR{m_hWnd, kId, kEndNotice};
  if (!::PostMessageA(list, WM_NOTIFY, kId, reinterpret_cast<LPARAM>(notice)))
    delete notice;
}

void SECListBoxEdit::EndAndMoveFocus(BOOL bPrevious) {
  HWND list = ::GetParent(m_hWnd);
  End(TRUE);
  MoveFocus(list, bPrevious);
}

BOOL SECListBoxEdit::SpaceAdvances() const {
  if (!m_pEditor->GetAutoAdvance())
    return FALSE;
  DWORD start = 0, end = 0;
  ::SendMessageA(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  if (start != end)
    return FALSE;
  int length = ::GetWindowTextLengthA(m_hWnd);
  std::vector<char> text(length + 1);
  ::GetWindowTextA(m_hWnd, text.data(), length + 1);
  int trimmed = length;
  while (trimmed > 0 && text[trimmed - 1] == ' ')
    --trimmed;
  return static_cast<int>(start) - trimmed >= m_pEditor->GetAutoAdvanceSpaces() - 1;
}

LRESULT SECListBoxEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS;
    case WM_KEYDOWN: {
      if (m_bEnded)
        return 0;
      HWND list = ::GetParent(m_hWnd);
      switch (wParam) {
        case VK_RETURN:
          End(TRUE);
          return 0;
        case VK_ESCAPE:
          End(FALSE);
          return 0;
        case VK_F2:
          if (m_nButtonId) {
            ::SetFocus(::GetDlgItem(list, m_nButtonId));
            ::PostMessageA(list, WM_COMMAND, MAKEWPARAM(m_nButtonId, BN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(list, m_nButtonId)));
          }
          return 0;
        case VK_UP:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_HOME:
        case VK_END:
          End(TRUE);
          ::PostMessageA(list, WM_KEYDOWN, wParam, lParam);
          return 0;
        case VK_TAB:
          EndAndMoveFocus(KeyDown(VK_SHIFT));
          return 0;
        default:
          break;
      }
      break;
    }
    case WM_CHAR:
      if (wParam == VK_RETURN || wParam == VK_ESCAPE || wParam == VK_TAB)
        return 0;  // handled on key down; no beep
      if (wParam == ' ' && !m_bEnded && SpaceAdvances()) {
        EndAndMoveFocus(FALSE);
        return 0;
      }
      break;
    case WM_KILLFOCUS: {
      HWND to = reinterpret_cast<HWND>(wParam);
      HWND button = m_nButtonId ? ::GetDlgItem(::GetParent(m_hWnd), m_nButtonId) : nullptr;
      if (!m_bEnded && (!to || to != button))
        End(TRUE);
      break;
    }
    default:
      break;
  }
  return CEdit::WindowProc(message, wParam, lParam);
}

// ---------------------------------------------------------------------------
// The list box subclass.

LRESULT SECListBoxEditorHelper::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (m_pEditor->OnListMessage(message, wParam, lParam, result))
    return result;
  return CListBox::WindowProc(message, wParam, lParam);
}

// ---------------------------------------------------------------------------
// The editor.

SECListBoxEditor::SECListBoxEditor() = default;

SECListBoxEditor::~SECListBoxEditor() {
  DestroyEditButton();
  if (m_pEdit) {
    m_pEdit->DestroyWindow();
    delete m_pEdit;
  }
  if (m_pHelper && m_pHelper->GetSafeHwnd())
    m_pHelper->UnsubclassWindow();
  for (HBITMAP bitmap : m_hBitmaps)
    if (bitmap)
      ::DeleteObject(bitmap);
}

HWND SECListBoxEditor::ListHwnd() const { return m_pHelper ? m_pHelper->GetSafeHwnd() : nullptr; }

BOOL SECListBoxEditor::Initialize(CWnd* pParent, UINT nID, DWORD dwStyle) {
  if (!pParent)
    return FALSE;
  HWND dialog = pParent->GetSafeHwnd();
  HWND list = ::GetDlgItem(dialog, static_cast<int>(nID));
  if (!list)
    return FALSE;
  SetEditorStyle(dwStyle);
  for (int i = 0; i < kButtonCount; ++i)
    if (!m_hBitmaps[i])
      m_hBitmaps[i] = LoadButtonBitmap(i);

  UINT headerId = SECFindUnusedControlId(dialog);
  LPCTSTR cls = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), ::GetSysColorBrush(COLOR_BTNFACE));
  CRect rcList;
  ::GetWindowRect(list, &rcList);
  ::MapWindowPoints(nullptr, dialog, reinterpret_cast<LPPOINT>(&rcList), 2);
  if (!CreateEx(WS_EX_STATICEDGE, cls, "", WS_CHILD, CRect(rcList.left, rcList.top, rcList.right, rcList.top + 1),
                pParent, headerId))
    return FALSE;
  ::SendMessageA(m_hWnd, WM_SETFONT, ::SendMessageA(dialog, WM_GETFONT, 0, 0), FALSE);

  m_nHeaderHeight = CalcHeaderHeight();
  int gap = 2 * ::GetSystemMetrics(SM_CYBORDER);
  HWND before = ::GetWindow(list, GW_HWNDPREV);
  ::SetWindowPos(m_hWnd, before ? before : HWND_TOP, rcList.left, rcList.top, rcList.Width(), m_nHeaderHeight,
                 SWP_NOACTIVATE);
  ::SetWindowPos(list, nullptr, rcList.left, rcList.top + m_nHeaderHeight + gap, rcList.Width(),
                 rcList.Height() - m_nHeaderHeight - gap, SWP_NOZORDER | SWP_NOACTIVATE);

  SetButtonFlags(dwStyle);
  m_pHelper = std::make_unique<SECListBoxEditorHelper>(this);
  m_pHelper->SubclassWindow(list);
  m_pListRows = std::make_unique<ListBoxRows>(list);
  AttachRows(m_pListRows.get());
  LayoutButtons();

  if ((dwStyle & kHeaderButtons) && (dwStyle & kToolTips)) {
    m_hToolTip = ::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr, nullptr, nullptr);
    UpdateToolTips();
  }
  EnsureTrailingRow();
  Notify(kSelChange, TRUE);
  ::ShowWindow(m_hWnd, SW_SHOW);
  m_bInitialized = TRUE;
  return TRUE;
}

int SECListBoxEditor::CalcHeaderHeight() {
  HDC dc = ::GetDC(m_hWnd);
  HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0)));
  TEXTMETRICA tm = {};
  ::GetTextMetricsA(dc, &tm);
  ::SelectObject(dc, old);
  ::ReleaseDC(m_hWnd, dc);
  int height = tm.tmHeight + 4 * ::GetSystemMetrics(SM_CYBORDER);
  for (HBITMAP bitmap : m_hBitmaps)
    if (bitmap)
      height = std::max(height, static_cast<int>(BitmapSize(bitmap).cy) + 2);
  return height;
}

void SECListBoxEditor::SetButtonFlags(DWORD dwStyle) {
  for (int i = 0; i < kButtonCount; ++i)
    m_bShowButton[i] = (dwStyle & kShowBits[i]) != 0;
}

void SECListBoxEditor::LayoutButtons() {
  CRect client;
  ::GetClientRect(m_hWnd, &client);
  int right = client.right;
  for (int i = kButtonCount - 1; i >= 0; --i) {
    m_rcButtons[i].SetRectEmpty();
    if (!m_bShowButton[i])
      continue;
    int width = BitmapSize(m_hBitmaps[i]).cx;
    m_rcButtons[i] = CRect(right - width, 0, right, client.bottom);
    right -= width;
  }
}

void SECListBoxEditor::UpdateToolTips() {
  if (!m_hToolTip || !(GetEditorStyle() & kHeaderButtons) || !(GetEditorStyle() & kToolTips))
    return;
  for (int i = 0; i < kButtonCount; ++i) {
    TOOLINFOA tool = {};
    tool.cbSize = sizeof(tool);
    tool.hwnd = m_hWnd;
    tool.uId = kTipIds[i];
    ::SendMessageA(m_hToolTip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    if (!m_bShowButton[i])
      continue;
    CString text = TipText(i);
    tool.uFlags = TTF_SUBCLASS;
    tool.rect = m_rcButtons[i];
    tool.lpszText = const_cast<LPSTR>(static_cast<LPCTSTR>(text));
    ::SendMessageA(m_hToolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }
  ::SendMessageA(m_hToolTip, TTM_ACTIVATE, TRUE, 0);
}

void SECListBoxEditor::RecalcLayout() {
  HWND list = ListHwnd();
  if (!list)
    return;
  CRect rc;
  ::GetWindowRect(m_hWnd, &rc);
  HWND dialog = ::GetParent(m_hWnd);
  ::MapWindowPoints(nullptr, dialog, reinterpret_cast<LPPOINT>(&rc), 2);
  if (rc.Height() <= m_nHeaderHeight)
    return;
  int gap = 2 * ::GetSystemMetrics(SM_CYBORDER);
  ::SetWindowPos(m_hWnd, nullptr, rc.left, rc.top, rc.Width(), m_nHeaderHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  ::SetWindowPos(list, nullptr, rc.left, rc.top + m_nHeaderHeight + gap, rc.Width(),
                 rc.Height() - m_nHeaderHeight - gap, SWP_NOZORDER | SWP_NOACTIVATE);
  LayoutButtons();
  UpdateToolTips();
  ::InvalidateRect(m_hWnd, nullptr, TRUE);
  ::InvalidateRect(list, nullptr, TRUE);
}

void SECListBoxEditor::Notify(int code, BOOL bPost) {
  HWND list = ListHwnd();
  HWND dialog = list ? ::GetParent(list) : nullptr;
  if (!dialog)
    return;
  WPARAM wParam = MAKEWPARAM(::GetDlgCtrlID(list), code);
  if (bPost)
    ::PostMessageA(dialog, WM_COMMAND, wParam, reinterpret_cast<LPARAM>(list));
  else
    ::SendMessageA(dialog, WM_COMMAND, wParam, reinterpret_cast<LPARAM>(list));
}

BOOL SECListBoxEditor::BeginEdit(int nIndex, BOOL bNewItem, LPCTSTR pszInitialText) {
  HWND list = ListHwnd();
  if (!list || m_pEdit)
    return FALSE;
  int previous = GetPreviousSelection();
  CRect rc;
  ::SendMessageA(list, LB_GETITEMRECT, nIndex, reinterpret_cast<LPARAM>(&rc));
  rc.InflateRect(0, 2);
  UINT buttonId = 0;
  CRect rcButton;
  if (GetEditorStyle() & kEditButton) {
    HDC dc = ::GetDC(list);
    HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageA(list, WM_GETFONT, 0, 0)));
    SIZE dots = {}, blank = {};
    ::GetTextExtentPoint32A(dc, "...", 3, &dots);
    ::GetTextExtentPoint32A(dc, " ", 1, &blank);
    ::SelectObject(dc, old);
    ::ReleaseDC(list, dc);
    int width = dots.cx + 2 * (blank.cx + ::GetSystemMetrics(SM_CXBORDER));
    rcButton = CRect(rc.right - width, rc.top, rc.right, rc.bottom);
    rc.right -= width;
    buttonId = kEditButtonId;
  }
  m_pEdit = new SECListBoxEdit(this, nIndex, bNewItem, previous, buttonId);
  if (buttonId) {
    m_btnEdit.CreateEx(0, "BUTTON", "...", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, rcButton, m_pHelper.get(),
                       kEditButtonId);
    ::SendMessageA(m_btnEdit.GetSafeHwnd(), WM_SETFONT, ::SendMessageA(list, WM_GETFONT, 0, 0), FALSE);
  }
  if (!m_pEdit->Create(list, rc, pszInitialText)) {
    delete m_pEdit;
    m_pEdit = nullptr;
    DestroyEditButton();
    return FALSE;
  }
  return TRUE;
}

void SECListBoxEditor::DestroyEditButton() {
  if (m_btnEdit.GetSafeHwnd())
    m_btnEdit.DestroyWindow();
}

void SECListBoxEditor::EndEdit() {
  DestroyEditButton();
  if (!m_pEdit)
    return;
  SECListBoxEdit* edit = m_pEdit;
  m_pEdit = nullptr;
  if (!edit->HasEnded())
    edit->End(TRUE);
  edit->DestroyWindow();
  delete edit;
  ListBoxEditorLogic::EndEdit();
}

BOOL SECListBoxEditor::EditCurrentItem(UINT nChar) {
  if (nChar == ' ' || nChar == VK_BACK) {
    if (m_bAutoAdvance) {
      MoveFocus(ListHwnd(), nChar == VK_BACK);
      return FALSE;
    }
    nChar = 0;
  }
  return ListBoxEditorLogic::EditCurrentItem(nChar);
}

BOOL SECListBoxEditor::RunCommand(int button) {
  switch (button) {
    case kNew:
      return NewItem();
    case kDelete:
      return DeleteSelected();
    case kMoveUp:
      return MoveUp();
    case kMoveDown:
      return MoveDown();
    default:
      return FALSE;
  }
}

int SECListBoxEditor::ButtonAt(CPoint point) const {
  if (!(GetEditorStyle() & kHeaderButtons))
    return -1;
  for (int i = 0; i < kButtonCount; ++i)
    if (m_bShowButton[i] && m_rcButtons[i].PtInRect(point))
      return i;
  return -1;
}

void SECListBoxEditor::PaintHeader() {
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(m_hWnd, &ps);
  CRect client;
  ::GetClientRect(m_hWnd, &client);
  ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
  int length = ::GetWindowTextLengthA(m_hWnd);
  if (length > 0) {
    std::vector<char> caption(length + 1);
    ::GetWindowTextA(m_hWnd, caption.data(), length + 1);
    HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0)));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
    CRect text = client;
    text.left += 2 * ::GetSystemMetrics(SM_CXBORDER);
    ::DrawTextA(dc, caption.data(), length, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    ::SelectObject(dc, old);
  }
  if (GetEditorStyle() & kHeaderButtons) {
    HDC mem = ::CreateCompatibleDC(dc);
    for (int i = 0; i < kButtonCount; ++i) {
      if (!m_bShowButton[i] || !m_hBitmaps[i])
        continue;
      HGDIOBJ old = ::SelectObject(mem, m_hBitmaps[i]);
      CSize size = BitmapSize(m_hBitmaps[i]);
      const CRect& rc = m_rcButtons[i];
      int sunk = (m_nPressed == i && m_bPressedIn) ? 1 : 0;
      ::BitBlt(dc, rc.left + sunk, rc.top + (rc.Height() - size.cy) / 2 + sunk, size.cx, size.cy, mem, 0, 0, SRCCOPY);
      if (sunk) {
        CRect edge = rc;
        ::DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
      }
      ::SelectObject(mem, old);
    }
    ::DeleteDC(mem);
  }
  ::EndPaint(m_hWnd, &ps);
}

LRESULT SECListBoxEditor::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      PaintHeader();
      return 0;
    case WM_NCHITTEST:
      return HTCLIENT;
    case WM_LBUTTONDOWN: {
      int button = ButtonAt(CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))));
      if (button < 0 || m_pEdit)
        return 0;
      m_nPressed = button;
      m_bPressedIn = TRUE;
      ::SetCapture(m_hWnd);
      ::InvalidateRect(m_hWnd, &m_rcButtons[button], FALSE);
      return 0;
    }
    case WM_MOUSEMOVE:
      if (m_nPressed >= 0) {
        BOOL in = m_rcButtons[m_nPressed].PtInRect(CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))));
        if (in != m_bPressedIn) {
          m_bPressedIn = in;
          ::InvalidateRect(m_hWnd, &m_rcButtons[m_nPressed], FALSE);
        }
      }
      return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      if (m_nPressed >= 0) {
        int button = m_nPressed;
        BOOL run = message == WM_LBUTTONUP &&
                   m_rcButtons[button].PtInRect(CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))));
        m_nPressed = -1;
        m_bPressedIn = FALSE;
        if (::GetCapture() == m_hWnd)
          ::ReleaseCapture();
        ::InvalidateRect(m_hWnd, &m_rcButtons[button], FALSE);
        if (run)
          RunCommand(button);
      }
      return 0;
    case WM_SIZE:
    case WM_MOVE:
      if (m_bInitialized)
        RecalcLayout();
      break;
    default:
      break;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

BOOL SECListBoxEditor::OnListMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  DWORD style = GetEditorStyle();
  switch (message) {
    case WM_CHAR:
      if ((style & kTypeToEdit) && !KeyDown(VK_CONTROL) && (wParam >= ' ' || wParam == VK_BACK)) {
        EditCurrentItem(static_cast<UINT>(wParam));
        return TRUE;
      }
      return FALSE;
    case WM_KEYDOWN:
      if ((style & kKeys) && wParam == VK_INSERT) {
        NewItem();
        return TRUE;
      }
      if ((style & kKeys) && wParam == VK_DELETE) {
        DeleteSelected();
        return TRUE;
      }
      if ((style & kEditButton) && wParam == VK_F2) {
        EditCurrentItem(0);
        return TRUE;
      }
      return FALSE;
    case WM_SYSKEYDOWN:
      if ((style & kKeys) && (wParam == VK_UP || wParam == VK_DOWN)) {
        wParam == VK_UP ? MoveUp() : MoveDown();
        return TRUE;
      }
      return FALSE;
    case WM_LBUTTONDBLCLK:
      EditCurrentItem(0);
      return TRUE;
    case WM_LBUTTONDOWN:
      OnListLButtonDown(wParam, lParam);
      return TRUE;
    case WM_NOTIFY: {
      auto* notice = reinterpret_cast<NMHDR*>(lParam);
      if (wParam != SECListBoxEdit::kId || !notice || notice->code != SECListBoxEdit::kEndNotice)
        return FALSE;
      HWND from = notice->hwndFrom;
      delete notice;  // posted by the edit, which made it
      if (!m_pEdit || m_pEdit->GetSafeHwnd() == from)  // not a late notice of an earlier edit
        EndEdit();
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == kEditButtonId) {
        OnEditButton();
        return TRUE;
      }
      return FALSE;
    case kCancelMessage:
      SetCancel(static_cast<BOOL>(wParam));
      return TRUE;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (m_hWnd)
        ::SendMessageA(m_hWnd, message, wParam, 0);
      return FALSE;
    default:
      return FALSE;
  }
}

void SECListBoxEditor::OnListLButtonDown(WPARAM wParam, LPARAM lParam) {
  HWND list = ListHwnd();
  BOOL wasEditing = m_pEdit != nullptr;
  if (m_pEdit) {
    BOOL hasText = ::GetWindowTextLengthA(m_pEdit->GetSafeHwnd()) > 0;
    if (!m_pEdit->HasEnded())
      m_pEdit->End(hasText);
    EndEdit();
    if (::GetFocus() != list)
      return;  // the ending took the focus away: the press is swallowed
  }
  int before = GetRows()->GetCurrent();
  m_pHelper->CListBox::WindowProc(WM_LBUTTONDOWN, wParam, lParam);
  if ((GetEditorStyle() & kDrag) && !wasEditing) {
    int current = GetRows()->GetCurrent();
    if (current >= 0 && !IsTrailingRow(current))
      RunDrag(CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))));
  }
  int after = GetRows()->GetCurrent();
  if (!wasEditing && before >= 0 && after >= 0 && before != after)
    Notify(kSelChange, TRUE);
}

// ---------------------------------------------------------------------------
// Dragging a row: a hidden window holds the mouse while a local loop follows
// the pointer and shows the insertion point.

namespace {

const char kDragClass[] = "SECListBoxDragWnd";

void RegisterDragClass() {
  static bool registered = false;
  if (registered)
    return;
  WNDCLASSA wc = {};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = ::DefWindowProcA;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = kDragClass;
  registered = ::RegisterClassA(&wc) != 0;
}

// The grey insertion line, drawn and erased by inverting.
void InvertMarker(HWND list, int y) {
  if (y < 0)
    return;
  CRect client;
  ::GetClientRect(list, &client);
  HDC dc = ::GetDC(list);
  HGDIOBJ old = ::SelectObject(dc, ::GetStockObject(GRAY_BRUSH));
  ::PatBlt(dc, client.left, y - 1, client.Width(), 2, PATINVERT);
  ::SelectObject(dc, old);
  ::ReleaseDC(list, dc);
}

}  // namespace

void SECListBoxEditor::RunDrag(CPoint press) {
  HWND list = ListHwnd();
  RegisterDragClass();
  HWND drag = ::CreateWindowExA(0, kDragClass, "", WS_POPUP, 0, 0, 0, 0, list, nullptr, ::GetModuleHandleA(nullptr),
                                nullptr);
  if (!drag)
    return;
  ::SetCapture(drag);
  const DWORD pressTick = ::GetTickCount();
  DWORD releaseTick = pressTick;
  const int source = GetRows()->GetCurrent();
  int target = kNoTarget;
  int marker = -1;
  bool moved = false, cancelled = false, outside = false;
  int interval = kScrollStart;
  DWORD lastScroll = pressTick;
  CPoint pointer = press;
  const int dragX = ::GetSystemMetrics(SM_CXDRAG), dragY = ::GetSystemMetrics(SM_CYDRAG);

  auto track = [&]() {
    int count = GetRows()->GetCount();
    int height = std::max(1, static_cast<int>(::SendMessageA(list, LB_GETITEMHEIGHT, 0, 0)));
    int top = static_cast<int>(::SendMessageA(list, LB_GETTOPINDEX, 0, 0));
    int row = pointer.y < 0 ? -1 : top + pointer.y / height;
    BOOL lower = pointer.y >= 0 && (pointer.y % height) >= height / 2;
    target = DragTarget(row >= count ? count : row, lower);
    int line = target == kNoTarget ? -1 : (target == kAfterLast ? count : target) - top;
    int y = line < 0 ? -1 : line * height;
    if (y != marker) {
      InvertMarker(list, marker);
      marker = y;
      InvertMarker(list, marker);
    }
  };

  for (;;) {
    MSG msg;
    if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      CRect client;
      ::GetClientRect(list, &client);
      DWORD now = ::GetTickCount();
      bool above = pointer.y < 0, below = pointer.y >= client.bottom;
      if (moved && (above || below) && now - pressTick > static_cast<DWORD>(kDropDelay) &&
          now - lastScroll >= static_cast<DWORD>(interval)) {
        int top = static_cast<int>(::SendMessageA(list, LB_GETTOPINDEX, 0, 0));
        InvertMarker(list, marker);
        marker = -1;
        ::SendMessageA(list, LB_SETTOPINDEX, std::max(0, top + (above ? -1 : 1)), 0);
        ::UpdateWindow(list);
        track();
        lastScroll = now;
        interval = std::max(kScrollMin, interval - kScrollStep);
      }
      ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
      continue;
    }
    if (msg.message == WM_QUIT) {
      cancelled = true;
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if ((msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) && msg.wParam == VK_ESCAPE) {
      cancelled = true;
      break;
    }
    if (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONUP) {
      POINT pt = {static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
      ::MapWindowPoints(msg.hwnd, list, &pt, 1);
      pointer = pt;
      if (msg.message == WM_LBUTTONUP) {
        releaseTick = ::GetTickCount();
        break;
      }
      int dx = pointer.x - press.x, dy = pointer.y - press.y;
      if (!moved && dx * dx + dy * dy > dragX * dragX + dragY * dragY)
        moved = true;
      CRect client;
      ::GetClientRect(list, &client);
      bool nowOutside = !client.PtInRect(pointer);
      if (nowOutside && !outside)
        interval = kScrollStart;
      outside = nowOutside;
      if (moved)
        track();
      continue;
    }
    CWinThread* thread = AfxGetThread();
    if (!thread || !thread->PreTranslateMessage(&msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  }
  InvertMarker(list, marker);
  if (::GetCapture() == drag)
    ::ReleaseCapture();
  ::DestroyWindow(drag);
  if (moved && !cancelled && releaseTick - pressTick > static_cast<DWORD>(kDropDelay))
    DropRow(source, target);
}
