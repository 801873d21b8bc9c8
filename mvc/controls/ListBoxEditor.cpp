#include "mvc/controls/ListBoxEditor.h"

#include "framework/CaptureLoop.h"
#include "framework/ControlNotify.h"
#include "framework/GdiScopes.h"
#include "framework/ToolTipOwner.h"
#include "mvc/controls/DialogIds.h"
#include "res/ControlsRes.h"

#include <algorithm>

namespace {

const UINT kBitmapIds[] = {IDB_LISTBOX_NEW, IDB_LISTBOX_DELETE, IDB_LISTBOX_MOVE_UP, IDB_LISTBOX_MOVE_DOWN};
const UINT kTipIds[] = {IDS_LISTBOX_NEW, IDS_LISTBOX_DELETE, IDS_LISTBOX_MOVE_UP, IDS_LISTBOX_MOVE_DOWN};
const char* const kTipTexts[] = {"New (Insert)", "Delete (Delete)", "Move Up (Alt+Up Arrow)",
                                 "Move Down (Alt+Down Arrow)"};
const UINT kShowBits[] = {0x100, 0x200, 0x400, 0x800};
const int kGlyphWidth = 16;
const int kGlyphHeight = 15;
const int kDropDelay = 250;
const int kScrollStart = 300;
const int kScrollMin = 50;
const int kScrollStep = 50;
const UINT kDragIdleInterval = 10;

// A list box's rows through its wrapper.
class ListBoxRows : public IListBoxRows {
 public:
  explicit ListBoxRows(CListBox& list) : m_list(list) {}
  int GetCount() const override { return m_list.GetCount(); }
  CString GetText(int index) const override {
    CString text;
    m_list.GetText(index, text);
    return text;
  }
  int InsertString(int index, const CString& text) override { return m_list.InsertString(index, text); }
  void DeleteString(int index) override { m_list.DeleteString(index); }
  DWORD_PTR GetItemData(int index) const override { return m_list.GetItemData(index); }
  void SetItemData(int index, DWORD_PTR data) override { m_list.SetItemData(index, data); }
  BOOL IsMultipleSelection() const override { return (m_list.GetStyle() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0; }
  int GetCurrent() const override {
    if (!IsMultipleSelection())
      return m_list.GetCurSel();
    int caret = m_list.GetCaretIndex();
    return caret >= 0 && caret < GetCount() ? caret : -1;
  }
  void SetCurrent(int index) override {
    if (!IsMultipleSelection()) {
      m_list.SetCurSel(index);
      return;
    }
    if (index < 0)
      return;
    m_list.SetSel(index, TRUE);
    m_list.SetCaretIndex(index, FALSE);
  }
  BOOL GetSel(int index) const override { return m_list.GetSel(index) > 0; }
  void SetSel(int index, BOOL bSelect) override {
    if (IsMultipleSelection())
      m_list.SetSel(index, bSelect);
    else if (bSelect)
      m_list.SetCurSel(index);
  }
  int GetTopIndex() const override { return m_list.GetTopIndex(); }
  void SetTopIndex(int index) override { m_list.SetTopIndex(index); }
  void SetRedraw(BOOL bRedraw) override {
    m_list.SetRedraw(bRedraw);
    if (bRedraw)
      m_list.Invalidate();
  }

 private:
  CListBox& m_list;
};

// The font a window draws its text with, or null for the system font.
HGDIOBJ FontOf(const CWnd& wnd) {
  CFont* font = wnd.GetFont();
  return font ? font->GetSafeHandle() : nullptr;
}

// A plain glyph for a header button whose bitmap resource is missing.
void DrawGlyph(int button, CBitmap& bitmap) {
  CClientDC screen(nullptr);
  CDC dc;
  if (!dc.CreateCompatibleDC(&screen) || !bitmap.CreateCompatibleBitmap(&screen, kGlyphWidth, kGlyphHeight))
    return;
  CBrush ink(::GetSysColor(COLOR_BTNTEXT));
  CSelectObjectScope selectBitmap(dc, bitmap);
  CSelectObjectScope selectBrush(dc, ink);
  CSelectObjectScope selectPen(dc, ::GetStockObject(NULL_PEN));
  dc.FillSolidRect(0, 0, kGlyphWidth, kGlyphHeight, ::GetSysColor(COLOR_BTNFACE));
  switch (button) {
    case SECListBoxEditor::kNew: {
      CRect box(3, 2, 12, 13);
      dc.FrameRect(&box, &ink);
      CRect line(5, 5, 10, 6);
      dc.FillRect(&line, &ink);
      break;
    }
    case SECListBoxEditor::kDelete:
      for (int i = 0; i < 8; ++i) {
        CRect a(4 + i, 3 + i, 6 + i, 5 + i), b(11 - i, 3 + i, 13 - i, 5 + i);
        dc.FillRect(&a, &ink);
        dc.FillRect(&b, &ink);
      }
      break;
    case SECListBoxEditor::kMoveUp: {
      POINT up[] = {{8, 3}, {13, 9}, {3, 9}};
      dc.Polygon(up, 3);
      break;
    }
    default: {
      POINT down[] = {{3, 5}, {13, 5}, {8, 11}};
      dc.Polygon(down, 3);
      break;
    }
  }
}

CSize BitmapSize(const CBitmap& bitmap) {
  BITMAP info = {};
  bitmap.GetObject(sizeof(info), &info);
  return CSize(info.bmWidth, info.bmHeight);
}

CString TipText(int button) {
  CString text;
  if (!text.LoadString(kTipIds[button]))
    text = kTipTexts[button];
  return text;
}

bool KeyDown(int key) { return (::GetKeyState(key) & 0x8000) != 0; }

bool IsEditControl(const CWnd& wnd) {
  char cls[16] = {};
  ::GetClassNameA(wnd.GetSafeHwnd(), cls, sizeof(cls));
  return lstrcmpiA(cls, "Edit") == 0;
}

// Moves the focus to the next (previous) control of the dialog; an edit
// there gets all its text selected.
void MoveFocus(CWnd& from, BOOL bPrevious) {
  CWnd* dialog = from.GetParent();
  CWnd* next = dialog ? dialog->GetNextDlgTabItem(&from, bPrevious) : nullptr;
  if (!next)
    return;
  next->SetFocus();
  if (IsEditControl(*next))
    static_cast<CEdit*>(next)->SetSel(0, -1);
}

}  // namespace

// ---------------------------------------------------------------------------
// The in-place edit.

BEGIN_MESSAGE_MAP(SECListBoxEdit, CEdit)
  ON_WM_GETDLGCODE()
  ON_WM_KEYDOWN()
  ON_WM_CHAR()
  ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

SECListBoxEdit::SECListBoxEdit(SECListBoxEditor* editor, int row, BOOL bNewItem, int previousSelection, UINT buttonId)
    : m_pEditor(editor), m_nRow(row), m_bNewItem(bNewItem), m_nPreviousSelection(previousSelection),
      m_nButtonId(buttonId) {}

BOOL SECListBoxEdit::Create(CListBox& list, const CRect& rect, LPCTSTR pszInitialText) {
  if (!CreateEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, rect, &list, kId))
    return FALSE;
  SetFont(list.GetFont(), FALSE);
  if (pszInitialText) {
    SetWindowText(pszInitialText);
    int length = GetWindowTextLength();
    SetSel(length, length, TRUE);
  } else {
    SetWindowText(m_pEditor->GetRows()->GetText(m_nRow));
    SetSel(0, -1, TRUE);
  }
  SetFocus();
  return TRUE;
}

