// The editable list box: a header strip with command buttons above a
// dialog's list box, an in-place edit over one row, keys and row dragging.
// The row rules live in ListBoxEditorLogic; this is their window side.
#pragma once

#include "framework/Framework.h"
#include "mvc/controls/ListBoxEditorLogic.h"

#include <memory>

class SECListBoxEditor;

// The dialog's own list box, subclassed: its keys, clicks, focus changes and
// the in-place edit's end notice go to the editor.
class SECListBoxEditorHelper : public CListBox {
 public:
  explicit SECListBoxEditorHelper(SECListBoxEditor* editor) : m_pEditor(editor) {}

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  SECListBoxEditor* m_pEditor;
};

// The in-place edit over one row.
class SECListBoxEdit : public CEdit {
 public:
  static constexpr UINT kId = 100;
  static constexpr UINT kEndNotice = 1000;

  SECListBoxEdit(SECListBoxEditor* editor, int row, BOOL bNewItem, int previousSelection, UINT buttonId);
  BOOL Create(HWND hList, const CRect& rect, LPCTSTR pszInitialText);
  // Enter writes the text into the row; Escape cancels. Either way the list
  // box is told the edit has ended.
  void End(BOOL bCommit);
  BOOL HasEnded() const { return m_bEnded; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void EndAndMoveFocus(BOOL bPrevious);
  BOOL SpaceAdvances() const;

  SECListBoxEditor* m_pEditor;
  int m_nRow;
  BOOL m_bNewItem;
  int m_nPreviousSelection;
  UINT m_nButtonId;
  BOOL m_bEnded = FALSE;
};

class SECListBoxEditor : public CWnd, public ListBoxEditorLogic {
 public:
  enum Button { kNew, kDelete, kMoveUp, kMoveDown, kButtonCount };
  static constexpr UINT kEditButtonId = 101;
  static constexpr UINT kCancelMessage = 0x500;

  SECListBoxEditor();
  ~SECListBoxEditor() override;

  virtual BOOL Initialize(UINT nID, CWnd* pParent, DWORD dwStyle) { return Initialize(pParent, nID, dwStyle); }
  virtual BOOL Initialize(CWnd* pParent, UINT nID, DWORD dwStyle);
  virtual void SetAutoAdvance(BOOL bAutoAdvance) { m_bAutoAdvance = bAutoAdvance; }
  void EndEdit() override;
  BOOL EditCurrentItem(UINT nChar) override;
  virtual int CalcHeaderHeight();
  virtual void LayoutButtons();
  virtual void UpdateToolTips();
  virtual void RecalcLayout();
  virtual void SetButtonFlags(DWORD dwStyle);
  virtual void SetAutoAdvanceSpaces(int nSpaces) { m_nAutoAdvanceSpaces = nSpaces; }
  virtual void OnEditButton() {}

  CListBox* GetListBoxCtrl() const { return m_pHelper.get(); }
  BOOL IsInitialized() const { return m_bInitialized; }
  BOOL GetAutoAdvance() const { return m_bAutoAdvance; }
  int GetAutoAdvanceSpaces() const { return m_nAutoAdvanceSpaces; }
  SECListBoxEdit* GetEdit() const { return m_pEdit; }
  CRect GetButtonRect(int button) const { return m_rcButtons[button]; }
  // Runs a header button's command.
  BOOL RunCommand(int button);

  // Called by the list box subclass.
  BOOL OnListMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

 protected:
  BOOL BeginEdit(int nIndex, BOOL bNewItem, LPCTSTR pszInitialText) override;
  void Notify(int code, BOOL bPost) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void PaintHeader();
  int ButtonAt(CPoint point) const;
  void OnListLButtonDown(WPARAM wParam, LPARAM lParam);
  void RunDrag(CPoint press);
  void DestroyEditButton();
  HWND ListHwnd() const;

  CWnd m_btnEdit;
  HWND m_hToolTip = nullptr;
  SECListBoxEdit* m_pEdit = nullptr;
  std::unique_ptr<SECListBoxEditorHelper> m_pHelper;
  std::unique_ptr<IListBoxRows> m_pListRows;
  CRect m_rcButtons[kButtonCount];
  BOOL m_bShowButton[kButtonCount] = {TRUE, TRUE, TRUE, TRUE};
  HBITMAP m_hBitmaps[kButtonCount] = {};
  BOOL m_bInitialized = FALSE;
  int m_nHeaderHeight = 0;
  BOOL m_bAutoAdvance = FALSE;
  int m_nAutoAdvanceSpaces = 1;
  int m_nPressed = -1;   // header button being pressed
  BOOL m_bPressedIn = FALSE;
};