BOOL SECListBoxEdit::End(BOOL bCommit) {
  if (m_bEnded)
    return TRUE;
  m_bEnded = TRUE;
  m_pEditor->SetCancel(FALSE);
  if (bCommit) {
    CString text;
    GetWindowText(text);
    m_pEditor->CommitEditText(m_nRow, text);
  } else {
    m_pEditor->CancelEdit(m_nRow, m_bNewItem, m_nPreviousSelection);
  }
  // The list box ends the edit on this notice and destroys this window.
  NMHDR notice = {};
  return SendNotifyToParent(m_hWnd, notice, kEndNotice);
}

void SECListBoxEdit::EndAndMoveFocus(BOOL bPrevious) {
  CWnd* list = GetParent();
  End(TRUE);
  MoveFocus(*list, bPrevious);
}

BOOL SECListBoxEdit::SpaceAdvances() const {
  if (!m_pEditor->GetAutoAdvance())
    return FALSE;
  int start = 0, end = 0;
  GetSel(start, end);
  if (start != end)
    return FALSE;
  CString text;
  GetWindowText(text);
  int trimmed = text.GetLength();
  while (trimmed > 0 && text[trimmed - 1] == ' ')
    --trimmed;
  return start - trimmed >= m_pEditor->GetAutoAdvanceSpaces() - 1;
}

CWnd* SECListBoxEdit::EditButton() const {
  if (!m_nButtonId)
    return nullptr;
  CWnd* list = GetParent();
  return list ? list->GetDlgItem(static_cast<int>(m_nButtonId)) : nullptr;
}

UINT SECListBoxEdit::OnGetDlgCode() { return DLGC_WANTALLKEYS; }

void SECListBoxEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (m_bEnded)
    return;
  CWnd* list = GetParent();  // the subclassed list box: it outlives this edit
  switch (nChar) {
    case VK_RETURN:
      End(TRUE);
      return;
    case VK_ESCAPE:
      End(FALSE);
      return;
    case VK_F2:
      if (CWnd* button = EditButton()) {
        button->SetFocus();
        list->PostMessage(WM_COMMAND, MAKEWPARAM(m_nButtonId, BN_CLICKED), reinterpret_cast<LPARAM>(button->GetSafeHwnd()));
      }
      return;
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END:
      End(TRUE);
      list->PostMessage(WM_KEYDOWN, nChar, MAKELPARAM(nRepCnt, nFlags));
      return;
    case VK_TAB:
      EndAndMoveFocus(KeyDown(VK_SHIFT));
      return;
    default:
      Default();
  }
}

void SECListBoxEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (nChar == VK_RETURN || nChar == VK_ESCAPE || nChar == VK_TAB)
    return;  // handled on key down; no beep
  if (nChar == ' ' && !m_bEnded && SpaceAdvances()) {
    EndAndMoveFocus(FALSE);
    return;
  }
  Default();
}

void SECListBoxEdit::OnKillFocus(CWnd* pNewWnd) {
  // The edit lets go of the focus first: ending may destroy it.
  Default();
  CWnd* button = EditButton();
  if (!m_bEnded && (!pNewWnd || !button || pNewWnd->GetSafeHwnd() != button->GetSafeHwnd()))
    End(TRUE);
}

// ---------------------------------------------------------------------------
// The list box subclass.

BEGIN_MESSAGE_MAP(SECListBoxEditorHelper, CListBox)
  ON_WM_CHAR()
  ON_WM_KEYDOWN()
  ON_WM_SYSKEYDOWN()
  ON_WM_LBUTTONDBLCLK()
  ON_WM_LBUTTONDOWN()
  ON_WM_SETFOCUS()
  ON_WM_KILLFOCUS()
  ON_NOTIFY(SECListBoxEdit::kEndNotice, SECListBoxEdit::kId, OnEditEnded)
  ON_BN_CLICKED(SECListBoxEditor::kEditButtonId, OnEditButtonClicked)
  ON_MESSAGE(SECListBoxEditor::kCancelMessage, OnCancelMessage)
END_MESSAGE_MAP()

void SECListBoxEditorHelper::OnChar(UINT nChar, UINT, UINT) {
  if (!m_pEditor->OnListChar(nChar))
    Default();
}

void SECListBoxEditorHelper::OnKeyDown(UINT nChar, UINT, UINT) {
  if (!m_pEditor->OnListKeyDown(nChar))
    Default();
}

void SECListBoxEditorHelper::OnSysKeyDown(UINT nChar, UINT, UINT) {
  if (!m_pEditor->OnListSysKeyDown(nChar))
    Default();
}

void SECListBoxEditorHelper::OnLButtonDblClk(UINT, CPoint point) { m_pEditor->OnListLButtonDblClk(point); }

void SECListBoxEditorHelper::OnLButtonDown(UINT nFlags, CPoint point) { m_pEditor->OnListLButtonDown(nFlags, point); }

void SECListBoxEditorHelper::OnSetFocus(CWnd* pOldWnd) {
  if (m_pEditor->GetSafeHwnd())
    m_pEditor->SendMessage(WM_SETFOCUS, reinterpret_cast<WPARAM>(AfxGetSafeHwnd(pOldWnd)));
  Default();
}

void SECListBoxEditorHelper::OnKillFocus(CWnd* pNewWnd) {
  if (m_pEditor->GetSafeHwnd())
    m_pEditor->SendMessage(WM_KILLFOCUS, reinterpret_cast<WPARAM>(AfxGetSafeHwnd(pNewWnd)));
  Default();
}

void SECListBoxEditorHelper::OnEditEnded(NMHDR* pNotice, LRESULT* pResult) {
  *pResult = 0;
  m_pEditor->OnEditEnded(pNotice->hwndFrom);
}

void SECListBoxEditorHelper::OnEditButtonClicked() { m_pEditor->OnEditButton(); }

LRESULT SECListBoxEditorHelper::OnCancelMessage(WPARAM wParam, LPARAM) {
  m_pEditor->SetCancel(static_cast<BOOL>(wParam));
  return 0;
}

// ---------------------------------------------------------------------------
// The editor.

BEGIN_MESSAGE_MAP(SECListBoxEditor, CWnd)
  ON_WM_PAINT()
  ON_WM_NCHITTEST()
  ON_WM_LBUTTONDOWN()
  ON_WM_MOUSEMOVE()
  ON_WM_LBUTTONUP()
  ON_WM_CAPTURECHANGED()
  ON_WM_SIZE()
  ON_WM_MOVE()
  ON_WM_DESTROY()
  ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()

SECListBoxEditor::SECListBoxEditor() = default;

SECListBoxEditor::~SECListBoxEditor() {
  DestroyEditButton();
  // Out of m_pEdit first: the end notice its lost focus sends finds no edit.
  if (std::unique_ptr<SECListBoxEdit> edit = std::move(m_pEdit))
    edit->DestroyWindow();
  if (m_pHelper && m_pHelper->GetSafeHwnd())
    m_pHelper->UnsubclassWindow();
  if (m_hWnd)
    CToolTipOwner::ForThread().RemoveTools(m_hWnd);
}

void SECListBoxEditor::LoadButtonBitmaps() {
  for (int i = 0; i < kButtonCount; ++i) {
    if (m_bitmaps[i].GetSafeHandle())
      continue;
    if (!m_bitmaps[i].LoadMappedBitmap(kBitmapIds[i]))
      DrawGlyph(i, m_bitmaps[i]);
  }
}

BOOL SECListBoxEditor::Initialize(CWnd* pParent, UINT nID, DWORD dwStyle) {
  if (!pParent)
    return FALSE;
  CWnd* list = pParent->GetDlgItem(static_cast<int>(nID));
  if (!list)
    return FALSE;
  SetEditorStyle(dwStyle);
  LoadButtonBitmaps();

  UINT headerId = SECFindUnusedControlId(pParent->GetSafeHwnd());
  LPCTSTR cls = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), ::GetSysColorBrush(COLOR_BTNFACE));
  CRect rcList;
  list->GetWindowRect(&rcList);
  pParent->ScreenToClient(&rcList);
  if (!CreateEx(WS_EX_STATICEDGE, cls, "", WS_CHILD, CRect(rcList.left, rcList.top, rcList.right, rcList.top + 1),
                pParent, headerId))
    return FALSE;
  SetFont(pParent->GetFont(), FALSE);
  m_nHeaderHeight = CalcHeaderHeight();

  SetButtonFlags(dwStyle);
  CWnd* before = list->GetWindow(GW_HWNDPREV);
  m_pHelper = std::make_unique<SECListBoxEditorHelper>(this);
  m_pHelper->SubclassWindow(list->GetSafeHwnd());
  PlaceHeaderAndList(rcList, before ? before : &CWnd::wndTop);
  m_pListRows = std::make_unique<ListBoxRows>(*m_pHelper);
  AttachRows(m_pListRows.get());
  LayoutButtons();

  UpdateToolTips();
  EnsureTrailingRow();
  Notify(kSelChange, TRUE);
  ShowWindow(SW_SHOW);
  m_bInitialized = TRUE;
  return TRUE;
}

void SECListBoxEditor::PlaceHeaderAndList(const CRect& area, const CWnd* pInsertAfter) {
  int gap = 2 * ::GetSystemMetrics(SM_CYBORDER);
  UINT order = pInsertAfter ? 0 : SWP_NOZORDER;
  SetWindowPos(pInsertAfter, area.left, area.top, area.Width(), m_nHeaderHeight, order | SWP_NOACTIVATE);
  m_pHelper->SetWindowPos(nullptr, area.left, area.top + m_nHeaderHeight + gap, area.Width(),
                          area.Height() - m_nHeaderHeight - gap, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The header is as tall as its caption wrapped into the room beside the
// buttons: a long column heading shows whole instead of being cut.
int SECListBoxEditor::CalcHeaderHeight() {
  TEXTMETRIC tm = {};
  CRect text = CaptionRect();
  {
    CClientDC dc(this);
    CSelectObjectScope font(dc, FontOf(*this));
    dc.GetTextMetrics(&tm);
    CString caption;
    GetWindowText(caption);
    if (!caption.IsEmpty() && text.Width() > 0)
      dc.DrawText(caption, &text, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  }
  int height = std::max(static_cast<int>(tm.tmHeight), text.Height()) + 4 * ::GetSystemMetrics(SM_CYBORDER);
  for (const CBitmap& bitmap : m_bitmaps)
    if (bitmap.GetSafeHandle())
      height = std::max(height, static_cast<int>(BitmapSize(bitmap).cy) + 2);
  return height;
}

CRect SECListBoxEditor::CaptionRect() const {
  CRect client;
  GetClientRect(&client);
  CRect text = client;
  text.left += 2 * ::GetSystemMetrics(SM_CXBORDER);
  if (GetEditorStyle() & kHeaderButtons)
    for (int i = 0; i < kButtonCount; ++i)
      if (m_bShowButton[i] && m_bitmaps[i].GetSafeHandle())
        text.right -= BitmapSize(m_bitmaps[i]).cx;
  text.bottom = text.top;
  return text;
}

LRESULT SECListBoxEditor::OnSetText(WPARAM, LPARAM) {
  const LRESULT result = Default();
  if (m_bInitialized)
    FitHeaderToCaption();
  Invalidate();
  return result;
}

void SECListBoxEditor::FitHeaderToCaption() {
  const int height = CalcHeaderHeight();
  if (height == m_nHeaderHeight || !m_pHelper || !m_pHelper->GetSafeHwnd())
    return;
  CRect header, list;
  GetWindowRect(&header);
  m_pHelper->GetWindowRect(&list);
  CRect area(header.left, header.top, header.right, list.bottom);
  GetParent()->ScreenToClient(&area);
  m_nHeaderHeight = height;
  PlaceHeaderAndList(area, nullptr);
  LayoutButtons();
  UpdateToolTips();
}

void SECListBoxEditor::SetButtonFlags(DWORD dwStyle) {
  for (int i = 0; i < kButtonCount; ++i)
    m_bShowButton[i] = (dwStyle & kShowBits[i]) != 0;
}

// Along the header from its far end back: Move Down, Move Up, Delete, New.
void SECListBoxEditor::LayoutButtons() {
  const CAxis along = CAxis::Horizontal();
  CRect client;
  GetClientRect(&client);
  int end = along.MajorEnd(client);
  for (int i = kButtonCount - 1; i >= 0; --i) {
    m_rcButtons[i].SetRectEmpty();
    if (!m_bShowButton[i])
      continue;
    int extent = along.Major(BitmapSize(m_bitmaps[i]));
    m_rcButtons[i] = along.MakeRect(end - extent, along.MinorStart(client), end, along.MinorEnd(client));
    end -= extent;
  }
}

// The tips go to the thread's one tool-tip window, which watches the header.
void SECListBoxEditor::UpdateToolTips() {
  if (!m_hWnd || !(GetEditorStyle() & kHeaderButtons) || !(GetEditorStyle() & kToolTips))
    return;
  CToolTipOwner& tips = CToolTipOwner::ForThread();
  for (int i = 0; i < kButtonCount; ++i) {
    if (m_bShowButton[i])
      tips.AddTool(m_hWnd, kTipIds[i], TipText(i), &m_rcButtons[i]);
    else
      tips.RemoveTool(m_hWnd, kTipIds[i]);
  }
}

void SECListBoxEditor::RecalcLayout() {
  if (!m_pHelper || !m_pHelper->GetSafeHwnd())
    return;
  CRect rc;
  GetWindowRect(&rc);
  GetParent()->ScreenToClient(&rc);
  if (rc.Height() <= m_nHeaderHeight)
    return;
  PlaceHeaderAndList(rc, nullptr);
  LayoutButtons();
  UpdateToolTips();
  Invalidate();
  m_pHelper->Invalidate();
}

void SECListBoxEditor::Notify(int code, BOOL bPost) {
  CWnd* dialog = m_pHelper && m_pHelper->GetSafeHwnd() ? m_pHelper->GetParent() : nullptr;
  if (!dialog)
    return;
  if (!bPost) {
    SendCommandToParent(m_pHelper->GetSafeHwnd(), static_cast<UINT>(code));
    return;
  }
  dialog->PostMessage(WM_COMMAND, MAKEWPARAM(m_pHelper->GetDlgCtrlID(), code),
                      reinterpret_cast<LPARAM>(m_pHelper->GetSafeHwnd()));
}

BOOL SECListBoxEditor::BeginEdit(int nIndex, BOOL bNewItem, LPCTSTR pszInitialText) {
  if (!m_pHelper || !m_pHelper->GetSafeHwnd() || m_pEdit)
    return FALSE;
  CListBox& list = *m_pHelper;
  CRect rc;
  list.GetItemRect(nIndex, &rc);
  rc.InflateRect(0, 2);
  UINT buttonId = 0;
  CRect rcButton;
  if (GetEditorStyle() & kEditButton) {
    CSize dots, blank;
    {
      CClientDC dc(&list);
      CSelectObjectScope font(dc, FontOf(list));
      dots = dc.GetTextExtent("...", 3);
      blank = dc.GetTextExtent(" ", 1);
    }
    int width = dots.cx + 2 * (blank.cx + ::GetSystemMetrics(SM_CXBORDER));
    rcButton = CRect(rc.right - width, rc.top, rc.right, rc.bottom);
    rc.right -= width;
    buttonId = kEditButtonId;
  }
  m_pEdit = std::make_unique<SECListBoxEdit>(this, nIndex, bNewItem, GetPreviousSelection(), buttonId);
  if (buttonId) {
    m_btnEdit.Create("...", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, rcButton, &list, kEditButtonId);
    m_btnEdit.SetFont(list.GetFont(), FALSE);
  }
  if (!m_pEdit->Create(list, rc, pszInitialText)) {
    m_pEdit.reset();
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
  // The edit's own key or focus handler may be what ended it, and it is
  // still running: only the window goes now, the object when the next edit
  // ends.
  m_pEndedEdit = std::move(m_pEdit);
  if (!m_pEndedEdit->HasEnded())
    m_pEndedEdit->End(TRUE);
  m_pEndedEdit->DestroyWindow();
  ListBoxEditorLogic::EndEdit();
}

void SECListBoxEditor::OnEditEnded(HWND hEdit) {
  if (m_pEdit && m_pEdit->GetSafeHwnd() == hEdit)
    EndEdit();
}

BOOL SECListBoxEditor::EditCurrentItem(UINT nChar) {
  if (nChar == ' ' || nChar == VK_BACK) {
    if (m_bAutoAdvance) {
      MoveFocus(*m_pHelper, nChar == VK_BACK);
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

void SECListBoxEditor::OnPaint() {
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  dc.FillSolidRect(&client, ::GetSysColor(COLOR_BTNFACE));
  PaintCaption(dc, client);
  if (GetEditorStyle() & kHeaderButtons)
    PaintButtons(dc);
}

void SECListBoxEditor::PaintCaption(CDC& dc, const CRect& client) {
  CString caption;
  GetWindowText(caption);
  if (caption.IsEmpty())
    return;
  CSaveDCScope saved(dc);
  dc.SelectObject(FontOf(*this));
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
  CRect text = CaptionRect();
  dc.DrawText(caption, &text, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  const int height = text.Height();
  text = CaptionRect();
  text.top = client.top + (client.Height() - height) / 2;
  text.bottom = text.top + height;
  dc.DrawText(caption, &text, DT_WORDBREAK | DT_LEFT | DT_NOPREFIX);
}

void SECListBoxEditor::PaintButtons(CDC& dc) {
  CDC mem;
  if (!mem.CreateCompatibleDC(&dc))
    return;
  for (int i = 0; i < kButtonCount; ++i) {
    if (!m_bShowButton[i] || !m_bitmaps[i].GetSafeHandle())
      continue;
    CSelectObjectScope select(mem, m_bitmaps[i]);
    CSize size = BitmapSize(m_bitmaps[i]);
    CRect rc = m_rcButtons[i];
    int sunk = (m_nPressed == i && m_bPressedIn) ? 1 : 0;
    dc.BitBlt(rc.left + sunk, rc.top + (rc.Height() - size.cy) / 2 + sunk, size.cx, size.cy, &mem, 0, 0, SRCCOPY);
    if (sunk)
      dc.DrawEdge(&rc, BDR_SUNKENOUTER, BF_RECT);
  }
}

LRESULT SECListBoxEditor::OnNcHitTest(CPoint) { return HTCLIENT; }

void SECListBoxEditor::OnLButtonDown(UINT, CPoint point) {
  int button = ButtonAt(point);
  if (button < 0 || m_pEdit)
    return;
  m_nPressed = button;
  m_bPressedIn = TRUE;
  SetCapture();
  InvalidateRect(&m_rcButtons[button], FALSE);
}

void SECListBoxEditor::OnMouseMove(UINT, CPoint point) {
  if (m_nPressed < 0)
    return;
  BOOL in = m_rcButtons[m_nPressed].PtInRect(point);
  if (in == m_bPressedIn)
    return;
  m_bPressedIn = in;
  InvalidateRect(&m_rcButtons[m_nPressed], FALSE);
}

void SECListBoxEditor::OnLButtonUp(UINT, CPoint point) {
  if (m_nPressed >= 0)
    ReleaseButton(m_rcButtons[m_nPressed].PtInRect(point));
}

void SECListBoxEditor::OnCaptureChanged(CWnd*) {
  if (m_nPressed >= 0)
    ReleaseButton(FALSE);
}

void SECListBoxEditor::ReleaseButton(BOOL bRun) {
  int button = m_nPressed;
  m_nPressed = -1;  // before the capture goes: its loss ends no press twice
  m_bPressedIn = FALSE;
  if (GetCapture() == this)
    ::ReleaseCapture();
  InvalidateRect(&m_rcButtons[button], FALSE);
  if (bRun)
    RunCommand(button);
}

void SECListBoxEditor::OnSize(UINT nType, int cx, int cy) {
  if (m_bInitialized)
    RecalcLayout();
  CWnd::OnSize(nType, cx, cy);
}

void SECListBoxEditor::OnMove(int x, int y) {
  if (m_bInitialized)
    RecalcLayout();
  CWnd::OnMove(x, y);
}

void SECListBoxEditor::OnDestroy() {
  CToolTipOwner::ForThread().RemoveTools(m_hWnd);
  CWnd::OnDestroy();
}

BOOL SECListBoxEditor::OnListChar(UINT nChar) {
  if (!(GetEditorStyle() & kTypeToEdit) || KeyDown(VK_CONTROL) || (nChar < ' ' && nChar != VK_BACK))
    return FALSE;
  EditCurrentItem(nChar);
  return TRUE;
}

BOOL SECListBoxEditor::OnListKeyDown(UINT nChar) {
  DWORD style = GetEditorStyle();
  if ((style & kKeys) && nChar == VK_INSERT) {
    NewItem();
    return TRUE;
  }
  if ((style & kKeys) && nChar == VK_DELETE) {
    DeleteSelected();
    return TRUE;
  }
  if ((style & kEditButton) && nChar == VK_F2) {
    EditCurrentItem(0);
    return TRUE;
  }
  return FALSE;
}

BOOL SECListBoxEditor::OnListSysKeyDown(UINT nChar) {
  if (!(GetEditorStyle() & kKeys) || (nChar != VK_UP && nChar != VK_DOWN))
    return FALSE;
  nChar == VK_UP ? MoveUp() : MoveDown();
  return TRUE;
}

void SECListBoxEditor::OnListLButtonDown(UINT, CPoint point) {
  BOOL wasEditing = m_pEdit != nullptr;
  if (m_pEdit) {
    BOOL hasText = m_pEdit->GetWindowTextLength() > 0;
    if (!m_pEdit->HasEnded())
      m_pEdit->End(hasText);
    EndEdit();
    if (GetFocus() != m_pHelper.get())
      return;  // the ending took the focus away: the press is swallowed
  }
  int before = GetRows()->GetCurrent();
  m_pHelper->Default();
  if ((GetEditorStyle() & kDrag) && !wasEditing) {
    int current = GetRows()->GetCurrent();
    if (current >= 0 && !IsTrailingRow(current))
      RunDrag(point);
  }
  int after = GetRows()->GetCurrent();
  if (!wasEditing && before >= 0 && after >= 0 && before != after)
    Notify(kSelChange, TRUE);
}

void SECListBoxEditor::OnListLButtonDblClk(CPoint point) {
  const int count = GetRows()->GetCount();
  CRect last;
  if (count > 0 && m_pHelper->GetItemRect(count - 1, &last) != LB_ERR && point.y < last.bottom) {
    EditCurrentItem(0);
    return;
  }
  // Below the rows the list keeps its old selection: editing it would
  // overwrite a row the user did not point at.
  EditBelowLastRow();
}

// ---------------------------------------------------------------------------
// Dragging a row: a hidden window holds the mouse while the capture loop
// follows the pointer, shows the insertion point and scrolls the list while
// the pointer is held above or below it.

namespace {

const char kDragClass[] = "SECListBoxDragWnd";

bool RegisterDragClass() {
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  WNDCLASSA wc = {};
  if (::GetClassInfoA(instance, kDragClass, &wc))
    return true;
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = ::DefWindowProcA;
  wc.hInstance = instance;
  wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = kDragClass;
  return ::RegisterClassA(&wc) != 0;
}

class RowDragLoop : public CCaptureLoop {
 public:
  RowDragLoop(SECListBoxEditor& editor, CListBox& list, CWnd& drag, CPoint press)
      : CCaptureLoop(drag.GetSafeHwnd()), m_editor(editor), m_list(list), m_drag(drag), m_press(press),
        m_pointer(press), m_pressTick(::GetTickCount()), m_lastScroll(m_pressTick),
        m_source(editor.GetRows()->GetCurrent()) {
    SetIdleInterval(kDragIdleInterval);
  }

 protected:
  void OnMove(CPoint point) override {
    m_pointer = InList(point);
    int dx = m_pointer.x - m_press.x, dy = m_pointer.y - m_press.y;
    int dragX = ::GetSystemMetrics(SM_CXDRAG), dragY = ::GetSystemMetrics(SM_CYDRAG);
    if (!m_moved && dx * dx + dy * dy > dragX * dragX + dragY * dragY)
      m_moved = true;
    bool outside = !ListClient().PtInRect(m_pointer);
    if (outside && !m_outside)
      m_interval = kScrollStart;
    m_outside = outside;
    if (m_moved)
      Track();
  }
  void OnIdle() override {
    CRect client = ListClient();
    bool above = m_pointer.y < 0, below = m_pointer.y >= client.bottom;
    DWORD now = ::GetTickCount();
    if (!m_moved || !(above || below) || now - m_pressTick <= static_cast<DWORD>(kDropDelay) ||
        now - m_lastScroll < static_cast<DWORD>(m_interval))
      return;
    ShowMarker(-1);
    m_list.SetTopIndex(std::max(0, m_list.GetTopIndex() + (above ? -1 : 1)));
    m_list.UpdateWindow();
    Track();
    m_lastScroll = now;
    m_interval = std::max(kScrollMin, m_interval - kScrollStep);
  }
  void OnEnd(CPoint point) override {
    m_pointer = InList(point);
    ShowMarker(-1);
    if (m_moved && ::GetTickCount() - m_pressTick > static_cast<DWORD>(kDropDelay))
      m_editor.DropRow(m_source, m_target);
  }
  void OnCancel() override { ShowMarker(-1); }

 private:
  CPoint InList(CPoint point) const {
    m_drag.MapWindowPoints(&m_list, &point, 1);
    return point;
  }
  CRect ListClient() const {
    CRect client;
    m_list.GetClientRect(&client);
    return client;
  }
  // Follows the pointer: the drop target and its insertion line.
  void Track() {
    int count = m_editor.GetRows()->GetCount();
    int height = std::max(1, m_list.GetItemHeight(0));
    int top = m_list.GetTopIndex();
    int row = m_pointer.y < 0 ? -1 : top + m_pointer.y / height;
    BOOL lower = m_pointer.y >= 0 && (m_pointer.y % height) >= height / 2;
    m_target = m_editor.DragTarget(row >= count ? count : row, lower);
    int line = m_target == ListBoxEditorLogic::kNoTarget
                   ? -1
                   : (m_target == ListBoxEditorLogic::kAfterLast ? count : m_target) - top;
    ShowMarker(line < 0 ? -1 : line * height);
  }
  void ShowMarker(int y) {
    if (y == m_marker)
      return;
    InvertMarker(m_marker);
    m_marker = y;
    InvertMarker(m_marker);
  }
  // The grey insertion line, drawn and erased by inverting.
  void InvertMarker(int y) {
    if (y < 0)
      return;
    CRect client = ListClient();
    CClientDC dc(&m_list);
    CSelectObjectScope brush(dc, ::GetStockObject(GRAY_BRUSH));
    dc.PatBlt(client.left, y - 1, client.Width(), 2, PATINVERT);
  }

  SECListBoxEditor& m_editor;
  CListBox& m_list;
  CWnd& m_drag;
  const CPoint m_press;
  CPoint m_pointer;
  const DWORD m_pressTick;
  DWORD m_lastScroll;
  const int m_source;
  int m_target = ListBoxEditorLogic::kNoTarget;
  int m_marker = -1;
  int m_interval = kScrollStart;
  bool m_moved = false;
  bool m_outside = false;
};

}  // namespace

void SECListBoxEditor::RunDrag(CPoint press) {
  CWnd drag;
  if (!RegisterDragClass() ||
      !drag.CreateEx(0, kDragClass, "", WS_POPUP, 0, 0, 0, 0, m_pHelper->GetSafeHwnd(), nullptr))
    return;
  RowDragLoop(*this, *m_pHelper, drag, press).Run();
  drag.DestroyWindow();
}
